// The language spoken: the one chosen in the Options dialog, else the system's as gettext
// reads it from the environment.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <map>
#include <string>

#include "ModelText.h"
#include "SettingsStore.h"
#include "Translation.h"

namespace {

TEST(Translation, TheLanguageChosenOrTheSystems) {
  struct TCase {
    const char* Chosen;
    std::map<std::string, QString> Environment;
    const char* Spoken;
  } const Cases[] = {
      {"", {}, "en"},
      {"", {{"LANG", "de_DE.UTF-8"}}, "de"},
      {"", {{"LANG", "fr_CA.UTF-8"}}, "fr"},
      {"", {{"LANG", "es_ES@euro"}}, "es"},
      {"", {{"LANG", "it_IT.UTF-8"}}, "en"},
      {"", {{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "fr"},
      {"", {{"LC_MESSAGES", "fr_FR.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}}, "es"},
      {"", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "it:es:de"}}, "es"},
      {"", {{"LANG", "it_IT.UTF-8"}, {"LANGUAGE", "it"}}, "en"},
      // Under the C locale gettext ignores LANGUAGE, and so does the program.
      {"", {{"LC_ALL", "C"}, {"LANGUAGE", "de"}}, "en"},
      {"", {{"LC_ALL", "C.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "en"},
      {"", {{"LANG", "POSIX"}}, "en"},
      {"", {{"LANG", "desk"}}, "en"},
      {"fr", {{"LANG", "de_DE.UTF-8"}}, "fr"},
      {"en", {{"LANG", "de_DE.UTF-8"}}, "en"},
      {"xx", {{"LANG", "de_DE.UTF-8"}}, "de"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(std::string(Case.Chosen) + " " + std::to_string(Case.Environment.size()));
    const auto Environment = [&](const char* Name) {
      const auto Found = Case.Environment.find(Name);
      return Found == Case.Environment.end() ? QString() : Found->second;
    };
    EXPECT_EQ(Translation::Resolve(QLatin1String(Case.Chosen), Environment),
              QLatin1String(Case.Spoken));
  }
}

// The compiled translations are in the program: each language's own words, the model's texts
// through the function it is handed, and a first run's tax name where the language has one of
// three characters; English again afterwards.
TEST(Translation, EachLanguageIsEmbedded) {
  const struct {
    const char* Code;
    const char* Edit;
    const char* DivideByZero;
    const char* TaxName;
  } Cases[] = {{"de", "&Bearbeiten", "Division durch Null nicht möglich", "USt"},
               {"fr", "&Édition", "Division par zéro impossible", "TVA"},
               {"es", "&Edición", "No se puede dividir entre cero", "IVA"},
               {"en", "&Edit", "Cannot Divide by Zero", "Tax"}};
  int Argc = 1;
  char Name[] = "store_tests";
  char* Argv[] = {Name};
  const QCoreApplication App(Argc, Argv);
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Code);
    Translation::Install(QLatin1String(Case.Code));
    EXPECT_EQ(Translation::Current(), QLatin1String(Case.Code));
    EXPECT_EQ(QCoreApplication::translate("TCalculator", "&Edit"), QString::fromUtf8(Case.Edit));
    EXPECT_EQ(ModelText::Tr("Cannot Divide by Zero"), Case.DivideByZero);
    QTemporaryDir Dir;
    QSettings Stored(Dir.filePath(QStringLiteral("first.conf")), QSettings::IniFormat);
    TCalcSettings Settings;
    Extended Memory = 0;
    TSettingsStore(Stored, TFormatSettings{}).Read(Settings, Memory);
    EXPECT_EQ(Settings.TaxLit, Case.TaxName);
    // A name the user chose is the user's in every language.
    Stored.setValue(QStringLiteral("Tax/TaxLit"), QStringLiteral("VAT"));
    TSettingsStore(Stored, TFormatSettings{}).Read(Settings, Memory);
    EXPECT_EQ(Settings.TaxLit, "VAT");
  }
}

}  // namespace
