#pragma once
// What the printed reading says, apart from how it is laid out: a plain list of blocks built
// from a kept reading (which rows, which texts, in which order). The page's layout engine
// (reading_page.h) draws any such list; tests read it without painting.

#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

#include "chart/chart_style.h"
#include "ui/output/kept_reading.h"

namespace ui {

struct PageRun {
  QString text;
  bool bold = false;
};

struct PageParagraph {
  std::vector<PageRun> runs;
  bool afterBlankLine = false;  // set apart from the paragraph before it
};

struct PageRow {
  QString label;
  QString value;  // empty: shown as a dash
};

struct PageRowGroup {
  QString title;
  std::vector<PageRow> rows;
};

// One table: a bold first row, then one row of cells each; a row may have fewer cells.
struct PageTable {
  std::vector<double> columnStarts;  // where each column starts, as a share of the table's width
  QStringList header;
  std::vector<QStringList> rows;
};

// The person's name as the title, with the kind of page at the far side.
struct PageHeading {
  QString title;
  QString kind;
};

// Labels in a column with their values wrapped beside them.
struct PageRows {
  std::vector<PageRow> rows;
};

// A chart in a style; both outlive the content (the kept reading's chart, a style's data).
struct PageChartDrawing {
  const core::ChartModel* chart = nullptr;
  const chart::ChartStyle* style = nullptr;
};

// Charts one under another, their caption under them, and groups of rows beside them.
struct PageChart {
  std::vector<PageChartDrawing> charts;
  QString caption;
  std::vector<PageRowGroup> beside;
};

// Running text, paragraph by paragraph.
struct PageText {
  std::vector<PageParagraph> paragraphs;
};

// A titled section: notes, then its tables side by side.
struct PageTables {
  QString title;
  QStringList notes;
  std::vector<PageTable> tables;
  bool wide = false;  // the one table takes the whole width
};

using PageBlock = std::variant<PageHeading, PageRows, PageChart, PageText, PageTables>;

// The printed reading: heading, birth rows, the chart with the positions and details, the
// vedha reading, the nakshatras and the dasha, the divisional charts and the panchanga.
std::vector<PageBlock> ReadingPageContent(const KeptReading& reading);

}  // namespace ui
