// Where an event reaches the window's behaviour: an error a handler raises is reported, not fatal.
#pragma once

#include <exception>
#include <string>
#include <utility>

#include "window/controls.h"

namespace corvane {

//! The plain-words report of an error that stopped a handler.
std::string ErrorReport(const std::exception& error);

//! Runs a handler to completion. An error it raises stops it and is shown in a message box; what
//! it wrote before stays, and the program carries on.
template <typename Handler>
void DeliverEvent(MessageSink& messages, Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
  } catch (const std::exception& error) {
    messages.ShowError(ErrorReport(error));
  } catch (...) {
    messages.ShowError("The calculation was stopped by an unexpected error.");
  }
}

}  // namespace corvane
