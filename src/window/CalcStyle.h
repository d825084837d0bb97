// The desktop's style with the program's own picture for the tool bar's extension button: the
// style's picture is a PNG whose loading would scan and load every image format plugin at start.
#pragma once

#include <QProxyStyle>

class TCalcStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap Picture, const QStyleOption* Option = nullptr,
                     const QWidget* Widget = nullptr) const override;
};
