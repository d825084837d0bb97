#include "RegionScale.h"

#include <QLayout>
#include <QWidget>

namespace {

// Qt's own parts of a control (a tab widget's tab bar, a text field's viewport) carry names
// that start with "qt_"; the designed controls carry the names of the form.
bool IsDesignedControl(const QWidget& W) {
  const QString Name = W.objectName();
  return !Name.isEmpty() && !Name.startsWith(QLatin1String("qt_"));
}

}  // namespace

void ScaleOwnFont(QWidget& Control, TZoomRatio Ratio) {
  if (!Control.testAttribute(Qt::WA_SetFont)) return;
  QFont Font = Control.font();
  if (Font.pointSize() > 0)
    Font.setPointSize(ScaleRounded(Font.pointSize(), Ratio));
  else
    Font.setPixelSize(ScaleRounded(Font.pixelSize(), Ratio));
  Control.setFont(Font);
}

void ScaleRegion(QWidget& Region, TZoomRatio Ratio) {
  Region.resize(ScaleRounded(Region.width(), Ratio), ScaleRounded(Region.height(), Ratio));
  ScaleOwnFont(Region, Ratio);
  for (QWidget* Control : Region.findChildren<QWidget*>()) {
    if (!IsDesignedControl(*Control)) continue;
    const QWidget* Parent = Control->parentWidget();
    if (!Parent->layout()) {
      const QRect G = Control->geometry();
      Control->setGeometry(ScaleRounded(G.x(), Ratio), ScaleRounded(G.y(), Ratio),
                           ScaleRounded(G.width(), Ratio), ScaleRounded(G.height(), Ratio));
    }
    ScaleOwnFont(*Control, Ratio);
  }
}
