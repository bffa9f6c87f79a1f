// What the dealer does in one of the window's editable lists, told apart for the behaviour.
#pragma once

#include <QObject>

#include <functional>

class QComboBox;

namespace corvane {

class EntryFinder;

//! The events of an editable list, each raised once per user action.
struct FieldHandlers {
  std::function<void()> chosen;     //!< an entry chosen from the drop-down list or the finder
  std::function<void()> stepped;    //!< a key or the wheel moved the closed list's selection
  std::function<void()> edited;     //!< the dealer changed the field's text
  std::function<void()> entered;    //!< Enter or keypad Enter, unless the finder chooses
  std::function<void()> lostFocus;  //!< the focus went to another control of the window
};

//! Watches a combo box and raises its handlers. A selection the arrow keys, Page Up or Down, Home,
//! End or the wheel make in the closed list is a step; a selection in an open list is a choice.
class FieldKeys final : public QObject {
 public:
  //! With a finder, the typed text offers the entries that contain it in a popup (EntryFinder).
  FieldKeys(QComboBox& combo, FieldHandlers handlers, bool findEntries);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void MakeFinder();
  void ChooseOffered(const QModelIndex& offered);

  QComboBox& combo_;
  FieldHandlers handlers_;
  bool findEntries_;
  EntryFinder* finder_ = nullptr;  //!< made at the first edit
  bool stepping_ = false;          //!< a key or wheel event is being delivered to the closed list
};

}  // namespace corvane
