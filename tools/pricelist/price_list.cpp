#include "tools/pricelist/price_list.h"

#include "window/headless/headless_window.h"

namespace corvane {
namespace {

std::string FirstLine(const std::string& message) {
  return message.substr(0, message.find_first_of("\r\n"));
}

std::string Refusals(const RecordingMessageSink& messages) {
  std::string joined;
  for (const auto* list : {&messages.Warnings(), &messages.Errors()}) {
    for (const std::string& message : *list) {
      if (!joined.empty()) joined += " | ";
      joined += FirstLine(message);
    }
  }
  return joined;
}

// Records what the two boxes show after the choice, or why it was refused.
PriceListRow Shown(HeadlessWindow& window, PriceKind kind, std::string from, std::string to,
                   std::string discount, const HeadlessTextBox& excluding,
                   const HeadlessTextBox& including) {
  PriceListRow row{
      kind, std::move(from), std::move(to), std::move(discount), excluding.Text(), including.Text(),
      {}};
  if (row.excludingVat.empty() && row.includingVat.empty()) row.refusal = Refusals(window.messages);
  window.messages.Forget();
  return row;
}

void AddItemRows(std::vector<PriceListRow>& rows, HeadlessWindow& window, WindowButton mode,
                 PriceKind kind) {
  window.Press(mode);
  const std::vector<std::string> items = window.List1.Items();
  for (int position = 0; position < static_cast<int>(items.size()); ++position) {
    window.messages.Forget();
    window.ChooseItem(position);
    rows.push_back(Shown(window, kind, items[static_cast<std::size_t>(position)], {}, {},
                         window.txtSuppExcl, window.txtSuppIncl));
  }
}

}  // namespace

std::string_view KindName(PriceKind kind) {
  switch (kind) {
    case PriceKind::New:
      return "new";
    case PriceKind::CrossGrade:
      return "crossgrade";
    case PriceKind::Support:
      return "support";
    case PriceKind::Other:
      return "other";
  }
  return {};
}

std::vector<PriceListRow> BuildPriceList(const PriceBook& book, std::string_view discount) {
  HeadlessWindow window(book);
  std::vector<PriceListRow> newRows;
  std::vector<PriceListRow> crossGradeRows;

  // Every price starts from a fresh From choice, so no row depends on the one before it.
  const auto choosePair = [&](int from, int to) {
    window.ChooseFrom(from);
    window.TypeDiscount(std::string(discount));
    window.messages.Forget();
    window.ChooseTo(to);
  };
  for (int from = 0; from < window.Combo1.ListCount(); ++from) {
    const std::string fromName = window.Combo1.ItemText(from);
    choosePair(from, 0);
    newRows.push_back(Shown(window, PriceKind::New, fromName, {}, std::string(discount),
                            window.txtExclPrice, window.txtInclPrice));
    const int offered = window.Combo2.ListCount();
    for (int to = 1; to < offered; ++to) {
      choosePair(from, to);
      crossGradeRows.push_back(Shown(window, PriceKind::CrossGrade, fromName,
                                     window.Combo2.ItemText(to), std::string(discount),
                                     window.txtExclPrice, window.txtInclPrice));
    }
  }

  std::vector<PriceListRow> rows = std::move(newRows);
  rows.insert(rows.end(), crossGradeRows.begin(), crossGradeRows.end());
  AddItemRows(rows, window, WindowButton::Support, PriceKind::Support);
  AddItemRows(rows, window, WindowButton::Other, PriceKind::Other);
  return rows;
}

}  // namespace corvane
