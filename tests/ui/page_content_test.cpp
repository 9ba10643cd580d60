// The printed reading's content, read without painting: which blocks a reading gives, the
// birth rows' clock, and the vedha text's paragraphs; and the chart painter's texts, each inside
// its box.

#include "ui/output/page_content.h"

#include <QImage>
#include <QPdfWriter>
#include <QPolygonF>
#include <QProcess>
#include <QtTest>

#include "core/zone_table.h"
#include "reading/reading.h"
#include "ui/common/language.h"
#include "ui/output/chart_painter.h"
#include "ui/output/reading_page.h"

Q_DECLARE_METATYPE(ui::Language)

namespace {

// New Delhi, 7 March 1984, 10:05:30 Indian time.
ui::KeptReading DelhiReading(const std::function<void(ui::KeptReading&)>& change = {}) {
  ui::KeptReading reading{{.txtName = "ASHA",
                           .cboMonth = 2,
                           .cboDate = "7",
                           .cboYear = "1984",
                           .cboHH = "10",
                           .cboMM = "5",
                           .cboSS = "30",
                           .txtMCity = "New Delhi",
                           .txtLonD = "77",
                           .txtLonM = "13",
                           .txtLatD = "28",
                           .txtLatM = "38"},
                          {},
                          {},
                          {},
                          {}};
  for (std::size_t row = 0; row < core::ZoneTable().size(); ++row)
    if (core::ZoneTable()[row].text.starts_with("Indian Time"))
      reading.entries.cmbTimeZone = static_cast<int>(row);
  if (change) change(reading);
  const auto refusal = reading::RunReading(reading.entries, reading.record, reading.sheet);
  if (refusal) qFatal("the test reading was refused");
  return reading;
}

template <typename Block>
const Block& Only(const std::vector<ui::PageBlock>& blocks) {
  const Block* found = nullptr;
  for (const ui::PageBlock& block : blocks)
    if (const auto* b = std::get_if<Block>(&block)) {
      if (found) qFatal("two blocks of one kind");
      found = b;
    }
  if (!found) qFatal("no block of the kind");
  return *found;
}

// Rahu and Ketu stand opposite: at most nine bodies share a sign, five of them retrograde.
core::ChartSign NineBodies() {
  core::ChartSign sign;
  for (int body : {0, 1, 2, 3, 4, 5, 6, 7, 9})
    sign.bodies.push_back({body, body >= 2 && body <= 6});
  return sign;
}

QString RowValue(const ui::PageRows& rows, const QString& label) {
  for (const ui::PageRow& row : rows.rows)
    if (row.label == label) return row.value;
  return QStringLiteral("<no row>");
}

}  // namespace

class PageContentTest : public QObject {
  Q_OBJECT

 private slots:
  void aReadingGivesEveryPartInOrder() {
    const ui::KeptReading reading = DelhiReading();
    const std::vector<ui::PageBlock> blocks = ui::ReadingPageContent(reading);
    QCOMPARE(blocks.size(), std::size_t{7});
    QVERIFY(std::holds_alternative<ui::PageHeading>(blocks[0]));
    QVERIFY(std::holds_alternative<ui::PageRows>(blocks[1]));
    QVERIFY(std::holds_alternative<ui::PageChart>(blocks[2]));
    QVERIFY(std::holds_alternative<ui::PageText>(blocks[3]));
    QVERIFY(std::holds_alternative<ui::PageTables>(blocks[4]));
    QVERIFY(std::holds_alternative<ui::PageTables>(blocks[5]));
    QVERIFY(std::holds_alternative<ui::PageTables>(blocks[6]));
    QCOMPARE(Only<ui::PageHeading>(blocks).title, QStringLiteral("ASHA"));

    const ui::PageChart& chart = Only<ui::PageChart>(blocks);
    QCOMPARE(chart.charts.size(), std::size_t{1});
    QCOMPARE(chart.charts[0].chart, &*reading.sheet.chart);
    QCOMPARE(chart.beside.size(), std::size_t{2});
    QCOMPARE(chart.beside[0].rows.size(), std::size_t{core::kBodyCount});
    for (const ui::PageRow& row : chart.beside[0].rows)
      QVERIFY2(!row.value.isEmpty(), qPrintable(row.label));
    // A day birth: the period row is named for the day and holds its length.
    QCOMPARE(chart.beside[1].rows[3].label, QStringLiteral("Dinamana"));
    QVERIFY(chart.beside[1].rows[3].value.contains(QStringLiteral(" h ")));

    const ui::PageText& text = Only<ui::PageText>(blocks);
    QVERIFY(!text.paragraphs.empty());
    for (const ui::PageParagraph& paragraph : text.paragraphs) QVERIFY(!paragraph.runs.empty());

    const auto& timing = std::get<ui::PageTables>(blocks[4]);
    QCOMPARE(timing.notes.size(), 2);  // the calculation, the dasha's balance
    QCOMPARE(timing.tables.size(), std::size_t{2});
    QCOMPARE(timing.tables[0].rows.size(), std::size_t{core::kBodyCount});
    for (const QStringList& row : timing.tables[0].rows)
      QCOMPARE(row.size(), timing.tables[0].header.size());
    QCOMPARE(timing.tables[1].rows.size(), std::size_t{9});
  }

