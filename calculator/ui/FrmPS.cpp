#include "calculator/ui/FrmPS.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <iterator>

#include "calculator/PsFile.h"
#include "calculator/PsMessages.h"
#include "calculator/PsWorkbook.h"
#include "engine/ui/NumericBox.h"
#include "register/Designer.h"
#include "register/ui/DesignerRegister.h"
#include "reports/ui/WorkbookRunner.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/MessageService.h"
#include "study/StudyState.h"
#include "study/ui/QtMessageService.h"
#include "study/ui/Style.h"

namespace aeriton::calculator {
namespace {

const QString kValueFormat = QStringLiteral("#,##0.00");

FrmPS::FileChooser& fileChooser() {
  static FrmPS::FileChooser chooser;
  return chooser;
}

FrmPS::WorkbookRunner& workbookRunner() {
  static FrmPS::WorkbookRunner runner = reports::runWorkbook;
  return runner;
}

QString standardDialog(QWidget* parent, const FrmPS::FileRequest& r) {
  QFileDialog dialog(parent, r.caption, r.folder, r.filter);
  dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(r.suffix);
  if (!r.proposed.isEmpty()) dialog.selectFile(r.proposed);
  if (dialog.exec() != QDialog::Accepted) return QString();
  return dialog.selectedFiles().value(0);
}

NumericBox* makeBox(QWidget* parent, int index) {
  auto* b = new NumericBox(parent);
  b->setObjectName(boxName(index));
  b->setFormat(kValueFormat);
  b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  b->setFixedWidth(style::kBoxWidth);
  return b;
}

// Wide enough for the longest caption of either system, so that a change of
// units never moves the columns.
QLabel* makeUnit(QWidget* parent, const char* name) {
  return style::unitLabel(parent, name,
                          {QStringLiteral("Grains/Lib"), QStringLiteral("Kcal/Kg"),
                           QStringLiteral("Btu/Lib"), QStringLiteral("Kcal/h")});
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QLatin1String(name));
  b->setAutoDefault(false);
  return b;
}

bool isWetBulb(int box) {
  return box == kTWBin || box == kTWBout;
}

// The proposed workbook name: the ".psy" file's name without its extension
// (none when there is no file, or its name has no extension).
QString proposedWorkbookName(const QString& psyPath) {
  if (psyPath.isEmpty()) return QString();
  const QFileInfo info(psyPath);
  if (info.suffix().isEmpty()) return QString();
  return info.completeBaseName();
}

QString withSuffix(const QString& path, const QString& suffix) {
  if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
  return path + QLatin1Char('.') + suffix;
}

}  // namespace

void FrmPS::setFileChooser(FileChooser chooser) {
  fileChooser() = std::move(chooser);
}

void FrmPS::setWorkbookRunner(WorkbookRunner runner) {
  workbookRunner() = runner ? std::move(runner) : WorkbookRunner(reports::runWorkbook);
}

FrmPS::FrmPS(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmPS"));
  setWindowTitle(QStringLiteral("ΣΤΟΙΧΕΙΩΔΗΣ ΨΥΧΡΟΜΕΤΡΙΚΗ ΜΕΤΑΒΟΛΗ"));
  buildLayout();
  wireBoxes();
  newStudy(form_);
  push();
  box(kFlow)->setFocus();
  centreWindow(this);
  style::fixSizeOnShow(this);
}

FrmPS::~FrmPS() = default;

// ---- layout ---------------------------------------------------------------------------------

