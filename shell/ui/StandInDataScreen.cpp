#include "shell/ui/StandInDataScreen.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ProgramInfo.h"
#include "shell/ui/ShellApi.h"
#include "study/AppFolder.h"
#include "study/StudyState.h"
#include "study/ui/QtMessageService.h"

namespace aeriton::shell {

StandInDataScreen::StandInDataScreen(Season season, QWidget* parent)
    : QDialog(parent), season_(season) {
  const bool winter = season == Season::Winter;
  setObjectName(winter ? QStringLiteral("FrmPsyDaW") : QStringLiteral("FrmPsyDat"));
  setWindowTitle(QStringLiteral("%1 - %2").arg(
      QString::fromLatin1(kProgramName),
      winter ? QStringLiteral("Δεδομένα Χειμερινών Ψυχρομετρικών Υπολογισμών")
             : QStringLiteral("Δεδομένα Θερινών Ψυχρομετρικών Υπολογισμών")));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 16, 18, 14);
  layout->setSpacing(12);

  auto* titleRow = new QHBoxLayout;
  auto* thema =
      new QLabel(study().Title.trimmed().isEmpty() ? QStringLiteral("ΘΕΜΑ-ΤΙΤΛΟΣ ΤΗΣ ΜΕΛΕΤΗΣ")
                                                   : study().Title.trimmed(),
                 this);
  thema->setObjectName(QStringLiteral("LblThema"));
  thema->setFrameShape(QFrame::StyledPanel);
  thema->setMinimumWidth(380);
  titleRow->addWidget(thema, 1);
  auto* themaButton = new QPushButton(QStringLiteral("Θέμα - Τίτλος..."), this);
  themaButton->setObjectName(QStringLiteral("CmdThema"));
  titleRow->addWidget(themaButton);
  layout->addLayout(titleRow);

  auto* note = new QLabel(
      winter
          ? QStringLiteral("Η οθόνη δεδομένων του χειμώνα δεν περιλαμβάνεται σε αυτή την έκδοση.")
          : QStringLiteral("Η οθόνη δεδομένων του θέρους δεν περιλαμβάνεται σε αυτή την έκδοση."),
      this);
  note->setObjectName(QStringLiteral("LblNote"));
  note->setWordWrap(true);
  layout->addWidget(note);

  auto* exitRow = new QHBoxLayout;
  exitRow->addStretch(1);
  auto* exitButton = new QPushButton(QStringLiteral("ΕΞΟΔΟΣ ΑΠΟ ΤΑ ΔΕΔΟΜΕΝΑ"), this);
  exitButton->setObjectName(QStringLiteral("SSCommand3"));
  exitRow->addWidget(exitButton);
  layout->addLayout(exitRow);

  connect(themaButton, &QPushButton::clicked, this, [this] { openStudyTitleWindow(this); });
  connect(exitButton, &QPushButton::clicked, this, [this] { exitOrChangeRequest(this); });
}

void StandInDataScreen::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  centreWindow(this);
}

void StandInDataScreen::closeEvent(QCloseEvent* e) {
  // Leaving a data screen, by its exit button or its frame, leaves no
  // temporary files behind.
  removeTemporaryFiles();
  QDialog::closeEvent(e);
}

}  // namespace aeriton::shell
