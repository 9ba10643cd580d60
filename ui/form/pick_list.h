#pragma once
// The form's pick lists (date, time and zone). Each sizes itself from one text or a number of
// characters given when it is made, as Qt sizes a list for its widest entry or for a content
// length, without measuring every entry (the number and month lists hold 337). And each builds
// its popup list only when it is first opened: Qt builds it at once when a list's sizing rule
// or font is set, for a popup most lists of a reading never show. Digits typed into a list of
// numbers pick the number typed, whole.

#include <QComboBox>
#include <QElapsedTimer>
#include <chrono>
#include <optional>

namespace ui {

class PickList final : public QComboBox {
 public:
  // Digits typed with no longer a pause between them make one number: long enough to look for
  // the next key of a four-digit year, short enough that a new number can follow soon after.
  static constexpr std::chrono::milliseconds kTypingPause{1000};

  // As wide as `widestEntry`.
  PickList(QWidget* parent, QString widestEntry);
  // As wide as `characters` capital Xs and an icon.
  PickList(QWidget* parent, int characters);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }
  void showPopup() override;
  // Amid Devanagari or Tamil, the entries' Latin runs (offsets, abbreviations) drawn in the
  // Latin typeface, in the list and the open popup (ui/common/latin_runs.h).
  void DrawLatinRuns() { latinRuns_ = true; }

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // Qt's own search picks the next entry that starts with the key typed: "2" gives 20 after
  // 12, "1" gives 10 after 1. A list of numbers picks the number typed instead.
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The row of the number typed so far with `key`, -1 while the digits only begin a number;
  // empty when `key` is no digit or the list holds no numbers (then Qt's own search applies).
  std::optional<int> TypedRow(const QString& key);

  QString widestEntry_;
  int characters_ = 0;
  QString typed_;  // the digits typed so far
  QElapsedTimer sinceKey_;
  bool watchingPopup_ = false;
  bool latinRuns_ = false;
};

}  // namespace ui