void FrmPS::buildLayout() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(style::kMargin, style::kMargin, style::kMargin, style::kMargin);
  root->setSpacing(style::kSpacing);
  QList<QWidget*> captions;
  auto caption = [&captions](QWidget* parent, const QString& text) {
    QLabel* l = style::caption(text, parent);
    captions << l;
    return l;
  };

  // Study title and designer. The title label and its box share one place: a
  // click on the label opens the box.
  auto* titleBox = style::section(QStringLiteral(" ΘΕΜΑ-ΤΙΤΛΟΣ ΤΗΣ ΜΕΛΕΤΗΣ "), this, "FraThema");
  auto* titleRow = style::sectionGrid(titleBox);
  lblThema_ = new style::TitleLabel(titleBox);
  lblThema_->setObjectName(QStringLiteral("LblThema"));
  lblThema_->setToolTip(QStringLiteral("Πατήστε για να γράψετε το Θέμα της Μελέτης"));
  lblThema_->installEventFilter(this);
  txtThema_ = new QLineEdit(titleBox);
  txtThema_->setObjectName(QStringLiteral("TxtThema"));
  txtThema_->hide();
  txtThema_->installEventFilter(this);
  auto* cmdClient = makeButton(titleBox, "Cmd_Client", QString());
  style::setMnemonic(cmdClient, QStringLiteral(" Μελετητής "), QChar(u'Μ'));
  cmdClient->setToolTip(QStringLiteral("Μητρώο Μελετητών: ο Μελετητής που τυπώνεται"));
  titleRow->addWidget(lblThema_, 0, 0);
  titleRow->addWidget(txtThema_, 0, 0);
  titleRow->addWidget(cmdClient, 0, 1);
  titleRow->setColumnStretch(0, 1);
  root->addWidget(titleBox);

  // Units and air flow.
  auto* unitsBox =
      style::section(QStringLiteral(" ΣΥΣΤΗΜΑ ΜΟΝΑΔΩΝ - ΠΑΡΟΧΗ ΑΕΡΑ "), this, "FraUnits");
  auto* ug = style::sectionGrid(unitsBox);
  optMetric_ = new QRadioButton(QStringLiteral("Μετρικό Σύστημα"), unitsBox);
  optMetric_->setObjectName(QStringLiteral("OptMetric"));
  optEnglish_ = new QRadioButton(QStringLiteral("Αγγλοσαξονικό Σύστημα"), unitsBox);
  optEnglish_->setObjectName(QStringLiteral("OptEnglish"));
  auto* group = new QButtonGroup(this);
  group->addButton(optMetric_);
  group->addButton(optEnglish_);
  auto* options = new QHBoxLayout;
  options->setSpacing(16);
  options->addWidget(optMetric_);
  options->addWidget(optEnglish_);
  options->addStretch(1);
  ug->addWidget(caption(unitsBox, QStringLiteral("ΣΥΣΤΗΜΑ ΜΟΝΑΔΩΝ")), 0, 0);
  ug->addLayout(options, 0, 1, 1, 3);
  boxes_[kFlow] = makeBox(unitsBox, kFlow);
  lblUNFlow_ = makeUnit(unitsBox, "LblUNFlow");
  ug->addWidget(caption(unitsBox, QStringLiteral("ΠΑΡΟΧΗ ΑΕΡΑ..................................")),
                1, 0);
  ug->addWidget(boxes_[kFlow], 1, 1);
  ug->addWidget(lblUNFlow_, 1, 2);
  ug->setColumnStretch(3, 1);
  root->addWidget(unitsBox);

  // The two states, one under the other, as on the data screens.
  QList<QPushButton*> stateButtons;
  auto makeState = [&](const QString& title, bool inlet) {
    const int db = inlet ? kTDBin : kTDBout;
    auto* group = style::section(title, this, inlet ? "FraInlet" : "FraOutlet");
    auto* g = style::sectionGrid(group);
    for (int i = 0; i < 5; ++i) boxes_[db + i] = makeBox(group, db + i);
    QLabel*& dbUnit = lblTemp_[inlet ? 0 : 2];
    QLabel*& wbUnit = lblTemp_[inlet ? 1 : 3];
    dbUnit = makeUnit(group, inlet ? "LblUNTDBin" : "LblUNTDBout");
    wbUnit = makeUnit(group, inlet ? "LblUNTWBin" : "LblUNTWBout");
    QLabel* wUnit = makeUnit(group, inlet ? "LblUNWin" : "LblUNWout");
    QLabel* hUnit = makeUnit(group, inlet ? "LblUNHin" : "LblUNHout");
    (inlet ? lblUNWin_ : lblUNWout_) = wUnit;
    (inlet ? lblUNHin_ : lblUNHout_) = hUnit;
    // The same captions as the data screens' buttons that choose the given value.
    QPushButton* cmdWB =
        makeButton(group, inlet ? "CmdWBin" : "CmdWBout",
                   QStringLiteral(" Καθορισμός της Θερμοκρασίας Υγρού Θερμομέτρου "));
    QPushButton* cmdRH = makeButton(group, inlet ? "CmdRHin" : "CmdRHout",
                                    QStringLiteral(" Καθορισμός της Σχετικής Υγρασίας "));
    QPushButton* cmdCH = makeButton(group, inlet ? "CmdCH1" : "CmdCH2", toKJButtonText());
    // Hidden on English screens without moving the columns.
    style::keepSpaceWhenHidden(cmdCH);
    (inlet ? cmdWBin_ : cmdWBout_) = cmdWB;
    (inlet ? cmdRHin_ : cmdRHout_) = cmdRH;
    (inlet ? cmdCH1_ : cmdCH2_) = cmdCH;
    stateButtons << cmdWB << cmdRH << cmdCH;
    auto* rhUnit = makeUnit(group, nullptr);
    rhUnit->setText(QStringLiteral("%"));
    const QString captionTexts[5] = {
        QStringLiteral("ΘΕΡΜΟΚΡΑΣΙΑ ΞΗΡΟΥ ΘΕΡΜΟΜΕΤΡΟΥ (Ξ.Θ.)..........."),
        QStringLiteral("ΘΕΡΜΟΚΡΑΣΙΑ ΥΓΡΟΥ ΘΕΡΜΟΜΕΤΡΟΥ (Υ.Θ.)..........."),
        QStringLiteral("ΣΧΕΤΙΚΗ ΥΓΡΑΣΙΑ (Σ.Υ.)..........................................."),
        QStringLiteral("ΑΠΟΛΥΤΗ ΥΓΡΑΣΙΑ................................................."),
        QStringLiteral("ΕΝΘΑΛΠΙΑ............................................................")};
    QLabel* units[5] = {dbUnit, wbUnit, rhUnit, wUnit, hUnit};
    QPushButton* actions[5] = {nullptr, cmdWB, cmdRH, nullptr, cmdCH};
    for (int i = 0; i < 5; ++i) {
      g->addWidget(caption(group, captionTexts[i]), i, 0);
      g->addWidget(boxes_[db + i], i, 1);
      g->addWidget(units[i], i, 2);
      if (actions[i]) g->addWidget(actions[i], i, 3, Qt::AlignLeft);
    }
    g->setColumnStretch(3, 1);
    return group;
  };
  root->addWidget(makeState(QStringLiteral(" ΚΑΤΑΣΤΑΣΗ ΕΙΣΟΔΟΥ ΤΟΥ ΑΕΡΑ "), true));
  root->addWidget(makeState(QStringLiteral(" ΚΑΤΑΣΤΑΣΗ ΕΞΟΔΟΥ ΤΟΥ ΑΕΡΑ "), false));
  style::equalButtons(stateButtons, false);

  // Loads.
  auto* loadsBox = style::section(QStringLiteral(" ΦΟΡΤΙΑ ΤΗΣ ΜΕΤΑΒΟΛΗΣ "), this, "FraLoads");
  auto* lg = style::sectionGrid(loadsBox);
  boxes_[kSens] = makeBox(loadsBox, kSens);
  boxes_[kLat] = makeBox(loadsBox, kLat);
  lblUNsens_ = makeUnit(loadsBox, "LblUNsens");
  lblUNlat_ = makeUnit(loadsBox, "LblUNlat");
  lg->addWidget(
      caption(loadsBox, QStringLiteral("ΑΙΣΘΗΤΟ ΦΟΡΤΙΟ.......................................")), 0,
      0);
  lg->addWidget(boxes_[kSens], 0, 1);
  lg->addWidget(lblUNsens_, 0, 2);
  lg->addWidget(
      caption(loadsBox, QStringLiteral("ΛΑΝΘΑΝΟΝ ΦΟΡΤΙΟ.....................................")), 1,
      0);
  lg->addWidget(boxes_[kLat], 1, 1);
  lg->addWidget(lblUNlat_, 1, 2);
  cmdKcalH_ = makeButton(loadsBox, "CmdKcalH", QStringLiteral("Kcal/h"));
  cmdWatts_ = makeButton(loadsBox, "CmdWatts", QStringLiteral("Watts"));
  cmdKWatts_ = makeButton(loadsBox, "CmdKWatts", QStringLiteral("Kw"));
  style::equalButtons({cmdKcalH_, cmdWatts_, cmdKWatts_}, false);
  auto* unitButtons = new QHBoxLayout;
  unitButtons->addWidget(new QLabel(QStringLiteral("Φορτία σε :"), loadsBox));
  unitButtons->addWidget(cmdKcalH_);
  unitButtons->addWidget(cmdWatts_);
  unitButtons->addWidget(cmdKWatts_);
  unitButtons->addStretch(1);
  lg->addLayout(unitButtons, 0, 3);
  auto* legend = new QHBoxLayout;
  auto* cooling = new QLabel(QStringLiteral(" Ψύξη / Αφύγρανση "), loadsBox);
  style::setRole(cooling, style::Role::Cooling);
  auto* heating = new QLabel(QStringLiteral(" Θέρμανση / Ύγρανση "), loadsBox);
  style::setRole(heating, style::Role::Heating);
  legend->addWidget(cooling);
  legend->addWidget(heating);
  legend->addStretch(1);
  lg->addLayout(legend, 1, 3);
  lg->setColumnStretch(3, 1);
  root->addWidget(loadsBox);

  style::alignCaptions(captions);

  // Buttons: the calculation on a row of its own, the others in one row below.
  cmdCalc_ = makeButton(this, "CmdCalc", QString());
  style::setMnemonic(cmdCalc_, QStringLiteral("Υπολογισμός"), QChar(u'Υ'));
  style::setRole(cmdCalc_, style::Role::Primary);
  cmdCalc_->setMinimumHeight(style::kButtonHeight + 4);
  // Enter on the calculate button presses it.
  cmdCalc_->setAutoDefault(true);
  root->addSpacing(style::kSpacing);
  root->addWidget(cmdCalc_);
  auto* fileRow = new QHBoxLayout;
  fileRow->setSpacing(style::kSpacing);
  struct B {
    const char* name;
    const char* text;
    char16_t mnemonic;
  };
  const B fileButtons[] = {{"CmdNew", "Νέα Μελέτη", u'Ν'},
                           {"CmdOpen", "Άνοιγμα Αρχείου", u'Ά'},
                           {"CmdSave", "Αποθήκευση", u'θ'},
                           {"CmdXL", "Αρχείο Excel", u'x'},
                           {"CmdPreview", "Προεπισκόπηση", u'Π'},
                           {"CmdPrint", "Εκτύπωση", u'κ'},
                           {"CmdExit", "ΕΞΟΔΟΣ", u'Ε'}};
  QList<QPushButton*> row;
  for (const B& b : fileButtons) {
    auto* button = makeButton(this, b.name, QString());
    style::setMnemonic(button, QString::fromUtf8(b.text), QChar(b.mnemonic));
    fileRow->addWidget(button, 1);
    row << button;
  }
  style::equalButtons(row);
  root->addLayout(fileRow);

  connect(cmdClient, &QPushButton::clicked, this, &FrmPS::Cmd_Client_Click);
  connect(cmdCalc_, &QPushButton::clicked, this, &FrmPS::CmdCalc_Click);
  connect(cmdWBin_, &QPushButton::clicked, this, &FrmPS::CmdWBin_Click);
  connect(cmdRHin_, &QPushButton::clicked, this, &FrmPS::CmdRHin_Click);
  connect(cmdWBout_, &QPushButton::clicked, this, &FrmPS::CmdWBout_Click);
  connect(cmdRHout_, &QPushButton::clicked, this, &FrmPS::CmdRHout_Click);
  connect(cmdCH1_, &QPushButton::clicked, this, &FrmPS::CmdCH1_Click);
  connect(cmdCH2_, &QPushButton::clicked, this, &FrmPS::CmdCH2_Click);
  connect(cmdKcalH_, &QPushButton::clicked, this, &FrmPS::CmdKcalH_Click);
  connect(cmdWatts_, &QPushButton::clicked, this, &FrmPS::CmdWatts_Click);
  connect(cmdKWatts_, &QPushButton::clicked, this, &FrmPS::CmdKWatts_Click);
  connect(optMetric_, &QRadioButton::toggled, this, [this](bool on) {
    if (on && !pushing_) OptMetric_Click();
  });
  connect(optEnglish_, &QRadioButton::toggled, this, [this](bool on) {
    if (on && !pushing_) OptEnglish_Click();
  });
  auto button = [this](const char* name) { return findChild<QPushButton*>(QLatin1String(name)); };
  connect(button("CmdNew"), &QPushButton::clicked, this, &FrmPS::CmdNew_Click);
  connect(button("CmdOpen"), &QPushButton::clicked, this, &FrmPS::CmdOpen_Click);
  connect(button("CmdSave"), &QPushButton::clicked, this, &FrmPS::CmdSave_Click);
  connect(button("CmdXL"), &QPushButton::clicked, this, &FrmPS::CmdXL_Click);
  connect(button("CmdPreview"), &QPushButton::clicked, this, &FrmPS::CmdPreview_Click);
  connect(button("CmdPrint"), &QPushButton::clicked, this, &FrmPS::CmdPrint_Click);
  connect(button("CmdExit"), &QPushButton::clicked, this, &QDialog::accept);

  // Tab order: flow, the inlet state, the outlet state, the calculate button.
  QWidget* order[] = {boxes_[kFlow],  boxes_[kTDBin], boxes_[kTWBin],  boxes_[kRHin],
                      cmdWBin_,       cmdRHin_,       boxes_[kTDBout], boxes_[kTWBout],
                      boxes_[kRHout], cmdWBout_,      cmdRHout_,       cmdCalc_};
  for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void FrmPS::wireBoxes() {
  // The computed boxes never take the focus.
  for (int b : {kWin, kHin, kWout, kHout, kSens, kLat}) {
    box(b)->setReadOnly(true);
    box(b)->setAcceptKeys(false);
    box(b)->setFocusPolicy(Qt::NoFocus);
  }
  for (int b : {kFlow, kTDBin, kTWBin, kRHin, kTDBout, kTWBout, kRHout}) {
    connect(box(b), &NumericBox::editingLeft, this, [this, b] { boxLeft(b); });
    connect(box(b), &NumericBox::enterPressed, this, [this, b] { enterFrom(b); });
  }
}

