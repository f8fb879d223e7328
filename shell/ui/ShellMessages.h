#pragma once
// The message boxes of start-up, season choice and exit.

#include "study/MessageService.h"

namespace aeriton::shell {

// Codes under which the shell's messages are shown (negative: refusals and
// questions, positive: notices).
inline constexpr int kMsgSecondInstance = -91;
inline constexpr int kMsgExitConfirm = -92;
inline constexpr int kMsgExitOrChange = -93;
inline constexpr int kMsgTitleFileNotWritten = 94;
inline constexpr int kMsgFolderFileNotWritten = 95;
inline constexpr int kMsgNoInstanceLock = 96;
inline constexpr int kMsgRegistryNotWritten = 97;
inline constexpr int kMsgProgramFolderNotWritable = 98;
inline constexpr int kMsgFolderFileRepaired = 99;
inline constexpr int kMsgManualNotOpened = 100;

// A second copy of the program was started.
Message secondInstanceMessage();
// No season chosen: does the user really want to leave? (Yes/No, No default)
Message exitConfirmMessage();
// The data screens' exit button: Yes exit, No change season, Cancel stay.
Message exitOrChangeMessage();
// The companion title file of the study could not be written.
Message titleFileNotWrittenMessage(const QString& path, const QString& reason);
// The remembered study folder file could not be created.
Message folderFileNotWrittenMessage(const QString& path, const QString& reason);
// The lock file that keeps a second copy out could not be created (temporary
// or runtime folder not writable, disk full): the program runs without it.
Message noInstanceLockMessage(const QString& path, const QString& reason);
// The maker's shared program registry could not be written.
Message registryNotWrittenMessage(const QString& path, const QString& reason);
// The working folder (where the exchange files of every calculation go: the
// program folder, or the user's own folder for a read-only installation)
// cannot be written.
Message programFolderNotWritableMessage(const QString& path, const QString& reason);
// A damaged remembered study folder file was written anew with the default.
Message folderFileRepairedMessage(const QString& path, const QString& folder);

// Why the manual did not open.
enum class ManualFailure { FileMissing, NoViewer };
// The data screens' manual button could not open the manual at `path`: one
// message for both screens, its last line saying what to do.
Message manualNotOpenedMessage(const QString& path, ManualFailure why);

}  // namespace aeriton::shell
