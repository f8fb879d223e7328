// The desktop message box and the shared style: a box is as wide as its title
// and its longest line, its buttons answer to the keys of either keyboard
// layout, mnemonics find their button from the other layout, windows keep
// their size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

#include "TestSupport.h"
#include "study/ui/QtMessageService.h"
#include "study/ui/Style.h"

using namespace aeriton;

namespace {

Message make(MsgButtons buttons, MsgAnswer def, const QString& title, const QString& text) {
  Message m;
  m.code = -1;
  m.title = title;
  m.text = text;
  m.icon = MsgIcon::Question;
  m.buttons = buttons;
  m.defaultButton = def;
  return m;
}

// Shows the message through the desktop service; `onShown` acts on the box.
MsgAnswer showAndDo(const Message& m, const std::function<void(MessageDialog*)>& onShown) {
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<MessageDialog*>(QApplication::activeModalWidget());
    if (!box) {
      ADD_FAILURE() << "no message box";
      return;
    }
    onShown(box);
  });
  QtMessageService service;
  return service.show(m);
}

void pressKey(QWidget* box, int key, const QString& text) {
  QWidget* target = box->focusWidget() ? box->focusWidget() : box;
  QTest::sendKeyEvent(QTest::Click, target, static_cast<Qt::Key>(key), text, Qt::NoModifier);
}

}  // namespace

TEST(MessageBox, TitleAndLongestLineFitAndNothingWraps) {
  // A range refusal with its unit at the end of a long line, and the title
  // that used to be cut.
  test::ModalWatchdog watchdog;
  const QString title = QStringLiteral(" < ΨΥΧΡΟΜΕΤΡΙΚΟΙ  ΥΠΟΛΟΓΙΣΜΟΙ  ΑΕΡΟΣ > ");
  const QString text = QStringLiteral(
      "... Θερμοκρασία Περιβάλλοντος, μεταξύ 20 [°C] και 54 [°C] ...  στους 13.6 [°C] ...\n"
      "Θέλετε να ισχύσει και τώρα κάτι τέτοιο ?");
  int width = 0, lineWidth = 0, titleWidth = 0;
  bool wraps = true;
  QString shown;
  const MsgAnswer a =
      showAndDo(make(MsgButtons::Ok, MsgAnswer::Ok, title, text), [&](MessageDialog* box) {
        QLabel* label = box->textLabel();
        wraps = label->wordWrap();
        shown = label->text();
        lineWidth = label->fontMetrics().horizontalAdvance(text.section('\n', 0, 0));
        QFont bold = box->font();
        bold.setBold(true);
        titleWidth = QFontMetrics(bold).horizontalAdvance(title);
        width = box->width();
        QTest::keyClick(box->focusWidget(), Qt::Key_Return);
      });
  EXPECT_EQ(a, MsgAnswer::Ok);
  EXPECT_FALSE(wraps);
  EXPECT_EQ(shown, text);  // the lines as given, no break added
  EXPECT_GE(width, lineWidth + 32);
  // The title with room for the title bar's icon and buttons.
  EXPECT_GE(width, titleWidth + 100);
}

TEST(MessageBox, ButtonsCarryGreekCaptionsWithTheirKeys) {
  test::ModalWatchdog watchdog;
  QStringList captions;
  showAndDo(make(MsgButtons::YesNoCancel, MsgAnswer::Yes, QStringLiteral("Τ"), QStringLiteral("?")),
            [&](MessageDialog* box) {
              for (const char* name : {"CmdYes", "CmdNo", "CmdCancel"}) {
                auto* b = box->findChild<QPushButton*>(QLatin1String(name));
                captions << (b ? style::plainText(b) + QLatin1Char('|') + b->text() : QString());
              }
              box->reject();
            });
  EXPECT_EQ(captions, (QStringList{QStringLiteral("Ναι (YES)|&Ναι (YES)"),
                                   QStringLiteral("Όχι (NO)|&Όχι (NO)"),
                                   QStringLiteral("Άκυρο (CANCEL)|&Άκυρο (CANCEL)")}));
}

struct KeyCase {
  const char* name;
  MsgButtons buttons;
  MsgAnswer def;
  int key;
  const char16_t* text;
  MsgAnswer expected;
};

class MessageBoxKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(MessageBoxKeys, AnswerTheKeyAGreekUserPresses) {
  test::ModalWatchdog watchdog;
  const KeyCase& c = GetParam();
  const MsgAnswer a = showAndDo(
      make(c.buttons, c.def, QStringLiteral("...!! ΠΡΟΣΟΧΗ !!..."), QStringLiteral("Ερώτηση ;")),
      [&](MessageDialog* box) {
        pressKey(box, c.key, QString::fromUtf16(c.text));
        if (box->isVisible()) box->reject();  // the key did nothing: fail below, not hang
      });
  EXPECT_EQ(a, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MessageBoxKeys,
    ::testing::Values(
        // Greek layout: Ν(αι), Ο(χι), Α(κυρο); the Y key gives Υ there.
        KeyCase{"GreekNuIsYes", MsgButtons::YesNoCancel, MsgAnswer::Cancel, 0x039D, u"ν",
                MsgAnswer::Yes},
        KeyCase{"GreekUpsilonIsYes", MsgButtons::YesNo, MsgAnswer::No, 0x03A5, u"υ",
                MsgAnswer::Yes},
        KeyCase{"GreekOmicronIsNo", MsgButtons::YesNoCancel, MsgAnswer::Yes, 0x039F, u"ο",
                MsgAnswer::No},
        KeyCase{"GreekAlphaIsCancel", MsgButtons::YesNoCancel, MsgAnswer::Yes, 0x0391, u"α",
                MsgAnswer::Cancel},
        // Latin layout: Y(es), N(o).
        KeyCase{"LatinYIsYes", MsgButtons::YesNo, MsgAnswer::No, Qt::Key_Y, u"y", MsgAnswer::Yes},
        KeyCase{"LatinNIsNo", MsgButtons::YesNoCancel, MsgAnswer::Yes, Qt::Key_N, u"n",
                MsgAnswer::No},
        // Escape: Άκυρο where there is one, else Όχι, else OK.
        KeyCase{"EscapeIsCancel", MsgButtons::YesNoCancel, MsgAnswer::Yes, Qt::Key_Escape, u"",
                MsgAnswer::Cancel},
        KeyCase{"EscapeWithoutCancelIsNo", MsgButtons::YesNo, MsgAnswer::Yes, Qt::Key_Escape, u"",
                MsgAnswer::No},
        KeyCase{"EscapeOnANoticeIsOk", MsgButtons::Ok, MsgAnswer::Ok, Qt::Key_Escape, u"",
                MsgAnswer::Ok},
        // Enter presses the default button.
        KeyCase{"EnterIsTheDefaultNo", MsgButtons::YesNo, MsgAnswer::No, Qt::Key_Return, u"",
                MsgAnswer::No},
        KeyCase{"EnterIsTheDefaultYes", MsgButtons::YesNoCancel, MsgAnswer::Yes, Qt::Key_Return,
                u"", MsgAnswer::Yes},
        // A letter that means nothing here leaves the box open (closed below as Cancel).
        KeyCase{"OtherLetterDoesNothing", MsgButtons::YesNoCancel, MsgAnswer::Yes, Qt::Key_Q, u"q",
                MsgAnswer::Cancel}),
    [](const ::testing::TestParamInfo<KeyCase>& i) { return std::string(i.param.name); });

TEST(MessageBox, OnlyALineWiderThanTheScreenWraps) {
  test::ModalWatchdog watchdog;
  const QString text = QString(400, QLatin1Char('x'));
  bool wraps = false;
  showAndDo(make(MsgButtons::Ok, MsgAnswer::Ok, QStringLiteral("Τ"), text),
            [&](MessageDialog* box) {
              wraps = box->textLabel()->wordWrap();
              box->reject();
            });
  EXPECT_TRUE(wraps);
}

TEST(Style, KeysOfTheTwoLayoutsAndMnemonics) {
  EXPECT_EQ(style::keyTwin(QChar(u'Ψ')), QLatin1Char('C'));
  EXPECT_EQ(style::keyTwin(QLatin1Char('c')), QChar(u'Ψ'));
  EXPECT_EQ(style::keyTwin(QChar(u'Ό')), QLatin1Char('O'));
  EXPECT_EQ(style::keyTwin(QChar(u'θ')), QLatin1Char('U'));
  EXPECT_TRUE(style::keyTwin(QLatin1Char('Q')).isNull());
  EXPECT_EQ(style::plainCapital(QChar(u'ά')), QChar(u'Α'));
  QPushButton b;
  // The letter where it begins a word; an ampersand of the caption stays one.
  style::setMnemonic(&b, QStringLiteral("ΑγγλοΣαξωνικό Σύστημα"), QChar(u'Σ'));
  EXPECT_EQ(b.text(), QStringLiteral("ΑγγλοΣαξωνικό &Σύστημα"));
  style::setMnemonic(&b, QStringLiteral("Εγχειρίδιο & Βοήθεια"), QChar(u'γ'));
  EXPECT_EQ(b.text(), QStringLiteral("Ε&γχειρίδιο && Βοήθεια"));
  EXPECT_EQ(style::plainText(&b), QStringLiteral("Εγχειρίδιο & Βοήθεια"));
}

TEST(Style, AltWithTheLetterOfEitherLayoutPressesTheButton) {
  // "&ΨΥΧΡΟΜΕΤΡΙΚΟΙ": Alt+Ψ (Greek layout) and Alt+C (Latin, the same key).
  QDialog window;
  auto* layout = new QVBoxLayout(&window);
  auto* box = new QLineEdit(&window);
  auto* calc = new QPushButton(&window);
  style::setMnemonic(calc, QStringLiteral("ΨΥΧΡΟΜΕΤΡΙΚΟΙ ΥΠΟΛΟΓΙΣΜΟΙ"), QChar(u'Ψ'));
  auto* other = new QPushButton(QStringLiteral("Άλλο"), &window);
  layout->addWidget(box);
  layout->addWidget(calc);
  layout->addWidget(other);
  int pressed = 0;
  QObject::connect(calc, &QPushButton::clicked, [&] { ++pressed; });
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  // A mnemonic press shows the button down for a moment, then clicks it.
  auto pressedAfter = [&](int expected) {
    (void)QTest::qWaitFor([&] { return pressed == expected; }, 1000);
    QTest::qWait(150);  // and nothing more arrives
    return pressed;
  };
  box->setFocus();
  QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(pressedAfter(1), 1);
  box->setFocus();
  QTest::sendKeyEvent(QTest::Click, box, static_cast<Qt::Key>(0x03A8), QStringLiteral("ψ"),
                      Qt::AltModifier);
  EXPECT_EQ(pressedAfter(2), 2);
  // Alt+K belongs to no button: nothing is pressed.
  box->setFocus();
  QTest::keyClick(box, Qt::Key_K, Qt::AltModifier);
  EXPECT_EQ(pressedAfter(3), 2);
  // A disabled button is not pressed.
  calc->setEnabled(false);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(pressedAfter(3), 2);
}

TEST(Style, WindowKeepsTheSizeItHadWhenShown) {
  QDialog window;
  auto* layout = new QVBoxLayout(&window);
  auto* label = new QLabel(QStringLiteral("Σύντομο"), &window);
  auto* hidden = new QLabel(QStringLiteral("Μήνυμα"), &window);
  style::keepSpaceWhenHidden(hidden);
  hidden->hide();
  layout->addWidget(label);
  layout->addWidget(hidden);
  style::fixSizeOnShow(&window);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QSize size = window.size();
  EXPECT_EQ(window.minimumSize(), size);
  EXPECT_EQ(window.maximumSize(), size);
  label->setText(QStringLiteral("Ένα πολύ μεγαλύτερο κείμενο που θα ζητούσε άλλο πλάτος"));
  hidden->show();
  QApplication::processEvents();
  EXPECT_EQ(window.size(), size);
}

TEST(Style, RolesAreWhatTheSheetDraws) {
  QLineEdit box;
  style::setComputed(&box, true);
  EXPECT_TRUE(box.isReadOnly());
  EXPECT_EQ(box.focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(box.property("aeritonRole").toString(), QStringLiteral("computed"));
  style::setComputed(&box, false);
  EXPECT_FALSE(box.isReadOnly());
  EXPECT_EQ(box.focusPolicy(), Qt::StrongFocus);
  EXPECT_TRUE(box.property("aeritonRole").toString().isEmpty());
  // The sheet gives the computed boxes the program's colour and keeps the
  // long lists to 15 rows.
  EXPECT_TRUE(style::styleSheet().contains(
      QStringLiteral("QLineEdit[aeritonRole=\"computed\"], QLineEdit[aeritonRole=\"result\"] {\n"
                     "  background: #ffff80;")));
  EXPECT_TRUE(style::styleSheet().contains(QStringLiteral("combobox-popup: 0;")));
  EXPECT_EQ(qApp->styleSheet(), style::styleSheet());
}
