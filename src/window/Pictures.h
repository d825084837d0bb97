// The window's pictures, drawn as SVG in the program's resources so that they stay sharp at any
// screen scale: the tool bar's image list (images 0 to 13) and the key pictures, which come in a
// small and a large size for the two zoom sizes. Used by the tool bar and ArrangeWindow.
#pragma once

#include <QIcon>
#include <QSize>

namespace Pictures {

inline constexpr int ToolImageCount = 14;
inline constexpr QSize ToolImageSize{24, 24};

// 0 back, 1 forward, 2 replay, 3 show tape, 4 hide tape, 5 clear tape, 6 to 9 the tape formats
// General, Scientific, Currency and Fixed, 10 more decimals, 11 fewer decimals, 12 history,
// 13 annotate. An index outside the list gives an empty picture.
QIcon ToolImage(int Index);

// The two pictures of the show/hide-tape button.
inline constexpr int ShowTapeImage = 3;
inline constexpr int HideTapeImage = 4;

// Positions in both key picture lists.
enum TKeyPicture { SquareRoot = 0, YRoot = 1, Recalc = 2, Equals = 3, KeyPictureCount = 4 };

// Drawn in the caption colour of the application's palette, the recall picture in its own.
QIcon KeyPicture(int Index);
QSize KeyPictureSize(bool Large);

// The tool bar's button for the tool buttons that do not fit, inked like the key pictures.
QIcon ToolBarMore();

// The program's icon, for its windows.
QIcon ProgramIcon();

}  // namespace Pictures
