// veltrona-tape's messages are translated in the context "veltrona-tape"
// (QCoreApplication::translate, where lupdate finds them); Filled puts the values into a
// translated text's %1, %2 ... in turn.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>

inline std::string Filled(QString Text, std::initializer_list<std::string_view> Values) {
  for (const std::string_view Value : Values)
    Text = Text.arg(QString::fromUtf8(Value.data(), static_cast<qsizetype>(Value.size())));
  return Text.toStdString();
}
