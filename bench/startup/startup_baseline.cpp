// The least a Qt program does to show a window: an empty top-level widget of the quote window's
// size and position, shown the same way. Prints its CPU time and peak memory at first paint.
//
// With --font-configuration it first loads the system's font configuration and font list, which
// every window that shows text pays for and an empty window never needs. With --one-label the
// window shows one line of text in the desktop's font: the least a window with any text does.
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <cstdio>

#include "bench/startup/first_paint.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QStringList arguments = QApplication::arguments();
  if (arguments.contains(QStringLiteral("--font-configuration"))) {
    if (QFontDatabase::families().isEmpty()) {
      std::fprintf(stderr, "corvane_startup_baseline: no fonts are installed\n");
      return 1;
    }
  }

  QWidget window;
  window.setFixedSize(432, 497);  // the quote window's 6480 x 7455 twips
  window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                         window.screen()->availableGeometry()));
  if (arguments.contains(QStringLiteral("--one-label"))) {
    auto* label = new QLabel(QStringLiteral("Cross-grade FROM (or New package)"), &window);
    label->move(16, 16);
  }
  const corvane::bench::FirstPaint firstPaint(window, [] {
    corvane::bench::PrintResourceUse(corvane::bench::ResourceUseNow());
    QApplication::quit();
  });
  window.show();
  return QApplication::exec();
}
