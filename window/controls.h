// The control operations the window's behaviour uses; implemented over Qt widgets and headless.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane {

//! A control was asked for an item it does not hold.
class ControlError : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

//! An editable drop-down combo box whose items carry a signed 32-bit tag each.
class ComboBox {
 public:
  virtual ~ComboBox() = default;
  //! Removes every item and empties the edit field.
  virtual void Clear() = 0;
  //! Appends an item with the tag 0.
  virtual void AddItem(std::string_view text) = 0;
  virtual int ListCount() const = 0;
  //! The text of the item at a position; ControlError outside 0..ListCount()-1.
  virtual std::string ItemText(int position) const = 0;
  //! The tag of the item at a position; ControlError outside 0..ListCount()-1.
  virtual std::int32_t ItemData(int position) const = 0;
  virtual void SetItemData(int position, std::int32_t tag) = 0;
  //! The selected position, -1 when nothing is selected.
  virtual int ListIndex() const = 0;
  //! Selects the item and shows its text, raising no event: the window raises the selection
  //! event itself (QuoteWindow::SelectDiscount), so that it runs nested in the same way everywhere.
  virtual void SetListIndex(int position) = 0;
  //! The text of the edit field.
  virtual std::string Text() const = 0;
};

//! A single-selection list box.
class ListBox {
 public:
  virtual ~ListBox() = default;
  virtual void Clear() = 0;
  virtual void AddItem(std::string_view text) = 0;
  //! The selected position, -1 when nothing is selected.
  virtual int ListIndex() const = 0;
};

//! A text box; the window only writes prices into it and never reads them back.
class TextBox {
 public:
  virtual ~TextBox() = default;
  virtual void SetText(std::string_view text) = 0;
  //! A word the box shows, set apart from a price, while it holds no text; empty for none.
  virtual void SetNote(std::string_view note) = 0;
  //! Why the box shows its note, for whoever asks (a screen reader, a tooltip); empty for none.
  virtual void SetReason(std::string_view reason) = 0;
};

//! A frame, or any other control the window shows and hides as a whole.
class Frame {
 public:
  virtual ~Frame() = default;
  virtual void SetVisible(bool visible) = 0;
};

//! One button of the age question.
class OptionButton {
 public:
  virtual ~OptionButton() = default;
  virtual void SetCaption(std::string_view caption) = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Value() const = 0;
};

//! Modal message boxes titled with the application's name.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  //! A warning with a single OK button; lines are separated by CR LF.
  virtual void ShowWarning(std::string_view message) = 0;
  //! An error that stopped a handler, in plain words.
  virtual void ShowError(std::string_view message) = 0;
};

//! The window as a whole.
class Form {
 public:
  virtual ~Form() = default;
  //! Closes the window, which ends the program.
  virtual void Unload() = 0;
};

}  // namespace corvane
