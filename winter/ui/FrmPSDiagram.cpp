#include "winter/ui/FrmPSDiagram.h"

#include <QFontMetricsF>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "register/Designer.h"
#include "reports/ReportMessages.h"
#include "reports/ui/FrmPreview.h"
#include "reports/ui/WorkbookRunner.h"
#include "study/StudyState.h"
#include "study/ui/QtMessageService.h"
#include "study/ui/Style.h"
#include "summer/ui/FrmPSRes.h"

namespace aeriton::winter {
namespace {

using reports::DiagramKind;

QString u8(const char* t) {
  return QString::fromUtf8(t);
}

const char* const kLetters[3] = {"M", "T", "S"};

// What each state is, by diagram.
QString stateCaption(DiagramKind kind, int i) {
  if (i == 0) return u8(" M : ΜΙΓΜΑ ΑΕΡΑ, ΠΡΙΝ ΑΠΟ ΤΟ ΣΤΟΙΧΕΙΟ ");
  if (i == 1)
    return u8(kind == DiagramKind::Hum ? " T : ΜΕΤΑ ΤΟ ΣΤΟΙΧΕΙΟ ΘΕΡΜΑΝΣΗΣ "
                                       : " T : ΜΕΤΑ ΤΟ ΣΤΟΙΧΕΙΟ ΨΥΞΗΣ ");
  return u8(kind == DiagramKind::Hum ? " S : ΜΕΤΑ ΤΟΥΣ ΥΓΡΑΝΤΗΡΕΣ " : " S : ΜΕΤΑ ΤΗΝ ΑΝΑΘΕΡΜΑΝΣΗ ");
}

enum class Part { CoolingCoil, HeatingCoil, Humidifier };

struct Component {
  Part part;
  const char* caption;
};

std::vector<Component> componentsOf(DiagramKind kind) {
  switch (kind) {
    case DiagramKind::Hum:
      return {{Part::HeatingCoil, "Στοιχείο Κλιματιστικής Μονάδας"},
              {Part::Humidifier, "Υγραντήρες"}};
    case DiagramKind::NoHum:
      return {{Part::CoolingCoil, "Στοιχείο Κλιματιστικής Μονάδας"}};
    case DiagramKind::Reh:
      return {{Part::CoolingCoil, "Στοιχείο Κλιματιστικής Μονάδας"},
              {Part::HeatingCoil, "Αναθέρμανση"}};
  }
  return {};
}

QColor colourOf(Part p) {
  switch (p) {
    case Part::CoolingCoil:
      return QColor(0x1D, 0x4E, 0xD8);
    case Part::HeatingCoil:
      return QColor(0xDC, 0x26, 0x26);
    case Part::Humidifier:
      return QColor(0x08, 0x91, 0xB2);
  }
  return Qt::black;
}

// The schematic of the unit. The states sit above the centres of their
// value groups, so that each mark stands over its values at any width.
class DiagramPicture : public QWidget {
 public:
  DiagramPicture(FrmPSDiagram* owner, DiagramKind kind)
      : QWidget(owner), owner_(owner), kind_(kind) {
    setObjectName("PicDiagram");
    setFixedHeight(236);
    setMinimumWidth(640);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const int n = reports::diagramStateCount(kind_);
    std::vector<double> xs;
    for (int i = 0; i < n; ++i) xs.push_back(owner_->stateX(i));
    const double W = width();
    const double mid = 128;
    const double span = n > 1 ? (xs.back() - xs.front()) / (n - 1) : W / 2;
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 0.95);
    const QFontMetricsF fm(f);
    const QString in = u8("Είσοδος Αέρα"), out = u8("Προς τους Χώρους");

    // Casing of the unit, leaving room for the words at the stream's ends.
    const double left = std::max(xs.front() - span * 0.45, fm.horizontalAdvance(in) + 20);
    const double right = std::min(xs.back() + span * 0.45, W - fm.horizontalAdvance(out) - 24);
    const QRectF casing(left, mid - 70, right - left, 140);
    p.setPen(QPen(QColor(0x6B, 0x72, 0x80), 1.6));
    p.setBrush(QColor(0xF3, 0xF4, 0xF6));
    p.drawRoundedRect(casing, 10, 10);

