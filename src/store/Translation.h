// The languages the program speaks and the loading of their translations. The English texts
// are the source texts; German, French and Spanish come from translations/veltrona_*.ts,
// compiled into the program, with Qt's own translations of its standard dialogs beside them.
#pragma once

#include <QString>
#include <functional>
#include <span>

namespace Translation {

struct TLanguage {
  const char* Code;  // as kept in the settings; empty for the system's language
  const char* Name;  // in its own language, as the Options dialog lists it
};

// "System", then English, Deutsch, Français, Español.
std::span<const TLanguage> Languages();

// The language to speak: Chosen when it is one of ours, else the system's as gettext finds it
// (LANGUAGE, unless the locale is C or POSIX, then LC_ALL, LC_MESSAGES, LANG); "en" when the
// system asks for none of ours. Environment reads a variable (a test's own).
QString Resolve(const QString& Chosen,
                const std::function<QString(const char*)>& Environment = nullptr);

// Loads the translations of Code ("de", "fr", "es"; nothing for "en") into the application,
// and hands the model its translation function. Needs a QCoreApplication; call once, before
// any window or text is made.
void Install(const QString& Code);

// The language spoken since Install: "en", "de", "fr" or "es".
QString Current();

}  // namespace Translation
