#include "ui/help/about_box.h"

#include <QCoreApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "places/birth_clock.h"
#include "ui/common/filled_template.h"
#include "ui/common/library_texts.h"
#include "ui/common/link_label.h"
#include "ui/common/look.h"
#include "ui/common/program_texts.h"
#include "ui/common/web_links.h"

namespace ui {

namespace {

// The title's design width (2565 twips), widened so the bold caption with its version shows
// whole in the system's sans as well as in Verdana.
constexpr int kTitleWidth = 2565 + 1200;

QLabel* PlainLabel(const QString& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

FrmAbout::FrmAbout(LinkOpener& links, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(kWindowCaption);
  setModal(true);
  setFont(AppFont(8));
  Paint(this, kBackground, kValueColour);
  // Room below the credits for the licence lines.
  constexpr int kLicenceHeight = 630;
  setFixedSize(Twips(6555), Twips(3840 + kLicenceHeight));

  auto* icon = PlainLabel({}, "picIcon", this);
  icon->setPixmap(windowIcon().pixmap(Twips(480), Twips(480)));
  icon->setGeometry(TwipsRect(240, 120, 480, 480));

  auto* title = PlainLabel(kWindowCaption, "Label2", this);
  title->setFont(AppFont(8, true));
  title->setGeometry(TwipsRect(840, 240, kTitleWidth, 240));

  auto* description = PlainLabel(Description(), "Label1", this);
  description->setWordWrap(true);
  Paint(description, QColor(255, 255, 128), kCaptionColour);
  // Room between the text and the edge of its yellow ground, and the lines that room takes.
  description->setMargin(Twips(90));
  description->setGeometry(TwipsRect(120, 720, 6315, 1170));

  auto* homePage =
      new LinkLabel(Filled(QCoreApplication::translate("AboutBox", "Click here to visit %1"),
                           {HomePage().toString()}),
                    this);
  homePage->setObjectName(QStringLiteral("lblHomePage"));
  homePage->setGeometry(TwipsRect(2250, 1950, 4050, 195));
  connect(homePage, &LinkLabel::activated, this, [&links] { OpenHomePage(links); });

  // The atlas's licence asks for this credit; the tz release tells which clocks were used.
  auto* credits =
      PlainLabel(Filled(QCoreApplication::translate(
                            "AboutBox",
                            "Birth places from GeoNames (www.geonames.org), licensed under CC BY "
                            "4.0. Clocks of the birth places from the tz database, release %1."),
                        {QString::fromStdString(places::TzDataVersion())}),
                 "lblCredits", this);
  credits->setWordWrap(true);
  credits->setAccessibleName(QCoreApplication::translate("AboutBox", "Credits"));
  credits->setGeometry(TwipsRect(120, 2310, 6315, 840));

  // The licences the combination with the Swiss Ephemeris is conveyed under.
  auto* licence = PlainLabel(
      QCoreApplication::translate(
          "AboutBox",
          "This program is free software under the GPL-3.0-or-later. It uses the Swiss Ephemeris "
          "of Astrodienst AG (AGPL-3.0), a combination section 13 of the GPL-3.0 allows; its "
          "ephemeris files are CC0-1.0 (swe-basic-data)."),
      "lblLicence", this);
  licence->setWordWrap(true);
  licence->setAccessibleName(QCoreApplication::translate("AboutBox", "Licence"));
  licence->setGeometry(TwipsRect(120, 3150, 6315, kLicenceHeight));

  auto* line = new QFrame(this);
  line->setObjectName(QStringLiteral("Line1(0)"));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Plain);
  line->setLineWidth(2);
  line->setGeometry(TwipsRect(120, 3255 + kLicenceHeight, 6195, 30));

  auto* ok = new QPushButton(QCoreApplication::translate("AboutBox", "OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setGeometry(TwipsRect(5070, 3360 + kLicenceHeight, 1260, 345));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  // The box opens on OK, so Enter closes it; the link, made first, would take the focus and
  // answer Enter by opening the browser. Tab still reaches it.
  ok->setFocus();
}

void ShowAbout(QWidget* parent, LinkOpener& links) {
  FrmAbout box(links, parent);
  box.exec();
}

}  // namespace ui
