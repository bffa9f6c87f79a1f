// Standard output that carries the program's bytes unchanged on every system.
#pragma once

namespace corvane {

//! Makes standard output write exactly the bytes the program writes. On Windows a text-mode
//! stream would turn each "\n" into "\r\n", so the CSV's "\r\n" would come out as "\r\r\n" and
//! the listing would differ from the one printed elsewhere; and a console shows the UTF-8 text as
//! UTF-8 rather than in its own code page, until the program ends. Elsewhere it does nothing.
void UseStandardOutputAsBytes();

}  // namespace corvane
