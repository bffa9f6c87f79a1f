#include "quote/messages.h"

#include "pricebook/price_book.h"

namespace corvane {
namespace {

std::string WithReferral(std::string_view firstLine, std::string_view vendorPhone) {
  std::string message(firstLine);
  message += "\r\n\r\nRefer to the printed Corvane Price List or contact Corvane on ";
  message += vendorPhone;
  message += ".";
  return message;
}

}  // namespace

std::string_view VendorPhone() {
  return BuiltInVendorPhone();
}

std::string NotInDatabaseMessage(std::string_view vendorPhone) {
  return WithReferral("SORRY! THAT PRICE IS NOT IN THE DATABASE.", vendorPhone);
}

std::string ReductionMessage(std::string_view vendorPhone) {
  return WithReferral("YOU MAY NOT REDUCE THE NUMBER OF TERMINALS.", vendorPhone);
}

}  // namespace corvane
