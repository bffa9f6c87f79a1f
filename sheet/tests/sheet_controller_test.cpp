// The sheet kept as the register's draft: after every change, back after a restart, and through
// a register that cannot take it for a while.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "register/memory_quote_register.h"
#include "sheet/sheet_controller.h"
#include "sheet/tests/sheet_books.h"

namespace corvane {
namespace {

// A register whose disk can be full.
class FailingRegister : public MemoryQuoteRegister {
 public:
  void KeepDraft(const Quotation& draft) override {
    if (full) throw RegisterError("the disk is full");
    MemoryQuoteRegister::KeepDraft(draft);
  }
  bool full = false;
};

struct Fixture {
  FailingRegister reg;
  std::vector<std::string> said;
  std::unique_ptr<PriceBook> book = std::make_unique<PriceBook>();
  SheetController Controller() {
    return SheetController([this]() -> QuoteRegister& { return reg; },
                           [this](const std::string& text) { said.push_back(text); });
  }
  void Add(SheetController& controller, const std::string& name) {
    const QuoteRequest request = OtherItem(*book, name, Money::fromInt16(10));
    controller.Change([&](QuoteSheet& sheet) { sheet.Add(*book, request); });
  }
};

TEST(SheetController, EveryChangeIsKeptAndComesBackAfterARestart) {
  Fixture f;
  {
    SheetController controller = f.Controller();
    EXPECT_FALSE(controller.RestoreDraft());
    f.Add(controller, "first");
    ASSERT_TRUE(f.reg.Draft());
    EXPECT_EQ(f.reg.Draft()->lines.size(), 1u);
    f.Add(controller, "second");
    controller.Change([](QuoteSheet& sheet) {
      sheet.SetCustomer(Customer{"Bell & Sons", "Ada", "", "", "", ""});
      sheet.SetReference("PO-4711");
      sheet.SetQuantity(1, 7);
    });
    // A change that fails changes nothing and keeps nothing new.
    EXPECT_THROW(controller.Change([](QuoteSheet& sheet) { sheet.SetQuantity(5, 2); }), RangeError);
  }  // the program ends without a word
  SheetController restarted = f.Controller();
  ASSERT_TRUE(restarted.RestoreDraft());
  EXPECT_EQ(restarted.Sheet().Lines().size(), 2u);
  EXPECT_EQ(restarted.Sheet().Lines()[1].quantity, 7);
  EXPECT_EQ(restarted.Sheet().Buyer().contact, "Ada");
  EXPECT_EQ(restarted.Sheet().Reference(), "PO-4711");
  EXPECT_TRUE(restarted.Sheet().HasUnsentLines());
  EXPECT_TRUE(f.said.empty());

  restarted.DiscardDraft();
  EXPECT_FALSE(f.reg.Draft());
}

TEST(SheetController, AFullDiskLeavesTheLinesSaysSoOnceAndTriesAgain) {
  Fixture f;
  SheetController controller = f.Controller();
  f.Add(controller, "kept");
  f.reg.full = true;
  f.Add(controller, "not kept yet");
  f.Add(controller, "nor this");
  EXPECT_EQ(controller.Sheet().Lines().size(), 3u);
  EXPECT_TRUE(controller.DraftFailed());
  ASSERT_EQ(f.said.size(), 1u);
  EXPECT_NE(f.said[0].find("the disk is full"), std::string::npos) << f.said[0];
  EXPECT_EQ(f.reg.Draft()->lines.size(), 1u);  // the last draft kept whole, nothing half written

  f.reg.full = false;
  controller.Change([](QuoteSheet& sheet) { sheet.SetQuantity(0, 2); });
  EXPECT_FALSE(controller.DraftFailed());
  EXPECT_EQ(f.reg.Draft()->lines.size(), 3u);
  EXPECT_EQ(f.said.size(), 2u);
}

TEST(SheetController, ARegisterThatCannotBeOpenedLeavesTheSheetWorking) {
  std::vector<std::string> said;
  SheetController controller([]() -> QuoteRegister& { throw RegisterError("locked"); },
                             [&](const std::string& text) { said.push_back(text); });
  EXPECT_FALSE(controller.RestoreDraft());
  auto book = std::make_unique<PriceBook>();
  const QuoteRequest request = OtherItem(*book, "item", Money::fromInt16(10));
  controller.Change([&](QuoteSheet& sheet) { sheet.Add(*book, request); });
  controller.Change([&](QuoteSheet& sheet) { sheet.Add(*book, request); });
  EXPECT_EQ(controller.Sheet().Lines().size(), 2u);
  EXPECT_EQ(said.size(), 1u);
}

TEST(SheetController, ASentQuoteComesBackAsSent) {
  Fixture f;
  SheetController controller = f.Controller();
  f.Add(controller, "item");
  controller.Change([&](QuoteSheet& sheet) {
    sheet.Numbered(f.reg.Keep(sheet.Document({})));
    sheet.MarkHandedOn();
  });
  SheetController restarted = f.Controller();
  ASSERT_TRUE(restarted.RestoreDraft());
  EXPECT_EQ(restarted.Sheet().Number(), "Q-1970-0001");
  ASSERT_TRUE(restarted.Sheet().Sent());
  EXPECT_FALSE(restarted.Sheet().HasUnsentLines());
}

}  // namespace
}  // namespace corvane
