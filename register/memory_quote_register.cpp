#include "register/memory_quote_register.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <set>
#include <utility>

#include "money/format_price.h"
#include "quotation/quote_status.h"

namespace corvane {
namespace {

// U+00C0..U+00FF, the accented letters of Latin-1, as the plain letters they are found by.
constexpr std::array<std::string_view, 64> kLatin1Folded = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "x", "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "/", "o", "u", "u", "u", "u", "y", "th", "y",
};
static_assert(kLatin1Folded.size() == 0x100 - 0xC0);

int YearOf(QuoteDate date) {
  return static_cast<int>(std::chrono::year_month_day(date).year());
}

//! The serial a number ends in: "Q-2026-0007" gives 7; none without trailing digits.
std::optional<std::int64_t> SerialOf(std::string_view number) {
  std::size_t start = number.size();
  while (start > 0 && std::isdigit(static_cast<unsigned char>(number[start - 1])) != 0) --start;
  if (start == number.size() || number.size() - start > 18) return std::nullopt;
  return std::stoll(std::string(number.substr(start)));
}

//! "Q-2026-0007" also as "Q-2026-7", so that the serial is found without its leading zeros.
std::string WithoutLeadingZeros(std::string_view number) {
  std::size_t start = number.size();
  while (start > 0 && std::isdigit(static_cast<unsigned char>(number[start - 1])) != 0) --start;
  std::size_t first = start;
  while (first + 1 < number.size() && number[first] == '0') ++first;
  return std::string(number.substr(0, start)) + std::string(number.substr(first));
}

RegisterEntry EntryOf(const Quotation& q) {
  return {q.number,    q.revision, q.status,     q.statusDate,         q.customer.company,
          q.reference, q.date,     q.validUntil, q.totals.includingVat};
}

bool SameRevision(const Quotation& a, const Quotation& b) {
  return a.number == b.number && a.revision == b.revision;
}

}  // namespace

std::string FoldedForSearch(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    // Two-byte UTF-8 of U+00C0..U+00FF: 0xC3 then 0x80..0xBF.
    if (c == 0xC3 && i + 1 < text.size()) {
      const auto next = static_cast<unsigned char>(text[i + 1]);
      if (next >= 0x80 && next <= 0xBF) {
        folded += kLatin1Folded[next - 0x80];
        ++i;
        continue;
      }
    }
    folded += static_cast<char>(std::tolower(c));
  }
  return folded;
}

Quotation* MemoryQuoteRegister::Kept(const std::string& number, std::optional<int> revision) {
  Quotation* found = nullptr;
  for (Quotation& q : kept_) {
    if (q.number != number) continue;
    if (revision ? q.revision == *revision : (!found || q.revision > found->revision)) found = &q;
  }
  return found;
}

void MemoryQuoteRegister::KeepNumbered(Quotation quotation) {
  if (const auto serial = SerialOf(quotation.number)) serial_ = std::max(serial_, *serial);
  kept_.push_back(std::move(quotation));
  ++changes_;
}

Quotation MemoryQuoteRegister::Keep(const Quotation& quotation, const HandOver& handOver) {
  Quotation kept = quotation;
  kept.status = QuoteStatus::Sent;
  kept.statusDate = quotation.date;
  if (kept.number.empty()) {
    kept.number = QuoteNumber(quotation.dealer.numberPrefix, YearOf(quotation.date), serial_ + 1);
    kept.revision = 1;
  } else {
    const Quotation* newest = Kept(kept.number, std::nullopt);
    if (!newest) throw RegisterError("The register holds no quote " + kept.number + ".");
    kept.revision = newest->revision + 1;
  }
  if (handOver) handOver(kept);
  KeepNumbered(kept);
  return kept;
}

bool MemoryQuoteRegister::Matches(const Quotation& newest, const RegisterFilter& filter) const {
  if (filter.status && ShownStatus(newest, filter.today) != *filter.status) return false;
  if (filter.from && newest.date < *filter.from) return false;
  if (filter.to && newest.date > *filter.to) return false;
  const std::string text = FoldedForSearch(filter.text);
  if (text.empty()) return true;
  std::vector<std::string> fields = {newest.number,
                                     WithoutLeadingZeros(newest.number),
                                     newest.customer.company,
                                     newest.reference,
                                     FormatPrice(newest.totals.includingVat),
                                     FormatPrice(newest.totals.includingVat, {"", "."})};
  for (const QuoteLine& line : newest.lines) {
    fields.push_back(line.description);
    if (line.subject) {
      fields.insert(fields.end(), {line.subject->from, line.subject->to, line.subject->item});
    }
  }
  return std::any_of(fields.begin(), fields.end(), [&](const std::string& field) {
    return FoldedForSearch(field).find(text) != std::string::npos;
  });
}

