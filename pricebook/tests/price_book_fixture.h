// The filled price book shared by the test cases, built once, and checks several tests share.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "pricebook/price_book.h"

namespace corvane::testing {

inline const PriceBook& FilledBook() {
  static const PriceBook book = FillPriceBook();
  return book;
}

//! Checks that a text list and its parallel price list are filled exactly at first..last: a text
//! and a positive price there, an empty text and zero everywhere else up to the upper bound.
template <int Upper>
void ExpectFilledExactly(const Table<std::string, Upper>& texts, const Table<Money, Upper>& prices,
                         int first, int last) {
  for (int i = 0; i <= texts.UpperBound(); ++i) {
    SCOPED_TRACE("index " + std::to_string(i));
    if (i >= first && i <= last) {
      EXPECT_NE(texts[i], "");
      EXPECT_GT(prices[i], Money());
    } else {
      EXPECT_EQ(texts[i], "");
      EXPECT_EQ(prices[i], Money());
    }
  }
}

}  // namespace corvane::testing
