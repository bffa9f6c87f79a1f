// The window and the quote sheet open within the screen at any scale. Each run names the scale in
// QT_SCALE_FACTOR and the screen's size in pixels in CORVANE_TEST_SCREEN ("1366x768"); the test
// makes an offscreen screen of that size, with window frames, before Qt starts.
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <string>

#include "pricebook/price_book.h"
#include "window/qt/frm_tindrel.h"
#include "window/qt/quote_actions.h"

// A rectangle as failure messages show it.
std::string Shown(const QRect& r) {
  return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
         "x" + std::to_string(r.height());
}

namespace corvane {
namespace {

class ScreenFit : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<FrmTindrel>(book_, Separators{",", "."});
    window_->Load();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  static QRect Screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }

  PriceBook book_ = FillPriceBook();
  std::unique_ptr<FrmTindrel> window_;
};

TEST_F(ScreenFit, TheWindowAndEveryButtonAreOnTheScreen) {
  EXPECT_TRUE(Screen().contains(window_->frameGeometry())) << Shown(window_->frameGeometry());
  const auto buttons = window_->findChildren<QPushButton*>();
  ASSERT_EQ(buttons.size(), 4);
  for (const QPushButton* button : buttons) {
    const QRect on(button->mapToGlobal(QPoint(0, 0)), button->size());
    EXPECT_TRUE(Screen().contains(on)) << button->objectName().toStdString();
    // Still a button one can read and hit.
    EXPECT_GE(button->height(), 24) << button->objectName().toStdString();
  }
}

TEST_F(ScreenFit, TheQuoteSheetIsOnTheScreen) {
  window_->Quote().ShowSheet();
  QWidget* sheet = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top != window_.get() && top->isVisible() && !top->inherits("QMenu")) sheet = top;
  }
  ASSERT_NE(sheet, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
  EXPECT_TRUE(Screen().contains(sheet->frameGeometry())) << Shown(sheet->frameGeometry());
}

}  // namespace
}  // namespace corvane

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  const QByteArray size = qgetenv("CORVANE_TEST_SCREEN");
  const QList<QByteArray> sides = size.split('x');
  if (sides.size() != 2) {
    std::cerr << "CORVANE_TEST_SCREEN must name the screen's size, e.g. 1366x768\n";
    return 2;
  }
  const QTemporaryDir dir;
  const QString config = dir.filePath(QStringLiteral("screens.json"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 2;
  file.write(
      R"({"windowFrameMargins": true, "screens": [{"name": "screen", "x": 0, "y": 0, "width": )" +
      sides[0] + R"(, "height": )" + sides[1] +
      R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
