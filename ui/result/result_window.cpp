#include "ui/result/result_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QProxyStyle>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtMath>

#include "chart/chart_style.h"
#include "ui/common/chart_texts.h"
#include "ui/common/language.h"
#include "ui/common/library_texts.h"
#include "ui/common/link_label.h"
#include "ui/common/look.h"
#include "ui/common/program_texts.h"
#include "ui/common/reading_text.h"
#include "ui/common/web_links.h"
#include "ui/result/fitted_labels.h"

namespace ui {

namespace {

// The style's own tabs with less room beside their titles.
class NarrowTabStyle final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    return metric == PM_TabBarTabHSpace ? std::min(value, Twips(kSideRoom)) : value;
  }
  static constexpr int kSideRoom = 165;  // both sides of a title together, in twips
};

// The reading panel's tab bar holds three titles in 305 pixels. In the window's 8-point font
// with the style's room beside each (24 pixels in Fusion) they take some 360, and scroll arrows
// hid the third; half a point smaller and with 11 pixels of room they take some 295. The tabs
// keep the height the window's font gives them, so the pages below keep their place. Where a
// desktop's font is wider still, the scroll arrows come back.
class ReadingTabBar final : public QTabBar {
 public:
  ReadingTabBar() {
    WhenTranslated(this, [this] { setFont(AppFont(7.5)); });
    const QStyle* style = QApplication::style();
    if (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) style = proxy->baseStyle();
    auto* narrow = new NarrowTabStyle(style->name());
    narrow->setParent(this);
    setStyle(narrow);
  }

 protected:
  QSize tabSizeHint(int index) const override {
    QSize size = QTabBar::tabSizeHint(index);
    size.rheight() += QFontMetrics(AppFont(8)).height() - fontMetrics().height();
    return size;
  }
};

class ReadingTabs final : public QTabWidget {
 public:
  explicit ReadingTabs(QWidget* parent) : QTabWidget(parent) { setTabBar(new ReadingTabBar); }
};

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Texts of a reading break their lines with CR LF; Qt breaks them with LF.
QString Lines(std::string_view text) {
  return FromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
}

// Labels show names the user typed, so they never interpret text as markup.
template <typename Label = QLabel>
Label* AddLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                const QColor& colour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
  auto* label = new Label(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment);
  label->setGeometry(place);
  SetTextColour(label, colour);
  return label;
}

// The window's own texts, translated where set and again on a change of language.
template <typename W>
W* Translated(W* widget, const char* property, const char* text) {
  SetTranslated(widget, property, "ResultWindow", text);
  return widget;
}

QGroupBox* AddFrame(QWidget* parent, const char* name, const char* caption) {
  auto* frame = Translated(new QGroupBox(parent), "title", caption);
  frame->setObjectName(QLatin1String(name));
  SetTextColour(frame, kCaptionColour);
  return frame;
}

// The sign boxes' contents are written from the sheet's chart, not from their captions.
bool IsSignContentSlot(std::size_t slot) {
  return slot >= core::SignContentSlot(0) && slot <= core::SignContentSlot(11);
}

// The captions that hold what the person typed, shown exactly as typed in every language.
bool TypedByPerson(std::string_view widget) {
  for (std::string_view typed : {"lblName", "lblCity", "lblState", "lblCountry"})
    if (widget == typed) return true;
  return false;
}

// The height a line of text takes as drawn: the font's line spacing, rounded up rather than
// to the nearest pixel (a label of the rounded height can cut the descenders).
int LineHeight(const QFontMetrics& metrics) {
  return qCeil(QFontMetricsF(metrics).lineSpacing());
}

// A row of the Pataki details at least: a whole line of the window's font, no taller than the
// letters need (LetterLineHeight).
int RowHeight(const QFontMetrics& metrics) {
  return std::min(LineHeight(metrics), LetterLineHeight(metrics));
}

// A tab page that the frame on it fills completely.
QWidget* Page(QWidget* content) {
  auto* page = new QWidget;
  Paint(page, kBackground, kValueColour);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(content);
  return page;
}

constexpr int kBoxBorder = 1;  // pixels of a sign box's frame line

