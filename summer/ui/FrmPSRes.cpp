#include "summer/ui/FrmPSRes.h"

#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "engine/NumberEntry.h"
#include "reports/ui/FrmPSPrn.h"
#include "shell/ui/ShellApi.h"
#include "shell/ui/ShellMessages.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/MessageService.h"
#include "study/ui/QtMessageService.h"
#include "study/ui/Style.h"
#include "summer/Raise.h"
#include "summer/ResultsTexts.h"
#include "summer/SummerEntry.h"
#include "summer/SummerMessages.h"
#include "summer/ui/FrmPSVee.h"
#include "summer/ui/FrmPsFa.h"
#include "summer/ui/ResultsChart.h"

namespace aeriton::summer {
namespace {

QString u8(const char* t) {
  return QString::fromUtf8(t);
}

SaveStudyHandler& saveHandler() {
  static SaveStudyHandler handler;
  return handler;
}

DiagramHandler& diagramHandler() {
  static DiagramHandler handler;
  return handler;
}

// Captions of the outlet rows before any raise.
const char* const kCoilOutletCaptions[3] = {
    "ΘΕΡΜΟΚΡ. < Ξ.Θ. > ΤΟΥ ΑΕΡΑ, ΣΤΗΝ ΕΞΟΔΟ ΤΟΥ ΣΤΟΙΧΕΙΟΥ.............",
    "ΘΕΡΜΟΚΡ. < Υ.Θ. > ΤΟΥ ΑΕΡΑ, ΣΤΗΝ ΕΞΟΔΟ ΤΟΥ ΣΤΟΙΧΕΙΟΥ.............",
    "ΕΝΘΑΛΠΙΑ ΑΕΡΑ, ΣΤΗΝ ΕΞΟΔΟ ΤΟΥ ΣΤΟΙΧΕΙΟΥ...............................",
};
const char* const kAfterReheatCaptions[3] = {
    "ΘΕΡΜΟΚΡ. < Ξ.Θ. > ΤΟΥ ΑΕΡΑ, ΜΕΤΑ ΤΗΝ ΑΝΑΘΕΡΜΑΝΣΗ..................",
    "ΘΕΡΜΟΚΡ. < Υ.Θ. > ΤΟΥ ΑΕΡΑ, ΜΕΤΑ ΤΗΝ ΑΝΑΘΕΡΜΑΝΣΗ..................",
    "ΕΝΘΑΛΠΙΑ ΑΕΡΑ, ΜΕΤΑ ΤΗΝ ΑΝΑΘΕΡΜΑΝΣΗ..................................",
};
const char* const kSupplyCaptions[3] = {
    "ΘΕΡΜΟΚΡ. < Ξ.Θ. > ΤΟΥ ΑΕΡΑ ΤΡΟΦΟΔΟΣΙΑΣ ΤΩΝ ΧΩΡΩΝ.................",
    "ΘΕΡΜΟΚΡ. < Υ.Θ. > ΤΟΥ ΑΕΡΑ ΤΡΟΦΟΔΟΣΙΑΣ ΤΩΝ ΧΩΡΩΝ.................",
    "ΕΝΘΑΛΠΙΑ ΑΕΡΑ ΤΡΟΦΟΔΟΣΙΑΣ ΤΩΝ ΧΩΡΩΝ...................................",
};
const char* const kHeatingPowerCaption =
    "ΑΠΑΡΑΙΤΗΤΗ ΘΕΡΜΙΚΗ ΙΣΧΥΣ ΣΤΟ ΣΤΟΙΧΕΙΟ....................................................";
const char* const kHeatingGroupCaption = " Παροχή Αέρα και Θερμική Ισχύς Κλιματιστικής Μονάδας ";

// A small drawing of the cooling coil with the air passing through it.
QPixmap coilPicture() {
  QPixmap pm(120, 96);
  pm.fill(Qt::white);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 40), 1.5));
  p.setBrush(QColor(215, 230, 245));
  p.drawRect(42, 10, 36, 76);
  p.setPen(QPen(QColor(30, 90, 170), 1.2));
  for (int y = 16; y < 84; y += 7) p.drawLine(42, y, 78, y + 4);
  p.setPen(QPen(QColor(190, 40, 40), 2));
  for (int y : {30, 48, 66}) {
    p.drawLine(6, y, 36, y);
    p.drawLine(30, y - 4, 36, y);
    p.drawLine(30, y + 4, 36, y);
    p.drawLine(84, y, 114, y);
    p.drawLine(108, y - 4, 114, y);
    p.drawLine(108, y + 4, 114, y);
  }
  return pm;
}

QLineEdit* makeBox(QWidget* parent, ResultField f) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(controlName(f));
  box->setReadOnly(true);
  box->setAlignment(Qt::AlignRight);
  box->setFixedWidth(style::kBoxWidth);
  style::setRole(box, style::Role::Result);
  box->setFocusPolicy(Qt::ClickFocus);
  return box;
}

