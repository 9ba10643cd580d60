#pragma once
// The fixed web addresses the program asks the desktop to open, and the coordinates search.
// The program never reads anything from the web itself.

#include <QString>
#include <QUrl>

namespace ui {

class LinkOpener;

// The maker's host: the home page, the forum and the program's own pages.
inline constexpr char kMakerHost[] = "http://www.orvelsoftware.com";
// The web search that finds a place's coordinates.
inline constexpr char kSearchSite[] = "https://duckduckgo.com/";

QUrl HelpPage();
QUrl DownloadPage();
QUrl HomePage();
// The discussion forum's address as the windows show it (it opens the home page).
QString ForumAddress();

// The search for "city state country Latitude Longitude"; the query travels only as an
// encoded query item of the search address.
QString CoordinatesQuery(const QString& city, const QString& state, const QString& country);
QUrl CoordinatesSearch(const QString& query);

void OpenHelpPage(LinkOpener& links);
void OpenDownloadPage(LinkOpener& links);
void OpenHomePage(LinkOpener& links);

}  // namespace ui
