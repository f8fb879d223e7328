// Saves that survive a kill: a helper process saves the same files over and
// over and is killed at random moments; whatever the moment, every file on
// disk is complete - the old content or the new one, never a mixture, never a
// half-written file, never missing once it existed.
//
// The study with its title file and "PSY_RES.TMP", the recent load studies,
// the study index, the remembered study folder, the program registry and the
// designer register.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <random>

#include "SaveLoopStudies.h"
#include "TestSupport.h"
#include "files/RecentFiles.h"
#include "files/StudyFileCore.h"
#include "files/StudyIndex.h"
#include "register/ClientRegister.h"
#include "shell/ProgramRegistry.h"
#include "shell/Season.h"
#include "study/AppFolder.h"
#include "study/Cp1253.h"
#include "study/ExchangeFiles.h"
#include "study/FixedRecordFile.h"
#include "study/RecordText.h"

using namespace aeriton;

namespace kill_saves_tests {
namespace {

// Kills per kind of file.
constexpr int kKills = 200;

// Starts the helper, lets it save for a random while after its first round,
// and kills it. False when it never got going.
bool saveAndKill(const QString& mode, const QString& folder, std::mt19937& rng) {
  QProcess p;
  p.start(QStringLiteral(AERITON_SAVE_LOOP_EXE), {mode, folder});
  if (!p.waitForStarted(10000)) return false;
  QByteArray out;
  QElapsedTimer waited;
  waited.start();
  while (!out.contains("ready") && waited.elapsed() < 20000) {
    if (p.state() == QProcess::NotRunning) break;
    p.waitForReadyRead(50);
    out += p.readAllStandardOutput();
  }
  const bool ready = out.contains("ready");
  // The kill falls anywhere in the next rounds: each round takes from well
  // under a millisecond to a few milliseconds.
  QThread::usleep(std::uniform_int_distribution<int>(0, 12000)(rng));
  p.kill();
  p.waitForFinished(10000);
  return ready;
}

// The mode's files after a kill must be one of the allowed contents.
using Allowed = std::vector<QByteArray>;
void expectOneOf(const QString& path, const Allowed& allowed, int round) {
  const QByteArray now = test::readAll(path);
  bool found = false;
  for (const QByteArray& a : allowed) found = found || now == a;
  EXPECT_TRUE(found) << "round " << round << ": " << path.toStdString() << " holds " << now.size()
                     << " bytes that are neither the old nor the new content";
}

class KillSaves : public ::testing::Test {
 protected:
  test::ProgramFolderFixture fx;
  std::mt19937 rng{20240611};
};

}  // namespace

// The study, its title file and the results file are each the first or the
// second study whole, after every one of 200 kills.
TEST_F(KillSaves, StudyFilesAreAlwaysWhole) {
  QDir().mkpath(fx.path("studies"));
  Allowed studies, titles;
  for (int which : {0, 1}) {
    const StudyState s = test::saveLoopStudy(which);
    studies.push_back(resultsFileBytes(s));
    titles.push_back(files::titleFileBytes(s.Title, s.LoadUnit));
  }
  int ready = 0;
  for (int round = 0; round < kKills; ++round) {
    ready += saveAndKill(QStringLiteral("study"), fx.folder(), rng) ? 1 : 0;
    expectOneOf(fx.path("studies/Kill.AIR"), studies, round);
    expectOneOf(fx.path("studies/Kill.TAS"), titles, round);
    expectOneOf(fx.path("PSY_RES.TMP"), studies, round);
  }
  EXPECT_EQ(ready, kKills);
  // What is left opens as a study.
  const files::StudyFileCheck check =
      files::inspectStudyFile(fx.path("studies/Kill.AIR"), StudyState{});
  EXPECT_EQ(check.layout, files::StudyLayout::Current) << check.error.toStdString();
}

// Removing the first recent entry again and again: the list is always the
// original list without some of its first lines, every line whole.
TEST_F(KillSaves, RecentListIsAlwaysWhole) {
  const int kEntries = 3000;
  QList<QByteArray> lines;
  for (int k = 0; k < kEntries; ++k)
    lines << toCp1253(QStringLiteral("C:\\Kalyx\\Δεδομένα\\Μελέτη %1.KLD").arg(k));
  QByteArray full;
  for (const QByteArray& l : lines) full += l + "\r\n";
  test::writeAll(fx.path(files::kRecentFilesName), full);

  int ready = 0;
  for (int round = 0; round < kKills; ++round) {
    ready += saveAndKill(QStringLiteral("recent"), fx.folder(), rng) ? 1 : 0;
    const QByteArray now = test::readAll(fx.path(files::kRecentFilesName));
    // A tail of the original, starting at a line.
    const bool tail = full.endsWith(now) && (now.isEmpty() || full.size() == now.size() ||
                                             full.at(full.size() - now.size() - 1) == '\n');
    EXPECT_TRUE(tail) << "round " << round << ": the list holds " << now.size()
                      << " bytes that are no tail of the original";
    // A list grown short is filled again, so that the helper never runs dry.
    if (now.count('\n') < 300) test::writeAll(fx.path(files::kRecentFilesName), full);
  }
  EXPECT_EQ(ready, kKills);
}

// "Studies.std" rebuilt for two folders in turn is always one of the two
// indexes whole.
TEST_F(KillSaves, StudyIndexIsAlwaysWhole) {
  Allowed indexes;
  for (const char* list : {"listA", "listB"}) {
    QDir().mkpath(fx.path(list));
    const int count = list[4] == 'A' ? 3 : 7;
    for (int k = 0; k < count; ++k) {
      const QString base = fx.path(QStringLiteral("%1/S%2").arg(list).arg(k));
      test::writeAll(base + ".AIR", QByteArray("study"));
      test::writeAll(base + ".TAS", files::titleFileBytes(QStringLiteral("Μελέτη %1").arg(k),
                                                          QStringLiteral("WATT")));
    }
    ASSERT_EQ(files::MakeCurrentStudiesFile(fx.path(list), QStringLiteral("*.AIR")), count);
    indexes.push_back(test::readAll(fx.path(files::kStudiesFileName)));
  }
  int ready = 0;
  for (int round = 0; round < kKills; ++round) {
    ready += saveAndKill(QStringLiteral("index"), fx.folder(), rng) ? 1 : 0;
    expectOneOf(fx.path(files::kStudiesFileName), indexes, round);
  }
  EXPECT_EQ(ready, kKills);
}

// "~orvo.psy" completed by the season window's check is empty (as the helper
// left it before the check) or whole, never part of its line.
TEST_F(KillSaves, RememberedFolderIsAlwaysWhole) {
  ASSERT_TRUE(shell::ensureRememberedFolderFile());
  const QByteArray whole = test::readAll(fx.path(shell::kRememberedFolderFile));
  ASSERT_FALSE(whole.isEmpty());
  int ready = 0;
  for (int round = 0; round < kKills; ++round) {
    ready += saveAndKill(QStringLiteral("orvo"), fx.folder(), rng) ? 1 : 0;
    expectOneOf(fx.path(shell::kRememberedFolderFile), {QByteArray(), whole}, round);
  }
  EXPECT_EQ(ready, kKills);
}

// The registry, shared with the maker's other programs: their records are
// never touched and the program's record is always one of its two versions.
TEST_F(KillSaves, RegistryRecordsAreAlwaysWhole) {
  const QString path = fx.path("OrvoProgs.log");
  auto record = [](const QString& name, const QString& folder, const QString& exe) {
    return fixedrec::text(name, shell::kRegistryNameWidth) +
           fixedrec::text(folder, shell::kRegistryFolderWidth) +
           fixedrec::text(exe, shell::kRegistryExeWidth);
  };
  const QByteArray first = record("Kalyx", "C:\\Kalyx\\", "Kalyx.EXE");
  const QByteArray last = record("Thermansi", "C:\\Therm\\", "Therm.EXE");
  Allowed files;
  for (int which : {0, 1})
    files.push_back(first + record("Aeriton", test::saveLoopRegistryFolder(which), "Aeriton.EXE") +
                    last);
  test::writeAll(path, files[0]);
  int ready = 0;
  for (int round = 0; round < kKills; ++round) {
    ready += saveAndKill(QStringLiteral("registry"), fx.folder(), rng) ? 1 : 0;
    expectOneOf(path, files, round);
  }
  EXPECT_EQ(ready, kKills);
}

// The designer register, rewritten whole, is always one of its two versions.
TEST_F(KillSaves, DesignerRegisterIsAlwaysWhole) {
  Allowed registers;
  for (int which : {0, 1})
    registers.push_back(
        designer::encodeRegister({test::saveLoopDesigners(which), test::saveLoopPassword(which)}));
  int ready = 0;
  for (int round = 0; round < kKills; ++round) {
    ready += saveAndKill(QStringLiteral("designers"), fx.folder(), rng) ? 1 : 0;
    expectOneOf(designer::registerPath(), registers, round);
  }
  EXPECT_EQ(ready, kKills);
}

}  // namespace kill_saves_tests
