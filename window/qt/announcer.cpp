#include "window/qt/announcer.h"

#include <QAccessible>

namespace corvane {

Announcer::Announcer(QWidget& window) : QWidget(&window) {
  setObjectName(QStringLiteral("announcer"));
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setVisible(false);
}

// Qt 6.4 has no announcement of its own. A notification that shows is what Orca and other AT-SPI
// readers speak unasked; the widget itself stays hidden, so only the event says that it shows.
void Announcer::Announce(const QString& message) {
  setAccessibleName(message);
  if (!QAccessible::isActive()) return;
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace corvane