  // The worked birth by hand: the Sun at 23° 10' Aquarius (fixed: the navamsha counts from
  // Libra, part 7 of 9 is Aries; the shashtyamsha's part 47 from Aquarius is Sagittarius), Rahu
  // at 16° 28' Taurus (part 5 from Capricorn: Taurus again, vargottama), the Lagna at 0° 30'
  // Taurus (an even sign's first trimshamsha, Taurus). The new Moon of 3 March 1984 puts the
  // birth in the fifth tithi; its times are shown on the birth's clock, Indian time.
  void theVargasAndPanchangaOfAWorkedBirth_data() {
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("the Sun's navamsha") << 5 << 0 << 6 << "Ari";
    QTest::newRow("the Sun's shashtyamsha") << 5 << 0 << 16 << "Sag";
    QTest::newRow("Rahu marked vargottama") << 5 << 7 << 0 << "Rahu *";
    QTest::newRow("the Sun not marked") << 5 << 0 << 0 << "Sun";
    QTest::newRow("the Lagna's trimshamsha") << 5 << 9 << 13 << "Tau";
    QTest::newRow("vara and its lord") << 6 << 0 << 1 << "Wednesday, its lord Mercury";
    QTest::newRow("tithi with paksha") << 6 << 1 << 1 << "Panchami, Shukla paksha";
    QTest::newRow("tithi ends, Indian time") << 6 << 1 << 3 << "8 March 1984 10:37:26";
    QTest::newRow("nakshatra began the day before") << 6 << 2 << 2 << "6 March 1984 11:01:08";
    QTest::newRow("yoga") << 6 << 3 << 1 << "Indra";
    QTest::newRow("karana, the first half of the tithi") << 6 << 4 << 3 << "7 March 1984 21:54:06";
  }
  void theVargasAndPanchangaOfAWorkedBirth() {
    QFETCH(int, block);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    const std::vector<ui::PageBlock> blocks = ui::ReadingPageContent(DelhiReading());
    const ui::PageTables& tables =
        std::get<ui::PageTables>(blocks[static_cast<std::size_t>(block)]);
    QVERIFY(tables.wide);
    QCOMPARE(tables.tables.at(0).rows.at(static_cast<std::size_t>(row)).value(column), text);
  }

  void theTimeZoneRowNamesTheClockUsed_data() {
    QTest::addColumn<int>("exactOffset");  // 0: none
    QTest::addColumn<bool>("daylightSaving");
    QTest::addColumn<QString>("atlasClock");
    QTest::addColumn<QString>("ending");
    QTest::newRow("zone row") << 0 << false << QString()
                              << "· daylight saving off · UTC+05:30 used";
    QTest::newRow("zone row and daylight saving")
        << 0 << true << QString() << "· daylight saving on · UTC+06:30 used";
    QTest::newRow("exact offset") << 20700 << false << QString()
                                  << "the place's own clock · UTC+05:45 used";
    QTest::newRow("exact offset west, with seconds")
        << -17762 << false << QString() << "the place's own clock · UTC−04:56:02 used";
    QTest::newRow("the atlas's clock in words") << 0 << false << "UTC+5:30, Asia/Kolkata"
                                                << "UTC+5:30, Asia/Kolkata";
  }
  void theTimeZoneRowNamesTheClockUsed() {
    QFETCH(int, exactOffset);
    QFETCH(bool, daylightSaving);
    QFETCH(QString, atlasClock);
    QFETCH(QString, ending);
    const ui::KeptReading reading = DelhiReading([&](ui::KeptReading& r) {
      if (exactOffset != 0) r.entries.utcOffsetSeconds = exactOffset;
      r.entries.chkDST = daylightSaving;
      r.clock = atlasClock.toStdString();
    });
    const QString zone = RowValue(Only<ui::PageRows>(ui::ReadingPageContent(reading)), "Time zone");
    QVERIFY2(zone.endsWith(ending), qPrintable(zone));
  }

