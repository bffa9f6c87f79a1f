// The start-up routine once Qt is running: names the application, fills the price book, creates,
// loads and shows the quote window, and runs it until it is closed.
#pragma once

#include <functional>
#include <string>

namespace corvane {

class FrmTindrel;

//! Returns the program's exit status. `beforeLoad`, when given, sees the window once it is created
//! and before its load step; `program` names the program in the one line that reports a price
//! book that could not be built. The window prices from the book in `priceBookFile` when one is
//! named, else from the one it last opened, else from the built-in book. A lack of memory
//! (std::bad_alloc) is left to the caller. The quote sheet keeps its quotes and drafts in the
//! register at `registerLocation` (see RegisterLocation), opened once the window has been painted,
//! when the draft left there is put back on the sheet.
int RunQuoteWindow(const char* program, const std::function<void(FrmTindrel&)>& beforeLoad = {},
                   const std::string& priceBookFile = {}, const std::string& registerLocation = {});

}  // namespace corvane
