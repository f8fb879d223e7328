#include "summer/ui/FrmPsyDat.h"

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
#include <cmath>
#include <iterator>

#include "engine/NumberEntry.h"
#include "engine/Psychro.h"
#include "engine/ui/NumericBox.h"
#include "shell/ui/ManualViewer.h"
#include "shell/ui/ShellApi.h"
#include "shell/ui/StartupController.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/MessageService.h"
#include "study/StudyState.h"
#include "study/ui/QtMessageService.h"
#include "study/ui/Style.h"
#include "summer/Raise.h"
#include "summer/SummerCalc.h"
#include "summer/SummerChecks.h"
#include "summer/SummerRun.h"
#if __has_include("summer/ui/FrmPSRes.h") && !defined(AERITON_NO_RESULTS_SCREEN)
#include "summer/ui/FrmPSRes.h"
#define AERITON_HAVE_RESULTS_SCREEN 1
#endif

namespace aeriton::summer {

namespace {

// Display patterns of the boxes.
const QString kTempFormat = QStringLiteral("#,##0.0");
const QString kAHFormat = QStringLiteral("#,##0.00");
const QString kLoadFormat = QStringLiteral("#,##0.00");
const QString kAmountFormat = QStringLiteral("#,##0.0");

// Captions of the screen, in the program's caption style (upper case, dot
// leaders).
const QString kTitleCaption = QStringLiteral("ΘΕΜΑ-ΤΙΤΛΟΣ ΤΗΣ ΜΕΛΕΤΗΣ");
const QString kUnitsCaption = QStringLiteral("ΜΟΝΑΔΕΣ ΤΗΣ ΜΕΛΕΤΗΣ");
struct StateCaptions {
  QString db, wb, rh, ah;
};
const StateCaptions kOutdoorCaptions = {
    QStringLiteral("ΘΕΡΜΟΚΡΑΣΙΑ ΞΗΡΟΥ ΘΕΡΜΟΜΕΤΡΟΥ ΠΕΡΙΒΑΛΛΟΝΤΟΣ..............."),
    QStringLiteral("ΘΕΡΜΟΚΡΑΣΙΑ ΥΓΡΟΥ ΘΕΡΜΟΜΕΤΡΟΥ ΠΕΡΙΒΑΛΛΟΝΤΟΣ.............."),
    QStringLiteral("ΣΧΕΤΙΚΗ ΥΓΡΑΣΙΑ ΠΕΡΙΒΑΛΛΟΝΤΟΣ..........................................."),
    QStringLiteral("ΑΠΟΛΥΤΗ ΥΓΡΑΣΙΑ ΠΕΡΙΒΑΛΛΟΝΤΟΣ.........................................."),
};
const StateCaptions kRoomCaptions = {
    QStringLiteral("ΘΕΡΜΟΚΡΑΣΙΑ ΞΗΡΟΥ ΘΕΡΜΟΜΕΤΡΟΥ ΧΩΡΩΝ.........................."),
    QStringLiteral("ΘΕΡΜΟΚΡΑΣΙΑ ΥΓΡΟΥ ΘΕΡΜΟΜΕΤΡΟΥ ΧΩΡΩΝ............................"),
    QStringLiteral("ΣΧΕΤΙΚΗ ΥΓΡΑΣΙΑ ΧΩΡΩΝ........................................................"),
    QStringLiteral("ΑΠΟΛΥΤΗ ΥΓΡΑΣΙΑ ΧΩΡΩΝ......................................................."),
};
const QString kSensCaption =
    QStringLiteral("ΣΥΝΟΛΙΚΟ ΑΙΣΘΗΤΟ ΦΟΡΤΙΟ ΧΩΡΩΝ..........................................");
const QString kLatCaption =
    QStringLiteral("ΣΥΝΟΛΙΚΟ ΛΑΝΘΑΝΟΝ ΦΟΡΤΙΟ ΧΩΡΩΝ........................................");
const QString kKindCaption =
    QStringLiteral("ΕΙΔΟΣ ΣΥΣΤΗΜΑΤΟΣ ΚΛΙΜΑΤΙΣΜΟΥ..........................................");
// The buttons that choose the given value of a state (the same on both data
// screens).
const QString kCmdWBText = QStringLiteral(" Καθορισμός της Θερμοκρασίας Υγρού Θερμομέτρου ");
const QString kCmdRHText = QStringLiteral(" Καθορισμός της Σχετικής Υγρασίας ");
// Absolute humidity units.
const QString kGramsPerKgUnit = QStringLiteral("[ g/Kg ]");
const QString kGrainsPerLbUnit = QStringLiteral("[ Grains/Lb ]");

FrmPsyDat::ScreenHook& openStudyHook() {
  static FrmPsyDat::ScreenHook hook;
  return hook;
}
FrmPsyDat::ScreenHook& recentFilesHook() {
  static FrmPsyDat::ScreenHook hook;
  return hook;
}

NumericBox* makeBox(QWidget* parent, const char* name, const QString& format) {
  auto* box = new NumericBox(parent);
  box->setObjectName(QLatin1String(name));
  box->setFormat(format);
  box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  box->setFixedWidth(style::kBoxWidth);
  return box;
}

bool isPending(const NumericBox* box) {
  return box->text().trimmed() == pendingText();
}

float boxValue(const NumericBox* box) {
  if (isPending(box)) return 0.0f;
  return static_cast<float>(ParseNumber(box->text()));
}

}  // namespace

void FrmPsyDat::setOpenStudyHook(ScreenHook hook) {
  openStudyHook() = std::move(hook);
}
void FrmPsyDat::setRecentFilesHook(ScreenHook hook) {
  recentFilesHook() = std::move(hook);
}

FrmPsyDat::FrmPsyDat(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmPsyDat"));
  setWindowTitle(QStringLiteral("ΨΥΧΡΟΜΕΤΡΙΚΟΙ ΥΠΟΛΟΓΙΣΜΟΙ ΑΕΡΟΣ - ΠΕΡΙΟΔΟΣ ΚΑΛΟΚΑΙΡΙΟΥ"));
  env_.outdoor = true;
  spa_.outdoor = false;
  buildLayout();
  wireBoxes();

  // On load: six load units with Watts selected (current and previous code
  // "WATT"), the per cents 1..85 with no selection, an empty amount in amount
  // mode, the four kinds with kind 0 selected, and the stored study title.
  cboUnits_->addItems(unitTexts());
  cboUnits_->setCurrentIndex(0);
  unitIndex_ = 0;
  study().setLoadUnit(unitEntry(0).code);
  study().PrevLoadUnit = unitEntry(0).code;
  applyUnitEntry(0);
  cboPerC_->addItems(perCentTexts());
  cboPerC_->setCurrentIndex(-1);
  amount_->clear();
  optAmount_->setChecked(true);
  cboKind_->addItems(kindTexts());
  cboKind_->setCurrentIndex(0);
  CboKind_Click(0);
  lblThema_->setText(study().Title.trimmed());

  connect(cboUnits_, qOverload<int>(&QComboBox::activated), this, &FrmPsyDat::CboUnits_Click);
  connect(cboKind_, qOverload<int>(&QComboBox::activated), this, &FrmPsyDat::CboKind_Click);
  // The screen sees its keys before its boxes do: Shift/Ctrl+F2 works from any box.
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
  centreWindow(this);
  style::fixSizeOnShow(this);
}

FrmPsyDat::~FrmPsyDat() {
  if (shell::currentDataScreen() == this) shell::setCurrentDataScreen(nullptr);
}

void FrmPsyDat::buildLayout() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(style::kMargin, style::kMargin, style::kMargin, style::kMargin);
  root->setSpacing(style::kSpacing);
  QList<QWidget*> captions;
  auto caption = [&captions](QWidget* parent, const QString& text) {
    QLabel* l = style::caption(text, parent);
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
  cmdThema_ = new QPushButton(studyBox);
  cmdThema_->setObjectName(QStringLiteral("CmdThema"));
  style::setMnemonic(cmdThema_, QStringLiteral(" Θέμα-Τίτλος της Μελέτης "), QChar(u'Θ'));
  studyGrid->addWidget(caption(studyBox, kTitleCaption), 0, 0);
  studyGrid->addWidget(lblThema_, 0, 1, 1, 2);
  studyGrid->addWidget(cmdThema_, 0, 3);
  connect(title, &style::TitleLabel::clicked, this, &FrmPsyDat::CmdThema_Click);
  cboUnits_ = new QComboBox(studyBox);
  cboUnits_->setObjectName(QStringLiteral("CboUnits"));
  studyGrid->addWidget(caption(studyBox, kUnitsCaption), 1, 0);
  studyGrid->addWidget(cboUnits_, 1, 1);
  studyGrid->setColumnStretch(2, 1);
  root->addWidget(studyBox);

  // The two air states, one under the other.
  auto* climate =
      style::section(QStringLiteral(" ΘΕΡΜΟΚΡΑΣΙΑΚΑ ΚΑΙ ΥΓΡΑΣΙΑΚΑ ΔΕΔΟΜΕΝΑ "), this, "FraClimate");
  auto* g = style::sectionGrid(climate);
  const QStringList tempUnits = {style::unitText(QStringLiteral("°C")),
                                 style::unitText(QStringLiteral("°F"))};
  const QStringList ahUnits = {kGramsPerKgUnit, kGrainsPerLbUnit};
  auto addState = [&](StateBoxes& s, int row, const StateCaptions& c, const char* db,
                      const char* wb, const char* rh, const char* ah, const char* cmdWB,
                      const char* cmdRH) {
    s.db = makeBox(climate, db, kTempFormat);
    s.wb = makeBox(climate, wb, kTempFormat);
    s.rh = makeBox(climate, rh, kTempFormat);
    s.ah = makeBox(climate, ah, kAHFormat);
    s.dbUnit = style::unitLabel(climate, nullptr, tempUnits);
    s.wbUnit = style::unitLabel(climate, nullptr, tempUnits);
    s.ahUnit = style::unitLabel(climate, nullptr, ahUnits);
    s.cmdWB = new QPushButton(kCmdWBText, climate);
    s.cmdWB->setObjectName(QLatin1String(cmdWB));
    s.cmdRH = new QPushButton(kCmdRHText, climate);
    s.cmdRH->setObjectName(QLatin1String(cmdRH));
    s.cmdWB->setAutoDefault(false);
    s.cmdRH->setAutoDefault(false);
    g->addWidget(caption(climate, c.db), row, 0);
    g->addWidget(s.db, row, 1);
    g->addWidget(s.dbUnit, row, 2);
    g->addWidget(caption(climate, c.wb), row + 1, 0);
    g->addWidget(s.wb, row + 1, 1);
    g->addWidget(s.wbUnit, row + 1, 2);
    g->addWidget(s.cmdWB, row + 1, 3, Qt::AlignLeft);
    g->addWidget(caption(climate, c.rh), row + 2, 0);
    g->addWidget(s.rh, row + 2, 1);
    QLabel* per = style::unitLabel(climate, nullptr, tempUnits);
    per->setText(style::unitText(QStringLiteral("%")));
    g->addWidget(per, row + 2, 2);
    g->addWidget(s.cmdRH, row + 2, 3, Qt::AlignLeft);
    g->addWidget(caption(climate, c.ah), row + 3, 0);
    g->addWidget(s.ah, row + 3, 1);
    g->addWidget(s.ahUnit, row + 3, 2);
    setComputedLook(s.ah, true);
  };
  addState(env_, 0, kOutdoorCaptions, "TxtEnvDB", "TxtEnvWB", "TxtEnvRH", "TxtEnvAH", "CmdWBn",
           "CmdRHn");
  g->setRowMinimumHeight(4, 8);
  addState(spa_, 5, kRoomCaptions, "TxtSpaDB", "TxtSpaWB", "TxtSpaRH", "TxtSpaAH", "CmdWBx",
           "CmdRHx");
  g->setColumnStretch(3, 1);
  style::equalButtons({env_.cmdWB, env_.cmdRH, spa_.cmdWB, spa_.cmdRH}, false);
  root->addWidget(climate);

  // Room loads.
  auto* loadsBox =
      style::section(QStringLiteral(" ΦΟΡΤΙΑ ΚΛΙΜΑΤΙΖΟΜΕΝΩΝ ΧΩΡΩΝ "), this, "FraLoads");
  auto* lg = style::sectionGrid(loadsBox);
  sens_ = makeBox(loadsBox, "TxtSens", kLoadFormat);
  lat_ = makeBox(loadsBox, "TxtLat", kLoadFormat);
  QStringList loadUnits;
  for (int i = 0; i < kUnitCount; ++i) loadUnits << unitEntry(i).loadCaption;
  sensUnit_ = style::unitLabel(loadsBox, "LblSensUn", loadUnits);
  latUnit_ = style::unitLabel(loadsBox, "LblLatUn", loadUnits);
  lg->addWidget(caption(loadsBox, kSensCaption), 0, 0);
  lg->addWidget(sens_, 0, 1);
  lg->addWidget(sensUnit_, 0, 2);
  lg->addWidget(caption(loadsBox, kLatCaption), 1, 0);
  lg->addWidget(lat_, 1, 1);
  lg->addWidget(latUnit_, 1, 2);
  lg->setColumnStretch(3, 1);
  root->addWidget(loadsBox);

  // Kind of system and fresh air.
  auto* systemBox =
      style::section(QStringLiteral(" ΣΥΣΤΗΜΑ ΚΛΙΜΑΤΙΣΜΟΥ ΚΑΙ ΝΩΠΟΣ ΑΕΡΑΣ "), this, "FraSystem");
  auto* sg = style::sectionGrid(systemBox);
  cboKind_ = new QComboBox(systemBox);
  cboKind_->setObjectName(QStringLiteral("CboKind"));
  sg->addWidget(caption(systemBox, kKindCaption), 0, 0);
  sg->addWidget(cboKind_, 0, 1, 1, 3);
  optAmount_ = new QRadioButton(QStringLiteral("Νωπός Αέρας, Ποσότητα"), systemBox);
  optAmount_->setObjectName(QStringLiteral("OptAmount"));
  optPerCent_ = new QRadioButton(QStringLiteral("Νωπός Αέρας επί τοις %"), systemBox);
  optPerCent_->setObjectName(QStringLiteral("OptPerCent"));
  captions << optAmount_ << optPerCent_;
  auto* modes = new QButtonGroup(this);
  modes->addButton(optAmount_);
  modes->addButton(optPerCent_);
  amount_ = makeBox(systemBox, "TxtAmount", kAmountFormat);
  amountUnit_ = style::unitLabel(
      systemBox, "LblAmountUn",
      {style::unitText(QStringLiteral("m³/h")), style::unitText(QStringLiteral("CFM"))});
  cboPerC_ = new QComboBox(systemBox);
  cboPerC_->setObjectName(QStringLiteral("CboPerC"));
  cboPerC_->setMaxVisibleItems(15);
  cboPerC_->setFixedWidth(style::kBoxWidth);
  sg->addWidget(optAmount_, 1, 0);
  sg->addWidget(amount_, 1, 1);
  sg->addWidget(amountUnit_, 1, 2);
  sg->addWidget(optPerCent_, 2, 0);
  sg->addWidget(cboPerC_, 2, 1);
  QLabel* per = style::unitLabel(systemBox, nullptr, {style::unitText(QStringLiteral("%"))});
  per->setText(style::unitText(QStringLiteral("%")));
  sg->addWidget(per, 2, 2);
  sg->setColumnStretch(3, 1);
  root->addWidget(systemBox);

  style::alignCaptions(captions);

  // Buttons: the calculation on a row of its own, the others in one row below.
  // The waiting notice shows over the calculate button while the calculation
  // runs, so that nothing moves.
  cmdAeriton_ = new QPushButton(this);
  cmdAeriton_->setObjectName(QStringLiteral("CmdAeriton"));
  // Alt+Υ (Alt+Y on the Latin layout): the calculation, as on the winter screen
  // (where Alt+A .. D choose the given values) and the calculator.
  style::setMnemonic(cmdAeriton_, QStringLiteral("ΨΥΧΡΟΜΕΤΡΙΚΟΙ ΥΠΟΛΟΓΙΣΜΟΙ"), QChar(u'Υ'));
  style::setRole(cmdAeriton_, style::Role::Primary);
  txtWait_ = new QLabel(QStringLiteral(".. Περιμένετε .."), this);
  txtWait_->setObjectName(QStringLiteral("TxtWait"));
  txtWait_->setAlignment(Qt::AlignCenter);
  style::setRole(txtWait_, style::Role::Wait);
  txtWait_->setVisible(false);
  cmdPSOpen_ = new QPushButton(this);
  cmdPSOpen_->setObjectName(QStringLiteral("CmdPSOpen"));
  style::setMnemonic(cmdPSOpen_, QStringLiteral(" Παλαιό Αρχείο Δεδομένων Καλοκαιριού "),
                     QChar(u'Π'));
  cmdManual_ = new QPushButton(this);
  cmdManual_->setObjectName(QStringLiteral("CmdManual"));
  style::setMnemonic(cmdManual_, QStringLiteral(" Εγχειρίδιο Προγράμματος "), QChar(u'γ'));
  ssCommand3_ = new QPushButton(this);
  ssCommand3_->setObjectName(QStringLiteral("SSCommand3"));
  style::setMnemonic(ssCommand3_, QStringLiteral("ΕΞΟΔΟΣ ΑΠΟ ΤΑ ΔΕΔΟΜΕΝΑ"), QChar(u'Ε'));
  for (QPushButton* b : {cmdAeriton_, cmdPSOpen_, cmdManual_, ssCommand3_, cmdThema_})
    b->setAutoDefault(false);
  // Enter on the calculate button (where the Enter chain of the boxes ends)
  // presses it.
  cmdAeriton_->setAutoDefault(true);
  cmdAeriton_->setMinimumHeight(style::kButtonHeight + 4);
  const QList<QPushButton*> others = {cmdPSOpen_, cmdManual_, ssCommand3_};
  auto* buttons = new QGridLayout;
  buttons->setSpacing(style::kSpacing);
  buttons->addWidget(cmdAeriton_, 0, 0, 1, others.size());
  buttons->addWidget(txtWait_, 0, 0, 1, others.size());
  for (int i = 0; i < others.size(); ++i) buttons->addWidget(others[i], 1, i);
  style::equalButtons(others);
  root->addSpacing(style::kSpacing);
  root->addLayout(buttons);

  connect(cmdThema_, &QPushButton::clicked, this, &FrmPsyDat::CmdThema_Click);
  connect(cmdAeriton_, &QPushButton::clicked, this, &FrmPsyDat::CmdAeriton_Click);
  connect(cmdPSOpen_, &QPushButton::clicked, this, &FrmPsyDat::CmdPSOpen_Click);
  connect(cmdManual_, &QPushButton::clicked, this, &FrmPsyDat::CmdManual_Click);
  connect(ssCommand3_, &QPushButton::clicked, this, &FrmPsyDat::SSCommand3_Click);
  connect(env_.cmdRH, &QPushButton::clicked, this, &FrmPsyDat::CmdRHn_Click);
  connect(env_.cmdWB, &QPushButton::clicked, this, &FrmPsyDat::CmdWBn_Click);
  connect(spa_.cmdRH, &QPushButton::clicked, this, &FrmPsyDat::CmdRHx_Click);
  connect(spa_.cmdWB, &QPushButton::clicked, this, &FrmPsyDat::CmdWBx_Click);
  connect(optAmount_, &QRadioButton::toggled, this, [this] { applyFreshMode(); });

  // Tab order as the screen reads: units, the states, the loads, the system and
  // its fresh air, the calculation; then the other buttons.
  QWidget* order[] = {cboUnits_,   env_.db,    env_.wb,     env_.rh,    spa_.db,    spa_.wb,
                      spa_.rh,     sens_,      lat_,        cboKind_,   optAmount_, amount_,
                      optPerCent_, cboPerC_,   cmdAeriton_, cmdPSOpen_, cmdManual_, ssCommand3_,
                      cmdThema_,   env_.cmdWB, env_.cmdRH,  spa_.cmdWB, spa_.cmdRH};
  for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void FrmPsyDat::wireBoxes() {
  // No minus sign, typed or pasted, in boxes whose quantity cannot be negative
  // (room temperatures, humidities, loads, fresh air).
  for (NumericBox* b : {spa_.db, spa_.wb, spa_.rh, env_.rh, sens_, lat_, amount_})
    b->setMinusAllowed(false);
  for (StateBoxes* s : {&env_, &spa_}) {
    for (NumericBox* b : {s->db, s->wb, s->rh}) {
      connect(b, &NumericBox::editingLeft, this, [this, s, b] { boxLeft(*s, b); });
      connect(b, &NumericBox::enterPressed, this, [this, b] { enterFrom(b); });
    }
  }
  for (NumericBox* b : {sens_, lat_}) {
    connect(b, &NumericBox::editingLeft, this, [this, b] { storeLoad(b); });
    connect(b, &NumericBox::enterPressed, this, [this, b] { enterFrom(b); });
  }
  connect(amount_, &NumericBox::editingLeft, this, [this] { storeAmount(); });
  connect(amount_, &NumericBox::enterPressed, this, [this] { enterFrom(amount_); });
}

bool FrmPsyDat::isFahrenheit() const {
  return unitEntry(unitIndex_).fahrenheit;
}

void FrmPsyDat::setComputedLook(NumericBox* box, bool computed) {
  style::setComputed(box, computed);
  box->setAcceptKeys(!computed);
}

// ---- first activation ------------------------------------------------------------

void FrmPsyDat::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  shell::setCurrentDataScreen(this);
  if (!activated_) {
    activated_ = true;
    firstActivation();
  }
}

void FrmPsyDat::firstActivation() {
  study().FirstEntry = false;
  for (StateBoxes* s : {&env_, &spa_}) {
    for (NumericBox* b : {s->db, s->wb, s->rh, s->ah}) b->clear();
    s->given = Given::None;
    s->hasGrains = false;
    setComputedLook(s->db, false);
    setComputedLook(s->wb, false);
    setComputedLook(s->rh, false);
    setComputedLook(s->ah, true);
  }
  sens_->clear();
  lat_->clear();
  sensSet_ = latSet_ = LoadSet();
  CboKind_Click(cboKind_->currentIndex());
  env_.db->setFocus();
}

// ---- the given value of a state -----------------------------------------------------

void FrmPsyDat::CmdRHn_Click() {
  chooseGiven(env_, Given::RH, true);
}
void FrmPsyDat::CmdWBn_Click() {
  chooseGiven(env_, Given::WB, true);
}
void FrmPsyDat::CmdRHx_Click() {
  chooseGiven(spa_, Given::RH, true);
}
void FrmPsyDat::CmdWBx_Click() {
  chooseGiven(spa_, Given::WB, true);
}

// The given box is unlocked (emptied and focused when asked), the other one
// shows the placeholder and is locked, the absolute humidity is emptied.
void FrmPsyDat::chooseGiven(StateBoxes& s, Given given, bool clearGiven) {
  if (clearGiven && s.db->isEmptyText()) {
    s.db->setFocus();
    return;
  }
  NumericBox* in = given == Given::RH ? s.rh : s.wb;
  NumericBox* out = given == Given::RH ? s.wb : s.rh;
  s.given = given;
  out->setText(pendingText());
  setComputedLook(out, true);
  setComputedLook(in, false);
  s.ah->clear();
  s.hasGrains = false;
  if (clearGiven) {
    in->clear();
    in->setFocus();
  }
}

// ---- completing a state while typing ------------------------------------------------------

void FrmPsyDat::boxLeft(StateBoxes& s, NumericBox* box) {
  // A first value typed into the wet bulb or the humidity of a state that has
  // no given value yet makes it the given one.
  if (s.given == Given::None && (box == s.wb || box == s.rh) && !box->isEmptyText())
    chooseGiven(s, box == s.rh ? Given::RH : Given::WB, false);
  completeState(s);
}

void FrmPsyDat::completeState(StateBoxes& s) {
  if (s.given == Given::None) return;
  NumericBox* in = s.given == Given::RH ? s.rh : s.wb;
  NumericBox* out = s.given == Given::RH ? s.wb : s.rh;
  if (s.db->isEmptyText() || in->isEmptyText() || isPending(in)) {
    // Nothing to compute from: the computed value would be stale.
    out->setText(pendingText());
    s.ah->clear();
    s.hasGrains = false;
    return;
  }
  const bool f = isFahrenheit();
  // The engine works in °F; a °C state is converted before and after, with the
  // one-decimal rounding of the study conversions.
  const float dbShown = boxValue(s.db);
  const float dbF = f ? dbShown : celsiusToFahrenheit(dbShown);
  const QString mode = s.outdoor ? QStringLiteral("n") : QStringLiteral("x");
  float grains = 0;
  bool ok = false;
  if (s.given == Given::RH) {
    float rh = boxValue(s.rh);
    float wbF = 0;
    ok = psy::FindWB_AH(mode, dbF, wbF, rh, grains) && std::isfinite(wbF);
    if (ok) s.wb->setText(FormatNumber(f ? wbF : fahrenheitToCelsius(wbF), kTempFormat));
  } else {
    const float wbShown = boxValue(s.wb);
    const float wbF = f ? wbShown : celsiusToFahrenheit(wbShown);
    float rh = 0;
    ok = psy::FindRH_AH(mode, dbF, wbF, rh, grains) && std::isfinite(rh);
    if (ok) s.rh->setText(FormatNumber(static_cast<double>(rh) * 100.0, kTempFormat));
  }
  if (!ok || !std::isfinite(grains)) {
    // Outside the engine's table: nothing is shown, the checks refuse the state.
    out->setText(pendingText());
    s.ah->clear();
    s.hasGrains = false;
    return;
  }
  s.grains = grains;
  s.hasGrains = true;
  showAbsoluteHumidity(s);
}

void FrmPsyDat::showAbsoluteHumidity(StateBoxes& s) {
  if (!s.hasGrains) {
    s.ah->clear();
    return;
  }
  const double v = isFahrenheit() ? s.grains : grainsToGramsPerKg(s.grains);
  s.ah->setText(FormatNumber(roundToDecimals(v, 2), kAHFormat));
}

// ---- load unit ----------------------------------------------------------------------

void FrmPsyDat::applyUnitEntry(int index) {
  const UnitEntry& u = unitEntry(index);
  const QString t = style::unitText(u.fahrenheit ? QStringLiteral("°F") : QStringLiteral("°C"));
  const QString ah = u.fahrenheit ? kGrainsPerLbUnit : kGramsPerKgUnit;
  for (StateBoxes* s : {&env_, &spa_}) {
    s->dbUnit->setText(t);
    s->wbUnit->setText(t);
    s->ahUnit->setText(ah);
  }
  sensUnit_->setText(u.loadCaption);
  latUnit_->setText(u.loadCaption);
  amountUnit_->setText(
      style::unitText(u.fahrenheit ? QStringLiteral("CFM") : QStringLiteral("m³/h")));
}

void FrmPsyDat::CboUnits_Click(int index) {
  if (index < 0 || index >= kUnitCount) return;
  const bool wasF = isFahrenheit();
  unitIndex_ = index;
  applyUnitEntry(index);
  const QString code = unitEntry(index).code;
  study().setLoadUnit(code);
  if (code != study().PrevLoadUnit) {
    if (wasF != unitEntry(index).fahrenheit) Change_Summer_Data(unitEntry(index).fahrenheit);
    showLoads();
  }
  study().PrevLoadUnit = code;
}

// A change of temperature scale converts the dry and wet bulbs on the screen
// (each to one decimal), the absolute humidities and the fresh-air amount.
void FrmPsyDat::Change_Summer_Data(bool toFahrenheit) {
  for (StateBoxes* s : {&env_, &spa_}) {
    for (NumericBox* b : {s->db, s->wb}) {
      if (b->isEmptyText() || isPending(b)) continue;
      const float v = boxValue(b);
      b->setText(FormatNumber(toFahrenheit ? celsiusToFahrenheit(v) : fahrenheitToCelsius(v),
                              kTempFormat));
    }
    showAbsoluteHumidity(*s);
  }
  if (!amount_->isEmptyText())
    amount_->setText(FormatNumber(freshSet_.in(toFahrenheit), kAmountFormat));
}

void FrmPsyDat::showLoads() {
  const LoadUnit u = unitEntry(unitIndex_).load;
  if (!sens_->isEmptyText()) sens_->setText(FormatNumber(sensSet_.in(u), kLoadFormat));
  if (!lat_->isEmptyText()) lat_->setText(FormatNumber(latSet_.in(u), kLoadFormat));
}

void FrmPsyDat::storeLoad(NumericBox* box) {
  LoadSet& set = box == sens_ ? sensSet_ : latSet_;
  set = box->isEmptyText()
            ? LoadSet()
            : LoadSet::fromValue(ParseNumber(box->text()), unitEntry(unitIndex_).load);
}

void FrmPsyDat::storeAmount() {
  freshSet_ = amount_->isEmptyText()
                  ? FreshAirSet()
                  : FreshAirSet::fromValue(ParseNumber(amount_->text()), isFahrenheit());
}

// ---- kind of system and fresh air -------------------------------------------------------------

void FrmPsyDat::CboKind_Click(int index) {
  if (index < 0 || index >= kKindCount) return;
  const KindControls c = kindControls(index);
  for (NumericBox* b : {sens_, lat_}) {
    if (c.loadsUsed) {
      b->setReadOnly(false);
      b->setAcceptKeys(true);
      b->setFocusPolicy(Qt::StrongFocus);
      style::setRole(b, style::Role::Load);
    } else {
      b->clear();
      b->setReadOnly(true);
      b->setAcceptKeys(false);
      b->setFocusPolicy(Qt::NoFocus);
      style::setRole(b, style::Role::NoLoad);
    }
  }
  if (!c.loadsUsed) sensSet_ = latSet_ = LoadSet();
  optAmount_->setEnabled(c.amountEnabled);
  optPerCent_->setEnabled(c.perCentEnabled);
  // Full fresh air is always given as an amount.
  if (c.amountEnabled && !c.perCentEnabled) optAmount_->setChecked(true);
  applyFreshMode();
}

void FrmPsyDat::applyFreshMode() {
  const KindControls c = kindControls(cboKind_->currentIndex());
  const bool amountMode = optAmount_->isChecked();
  amount_->setEnabled(c.amountEnabled && amountMode);
  cboPerC_->setEnabled(c.perCentEnabled && !amountMode);
}

// ---- Enter moves the entry on --------------------------------------------------------------

void FrmPsyDat::focusAfterState(const StateBoxes& s) {
  if (&s == &env_) {
    spa_.db->setFocus();
  } else if (!sens_->isReadOnly()) {
    sens_->setFocus();
  } else if (amount_->isEnabled()) {
    amount_->setFocus();
  } else {
    cmdAeriton_->setFocus();
  }
}

void FrmPsyDat::enterFrom(NumericBox* box) {
  for (StateBoxes* s : {&env_, &spa_}) {
    if (box == s->db) {
      if (s->given == Given::None) {
        chooseGiven(*s, Given::RH, true);
      } else {
        NumericBox* in = s->given == Given::RH ? s->rh : s->wb;
        in->setFocus();
      }
      return;
    }
    if (box == s->wb || box == s->rh) {
      if (!box->isEmptyText()) focusAfterState(*s);
      return;
    }
  }
  if (box == sens_) {
    lat_->setFocus();
  } else if (box == lat_) {
    if (amount_->isEnabled())
      amount_->setFocus();
    else if (cboPerC_->isEnabled())
      cboPerC_->setFocus();
    else
      cmdAeriton_->setFocus();
  } else if (box == amount_) {
    cmdAeriton_->setFocus();
  }
}

bool FrmPsyDat::handleScreenKey(QKeyEvent* event) {
  if (event->key() == Qt::Key_F2 &&
      (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
    if (recentFilesHook()) recentFilesHook()(this);
    event->accept();
    return true;
  }
  return false;
}

bool FrmPsyDat::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && handleScreenKey(static_cast<QKeyEvent*>(event)))
    return true;
  return QDialog::eventFilter(watched, event);
}