  // A block of the reading text: "*" starts one in emphasis, each "H" is a sentence (the
  // heading), the number after "/" its line breaks after. In the paragraphs "|" parts them,
  // "+" marks one after a blank line and "/" joins the runs of one.
  void theVedhaTextBreaksIntoParagraphs_data() {
    QTest::addColumn<QStringList>("blocks");
    QTest::addColumn<QString>("paragraphs");
    QTest::newRow("one line") << QStringList{"H/0"} << "H";
    QTest::newRow("a line break") << QStringList{"HH/0"} << "H|H";
    QTest::newRow("blank lines count as one") << QStringList{"H/3", "H/0"} << "H|+H";
    QTest::newRow("the last line breaks close the text") << QStringList{"H/2"} << "H";
    QTest::newRow("runs of one line stay one paragraph")
        << QStringList{"H/0", "*H/0", "H/1", "H/0"} << "H/*H/H|H";
    QTest::newRow("a leading blank line") << QStringList{"/1", "H/0"} << "+H";
    QTest::newRow("a break between runs") << QStringList{"H/1", "/1", "*H/0"} << "H|+*H";
  }
  void theVedhaTextBreaksIntoParagraphs() {
    QFETCH(QStringList, blocks);
    QFETCH(QString, paragraphs);
    ui::KeptReading reading = DelhiReading();
    reading.sheet.ReadingBlocks.clear();
    for (QString spec : blocks) {
      core::ReadingBlock block;
      block.emphasis = spec.startsWith('*');
      if (block.emphasis) spec.remove(0, 1);
      block.items.resize(static_cast<std::size_t>(spec.section('/', 0, 0).size()));
      block.lineBreaksAfter = spec.section('/', 1, 1).toInt();
      reading.sheet.ReadingBlocks.push_back(block);
    }
    const QString heading = QStringLiteral("More About Vedha and Dandadhipati");
    QStringList got;
    const std::vector<ui::PageBlock> content = ui::ReadingPageContent(reading);
    for (const ui::PageParagraph& paragraph : Only<ui::PageText>(content).paragraphs) {
      QStringList parts;
      for (const ui::PageRun& run : paragraph.runs)
        parts << (run.bold ? QStringLiteral("*") : QString()) +
                     (run.text == heading ? QStringLiteral("H") : run.text);
      got << (paragraph.afterBlankLine ? QStringLiteral("+") : QString()) + parts.join('/');
    }
    QCOMPARE(got.join('|'), paragraphs);
  }

  // The tables' sentences end with the language's own full stop (Hindi's danda).
  void hindiSentencesEndWithTheDanda() {
    const ui::KeptReading reading = DelhiReading();
    QVERIFY(ui::UseLanguage(ui::Language::Hindi));
    const std::vector<ui::PageBlock> blocks = ui::ReadingPageContent(reading);
    ui::UseLanguage(ui::Language::English);
    for (const QString& note : std::get<ui::PageTables>(blocks[4]).notes)
      QVERIFY2(note.endsWith(QChar(0x0964)) && !note.contains(". "), qPrintable(note));
  }

  // A label wider than the English ones (Tamil's நேர மண்டலம்) stays on one line, read back.
  void aLongRowLabelStaysOnOneLine() {
    QTemporaryDir dir;
    {
      QPdfWriter writer(dir.filePath("rows.pdf"));
      ui::SetUpPage(writer);
      ui::PaintPages(writer, {ui::PageRows{{{"Daylight saving clock of the place", "Kathmandu"}}}});
    }
    QProcess text;
    text.start("pdftotext", {"-layout", dir.filePath("rows.pdf"), "-"});
    QVERIFY(text.waitForFinished(30000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(out.contains(QRegularExpression("Daylight saving clock of the place\\s+Kathmandu")),
             qPrintable(out));
  }

  // On the page and in the picture, in every language, with a box as full as a sign can be.
  void textStaysInItsBox_data() {
    QTest::addColumn<ui::Language>("language");
    QTest::addColumn<bool>("page");
    for (const ui::Language language : ui::kLanguages)
      for (const bool page : {false, true})
        QTest::newRow(qPrintable(ui::LanguageCode(language) + (page ? " page" : " picture")))
            << language << page;
  }
  void textStaysInItsBox() {
    QFETCH(ui::Language, language);
    QFETCH(bool, page);
    QVERIFY(ui::UseLanguage(language));
    const auto english = qScopeGuard([] { ui::UseLanguage(ui::Language::English); });
    const chart::ChartStyle& style = chart::PatakiStyle();
    // As the PNG draws it (twice the design size) and as the page does (0.58 of its width).
    QImage image(16, 16, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    QPdfWriter pdf(QStringLiteral("/dev/null"));
    ui::SetUpPage(pdf);
    QPaintDevice* device = page ? static_cast<QPaintDevice*>(&pdf) : &image;
    const qreal width = page ? pdf.width() * 0.58 : style.frame.width / 15;
    const qreal scale = ui::ChartScale(style, QRectF(0, 0, width, width / ui::ChartAspect(style)));
    for (int sign = 0; sign < 12; ++sign) {
      const chart::StyleBox& box = chart::BoxOfSign(style, sign, -1);
      QPolygonF outline;
      for (const chart::Point& p : box.outline) outline << QPointF(p.x, p.y);
      for (const ui::ChartPiece& piece :
           ui::BoxPieces(box, sign, NineBodies(), page ? 7.5 : 8, scale, device)) {
        const QRectF ink =
            QFontMetricsF(piece.font, device).tightBoundingRect(piece.text).translated(piece.at);
        for (const QPointF& corner :
             {ink.topLeft(), ink.topRight(), ink.bottomLeft(), ink.bottomRight()})
          QVERIFY2(outline.containsPoint(corner, Qt::OddEvenFill),
                   qPrintable(QString::number(sign) + QStringLiteral(": ") + piece.text));
      }
    }
  }
};

QTEST_MAIN(PageContentTest)
#include "page_content_test.moc"
