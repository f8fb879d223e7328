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

namespace aeriton::shell {

FrmSeason::FrmSeason(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmSeason"));
  setWindowTitle(
      QStringLiteral("%1 - Επιλογή Εποχής Υπολογισμών").arg(QString::fromLatin1(kProgramName)));
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 16, 18, 14);
  layout->setSpacing(12);

  auto* heading =
      new QLabel(QStringLiteral("Επιλέξτε την εποχή των ψυχρομετρικών υπολογισμών"), this);
  heading->setObjectName(QStringLiteral("LblSeason"));
  QFont hf = heading->font();
  hf.setPointSize(hf.pointSize() + 1);
  hf.setBold(true);
  heading->setFont(hf);
  layout->addWidget(heading);

  auto* group = new QGroupBox(QStringLiteral("Εποχή"), this);
  group->setObjectName(QStringLiteral("FraSeason"));
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->setSpacing(10);
  summer_ = new QRadioButton(QStringLiteral("ΘΕΡΟΣ  -  Ψύξη και αφύγρανση (καλοκαίρι)"), group);
  summer_->setObjectName(QStringLiteral("OptSummer"));
  winter_ = new QRadioButton(QStringLiteral("ΧΕΙΜΩΝΑΣ  -  Θέρμανση και ύγρανση"), group);
  winter_->setObjectName(QStringLiteral("OptWinter"));
  auto describe = [group](const char* name, const QString& text) {
    auto* l = new QLabel(text, group);
    l->setObjectName(QString::fromLatin1(name));
    l->setIndent(26);
    l->setStyleSheet(QStringLiteral("color: #505050;"));
    return l;
  };
  QFont of = summer_->font();
  of.setBold(true);
  summer_->setFont(of);
  winter_->setFont(of);
  groupLayout->addWidget(summer_);
  groupLayout->addWidget(
      describe("LblSummer",
               QStringLiteral("Ψυκτικό στοιχείο, σημείο δρόσου, παροχή προσαγωγής, αναθέρμανση")));
  groupLayout->addSpacing(4);
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
  buttons->addStretch(1);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("CmdOK"));
  ok->setDefault(true);
  ok->setMinimumWidth(100);
  auto* cancel = new QPushButton(QStringLiteral("Άκυρο"), this);
  cancel->setObjectName(QStringLiteral("CmdCancel"));
  cancel->setMinimumWidth(100);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &FrmSeason::accept);
  connect(cancel, &QPushButton::clicked, this, &FrmSeason::reject);
  setMinimumWidth(440);

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
