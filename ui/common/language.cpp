#include "ui/common/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QPointer>
#include <QTranslator>
#include <QWidget>
#include <cstdio>
#include <vector>

#include "ui/common/settings_file.h"

namespace ui {

namespace {

const QString kLanguageKey = QStringLiteral("language");

// The standard buttons of message and question boxes take their texts from this context of
// Qt's own translations, which Debian does not ship for Hindi or Tamil: the program's
// translations carry them (QPlatformTheme::defaultStandardButtonText lists them).
[[maybe_unused]] constexpr const char* kStandardButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save All"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Yes to &All"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "N&o to All"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Abort"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Retry"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Ignore"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Discard"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Help"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Apply"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Reset"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Restore Defaults"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Don't Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close without Saving")};

// "hi_IN.UTF-8@x" → "hi".
QString LanguagePart(const QString& locale) {
  qsizetype end = 0;
  while (end < locale.size() && locale[end].isLetter()) ++end;
  return locale.left(end).toLower();
}

std::optional<Language> Known(const QString& locale) {
  return LanguageFromCode(LanguagePart(locale));
}

Language current = Language::English;

// Runs its function whenever the event of a change of language reaches it.
class LanguageHook : public QObject {
 public:
  LanguageHook(QObject* owner, std::function<void()> apply)
      : QObject(owner), apply_(std::move(apply)) {}
  bool event(QEvent* event) override {
    if (event->type() == QEvent::LanguageChange) apply_();
    return QObject::event(event);
  }

 private:
  std::function<void()> apply_;
};

// The translated properties of one window, set again when the event reaches the window: one
// object for all of them rather than a hook each (a hook is an object of some 700 bytes, and a
// form holds a hundred texts: start-up memory). An entry whose object is gone is skipped.
class TranslatedProperties : public QObject {
 public:
  struct Entry {
    QPointer<QObject> target;
    const char* property;
    const char* context;
    const char* source;
  };

  using QObject::QObject;

  // The window's list, made with its first entry.
  static TranslatedProperties& Of(QWidget& window) {
    for (QObject* child : window.children())
      if (auto* list = dynamic_cast<TranslatedProperties*>(child)) return *list;
    return *new TranslatedProperties(&window);
  }

  void Add(Entry entry) {
    Apply(entry);
    entries_.push_back(std::move(entry));
  }

  bool event(QEvent* event) override {
    if (event->type() == QEvent::LanguageChange)
      for (const Entry& entry : entries_) Apply(entry);
    return QObject::event(event);
  }

 private:
  static void Apply(const Entry& entry) {
    if (entry.target)
      entry.target->setProperty(entry.property,
                                QCoreApplication::translate(entry.context, entry.source));
  }

  std::vector<Entry> entries_;
};

}  // namespace

QString FromTable(std::string_view field) {
  return QString::fromUtf8(field.data(), qsizetype(field.size()));
}

QString LanguageCode(Language language) {
  return FromTable(RowOf(language).code);
}

QString Autonym(Language language) {
  return FromTable(RowOf(language).autonym);
}

std::optional<Language> LanguageFromCode(const QString& code) {
  for (Language language : kLanguages)
    if (code == LanguageCode(language)) return language;
  return std::nullopt;
}

std::vector<Language> TranslatedLanguages() {
  std::vector<Language> translated;
  for (const Language language : kLanguages)
    if (!RowOf(language).translation.empty()) translated.push_back(language);
  return translated;
}

QString LanguageCodeList() {
  QStringList codes;
  for (Language language : kLanguages) codes << LanguageCode(language);
  return OneOf(codes);
}

QString OneOf(const QStringList& choices) {
  if (choices.size() < 2) return choices.value(0);
  return choices.mid(0, choices.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") +
         choices.back();
}

Language DesktopLanguage(const EnvironmentLookup& variable) {
  QString locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = variable(name);
    if (!locale.isEmpty()) break;
  }
  if (locale.isEmpty() || locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) ||
      locale == QLatin1String("POSIX"))
    return Language::English;
  for (const QString& preference : variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
    if (const auto language = Known(preference)) return *language;
  return Known(locale).value_or(Language::English);
}

Language DesktopLanguage() {
  return DesktopLanguage([](const char* name) { return qEnvironmentVariable(name); });
}

std::optional<Language> LoadLanguagePreference() {
  // The calculation's loading already says when the file cannot be read.
  const std::optional<QString> code =
      ReadSettingsFile().settings.Value(IniSettings::kGeneral, kLanguageKey);
  if (!code) return std::nullopt;
  const auto language = LanguageFromCode(*code);
  if (!language)
    WarnAboutSettings(QStringLiteral("the language \"%1\" is not known (%2); the desktop's "
                                     "language is used.")
                          .arg(*code, LanguageCodeList()));
  return language;
}

void SaveLanguagePreference(Language language) {
  const auto failed = ChangeSettingsFile([language](IniSettings& settings) {
    settings.SetValue(IniSettings::kGeneral, kLanguageKey, LanguageCode(language));
  });
  if (failed) WarnAboutSettings(*failed + QLatin1Char('.'));
}

bool UseLanguage(Language language) {
  static QTranslator* translator = nullptr;
  if (language == current) return true;
  if (translator) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
  }
  current = Language::English;
  const std::string_view translation = RowOf(language).translation;
  if (translation.empty()) return true;  // the sources' English
  auto loaded = std::make_unique<QTranslator>();
  const QString file =
      QStringLiteral(":/i18n/%1.qm").arg(QFileInfo(FromTable(translation)).completeBaseName());
  if (!loaded->load(file)) {
    std::fprintf(stderr, "orvel-pataki-chakra: %s cannot be read; English is used.\n",
                 qUtf8Printable(file));
    return false;
  }
  translator = loaded.release();
  QCoreApplication::installTranslator(translator);
  current = language;
  return true;
}

Language CurrentLanguage() {
  return current;
}

void WhenTranslated(QObject* owner, std::function<void()> apply) {
  apply();
  new LanguageHook(owner, std::move(apply));
}

void SetTranslated(QObject* object, const char* property, const char* context, const char* source) {
  // The event reaches windows and their children: an action's entry goes to its menu's list.
  QObject* owner = object;
  while (owner && !owner->isWidgetType()) owner = owner->parent();
  if (!owner) {
    WhenTranslated(object, [object, property, context, source] {
      object->setProperty(property, QCoreApplication::translate(context, source));
    });
    return;
  }
  TranslatedProperties::Of(*static_cast<QWidget*>(owner)->window())
      .Add({QPointer<QObject>(object), property, context, source});
}

}  // namespace ui
