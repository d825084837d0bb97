// A fixture that opens a fresh calculator window for each test, types keys into it the way
// a person would (button clicks, short-cuts, characters) and fails on any message box the
// test did not ask for. Used by every GUI test of the window.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <memory>
#include <string>
#include <vector>

#include "Calccode.h"

class WindowTest : public testing::Test {
 protected:
  void SetUp() override {
    // Each test starts as a first run: settings and history files of its own.
    Home = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(Home->isValid());
    UseHome(*Home);
    OpenWindow();
  }

  // A new window in place of the current one, as at the next start of the program.
  void OpenWindow() {
    Calc.reset();
    Calc = std::make_unique<TCalculator>();
    Calc->MessageDlgOverride = [this](const QString& Text, QMessageBox::Icon,
                                      QMessageBox::StandardButtons) {
      Boxes.push_back(Text.toStdString());
      return QMessageBox::Ok;
    };
    Calc->show();
    Calc->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Calc.get()));
  }

  void TearDown() override {
    EXPECT_EQ(Boxes, ExpectedBoxes) << "message boxes shown";
    Calc.reset();
  }

  // Points the settings and the data folder of windows made from now on at Folder.
  static void UseHome(const QTemporaryDir& Folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       Folder.filePath(QStringLiteral("config")));
    qputenv("XDG_DATA_HOME", Folder.filePath(QStringLiteral("data")).toLocal8Bit());
  }

  QString DataFile(const char* Name) const {
    return Home->filePath(QStringLiteral("data/veltrona/")) + QLatin1String(Name);
  }

  template <class T = QWidget>
  T* Widget(const char* Name) {
    T* W = Calc->findChild<T*>(QLatin1String(Name));
    EXPECT_NE(W, nullptr) << Name;
    return W;
  }

  // One key: "[Name]" clicks that button, "'c'" types the character c, "<Esc>" presses a
  // key by its name (any QKeySequence text), anything else clicks the keypad key with that
  // caption.
  void Press(const std::string& Token) {
    QWidget* Focused = QApplication::focusWidget();
    ASSERT_NE(Focused, nullptr) << Token;
    if (Token.size() == 3 && Token.front() == '\'' && Token.back() == '\'') {
      QTest::keyClick(Focused, Token[1]);
    } else if (Token.size() > 2 && Token.front() == '<' && Token.back() == '>') {
      const QKeyCombination Key =
          QKeySequence(QString::fromStdString(Token.substr(1, Token.size() - 2)))[0];
      QTest::keyClick(Focused, Key.key(), Key.keyboardModifiers());
    } else if (Token.size() > 2 && Token.front() == '[' && Token.back() == ']') {
      QTest::mouseClick(Widget<QAbstractButton>(Token.substr(1, Token.size() - 2).c_str()),
                        Qt::LeftButton);
    } else {
      QTest::mouseClick(KeypadKey(Token), Qt::LeftButton);
    }
  }

  QAbstractButton* KeypadKey(const std::string& Caption) {
    // The Equals key shows a picture; it answers to "=".
    const auto Shown = [](const QAbstractButton& B) {
      if (B.objectName() == QLatin1String("EqualsBitBtn")) return std::string("=");
      return B.text().toStdString();
    };
    for (QAbstractButton* B : Widget("BasicKeysPanel")->findChildren<QAbstractButton*>()) {
      if (Shown(*B) == Caption && B->isVisible()) return B;
    }
    ADD_FAILURE() << "no keypad key " << Caption;
    return nullptr;
  }

  std::string Display() { return Widget<QTextEdit>("Edit1")->toPlainText().toStdString(); }

  std::vector<std::string> TapeLines() {
    std::vector<std::string> Lines;
    const QString Text = Widget<QPlainTextEdit>("RichEdit1")->toPlainText();
    for (const QString& Line : Text.split(u'\n')) Lines.push_back(Line.toStdString());
    if (!Lines.empty() && Lines.back().empty()) Lines.pop_back();
    return Lines;
  }

  QWidget* FocusedControl() { return QApplication::focusWidget(); }

  std::unique_ptr<QTemporaryDir> Home;
  std::unique_ptr<TCalculator> Calc;
  std::vector<std::string> Boxes;
  std::vector<std::string> ExpectedBoxes;
};