std::vector<RegisterEntry> MemoryQuoteRegister::Entries(const RegisterFilter& filter) {
  std::vector<RegisterEntry> entries;
  std::set<std::string> seen;
  for (auto q = kept_.rbegin(); q != kept_.rend(); ++q) {
    if (!seen.insert(q->number).second) continue;
    const Quotation& newest = *Kept(q->number, std::nullopt);
    if (Matches(newest, filter)) entries.push_back(EntryOf(newest));
  }
  return entries;
}

Quotation MemoryQuoteRegister::Find(const std::string& number, std::optional<int> revision) {
  const Quotation* found = Kept(number, revision);
  if (!found) throw RegisterError("The register holds no quote " + number + ".");
  return *found;
}

std::vector<RegisterEntry> MemoryQuoteRegister::History(const std::string& number) {
  std::vector<RegisterEntry> history;
  for (const Quotation& q : kept_) {
    if (q.number == number) history.push_back(EntryOf(q));
  }
  std::sort(history.begin(), history.end(),
            [](const RegisterEntry& a, const RegisterEntry& b) { return a.revision > b.revision; });
  return history;
}

void MemoryQuoteRegister::SetStatus(const std::string& number, int revision, QuoteStatus status,
                                    QuoteDate day) {
  Quotation* found = Kept(number, revision);
  if (!found) throw RegisterError("The register holds no quote " + number + ".");
  if (!MaySetStatus(ShownStatus(*found, day), status)) {
    throw RegisterError("A quote shown as " + std::string(StatusName(ShownStatus(*found, day))) +
                        " cannot be set " + std::string(StatusName(status)) + ".");
  }
  found->status = status;
  found->statusDate = day;
  ++changes_;
}

std::vector<Customer> MemoryQuoteRegister::Customers(std::string_view text) {
  const std::string folded = FoldedForSearch(text);
  std::vector<Customer> found;
  for (const Customer& c : customers_) {
    if (FoldedForSearch(c.company).find(folded) != std::string::npos) found.push_back(c);
  }
  std::sort(found.begin(), found.end(),
            [](const Customer& a, const Customer& b) { return a.company < b.company; });
  return found;
}

void MemoryQuoteRegister::KeepCustomer(const Customer& customer) {
  if (customer.Empty()) return;
  const auto same = std::find_if(customers_.begin(), customers_.end(),
                                 [&](const Customer& c) { return c.company == customer.company; });
  if (same != customers_.end()) {
    *same = customer;
  } else {
    customers_.push_back(customer);
  }
}

void MemoryQuoteRegister::KeepDraft(const Quotation& draft) {
  draft_ = draft;
}

std::optional<Quotation> MemoryQuoteRegister::Draft() {
  return draft_;
}

void MemoryQuoteRegister::DiscardDraft() {
  draft_.reset();
}

std::vector<Quotation> MemoryQuoteRegister::Export(const RegisterFilter& filter) {
  std::vector<Quotation> found;
  for (const Quotation& q : kept_) {
    if (Matches(*Kept(q.number, std::nullopt), filter)) found.push_back(q);
  }
  return found;
}

std::vector<Quotation> MemoryQuoteRegister::Import(const std::vector<Quotation>& quotations) {
  // Checked whole before anything is kept, so that a refused import keeps nothing.
  for (std::size_t i = 0; i < quotations.size(); ++i) {
    const Quotation& q = quotations[i];
    if (q.number.empty()) continue;
    const bool held = Kept(q.number, q.revision) != nullptr;
    const bool twice =
        std::any_of(quotations.begin(), quotations.begin() + static_cast<long>(i),
                    [&](const Quotation& earlier) { return SameRevision(earlier, q); });
    if (held || twice) {
      throw RegisterError("The register already holds quote " + NumberWithRevision(q) +
                          "; nothing was imported.");
    }
  }
  // Every restored number counts before any new one is given, so that none repeats.
  for (const Quotation& q : quotations) {
    if (const auto serial = SerialOf(q.number)) serial_ = std::max(serial_, *serial);
  }
  std::vector<Quotation> kept;
  for (const Quotation& q : quotations) {
    if (q.number.empty()) {
      kept.push_back(Keep(q));
    } else {
      KeepNumbered(q);
      kept.push_back(q);
    }
  }
  return kept;
}

}  // namespace corvane
