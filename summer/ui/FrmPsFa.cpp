#include "summer/ui/FrmPsFa.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "study/ui/QtMessageService.h"

namespace aeriton::summer {

FrmPsFa::FrmPsFa(const ResultsView& view, QWidget* parent) : QDialog(parent) {
  setObjectName("FrmPsFa");
  setWindowTitle(QStringLiteral("Φορτία Νωπού Αέρα"));
  setModal(true);

  auto* grid = new QGridLayout;
  const struct {
    ResultField field;
    const char* caption;
    const char* unitName;
  } rows[] = {
      {ResultField::FreshSens, "Αισθητό Φορτίο Νωπού Αέρα ......................", "LblFASensUn"},
      {ResultField::FreshLat, "Λανθάνον Φορτίο Νωπού Αέρα .....................", "LblFALatUn"},
  };
  int row = 0;
  for (const auto& r : rows) {
    auto* caption = new QLabel(QString::fromUtf8(r.caption), this);
    auto* box = new QLineEdit(view.text(r.field), this);
    box->setObjectName(controlName(r.field));
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(130);
    box->setStyleSheet(QStringLiteral("QLineEdit { background: #FFFF80; }"));
    auto* unit = new QLabel(view.loadLabel(), this);
    unit->setObjectName(QString::fromLatin1(r.unitName));
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(unit, row, 2);
    ++row;
  }
  auto* ok = new QPushButton(QStringLiteral("ΕΠΙΣΤΡΟΦΗ"), this);
  ok->setObjectName("CmdOK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  centreWindow(this);
}

}  // namespace aeriton::summer
