// The chart: a whole metric cooling chart drawn into a 1920×1080 image,
// reading both tables of "Data.dat", and one readout under the mouse.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>

#include "chart/ChartData.h"
#include "chart/ChartDevice.h"
#include "chart/ChartTable.h"
#include "chart/PsyDraw.h"
#include "study/ExchangeFiles.h"

namespace {

using namespace aeriton::chart;

// Fonts and painting need the graphics of Qt; no screen.
void ensureGui() {
  static std::unique_ptr<QGuiApplication> app;
  if (QGuiApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "aeriton-bench";
  static char* argv[] = {name, nullptr};
  app = std::make_unique<QGuiApplication>(argc, argv);
}

// The table file in a folder of its own, written once.
const QString& tablePath() {
  static QTemporaryDir dir;
  static const QString path = [] {
    const QString p = dir.filePath("Data.dat");
    aeriton::writeFileAtomically(p, chartDataFileBytes());
    return p;
  }();
  return path;
}

// Outdoor 35/24 °C, room 26/18.5 °C with reheat: the six points of the study.
void setProcess() {
  ChartProcessData p;
  p.Kind = 2;
  const double s[kPointCount][2] = {{35, 24},     {28.2, 20.0}, {9.9, 9.4},
                                    {14.0, 11.4}, {26, 18.5},   {9.1, 9.1}};
  for (int k = 0; k < kPointCount; ++k) p.point[k] = {s[k][0], s[k][1], 0};
  SetChartProcess(p);
}

void BM_DrawMetricCoolingChart1920x1080(benchmark::State& state) {
  ensureGui();
  LoadChartDataFrom(tablePath());
  setProcess();
  QImage image(1920, 1080, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    ChartDevice device(&painter, 1920, 1080);
    device.Tag = "10";
    benchmark::DoNotOptimize(DrawPsychrometricChart(device, false, false, -13, 54, 60));
  }
}
BENCHMARK(BM_DrawMetricCoolingChart1920x1080)->Unit(benchmark::kMillisecond);

void BM_ReadChartTables(benchmark::State& state) {
  const QString path = tablePath();
  for (auto _ : state) benchmark::DoNotOptimize(LoadChartDataFrom(path));
}
BENCHMARK(BM_ReadChartTables)->Unit(benchmark::kMicrosecond);

void BM_OneReadout(benchmark::State& state) {
  ensureGui();
  LoadChartDataFrom(tablePath());
  setProcess();
  QImage image(1920, 1080, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    ChartDevice device(&painter, 1920, 1080);
    DrawPsychrometricChart(device, false, false, -13, 54, 60);
  }
  // Sweep the mouse over the chart, a pixel further each time.
  int x = 300, y = 500;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadoutAtPixel(QPoint(x, y)));
    x = x < 1800 ? x + 1 : 300;
    y = y < 1000 ? y + 1 : 100;
  }
}
BENCHMARK(BM_OneReadout)->Unit(benchmark::kMicrosecond);

}  // namespace
