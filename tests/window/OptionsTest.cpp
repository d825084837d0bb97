// The Options dialog through its real controls: what opening shows, the checks of the tax rate
// and the fixed digits, OK applying to later tape lines, the tax keys and the status bar,
// Cancel and a failed OK storing nothing, the colour samples and the group enabling.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBlock>
#include <functional>
#include <sstream>

#include "LocaleFormat.h"
#include "TapeCodes.h"
#include "WindowFixture.h"

namespace {

class OptionsTest : public WindowTest {
 protected:
  // Opens Options...; Interact works the dialog's controls and presses its buttons.
  int Open(const std::function<void(QDialog&)>& Interact) {
    int Result = -1;
    Calc->DialogExecOverride = [&](QDialog& Dialog) {
      Interact(Dialog);
      // A dialog left open by a failed OK is cancelled by its close box.
      if (Dialog.isVisible() && Dialog.result() != QDialog::Accepted) Dialog.reject();
      Result = Dialog.result();
      return Result;
    };
    Widget<QAction>("MoreOptions1")->trigger();
    Calc->DialogExecOverride = nullptr;
    return Result;
  }
  template <class T = QWidget>
  static T* Control(QDialog& Dialog, const char* Name) {
    T* W = Dialog.findChild<T*>(QLatin1String(Name));
    EXPECT_NE(W, nullptr) << Name;
    return W;
  }
  // A check box or radio button takes the click on its box, not beyond its caption.
  static void Click(QDialog& Dialog, const char* Button) {
    auto* B = Control<QAbstractButton>(Dialog, Button);
    const bool Box = qobject_cast<QCheckBox*>(B) || qobject_cast<QRadioButton*>(B);
    QTest::mouseClick(B, Qt::LeftButton, {}, Box ? QPoint(6, B->height() / 2) : QPoint());
  }
  static void Type(QDialog& Dialog, const char* Field, const char* Text) {
    Control<QLineEdit>(Dialog, Field)->setText(QString::fromUtf8(Text));
  }
  static QColor SampleColour(QDialog& Dialog, const char* Sample) {
    return Control(Dialog, Sample)->palette().color(QPalette::Active, QPalette::Text);
  }
  void Keys(const char* Text) {
    std::istringstream In(Text);
    std::string Key;
    while (In >> Key) Press(Key);
  }
};

TEST_F(OptionsTest, OpeningShowsTheRecord) {
  TCalcSettings& S = Calc->CalcSettings;
  S.Subtotals = false;
  S.SubTotalsSymIndex = 3;
  S.ExpandOperSymIndex = 0;
  S.Dumb = true;
  S.TaxLit = "VAT";
  S.TaxRate = 0.175;
  S.Digits = 5;
  S.TotalsRed = true;
  S.AnnotItalics = true;
  S.SubTotalsColor = "clRed";
  Open([&](QDialog& D) {
    EXPECT_EQ(D.windowTitle().toStdString(), "Options");
    EXPECT_EQ(Control<QTabWidget>(D, "OptionsPages")->currentIndex(), 0);
    EXPECT_FALSE(Control<QCheckBox>(D, "SubTotalCheckBox")->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(D, "ExpandCheckBox")->isChecked());
    EXPECT_EQ(Control<QComboBox>(D, "SubTotalComboBox")->currentText().toStdString(), "( )");
    EXPECT_EQ(Control<QComboBox>(D, "ExpandComboBox")->currentText().toStdString(), "none");
    EXPECT_TRUE(Control<QRadioButton>(D, "RadioAsEntered")->isChecked());
    EXPECT_EQ(Control<QLineEdit>(D, "TaxLitEdit")->text().toStdString(), "VAT");
    EXPECT_EQ(Control<QLineEdit>(D, "TaxRateEdit")->text().toStdString(), "17.5");
    EXPECT_EQ(Control<QLineEdit>(D, "DigitsEdit")->text().toStdString(), "5");
    EXPECT_TRUE(Control<QCheckBox>(D, "TotalBoldCheckBox")->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(D, "TotalRedNegCheckBox")->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(D, "AnnotItalicCheckBox")->isChecked());
    EXPECT_EQ(SampleColour(D, "SubTotalEdit"), QColor(255, 0, 0));
    EXPECT_EQ(SampleColour(D, "ExpandEdit"), QColor(0, 0, 255));
    EXPECT_FALSE(Control(D, "SubTotalComboBox")->isEnabled()) << "its group is switched off";
    Click(D, "CancelButton");
  });
}

TEST_F(OptionsTest, TheTwoFieldsAreCheckedOnEveryChange) {
  struct {
    const char* Field;
    const char* Text;
    bool Valid;
  } const Rows[] = {
      {"TaxRateEdit", "17.5", true},    {"TaxRateEdit", "999", true},
      {"TaxRateEdit", "0", true},       {"TaxRateEdit", "17.", true},  // decimals to come
      {"TaxRateEdit", "999.01", false}, {"TaxRateEdit", "-1", false},
      {"TaxRateEdit", "ten", false},    {"TaxRateEdit", "", false},
      {"TaxRateEdit", "17,5", false},   {"DigitsEdit", "14", true},
      {"DigitsEdit", "0", true},        {"DigitsEdit", "15", false},
      {"DigitsEdit", "-1", false},      {"DigitsEdit", "1.5", false},
      {"DigitsEdit", "", false},
  };
  Open([&](QDialog& D) {
    for (const auto& Row : Rows) {
      SCOPED_TRACE(std::string(Row.Field) + " \"" + Row.Text + "\"");
      Boxes.clear();
      Type(D, Row.Field, Row.Text);
      const char* Message =
          std::string(Row.Field) == "TaxRateEdit" ? "Invalid Tax Rate" : "Invalid Fixed Digits";
      EXPECT_EQ(Boxes, Row.Valid ? std::vector<std::string>{} : std::vector<std::string>{Message});
    }
    Boxes.clear();
    Click(D, "CancelButton");
  });
}

TEST_F(OptionsTest, TheLocalesDecimalSeparatorReadsTheTaxRate) {
  Calc->Model.SetNumberFormat(FormatSettingsFromLocale(QLocale(QLocale::German)));
  Calc->CalcSettings.TaxRate = 0.175;
  Open([&](QDialog& D) {
    EXPECT_EQ(Control<QLineEdit>(D, "TaxRateEdit")->text().toStdString(), "17,5");
    Type(D, "TaxRateEdit", "7,25");
    Click(D, "OKButton");
  });
  EXPECT_DOUBLE_EQ(Calc->CalcSettings.TaxRate, 0.0725);
}

TEST_F(OptionsTest, OKAppliesToLaterLinesTheTaxKeysAndTheStatusBar) {
  Keys("1 + 2 =");
  const std::vector<std::string> Before = TapeLines();
  Calc->ColorDialogOverride = [](const QColor&) { return QColor(255, 0, 0); };
  const int Result = Open([&](QDialog& D) {
    Click(D, "RadioAsEntered");
    EXPECT_TRUE(Control<QRadioButton>(D, "RadioAsEntered")->isChecked());
    Type(D, "TaxLitEdit", "VAT");
    Type(D, "TaxRateEdit", "20");
    Control<QComboBox>(D, "SubTotalComboBox")->setCurrentIndex(2);
    Click(D, "SubTotalButton");
    EXPECT_EQ(SampleColour(D, "SubTotalEdit"), QColor(255, 0, 0));
    Click(D, "OKButton");
  });
  EXPECT_EQ(Result, QDialog::Accepted);
  EXPECT_EQ(Widget<QLabel>("StatusPanel2")->text().toStdString(), "As Entered");
  EXPECT_EQ(Widget<QAbstractButton>("ButtonPlusTax")->text().toStdString(), "+VAT");
  EXPECT_EQ(Widget<QAbstractButton>("ButtonTaxExcl")->text().toStdString(), "VAT(e)");
  EXPECT_EQ(Calc->CalcSettings.SubTotalsColor, "clRed");
  const std::vector<std::string> After = TapeLines();
  EXPECT_EQ(std::vector<std::string>(After.begin(), After.begin() + 3), Before)
      << "lines already printed stay as they are";

  Keys("2 + 3 X 4 - 1 = 1 0 0 [ButtonPlusTax]");
  const std::vector<std::string> Lines = TapeLines();
  EXPECT_NE(std::find(Lines.begin(), Lines.end(), "[= 5]"), Lines.end()) << "the new brackets";
  EXPECT_NE(std::find(Lines.begin(), Lines.end(), "= 19"), Lines.end()) << "as entered";
  EXPECT_NE(std::find(Lines.begin(), Lines.end(), "[100 +20% VAT = 120]"), Lines.end());
  auto* Tape = Widget<QPlainTextEdit>("RichEdit1");
  for (QTextBlock B = Tape->document()->begin(); B.isValid(); B = B.next()) {
    if (B.text() == QStringLiteral("[= 5]")) {
      EXPECT_EQ(B.begin().fragment().charFormat().foreground().color(), QColor(255, 0, 0));
    }
  }
}

TEST_F(OptionsTest, CancelAndAFailedOKStoreNothing) {
  const TCalcSettings Before = Calc->CalcSettings;
  Open([&](QDialog& D) {
    Click(D, "RadioAsEntered");
    Type(D, "TaxLitEdit", "VAT");
    Click(D, "CancelButton");
  });
  EXPECT_EQ(Calc->CalcSettings, Before);

  const int Result = Open([&](QDialog& D) {
    Click(D, "RadioAsEntered");
    Type(D, "DigitsEdit", "15");
    Boxes.clear();
    Click(D, "OKButton");
    EXPECT_EQ(Boxes, std::vector<std::string>{"Invalid Fixed Digits"});
    EXPECT_TRUE(D.isVisible()) << "the dialog stays open";
    Boxes.clear();
    Click(D, "CancelButton");
  });
  EXPECT_EQ(Result, QDialog::Rejected);
  EXPECT_EQ(Calc->CalcSettings, Before) << "nothing of the failed OK was stored";
  EXPECT_FALSE(Calc->CurrentEngine.DumbMath());
}

TEST_F(OptionsTest, ColourSamplesKeepTheirTextAndChangeOneAtATime) {
  Calc->CalcSettings.AnnotColor = "clWindowText";
  std::vector<QColor> Offered;
  Calc->ColorDialogOverride = [&](const QColor& Initial) -> std::optional<QColor> {
    Offered.push_back(Initial);
    if (Offered.size() == 2) return std::nullopt;  // the second dialog is cancelled
    return QColor(0, 128, 0);
  };
  Open([&](QDialog& D) {
    Click(D, "ExpandButton");
    EXPECT_EQ(SampleColour(D, "ExpandEdit"), QColor(0, 128, 0));
    EXPECT_EQ(SampleColour(D, "SubTotalEdit"), QColor(0, 128, 0)) << "clGreen as before";
    Click(D, "SubTotalButton");
    Click(D, "OKButton");
  });
  ASSERT_EQ(Offered.size(), 2u);
  EXPECT_EQ(Offered[0], QColor(0, 0, 255)) << "the dialog opens on the sample's colour";
  EXPECT_EQ(Calc->CalcSettings.ExpandOperColor, "clGreen");
  EXPECT_EQ(Calc->CalcSettings.SubTotalsColor, "clGreen");
  EXPECT_EQ(Calc->CalcSettings.AnnotColor, "clWindowText") << "an untouched system colour";
}

TEST_F(OptionsTest, GroupsFollowTheirCheckBoxesAndAListWithoutChoiceKeepsItsIndex) {
  Open([&](QDialog& D) {
    for (const char* Check : {"SubTotalCheckBox", "ExpandCheckBox"}) {
      const std::string Group = std::string(Check).substr(0, std::string(Check).find("Check"));
      Click(D, Check);
      for (const char* Part : {"ComboBox", "Edit", "Button"})
        EXPECT_FALSE(Control(D, (Group + Part).c_str())->isEnabled()) << Group << Part;
      Click(D, Check);
      for (const char* Part : {"ComboBox", "Edit", "Button"})
        EXPECT_TRUE(Control(D, (Group + Part).c_str())->isEnabled()) << Group << Part;
    }
    Control<QComboBox>(D, "ExpandComboBox")->setCurrentIndex(-1);
    Click(D, "OKButton");
  });
  EXPECT_EQ(Calc->CalcSettings.ExpandOperSymIndex, 2);
}

TEST_F(OptionsTest, AnAmpersandInTheTaxNameIsShownAndDigitsAboveFourteenAreNamedAtOpening) {
  for (int I = 0; I < 16; ++I) Calc->Model.MoreDecimals();
  Open([&](QDialog& D) {
    EXPECT_EQ(Boxes, std::vector<std::string>{"Invalid Fixed Digits"}) << "once, at opening";
    Boxes.clear();
    Type(D, "DigitsEdit", "4");
    Type(D, "TaxLitEdit", "R&D");
    Click(D, "OKButton");
  });
  EXPECT_EQ(Widget<QAbstractButton>("ButtonPlusTax")->text().toStdString(), "+R&&D");
  EXPECT_EQ(Calc->CurrentEngine.TaxLit(), "R&D");
  EXPECT_EQ(Calc->CurrentEngine.Digits(), 4);
}

TEST_F(OptionsTest, ThePreviewShowsTheLooksBeingChosen) {
  Open([&](QDialog& D) {
    auto* Preview = Control<QPlainTextEdit>(D, "PreviewTape");
    Click(D, "TotalRedNegCheckBox");
    Type(D, "TaxLitEdit", "GST");
    const QStringList Lines = Preview->toPlainText().split(u'\n');
    EXPECT_TRUE(Lines.contains(QStringLiteral("  100 +GST")));
    EXPECT_TRUE(Lines.contains(QStringLiteral("{= 110}")));
    const QTextBlock Total = Preview->document()->lastBlock();
    EXPECT_EQ(Total.text().toStdString(), "= -140");
    EXPECT_EQ(Total.begin().fragment().charFormat().foreground().color(), QColor(255, 0, 0));
    Click(D, "CancelButton");
  });
}

}  // namespace