    // The air stream, in at the left, out to the rooms at the right.
    const QColor air(0x1F, 0x4E, 0x79);
    p.setPen(QPen(air, 3.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(6, mid), QPointF(W - 14, mid));
    p.setFont(f);
    p.setPen(QColor(0x37, 0x41, 0x51));
    p.drawText(QRectF(6, mid - 30, casing.left() - 8, 24), Qt::AlignLeft | Qt::AlignBottom, in);
    p.drawText(QRectF(casing.right() + 4, mid - 30, W - casing.right() - 10, 24),
               Qt::AlignRight | Qt::AlignBottom, out);

    // Components between the states.
    const auto parts = componentsOf(kind_);
    std::vector<std::pair<double, double>> free;  // stretches of open stream
    double from = 0;
    for (size_t i = 0; i < parts.size() && i + 1 < xs.size(); ++i) {
      const double gap = (xs[i + 1] - xs[i]) * 0.22;
      const QRectF box(xs[i] + gap, mid - 55, xs[i + 1] - xs[i] - 2 * gap, 110);
      drawComponent(p, box, parts[i]);
      free.emplace_back(from, box.left());
      from = box.right();
    }
    free.emplace_back(from, W);
    for (const auto& s : free) arrow(p, s.second - (s.second >= W ? 4 : 3), mid, air);

    // The states: a mark on the stream, the letter, a line down to the values.
    QFont lf = font();
    lf.setBold(true);
    lf.setPointSizeF(lf.pointSizeF() * 1.4);
    for (int i = 0; i < n; ++i) {
      const QColor red(0xB9, 0x1C, 0x1C);
      p.setPen(QPen(red, 2.0));
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(xs[i], mid), 7, 7);
      p.setPen(QPen(red, 1.2, Qt::DashLine));
      p.drawLine(QPointF(xs[i], mid + 8), QPointF(xs[i], height()));
      p.setFont(lf);
      p.setPen(red);
      p.drawText(QRectF(xs[i] + 6, mid + 12, 40, 30), Qt::AlignLeft | Qt::AlignTop,
                 QString::fromLatin1(kLetters[i]));
    }
  }

 private:
  static void arrow(QPainter& p, double x, double y, const QColor& c) {
    QPainterPath head;
    head.moveTo(x, y);
    head.lineTo(x - 13, y - 7);
    head.lineTo(x - 13, y + 7);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(head);
  }

  void drawComponent(QPainter& p, const QRectF& r, const Component& c) {
    const QColor colour = colourOf(c.part);
    p.setPen(QPen(QColor(0x11, 0x18, 0x27), 1.8));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.save();
    p.setClipRect(r.adjusted(1, 1, -1, -1));
    if (c.part == Part::Humidifier) {
      // A header pipe with spray nozzles; the water mist drifts downstream.
      const double hx = r.left() + 14;
      p.setPen(QPen(colour, 2.0));
      p.drawLine(QPointF(hx, r.top() + 6), QPointF(hx, r.bottom() - 6));
      p.setBrush(colour);
      for (double y = r.top() + 16; y < r.bottom() - 8; y += 19) {
        p.drawEllipse(QPointF(hx, y), 3, 3);
        for (int k = -1; k <= 1; ++k)
          for (double x = hx + 10; x < r.right() - 4; x += 10)
            p.drawEllipse(QPointF(x, y + k * 4 + (x - hx) * 0.15 * k), 1.4, 1.4);
      }
    } else {
      // A finned coil: the fins' hatch and the rows of tubes.
      p.setPen(QPen(colour.lighter(160), 1.0));
      for (double x = r.left() - r.height(); x < r.right(); x += 8)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
      p.setPen(QPen(colour, 2.2));
      p.setBrush(Qt::white);
      for (double y = r.top() + 11; y < r.bottom() - 5; y += 15)
        for (double x = r.left() + 14; x < r.right() - 6; x += 22)
          p.drawEllipse(QPointF(x, y), 4, 4);
    }
    p.restore();
    // Connections above the unit: water for the coils, the humidifiers' supply.
    p.setPen(QPen(colour, 2.4));
    if (c.part == Part::Humidifier) {
      p.drawLine(QPointF(r.left() + 14, r.top()), QPointF(r.left() + 14, r.top() - 26));
    } else {
      p.drawLine(QPointF(r.left() + r.width() * 0.3, r.top()),
                 QPointF(r.left() + r.width() * 0.3, r.top() - 26));
      p.drawLine(QPointF(r.left() + r.width() * 0.7, r.top()),
                 QPointF(r.left() + r.width() * 0.7, r.top() - 26));
    }
    // The caption above it.
    QFont cf = font();
    cf.setBold(true);
    p.setFont(cf);
    p.setPen(QColor(0x11, 0x18, 0x27));
    const QRectF text(r.left() - 40, r.top() - 70, r.width() + 80, 42);
    p.drawText(text, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, u8(c.caption));
  }

