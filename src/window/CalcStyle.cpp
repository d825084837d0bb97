#include "CalcStyle.h"

#include "Pictures.h"

QIcon TCalcStyle::standardIcon(StandardPixmap Picture, const QStyleOption* Option,
                               const QWidget* Widget) const {
  if (Picture == SP_ToolBarHorizontalExtensionButton ||
      Picture == SP_ToolBarVerticalExtensionButton)
    return Pictures::ToolBarMore();
  return QProxyStyle::standardIcon(Picture, Option, Widget);
}