void FrmPsyDat::keyPressEvent(QKeyEvent* event) {
  if (handleScreenKey(event)) return;
  // Escape does not close the data screen: it stays open for the whole run and
  // is left only through its exit button.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void FrmPsyDat::closeEvent(QCloseEvent* event) {
  if (shell::closeDataScreen(this, event, exitAskPending_)) QDialog::closeEvent(event);
}

void FrmPsyDat::reject() {
  // Closing the screen (its frame, or the shell after the exit-or-change
  // request) leaves no temporary files behind.
  removeTemporaryFiles();
  QDialog::reject();
}

// ---- reading the screen -------------------------------------------------------------------

SummerEntry FrmPsyDat::entry() const {
  SummerEntry e;
  e.unitIndex = unitIndex_;
  auto read = [](const StateBoxes& s) {
    StateEntry st;
    st.db = boxValue(s.db);
    st.wb = boxValue(s.wb);
    st.wbPending = isPending(s.wb);
    st.rh = boxValue(s.rh);
    st.rhPending = isPending(s.rh);
    return st;
  };
  e.outdoor = read(env_);
  e.room = read(spa_);
  e.sens = boxValue(sens_);
  e.lat = boxValue(lat_);
  e.kindIndex = cboKind_->currentIndex();
  e.amountMode = optAmount_->isChecked();
  e.amount = boxValue(amount_);
  e.perCent = cboPerC_->currentIndex() < 0 ? 0 : cboPerC_->currentIndex() + kPerCentMin;
  e.title = lblThema_->text().trimmed();
  return e;
}

