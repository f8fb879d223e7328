#include "winter/ui/FrmPsyDaW.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "calculator/ui/FrmPS.h"
#include "engine/NumberEntry.h"
#include "engine/ui/NumericBox.h"
#include "shell/ui/ManualViewer.h"
#include "shell/ui/ShellApi.h"
#include "shell/ui/StartupController.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/MessageService.h"
#include "study/RecordText.h"
#include "study/StudyState.h"
#include "study/ui/QtMessageService.h"
#include "study/ui/Style.h"
#include "winter/WinterMessages.h"
#include "winter/WinterRun.h"
#include "winter/WinterStudyFile.h"
#include "winter/WinterTexts.h"

#if __has_include("files/ui/FrmFileOS.h")
#include "files/ui/FrmFileOS.h"
#include "files/ui/FrmRecFiles.h"
#define AERITON_WINTER_HAVE_FILE_SCREENS 1
#endif
#if __has_include("summer/ui/FrmPSRes.h")
#include "summer/ui/FrmPSRes.h"
#define AERITON_WINTER_HAVE_RESULTS_SCREEN 1
#endif

namespace aeriton::winter {
namespace {

const QString kClimateFormat = QStringLiteral("#,##0.0");
const QString kFlowFormat = QStringLiteral("#,##0.0");

// Load units beside the load box, by unit-list entry.
const char* const kLoadCaptions[kUnitCount] = {"Watts", "Kcal/h", "Kw", "RT", "Btu/h", "Btu/h"};

constexpr float kM3hPerCfm = 1.7f;

FrmPsyDaW::CalculatorOpener& calculatorOpener() {
  static FrmPsyDaW::CalculatorOpener opener = calculator::openCalculator;
  return opener;
}

FrmPsyDaW::ResultsOpener& resultsOpener() {
  static FrmPsyDaW::ResultsOpener opener;
  return opener;
}

int openResultsScreen(QWidget* parent) {
#ifdef AERITON_WINTER_HAVE_RESULTS_SCREEN
  summer::FrmPSRes results(parent);
  return results.exec();
#else
  Q_UNUSED(parent);
  return QDialog::Accepted;
#endif
}

NumericBox* makeBox(QWidget* parent, const char* name, const QString& format) {
  auto* box = new NumericBox(parent);
  box->setObjectName(QLatin1String(name));
  box->setFormat(format);
  box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  box->setFixedWidth(style::kBoxWidth);
  return box;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QLatin1String(name));
  return l;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QLatin1String(name));
  b->setAutoDefault(false);
  return b;
}

bool isPlaceholder(const QLineEdit* box) {
  return box->text().trimmed() == texts::placeholder();
}
bool isFilled(const QLineEdit* box) {
  return !box->text().trimmed().isEmpty();
}
double valueOf(const QLineEdit* box) {
  if (isPlaceholder(box)) return 0.0;
  return ParseNumber(box->text());
}

double cToF(double c) {
  return c * 9.0 / 5.0 + 32.0;
}
double fToC(double f) {
  return (f - 32.0) * 5.0 / 9.0;
}

}  // namespace

void FrmPsyDaW::setResultsOpener(ResultsOpener opener) {
  resultsOpener() = std::move(opener);
}
void FrmPsyDaW::setCalculatorOpener(CalculatorOpener opener) {
  calculatorOpener() = opener ? std::move(opener) : CalculatorOpener(calculator::openCalculator);
}

FrmPsyDaW::FrmPsyDaW(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmPsyDaW"));
  setWindowTitle(texts::caption());
  buildLayout();
  wireBoxes();

  // On load: the lists with their defaults, unit set 0 (W, °C, kJ/kg) applied,
  // an empty amount and summer flow, the amount option, the study title.
  cboUnits_->addItems(texts::unitTexts());
  cboUnits_->setCurrentIndex(kUnitWatt);
  unitIndex_ = kUnitWatt;
  study().setLoadUnit(loadUnitCode(kUnitWatt));
  study().PrevLoadUnit = study().LoadUnit;
  cboKind_->addItems(texts::kindTexts());
  cboKind_->setCurrentIndex(kKindMixing);
  cboKindy_->addItems(texts::kindyTexts());
  cboKindy_->setCurrentIndex(kSummerOtherUnit);
  fillCoilOutList(false, 45);
  for (int p = kPerCentMin; p <= kPerCentMax; ++p) cboPerC_->addItem(QString::number(p));
  cboPerC_->setCurrentIndex(-1);
  amount_->clear();
  sf_->clear();
  optAmount_->setChecked(true);
  relabelUnits();
  CboKind_Click(kKindMixing);
  CboKindy_Click(kSummerOtherUnit);
  lblThema_->setText(study().Title.trimmed());
  txtWait_->hide();
  centreWindow(this);
  style::fixSizeOnShow(this);
}

// ---- layout --------------------------------------------------------------------------------

