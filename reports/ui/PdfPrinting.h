#pragma once
// Printing a rendered report: the PDF's pages drawn on a printer (or into a
// PDF file), with copies and collation, and the printers the user can choose.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class QComboBox;
class QWidget;

namespace aeriton::reports {

enum class PrintStatus { Ok, NoPrinter, BadDocument, Failed };

struct PrintTarget {
  QString printerName;  // empty: the default printer
  int copies = 1;       // 0 counts as 1
  bool collate = true;
  QString pdfFile;  // print into this PDF file instead of on a printer
};

// Copies actually printed: at least one.
int effectiveCopies(int copies);

// Prints every page of the PDF. Copies the printer cannot make itself are
// printed one after the other (collated: whole documents; otherwise each
// page its number of times).
PrintStatus printPdf(const QByteArray& pdf, const PrintTarget& target);

// ---- the printers ---------------------------------------------------------------

struct PrinterList {
  QStringList names;    // device names of the installed printers
  QString defaultName;  // the system's default printer ("" when none)
};
PrinterList installedPrinters();

// Fills a printer box: the installed printers with the default one selected,
// then the entry that prints into a PDF file. The system's default printer is
// never changed: the choice holds for this program only.
void fillPrinterBox(QComboBox* box, const PrinterList& printers, const QString& selected = {});
// The entry that prints into a PDF file.
QString pdfFileEntryText();
bool isPdfFileEntry(const QComboBox* box);
// The device name of the selected printer ("" for the PDF-file entry).
QString selectedPrinter(const QComboBox* box);

// The save dialog of the printing windows (QFileDialog, no overwrite question
// of its own). Returns the chosen path or "" when cancelled. Tests install
// their own chooser.
using SaveNameChooser = std::function<QString(QWidget* parent, const QString& caption,
                                              const QString& initialPath, const QString& filter)>;
void setSaveNameChooser(SaveNameChooser chooser);
QString chooseSaveName(QWidget* parent, const QString& caption, const QString& initialPath,
                       const QString& filter);

}  // namespace aeriton::reports
