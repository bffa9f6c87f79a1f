// The least a Qt program does to show a window: an empty top-level widget of the quote window's
// size and position, shown the same way. Prints its CPU time and peak memory at first paint.
#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include "bench/startup/first_paint.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);

  QWidget window;
  window.setFixedSize(432, 497);  // the quote window's 6480 x 7455 twips
  window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                         window.screen()->availableGeometry()));
  const corvane::bench::FirstPaint firstPaint(window, [] {
    corvane::bench::PrintResourceUse(corvane::bench::ResourceUseNow());
    QApplication::quit();
  });
  window.show();
  return QApplication::exec();
}
