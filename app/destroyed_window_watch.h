// Ends the program when its window is destroyed from outside (another X client's
// XDestroyWindow, `xdotool windowclose`): Qt would go on running without a window.
#pragma once

#include <QAbstractNativeEventFilter>

class QWidget;

namespace corvane {

//! Installed on the application while it lives; when the X window of `window` is destroyed by
//! someone else, the event loop ends with status 0, as if the window had been closed. Does
//! nothing on other window systems, where no window is taken away unasked.
class DestroyedWindowWatch final : public QAbstractNativeEventFilter {
 public:
  explicit DestroyedWindowWatch(const QWidget& window);
  ~DestroyedWindowWatch() override;
  DestroyedWindowWatch(const DestroyedWindowWatch&) = delete;
  DestroyedWindowWatch& operator=(const DestroyedWindowWatch&) = delete;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  const QWidget& window_;
};

}  // namespace corvane
