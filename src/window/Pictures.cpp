#include "Pictures.h"

#include <QString>
#include <array>

namespace Pictures {

namespace {

QIcon FromResource(const char* Name) {
  return QIcon(QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(Name)));
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
  return FromResource(Names[static_cast<std::size_t>(Index)]);
}

QSize KeyPictureSize(bool Large) {
  // The drawings are 4:3 and keep their shape; the large list is about 4/3 of the small one.
  return Large ? QSize(28, 21) : QSize(20, 15);
}

}  // namespace Pictures
