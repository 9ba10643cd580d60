#include "ui/common/web_links.h"

#include <QUrlQuery>

#include "ui/common/services.h"

namespace ui {

QUrl HelpPage() {
  return QUrl(QString::fromLatin1(kMakerHost) + "/orvel-free-pataki-chakra-help.html");
}

QUrl DownloadPage() {
  return QUrl(QString::fromLatin1(kMakerHost) + "/download-orvel-free-pataki-chakra.html");
}

QUrl HomePage() {
  return QUrl(QString::fromLatin1(kMakerHost));
}

QString ForumAddress() {
  return QString::fromLatin1(kMakerHost) + "/forum";
}

QString CoordinatesQuery(const QString& city, const QString& state, const QString& country) {
  return city + " " + state + " " + country + " Latitude Longitude";
}

QUrl CoordinatesSearch(const QString& query) {
  // QUrlQuery takes values half-decoded: a literal '%' would start an escape and '+' or ';'
  // would reach the search site as a blank or a separator, so those go in pre-escaped.
  QString value = query;
  value.replace('%', "%25").replace('+', "%2B").replace(';', "%3B");
  QUrlQuery items;
  items.addQueryItem(QStringLiteral("q"), value);
  QUrl address(QString::fromLatin1(kSearchSite));
  address.setQuery(items);
  return address;
}

void OpenHelpPage(ui::LinkOpener& links) {
  links.Open(HelpPage());
}
void OpenDownloadPage(ui::LinkOpener& links) {
  links.Open(DownloadPage());
}
void OpenHomePage(ui::LinkOpener& links) {
  links.Open(HomePage());
}

}  // namespace ui
