// aeriton-calc: runs a study data file through the calculation without a window.
//
//   aeriton-calc DATA_FILE [-o RESULT_FILE] [--yes] [--chart OUT [--size WxH]]
//   aeriton-calc --results FILE [-o RESULT_FILE] [--chart OUT [--size WxH]]
//   ... [--workbook OUT.xlsx] [--pdf OUT.pdf] (app/CalcWorkbook.cpp)
//
// DATA_FILE has the layout of the data file that the calculate button writes
// ("PSY_DAT.TMP"); the result has the layout of "PSY_RES.TMP" and goes to
// RESULT_FILE, or to standard output. The code path is that of the calculate
// button after its checks: a data file of the winter screen (outdoor air colder
// than the room, line 6 carrying a coil outlet temperature or -10000) takes the
// winter screen's heating run; any other file the summer screen's path, which
// hands its own heating cases to its copy of the heating calculation.
//
// Exit status: 0 results written; 1 the calculation refused the study (its
// message on standard error, nothing written); 2 wrong command line or a file
// that cannot be read or written; 3 a malformed data file.
//
//   aeriton-calc --psy CALC_FILE [-o OUT_FILE]
//
// runs the two-state calculator's calculate button on a ".psy" file instead
// (app/calc_psy.cpp).

#include <QByteArray>
#include <QCommandLineParser>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CalcChart.h"
#include "app/CalcWorkbook.h"
#include "app/calc_psy.h"
#include "study/AppFolder.h"
#include "study/ExchangeFiles.h"
#include "study/StudyState.h"
#include "summer/CalcMessages.h"
#include "summer/SummerChecks.h"
#include "summer/SummerRun.h"
#include "winter/WinterChecks.h"
#include "winter/WinterMessages.h"
#include "winter/WinterRun.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;
constexpr int kExitMalformed = 3;

const char* kHelp =
    "Usage: aeriton-calc DATA_FILE [-o RESULT_FILE] [--yes] [--chart OUT [--size WxH]]\n"
    "       aeriton-calc --results FILE [-o RESULT_FILE] [--chart OUT [--size WxH]]\n"
    "       aeriton-calc --psy CALC_FILE [-o OUT_FILE]\n"
    "       (both of the first two also with --workbook OUT.xlsx, --pdf OUT.pdf)\n"
    "\n"
    "Computes one air-handling-unit study without a window, exactly as the\n"
    "calculate button of the data screen does after its checks.\n"
    "\n"
    "  DATA_FILE        study inputs in the layout of PSY_DAT.TMP (8 lines:\n"
    "                   kind code and EnglishCode; outdoor DB, WB, RH; room DB,\n"
    "                   WB, RH; sensible and latent load; fresh-air amount and\n"
    "                   per cent; MetricCode, outdoor-hotter, outdoor-cooler,\n"
    "                   coil outlet temperature, summer flow; the four kind flags\n"
    "                   and \"C\"/\"P\"; the fresh-air value)\n"
    "  -o RESULT_FILE   write the results (layout of PSY_RES.TMP, 14 lines) to\n"
    "                   RESULT_FILE instead of standard output; the file is\n"
    "                   replaced only when the calculation succeeds\n"
    "  --yes            answer \"yes\" when a heating case asks whether to go on\n"
    "                   with a supply air above 131 F (default: no)\n"
    "  --results FILE   take the results from FILE (a results file in the layout\n"
    "                   of PSY_RES.TMP, or a saved .AIR / .WIR study) instead of\n"
    "                   computing a data file; they are written again only\n"
    "                   with -o\n"
    "  --chart OUT      draw the psychrometric chart of the study with its process\n"
    "                   into OUT: a .png picture, a .svg drawing or a .pdf page;\n"
    "                   Data.dat must lie beside aeriton-calc\n"
    "  --size WxH       picture size in pixels for --chart (default 3508x2480, an\n"
    "                   A4 page at 300 dpi; a PDF is an A4 page unless given)\n"
    "  --psy CALC_FILE  the two-state calculator instead: CALC_FILE is a .psy\n"
    "                   file whose computed boxes (absolute humidities,\n"
    "                   enthalpies, loads) are empty or 0; the calculate\n"
    "                   button's checks and calculation run on it and the .psy\n"
    "                   file that the save button would write goes to OUT_FILE\n"
    "                   (-o) or to standard output\n"
    "  -h, --help       show this text\n"
    "\n"
    "Outdoor air warmer than the room: the summer (cooling) calculation.\n"
    "Outdoor air colder than the room: the heating calculation, which needs a\n"
    "coil outlet temperature or a summer flow on line 6. A file whose line 6\n"
    "carries -100000 in the fourth field comes from the summer screen (no coil\n"
    "outlet temperature); any other value (-10000 = none) marks the winter\n"
    "screen's file, which runs the full winter calculation.\n"
    "\n"
    "Exit status: 0 results written; 1 the study was refused (the program's\n"
    "message on standard error); 2 command-line or file error (Data.dat\n"
    "missing or damaged, a chart file that cannot be written); 3 malformed\n"
    "data or results file (the line is named).\n";

