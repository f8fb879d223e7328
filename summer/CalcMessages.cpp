#include "summer/CalcMessages.h"

#include <QStringList>
#include <cmath>

#include "engine/NumberEntry.h"
#include "summer/CalcTexts.h"

namespace aeriton::summer {
namespace {

QString u(const char* text) {
  return QString::fromUtf8(text);
}

Message critical(int code, const QString& title, const QStringList& lines) {
  return okMessage(code, title, lines.join(QLatin1Char('\n')));
}

QString searchName(Search search) {
  switch (search) {
    case Search::WetBulb:
      return u(u8"η Θερμοκρασία Υγρού Θερμομέτρου μιας κατάστασης του Αέρα");
    case Search::DewPoint:
      return u(u8"το Σημείο Δρόσου του Αέρα των Χώρων");
    case Search::ApparatusDewPoint:
      return u(u8"το Σημείο Δρόσου της Μονάδας (μέχρι τη Θερμοκρασία των Χώρων)");
    case Search::PerCentPasses:
      return u(u8"σταθερή Παροχή Αέρα για το ποσοστό Νωπού Αέρα");
    case Search::HumidRoom:
      return u(u8"το Σημείο Δρόσου του Στοιχείου για Χώρους με υψηλή Υγρασία");
    case Search::FreshAirFlow:
      return u(u8"σταθερή Παροχή Αέρα για 100% Νωπό Αέρα (20 επαναλήψεις)");
    case Search::None:
      break;
  }
  return u(u8"η ζητούμενη τιμή");
}

}  // namespace

Message freshAirExcessiveMessage() {
  return critical(kCodeFreshAirExcessive, u(texts::kFreshTitle), {u(texts::kFreshText)});
}

Message negativeCoilOutletMessage() {
  return critical(kCodeNegativeCoilOutlet, u(texts::kNegTitle),
                  {u(texts::kNegLine1), u(texts::kNegLine2), u(texts::kNegLine3)});
}

Message searchBoundMessage(Search search) {
  return critical(
      kCodeSearchBound, u(texts::kNegTitle),
      {u(texts::kNegLine1),
       u(u8"... Δεν βρέθηκε ") + searchName(search) + u(u8" μέσα στα όρια του Πίνακα Κορεσμού ..."),
       u(u8"... Ελέγξτε τις Θερμοκρασίες, τις Υγρασίες, τα Φορτία και τον Νωπό Αέρα ...")});
}

Message divisionByZeroMessage() {
  return critical(kCodeDivisionByZero, u(texts::kNegTitle),
                  {u(texts::kNegLine1),
                   u(u8"... Τα Δεδομένα οδηγούν σε διαίρεση με το μηδέν (μηδενική Παροχή Αέρα, "
                     u8"μηδενική διαφορά Θερμοκρασιών ή μηδενικό άθροισμα Φορτίων) ..."),
                   u(texts::kHotLine4)});
}

Message heatingUnsetMessage() {
  return critical(kCodeHeatingUnset, u(texts::kNegTitle),
                  {u(u8"... Η Θερμοκρασία Περιβάλλοντος είναι χαμηλότερη από τη Θερμοκρασία των "
                     u8"Χώρων (Θέρμανση) ..."),
                   u(u8"... Δεν έχει δοθεί ούτε Θερμοκρασία Εξόδου του Αέρα από το Στοιχείο, "
                     u8"ούτε Παροχή Αέρα από την Περίοδο του Καλοκαιριού ..."),
                   u(texts::kHotLine4)});
}

Message badDataMessage(const QString& why) {
  return critical(kCodeBadData, u(texts::kNegTitle),
                  {u(u8"... Το αρχείο Δεδομένων ΔΕΝ διαβάζεται ..."),
                   QStringLiteral("... ") + why + QStringLiteral(" ..."), u(texts::kHotLine4)});
}

Message supplyTooHotMessage() {
  return critical(
      winter::kCodeSupplyTooHot, u(texts::kHotTitle),
      {u(texts::kHotLine1), u(texts::kHotLine2), u(texts::kHotLine3), u(texts::kHotLine4)});
}

Message supplyQuestionMessage(float supplyTempF) {
  const float c = std::floor((supplyTempF - 32.0f) * 5.0f / 9.0f * 10.0f + 0.5f) / 10.0f;
  Message m = critical(
      winter::kCodeSupplyQuestion, u(texts::kAskTitle),
      {u(texts::kAskLine1) + FormatNumber(c, QStringLiteral("0.0")) + u(texts::kAskLine1End),
       u(texts::kAskLine2), u(texts::kAskLine3), u(texts::kAskLine4), u(texts::kAskLine5),
       u(texts::kAskLine6)});
  m.buttons = MsgButtons::YesNo;
  m.defaultButton = MsgAnswer::No;
  return m;
}

Message tooMuchFreshAirMessage() {
  return critical(winter::kCodeTooMuchFreshAir, u(texts::kMixTitle), {u(texts::kMixText)});
}

Message winterRefusalMessage(int code) {
  QString why;
  switch (code) {
    case winter::kCodeCoilOutNotAboveRoom:
      why =
          u(u8"... Η Θερμοκρασία Εξόδου του Αέρα από το Στοιχείο πρέπει να είναι μεγαλύτερη από τη "
            u8"Θερμοκρασία των Χώρων ...");
      break;
    case winter::kCodeNoFlow:
      why = u(u8"... Η Παροχή Αέρα βγαίνει μηδενική ή αρνητική ...");
      break;
    case winter::kCodeOutOfRange:
      why = u(u8"... Μια κατάσταση του Αέρα βγαίνει έξω από τα όρια του Πίνακα Κορεσμού ...");
      break;
    default:
      why = u(u8"... Ο Υπολογισμός της Θέρμανσης δεν ολοκληρώθηκε ...");
      break;
  }
  return critical(code, u(texts::kNegTitle), {u(texts::kNegLine1), why, u(texts::kHotLine4)});
}

Message messageForResult(const CalcResult& result, const QString& detail) {
  switch (result.code) {
    case kCodeOk:
      return Message{};
    case kCodeFreshAirExcessive:
      return freshAirExcessiveMessage();
    case kCodeNegativeCoilOutlet:
      return negativeCoilOutletMessage();
    case kCodeSearchBound:
      return searchBoundMessage(result.search);
    case kCodeDivisionByZero:
      return divisionByZeroMessage();
    case kCodeHeatingUnset:
      return heatingUnsetMessage();
    case kCodeBadData:
      return badDataMessage(detail);
    case winter::kCodeSupplyTooHot:
      if (result.winterDetail.declined) return Message{};
      return supplyTooHotMessage();
    case winter::kCodeTooMuchFreshAir:
      return tooMuchFreshAirMessage();
    default:
      return winterRefusalMessage(result.code);
  }
}

}  // namespace aeriton::summer
