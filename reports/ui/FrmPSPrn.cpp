#include "reports/ui/FrmPSPrn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "register/Designer.h"
#include "register/ui/DesignerRegister.h"
#include "reports/ReportMessages.h"
#include "reports/ui/FrmPreview.h"
#include "reports/ui/PdfPrinting.h"
#include "reports/ui/WorkbookRunner.h"
#include "study/AppFolder.h"
#include "study/MessageService.h"
#include "study/StudyState.h"
#include "study/ui/Style.h"

namespace aeriton::reports {
namespace {

QString u8(const char* t) {
  return QString::fromUtf8(t);
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

const char* const kPreviewCaption = " Προεπισκόπηση ";
const char* const kPrintCaption = " Εκτύπωση ";
const char* const kSaveCaption = " Αποθήκευση Αρχείου ";

}  // namespace

FrmPSPrn::FrmPSPrn(QWidget* parent, const ResultWorkbookInput& input)
    : QDialog(parent), input_(input) {
  setObjectName("FrmPSPrn");
  setModal(true);
  setWindowTitle(u8("Εκτύπωση Αποτελεσμάτων"));

  auto* printerBox = style::section(u8(" ΕΚΤΥΠΩΤΗΣ "), this, "FraPrinter");
  printers_ = new QComboBox(printerBox);
  printers_->setObjectName("Cbo_Printers");
  printers_->setMinimumWidth(300);
  fillPrinterBox(printers_, installedPrinters());
  copies_ = new QSpinBox(printerBox);
  copies_->setObjectName("Txt_Copies");
  copies_->setRange(0, 99);
  copies_->setValue(1);
  auto* pg = style::sectionGrid(printerBox);
  pg->addWidget(new QLabel(u8("Εκτυπωτής :"), printerBox), 0, 0);
  pg->addWidget(printers_, 0, 1, 1, 2);
  pg->addWidget(new QLabel(u8("Αντίτυπα :"), printerBox), 1, 0);
  pg->addWidget(copies_, 1, 1);
  pg->setColumnStretch(2, 1);

  auto* designerBox = style::section(u8(" ΜΕΛΕΤΗΤΗΣ "), this, "FraDesigner");
  designer_ = new QLabel(designerBox);
  designer_->setObjectName("LblDesigner");
  style::setRole(designer_, style::Role::Title);
  auto* client = button(designerBox, "Cmd_Client", QString());
  style::setMnemonic(client, u8(" Μελετητές ... "), QChar(u'Μ'));
  auto* dg = new QHBoxLayout(designerBox);
  dg->setContentsMargins(8, 4, 8, 6);
  dg->addWidget(designer_, 1);
  dg->addWidget(client);

  auto* fileBox = style::section(u8(" ΑΡΧΕΙΟ ΦΥΛΛΟΥ ΕΡΓΑΣΙΑΣ (.xlsx) "), this, "FraFile");
  saveFile_ = new QCheckBox(u8("Αποθήκευση σε Αρχείο, αντί για Εκτύπωση"), fileBox);
  saveFile_->setObjectName("Chk_XL");
  fileName_ = new QLabel(fileBox);
  fileName_->setObjectName("LblFName");
  fileName_->setWordWrap(true);
  fileName_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* fname = button(fileBox, "Cmd_FName", QString());
  style::setMnemonic(fname, u8(" Όνομα Αρχείου ... "), QChar(u'Ό'));
  style::equalButtons({client, fname}, false);
  auto* fg = style::sectionGrid(fileBox);
  fg->addWidget(saveFile_, 0, 0, 1, 2);
  fg->addWidget(fileName_, 1, 0);
  fg->addWidget(fname, 1, 1, Qt::AlignTop);
  fg->setColumnStretch(0, 1);

  wait_ = new QLabel(u8("... ΠΑΡΑΚΑΛΩ, ΠΕΡΙΜΕΝΕΤΕ ..."), this);
  wait_->setObjectName("LblWait");
  wait_->setAlignment(Qt::AlignCenter);
  style::setRole(wait_, style::Role::Wait);
  style::keepSpaceWhenHidden(wait_);
  wait_->setVisible(false);

  preview_ = button(this, "SSCommand1", QString());
  style::setMnemonic(preview_, u8(kPreviewCaption), QChar(u'Π'));
  print_ = button(this, "SSCommand2", QString());
  style::setMnemonic(print_, u8(kSaveCaption), QChar(u'Α'));
  auto* exit = button(this, "CmdExit", QString());
  style::setMnemonic(exit, u8(" Έξοδος "), QChar(u'Έ'));
  style::setRole(print_, style::Role::Primary);
  style::equalButtons({preview_, print_, exit});
  print_->setDefault(true);
  connect(preview_, &QPushButton::clicked, this, [this] { SSCommand1_Click(); });
  connect(print_, &QPushButton::clicked, this, [this] { SSCommand2_Click(); });
  connect(fname, &QPushButton::clicked, this, [this] { Cmd_FName_Click(); });
  connect(client, &QPushButton::clicked, this, [this] { Cmd_Client_Click(); });
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
  connect(saveFile_, &QCheckBox::toggled, this, [this] { refreshSaveMode(); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(preview_);
  buttons->addWidget(print_);
  buttons->addStretch();
  buttons->addWidget(exit);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(style::kMargin, style::kMargin, style::kMargin, style::kMargin);
  layout->setSpacing(style::kSpacing);
  layout->addWidget(printerBox);
  layout->addWidget(designerBox);
  layout->addWidget(fileBox);
  layout->addWidget(wait_);
  layout->addLayout(buttons);

  refreshDesigner();
  refreshSaveMode();
  setMinimumWidth(520);
  style::fixSizeOnShow(this);
}

QString FrmPSPrn::savePath() const {
  return savedWorkbookPath(chosenName_, study().StudyFileName, isWinterResults(input_.results));
}

ResultWorkbook FrmPSPrn::workbook() const {
  ResultWorkbookInput in = input_;
  in.designer = designer::current();
  return WriteResultWorkbook(in);
}

void FrmPSPrn::refreshDesigner() {
  designer_->setText(u8("Μελετητής : ") + designer::current().trimmed());
}

void FrmPSPrn::refreshSaveMode() {
  const bool save = saveFile_->isChecked();
  // Either button saves when the box is ticked: one button says so.
  preview_->setVisible(!save);
  // Alt+Κ to print (Ε is the exit's), Alt+Α to save.
  style::setMnemonic(print_, u8(save ? kSaveCaption : kPrintCaption), QChar(save ? u'Α' : u'κ'));
  printers_->setEnabled(!save);
  copies_->setEnabled(!save);
  const QString path = savePath();
  fileName_->setText(path.isEmpty() ? u8("(δεν έχει δοθεί όνομα Αρχείου)")
                                    : QDir::toNativeSeparators(path));
}

void FrmPSPrn::setWaiting(bool waiting) {
  wait_->setVisible(waiting);
  for (QPushButton* b : findChildren<QPushButton*>()) b->setEnabled(!waiting);
  if (waiting) wait_->repaint();
}

void FrmPSPrn::Cmd_FName_Click() {
  const bool winter = isWinterResults(input_.results);
  const QString suffix = savedWorkbookSuffix(winter);
  QString initial = savePath();
  if (initial.isEmpty()) initial = appfolder::path(QStringLiteral("AIRFiles/ASCII/"));
  const QString chosen =
      chooseSaveName(this, u8("Όνομα του Αρχείου"), initial, u8("Excel_Like Files (*.xlsx)"));
  if (chosen.isEmpty()) return;
  // Kept without extension; a name that already ends in the suffix (an
  // existing workbook picked in the dialog) is not given it twice.
  QString stem = withoutWorkbookExtension(chosen);
  const QString suffixStem = suffix.left(suffix.size() - 5);  // "_PSS"
  if (stem.endsWith(suffixStem, Qt::CaseInsensitive)) stem.chop(suffixStem.size());
  const QString file = stem + suffix;
  if (fileExists(file)) {
    showMessage(overwriteQuestion(QFileInfo(file).fileName()));
    const QString answer = study().UserAnswer;
    study().UserAnswer.clear();
    study().MessageCode = 0;
    if (answer != QLatin1String("YES")) return;
  }
  chosenName_ = stem;
  showMessage(workbookNotice());
  saveFile_->setChecked(true);
  refreshSaveMode();
}

void FrmPSPrn::Cmd_Client_Click() {
  designer::openRegister(this);
  refreshDesigner();
}

bool FrmPSPrn::save() {
  if (savePath().isEmpty()) {
    Cmd_FName_Click();
    if (savePath().isEmpty()) return false;
  }
  const QString path = savePath();
  const ResultWorkbook wb = workbook();
  OutputOptions options;
  options.saveAs = path;
  setWaiting(true);
  const bool done = runWorkbook(this, wb.templateName, wb.cells, OutputMode::Save, options);
  setWaiting(false);
  if (done) showMessage(savedNotice(path));
  return done;
}

bool FrmPSPrn::output(int mode) {
  OutputOptions options;
  options.printerName = selectedPrinter(printers_);
  options.copies = effectiveCopies(copies_->value());
  options.collate = true;
  if (mode == int(OutputMode::Print) && isPdfFileEntry(printers_)) {
    const QString initial = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                            QStringLiteral("/Aeriton.pdf");
    QString file = chooseSaveName(this, u8("Εκτύπωση σε Αρχείο PDF"), initial, u8("PDF (*.pdf)"));
    if (file.isEmpty()) return false;
    if (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) file += QStringLiteral(".pdf");
    options.printToFile = file;
  } else if (mode == int(OutputMode::Print) && options.printerName.isEmpty()) {
    showMessage(noPrinterMessage(QString()));
    return false;
  }
  const ResultWorkbook wb = workbook();
  setWaiting(true);
  const bool done =
      runWorkbook(this, wb.templateName, wb.cells, static_cast<OutputMode>(mode), options);
  setWaiting(false);
  return done;
}

bool FrmPSPrn::SSCommand1_Click() {
  if (saveFile_->isChecked()) return save();
  return output(int(OutputMode::Preview));
}

bool FrmPSPrn::SSCommand2_Click() {
  if (saveFile_->isChecked()) return save();
  return output(int(OutputMode::Print));
}

}  // namespace aeriton::reports
