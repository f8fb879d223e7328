// Chapter 16 of the manual lists every message the user can meet. Here every
// message the program builds is built (each code, each unit wording) and each
// of its fixed lines must stand in the manual, word for word: a message added
// or reworded without the manual following fails here.
//
// AERITON_PRINT_MESSAGES=1 prints the whole catalogue (title, text) instead.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <cstdio>
#include <functional>
#include <vector>

#include "calculator/PsMessages.h"
#include "chart/ChartMessages.h"
#include "files/StudyFileCore.h"
#include "files/ui/FrmRecFiles.h"
#include "register/RegisterMessages.h"
#include "reports/ReportMessages.h"
#include "shell/ui/ShellMessages.h"
#include "summer/CalcMessages.h"
#include "summer/Raise.h"
#include "summer/SummerEntry.h"
#include "summer/SummerMessages.h"
#include "summer/ui/FrmPSVee.h"
#include "winter/WinterCalc.h"
#include "winter/WinterChecks.h"
#include "winter/WinterMessages.h"

using namespace aeriton;

namespace {

// Dynamic parts of a message (file names, paths, numbers) are given as these
// sentinels, and the lines that carry them are not looked for.
const QString kAny = QStringLiteral("§");
constexpr float kAnyNumber = 999.0f;
// A supply temperature in °F that the messages quote as 999 °C.
constexpr float kAnySupplyF = 999.0f * 9.0f / 5.0f + 32.0f;

struct Entry {
  QString where;
  Message message;
};

std::vector<Entry> catalogue() {
  std::vector<Entry> all;
  auto add = [&all](const char* where, const Message& m) {
    all.push_back({QString::fromLatin1(where), m});
  };

  // Summer data screen: MessagesPS in both unit wordings, PSMessage, title.
  const int summerCodes[] = {summer::kRaisedSupplyQuestion,
                             summer::kFreshAirExcessive,
                             summer::kNeedTempDifference,
                             -13,
                             -12,
                             -11,
                             -10,
                             summer::kUnsavedQuestion,
                             -7,
                             -6,
                             -5,
                             -4,
                             -3,
                             -2,
                             -1};
  for (int code : summerCodes) {
    add("summer MessagesPS (°C)", summer::messagesPS(code, summer::UnitPair{1, 0}, kAnyNumber));
    add("summer MessagesPS (°F)", summer::messagesPS(code, summer::UnitPair{0, 1}, kAnyNumber));
  }
  for (int code : {1, 2, 3}) add("summer PSMessage", summer::psMessage(code));
  add("summer title", summer::missingTitleMessage());

  // The summer calculation and the heating cases it hands on.
  add("calculation", summer::freshAirExcessiveMessage());
  add("calculation", summer::negativeCoilOutletMessage());
  for (summer::Search s :
       {summer::Search::WetBulb, summer::Search::DewPoint, summer::Search::ApparatusDewPoint,
        summer::Search::PerCentPasses, summer::Search::HumidRoom})
    add("calculation search", summer::searchBoundMessage(s));
  add("calculation", summer::divisionByZeroMessage());
  add("calculation", summer::heatingUnsetMessage());
  add("calculation", summer::badDataMessage(kAny));
  add("calculation heating", summer::supplyTooHotMessage());
  add("calculation heating", summer::supplyQuestionMessage(kAnySupplyF));
  add("calculation heating", summer::tooMuchFreshAirMessage());

  // Raise of the supply air.
  for (summer::RaiseCheck c : {summer::RaiseCheck::NotBelowRoom, summer::RaiseCheck::NotAboveOutlet,
                               summer::RaiseCheck::TooClose})
    for (bool metric : {true, false}) add("raise", summer::raiseRefusalMessage(c, metric));

  // Winter data screen and calculation.
  for (int code :
       {winter::kCodeEnvWB, winter::kCodeSpaWB, winter::kCodeSens, winter::kCodeEnvDB,
        winter::kCodeEnvRH, winter::kCodeSpaDB, winter::kCodeSpaRH, winter::kCodeDifference,
        winter::kCodeSupplyQuestion, winter::kCodeSupplyTooHot, winter::kCodeTooMuchFreshAir,
        winter::kCodeCoilOutNotAboveRoom, winter::kCodeNoFlow, winter::kCodeOutOfRange}) {
    add("winter MessagesPS (°C)", winter::messagesPS(code, false, kAnySupplyF));
    add("winter MessagesPS (°F)", winter::messagesPS(code, true, kAnySupplyF));
  }
  for (int code : {winter::kCodeNoRooms, winter::kCodeNoFreshAmount, winter::kCodeNoFreshPerCent,
                   winter::kCodeNoCoilOut, winter::kCodeNoSummerFlow})
    add("winter PSMessage", winter::psMessage(code));
  add("winter title", winter::missingTitleMessage());
  add("winter recent files", winter::noRecentFilesMessage());
  add("winter file", winter::fileErrorMessage(kAny, kAny));

  // Two-state calculator.
  for (int code : {1, 2, 3, 4, 6, 7}) add("calculator MessagesLC", calculator::messagesLC(code));
  for (bool inlet : {true, false})
    for (bool metric : {true, false})
      add("calculator range", calculator::outOfRangeMessage(inlet, metric));
  add("calculator file", calculator::fileUnreadableMessage(kAny, kAny));
  add("calculator file", calculator::fileUnwritableMessage(kAny, kAny));
  add("calculator", calculator::calcsDoneMessage());

  // Study files.
  add("study file", files::damagedFileMessage());
  add("study file", files::missingTitleFileMessage(kAny));
  add("study file", files::writeFailedMessage(kAny, kAny));
  add("recent load studies", files::recalledMessage(QStringLiteral("§.KLD")));

  // Designer register.
  for (int code = 1; code <= 10; ++code) add("register", designer::registerMessage(code, kAny));
  add("register", designer::damagedRegisterMessage(kAny, kAny));
  add("register", designer::registerNotWrittenMessage(kAny, kAny));

  // Printing.
  add("print", reports::missingTemplateMessage());
  add("print", reports::noConverterMessage());
  add("print", reports::conversionFailedMessage(kAny));
  add("print", reports::conversionTimedOutMessage(static_cast<int>(kAnyNumber)));
  add("print", reports::saveFailedMessage(kAny, kAny));
  add("print", reports::noPrinterMessage(QString()));
  add("print", reports::noPrinterMessage(kAny));
  add("print", reports::printFailedMessage(kAny));
  add("print", reports::overwriteQuestion(kAny));
  add("print", reports::workbookNotice());
  add("print", reports::savedNotice(kAny));

  // Chart.
  for (chart::ChartDataStatus s : {chart::ChartDataStatus::Missing, chart::ChartDataStatus::Short,
                                   chart::ChartDataStatus::Damaged})
    add("chart", chart::chartDataMessage(s, kAny));
  add("chart", chart::chartExportMessage(kAny, kAny));
  add("chart", chart::chartResultsMessage(kAny, kAny));

  // Start-up, season, exit, title file, manual.
  add("shell", shell::secondInstanceMessage());
  add("shell", shell::exitConfirmMessage());
  add("shell", shell::exitOrChangeMessage());
  add("shell", shell::titleFileNotWrittenMessage(kAny, kAny));
  add("shell", shell::folderFileNotWrittenMessage(kAny, kAny));
  add("shell", shell::folderFileRepairedMessage(kAny, kAny));
  add("shell", shell::noInstanceLockMessage(kAny, kAny));
  add("shell", shell::registryNotWrittenMessage(kAny, kAny));
  add("shell", shell::programFolderNotWritableMessage(kAny, kAny));
  add("shell", shell::manualNotOpenedMessage(kAny, shell::ManualFailure::FileMissing));
  add("shell", shell::manualNotOpenedMessage(kAny, shell::ManualFailure::NoViewer));
  return all;
}

// The manual as a reader sees it: Markdown escapes gone, spaces simplified.
QString manualText() {
  QFile f(QStringLiteral(AERITON_MANUAL_DIR) + "/Aeriton.md");
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  QString md = QString::fromUtf8(f.readAll());
  md.replace(QRegularExpression(QStringLiteral("\\\\([\\\\`*_{}\\[\\]()#+\\-.!<>|])")),
             QStringLiteral("\\1"));
  return md.simplified();
}

bool dynamicLine(const QString& line) {
  return line.contains(kAny) || line.contains(QStringLiteral("999"));
}

}  // namespace

TEST(ManualMessages, EveryMessageOfTheProgramIsInTheManual) {
  const std::vector<Entry> all = catalogue();
  if (qEnvironmentVariableIsSet("AERITON_PRINT_MESSAGES")) {
    for (const Entry& e : all)
      std::printf("== %s [%d] %s\n%s\n", qPrintable(e.where), e.message.code,
                  qPrintable(e.message.title), qPrintable(e.message.text));
    return;
  }
  const QString manual = manualText();
  int lines = 0;
  for (const Entry& e : all) {
    EXPECT_FALSE(e.message.text.trimmed().isEmpty())
        << e.where.toStdString() << " " << e.message.code;
    for (const QString& raw : e.message.text.split('\n')) {
      const QString line = raw.simplified();
      if (line.isEmpty() || dynamicLine(line)) continue;
      ++lines;
      EXPECT_TRUE(manual.contains(line))
          << e.where.toStdString() << " (code " << e.message.code << "): the manual should quote «"
          << line.toStdString() << "»";
    }
  }
  EXPECT_GT(lines, 100);
}
