// A push button whose caption wraps onto a second line when it is wider than the button.
#pragma once

#include <QPushButton>

namespace corvane {

//! The caption keeps its access key: "&Close" still answers Alt+C and shows the C underlined.
class CaptionButton final : public QPushButton {
 public:
  explicit CaptionButton(QWidget* parent) : QPushButton(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace corvane
