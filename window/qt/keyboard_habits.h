// Keys a keyboard user expects of any window: Enter presses the focused button, Ctrl+Q and
// Ctrl+W close the window.
#pragma once

#include <functional>

class QWidget;

namespace corvane {

//! Enter and keypad Enter press each push button of the window that has the focus, as Space does.
void PressButtonsWithEnter(QWidget& window);

//! Ctrl+Q and Ctrl+W anywhere in the window run `close`, which closes it as its close button does.
void AddCloseKeys(QWidget& window, std::function<void()> close);

}  // namespace corvane
