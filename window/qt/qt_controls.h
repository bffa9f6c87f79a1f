// The window's control operations over Qt widgets: each adapter wraps a widget the window owns.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "window/controls.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;

namespace corvane {

//! An editable drop-down combo box. Typing never adds an item and never chooses one: it leaves
//! the typed text with nothing selected. The tag of each item is kept as its item data.
class QtComboBox final : public ComboBox {
 public:
  explicit QtComboBox(QComboBox& combo);

  void Clear() override;
  void AddItem(std::string_view text) override;
  int ListCount() const override;
  std::string ItemText(int position) const override;
  std::int32_t ItemData(int position) const override;
  void SetItemData(int position, std::int32_t tag) override;
  int ListIndex() const override;
  void SetListIndex(int position) override;
  std::string Text() const override;

 private:
  void CheckPosition(int position) const;

  QComboBox& combo_;
};

//! A single-selection list; its position is that of the selected item, not of the focus frame.
class QtListBox final : public ListBox {
 public:
  explicit QtListBox(QListWidget& list);

  void Clear() override;
  void AddItem(std::string_view text) override;
  int ListIndex() const override;

 private:
  QListWidget& list_;
};

class QtTextBox final : public TextBox {
 public:
  explicit QtTextBox(QLineEdit& edit) : edit_(edit) {}
  void SetText(std::string_view text) override;
  //! The note is the box's placeholder text, drawn greyed while the box is empty.
  void SetNote(std::string_view note) override;
  //! The reason is the box's accessible description and its tooltip.
  void SetReason(std::string_view reason) override;

 private:
  QLineEdit& edit_;
};

//! Shows and hides a widget with everything on it.
class QtFrame final : public Frame {
 public:
  explicit QtFrame(QWidget& widget) : widget_(widget) {}
  void SetVisible(bool visible) override;

 private:
  QWidget& widget_;
};

//! An age caption as its button shows it, with its access key: "O&ver 2 years", "&Between 1 and 2
//! years", "&Less than 1 year".
QString AgeCaptionWithAccessKey(std::string_view caption);

class QtOptionButton final : public OptionButton {
 public:
  explicit QtOptionButton(QRadioButton& button) : button_(button) {}
  void SetCaption(std::string_view caption) override;
  void SetVisible(bool visible) override;
  bool Value() const override;

 private:
  QRadioButton& button_;
};

//! Modal message boxes titled "Tindrel", centred on the window.
class QtMessageBoxes final : public MessageSink {
 public:
  explicit QtMessageBoxes(QWidget& window) : window_(window) {}
  void ShowWarning(std::string_view message) override;
  void ShowError(std::string_view message) override;

 private:
  QWidget& window_;
};

//! Passes messages on to the message boxes, or to another sink while one is set.
class MessageRouter final : public MessageSink {
 public:
  explicit MessageRouter(MessageSink& standard) : standard_(standard), target_(&standard) {}
  //! Sends the messages to the sink from now on; nullptr sends them to the standard sink again.
  void RouteTo(MessageSink* sink) { target_ = sink != nullptr ? sink : &standard_; }
  void ShowWarning(std::string_view message) override { target_->ShowWarning(message); }
  void ShowError(std::string_view message) override { target_->ShowError(message); }

 private:
  MessageSink& standard_;
  MessageSink* target_;
};

//! Shows nothing: what a window that is going away would have said.
class DiscardedMessages final : public MessageSink {
 public:
  void ShowWarning(std::string_view) override {}
  void ShowError(std::string_view) override {}
};

class QtForm final : public Form {
 public:
  explicit QtForm(QWidget& window) : window_(window) {}
  //! Closes the window; the close event runs the unload step.
  void Unload() override;

 private:
  QWidget& window_;
};

}  // namespace corvane
