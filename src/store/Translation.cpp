#include "Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>

#include "ModelText.h"

namespace Translation {

namespace {

constexpr TLanguage Table[] = {
    {"", QT_TRANSLATE_NOOP("Translation", "System")},
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr",
     "Fran\xC3\xA7"
     "ais"},
    {"es", "Espa\xC3\xB1ol"},
};

QString Spoken = QStringLiteral("en");

bool Known(const QString& Code) {
  for (const TLanguage& Language : Table)
    if (*Language.Code && Code == QLatin1String(Language.Code)) return true;
  return false;
}

// "de_DE.UTF-8", "de", "de_AT@euro": the language part, when it is one of ours.
QString LanguageOf(const QString& Locale) {
  const QString Code = Locale.left(2).toLower();
  return Locale.size() >= 2 && (Locale.size() == 2 || !Locale.at(2).isLetter()) && Known(Code)
             ? Code
             : QString();
}

// The model's texts are in the context "Veltrona".
std::string TranslateModelText(const char* English) {
  return QCoreApplication::translate("Veltrona", English).toStdString();
}

}  // namespace

std::span<const TLanguage> Languages() {
  return Table;
}

QString Resolve(const QString& Chosen, const std::function<QString(const char*)>& Environment) {
  if (Known(Chosen)) return Chosen;
  const auto Variable = [&](const char* Name) {
    return Environment ? Environment(Name) : qEnvironmentVariable(Name);
  };
  QString Locale;
  for (const char* Name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    Locale = Variable(Name);
    if (!Locale.isEmpty()) break;
  }
  if (Locale.isEmpty() || Locale == QLatin1String("C") || Locale.startsWith(QLatin1String("C.")) ||
      Locale == QLatin1String("POSIX"))
    return QStringLiteral("en");
  // LANGUAGE lists the languages wanted in turn; the first of ours is spoken.
  for (const QString& Wanted : Variable("LANGUAGE").split(u':', Qt::SkipEmptyParts)) {
    const QString Code = LanguageOf(Wanted);
    if (!Code.isEmpty()) return Code;
  }
  const QString Code = LanguageOf(Locale);
  return Code.isEmpty() ? QStringLiteral("en") : Code;
}

void Install(const QString& Code) {
  // Kept for the whole run: the application holds them only by pointer.
  static QTranslator Program;
  static QTranslator Qt;
  QCoreApplication::removeTranslator(&Program);
  QCoreApplication::removeTranslator(&Qt);
  Spoken = Known(Code) ? Code : QStringLiteral("en");
  const bool English = Spoken == QLatin1String("en");
  ModelText::SetTranslate(English ? nullptr : &TranslateModelText);
  if (English) return;
  if (Program.load(QStringLiteral(":/i18n/veltrona_") + Spoken))
    QCoreApplication::installTranslator(&Program);
  if (Qt.load(QStringLiteral("qtbase_") + Spoken,
              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&Qt);
}

QString Current() {
  return Spoken;
}

}  // namespace Translation
