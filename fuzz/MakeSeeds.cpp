// fuzz_make_seeds: the seed corpora of the fuzz targets, made by running real
// studies through the program's own code paths (the calculate buttons of both
// data screens, the raise, the study files, the study list, the season
// window's check, the registry), so that every seed is a file the program
// really writes.
//
//   fuzz_make_seeds OUT_FOLDER      writes OUT_FOLDER/<target>/<name>
//
// The committed corpora in fuzz/corpus/ were made with it.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "FuzzSupport.h"
#include "calculator/PsCalc.h"
#include "calculator/PsFile.h"
#include "chart/ChartTable.h"
#include "files/RecentFiles.h"
#include "files/StudyFileCore.h"
#include "files/StudyIndex.h"
#include "register/ClientRegister.h"
#include "shell/ProgramRegistry.h"
#include "shell/Season.h"
#include "study/AppFolder.h"
#include "study/Cp1253.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "summer/Raise.h"
#include "summer/SummerChecks.h"
#include "summer/SummerRun.h"
#include "winter/WinterChecks.h"
#include "winter/WinterRun.h"

using namespace aeriton;

namespace {

QString outFolder;
QString program;

QByteArray read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void seed(const char* target, const QString& name, const QByteArray& bytes) {
  const QString dir = outFolder + '/' + QLatin1String(target);
  QDir().mkpath(dir);
  QFile f(dir + '/' + name);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
    std::exit(1);
  }
}

QByteArray joined(const QByteArray& a, const QByteArray& b) {
  return a + fuzz::kPartSeparator + b;
}

struct SummerCase {
  const char* name;
  const char* unit;
  int kind;
  bool perCent;
  float envDB, envWB, envRH, spaDB, spaWB, spaRH;
  double sens, lat;
  float fresh;
};

// The summer calculate button after its checks; the files it leaves.
bool runSummer(const SummerCase& c) {
  summer::SummerRunInput in;
  in.loadUnit = QString::fromLatin1(c.unit);
  in.envDB = c.envDB, in.envWB = c.envWB, in.envRH = c.envRH;
  in.spaDB = c.spaDB, in.spaWB = c.spaWB, in.spaRH = c.spaRH;
  in.sensible = c.sens, in.latent = c.lat;
  in.kindIndex = c.kind, in.perCentMode = c.perCent;
  in.amount = in.perCent = c.fresh;
  resetStudy();
  summer::ZeroVariables(study());
  study().Title = QStringLiteral("Μελέτη %1").arg(QLatin1String(c.name));
  const summer::RunOutcome out = summer::runCalculation(in, study());
  if (!out.ok()) std::fprintf(stderr, "summer %s refused: %d\n", c.name, out.code);
  return out.ok();
}

bool runWinter(const char* name, const winter::WinterEntries& e) {
  resetStudy();
  winter::ZeroVariables(study());
  winter::CollectInputs(e, study());
  const winter::RunOutcome out = winter::runWinterStudy(study(), [](float) { return true; });
  if (out.code != 0) std::fprintf(stderr, "winter %s refused: %d\n", name, out.code);
  return out.code == 0;
}

// Saves the study just computed under `name` (".AIR" or ".WIR" by its
// season) and returns the study file and its title file.
std::pair<QByteArray, QByteArray> save(const QString& name) {
  const files::StudyFileKind kind = files::studyFileKind(
      study().CoolingProcess ? files::StudySeason::Summer : files::StudySeason::Winter);
  const QString path = program + QStringLiteral("studies/") + name + kind.extension;
  files::saveStudy([&](const QString&, bool) { return path; });
  return {read(path), read(program + QStringLiteral("studies/") + name + kind.companion)};
}