void FrmPsyDaW::buildLayout() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(style::kMargin, style::kMargin, style::kMargin, style::kMargin);
  root->setSpacing(style::kSpacing);
  QList<QWidget*> captions;
  auto caption = [&captions](QWidget* parent, const char* name, const QString& text) {
    QLabel* l = style::caption(text, parent, name);
    captions << l;
    return l;
  };

  // The study: its title (a click on the title opens the title window) and
  // its units, which are chosen before anything is typed.
  auto* studyBox = style::section(QStringLiteral(" ΣΤΟΙΧΕΙΑ ΤΗΣ ΜΕΛΕΤΗΣ "), this, "FraThema");
  auto* studyGrid = style::sectionGrid(studyBox);
  auto* title = new style::TitleLabel(studyBox);
  title->setObjectName(QStringLiteral("LblThema"));
  lblThema_ = title;
  cmdThema_ = makeButton(studyBox, "CmdThema", QString());
  style::setMnemonic(cmdThema_, texts::cmdThema(), QChar(u'Θ'));
  studyGrid->addWidget(caption(studyBox, "LblThemaCaption", texts::titleCaption()), 0, 0);
  studyGrid->addWidget(lblThema_, 0, 1, 1, 2);
  studyGrid->addWidget(cmdThema_, 0, 3);
  connect(title, &style::TitleLabel::clicked, this, &FrmPsyDaW::CmdThema_Click);
  cboUnits_ = new QComboBox(studyBox);
  cboUnits_->setObjectName(QStringLiteral("CboUnits"));
  studyGrid->addWidget(caption(studyBox, "LblUnits", texts::unitsCaption()), 1, 0);
  studyGrid->addWidget(cboUnits_, 1, 1);
  studyGrid->setColumnStretch(2, 1);
  root->addWidget(studyBox);

  // Climate.
  auto* climate = style::section(texts::climateFrame(), this, "FraClimate");
  auto* grid = style::sectionGrid(climate);
  const QStringList tempUnits = {style::unitText(QStringLiteral("°C")),
                                 style::unitText(QStringLiteral("°F"))};
  struct Row {
    const char* label;
    QString text;
    const char* box;
  };
  auto addState = [&](StateBoxes& s, int row, const Row rows[3], const char* cmdWB,
                      const char* cmdRH, const char* dbUnit, const char* wbUnit) {
    s.db = makeBox(climate, rows[0].box, kClimateFormat);
    s.wb = makeBox(climate, rows[1].box, kClimateFormat);
    s.rh = makeBox(climate, rows[2].box, kClimateFormat);
    NumericBox* boxes[3] = {s.db, s.wb, s.rh};
    for (int i = 0; i < 3; ++i) {
      grid->addWidget(caption(climate, rows[i].label, rows[i].text), row + i, 0);
      grid->addWidget(boxes[i], row + i, 1);
    }
    grid->addWidget(style::unitLabel(climate, dbUnit, tempUnits), row, 2);
    grid->addWidget(style::unitLabel(climate, wbUnit, tempUnits), row + 1, 2);
    QLabel* per = style::unitLabel(climate, nullptr, tempUnits);
    per->setText(style::unitText(QStringLiteral("%")));
    grid->addWidget(per, row + 2, 2);
    s.cmdWB = makeButton(climate, cmdWB, texts::cmdWB());
    s.cmdRH = makeButton(climate, cmdRH, texts::cmdRH());
    grid->addWidget(s.cmdWB, row + 1, 3, Qt::AlignLeft);
    grid->addWidget(s.cmdRH, row + 2, 3, Qt::AlignLeft);
  };
  const Row envRows[3] = {{"LblEnvDB", texts::envDB(), "TxtEnvDB"},
                          {"LblEnvWB", texts::envWB(), "TxtEnvWB"},
                          {"LblEnvRH", texts::envRH(), "TxtEnvRH"}};
  const Row spaRows[3] = {{"LblSpaDB", texts::spaDB(), "TxtSpaDB"},
                          {"LblSpaWB", texts::spaWB(), "TxtSpaWB"},
                          {"LblSpaRH", texts::spaRH(), "TxtSpaRH"}};
  addState(env_, 0, envRows, "CmdWBn", "CmdRHn", "LblEnvUnit", "LblEnvWBUnit");
  grid->setRowMinimumHeight(3, 8);
  addState(spa_, 4, spaRows, "CmdWBx", "CmdRHx", "LblSpaUnit", "LblSpaWBUnit");
  grid->setColumnStretch(3, 1);
  style::equalButtons({env_.cmdWB, env_.cmdRH, spa_.cmdWB, spa_.cmdRH}, false);
  // The keys A-D press the four buttons.
  env_.cmdWB->setToolTip(QStringLiteral("Πλήκτρο A"));
  env_.cmdRH->setToolTip(QStringLiteral("Πλήκτρο B"));
  spa_.cmdWB->setToolTip(QStringLiteral("Πλήκτρο C"));
  spa_.cmdRH->setToolTip(QStringLiteral("Πλήκτρο D"));
  root->addWidget(climate);

  // Load.
  auto* loadBox = style::section(QStringLiteral(" ΦΟΡΤΙΑ ΚΛΙΜΑΤΙΖΟΜΕΝΩΝ ΧΩΡΩΝ "), this, "FraLoads");
  auto* loadGrid = style::sectionGrid(loadBox);
  sens_ = makeBox(loadBox, "TxtSens", QStringLiteral("#,##0"));
  QStringList loadUnits;
  for (const char* u : kLoadCaptions) loadUnits << style::unitText(QString::fromLatin1(u));
  sensUnit_ = style::unitLabel(loadBox, "LblSensUnit", loadUnits);
  loadGrid->addWidget(caption(loadBox, "LblSens", texts::sensLoad()), 0, 0);
  loadGrid->addWidget(sens_, 0, 1);
  loadGrid->addWidget(sensUnit_, 0, 2);
  loadGrid->setColumnStretch(3, 1);
  root->addWidget(loadBox);

  // System, the summer side and the fresh air.
  auto* system =
      style::section(QStringLiteral(" ΣΥΣΤΗΜΑ ΚΛΙΜΑΤΙΣΜΟΥ ΚΑΙ ΝΩΠΟΣ ΑΕΡΑΣ "), this, "FraSystem");
  auto* sg = style::sectionGrid(system);
  cboKind_ = new QComboBox(system);
  cboKind_->setObjectName(QStringLiteral("CboKind"));
  cboKindy_ = new QComboBox(system);
  cboKindy_->setObjectName(QStringLiteral("CboKindy"));
  sg->addWidget(caption(system, "LblKind", texts::kindCaption()), 0, 0);
  sg->addWidget(cboKind_, 0, 1, 1, 3);
  sg->addWidget(caption(system, "LblKindy", texts::kindyCaption()), 1, 0);
  sg->addWidget(cboKindy_, 1, 1, 1, 3);

  // The coil outlet temperature and the summer flow share one row: one of them
  // shows, and nothing below moves when the other is chosen.
  lblTo_ = caption(system, "LblTo", texts::coilOutLabel());
  cboTo_ = new QComboBox(system);
  cboTo_->setObjectName(QStringLiteral("CboTo"));
  cboTo_->setFixedWidth(style::kBoxWidth);
  cboTo_->setMaxVisibleItems(15);
  tempOut_ = makeBox(system, "TxtTempOut", kClimateFormat);
  const QStringList rowUnits = {texts::perCelsius(), texts::perFahrenheit(), texts::perM3h(),
                                texts::perCfm()};
  lblToR_ = style::unitLabel(system, "LblToR", rowUnits);
  lblSF_ = caption(system, "LblSF", texts::summerFlowLabel());
  sf_ = makeBox(system, "TxtSF", kFlowFormat);
  lblSFR_ = style::unitLabel(system, "LblSFR", rowUnits);
  for (QWidget* w :
       std::initializer_list<QWidget*>{lblTo_, cboTo_, tempOut_, lblToR_, lblSF_, sf_, lblSFR_})
    style::keepSpaceWhenHidden(w);
  sg->addWidget(lblTo_, 2, 0);
  sg->addWidget(lblSF_, 2, 0);
  sg->addWidget(cboTo_, 2, 1);
  sg->addWidget(tempOut_, 2, 1);
  sg->addWidget(sf_, 2, 1);
  sg->addWidget(lblToR_, 2, 2);
  sg->addWidget(lblSFR_, 2, 2);

  optAmount_ = new QRadioButton(texts::freshAmount(), system);
  optAmount_->setObjectName(QStringLiteral("OptAmount"));
  optPerCent_ = new QRadioButton(texts::freshPerCent(), system);
  optPerCent_->setObjectName(QStringLiteral("OptPerCent"));
  captions << optAmount_ << optPerCent_;
  auto* group = new QButtonGroup(this);
  group->addButton(optAmount_);
  group->addButton(optPerCent_);
  amount_ = makeBox(system, "TxtAmount", kFlowFormat);
  amountUnit_ = style::unitLabel(
      system, "LblAmountUnit",
      {style::unitText(QStringLiteral("m³/h")), style::unitText(QStringLiteral("CFM"))});
  cboPerC_ = new QComboBox(system);
  cboPerC_->setObjectName(QStringLiteral("CboPerC"));
  cboPerC_->setFixedWidth(style::kBoxWidth);
  cboPerC_->setMaxVisibleItems(15);
  sg->addWidget(optAmount_, 3, 0);
  sg->addWidget(amount_, 3, 1);
  sg->addWidget(amountUnit_, 3, 2);
  sg->addWidget(optPerCent_, 4, 0);
  sg->addWidget(cboPerC_, 4, 1);
  QLabel* per = style::unitLabel(system, nullptr, {style::unitText(QStringLiteral("%"))});
  per->setText(style::unitText(QStringLiteral("%")));
  sg->addWidget(per, 4, 2);
  sg->setColumnStretch(3, 1);
  root->addWidget(system);

  style::alignCaptions(captions);

  // Buttons: the calculation on a row of its own, the others in one row below.
  // The waiting notice shows over the calculate button while the calculation
  // runs, so that nothing moves.
  cmdAeriton_ = makeButton(this, "CmdAeriton", QString());
  // Alt+Υ (Alt+Y): not Ψ, whose key is the C of Alt+C below.
  style::setMnemonic(cmdAeriton_, texts::cmdAeriton(), QChar(u'Υ'));
  style::setRole(cmdAeriton_, style::Role::Primary);
  // Enter on the calculate button (where the load field's Enter leads) calculates.
  cmdAeriton_->setAutoDefault(true);
  cmdAeriton_->setMinimumHeight(style::kButtonHeight + 4);
  txtWait_ = makeLabel(this, "TxtWait", texts::waitText());
  txtWait_->setAlignment(Qt::AlignCenter);
  style::setRole(txtWait_, style::Role::Wait);
  cmdPSOpen_ = makeButton(this, "CmdPSOpen", QString());
  style::setMnemonic(cmdPSOpen_, texts::cmdPSOpen(), QChar(u'Π'));
  cmdPS_ = makeButton(this, "CmdPS", QString());
  style::setMnemonic(cmdPS_, texts::cmdPS(), QChar(u'Σ'));
  cmdManual_ = makeButton(this, "CmdManual", QString());
  style::setMnemonic(cmdManual_, texts::cmdManual(), QChar(u'γ'));
  cmdExit_ = makeButton(this, "SSCommand3", QString());
  style::setMnemonic(cmdExit_, texts::cmdExit(), QChar(u'Ε'));
  const QList<QPushButton*> others = {cmdPSOpen_, cmdPS_, cmdManual_, cmdExit_};
  auto* buttons = new QGridLayout;
  buttons->setSpacing(style::kSpacing);
  buttons->addWidget(cmdAeriton_, 0, 0, 1, others.size());
  buttons->addWidget(txtWait_, 0, 0, 1, others.size());
  for (int i = 0; i < others.size(); ++i) buttons->addWidget(others[i], 1, i);
  style::equalButtons(others);
  root->addSpacing(style::kSpacing);
  root->addLayout(buttons);
  // Tab order as the screen reads: units, the states, the load, the system,
  // the summer side and the fresh air, the calculation; then the other buttons.
  QWidget* order[] = {cboUnits_,  env_.db,    env_.wb,    env_.rh,     spa_.db,   spa_.wb,
                      spa_.rh,    sens_,      cboKind_,   cboKindy_,   cboTo_,    tempOut_,
                      sf_,        optAmount_, amount_,    optPerCent_, cboPerC_,  cmdAeriton_,
                      cmdPSOpen_, cmdPS_,     cmdManual_, cmdExit_,    cmdThema_, env_.cmdWB,
                      env_.cmdRH, spa_.cmdWB, spa_.cmdRH};
  for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void FrmPsyDaW::wireBoxes() {
  // Keys a box takes besides digits, Backspace and Enter: the minus sign only
  // in the outdoor temperatures, the decimal separator in the temperatures and
  // humidities (the load's depends on its unit, see relabelUnits); the flows
  // are whole numbers.
  for (NumericBox* b : {spa_.db, spa_.wb, env_.rh, spa_.rh, sens_, amount_, sf_, tempOut_})
    b->setMinusAllowed(false);
  for (NumericBox* b : {amount_, sf_}) b->setDecimalAllowed(false);

  for (StateBoxes* s : {&env_, &spa_}) {
    for (NumericBox* b : {s->db, s->wb, s->rh}) {
      connect(b, &NumericBox::editingLeft, this, [this, s, b] { completeState(*s, b); });
      connect(b, &NumericBox::enterPressed, this, [this, s, b] { stateEnter(*s, b); });
    }
  }
  connect(env_.cmdWB, &QPushButton::clicked, this, &FrmPsyDaW::CmdWBn_Click);
  connect(env_.cmdRH, &QPushButton::clicked, this, &FrmPsyDaW::CmdRHn_Click);
  connect(spa_.cmdWB, &QPushButton::clicked, this, &FrmPsyDaW::CmdWBx_Click);
  connect(spa_.cmdRH, &QPushButton::clicked, this, &FrmPsyDaW::CmdRHx_Click);

  connect(sens_, &NumericBox::editingLeft, this, &FrmPsyDaW::sensLeft);
  connect(sens_, &NumericBox::enterPressed, this, [this] { cmdAeriton_->setFocus(); });
  connect(amount_, &NumericBox::enterPressed, this, [this] { env_.db->setFocus(); });

  connect(cboUnits_, QOverload<int>::of(&QComboBox::activated), this,
          &FrmPsyDaW::Change_Winter_Data);
  connect(cboKind_, QOverload<int>::of(&QComboBox::activated), this, &FrmPsyDaW::CboKind_Click);
  connect(cboKindy_, QOverload<int>::of(&QComboBox::activated), this, &FrmPsyDaW::CboKindy_Click);
  connect(optAmount_, &QRadioButton::toggled, this, [this](bool on) {
    amount_->setEnabled(on && optAmount_->isEnabled());
    cboPerC_->setEnabled(!on && optPerCent_->isEnabled());
  });

  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);

  connect(cmdAeriton_, &QPushButton::clicked, this, &FrmPsyDaW::CmdAeriton_Click);
  connect(cmdThema_, &QPushButton::clicked, this, &FrmPsyDaW::CmdThema_Click);
  connect(cmdPSOpen_, &QPushButton::clicked, this, &FrmPsyDaW::CmdPSOpen_Click);
  connect(cmdPS_, &QPushButton::clicked, this, &FrmPsyDaW::CmdPS_Click);
  connect(cmdManual_, &QPushButton::clicked, this, &FrmPsyDaW::CmdManual_Click);
  connect(cmdExit_, &QPushButton::clicked, this, &FrmPsyDaW::SSCommand3_Click);
}

