#include "summer/ui/FrmPSVee.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "engine/NumberEntry.h"
#include "engine/ui/NumericBox.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/ui/QtMessageService.h"
#include "study/ui/Style.h"
#include "summer/ResultsTexts.h"

namespace aeriton::summer {
namespace {
QString u8(const char* t) {
  return QString::fromUtf8(t);
}
}  // namespace

Message raiseRefusalMessage(RaiseCheck check, bool metric) {
  Message m;
  m.title = u8(texts::kVeeTitle);
  m.icon = MsgIcon::Critical;
  m.buttons = MsgButtons::Ok;
  m.beeps = 2;
  switch (check) {
    case RaiseCheck::NotBelowRoom:
      m.code = -1;
      m.text = u8(texts::kVeeNotBelowRoom1) + '\n' + u8(texts::kVeeNotBelowRoom2);
      break;
    case RaiseCheck::NotAboveOutlet:
      m.code = -2;
      m.text = u8(texts::kVeeNotAboveOutlet1) + '\n' + u8(texts::kVeeNotAboveOutlet2);
      break;
    case RaiseCheck::TooClose:
      m.code = -3;
      m.text = u8(texts::kVeeTooClose1) + '\n' +
               u8(metric ? texts::kVeeTooCloseC : texts::kVeeTooCloseF);
      break;
    case RaiseCheck::Accepted:
      break;
  }
  return m;
}

FrmPSVee::FrmPSVee(float roomDB, float presentOutlet, bool metric, QWidget* parent)
    : QDialog(parent), roomDB_(roomDB), presentOutlet_(presentOutlet), metric_(metric) {
  setObjectName("FrmPSVee");
  setWindowTitle(QStringLiteral("Αύξηση Θερμοκρασίας Αέρα Τροφοδοσίας"));
  setModal(true);

  auto* box =
      style::section(QStringLiteral(" ΝΕΑ ΘΕΡΜΟΚΡΑΣΙΑ ΑΕΡΑ ΤΡΟΦΟΔΟΣΙΑΣ "), this, "FraNewTemp");
  auto* grid = style::sectionGrid(box);
  auto* prompt =
      style::caption(QStringLiteral("ΘΕΡΜΟΚΡΑΣΙΑ < Ξ.Θ. > ΤΟΥ ΑΕΡΑ ΤΡΟΦΟΔΟΣΙΑΣ ΤΩΝ ΧΩΡΩΝ......"),
                     box, "LblPrompt");
  box_ = new NumericBox(box);
  box_->setObjectName("TxtNewTemp");
  box_->setFormat(QStringLiteral("#,##0.0"));
  box_->setAlignment(Qt::AlignRight);
  box_->setFixedWidth(style::kBoxWidth);
  auto* unit = new QLabel(u8(metric ? texts::kVeeUnitC : texts::kVeeUnitF), box);
  unit->setObjectName("LblUnit");
  auto* hint = new QLabel(
      QStringLiteral("Θερμοκρασία Χώρων : %1 %2     Τρέχουσα Θερμοκρασία Τροφοδοσίας : %3 %2")
          .arg(FormatNumber(roomDB, QStringLiteral("#,##0.0")),
               u8(metric ? texts::kVeeUnitC : texts::kVeeUnitF),
               FormatNumber(presentOutlet, QStringLiteral("#,##0.0"))),
      box);
  hint->setObjectName("LblLimits");
  style::setRole(hint, style::Role::Hint);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("CmdOK");
  ok->setDefault(true);
  auto* cancel = new QPushButton(this);
  cancel->setObjectName("CmdCancel");
  style::setMnemonic(cancel, QStringLiteral("Άκυρο"), QChar(u'Ά'));
  style::equalButtons({ok, cancel});

  grid->addWidget(prompt, 0, 0);
  grid->addWidget(box_, 0, 1);
  grid->addWidget(unit, 0, 2);
  grid->addWidget(hint, 1, 0, 1, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(style::kMargin, style::kMargin, style::kMargin, style::kMargin);
  layout->setSpacing(style::kSpacing);
  layout->addWidget(box);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, [this] { confirm(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(box_, &NumericBox::enterPressed, this, [this] { confirm(); });
  centreWindow(this);
  style::fixSizeOnShow(this);
}

bool FrmPSVee::confirm() {
  const float T = static_cast<float>(box_->value());
  const RaiseCheck check = checkRaise(T, roomDB_, presentOutlet_, metric_);
  if (check != RaiseCheck::Accepted) {
    showMessage(raiseRefusalMessage(check, metric_));
    box_->setFocus();
    return false;  // the dialog stays open with the typed value
  }
  QString error;
  if (!writeFileAtomically(appfolder::path(QStringLiteral("PSY_VEE.TMP")), raiseRequestBytes(T),
                           &error)) {
    // The program folder refused the request file: say so and stay.
    showMessage(okMessage(
        -4, QStringLiteral("...! ΠΡΟΣΟΧΗ !.."),
        QStringLiteral("... Υπάρχει σοβαρό πρόβλημα στο εν λόγω Αρχείο ...\nPSY_VEE.TMP: ") +
            error));
    return false;
  }
  accept();
  return true;
}

}  // namespace aeriton::summer
