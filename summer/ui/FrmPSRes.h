#pragma once
// The results screen of a calculation (both seasons): the design inputs and the
// results of "PSY_RES.TMP" on two tabs, the switch of the shown unit system,
// the raise of the supply-air temperature, the outdoor-air loads window, the
// study title, and leaving with the question about unsaved data.
//
// Shown modally by the summer and winter data screens after a successful
// calculation. exec() returns QDialog::Accepted when the user goes back to the
// data screen and kEndRequested when the user ends (CmdTELOS).

#include <QDialog>
#include <QList>
#include <functional>
#include <memory>

#include "summer/ResultsView.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QGroupBox;

namespace aeriton::summer {

// Saving the study from the results screen. The study-file code installs the
// handler; until then saving is not available and returns false.
using SaveStudyHandler = std::function<bool(QWidget* parent)>;
void setSaveStudyHandler(SaveStudyHandler handler);
bool saveStudyAvailable();
// Saves the study (CmdSaveD, and "YES" to the unsaved-data question). True
// when the study was saved.
bool saveStudy(QWidget* parent);

// Opening the process diagram of the results (Cmd_Dgrm): results in the
// study's units, and the study's load-unit code. The diagram screens install
// the handler at program start; until then the button is not available.
using DiagramHandler =
    std::function<void(QWidget* parent, const StudyState& results, const QString& loadUnit)>;
void setDiagramHandler(DiagramHandler handler);

// Message codes of the results screen's own messages.
constexpr int kCoilOutletMessage = -100;   // Image2 double-click
constexpr int kDiagnosticMessage = -101;   // Ctrl+Alt+Shift
constexpr int kRaiseFailedMessage = -102;  // a raise that could not be computed
constexpr int kBadResultsMessage = -103;   // "PSY_RES.TMP" missing or unreadable

class FrmPSRes : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kEndRequested = 2;

  explicit FrmPSRes(QWidget* parent);
  ~FrmPSRes() override;

  // False when "PSY_RES.TMP" could not be read (the screen closes on showing).
  bool loaded() const { return view_ != nullptr; }
  const ResultsView* view() const { return view_.get(); }

  // Procedures of the screen, public for the tests.
  void MakeChanges();              // CmdUnitsD / CmdUnitsR
  void changeSupplyTemperature();  // CmdChangeT
  void showCoilOutlet();           // Image2 double-click
  void showDiagnostic();           // Ctrl+Alt+Shift
  void showFreshAirLoads();        // CmdFA
  void showDiagram();              // Cmd_Dgrm
  void openPrintDialog();          // CmdPrintD, CmdPrintR
  // CmdDData / CmdRData (Accepted) and CmdTELOS (kEndRequested): false when
  // the user stays.
  bool leave(int resultCode);

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildUi();
  QWidget* buildDataTab();
  QWidget* buildResultsTab();
  void loadResults();
  void refreshRaiseOnLoad();
  void refresh();
  void refreshUnitLabels();
  void applyCaptions();
  void removeExchangeFiles();

  std::unique_ptr<ResultsView> view_;
  QString loadError_;
  bool leaving_ = false;
  bool diagnosticArmed_ = true;

  QTabWidget* tabs_ = nullptr;
  QLabel* period_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* image_ = nullptr;
  QGroupBox* winterFrame_ = nullptr;
  QLabel* winterCaption_ = nullptr;
  QLabel* outletCaption_[3] = {nullptr, nullptr, nullptr};
  QLabel* powerCaption_ = nullptr;
  QLabel* reheatCaption_ = nullptr;
  QLabel* dryFreshAir_ = nullptr;  // notice: the fresh air is drier than the room
  QLineEdit* fields_[kFieldCount] = {};
  QList<QWidget*> captions_;        // one caption column for both tabs
  QList<QPushButton*> tabButtons_;  // the buttons of the two tabs, one width
};

}  // namespace aeriton::summer
