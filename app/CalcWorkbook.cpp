#include "CalcWorkbook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/StudyFileCore.h"
#include "register/Designer.h"
#include "reports/ReportMessages.h"
#include "reports/ReportWorkbook.h"
#include "reports/ResultWorkbook.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"

namespace aeriton::calc {
namespace {

const QStringList kMetricUnits = {"WATT", "KCAL", "KW", "RT"};

// The title file of a study file: its last four characters replaced
// (".AIR" -> ".TAS", ".WIR" -> ".TAW"), in either letter case.
QString companionOf(const QString& path) {
  const QString ext = path.right(4).toUpper();
  const QString companion = ext == ".AIR" ? ".TAS" : ext == ".WIR" ? ".TAW" : QString();
  if (companion.isEmpty()) return QString();
  const QString stem = path.left(path.size() - 4);
  for (const QString& c : {companion, companion.toLower()})
    if (QFileInfo(stem + c).isFile()) return stem + c;
  return QString();
}

}  // namespace

const char* workbookHelp() {
  return "Result workbook (the one the print dialog fills):\n"
         "  --workbook OUT.xlsx  write the result workbook of the study (the template\n"
         "                       the print dialog would choose, filled from the\n"
         "                       results, sheet protected as the dialog saves it)\n"
         "  --pdf OUT.pdf        also render it to PDF (needs LibreOffice)\n"
         "  --designer NAME      designer line of the workbook (default: the\n"
         "                       installation's designer)\n"
         "  --title TEXT         study title (default: the study's title file)\n"
         "  --load-unit CODE     WATT, KCAL, KW or RT: the load unit of a metric study\n"
         "                       (default: the study's title file, else KCAL)\n"
         "With --results FILE the workbook is that of the results in FILE; a saved\n"
         "study's title file (.TAS / .TAW) gives its title and load unit.\n"
         "The templates are read from the program folder (beside aeriton-calc).\n";
}

QString* workbookOption(WorkbookRequest& r, const char* argument) {
  const QLatin1String a(argument);
  if (a == QLatin1String("--workbook")) return &r.workbook;
  if (a == QLatin1String("--pdf")) return &r.pdf;
  if (a == QLatin1String("--designer")) return &r.designer;
  if (a == QLatin1String("--title")) return &r.title;
  if (a == QLatin1String("--load-unit")) return &r.loadUnit;
  return nullptr;
}

void applyTitleFile(WorkbookRequest& request, const QString& studyFile) {
  const QString companion = companionOf(studyFile);
  if (companion.isEmpty()) return;
  const files::TitleFile t = files::readTitleFile(companion);
  if (!t.readable) return;
  if (request.title.isEmpty()) request.title = t.title;
  if (request.loadUnit.isEmpty()) request.loadUnit = t.unit;
}

int writeWorkbook(const WorkbookRequest& request, const StudyState& results, float perCent,
                  QString* error) {
  const QString unit = request.loadUnit.toUpper();
  if (!unit.isEmpty() && results.MetricCode == 1 && !kMetricUnits.contains(unit)) {
    if (error)
      *error = QStringLiteral("--load-unit: %1 is no metric load unit").arg(request.loadUnit);
    return kExitUsage;
  }
  reports::ResultWorkbookInput in;
  in.results = results;
  in.loadUnit = unit.isEmpty() ? QStringLiteral("KCAL") : unit;
  in.shownPerCent = perCent;
  in.title = request.title;
  in.designer = request.designer.isEmpty() ? designer::current() : request.designer;
  const reports::ResultWorkbook wb = reports::WriteResultWorkbook(in);

  reports::ReportWorkbook book;
  QString why;
  if (book.open(wb.templateName, &why) != reports::ReportWorkbook::Opened) {
    // The program's own message, and the file it looked for.
    if (error)
      *error = QString::fromUtf8(reports::kMissingTemplateText) + '\n' +
               QDir::toNativeSeparators(appfolder::deliveredPath(wb.templateName));
    return kExitUsage;
  }
  if (!book.setCells(wb.cells, &why)) {
    if (error) *error = why;
    return kExitUsage;
  }
  if (!request.pdf.isEmpty()) {
    const reports::ConversionResult pdf = book.renderPdf();
    if (!pdf.ok()) {
      if (error) {
        switch (pdf.status) {
          case reports::ConversionStatus::NoConverter:
            *error = reports::noConverterMessage().text;
            break;
          case reports::ConversionStatus::TimedOut:
            *error = reports::conversionTimedOutMessage(reports::conversionTimeoutMs() / 1000).text;
            break;
          default:
            *error = reports::conversionFailedMessage(pdf.detail).text;
        }
      }
      return kExitUsage;
    }
    if (!writeFileAtomically(request.pdf, pdf.pdf, &why)) {
      if (error) *error = QStringLiteral("%1: %2").arg(request.pdf, why);
      return kExitUsage;
    }
  }
  if (!request.workbook.isEmpty() && !book.saveAs(request.workbook, &why)) {
    if (error) *error = QStringLiteral("%1: %2").arg(request.workbook, why);
    return kExitUsage;
  }
  return kExitOk;
}

QString programFolder(const char* argv0) {
#ifdef Q_OS_LINUX
  const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
  if (!self.isEmpty()) return QFileInfo(self).absolutePath();
#endif
  return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

}  // namespace aeriton::calc
