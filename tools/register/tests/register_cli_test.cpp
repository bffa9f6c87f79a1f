// corvane-register as a user runs it: the exit status, one line naming a fault, export and import
// of a register upgraded from schema 1, and files refused whole.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "register/qt/open_register.h"
#include "register/qt/tests/postgres_test_database.h"
#include "register/qt/tests/register_test_support.h"
#include "register/register_json.h"
#include "register/register_table.h"

namespace corvane {
namespace {

struct Ran {
  int status;
  std::string out;
  std::string err;
};

class RegisterCli : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    ASSERT_TRUE(QFile::copy(QStringLiteral(REGISTER_FIXTURES "/quotes-v1.sqlite"), Db()));
    QFile::setPermissions(Db(), QFile::ReadOwner | QFile::WriteOwner);
  }
  QString Db() const { return folder_.filePath(QStringLiteral("quotes.sqlite")); }
  QString File(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
  Ran Run(QStringList arguments, const QString& db = {}) const {
    arguments.prepend(db.isEmpty() ? Db() : db);
    arguments.prepend(QStringLiteral("--register"));
    QProcess program;
    program.start(QStringLiteral(CORVANE_REGISTER), arguments);
    EXPECT_TRUE(program.waitForFinished(120000));
    return {program.exitCode(), program.readAllStandardOutput().toStdString(),
            program.readAllStandardError().toStdString()};
  }
  static int Lines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  }
  QTemporaryDir folder_;
};

TEST_F(RegisterCli, ListsFindsShowsAndRoundTripsAnUpgradedRegister) {
  const Ran list = Run({QStringLiteral("list")});
  EXPECT_EQ(list.status, 0) << list.err;
  EXPECT_EQ(Lines(list.out), 6);
  const Ran found =
      Run({QStringLiteral("list"), QStringLiteral("--find"), QStringLiteral("muller")});
  EXPECT_EQ(Lines(found.out), 1);
  EXPECT_EQ(found.out.rfind("Q-2026-0001\t2026-01-12\t", 0), 0u) << found.out;
  const Ran shown = Run({QStringLiteral("show"), QStringLiteral("Q-2026-0001")});
  EXPECT_EQ(shown.status, 0) << shown.err;
  EXPECT_NE(shown.out.find("12 x Tessaline 19 support contract at 750.00 incl. VAT = 9,000.00"),
            std::string::npos)
      << shown.out;
  EXPECT_NE(shown.out.find("VAT 14% on "), std::string::npos) << shown.out;

  const Ran exported = Run({QStringLiteral("export"), QStringLiteral("-")});
  ASSERT_EQ(exported.status, 0) << exported.err;
  QFile json(File("all.json"));
  ASSERT_TRUE(json.open(QIODevice::WriteOnly));
  json.write(QByteArray::fromStdString(exported.out));
  json.close();
  EXPECT_EQ(Run({QStringLiteral("export"), File("all.csv")}).status, 0);
  EXPECT_EQ(Run({QStringLiteral("export"), File("all.xlsx")}).status, 0);
  EXPECT_TRUE(QFile::exists(File("all.xlsx")));
  QFile csv(File("all.csv"));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  EXPECT_EQ(csv.readAll().count('\n'), 7);

  // Into a new register: the same export; again: refused whole, nothing imported.
  const QString other = File("other.sqlite");
  const Ran imported = Run({QStringLiteral("import"), File("all.json")}, other);
  EXPECT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(Run({QStringLiteral("export"), QStringLiteral("-")}, other).out, exported.out);
  const Ran again = Run({QStringLiteral("import"), File("all.json")}, other);
  EXPECT_EQ(again.status, 2);
  EXPECT_EQ(Lines(again.err), 1);
  EXPECT_NE(again.err.find("Q-2026-0001"), std::string::npos) << again.err;
  EXPECT_EQ(Run({QStringLiteral("export"), QStringLiteral("-")}, other).out, exported.out);
}

