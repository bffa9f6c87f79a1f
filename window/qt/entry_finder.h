// The popup that offers a list's entries as the dealer types part of one.
#pragma once

#include <QCompleter>

class QComboBox;

namespace corvane {

//! Qt's completer over a combo box's own entries, offering those that Offers offers for the typed
//! text (containing it or its words' beginnings, ignoring case and repeated blanks), in the
//! list's order. Choosing one puts the entry's own text into the field. A click
//! outside the open popup closes it and reaches what it lands on.
class EntryFinder final : public QCompleter {
 public:
  //! Becomes the completer of the combo box's edit field.
  explicit EntryFinder(QComboBox& combo);

  //! Offers the entries for the text typed; call it before the field asks for completion.
  void Offer(const QString& typed);
  bool eventFilter(QObject* watched, QEvent* event) override;
  QString pathFromIndex(const QModelIndex& index) const override;

  //! The list position of an entry the finder activated or highlighted.
  int ListPosition(const QModelIndex& offered) const;
  //! Whether the popup is open with an entry highlighted, which Enter then chooses.
  bool EntryHighlighted() const;

 private:
  const QAbstractItemModel* list_;  //!< the combo box's entries
  QAbstractItemModel* offered_;     //!< those offered, a child of the finder
};

}  // namespace corvane