FrmPsyDat::StateBoxes& FrmPsyDat::stateOf(Field f) {
  return (f == Field::SpaDB || f == Field::SpaWB || f == Field::SpaRH) ? spa_ : env_;
}

void FrmPsyDat::focusField(Field f) {
  const QString name = fieldControlName(f);
  if (name.isEmpty()) return;
  QWidget* w = findChild<QWidget*>(name);
  if (!w) return;
  if (auto* box = qobject_cast<NumericBox*>(w); box && box->isReadOnly()) {
    // A computed box cannot take the entry: the given value of its state can.
    StateBoxes& s = stateOf(f);
    if (s.wb == box || s.rh == box) {
      NumericBox* in = s.given == Given::WB ? s.wb : s.rh;
      if (!in->isReadOnly()) in->setFocus();
    }
    return;
  }
  if (w->isEnabled()) w->setFocus();
}

// A range refusal empties the offending box with the wet bulb and the absolute
// humidity of its state.
void FrmPsyDat::clearAfterRange(int code) {
  StateBoxes& s = (code == kOutdoorDBRange || code == kOutdoorRHRange) ? env_ : spa_;
  NumericBox* offending = (code == kOutdoorDBRange || code == kRoomDBRange) ? s.db : s.rh;
  offending->clear();
  s.wb->clear();
  s.ah->clear();
  s.hasGrains = false;
  // A humidity computed from the wet bulb just emptied would be stale.
  if (s.given == Given::WB && offending != s.rh) s.rh->setText(pendingText());
}

