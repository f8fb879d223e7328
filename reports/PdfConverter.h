#pragma once
// Turns a filled workbook into a PDF with LibreOffice in headless mode, for
// the preview window and for printing.
//
//   soffice -env:UserInstallation=file:///<private profile> --headless
//           --convert-to pdf --outdir <job folder> <job folder>/<name>.xlsx
//
// LibreOffice runs with a profile of its own, created on the first conversion
// of the run in the temporary folder and removed when the program ends, so it
// never meets a LibreOffice the user has open (which would take the job over,
// or refuse it). Each conversion works in a temporary job folder that is
// removed afterwards; the PDF is handed back as bytes. A conversion that does
// not end within its time limit is killed.

#include <QByteArray>
#include <QString>

namespace aeriton::reports {

enum class ConversionStatus {
  Ok,
  NoConverter,  // LibreOffice is not installed (or cannot be started)
  Failed,       // it ran but wrote no PDF
  TimedOut,     // it did not finish within the time limit and was killed
};

struct ConversionResult {
  ConversionStatus status = ConversionStatus::Failed;
  QByteArray pdf;  // the PDF when Ok
  QString detail;  // what the converter said, for the message and the log
  bool ok() const { return status == ConversionStatus::Ok; }
};

// The LibreOffice program used: the one set with setConverterProgram, or else
// "soffice" / "libreoffice" from the search path and LibreOffice's usual
// installation folders. Empty when none is found.
QString converterProgram();
// Sets the program (a test points it at a missing program; empty: search).
void setConverterProgram(const QString& program);

// Time limit of one conversion. The first start of LibreOffice with a new
// profile takes several seconds; 60 s is ample and still ends a hung run.
constexpr int kDefaultConversionTimeoutMs = 60000;
int conversionTimeoutMs();
void setConversionTimeoutMs(int ms);

// Converts the workbook bytes; name is the file name given to the workbook
// (the PDF's document name, e.g. "LD_PS_MS.xlsx"). While LibreOffice works the
// calling thread keeps processing paint events (not user input), so a waiting
// label stays drawn.
ConversionResult convertWorkbookToPdf(const QByteArray& workbook, const QString& name);

}  // namespace aeriton::reports