// A place of the chart's style, in twips of the chart frame, on the window.
int StyleTwips(double twips) {
  return Twips(qRound(twips));
}
QRect StyleRect(const chart::Rect& r) {
  return TwipsRect(qRound(r.left), qRound(r.top), qRound(r.width), qRound(r.height));
}
// The sign box's widget covers its outline (a rectangle in this style).
QRect StyleRect(const chart::StyleBox& box) {
  QPolygonF outline;
  for (const chart::Point& p : box.outline) outline << QPointF(p.x, p.y);
  const QRectF bounds = outline.boundingRect();
  return StyleRect(chart::Rect{bounds.left(), bounds.top(), bounds.width(), bounds.height()});
}

// Twips from the box's left edge at which the sign's name starts, clear of the centre figure
// where a line of it runs into the box (Gemini, Sagittarius).
constexpr int kNameInsets[12] = {0, 0, 120, 0, 0, 0, 0, 0, 120, 0, 0, 0};

// Draws the centre figure beneath the sign boxes; it shows no data.
class ChartDrawing : public QWidget {
 public:
  explicit ChartDrawing(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ChartDrawing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kValueColour, 2));
    const chart::ChartStyle& style = chart::PatakiStyle();
    for (const chart::Segment& l : style.lines)
      painter.drawLine(StyleTwips(l.from.x), StyleTwips(l.from.y), StyleTwips(l.to.x),
                       StyleTwips(l.to.y));
    for (const chart::Rect& r : style.rects) painter.drawRect(StyleRect(r));
  }
};

}  // namespace

FrmDisplay::FrmDisplay(LinkOpener& links, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmDisplay"));
  setWindowTitle(kWindowCaption);
  // The language's typeface, before anything is sized by it.
  WhenTranslated(this, [this] { setFont(AppFont(8)); });
  Paint(this, kBackground, kValueColour);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Button, kBackground.lighter(150));
  palette.setColor(QPalette::ButtonText, kValueColour);
  setPalette(palette);
  setFixedSize(Twips(14745), Twips(8865));

  BuildChart();
  BuildDetailsPanel();
  BuildReadingPanel();
  BuildForumLabels(links);
  ShowDesignCaptions();
  // The reading's captions and text again in a new language, after the window's own texts
  // (this hook, made last, gets the event after them), and the rows sized by the new font.
  WhenTranslated(this, [this] {
    FitRowsToFont();
    if (sheet_) ShowSheet(*sheet_);
    if (!clock_.isEmpty()) ShowClock(clock_);
  });
  // Tab reads the window as the eye does: the forum's address at the top, the details, the
  // Pataki Chakra tabs and the reading text under them.
  for (const char* name : {"Label6", "SSTab2", "SSTab1", "RTB"})
    tabOrder_ << findChild<QWidget*>(QLatin1String(name));
}

void FrmDisplay::BuildChart() {
  QGroupBox* chart = AddFrame(this, "fraBirthchart", QT_TRANSLATE_NOOP("ResultWindow", "Hora"));
  chart->setGeometry(TwipsRect(0, 240, 10035, 8625));
  new ChartDrawing(chart);
  chart->findChild<QWidget*>(QStringLiteral("ChartDrawing"))->setGeometry(chart->rect());

  // The signs stand in the Pataki style's boxes, which are fixed: no Lagna moves them.
  for (int sign = 0; sign < 12; ++sign) {
    auto* box = new QFrame(chart);
    box->setObjectName(FromUtf8(core::kSignPictureBoxes[sign]));
    box->setGeometry(StyleRect(chart::BoxOfSign(chart::PatakiStyle(), sign, -1)));
    box->setFrameShape(QFrame::Box);
    box->setFrameShadow(QFrame::Plain);
    box->setLineWidth(kBoxBorder);
    Paint(box, kBackground, kValueColour);
    signBoxes_[sign] = box;

    auto* content =
        AddLabel<SignContents>(box, FromUtf8(core::kSignContentLabels[sign]), {}, {}, kValueColour);
    content->setMargin(3);
    QLabel* name = AddLabel(box, QStringLiteral("Label1(%1)").arg(sign), {}, {}, kCaptionColour);
    name->setIndent(3);
    WhenTranslated(name, [name, sign] { name->setText(ChartSignName(sign)); });
  }
}

