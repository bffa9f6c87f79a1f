// The sheet and the register together: every change of the sheet is kept as the register's
// draft, so that no end of the program (a crash, kill -9, a power cut) loses it. No Qt; whoever
// makes the controller hands it the register.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "quotation/dealer_details.h"
#include "register/quote_register.h"
#include "sheet/quote_sheet.h"

namespace corvane {

class SheetController {
 public:
  //! The register, opened when first asked for; it may throw RegisterError.
  using RegisterSource = std::function<QuoteRegister&()>;
  //! Tells the dealer a line (the sheet's status line, spoken).
  using Say = std::function<void(const std::string&)>;

  SheetController(RegisterSource source, Say say);

  const QuoteSheet& Sheet() const { return sheet_; }
  //! The dealer's details as the draft carries them.
  void SetDealer(DealerDetails dealer) { dealer_ = std::move(dealer); }

  //! Makes the change; kept as the draft once it is made. A change that throws changes nothing
  //! and keeps nothing.
  void Change(const std::function<void(QuoteSheet&)>& change);
  //! The dates of a sheet just opened: not a change worth a draft of its own.
  void StartOn(QuoteDate date, QuoteDate validUntil) { sheet_.SetDates(date, validUntil); }
  //! Prices the lines again with the book (see QuoteSheet::Reprice), kept as the draft.
  Repricing Reprice(const PriceBook& book);

  //! Puts the draft the register kept back on the sheet; false when there is none. A register
  //! that cannot be read leaves the sheet as it is and says so once.
  bool RestoreDraft();
  //! The dealer chose to discard the lines: the register forgets the draft.
  void DiscardDraft();
  //! Keeps the sheet as the draft now: after it was numbered or handed on, for instance.
  void KeepDraft();

  //! Whether the last attempt to keep the draft failed (it is tried again with the next change).
  bool DraftFailed() const { return failed_; }

 private:
  void Fault(const std::string& cause);

  QuoteSheet sheet_;
  RegisterSource source_;
  Say say_;
  DealerDetails dealer_;
  bool failed_ = false;
};

}  // namespace corvane
