// Controls in plain C++ that hold their state in memory, for tests and command-line tools.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "window/controls.h"

namespace corvane {

class HeadlessComboBox : public ComboBox {
 public:
  explicit HeadlessComboBox(std::string text = {}) : text_(std::move(text)) {}

  void Clear() override;
  void AddItem(std::string_view text) override;
  int ListCount() const override { return static_cast<int>(items_.size()); }
  std::string ItemText(int position) const override { return At(position).text; }
  std::int32_t ItemData(int position) const override;
  void SetItemData(int position, std::int32_t tag) override;
  int ListIndex() const override { return listIndex_; }
  void SetListIndex(int position) override;
  std::string Text() const override { return text_; }

  //! Typing replaces the edit field's text and leaves no item selected.
  void Type(std::string text);

 private:
  struct Item {
    std::string text;
    std::int32_t tag = 0;
  };
  const Item& At(int position) const;

  std::vector<Item> items_;
  int listIndex_ = -1;
  std::string text_;
};

class HeadlessListBox : public ListBox {
 public:
  void Clear() override;
  void AddItem(std::string_view text) override { items_.emplace_back(text); }
  int ListIndex() const override { return listIndex_; }

  void Select(int position);
  const std::vector<std::string>& Items() const { return items_; }

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

class HeadlessTextBox : public TextBox {
 public:
  void SetText(std::string_view text) override { text_ = text; }
  void SetNote(std::string_view note) override { note_ = note; }
  void SetReason(std::string_view reason) override { reason_ = reason; }
  const std::string& Text() const { return text_; }
  const std::string& Note() const { return note_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string text_;
  std::string note_;
  std::string reason_;
};

class HeadlessFrame : public Frame {
 public:
  explicit HeadlessFrame(bool visible) : visible_(visible) {}
  void SetVisible(bool visible) override { visible_ = visible; }
  bool Visible() const { return visible_; }

 private:
  bool visible_;
};

class HeadlessOptionButton : public OptionButton {
 public:
  HeadlessOptionButton(std::string caption, bool selected)
      : caption_(std::move(caption)), selected_(selected) {}
  void SetCaption(std::string_view caption) override { caption_ = caption; }
  void SetVisible(bool visible) override { visible_ = visible; }
  bool Value() const override { return selected_; }

  const std::string& Caption() const { return caption_; }
  bool Visible() const { return visible_; }

 private:
  std::string caption_;
  bool selected_;
  bool visible_ = false;
};

//! Records every message instead of showing it; each counts as closed with OK at once.
class RecordingMessageSink : public MessageSink {
 public:
  void ShowWarning(std::string_view message) override { warnings_.emplace_back(message); }
  void ShowError(std::string_view message) override { errors_.emplace_back(message); }

  const std::vector<std::string>& Warnings() const { return warnings_; }
  const std::vector<std::string>& Errors() const { return errors_; }

 private:
  std::vector<std::string> warnings_;
  std::vector<std::string> errors_;
};

class HeadlessForm : public Form {
 public:
  void Unload() override { unloaded_ = true; }
  bool Unloaded() const { return unloaded_; }

 private:
  bool unloaded_ = false;
};

}  // namespace corvane