void FrmPsyDaW::relabelUnits() {
  const bool f = fahrenheit();
  const QString temp = f ? texts::perFahrenheit() : texts::perCelsius();
  const QString flow = f ? texts::perCfm() : texts::perM3h();
  lblToR_->setText(temp);
  lblSFR_->setText(flow);
  amountUnit_->setText(style::unitText(f ? QStringLiteral("CFM") : QStringLiteral("m³/h")));
  for (const char* name : {"LblEnvUnit", "LblEnvWBUnit", "LblSpaUnit", "LblSpaWBUnit"})
    if (auto* l = findChild<QLabel*>(QLatin1String(name)))
      l->setText(style::unitText(f ? QStringLiteral("°F") : QStringLiteral("°C")));
  sensUnit_->setText(style::unitText(QString::fromLatin1(kLoadCaptions[unitIndex_])));
  sens_->setFormat(loadHasFractions(unitIndex_) ? QStringLiteral("#,##0.00")
                                                : QStringLiteral("#,##0"));
  // The load in whole units, except kW and RT, which need their fractions.
  sens_->setDecimalAllowed(loadHasFractions(unitIndex_));
}

void FrmPsyDaW::fillCoilOutList(bool f, int selectDegrees) {
  const int first = f ? kCoilOutFirstF : kCoilOutFirstC;
  const int last = f ? kCoilOutLastF : kCoilOutLastC;
  cboTo_->clear();
  for (int t = first; t <= last; ++t) cboTo_->addItem(QString::number(t));
  const int d = std::min(std::max(selectDegrees, first), last);
  cboTo_->setCurrentIndex(d - first);
}

