#include "reports/ResultWorkbook.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <cstring>

#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "summer/ResultsView.h"

namespace aeriton::reports {
namespace {

using summer::ResultField;
using summer::ResultsView;
using summer::UnitSystem;

QString u8(const char* t) {
  return QString::fromUtf8(t);
}

// Values of the coil-outlet change record.
enum Rec {
  RaisedDB = 0,
  RaisedWB = 1,
  CoilDB = 5,
  CoilWB = 6,
  CoilH = 8,
  RaiseReheat = 10,
};

QString kindText(const StudyState& s) {
  QString code = s.KindCode;
  if (code.isEmpty()) {
    if (s.KindMix)
      code = "AAA_NA";
    else if (s.KindRecirc)
      code = "AA_100";
    else if (s.KindFresh)
      code = s.FreshLoads == 2 ? "NA_PAF" : "NA_DPF";
  }
  if (code == "AA_100") return u8("Ανακυκλοφορία Αέρα, κατά 100%");
  if (code == "NA_DPF") return u8("100% Νωπός Αέρας, που ΔΕΝ παραλαμβάνει Φορτία");
  if (code == "NA_PAF") return u8("100% Νωπός Αέρας, που παραλαμβάνει Φορτία");
  return u8("Ανάμιξη Αέρα Ανακυκλοφορίας, με Νωπό Αέρα");
}

// A value that is shown: written as the single it is; a value the screen
// would not show (a marker) leaves the cell as the template has it.
void put(CellMap& map, const QString& cell, double value) {
  if (std::isnan(value) || std::isinf(value)) return;
  setSingle(map, cell, value);
}

}  // namespace

bool isWinterResults(const StudyState& r) {
  return r.HeatingProcess && !r.CoolingProcess;
}

QString resultTemplateName(const StudyState& results, const QString& loadUnit) {
  const bool winter = isWinterResults(results);
  if (results.MetricCode == 0) return winter ? "LD_PS_EW.xlsx" : "LD_PS_ES.xlsx";
  const QString unit = summer::effectiveLoadUnit(results, loadUnit);
  const QString stem = winter ? "LD_PS_MW" : "LD_PS_MS";
  if (unit == "WATT") return stem + "Wa.xlsx";
  if (unit == "KW") return stem + "Kw.xlsx";
  if (unit == "RT") return stem + "RT.xlsx";
  if (unit == "BTUh") return stem + "BTUH.xlsx";
  return stem + ".xlsx";
}

ResultWorkbook WriteResultWorkbook(const ResultWorkbookInput& in) {
  ResultWorkbook out;
  const StudyState& file = in.results;
  out.winter = isWinterResults(file);
  out.templateName = resultTemplateName(file, in.loadUnit);

  // The results screen's own view, showing the study's own unit system.
  const ResultsView view(file, in.loadUnit, in.shownPerCent);
  const StudyState& s = view.results();
  const auto& rec = s.CoilOutChange;
  const bool raised = !out.winter && view.raised();
  CellMap& m = out.cells;

  setText(m, "A1", u8("Μελετητής : ") + in.designer.trimmed());
  setText(m, "A4", in.title.trimmed());
  setText(m, "A7", u8(out.winter ? "Χειμώνας : " : "Καλοκαίρι : ") + kindText(s));

  put(m, "B12", view.value(ResultField::EnvDB));
  put(m, "B13", view.value(ResultField::EnvWB));
  put(m, "B14", s.EnvRH);
  put(m, "B17", view.value(ResultField::SpaDB));
  put(m, "B18", view.value(ResultField::SpaWB));
  put(m, "B19", s.SpaRH);

  put(m, "B22", view.value(ResultField::Sens));
  put(m, "B23", view.value(ResultField::Lat));
  put(m, "B24", view.value(ResultField::OA));
  if (!view.amountMode()) setText(m, "C24", u8("[ % ]"));

  // The notes of a raise: the supply air was raised by the user; in per-cent
  // mode the fresh air is then less than the per cent asked for.
  if (raised && rec[RaiseReheat] != 0.0f) {
    if (view.amountMode()) {
      setText(m, "A25", u8("Υπάρχει Αύξηση της Θερμοκρασίας Ξ.Θ. Εξόδου του Αέρα από τη Μονάδα,"));
      setText(m, "A26", u8("με επέμβαση του χρήστη"));
    } else {
      setText(m, "A25", u8("Η Παροχή του Νωπού Αέρα, επί τοις %, είναι μικρότερη της ζητηθείσης,"));
      setText(m, "A26",
              u8("λόγω Αύξησης της Θερμοκρασίας Ξ.Θ. Εξόδου του Αέρα από τη Μονάδα, από τον "
                 "χρήστη"));
    }
  }

  put(m, "B29", view.value(ResultField::DB_M));
  put(m, "B30", view.value(ResultField::WB_M));
  put(m, "B31", view.value(ResultField::H_M));

  put(m, "B34", view.showTemperature(raised ? rec[CoilDB] : s.DB_T));
  put(m, "B35", view.showTemperature(raised ? rec[CoilWB] : s.WB_T));
  put(m, "B36", view.showEnthalpy(raised ? rec[CoilH] : s.h_T));

  put(m, "B38", view.value(ResultField::FA));
  put(m, "B39", view.value(ResultField::FreshSens));
  put(m, "B40", view.value(ResultField::FreshLat));

  // Summer: the reheat, with the reheat of a raise. Winter: the humidifiers'
  // water, which is what the heating unit adds after its coil.
  put(m, "B42", view.value(out.winter ? ResultField::Water : ResultField::Reheat));

  if (raised) {
    put(m, "B44", view.showTemperature(rec[RaisedDB]));
    put(m, "B45", view.showTemperature(rec[RaisedWB]));
  } else if (view.hasReheat()) {
    put(m, "B44", view.showTemperature(s.DB_S));
    put(m, "B45", view.showTemperature(s.WB_S));
  } else if (out.winter) {
    put(m, "B44", view.showTemperature(s.DB_T));
    put(m, "B45", view.showTemperature(s.WB_T));
  }

  if (out.winter)
    setText(m, "A46",
            s.SummerFlow != 0.0f
                ? u8(" Η Παροχή του Αέρα, προέρχεται από τον Ανεμιστήρα του Καλοκαιριού")
                : QString());

  put(m, "B47", view.value(ResultField::FlowRate));
  put(m, "B49", view.value(ResultField::Power));
  return out;
}

QString savedWorkbookSuffix(bool winter) {
  return winter ? QStringLiteral("_PSW.xlsx") : QStringLiteral("_PSS.xlsx");
}

QString withoutWorkbookExtension(const QString& name) {
  for (const char* ext : {".xlsx", ".xls"})
    if (name.endsWith(QLatin1String(ext), Qt::CaseInsensitive))
      return name.left(name.size() - static_cast<int>(std::strlen(ext)));
  return name;
}

QString savedWorkbookPath(const QString& chosenName, const QString& studyFileName, bool winter) {
  if (!chosenName.trimmed().isEmpty())
    return withoutWorkbookExtension(chosenName.trimmed()) + savedWorkbookSuffix(winter);
  if (studyFileName.trimmed().isEmpty() || studyFileName == QLatin1String("Escape"))
    return QString();
  const QString stem = QFileInfo(studyFileName).completeBaseName();
  if (stem.isEmpty()) return QString();
  return appfolder::path(QStringLiteral("AIRFiles/ASCII/")) + stem + savedWorkbookSuffix(winter);
}

bool resultInputFromProgramFolder(ResultWorkbookInput& in, QString* error) {
  StudyState file;
  const ReadResult read =
      readResultsFileAt(appfolder::path(QString::fromLatin1(kResultsFileName)), file);
  if (!read) {
    if (error) *error = read.error;
    return false;
  }
  // In per-cent mode the data file's fresh-air value is the per cent entered.
  float perCent = file.FreshPerCent;
  QFile dat(appfolder::path(QString::fromLatin1(kDataFileName)));
  if (file.FreshMode == "P" && dat.open(QIODevice::ReadOnly)) {
    StudyState inputs;
    if (readDataFile(dat.readAll(), inputs) && inputs.FreshMode == "P") perCent = inputs.FreshValue;
  }
  in.results = file;
  in.shownPerCent = perCent;
  return true;
}

}  // namespace aeriton::reports
