// A workbook template (".xlsx", a zip package of XML parts) under any bytes,
// as the print dialog fills it: refused with a reason, or opened; its active
// sheet then takes numbers, texts and number formats (or says why not), is
// protected, and the package written from it opens again with the values in
// place.

#include "FuzzSupport.h"
#include "reports/Workbook.h"
#include "reports/XlsxWorkbook.h"

using namespace aeriton;
using namespace aeriton::reports;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray input = fuzz::bytesOf(data, size);
  XlsxWorkbook book;
  QString error;
  if (!book.openBytes(input, &error)) {
    FUZZ_CHECK(!error.isEmpty());
    FUZZ_CHECK(!book.isOpen());
    return 0;
  }
  FUZZ_CHECK(!book.sheetPart().isEmpty());

  CellMap cells;
  setNumber(cells, QStringLiteral("B12"), 1234.5678, QStringLiteral("#,##0.00"));
  setNumber(cells, QStringLiteral("A25:C26"), -100000);
  CellValue text;
  text.range = QStringLiteral("D3");
  text.text = QStringLiteral("Γραφεία \"Β\" & <αποθήκη>");
  cells.push_back(text);
  if (!book.setCells(cells, &error)) {
    // A part the cells need is damaged (the styles of a number format): the
    // print dialog shows the reason and writes nothing.
    FUZZ_CHECK(!error.isEmpty());
    return 0;
  }
  book.protectSheet();

  QByteArray written;
  if (!book.toBytes(written, &error)) {
    FUZZ_CHECK(!error.isEmpty());
    return 0;
  }
  XlsxWorkbook again;
  FUZZ_CHECK(again.openBytes(written, &error));
  FUZZ_CHECK(again.sheetPart() == book.sheetPart());
  FUZZ_CHECK(again.part(again.sheetPart()) == book.part(book.sheetPart()));
  return 0;
}
