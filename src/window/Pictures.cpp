#include "Pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QString>
#include <QSvgRenderer>
#include <array>

namespace Pictures {

namespace {

QString ResourcePath(const char* Name) {
  return QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(Name));
}

QIcon FromResource(const char* Name) {
  return QIcon(ResourcePath(Name));
}

// A key picture stands in for a caption, so it is drawn in the palette's caption colour: on a
// dark theme it stays as readable as the keys' texts. The drawings mark that colour as black.
class TInkedPicture : public QIconEngine {
 public:
  explicit TInkedPicture(QByteArray Drawing) : fDrawing(std::move(Drawing)) {}

  void paint(QPainter* Painter, const QRect& Rect, QIcon::Mode Mode, QIcon::State) override {
    QByteArray Inked = fDrawing;
    Inked.replace("#000000", Ink(Mode).name().toLatin1());
    QSvgRenderer(Inked).render(Painter, Rect);
  }

  // Keys repaint often; the last picture of each look is kept.
  QPixmap pixmap(const QSize& Size, QIcon::Mode Mode, QIcon::State State) override {
    TDrawn& Last = fDrawn[Mode == QIcon::Disabled ? 1 : 0];
    const QColor Color = Ink(Mode);
    if (Last.Picture.isNull() || Last.Picture.size() != Size || Last.Ink != Color) {
      Last.Picture = QPixmap(Size);
      Last.Picture.fill(Qt::transparent);
      QPainter Painter(&Last.Picture);
      paint(&Painter, QRect(QPoint(0, 0), Size), Mode, State);
      Last.Ink = Color;
    }
    return Last.Picture;
  }

  QIconEngine* clone() const override { return new TInkedPicture(fDrawing); }

 private:
  static QColor Ink(QIcon::Mode Mode) {
    return QGuiApplication::palette().color(
        Mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::ButtonText);
  }

  struct TDrawn {
    QPixmap Picture;
    QColor Ink;
  };
  QByteArray fDrawing;
  std::array<TDrawn, 2> fDrawn;  // normal, disabled
};

QIcon InkedFromResource(const char* Name) {
  QFile Drawing(ResourcePath(Name));
  if (!Drawing.open(QIODevice::ReadOnly)) return {};
  return QIcon(new TInkedPicture(Drawing.readAll()));
}

}  // namespace

QIcon ToolImage(int Index) {
  static constexpr std::array<const char*, ToolImageCount> Names = {
      "back",       "forward",  "replay", "showtape", "hidetape", "cleartape", "general",
      "scientific", "currency", "fixed",  "decup",    "decdown",  "history",   "annotate"};
  if (Index < 0 || Index >= ToolImageCount) return {};
  return FromResource(Names[static_cast<std::size_t>(Index)]);
}

QIcon KeyPicture(int Index) {
  static constexpr std::array<const char*, KeyPictureCount> Names = {"key-sqrt", "key-yroot",
                                                                     "key-recalc", "key-equals"};
  if (Index < 0 || Index >= KeyPictureCount) return {};
  return InkedFromResource(Names[static_cast<std::size_t>(Index)]);
}

QSize KeyPictureSize(bool Large) {
  // The drawings are 4:3 and keep their shape; the large list is about 4/3 of the small one.
  return Large ? QSize(28, 21) : QSize(20, 15);
}

}  // namespace Pictures