  FrmPSDiagram* owner_;
  DiagramKind kind_;
};

QLineEdit* field(QWidget* parent, const QString& name, const QString& text) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(name);
  box->setReadOnly(true);
  box->setAlignment(Qt::AlignRight);
  box->setFixedWidth(style::kBoxWidth + 30);  // the value with its unit, "57,716 [KJ/Kg]"
  style::setRole(box, style::Role::Result);
  box->setFocusPolicy(Qt::ClickFocus);
  return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

FrmPSDiagram::FrmPSDiagram(QWidget* parent, const StudyState& results, const QString& loadUnit,
                           reports::DiagramKind kind)
    : QDialog(parent), data_(reports::diagramData(results, loadUnit)) {
  data_.kind = kind;
  if (kind == DiagramKind::NoHum) data_.S.shown = false;
  title_ = study().Title.trimmed();
  setModal(true);
  setWindowTitle(u8("Σχηματική Διάταξη Θερμοκρασιών"));
  buildUi();
  centreWindow(this);
  style::fixSizeOnShow(this);
}

void FrmPSDiagram::buildUi() {
  auto* heading = new QLabel(u8("Σχηματική Διάταξη Θερμοκρασιών"), this);
  style::setRole(heading, style::Role::Title);
  auto* period = new QLabel(
      u8(data_.kind == DiagramKind::Hum ? "(Περίοδος Χειμώνα)" : "(Περίοδος Καλοκαιριού)"), this);
  period->setObjectName("LblPeriod");
  style::setRole(period, style::Role::Title);
  auto* title = new QLabel(title_, this);
  title->setObjectName("LblThema");

  picture_ = new DiagramPicture(this, data_.kind);

  auto* states = new QHBoxLayout;
  const reports::AirPoint* points[3] = {&data_.M, &data_.T, &data_.S};
  const int n = reports::diagramStateCount(data_.kind);
  for (int i = 0; i < n; ++i) {
    const reports::PointTexts t = reports::pointTexts(data_, *points[i]);
    auto* group = style::section(stateCaption(data_.kind, i), this);
    group->setObjectName(QStringLiteral("Fra_") + QString::fromLatin1(kLetters[i]));
    auto* form = style::sectionGrid(group);
    const QString s = QString::fromLatin1(kLetters[i]);
    const char* const captions[3] = {"ΘΕΡΜΟΚΡΑΣΙΑ Ξ.Θ...........", "ΘΕΡΜΟΚΡΑΣΙΑ Υ.Θ...........",
                                     "ΕΝΘΑΛΠΙΑ.........................."};
    QLineEdit* fields[3] = {field(group, "TxtDB_" + s, t.db), field(group, "TxtWB_" + s, t.wb),
                            field(group, "Txt_h_" + s, t.h)};
    for (int r = 0; r < 3; ++r) {
      form->addWidget(style::caption(u8(captions[r]), group), r, 0);
      form->addWidget(fields[r], r, 1, Qt::AlignRight);
    }
    form->setColumnStretch(0, 1);
    states->addWidget(group, 1);
    stateGroups_.push_back(group);
  }

  wait_ = new QLabel(u8("... ΠΑΡΑΚΑΛΩ, ΠΕΡΙΜΕΝΕΤΕ ..."), this);
  wait_->setObjectName("LblWait");
  style::setRole(wait_, style::Role::Wait);
  style::keepSpaceWhenHidden(wait_);
  wait_->setVisible(false);

  auto* preview = button(this, "CmdPreview", QString());
  style::setMnemonic(preview, u8(" Προεπισκόπηση της Εκτύπωσης "), QChar(u'Π'));
  auto* print = button(this, "CmdPrint", QString());
  style::setMnemonic(print, u8(" Εκτύπωση "), QChar(u'κ'));
  auto* close = button(this, "SSCommand1", QString());
  style::setMnemonic(close, u8(" Έξοδος "), QChar(u'Έ'));
  style::equalButtons({preview, print, close});
  connect(preview, &QPushButton::clicked, this, [this] { CmdPreview_Click(); });
  connect(print, &QPushButton::clicked, this, [this] { CmdPrint_Click(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* head = new QHBoxLayout;
  head->addWidget(heading);
  head->addStretch();
  head->addWidget(period);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(preview);
  buttons->addWidget(print);
  buttons->addSpacing(12);
  buttons->addWidget(wait_);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(style::kMargin, style::kMargin, style::kMargin, style::kMargin);
  layout->setSpacing(style::kSpacing);
  layout->addLayout(head);
  layout->addWidget(title);
  layout->addWidget(picture_, 1);
  layout->addLayout(states);
  layout->addLayout(buttons);
  resize(n == 3 ? 980 : 820, 480);
}

int FrmPSDiagram::stateX(int index) const {
  const int n = static_cast<int>(stateGroups_.size());
  if (index < 0 || index >= n || !picture_) return 0;
  const QWidget* g = stateGroups_[static_cast<size_t>(index)];
  return picture_->mapFrom(this, g->geometry().center()).x();
}

reports::CellMap FrmPSDiagram::workbookCells() const {
  const QString designer = designer::current();
  switch (data_.kind) {
    case DiagramKind::Hum:
      return reports::Print_By_Excel_Hum(data_, designer, title_);
    case DiagramKind::NoHum:
      return reports::Print_By_Excel_NoHum(data_, designer, title_);
    case DiagramKind::Reh:
      return reports::Print_By_Excel_Reh(data_, designer, title_);
  }
  return {};
}

bool FrmPSDiagram::output(bool print) {
  reports::OutputOptions options;
  StudyState& s = study();
  if (print) {
    reports::PrintTarget target;
    if (!reports::choosePrintTarget(this, target)) s.MessageCode = reports::kPrinterChoiceCancelled;
    // A cancelled printer choice prints nothing.
    if (s.MessageCode == reports::kPrinterChoiceCancelled) {
      s.MessageCode = 0;
      return false;
    }
    options.printerName = target.printerName;
    options.copies = reports::effectiveCopies(target.copies);
    options.printToFile = target.pdfFile;
  }
  wait_->setVisible(true);
  wait_->repaint();
  const bool done = reports::runWorkbook(
      this, reports::diagramTemplateName(data_.kind), workbookCells(),
      print ? reports::OutputMode::Print : reports::OutputMode::Preview, options);
  wait_->setVisible(false);
  s.MessageCode = 0;
  return done;
}

bool FrmPSDiagram::CmdPreview_Click() {
  return output(false);
}

bool FrmPSDiagram::CmdPrint_Click() {
  return output(true);
}

FrmPSHum::FrmPSHum(QWidget* parent, const StudyState& results, const QString& loadUnit)
    : FrmPSDiagram(parent, results, loadUnit, DiagramKind::Hum) {
  setObjectName("FrmPSHum");
}

FrmPSNoHum::FrmPSNoHum(QWidget* parent, const StudyState& results, const QString& loadUnit)
    : FrmPSDiagram(parent, results, loadUnit, DiagramKind::NoHum) {
  setObjectName("FrmPSNoHum");
}

FrmPSReh::FrmPSReh(QWidget* parent, const StudyState& results, const QString& loadUnit)
    : FrmPSDiagram(parent, results, loadUnit, DiagramKind::Reh) {
  setObjectName("FrmPSReh");
}

void openDiagramScreen(QWidget* parent, const StudyState& results, const QString& loadUnit) {
  switch (reports::diagramKindFor(results)) {
    case DiagramKind::Hum: {
      FrmPSHum screen(parent, results, loadUnit);
      screen.exec();
      break;
    }
    case DiagramKind::NoHum: {
      FrmPSNoHum screen(parent, results, loadUnit);
      screen.exec();
      break;
    }
    case DiagramKind::Reh: {
      FrmPSReh screen(parent, results, loadUnit);
      screen.exec();
      break;
    }
  }
}

void installDiagramScreens() {
  summer::setDiagramHandler(openDiagramScreen);
}

}  // namespace aeriton::winter