void FrmDisplay::FitRowsToFont() {
  // The sign's name sits at the foot of its box, a whole line of its font high (descenders
  // included) and a pixel more, or as much more as the names' marks below the letters need
  // to keep a pixel from the box's line (the vowel signs of धनु, मिथुन); the bodies take the
  // room above it.
  const QFontMetrics metrics = fontMetrics();
  int deepest = 0;
  for (int sign = 0; sign < 12; ++sign) {
    QPainterPath ink;
    ink.addText(0, 0, font(), ChartSignName(sign));
    deepest = std::max(deepest, qCeil(ink.boundingRect().bottom()));
  }
  const int nameHeight = std::max(LineHeight(metrics) + 1, metrics.ascent() + deepest + 1);
  for (int sign = 0; sign < 12; ++sign) {
    const QSize size = signBoxes_[sign]->size();
    const int nameTop = size.height() - kBoxBorder - nameHeight;
    const int inset = Twips(kNameInsets[sign]);
    signBoxes_[sign]
        ->findChild<QLabel*>(FromUtf8(core::kSignContentLabels[sign]))
        ->setGeometry(0, 0, size.width(), nameTop);
    signBoxes_[sign]
        ->findChild<QLabel*>(QStringLiteral("Label1(%1)").arg(sign))
        ->setGeometry(inset, nameTop, size.width() - inset - kBoxBorder, nameHeight);
  }
  for (CompactLinesLabel* label : findChildren<CompactLinesLabel*>())
    label->setMinimumHeight(RowHeight(metrics));
}

void FrmDisplay::BuildDetailsPanel() {
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("SSTab2"));
  tabs->setDocumentMode(true);
  tabs->setGeometry(TwipsRect(10080, 480, 4575, 3240));

  QGroupBox* western = AddFrame(nullptr, "fraWestern",
                                QT_TRANSLATE_NOOP("ResultWindow", "Vedic Planetary Position"));
  const struct {
    int element;
    const char* caption;
  } planets[10] = {{0, QT_TRANSLATE_NOOP("ResultWindow", "Surya/Sun")},
                   {1, QT_TRANSLATE_NOOP("ResultWindow", "Chandra/Moon")},
                   {2, QT_TRANSLATE_NOOP("ResultWindow", "Budha/Mercury")},
                   {3, QT_TRANSLATE_NOOP("ResultWindow", "Shukra/Venus")},
                   {4, QT_TRANSLATE_NOOP("ResultWindow", "Mangala/Mars")},
                   {5, QT_TRANSLATE_NOOP("ResultWindow", "Guru/Jupiter")},
                   {6, QT_TRANSLATE_NOOP("ResultWindow", "Shani/Saturn")},
                   {10, QT_TRANSLATE_NOOP("ResultWindow", "Rahu/North Node")},
                   {11, QT_TRANSLATE_NOOP("ResultWindow", "Ketu/South node")},
                   {16, QT_TRANSLATE_NOOP("ResultWindow", "Asc/Lagna")}};
  for (int k = 0; k < 10; ++k) {
    const int top = 360 + 240 * k;
    QLabel* caption =
        Translated(AddLabel(western, QStringLiteral("PlanetName(%1)").arg(planets[k].element), {},
                            TwipsRect(120, top, 1785, 270), kCaptionColour),
                   "text", planets[k].caption);
    captions_.insert(AddLabel(western, FromUtf8(core::PositionLabel(k)), {},
                              TwipsRect(1920, top, 2535, 270), kValueColour),
                     caption);
  }

  QGroupBox* personal =
      AddFrame(nullptr, "Frame2", QT_TRANSLATE_NOOP("ResultWindow", "Personal Details"));
  // Name, city, state and country are typed by the person and may be longer than their label:
  // they take the width up to the frame's right edge, and are cut with "…" only where that
  // is not enough (the computed ones always fit).
  constexpr int kDetailsRight = 4575 - 150;  // the tab's width less the frame's line and room
  Translated(AddLabel<ElidedLabel>(personal, QStringLiteral("lblName"), {},
                                   TwipsRect(240, 240, kDetailsRight - 240, 240), kValueColour),
             "accessibleName", QT_TRANSLATE_NOOP("ResultWindow", "Name"));
  const struct {
    const char* caption;
    const char* label;
    const char* value;
  } rows[7] = {{QT_TRANSLATE_NOOP("ResultWindow", "Date of Birth :"), "Label1(12)", "lblDOB"},
               {QT_TRANSLATE_NOOP("ResultWindow", "Time of Birth :"), "Label14", "lblTOB"},
               {QT_TRANSLATE_NOOP("ResultWindow", "Longitude :"), "Label13", "lblLongitude"},
               {QT_TRANSLATE_NOOP("ResultWindow", "Latitude   :"), "Label7", "lblLatitude"},
               {QT_TRANSLATE_NOOP("ResultWindow", "City :"), "Label17", "lblCity"},
               {QT_TRANSLATE_NOOP("ResultWindow", "State :"), "Label15", "lblState"},
               {QT_TRANSLATE_NOOP("ResultWindow", "Country :"), "Label16", "lblCountry"}};
  // A line of text and some room below it: the design's 195 twips are exactly one line of
  // 8 pt text and leave the descenders no ink to spare.
  constexpr int kDetailHeight = 240;
  for (int row = 0; row < 7; ++row) {
    const int top = 600 + 300 * row;
    QLabel* caption = Translated(AddLabel(personal, QLatin1String(rows[row].label), {},
                                          TwipsRect(240, top, 1320, kDetailHeight), kCaptionColour),
                                 "text", rows[row].caption);
    QLabel* value = AddLabel<ElidedLabel>(personal, QLatin1String(rows[row].value), {},
                                          TwipsRect(1560, top, kDetailsRight - 1560, kDetailHeight),
                                          kValueColour);
    captions_.insert(value, caption);
    detailRows_.append(std::pair{caption, value});
  }

  // Not one of the sheet's slots: the reading's own captions stay as they are.
  const int clockTop = 600 + 300 * 7;
  QLabel* clockCaption =
      Translated(AddLabel(personal, QStringLiteral("lblClockCaption"), {},
                          TwipsRect(240, clockTop, 1320, kDetailHeight), kCaptionColour),
                 "text", QT_TRANSLATE_NOOP("ResultWindow", "Clock :"));
  clockCaption->hide();
  auto* clock = AddLabel<ElidedLabel>(personal, QStringLiteral("lblClockUsed"), {},
                                      TwipsRect(1560, clockTop, 2055, kDetailHeight), kValueColour);
  Translated(clock, "accessibleName", QT_TRANSLATE_NOOP("ResultWindow", "Clock used"));
  clock->hide();
  detailRows_.append(std::pair<QLabel*, QLabel*>{clockCaption, clock});
  personal->installEventFilter(this);

  tabs->addTab(Page(western), QString());
  tabs->addTab(Page(personal), QString());
  WhenTranslated(tabs, [tabs] {
    tabs->setTabText(0, QCoreApplication::translate("ResultWindow", "Planetary Position"));
    tabs->setTabText(1, QCoreApplication::translate("ResultWindow", "Your Details"));
  });
  tabs->setCurrentIndex(1);
}

