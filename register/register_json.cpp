#include "register/register_json.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "quotation/amounts.h"

namespace corvane {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kFormat = "corvane-register";

constexpr std::array<std::pair<QuoteStatus, std::string_view>, 4> kStatuses = {{
    {QuoteStatus::Draft, "Draft"},
    {QuoteStatus::Sent, "Sent"},
    {QuoteStatus::Accepted, "Accepted"},
    {QuoteStatus::Declined, "Declined"},
}};
constexpr std::array<std::pair<QuoteKind, std::string_view>, 4> kKinds = {{
    {QuoteKind::CrossGrade, "crossGrade"},
    {QuoteKind::NewPackage, "newPackage"},
    {QuoteKind::Support, "support"},
    {QuoteKind::Other, "other"},
}};
static_assert(kKinds.size() == static_cast<std::size_t>(QuoteKind::Other) + 1);

template <typename T, std::size_t N>
std::string_view NameOf(const std::array<std::pair<T, std::string_view>, N>& names, T value) {
  for (const auto& [v, name] : names) {
    if (v == value) return name;
  }
  return {};
}

// A number of percent in hundredths (rates) or ten-thousandths (discounts), written as the
// shortest decimal: 14, 12.5.
Json Percent(std::int64_t units, int scale) {
  if (units % scale == 0) return units / scale;
  return static_cast<double>(units) / scale;
}

[[noreturn]] void Fault(const std::string& place, const std::string& what) {
  throw RegisterFileError(place + ": " + what);
}

// Reads the members of one JSON object, naming the place of the first fault.
class Reader {
 public:
  Reader(const Json& object, std::string place) : object_(object), place_(std::move(place)) {
    if (!object_.is_object()) Fault(place_, "not an object");
  }
  const Json& Member(const char* name) const {
    const auto found = object_.find(name);
    if (found == object_.end()) Fault(Place(name), "missing");
    return *found;
  }
  bool Has(const char* name) const {
    const auto found = object_.find(name);
    return found != object_.end() && !found->is_null();
  }
  std::string Place(const char* name) const { return place_ + "." + name; }
  std::string Text(const char* name) const {
    const Json& value = Member(name);
    if (!value.is_string()) Fault(Place(name), "not a text");
    return value.get<std::string>();
  }
  std::int64_t Whole(const char* name, std::int64_t low, std::int64_t high) const {
    const Json& value = Member(name);
    if (!value.is_number_integer()) Fault(Place(name), "not a whole number");
    const auto n = value.get<std::int64_t>();
    if (n < low || n > high) {
      Fault(Place(name),
            "out of range (" + std::to_string(low) + " to " + std::to_string(high) + ")");
    }
    return n;
  }
  bool Flag(const char* name) const {
    const Json& value = Member(name);
    if (!value.is_boolean()) Fault(Place(name), "not true or false");
    return value.get<bool>();
  }
  Money Amount(const char* name) const { return AmountOf(Member(name), Place(name)); }
  QuoteDate Date(const char* name) const { return DateOf(Member(name), Place(name)); }
  std::int64_t Percent(const char* name, int scale, std::int64_t high) const {
    const Json& value = Member(name);
    if (!value.is_number()) Fault(Place(name), "not a number");
    const double scaled = value.get<double>() * scale;
    const double whole = std::round(scaled);
    if (!(std::fabs(scaled - whole) < 1e-6) || whole < 0 || whole > static_cast<double>(high)) {
      Fault(Place(name), "not a percentage this register keeps");
    }
    return static_cast<std::int64_t>(whole);
  }
  const Json& Object() const { return object_; }
  const std::string& Place() const { return place_; }

  static Money AmountOf(const Json& value, const std::string& place) {
    if (!value.is_string()) Fault(place, "not an amount as text");
    const std::string text = value.get<std::string>();
    const std::optional<Money> amount = ParseDecimal(text);
    if (!amount) Fault(place, "not an amount (\"" + text.substr(0, 40) + "\")");
    return *amount;
  }
  static QuoteDate DateOf(const Json& value, const std::string& place) {
    if (!value.is_string()) Fault(place, "not a date as text");
    const std::optional<QuoteDate> date = ParseQuoteDate(value.get<std::string>());
    if (!date) Fault(place, "not a date (YYYY-MM-DD)");
    return *date;
  }