// ---- form <-> screen ------------------------------------------------------------------------

void FrmPS::pull() {
  for (int b = 1; b <= kBoxCount; ++b) form_.text[b] = box(b)->text();
}

void FrmPS::push() {
  pushing_ = true;
  for (int b = 1; b <= kBoxCount; ++b) {
    NumericBox* nb = box(b);
    if (nb->text() != form_.text[b]) nb->setText(form_.text[b]);
  }
  for (int b : {kTWBin, kRHin, kTWBout, kRHout}) {
    NumericBox* nb = box(b);
    const bool computed = isComputedBox(form_, b);
    nb->setReadOnly(computed);
    nb->setAcceptKeys(!computed);
    nb->setFocusPolicy(computed ? Qt::NoFocus : Qt::StrongFocus);
    style::setRole(nb, computed ? style::Role::Computed : style::Role::Entry);
  }
  for (int b : {kWin, kHin, kWout, kHout}) style::setRole(box(b), style::Role::Computed);
  // A load taken out of the air (&HFFFF80), one put into it (&H8080FF).
  auto loadRole = [](LoadColour c) {
    return c == LoadColour::Cooling   ? style::Role::Cooling
           : c == LoadColour::Heating ? style::Role::Heating
                                      : style::Role::Computed;
  };
  style::setRole(box(kSens), loadRole(form_.sensColour));
  style::setRole(box(kLat), loadRole(form_.latColour));

  lblUNFlow_->setText(flowCaption(form_));
  for (QLabel* l : lblTemp_) l->setText(temperatureCaption(form_));
  lblUNWin_->setText(humidityCaption(form_));
  lblUNWout_->setText(humidityCaption(form_));
  lblUNHin_->setText(form_.enthalpyCaption);
  lblUNHout_->setText(form_.enthalpyCaption);
  lblUNsens_->setText(form_.loadCaption);
  lblUNlat_->setText(form_.loadCaption);
  for (QPushButton* b : {cmdCH1_, cmdCH2_}) {
    b->setVisible(form_.metric);
    b->setText(enthalpyButtonText(form_));
  }
  for (QPushButton* b : {cmdKcalH_, cmdWatts_, cmdKWatts_}) b->setEnabled(form_.metric);
  optMetric_->setChecked(form_.metric);
  optEnglish_->setChecked(!form_.metric);
  if (txtThema_->isHidden())
    lblThema_->setText(form_.title.isEmpty() ? titlePlaceholder() : form_.title);
  pushing_ = false;
}

