#pragma once
// The winter data screen: outdoor and room design states, the sensible heat
// loss, the kind of air system, the fresh air and how the summer is served.
// It completes each climate state while it is typed, runs the checks and the
// heating calculation (winter/WinterRun.h) and opens the results screen.

#include <QDialog>
#include <QString>
#include <functional>

#include "winter/WinterChecks.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace aeriton {
class NumericBox;
}

namespace aeriton::winter {

struct WinterFormValues;

class FrmPsyDaW : public QDialog {
  Q_OBJECT
 public:
  explicit FrmPsyDaW(QWidget* parent);

  // Opens the results screen after a successful calculation; returns its exec()
  // result. Tests replace it; nullptr restores the results screen.
  using ResultsOpener = std::function<int(QWidget* parent)>;
  static void setResultsOpener(ResultsOpener opener);
  // Opens the two-state calculator (CmdPS) modally. Tests replace it;
  // nullptr restores the calculator.
  using CalculatorOpener = std::function<void(QWidget* parent)>;
  static void setCalculatorOpener(CalculatorOpener opener);

  // The values of the screen as the checks and the calculation read them.
  WinterEntries entries() const;
  const SensibleLoad& load() const { return load_; }

  // Procedures of the screen, public for the tests.
  void CmdAeriton_Click();
  void CmdThema_Click();
  void CmdPSOpen_Click();
  void CmdPS_Click();
  void CmdManual_Click();
  void SSCommand3_Click();
  void CmdWBn_Click();
  void CmdRHn_Click();
  void CmdWBx_Click();
  void CmdRHx_Click();
  void CboKind_Click(int index);
  void CboKindy_Click(int index);
  void Change_Winter_Data(int unitIndex);
  // A winter study read from a file fills the screen.
  void showStudyValues(const WinterFormValues& v);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  enum class Given { None, WB, RH };
  // A flow in both units (see convertFlow).
  struct FlowMemory {
    bool valid = false;
    double m3h = 0, cfm = 0;
    QString shown;  // the text last shown for it
  };
  struct StateBoxes {
    NumericBox* db = nullptr;
    NumericBox* wb = nullptr;
    NumericBox* rh = nullptr;
    QPushButton* cmdWB = nullptr;
    QPushButton* cmdRH = nullptr;
    Given given = Given::None;
  };

  // `target`: the widget the key was sent to.
  bool handleScreenKey(QKeyEvent* event, QObject* target);
  void buildLayout();
  void wireBoxes();
  void chooseGiven(StateBoxes& s, Given given);
  void completeState(StateBoxes& s, NumericBox* left);
  void stateEnter(StateBoxes& s, NumericBox* box);
  void sensLeft();
  void fillCoilOutList(bool fahrenheit, int selectDegrees);
  void relabelUnits();
  void convertFlow(NumericBox* box, FlowMemory& memory, bool toCfm);
  void showMessagesPS(const CheckResult& r);
  NumericBox* boxOf(Field f) const;
  bool fahrenheit() const { return fahrenheitUnits(unitIndex_); }

  StateBoxes env_, spa_;
  NumericBox* sens_ = nullptr;
  QLabel* sensUnit_ = nullptr;
  QComboBox* cboUnits_ = nullptr;
  QComboBox* cboKind_ = nullptr;
  QComboBox* cboKindy_ = nullptr;
  QLabel* lblTo_ = nullptr;
  QLabel* lblToR_ = nullptr;
  QComboBox* cboTo_ = nullptr;
  NumericBox* tempOut_ = nullptr;
  QLabel* lblSF_ = nullptr;
  NumericBox* sf_ = nullptr;
  QLabel* lblSFR_ = nullptr;
  QRadioButton* optAmount_ = nullptr;
  QRadioButton* optPerCent_ = nullptr;
  NumericBox* amount_ = nullptr;
  QLabel* amountUnit_ = nullptr;
  QComboBox* cboPerC_ = nullptr;
  QLabel* lblThema_ = nullptr;
  QLabel* txtWait_ = nullptr;
  QPushButton* cmdAeriton_ = nullptr;
  QPushButton* cmdThema_ = nullptr;
  QPushButton* cmdPSOpen_ = nullptr;
  QPushButton* cmdPS_ = nullptr;
  QPushButton* cmdManual_ = nullptr;
  QPushButton* cmdExit_ = nullptr;

  SensibleLoad load_;
  FlowMemory amountFlow_, summerFlow_;
  int unitIndex_ = kUnitWatt;
  bool activated_ = false;
  bool exitAskPending_ = false;  // the close button's question is on its way
};

}  // namespace aeriton::winter
