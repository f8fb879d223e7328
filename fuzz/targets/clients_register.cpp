// The designer register "CLIENTS.ORV" under any bytes: opened as the register
// window opens it - refused as damaged with a reason and the file left as it
// was, or read; an open register takes a new name (when it is not protected)
// and keeps every name it had, and a wrong password changes nothing.

#include "FuzzSupport.h"
#include "register/ClientRegister.h"
#include "register/RegisterMessages.h"
#include "register/RegisterSession.h"

using namespace aeriton;
using namespace aeriton::designer;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::freshStart();
  setGivenPassword(QString());
  const QByteArray input = fuzz::bytesOf(data, size);
  const QString path = fuzz::writeProgramFile(QStringLiteral("CLIENTS.ORV"), input);

  const ReadResult read = readRegister(path);
  if (read.status == ReadStatus::Ok) {
    FUZZ_CHECK(static_cast<size_t>(read.contents.names.size()) == size / kRecordLength);
    // Written again, the register reads back the same.
    const QString copy =
        fuzz::writeProgramFile(QStringLiteral("COPY.ORV"), encodeRegister(read.contents));
    const ReadResult back = readRegister(copy);
    FUZZ_CHECK(back.status == ReadStatus::Ok);
    FUZZ_CHECK(back.contents.names == read.contents.names);
    FUZZ_CHECK(back.contents.password == read.contents.password);
  }
  if (read.status == ReadStatus::BadLength) FUZZ_CHECK(size % kRecordLength != 0);
  if (read.status == ReadStatus::Garbage)
    FUZZ_CHECK(read.badRecord >= 1 && read.badRecord <= static_cast<int>(size / kRecordLength));

  RegisterSession session(path);
  const int opened = session.open();
  if (opened != 0) {
    FUZZ_CHECK(opened == kMsgDamaged);
    FUZZ_CHECK(!session.damageReason().isEmpty());
    FUZZ_CHECK(fuzz::readProgramFile(QStringLiteral("CLIENTS.ORV")) == input);
    return 0;
  }
  const QStringList before = session.names();
  if (session.isProtected()) {
    // A password differing in its first character (one differing only past
    // the field's 20 characters is the same password).
    QString wrong = session.password();
    wrong[0] = wrong[0] == QLatin1Char('x') ? QLatin1Char('y') : QLatin1Char('x');
    FUZZ_CHECK(session.givePassword(wrong) == kMsgWrongPassword);
    FUZZ_CHECK(session.append(QStringLiteral("Νέος Μελετητής")) == kMsgNoPassword);
    FUZZ_CHECK(fuzz::readProgramFile(QStringLiteral("CLIENTS.ORV")) == input);
    return 0;
  }
  FUZZ_CHECK(session.append(QStringLiteral("Νέος Μελετητής")) == 0);
  RegisterSession reopened(path);
  FUZZ_CHECK(reopened.open() == 0);
  FUZZ_CHECK(reopened.names().size() == before.size() + 1);
  for (int k = 0; k < before.size(); ++k) FUZZ_CHECK(reopened.names()[k] == before[k]);
  FUZZ_CHECK(reopened.names().last() == QStringLiteral("Νέος Μελετητής"));
  return 0;
}