 private:
  static std::optional<Money> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
      negative = true;
      text.remove_prefix(1);
    }
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view fraction =
        dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    if (whole.empty() || whole.size() > 14 || fraction.size() > 4 ||
        (dot != std::string_view::npos && fraction.empty())) {
      return {};
    }
    std::int64_t raw = 0;
    for (char c : whole) {
      if (c < '0' || c > '9') return {};
      raw = raw * 10 + (c - '0');
    }
    std::int64_t decimals = 0;
    for (std::size_t i = 0; i < 4; ++i) {
      const char c = i < fraction.size() ? fraction[i] : '0';
      if (c < '0' || c > '9') return {};
      decimals = decimals * 10 + (c - '0');
    }
    raw = raw * Money::kScale + decimals;
    return Money::fromTenThousandths(negative ? -raw : raw);
  }

  const Json& object_;
  std::string place_;
};

template <typename T, std::size_t N>
T Named(const std::array<std::pair<T, std::string_view>, N>& names, const Reader& reader,
        const char* member) {
  const std::string text = reader.Text(member);
  for (const auto& [value, name] : names) {
    if (name == text) return value;
  }
  Fault(reader.Place(member),
        "not one of the names this register knows (\"" + text.substr(0, 40) + "\")");
}

Json CustomerJson(const Customer& c) {
  return Json{{"company", c.company},     {"contact", c.contact}, {"address", c.address},
              {"vatNumber", c.vatNumber}, {"email", c.email},     {"telephone", c.telephone}};
}

Json DealerJson(const DealerDetails& d) {
  return Json{{"companyName", d.companyName},
              {"address", d.address},
              {"vatNumber", d.vatNumber},
              {"telephone", d.telephone},
              {"email", d.email},
              {"numberPrefix", d.numberPrefix},
              {"validityDays", d.validityDays},
              {"terms", d.terms},
              {"paymentTerms", d.paymentTerms},
              {"bank",
               {{"accountHolder", d.bank.accountHolder},
                {"bank", d.bank.bank},
                {"account", d.bank.account},
                {"branch", d.bank.branch}}},
              {"currency", d.currency}};
}

