#include "winter/WinterMessages.h"

#include <QStringList>
#include <cmath>

#include "engine/NumberEntry.h"
#include "winter/WinterCalc.h"
#include "winter/WinterChecks.h"
#include "winter/WinterRounding.h"
#include "winter/WinterTexts.h"

namespace aeriton::winter {
namespace {

Message refusal(int code, const QString& title, const QString& text) {
  return okMessage(code, title, text);
}

}  // namespace

QString joinLines(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + QLatin1Char('\n');
  return text;
}

Message messagesPS(int code, bool english, float supplyTempF) {
  namespace t = texts;
  switch (code) {
    case kCodeEnvWB:
      return refusal(code, t::inputTitle(), t::envWBRefused());
    case kCodeSpaWB:
      return refusal(code, t::inputTitle(), t::spaWBRefused());
    case kCodeSens:
      return refusal(code, t::inputTitle(), t::sensRefused());
    case kCodeEnvDB:
      return refusal(code, t::inputTitle(), t::envDBRange(english));
    case kCodeEnvRH:
      return refusal(code, t::inputTitle(), t::envRHRange());
    case kCodeSpaDB:
      return refusal(code, t::inputTitle(), t::spaDBRange(english));
    case kCodeSpaRH:
      return refusal(code, t::inputTitle(), t::spaRHRange());
    case kCodeDifference:
      return refusal(code, t::inputTitle(), t::difference(english));
    case kCodeSupplyQuestion: {
      // The supply temperature in °C, one decimal, whatever the study's units.
      const double c = roundHalfUp((supplyTempF - 32.0f) * 5.0f / 9.0f, 1);
      const double shown = std::floor(c * 10.0 + 0.5) / 10.0;  // 56.1, not 56.0999985
      Message m = refusal(code, t::hotTitle(), joinLines(t::hotLines(LocaleNumberText(shown))));
      m.buttons = MsgButtons::YesNo;
      m.defaultButton = MsgAnswer::No;
      return m;
    }
    case kCodeSupplyTooHot:
      return refusal(code, t::tooHotTitle(), joinLines(t::tooHotLines()));
    case kCodeTooMuchFreshAir:
      return refusal(code, t::badDataTitle(), t::tooMuchFreshAir());
    case kCodeCoilOutNotAboveRoom:
      return refusal(code, t::badDataTitle(),
                     joinLines({QStringLiteral("... Η Θερμοκρασία Εξόδου του Αέρα από το Στοιχείο, "
                                               "πρέπει να είναι μεγαλύτερη από την Θερμοκρασία "
                                               "των Χώρων ..."),
                                t::cannotComputeLine()}));
    case kCodeNoFlow:
      return refusal(code, t::badDataTitle(),
                     joinLines({QStringLiteral("... Η Παροχή Αέρα της Μονάδας βγαίνει μηδενική "
                                               "ή δεν μπορεί να υπολογισθεί ..."),
                                QStringLiteral("... Ελέγξτε το Αισθητό Φορτίο των Χώρων και την "
                                               "ποσότητα του Νωπού Αέρα ..."),
                                t::cannotComputeLine()}));
    case kCodeOutOfRange:
      return refusal(
          code, t::badDataTitle(),
          joinLines({QStringLiteral("... Μια κατάσταση του Αέρα βγαίνει έξω από τα "
                                    "όρια του Ψυχρομετρικού Πίνακα ..."),
                     QStringLiteral("... Ελέγξτε τα Δεδομένα σας ..."), t::cannotComputeLine()}));
    default:
      break;
  }
  return refusal(code, t::badDataTitle(), t::cannotComputeLine());
}

Message psMessage(int code) {
  Message m;
  m.code = code;
  m.title = texts::missingTitle();
  m.icon = MsgIcon::Exclamation;
  m.buttons = MsgButtons::Ok;
  m.beeps = 1;
  switch (code) {
    case kCodeNoRooms:
      m.text = texts::missingRooms();
      break;
    case kCodeNoFreshAmount:
    case kCodeNoFreshPerCent:
      m.text = texts::missingFresh();
      break;
    case kCodeNoCoilOut:
      m.text = texts::missingCoilOut();
      break;
    case kCodeNoSummerFlow:
      m.text = texts::missingSummerFlow();
      break;
    default:
      break;
  }
  return m;
}

Message missingTitleMessage() {
  return okMessage(0, texts::noTitleTitle(), texts::noTitleText());
}

Message noRecentFilesMessage() {
  Message m;
  m.title = texts::caption();
  m.text = texts::noRecentFiles();
  m.icon = MsgIcon::Information;
  m.buttons = MsgButtons::Ok;
  return m;
}

Message fileErrorMessage(const QString& fileName, const QString& detail) {
  Message m = refusal(kCodeFileError, texts::noTitleTitle(),
                      joinLines({QStringLiteral("... ΔΕΝ ήταν δυνατόν να γραφεί ή να διαβασθεί "
                                                "το αρχείο ") +
                                     fileName + QStringLiteral(" ..."),
                                 QStringLiteral("... ") + detail + QStringLiteral(" ..."),
                                 texts::cannotComputeLine()}));
  return m;
}

}  // namespace aeriton::winter
