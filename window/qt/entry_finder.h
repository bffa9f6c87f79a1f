// The popup that offers a list's entries as the dealer types part of one.
#pragma once

#include <QCompleter>

class QComboBox;

namespace corvane {

//! Qt's completer over a combo box's own entries, matching as FoldForFinding and Offers do: an
//! entry is offered when it contains the typed text, ignoring case and repeated blanks, and the
//! offers keep the list's order. Choosing one puts the entry's own text into the field. A click
//! outside the open popup closes it and reaches what it lands on.
class EntryFinder final : public QCompleter {
 public:
  //! Becomes the completer of the combo box's edit field.
  explicit EntryFinder(QComboBox& combo);

  QStringList splitPath(const QString& path) const override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  QString pathFromIndex(const QModelIndex& index) const override;

  //! The list position of an entry the finder activated or highlighted.
  int ListPosition(const QModelIndex& offered) const;
  //! Whether the popup is open with an entry highlighted, which Enter then chooses.
  bool EntryHighlighted() const;

 private:
  const QAbstractItemModel* list_;  //!< the combo box's entries
};

}  // namespace corvane