// ---- climate states ---------------------------------------------------------------------------

void FrmPsyDaW::chooseGiven(StateBoxes& s, Given given) {
  s.given = given;
  NumericBox* computed = given == Given::RH ? s.wb : s.rh;
  NumericBox* entered = given == Given::RH ? s.rh : s.wb;
  computed->setText(texts::placeholder());
  // The computed box is locked and out of the Tab order; the entered one opens.
  style::setComputed(computed, true);
  computed->setAcceptKeys(false);
  style::setComputed(entered, false);
  entered->setAcceptKeys(true);
  if (isPlaceholder(entered)) entered->clear();
  entered->setFocus();
}

void FrmPsyDaW::CmdWBn_Click() {
  chooseGiven(env_, Given::WB);
}
void FrmPsyDaW::CmdRHn_Click() {
  chooseGiven(env_, Given::RH);
}
void FrmPsyDaW::CmdWBx_Click() {
  chooseGiven(spa_, Given::WB);
}
void FrmPsyDaW::CmdRHx_Click() {
  chooseGiven(spa_, Given::RH);
}

// Leaving a climate box completes its state: a humidity gives the wet bulb, a
// wet bulb the humidity, a dry bulb the companion of whichever of the two was
// given. A state outside the property table leaves the companion empty; the
// checks of the calculate button report it.
void FrmPsyDaW::completeState(StateBoxes& s, NumericBox* left) {
  study().MetricCode = fahrenheit() ? 0 : 1;
  if (left->isReadOnly() || !isFilled(left) || isPlaceholder(left)) return;
  if (left == s.rh) s.given = Given::RH;
  if (left == s.wb) s.given = Given::WB;
  if (!isFilled(s.db) || isPlaceholder(s.db)) return;
  const double db = valueOf(s.db);
  const bool f = fahrenheit();
  const bool fromRH =
      s.given == Given::RH || (s.given == Given::None && isFilled(s.rh) && !isPlaceholder(s.rh));
  if (fromRH) {
    if (!isFilled(s.rh) || isPlaceholder(s.rh)) return;
    double wb = 0;
    if (wetBulbFromHumidity(db, valueOf(s.rh), f, wb))
      s.wb->setText(FormatNumber(wb, kClimateFormat));
    else if (!s.wb->isReadOnly() || isPlaceholder(s.wb))
      s.wb->clear();
  } else if (s.given == Given::WB) {
    if (!isFilled(s.wb) || isPlaceholder(s.wb)) return;
    double rh = 0;
    if (humidityFromWetBulb(db, valueOf(s.wb), f, rh))
      s.rh->setText(FormatNumber(rh, kClimateFormat));
    else
      s.rh->clear();
  }
}

