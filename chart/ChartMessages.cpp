#include "chart/ChartMessages.h"

#include <QDir>

namespace aeriton::chart {
namespace {

const char* const kTitle = "...! ΠΡΟΣΟΧΗ !..";
const char* const kNoChart = "... Ο Ψυχρομετρικός Χάρτης ΔΕΝ μπορεί να σχεδιασθεί ...";

QString u8(const char* t) {
  return QString::fromUtf8(t);
}

}  // namespace

Message chartDataMessage(ChartDataStatus status, const QString& path) {
  QString what;
  switch (status) {
    case ChartDataStatus::Missing:
      what = u8("... ΔΕΝ βρέθηκε το Αρχείο < Data.dat > με τα Δεδομένα του Χάρτη ...");
      break;
    case ChartDataStatus::Short:
      what = u8("... Το Αρχείο < Data.dat > με τα Δεδομένα του Χάρτη είναι ελλιπές ...");
      break;
    case ChartDataStatus::Damaged:
    case ChartDataStatus::Ok:
      what = u8("... Το Αρχείο < Data.dat > με τα Δεδομένα του Χάρτη είναι κατεστραμμένο ...");
      break;
  }
  const QString text = u8(kNoChart) + '\n' + what + '\n' + QDir::toNativeSeparators(path) + '\n' +
                       u8("... Εγκαταστήστε ξανά το Πρόγραμμα ...");
  return okMessage(kChartDataMessage, u8(kTitle), text, MsgIcon::Critical, 2);
}

Message chartExportMessage(const QString& path, const QString& why) {
  const QString text = u8("... ΔΕΝ ήταν δυνατή η αποθήκευση του Ψυχρομετρικού Χάρτη ...") + '\n' +
                       QDir::toNativeSeparators(path) + (why.isEmpty() ? QString() : '\n' + why);
  return okMessage(kChartExportMessage, u8(kTitle), text, MsgIcon::Critical, 2);
}

Message chartResultsMessage(const QString& path, const QString& why) {
  const QString text = u8(kNoChart) + '\n' +
                       u8("... Υπάρχει σοβαρό πρόβλημα στο Αρχείο των Αποτελεσμάτων ...") + '\n' +
                       QDir::toNativeSeparators(path) + (why.isEmpty() ? QString() : ": " + why);
  return okMessage(kChartResultsMessage, u8(kTitle), text, MsgIcon::Critical, 2);
}

}  // namespace aeriton::chart
