#pragma once
// The settings file's text: INI as Qt's settings class writes it, so that every settings file
// an earlier version wrote is read, and an earlier version reads what this one writes. Groups
// in brackets, the top level as [General]; "key=value" lines; names with other characters than
// letters and digits escaped as %XX or %UXXXX; values quoted where needed, with C-style
// escapes; ';' starts a comment. A key given twice counts with its last value.
// Keys this program does not know are kept as they were written.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace ui {

class IniSettings {
 public:
  // The top level's group name.
  static inline const QString kGeneral = QStringLiteral("General");

  // Lines that are no INI (a group without its closing bracket) are left out, as they are
  // when the settings are written again; malformed() tells that there were some.
  static IniSettings Parse(QByteArrayView text);
  bool malformed() const { return malformed_; }

  std::optional<QString> Value(const QString& group, const QString& key) const;
  bool HasGroup(const QString& group) const;
  // Sets one key, in its place when it is there already.
  void SetValue(const QString& group, const QString& key, const QString& value);
  // The group holds exactly these keys, in its place when it is there already.
  void ReplaceGroup(const QString& group, const std::vector<std::pair<QString, QString>>& keys);

  QByteArray Text() const;

 private:
  struct Entry {
    QString key;
    QByteArray rawKey, rawValue;  // as written, kept for keys this program does not know
  };
  struct Group {
    QString name;  // empty for the top level
    QByteArray rawName;
    std::vector<Entry> entries;
  };
  // Groups by their unescaped name; the top level's is empty.
  Group& GroupNamed(const QString& name, QByteArray rawName);
  Group& GroupToWrite(const QString& group);
  const Group* Find(const QString& name) const;

  std::vector<Group> groups_;
  bool malformed_ = false;
};

}  // namespace ui
