#pragma once
// LibreOffice stood in for, for the screen tests: a script that writes a
// prepared PDF where LibreOffice would write the converted workbook.

#include <QBuffer>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "reports/PdfConverter.h"

namespace aeriton::test {

// A PDF of `pages` A4 pages.
inline QByteArray makePdf(int pages) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageSize(QPageSize(QPageSize::A4));
  QPainter p(&writer);
  for (int i = 0; i < pages; ++i) {
    if (i) writer.newPage();
    p.drawText(QPointF(500, 500), QStringLiteral("Σελίδα %1").arg(i + 1));
  }
  p.end();
  return bytes;
}

class FakeConverter {
 public:
  explicit FakeConverter(int pages = 1) {
    writeAll(dir_.filePath("ready.pdf"), makePdf(pages));
    const QString path = dir_.filePath("soffice");
    writeAll(path, QStringLiteral("#!/bin/sh\nfor a; do last=$a; done\n"
                                  "cp '%1' \"$(dirname \"$last\")/$(basename \"$last\" "
                                  ".xlsx).pdf\"\n")
                       .arg(dir_.filePath("ready.pdf"))
                       .toUtf8());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    reports::setConverterProgram(path);
  }
  ~FakeConverter() { reports::setConverterProgram(QString()); }

 private:
  QTemporaryDir dir_;
};

}  // namespace aeriton::test
