#include "sheet/sheet_controller.h"

#include <utility>

namespace corvane {

SheetController::SheetController(RegisterSource source, Say say)
    : source_(std::move(source)), say_(std::move(say)) {}

void SheetController::Change(const std::function<void(QuoteSheet&)>& change) {
  change(sheet_);
  KeepDraft();
}

Repricing SheetController::Reprice(const PriceBook& book) {
  Repricing result = sheet_.Reprice(book);
  KeepDraft();
  return result;
}

void SheetController::KeepDraft() {
  try {
    QuoteRegister& reg = source_();
    if (sheet_.Empty() && sheet_.Buyer().Empty() && sheet_.Reference().empty()) {
      reg.DiscardDraft();
    } else {
      reg.KeepDraft(sheet_.Document(dealer_));
    }
    if (failed_ && say_) say_("The quote is kept as a draft again.");
    failed_ = false;
  } catch (const RegisterError& error) {
    Fault(error.what());
  }
}

bool SheetController::RestoreDraft() {
  try {
    const std::optional<Quotation> draft = source_().Draft();
    if (!draft) return false;
    sheet_.Restore(*draft);
    return true;
  } catch (const RegisterError& error) {
    Fault(error.what());
    return false;
  }
}

void SheetController::DiscardDraft() {
  try {
    source_().DiscardDraft();
  } catch (const RegisterError& error) {
    Fault(error.what());
  }
}

// Said once: until a draft is kept again, every change would only repeat it.
void SheetController::Fault(const std::string& cause) {
  if (!failed_ && say_) {
    say_("The quote could not be kept as a draft (" + cause +
         "); its lines stay on the sheet, and it is tried again with the next change.");
  }
  failed_ = true;
}

}  // namespace corvane