QLabel* makeLabel(QWidget* parent, const QString& text, const char* name = nullptr) {
  auto* l = new QLabel(text, parent);
  if (name) l->setObjectName(QString::fromLatin1(name));
  return l;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QChar mnemonic) {
  auto* b = new QPushButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  style::setMnemonic(b, text, mnemonic);
  return b;
}

// Every unit the screen can show beside a value: one column width for all.
QStringList allUnitTexts() {
  QStringList units;
  for (const char* t : {texts::kUnitKcalH, texts::kUnitWatts, texts::kUnitKw, texts::kUnitRT,
                        texts::kUnitBtuH, texts::kUnitM3h, texts::kUnitCfm, texts::kUnitC,
                        texts::kUnitF, texts::kUnitKcalKg, texts::kUnitKJKg, texts::kUnitBtuLb,
                        texts::kOAUnitM3h, texts::kOAUnitCfm, texts::kOAUnitPerCent})
    units << u8(t);
  units << QStringLiteral("[Kg/h]") << QStringLiteral("[Lb/h]");
  return units;
}

QLabel* unitLabel(QWidget* parent, const char* name) {
  return style::unitLabel(parent, name, allUnitTexts());
}

}  // namespace

void setSaveStudyHandler(SaveStudyHandler handler) {
  saveHandler() = std::move(handler);
}
bool saveStudyAvailable() {
  return static_cast<bool>(saveHandler());
}
bool saveStudy(QWidget* parent) {
  return saveHandler() ? saveHandler()(parent) : false;
}

void setDiagramHandler(DiagramHandler handler) {
  diagramHandler() = std::move(handler);
}

// ---- construction -------------------------------------------------------------

FrmPSRes::FrmPSRes(QWidget* parent) : QDialog(parent) {
  setObjectName("FrmPSRes");
  setModal(true);
  loadResults();
  buildUi();
  if (view_) {
    refreshRaiseOnLoad();
    applyCaptions();
    refresh();
  }
  // One caption column for both tabs, wide enough for the captions the rows
  // take later (after a raise, in a heating case); one width for the buttons.
  QStringList later;
  for (const char* t : {texts::kRaisedDBCaption, texts::kRaisedWBCaption, texts::kRaisedHCaption,
                        texts::kWinterTempC, texts::kWinterTempF, texts::kWinterFlowM3,
                        texts::kWinterFlowCfm, kHeatingPowerCaption, texts::kPowerCaption})
    later << u8(t);
  for (const auto* set : {kCoilOutletCaptions, kAfterReheatCaptions, kSupplyCaptions})
    for (int i = 0; i < 3; ++i) later << u8(set[i]);
  style::alignCaptions(captions_, later);
  style::equalButtons(tabButtons_);
  centreWindow(this);
  style::fixSizeOnShow(this);
}

FrmPSRes::~FrmPSRes() = default;

void FrmPSRes::loadResults() {
  const QString resPath = appfolder::path(QString::fromLatin1(kResultsFileName));
  StudyState file;
  const ReadResult read = readResultsFileAt(resPath, file);
  if (!read) {
    loadError_ = read.error;
    return;
  }
  // In per-cent mode the data file's fresh-air value is the per cent entered.
  float perCent = file.FreshPerCent;
  QFile dat(appfolder::path(QString::fromLatin1(kDataFileName)));
  if (file.FreshMode == "P" && dat.open(QIODevice::ReadOnly)) {
    StudyState inputs;
    if (readDataFile(dat.readAll(), inputs) && inputs.FreshMode == "P") perCent = inputs.FreshValue;
  }
  view_ = std::make_unique<ResultsView>(file, study().LoadUnit, perCent);
}

// A results file that already carries a raise (a study whose raise was kept
// for a new calculation) gets the raise worked out again on these results, so
// that the figures shown belong to them; a raise that these results no longer
// allow is dropped.
void FrmPSRes::refreshRaiseOnLoad() {
  const StudyState& file = view_->results();
  if (!view_->raised()) return;
  const bool metric = view_->studySystem() == UnitSystem::Metric;
  const float T = file.CoilOutChange[0];
  ChangeRecord record = noRaiseRecord();
  RaiseBasis basis;
  if (checkRaise(T, file.SpaDB, view_->calculatedOutletTemperature(), metric) ==
          RaiseCheck::Accepted &&
      (basisFromCalculation(study(), file, basis) || basisFromResults(file, basis))) {
    ChangeRecord computed;
    if (computeRaise(basis, T, metric, computed)) record = computed;
  }
  if (record == file.CoilOutChange) return;
  StudyState updated = file;
  updated.CoilOutChange = record;
  if (!writeFileAtomically(appfolder::path(QString::fromLatin1(kResultsFileName)),
                           resultsFileBytes(updated)))
    return;  // the file keeps what it had; so does the screen
  view_->setChangeRecord(record);
  study().CoilOutChange = record;
}

