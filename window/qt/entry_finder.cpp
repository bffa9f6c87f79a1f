#include "window/qt/entry_finder.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSortFilterProxyModel>
#include <QWindow>

#include <string>

#include "qt/qt_text.h"
#include "window/find_entry.h"

namespace corvane {
namespace {

// A role no entry has: the completer looks for the typed text in it, finds it nowhere and so
// highlights no entry by itself; Enter on an unhighlighted popup leaves the choice to TypedChoice.
constexpr int kNoRole = Qt::UserRole + 1;

// The combo box's entries that the typed text offers, in the list's order.
class Offered final : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

  void SetTyped(const QString& typed) {
    typed_ = ToStdString(typed);
    invalidateFilter();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const QModelIndex entry = sourceModel()->index(row, filterKeyColumn(), parent);
    return Offers(ToStdString(entry.data(Qt::DisplayRole).toString()), typed_);
  }

 private:
  std::string typed_;
};

}  // namespace

EntryFinder::EntryFinder(QComboBox& combo) : QCompleter(&combo), list_(combo.model()) {
  auto* offered = new Offered(this);
  offered->setSourceModel(combo.model());
  offered->setFilterKeyColumn(combo.modelColumn());
  offered_ = offered;
  setModel(offered);
  setCompletionRole(kNoRole);
  setCompletionColumn(combo.modelColumn());
  // Offers chooses what is offered, not the completer's own matching: it shows all it is given.
  setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  setModelSorting(QCompleter::UnsortedModel);
  setWrapAround(false);
  combo.lineEdit()->setCompleter(this);
}

void EntryFinder::Offer(const QString& typed) {
  static_cast<Offered*>(offered_)->SetTyped(typed);
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
