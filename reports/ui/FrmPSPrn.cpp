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

  auto* printerBox = new QGroupBox(u8(" Εκτυπωτής "), this);
  printers_ = new QComboBox(printerBox);
  printers_->setObjectName("Cbo_Printers");
  printers_->setMinimumWidth(300);
  fillPrinterBox(printers_, installedPrinters());
  copies_ = new QSpinBox(printerBox);
  copies_->setObjectName("Txt_Copies");
  copies_->setRange(0, 99);
  copies_->setValue(1);
  auto* pg = new QGridLayout(printerBox);
  pg->addWidget(new QLabel(u8("Εκτυπωτής :"), printerBox), 0, 0);
  pg->addWidget(printers_, 0, 1, 1, 2);
  pg->addWidget(new QLabel(u8("Αντίτυπα :"), printerBox), 1, 0);
  pg->addWidget(copies_, 1, 1);
  pg->setColumnStretch(2, 1);

  auto* designerBox = new QGroupBox(u8(" Μελετητής "), this);
  designer_ = new QLabel(designerBox);
  designer_->setObjectName("LblDesigner");
  auto* client = button(designerBox, "Cmd_Client", u8(" Μελετητές ... "));
  auto* dg = new QHBoxLayout(designerBox);
  dg->addWidget(designer_, 1);
  dg->addWidget(client);

  auto* fileBox = new QGroupBox(u8(" Αρχείο Φύλλου Εργασίας (.xlsx) "), this);
  saveFile_ = new QCheckBox(u8("Αποθήκευση σε Αρχείο, αντί για Εκτύπωση"), fileBox);
  saveFile_->setObjectName("Chk_XL");
  fileName_ = new QLabel(fileBox);
  fileName_->setObjectName("LblFName");
  fileName_->setWordWrap(true);
  fileName_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* fname = button(fileBox, "Cmd_FName", u8(" Όνομα Αρχείου ... "));
  auto* fg = new QGridLayout(fileBox);
  fg->addWidget(saveFile_, 0, 0, 1, 2);
  fg->addWidget(fileName_, 1, 0);
  fg->addWidget(fname, 1, 1, Qt::AlignTop);
  fg->setColumnStretch(0, 1);

  wait_ = new QLabel(u8("... ΠΑΡΑΚΑΛΩ, ΠΕΡΙΜΕΝΕΤΕ ..."), this);
  wait_->setObjectName("LblWait");
  wait_->setAlignment(Qt::AlignCenter);
  QFont wf = wait_->font();
  wf.setBold(true);
  wait_->setFont(wf);
  wait_->setStyleSheet(QStringLiteral("color: #b91c1c;"));
  wait_->setVisible(false);

  preview_ = button(this, "SSCommand1", u8(kPreviewCaption));
  print_ = button(this, "SSCommand2", u8(kPrintCaption));
  auto* exit = button(this, "CmdExit", u8(" Έξοδος "));
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
  layout->addWidget(printerBox);
  layout->addWidget(designerBox);
  layout->addWidget(fileBox);
  layout->addWidget(wait_);
  layout->addLayout(buttons);

  refreshDesigner();
  refreshSaveMode();
  setMinimumWidth(520);
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
  print_->setText(u8(save ? kSaveCaption : kPrintCaption));
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
