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

// Screen colours: a computed, locked box (&H80FFFF) and the load box (yellow).
const QString kComputedStyle = QStringLiteral("background-color: #ffff80; color: black;");
const QString kLoadStyle = QStringLiteral("background-color: #ffff00; color: black;");
const QString kLockedLoadStyle = QStringLiteral("background-color: #c0c0c0; color: black;");

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
  box->setFixedWidth(110);
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
}

// ---- layout --------------------------------------------------------------------------------

void FrmPsyDaW::buildLayout() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(14, 12, 14, 12);
  root->setSpacing(10);

  // Study title.
  auto* titleRow = new QHBoxLayout;
  auto* titleCaption =
      makeLabel(this, "LblThemaCaption", texts::titleCaption() + QStringLiteral(" :"));
  lblThema_ = makeLabel(this, "LblThema", QString());
  lblThema_->setFrameShape(QFrame::Panel);
  lblThema_->setFrameShadow(QFrame::Sunken);
  lblThema_->setMinimumWidth(420);
  QFont bold = lblThema_->font();
  bold.setBold(true);
  lblThema_->setFont(bold);
  cmdThema_ = makeButton(this, "CmdThema", texts::cmdThema());
  titleRow->addWidget(titleCaption);
  titleRow->addWidget(lblThema_, 1);
  titleRow->addWidget(cmdThema_);
  root->addLayout(titleRow);

  // Units.
  auto* unitRow = new QHBoxLayout;
  cboUnits_ = new QComboBox(this);
  cboUnits_->setObjectName(QStringLiteral("CboUnits"));
  unitRow->addWidget(makeLabel(this, "LblUnits", QStringLiteral("Μονάδες :")));
  unitRow->addWidget(cboUnits_, 1);
  root->addLayout(unitRow);

  // Climate.
  auto* climate = new QGroupBox(texts::climateFrame(), this);
  climate->setObjectName(QStringLiteral("FraClimate"));
  auto* grid = new QGridLayout(climate);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(5);
  struct Row {
    const char* label;
    QString text;
    const char* box;
  };
  auto addState = [&](StateBoxes& s, int row, const Row rows[3], const char* cmdWB,
                      const char* cmdRH, const char* unitName) {
    s.db = makeBox(climate, rows[0].box, kClimateFormat);
    s.wb = makeBox(climate, rows[1].box, kClimateFormat);
    s.rh = makeBox(climate, rows[2].box, kClimateFormat);
    NumericBox* boxes[3] = {s.db, s.wb, s.rh};
    for (int i = 0; i < 3; ++i) {
      grid->addWidget(makeLabel(climate, rows[i].label, rows[i].text), row + i, 0);
      grid->addWidget(boxes[i], row + i, 1);
    }
    grid->addWidget(makeLabel(climate, unitName, QString()), row, 2);
    grid->addWidget(makeLabel(climate, "", QStringLiteral("%")), row + 2, 2);
    s.cmdWB = makeButton(climate, cmdWB, texts::cmdWB());
    s.cmdRH = makeButton(climate, cmdRH, texts::cmdRH());
    grid->addWidget(s.cmdWB, row + 1, 3);
    grid->addWidget(s.cmdRH, row + 2, 3);
  };
  const Row envRows[3] = {{"LblEnvDB", texts::envDB(), "TxtEnvDB"},
                          {"LblEnvWB", texts::envWB(), "TxtEnvWB"},
                          {"LblEnvRH", texts::envRH(), "TxtEnvRH"}};
  const Row spaRows[3] = {{"LblSpaDB", texts::spaDB(), "TxtSpaDB"},
                          {"LblSpaWB", texts::spaWB(), "TxtSpaWB"},
                          {"LblSpaRH", texts::spaRH(), "TxtSpaRH"}};
  addState(env_, 0, envRows, "CmdWBn", "CmdRHn", "LblEnvUnit");
  grid->setRowMinimumHeight(3, 8);
  addState(spa_, 4, spaRows, "CmdWBx", "CmdRHx", "LblSpaUnit");
  grid->setColumnStretch(3, 1);
  root->addWidget(climate);

  // Load.
  auto* loadRow = new QHBoxLayout;
  sens_ = makeBox(this, "TxtSens", QStringLiteral("#,##0"));
  sensUnit_ = makeLabel(this, "LblSensUnit", QString());
  sensUnit_->setMinimumWidth(70);
  loadRow->setSpacing(6);
  loadRow->addWidget(makeLabel(this, "LblSens", texts::sensLoad()));
  loadRow->addWidget(sens_);
  loadRow->addWidget(sensUnit_);
  loadRow->addStretch(1);
  root->addLayout(loadRow);

  // System.
  auto* system = new QGroupBox(this);
  system->setObjectName(QStringLiteral("FraSystem"));
  auto* sg = new QGridLayout(system);
  cboKind_ = new QComboBox(system);
  cboKind_->setObjectName(QStringLiteral("CboKind"));
  cboKindy_ = new QComboBox(system);
  cboKindy_->setObjectName(QStringLiteral("CboKindy"));
  sg->addWidget(cboKind_, 0, 0, 1, 4);
  sg->addWidget(cboKindy_, 1, 0, 1, 4);

  lblTo_ = makeLabel(system, "LblTo", texts::coilOutLabel());
  cboTo_ = new QComboBox(system);
  cboTo_->setObjectName(QStringLiteral("CboTo"));
  cboTo_->setFixedWidth(80);
  tempOut_ = makeBox(system, "TxtTempOut", kClimateFormat);
  tempOut_->setFixedWidth(80);
  lblToR_ = makeLabel(system, "LblToR", QString());
  auto* toRow = new QHBoxLayout;
  toRow->addWidget(cboTo_);
  toRow->addWidget(tempOut_);
  toRow->addWidget(lblToR_);
  toRow->addStretch(1);
  sg->addWidget(lblTo_, 2, 0);
  sg->addLayout(toRow, 2, 1, 1, 3);

  lblSF_ = makeLabel(system, "LblSF", texts::summerFlowLabel());
  sf_ = makeBox(system, "TxtSF", kFlowFormat);
  lblSFR_ = makeLabel(system, "LblSFR", QString());
  auto* sfRow = new QHBoxLayout;
  sfRow->addWidget(sf_);
  sfRow->addWidget(lblSFR_);
  sfRow->addStretch(1);
  sg->addWidget(lblSF_, 3, 0);
  sg->addLayout(sfRow, 3, 1, 1, 3);

  optAmount_ = new QRadioButton(texts::freshAmount(), system);
  optAmount_->setObjectName(QStringLiteral("OptAmount"));
  optPerCent_ = new QRadioButton(texts::freshPerCent(), system);
  optPerCent_->setObjectName(QStringLiteral("OptPerCent"));
  auto* group = new QButtonGroup(this);
  group->addButton(optAmount_);
  group->addButton(optPerCent_);
  amount_ = makeBox(system, "TxtAmount", kFlowFormat);
  amountUnit_ = makeLabel(system, "LblAmountUnit", QString());
  cboPerC_ = new QComboBox(system);
  cboPerC_->setObjectName(QStringLiteral("CboPerC"));
  cboPerC_->setFixedWidth(80);
  auto* amountRow = new QHBoxLayout;
  amountRow->addWidget(amount_);
  amountRow->addWidget(amountUnit_);
  amountRow->addStretch(1);
  sg->addWidget(optAmount_, 4, 0);
  sg->addLayout(amountRow, 4, 1, 1, 3);
  auto* perRow = new QHBoxLayout;
  perRow->addWidget(cboPerC_);
  perRow->addStretch(1);
  sg->addWidget(optPerCent_, 5, 0);
  sg->addLayout(perRow, 5, 1, 1, 3);
  sg->setColumnStretch(3, 1);
  root->addWidget(system);

  // Waiting text and buttons.
  txtWait_ = makeLabel(this, "TxtWait", texts::waitText());
  txtWait_->setAlignment(Qt::AlignCenter);
  txtWait_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
  root->addWidget(txtWait_);

  cmdAeriton_ = makeButton(this, "CmdAeriton", texts::cmdAeriton());
  // Enter on the calculate button (where the load field's Enter leads) calculates.
  cmdAeriton_->setAutoDefault(true);
  cmdAeriton_->setMinimumHeight(34);
  cmdAeriton_->setFont(bold);
  root->addWidget(cmdAeriton_);
  auto* buttons = new QGridLayout;
  cmdPSOpen_ = makeButton(this, "CmdPSOpen", texts::cmdPSOpen());
  cmdPS_ = makeButton(this, "CmdPS", texts::cmdPS());
  cmdManual_ = makeButton(this, "CmdManual", texts::cmdManual());
  cmdExit_ = makeButton(this, "SSCommand3", texts::cmdExit());
  buttons->addWidget(cmdPSOpen_, 0, 0);
  buttons->addWidget(cmdPS_, 0, 1);
  buttons->addWidget(cmdManual_, 1, 0);
  buttons->addWidget(cmdExit_, 1, 1);
  root->addLayout(buttons);
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
  amountUnit_->setText(flow);
  for (const char* name : {"LblEnvUnit", "LblSpaUnit"})
    if (auto* l = findChild<QLabel*>(QLatin1String(name)))
      l->setText(f ? QStringLiteral("°F") : QStringLiteral("°C"));
  static const char* kLoadCaptions[kUnitCount] = {"Watts", "Kcal/h", "Kw", "RT", "Btu/h", "Btu/h"};
  sensUnit_->setText(QString::fromLatin1(kLoadCaptions[unitIndex_]));
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
  computed->setReadOnly(true);
  computed->setAcceptKeys(false);
  computed->setStyleSheet(kComputedStyle);
  entered->setReadOnly(false);
  entered->setAcceptKeys(true);
  entered->setStyleSheet(QString());
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
    sens_->setStyleSheet(kLockedLoadStyle);
  } else {
    sens_->setReadOnly(false);
    sens_->setAcceptKeys(true);
    sens_->setStyleSheet(kLoadStyle);
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
      b->setReadOnly(false);
      b->setAcceptKeys(true);
      b->setStyleSheet(QString());
    }
    s.wb->setReadOnly(true);
    s.wb->setAcceptKeys(false);
    s.wb->setStyleSheet(kComputedStyle);
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
  const int key = event->key();
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
  // The load box lines up with the climate boxes above it.
  if (auto* label = findChild<QLabel*>(QStringLiteral("LblSens"))) {
    layout()->activate();
    const int boxX = env_.db->mapTo(this, QPoint(0, 0)).x();
    const int labelX = label->mapTo(this, QPoint(0, 0)).x();
    const int spacing = label->parentWidget()->layout() ? 6 : 0;
    const int width = boxX - labelX - spacing;
    if (width > label->sizeHint().width()) label->setMinimumWidth(width);
  }
  if (!activated_) {
    // First entry: every climate field open, the focus on the first.
    activated_ = true;
    for (StateBoxes* s : {&env_, &spa_}) {
      for (NumericBox* b : {s->db, s->wb, s->rh}) {
        b->setReadOnly(false);
        b->setAcceptKeys(true);
      }
    }
    env_.db->setFocus();
    centreWindow(this);
  }
}

void FrmPsyDaW::closeEvent(QCloseEvent* event) {
  // Closed by the shell after the user has chosen to leave: the screen goes.
  if (shell::dataScreensClosing()) {
    QDialog::closeEvent(event);
    return;
  }
  // The window's close button is the exit button: exit, change season or
  // stay, so that nothing typed is lost by a click on the frame. The question
  // comes once this close has unwound, so that the shell can then close the
  // window itself.
  event->ignore();
  if (exitAskPending_) return;
  exitAskPending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        exitAskPending_ = false;
        SSCommand3_Click();
      },
      Qt::QueuedConnection);
}

void FrmPsyDaW::reject() {
  // Closing the screen (its frame, or the shell after the exit request) leaves
  // no temporary files behind.
  removeTemporaryFiles();
  QDialog::reject();
}

}  // namespace aeriton::winter
