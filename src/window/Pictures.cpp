#include "Pictures.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QString>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <array>
#include <memory>

namespace Pictures {

namespace {

QString ResourcePath(const char* Name) {
  return QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(Name));
}

// A drawing rendered by the program itself: QIcon would load the SVG icon plugin at start for
// this. A key picture stands in for a caption, so it is inked in the palette's caption colour:
// on a dark theme it stays as readable as the keys' texts (the drawings mark that colour as
// black). A tool picture keeps its colours and is greyed as the style greys pictures.
class TInkedPicture : public QIconEngine {
 public:
  TInkedPicture(QByteArray Drawing, bool Inked) : fDrawing(std::move(Drawing)), fInked(Inked) {}

  void paint(QPainter* Painter, const QRect& Rect, QIcon::Mode Mode, QIcon::State) override {
    // The drawing is read once for each ink; the window's icon is drawn in several sizes.
    const QColor Color = fInked ? Ink(Mode) : QColor();
    if (!fRenderer || fRendererInk != Color) {
      QByteArray Drawing = fDrawing;
      if (fInked) Drawing.replace("#000000", Color.name().toLatin1());
      fRenderer = std::make_unique<QSvgRenderer>(Drawing);
      fRendererInk = Color;
    }
    fRenderer->render(Painter, Rect);
  }

  // Keys repaint often; the last picture of each look is kept.
  QPixmap pixmap(const QSize& Size, QIcon::Mode Mode, QIcon::State State) override {
    TDrawn& Last = fDrawn[Mode == QIcon::Disabled ? 1 : 0];
    const QColor Color = Ink(Mode);
    if (Last.Picture.isNull() || Last.Picture.size() != Size || Last.Ink != Color) {
      Last.Picture = QPixmap(Size);
      Last.Picture.fill(Qt::transparent);
      {
        QPainter Painter(&Last.Picture);
        paint(&Painter, QRect(QPoint(0, 0), Size), Mode, State);
      }
      if (!fInked && Mode == QIcon::Disabled) {
        QStyleOption Option;
        Option.palette = QGuiApplication::palette();
        Last.Picture =
            QApplication::style()->generatedIconPixmap(QIcon::Disabled, Last.Picture, &Option);
      }
      Last.Ink = Color;
    }
    return Last.Picture;
  }

  QIconEngine* clone() const override { return new TInkedPicture(fDrawing, fInked); }

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
  bool fInked;
  std::array<TDrawn, 2> fDrawn;  // normal, disabled
  std::unique_ptr<QSvgRenderer> fRenderer;
  QColor fRendererInk;
};

QIcon FromResourcePath(const QString& Path, bool Inked) {
  QFile Drawing(Path);
  if (!Drawing.open(QIODevice::ReadOnly)) return {};
  return QIcon(new TInkedPicture(Drawing.readAll(), Inked));
}

QIcon FromResource(const char* Name, bool Inked) {
  return FromResourcePath(ResourcePath(Name), Inked);
}

}  // namespace

QIcon ToolImage(int Index) {
  static constexpr std::array<const char*, ToolImageCount> Names = {
      "back",       "forward",  "replay", "showtape", "hidetape", "cleartape", "general",
      "scientific", "currency", "fixed",  "decup",    "decdown",  "history",   "annotate"};
  if (Index < 0 || Index >= ToolImageCount) return {};
  return FromResource(Names[static_cast<std::size_t>(Index)], false);
}

QIcon KeyPicture(int Index) {
  static constexpr std::array<const char*, KeyPictureCount> Names = {"key-sqrt", "key-yroot",
                                                                     "key-recalc", "key-equals"};
  if (Index < 0 || Index >= KeyPictureCount) return {};
  return FromResource(Names[static_cast<std::size_t>(Index)], true);
}

QSize KeyPictureSize(bool Large) {
  // The drawings are 4:3 and keep their shape; the large list is about 4/3 of the small one.
  return Large ? QSize(28, 21) : QSize(20, 15);
}

QIcon ToolBarMore() {
  return FromResource("toolbar-more", true);
}

QIcon ProgramIcon() {
  return FromResourcePath(QStringLiteral(":/desktop/veltrona.svg"), false);
}

}  // namespace Pictures