bool FrmPsyDat::showPS(int code) {
  study().MessageCode = static_cast<int16_t>(code);
  showMessage(messagesPS(code, UnitPair{study().MetricCode, study().EnglishCode}));
  study().MessageCode = 0;
  study().UserAnswer.clear();
  return false;
}

// ---- the calculate button ---------------------------------------------------------------

void FrmPsyDat::CmdAeriton_Click() {
  if (busy_) return;
  // A box still being edited is completed first (the button may be pressed
  // from the keyboard without the box losing the focus).
  for (StateBoxes* s : {&env_, &spa_}) {
    for (NumericBox* b : {s->db, s->wb, s->rh}) {
      if (b->hasFocus()) {
        b->reformat();
        boxLeft(*s, b);
      }
    }
  }
  if (sens_->hasFocus() || lat_->hasFocus()) {
    NumericBox* b = sens_->hasFocus() ? sens_ : lat_;
    b->reformat();
    storeLoad(b);
  }
  if (amount_->hasFocus()) {
    amount_->reformat();
    storeAmount();
  }

  // The unit of a raised supply temperature is that of the study it was
  // computed in, before the checks set the pair of this run.
  const bool raisedMetric = study().MetricCode != 0;
  SummerEntry e = entry();
  const UnitPair pair = validationUnits(e.unitIndex);
  study().MetricCode = pair.metric;
  study().EnglishCode = pair.english;

  // 1. Design ranges.
  CheckResult r = CheckForLimits(e);
  if (!r.ok()) {
    showPS(r.code);
    if (clearsState(r.code)) {
      clearAfterRange(r.code);
      focusField(r.field);
    }
    return;
  }

  // 2. A raised supply temperature of an earlier calculation.
  raiseKept_ = false;
  if (hasRaisedSupplyTemperature(study())) {
    const float t = study().CoilOutChange[0];
    study().MessageCode = kRaisedSupplyQuestion;
    showMessage(messagesPS(kRaisedSupplyQuestion, pair, t, raisedMetric));
    const QString answer = study().UserAnswer;
    study().MessageCode = 0;
    study().UserAnswer.clear();
    if (answer == QLatin1String("YES")) {
      raiseKept_ = true;
      keptRaise_ = study().CoilOutChange;
    } else {
      study().CoilOutChange[0] = kNotComputed;
      if (answer != QLatin1String("NO")) return;  // CANCEL: nothing is calculated
    }
  }

  // 3. Results of the previous run cleared; the title as shown.
  ZeroVariables(study());
  e.title = lblThema_->text().trimmed();

  // 4. Plausibility of every field.
  r = CheckPSValues(e);
  if (r.ok()) r = CheckStatesComplete(e);
  if (!r.ok()) {
    showPS(r.code);
    focusField(r.field);
    return;
  }

  // 5. and 6. Loads and fresh air.
  r = CheckLoadsAndFreshAir(e);
  if (!r.ok()) {
    study().MessageCode = static_cast<int16_t>(r.code);
    showMessage(psMessage(r.code));
    study().MessageCode = 0;
    focusField(r.field);
    return;
  }

  // 7. A study needs its title.
  if (e.title.isEmpty()) {
    showMessage(missingTitleMessage());
    CmdThema_Click();
    return;
  }

  // 8. The waiting notice and the calculation.
  busy_ = true;
  txtWait_->setVisible(true);
  txtWait_->repaint();
  runAndShowResults(e, raisedMetric);
  txtWait_->setVisible(false);
  busy_ = false;
}

