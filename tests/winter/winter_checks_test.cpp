// The winter data screen's rules and messages, without the screen.
#include <gtest/gtest.h>

#include "study/StudyState.h"
#include "winter/WinterCalc.h"
#include "winter/WinterChecks.h"
#include "winter/WinterMessages.h"
#include "winter/WinterTexts.h"

namespace aeriton::winter {
namespace {

WinterEntries valid() {
  WinterEntries e;
  e.envDB = 0, e.envWB = -2, e.envRH = 80;
  e.spaDB = 20, e.spaWB = 12, e.spaRH = 40;
  e.load.set(kUnitWatt, 10000);
  e.coilOut = 45;
  e.amount = 300;
  e.title = "Μελέτη";
  return e;
}

struct LimitCase {
  const char* name;
  int unit;
  double envDB, envRH, spaDB, spaRH;
  int code;
  Field focus;
};

class Limits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(Limits, FirstViolationOnly) {
  const LimitCase& c = GetParam();
  WinterEntries e = valid();
  e.unitIndex = c.unit;
  e.envDB = c.envDB;
  e.envRH = c.envRH;
  e.spaDB = c.spaDB;
  e.spaRH = c.spaRH;
  const CheckResult r = CheckForLimits(e);
  EXPECT_EQ(r.code, c.code);
  EXPECT_EQ(r.focus, c.focus);
  EXPECT_EQ(r.english, c.unit == kUnitBtuF);
}

INSTANTIATE_TEST_SUITE_P(
    WinterChecks, Limits,
    ::testing::Values(LimitCase{"outdoorMinus20", kUnitWatt, -20, 80, 20, 40, 0, Field::None},
                      LimitCase{"outdoorMinus20_1", kUnitWatt, -20.1, 80, 20, 40, -10,
                                Field::EnvDB},
                      LimitCase{"outdoor15_1", kUnitKcal, 15.1, 80, 25, 40, -10, Field::EnvDB},
                      LimitCase{"outdoor59_1F", kUnitBtuF, 59.1, 80, 80, 40, -10, Field::EnvDB},
                      LimitCase{"outdoorRH29_9", kUnitWatt, 0, 29.9, 20, 40, -11, Field::EnvRH},
                      LimitCase{"room33_1", kUnitWatt, 0, 80, 33.1, 40, -12, Field::SpaDB},
                      LimitCase{"room14_9", kUnitWatt, 0, 80, 14.9, 40, -12, Field::SpaDB},
                      LimitCase{"roomRH34_9", kUnitWatt, 0, 80, 20, 34.9, -13, Field::SpaRH},
                      LimitCase{"roomRH100", kUnitWatt, 0, 80, 20, 100, 0, Field::None},
                      LimitCase{"difference5", kUnitWatt, 15, 80, 20, 40, 0, Field::None},
                      LimitCase{"difference4_9", kUnitWatt, 15, 80, 19.9, 40, -14, Field::None},
                      LimitCase{"difference8_9F", kUnitBtuF, 50.1, 80, 59, 40, -14, Field::None},
                      // the outdoor dry bulb is reported before the outdoor humidity
                      LimitCase{"orderFirstWins", kUnitWatt, 16, 10, 40, 10, -10, Field::EnvDB}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WinterChecks, WetBulbsAndLoad) {
  WinterEntries e = valid();
  EXPECT_EQ(CheckPSValues(e).code, 0);
  e.envWB = -12;
  EXPECT_EQ(CheckPSValues(e).code, 0);
  e.envWB = -12.1;
  EXPECT_EQ(CheckPSValues(e).code, -2);
  e.envWBPlaceholder = true;  // "will be computed" passes
  EXPECT_EQ(CheckPSValues(e).code, 0);
  e = valid();
  e.spaWB = 9.9;
  EXPECT_EQ(CheckPSValues(e).code, -5);
  e.spaWBPlaceholder = true;
  EXPECT_EQ(CheckPSValues(e).code, 0);
  // English: −12 °C is 10.4 °F, 10 °C is 50 °F.
  e = valid();
  e.unitIndex = kUnitBtuF;
  e.envWB = 10.3;
  e.spaWB = 55;
  e.load.set(kUnitBtuF, 30000);
  EXPECT_EQ(CheckPSValues(e).code, -2);
  e.envWB = 10.4;
  e.spaWB = 49.9;
  EXPECT_EQ(CheckPSValues(e).code, -5);
  // No load: refused unless the fresh air takes up no loads.
  e = valid();
  e.load.clear();
  EXPECT_EQ(CheckPSValues(e).code, -7);
  EXPECT_EQ(CheckPSValues(e).focus, Field::Sens);
  e.kindIndex = kKindFreshNoLoads;
  EXPECT_EQ(CheckPSValues(e).code, 0);
}

TEST(WinterChecks, CompletenessInOrder) {
  WinterEntries e = valid();
  EXPECT_EQ(CheckEntries(e).code, 0);
  e.kindyIndex = kSummerSameUnit;
  e.summerFlow = 0;
  EXPECT_EQ(CheckEntries(e).code, 5);
  EXPECT_EQ(CheckEntries(e).focus, Field::SummerFlow);
  e.summerFlow = 2000;
  EXPECT_EQ(CheckEntries(e).code, 0);  // no coil outlet needed
  e = valid();
  e.amount = 0;
  EXPECT_EQ(CheckEntries(e).code, 2);
  e.kindIndex = kKindRecirc;
  EXPECT_EQ(CheckEntries(e).code, 0);
  e = valid();
  e.optAmount = false;
  e.perCent = 0;
  EXPECT_EQ(CheckEntries(e).code, 3);
  e.perCent = 20;
  EXPECT_EQ(CheckEntries(e).code, 0);
  e = valid();
  e.coilOut = 0;
  EXPECT_EQ(CheckEntries(e).code, 4);
  EXPECT_EQ(CheckEntries(e).focus, Field::CoilOut);
  // 100 % fresh air without loads: no load needed, but its amount is.
  e = valid();
  e.kindIndex = kKindFreshNoLoads;
  e.load.clear();
  e.amount = 0;
  EXPECT_EQ(CheckEntries(e).code, 2);
  e.amount = 1000;
  EXPECT_EQ(CheckEntries(e).code, 0);
  e.load.clear();
  e.kindIndex = kKindMixing;
  EXPECT_EQ(CheckEntries(e).code, 1);
  EXPECT_FALSE(titleMissing(valid()));
  e.title = "   ";
  EXPECT_TRUE(titleMissing(e));
}

TEST(WinterMessages, RefusalsOfTheChecks) {
  struct Case {
    int code;
    bool english;
    const char* text;
  };
  const Case cases[] = {
      {-2, false, "... Η Θερμοκρασία Υ.Θ. του Περιβάλλοντος, ΔΕΝ γίνεται Δεκτή ..."},
      {-5, false, "... Η Θερμοκρασία Υ.Θ. των Χώρων, ΔΕΝ γίνεται Δεκτή ..."},
      {-7, false, "... Το Συνολικό Αισθητό Φορτίο των Χώρων, ΔΕΝ γίνεται Δεκτό ..."},
      {-10, false, "... Θερμοκρασία Περιβάλλοντος, μεταξύ -20 [°C] και 15 [°C] ..."},
      {-10, true, "... Θερμοκρασία Περιβάλλοντος, μεταξύ -4 [°F] και 59 [°F] ..."},
      {-11, false, "... Σχετική Υγρασία Περιβάλλοντος, μεταξύ 30 % και 100 % ..."},
      {-12, false, "... Θερμοκρασία Χώρων, μεταξύ 15 [°C] και 33 [°C] ..."},
      {-12, true, "... Θερμοκρασία Χώρων, μεταξύ 59 [°F] και 92 [°F] ..."},
      {-13, false, "... Σχετική Υγρασία Χώρων, μεταξύ 35 % και 100 % ..."},
      {-14, false,
       "... Η Θερμοκρασία Χώρων, πρέπει να υπερβαίνει την Θερμοκρασία Περιβάλλοντος, κατά 5 [°C] "
       "ΤΟΥΛΑΧΙΣΤΟΝ ..."},
      {-14, true,
       "... Η Θερμοκρασία Χώρων, πρέπει να υπερβαίνει την Θερμοκρασία Περιβάλλοντος, κατά 9 [°F] "
       "ΤΟΥΛΑΧΙΣΤΟΝ ..."},
  };
  for (const Case& c : cases) {
    const Message m = messagesPS(c.code, c.english);
    EXPECT_EQ(m.code, c.code);
    EXPECT_EQ(m.title, QStringLiteral("*** ΑΠΑΡΑΔΕΚΤΗ ΚΑΤΑΧΩΡΗΣΗ *** "));
    EXPECT_EQ(m.text, QString::fromUtf8(c.text)) << c.code;
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(m.beeps, 2);
  }
}

TEST(WinterMessages, MissingEntriesAndTitle) {
  const char* texts[] = {"!! Δεν έχετε επιλέξει Χώρους !!",
                         "!! Δεν έχετε δώσει την ποσότητα του Νωπού Αέρα !!",
                         "!! Δεν έχετε δώσει την ποσότητα του Νωπού Αέρα !!",
                         "!! Δεν έχετε δώσει την Θερμοκρασία Εξόδου του Αέρα από το Στοιχείο !!",
                         "!! Δεν έχετε δώσει την Παροχή της Μονάδας για το Καλοκαίρι !!"};
  for (int code = 1; code <= 5; ++code) {
    const Message m = psMessage(code);
    EXPECT_EQ(m.code, code);
    EXPECT_EQ(m.title, QStringLiteral(" ... ΠΡΟΣΟΧΗ !... "));
    EXPECT_EQ(m.text, QString::fromUtf8(texts[code - 1]));
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
  }
  const Message t = missingTitleMessage();
  EXPECT_EQ(t.title, QStringLiteral("...! ΠΡΟΣΟΧΗ !..."));
  EXPECT_EQ(t.text, QStringLiteral("... ΔΕΝ έχετε καταχωρήσει το ΘΕΜΑ-ΤΙΤΛΟ της Μελέτης ..."));
  EXPECT_EQ(t.icon, MsgIcon::Critical);
}

TEST(WinterMessages, HotSupplyQuestionQuotesTheTemperatureInCelsius) {
  // 140 °F = 60 °C; 133 °F = 56.11 -> 56.1 °C.
  const Message m = messagesPS(-102, true, 133.0f);
  EXPECT_EQ(m.text,
            QStringLiteral(
                "... Η Θερμοκρασία εξόδου του Αέρα στους Χώρους, είναι μεγαλύτερη των 54 [°C] (-> "
                "56.1 [°C]) ...\n"
                "... Μια τέτοια Θερμοκρασία απαιτεί την τοποθέτηση των Στομίων σε ικανό ύψος, ...\n"
                "... ώστε να μη βρίσκονται κοντά σε αυτά Άνθρωποι ...\n"
                "... Ίσως να πρέπει να αυξήσετε την παροχή Αέρα από το Καλοκαίρι ...\n"
                "      \n"
                "... ΝΑ ΣΥΝΕΧΙΣΘΕΙ Η ΔΙΑΔΙΚΑΣΙΑ ΤΩΝ ΨΥΧΡΟΜΕΤΡΙΚΩΝ ΥΠΟΛΟΓΙΣΜΩΝ ?? ...\n"));
  EXPECT_EQ(m.buttons, MsgButtons::YesNo);
  EXPECT_EQ(m.defaultButton, MsgAnswer::No);
  EXPECT_TRUE(messagesPS(-102, false, 140.0f).text.contains(QStringLiteral("(-> 60 [°C])")));
}

}  // namespace
}  // namespace aeriton::winter
