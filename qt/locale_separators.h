// The thousands and decimal separators of the user's locale, for the price picture.
#pragma once

#include "money/format_price.h"

namespace corvane {

Separators SeparatorsFromLocale();

}  // namespace corvane
