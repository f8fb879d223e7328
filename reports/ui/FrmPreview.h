#pragma once
// The print preview: the rendered report page by page, with zoom and a print
// button that asks for the printer and the copies first.

#include <QByteArray>
#include <QDialog>

#include "reports/ui/PdfPrinting.h"

class QBuffer;
class QLabel;
class QPdfDocument;
class QPdfView;

namespace aeriton::reports {

class FrmPreview : public QDialog {
  Q_OBJECT
 public:
  // pdf: the rendered report; target: the printer and copies chosen so far.
  FrmPreview(QWidget* parent, const QByteArray& pdf, const PrintTarget& target,
             const QString& caption);
  ~FrmPreview() override;

  int pageCount() const;
  int currentPage() const { return page_; }
  void showPage(int page);
  // The print button: printer choice, then printing.
  void printDocument();

 private:
  void refreshPage();

  QByteArray pdf_;
  QBuffer* buffer_ = nullptr;
  QPdfDocument* doc_ = nullptr;
  QPdfView* view_ = nullptr;
  QLabel* pageLabel_ = nullptr;
  PrintTarget target_;
  int page_ = 0;
};

// The printer choice of the print buttons: a printer (or a PDF file), the
// copies. On OK the target holds the choice (a PDF file's path asked for with
// the save dialog) and true is returned; Cancel returns false.
bool choosePrintTarget(QWidget* parent, PrintTarget& target);

// Prints and tells the user what went wrong, if anything. True when printed.
bool printWithMessages(const QByteArray& pdf, const PrintTarget& target);

}  // namespace aeriton::reports
