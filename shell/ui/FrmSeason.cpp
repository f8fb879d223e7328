#include "shell/ui/FrmSeason.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/ProgramInfo.h"
#include "shell/ui/ShellMessages.h"
#include "study/AppFolder.h"
#include "study/StudyState.h"
#include "study/ui/QtMessageService.h"
#include "study/ui/Style.h"

namespace aeriton::shell {

FrmSeason::FrmSeason(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmSeason"));
  setWindowTitle(
      QStringLiteral("%1 - Επιλογή Εποχής Υπολογισμών").arg(QString::fromLatin1(kProgramName)));
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(style::kMargin, style::kMargin, style::kMargin, style::kMargin);
  layout->setSpacing(style::kSpacing);

  auto* heading =
      new QLabel(QStringLiteral("Επιλέξτε την εποχή των ψυχρομετρικών υπολογισμών"), this);
  heading->setObjectName(QStringLiteral("LblSeason"));
  style::setRole(heading, style::Role::Title);
  layout->addWidget(heading);

  auto* group = style::section(QStringLiteral(" ΕΠΟΧΗ "), this, "FraSeason");
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->setContentsMargins(10, 6, 10, 8);
  groupLayout->setSpacing(4);
  summer_ = new QRadioButton(group);
  summer_->setObjectName(QStringLiteral("OptSummer"));
  style::setMnemonic(summer_, QStringLiteral("ΘΕΡΟΣ  -  Ψύξη και αφύγρανση (καλοκαίρι)"),
                     QChar(u'Θ'));
  winter_ = new QRadioButton(group);
  winter_->setObjectName(QStringLiteral("OptWinter"));
  style::setMnemonic(winter_, QStringLiteral("ΧΕΙΜΩΝΑΣ  -  Θέρμανση και ύγρανση"), QChar(u'Χ'));
  auto describe = [group](const char* name, const QString& text) {
    auto* l = new QLabel(text, group);
    l->setObjectName(QString::fromLatin1(name));
    l->setIndent(26);
    style::setRole(l, style::Role::Hint);
    return l;
  };
  groupLayout->addWidget(summer_);
  groupLayout->addWidget(
      describe("LblSummer",
               QStringLiteral("Ψυκτικό στοιχείο, σημείο δρόσου, παροχή προσαγωγής, αναθέρμανση")));
  groupLayout->addSpacing(6);
  groupLayout->addWidget(winter_);
  groupLayout->addWidget(describe(
      "LblWinter", QStringLiteral("Θερμαντικό στοιχείο, ύγρανση, θερμική ισχύς, νερό υγραντήρα")));
  layout->addWidget(group);

  // The season of the study in force is offered again; summer otherwise.
  if (study().HeatingProcess && !study().CoolingProcess)
    winter_->setChecked(true);
  else
    summer_->setChecked(true);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(style::kSpacing);
  buttons->addStretch(1);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("CmdOK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(this);
  cancel->setObjectName(QStringLiteral("CmdCancel"));
  style::setMnemonic(cancel, QStringLiteral("Άκυρο"), QChar(u'Ά'));
  style::equalButtons({ok, cancel});
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &FrmSeason::accept);
  connect(cancel, &QPushButton::clicked, this, &FrmSeason::reject);
  setMinimumWidth(440);
  style::fixSizeOnShow(this);

  // Loading the window: the file dialog needs a remembered study folder.
  QString error;
  bool repaired = false;
  const QString file =
      QDir::toNativeSeparators(appfolder::path(QString::fromLatin1(kRememberedFolderFile)));
  if (!ensureRememberedFolderFile(&error, &repaired))
    showMessage(folderFileNotWrittenMessage(file, error));
  else if (repaired)
    showMessage(folderFileRepairedMessage(file, QDir::toNativeSeparators(readRememberedFolder())));
}

void FrmSeason::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  centreWindow(this);
  // The arrow keys move between the two seasons from the one that is chosen
  // (from the other one, Up or Down would seem to do nothing).
  (winter_->isChecked() ? winter_ : summer_)->setFocus(Qt::ActiveWindowFocusReason);
}

void FrmSeason::accept() {
  chosen_ = winter_->isChecked() ? Season::Winter : Season::Summer;
  applySeasonChoice(study(), chosen_);
  QDialog::accept();
}

void FrmSeason::reject() {
  chosen_ = Season::None;
  applySeasonChoice(study(), Season::None);
  QDialog::reject();
}

Season runSeasonWindow(QWidget* parent) {
  FrmSeason window(parent);
  window.exec();
  return window.chosen();
}

}  // namespace aeriton::shell
