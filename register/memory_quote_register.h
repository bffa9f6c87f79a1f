// A register held in memory: the whole interface, kept as simply as it can be, for the sheet's
// tests and as the reference every store is compared with. Nothing outlives the object.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "register/quote_register.h"

namespace corvane {

class MemoryQuoteRegister : public QuoteRegister {
 public:
  Quotation Keep(const Quotation& quotation, const HandOver& handOver = {}) override;
  std::vector<RegisterEntry> Entries(const RegisterFilter& filter) override;
  Quotation Find(const std::string& number, std::optional<int> revision = {}) override;
  std::vector<RegisterEntry> History(const std::string& number) override;
  void SetStatus(const std::string& number, int revision, QuoteStatus status,
                 QuoteDate day) override;

  std::vector<Customer> Customers(std::string_view text) override;
  void KeepCustomer(const Customer& customer) override;

  void KeepDraft(const Quotation& draft) override;
  std::optional<Quotation> Draft() override;
  void DiscardDraft() override;

  std::vector<Quotation> Export(const RegisterFilter& filter) override;
  std::vector<Quotation> Import(const std::vector<Quotation>& quotations) override;

  bool ReadOnly() const override { return false; }
  std::int64_t ChangeCount() override { return changes_; }

 private:
  Quotation* Kept(const std::string& number, std::optional<int> revision);
  bool Matches(const Quotation& newest, const RegisterFilter& filter) const;
  void KeepNumbered(Quotation quotation);

  std::vector<Quotation> kept_;  //!< every revision, in the order kept
  std::vector<Customer> customers_;
  std::optional<Quotation> draft_;
  std::int64_t serial_ = 0;
  std::int64_t changes_ = 0;
};

//! The text folded for finding: lower case, the accents of Latin letters taken off ("Müller"
//! reads "muller", "Ångström" "angstrom").
std::string FoldedForSearch(std::string_view text);

}  // namespace corvane
