#pragma once
// The summer data screen: the outdoor and room design states, the room loads,
// the kind of air system, the fresh air and the load unit of a cooling study.
// States are completed while they are typed (wet bulb or relative humidity
// from the engine), and the calculate button runs the checks of
// summer/SummerChecks.h before the calculation may start.

#include <QDialog>
#include <array>
#include <functional>

#include "study/StudyState.h"
#include "summer/SummerEntry.h"
#include "summer/SummerMessages.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace aeriton {
class NumericBox;
}

namespace aeriton::summer {

class FrmPsyDat : public QDialog {
  Q_OBJECT
 public:
  explicit FrmPsyDat(QWidget* parent = nullptr);
  ~FrmPsyDat() override;

  // The values of the boxes, as the checks read them.
  SummerEntry entry() const;

  // Fills the screen from the study state (a study read from a file): load
  // unit from the load-unit code, kind and fresh-air mode, the states with
  // their absolute humidities, the loads (kcal/h for a metric study, Btu/h for
  // an English one, as the study files hold them) and the title.
  void showStudy();

  // The study-file actions are provided by the study-file code: CmdPSOpen and
  // F2 with a modifier key call these when set.
  using ScreenHook = std::function<void(FrmPsyDat*)>;
  static void setOpenStudyHook(ScreenHook hook);
  static void setRecentFilesHook(ScreenHook hook);

 public slots:
  void CmdRHn_Click();
  void CmdWBn_Click();
  void CmdRHx_Click();
  void CmdWBx_Click();
  void CmdThema_Click();
  void CmdAeriton_Click();
  void CmdPSOpen_Click();
  void CmdManual_Click();
  void SSCommand3_Click();
  void CboUnits_Click(int index);
  void CboKind_Click(int index);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  enum class Given { None, RH, WB };
  // The four boxes of one air state and what is given.
  struct StateBoxes {
    NumericBox* db = nullptr;
    NumericBox* wb = nullptr;
    NumericBox* rh = nullptr;
    NumericBox* ah = nullptr;
    QPushButton* cmdRH = nullptr;
    QPushButton* cmdWB = nullptr;
    QLabel* dbUnit = nullptr;
    QLabel* wbUnit = nullptr;
    QLabel* ahUnit = nullptr;
    Given given = Given::None;
    bool hasGrains = false;
    double grains = 0;  // absolute humidity, grains/lb
    bool outdoor = true;
  };

  bool handleScreenKey(QKeyEvent* event);
  void buildLayout();
  void wireBoxes();
  void firstActivation();
  void chooseGiven(StateBoxes& s, Given given, bool clearGiven);
  void completeState(StateBoxes& s);
  void boxLeft(StateBoxes& s, NumericBox* box);
  void showAbsoluteHumidity(StateBoxes& s);
  void setComputedLook(NumericBox* box, bool computed);
  void applyUnitEntry(int index);
  void Change_Summer_Data(bool toFahrenheit);
  void showLoads();
  void storeLoad(NumericBox* box);
  void storeAmount();
  void applyFreshMode();
  void enterFrom(NumericBox* box);
  void focusAfterState(const StateBoxes& s);
  void focusField(Field f);
  void clearAfterRange(int code);
  bool showPS(int code);
  void runAndShowResults(const SummerEntry& e, bool raisedMetric);
  void reapplyRaise(bool raisedMetric);
  StateBoxes& stateOf(Field f);
  bool isFahrenheit() const;

  StateBoxes env_, spa_;
  NumericBox* sens_ = nullptr;
  NumericBox* lat_ = nullptr;
  NumericBox* amount_ = nullptr;
  QLabel* sensUnit_ = nullptr;
  QLabel* latUnit_ = nullptr;
  QLabel* amountUnit_ = nullptr;
  QComboBox* cboPerC_ = nullptr;
  QComboBox* cboKind_ = nullptr;
  QComboBox* cboUnits_ = nullptr;
  QRadioButton* optAmount_ = nullptr;
  QRadioButton* optPerCent_ = nullptr;
  QLabel* lblThema_ = nullptr;
  QLabel* txtWait_ = nullptr;
  QPushButton* cmdThema_ = nullptr;
  QPushButton* cmdAeriton_ = nullptr;
  QPushButton* cmdPSOpen_ = nullptr;
  QPushButton* cmdManual_ = nullptr;
  QPushButton* ssCommand3_ = nullptr;

  LoadSet sensSet_, latSet_;
  FreshAirSet freshSet_;
  int unitIndex_ = 0;
  bool activated_ = false;
  bool busy_ = false;            // the calculate button is running
  bool exitAskPending_ = false;  // the close button's question is on its way
  // A raised supply temperature that the user chose to keep for this run.
  bool raiseKept_ = false;
  std::array<float, kCoilOutChangeValues> keptRaise_{};
};

}  // namespace aeriton::summer
