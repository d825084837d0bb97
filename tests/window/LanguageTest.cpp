// The window in German, French and Spanish (the language ctest starts it in, named by
// VELTRONA_EXPECTED_LANGUAGE): the menu bar, the Options dialog, an error box and the status
// bar speak it, and the language chosen in the Options dialog is kept for the next start.
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <map>

#include "Translation.h"
#include "WindowFixture.h"

namespace {

struct TWords {
  std::vector<std::string> Menus;
  std::string CalculationTab, Arithmetic, LanguageGroup, Cancel;
  std::string DivideByZero;
  std::string Precedence;  // the status bar's precedence panel
  std::string PlusTax;     // a first run's tax name on its key
};

const std::map<std::string, TWords>& Expected() {
  static const std::map<std::string, TWords> Words = {
      {"de",
       {{"&Datei", "&Bearbeiten", "&Ansicht", "&Streifen", "&Optionen", "&Hilfe"},
        "Rechnung",
        "Punkt vor Strich",
        "Sprache",
        "Abbrechen",
        "Division durch Null nicht möglich",
        "Punkt vor Strich",
        "+USt"}},
      {"fr",
       {{"&Fichier", "&Édition", "Affic&hage", "&Bande", "&Options", "&Aide"},
        "Calcul",
        "Priorité des opérations",
        "Langue",
        "Annuler",
        "Division par zéro impossible",
        "Priorité",
        "+TVA"}},
      {"es",
       {{"&Archivo", "&Edición", "&Ver", "&Cinta", "&Opciones", "Ay&uda"},
        "Cálculo",
        "Jerarquía de operaciones",
        "Idioma",
        "Cancelar",
        "No se puede dividir entre cero",
        "Jerarquía",
        "+IVA"}},
  };
  return Words;
}

// The access keys (the letter after "&") of a menu's visible items, each once, and so in each
// of its sub-menus.
void ExpectDistinctAccessKeys(const QList<QAction*>& Items, const QString& Where) {
  std::map<QChar, QString> Keys;
  for (QAction* Item : Items) {
    if (!Item->isVisible() || Item->isSeparator()) continue;
    const QString Text = Item->text();
    const qsizetype Amp = Text.indexOf(u'&');
    if (Amp >= 0 && Amp + 1 < Text.size()) {
      const auto [At, Fresh] = Keys.emplace(Text.at(Amp + 1).toLower(), Text);
      EXPECT_TRUE(Fresh) << Where.toStdString() << ": " << Text.toStdString() << " and "
                         << At->second.toStdString();
    }
    if (Item->menu()) ExpectDistinctAccessKeys(Item->menu()->actions(), Text);
  }
}

class LanguageTest : public WindowTest {
 protected:
  const TWords& Words() {
    const std::string Code = qEnvironmentVariable("VELTRONA_EXPECTED_LANGUAGE").toStdString();
    EXPECT_EQ(Translation::Current().toStdString(), Code) << "the system's language is spoken";
    static const TWords None;
    const auto Found = Expected().find(Code);
    return Found == Expected().end() ? None : Found->second;
  }
};

TEST_F(LanguageTest, TheWindowSpeaksTheSystemsLanguage) {
  const TWords& W = Words();
  std::vector<std::string> Menus;
  for (QAction* Menu : Calc->menuBar()->actions())
    if (Menu->isVisible()) Menus.push_back(Menu->text().toStdString());
  EXPECT_EQ(Menus, W.Menus);
  ExpectDistinctAccessKeys(Calc->menuBar()->actions(), QStringLiteral("the menu bar"));
  EXPECT_EQ(Widget<QAbstractButton>("ButtonPlusTax")->text().toStdString(), W.PlusTax);

  for (const char* Key : {"1", "/", "0", "="}) Press(Key);
  ExpectedBoxes = {W.DivideByZero};
  EXPECT_EQ(Widget<QLabel>("StatusPanel2")->text().toStdString(), W.Precedence);
  EXPECT_EQ(TapeLines().at(0), W.DivideByZero);
}

TEST_F(LanguageTest, TheOptionsDialogSpeaksItAndKeepsTheChoice) {
  const TWords& W = Words();
  Calc->DialogExecOverride = [&](QDialog& Dialog) {
    const auto* Pages = Dialog.findChild<QTabWidget*>(QStringLiteral("OptionsPages"));
    EXPECT_EQ(Pages->tabText(0).toStdString(), W.CalculationTab);
    EXPECT_EQ(
        Dialog.findChild<QRadioButton*>(QStringLiteral("RadioArithmetic"))->text().toStdString(),
        W.Arithmetic);
    EXPECT_EQ(Dialog.findChild<QGroupBox*>(QStringLiteral("LanguageGroup"))->title().toStdString(),
              W.LanguageGroup);
    EXPECT_EQ(Dialog.findChild<QPushButton*>(QStringLiteral("CancelButton"))->text().toStdString(),
              W.Cancel);
    auto* Languages = Dialog.findChild<QComboBox*>(QStringLiteral("LanguageComboBox"));
    EXPECT_EQ(Languages->currentIndex(), 0) << "a first run speaks the system's language";
    QStringList Names;
    for (int I = 1; I < Languages->count(); ++I) Names << Languages->itemText(I);
    EXPECT_EQ(Names, (QStringList{"English", "Deutsch", "Français", "Español"}));
    Languages->setCurrentIndex(Languages->findText(QStringLiteral("Español")));
    QTest::mouseClick(Dialog.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    return Dialog.result();
  };
  Widget<QAction>("MoreOptions1")->trigger();
  Calc->DialogExecOverride = nullptr;
  EXPECT_EQ(Calc->CalcSettings.Language, "es");
  // Kept in the settings, and shown as chosen when the dialog opens again after a new start.
  Calc->close();
  OpenWindow();
  EXPECT_EQ(Calc->CalcSettings.Language, "es");
  EXPECT_EQ(QSettings(Home->filePath(QStringLiteral("config/veltrona.conf")), QSettings::IniFormat)
                .value(QStringLiteral("Form/Language"))
                .toString(),
            QStringLiteral("es"));
}

}  // namespace
