// The shell's files under Greek regional settings: the remembered study
// folder, the title companion and the program registry hold no locale text.
#include <gtest/gtest.h>

#include <QDir>

#include "TestSupport.h"
#include "shell/ProgramRegistry.h"
#include "shell/Season.h"
#include "shell/StudyTitle.h"
#include "study/Cp1253.h"
#include "study/StudyState.h"

using namespace aeriton;
using namespace aeriton::shell;

TEST(GreekShellFiles, RememberedFolderCompanionAndRegistry) {
  test::GreekLocale greek;
  ASSERT_TRUE(test::GreekLocale::cLibraryUsesComma());
  test::ProgramFolderFixture fx;

  ASSERT_TRUE(ensureRememberedFolderFile());
  EXPECT_EQ(test::readAll(fx.path("~orvo.psy")), "\"" + toCp1253(fx.path("AIRFiles/")) + "\"\r\n");

  StudyState& s = study();
  s.StudyFileName = fx.path("Office.AIR");
  s.setLoadUnit("KW");
  ASSERT_TRUE(
      applyStudyTitle(s, QStringLiteral("Κτίριο 2,5 ορόφων"), Season::Summer).companionWritten);
  EXPECT_EQ(test::readAll(fx.path("Office.TAS")),
            "\"" + toCp1253(QStringLiteral("Κτίριο 2,5 ορόφων")) + "\"\r\n\"KW\"\r\n");

  const QString registry = fx.path("OrvoProgs.log");
  ASSERT_EQ(registerProgram(registry, RegistryEntry{"Aeriton", fx.folder(), "Aeriton.EXE"}),
            RegistryOutcome::Appended);
  const QByteArray bytes = test::readAll(registry);
  ASSERT_EQ(bytes.size(), 250);
  EXPECT_EQ(bytes.left(30), QByteArray("Aeriton").leftJustified(30, ' '));
  EXPECT_EQ(bytes.mid(230, 20), QByteArray("Aeriton.EXE").leftJustified(20, ' '));
}