void FrmPSRes::buildUi() {
  setWindowTitle(u8(texts::kCoolingCaption));
  auto* title = new style::TitleLabel(this);
  title->setObjectName("LblThema");
  title_ = title;
  period_ = makeLabel(this, u8(texts::kCoolingPeriod), "LblPeriod");
  style::setRole(period_, style::Role::Title);

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("SSTab1");
  tabs_->addTab(buildDataTab(), QStringLiteral("Δεδομένα Μελέτης"));
  tabs_->addTab(buildResultsTab(), QStringLiteral("Αποτελέσματα"));
  connect(tabs_, &QTabWidget::currentChanged, this, [this] { refreshUnitLabels(); });

  auto* thema = makeButton(this, "CmdThema", QStringLiteral("Θέμα Μελέτης"), QChar(u'Θ'));
  auto* telos = makeButton(this, "CmdTELOS", QStringLiteral("ΤΕΛΟΣ"), QChar(u'Τ'));
  style::equalButtons({thema, telos});
  auto editTitle = [this] {
    shell::openStudyTitleWindow(this);
    title_->setText(study().Title.trimmed());
  };
  connect(thema, &QPushButton::clicked, this, editTitle);
  connect(title, &style::TitleLabel::clicked, this, editTitle);
  connect(telos, &QPushButton::clicked, this, [this] { leave(kEndRequested); });

  auto* head = new QHBoxLayout;
  head->addWidget(title_, 1);
  head->addWidget(period_);
  auto* foot = new QHBoxLayout;
  foot->addWidget(thema);
  foot->addStretch();
  foot->addWidget(telos);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(style::kMargin, style::kMargin, style::kMargin, style::kMargin);
  layout->setSpacing(style::kSpacing);
  layout->addLayout(head);
  layout->addWidget(tabs_);
  layout->addLayout(foot);

  // Ctrl+Alt+Shift works wherever the focus is.
  installEventFilter(this);
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

QWidget* FrmPSRes::buildDataTab() {
  auto* page = new QWidget;
  auto* states = style::section(QStringLiteral(" ΣΥΝΘΗΚΕΣ ΣΧΕΔΙΑΣΜΟΥ "), page, "FraStates");
  auto* g = style::sectionGrid(states);
  const auto caption = [this](QWidget* parent, const QString& text, const char* name = nullptr) {
    QLabel* l = style::caption(text, parent, name);
    captions_.push_back(l);
    return l;
  };
  g->addWidget(makeLabel(states, QStringLiteral("Ξ.Θ.")), 0, 1, Qt::AlignCenter);
  g->addWidget(makeLabel(states, QStringLiteral("Υ.Θ.")), 0, 2, Qt::AlignCenter);
  g->addWidget(caption(states, QStringLiteral("ΑΕΡΑΣ ΠΕΡΙΒΑΛΛΟΝΤΟΣ (ΕΞΩΤΕΡΙΚΟΣ).................")),
               1, 0);
  g->addWidget(fields_[int(ResultField::EnvDB)] = makeBox(states, ResultField::EnvDB), 1, 1);
  g->addWidget(fields_[int(ResultField::EnvWB)] = makeBox(states, ResultField::EnvWB), 1, 2);
  g->addWidget(unitLabel(states, "LblEnvUn"), 1, 3);
  g->addWidget(
      caption(states, QStringLiteral("ΑΕΡΑΣ ΚΛΙΜΑΤΙΖΟΜΕΝΩΝ ΧΩΡΩΝ........................")), 2, 0);
  g->addWidget(fields_[int(ResultField::SpaDB)] = makeBox(states, ResultField::SpaDB), 2, 1);
  g->addWidget(fields_[int(ResultField::SpaWB)] = makeBox(states, ResultField::SpaWB), 2, 2);
  g->addWidget(unitLabel(states, "LblSpaUn"), 2, 3);
  g->setColumnStretch(4, 1);

  auto* loads = style::section(QStringLiteral(" ΦΟΡΤΙΑ ΧΩΡΩΝ ΚΑΙ ΝΩΠΟΣ ΑΕΡΑΣ "), page, "FraLoads");
  auto* l = style::sectionGrid(loads);
  l->addWidget(caption(loads, QStringLiteral("ΣΥΝΟΛΙΚΟ ΑΙΣΘΗΤΟ ΦΟΡΤΙΟ ΧΩΡΩΝ.....................")),
               0, 0);
  l->addWidget(fields_[int(ResultField::Sens)] = makeBox(loads, ResultField::Sens), 0, 1);
  l->addWidget(unitLabel(loads, "LblSensUn"), 0, 2);
  l->addWidget(caption(loads, QStringLiteral("ΣΥΝΟΛΙΚΟ ΛΑΝΘΑΝΟΝ ΦΟΡΤΙΟ ΧΩΡΩΝ...................")),
               1, 0);
  l->addWidget(fields_[int(ResultField::Lat)] = makeBox(loads, ResultField::Lat), 1, 1);
  l->addWidget(unitLabel(loads, "LblLatUn"), 1, 2);
  l->addWidget(
      caption(loads, QStringLiteral("ΝΩΠΟΣ ΑΕΡΑΣ.............................................")), 2,
      0);
  l->addWidget(fields_[int(ResultField::OA)] = makeBox(loads, ResultField::OA), 2, 1);
  l->addWidget(unitLabel(loads, "TxtOAUn"), 2, 2);
  l->addWidget(caption(loads, QStringLiteral("ΕΙΔΟΣ ΣΥΣΤΗΜΑΤΟΣ ΚΛΙΜΑΤΙΣΜΟΥ....................")),
               3, 0);
  l->addWidget(makeLabel(loads, QString(), "LblKind"), 3, 1, 1, 3);
  l->setColumnStretch(3, 1);

  auto* dData = makeButton(page, "CmdDData", QStringLiteral("<< Δεδομένα"), QChar(u'Δ'));
  auto* units = makeButton(page, "CmdUnitsD", QString(), QChar());
  auto* print = makeButton(page, "CmdPrintD", QStringLiteral("Εκτύπωση Δεδομένων"), QChar(u'Ε'));
  auto* save = makeButton(page, "CmdSaveD", QStringLiteral("Αποθήκευση Μελέτης"), QChar(u'Α'));
  save->setEnabled(saveStudyAvailable());
  connect(print, &QPushButton::clicked, this, [this] { openPrintDialog(); });
  connect(dData, &QPushButton::clicked, this, [this] { leave(QDialog::Accepted); });
  connect(units, &QPushButton::clicked, this, [this] { MakeChanges(); });
  connect(save, &QPushButton::clicked, this, [this] {
    if (saveStudy(this)) study().Unsaved = false;
  });

  auto* buttons = new QGridLayout;
  buttons->setSpacing(style::kSpacing);
  int column = 0;
  for (QPushButton* b : {dData, units, print, save}) {
    buttons->addWidget(b, 0, column++);
    tabButtons_.push_back(b);
  }
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(style::kSpacing, style::kSpacing, style::kSpacing, style::kSpacing);
  layout->setSpacing(style::kSpacing);
  layout->addWidget(states);
  layout->addWidget(loads);
  layout->addStretch();
  layout->addLayout(buttons);
  return page;
}

QWidget* FrmPSRes::buildResultsTab() {
  auto* page = new QWidget;
  const auto caption = [this](QWidget* parent, const QString& text, const char* name = nullptr) {
    QLabel* l = style::caption(text, parent, name);
    captions_.push_back(l);
    return l;
  };

  auto* mixed =
      style::section(QStringLiteral(" ΜΙΓΜΑ ΑΕΡΑ ΣΤΗΝ ΕΙΣΟΔΟ ΤΟΥ ΣΤΟΙΧΕΙΟΥ "), page, "FraMixed");
  auto* m = style::sectionGrid(mixed);
  const struct {
    const char* caption;
    ResultField field;
    const char* unit;
  } mixedRows[] = {
      {"ΘΕΡΜΟΚΡ. < Ξ.Θ. > ΤΟΥ ΜΙΓΜΑΤΟΣ, ΣΤΗΝ ΕΙΣΟΔΟ ΤΟΥ ΣΤΟΙΧΕΙΟΥ.........", ResultField::DB_M,
       "LblDB_MUn"},
      {"ΘΕΡΜΟΚΡ. < Υ.Θ. > ΤΟΥ ΜΙΓΜΑΤΟΣ, ΣΤΗΝ ΕΙΣΟΔΟ ΤΟΥ ΣΤΟΙΧΕΙΟΥ.........", ResultField::WB_M,
       "LblWB_MUn"},
      {"ΕΝΘΑΛΠΙΑ ΜΙΓΜΑΤΟΣ, ΣΤΗΝ ΕΙΣΟΔΟ ΤΟΥ ΣΤΟΙΧΕΙΟΥ............................", ResultField::H_M,
       "LblH_MUn"},
  };
  int row = 0;
  for (const auto& r : mixedRows) {
    m->addWidget(caption(mixed, u8(r.caption)), row, 0);
    m->addWidget(fields_[int(r.field)] = makeBox(mixed, r.field), row, 1);
    m->addWidget(unitLabel(mixed, r.unit), row, 2);
    ++row;
  }
  m->setColumnStretch(3, 1);

  auto* outlet =
      style::section(QStringLiteral(" ΑΕΡΑΣ ΣΤΗΝ ΕΞΟΔΟ ΤΗΣ ΜΟΝΑΔΑΣ "), page, "FraOutlet");
  auto* o = style::sectionGrid(outlet);
  const ResultField outletFields[3] = {ResultField::DB_T, ResultField::WB_T, ResultField::H_T};
  const char* const outletNames[3] = {"LblDB_T", "LblWB_T", "LblH_T"};
  const char* const outletUnits[3] = {"LblDB_TUn", "LblWB_TUn", "LblH_TUn"};
  for (int i = 0; i < 3; ++i) {
    outletCaption_[i] = caption(outlet, QString(), outletNames[i]);
    o->addWidget(outletCaption_[i], i, 0);
    o->addWidget(fields_[int(outletFields[i])] = makeBox(outlet, outletFields[i]), i, 1);
    o->addWidget(unitLabel(outlet, outletUnits[i]), i, 2);
  }
  image_ = makeLabel(outlet, QString(), "Image2");
  image_->setPixmap(coilPicture());
  image_->setToolTip(u8(texts::kImageHint));
  image_->setFrameShape(QFrame::Box);
  image_->setCursor(Qt::PointingHandCursor);
  o->addWidget(image_, 0, 3, 3, 1, Qt::AlignCenter);
  o->setColumnStretch(4, 1);

  auto* unit = style::section(u8(texts::kGroupCaption), page, "FraUnit");
  auto* u = style::sectionGrid(unit);
  u->addWidget(caption(unit, QStringLiteral(
                                 "ΠΑΡΟΧΗ ΝΩΠΟΥ ΑΕΡΑ............................................")),
               0, 0);
  u->addWidget(fields_[int(ResultField::FA)] = makeBox(unit, ResultField::FA), 0, 1);
  u->addWidget(unitLabel(unit, "TxtFAUn"), 0, 2);
  u->addWidget(
      caption(unit, QStringLiteral("ΠΑΡΟΧΗ ΑΕΡΑ ΤΡΟΦΟΔΟΣΙΑΣ ΤΩΝ ΧΩΡΩΝ.......................")), 1,
      0);
  u->addWidget(fields_[int(ResultField::FlowRate)] = makeBox(unit, ResultField::FlowRate), 1, 1);
  u->addWidget(unitLabel(unit, "TxtFRUn"), 1, 2);
  powerCaption_ = caption(unit, u8(texts::kPowerCaption), "LblPower");
  u->addWidget(powerCaption_, 2, 0);
  u->addWidget(fields_[int(ResultField::Power)] = makeBox(unit, ResultField::Power), 2, 1);
  u->addWidget(unitLabel(unit, "TxtPUn"), 2, 2);
  reheatCaption_ = caption(
      unit, QStringLiteral("ΑΠΑΡΑΙΤΗΤΗ ΙΣΧΥΣ ΑΝΑΘΕΡΜΑΝΣΗΣ........................................"),
      "LblReheat");
  u->addWidget(reheatCaption_, 3, 0);
  u->addWidget(fields_[int(ResultField::Reheat)] = makeBox(unit, ResultField::Reheat), 3, 1);
  u->addWidget(unitLabel(unit, "TxtRehUN"), 3, 2);
  u->setColumnStretch(3, 1);

  winterFrame_ = style::section(QStringLiteral(" ΧΕΙΜΕΡΙΝΗ ΛΕΙΤΟΥΡΓΙΑ "), page, "FraWinter");
  auto* w = style::sectionGrid(winterFrame_);
  winterCaption_ = caption(winterFrame_, QString(), "LblWinter");
  w->addWidget(winterCaption_, 0, 0);
  w->addWidget(
      fields_[int(ResultField::WinterSpecial)] = makeBox(winterFrame_, ResultField::WinterSpecial),
      0, 1);
  w->addWidget(
      caption(winterFrame_,
              QStringLiteral("ΝΕΡΟ ΥΓΡΑΝΤΗΡΩΝ...................................................")),
      1, 0);
  w->addWidget(fields_[int(ResultField::Water)] = makeBox(winterFrame_, ResultField::Water), 1, 1);
  w->addWidget(unitLabel(winterFrame_, "LblWaterUn"), 1, 2);
  w->setColumnStretch(3, 1);

  auto* rData = makeButton(page, "CmdRData", QStringLiteral("<< Δεδομένα"), QChar(u'Δ'));
  auto* units = makeButton(page, "CmdUnitsR", QString(), QChar());
  auto* print =
      makeButton(page, "CmdPrintR", QStringLiteral("Εκτύπωση Αποτελεσμάτων"), QChar(u'Ε'));
  auto* change =
      makeButton(page, "CmdChangeT", QStringLiteral("Αύξηση Θερμ. Τροφοδοσίας"), QChar(u'Α'));
  auto* fa = makeButton(page, "CmdFA", QStringLiteral("Φορτία Νωπού Αέρα"), QChar(u'Φ'));
  auto* dgrm = makeButton(page, "Cmd_Dgrm", QStringLiteral("Διάγραμμα Μονάδας"), QChar(u'Μ'));
  auto* plot = makeButton(page, "CmdPSPlot", QStringLiteral("Ψυχρομετρικός Χάρτης"), QChar(u'Ψ'));
  dgrm->setEnabled(static_cast<bool>(diagramHandler()));
  connect(print, &QPushButton::clicked, this, [this] { openPrintDialog(); });
  connect(dgrm, &QPushButton::clicked, this, [this] { showDiagram(); });
  connect(rData, &QPushButton::clicked, this, [this] { leave(QDialog::Accepted); });
  connect(units, &QPushButton::clicked, this, [this] { MakeChanges(); });
  connect(change, &QPushButton::clicked, this, [this] { changeSupplyTemperature(); });
  connect(fa, &QPushButton::clicked, this, [this] { showFreshAirLoads(); });
  connect(plot, &QPushButton::clicked, this, [this] { openChartFromResults(this); });

  auto* buttons = new QGridLayout;
  buttons->setSpacing(style::kSpacing);
  int column = 0;
  for (QPushButton* b : {rData, units, print, change}) buttons->addWidget(b, 0, column++);
  column = 0;
  for (QPushButton* b : {fa, dgrm, plot}) buttons->addWidget(b, 1, column++);
  for (QPushButton* b : {rData, units, print, change, fa, dgrm, plot}) tabButtons_.push_back(b);
  // One line that tells the engineer the fresh air is the drier air: it takes
  // up part (or all) of the room's latent load, and a coil that only cools
  // may serve the unit.
  dryFreshAir_ = makeLabel(page, u8(texts::kFreshAirDrier), "LblFreshAirDrier");
  style::setRole(dryFreshAir_, style::Role::Title);
  dryFreshAir_->setContentsMargins(2, 0, 0, 2);
  dryFreshAir_->setVisible(false);

  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(style::kSpacing, style::kSpacing, style::kSpacing, style::kSpacing);
  layout->setSpacing(style::kSpacing);
  layout->addWidget(dryFreshAir_);
  layout->addWidget(mixed);
  layout->addWidget(outlet);
  layout->addWidget(unit);
  layout->addWidget(winterFrame_);
  layout->addStretch();
  layout->addLayout(buttons);
  return page;
}

// ---- showing ------------------------------------------------------------------

void FrmPSRes::applyCaptions() {
  const bool heating = view_->heating();
  setWindowTitle(u8(heating ? texts::kHeatingCaption : texts::kCoolingCaption));
  period_->setText(u8(heating ? texts::kHeatingPeriod : texts::kCoolingPeriod));
  winterFrame_->setVisible(heating);
  powerCaption_->setText(u8(heating ? kHeatingPowerCaption : texts::kPowerCaption));
  if (auto* g = findChild<QGroupBox*>("FraUnit"))
    g->setTitle(u8(heating ? kHeatingGroupCaption : texts::kGroupCaption));
  // Heating has no reheat and no supply temperature to raise.
  reheatCaption_->setVisible(!heating);
  fields_[int(ResultField::Reheat)]->setVisible(!heating);
  if (auto* l = findChild<QLabel*>("TxtRehUN")) l->setVisible(!heating);
  if (auto* b = findChild<QPushButton*>("CmdChangeT")) b->setEnabled(!heating);
  dryFreshAir_->setVisible(view_->freshAirDrier());
  title_->setText(study().Title.trimmed());
  const int kind = kindIndexOfCode(view_->results().KindCode);
  if (auto* l = findChild<QLabel*>("LblKind"))
    l->setText(kind >= 0 ? kindTexts().value(kind) : view_->results().KindCode);
}

void FrmPSRes::refresh() {
  if (!view_) return;
  for (int i = 0; i < kFieldCount; ++i)
    if (fields_[i]) fields_[i]->setText(view_->text(static_cast<ResultField>(i)));

  const char* const* outlet = view_->raised()      ? nullptr
                              : view_->heating()   ? kSupplyCaptions
                              : view_->hasReheat() ? kAfterReheatCaptions
                                                   : kCoilOutletCaptions;
  const char* const raised[3] = {texts::kRaisedDBCaption, texts::kRaisedWBCaption,
                                 texts::kRaisedHCaption};
  for (int i = 0; i < 3; ++i) outletCaption_[i]->setText(u8(outlet ? outlet[i] : raised[i]));

  const bool metricShown = view_->shownSystem() == UnitSystem::Metric;
  if (view_->heating()) {
    if (view_->winterShowsFlow())
      winterCaption_->setText(u8(metricShown ? texts::kWinterFlowM3 : texts::kWinterFlowCfm));
    else
      winterCaption_->setText(u8(metricShown ? texts::kWinterTempC : texts::kWinterTempF));
  }
  for (const char* name : {"CmdUnitsD", "CmdUnitsR"})
    if (auto* b = findChild<QPushButton*>(name))
      style::setMnemonic(b, view_->switchCaption(), QChar(u'Σ'));
  refreshUnitLabels();
}

void FrmPSRes::refreshUnitLabels() {
  if (!view_) return;
  const auto set = [this](const char* name, const QString& text) {
    if (auto* l = findChild<QLabel*>(QString::fromLatin1(name))) l->setText(text);
  };
  for (const char* n : {"LblEnvUn", "LblSpaUn", "LblDB_MUn", "LblWB_MUn", "LblDB_TUn", "LblWB_TUn"})
    set(n, view_->temperatureLabel());
  for (const char* n : {"LblH_MUn", "LblH_TUn"}) set(n, view_->enthalpyLabel());
  for (const char* n : {"LblSensUn", "LblLatUn", "TxtPUn", "TxtRehUN"}) set(n, view_->loadLabel());
  for (const char* n : {"TxtFAUn", "TxtFRUn"}) set(n, view_->flowLabel());
  set("TxtOAUn", view_->oaLabel());
  set("LblWaterUn", view_->waterLabel());
}

void FrmPSRes::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (view_ || leaving_) return;
  // Without readable results there is nothing to show: say so and go back.
  leaving_ = true;
  QTimer::singleShot(0, this, [this] {
    Message m;
    m.code = kBadResultsMessage;
    m.title = QStringLiteral("...! ΠΡΟΣΟΧΗ !..");
    m.text = QStringLiteral("... Υπάρχει σοβαρό πρόβλημα στο εν λόγω Αρχείο ...") +
             QStringLiteral("\n") + QString::fromLatin1(kResultsFileName) + QStringLiteral(": ") +
             loadError_;
    m.icon = MsgIcon::Critical;
    m.beeps = 2;
    showMessage(m);
    QDialog::done(QDialog::Rejected);
  });
}

