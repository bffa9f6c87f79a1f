// The quotation's PDF as a customer reads it (through pdftotext): every block, the columns, the
// arithmetic of a line quoted including VAT, pages with their heading and "Page N of M", awkward
// typed values; and the PDF handed to a stand-in for xdg-email.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "qt/qt_text.h"
#include "sheet/pdf_file_name.h"
#include "sheet/qt/mail_hand_over.h"
#include "sheet/qt/quote_document.h"
#include "sheet/sheet_text.h"
#include "sheet/tests/document_quotes.h"

namespace corvane {
namespace {

// pdftotext's reading of the file, laid out as on the page, or of one page of it; empty past the
// last page.
std::string PdfText(const QString& path, int page = 0) {
  QStringList arguments{QStringLiteral("-layout")};
  if (page > 0)
    arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
              << QString::number(page);
  arguments << path << QStringLiteral("-");
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), arguments);
  EXPECT_TRUE(pdftotext.waitForFinished(20000));
  if (pdftotext.exitCode() != 0) return {};
  return pdftotext.readAllStandardOutput().toStdString();
}

std::vector<std::string> Pages(const Quotation& quotation, const QTemporaryDir& dir) {
  const QString path = dir.filePath(QStringLiteral("quote.pdf"));
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  const QByteArray pdf = QuotationPdf(quotation, Separators{});
  EXPECT_FALSE(pdf.isEmpty());
  file.write(pdf);
  file.close();
  std::vector<std::string> pages;
  for (int page = 1; page <= 50; ++page) {
    std::string text = PdfText(path, page);
    if (text.empty()) break;
    pages.push_back(std::move(text));
  }
  return pages;
}

TEST(QuoteDocument, TheTwoRatePdfHoldsEveryBlock) {
  const QTemporaryDir dir;
  const std::vector<std::string> pages = Pages(TwoRateQuotation(), dir);
  ASSERT_EQ(pages.size(), 1u);
  const std::string& text = pages.front();
  for (const char* expected : {"Tarn Systems",
                               "12 Main Road",
                               "Cape Town 8001",
                               "Tel: 021 555 0100",
                               "E-mail: sales@tarn.example",
                               "VAT reg. no.: 4123456789",
                               "Quotation",
                               "Number: Q-2026-0007 rev. 2",
                               "Date: 9 December 2026",
                               "Valid until: 8 January 2027",
                               "Reference: PO-4711",
                               "Quotation for",
                               "Bell & Sons <Pty>",
                               "Attn. Jo Bell",
                               "4 Dock Street",
                               "Durban 4001",
                               "VAT no.: 4987654321",
                               "E-mail: jo@bell.example",
                               "Tel: 031 555 0199",
                               "Description",
                               "Qty",
                               "List price",
                               "Discount",
                               "Unit price",
                               "VAT",
                               "Amount (ZAR)",
                               "1,600.00",
                               "12.5%",
                               "1,400.00",
                               "Total excl. VAT (ZAR)",
                               "VAT 14% on ",
                               "VAT 15% on 6,000.00",
                               "900.00",
                               "Total incl. VAT (ZAR)",
                               "Prices marked incl. include VAT; the others exclude it.",
                               "Valid until 8 January 2027.",
                               "Payment within 30 days.",
                               "Bank details",
                               "Account holder: Tarn Systems (Pty) Ltd",
                               "Bank: First Bank",
                               "Account no. / IBAN: GB82 WEST 1234 5698 7654 32",
                               "Branch code / BIC: 250655",
                               "Payment terms: 30 days from invoice",
                               "Accepted on behalf of Bell & Sons <Pty>",
                               "Name:",
                               "Signature:",
                               "Date:",
                               "Quotation Q-2026-0007 rev. 2",
                               "Page 1 of 1"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\nin\n" << text;
  }
  // 12 x the Tessaline 19 contract at 750.00 including VAT: 9,000.00, as printed on its row.
  EXPECT_TRUE(std::regex_search(
      text, std::regex("Tessaline[ 19]* +12 +750\\.00 incl\\. +750\\.00 incl\\. +14% +9,000\\.00 "
                       "incl\\.\n")))
      << text;
  const Quotation quotation = TwoRateQuotation();
  EXPECT_NE(text.find(FormatPrice(quotation.totals.includingVat)), std::string::npos);
}

TEST(QuoteDocument, FortyLinesRepeatTheHeadingAndKeepTheClosingWithTheLastLine) {
  const QTemporaryDir dir;
  const Quotation quotation = TwoRateQuotation(37);
  const std::vector<std::string> pages = Pages(quotation, dir);
  ASSERT_GE(pages.size(), 2u);
  const std::string count = std::to_string(pages.size());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const std::string& page = pages[i];
    EXPECT_NE(page.find("Page " + std::to_string(i + 1) + " of " + count), std::string::npos);
    EXPECT_NE(page.find("Description"), std::string::npos) << "page " << i + 1;
    EXPECT_NE(page.find("Amount (ZAR)"), std::string::npos) << "page " << i + 1;
  }
  const std::string& last = pages.back();
  for (const std::string& expected :
       {quotation.lines.back().description, std::string("Total incl. VAT (ZAR)"),
        std::string("Payment within 30 days."), std::string("Accepted on behalf of")}) {
    EXPECT_NE(last.find(expected), std::string::npos) << expected;
  }
  int rows = 0;
  for (const std::string& page : pages) {
    for (std::size_t at = 0; (at = page.find("Office ", at)) != std::string::npos; ++at) {
      ++rows;
    }
  }
  EXPECT_EQ(rows, 37) << "every line printed once";
}