void FrmPsyDaW::stateEnter(StateBoxes& s, NumericBox* box) {
  const bool outdoor = &s == &env_;
  if (box == s.db) {
    if (outdoor)
      CmdRHn_Click();
    else
      CmdRHx_Click();
    return;
  }
  if (!isFilled(box) || isPlaceholder(box)) return;
  if (outdoor)
    spa_.db->setFocus();
  else
    sens_->setFocus();
}

void FrmPsyDaW::sensLeft() {
  if (sens_->isReadOnly()) return;
  // The load is kept in every unit; a value left unchanged keeps its exact
  // conversion (a kW load shown with two decimals is not rounded by a visit).
  if (isFilled(sens_) && !sens_->changedSinceFocus() && load_.in(unitIndex_) != 0.0f) return;
  RemoveCommas(sens_);
  const double v = isFilled(sens_) ? ParseNumber(sens_->text()) : 0.0;
  load_.set(unitIndex_, static_cast<float>(v));
  if (isFilled(sens_)) sens_->setText(FormatNumber(v, sens_->format()));
}

// ---- lists ---------------------------------------------------------------------------------

void FrmPsyDaW::CboKind_Click(int index) {
  if (cboKind_->currentIndex() != index) cboKind_->setCurrentIndex(index);
  const bool mixing = index == kKindMixing;
  const bool recirc = index == kKindRecirc;
  const bool freshNoLoads = index == kKindFreshNoLoads;
  optAmount_->setEnabled(!recirc);
  optPerCent_->setEnabled(mixing);
  // Mixing and the fresh-air kinds start from the amount option.
  if (!recirc) optAmount_->setChecked(true);
  amount_->setEnabled(!recirc && optAmount_->isChecked());
  cboPerC_->setEnabled(mixing && optPerCent_->isChecked());
  if (freshNoLoads) {
    sens_->clear();
    load_.clear();
    sens_->setReadOnly(true);
    sens_->setAcceptKeys(false);
    sens_->setFocusPolicy(Qt::NoFocus);
    style::setRole(sens_, style::Role::NoLoad);
  } else {
    sens_->setReadOnly(false);
    sens_->setAcceptKeys(true);
    sens_->setFocusPolicy(Qt::StrongFocus);
    style::setRole(sens_, style::Role::Load);
  }
  // The coil outlet: the list, or the free field for fresh air without loads.
  const bool coilShown = cboKindy_->currentIndex() == kSummerOtherUnit;
  cboTo_->setVisible(coilShown && !freshNoLoads);
  tempOut_->setVisible(coilShown && freshNoLoads);
}

