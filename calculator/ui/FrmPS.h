#pragma once
// The two-state calculator screen: an air flow, its inlet and outlet states
// and the loads between them. The screen mirrors calculator/PsCalc.h's
// CalcForm: each button reads the boxes into the form, runs the logic and
// shows the form again.

#include <QDialog>
#include <functional>

#include "calculator/PsCalc.h"
#include "reports/Workbook.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace aeriton {
class NumericBox;
}

namespace aeriton::calculator {

class FrmPS : public QDialog {
  Q_OBJECT
 public:
  explicit FrmPS(QWidget* parent = nullptr);
  ~FrmPS() override;

  // A file dialog the screen asks for: open or save, its starting folder,
  // filter, default suffix and proposed name. The chooser returns the chosen
  // full path, or an empty text when the dialog was cancelled.
  struct FileRequest {
    bool save = false;
    QString caption;
    QString folder;    // full path, with trailing "/"
    QString filter;    // "Psychrometrics Files (*.psy)"
    QString suffix;    // "psy"
    QString proposed;  // proposed file name (save only), may be empty
  };
  using FileChooser = std::function<QString(QWidget* parent, const FileRequest& request)>;
  // Replaces the standard dialogs (tests); nullptr restores them.
  static void setFileChooser(FileChooser chooser);
  // The workbook component's entry (reports::runWorkbook); tests replace it,
  // nullptr restores it.
  using WorkbookRunner = std::function<bool(QWidget* parent, const QString& templateName,
                                            const reports::CellMap& cells, reports::OutputMode mode,
                                            const reports::OutputOptions& options)>;
  static void setWorkbookRunner(WorkbookRunner runner);

  const CalcForm& form() const { return form_; }
  QString psyFileName() const { return psyFileName_; }
  // Index (Box) of the box that last lost the focus.
  int lastField() const { return lastField_; }

  // OpenFile: reads a ".psy" file onto the screen; a file that cannot be
  // read is refused with message 8 and the screen stays as it was.
  bool OpenFile(const QString& path);

 public slots:
  void CmdCalc_Click();
  void CmdWBin_Click();
  void CmdRHin_Click();
  void CmdWBout_Click();
  void CmdRHout_Click();
  void CmdKcalH_Click();
  void CmdWatts_Click();
  void CmdKWatts_Click();
  void CmdCH1_Click();
  void CmdCH2_Click();
  void OptMetric_Click();
  void OptEnglish_Click();
  void CmdNew_Click();
  void CmdSave_Click();
  void CmdOpen_Click();
  void CmdPrint_Click();
  void CmdPreview_Click();
  void CmdXL_Click();
  void Cmd_Client_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildLayout();
  void wireBoxes();
  // The boxes' texts and the title into the form / the form onto the screen.
  void pull();
  void push();
  void showMessageFocus(int code, int focusBox);
  void boxLeft(int box);
  void enterFrom(int box);
  void chooseGiven(int entryBox);
  void beginTitleEdit();
  void endTitleEdit();
  bool LookIfSaveMakesSense();
  void PrintData(reports::OutputMode mode, const reports::OutputOptions& options);
  QString chooseFile(const FileRequest& request);
  NumericBox* box(int index) const { return boxes_[index]; }

  CalcForm form_;
  QString psyFileName_;
  int lastField_ = 0;
  bool refocusing_ = false;
  bool pushing_ = false;

  NumericBox* boxes_[kBoxCount + 1] = {};
  QLabel* lblUNFlow_ = nullptr;
  QLabel* lblTemp_[4] = {};
  QLabel* lblUNWin_ = nullptr;
  QLabel* lblUNWout_ = nullptr;
  QLabel* lblUNHin_ = nullptr;
  QLabel* lblUNHout_ = nullptr;
  QLabel* lblUNsens_ = nullptr;
  QLabel* lblUNlat_ = nullptr;
  QLabel* lblThema_ = nullptr;
  QLineEdit* txtThema_ = nullptr;
  QRadioButton* optMetric_ = nullptr;
  QRadioButton* optEnglish_ = nullptr;
  QPushButton* cmdWBin_ = nullptr;
  QPushButton* cmdRHin_ = nullptr;
  QPushButton* cmdWBout_ = nullptr;
  QPushButton* cmdRHout_ = nullptr;
  QPushButton* cmdCH1_ = nullptr;
  QPushButton* cmdCH2_ = nullptr;
  QPushButton* cmdKcalH_ = nullptr;
  QPushButton* cmdWatts_ = nullptr;
  QPushButton* cmdKWatts_ = nullptr;
  QPushButton* cmdCalc_ = nullptr;
};

// Opens the calculator modally over the parent (the data screens' CmdPS).
void openCalculator(QWidget* parent);

}  // namespace aeriton::calculator