Json LineJson(const QuoteLine& l) {
  Json line{{"description", l.description}};
  if (l.subject) {
    line["subject"] = Json{{"kind", NameOf(kKinds, l.subject->kind)},
                           {"from", l.subject->from},
                           {"to", l.subject->to},
                           {"item", l.subject->item},
                           {"ageBand", l.subject->ageBand}};
  } else {
    line["subject"] = nullptr;
  }
  line["book"] = Json{{"vendor", l.book.vendor}, {"effective", IsoDate(l.book.effective)}};
  line["vatRate"] = Percent(l.vat.hundredths, 100);
  line["listPrice"] = DecimalText(l.listPrice);
  line["discount"] = l.discount ? Percent(l.discount->tenThousandths, 10'000) : Json(nullptr);
  line["basis"] = l.basis == PriceBasis::IncludingVat ? "includingVat" : "excludingVat";
  line["unitPrice"] = DecimalText(l.unitPrice);
  line["quantity"] = l.quantity;
  line["amounts"] = Json{{"excludingVat", DecimalText(l.amounts.excludingVat)},
                         {"vat", DecimalText(l.amounts.vat)},
                         {"includingVat", DecimalText(l.amounts.includingVat)}};
  line["earlierUnitPrice"] = l.earlierUnitPrice ? Json(DecimalText(*l.earlierUnitPrice)) : nullptr;
  line["keptPrice"] = l.keptPrice;
  return line;
}

Json QuoteJson(const Quotation& q) {
  Json rates = Json::array();
  for (const VatRow& row : q.totals.rates) {
    rates.push_back(Json{{"rate", Percent(row.rate.hundredths, 100)},
                         {"base", DecimalText(row.base)},
                         {"vat", DecimalText(row.vat)},
                         {"including", DecimalText(row.including)}});
  }
  Json lines = Json::array();
  for (const QuoteLine& line : q.lines) lines.push_back(LineJson(line));
  return Json{{"number", q.number},
              {"revision", q.revision},
              {"status", NameOf(kStatuses, q.status)},
              {"statusDate", q.statusDate ? Json(IsoDate(*q.statusDate)) : Json(nullptr)},
              {"date", IsoDate(q.date)},
              {"validUntil", IsoDate(q.validUntil)},
              {"customer", CustomerJson(q.customer)},
              {"reference", q.reference},
              {"currency", q.currency},
              {"dealer", DealerJson(q.dealer)},
              {"lines", std::move(lines)},
              {"totals",
               {{"excludingVat", DecimalText(q.totals.excludingVat)},
                {"vat", DecimalText(q.totals.vat)},
                {"includingVat", DecimalText(q.totals.includingVat)},
                {"rates", std::move(rates)}}}};
}

Customer CustomerOf(const Reader& r) {
  return Customer{r.Text("company"),   r.Text("contact"), r.Text("address"),
                  r.Text("vatNumber"), r.Text("email"),   r.Text("telephone")};
}

DealerDetails DealerOf(const Reader& r) {
  DealerDetails d;
  d.companyName = r.Text("companyName");
  d.address = r.Text("address");
  d.vatNumber = r.Text("vatNumber");
  d.telephone = r.Text("telephone");
  d.email = r.Text("email");
  d.numberPrefix = r.Text("numberPrefix");
  d.validityDays = static_cast<int>(r.Whole("validityDays", 0, kMaxValidityDays));
  d.terms = r.Text("terms");
  d.paymentTerms = r.Text("paymentTerms");
  const Reader bank(r.Member("bank"), r.Place("bank"));
  d.bank = BankDetails{bank.Text("accountHolder"), bank.Text("bank"), bank.Text("account"),
                       bank.Text("branch")};
  d.currency = r.Text("currency");
  return d;
}

QuoteLine LineOf(const Reader& r) {
  QuoteLine l;
  l.description = r.Text("description");
  if (r.Has("subject")) {
    const Reader s(r.Member("subject"), r.Place("subject"));
    l.subject = LineSubject{Named(kKinds, s, "kind"), s.Text("from"), s.Text("to"), s.Text("item"),
                            static_cast<int>(s.Whole("ageBand", 0, 1000))};
  }
  const Reader book(r.Member("book"), r.Place("book"));
  l.book = BookIdentity{book.Text("vendor"), book.Date("effective")};
  l.vat = VatRate{static_cast<std::int32_t>(r.Percent("vatRate", 100, kMaxVatHundredths))};
  l.listPrice = r.Amount("listPrice");
  if (r.Has("discount")) l.discount = DiscountPercent{r.Percent("discount", 10'000, 1'000'000)};
  const std::string basis = r.Text("basis");
  if (basis != "excludingVat" && basis != "includingVat") {
    Fault(r.Place("basis"), "neither \"excludingVat\" nor \"includingVat\"");
  }
  l.basis = basis == "includingVat" ? PriceBasis::IncludingVat : PriceBasis::ExcludingVat;
  l.unitPrice = r.Amount("unitPrice");
  l.quantity = static_cast<std::int16_t>(r.Whole("quantity", 1, 999));
  const Reader amounts(r.Member("amounts"), r.Place("amounts"));
  l.amounts = LineAmounts{amounts.Amount("excludingVat"), amounts.Amount("vat"),
                          amounts.Amount("includingVat")};
  if (l.amounts.excludingVat + l.amounts.vat != l.amounts.includingVat) {
    Fault(r.Place("amounts"), "excluding VAT and the VAT do not add up to the amount including it");
  }
  if (r.Has("earlierUnitPrice")) l.earlierUnitPrice = r.Amount("earlierUnitPrice");
  l.keptPrice = r.Flag("keptPrice");
  return l;
}

Quotation QuoteOf(const Reader& r) {
  Quotation q;
  q.number = r.Text("number");
  q.revision = static_cast<int>(r.Whole("revision", 1, 100'000));
  q.status = Named(kStatuses, r, "status");
  if (r.Has("statusDate")) q.statusDate = r.Date("statusDate");
  q.date = r.Date("date");
  q.validUntil = r.Date("validUntil");
  q.customer = CustomerOf(Reader(r.Member("customer"), r.Place("customer")));
  q.reference = r.Text("reference");
  q.currency = r.Text("currency");
  q.dealer = DealerOf(Reader(r.Member("dealer"), r.Place("dealer")));
  const Json& lines = r.Member("lines");
  if (!lines.is_array()) Fault(r.Place("lines"), "not a list");
  if (lines.size() > kMaxLinesPerQuote) Fault(r.Place("lines"), "more lines than a quote holds");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    q.lines.push_back(LineOf(Reader(lines[i], r.Place("lines") + "[" + std::to_string(i) + "]")));
  }
  const Reader totals(r.Member("totals"), r.Place("totals"));
  try {
    q.totals = TotalsOf(q.lines);
  } catch (const std::exception&) {
    Fault(r.Place("lines"), "the amounts leave the range of money");
  }
  const char* const sums[] = {"excludingVat", "vat", "includingVat"};
  const Money expected[] = {q.totals.excludingVat, q.totals.vat, q.totals.includingVat};
  for (std::size_t i = 0; i < 3; ++i) {
    if (totals.Amount(sums[i]) != expected[i]) {
      Fault(totals.Place(sums[i]),
            "is not the sum of the lines (" + DecimalText(expected[i]) + ")");
    }
  }
  return q;
}

Json Parse(std::string_view text) {
  try {
    return Json::parse(text.begin(), text.end());
  } catch (const Json::parse_error& error) {
    // nlohmann's own words, without its "[json.exception.parse_error.101] " tag.
    std::string said = error.what();
    const std::size_t tag = said.find("] ");
    if (tag != std::string::npos) said.erase(0, tag + 2);
    throw RegisterFileError("not JSON: byte " + std::to_string(error.byte) + ": " + said);
  }
}

}  // namespace

std::string DecimalText(Money amount) {
  const std::int64_t raw = amount.tenThousandths();
  const std::uint64_t magnitude =
      raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
  std::string decimals = std::to_string(magnitude % Money::kScale);
  decimals.insert(0, 4 - decimals.size(), '0');
  while (decimals.size() > 2 && decimals.back() == '0') decimals.pop_back();
  std::string text = raw < 0 ? "-" : "";
  text.append(std::to_string(magnitude / Money::kScale));
  text.push_back('.');
  text.append(decimals);
  return text;
}

std::string RegisterJson(const std::vector<Quotation>& quotations) {
  Json quotes = Json::array();
  for (const Quotation& q : quotations) quotes.push_back(QuoteJson(q));
  const Json document{{"format", kFormat}, {"version", kRegisterJsonVersion}, {"quotes", quotes}};
  return document.dump(2, ' ', false, Json::error_handler_t::strict) + "\n";
}

std::vector<Quotation> QuotationsOfJson(std::string_view text) {
  const Json document = Parse(text);
  const Reader top(document, "document");
  if (top.Text("format") != kFormat) Fault("format", "not \"corvane-register\"");
  const std::int64_t version = top.Whole("version", 0, 1'000'000);
  if (version != kRegisterJsonVersion) {
    Fault("version", std::to_string(version) + ", where this program reads version " +
                         std::to_string(kRegisterJsonVersion));
  }
  const Json& quotes = top.Member("quotes");
  if (!quotes.is_array()) Fault("quotes", "not a list");
  if (quotes.size() > kMaxImportedQuotes) {
    Fault("quotes", std::to_string(quotes.size()) + " quotes, more than the " +
                        std::to_string(kMaxImportedQuotes) + " one import takes");
  }
  std::vector<Quotation> quotations;
  quotations.reserve(quotes.size());
  for (std::size_t i = 0; i < quotes.size(); ++i) {
    quotations.push_back(QuoteOf(Reader(quotes[i], "quotes[" + std::to_string(i) + "]")));
  }
  return quotations;
}

std::string QuotationJson(const Quotation& quotation) {
  return QuoteJson(quotation).dump(-1, ' ', false, Json::error_handler_t::strict);
}

Quotation QuotationOfJson(std::string_view text) {
  return QuoteOf(Reader(Parse(text), "quote"));
}

}  // namespace corvane
