#include "summer/ui/FrmPsFa.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "study/ui/QtMessageService.h"
#include "study/ui/Style.h"

namespace aeriton::summer {

FrmPsFa::FrmPsFa(const ResultsView& view, QWidget* parent) : QDialog(parent) {
  setObjectName("FrmPsFa");
  setWindowTitle(QStringLiteral("Φορτία Νωπού Αέρα"));
  setModal(true);

  auto* box = style::section(QStringLiteral(" ΦΟΡΤΙΑ ΝΩΠΟΥ ΑΕΡΑ "), this, "FraFreshAir");
  auto* grid = style::sectionGrid(box);
  const struct {
    ResultField field;
    const char* caption;
    const char* unitName;
  } rows[] = {
      {ResultField::FreshSens, "ΑΙΣΘΗΤΟ ΦΟΡΤΙΟ ΝΩΠΟΥ ΑΕΡΑ......................", "LblFASensUn"},
      {ResultField::FreshLat, "ΛΑΝΘΑΝΟΝ ΦΟΡΤΙΟ ΝΩΠΟΥ ΑΕΡΑ.....................", "LblFALatUn"},
  };
  int row = 0;
  for (const auto& r : rows) {
    auto* field = new QLineEdit(view.text(r.field), box);
    field->setObjectName(controlName(r.field));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(style::kBoxWidth);
    field->setFocusPolicy(Qt::ClickFocus);
    style::setRole(field, style::Role::Result);
    auto* unit = style::unitLabel(
        box, r.unitName,
        {QStringLiteral("[Kcal/h]"), QStringLiteral("[Watts]"), QStringLiteral("[Btu/h]")});
    unit->setText(view.loadLabel());
    grid->addWidget(style::caption(QString::fromUtf8(r.caption), box), row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(unit, row, 2);
    ++row;
  }
  auto* ok = new QPushButton(this);
  ok->setObjectName("CmdOK");
  style::setMnemonic(ok, QStringLiteral("ΕΠΙΣΤΡΟΦΗ"), QChar(u'Ε'));
  ok->setDefault(true);
  style::equalButtons({ok});
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(style::kMargin, style::kMargin, style::kMargin, style::kMargin);
  layout->setSpacing(style::kSpacing);
  layout->addWidget(box);
  layout->addLayout(buttons);
  centreWindow(this);
  style::fixSizeOnShow(this);
}

}  // namespace aeriton::summer
