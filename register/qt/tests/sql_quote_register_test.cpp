// The register on disk: quotes kept and found as they were, numbers that never repeat across
// runs or after a program killed in the middle of a save, and files it must not touch.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "register/qt/sql_quote_register.h"
#include "register/qt/tests/register_test_support.h"

namespace corvane {
namespace {

class SqlRegisterTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
  QString Path() const { return folder_.filePath(QStringLiteral("quotes.sqlite")); }

  //! Runs the writer to its end and returns the numbers it printed.
  std::vector<std::string> Write(int count) const {
    QProcess writer;
    writer.start(QStringLiteral(REGISTER_WRITER),
                 {Path(), QString::number(count), QStringLiteral("5")});
    EXPECT_TRUE(writer.waitForFinished(60000));
    EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    return Numbers(writer.readAllStandardOutput());
  }
  static std::vector<std::string> Numbers(const QByteArray& output) {
    std::vector<std::string> numbers;
    for (const QByteArray& line : output.split('\n')) {
      if (!line.isEmpty()) numbers.push_back(line.toStdString());
    }
    return numbers;
  }
  static std::vector<std::string> Listed(QuoteRegister& kept) {
    std::vector<std::string> numbers;
    for (const RegisterEntry& entry : kept.Entries()) numbers.push_back(entry.number);
    return numbers;
  }

  QTemporaryDir folder_;
};

TEST_F(SqlRegisterTest, KeepsAQuoteAndFindsItAsItWas) {
  const Quotation quotation = TestQuotation(3);
  auto kept = SqlQuoteRegister::Open(Path());
  const Quotation numbered = kept->Keep(quotation);
  EXPECT_EQ(numbered.number, "Q-2026-0001");
  kept.reset();

  kept = SqlQuoteRegister::Open(Path());
  const Quotation found = kept->Find("Q-2026-0001");
  EXPECT_EQ(found.number, numbered.number);
  EXPECT_EQ(found.lines, quotation.lines);
  EXPECT_EQ(found.totals, quotation.totals);
  EXPECT_EQ(found.dealer, quotation.dealer);
  EXPECT_EQ(found.date, quotation.date);
  EXPECT_EQ(found.validUntil, quotation.validUntil);
  EXPECT_EQ(found.customer, quotation.customer);
  EXPECT_EQ(found.terms.currency, "ZAR");
  EXPECT_EQ(found.terms.pricesEffective, "28 May 2012");
  const std::vector<RegisterEntry> entries = kept->Entries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].customer, "Bell & Sons");
  EXPECT_EQ(entries[0].totalIncludingVat, quotation.totals.includingVat);
  EXPECT_THROW(kept->Find("Q-2026-0002"), RegisterError);
}

TEST_F(SqlRegisterTest, NumbersKeepIncreasingAcrossRuns) {
  const std::vector<std::string> first = Write(2);
  const std::vector<std::string> second = Write(2);
  EXPECT_EQ(first, (std::vector<std::string>{"Q-2026-0001", "Q-2026-0002"}));
  EXPECT_EQ(second, (std::vector<std::string>{"Q-2026-0003", "Q-2026-0004"}));
  auto kept = SqlQuoteRegister::Open(Path());
  EXPECT_EQ(Listed(*kept),
            (std::vector<std::string>{"Q-2026-0004", "Q-2026-0003", "Q-2026-0002", "Q-2026-0001"}));
}

// A save is one transaction: a program killed in the middle of one leaves every quote it
// reported whole, and the next number is beyond all of them.
TEST_F(SqlRegisterTest, AProgramKilledDuringASaveLosesNoNumberAndRepeatsNone) {
  QProcess writer;
  writer.start(QStringLiteral(REGISTER_WRITER),
               {Path(), QStringLiteral("0"), QStringLiteral("200")});
  QByteArray output;
  while (Numbers(output).size() < 5 && writer.waitForReadyRead(30000)) {
    output += writer.readAllStandardOutput();
  }
  writer.kill();
  ASSERT_TRUE(writer.waitForFinished(10000));
  output += writer.readAllStandardOutput();
  const std::vector<std::string> reported = Numbers(output);
  ASSERT_GE(reported.size(), 5u);

  auto kept = SqlQuoteRegister::Open(Path());
  const std::vector<std::string> listed = Listed(*kept);
  const std::set<std::string> unique(listed.begin(), listed.end());
  EXPECT_EQ(unique.size(), listed.size());
  for (const std::string& number : reported) {
    EXPECT_EQ(unique.count(number), 1u) << number;
    EXPECT_EQ(kept->Find(number).lines.size(), 200u) << number;
  }
  const std::string next = kept->Keep(TestQuotation(1)).number;
  for (const std::string& number : listed) EXPECT_LT(number, next);
}

TEST_F(SqlRegisterTest, AFileThatIsNoRegisterIsLeftUntouched) {
  QByteArray random(4096, '\0');
  QRandomGenerator generator(21);
  for (char& byte : random) byte = static_cast<char>(generator.bounded(256));
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"random bytes", random},
      {"another program's database", QByteArray()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QDir(folder_.path()).removeRecursively();
    QDir().mkpath(folder_.path());
    QByteArray bytes = c.bytes;
    if (bytes.isEmpty()) {  // a database of someone else's, with a table of its own
      auto other = SqlQuoteRegister::Open(Path());
      other.reset();
      // Unmark it as a register: it is now a database this program did not make.
      QFile file(Path());
      ASSERT_TRUE(file.open(QIODevice::ReadWrite));
      bytes = file.readAll();
      bytes.replace(68, 4, QByteArray(4, '\0'));  // application_id in the header
      file.seek(0);
      file.write(bytes);
      file.close();
    } else {
      QFile file(Path());
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(bytes);
    }
    try {
      SqlQuoteRegister::Open(Path());
      ADD_FAILURE() << "opened";
    } catch (const RegisterError& error) {
      EXPECT_NE(std::string(error.what()).find("quotes.sqlite"), std::string::npos) << error.what();
    }
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("quotes.sqlite")});
  }
}

// Another program holding the register locked for longer than the register waits: the save is
// refused, says why, and takes no number.
TEST_F(SqlRegisterTest, ALockedRegisterRefusesTheSaveAndTakesNoNumber) {
  auto kept = SqlQuoteRegister::Open(Path());
  {
    QSqlDatabase other =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    other.setDatabaseName(Path());
    ASSERT_TRUE(other.open());
    QSqlQuery lock(other);
    ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    try {
      kept->Keep(TestQuotation(1));
      ADD_FAILURE() << "kept while locked";
    } catch (const RegisterError& error) {
      EXPECT_NE(std::string(error.what()).find("locked"), std::string::npos) << error.what();
    }
    ASSERT_TRUE(lock.exec(QStringLiteral("ROLLBACK")));
    other.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("other"));
  EXPECT_EQ(kept->Keep(TestQuotation(1)).number, "Q-2026-0001");
}

TEST_F(SqlRegisterTest, AFolderThatCannotBeMadeIsReported) {
  QFile blocker(folder_.filePath(QStringLiteral("data")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_THROW(
      SqlQuoteRegister::Open(folder_.filePath(QStringLiteral("data/Corvane/quotes.sqlite"))),
      RegisterError);
}

}  // namespace
}  // namespace corvane