void FrmPsyDat::runAndShowResults(const SummerEntry& e, bool raisedMetric) {
  SummerRunInput in;
  in.envDB = e.outdoor.db;
  in.envWB = e.outdoor.wb;
  in.envRH = e.outdoor.rh;
  in.spaDB = e.room.db;
  in.spaWB = e.room.wb;
  in.spaRH = e.room.rh;
  // Loads exactly as kept for the unit in force (not re-read from the rounded
  // text of the box).
  const LoadUnit unit = unitEntry(e.unitIndex).load;
  in.sensible = kindControls(e.kindIndex).loadsUsed ? sensSet_.in(unit) : 0.0;
  in.latent = kindControls(e.kindIndex).loadsUsed ? latSet_.in(unit) : 0.0;
  in.loadUnit = unitEntry(e.unitIndex).code;
  in.kindIndex = e.kindIndex;
  in.perCentMode = e.kindIndex == kKindMixing && !e.amountMode;
  in.amount = e.amount;
  in.perCent = static_cast<float>(e.perCent);

  const RunOutcome out = summer::runCalculation(in, study(), askThroughMessages());
  txtWait_->setVisible(false);
  if (!out.ok()) {
    if (!out.message.text.isEmpty()) {
      study().MessageCode = static_cast<int16_t>(out.message.code);
      showMessage(out.message);
      study().MessageCode = 0;
      study().UserAnswer.clear();
    }
    if (out.code == kFreshAirExcessive) ZeroVariables(study());
    return;
  }
  if (raiseKept_ && !out.heating) reapplyRaise(raisedMetric);

#ifdef AERITON_HAVE_RESULTS_SCREEN
  FrmPSRes results(this);
  if (results.exec() == FrmPSRes::kEndRequested) {
    shell::setDataScreenExit(shell::DataScreenExit::Exit);
    removeTemporaryFiles();
    QDialog::reject();
  }
#endif
}

