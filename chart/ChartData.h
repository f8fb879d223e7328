#pragma once
// The chart table and the chart-wide values of the psychrometric chart.
//
// The chart is not computed from the property engine while it is drawn: it is
// drawn from a table of rows, one per whole degree of dry bulb, read from
// "Data.dat" in the program folder. The table exists in metric units (°C,
// g of water per kg of dry air, kJ/kg) and in English units (°F, grains per
// lb, Btu/lb).
//
// Wet-bulb lines on this chart are straight and parallel: the line through a
// point (T, W) meets the zero-humidity axis at T − W × TempVsAbsHum, where
// TempVsAbsHum (temperature units per unit of absolute humidity, negative) is
// one slope per unit system, stored with its table.

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QIODevice;

namespace aeriton::chart {

// Colours are held as 32-bit values R + 256·G + 65536·B.
using OleColor = int32_t;
constexpr OleColor RGB(int r, int g, int b) {
  return static_cast<OleColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// One row of a table: 15 doubles, 120 bytes in the file, in this order.
struct ChartRow {
  double P2Temp = 0;       // lower end of this row's wet-bulb line inside the chart (per drawing)
  double P2AbsHum = 0;     // its absolute humidity (per drawing)
  double TempX0 = 0;       // dry bulb where the wet-bulb line of this row meets W = 0
  double AbsHum[11] = {};  // humidity at i × 10 % RH; AbsHum[10] is saturation
  double Enth = 0;         // enthalpy of the row's saturation point
};
constexpr int kRowBytes = 15 * 8;
constexpr int kSetHeaderBytes = 16;

class clsDataPoints;

// A cursor on one row of a table. Every property reads or writes the owner's
// row directly; the cursor keeps no copy.
class clsDataPoint {
 public:
  explicit clsDataPoint(clsDataPoints& owner) : owner_(&owner) {}

  int16_t index() const { return index_; }

  // Index 0 … 10 (× 10 % RH); any other index throws std::out_of_range.
  double AbsHum(int Index) const;
  void setAbsHum(int Index, double value);
  double Enth() const;
  void setEnth(double value);
  double P2AbsHum() const;
  void setP2AbsHum(double value);
  double P2Temp() const;
  void setP2Temp(double value);
  double TempX0() const;
  void setTempX0(double value);

 private:
  friend class clsDataPoints;
  ChartRow& row() const;
  clsDataPoints* owner_;
  int16_t index_ = 0;
};

// The table of one unit system.
class clsDataPoints {
 public:
  clsDataPoints();
  clsDataPoints(const clsDataPoints&) = delete;
  clsDataPoints& operator=(const clsDataPoints&) = delete;

  // Reads one data set from the file's current position: TempVsAbsHum,
  // MinTemp, MaxTemp (little-endian), then all rows. False (table unchanged)
  // when the set is short or its values cannot belong to a chart table; *why
  // says which.
  enum class LoadError { None, Short, Damaged };
  LoadError LoadData(QIODevice& file);

  // Positions the one cursor on row Index and returns it. Every call returns
  // the same cursor. An index outside MinTemp … MaxTemp throws std::out_of_range.
  clsDataPoint& Point(int Index);

  int32_t MinTemp() const { return minTemp_; }
  int32_t MaxTemp() const { return maxTemp_; }
  double TempVsAbsHum() const { return tempVsAbsHum_; }
  bool loaded() const { return !rows_.empty(); }

  // Direct, unchecked-by-cursor access for the readout and the generator.
  const ChartRow& row(int Index) const;
  ChartRow& row(int Index);

  // Fills the table from values (the generator and tests).
  void assign(double tempVsAbsHum, int32_t minTemp, int32_t maxTemp, std::vector<ChartRow> rows);

 private:
  friend class clsDataPoint;
  double tempVsAbsHum_ = 0;
  int32_t minTemp_ = 0;
  int32_t maxTemp_ = -1;
  std::vector<ChartRow> rows_;
  std::unique_ptr<clsDataPoint> cursor_;
};

// ---- The chart process handed over by the results screen ----------------------

struct ChartStatePoint {
  double DryBulb = 0;
  double WetBulb = 0;
  double AbsHum = 0;  // computed by the renderer from the table
};

// Point indices.
enum ChartPointIndex { kPointN = 0, kPointM, kPointT, kPointS, kPointX, kPointADP, kPointCount };

struct ChartProcessData {
  // 1 cooling without reheat, 2 cooling with reheat, 3 heating, 0 outdoor and
  // room at the same dry bulb.
  int32_t Kind = 0;
  ChartStatePoint point[kPointCount];
};

// The labels of the six points.
QString pointLabel(int k);

// ---- Chart-wide values -----------------------------------------------------------

inline const char* kChartDataFileName = "Data.dat";

constexpr OleColor kProcessColorCooling = RGB(0, 0, 255);
constexpr OleColor kProcessColorHeating = RGB(224, 0, 0);

struct ChartModule {
  std::unique_ptr<clsDataPoints> MetricChartData;
  std::unique_ptr<clsDataPoints> EnglishChartData;
  clsDataPoints* ChartData = nullptr;  // the table of the current drawing
  int32_t ChartMinTemp = 0, ChartMaxTemp = 0;
  int32_t ChartMaxSatHum = 0;
  int32_t ChartMaxAbsHum = 0;
  QString TempUnit, AbsHumUnit, EnthUnit;
  OleColor LightGridColor = RGB(192, 192, 192);
  OleColor DarkGridColor = RGB(128, 128, 128);

  ChartProcessData Process;

  // Enthalpy scale, set while drawing and used by the readout.
  double SatChordSlope = 0, EnthAxisX0 = 0, EnthAxisOffset = 0, EnthPerDegree = 0;
  bool scaleReady = false;  // a drawing has set the values above
};

// The one chart module of the program.
ChartModule& chartModule();
// Forgets the tables, ranges and process (tests).
void resetChart();

// Outcome of reading "Data.dat".
enum class ChartDataStatus { Ok, Missing, Short, Damaged };

// LoadChartData: reads both tables from "Data.dat" in the program folder (the
// metric set, then the English one, through one open file) and sets the grid
// colours. On any failure the tables already loaded stay as they were.
ChartDataStatus LoadChartData();
// The same from any file (tests, the batch).
ChartDataStatus LoadChartDataFrom(const QString& path);

// SetChartProcess: copies the process record into the chart module.
void SetChartProcess(const ChartProcessData& process);

// Default ranges of the chart opened from the results.
struct ChartRange {
  int32_t MinTemp = 0, MaxTemp = 0, MaxAbsHum = 0;
};
ChartRange defaultChartRange(bool english, bool heating);

// Range normalisation at the start of a drawing: the table and unit texts of
// the unit system, the dry-bulb range (passed, stored, or the whole table;
// clamped to the table), the saturation humidity at the right border, the top
// of the humidity axis, and the lower ends of the wet-bulb lines written into
// the table rows. False when the tables are not loaded.
bool NormaliseRanges(bool English, int32_t MinTemp, int32_t MaxTemp, int32_t MaxAbsHum);

// Nearest whole number, a half going to the even one.
double nearestEven(double x);

}  // namespace aeriton::chart
