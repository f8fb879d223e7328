#include "summer/SummerMessages.h"

#include <cmath>

#include "engine/NumberEntry.h"
#include "summer/SummerChecks.h"

namespace aeriton::summer {

namespace {

Message refusal(int code, const QString& text) {
  return okMessage(code, refusalTitle(), text);
}

// A bound as the refusals write it: whole numbers without decimals.
QString boundText(float v) {
  if (v == std::floor(v)) return QString::number(static_cast<long long>(v));
  return LocaleNumberText(v);
}
QString degrees(float v, bool fahrenheit) {
  return boundText(v) + (fahrenheit ? QStringLiteral(" [°F]") : QStringLiteral(" [°C]"));
}

Message question(int code, const QString& text) {
  Message m;
  m.code = code;
  m.title = QStringLiteral("  ! !   ΠΡΟΣΟΧΗ   ! ! ");
  m.text = text;
  m.icon = MsgIcon::Question;
  m.buttons = MsgButtons::YesNoCancel;
  m.defaultButton = MsgAnswer::Yes;
  m.beeps = 2;
  return m;
}

}  // namespace

QString refusalTitle() {
  return QStringLiteral("*** ΑΠΑΡΑΔΕΚΤΗ ΚΑΤΑΧΩΡΗΣΗ *** ");
}

QString fieldControlName(Field f) {
  switch (f) {
    case Field::None:
      return QString();
    case Field::EnvDB:
      return QStringLiteral("TxtEnvDB");
    case Field::EnvWB:
      return QStringLiteral("TxtEnvWB");
    case Field::EnvRH:
      return QStringLiteral("TxtEnvRH");
    case Field::SpaDB:
      return QStringLiteral("TxtSpaDB");
    case Field::SpaWB:
      return QStringLiteral("TxtSpaWB");
    case Field::SpaRH:
      return QStringLiteral("TxtSpaRH");
    case Field::Sens:
      return QStringLiteral("TxtSens");
    case Field::Lat:
      return QStringLiteral("TxtLat");
    case Field::Amount:
      return QStringLiteral("TxtAmount");
    case Field::PerCent:
      return QStringLiteral("CboPerC");
  }
  return QString();
}

Message messagesPS(int code, UnitPair units, float raisedTemp, bool raisedMetric) {
  const bool f = englishWording(units);
  switch (code) {
    case kRaisedSupplyQuestion:
      return question(
          code, QStringLiteral("... Σε προηγούμενο Υπολογισμό, έχετε αποφασίσει για ΑΥΞΗΣΗ της "
                               "Θερμοκρασίας Ξ.Θ. Εξόδου του Αέρα από τη Μονάδα, στους ") +
                    FormatNumber(raisedTemp, "#.0") +
                    (raisedMetric ? QStringLiteral(" [°C] ...") : QStringLiteral(" [°F] ...")) +
                    QStringLiteral("\n") +
                    QStringLiteral("Θέλετε να ισχύσει και τώρα κάτι τέτοιο ?"));
    case kFreshAirExcessive: {
      Message m = refusal(
          code, QStringLiteral(
                    "... Η Ποσότητα του Νωπού Αέρα, είναι μάλλον υπερβολική : ΕΛΕΓΞΤΕ ΤΗΝ !..."));
      m.title = QStringLiteral("*** Π Ρ Ο Σ Ο Χ Η *** ");
      return m;
    }
    // The range refusals quote the bounds CheckForLimits applies
    // (summer/SummerChecks.h), never other figures.
    case kNeedTempDifference:
      return refusal(code,
                     QStringLiteral("... Η Θερμοκρασία Περιβάλλοντος, πρέπει να υπερβαίνει "
                                    "την Θερμοκρασία Χώρων, κατά %1 ΤΟΥΛΑΧΙΣΤΟΝ ...")
                         .arg(degrees(f ? limits::kMinDifferenceF : limits::kMinDifferenceC, f)));
    case kRoomRHRange:
      return refusal(code, QStringLiteral("... Σχετική Υγρασία Χώρων, μεταξύ %1 % και %2 % ...")
                               .arg(boundText(limits::kRoomRHMin), boundText(limits::kRoomRHMax)));
    case kRoomDBRange:
      return refusal(code, QStringLiteral("... Θερμοκρασία Χώρων, μεταξύ %1 και %2 ...")
                               .arg(degrees(f ? limits::kRoomDBMinF : limits::kRoomDBMinC, f),
                                    degrees(f ? limits::kRoomDBMaxF : limits::kRoomDBMaxC, f)));
    case kOutdoorRHRange:
      return refusal(code,
                     QStringLiteral("... Σχετική Υγρασία Περιβάλλοντος, μεταξύ %1 % και %2 % ...")
                         .arg(boundText(limits::kOutdoorRHMin), boundText(limits::kOutdoorRHMax)));
    case kOutdoorDBRange:
      return refusal(code,
                     QStringLiteral("... Θερμοκρασία Περιβάλλοντος, μεταξύ %1 και %2 ...")
                         .arg(degrees(f ? limits::kOutdoorDBMinF : limits::kOutdoorDBMinC, f),
                              degrees(f ? limits::kOutdoorDBMaxF : limits::kOutdoorDBMaxC, f)));
    case kUnsavedQuestion: {
      // Two lines after an empty one; the question is centred under the notice.
      const QString notice = QStringLiteral("!! Υπάρχουν Δεδομένα, που ΔΕΝ έχουν < σωθεί > !!");
      const QString ask = QStringLiteral("Θέλετε να < σώσω > τα Δεδομένα ?");
      const int pad = qMax(0, (notice.size() - ask.size()) / 2);
      return question(code, QStringLiteral("\n") + notice + QStringLiteral("\n") +
                                QString(pad, QLatin1Char(' ')) + ask);
    }
    case kSensibleLoad:
      return refusal(
          code, QStringLiteral("... Το Συνολικό Αισθητό Φορτίο των Χώρων, ΔΕΝ γίνεται Δεκτό ..."));
    case kRoomRH:
      return refusal(code,
                     QStringLiteral("... Η Σχετική Υγρασία των Χώρων, ΔΕΝ γίνεται Δεκτή ..."));
    case kRoomWB:
      return refusal(code,
                     QStringLiteral("... Η Θερμοκρασία Υ.Θ. των Χώρων, ΔΕΝ γίνεται Δεκτή ..."));
    case kRoomDB:
      return refusal(code,
                     QStringLiteral("... Η Θερμοκρασία Ξ.Θ. των Χώρων, ΔΕΝ γίνεται Δεκτή ..."));
    case kOutdoorRH:
      return refusal(
          code, QStringLiteral("... Η Σχετική Υγρασία του Περιβάλλοντος, ΔΕΝ γίνεται Δεκτή ..."));
    case kOutdoorWB:
      return refusal(
          code, QStringLiteral("... Η Θερμοκρασία Υ.Θ. του Περιβάλλοντος, ΔΕΝ γίνεται Δεκτή ..."));
    case kOutdoorDB:
      return refusal(
          code, QStringLiteral("... Η Θερμοκρασία Ξ.Θ. του Περιβάλλοντος, ΔΕΝ γίνεται Δεκτή ..."));
    default:
      break;
  }
  return Message{};
}

Message psMessage(int code) {
  if (code < kNoSpaces || code > kNoFreshPerCent) return Message{};
  Message m;
  m.code = code;
  m.title = QStringLiteral(" < ΨΥΧΡΟΜΕΤΡΙΚΟΙ  ΥΠΟΛΟΓΙΣΜΟΙ  ΑΕΡΟΣ > ");
  m.text = code == kNoSpaces ? QStringLiteral("    ... Δεν έχετε επιλέξει Χώρους ...    ")
                             : QStringLiteral("!! Δεν έχετε δώσει την ποσότητα του Νωπού Αέρα !!");
  m.icon = MsgIcon::Exclamation;
  m.buttons = MsgButtons::Ok;
  m.defaultButton = MsgAnswer::Ok;
  m.beeps = 2;
  return m;
}

Message missingTitleMessage() {
  return okMessage(0, QStringLiteral("...! ΠΡΟΣΟΧΗ !..."),
                   QStringLiteral("... ΔΕΝ έχετε καταχωρήσει το ΘΕΜΑ-ΤΙΤΛΟ της Μελέτης ..."),
                   MsgIcon::Critical, 0);
}

}  // namespace aeriton::summer
