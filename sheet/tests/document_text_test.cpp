// The quotation's words as copied (text and HTML): every block, the columns, the arithmetic of
// each printed line, the VAT per rate; and typed values of any kind printed safely, the proposed
// file name and the IBAN check.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "money/format_price.h"
#include "quotation/amounts.h"
#include "quotation/iban.h"
#include "sheet/pdf_file_name.h"
#include "sheet/printable_text.h"
#include "sheet/sheet_text.h"
#include "sheet/tests/document_quotes.h"

namespace corvane {
namespace {

// Reads "1 234,56" or "1,234.56" back as cents.
std::int64_t Cents(std::string text, const Separators& separators) {
  for (std::size_t at; (at = text.find(separators.thousands)) != std::string::npos;) {
    text.erase(at, separators.thousands.size());
  }
  const auto point = text.find(separators.decimal);
  return std::stoll(text.substr(0, point)) * 100 +
         std::stoll(text.substr(point + separators.decimal.size()));
}

TEST(DocumentText, CarriesEveryBlockAndTheArithmeticOfEveryLine) {
  for (const Separators& separators : {Separators{}, Separators{" ", ","}}) {
    const Quotation quotation = TwoRateQuotation();
    const std::string text = SheetPlainText(quotation, separators);
    const std::string d = separators.decimal;
    for (const std::string& expected : std::vector<std::string>{
             "Quotation Q-2026-0007 rev. 2\n\nTarn Systems\n12 Main Road\nCape Town 8001\n"
             "Tel: 021 555 0100\nE-mail: sales@tarn.example\nVAT reg. no.: 4123456789\n\n",
             "Quotation for\nBell & Sons <Pty>\nAttn. Jo Bell\n4 Dock Street\nDurban 4001\n"
             "VAT no.: 4987654321\nE-mail: jo@bell.example\nTel: 031 555 0199\n\n",
             "Number: Q-2026-0007 rev. 2\nDate: 9 December 2026\nValid until: 8 January 2027\n"
             "Reference: PO-4711\n",
             "Lines (ZAR):\n",
             "12 x Support Contract (monthly): Tessaline 19 at 750" + d + "00 incl. = 9" +
                 separators.thousands + "000" + d + "00 incl. (list price 750" + d +
                 "00 incl., VAT 14%)\n",
             "discount 12" + d + "5%, VAT 14%)",
             "VAT 15%)",
             "Prices marked incl. include VAT; the others exclude it.\n",
             "VAT 14% on ",
             "VAT 15% on 6" + separators.thousands + "000" + d + "00: 900" + d + "00\n",
             "Valid until 8 January 2027.\nPayment within 30 days.\n",
             "Bank details\nAccount holder: Tarn Systems (Pty) Ltd\nBank: First Bank\n"
             "Account no. / IBAN: GB82 WEST 1234 5698 7654 32\nBranch code / BIC: 250655\n"
             "Payment terms: 30 days from invoice\n",
             "Accepted on behalf of Bell & Sons <Pty>\nName: ",
             "\nSignature: ",
         }) {
      EXPECT_NE(text.find(expected), std::string::npos) << expected << "\nin\n" << text;
    }

    // Each line: the quantity times the unit printed is the amount printed, in its basis.
    const std::regex line("(\\d+) x .* at ([0-9., ]+)( incl\\.)? = ([0-9., ]+)( incl\\.)? \\(");
    int lines = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), line);
         it != std::sregex_iterator(); ++it, ++lines) {
      const std::smatch& m = *it;
      EXPECT_EQ(std::stoll(m[1]) * Cents(m[2], separators), Cents(m[4], separators)) << m[0];
      EXPECT_EQ(m[3].matched, m[5].matched) << m[0];
    }
    EXPECT_EQ(lines, static_cast<int>(quotation.lines.size()));

    // The totals: excl. + each rate's VAT = incl., as printed.
    std::int64_t vat = 0;
    const std::regex vatRow("VAT [0-9.,]+% on [0-9., ]+: ([0-9., ]+)\n");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), vatRow);
         it != std::sregex_iterator(); ++it) {
      vat += Cents((*it)[1], separators);
    }
    std::smatch totals;
    ASSERT_TRUE(std::regex_search(
        text, totals,
        std::regex("Total excl\\. VAT \\(ZAR\\): ([0-9., ]+)\n(?:.*\n)*Total incl\\. VAT "
                   "\\(ZAR\\): ([0-9., ]+)\n")));
    EXPECT_EQ(Cents(totals[1], separators) + vat, Cents(totals[2], separators));
    EXPECT_EQ(Cents(totals[2], separators), quotation.totals.includingVat.tenThousandths() / 100);
  }
}