TEST_F(RegisterCli, RefusesBadInputWithOneLineAndAnUnreachableRegisterWithStatusOne) {
  QFile bad(File("bad.json"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write(R"({"format": "corvane-register", "version": 1, "quotes": [{"number": 7}]})");
  bad.close();
  const struct {
    QStringList arguments;
    int status;
    const char* said;
  } cases[] = {
      {{}, 2, "no command"},
      {{QStringLiteral("frobnicate")}, 2, "no command frobnicate"},
      {{QStringLiteral("export"), File("all.txt")}, 2, ".json, .csv, .xlsx"},
      {{QStringLiteral("import"), File("none.json")}, 2, "cannot be read"},
      {{QStringLiteral("import"), File("bad.json")}, 2, "quotes[0].number: not a text"},
      {{QStringLiteral("show"), QStringLiteral("Q-2026-0099")}, 2, "Q-2026-0099"},
  };
  for (const auto& c : cases) {
    const Ran ran = Run(c.arguments);
    EXPECT_EQ(ran.status, c.status) << ran.err;
    EXPECT_EQ(Lines(ran.err), 1) << ran.err;
    EXPECT_NE(ran.err.find(c.said), std::string::npos) << ran.err;
  }
  const Ran unreachable =
      Run({QStringLiteral("list")}, QStringLiteral("postgresql://u:pw1234@/x?host=/nonexistent"));
  EXPECT_EQ(unreachable.status, 1);
  EXPECT_EQ(unreachable.err.find("pw1234"), std::string::npos) << unreachable.err;
  EXPECT_EQ(Lines(Run({QStringLiteral("list")}).out), 6);  // nothing imported by the bad file
}

TEST(RegisterCsv, QuotesFieldsThatNeedItAndKeepsMoneyPlain) {
  Quotation q;
  q.number = "Q-1";
  q.customer.company = "O'Brien \"Tech\", Ltd";
  q.totals.includingVat = Money::fromTenThousandths(12'345'678'9000);
  const std::string csv = RegisterCsv({q}, {});
  EXPECT_NE(csv.find(",\"O'Brien \"\"Tech\"\", Ltd\","), std::string::npos) << csv;
  EXPECT_NE(csv.find(",12345678.90\r\n"), std::string::npos) << csv;
}

// Four imports at once, 250 new quotes each: 1,000 numbers, none given twice, none lost.
void FourImportsAtOnce(const QString& location, const QString& folder) {
  std::vector<Quotation> quotes(250, TestQuotation(3));
  const QString file = folder + QStringLiteral("/new.json");
  QFile json(file);
  ASSERT_TRUE(json.open(QIODevice::WriteOnly));
  json.write(QByteArray::fromStdString(RegisterJson(quotes)));
  json.close();
  std::vector<std::unique_ptr<QProcess>> imports;
  for (int i = 0; i < 4; ++i) {
    imports.push_back(std::make_unique<QProcess>());
    imports.back()->start(QStringLiteral(CORVANE_REGISTER),
                          {QStringLiteral("--register"), location, QStringLiteral("import"), file});
  }
  for (auto& import : imports) {
    ASSERT_TRUE(import->waitForFinished(300000));
    EXPECT_EQ(import->exitCode(), 0) << import->readAllStandardError().toStdString();
  }
  std::set<std::string> numbers;
  for (const RegisterEntry& entry : OpenRegister(location)->Entries({})) {
    numbers.insert(entry.number);
  }
  EXPECT_EQ(numbers.size(), 1000u);
}

TEST(RegisterImports, FourAtOnceOnSqlite) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  FourImportsAtOnce(folder.filePath(QStringLiteral("quotes.sqlite")), folder.path());
}

TEST(RegisterImports, FourAtOnceOnPostgreSQL) {
  const QString test = qEnvironmentVariable("CORVANE_TEST_POSTGRES");
  if (test.isEmpty()) GTEST_SKIP() << "no PostgreSQL server (run under scripts/with-postgres)";
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  FourImportsAtOnce(FreshPostgresDatabase(test, QStringLiteral("corvane_four_imports")),
                    folder.path());
}

}  // namespace
}  // namespace corvane
