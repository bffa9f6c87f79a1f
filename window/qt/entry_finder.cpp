#include "window/qt/entry_finder.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QComboBox>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>

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

// Qt's completer closes its popup on a click outside it and swallows the click, so that the dealer
// would have to click twice. Desktop completion popups close and let the click act; here the
// press is handed to the window under it as though the popup had never been open, and the
// release that follows finds the widget the press went to.
bool EntryFinder::eventFilter(QObject* watched, QEvent* event) {
  // The type goes first: the popup is made when first asked for, and making it sends events here.
  if (event->type() != QEvent::MouseButtonPress || watched != popup())
    return QCompleter::eventFilter(watched, event);
  const auto& press = static_cast<const QMouseEvent&>(*event);
  if (popup()->rect().contains(press.position().toPoint()))
    return QCompleter::eventFilter(watched, event);
  popup()->hide();
  const QPointF global = press.globalPosition();
  const QWidget* under = QApplication::widgetAt(global.toPoint());
  QWindow* window = under != nullptr ? under->window()->windowHandle() : nullptr;
  if (window == nullptr) return true;
  const QPointF local = global - window->mapToGlobal(QPoint(0, 0));
  QMouseEvent again(QEvent::MouseButtonPress, local, local, global, press.button(), press.buttons(),
                    press.modifiers(), press.pointingDevice());
  QCoreApplication::sendEvent(window, &again);
  return true;
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
