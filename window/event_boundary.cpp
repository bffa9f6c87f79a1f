#include "window/event_boundary.h"

#include "money/errors.h"

namespace corvane {

std::string ErrorReport(const std::exception& error) {
  const std::string described =
      dynamic_cast<const ControlError*>(&error) != nullptr
          ? "A list entry that is not there was asked for (" + std::string(error.what()) + ")."
          : DescribeError(error);
  return described +
         "\r\n\r\nThe calculation was stopped; the prices shown are those written before it "
         "stopped.";
}

}  // namespace corvane
