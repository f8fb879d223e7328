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
// draws all of them with one slope: the chord of Carrier's line for a wet bulb
// of 65 °F (18.3 °C, the middle of the wet bulbs of summer design states)
// over 20 °F of wet-bulb depression, computed from the engine:
//   k = 20 / (7000 (W(85, 65) − Wsat(65))) ≈ −0.6148 °F per grain/lb,
// and in metric units k × 7 (grains per g/kg) × 5/9 ≈ −2.391 °C per g/kg.
// With it a summer design state (wet bulb 50 … 82 °F, up to 36 °F of
// depression) plotted on its wet-bulb line lies within about 0.4 % RH of its
// Carrier humidity.

#include <QByteArray>
#include <vector>

#include "chart/ChartData.h"

namespace aeriton::chart {

constexpr int kMetricTableMin = -23, kMetricTableMax = 65;     // °C
constexpr int kEnglishTableMin = -10, kEnglishTableMax = 150;  // °F

// Reference wet bulb and depression of the slope (°F).
constexpr float kSlopeWetBulbF = 65.0f;
constexpr float kSlopeDepressionF = 20.0f;

// The slope of the wet-bulb lines, °F per grain/lb and °C per g/kg.
double wetBulbSlopeEnglish();
double wetBulbSlopeMetric();

// The rows of either set (P2Temp and P2AbsHum 0: every drawing sets them).
std::vector<ChartRow> metricRows();
std::vector<ChartRow> englishRows();

// The whole file: the metric set, then the English set, little-endian.
QByteArray chartDataFileBytes();

}  // namespace aeriton::chart
