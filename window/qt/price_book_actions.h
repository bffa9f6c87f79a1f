// Price books in the window: "Open price book..." in the context menu, the book remembered for the
// next run, and what the window says of the book in use.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

#include "window/controls.h"

class QAction;

namespace corvane {

class FrmTindrel;

class PriceBookActions final : public QObject {
  Q_OBJECT

 public:
  PriceBookActions(FrmTindrel& window, MessageSink& messages);

  //! "Open price book...", "Use the built-in price book" and "Price book in use...", for the
  //! window's context menu.
  const QList<QAction*>& MenuActions() const { return menuActions_; }

  //! Asks for a file and opens it.
  void OpenPriceBook();
  //! Prices from the book in the file from now on and remembers it for the next run. A book that
  //! cannot be used is reported in a message box and the window keeps the one it has. Returns
  //! whether the book is in use.
  bool Open(const QString& path);
  //! Before the load step: the book named on the command line (for this run only), else the one
  //! remembered. One that is gone or broken is said once, once the window shows, and forgotten;
  //! the built-in book stays in use.
  void OpenAtStart(const QString& commandLineFile);
  //! Prices from the compiled-in book from now on, also at the next start, and says so.
  void UseBuiltInBook();
  //! Shows which book is in use: its file, effective date, VAT rate and vendor.
  void ShowBookInUse();
  //! The same, as lines of text.
  QString Description() const;

  //! The file "Open price book..." opens: by default the one chosen in a file dialog.
  void SetFileChooser(std::function<QString()> chooser) { chooseFile_ = std::move(chooser); }

 private:
  FrmTindrel& window_;
  MessageSink& messages_;
  QList<QAction*> menuActions_;
  std::function<QString()> chooseFile_;
};

}  // namespace corvane
