#include "qt/fit_to_screen.h"

#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace corvane {
namespace {

// A window manager's frame is known only once the window is shown; before that the style's title
// bar and frame stand in for it, which is about what desktops draw.
QMargins Frame(const QWidget& window) {
  if (const QWindow* handle = window.windowHandle(); handle != nullptr && handle->isVisible()) {
    const QMargins drawn = handle->frameMargins();
    if (!drawn.isNull()) return drawn;
  }
  // Desktops draw borders of up to a few pixels, wider than a style's frame around a control.
  constexpr int kBorder = 4;
  const int border = std::max(
      kBorder, window.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &window));
  const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
  return {border, title + border, border, border};
}

QRect Available(const QWidget& window) {
  return window.screen()->availableGeometry();
}

}  // namespace

QSize RoomOnScreen(const QWidget& window) {
  return Available(window).marginsRemoved(Frame(window)).size();
}

double ShrinkToFit(QSize size, QSize room) {
  if (size.isEmpty()) return 1.0;
  return std::min({1.0, static_cast<double>(room.width()) / size.width(),
                   static_cast<double>(room.height()) / size.height()});
}

void FitToScreen(QWidget& window, QSize wanted) {
  const QMargins frame = Frame(window);
  const QRect room = Available(window).marginsRemoved(frame);
  const QSize size = wanted.boundedTo(room.size()).expandedTo(window.minimumSize());
  // Centred as the client area, moved only as far as the frame needs to stay on the screen; the
  // top left corner, with the title bar, wins where nothing fits.
  QRect client(QPoint(), size);
  client.moveCenter(Available(window).center());
  client.moveRight(std::min(client.right(), room.right()));
  client.moveBottom(std::min(client.bottom(), room.bottom()));
  client.moveLeft(std::max(client.left(), room.left()));
  client.moveTop(std::max(client.top(), room.top()));
  window.setGeometry(client);
}

}  // namespace corvane