void FrmPsyDaW::CboKindy_Click(int index) {
  if (cboKindy_->currentIndex() != index) cboKindy_->setCurrentIndex(index);
  const bool other = index == kSummerOtherUnit;
  const bool freshNoLoads = cboKind_->currentIndex() == kKindFreshNoLoads;
  lblTo_->setVisible(other);
  lblToR_->setVisible(other);
  cboTo_->setVisible(other && !freshNoLoads);
  tempOut_->setVisible(other && freshNoLoads);
  lblSF_->setVisible(!other);
  sf_->setVisible(!other);
  lblSFR_->setVisible(!other);
  if (other) {
    // Back to the usual 45 °C (113 °F).
    const bool f = fahrenheit();
    fillCoilOutList(f, f ? 113 : 45);
  }
}

void FrmPsyDaW::Change_Winter_Data(int unitIndex) {
  if (unitIndex < 0 || unitIndex >= kUnitCount) return;
  if (cboUnits_->currentIndex() != unitIndex) cboUnits_->setCurrentIndex(unitIndex);
  const bool wasF = fahrenheit();
  study().PrevLoadUnit = study().LoadUnit;
  unitIndex_ = unitIndex;
  study().setLoadUnit(loadUnitCode(unitIndex));
  const bool nowF = fahrenheit();
  study().MetricCode = nowF ? 0 : 1;
  study().EnglishCode = nowF ? 1 : 0;
  relabelUnits();

  // The load held for the new unit.
  if (!sens_->isReadOnly() && (isFilled(sens_) || load_.in(unitIndex) != 0.0f))
    sens_->setText(FormatNumber(load_.in(unitIndex), sens_->format()));

  if (wasF == nowF) return;
  auto convert = [](QLineEdit* box, double (*f)(double), const QString& format) {
    if (!isFilled(box) || isPlaceholder(box)) return;
    box->setText(FormatNumber(f(ParseNumber(box->text())), format));
  };
  auto temp = nowF ? &cToF : &fToC;
  for (NumericBox* b : {env_.db, env_.wb, spa_.db, spa_.wb, tempOut_})
    convert(b, temp, kClimateFormat);
  convertFlow(amount_, amountFlow_, nowF);
  convertFlow(sf_, summerFlow_, nowF);
  // The coil outlet list of the new unit, at the converted temperature.
  const double coil = cboTo_->currentText().toDouble();
  fillCoilOutList(nowF, static_cast<int>(std::lround(temp(coil))));
}

// A flow is kept in both units, as the summer screen keeps its fresh air: the
// unit it was typed in and the other one computed once from it. Switching
// back shows the typed value again instead of a value converted twice (300
// m³/h -> 176.5 CFM -> 300.1 m³/h). A box whose text changed since it was last
// shown is taken as newly typed.
void FrmPsyDaW::convertFlow(NumericBox* box, FlowMemory& m, bool toCfm) {
  if (!isFilled(box) || isPlaceholder(box)) {
    m = FlowMemory{};
    return;
  }
  if (!m.valid || box->text() != m.shown) {
    const double typed = ParseNumber(box->text());
    m.valid = true;
    m.m3h = toCfm ? typed : typed * kM3hPerCfm;
    m.cfm = toCfm ? typed / kM3hPerCfm : typed;
  }
  box->setText(FormatNumber(toCfm ? m.cfm : m.m3h, kFlowFormat));
  m.shown = box->text();
}

// ---- the calculation ---------------------------------------------------------------------------

WinterEntries FrmPsyDaW::entries() const {
  WinterEntries e;
  e.unitIndex = unitIndex_;
  e.envDB = valueOf(env_.db);
  e.envWB = valueOf(env_.wb);
  e.envRH = valueOf(env_.rh);
  e.spaDB = valueOf(spa_.db);
  e.spaWB = valueOf(spa_.wb);
  e.spaRH = valueOf(spa_.rh);
  e.envWBPlaceholder = isPlaceholder(env_.wb);
  e.spaWBPlaceholder = isPlaceholder(spa_.wb);
  e.load = load_;
  e.kindIndex = cboKind_->currentIndex();
  e.kindyIndex = cboKindy_->currentIndex();
  if (e.kindIndex == kKindFreshNoLoads)
    e.coilOut = isFilled(tempOut_) ? valueOf(tempOut_) : 0.0;
  else
    e.coilOut = cboTo_->currentIndex() < 0 ? 0.0 : cboTo_->currentText().toDouble();
  e.summerFlow = valueOf(sf_);
  e.optAmount = optAmount_->isChecked();
  e.amount = valueOf(amount_);
  e.perCent = cboPerC_->currentIndex() < 0 ? 0.0 : cboPerC_->currentIndex() + kPerCentMin;
  e.title = lblThema_->text().trimmed();
  return e;
}

NumericBox* FrmPsyDaW::boxOf(Field f) const {
  switch (f) {
    case Field::EnvDB:
      return env_.db;
    case Field::EnvWB:
      return env_.wb;
    case Field::EnvRH:
      return env_.rh;
    case Field::SpaDB:
      return spa_.db;
    case Field::SpaWB:
      return spa_.wb;
    case Field::SpaRH:
      return spa_.rh;
    case Field::Sens:
      return sens_;
    case Field::SummerFlow:
      return sf_;
    case Field::Amount:
      return amount_;
    case Field::CoilOut:
      return tempOut_->isVisible() ? tempOut_ : nullptr;
    default:
      break;
  }
  return nullptr;
}

