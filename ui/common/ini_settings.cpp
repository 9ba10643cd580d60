#include "ui/common/ini_settings.h"

#include <algorithm>

namespace ui {

namespace {

int HexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}

// %XX (a Latin-1 character) and %UXXXX (a UTF-16 unit), the escapes of group and key names.
QString UnescapedName(QByteArrayView raw) {
  const QString text = QString::fromUtf8(raw);
  QString name;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype width = text.mid(i + 1, 1) == QLatin1String("U") ? 4 : 2;
    const qsizetype from = i + 1 + (width == 4 ? 1 : 0);
    bool escaped = text[i] == QLatin1Char('%') && from + width <= text.size();
    char16_t unit = 0;
    for (qsizetype k = 0; escaped && k < width; ++k) {
      const int digit = HexDigit(text[from + k]);
      escaped = digit >= 0;
      unit = static_cast<char16_t>(unit * 16 + digit);
    }
    if (!escaped) {
      name += text[i];
      continue;
    }
    name += QChar(unit);
    i = from + width - 1;
  }
  return name;
}

// A name as written: letters, digits and a few marks as they are, anything else escaped.
QByteArray EscapedName(const QString& name) {
  QByteArray raw;
  for (const QChar c : name) {
    const char16_t u = c.unicode();
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-' ||
        u == '_' || u == '.')
      raw += static_cast<char>(u);
    else if (u == '/')
      raw += '\\';  // a key's subgroups
    else if (u < 0x100)
      raw += '%' + QByteArray::number(u, 16).toUpper().rightJustified(2, '0');
    else
      raw += "%U" + QByteArray::number(u, 16).toUpper().rightJustified(4, '0');
  }
  return raw;
}

// The text up to a comment (';' outside quotes), without the blanks around it.
QByteArrayView BeforeComment(QByteArrayView line) {
  bool quoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    if (line[i] == '\\' && quoted)
      ++i;
    else if (line[i] == '"')
      quoted = !quoted;
    else if (line[i] == ';' && !quoted)
      return line.first(i).trimmed();
  }
  return line.trimmed();
}

// The C-style escape at text[i] (after its backslash); i is left on its last character.
QChar Unescaped(const QString& text, qsizetype& i) {
  static const QString kLetters = QStringLiteral("abfnrtv\"'?\\");
  static const QString kMeanings = QStringLiteral("\a\b\f\n\r\t\v\"'?\\");
  const QChar c = text[i];
  if (const qsizetype k = kLetters.indexOf(c); k >= 0) return kMeanings[k];
  const bool hex = c == QLatin1Char('x');
  const int base = hex ? 16 : 8;
  if (!hex && (c < QLatin1Char('0') || c > QLatin1Char('7'))) return c;
  char16_t unit = 0;
  qsizetype k = hex ? i + 1 : i;
  for (; k < text.size() && HexDigit(text[k]) >= 0 && HexDigit(text[k]) < base; ++k)
    unit = static_cast<char16_t>(unit * base + HexDigit(text[k]));
  i = k - 1;
  return QChar(unit);
}

QString UnescapedValue(QByteArrayView raw) {
  const QString text = QString::fromUtf8(raw);
  QString value;
  bool quoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('"'))
      quoted = !quoted;
    else if (text[i] == QLatin1Char('\\') && i + 1 < text.size())
      value += Unescaped(text, ++i);
    else
      value += text[i];
  }
  // A leading '@' marks a typed value; a text of its own that starts with one doubles it.
  if (value.startsWith(QLatin1String("@@"))) return value.mid(1);
  if (value.startsWith(QLatin1String("@ByteArray(")) && value.endsWith(QLatin1Char(')')))
    return value.mid(11, value.size() - 12);
  return value;
}

QByteArray EscapedValue(const QString& value) {
  const bool plain = !value.startsWith(QLatin1Char('@')) && value.trimmed() == value &&
                     std::none_of(value.begin(), value.end(), [](QChar c) {
                       return c < QLatin1Char(' ') || QStringLiteral(";,\"\\=").contains(c);
                     });
  if (plain) return value.toUtf8();
  QString quoted = value;
  if (quoted.startsWith(QLatin1Char('@'))) quoted.prepend(QLatin1Char('@'));
  quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
      .replace(QLatin1Char('"'), QLatin1String("\\\""))
      .replace(QLatin1Char('\n'), QLatin1String("\\n"))
      .replace(QLatin1Char('\r'), QLatin1String("\\r"))
      .replace(QLatin1Char('\t'), QLatin1String("\\t"));
  return '"' + quoted.toUtf8() + '"';
}

}  // namespace

