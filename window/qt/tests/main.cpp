// The window's tests run without a display: they pick Qt's offscreen platform before it starts,
// and keep whatever the window remembers in a settings folder of their own.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const QTemporaryDir settings;
  if (!settings.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
