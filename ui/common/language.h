#pragma once
// The language of the windows, the page, the PDF and the chart picture: English (the texts of
// the sources) or one of the translations built into the program (:/i18n), as the language
// table lists them (language_table.h). Every text a person sees goes through Qt's translation
// functions; the library's texts (messages, the reading) are English and are translated where
// they are shown.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "ui/common/language_table.h"

class QObject;

namespace ui {

// A field of the language table as text.
QString FromTable(std::string_view field);
// The row's code ("en", "hi", "ta"): the settings file's value and --language's.
QString LanguageCode(Language language);
// The language's name in itself, as the Language menu shows it: English, हिन्दी, தமிழ்.
QString Autonym(Language language);
// Exactly one of the codes above; anything else is empty.
std::optional<Language> LanguageFromCode(const QString& code);
// The languages of a translation, every one but the sources' English, in the table's order.
std::vector<Language> TranslatedLanguages();
// Every code, as the messages that name them list them: "en, hi or ta".
QString LanguageCodeList();
// "a", "a or b", "a, b or c": choices as an English sentence lists them.
QString OneOf(const QStringList& choices);

// The desktop's language as gettext reads the environment: the locale from LC_ALL, else
// LC_MESSAGES, else LANG ("hi_IN.UTF-8"); unset, "C" or "POSIX" mean English. LANGUAGE, a
// list of preferences ("ta:en"), comes first unless the locale is C; its first entry the
// program has wins. A language the program does not have gives English.
// `variable` gives an environment variable's value by its name (empty when unset).
using EnvironmentLookup = std::function<QString(const char* name)>;
Language DesktopLanguage(const EnvironmentLookup& variable);
// The same for the program's own environment (read variable by variable: the whole of it, as
// QProcessEnvironment gives it, pages in code the start-up does not otherwise need).
Language DesktopLanguage();

// The Language menu's kept choice in the settings file; empty when none is kept (the desktop's
// language then). A value the program does not know is ignored with one line on stderr.
std::optional<Language> LoadLanguagePreference();
// Keeps `language`; writes the file only when it differs from what the file holds.
void SaveLanguagePreference(Language language);

// Installs the translation of `language` for the whole application (English: none) and, when
// it changes, sends every window QEvent::LanguageChange. False, with a line on stderr, when
// the translation cannot be loaded (English is then used).
bool UseLanguage(Language language);
Language CurrentLanguage();

// Runs `apply` now and again after every change of language, as long as `owner` lives: the
// texts of windows built from code are set in it once and so follow the language. `owner`
// must be a widget or a child object of one (the event reaches the widgets' children).
void WhenTranslated(QObject* owner, std::function<void()> apply);

}  // namespace ui

namespace ui {

// Sets `object`'s `property` ("text", "title", "toolTip", "accessibleName", ...) to the
// translation of `source` in `context`, now and after every change of language. Callers write
// the source as QT_TRANSLATE_NOOP(context, source), so lupdate finds it. `object` is a widget
// or a child object of one (an action of a menu).
void SetTranslated(QObject* object, const char* property, const char* context, const char* source);

}  // namespace ui
