#include "ui/result/dasha_tab.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <QtMath>
#include <array>
#include <functional>

#include "reading/timing.h"
#include "ui/common/calculation_caption.h"
#include "ui/common/dasha_captions.h"
#include "ui/common/language.h"
#include "ui/common/look.h"
#include "ui/common/services.h"

namespace ui {

namespace {

constexpr std::array<const char*, core::kBodyCount> kBodies = {
    QT_TRANSLATE_NOOP("DashaTab", "Sun"),     QT_TRANSLATE_NOOP("DashaTab", "Moon"),
    QT_TRANSLATE_NOOP("DashaTab", "Mercury"), QT_TRANSLATE_NOOP("DashaTab", "Venus"),
    QT_TRANSLATE_NOOP("DashaTab", "Mars"),    QT_TRANSLATE_NOOP("DashaTab", "Jupiter"),
    QT_TRANSLATE_NOOP("DashaTab", "Saturn"),  QT_TRANSLATE_NOOP("DashaTab", "Rahu"),
    QT_TRANSLATE_NOOP("DashaTab", "Ketu"),    QT_TRANSLATE_NOOP("DashaTab", "Ascendant")};

QString Body(int row) {
  return QCoreApplication::translate("DashaTab", kBodies[static_cast<std::size_t>(row)]);
}

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Nakshatra(int number) {
  return QCoreApplication::translate("Nakshatras",
                                     FromView(dasha::NakshatraName(number)).toUtf8().constData());
}

QString Lord(dasha::Lord lord) {
  return LordCaption(lord);
}

// The tab's texts are set when the tab is made or filled; a change of language makes them
// again (AddTimingTab).
template <typename W>
W* Named(W* widget, const char* name, const char* accessibleName) {
  widget->setObjectName(QLatin1String(name));
  widget->setAccessibleName(QCoreApplication::translate("DashaTab", accessibleName));
  return widget;
}

QLabel* AddLabel(QVBoxLayout& column, const char* name, const char* accessibleName) {
  auto* label = Named(new QLabel, name, accessibleName);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  SetTextColour(label, kValueColour);
  column.addWidget(label);
  return label;
}

QTableWidget* NakshatraTable(const reading::Timing& timing) {
  auto* table = Named(new QTableWidget(core::kBodyCount, 4), "tblNakshatra",
                      QT_TRANSLATE_NOOP("DashaTab", "Nakshatra and pada of each body"));
  table->setHorizontalHeaderLabels({QCoreApplication::translate("DashaTab", "Body"),
                                    QCoreApplication::translate("DashaTab", "Nakshatra"),
                                    QCoreApplication::translate("DashaTab", "Pada"),
                                    QCoreApplication::translate("DashaTab", "Lord")});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  for (int row = 0; row < core::kBodyCount; ++row) {
    const auto& position = timing.nakshatras[static_cast<std::size_t>(row)];
    const QStringList cells =
        position ? QStringList{Body(row), Nakshatra(position->number),
                               QString::number(position->pada), Lord(position->lord)}
                 : QStringList{Body(row)};
    for (int column = 0; column < cells.size(); ++column)
      table->setItem(row, column, new QTableWidgetItem(cells[column]));
  }
  return table;
}

QTreeWidgetItem* PeriodItem(const QString& name, const dasha::Period& period, const QString& age) {
  return new QTreeWidgetItem(
      {name, DateCaption(period.startDate), DateCaption(period.endDate), age});
}

// An antardasha shown by its own lord under its mahadasha's, so the four columns fit the tab's
// width; its whole name ("Mars / Rahu") is its tooltip and what a screen reader says.
QTreeWidgetItem* AntardashaItem(const QString& mahadasha, const dasha::Period& period,
                                const QString& age) {
  const QString whole = mahadasha + QStringLiteral(" / ") + Lord(period.lord);
  QTreeWidgetItem* item = PeriodItem(Lord(period.lord), period, age);
  item->setToolTip(0, whole);
  item->setData(0, Qt::AccessibleTextRole, whole);
  return item;
}

// A cell as high as its text wrapped in its column: the tree asks for a row's height without
// the column's width, and a cell wrapped at spaces ("before birth" in a narrow column) was
// given one line and cut.
class WrappedCells final : public QStyledItemDelegate {
 public:
  explicit WrappedCells(QTreeView& tree) : QStyledItemDelegate(&tree), tree_(tree) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem cell = option;
    int width = tree_.header()->sectionSize(index.column());
    if (index.column() == 0)
      for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        width -= tree_.indentation();
    cell.rect = QRect(0, 0, std::max(width, 1), 1 << 16);
    return QStyledItemDelegate::sizeHint(cell, index);
  }

