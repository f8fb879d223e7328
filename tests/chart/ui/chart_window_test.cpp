// The chart window driven through its controls: opening maximised with its
// caption, drawing once and again on a new size, the readout under the mouse
// (with the user's separators), saving through the tool bar and printing.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "TestSupport.h"
#include "chart/ChartData.h"
#include "chart/ChartMessages.h"
#include "chart/ChartTable.h"
#include "chart/PsyDraw.h"
#include "chart/ui/FrmPsyDrawForm.h"
#include "engine/NumberEntry.h"

using namespace aeriton;
using namespace aeriton::chart;

namespace {

// A metric cooling study with reheat.
ChartProcessData study() {
  ChartProcessData p;
  p.Kind = 2;
  const double s[kPointCount][2] = {{35, 24},     {28.2, 20.0}, {9.9, 9.4},
                                    {14.0, 11.4}, {26, 18.5},   {9.1, 9.1}};
  for (int k = 0; k < kPointCount; ++k) p.point[k] = {s[k][0], s[k][1], 0};
  return p;
}

QString label(QWidget& w, const char* name) {
  auto* l = w.findChild<QLabel*>(QString::fromLatin1(name));
  EXPECT_NE(l, nullptr) << name;
  return l ? l->text() : QString();
}

class ChartWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    resetChart();
    setSeparators(Separators{'.', ','});
    test::writeAll(fx.path("Data.dat"), chartDataFileBytes());
    ASSERT_EQ(LoadChartData(), ChartDataStatus::Ok);
    SetChartProcess(study());
  }
  void TearDown() override {
    frmPsyDrawForm::setSaveFileDialog(nullptr);
    resetChart();
  }
  // Shows the window as ShowChart does, without its modal loop.
  void open(frmPsyDrawForm& w, bool english = false) {
    const ChartRange r = defaultChartRange(english, false);
    w.SetData(english, r.MinTemp, r.MaxTemp, r.MaxAbsHum);
    w.setWindowState(Qt::WindowMaximized);
    w.show();
    // Drawn, maximised, and drawn at the size it settled at.
    ASSERT_TRUE(QTest::qWaitFor(
        [&w] {
          return w.canvas()->drawings() > 0 && (w.windowState() & Qt::WindowMaximized) &&
                 w.canvas()->image().size() == w.canvas()->size() * w.canvas()->devicePixelRatioF();
        },
        5000));
    QTest::qWait(50);
  }
  test::ProgramFolderFixture fx;
};

}  // namespace

// Opened: caption, maximised, drawn once, captions with the units.
TEST_F(ChartWindow, OpensMaximisedDrawnOnceWithUnitCaptions) {
  frmPsyDrawForm w;
  EXPECT_FALSE(w.drawn());
  open(w);
  EXPECT_EQ(w.windowTitle(), "Psychrometric Diagram");
  EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
  EXPECT_TRUE(w.drawn());
  EXPECT_TRUE(w.canvas()->drawnOk());
  // Once when first shown (and again only if maximising changed its size).
  const int drawings = w.canvas()->drawings();
  EXPECT_GE(drawings, 1);
  EXPECT_LE(drawings, 2);
  EXPECT_EQ(lastDrawing().pixelWidth, w.canvas()->width());
  EXPECT_EQ(label(w, "lblTempDL"), QString::fromUtf8("Θερμοκρασία Ξηρού Θερμομέτρου, °C"));
  EXPECT_EQ(label(w, "lblTempWL"), QString::fromUtf8("Θερμοκρασία Υγρού Θερμομέτου, °C"));
  EXPECT_EQ(label(w, "lblAbsHumL"), QString::fromUtf8("Απόλυτη Υγρασία, gr/Kg"));
  EXPECT_EQ(label(w, "lblEnthL"), QString::fromUtf8("Ενθαλπία, KJ/Kg"));
  EXPECT_EQ(label(w, "lblRelHumL"), QString::fromUtf8("Σχετική Υγρασία, %"));
  EXPECT_EQ(label(w, "lblTempD"), "---");
  // A second activation at the same size does not draw again.
  w.hide();
  w.show();
  QTest::qWait(50);
  EXPECT_EQ(w.canvas()->drawings(), drawings);
}

// A window restored to its normal size goes back to maximised.
TEST_F(ChartWindow, AlwaysMaximised) {
  frmPsyDrawForm w;
  open(w);
  w.setWindowState(Qt::WindowNoState);
  EXPECT_TRUE(QTest::qWaitFor([&w] { return w.windowState() & Qt::WindowMaximized; }, 2000));
}

// A new size of the drawing area is drawn anew, at that size.
TEST_F(ChartWindow, DrawnAgainWhenTheSizeChanges) {
  frmPsyDrawForm w;
  open(w);
  const int before = w.canvas()->drawings();
  const QSize old = w.canvas()->size();
  w.canvas()->resize(old.width() - 100, old.height() - 80);
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.canvas()->drawings() > before; }, 2000));
  EXPECT_EQ(w.canvas()->image().size(), w.canvas()->size() * w.canvas()->devicePixelRatioF());
  EXPECT_EQ(lastDrawing().pixelWidth, old.width() - 100);
}