void FrmPS::showMessageFocus(int code, int focusBox) {
  showMessage(code == kCodeCalcsDone ? calcsDoneMessage() : messagesLC(code));
  if (focusBox <= 0) return;
  // A state without its humidity: the focus goes to the box that takes it,
  // or to the choice of property while none is chosen.
  if (focusBox == kRHin || focusBox == kRHout) {
    const int wb = focusBox - 1;
    if (isEntryBox(form_, wb))
      focusBox = wb;
    else if (!isEntryBox(form_, focusBox)) {
      (focusBox == kRHin ? cmdRHin_ : cmdRHout_)->setFocus();
      return;
    }
  }
  box(focusBox)->setFocus();
}

// ---- boxes ----------------------------------------------------------------------------------

void FrmPS::boxLeft(int b) {
  if (pushing_) return;
  lastField_ = b;
  NumericBox* nb = box(b);
  if (nb->changedSinceFocus()) {
    pull();
    invalidate(form_);
    push();
  }
  // A wet bulb that is the given property cannot be left empty. The focus
  // goes back unless it is on its way to another entry of the same kind
  // (two empty wet bulbs would hand it to and fro).
  if (isWetBulb(b) && isEntryBox(form_, b) && nb->isEmptyText() && !refocusing_ && isVisible()) {
    QWidget* next = QApplication::focusWidget();
    const bool toOtherWetBulb = next == box(b == kTWBin ? kTWBout : kTWBin);
    if (!toOtherWetBulb) {
      refocusing_ = true;
      nb->setFocus();
      refocusing_ = false;
    }
  }
}

