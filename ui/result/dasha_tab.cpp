#include "ui/result/dasha_tab.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <array>

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
  table->resizeColumnsToContents();
  table->resizeRowsToContents();
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
  tree.setIndentation(tree.fontMetrics().horizontalAdvance(QLatin1Char('0')) + 2);
  QFont bold = tree.font();
  bold.setBold(true);  // the running period's row
  const QFontMetrics metrics(bold);
  constexpr int kCellRoom = 6;  // the cell's margins and a little air
  for (int column = 1; column < tree.columnCount(); ++column) {
    QStringList words = tree.headerItem()->text(column).split(QLatin1Char('\n'));
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
      words += (*it)->text(column).split(QLatin1Char(' '));
    int widest = 0;
    for (const QString& word : words) widest = std::max(widest, metrics.horizontalAdvance(word));
    header.resizeSection(column, widest + kCellRoom);
  }
  tree.doItemsLayout();  // the rows as high as their wrapped cells
}

void Highlight(QTreeWidgetItem* item) {
  QFont bold = item->font(0);
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
  FitColumns(*tree);
  return tree;
}

// Shows the tables on the page, below the caption already there.
void FillTables(QVBoxLayout& column, const reading::Timing& timing, Clock& clock) {
  // The tree has the larger share: its periods are read by the row, the table at a glance.
  column.addWidget(NakshatraTable(timing), 2);
  if (!timing.dasha) return;
  AddLabel(column, "lblBalance", QT_TRANSLATE_NOOP("DashaTab", "Balance at birth"))
      ->setText(BalanceCaption(timing.dasha->balance));
  AddLabel(column, "lblYearLength", QT_TRANSLATE_NOOP("DashaTab", "Dasha year length"))
      ->setText(YearLengthCaption(*timing.dasha));
  column.addWidget(DashaTree(*timing.dasha, clock.Now()), 5);
}

}  // namespace

void AddTimingTab(QTabWidget& tabs, std::shared_ptr<const reading::Timing> timing,
                  bool ephemerisFiles, const std::optional<core::Calculation>& calculation,
                  Clock& clock) {
  auto* page =
      Named(new QWidget, "fraTiming", QT_TRANSLATE_NOOP("DashaTab", "Nakshatra and dasha"));
  Paint(page, kBackground, kValueColour);
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(3, 3, 3, 3);
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
