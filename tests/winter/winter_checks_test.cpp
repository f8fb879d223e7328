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

TEST(WinterChecks, LimitsReportTheFirstViolationOnly) {
  struct Case {
    int unit;
    double envDB, envRH, spaDB, spaRH;
    int code;
    Field focus;
  };
  const Case cases[] = {
      {kUnitWatt, -20, 80, 20, 40, 0, Field::None},
      {kUnitWatt, -20.1, 80, 20, 40, -10, Field::EnvDB},
      {kUnitBtuF, 59.1, 80, 80, 40, -10, Field::EnvDB},
      {kUnitWatt, 0, 29.9, 20, 40, -11, Field::EnvRH},
      {kUnitWatt, 0, 80, 33.1, 40, -12, Field::SpaDB},
      {kUnitWatt, 0, 80, 20, 34.9, -13, Field::SpaRH},
      {kUnitWatt, 15, 80, 20, 40, 0, Field::None},
      {kUnitWatt, 15, 80, 19.9, 40, -14, Field::None},
      {kUnitWatt, 16, 10, 40, 10, -10, Field::EnvDB},  // dry bulb before humidity
  };
  for (const Case& c : cases) {
    WinterEntries e = valid();
    e.unitIndex = c.unit;
    e.envDB = c.envDB, e.envRH = c.envRH, e.spaDB = c.spaDB, e.spaRH = c.spaRH;
    const CheckResult r = CheckForLimits(e);
    EXPECT_EQ(r.code, c.code) << c.envDB << " " << c.spaDB;
    EXPECT_EQ(r.focus, c.focus) << c.envDB << " " << c.spaDB;
    EXPECT_EQ(r.english, c.unit == kUnitBtuF);
  }
}

template <typename Check, typename Change>
CheckResult after(Check check, Change change) {
  WinterEntries e = valid();
  change(e);
  return check(e);
}

TEST(WinterChecks, WetBulbsAndLoad) {
  using E = WinterEntries;
  EXPECT_EQ(after(CheckPSValues, [](E& e) { e.envWB = -12; }).code, 0);
  EXPECT_EQ(after(CheckPSValues, [](E& e) { e.envWB = -12.1; }).code, -2);
  // "will be computed" passes
  EXPECT_EQ(after(CheckPSValues, [](E& e) { e.envWB = -12.1, e.envWBPlaceholder = true; }).code, 0);
  EXPECT_EQ(after(CheckPSValues, [](E& e) { e.spaWB = 9.9; }).code, -5);
  // English: −12 °C is 10.4 °F.
  EXPECT_EQ(after(CheckPSValues,
                  [](E& e) {
                    e.unitIndex = kUnitBtuF, e.envWB = 10.3, e.spaWB = 55;
                    e.load.set(kUnitBtuF, 30000);
                  })
                .code,
            -2);
  // No load: refused unless the fresh air takes up no loads.
  const CheckResult noLoad = after(CheckPSValues, [](E& e) { e.load.clear(); });
  EXPECT_EQ(noLoad.code, -7);
  EXPECT_EQ(noLoad.focus, Field::Sens);
  EXPECT_EQ(
      after(CheckPSValues, [](E& e) { e.load.clear(), e.kindIndex = kKindFreshNoLoads; }).code, 0);
}

TEST(WinterChecks, CompletenessInOrder) {
  using E = WinterEntries;
  EXPECT_EQ(after(CheckEntries, [](E&) {}).code, 0);
  const CheckResult flow =
      after(CheckEntries, [](E& e) { e.kindyIndex = kSummerSameUnit, e.summerFlow = 0; });
  EXPECT_EQ(flow.code, 5);
  EXPECT_EQ(flow.focus, Field::SummerFlow);
  EXPECT_EQ(after(CheckEntries, [](E& e) { e.amount = 0; }).code, 2);
  EXPECT_EQ(after(CheckEntries, [](E& e) { e.amount = 0, e.kindIndex = kKindRecirc; }).code, 0);
  EXPECT_EQ(after(CheckEntries, [](E& e) { e.optAmount = false, e.perCent = 0; }).code, 3);
  const CheckResult coil = after(CheckEntries, [](E& e) { e.coilOut = 0; });
  EXPECT_EQ(coil.code, 4);
  EXPECT_EQ(coil.focus, Field::CoilOut);
  // 100 % fresh air without loads: no load needed, but its amount is.
  EXPECT_EQ(after(CheckEntries,
                  [](E& e) {
                    e.kindIndex = kKindFreshNoLoads, e.amount = 0;
                    e.load.clear();
                  })
                .code,
            2);
  EXPECT_EQ(after(CheckEntries, [](E& e) { e.load.clear(); }).code, 1);
  EXPECT_FALSE(titleMissing(valid()));
  WinterEntries e = valid();
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
      {-13, false, "... Σχετική Υγρασία Χώρων, μεταξύ 35 % και 100 % ..."},
      {-14, false,
       "... Η Θερμοκρασία Χώρων, πρέπει να υπερβαίνει την Θερμοκρασία Περιβάλλοντος, κατά 5 [°C] "
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
  // 133 °F = 56.11 -> 56.1 °C.
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
}

}  // namespace
}  // namespace aeriton::winter