void FrmPS::enterFrom(int b) {
  auto toState = [this](int db) {
    const int wb = db + 1, rh = db + 2;
    if (isComputedBox(form_, wb) && isComputedBox(form_, rh)) {
      // No property chosen yet: on to the next control (the choice buttons).
      box(db)->setFocus();
      focusNextChild();
    } else {
      box(isEntryBox(form_, wb) ? wb : rh)->setFocus();
    }
  };
  switch (b) {
    case kFlow:
      box(kTDBin)->setFocus();
      break;
    case kTDBin:
      toState(kTDBin);
      break;
    case kTDBout:
      toState(kTDBout);
      break;
    case kTWBin:
    case kRHin:
      box(kTDBout)->setFocus();
      break;
    case kTWBout:
    case kRHout:
      box(kTDBin)->setFocus();
      break;
    default:
      break;
  }
}

void FrmPS::chooseGiven(int entryBox) {
  pull();
  // The state's meaning changes: what was computed from it goes.
  invalidate(form_);
  if (entryBox == kTWBin || entryBox == kTWBout)
    chooseWetBulb(form_, entryBox == kTWBin);
  else
    chooseRelHumidity(form_, entryBox == kRHin);
  push();
  box(entryBox)->setFocus();
}

void FrmPS::CmdWBin_Click() {
  chooseGiven(kTWBin);
}
void FrmPS::CmdRHin_Click() {
  chooseGiven(kRHin);
}
void FrmPS::CmdWBout_Click() {
  chooseGiven(kTWBout);
}
void FrmPS::CmdRHout_Click() {
  chooseGiven(kRHout);
}

