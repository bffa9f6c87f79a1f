// register_writer LOCATION COUNT LINES: keeps COUNT quotations of LINES lines each in the
// register at LOCATION (a SQLite path or a PostgreSQL URI; COUNT 0: until killed) and prints each
// number on a line of its own once it is kept.
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include "register/qt/open_register.h"
#include "register/qt/tests/register_test_support.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  if (argc != 4) return 2;
  try {
    auto kept = corvane::OpenRegister(QString::fromLocal8Bit(argv[1]));
    const long count = std::strtol(argv[2], nullptr, 10);
    const corvane::Quotation quotation =
        corvane::TestQuotation(static_cast<int>(std::strtol(argv[3], nullptr, 10)));
    for (long i = 0; count == 0 || i < count; ++i) {
      std::printf("%s\n", kept->Keep(quotation).number.c_str());
      std::fflush(stdout);
    }
  } catch (const corvane::RegisterError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
