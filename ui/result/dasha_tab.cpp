#include "ui/result/dasha_tab.h"

#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

#include "reading/timing.h"
#include "ui/common/calculation_caption.h"
#include "ui/common/dasha_captions.h"
#include "ui/common/look.h"
#include "ui/common/services.h"

namespace ui {

namespace {

constexpr std::array<const char*, core::kBodyCount> kBodies = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Ascendant"};

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Lord(dasha::Lord lord) {
  return LordCaption(lord);
}

template <typename W>
W* Named(W* widget, const char* name, const QString& accessibleName) {
  widget->setObjectName(QLatin1String(name));
  widget->setAccessibleName(accessibleName);
  return widget;
}

QLabel* AddLabel(QVBoxLayout& column, const char* name, const QString& accessibleName) {
  auto* label = Named(new QLabel, name, accessibleName);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  SetTextColour(label, kValueColour);
  column.addWidget(label);
  return label;
}

QTableWidget* NakshatraTable(const reading::Timing& timing) {
  auto* table = Named(new QTableWidget(core::kBodyCount, 4), "tblNakshatra",
                      QStringLiteral("Nakshatra and pada of each body"));
  table->setHorizontalHeaderLabels({QStringLiteral("Body"), QStringLiteral("Nakshatra"),
                                    QStringLiteral("Pada"), QStringLiteral("Lord")});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  for (int row = 0; row < core::kBodyCount; ++row) {
    const auto& position = timing.nakshatras[static_cast<std::size_t>(row)];
    const QStringList cells =
        position ? QStringList{QLatin1String(kBodies[static_cast<std::size_t>(row)]),
                               FromView(dasha::NakshatraName(position->number)),
                               QString::number(position->pada), Lord(position->lord)}
                 : QStringList{QLatin1String(kBodies[static_cast<std::size_t>(row)])};
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
                     QStringLiteral("Vimshottari mahadashas and their antardashas"));
  tree->setHeaderLabels({QStringLiteral("Period"), QStringLiteral("Start"), QStringLiteral("End"),
                         QStringLiteral("Age at start")});
  const std::optional<dasha::RunningPeriod> running = dasha::RunningAt(dasha, today);
  for (int m = 0; m < dasha::kLordCount; ++m) {
    const dasha::Mahadasha& maha = dasha.mahadashas[static_cast<std::size_t>(m)];
    QTreeWidgetItem* item = PeriodItem(Lord(maha.period.lord), maha.period, AgeCaption(maha));
    for (int a = 0; a < dasha::kLordCount; ++a) {
      const dasha::Period& antar = maha.antardashas[static_cast<std::size_t>(a)];
      QTreeWidgetItem* child =
          PeriodItem(Lord(maha.period.lord) + QStringLiteral(" / ") + Lord(antar.lord), antar,
                     antar.endsBeforeBirth ? QStringLiteral("before birth") : QString());
      item->addChild(child);
      if (running && running->mahadasha == m && running->antardasha == a) Highlight(child);
    }
    tree->addTopLevelItem(item);
    if (running && running->mahadasha == m) {
      Highlight(item);
      item->setExpanded(true);
    }
  }
  for (int column = 0; column < tree->columnCount(); ++column) tree->resizeColumnToContents(column);
  return tree;
}

// Computes and shows the tables on the page, below the caption already there.
void FillTables(QVBoxLayout& column, const core::BirthRecord& record, Clock& clock) {
  const reading::Timing timing = reading::TimingOf(record);
  column.addWidget(NakshatraTable(timing), 2);
  if (!timing.dasha) return;
  AddLabel(column, "lblBalance", QStringLiteral("Balance at birth"))
      ->setText(BalanceCaption(timing.dasha->balance));
  AddLabel(column, "lblYearLength", QStringLiteral("Dasha year length"))
      ->setText(YearLengthCaption(*timing.dasha));
  column.addWidget(DashaTree(*timing.dasha, clock.Now()), 3);
}

}  // namespace

void AddTimingTab(QTabWidget& tabs, const core::BirthRecord& record,
                  const std::optional<core::Calculation>& calculation, Clock& clock) {
  auto* page = Named(new QWidget, "fraTiming", QStringLiteral("Nakshatra and dasha"));
  Paint(page, kBackground, kValueColour);
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(3, 3, 3, 3);
  AddLabel(*column, "lblCalculation", QStringLiteral("Calculation"))
      ->setText(CalculationCaption(calculation) + QLatin1Char('\n') +
                EphemerisSourceCaption(calculation, record.EphemerisFiles));
  const int index = tabs.addTab(page, QStringLiteral("Nakshatra && Dasha"));
  // The record is copied: the tab may first be shown after the program's record has moved on.
  auto fill = [page, column, index, kept = record, &clock](int shown) {
    if (shown != index || page->property("filled").toBool()) return;
    page->setProperty("filled", true);
    FillTables(*column, kept, clock);
  };
  QObject::connect(&tabs, &QTabWidget::currentChanged, page, fill);
}

}  // namespace ui
