#include "qt/announcer.h"

#include <QAccessible>

namespace corvane {

namespace {

// A keystroke that chooses an entry also moves the focus, closes the finder and refills a list;
// Orca drops a notification that comes amid the focus events of a flood of them, so it is told a
// moment later, still well within the second in which a reader expects to hear it.
constexpr int kSettleMilliseconds = 150;

}  // namespace

Announcer::Announcer(QWidget& window) : QWidget(&window) {
  setObjectName(QStringLiteral("announcer"));
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setVisible(false);
  timer_.setSingleShot(true);
  timer_.setInterval(kSettleMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &Announcer::Tell);
}

void Announcer::Announce(const QString& message) {
  message_ = message;
  timer_.start();
}

// Qt 6.4 has no announcement of its own. A notification that shows is what Orca and other AT-SPI
// readers speak unasked; the widget itself stays hidden, so only the event says that it shows.
void Announcer::Tell() {
  setAccessibleName(message_);
  if (!QAccessible::isActive()) return;
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace corvane
