#include "app/destroyed_window_watch.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QWidget>

#if __has_include(<xcb/xproto.h>)
#include <xcb/xproto.h>
#define CORVANE_WATCH_XCB 1
#endif

namespace corvane {

DestroyedWindowWatch::DestroyedWindowWatch(const QWidget& window) : window_(window) {
  QCoreApplication::instance()->installNativeEventFilter(this);
}

DestroyedWindowWatch::~DestroyedWindowWatch() {
  QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool DestroyedWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message,
                                             qintptr* /*result*/) {
#ifdef CORVANE_WATCH_XCB
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) return false;
  const auto* destroyed = reinterpret_cast<const xcb_destroy_notify_event_t*>(event);
  if (!window_.testAttribute(Qt::WA_WState_Created) ||
      destroyed->window != static_cast<xcb_window_t>(window_.winId())) {
    return false;
  }
  // Qt still holds the window and, cleaning up, finds it gone; that is expected now, not news.
  QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.xcb.warning=false"));
  QCoreApplication::exit(0);
#else
  static_cast<void>(eventType);
  static_cast<void>(message);
#endif
  return false;
}

}  // namespace corvane
