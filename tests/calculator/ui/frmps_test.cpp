// The two-state calculator screen driven through its controls: the humidity
// boxes, a calculation in each unit system with the load colours, the edge
// cases' messages and focus, the unit buttons, the title, the Enter chain,
// new, save and open with the file dialogs answered, and the workbook.

#include "calculator/ui/FrmPS.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "TestSupport.h"
#include "calculator/PsFile.h"
#include "calculator/PsWorkbook.h"
#include "engine/NumberEntry.h"
#include "engine/ui/NumericBox.h"
#include "register/Designer.h"
#include "study/AppFolder.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::calculator;

namespace {

const QString kYellow = QStringLiteral("#ffff80");
const QString kCooling = QStringLiteral("#80ffff");
const QString kHeating = QStringLiteral("#ff8080");

// The background a box is drawn with (the style sheet's colour for its role).
QString background(QWidget* w) {
  w->ensurePolished();
  return w->palette().color(QPalette::Base).name();
}

class FrmPSTest : public ::testing::Test {
 public:
  void SetUp() override {
    setSeparators(Separators{'.', ','});
    FrmPS::setFileChooser([this](QWidget*, const FrmPS::FileRequest& r) {
      requests.push_back(r);
      return answers.empty() ? QString() : answers.takeFirst();
    });
    FrmPS::setWorkbookRunner([this](QWidget*, const QString& name, const reports::CellMap& cells,
                                    reports::OutputMode mode, const reports::OutputOptions& o) {
      workbooks.push_back(Workbook{name, cells, mode, o});
      return true;
    });
    screen = std::make_unique<FrmPS>(nullptr);
    screen->show();
    QApplication::setActiveWindow(screen.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
  }
  void TearDown() override {
    screen.reset();
    FrmPS::setFileChooser(nullptr);
    FrmPS::setWorkbookRunner(nullptr);
  }

  NumericBox* box(const char* name) {
    auto* b = screen->findChild<NumericBox*>(QLatin1String(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
  }
  QLabel* label(const char* name) { return screen->findChild<QLabel*>(QLatin1String(name)); }
  QPushButton* button(const char* name) {
    auto* b = screen->findChild<QPushButton*>(QLatin1String(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
  }
  void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
  // Types into a box as a user does and leaves it.
  void type(const char* name, const QString& text) {
    NumericBox* b = box(name);
    b->setFocus();
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Backspace);
    QTest::keyClicks(b, text);
    b->clearFocus();
  }
  QString text(const char* name) { return box(name)->text(); }
  QWidget* focused() { return QApplication::focusWidget(); }
  const Message& lastMessage() {
    static const Message none;
    const Message* m = folder.messages.last();
    return m ? *m : none;
  }

  // 1000 CFM, 80 °F / 67 °F WB in, 60 °F / 90 % out.
  void fillEnglishCooling() {
    screen->findChild<QRadioButton*>("OptEnglish")->click();
    type("TxtFlowRate", "1000");
    click("CmdWBin");
    type("TxtTWBin", "67");
    type("TxtTDBin", "80");
    click("CmdRHout");
    type("TxtTDBout", "60");
    type("TxtRHout", "90");
  }
  // 1000 m³/h, 20 °C / 30 % in, 22 °C / 50 % out.
  void fillMetricHumidifying() {
    type("TxtFlowRate", "1000");
    click("CmdRHin");
    type("TxtTDBin", "20");
    type("TxtRHin", "30");
    click("CmdRHout");
    type("TxtTDBout", "22");
    type("TxtRHout", "50");
  }
  void setTitle(const QString& title) {
    QTest::mouseClick(label("LblThema"), Qt::LeftButton);
    auto* t = screen->findChild<QLineEdit*>("TxtThema");
    t->selectAll();
    t->insert(title);  // Greek text is not typed key by key by QTest
    QTest::keyClick(t, Qt::Key_Return);
  }

  test::ProgramFolderFixture folder;
  test::ModalWatchdog watchdog;
  std::unique_ptr<FrmPS> screen;
  std::vector<FrmPS::FileRequest> requests;
  QStringList answers;
  struct Workbook {
    QString name;
    reports::CellMap cells;
    reports::OutputMode mode;
    reports::OutputOptions options;
  };
  std::vector<Workbook> workbooks;
};

TEST_F(FrmPSTest, OpensMetricWithLockedHumidityBoxes) {
  EXPECT_TRUE(screen->findChild<QRadioButton*>("OptMetric")->isChecked());
  EXPECT_EQ(label("LblUNFlow")->text(), "m³/h");
  EXPECT_EQ(label("LblUNTDBin")->text(), "°C");
  EXPECT_EQ(label("LblUNWin")->text(), "g/Kg");
  EXPECT_EQ(label("LblUNHout")->text(), "Kcal/Kg");
  EXPECT_EQ(label("LblUNsens")->text(), "Kcal/h");
  EXPECT_EQ(label("LblThema")->text(), "ΘΕΜΑ ΤΗΣ ΜΕΛΕΤΗΣ");
  for (const char* n : {"TxtTWBin", "TxtRHin", "TxtTWBout", "TxtRHout", "TxtWin", "TxtHout"}) {
    EXPECT_TRUE(box(n)->isReadOnly()) << n;
    EXPECT_EQ(background(box(n)), kYellow) << n;
    EXPECT_TRUE(box(n)->text().isEmpty()) << n;
  }
  EXPECT_TRUE(button("CmdCH1")->isVisible());
  EXPECT_EQ(button("CmdCH1")->text(), " Μετατροπή σε [KJ/Kg] ");
  EXPECT_EQ(focused(), box("TxtFlowRate"));
}

TEST_F(FrmPSTest, ChoosingTheGivenPropertyOfAState) {
  // The wet bulb of the inlet: an empty entry box with the focus; the RH is
  // the yellow box that will be computed and takes no key.
  click("CmdWBin");
  EXPECT_FALSE(box("TxtTWBin")->isReadOnly());
  EXPECT_NE(background(box("TxtTWBin")), kYellow);
  EXPECT_EQ(focused(), box("TxtTWBin"));
  EXPECT_EQ(text("TxtRHin"), "ΘΑ ΥΠΟΛΟΓΙΣΘΕΙ");
  EXPECT_EQ(background(box("TxtRHin")), kYellow);
  QTest::keyClicks(box("TxtRHin"), "55");
  EXPECT_EQ(text("TxtRHin"), "ΘΑ ΥΠΟΛΟΓΙΣΘΕΙ");
  // An empty wet bulb keeps the focus until it has a value.
  box("TxtTDBin")->setFocus();
  EXPECT_EQ(focused(), box("TxtTWBin"));
  type("TxtTWBin", "19");
  // A letter is never typed into a temperature.
  type("TxtTDBin", "2a5");
  EXPECT_EQ(text("TxtTDBin"), "25.00");
  // And the mirror image.
  click("CmdRHin");
  EXPECT_EQ(text("TxtTWBin"), "ΘΑ ΥΠΟΛΟΓΙΣΘΕΙ");
  EXPECT_TRUE(box("TxtTWBin")->isReadOnly());
  EXPECT_FALSE(box("TxtRHin")->isReadOnly());
  EXPECT_EQ(focused(), box("TxtRHin"));
}

TEST_F(FrmPSTest, EnglishCalculationWithTheCoolingColour) {
  fillEnglishCooling();
  EXPECT_EQ(label("LblUNFlow")->text(), "CFM");
  EXPECT_EQ(label("LblUNTWBout")->text(), "°F");
  EXPECT_FALSE(button("CmdCH1")->isVisible());
  EXPECT_FALSE(button("CmdWatts")->isEnabled());
  click("CmdCalc");
  EXPECT_TRUE(folder.messages.shown().empty());
  EXPECT_EQ(text("TxtRHin"), "51.01");
  EXPECT_EQ(text("TxtTWBout"), "58.21");
  EXPECT_EQ(text("TxtSens"), "21,600.00");
  EXPECT_EQ(background(box("TxtSens")), kCooling);
  EXPECT_EQ(label("LblUNsens")->text(), "Btu/h");
  EXPECT_EQ(label("LblUNHin")->text(), "Btu/Lib");
  EXPECT_EQ(label("LblUNWin")->text(), "Grains/Lib");
}

TEST_F(FrmPSTest, ReversedTemperaturesShowTheHeatingColour) {
  screen->findChild<QRadioButton*>("OptEnglish")->click();
  type("TxtFlowRate", "1000");
  click("CmdRHin");
  type("TxtTDBin", "60");
  type("TxtRHin", "90");
  click("CmdWBout");
  type("TxtTWBout", "67");
  type("TxtTDBout", "80");
  click("CmdCalc");
  EXPECT_EQ(text("TxtSens"), "21,600.00");
  EXPECT_EQ(background(box("TxtSens")), kHeating);
  EXPECT_EQ(background(box("TxtLat")), kHeating);
}

TEST_F(FrmPSTest, MetricCalculationThenLoadAndEnthalpyUnits) {
  fillMetricHumidifying();
  click("CmdCalc");
  EXPECT_EQ(text("TxtTWBin"), "10.88");
  EXPECT_EQ(text("TxtSens"), "575.95");
  EXPECT_EQ(text("TxtLat"), "2,741.94");
  EXPECT_EQ(background(box("TxtLat")), kHeating);
  click("CmdWatts");
  EXPECT_EQ(text("TxtSens"), "669.8");
  EXPECT_EQ(label("LblUNlat")->text(), "Watts");
  click("CmdKWatts");
  EXPECT_EQ(label("LblUNsens")->text(), "Kw");
  click("CmdKcalH");
  EXPECT_EQ(text("TxtSens"), "576.0");
  click("CmdCH2");
  EXPECT_EQ(text("TxtHout"), "60.88");
  EXPECT_EQ(label("LblUNHin")->text(), "KJ/Kg");
  EXPECT_EQ(button("CmdCH1")->text(), " Μετατροπή σε [Kcal/Kg] ");
  click("CmdCH1");
  EXPECT_EQ(label("LblUNHout")->text(), "Kcal/Kg");
  // To English and back: the boxes are converted.
  screen->findChild<QRadioButton*>("OptEnglish")->click();
  EXPECT_EQ(text("TxtFlowRate"), "588.24");
  EXPECT_EQ(text("TxtSens"), "2,287.1");
  EXPECT_EQ(label("LblUNsens")->text(), "Btu/h");
  screen->findChild<QRadioButton*>("OptMetric")->click();
  EXPECT_EQ(text("TxtFlowRate"), "1,000.0");
  EXPECT_EQ(label("LblUNsens")->text(), "Kcal/h");
}

TEST_F(FrmPSTest, NoFlowGivesMessageOneAndTheFocusOnTheFlow) {
  fillEnglishCooling();
  type("TxtFlowRate", "0");
  click("CmdCalc");
  ASSERT_EQ(folder.messages.shown().size(), 1u);
  EXPECT_EQ(lastMessage().code, 1);
  EXPECT_EQ(lastMessage().title, "  ! !   ΠΡΟΣΟΧΗ   ! ! ");
  EXPECT_EQ(lastMessage().text, "\n!! Ελλιπή Στοιχεία ... ΔΕΝ θα γίνουν Υπολογισμοί ... !!");
  EXPECT_EQ(lastMessage().icon, MsgIcon::Critical);
  EXPECT_EQ(lastMessage().beeps, 2);
  EXPECT_EQ(focused(), box("TxtFlowRate"));
  EXPECT_TRUE(text("TxtSens").isEmpty());
}

TEST_F(FrmPSTest, InletWithoutHumidityGivesMessageOneAndTheFocusOnItsRH) {
  type("TxtFlowRate", "1000");
  click("CmdRHin");
  type("TxtTDBin", "25");
  click("CmdRHout");
  type("TxtTDBout", "15");
  type("TxtRHout", "80");
  click("CmdCalc");
  ASSERT_EQ(folder.messages.shown().size(), 1u);
  EXPECT_EQ(lastMessage().code, 1);
  EXPECT_EQ(focused(), box("TxtRHin"));
  EXPECT_TRUE(text("TxtWin").isEmpty());
  // With no property chosen for the state the focus goes to the choice.
  folder.messages.clear();
  folder.messages.answer(MsgAnswer::Yes);
  click("CmdNew");
  type("TxtFlowRate", "1000");
  type("TxtTDBin", "25");
  click("CmdCalc");
  EXPECT_EQ(lastMessage().code, 1);
  EXPECT_EQ(focused(), button("CmdRHin"));
}

TEST_F(FrmPSTest, SecondPressShowsCalcsDoneAndAChangeAllowsTheNext) {
  fillEnglishCooling();
  click("CmdCalc");
  ASSERT_TRUE(folder.messages.shown().empty());
  click("CmdCalc");
  ASSERT_EQ(folder.messages.shown().size(), 1u);
  EXPECT_EQ(lastMessage().title, "... ! ΠΡΟΣΟΧΗ !...");
  EXPECT_EQ(lastMessage().text, "... Έχουν, ήδη γίνει ΥΠΟΛΟΓΙΣΜΟΙ !...");
  EXPECT_EQ(lastMessage().buttons, MsgButtons::Ok);
  EXPECT_EQ(text("TxtSens"), "21,600.00");
  // Leaving a box with the same value keeps the results.
  type("TxtTDBout", "60");
  EXPECT_EQ(text("TxtSens"), "21,600.00");
  // A changed outlet dry bulb clears the loads and the computed boxes.
  type("TxtTDBout", "55");
  EXPECT_EQ(screen->lastField(), kTDBout);
  for (const char* n : {"TxtWin", "TxtHin", "TxtWout", "TxtHout", "TxtSens", "TxtLat"})
    EXPECT_TRUE(text(n).isEmpty()) << n;
  EXPECT_EQ(text("TxtRHin"), "ΘΑ ΥΠΟΛΟΓΙΣΘΕΙ");
  EXPECT_EQ(text("TxtTWBout"), "ΘΑ ΥΠΟΛΟΓΙΣΘΕΙ");
  EXPECT_EQ(text("TxtTWBin"), "67.00");
  EXPECT_EQ(background(box("TxtSens")), kYellow);
  click("CmdCalc");
  EXPECT_EQ(folder.messages.shown().size(), 1u);
  EXPECT_EQ(text("TxtSens"), "27,000.00");
}

TEST_F(FrmPSTest, StateOutsideTheTableIsRefused) {
  fillEnglishCooling();
  type("TxtTWBin", "85");  // wet bulb above the dry bulb
  click("CmdCalc");
  EXPECT_EQ(lastMessage().code, 5);
  EXPECT_EQ(lastMessage().text,
            "\n!! Μη Αποδεκτή Κατάσταση Εισόδου ... ΔΕΝ θα γίνουν Υπολογισμοί ... !!\n"
            "... Θερμοκρασίες από -10 έως 130 °F, Υγρό Θερμόμετρο όχι πάνω από το Ξηρό, "
            "Σχετική Υγρασία έως 100 % ...");
  EXPECT_EQ(focused(), box("TxtTDBin"));
  EXPECT_TRUE(text("TxtSens").isEmpty());
}

TEST_F(FrmPSTest, EscapeInABoxKeepsTheWindow) {
  type("TxtFlowRate", "1000");
  box("TxtFlowRate")->setFocus();
  QTest::keyClick(box("TxtFlowRate"), Qt::Key_Escape);
  EXPECT_TRUE(screen->isVisible());
  EXPECT_EQ(text("TxtFlowRate"), "1000");
}

TEST_F(FrmPSTest, EnterChain) {
  // No property chosen yet: from the dry bulb on to the choice buttons.
  box("TxtFlowRate")->setFocus();
  QTest::keyClick(box("TxtFlowRate"), Qt::Key_Return);
  EXPECT_EQ(focused(), box("TxtTDBin"));
  QTest::keyClick(box("TxtTDBin"), Qt::Key_Return);
  EXPECT_EQ(focused(), button("CmdWBin"));
  click("CmdWBin");
  QTest::keyClicks(box("TxtTWBin"), "19");
  click("CmdRHout");
  box("TxtTDBin")->setFocus();
  QTest::keyClick(box("TxtTDBin"), Qt::Key_Return);
  EXPECT_EQ(focused(), box("TxtTWBin"));
  QTest::keyClick(box("TxtTWBin"), Qt::Key_Return);
  EXPECT_EQ(focused(), box("TxtTDBout"));
  QTest::keyClick(box("TxtTDBout"), Qt::Key_Return);
  EXPECT_EQ(focused(), box("TxtRHout"));
  QTest::keyClick(box("TxtRHout"), Qt::Key_Return);
  EXPECT_EQ(focused(), box("TxtTDBin"));
}

TEST_F(FrmPSTest, EmptyWetBulbEntryTakesTheFocusBack) {
  click("CmdWBin");
  ASSERT_EQ(focused(), box("TxtTWBin"));
  box("TxtTDBout")->setFocus();
  EXPECT_EQ(focused(), box("TxtTWBin"));
  QTest::keyClicks(box("TxtTWBin"), "18");
  box("TxtTDBout")->setFocus();
  EXPECT_EQ(focused(), box("TxtTDBout"));
}

TEST_F(FrmPSTest, TitleLabelAndBoxShareOnePlace) {
  auto* lbl = label("LblThema");
  auto* txt = screen->findChild<QLineEdit*>("TxtThema");
  EXPECT_TRUE(txt->isHidden());
  QTest::mouseClick(lbl, Qt::LeftButton);
  EXPECT_TRUE(lbl->isHidden());
  EXPECT_FALSE(txt->isHidden());
  EXPECT_EQ(focused(), txt);
  txt->insert("Ανεμιστήρας, ΚΚΜ 2");
  QTest::keyClick(txt, Qt::Key_Escape);  // ends the title, keeps the window
  EXPECT_TRUE(screen->isVisible());
  EXPECT_TRUE(txt->isHidden());
  EXPECT_EQ(lbl->text(), "Ανεμιστήρας, ΚΚΜ 2");
  EXPECT_EQ(screen->form().title, "Ανεμιστήρας, ΚΚΜ 2");
}

TEST_F(FrmPSTest, SavingWithoutATitleOpensTheTitleBox) {
  fillEnglishCooling();
  click("CmdCalc");
  click("CmdSave");
  EXPECT_EQ(lastMessage().code, 7);
  EXPECT_EQ(lastMessage().title, " !! ΠΡΟΣΟΧΗ !! ");
  EXPECT_EQ(lastMessage().text, "\n... ΔΕΝ έχετε δώσει το Θέμα της Μελέτης ...");
  EXPECT_TRUE(label("LblThema")->isHidden());
  EXPECT_EQ(focused(), screen->findChild<QLineEdit*>("TxtThema"));
  EXPECT_TRUE(requests.empty());
}

TEST_F(FrmPSTest, SaveAndPrintBeforeACalculation) {
  setTitle("Δοκιμή");
  fillEnglishCooling();
  click("CmdSave");
  EXPECT_EQ(lastMessage().code, 3);
  EXPECT_EQ(lastMessage().text,
            "\n!! Ελλιπή Στοιχεία ... Πατήστε το πλήκτρο < Υπολογισμός > ... !!");
  click("CmdPrint");
  EXPECT_EQ(lastMessage().code, 3);
  click("CmdPreview");
  EXPECT_EQ(lastMessage().code, 3);
  folder.messages.answer(MsgAnswer::Yes);
  click("CmdNew");
  EXPECT_EQ(label("LblThema")->text(), "ΘΕΜΑ ΤΗΣ ΜΕΛΕΤΗΣ");  // a new study has no title
  setTitle("Δοκιμή 2");
  type("TxtFlowRate", "1000");
  click("CmdSave");
  EXPECT_EQ(lastMessage().code, 2);
  EXPECT_EQ(lastMessage().text, "\n!! Ελλιπή Στοιχεία ... ΔΕΝ θα Δημιουργηθεί Αρχείο ... !!");
  EXPECT_TRUE(requests.empty());
}

TEST_F(FrmPSTest, NewStudyAsksFirst) {
  fillEnglishCooling();
  click("CmdCalc");
  folder.messages.answer(MsgAnswer::No);
  click("CmdNew");
  EXPECT_EQ(lastMessage().code, 4);
  EXPECT_EQ(lastMessage().title, "  ! !   ΠΡΟΣΟΧΗ : ΟΛΑ ΤΑ ΔΕΔΟΜΕΝΑ, ΘΑ ΔΙΑΓΡΑΦΟΥΝ  ! ! ");
  EXPECT_EQ(lastMessage().text, "\n                           ... Νέα Μελέτη ? ...");
  EXPECT_EQ(lastMessage().buttons, MsgButtons::YesNo);
  EXPECT_EQ(lastMessage().defaultButton, MsgAnswer::No);
  EXPECT_EQ(lastMessage().icon, MsgIcon::Question);
  EXPECT_EQ(text("TxtSens"), "21,600.00");
  EXPECT_TRUE(study().UserAnswer.isEmpty());
  folder.messages.answer(MsgAnswer::Yes);
  click("CmdNew");
  EXPECT_TRUE(study().UserAnswer.isEmpty());
  for (int b = 1; b <= kBoxCount; ++b) EXPECT_TRUE(box(qPrintable(boxName(b)))->text().isEmpty());
  EXPECT_TRUE(screen->findChild<QRadioButton*>("OptMetric")->isChecked());
  EXPECT_EQ(label("LblUNFlow")->text(), "m³/h");
  EXPECT_EQ(screen->form().showKcal, 1);
  EXPECT_EQ(focused(), box("TxtFlowRate"));
}

TEST_F(FrmPSTest, SaveAndOpenThroughTheDialogs) {
  setTitle("Αίθουσα Α, ύγρανση");
  fillMetricHumidifying();
  click("CmdCalc");
  const QString path = folder.path("PSFiles/aithousa");
  answers << path;
  click("CmdSave");
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_TRUE(requests[0].save);
  EXPECT_EQ(requests[0].folder, folder.path("PSFiles/"));
  EXPECT_EQ(requests[0].filter, "Psychrometrics Files (*.psy)");
  EXPECT_TRUE(QDir(folder.path("PSFiles")).exists());  // created when missing
  EXPECT_EQ(screen->psyFileName(), path + ".psy");
  const QByteArray saved = test::readAll(path + ".psy");
  EXPECT_TRUE(
      saved.startsWith("-1,\"Metric\",-1,0,0,\"Winter\"\r\n1000,20,10.88,30,4.34,11.7\r\n"));

  // A fresh screen opens it as it was.
  screen = std::make_unique<FrmPS>(nullptr);
  screen->show();
  answers << path + ".psy";
  click("CmdOpen");
  EXPECT_FALSE(requests.back().save);
  EXPECT_EQ(text("TxtTWBin"), "10.88");
  EXPECT_EQ(text("TxtRHin"), "30.00");
  EXPECT_FALSE(box("TxtRHin")->isReadOnly());
  EXPECT_TRUE(box("TxtTWBin")->isReadOnly());
  EXPECT_EQ(text("TxtLat"), "2,741.94");
  EXPECT_EQ(background(box("TxtLat")), kHeating);
  EXPECT_EQ(label("LblThema")->text(), "Αίθουσα Α, ύγρανση");
  EXPECT_EQ(screen->psyFileName(), path + ".psy");
  // Saved again unchanged: the same bytes.
  answers << folder.path("PSFiles/again.psy");
  click("CmdSave");
  EXPECT_EQ(test::readAll(folder.path("PSFiles/again.psy")), saved);
  // A cancelled dialog changes nothing.
  click("CmdOpen");
  EXPECT_EQ(text("TxtLat"), "2,741.94");
}

TEST_F(FrmPSTest, DamagedFileLeavesTheScreenAsItWas) {
  fillEnglishCooling();
  click("CmdCalc");
  test::writeAll(folder.path("bad.psy"), "0,\"English\",0,0,0,\"Summer\"\r\n1000,80,67\r\n");
  answers << folder.path("bad.psy");
  click("CmdOpen");
  EXPECT_EQ(lastMessage().code, 8);
  EXPECT_EQ(lastMessage().title, " !! ΠΡΟΣΟΧΗ !! ");
  EXPECT_EQ(lastMessage().text,
            "\n... Το Αρχείο < bad.psy > ΔΕΝ διαβάστηκε ...\n"
            "... Το Αρχείο είναι ελλιπές : τελειώνει πριν από το πεδίο 10 ...\n"
            "... Τα Στοιχεία της Οθόνης ΔΕΝ άλλαξαν ...");
  EXPECT_EQ(text("TxtSens"), "21,600.00");
  EXPECT_EQ(text("TxtFlowRate"), "1,000.00");
  EXPECT_TRUE(screen->findChild<QRadioButton*>("OptEnglish")->isChecked());
  EXPECT_TRUE(screen->psyFileName().isEmpty());
}

TEST_F(FrmPSTest, WorkbookNameAndTemplateRefusal) {
  setTitle("Δοκιμή");
  fillEnglishCooling();
  click("CmdCalc");
  answers << folder.path("PSFiles/kkm2.psy");
  click("CmdSave");
  // The template's own name is refused.
  answers << folder.path("PSFiles/XLFiles/ps_i.XLSX");
  click("CmdXL");
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[1].folder, folder.path("PSFiles/XLFiles/"));
  EXPECT_EQ(requests[1].filter, "Excel Files (*.xlsx)");
  EXPECT_EQ(requests[1].proposed, "kkm2");
  EXPECT_TRUE(QDir(folder.path("PSFiles/XLFiles")).exists());
  EXPECT_EQ(lastMessage().code, 6);
  EXPECT_EQ(lastMessage().text,
            "\n... Το όνομα του Αρχείου, που εδώσατε ΔΕΝ είναι έγκυρο ...\n"
            "... Το Αρχείο του < Microsoft Excel > ΔΕΝ δημιουργείται ...");
  EXPECT_TRUE(workbooks.empty());
  // A cancelled dialog: nothing.
  const size_t shown = folder.messages.shown().size();
  click("CmdXL");
  EXPECT_EQ(folder.messages.shown().size(), shown);
  EXPECT_TRUE(workbooks.empty());
  // Another name: the workbook is saved there, with the suffix added.
  answers << folder.path("PSFiles/XLFiles/kkm2");
  click("CmdXL");
  ASSERT_EQ(workbooks.size(), 1u);
  EXPECT_EQ(workbooks[0].name, "PS_i.xlsx");
  EXPECT_EQ(workbooks[0].mode, reports::OutputMode::Save);
  EXPECT_EQ(workbooks[0].options.saveAs, folder.path("PSFiles/XLFiles/kkm2.xlsx"));
}

TEST_F(FrmPSTest, PrintAndPreviewHandTheCellsToTheWorkbook) {
  fillEnglishCooling();
  click("CmdCalc");
  click("CmdPreview");
  click("CmdPrint");
  ASSERT_EQ(workbooks.size(), 2u);
  EXPECT_EQ(workbooks[0].mode, reports::OutputMode::Preview);
  EXPECT_EQ(workbooks[1].mode, reports::OutputMode::Print);
  EXPECT_EQ(workbooks[1].options.copies, 1);
  EXPECT_TRUE(workbooks[1].options.printerName.isEmpty());
  const reports::CellMap expected = printCells(screen->form(), designer::current());
  ASSERT_EQ(workbooks[1].cells.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(workbooks[1].cells[i].range, expected[i].range);
    EXPECT_EQ(workbooks[1].cells[i].number, expected[i].number);
    EXPECT_EQ(workbooks[1].cells[i].text, expected[i].text);
  }
  EXPECT_TRUE(folder.messages.shown().empty());
}

TEST_F(FrmPSTest, DesignerButtonOpensTheRegister) {
  QString opened;
  QTimer::singleShot(300, [&opened] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      opened = modal->objectName();
      modal->close();
    }
  });
  click("Cmd_Client");
  EXPECT_EQ(opened, "FrmCLient");
}

TEST_F(FrmPSTest, FileThatCannotBeWrittenIsReported) {
  setTitle("Δοκιμή");
  fillEnglishCooling();
  click("CmdCalc");
  answers << folder.path("PSFiles/no/such/folder/x.psy");
  click("CmdSave");
  EXPECT_EQ(lastMessage().code, 10);
  EXPECT_TRUE(lastMessage().text.startsWith("\n... Το Αρχείο < x.psy > ΔΕΝ γράφτηκε ...\n"));
  EXPECT_FALSE(QFile::exists(folder.path("PSFiles/no/such/folder/x.psy")));
}

}  // namespace