// The raised supply temperature kept by "YES" is applied to the new results as
// the results screen would apply it, when it still makes sense for them.
void FrmPsyDat::reapplyRaise(bool raisedMetric) {
  StudyState& s = study();
  const bool metricNow = s.MetricCode != 0;
  float T = keptRaise_[0];
  if (raisedMetric != metricNow) T = metricNow ? fahrenheitToCelsius(T) : celsiusToFahrenheit(T);
  const bool reheat = s.DB_S != kNotComputed && s.DB_S != 0.0f;
  const float outlet = reheat ? s.DB_S : s.DB_T;
  if (checkRaise(T, s.SpaDB, outlet, metricNow) != RaiseCheck::Accepted) return;
  if (!writeFileAtomically(appfolder::path(QStringLiteral("PSY_VEE.TMP")), raiseRequestBytes(T)))
    return;
  const RaiseOutcome r = MakeNewCalc(s);
  if (r.ok) s.CoilOutChange = r.record;
}

// ---- the other buttons --------------------------------------------------------------------

void FrmPsyDat::CmdThema_Click() {
  shell::openStudyTitleWindow(this);
  lblThema_->setText(study().Title.trimmed());
}

void FrmPsyDat::CmdPSOpen_Click() {
  if (openStudyHook()) openStudyHook()(this);
}

