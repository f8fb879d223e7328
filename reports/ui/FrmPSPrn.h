#pragma once
// The print dialog of the results: printer, copies, designer, and the choice
// of saving the result workbook as a file instead of printing it.
//
//   SSCommand1  preview (with Chk_XL ticked: save the workbook)
//   SSCommand2  print on the printer of Cbo_Printers, Txt_Copies copies
//               (0 prints one; with Chk_XL ticked: save the workbook)
//   Cmd_FName   the workbook's file name (save dialog, "*.xlsx")
//   Cmd_Client  the designer register
//
// The printer chosen here is used by this program only; the system's default
// printer stays as it is.

#include <QDialog>

#include "reports/ResultWorkbook.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace aeriton::reports {

class FrmPSPrn : public QDialog {
  Q_OBJECT
 public:
  FrmPSPrn(QWidget* parent, const ResultWorkbookInput& input);

  // The buttons' work (public for the tests). True when the output was made.
  bool SSCommand1_Click();
  bool SSCommand2_Click();
  void Cmd_FName_Click();
  void Cmd_Client_Click();

  // The chosen workbook name, kept without extension ("" when none).
  QString chosenName() const { return chosenName_; }
  // Where the workbook is saved now ("" when there is nothing to name it after).
  QString savePath() const;
  // The result workbook with the designer in force now.
  ResultWorkbook workbook() const;

 private:
  bool save();
  bool output(int mode);
  void refreshDesigner();
  void refreshSaveMode();
  void setWaiting(bool waiting);

  ResultWorkbookInput input_;
  QString chosenName_;
  QComboBox* printers_ = nullptr;
  QSpinBox* copies_ = nullptr;
  QCheckBox* saveFile_ = nullptr;
  QLabel* fileName_ = nullptr;
  QLabel* designer_ = nullptr;
  QLabel* wait_ = nullptr;
  QPushButton* preview_ = nullptr;
  QPushButton* print_ = nullptr;
};

}  // namespace aeriton::reports
