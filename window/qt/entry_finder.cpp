#include "window/qt/entry_finder.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QIdentityProxyModel>
#include <QLineEdit>

#include "qt/qt_text.h"
#include "window/find_entry.h"

namespace corvane {
namespace {

constexpr int kFoldedRole = Qt::UserRole + 1;

QString Folded(const QString& text) {
  return ToQString(FoldForFinding(ToStdString(text)));
}

// The combo box's entries as they are, each with its folded text for matching.
class FoldedEntries final : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    if (role == kFoldedRole)
      return Folded(QIdentityProxyModel::data(index, Qt::DisplayRole).toString());
    return QIdentityProxyModel::data(index, role);
  }
};

}  // namespace

EntryFinder::EntryFinder(QComboBox& combo) : QCompleter(&combo), list_(combo.model()) {
  auto* entries = new FoldedEntries(this);
  entries->setSourceModel(combo.model());
  setModel(entries);
  setCompletionRole(kFoldedRole);
  setCompletionColumn(combo.modelColumn());
  // Both sides are folded already; Qt's own case folding changes nothing then.
  setCaseSensitivity(Qt::CaseSensitive);
  setFilterMode(Qt::MatchContains);
  setCompletionMode(QCompleter::PopupCompletion);
  setModelSorting(QCompleter::UnsortedModel);
  setWrapAround(false);
  combo.lineEdit()->setCompleter(this);
}

QStringList EntryFinder::splitPath(const QString& path) const {
  return {Folded(path)};
}

QString EntryFinder::pathFromIndex(const QModelIndex& index) const {
  return index.data(Qt::DisplayRole).toString();
}

// The offers are a proxy of the folded entries, which are a proxy of the list itself.
int EntryFinder::ListPosition(const QModelIndex& offered) const {
  QModelIndex index = offered;
  while (index.isValid() && index.model() != list_) {
    const auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model());
    if (proxy == nullptr) return -1;
    index = proxy->mapToSource(index);
  }
  return index.isValid() ? index.row() : -1;
}

bool EntryFinder::EntryHighlighted() const {
  return popup()->isVisible() && popup()->currentIndex().isValid();
}

}  // namespace corvane
