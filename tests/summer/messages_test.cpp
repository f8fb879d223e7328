// The message tables of the summer data screen: code, title, text, icon,
// buttons and beeps. The range refusals name the bounds the checks apply.
#include <gtest/gtest.h>

#include "engine/NumberEntry.h"
#include "summer/SummerMessages.h"

using namespace aeriton;
using namespace aeriton::summer;

namespace {

const QString kTitleA = QString::fromUtf8("*** ΑΠΑΡΑΔΕΚΤΗ ΚΑΤΑΧΩΡΗΣΗ *** ");

struct RefusalCase {
  int code;
  const char* textC;  // °C wording (and the only one for unit-free codes)
  const char* textF;  // °F wording or nullptr
};

// Texts as the user must read them, character for character.
const RefusalCase kRefusals[] = {
    {-14,
     "... Η Θερμοκρασία Περιβάλλοντος, πρέπει να υπερβαίνει την Θερμοκρασία Χώρων, κατά 5 [°C] "
     "ΤΟΥΛΑΧΙΣΤΟΝ ...",
     "... Η Θερμοκρασία Περιβάλλοντος, πρέπει να υπερβαίνει την Θερμοκρασία Χώρων, κατά 9 [°F] "
     "ΤΟΥΛΑΧΙΣΤΟΝ ..."},
    // Room RH is refused above 80 %, room dry bulb below 10 °C (50 °F), outdoor
    // RH below 10 %: the texts say so.
    {-13, "... Σχετική Υγρασία Χώρων, μεταξύ 35 % και 80 % ...", nullptr},
    {-12, "... Θερμοκρασία Χώρων, μεταξύ 10 [°C] και 33 [°C] ...",
     "... Θερμοκρασία Χώρων, μεταξύ 50 [°F] και 92 [°F] ..."},
    {-11, "... Σχετική Υγρασία Περιβάλλοντος, μεταξύ 10 % και 100 % ...", nullptr},
    {-10, "... Θερμοκρασία Περιβάλλοντος, μεταξύ 20 [°C] και 54 [°C] ...",
     "... Θερμοκρασία Περιβάλλοντος, μεταξύ 68 [°F] και 130 [°F] ..."},
    {-7, "... Το Συνολικό Αισθητό Φορτίο των Χώρων, ΔΕΝ γίνεται Δεκτό ...", nullptr},
    {-6, "... Η Σχετική Υγρασία των Χώρων, ΔΕΝ γίνεται Δεκτή ...", nullptr},
    {-5, "... Η Θερμοκρασία Υ.Θ. των Χώρων, ΔΕΝ γίνεται Δεκτή ...", nullptr},
    {-4, "... Η Θερμοκρασία Ξ.Θ. των Χώρων, ΔΕΝ γίνεται Δεκτή ...", nullptr},
    {-3, "... Η Σχετική Υγρασία του Περιβάλλοντος, ΔΕΝ γίνεται Δεκτή ...", nullptr},
    {-2, "... Η Θερμοκρασία Υ.Θ. του Περιβάλλοντος, ΔΕΝ γίνεται Δεκτή ...", nullptr},
    {-1, "... Η Θερμοκρασία Ξ.Θ. του Περιβάλλοντος, ΔΕΝ γίνεται Δεκτή ...", nullptr},
};

TEST(MessagesPS, RefusalsInBothWordings) {
  for (const RefusalCase& c : kRefusals) {
    SCOPED_TRACE(c.code);
    Message m = messagesPS(c.code, UnitPair{1, 0});
    EXPECT_EQ(m.code, c.code);
    EXPECT_EQ(m.title, kTitleA);
    EXPECT_EQ(m.text, QString::fromUtf8(c.textC));
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(m.beeps, 2);
    Message f = messagesPS(c.code, UnitPair{0, 1});
    EXPECT_EQ(f.text, QString::fromUtf8(c.textF ? c.textF : c.textC));
    // The metric temperatures with Btu/h loads keep the °C wording.
    EXPECT_EQ(messagesPS(c.code, UnitPair{32, 32}).text, QString::fromUtf8(c.textC));
  }
}

TEST(MessagesPS, RaisedSupplyQuestion) {
  setSeparators(Separators{'.', ','});
  Message m = messagesPS(-100, UnitPair{}, 17.46f, true);
  EXPECT_EQ(m.code, -100);
  EXPECT_EQ(m.title, QString::fromUtf8("  ! !   ΠΡΟΣΟΧΗ   ! ! "));
  // 17.46 in "#.0" is 17.5
  EXPECT_EQ(m.text, QString::fromUtf8("... Σε προηγούμενο Υπολογισμό, έχετε αποφασίσει για ΑΥΞΗΣΗ "
                                      "της Θερμοκρασίας Ξ.Θ. Εξόδου του Αέρα από τη Μονάδα, "
                                      "στους 17.5 [°C] ...\nΘέλετε να ισχύσει και τώρα κάτι "
                                      "τέτοιο ?"));
  EXPECT_EQ(m.buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(m.beeps, 2);
  Message f = messagesPS(-100, UnitPair{}, 63.5f, false);
  EXPECT_TRUE(f.text.contains(QString::fromUtf8("στους 63.5 [°F] ...\n"))) << f.text.toStdString();
  // With a Greek decimal comma.
  setSeparators(Separators{',', '.'});
  Message g = messagesPS(-100, UnitPair{}, 17.5f, true);
  EXPECT_TRUE(g.text.contains(QString::fromUtf8("στους 17,5 [°C] ...\n"))) << g.text.toStdString();
  setSeparators(Separators{'.', ','});
}

TEST(MessagesPS, UnsavedQuestion) {
  Message m = messagesPS(-8);
  EXPECT_EQ(m.code, -8);
  EXPECT_EQ(m.title, QString::fromUtf8("  ! !   ΠΡΟΣΟΧΗ   ! ! "));
  EXPECT_EQ(m.buttons, MsgButtons::YesNoCancel);
  QStringList lines = m.text.split('\n');
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], QString::fromUtf8("!! Υπάρχουν Δεδομένα, που ΔΕΝ έχουν < σωθεί > !!"));
  EXPECT_EQ(lines[2].trimmed(), QString::fromUtf8("Θέλετε να < σώσω > τα Δεδομένα ?"));
  // Centred: as many spaces before it as half the difference of the lengths.
  EXPECT_EQ(lines[2].size() - lines[2].trimmed().size(),
            (lines[1].size() - lines[2].trimmed().size()) / 2);
}

