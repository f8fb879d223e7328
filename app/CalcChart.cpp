#include "app/CalcChart.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <memory>

#include "chart/ChartData.h"
#include "chart/ChartExport.h"
#include "chart/ChartMessages.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "summer/ChartSetting.h"

namespace aeriton::calc {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;
constexpr int kExitMalformed = 3;
// Larger pictures are refused: 16000 × 16000 is a poster at 600 dpi.
constexpr int kMaxSide = 16000;

bool parseSize(const QString& text, QSize& size) {
  static const QRegularExpression re(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
  const QRegularExpressionMatch m = re.match(text.trimmed());
  if (!m.hasMatch()) return false;
  const int w = m.captured(1).toInt(), h = m.captured(2).toInt();
  if (w < 200 || h < 150 || w > kMaxSide || h > kMaxSide) return false;
  size = QSize(w, h);
  return true;
}

}  // namespace

int checkChartOptions(const ChartOptions& options, QString* why) {
  chart::ExportFormat format;
  if (!chart::formatOfPath(options.output, format)) {
    *why = QStringLiteral("--chart needs a file name ending in .png, .svg or .pdf");
    return kExitUsage;
  }
  QSize size;
  if (!options.sizeText.isEmpty() && !parseSize(options.sizeText, size)) {
    *why = QStringLiteral("--size needs WIDTHxHEIGHT in pixels, 200x150 to %1x%1").arg(kMaxSide);
    return kExitUsage;
  }
  return kExitOk;
}

int drawChartOfResults(const QByteArray& results, const StudyState& calc,
                       const ChartOptions& options, int& argc, char** argv, QString* why) {
  if (const int code = checkChartOptions(options, why)) return code;
  chart::ExportFormat format = chart::ExportFormat::Png;
  chart::formatOfPath(options.output, format);
  QSize size;
  if (!options.sizeText.isEmpty()) parseSize(options.sizeText, size);

  StudyState file;
  const ReadResult read = readResultsFile(results, file);
  if (!read) {
    *why = QStringLiteral("line %1: %2").arg(read.line).arg(read.error);
    return kExitMalformed;
  }

  // Graphics without a screen unless the caller names a platform.
  std::unique_ptr<QGuiApplication> app;
  if (!QGuiApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  }

  const QString tablePath =
      appfolder::deliveredPath(QString::fromLatin1(chart::kChartDataFileName));
  const chart::ChartDataStatus status = chart::LoadChartData();
  if (status != chart::ChartDataStatus::Ok) {
    *why = chart::chartDataMessage(status, tablePath).text;
    return kExitUsage;
  }
  const summer::ChartOpening o = summer::SettingData(calc, file);
  chart::SetChartProcess(o.process);
  chart::ChartRequest request;
  request.english = o.english;
  request.range = o.range;
  QString error;
  if (!chart::exportChart(options.output, format, size, request, &error)) {
    *why = chart::chartExportMessage(options.output, error).text;
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace aeriton::calc
