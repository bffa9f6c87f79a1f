// Whether a window can be opened at all, asked before Qt would abort for want of a display.
#pragma once

namespace corvane {

//! False only where no display is reachable by any means Qt would try.
bool DisplayAvailable();

}  // namespace corvane