void printErr(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
  std::fputc('\n', stderr);
}

int usage(const char* why) {
  std::fprintf(stderr, "aeriton-calc: %s\n", why);
  std::fputs("Try 'aeriton-calc --help'.\n", stderr);
  return kExitUsage;
}

// Writes the results (to the file, or to standard output when toStdout), then
// the chart and the result workbook when they are asked for. perCent: the
// fresh-air per cent entered (per-cent mode).
int finish(const QByteArray& bytes, const QString& resultPath, bool toStdout,
           const aeriton::StudyState& calc, const aeriton::calc::ChartOptions& chartOptions,
           const aeriton::calc::WorkbookRequest& workbook, float perCent, int& argc, char** argv) {
  if (resultPath.isEmpty()) {
    if (toStdout) {
      std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
      std::fflush(stdout);
    }
  } else {
    QString error;
    if (!aeriton::writeFileAtomically(resultPath, bytes, &error)) {
      printErr(QStringLiteral("aeriton-calc: %1: %2").arg(resultPath, error));
      return kExitUsage;
    }
  }
  if (chartOptions.wanted()) {
    QString why;
    const int code = aeriton::calc::drawChartOfResults(bytes, calc, chartOptions, argc, argv, &why);
    if (code != kExitOk) {
      printErr(QStringLiteral("aeriton-calc: %1").arg(why));
      return code;
    }
  }
  if (!workbook.wanted()) return kExitOk;
  // The workbook of the results, read back as the results screen reads them.
  aeriton::StudyState results;
  aeriton::readResultsFile(bytes, results);
  QString why;
  const int code = aeriton::calc::writeWorkbook(workbook, results, perCent, &why);
  if (code != kExitOk) printErr(QStringLiteral("aeriton-calc: %1").arg(why));
  return code;
}