void FrmPsyDat::CmdManual_Click() {
  shell::openManual();
}

void FrmPsyDat::SSCommand3_Click() {
  shell::exitOrChangeRequest(this);
}

// ---- a study read from a file -----------------------------------------------------------------

void FrmPsyDat::showStudy() {
  const StudyState& st = study();
  activated_ = true;  // the study fills the fields instead of the first entry
  int unit = unitIndexOfCode(st.LoadUnit);
  if (unit < 0) unit = 1;  // kcal/h
  cboUnits_->setCurrentIndex(unit);
  unitIndex_ = unit;
  applyUnitEntry(unit);
  study().setLoadUnit(unitEntry(unit).code);
  study().PrevLoadUnit = unitEntry(unit).code;

  int kind = kindIndexOfCode(st.KindCode);
  if (kind < 0) {
    kind = st.KindRecirc  ? kKindRecirc
           : st.KindFresh ? (st.FreshLoads == 1 ? kKindFreshNoLoads : kKindFreshLoads)
                          : kKindMixing;
  }
  cboKind_->setCurrentIndex(kind);
  const bool perCent = st.FreshMode == QLatin1String("P") && kind == kKindMixing;
  (perCent ? optPerCent_ : optAmount_)->setChecked(true);
  CboKind_Click(kind);

  const bool f = unitEntry(unit).fahrenheit;
  auto fill = [&](StateBoxes& s, float db, float wb, float rh) {
    s.given = Given::RH;
    setComputedLook(s.db, false);
    setComputedLook(s.rh, false);
    setComputedLook(s.wb, true);
    s.db->setText(FormatNumber(db, kTempFormat));
    s.rh->setText(FormatNumber(rh, kTempFormat));
    completeState(s);
    // The file's own wet bulb is shown, not a recomputed one.
    s.wb->setText(FormatNumber(wb, kTempFormat));
  };
  fill(env_, st.EnvDB, st.EnvWB, st.EnvRH);
  fill(spa_, st.SpaDB, st.SpaWB, st.SpaRH);

  // Loads: kcal/h in a metric study file, Btu/h in an English one.
  const LoadUnit fileUnit = st.MetricCode == 0 ? LoadUnit::Btu : LoadUnit::Kcal;
  if (kind != kKindFreshNoLoads) {
    sensSet_ = LoadSet::fromValue(st.SensLoad, fileUnit);
    latSet_ = LoadSet::fromValue(st.LatLoad, fileUnit);
    const LoadUnit u = unitEntry(unit).load;
    sens_->setText(FormatNumber(sensSet_.in(u), kLoadFormat));
    lat_->setText(FormatNumber(latSet_.in(u), kLoadFormat));
  }
  if (!perCent && st.FreshAmount > 0) {
    freshSet_ = FreshAirSet::fromValue(st.FreshAmount, f);
    amount_->setText(FormatNumber(freshSet_.in(f), QStringLiteral("#,#00.0")));
  } else {
    amount_->clear();
    freshSet_ = FreshAirSet();
  }
  const int pc = static_cast<int>(std::lround(st.FreshPerCent));
  cboPerC_->setCurrentIndex(perCent && pc >= kPerCentMin && pc <= kPerCentMax ? pc - kPerCentMin
                                                                              : -1);
  lblThema_->setText(st.Title.trimmed());
}

}  // namespace aeriton::summer