// ---- calculation and units ------------------------------------------------------------------

void FrmPS::CmdCalc_Click() {
  pull();
  const CalcOutcome out = calcButton(form_);
  switch (out.kind) {
    case CalcOutcome::AlreadyDone:
      showMessageFocus(kCodeCalcsDone, 0);
      return;
    case CalcOutcome::Missing:
      showMessageFocus(out.message, out.focus);
      return;
    case CalcOutcome::OutOfRange:
      showMessage(outOfRangeMessage(out.inlet, form_.metric));
      box(out.focus)->setFocus();
      return;
    case CalcOutcome::Done:
      break;
  }
  push();
}

void FrmPS::CmdKcalH_Click() {
  pull();
  showLoadUnit(form_, LoadUnit::Kcal);
  push();
}
void FrmPS::CmdWatts_Click() {
  pull();
  showLoadUnit(form_, LoadUnit::Watts);
  push();
}
void FrmPS::CmdKWatts_Click() {
  pull();
  showLoadUnit(form_, LoadUnit::KW);
  push();
}
void FrmPS::CmdCH1_Click() {
  pull();
  switchEnthalpyUnit(form_);
  push();
}
void FrmPS::CmdCH2_Click() {
  CmdCH1_Click();
}

void FrmPS::OptMetric_Click() {
  pull();
  switchUnits(form_, true);
  push();
}
void FrmPS::OptEnglish_Click() {
  pull();
  switchUnits(form_, false);
  push();
}

