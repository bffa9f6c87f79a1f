#include "window/headless/headless_controls.h"

namespace corvane {
namespace {

[[noreturn]] void ThrowNoSuchItem(int position, std::size_t count) {
  throw ControlError("list position " + std::to_string(position) + " is outside a list of " +
                     std::to_string(count) + " items");
}

}  // namespace

void HeadlessComboBox::Clear() {
  items_.clear();
  listIndex_ = -1;
  text_.clear();
}

void HeadlessComboBox::AddItem(std::string_view text) {
  items_.push_back({std::string(text), 0});
}

const HeadlessComboBox::Item& HeadlessComboBox::At(int position) const {
  if (position < 0 || position >= ListCount()) ThrowNoSuchItem(position, items_.size());
  return items_[static_cast<std::size_t>(position)];
}

std::int32_t HeadlessComboBox::ItemData(int position) const {
  return At(position).tag;
}

void HeadlessComboBox::SetItemData(int position, std::int32_t tag) {
  At(position);
  items_[static_cast<std::size_t>(position)].tag = tag;
}

void HeadlessComboBox::SetListIndex(int position) {
  if (position == -1) {
    listIndex_ = -1;
    return;
  }
  text_ = At(position).text;
  listIndex_ = position;
}

void HeadlessComboBox::Type(std::string text) {
  text_ = std::move(text);
  listIndex_ = -1;
}

void HeadlessListBox::Clear() {
  items_.clear();
  listIndex_ = -1;
}

void HeadlessListBox::Select(int position) {
  if (position < 0 || position >= static_cast<int>(items_.size())) {
    ThrowNoSuchItem(position, items_.size());
  }
  listIndex_ = position;
}

}  // namespace corvane