 private:
  QTreeView& tree_;
};

// `heading` in two lines, broken at the space nearest its middle: narrower than its cells.
QString Stacked(QString heading) {
  qsizetype best = -1;
  for (qsizetype i = 0; i < heading.size(); ++i)
    if (heading[i] == QLatin1Char(' ') &&
        (best < 0 || qAbs(2 * i - heading.size()) < qAbs(2 * best - heading.size())))
      best = i;
  if (best >= 0) heading[best] = QLatin1Char('\n');
  return heading;
}

// Every column whole in the tab's width: the dates as wide as a date, the age as wide as its
// widest word (its cells wrap at spaces, its heading stands in lines), and the period taking
// the rest. Resizing to contents made the four wider than the tab, the end and the age behind
// a scroll bar.
void FitColumns(QTreeWidget& tree) {
  QHeaderView& header = *tree.header();
  header.setStretchLastSection(false);
  header.setSectionResizeMode(QHeaderView::Fixed);
  header.setSectionResizeMode(0, QHeaderView::Stretch);
  tree.setWordWrap(true);
  if (!dynamic_cast<WrappedCells*>(tree.itemDelegate()))
    tree.setItemDelegate(new WrappedCells(tree));
  tree.setIndentation(tree.fontMetrics().horizontalAdvance(QLatin1Char('0')) + 2);
  QFont bold = tree.font();
  bold.setBold(true);  // the running period's row
  const QFontMetricsF metrics(bold);
  const int kCellRoom =
      2 * (tree.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &tree) + 1) + 2;
  // The style's margin each side of a cell's text (3 pixels in Fusion), and two more: a text
  // measured 64.2 pixels wide in a 70-pixel column was cut ("1978-01-…").
  for (int column = 1; column < tree.columnCount(); ++column) {
    QStringList words = tree.headerItem()->text(column).split(QLatin1Char('\n'));
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
      words += (*it)->text(column).split(QLatin1Char(' '));
    qreal widest = 0;
    for (const QString& word : words) widest = std::max(widest, metrics.horizontalAdvance(word));
    header.resizeSection(column, qCeil(widest) + kCellRoom);
  }
  tree.doItemsLayout();  // the rows as high as their wrapped cells
}

// The running period in bold, the tree's own typeface otherwise: only the weight is set, and
// the view takes the rest from the tree (the item's font(), unset, is the application's, and
// drew the running row wider than its columns in DejaVu Sans Bold).
void Highlight(QTreeWidgetItem* item) {
  QFont bold;
  bold.setBold(true);
  for (int column = 0; column < item->columnCount(); ++column) {
    item->setBackground(column, kHighlight);
    item->setFont(column, bold);
  }
}

QTreeWidget* DashaTree(const dasha::Vimshottari& dasha, std::chrono::sys_seconds today) {
  auto* tree = Named(new QTreeWidget, "treDasha",
                     QT_TRANSLATE_NOOP("DashaTab", "Vimshottari mahadashas and their antardashas"));
  tree->setHeaderLabels({Stacked(QCoreApplication::translate("DashaTab", "Period")),
                         QCoreApplication::translate("DashaTab", "Start"),
                         QCoreApplication::translate("DashaTab", "End"),
                         Stacked(QCoreApplication::translate("DashaTab", "Age at start"))});
  const std::optional<dasha::RunningPeriod> running = dasha::RunningAt(dasha, today);
  for (int m = 0; m < dasha::kLordCount; ++m) {
    const dasha::Mahadasha& maha = dasha.mahadashas[static_cast<std::size_t>(m)];
    QTreeWidgetItem* item = PeriodItem(Lord(maha.period.lord), maha.period, AgeCaption(maha));
    for (int a = 0; a < dasha::kLordCount; ++a) {
      const dasha::Period& antar = maha.antardashas[static_cast<std::size_t>(a)];
      QTreeWidgetItem* child = AntardashaItem(
          Lord(maha.period.lord), antar,
          antar.endsBeforeBirth ? QCoreApplication::translate("Dasha", "before birth") : QString());
      item->addChild(child);
      if (running && running->mahadasha == m && running->antardasha == a) Highlight(child);
    }
    tree->addTopLevelItem(item);
    if (running && running->mahadasha == m) {
      Highlight(item);
      item->setExpanded(true);
    }
  }
  return tree;
}

// Runs `fit` again whenever `widget` changes its font or width.
void RefitOn(QWidget& widget, std::function<void()> fit) {
  class Refit : public QObject {
   public:
    Refit(QWidget& widget, std::function<void()> fit) : QObject(&widget), fit_(std::move(fit)) {
      widget.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::FontChange || event->type() == QEvent::Resize) fit_();
      return false;
    }

   private:
    std::function<void()> fit_;
  };
  fit();
  new Refit(widget, std::move(fit));
}