// ---- title ----------------------------------------------------------------------------------

bool FrmPS::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lblThema_ && event->type() == QEvent::MouseButtonPress) {
    beginTitleEdit();
    return true;
  }
  if (watched == txtThema_) {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        // Enter or Escape ends the title (and never closes the window).
        endTitleEdit();
        box(kFlow)->setFocus();
        return true;
      }
    } else if (event->type() == QEvent::FocusOut) {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) endTitleEdit();
    }
  }
  return QDialog::eventFilter(watched, event);
}

void FrmPS::keyPressEvent(QKeyEvent* event) {
  // Escape in a box would close the window and lose the calculation; the
  // window closes by its exit button or its title bar.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void FrmPS::beginTitleEdit() {
  txtThema_->setText(form_.title);
  lblThema_->hide();
  txtThema_->show();
  txtThema_->setFocus();
  txtThema_->selectAll();
}

void FrmPS::endTitleEdit() {
  if (txtThema_->isHidden()) return;
  QString t = txtThema_->text().trimmed();
  if (t == titlePlaceholder()) t.clear();
  form_.title = t;
  txtThema_->hide();
  lblThema_->show();
  lblThema_->setText(t.isEmpty() ? titlePlaceholder() : t);
}

// ---- new, save, open --------------------------------------------------------------------------

void FrmPS::CmdNew_Click() {
  showMessage(messagesLC(4));
  const bool yes = study().UserAnswer == QLatin1String("YES");
  study().UserAnswer.clear();
  if (!yes) return;
  endTitleEdit();
  newStudy(form_);
  psyFileName_.clear();
  push();
  box(kFlow)->setFocus();
}

bool FrmPS::LookIfSaveMakesSense() {
  endTitleEdit();
  pull();
  const int code = lookIfSaveMakesSense(form_);
  if (code == 0) return true;
  showMessage(messagesLC(code));
  if (code == 7) beginTitleEdit();
  return false;
}

