// A quotation's life: which status may follow which, expiry by date, the revision mark.
#include <gtest/gtest.h>

#include "quotation/quote_status.h"

namespace corvane {
namespace {

using std::chrono::days;
using S = QuoteStatus;

constexpr QuoteDate kValidUntil{std::chrono::year{2026} / 12 / 31};

TEST(QuoteStatus, Transitions) {
  struct Case {
    S from;
    S to;
    bool allowed;
  };
  const Case cases[] = {
      {S::Draft, S::Sent, true},         {S::Draft, S::Accepted, false},
      {S::Draft, S::Declined, false},    {S::Draft, S::Expired, false},
      {S::Sent, S::Accepted, true},      {S::Sent, S::Declined, true},
      {S::Sent, S::Sent, false},         {S::Sent, S::Draft, false},
      {S::Sent, S::Expired, false},      {S::Expired, S::Accepted, true},
      {S::Expired, S::Declined, true},   {S::Expired, S::Sent, false},
      {S::Accepted, S::Declined, true},  {S::Accepted, S::Sent, true},
      {S::Accepted, S::Accepted, false}, {S::Declined, S::Accepted, true},
      {S::Declined, S::Sent, true},      {S::Declined, S::Draft, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MaySetStatus(c.from, c.to), c.allowed)
        << StatusName(c.from) << " -> " << StatusName(c.to);
  }
}

TEST(QuoteStatus, ExpiresTheDayAfterItsValidityUnlessAnswered) {
  struct Case {
    S kept;
    QuoteDate validUntil;
    QuoteDate today;
    S shown;
  };
  const Case cases[] = {
      {S::Sent, kValidUntil, kValidUntil, S::Sent},
      {S::Sent, kValidUntil, kValidUntil + days{1}, S::Expired},
      {S::Draft, kValidUntil, kValidUntil + days{1}, S::Expired},
      {S::Accepted, kValidUntil, kValidUntil + days{400}, S::Accepted},
      {S::Declined, kValidUntil, kValidUntil + days{1}, S::Declined},
      {S::Sent, QuoteDate{}, kValidUntil, S::Sent},  // no validity date: never lapses
  };
  for (const Case& c : cases) {
    Quotation quotation;
    quotation.status = c.kept;
    quotation.validUntil = c.validUntil;
    EXPECT_EQ(ShownStatus(quotation, c.today), c.shown) << StatusName(c.kept);
  }
}

TEST(QuoteStatus, OnlyDeclinedAndExpiredMayNotBeSentAgainUnchanged) {
  EXPECT_TRUE(MayResend(S::Draft));
  EXPECT_TRUE(MayResend(S::Sent));
  EXPECT_TRUE(MayResend(S::Accepted));
  EXPECT_FALSE(MayResend(S::Declined));
  EXPECT_FALSE(MayResend(S::Expired));
}

TEST(QuoteStatus, NumberWithRevision) {
  Quotation quotation;
  EXPECT_EQ(NumberWithRevision(quotation), "");
  quotation.number = "Q-2026-0007";
  EXPECT_EQ(NumberWithRevision(quotation), "Q-2026-0007");
  quotation.revision = 2;
  EXPECT_EQ(NumberWithRevision(quotation), "Q-2026-0007 rev. 2");
}

}  // namespace
}  // namespace corvane