void FrmDisplay::ShowClock(const QString& clock) {
  clock_ = clock;
  auto* value = findChild<ElidedLabel*>(QStringLiteral("lblClockUsed"));
  value->setText(ClockText(clock));
  value->ExplainIfCut();
  value->setVisible(!clock.isEmpty());
  findChild<QWidget*>(QStringLiteral("lblClockCaption"))->setVisible(!clock.isEmpty());
  SpaceDetailRows();
}

void FrmDisplay::SpaceDetailRows() {
  // The rows under the name at the design's pitch; with the clock's row too they stand closer
  // where the frame is too short for eight, so the last keeps a pixel clear of the frame's
  // line (it touched it, and cut the dot of a Hindi ड़).
  const QWidget* frame = detailRows_.first().first->parentWidget();
  const int first = Twips(600), pitch = Twips(300);
  const int shown = clock_.isEmpty() ? detailRows_.size() - 1 : detailRows_.size();
  const int lastTop = frame->rect().bottom() - 2 - detailRows_.first().first->height();
  const int spaced = std::max(1, std::min(pitch, (lastTop - first) / std::max(1, shown - 1)));
  for (int row = 0; row < detailRows_.size(); ++row)
    for (QLabel* label : {detailRows_[row].first, detailRows_[row].second})
      label->move(label->x(), first + spaced * row);
}

bool FrmDisplay::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && !detailRows_.isEmpty() &&
      watched == detailRows_.first().first->parentWidget())
    SpaceDetailRows();
  return QWidget::eventFilter(watched, event);
}