QString FrmPS::chooseFile(const FileRequest& request) {
  QDir().mkpath(request.folder);
  const QString chosen =
      fileChooser() ? fileChooser()(this, request) : standardDialog(this, request);
  return withSuffix(chosen, request.suffix);
}

void FrmPS::CmdSave_Click() {
  if (!LookIfSaveMakesSense()) return;
  FileRequest r;
  r.save = true;
  r.caption = QStringLiteral("Αποθήκευση Αρχείου Ψυχρομετρικής Μεταβολής");
  r.folder = appendBackslash(appfolder::path(QLatin1String(kPsyFolder)));
  r.filter = QStringLiteral("Psychrometrics Files (*.psy)");
  r.suffix = QStringLiteral("psy");
  const QString path = chooseFile(r);
  if (path.isEmpty()) return;
  psyFileName_ = path;
  // SaveAsFile: the record written whole or not at all.
  const QByteArray bytes = psyFileBytes(saveAsFile(form_));
  push();
  QString error;
  if (!writeFileAtomically(path, bytes, &error))
    showMessage(fileUnwritableMessage(QFileInfo(path).fileName(), error));
}

void FrmPS::CmdOpen_Click() {
  FileRequest r;
  r.save = false;
  r.caption = QStringLiteral("Άνοιγμα Αρχείου Ψυχρομετρικής Μεταβολής");
  r.folder = appendBackslash(appfolder::path(QLatin1String(kPsyFolder)));
  r.filter = QStringLiteral("Psychrometrics Files (*.psy)");
  r.suffix = QStringLiteral("psy");
  const QString path = chooseFile(r);
  if (path.isEmpty()) return;
  OpenFile(path);
}

bool FrmPS::OpenFile(const QString& path) {
  const PsyReadResult read = readPsyFileAt(path);
  if (!read.ok) {
    showMessage(fileUnreadableMessage(QFileInfo(path).fileName(), read.reason));
    return false;
  }
  endTitleEdit();
  showPsyFile(read.file, form_);
  psyFileName_ = path;
  push();
  box(kFlow)->setFocus();
  return true;
}

// ---- printing and the workbook ---------------------------------------------------------------

void FrmPS::PrintData(reports::OutputMode mode, const reports::OutputOptions& options) {
  pull();
  const reports::CellMap cells = printCells(form_, designer::current());
  workbookRunner()(this, QLatin1String(kWorkbookTemplate), cells, mode, options);
}

void FrmPS::CmdPrint_Click() {
  pull();
  if (lookIfPrintMakesSense(form_) != 0) {
    showMessage(messagesLC(3));
    return;
  }
  PrintData(reports::OutputMode::Print, reports::OutputOptions());
}

void FrmPS::CmdPreview_Click() {
  pull();
  if (lookIfPrintMakesSense(form_) != 0) {
    showMessage(messagesLC(3));
    return;
  }
  PrintData(reports::OutputMode::Preview, reports::OutputOptions());
}

void FrmPS::CmdXL_Click() {
  if (!LookIfSaveMakesSense()) return;
  FileRequest r;
  r.save = true;
  r.caption = QStringLiteral("Αποθήκευση σε Αρχείο του Excel");
  r.folder = appendBackslash(appfolder::path(QLatin1String(kWorkbookFolder)));
  r.filter = QStringLiteral("Excel Files (*.xlsx)");
  r.suffix = QStringLiteral("xlsx");
  r.proposed = proposedWorkbookName(psyFileName_);
  const QString path = chooseFile(r);
  if (path.isEmpty()) return;
  if (isTemplateName(path)) {
    showMessage(messagesLC(6));
    return;
  }
  // The workbook component replaces an existing file of that name only once
  // the new one is written.
  reports::OutputOptions options;
  options.copies = 1;
  options.saveAs = path;
  PrintData(reports::OutputMode::Save, options);
}

void FrmPS::Cmd_Client_Click() {
  designer::openRegister(this);
}

void openCalculator(QWidget* parent) {
  FrmPS screen(parent);
  screen.exec();
}

}  // namespace aeriton::calculator