// The older layout: line 13 with the first five and the last three values.
QByteArray olderLayout(const QByteArray& current) {
  QList<QByteArray> lines = current.split('\n');
  QList<QByteArray> values = lines[12].trimmed().split(',');
  QList<QByteArray> kept = values.mid(0, 5) + values.mid(10, 3);
  lines[12] = kept.join(',') + '\r';
  return lines.join('\n');
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) {
    std::fputs("usage: fuzz_make_seeds OUT_FOLDER\n", stderr);
    return 2;
  }
  outFolder = QString::fromLocal8Bit(argv[1]);
  QTemporaryDir dir;
  program = appendBackslash(dir.path());
  appfolder::setFolder(program);
  QDir().mkpath(program + QStringLiteral("studies"));

  // ---- summer studies of every kind and unit system ----------------------------------
  const SummerCase summers[] = {
      {"mixing_watt", "WATT", 0, false, 35, 24, 42.5f, 26, 18.5f, 50, 10000, 2000, 600},
      {"mixing_percent_kcal", "KCAL", 0, true, 35, 24, 42.5f, 26, 18.5f, 50, 8600, 1700, 25},
      {"recirc_kw", "KW", 1, false, 34, 23, 40, 25, 18, 50, 12, 2.5, 0},
      {"fresh_loads_rt", "RT", 2, false, 33, 24, 47, 26, 19, 52, 3, 0.6f, 4000},
      {"fresh_noloads_btu", "BTU", 3, false, 95, 75, 40, 78, 65, 50, 0, 0, 1000},
      {"mixing_btuh", "BTUh", 0, false, 35, 24, 42.5f, 26, 18.5f, 50, 34000, 6800, 600},
      {"humid_room_watt", "WATT", 0, false, 33, 26, 58, 24, 21, 75, 8000, 4000, 500},
  };
  for (const SummerCase& c : summers) {
    if (!runSummer(c)) continue;
    const QString name = QLatin1String(c.name);
    seed("data_file", name, read(program + "PSY_DAT.TMP"));
    seed("loads_file", name, read(program + "SUM_KCALH.tmp"));
    const QByteArray results = read(program + "PSY_RES.TMP");
    seed("results_file", name, results);
    seed("record_text", name + ".res", results);
    const auto [air, tas] = save(name);
    seed("summer_study_file", name, joined(air, tas));
    seed("record_text", name + ".tas", tas);
  }

  // A raise of the supply temperature on the office study: its request file,
  // and the results with the record on line 13.
  if (runSummer(summers[0])) {
    const QByteArray results = read(program + "PSY_RES.TMP");
    const QByteArray request = summer::raiseRequestBytes(20.0f);
    seed("raise_request", "office_20C", joined(request, results));
    seed("raise_request", "office_too_close", joined(summer::raiseRequestBytes(24.0f), results));
    QFile::remove(program + "PSY_VEE.TMP");
    QFile vee(program + "PSY_VEE.TMP");
    if (vee.open(QIODevice::WriteOnly)) vee.write(request);
    vee.close();
    if (summer::MakeNewCalc(study()).ok) {
      const QByteArray raised = read(program + "PSY_RES.TMP");
      seed("results_file", "mixing_watt_raised", raised);
      seed("summer_study_file", "mixing_watt_raised",
           joined(raised, files::titleFileBytes(QStringLiteral("Γραφεία"), "WATT")));
      seed("summer_study_file", "older_layout",
           joined(olderLayout(raised), files::titleFileBytes(QStringLiteral("Παλιά"), "KCAL")));
      seed("results_file", "older_layout", olderLayout(raised));
    }
  }
  if (runSummer(summers[4])) {
    seed("raise_request", "english_70F",
         joined(summer::raiseRequestBytes(70.0f), read(program + "PSY_RES.TMP")));
  }
  // A title file that ends after the title (the load unit is then kcal/h).
  if (runSummer(summers[1])) {
    const auto [air, tas] = save(QStringLiteral("title_only"));
    seed("summer_study_file", "title_only",
         joined(air, toCp1253(QStringLiteral("\"Κατάστημα\"\r\n"))));
  }

  // ---- winter studies ---------------------------------------------------------------------
  winter::WinterEntries metric;
  metric.unitIndex = winter::kUnitWatt;
  metric.envDB = 0, metric.envWB = -2, metric.envRH = 80;
  metric.spaDB = 20, metric.spaWB = 12, metric.spaRH = 40;
  metric.load.set(winter::kUnitWatt, 10000);
  metric.coilOut = 45;
  metric.amount = 300;
  metric.title = QStringLiteral("Κατοικία");
  winter::WinterEntries english = metric;
  english.unitIndex = winter::kUnitBtuF;
  english.envDB = 23, english.envWB = 21, english.envRH = 72.8;
  english.spaDB = 70, english.spaWB = 56, english.spaRH = 40.7;
  english.load.set(winter::kUnitBtuF, 60000);
  english.coilOut = 111;
  english.amount = 500;
  winter::WinterEntries sameUnit = metric;
  sameUnit.kindyIndex = winter::kSummerSameUnit;
  sameUnit.summerFlow = 2500;
  sameUnit.optAmount = false;
  sameUnit.perCent = 20;
  winter::WinterEntries fresh = metric;
  fresh.kindIndex = winter::kKindFreshLoads;
  fresh.unitIndex = winter::kUnitBtuC;
  fresh.load.set(winter::kUnitBtuC, 34000);
  const std::pair<const char*, winter::WinterEntries> winters[] = {
      {"winter_metric", metric},
      {"winter_english", english},
      {"winter_same_unit_percent", sameUnit},
      {"winter_fresh_btuh", fresh}};
  for (const auto& [name, e] : winters) {
    if (!runWinter(name, e)) continue;
    seed("data_file", QLatin1String(name), read(program + "PSY_DAT.TMP"));
    seed("results_file", QLatin1String(name), read(program + "PSY_RES.TMP"));
    study().Title = e.title;
    const auto [wir, taw] = save(QLatin1String(name));
    seed("winter_study_file", QLatin1String(name), joined(wir, taw));
  }
  // A heating case handed over by the summer screen's data file.
  seed("data_file", "summer_heating",
       "\"AAA_NA\",0\r\n0,-1,80\r\n20,14,50\r\n8598.555,0\r\n500,0\r\n1,0,1,45,0\r\n"
       "1,0,0,0,\"C\"\r\n500\r\n");

  // ---- the study list of the saved studies ---------------------------------------------
  if (files::MakeCurrentStudiesFile(program + "studies/", "*.AIR") > 0)
    seed("studies_index", "summer_studies", read(program + files::kStudiesFileName));
  if (files::MakeCurrentStudiesFile(program + "studies/", "*.WIR") > 0)
    seed("studies_index", "winter_studies", read(program + files::kStudiesFileName));

  // ---- the remembered study folder -----------------------------------------------------------
  shell::ensureRememberedFolderFile();
  const QByteArray orvo = read(program + shell::kRememberedFolderFile);
  seed("orvo_path", "created", orvo);
  seed("record_text", "orvo", orvo);
  seed("orvo_path", "greek_folder",
       "\"" + toCp1253(QStringLiteral("D:\\Μελέτες\\AIR\\")) + "\"\r\n");
  seed("orvo_path", "empty", QByteArray());

  // ---- the recent load studies of the companion program (first byte: the entry removed)
  const QByteArray recent = toCp1253(QStringLiteral(
      "C:\\Kalyx\\Δεδομένα\\Γραφεία.KLD\r\n\"D:\\Μελέτες, 2023\\Σχολείο.XLD\"\r\n\r\n"
      "C:\\Kalyx\\Κατοικία.kld\r\nE:\\Old\\Αποθήκη.xld\r\n"));
  seed("recent_files", "four_entries", "\x01" + recent);
  seed("recent_files", "last_entry", "\x03" + recent);

  // ---- the program registry, as several programs leave it ------------------------------------
  const QString registry = program + "OrvoProgs.log";
  shell::registerProgram(registry, {"Kalyx", "C:\\Kalyx\\", "Kalyx.EXE"});
  shell::registerProgram(registry, {"Aeriton", "C:\\Old\\Aeriton\\", "Aeriton.EXE"});
  shell::registerProgram(registry, {"Thermansi", "C:\\Therm\\", "Therm.EXE"});
  seed("program_registry", "three_programs", read(registry));
  seed("program_registry", "empty", QByteArray());

  // ---- the two-state calculator's files: a heating-and-humidifying study in
  // metric units and a cooling one in English units, saved as the save button
  // saves them, and the metric one with its computed values emptied (the form
  // aeriton-calc --psy takes)
  {
    using namespace calculator;
    CalcForm f;
    newStudy(f);
    f.text[kFlow] = QStringLiteral("1,000.00");
    chooseRelHumidity(f, true);
    f.text[kTDBin] = QStringLiteral("20.00");
    f.text[kRHin] = QStringLiteral("30.00");
    chooseRelHumidity(f, false);
    f.text[kTDBout] = QStringLiteral("22.00");
    f.text[kRHout] = QStringLiteral("50.00");
    f.title = QStringLiteral("Αίθουσα Α, ύγρανση \"χειμώνα\"");
    if (calcButton(f).kind == CalcOutcome::Done) {
      PsyFile p = saveAsFile(f);
      seed("psy_file", "metric_winter", psyFileBytes(p));
      for (int b : {kTWBin, kWin, kHin, kTWBout, kWout, kHout, kSens, kLat}) p.values[b] = 0;
      seed("psy_file", "metric_batch_input", psyFileBytes(p));
    }
    CalcForm e;
    newStudy(e);
    switchUnits(e, false);
    e.text[kFlow] = QStringLiteral("1,000.00");
    chooseWetBulb(e, true);
    e.text[kTDBin] = QStringLiteral("80.00");
    e.text[kTWBin] = QStringLiteral("67.00");
    chooseRelHumidity(e, false);
    e.text[kTDBout] = QStringLiteral("60.00");
    e.text[kRHout] = QStringLiteral("90.00");
    e.title = QStringLiteral("Ψυκτικό στοιχείο ΚΚΜ-2");
    if (calcButton(e).kind == CalcOutcome::Done)
      seed("psy_file", "english_summer", psyFileBytes(saveAsFile(e)));
  }

  // ---- the designer register, open and protected ------------------------------------------
  {
    using namespace designer;
    const QStringList names = {QStringLiteral("Γ. Παπαδόπουλος, Μηχ. Μηχανικός"),
                               QStringLiteral("Ε. Νικολάου"), QStringLiteral("K. Smith")};
    seed("clients_register", "open", encodeRegister({names, QString()}));
    seed("clients_register", "protected", encodeRegister({names, QStringLiteral("Κλειδί7")}));
    seed("clients_register", "empty", QByteArray());
  }

  // ---- the chart table as delivered -------------------------------------------------------
  seed("chart_data", "delivered", chart::chartDataFileBytes());

  // ---- the loads file of the summer run, and odd but valid record text -------------------------
  seed("record_text", "numbers",
       "1,.5,-.5,1E-05,1D+03,-100000,12.5,\"text, with comma\",\"\"\"q\"\"\"\r\n");
  std::printf("seeds written to %s\n", qPrintable(outFolder));
  return 0;
}