// ---- actions --------------------------------------------------------------------

void FrmPSRes::MakeChanges() {
  if (!view_) return;
  view_->MakeChanges();
  refresh();
}

void FrmPSRes::changeSupplyTemperature() {
  if (!view_ || view_->heating()) return;
  const bool metric = view_->studySystem() == UnitSystem::Metric;
  FrmPSVee request(view_->results().SpaDB, view_->presentOutletTemperature(), metric, this);
  if (request.exec() != QDialog::Accepted) return;  // cancelled: nothing changes
  const RaiseOutcome outcome = MakeNewCalc(study());
  if (!outcome.ok) {
    Message m;
    m.code = kRaiseFailedMessage;
    m.title = QStringLiteral("...!! ΠΡΟΣΟΧΗ !!...");
    m.text = QStringLiteral("... ΔΕΝ είναι δυνατόν να γίνει επεξεργασία των Δεδομένων σας ...") +
             QStringLiteral("\n") + outcome.error;
    m.icon = MsgIcon::Critical;
    m.beeps = 2;
    showMessage(m);
    return;
  }
  view_->setChangeRecord(outcome.record);
  study().CoilOutChange = outcome.record;
  study().Unsaved = true;
  refresh();
}

void FrmPSRes::showCoilOutlet() {
  if (!view_) return;
  // The air after the coil: after a raise the new coil outlet.
  const StudyState& s = view_->results();
  const bool up = view_->raised();
  const double db = up ? s.CoilOutChange[rec::CoilDB] : s.DB_T;
  const double wb = up ? s.CoilOutChange[rec::CoilWB] : s.WB_T;
  const double h = up ? s.CoilOutChange[rec::CoilH] : s.h_T;
  const bool metric = view_->shownSystem() == UnitSystem::Metric;
  const bool storedMetric = view_->studySystem() == UnitSystem::Metric;
  // Enthalpy in kcal/kg or Btu/lb, as the message names it.
  double hShown = h;
  if (metric && !storedMetric) hShown = h * kBtuLbToKcalKg;
  if (!metric && storedMetric) hShown = h / kBtuLbToKcalKg;
  const QString t = u8(metric ? texts::kUnitC2 : texts::kUnitF2);
  const QString pattern = QStringLiteral("#.0");
  Message m;
  m.code = kCoilOutletMessage;
  m.title = u8(texts::kCoilOutTitle);
  m.text = u8(texts::kCoilOutDB) + FormatNumber(view_->showTemperature(db), pattern) + t + '\n' +
           u8(texts::kCoilOutWB) + FormatNumber(view_->showTemperature(wb), pattern) + t + '\n' +
           u8(texts::kCoilOutH) + FormatNumber(hShown, pattern) +
           u8(metric ? texts::kUnitKcalKg2 : texts::kUnitBtuLb2);
  m.icon = MsgIcon::Information;
  m.beeps = 2;
  showMessage(m);
}

