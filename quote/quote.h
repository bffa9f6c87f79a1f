// The quote engine: money and price display, the cross-grade lookup and the quote rules.
#pragma once

#include "quote/discount.h"
#include "quote/errors.h"
#include "quote/format_price.h"
#include "quote/leading_number.h"
#include "quote/look_up_cross_grade.h"
#include "quote/messages.h"
#include "quote/money.h"
#include "quote/package_name.h"
#include "quote/quote_cross_grade.h"
#include "quote/quote_view.h"
#include "quote/show_price.h"
#include "quote/vat.h"