// MessagesPS: the message of a refusal, then the focus on its field.
void FrmPsyDaW::showMessagesPS(const CheckResult& r) {
  study().MessageCode = static_cast<int16_t>(r.code);
  showMessage(messagesPS(r.code, r.english));
  study().MessageCode = 0;
  for (Field f : r.cleared)
    if (NumericBox* b = boxOf(f)) b->clear();
  NumericBox* b = boxOf(r.focus);
  if (!b) return;
  if (b->isReadOnly()) {
    // A computed humidity (or wet bulb) was refused: its box is locked, so the
    // entry goes back to the value it was computed from.
    for (StateBoxes* st : {&env_, &spa_}) {
      if (b != st->wb && b != st->rh) continue;
      NumericBox* given = st->given == Given::WB ? st->wb : st->rh;
      if (!given->isReadOnly()) given->setFocus();
    }
    return;
  }
  b->setFocus();
}

void FrmPsyDaW::CmdAeriton_Click() {
  // Numbers still in a box with the focus count as typed.
  if (auto* focused = qobject_cast<NumericBox*>(QApplication::focusWidget())) {
    if (focused == sens_)
      sensLeft();
    else if (focused == env_.db || focused == env_.wb || focused == env_.rh)
      completeState(env_, focused);
    else if (focused == spa_.db || focused == spa_.wb || focused == spa_.rh)
      completeState(spa_, focused);
  }
  StudyState& s = study();
  s.MessageCode = 0;
  const WinterEntries e = entries();

  // 1. Limits of a winter study.
  s.EnglishCode = fahrenheit() ? 1 : 0;
  if (const CheckResult r = CheckForLimits(e)) {
    showMessagesPS(r);
    return;
  }
  // 2. Results of the last run cleared.
  ZeroVariables(s);
  // 3. Wet bulbs and load.
  if (const CheckResult r = CheckPSValues(e)) {
    showMessagesPS(r);
    return;
  }
  // 4. Missing entries.
  if (const CheckResult r = CheckEntries(e)) {
    s.MessageCode = static_cast<int16_t>(r.code);
    showMessage(psMessage(r.code));
    s.MessageCode = 0;
    if (r.focus == Field::PerCent)
      cboPerC_->setFocus();
    else if (r.focus == Field::CoilOut && cboTo_->isVisible())
      cboTo_->setFocus();
    else if (NumericBox* b = boxOf(r.focus))
      b->setFocus();
    return;
  }
  // 5. The study title.
  if (titleMissing(e)) {
    showMessage(missingTitleMessage());
    cmdThema_->setFocus();
    return;
  }
  // 6. Waiting text.
  txtWait_->show();
  txtWait_->repaint();
  // 7-12. Inputs, data file, calculation, results file.
  CollectInputs(e, s);
  const RunOutcome out = runWinterStudy(s, [this](float supplyTempF) {
    txtWait_->hide();
    const bool yes = askThroughMessages(supplyTempF);
    if (yes) {
      txtWait_->show();
      txtWait_->repaint();
    }
    return yes;
  });
  txtWait_->hide();
  if (out.code != 0) {
    if (out.showMessage) {
      s.MessageCode = static_cast<int16_t>(out.code);
      showMessage(out.message);
    }
    s.MessageCode = 0;
    s.UserAnswer.clear();
    return;
  }
  const int result = resultsOpener() ? resultsOpener()(this) : openResultsScreen(this);
#ifdef AERITON_WINTER_HAVE_RESULTS_SCREEN
  if (result == summer::FrmPSRes::kEndRequested) {
    shell::setDataScreenExit(shell::DataScreenExit::Exit);
    removeTemporaryFiles();
    QDialog::reject();
  }
#else
  Q_UNUSED(result);
#endif
}

// ---- the other buttons --------------------------------------------------------------------------

void FrmPsyDaW::CmdThema_Click() {
  // The climate and the load as shown, for the title window.
  // The values as shown, in the files' own form: "." and no grouping, whatever
  // the user's separators ("1.234,5" is written "1234.5").
  auto shown = [](const QLineEdit* box) { return PlainNumberText(box->text()); };
  RecordWriter w;
  w.str(shown(env_.db)).str(shown(env_.wb)).str(shown(env_.rh)).endLine();
  w.str(shown(spa_.db)).str(shown(spa_.wb)).str(shown(spa_.rh)).endLine();
  w.str(shown(sens_)).endLine();
  writeFileAtomically(appfolder::path(texts::psDataName()), w.bytes());
  shell::openStudyTitleWindow(this);
  lblThema_->setText(study().Title.trimmed());
}

void FrmPsyDaW::CmdPSOpen_Click() {
#ifdef AERITON_WINTER_HAVE_FILE_SCREENS
  const files::OpenOutcome out = OpenPSFile_W([this](const QString& pattern, bool createMode) {
    return files::FrmFileOS::choose(this, pattern, createMode);
  });
  if (out.result != files::FileResult::Done) return;
  if (const auto values = winterFormValues()) showStudyValues(*values);
#endif
}

void FrmPsyDaW::CmdPS_Click() {
  calculatorOpener()(this);
}

void FrmPsyDaW::CmdManual_Click() {
  shell::openManual();
}

void FrmPsyDaW::SSCommand3_Click() {
  shell::exitOrChangeRequest(this);
}