void FrmPSRes::showDiagnostic() {
  if (!view_ || view_->heating()) return;
  CoilDesign d;
  if (!coilDesign(study(), view_->results(), d)) return;
  const bool metric = view_->shownSystem() == UnitSystem::Metric;
  const double adp = metric ? toCelsius(d.ADP) : roundHalfUp(d.ADP, 1);
  QString text = u8(texts::kDiagBF) + FormatNumber(d.BF, QStringLiteral("0.00")) + '\n' +
                 u8(texts::kDiagESHF) + FormatNumber(d.ESHF, QStringLiteral("0.000")) + '\n' +
                 u8(texts::kDiagADP) + FormatNumber(adp, QStringLiteral("0.0")) +
                 u8(metric ? texts::kDegC : texts::kDegF);
  if (view_->hasReheat()) {
    const StudyState& s = view_->results();
    text += '\n' + u8(texts::kDiagPointT) + '\n' + u8(texts::kDiagPointTValues) +
            FormatNumber(view_->showTemperature(s.DB_T), QStringLiteral("0.0")) +
            u8(texts::kSlash) + FormatNumber(view_->showTemperature(s.WB_T), QStringLiteral("0.0"));
  }
  Message m;
  m.code = kDiagnosticMessage;
  m.title = u8(texts::kDiagTitle);
  m.text = text;
  m.icon = MsgIcon::Information;
  m.beeps = 2;
  showMessage(m);
}

