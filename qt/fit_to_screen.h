// Opening a top-level window no larger than the room its screen has for it, at any scale.
#pragma once

#include <QSize>

class QWidget;

namespace corvane {

//! The most a window's client area may take on the screen it opens on: the screen's available
//! area less the frame the window manager draws around it, as the window has it once shown, and
//! before that as high as the style's title bar.
QSize RoomOnScreen(const QWidget& window);

//! The factor, at most 1, by which a window of the given size must shrink to fit the room.
double ShrinkToFit(QSize size, QSize room);

//! Resizes the window to the size wanted, or less where the room is less, and centres it on the
//! screen's available area, no nearer its edges than its frame needs.
void FitToScreen(QWidget& window, QSize wanted);

}  // namespace corvane
