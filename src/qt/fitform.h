#pragma once
// Gives a full-size window its fixed size of 12000 x 9000 twips (800 x 600 logical
// pixels at zoom 1) and centres it on its screen; on a smaller screen the
// top-left corner lies off the screen.
#include <QPoint>
#include <QSize>

class QWidget;

namespace sumdart {

inline constexpr int kFitWidthTwips = 12000;
inline constexpr int kFitHeightTwips = 9000;

// Top-left corner in twips that centres a window on a screen:
// Left = screen width / 2 - window width / 2, Top likewise. A half twip goes to
// the even neighbour.
QPoint fitPosition(QSize screenTwips, QSize windowTwips);

// Size of the primary screen in twips; QSize() (invalid) when there is none.
QSize screenSizeTwips();

// Shows the busy pointer, fixes the window's size, centres it on its screen and
// restores the pointer. Ignores every failure: without a screen the position stays.
void fitform(QWidget* window);

}  // namespace sumdart