void FrmDisplay::BuildReadingPanel() {
  auto* tabs = new ReadingTabs(this);
  tabs->setObjectName(QStringLiteral("SSTab1"));
  tabs->setDocumentMode(true);
  tabs->setGeometry(TwipsRect(10080, 3840, 4575, 4935));

  QGroupBox* details =
      AddFrame(nullptr, "Frame1", QT_TRANSLATE_NOOP("ResultWindow", "Pataki Chakra Details"));
  const struct {
    const char* heading;
    const char* label;
    const char* value;
  } items[9] = {{QT_TRANSLATE_NOOP("ResultWindow", "Vaar/Day of Birth"), "Label2", "lblVaar"},
                {QT_TRANSLATE_NOOP("ResultWindow", "Sun Rise"), "Label3", "lblSunRise"},
                {QT_TRANSLATE_NOOP("ResultWindow", "Sun Set"), "Label4", "lblSunSet"},
                {"", "lblPeriod", "blPeriodDisplay"},
                {QT_TRANSLATE_NOOP("ResultWindow", "Yamaradha"), "Label8", "lblYamradhaDisplay"},
                {QT_TRANSLATE_NOOP("ResultWindow", "Yamardhapati"), "Label9", "lblYamardhapati"},
                {QT_TRANSLATE_NOOP("ResultWindow", "Dandadhipati"), "Label10", "lblDandadhipati"},
                {QT_TRANSLATE_NOOP("ResultWindow", "Lagna"), "Label11", "lblLagna"},
                {QT_TRANSLATE_NOOP("ResultWindow", "Rashi"), "Label12", "lblRashi"}};
  // Heading above value, the items spread evenly down the frame, each label a whole line high.
  // A value wraps where it is too wide: a sunrise of a polar day or night carries a note and
  // takes two lines.
  auto* column = new QVBoxLayout(details);
  column->setContentsMargins(Twips(135), 0, Twips(135), 0);
  column->setSpacing(0);
  for (const auto& item : items) {
    auto* heading = AddLabel<CompactLinesLabel>(details, QLatin1String(item.label), {}, {},
                                                kCaptionColour, Qt::AlignCenter);
    if (*item.heading) Translated(heading, "text", item.heading);
    auto* value = AddLabel<CompactLinesLabel>(details, QLatin1String(item.value), {}, {},
                                              kValueColour, Qt::AlignCenter);
    value->setWordWrap(true);
    captions_.insert(value, heading);
    for (QLabel* label : {heading, value}) column->addWidget(label);
    column->addStretch(1);
  }

  auto* text = new QTextEdit;
  text->setObjectName(QStringLiteral("RTB"));
  text->setReadOnly(true);
  text->setAcceptRichText(false);
  Translated(text, "accessibleName", QT_TRANSLATE_NOOP("ResultWindow", "Reading text"));
  Paint(text, kBackground, kValueColour);

  // Where a script's lines are taller than the tab has room for (Tamil), the details scroll
  // rather than lose their last rows; in English they fit and no scroll bar shows.
  auto* scroll = new QScrollArea;
  scroll->setObjectName(QStringLiteral("DetailsScroll"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidget(details);
  Paint(scroll->viewport(), kBackground, kValueColour);
  tabs->addTab(Page(scroll), QString());
  tabs->addTab(Page(text), QString());
  WhenTranslated(tabs, [tabs] {
    tabs->setTabText(0, QCoreApplication::translate("ResultWindow", "Pataki Details"));
    tabs->setTabText(1, QCoreApplication::translate("ResultWindow", " More About Vedha"));
  });
  tabs->setCurrentIndex(0);
}

void FrmDisplay::BuildForumLabels(LinkOpener& links) {
  Translated(
      AddLabel(this, QStringLiteral("Label5"), {}, TwipsRect(10680, 0, 3690, 240), kCaptionColour),
      "text", QT_TRANSLATE_NOOP("ResultWindow", "Discuss your chart in our astrology forum"));
  auto* address = new LinkLabel(QStringLiteral(" ") + ForumAddress(), this);
  address->setObjectName(QStringLiteral("Label6"));
  // Wider than at design, up to the window's edge, so the whole address shows.
  address->setGeometry(TwipsRect(11400, 240, 3285, 240));
  SetTextColour(address, kValueColour);
  connect(address, &LinkLabel::activated, this, [&links] { OpenHomePage(links); });
}

QList<QFont> FrmDisplay::DrawnFonts() const {
  QList<QFont> fonts{font()};
  for (const QWidget* widget : findChildren<QWidget*>()) {
    const auto* signs = qobject_cast<const SignContents*>(widget);
    fonts << (signs ? signs->Arrange().font : widget->font());
  }
  return fonts;
}

QList<QWidget*> FrmDisplay::TabStops() const {
  QList<QWidget*> stops;
  for (QWidget* w : tabOrder_) {
    while (w->focusProxy()) w = w->focusProxy();  // a tab widget's focus is its tab bar's
    if (w->isVisibleTo(this) && w->isEnabled()) stops << w;
  }
  return stops;
}

void FrmDisplay::FocusEnd(bool first) {
  const QList<QWidget*> stops = TabStops();
  if (!stops.isEmpty())
    (first ? stops.first() : stops.last())
        ->setFocus(first ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

bool FrmDisplay::focusNextPrevChild(bool next) {
  const QList<QWidget*> stops = TabStops();
  const qsizetype at = stops.indexOf(focusWidget());
  if (at < 0) return QWidget::focusNextPrevChild(next);
  const qsizetype to = at + (next ? 1 : -1);
  if (to < 0 || to >= stops.size()) {
    emit tabbedOut(next);
    return true;
  }
  stops[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void FrmDisplay::ShowDesignCaptions() {
  for (const core::WrittenWidget& widget : core::WrittenWidgets())
    if (auto* label = findChild<QLabel*>(FromUtf8(widget.name)))
      label->setText(SheetCaption(FromUtf8(widget.designCaption)));
}

void FrmDisplay::Render(const core::ResultSheet& sheet) {
  sheet_ = sheet;
  ShowSheet(sheet);
}

void FrmDisplay::ShowSheet(const core::ResultSheet& sheet) {
  ShowDesignCaptions();
  for (std::size_t i = 0; i < sheet.captions.size(); ++i) {
    if (!sheet.captions[i] || IsSignContentSlot(i)) continue;
    if (auto* label = findChild<QLabel*>(FromUtf8(core::WrittenWidgets()[i].name)))
      label->setText(TypedByPerson(core::WrittenWidgets()[i].name)
                         ? Lines(*sheet.captions[i])
                         : WrittenCaptionText(sheet, core::WrittenWidgets()[i].name));
  }
  for (ElidedLabel* typed : findChildren<ElidedLabel*>()) typed->ExplainIfCut();

  // The sign boxes from the chart: the bodies in each, and the highlighted signs.
  for (int sign = 0; sign < 12; ++sign) {
    if (!sheet.chart) break;
    const core::ChartSign& contents = sheet.chart->signs[static_cast<std::size_t>(sign)];
    signBoxes_[sign]
        ->findChild<QLabel*>(FromUtf8(core::kSignContentLabels[sign]))
        ->setText(SignBoxCaption(contents));
    if (!contents.highlighted) continue;
    Paint(signBoxes_[sign], kHighlight, kValueColour);
    // Green on the highlight is hard to read; the sign's name takes the value colour there.
    if (auto* name = signBoxes_[sign]->findChild<QLabel*>(QStringLiteral("Label1(%1)").arg(sign)))
      SetTextColour(name, kValueColour);
  }

  auto* text = findChild<QTextEdit*>(QStringLiteral("RTB"));
  text->clear();
  QTextCursor cursor(text->document());
  cursor.movePosition(QTextCursor::End);
  // The reading text in the language in use (English: the library's own runs).
  for (const core::TextRun& run : ReadingRuns(sheet)) {
    QTextCharFormat format;
    format.setFontWeight(run.emphasis ? QFont::Bold : QFont::Normal);
    format.setForeground(QColor(run.colour.r, run.colour.g, run.colour.b));
    cursor.insertText(Lines(run.text), format);
  }
  // The reading is read from its heading down.
  text->moveCursor(QTextCursor::Start);
  NameValues();
}

void FrmDisplay::NameValues() {
  for (auto it = captions_.cbegin(); it != captions_.cend(); ++it) {
    QString caption = it.value()->text().simplified();
    if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
    caption = caption.trimmed();
    const QString value = it.key()->text().simplified();
    it.key()->setAccessibleName(value.isEmpty() ? caption : caption + QStringLiteral(", ") + value);
  }
  // The name has no caption on the window; it is read as "Name, ASHA RANI".
  auto* name = findChild<QLabel*>(QStringLiteral("lblName"));
  const QString caption = QCoreApplication::translate("ResultWindow", "Name");
  name->setAccessibleName(name->text().isEmpty() ? caption
                                                 : caption + QStringLiteral(", ") + name->text());
}

}  // namespace ui
