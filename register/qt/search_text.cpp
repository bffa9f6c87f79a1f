#include "register/qt/search_text.h"

#include "money/format_price.h"
#include "qt/qt_text.h"
#include "register/register_json.h"

namespace corvane {
namespace {

// Letters that do not decompose into a base letter and a mark, as a reader would spell them.
QChar Spelled(QChar c) {
  switch (c.unicode()) {
    case u'ø':
      return u'o';
    case u'đ':
      return u'd';
    case u'ł':
      return u'l';
    case u'ı':
      return u'i';
    default:
      return c;
  }
}

// "Q-2026-0007" also as "Q-2026-7", so that the serial is found without its leading zeros.
std::string ShortNumber(const std::string& number) {
  const std::size_t dash = number.rfind('-');
  if (dash == std::string::npos) return {};
  std::size_t digits = dash + 1;
  while (digits + 1 < number.size() && number[digits] == '0') ++digits;
  if (digits == dash + 1) return {};
  return number.substr(0, dash + 1) + number.substr(digits);
}

void Append(std::string& to, const std::string& part) {
  if (part.empty()) return;
  if (!to.empty()) to += ' ';
  to += part;
}

void AppendAmount(std::string& to, Money amount) {
  Append(to, DecimalText(amount));
  Append(to, FormatPrice(amount));  // "3,239.97", as it is printed
}

}  // namespace

QString Folded(const QString& text) {
  const QString decomposed = text.normalized(QString::NormalizationForm_KD);
  QString folded;
  folded.reserve(decomposed.size());
  for (QChar c : decomposed) {
    if (c.category() == QChar::Mark_NonSpacing) continue;
    folded += Spelled(c.toCaseFolded());
  }
  return folded.replace(QStringLiteral("ß"), QStringLiteral("ss"));
}

std::string Folded(std::string_view text) {
  return ToStdString(Folded(ToQString(text)));
}

std::string SearchText(const Quotation& quotation) {
  std::string text;
  Append(text, quotation.number);
  Append(text, ShortNumber(quotation.number));
  Append(text, quotation.customer.company);
  Append(text, quotation.customer.contact);
  Append(text, quotation.reference);
  for (const QuoteLine& line : quotation.lines) {
    Append(text, line.description);
    if (line.subject) {
      Append(text, line.subject->from);
      Append(text, line.subject->to);
      Append(text, line.subject->item);
    }
    Append(text, DecimalText(line.amounts.includingVat));
  }
  AppendAmount(text, quotation.totals.excludingVat);
  AppendAmount(text, quotation.totals.includingVat);
  return Folded(text);
}

std::string SearchText(const Customer& customer) {
  std::string text = customer.company;
  Append(text, customer.contact);
  Append(text, customer.email);
  return Folded(text);
}

}  // namespace corvane
