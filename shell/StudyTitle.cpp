#include "shell/StudyTitle.h"

#include "study/ExchangeFiles.h"
#include "study/RecordText.h"

namespace aeriton::shell {

bool isStudyFileCurrent(const QString& name) {
  const QString t = name.trimmed();
  return t.size() > 4 && t != QLatin1String("Escape");
}

QString companionFileName(const QString& studyFileName, Season season) {
  if (!isStudyFileCurrent(studyFileName)) return QString();
  const QString name = studyFileName.trimmed();
  const QString ext = name.right(4).toUpper();
  QString companion;
  if (ext == QLatin1String(".AIR"))
    companion = QStringLiteral(".TAS");
  else if (ext == QLatin1String(".WIR"))
    companion = QStringLiteral(".TAW");
  else
    companion = season == Season::Winter ? QStringLiteral(".TAW") : QStringLiteral(".TAS");
  return name.left(name.size() - 4) + companion;
}

QByteArray companionFileBytes(const QString& title, const QString& loadUnit) {
  RecordWriter w;
  w.str(title).endLine().str(loadUnit).endLine();
  return w.bytes();
}

namespace {

// A line break or other control character inside the title would split the
// companion file's one-line value and shift every field after it: it becomes a
// space.
QString oneLine(const QString& text) {
  QString t = text;
  for (QChar& ch : t)
    if (ch.category() == QChar::Other_Control || ch == QChar::LineSeparator ||
        ch == QChar::ParagraphSeparator)
      ch = QLatin1Char(' ');
  return t;
}

}  // namespace

TitleChange applyStudyTitle(StudyState& s, const QString& text, Season season) {
  TitleChange change;
  const QString title = oneLine(text).trimmed();
  if (title != s.Title.trimmed()) {
    s.Title = title;
    change.titleChanged = true;
  }
  change.companionPath = companionFileName(s.StudyFileName, season);
  if (!change.companionPath.isEmpty()) {
    change.companionWritten = writeFileAtomically(
        change.companionPath, companionFileBytes(s.Title.trimmed(), s.LoadUnit), &change.error);
  }
  s.TitleEntered = true;
  return change;
}

}  // namespace aeriton::shell
