#include "qt/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <memory>

#include "qt/qt_text.h"

namespace corvane {

void CopyToClipboard(std::string_view text, std::string_view html) {
  auto data = std::make_unique<QMimeData>();
  data->setText(ToQString(text));
  data->setHtml(ToQString(html));
  // The clipboard takes the data over.
  QGuiApplication::clipboard()->setMimeData(data.release());
}

void EmptyClipboard() {
  QGuiApplication::clipboard()->clear();
}

}  // namespace corvane