void FrmPsyDaW::showStudyValues(const WinterFormValues& v) {
  activated_ = true;
  Change_Winter_Data(v.unitIndex);
  CboKind_Click(v.kindIndex);
  if (v.kindIndex == kKindMixing && !v.amountMode) optPerCent_->setChecked(true);
  if (v.amountMode) {
    amount_->setText(v.freshText);
    cboPerC_->setCurrentIndex(-1);
  } else {
    amount_->clear();
    const int pc = static_cast<int>(std::lround(v.freshValue));
    cboPerC_->setCurrentIndex(pc >= kPerCentMin && pc <= kPerCentMax ? pc - kPerCentMin : -1);
  }
  CboKindy_Click(v.sameUnitInSummer ? kSummerSameUnit : kSummerOtherUnit);
  if (v.sameUnitInSummer) {
    sf_->setText(v.summerFlowText);
  } else if (v.kindIndex == kKindFreshNoLoads) {
    // Whole degrees, as the study file is shown; a temperature typed with a
    // fraction keeps it, so that a recalculation gives the same study.
    const bool whole = std::fabs(v.coilOutTemp - std::round(v.coilOutTemp)) < 0.05f;
    tempOut_->setText(whole ? v.coilOutText : FormatNumber(v.coilOutTemp, kClimateFormat));
  } else {
    const int first = fahrenheit() ? kCoilOutFirstF : kCoilOutFirstC;
    const int t = static_cast<int>(std::lround(v.coilOutTemp));
    if (t - first >= 0 && t - first < cboTo_->count()) cboTo_->setCurrentIndex(t - first);
  }
  // The humidities are the given values, the wet bulbs computed from them:
  // locked and in the computed colour, as after typing.
  auto fill = [](StateBoxes& s, const QString& db, const QString& wb, const QString& rh) {
    s.given = Given::RH;
    for (NumericBox* b : {s.db, s.rh}) {
      style::setComputed(b, false);
      b->setAcceptKeys(true);
    }
    style::setComputed(s.wb, true);
    s.wb->setAcceptKeys(false);
    s.db->setText(db);
    s.wb->setText(wb);
    s.rh->setText(rh);
  };
  fill(env_, v.envDBText, v.envWBText, v.envRHText);
  fill(spa_, v.spaDBText, v.spaWBText, v.spaRHText);
  if (v.kindIndex != kKindFreshNoLoads) {
    load_.set(unitIndex_, static_cast<float>(v.sens));
    sens_->setText(v.sensText);  // one decimal (two for kW and RT) as reopened
  }
  lblThema_->setText(v.title.trimmed());
}

// ---- window events
// ----------------------------------------------------------------------------------

// The screen sees its keys before its boxes do (Alt+A-D and F2 work from any
// box).
bool FrmPsyDaW::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && handleScreenKey(static_cast<QKeyEvent*>(event), watched))
    return true;
  return QDialog::eventFilter(watched, event);
}

void FrmPsyDaW::keyPressEvent(QKeyEvent* event) {
  if (handleScreenKey(event, this)) return;
  // The data screen stays open for the whole run: Escape does not close it.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool FrmPsyDaW::handleScreenKey(QKeyEvent* event, QObject* target) {
  int key = event->key();
  // With the Greek layout the keys A .. D give Α, Β, Ψ, Δ: the same keys.
  if (key > 0x0370 && key < 0x0400) {
    const QChar latin = style::keyTwin(QChar(key));
    if (!latin.isNull() && latin.unicode() < 0x80) key = latin.unicode();
  }
  const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                                           Qt::AltModifier | Qt::MetaModifier);
  if (key == Qt::Key_F2 && (mods & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
#ifdef AERITON_WINTER_HAVE_FILE_SCREENS
    files::openRecentFiles(this);
#else
    showMessage(noRecentFilesMessage());
#endif
    event->accept();
    return true;
  }
  // A, B, C, D press the four buttons that choose what is entered: with Alt
  // from anywhere on the screen, as plain letters only on those buttons. A
  // plain letter typed in a number box is a slip and must not erase an
  // entered humidity.
  QPushButton* const buttons[] = {env_.cmdWB, env_.cmdRH, spa_.cmdWB, spa_.cmdRH};
  const bool onStateButton =
      std::find(std::begin(buttons), std::end(buttons), target) != std::end(buttons);
  const bool alt = mods == Qt::AltModifier || mods == (Qt::AltModifier | Qt::ShiftModifier);
  const bool plain = mods == Qt::NoModifier || mods == Qt::ShiftModifier;
  if (!(alt || (plain && onStateButton))) return false;
  switch (key) {
    case Qt::Key_A:
      CmdWBn_Click();
      break;
    case Qt::Key_B:
      CmdRHn_Click();
      break;
    case Qt::Key_C:
      CmdWBx_Click();
      break;
    case Qt::Key_D:
      CmdRHx_Click();
      break;
    default:
      return false;
  }
  event->accept();
  return true;
}

void FrmPsyDaW::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!activated_) {
    // First entry: every climate field open, the focus on the first.
    activated_ = true;
    for (StateBoxes* s : {&env_, &spa_}) {
      for (NumericBox* b : {s->db, s->wb, s->rh}) {
        style::setComputed(b, false);
        b->setAcceptKeys(true);
      }
    }
    env_.db->setFocus();
  }
}

void FrmPsyDaW::closeEvent(QCloseEvent* event) {
  if (shell::closeDataScreen(this, event, exitAskPending_)) QDialog::closeEvent(event);
}

void FrmPsyDaW::reject() {
  // Closing the screen (its frame, or the shell after the exit request) leaves
  // no temporary files behind.
  removeTemporaryFiles();
  QDialog::reject();
}

}  // namespace aeriton::winter
