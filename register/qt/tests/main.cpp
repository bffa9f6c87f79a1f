// The register's tests need Qt's plugins (the SQLite driver), so a Qt application runs them.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