TEST(QuoteDocument, AwkwardValuesStayOnTheirPagesAndTheDocumentStaysPaged) {
  for (const std::string& value :
       {std::string(10'000, 'W'), std::string("\x1b[31m<b>bold</b> &amp; \u202Eevil"),
        std::string(2'000, 'a') + " " + std::string(3'000, 'b'), std::string()}) {
    Quotation quotation = TwoRateQuotation();
    quotation.customer = Customer{value, value, value + "\n" + value, value, value, value};
    quotation.dealer.companyName = value;
    quotation.dealer.address = value + "\n" + value + "\n" + value;
    quotation.dealer.terms = value + "\n" + value;
    quotation.dealer.paymentTerms = value;
    quotation.dealer.bank = BankDetails{value, value, value, value};
    quotation.reference = value;
    quotation.lines.front().description = value;
    const QTemporaryDir dir;
    const std::vector<std::string> pages = Pages(quotation, dir);
    ASSERT_FALSE(pages.empty());
    EXPECT_LE(pages.size(), 6u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
      EXPECT_NE(
          pages[i].find("Page " + std::to_string(i + 1) + " of " + std::to_string(pages.size())),
          std::string::npos);
    }
    // The totals stand on the page of the last line (2 x 3,000.00), whatever follows them.
    const auto totals = std::find_if(pages.begin(), pages.end(), [](const std::string& page) {
      return page.find("Total incl. VAT (ZAR)") != std::string::npos;
    });
    ASSERT_NE(totals, pages.end());
    EXPECT_NE(totals->find("6,000.00\n"), std::string::npos) << *totals;
    EXPECT_NE(pages.back().find("Accepted on behalf of"), std::string::npos);
  }
}

class FakeMailProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = qgetenv("PATH");
    const QString script = bin_.filePath(QStringLiteral("xdg-email"));
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$FAKE_MAIL_ARGUMENTS\"\n"
        "exit \"${FAKE_MAIL_STATUS:-0}\"\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", bin_.path().toLocal8Bit() + ":" + path_);
    qputenv("FAKE_MAIL_ARGUMENTS", arguments().toLocal8Bit());
  }
  void TearDown() override {
    qputenv("PATH", path_);
    qunsetenv("FAKE_MAIL_STATUS");
  }
  QString arguments() const { return bin_.filePath(QStringLiteral("arguments")); }
  QString Folder() const { return out_.filePath(QStringLiteral("Documents/quotes")); }

  MailHandOver Send(const Quotation& quotation) const {
    return HandOverToMail(QuotationPdf(quotation, Separators{}), Folder(),
                          ToQString(ProposedPdfName(quotation)), ToQString(MailSubject(quotation)),
                          ToQString(quotation.customer.email));
  }

  QByteArray path_;
  QTemporaryDir bin_;
  QTemporaryDir out_;
};

TEST_F(FakeMailProgram, GetsThePdfTheSubjectAndTheCustomersAddress) {
  const MailHandOver result = Send(TwoRateQuotation());
  EXPECT_TRUE(result.handedOver) << result.message.toStdString();
  const QString pdf = Folder() + QStringLiteral("/Q-2026-0007 rev. 2 Bell & Sons _Pty_.pdf");
  EXPECT_EQ(result.path, pdf);
  QFile file(arguments());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
            (QStringList{QStringLiteral("--attach"), pdf, QStringLiteral("--subject"),
                         QStringLiteral("Quotation Q-2026-0007 rev. 2 from Tarn Systems"),
                         QStringLiteral("jo@bell.example")}));
  const std::string text = PdfText(pdf);
  EXPECT_NE(text.find("Number: Q-2026-0007 rev. 2"), std::string::npos) << text;
  EXPECT_NE(text.find("Accepted on behalf of Bell & Sons <Pty>"), std::string::npos);
}

TEST_F(FakeMailProgram, WithoutAMailProgramOrXdgEmailSaysWhatIsMissingAndWhereThePdfIs) {
  Quotation quotation = TwoRateQuotation();
  quotation.customer.email.clear();
  qputenv("FAKE_MAIL_STATUS", "3");
  MailHandOver result = Send(quotation);
  EXPECT_FALSE(result.handedOver);
  EXPECT_TRUE(result.message.contains(QStringLiteral("No mail program")))
      << result.message.toStdString();
  EXPECT_TRUE(result.message.contains(result.path));
  EXPECT_TRUE(QFile::exists(result.path));
  QFile file(arguments());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(),
            4)
      << "no recipient without the customer's address";

  qputenv("PATH", out_.path().toLocal8Bit());
  result = Send(quotation);
  EXPECT_FALSE(result.handedOver);
  EXPECT_TRUE(result.message.contains(QStringLiteral("xdg-email is missing (package xdg-utils)")))
      << result.message.toStdString();
  EXPECT_TRUE(result.message.contains(result.path));
}

}  // namespace
}  // namespace corvane
