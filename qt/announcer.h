// Tells a screen reader what changed away from the focus, without moving the focus.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

namespace corvane {

//! An invisible notification of the window. An announcement becomes its name and is shown to
//! assistive technology as a notification appearing, which a screen reader speaks once; nothing
//! is drawn and the focus stays where it is. Announcements made in quick succession are told as
//! the last of them, once the events of the same keystroke have gone.
class Announcer final : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget& window);

  void Announce(const QString& message);
  //! The announcement waiting to be told, or the last one told.
  QString Message() const { return message_; }
  //! Whether an announcement waits to be told.
  bool Waiting() const { return timer_.isActive(); }

 private:
  void Tell();

  QString message_;
  QTimer timer_;
};

}  // namespace corvane