TEST(DocumentText, HtmlHoldsTheSameColumnsEscaped) {
  const std::string html = SheetHtml(TwoRateQuotation(), Separators{});
  for (const std::string expected : {
           "<h1>Quotation Q-2026-0007 rev. 2</h1>",
           "<p>Quotation for<br>Bell &amp; Sons &lt;Pty&gt;<br>Attn. Jo Bell<br>",
           "<th align=\"left\">Description</th><th align=\"right\">Qty</th><th "
           "align=\"right\">List price</th><th align=\"right\">Discount</th><th "
           "align=\"right\">Unit price</th><th align=\"right\">VAT</th><th "
           "align=\"right\">Amount (ZAR)</th>",
           "<td>Support Contract (monthly): Tessaline 19</td><td align=\"right\">12</td><td "
           "align=\"right\">750.00 incl.</td><td align=\"right\"></td><td align=\"right\">750.00 "
           "incl.</td><td align=\"right\">14%</td><td align=\"right\">9,000.00 incl.</td>",
           "<td align=\"right\">12.5%</td>",
           "<b>VAT 15% on 6,000.00</b></td><td align=\"right\"><b>900.00</b>",
           "<p>Accepted on behalf of Bell &amp; Sons &lt;Pty&gt;<br>Name: ",
       }) {
    EXPECT_NE(html.find(expected), std::string::npos) << expected << "\nin\n" << html;
  }
}

TEST(DocumentText, AnUnnumberedQuoteWithoutCustomerOrDealerSaysOnlyWhatItKnows) {
  Quotation quotation = TwoRateQuotation();
  quotation.number.clear();
  quotation.dealer = DealerDetails{};
  quotation.dealer.terms.clear();
  quotation.customer = Customer{};
  quotation.reference.clear();
  const std::string text = SheetPlainText(quotation, Separators{});
  EXPECT_EQ(text.rfind("Quotation\n\nDate: 9 December 2026\nValid until: 8 January 2027\n\n", 0),
            0u)
      << text;
  for (const std::string absent : {"Number:", "Reference:", "Quotation for", "Bank details",
                                   "Payment terms", "subject to change"}) {
    EXPECT_EQ(text.find(absent), std::string::npos) << absent;
  }
  EXPECT_NE(text.find("Accepted on behalf of the customer\n"), std::string::npos);
}

