#include "register/qt/quotes_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <string>

#include "qt/qt_text.h"
#include "register/qt/register_xlsx.h"
#include "register/register_json.h"
#include "register/register_table.h"

namespace corvane {
namespace {

bool EndsWith(const QString& path, const char* extension) {
  return path.endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

[[noreturn]] void CannotWrite(const QString& path, const QString& why) {
  throw QuotesFileWriteError(ToStdString(
      QStringLiteral("%1 cannot be written: %2").arg(QDir::toNativeSeparators(path), why)));
}

void Save(const QString& path, const std::string& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !file.commit()) {
    CannotWrite(path, file.errorString());
  }
}

}  // namespace

bool IsQuotesFileName(const QString& path) {
  return EndsWith(path, ".json") || EndsWith(path, ".csv") || EndsWith(path, ".xlsx");
}

void WriteQuotesFile(const QString& path, const std::vector<Quotation>& quotations,
                     QuoteDate today) {
  if (EndsWith(path, ".json")) {
    Save(path, RegisterJson(quotations));
  } else if (EndsWith(path, ".csv")) {
    Save(path, RegisterCsv(quotations, today));
  } else if (EndsWith(path, ".xlsx")) {
    // libxlsxwriter writes the file itself: into a temporary beside it, then renamed over it.
    const QString temporary = path + QStringLiteral(".part");
    if (!WriteRegisterXlsx(PathToStdString(temporary), quotations, today)) {
      QFile::remove(temporary);
      CannotWrite(path, QStringLiteral("the workbook could not be written"));
    }
    QFile::remove(path);
    if (!QFile::rename(temporary, path)) {
      QFile::remove(temporary);
      CannotWrite(path, QStringLiteral("it could not take the place of the file there"));
    }
  } else {
    throw QuotesFileNameError(
        ToStdString(QStringLiteral("%1: the file's name ends in none of .json, .csv, .xlsx")
                        .arg(QDir::toNativeSeparators(path))));
  }
}

}  // namespace corvane