// The mouse on the drawn mixed-air point reads that state; English captions
// and numbers for an English study; the user's decimal comma.
TEST_F(ChartWindow, ReadoutUnderTheMouse) {
  frmPsyDrawForm w;
  open(w);
  const DrawnChart& d = lastDrawing();
  const QPointF m = d.pointPixel[kPointM];
  QTest::mouseMove(
      w.canvas(), QPoint(static_cast<int>(std::floor(m.x())), static_cast<int>(std::floor(m.y()))));
  QApplication::processEvents();
  EXPECT_EQ(label(w, "lblTempD"), "28.2");
  EXPECT_EQ(label(w, "lblTempW"), "20.0");
  EXPECT_EQ(label(w, "lblRelHum"), "47%");  // 28.2 / 20.0 °C: 47.0 % by Carrier

  // Below the axis: no wet bulb, no relative humidity.
  const QPointF below = d.toPixel(20, -0.4);
  QTest::mouseMove(w.canvas(), below.toPoint());
  QApplication::processEvents();
  EXPECT_EQ(label(w, "lblTempW"), "---");
  EXPECT_EQ(label(w, "lblRelHum"), "---");

  // A Greek user reads decimal commas.
  setSeparators(Separators{',', '.'});
  QTest::mouseMove(
      w.canvas(), QPoint(static_cast<int>(std::floor(m.x())), static_cast<int>(std::floor(m.y()))));
  QApplication::processEvents();
  EXPECT_EQ(label(w, "lblTempD"), "28,2");
  setSeparators(Separators{'.', ','});
}

TEST_F(ChartWindow, EnglishStudyCaptions) {
  ChartProcessData p = study();
  for (ChartStatePoint& s : p.point) {
    s.DryBulb = s.DryBulb * 9 / 5 + 32;
    s.WetBulb = s.WetBulb * 9 / 5 + 32;
  }
  SetChartProcess(p);
  frmPsyDrawForm w;
  open(w, true);
  EXPECT_EQ(label(w, "lblTempDL"), QString::fromUtf8("Θερμοκρασία Ξηρού Θερμομέτρου, °F"));
  EXPECT_EQ(label(w, "lblAbsHumL"), QString::fromUtf8("Απόλυτη Υγρασία, Grain/Lb"));
  EXPECT_EQ(label(w, "lblEnthL"), QString::fromUtf8("Ενθαλπία, Btu/Lb"));
  EXPECT_EQ(chartModule().ChartMaxTemp, 129);
}

// The tool bar's PNG action asks for a file name and writes the picture there;
// a cancelled dialog writes nothing.
TEST_F(ChartWindow, SaveAsPngThroughTheToolBar) {
  frmPsyDrawForm w;
  open(w);
  QString asked;
  frmPsyDrawForm::setSaveFileDialog([&](QWidget*, const QString& caption, const QString& path,
                                        const QString&) {
    asked = caption;
    EXPECT_TRUE(path.endsWith(QString::fromUtf8("Ψυχρομετρικός Χάρτης.png"))) << path.toStdString();
    return fx.path("chart");  // no suffix: the format's is added
  });
  auto* png = w.findChild<QAction*>("actExportPng");
  ASSERT_NE(png, nullptr);
  png->trigger();
  EXPECT_EQ(asked, QString::fromUtf8("Αποθήκευση του Χάρτη ως εικόνα PNG"));
  QImage image;
  ASSERT_TRUE(image.load(fx.path("chart.png")));
  EXPECT_GE(image.width(), 2400);
  // The window's readout still works on its own drawing.
  EXPECT_EQ(lastDrawing().pixelWidth, w.canvas()->width());

  frmPsyDrawForm::setSaveFileDialog(
      [](QWidget*, const QString&, const QString&, const QString&) { return QString(); });
  w.findChild<QAction*>("actExportSvg")->trigger();
  EXPECT_FALSE(QFile::exists(fx.path("chart.svg")));
  EXPECT_TRUE(fx.messages.shown().empty());
}

// A file that cannot be written: the message names it; nothing is left.
TEST_F(ChartWindow, SaveFailureIsReported) {
  frmPsyDrawForm w;
  open(w);
  const QString path = fx.path("missing/folder/chart.pdf");
  EXPECT_FALSE(w.exportTo(path, ExportFormat::Pdf));
  ASSERT_NE(fx.messages.last(), nullptr);
  EXPECT_EQ(fx.messages.last()->code, kChartExportMessage);
  EXPECT_TRUE(fx.messages.last()->text.contains("chart.pdf"));
  EXPECT_FALSE(QFile::exists(path));
}

// Printing: a portrait page takes the chart turned by 90°, a landscape page
// as it is; both make one page.
TEST_F(ChartWindow, PrintsOnPortraitAndLandscapePages) {
  frmPsyDrawForm w;
  open(w);
  for (QPageLayout::Orientation o : {QPageLayout::Portrait, QPageLayout::Landscape}) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString out = fx.path(o == QPageLayout::Portrait ? "p.pdf" : "l.pdf");
    printer.setOutputFileName(out);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(o);
    ASSERT_TRUE(w.printTo(printer));
    const QByteArray pdf = test::readAll(out);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.contains(o == QPageLayout::Portrait ? "/MediaBox [0 0 595.000000 842.000000]"
                                                        : "/MediaBox [0 0 842.000000 595.000000]"));
  }
  // The window's own drawing is untouched by the printing.
  EXPECT_FALSE(lastDrawing().rotated);
  EXPECT_EQ(lastDrawing().pixelWidth, w.canvas()->width());
}

// The close button ends the window.
TEST_F(ChartWindow, CloseButton) {
  test::ModalWatchdog watchdog;
  QTimer::singleShot(0, [] {
    auto* w = qobject_cast<frmPsyDrawForm*>(QApplication::activeModalWidget());
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([w] { return w->drawn(); }, 5000));
    QTest::mouseClick(w->findChild<QPushButton*>("CmdClose"), Qt::LeftButton);
  });
  ShowChart(nullptr, false, -13, 54, 60);
  EXPECT_TRUE(watchdog.closed().isEmpty());
  EXPECT_TRUE(lastDrawing().ok);
}