IniSettings IniSettings::Parse(QByteArrayView text) {
  IniSettings settings;
  if (text.startsWith("\xEF\xBB\xBF")) text = text.sliced(3);  // a byte-order mark
  Group* group = nullptr;
  while (!text.isEmpty()) {
    const auto end =
        std::find_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; });
    const QByteArrayView line = text.first(end - text.begin()).trimmed();
    text = text.sliced(std::min<qsizetype>(end - text.begin() + 1, text.size()));
    if (line.startsWith('[')) {
      const qsizetype close = line.indexOf(']');
      if (close < 0) {
        settings.malformed_ = true;
        continue;
      }
      const QByteArrayView raw = line.sliced(1, close - 1).trimmed();
      // [General] is the top level; a group of that very name is written [%General].
      group = &settings.GroupNamed(raw == "General" ? QString() : UnescapedName(raw),
                                   raw.toByteArray());
      continue;
    }
    const QByteArrayView content = BeforeComment(line);
    const qsizetype equals = content.indexOf('=');
    if (equals < 0) continue;  // a comment, a blank line, or no key
    const QByteArrayView rawKey = content.first(equals).trimmed();
    QString key = UnescapedName(rawKey).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!group) group = &settings.GroupNamed(QString(), kGeneral.toLatin1());
    auto& entries = group->entries;
    auto kept = std::find_if(entries.begin(), entries.end(),
                             [&key](const Entry& entry) { return entry.key == key; });
    if (kept == entries.end()) kept = entries.insert(entries.end(), Entry{key, {}, {}});
    kept->rawKey = rawKey.toByteArray();
    kept->rawValue = content.sliced(equals + 1).trimmed().toByteArray();
  }
  return settings;
}

std::optional<QString> IniSettings::Value(const QString& group, const QString& key) const {
  if (const Group* found = Find(group == kGeneral ? QString() : group))
    for (const Entry& entry : found->entries)
      if (entry.key == key) return UnescapedValue(entry.rawValue);
  return std::nullopt;
}

bool IniSettings::HasGroup(const QString& group) const {
  return Find(group == kGeneral ? QString() : group) != nullptr;
}

void IniSettings::SetValue(const QString& group, const QString& key, const QString& value) {
  auto& entries = GroupToWrite(group).entries;
  auto kept = std::find_if(entries.begin(), entries.end(),
                           [&key](const Entry& entry) { return entry.key == key; });
  if (kept == entries.end()) kept = entries.insert(entries.end(), Entry{key, EscapedName(key), {}});
  kept->rawValue = EscapedValue(value);
}

void IniSettings::ReplaceGroup(const QString& group,
                               const std::vector<std::pair<QString, QString>>& keys) {
  GroupToWrite(group).entries.clear();
  for (const auto& [key, value] : keys) SetValue(group, key, value);
}

QByteArray IniSettings::Text() const {
  QByteArray text;
  for (const Group& group : groups_) {
    if (!text.isEmpty()) text += '\n';
    text += '[' + group.rawName + "]\n";
    for (const Entry& entry : group.entries) text += entry.rawKey + '=' + entry.rawValue + '\n';
  }
  return text;
}

IniSettings::Group& IniSettings::GroupNamed(const QString& name, QByteArray rawName) {
  const auto found = std::find_if(groups_.begin(), groups_.end(),
                                  [&name](const Group& group) { return group.name == name; });
  if (found != groups_.end()) return *found;
  return groups_.emplace_back(Group{name, std::move(rawName), {}});
}

IniSettings::Group& IniSettings::GroupToWrite(const QString& group) {
  return group == kGeneral ? GroupNamed(QString(), group.toLatin1())
                           : GroupNamed(group, EscapedName(group));
}

const IniSettings::Group* IniSettings::Find(const QString& name) const {
  const auto found = std::find_if(groups_.begin(), groups_.end(),
                                  [&name](const Group& group) { return group.name == name; });
  return found == groups_.end() ? nullptr : &*found;
}

}  // namespace ui
