#include "places/zone_list.h"

#include <QTimeZone>
#include <algorithm>
#include <fstream>

#include "core/quoted_text.h"

namespace places {

namespace {

// Zone and link names of tzdata.zi, the database compiled into one text by zic's makefile.
std::vector<std::string> ReadZi(const std::string& path) {
  std::vector<std::string> ids;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    // "Z <name> ..." names a zone, "L <target> <name>" a link.
    const bool zone = line.starts_with("Z "), link = line.starts_with("L ");
    if (!zone && !link) continue;
    std::size_t start = 2;
    if (link)
      start = line.find(' ', start) == std::string::npos ? line.size() : line.find(' ', start) + 1;
    const std::size_t end = std::min(line.find(' ', start), line.size());
    if (end > start) ids.push_back(line.substr(start, end - start));
  }
  return ids;
}

// QtCore's own list (zone.tab), without the fixed offsets Qt adds ("UTC+05:30"), which are
// no zones of the database.
std::vector<std::string> ReadQtList() {
  std::vector<std::string> ids;
  for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
    if (!id.startsWith("UTC")) ids.push_back(id.toStdString());
  return ids;
}

}  // namespace

ZoneList ZoneList::Read(std::string_view zoneinfoDir) {
  ZoneList list;
  list.ids_ = ReadZi(std::string(zoneinfoDir) + "/tzdata.zi");
  if (list.ids_.empty() && zoneinfoDir == kZoneinfoDir) list.ids_ = ReadQtList();
  std::sort(list.ids_.begin(), list.ids_.end());
  list.ids_.erase(std::unique(list.ids_.begin(), list.ids_.end()), list.ids_.end());
  return list;
}

ZoneCheck ZoneList::Check(std::string_view id) const {
  if (!readable()) return ZoneCheck::TzDataUnreadable;
  return std::binary_search(ids_.begin(), ids_.end(), id, std::less<>()) ? ZoneCheck::Known
                                                                         : ZoneCheck::Unknown;
}

ZoneCheck CheckZone(std::string_view id) {
  static const ZoneList list = ZoneList::Read();  // read once, never changed
  return list.Check(id);
}

std::string ZoneProblem(ZoneCheck check, std::string_view id, std::string_view zoneinfoDir) {
  switch (check) {
    case ZoneCheck::Known:
      return {};
    case ZoneCheck::Unknown:
      return "unknown time zone \"" + core::QuoteForMessage(id) + "\"";  // the file's text
    case ZoneCheck::TzDataUnreadable:
      break;
  }
  return "the tz data cannot be read (" + std::string(zoneinfoDir) + ")";
}

}  // namespace places