TEST(MessagesPS, UnknownCodesGiveNothing) {
  for (int code : {0, -9, -16, -99, 5}) {
    EXPECT_EQ(messagesPS(code).code, 0) << code;
    EXPECT_TRUE(messagesPS(code).text.isEmpty()) << code;
  }
}

TEST(PSMessage, MissingEntries) {
  const QString title = QString::fromUtf8(" < ΨΥΧΡΟΜΕΤΡΙΚΟΙ  ΥΠΟΛΟΓΙΣΜΟΙ  ΑΕΡΟΣ > ");
  Message one = psMessage(1);
  EXPECT_EQ(one.code, 1);
  EXPECT_EQ(one.title, title);
  EXPECT_EQ(one.text, QString::fromUtf8("    ... Δεν έχετε επιλέξει Χώρους ...    "));
  EXPECT_EQ(one.icon, MsgIcon::Exclamation);
  EXPECT_EQ(one.buttons, MsgButtons::Ok);
  EXPECT_EQ(one.beeps, 2);
  for (int code : {2, 3}) {
    Message m = psMessage(code);
    EXPECT_EQ(m.code, code);
    EXPECT_EQ(m.title, title);
    EXPECT_EQ(m.text, QString::fromUtf8("!! Δεν έχετε δώσει την ποσότητα του Νωπού Αέρα !!"));
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
  }
  EXPECT_EQ(psMessage(4).code, 0);
  EXPECT_EQ(psMessage(0).code, 0);
}

TEST(OtherMessages, MissingTitle) {
  Message m = missingTitleMessage();
  EXPECT_EQ(m.title, QString::fromUtf8("...! ΠΡΟΣΟΧΗ !..."));
  EXPECT_EQ(m.text, QString::fromUtf8("... ΔΕΝ έχετε καταχωρήσει το ΘΕΜΑ-ΤΙΤΛΟ της Μελέτης ..."));
  EXPECT_EQ(m.icon, MsgIcon::Critical);
  EXPECT_EQ(m.buttons, MsgButtons::Ok);
}

}  // namespace
