// Writing a file the dealer asked for: all of it or, on any failure, nothing at all.
#include "qt/save_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>
#include <utility>

#include "qt/font_family.h"
#include "small_disk.h"

namespace corvane::testing {
namespace {

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(SaveFile, WritesANewFileReplacesAnOldOneAndKeepsALink) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString file = folder.filePath(QStringLiteral("list.pdf"));
  const QString link = folder.filePath(QStringLiteral("link.pdf"));
  const QByteArray first(3000, 'a'), second(100, 'b'), third(5000, 'c');
  for (const auto& [path, bytes] : {std::pair{file, first}, {file, second}, {link, third}}) {
    SCOPED_TRACE(path.toStdString());
    if (path == link) {
      ASSERT_TRUE(QFile::link(file, link));
    }
    EXPECT_EQ(SaveFile(path, bytes), std::nullopt);
    EXPECT_EQ(Read(path), bytes);
  }
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(Read(file), third);
  // Nothing is left beside the files.
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2);
}

TEST(SaveFile, NamesTheCauseAndLeavesNothingWhereItCannotWrite) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath(QStringLiteral("no such folder/list.pdf"));
  const std::optional<QString> cause = SaveFile(path, QByteArray(10, 'x'));
  ASSERT_TRUE(cause.has_value());
  EXPECT_FALSE(cause->isEmpty());
  EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("no such folder"))));
}

// A device is written to, never replaced by a file, whoever may write its folder.
TEST(SaveFile, WritesToADeviceAndKeepsIt) {
  const QString full = QStringLiteral("/dev/full");
  if (!QFileInfo::exists(full)) GTEST_SKIP() << "no /dev/full on this system";
  EXPECT_EQ(SaveFile(full, QByteArray(10, 'x')), QStringLiteral("No space left on device"));
  EXPECT_FALSE(QFileInfo(full).isFile());
  EXPECT_EQ(SaveFile(QStringLiteral("/dev/null"), QByteArray(10, 'x')), std::nullopt);
  EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/null")).isFile());
}

TEST(SaveFile, KeepsTheEarlierFileOnAFullDisk) {
  const QString disk = SmallDisk();
  if (disk.isEmpty()) GTEST_SKIP() << "run through on_small_disk.sh";
  const QString path = QDir(disk).filePath(QStringLiteral("list.pdf"));
  Write(path, EarlierFile());
  FillUp(disk);
  EXPECT_EQ(SaveFile(path, QByteArray(30000, 'n')), QStringLiteral("No space left on device"));
  EXPECT_EQ(Read(path), EarlierFile());
  EXPECT_EQ(QDir(disk).entryList(QDir::Files).size(), 2);  // the file and the filler
}

TEST(InstalledFamily, IsTheFirstWishInstalledWhateverItsCase) {
  const QStringList installed = {QStringLiteral("liberation sans"), QStringLiteral("Arimo")};
  const std::pair<QStringList, QString> cases[] = {
      {ArialOrLookAlikes(), QStringLiteral("Liberation Sans")},
      {{QStringLiteral("Arimo"), QStringLiteral("Liberation Sans")}, QStringLiteral("Arimo")},
      {{QStringLiteral("Arial")}, QString()},
      {{}, QString()}};
  for (const auto& [wishes, family] : cases) {
    EXPECT_EQ(InstalledFamily(wishes, installed), family) << wishes.join(u',').toStdString();
  }
}

}  // namespace
}  // namespace corvane::testing