// Reads the command line with QCommandLineParser. Returns -1 to go on, or the
// exit code to end with (help shown, or a usage error reported).
int parseCommandLine(int argc, char** argv, QString& dataPath, QString& resultPath,
                     QString& psyPath, QString& resultsInPath,
                     aeriton::calc::ChartOptions& chartOptions,
                     aeriton::calc::WorkbookRequest& workbook, bool& yes) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (arguments.isEmpty()) arguments << QStringLiteral("aeriton-calc");

  QCommandLineParser parser;
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
  const QCommandLineOption help({"h", "help"}, QString());
  const QCommandLineOption output("o", QString(), "FILE");
  const QCommandLineOption yesOption("yes", QString());
  const QCommandLineOption psy("psy", QString(), "CALC_FILE");
  const QCommandLineOption results("results", QString(), "FILE");
  const QCommandLineOption chart("chart", QString(), "OUT");
  const QCommandLineOption size("size", QString(), "WxH");
  struct Valued {
    const QCommandLineOption* option;
    QString* target;
  };
  const std::vector<Valued> valued = {{&output, &resultPath},
                                      {&psy, &psyPath},
                                      {&results, &resultsInPath},
                                      {&chart, &chartOptions.output},
                                      {&size, &chartOptions.sizeText}};
  parser.addOptions({help, output, yesOption, psy, results, chart, size});
  // The workbook's options, named by the workbook code itself.
  std::vector<QCommandLineOption> workbookOptions;
  for (const char* name : {"workbook", "pdf", "designer", "title", "load-unit"})
    workbookOptions.emplace_back(QString::fromLatin1(name), QString(), QStringLiteral("VALUE"));
  for (const QCommandLineOption& o : workbookOptions) parser.addOption(o);

  if (!parser.parse(arguments)) return usage(parser.errorText().toLocal8Bit().constData());
  if (parser.isSet(help)) {
    std::fputs(kHelp, stdout);
    std::fputs("\n", stdout);
    std::fputs(aeriton::calc::workbookHelp(), stdout);
    return kExitOk;
  }
  auto single = [&](const QCommandLineOption& o, QString& target) -> bool {
    const QStringList v = parser.values(o);
    if (v.size() > 1) return false;
    if (!v.isEmpty()) target = v.front();
    return true;
  };
  for (const Valued& v : valued)
    if (!single(*v.option, *v.target)) {
      const QString name = v.option->names().front();
      return usage(((name.size() == 1 ? "-" : "--") + name.toStdString() + " given twice").c_str());
    }
  for (const QCommandLineOption& o : workbookOptions) {
    const std::string name = "--" + o.names().front().toStdString();
    QString* target = aeriton::calc::workbookOption(workbook, name.c_str());
    if (!target || !single(o, *target)) return usage((name + " given twice").c_str());
  }
  yes = parser.isSet(yesOption);
  const QStringList positional = parser.positionalArguments();
  if (positional.size() > 1) return usage("more than one data file");
  if (!positional.isEmpty()) dataPath = positional.front();
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  QString dataPath, resultPath, psyPath, resultsInPath;
  aeriton::calc::ChartOptions chartOptions;
  aeriton::calc::WorkbookRequest workbook;
  bool yes = false;
  const int parsed = parseCommandLine(argc, argv, dataPath, resultPath, psyPath, resultsInPath,
                                      chartOptions, workbook, yes);
  if (parsed >= 0) return parsed;
  if (!psyPath.isEmpty()) {
    if (!dataPath.isEmpty() || yes || !resultsInPath.isEmpty() || chartOptions.wanted() ||
        workbook.wanted())
      return usage("--psy takes no data file, no --yes, no --results, no --chart, no --workbook");
    return aeriton::app::runPsyBatch(psyPath, resultPath);
  }
  if (!resultsInPath.isEmpty() && !dataPath.isEmpty())
    return usage("a data file and --results exclude each other");
  if (dataPath.isEmpty() && resultsInPath.isEmpty()) return usage("no data file");
  if (!chartOptions.sizeText.isEmpty() && !chartOptions.wanted())
    return usage("--size needs --chart");
  if (chartOptions.wanted()) {
    QString why;
    if (aeriton::calc::checkChartOptions(chartOptions, &why) != 0)
      return usage(why.toLocal8Bit().constData());
  }
  if (!workbook.wanted() && workbook.anyDetail())
    return usage("--designer, --title and --load-unit need --workbook or --pdf");
  // The templates are read from the program folder, the executable's.
  if (workbook.wanted())
    aeriton::appfolder::setProgramFolder(aeriton::calc::programFolder(argc > 0 ? argv[0] : ""));
  if (!resultsInPath.isEmpty()) {
    // The results of an earlier calculation, read instead of computing.
    QFile res(resultsInPath);
    if (!res.open(QIODevice::ReadOnly)) {
      printErr(QStringLiteral("aeriton-calc: %1: %2").arg(resultsInPath, res.errorString()));
      return kExitUsage;
    }
    aeriton::StudyState file;
    const QByteArray bytes = res.readAll();
    const aeriton::ReadResult read = aeriton::readResultsFile(bytes, file);
    if (!read) {
      printErr(QStringLiteral("aeriton-calc: %1: line %2: %3")
                   .arg(resultsInPath)
                   .arg(read.line)
                   .arg(read.error));
      return kExitMalformed;
    }
    // A saved study's title file gives the workbook its title and load unit.
    aeriton::calc::applyTitleFile(workbook, resultsInPath);
    // Results read from a file are written again only into a named file.
    return finish(aeriton::resultsFileBytes(file), resultPath, false, aeriton::StudyState(),
                  chartOptions, workbook, file.FreshPerCent, argc, argv);
  }

  QFile in(dataPath);
  if (!in.open(QIODevice::ReadOnly)) {
    printErr(QStringLiteral("aeriton-calc: %1: %2").arg(dataPath, in.errorString()));
    return kExitUsage;
  }
  const QByteArray data = in.readAll();
  in.close();

  using namespace aeriton;
  StudyState& s = study();

  auto ask = [yes](float supplyTempF) {
    const Message q = summer::supplyQuestionMessage(supplyTempF);
    printErr(q.text);
    printErr(yes ? QStringLiteral("--yes: ΝΑΙ") : QStringLiteral("(χωρίς --yes: ΟΧΙ)"));
    return yes;
  };

  // A data file of the winter screen names the outdoor air colder than the room
  // and carries its chosen coil outlet temperature (or the -10000 of "none")
  // where a summer data file carries the -100000 of "no reheat": it takes the
  // winter screen's full heating run. Everything else takes the summer
  // screen's path, which hands its own heating cases over as that screen does.
  StudyState probe;
  const bool winterFile =
      readDataFile(data, probe).ok && probe.EnvDB < probe.SpaDB && probe.DB_S != kNotComputed;
  QByteArray bytes;
  if (winterFile) {
    winter::ZeroVariables(s);
    // The winter screen's own wording of the hot-supply-air question.
    auto askWinter = [yes](float supplyTempF) {
      printErr(winter::messagesPS(-102, false, supplyTempF).text);
      printErr(yes ? QStringLiteral("--yes: ΝΑΙ") : QStringLiteral("(χωρίς --yes: ΟΧΙ)"));
      return yes;
    };
    const winter::RunOutcome out = winter::calculateWinterData(data, askWinter, s);
    if (out.code != 0) {
      if (out.code == winter::kCodeFileError) {
        printErr(QStringLiteral("aeriton-calc: %1: %2").arg(dataPath, out.message.text));
        return kExitMalformed;
      }
      if (out.showMessage && !out.message.text.isEmpty())
        printErr(out.message.text);
      else
        printErr(
            QStringLiteral("aeriton-calc: ο υπολογισμός διακόπηκε (κωδικός %1)").arg(out.code));
      return kExitRefused;
    }
    bytes = out.results;
  } else {
    summer::ZeroVariables(s);  // the results of a previous run, cleared as the screen does
    const summer::RunOutcome out = summer::calculateData(data, s, ask);
    if (!out.ok()) {
      if (out.code == summer::kCodeBadData) {
        printErr(QStringLiteral("aeriton-calc: %1: %2").arg(dataPath, out.detail));
        return kExitMalformed;
      }
      if (!out.message.text.isEmpty())
        printErr(out.message.text);
      else
        printErr(
            QStringLiteral("aeriton-calc: ο υπολογισμός διακόπηκε (κωδικός %1)").arg(out.code));
      return kExitRefused;
    }
    bytes = resultsFileBytes(s);
  }

  // In per-cent mode the workbook shows the per cent entered.
  StudyState inputs;
  const float perCent =
      readDataFile(data, inputs).ok && inputs.FreshMode == "P" ? inputs.FreshValue : 0.0f;
  return finish(bytes, resultPath, true, s, chartOptions, workbook, perCent, argc, argv);
}