void FrmPSRes::showFreshAirLoads() {
  if (!view_) return;
  FrmPsFa window(*view_, this);
  window.exec();
}

void FrmPSRes::showDiagram() {
  if (!view_ || !diagramHandler()) return;
  diagramHandler()(this, view_->results(), study().LoadUnit);
}

void FrmPSRes::openPrintDialog() {
  if (!view_) return;
  reports::ResultWorkbookInput in;
  in.results = view_->results();
  in.loadUnit = study().LoadUnit;
  // In per-cent mode the per cent entered, as the screen shows it.
  in.shownPerCent = view_->amountMode() ? 0.0f : static_cast<float>(view_->value(ResultField::OA));
  in.title = study().Title;
  reports::FrmPSPrn dialog(this, in);
  dialog.exec();
}

bool FrmPSRes::leave(int resultCode) {
  if (leaving_) return false;
  StudyState& s = study();
  if (s.Unsaved) {
    showMessage(messagesPS(kUnsavedQuestion));
    const QString answer = s.UserAnswer;
    s.UserAnswer.clear();
    s.MessageCode = 0;
    if (answer == "CANCEL" || answer.isEmpty()) return false;
    // "YES" saves first; a save that did not happen keeps the user here.
    if (answer == "YES" && !saveStudy(this)) return false;
  } else if (resultCode == kEndRequested) {
    // Ending the program also ends the data screen with what was typed on it:
    // a saved study is no reason to end without asking.
    const MsgAnswer answer = showMessage(shell::exitConfirmMessage());
    s.UserAnswer.clear();
    s.MessageCode = 0;
    if (answer != MsgAnswer::Yes) return false;
  }
  leaving_ = true;
  removeExchangeFiles();
  s.Unsaved = false;
  QDialog::done(resultCode);
  return true;
}

void FrmPSRes::removeExchangeFiles() {
  for (const char* name : {"PSY_SPA.TMP", "PSY_DAT.TMP", "PSY_RES.TMP"})
    QFile::remove(appfolder::path(QString::fromLatin1(name)));
}

void FrmPSRes::closeEvent(QCloseEvent* e) {
  if (leaving_ || leave(QDialog::Accepted)) {
    e->accept();
    return;
  }
  e->ignore();
}

void FrmPSRes::reject() {
  if (leaving_) {
    QDialog::reject();
    return;
  }
  leave(QDialog::Accepted);
}

bool FrmPSRes::eventFilter(QObject* watched, QEvent* event) {
  if (watched == image_ && event->type() == QEvent::MouseButtonDblClick) {
    showCoilOutlet();
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers all = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
    if ((key->modifiers() & all) == all && !key->isAutoRepeat()) {
      if (diagnosticArmed_) {
        diagnosticArmed_ = false;  // once per press of the three keys
        showDiagnostic();
      }
      return true;
    }
  } else if (event->type() == QEvent::KeyRelease) {
    diagnosticArmed_ = true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace aeriton::summer
