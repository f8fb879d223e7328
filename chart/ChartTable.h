#pragma once
// The contents of "Data.dat", made from the property engine.
//
// Each set has one row per whole degree of dry bulb. A row holds the absolute
// humidity at 0 %, 10 %, … 100 % relative humidity (from the interpolated
// saturation pressure of the engine's table and the engine's humidity ratio,
// W = 0.6224 pv / (P − pv)), the enthalpy of the saturated air
// (0.24 t + W (1060.5 + 0.45 t), Btu/lb) and the foot TempX0 of the row's
// wet-bulb line.
//
// Metric set: −23 … 65 °C, g/kg (1000 W), kJ/kg (Btu/lb × 0.2518301785 /
// 0.45359 × 4.18675, the factors the results screen shows its enthalpies
// with, so that the chart and the results agree). English set: −10 … 150 °F,
// grains/lb (7000 W), Btu/lb. Both are the whole span of the engine's
// saturation table (−10 … 150 °F = −23.3 … 65.6 °C) and hold every default
// range of the chart (−13 … 65 °C, 9 … 149 °F).
//
// Slope of the wet-bulb lines. Carrier's equation makes the vapour pressure
// fall linearly with the dry bulb at constant wet bulb, so each wet-bulb line
// is nearly straight; its slope grows slowly with the wet bulb (about
// −0.644 °F per grain at 0 °F, −0.615 at 65 °F, −0.575 at 100 °F). The chart
// draws all of them with one slope, the one that keeps the states of summer
// design closest to their Carrier humidity: over wet bulbs of 55 … 82 °F
// (13 … 28 °C) with up to 30 °F (17 °C) of wet-bulb depression — outdoor,
// room and mixed air; coil outlets and dew points lie near saturation, where
// every slope agrees — the largest difference in relative humidity between a
// state placed on its straight line and the same state by Carrier's equation
// is smallest. Computed from the engine at build time: k ≈ −0.6172 °F per
// grain/lb (largest difference 0.30 % RH; 0.23 % at 35 °C / 24 °C), in metric
// units k × 7 (grains per g/kg) × 5/9 ≈ −2.400 °C per g/kg. Drier or colder
// states stray further (0.6 % RH at 50 °F wet bulb with 36 °F of depression,
// 1.6 % at 30 °F with 30 °F).

#include <QByteArray>
#include <vector>

#include "chart/ChartData.h"

namespace aeriton::chart {

constexpr int kMetricTableMin = -23, kMetricTableMax = 65;     // °C
constexpr int kEnglishTableMin = -10, kEnglishTableMax = 150;  // °F

// The states of summer design the slope is fitted on (°F).
constexpr int kDesignWetBulbLowF = 55, kDesignWetBulbHighF = 82;
constexpr int kDesignDepressionF = 30;  // in steps of 2 °F

// The slope of the wet-bulb lines, °F per grain/lb and °C per g/kg.
double wetBulbSlopeEnglish();
double wetBulbSlopeMetric();
// The largest difference in relative humidity (per cent) between straight
// wet-bulb lines of `slope` (°F per grain/lb) and Carrier's equation over the
// states of summer design.
double wetBulbLineError(double slope);

// The rows of either set (P2Temp and P2AbsHum 0: every drawing sets them).
std::vector<ChartRow> metricRows();
std::vector<ChartRow> englishRows();

// The whole file: the metric set, then the English set, little-endian.
QByteArray chartDataFileBytes();

// Enthalpy of moist air at dry bulb T and absolute humidity W in the chart's
// units (°C, g/kg → kJ/kg; °F, grains/lb → Btu/lb): the engine's
// 0.24 t + W (1060.5 + 0.45 t), the relation the table's saturation
// enthalpies come from.
double chartEnthalpy(bool english, double T, double W);

}  // namespace aeriton::chart
