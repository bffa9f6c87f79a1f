// The dialog that asks where a PDF goes.
#pragma once

#include <QString>

class QWidget;

namespace corvane {

//! The file the dealer chooses for a PDF, ".pdf" added when the name has no suffix; empty when
//! the dialog is cancelled. The suffix is added before the dialog looks for a file of that name,
//! so an existing file is only ever replaced after the dialog has asked. The dialog opens in the
//! folder of the last PDF chosen, which the program's own settings file remembers.
QString ChoosePdfFile(QWidget* parent, const QString& title, const QString& suggestedName);

}  // namespace corvane
