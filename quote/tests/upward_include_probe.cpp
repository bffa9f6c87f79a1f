// Must not compile: the quote layer sees no window header (quote_cannot_include_window).
#include "window/quote_window.h"