// Every field a person types, filled with each kind of awkward value.
TEST(DocumentText, TypedValuesArePrintedLiterallyAndSafely) {
  const std::string huge(10'000, 'W');
  const std::string values[] = {
      "\x1b[31mred\x07",     "abc\u202Edcba",     "<b>bold</b> &amp; more", huge, "",
      "line\rbreak\x85here", "bad \xff\xfe bytes"};
  std::string Customer::*customerFields[] = {&Customer::company, &Customer::contact,
                                             &Customer::address, &Customer::vatNumber,
                                             &Customer::email,   &Customer::telephone};
  std::string DealerDetails::*dealerFields[] = {&DealerDetails::companyName,
                                                &DealerDetails::address, &DealerDetails::terms,
                                                &DealerDetails::paymentTerms};
  for (const std::string& value : values) {
    Quotation quotation = TwoRateQuotation();
    for (auto field : customerFields) quotation.customer.*field = value;
    for (auto field : dealerFields) quotation.dealer.*field = value;
    quotation.dealer.bank.account = value;
    quotation.reference = value;
    quotation.lines.front().description = value;
    const std::string text = SheetPlainText(quotation, Separators{});
    const std::string html = SheetHtml(quotation, Separators{});
    for (const std::string* document : {&text, &html}) {
      for (char c : *document) {
        const auto byte = static_cast<unsigned char>(c);
        EXPECT_TRUE(byte >= 0x20 || c == '\n') << "control character " << int{byte};
        if (byte < 0x20 && c != '\n') break;
      }
      EXPECT_LT(document->size(), 40'000u) << "a long value is cut";
      // An override never reaches past the value: each opens inside an isolate closed after it.
      for (std::size_t at = 0; (at = document->find("\u202E", at)) != std::string::npos; ++at) {
        const auto open = document->rfind("\u2068", at);
        const auto close = document->find("\u2069", at);
        ASSERT_NE(open, std::string::npos);
        ASSERT_NE(close, std::string::npos);
        EXPECT_EQ(document->find('\n', open), document->find('\n', close));
      }
    }
    EXPECT_EQ(html.find("<b>bold"), std::string::npos);
    if (value.find("<b>") != std::string::npos) {
      EXPECT_NE(html.find("&lt;b&gt;bold&lt;/b&gt; &amp;amp; more"), std::string::npos);
      EXPECT_NE(text.find("<b>bold</b> &amp; more"), std::string::npos) << "text stays literal";
    }
    if (value == huge) {
      EXPECT_NE(text.find(std::string(kFieldLimit, 'W') + "\u2026"), std::string::npos);
      EXPECT_EQ(text.find(std::string(1'000, 'W')), std::string::npos);
    }
  }
}

TEST(PrintableText, EscapesCutsAndIsolates) {
  const struct {
    std::string in;
    std::size_t limit;
    std::string out;
  } cases[] = {
      {"Bell & Sons", 200, "Bell & Sons"},
      {"tab\there", 200, "tab here"},
      {"esc\x1b[0m", 200, "esc\\x1b[0m"},
      {"del\x7f", 200, "del\\x7f"},
      {"next\u0085line", 200, "next\\x85line"},
      {"bad\xff", 200, "bad\uFFFD"},
      {"abc\u202Edcba", 200, "\u2068abc\u202Edcba\u2069"},
      {"\u05E9\u05DC\u05D5\u05DD Ltd", 200, "\u2068\u05E9\u05DC\u05D5\u05DD Ltd\u2069"},
      {"Müller GmbH", 200, "Müller GmbH"},
      {"abcdef", 3, "abc\u2026"},
      {"äöüß", 2, "äö\u2026"},
      {"", 200, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(PrintableField(c.in, c.limit), c.out) << c.in;

  EXPECT_EQ(PrintableLines("12 Main Road\r\n\n  \nCape Town\u2028South Africa", 200, 5),
            (std::vector<std::string>{"12 Main Road", "Cape Town", "South Africa"}));
  EXPECT_EQ(PrintableLines("a\nb\nc\nd", 200, 2), (std::vector<std::string>{"a", "b\u2026"}));
}

TEST(PdfFileName, ProposesNumberAndCustomerAsASafeName) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"Q-2026-0007 Bell & Sons", "Q-2026-0007 Bell & Sons"},
      {"A/B\\C:D*E?F\"G<H>I|J", "A_B_C_D_E_F_G_H_I_J"},
      {"tab\tand\nline", "tab and line"},
      {"esc\x1b and del\x7f", "esc_ and del_"},
      {"...hidden", "hidden"},
      {" . .name. . ", "name"},
      {"exe\u202Efdp.pdf", "exe_fdp.pdf"},
      {"bad\xff", "bad_"},
      {"Müller  GmbH", "Müller GmbH"},
      {"///", "___"},
      {"..", ""},
      {std::string(300, 'x'), std::string(kFileNameLimit, 'x')},
      {std::string(119, 'x') + "ü", std::string(119, 'x')},
  };
  for (const auto& c : cases) EXPECT_EQ(SafeFileName(c.in), c.out) << c.in;

  Quotation quotation = TwoRateQuotation();
  EXPECT_EQ(ProposedPdfName(quotation), "Q-2026-0007 rev. 2 Bell & Sons _Pty_.pdf");
  quotation.revision = 1;
  quotation.customer.company = "../etc/passwd";
  EXPECT_EQ(ProposedPdfName(quotation), "Q-2026-0007 .._etc_passwd.pdf");
  quotation.customer.company.clear();
  EXPECT_EQ(ProposedPdfName(quotation), "Q-2026-0007.pdf");
  quotation.number.clear();
  EXPECT_EQ(ProposedPdfName(quotation), "Quotation.pdf");
  quotation.customer.company = "...";
  EXPECT_EQ(ProposedPdfName(quotation), "Quotation.pdf");
}

TEST(Iban, ChecksItsDigitsAndLeavesOtherAccountNumbersAlone) {
  const struct {
    std::string account;
    IbanCheck check;
  } cases[] = {
      {"GB82 WEST 1234 5698 7654 32", IbanCheck::Holds},
      {"gb82west12345698765432", IbanCheck::Holds},
      {"DE89370400440532013000", IbanCheck::Holds},
      {"NO9386011117947", IbanCheck::Holds},
      {"GB82 WEST 1234 5698 7654 33", IbanCheck::Fails},
      {"GB28 WEST 1234 5698 7654 32", IbanCheck::Fails},
      {"GB82-WEST-1234-5698-7654-32", IbanCheck::Fails},
      {"DE89 3704", IbanCheck::Fails},
      {"DE89370400440532013000123456789012345", IbanCheck::Fails},
      {"62123456789", IbanCheck::NotAnIban},
      {"1234 5678 90", IbanCheck::NotAnIban},
      {"", IbanCheck::NotAnIban},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckIban(c.account), c.check) << c.account;
}

TEST(PercentText, WritesTheNumberInTheUsersFormat) {
  const struct {
    std::int64_t tenThousandths;
    std::string point, comma;
  } cases[] = {
      {125'000, "12.5%", "12,5%"},    {100'000, "10%", "10%"},     {0, "0%", "0%"},
      {12'345, "1.2345%", "1,2345%"}, {1'000'000, "100%", "100%"}, {-50'000, "-5%", "-5%"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PercentText(c.tenThousandths, Separators{}), c.point);
    EXPECT_EQ(PercentText(c.tenThousandths, Separators{".", ","}), c.comma);
  }
}

}  // namespace
}  // namespace corvane
