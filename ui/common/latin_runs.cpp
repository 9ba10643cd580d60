#include "ui/common/latin_runs.h"

#include <QTextCharFormat>
#include <algorithm>

namespace ui {

namespace {

bool IsLatinOrShared(QChar c) {
  const QChar::Script script = c.script();
  return script == QChar::Script_Latin || script == QChar::Script_Common ||
         script == QChar::Script_Inherited;
}

}  // namespace

QList<QTextLayout::FormatRange> LatinRuns(const QString& text, const QFont& latin,
                                          bool amidOtherScript) {
  QList<QTextLayout::FormatRange> runs;
  bool otherScript = amidOtherScript;
  for (const QChar c : text) otherScript |= c.isLetter() && !IsLatinOrShared(c);
  if (!otherScript) return runs;
  QTextCharFormat format;
  format.setFont(latin);
  for (qsizetype start = 0; start < text.size();) {
    qsizetype end = start;
    bool worded = false;
    while (end < text.size() && IsLatinOrShared(text[end])) {
      worded |= text[end].isLetterOrNumber();
      ++end;
    }
    qsizetype first = start, last = end;
    while (first < last && text[first].isSpace()) ++first;
    while (last > first && text[last - 1].isSpace()) --last;
    if (worded) runs.push_back({static_cast<int>(first), static_cast<int>(last - first), format});
    start = std::max(end, start + 1);
  }
  return runs;
}

QString MarkedLatinRuns(const QString& line, const QFont& latin, bool amidOtherScript) {
  QString html;
  qsizetype at = 0;
  for (const QTextLayout::FormatRange& run : LatinRuns(line, latin, amidOtherScript)) {
    html += line.mid(at, run.start - at).toHtmlEscaped();
    html += QStringLiteral("<span style=\"font-family:'%1'\">%2</span>")
                .arg(latin.family(), line.mid(run.start, run.length).toHtmlEscaped());
    at = run.start + run.length;
  }
  return html + line.mid(at).toHtmlEscaped();
}

}  // namespace ui