// The table as high as its rows, every row and column whole: the tab scrolls, not the table.
// Sized once it has the tab's typeface (made apart, it measured in the application's).
void ShowEveryRow(QTableWidget& table) {
  table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RefitOn(table, [&table] {
    table.resizeColumnsToContents();
    table.resizeRowsToContents();
    int height = 2 * table.frameWidth() + table.horizontalHeader()->sizeHint().height();
    for (int row = 0; row < table.rowCount(); ++row) height += table.rowHeight(row);
    table.setFixedHeight(height);
  });
}

// The tree as high as its open rows, again as a period opens or closes, its columns fitted to
// its width in its own typeface.
void ShowEveryRow(QTreeWidget& tree) {
  tree.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  tree.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const auto fit = [&tree] {
    FitColumns(tree);
    int height = 2 * tree.frameWidth() + tree.header()->sizeHint().height();
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) height += tree.visualItemRect(*it).height();
    tree.setFixedHeight(height);
  };
  QObject::connect(&tree, &QTreeWidget::itemExpanded, &tree, fit);
  QObject::connect(&tree, &QTreeWidget::itemCollapsed, &tree, fit);
  RefitOn(tree, fit);
}

// Shows the tables on the page, below the caption already there.
void FillTables(QVBoxLayout& column, const reading::Timing& timing, Clock& clock) {
  QTableWidget* table = NakshatraTable(timing);
  column.addWidget(table);
  ShowEveryRow(*table);
  if (!timing.dasha) {
    column.addStretch();
    return;
  }
  AddLabel(column, "lblBalance", QT_TRANSLATE_NOOP("DashaTab", "Balance at birth"))
      ->setText(BalanceCaption(timing.dasha->balance));
  AddLabel(column, "lblYearLength", QT_TRANSLATE_NOOP("DashaTab", "Dasha year length"))
      ->setText(YearLengthCaption(*timing.dasha));
  QTreeWidget* tree = DashaTree(*timing.dasha, clock.Now());
  column.addWidget(tree);
  ShowEveryRow(*tree);
  column.addStretch();
}

}  // namespace

void AddTimingTab(QTabWidget& tabs, std::shared_ptr<const reading::Timing> timing,
                  bool ephemerisFiles, const std::optional<core::Calculation>& calculation,
                  Clock& clock) {
  // The tab's contents scroll as one: the table and the tree each show every row, which the
  // tab's height does not hold in Tamil or Hindi (the table showed two rows, the tree one).
  auto* page =
      Named(new QScrollArea, "fraTiming", QT_TRANSLATE_NOOP("DashaTab", "Nakshatra and dasha"));
  page->setFrameShape(QFrame::NoFrame);
  page->setWidgetResizable(true);
  page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Paint(page, kBackground, kValueColour);
  auto* contents = new QWidget;
  Paint(contents, kBackground, kValueColour);
  auto* column = new QVBoxLayout(contents);
  column->setContentsMargins(3, 3, 3, 3);
  page->setWidget(contents);
  QLabel* caption =
      AddLabel(*column, "lblCalculation", QT_TRANSLATE_NOOP("DashaTab", "Calculation"));
  const int index = tabs.addTab(page, QString());
  // The timing is shared: the tab may first be shown after the program has moved on.
  auto fill = [page, column, index, timing, &clock](int shown) {
    if (shown != index || page->property("filled").toBool()) return;
    page->setProperty("filled", true);
    FillTables(*column, *timing, clock);
  };
  QObject::connect(&tabs, &QTabWidget::currentChanged, page, fill);
  // In a new language the texts again, and the tables made again if they were made.
  WhenTranslated(page, [page, column, caption, index, &tabs, calculation, files = ephemerisFiles,
                        timing, &clock] {
    tabs.setTabText(index, QCoreApplication::translate("DashaTab", "Nakshatra && Dasha"));
    page->setAccessibleName(QCoreApplication::translate("DashaTab", "Nakshatra and dasha"));
    caption->setAccessibleName(QCoreApplication::translate("DashaTab", "Calculation"));
    caption->setText(CalculationCaption(calculation) + QLatin1Char('\n') +
                     EphemerisSourceCaption(calculation, files));
    if (!page->property("filled").toBool()) return;
    while (column->count() > 1) {
      QLayoutItem* item = column->takeAt(1);
      // The language change is still being delivered to the page's children, this table
      // among them: it goes once the event is over.
      if (QWidget* old = item->widget()) {
        old->hide();
        old->setParent(nullptr);
        old->deleteLater();
      }
      delete item;
    }
    FillTables(*column, *timing, clock);
  });
}

}  // namespace ui
