#include "ui/result/fitted_labels.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>

#include "ui/common/latin_runs.h"

namespace ui {

namespace {

// Where a label draws its text: inside its contents and its margin (QLabel keeps the margin
// apart from the contents margins).
QRect TextRect(const QLabel& label) {
  const int m = label.margin();
  return label.contentsRect().adjusted(m, m, -m, -m);
}

}  // namespace

// In a Hindi or Tamil window the Latin runs of a value (offsets, zone ids, figures, a name
// typed in Latin letters) are drawn in the Latin typeface, as the form's status line draws them.
QString ElidedLabel::ShownText() const {
  return ElidedLatinRuns(text(), font(), TextRect(*this).width(), InScriptTypeface(font()));
}

void ElidedLabel::ExplainIfCut() {
  const QString whole = ShownText() == text() ? QString() : text();
  setToolTip(whole);
  setAccessibleDescription(whole);
}

void ElidedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, foregroundRole()));
  LatinRunsLine(ShownText(), font(), InScriptTypeface(font()))
      .Draw(painter, TextRect(*this), QStyle::visualAlignment(layoutDirection(), alignment()));
}

int LetterLineHeight(const QFontMetrics& metrics) {
  return std::min(metrics.height(), metrics.tightBoundingRect(QStringLiteral("Ágy")).height() + 2);
}

namespace {

// A body's line in a sign box: the font's line spacing, or LetterLineHeight where the line box
// is taller than the letters (Lohit Tamil's, whose nine bodies overflowed the box at any size).
int BodyLineHeight(const QFontMetrics& metrics) {
  return std::min(metrics.lineSpacing(), LetterLineHeight(metrics));
}

}  // namespace

QSize CompactLinesLabel::sizeHint() const {
  QSize size = QLabel::sizeHint();
  size.setHeight(Compact(size.height(), size.width()));
  return size;
}

QSize CompactLinesLabel::minimumSizeHint() const {
  QSize size = QLabel::minimumSizeHint();
  size.setHeight(Compact(size.height(), width()));
  return size;
}

int CompactLinesLabel::heightForWidth(int width) const {
  return Compact(QLabel::heightForWidth(width), width);
}

int CompactLinesLabel::Compact(int height, int width) const {
  if (text().isEmpty() || height <= 0) return height;
  const QMargins margins = contentsMargins();
  const int frame = margins.top() + margins.bottom() + 2 * margin();
  const int room = width - margins.left() - margins.right() - 2 * margin();
  // The lines as QLabel breaks them: at line feeds, and at words where it wraps.
  QTextLayout layout(QString(text()).replace(QLatin1Char('\n'), QChar::LineSeparator), font());
  QTextOption option(alignment());
  option.setWrapMode(wordWrap() && room > 0 ? QTextOption::WordWrap : QTextOption::ManualWrap);
  layout.setTextOption(option);
  int lines = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(wordWrap() && room > 0 ? room : 1e6);
    ++lines;
  }
  layout.endLayout();
  // Taller where the label's own letters need it (a sign in brackets beside Tamil script).
  int letters = 0;
  for (const QString& part : text().split(QLatin1Char('\n')))
    letters = std::max(letters, fontMetrics().tightBoundingRect(part).height() + 2);
  return std::min(height, lines * std::max(LetterLineHeight(fontMetrics()), letters) + frame);
}

SignContents::Arrangement SignContents::Arrange() const {
  QStringList lines = text().split(QLatin1Char('\n'));
  Arrangement a;
  while (a.leadingBlanks < lines.size() && lines[a.leadingBlanks].isEmpty()) ++a.leadingBlanks;
  lines = lines.mid(a.leadingBlanks);
  const QSize room = TextRect(*this).size();
  a.font = font();
  for (qreal size = font().pointSizeF();; size -= 0.5) {
    a.font.setPointSizeF(size);
    const QFontMetrics metrics(a.font);
    for (a.columns = 1; a.columns <= 2; ++a.columns) {
      a.rows = (static_cast<int>(lines.size()) + a.columns - 1) / a.columns;
      a.columnWidths.clear();
      for (int column = 0; column < a.columns; ++column) {
        int widest = 0;
        for (const QString& line : lines.mid(column * a.rows, a.rows))
          widest = std::max(widest, metrics.horizontalAdvance(line.trimmed()));
        a.columnWidths << widest;
      }
      int width = (a.columns - 1) * kColumnGap;
      for (int w : a.columnWidths) width += w;
      a.size = QSize(width, (a.leadingBlanks + a.rows) * BodyLineHeight(metrics));
      if (a.size.width() <= room.width() && a.size.height() <= room.height()) return a;
    }
    a.columns = 2;
    if (size - 0.5 < kSmallestPointSize) return a;  // as small as stays readable
  }
}

void SignContents::paintEvent(QPaintEvent*) {
  const Arrangement a = Arrange();
  const QStringList lines = text().split(QLatin1Char('\n')).mid(a.leadingBlanks);
  QPainter painter(this);
  painter.setFont(a.font);
  const int lineHeight = BodyLineHeight(QFontMetrics(a.font));
  const QRect room = TextRect(*this);
  int left = room.left();
  for (int column = 0; column < a.columnWidths.size(); ++column) {
    for (int row = 0; row < a.rows; ++row) {
      const qsizetype line = column * a.rows + row;
      if (line >= lines.size()) break;
      const QRect place(left, room.top() + (a.leadingBlanks + row) * lineHeight,
                        a.columnWidths[column] + kColumnGap, lineHeight);
      style()->drawItemText(&painter, place, Qt::AlignLeft | Qt::AlignVCenter, palette(),
                            isEnabled(), lines[line], foregroundRole());
    }
    left += a.columnWidths[column] + kColumnGap;
  }
}

}  // namespace ui
