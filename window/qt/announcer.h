// Tells a screen reader what changed away from the focus, without moving the focus.
#pragma once

#include <QWidget>

namespace corvane {

//! An invisible notification of the window. Each announcement becomes its name and is shown to
//! assistive technology as a notification appearing, which a screen reader speaks once; nothing
//! is drawn and the focus stays where it is.
class Announcer final : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget& window);

  void Announce(const QString& message);
  //! The latest announcement.
  QString Message() const { return accessibleName(); }
};

}  // namespace corvane
