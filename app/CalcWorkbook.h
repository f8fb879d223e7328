#pragma once
// The result workbook of aeriton-calc: the workbook the print dialog would
// fill, from the results just computed or from a results or study file, and
// optionally its PDF (LibreOffice). The same code as the print dialog's:
// reports/ResultWorkbook.h for the cells, reports/ReportWorkbook.h for the
// file, reports/PdfConverter.h for the PDF.
//
//   --workbook OUT.xlsx   write the result workbook (sheet protected, as saved)
//   --pdf OUT.pdf         and render it to PDF
//   --designer NAME       designer line (default: the installation's)
//   --title TEXT          study title (default: the study file's title file)
//   --load-unit CODE      WATT, KCAL, KW or RT for a metric study (default:
//                         the study file's title file, else KCAL)
//   (--results FILE, shared with the chart, takes the results from a results
//   or study file instead of computing)

#include <QString>

#include "study/StudyState.h"

namespace aeriton::calc {

// The help lines of these options.
const char* workbookHelp();

struct WorkbookRequest {
  QString workbook, pdf, designer, title, loadUnit;
  bool wanted() const { return !workbook.isEmpty() || !pdf.isEmpty(); }
  bool anyDetail() const { return !designer.isEmpty() || !title.isEmpty() || !loadUnit.isEmpty(); }
};
// The field an option of the command line fills ("--workbook" ...), nullptr
// for any other argument.
QString* workbookOption(WorkbookRequest& request, const char* argument);

// Exit codes of aeriton-calc.
constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;

// A saved study (".AIR" / ".WIR") has a title file (".TAS" / ".TAW") whose
// title and load unit fill in what the request leaves open.
void applyTitleFile(WorkbookRequest& request, const QString& studyFile);

// Writes the workbook (and the PDF) of the results, in the study's own units.
// perCent: the fresh-air per cent entered (per-cent mode). Templates come from
// the program folder (the executable's). Returns an exit code; the reason of a
// failure in *error.
int writeWorkbook(const WorkbookRequest& request, const StudyState& results, float perCent,
                  QString* error);

// The program folder from the executable's path (no application object).
QString programFolder(const char* argv0);

}  // namespace aeriton::calc
