// The result workbook: filling a template and writing the workbook (target:
// under 100 ms), and the preview's road from the button to a PDF on screen
// (fill, LibreOffice's conversion, the PDF loaded and its page drawn; goal:
// under 3 s).

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QPdfDocument>
#include <QTemporaryDir>

#include "reports/PdfConverter.h"
#include "reports/ReportWorkbook.h"
#include "reports/ResultWorkbook.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"

namespace {

using namespace aeriton;
using namespace aeriton::reports;

// The results file of the metric office study (35/24 °C, room 26/18.5 °C,
// 10 + 2 kW, 600 m³/h, mixing), as the calculation writes it.
const char* const kOfficeResults =
    "\"AAA_NA\",0\r\n35,24,41.7\r\n26,18.5,48.5\r\n28.1,19.8,17.76619\r\n"
    "14.7,13.9,13.52451\r\n-100000,-100000,-100000\r\n8598.555,1719.711\r\n600,0\r\n"
    "2652,13355.4,1554.802,1693.8,0\r\n1,0,0,0,\"C\"\r\n1,1,0,0,0\r\n600\r\n"
    "-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,0,0,0\r\n"
    "0,-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,"
    "-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,-100000,"
    "-100000,-100000,-100000,-100000,-100000,-100000\r\n";

ResultWorkbook officeWorkbook() {
  ResultWorkbookInput in;
  readResultsFile(QByteArray(kOfficeResults), in.results);
  in.loadUnit = "WATT";
  in.title = QStringLiteral("Γραφεία Ζωγράφου");
  in.designer = QStringLiteral("Ε. Κωνσταντίνου");
  return WriteResultWorkbook(in);
}

struct Folder {
  Folder() { appfolder::setFolder(QStringLiteral(AERITON_TEMPLATE_DIR)); }
};

void BM_FillAndWriteResultWorkbook(benchmark::State& state) {
  Folder folder;
  QTemporaryDir out;
  const QString path = out.filePath("office_PSS.xlsx");
  for (auto _ : state) {
    const ResultWorkbook wb = officeWorkbook();
    ReportWorkbook book;
    if (book.open(wb.templateName) != ReportWorkbook::Opened || !book.setCells(wb.cells) ||
        !book.saveAs(path)) {
      state.SkipWithError("the workbook could not be written");
      break;
    }
  }
}
BENCHMARK(BM_FillAndWriteResultWorkbook)->Unit(benchmark::kMillisecond);

// Button to page on screen: LibreOffice starts once per conversion (its
// profile is kept for the run, as the program keeps it).
void BM_PreviewToPdfOnScreen(benchmark::State& state) {
  Folder folder;
  if (converterProgram().isEmpty()) {
    state.SkipWithError("LibreOffice is not installed");
    return;
  }
  for (auto _ : state) {
    const ResultWorkbook wb = officeWorkbook();
    ReportWorkbook book;
    book.open(wb.templateName);
    book.setCells(wb.cells);
    const ConversionResult pdf = book.renderPdf();
    if (!pdf.ok()) {
      state.SkipWithError("the conversion failed");
      break;
    }
    QByteArray bytes = pdf.pdf;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QPdfDocument doc;
    doc.load(&buffer);
    const QImage page = doc.render(0, QSize(827, 1170));  // A4 at 100 dpi
    benchmark::DoNotOptimize(page.constBits());
  }
}
BENCHMARK(BM_PreviewToPdfOnScreen)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
