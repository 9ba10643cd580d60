#pragma once
// The walk of a window's visible texts that the tests of translated windows share: the English
// words left where another language is chosen, and the labels of one line cut off by their
// width. Allowed are the program's name, the atlas's source by its name, web addresses, zone
// abbreviations and ids, what the person typed and the Language menu's "English".

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

namespace ui::testing {

// The English words left in `text` once the allowed ones and what the person typed are taken
// out.
inline QStringList EnglishWords(QString text, const QStringList& typed) {
  static const QRegularExpression allowed(QStringLiteral(
      "Orvel Pataki "
      "Chakra|GeoNames|Astrodienst|https?://\\S+|www\\.\\S+|\\S+\\.(com|org|net|in)\\b\\S*|"
      "\\b[A-Z][a-z]+/[A-Za-z_/+-]+\\b"));  // zone ids, Asia/Kolkata
  text.remove(allowed);
  for (const QString& entry : typed)
    if (!entry.isEmpty()) text.remove(entry, Qt::CaseInsensitive);
  QStringList words;
  static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
  for (auto it = word.globalMatch(text); it.hasNext();) {
    const QString found = it.next().captured();
    // Zone abbreviations (IST, UTC, AHDT) are written in capitals.
    if (found == found.toUpper() && found.size() <= 5) continue;
    words << found;
  }
  return words;
}

inline QString Plain(const QLabel* label) {
  return Qt::mightBeRichText(label->text())
             ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
             : label->text();
}

inline void WalkModel(const QAbstractItemModel* model, const QModelIndex& parent,
                      QStringList& texts) {
  for (int row = 0; row < model->rowCount(parent); ++row)
    for (int column = 0; column < model->columnCount(parent); ++column) {
      const QModelIndex index = model->index(row, column, parent);
      texts << index.data().toString();
      if (column == 0) WalkModel(model, index, texts);
    }
}

inline void WalkMenu(const QMenu* menu, QStringList& texts) {
  texts << menu->title();
  for (const QAction* action : menu->actions()) {
    if (action->menu()) {
      WalkMenu(action->menu(), texts);
    } else if (!action->text().isEmpty() && action->text() != QLatin1String("English")) {
      texts << action->text();
    }
  }
}

// The English words of the window's visible widgets, "object name: word (in text)".
inline QStringList VisibleTexts(QWidget* window, const QStringList& typed = {}) {
  QStringList found;
  const auto add = [&found, &typed](const QObject* object, const QStringList& texts) {
    for (const QString& text : texts)
      for (const QString& word : EnglishWords(QString(text).remove(QLatin1Char('&')), typed))
        found << QStringLiteral("%1: %2 (in \"%3\")").arg(object->objectName(), word, text);
  };
  add(window, {window->windowTitle()});
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window)) continue;
    QStringList texts;
    if (auto* label = qobject_cast<QLabel*>(w)) texts << Plain(label);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
    if (auto* combo = qobject_cast<QComboBox*>(w)) texts << combo->currentText();
    if (auto* edit = qobject_cast<QTextEdit*>(w)) texts << edit->toPlainText();
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    if (auto* bar = qobject_cast<QMenuBar*>(w))
      for (const QAction* action : bar->actions())
        if (action->menu()) WalkMenu(action->menu(), texts);
    if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
      const QAbstractItemModel* model = view->model();
      for (int column = 0; column < model->columnCount(); ++column)
        texts << model->headerData(column, Qt::Horizontal).toString();
      WalkModel(model, {}, texts);
    }
    add(w, texts);
  }
  return found;
}

// The window's labels of one line whose text is wider than the label: cut off where they
// are drawn ("object name: text, needed and given widths"). Labels that elide their text
// themselves say so in a tooltip with the whole text and are left out.
inline QStringList ClippedLabels(QWidget* window) {
  QStringList found;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->isVisibleTo(window) || label->wordWrap() || !label->toolTip().isEmpty() ||
        label->text().contains(QLatin1Char('\n')) || Qt::mightBeRichText(label->text()))
      continue;
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    const int given = label->contentsRect().width() - 2 * label->margin() - label->indent();
    if (needed > given)
      found << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                   .arg(label->objectName(), label->text())
                   .arg(needed)
                   .arg(given);
  }
  return found;
}

// The window's English words (and, when `clipped` is given, its cut-off labels) with each tab
// of each tab widget shown in turn.
inline QStringList TextsOnEveryTab(QWidget* window, const QStringList& typed,
                                   QStringList* clipped = nullptr) {
  QStringList found = VisibleTexts(window, typed);
  if (clipped) *clipped += ClippedLabels(window);
  for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      found += VisibleTexts(window, typed);
      if (clipped) *clipped += ClippedLabels(window);
    }
  found.removeDuplicates();
  if (clipped) clipped->removeDuplicates();
  return found;
}

}  // namespace ui::testing
