#include "register/qt/postgres_register.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <QVariant>

#include <atomic>
#include <cstdio>

#include "qt/qt_text.h"

namespace corvane {
namespace {

constexpr const char* kApplication = "corvane-register";
// Taken while the schema is made, so that two desks starting at once make it once.
constexpr qint64 kSchemaLock = 0x436F7276;

class PostgresDialect final : public SqlDialect {
 public:
  QString BeginWrite() const override { return QStringLiteral("BEGIN"); }
  QString Contains(const QString& column) const override {
    return QStringLiteral("strpos(%1, ?) > 0").arg(column);
  }
  bool Transient(const QSqlError& error) const override {
    const QString state = error.nativeErrorCode();
    // serialization failure, deadlock, lock not available
    return state == QLatin1String("40001") || state == QLatin1String("40P01") ||
           state == QLatin1String("55P03");
  }
  bool Lost(const QSqlError& error) const override {
    const QString state = error.nativeErrorCode();
    return error.type() == QSqlError::ConnectionError || state.startsWith(QLatin1String("08")) ||
           state.startsWith(QLatin1String("57P"));
  }
  QString Damage(QSqlDatabase&) const override { return {}; }
};

QString NewConnectionName() {
  static std::atomic<int> count{0};
  return QStringLiteral("corvane-postgres-%1").arg(++count);
}

QString Reason(const QSqlError& error) {
  QString text = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
  text = text.simplified();
  // The messages end it with their own full stop.
  while (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('?'))) text.chop(1);
  return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

[[noreturn]] void Refuse(const QString& shown, const QString& why) {
  throw RegisterError(ToStdString(QStringLiteral("The quote register %1 %2.").arg(shown, why)));
}

QSqlQuery Query(QSqlDatabase& db, const QString& sql) {
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.exec(sql)) throw SqlFailure{query.lastError()};
  return query;
}

}  // namespace

bool IsPostgresLocation(const QString& location) {
  return location.startsWith(QLatin1String("postgresql://")) ||
         location.startsWith(QLatin1String("postgres://"));
}

std::optional<PostgresLocation> ParsePostgresLocation(const QString& location) {
  if (!IsPostgresLocation(location)) return {};
  const QUrl url(location, QUrl::StrictMode);
  if (!url.isValid()) return {};
  PostgresLocation parsed;
  parsed.user = url.userName(QUrl::FullyDecoded);
  parsed.password = url.password(QUrl::FullyDecoded);
  parsed.host = url.host(QUrl::FullyDecoded);
  parsed.port = url.port();
  parsed.database = url.path(QUrl::FullyDecoded).mid(1);
  QStringList options;
  QUrlQuery shownQuery;
  for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
    if (key == QLatin1String("host")) {
      parsed.host = value;
    } else if (key == QLatin1String("port")) {
      parsed.port = value.toInt();
    } else if (key == QLatin1String("user")) {
      parsed.user = value;
    } else if (key == QLatin1String("dbname")) {
      parsed.database = value;
    } else if (key == QLatin1String("password")) {
      parsed.password = value;
      continue;  // never shown
    } else {
      options << key + QLatin1Char('=') + value;
    }
    shownQuery.addQueryItem(key, value);
  }
  if (parsed.database.isEmpty() || parsed.database.contains(QLatin1Char('/'))) return {};
  parsed.options = options.join(QLatin1Char(';'));
  QUrl shown = url;
  shown.setPassword(QString());
  shown.setQuery(shownQuery);
  parsed.shown = shown.toString(QUrl::RemovePassword);
  return parsed;
}

std::unique_ptr<SqlQuoteRegister> OpenPostgresRegister(const QString& location) {
  const std::optional<PostgresLocation> where = ParsePostgresLocation(location);
  if (!where) {
    throw RegisterError(
        "The quote register's location is not a PostgreSQL URI of the form "
        "postgresql://user@host/database or postgresql:///database?host=/run/postgresql.");
  }
  if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
    Refuse(where->shown, QStringLiteral("cannot be reached: Qt's PostgreSQL driver is not "
                                        "installed (the package libqt6sql6-psql)"));
  }
  const QString connection = NewConnectionName();
  PendingConnection pending(connection);
  QString readOnly;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
    db.setDatabaseName(where->database);
    if (!where->user.isEmpty()) db.setUserName(where->user);
    if (!where->password.isEmpty()) db.setPassword(where->password);
    if (!where->host.isEmpty()) db.setHostName(where->host);
    if (where->port > 0) db.setPort(where->port);
    QString options = QStringLiteral("connect_timeout=5;application_name=corvane");
    if (!where->options.isEmpty()) options += QLatin1Char(';') + where->options;
    db.setConnectOptions(options);
    if (!db.open()) {
      Refuse(where->shown, QStringLiteral("cannot be reached: ") + Reason(db.lastError()));
    }
    try {
      Query(db, QStringLiteral("BEGIN"));
      Query(db, QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kSchemaLock));
      QSqlQuery tables = Query(db, QStringLiteral("SELECT count(*) FROM pg_catalog.pg_tables "
                                                  "WHERE schemaname = current_schema()"));
      const qint64 tableCount = tables.next() ? tables.value(0).toLongLong() : 0;
      QSqlQuery ours = Query(db, QStringLiteral("SELECT to_regclass('register_schema') IS NOT "
                                                "NULL"));
      const bool marked = ours.next() && ours.value(0).toBool();
      if (tableCount == 0) {
        for (const QString& statement : RegisterSchema()) Query(db, statement);
        // Without the search text: a B-tree entry holds at most a third of a page.
        Query(db, QStringLiteral("CREATE INDEX quotes_listed ON quotes (newest, quote_date, "
                                 "serial)"));
        Query(db, QStringLiteral("CREATE TABLE register_schema (application TEXT NOT NULL, "
                                 "version INTEGER NOT NULL)"));
        Query(db, QStringLiteral("INSERT INTO register_schema VALUES ('%1', %2)")
                      .arg(QLatin1String(kApplication))
                      .arg(kRegisterSchemaVersion));
      } else if (!marked) {
        Query(db, QStringLiteral("ROLLBACK"));
        Refuse(where->shown, QStringLiteral("is another program's database; it is left as it is"));
      } else {
        QSqlQuery schema =
            Query(db, QStringLiteral("SELECT application, version FROM register_schema"));
        if (!schema.next() || schema.value(0).toString() != QLatin1String(kApplication)) {
          Query(db, QStringLiteral("ROLLBACK"));
          Refuse(where->shown,
                 QStringLiteral("is another program's database; it is left as it is"));
        }
        const int version = schema.value(1).toInt();
        if (version > kRegisterSchemaVersion) {
          readOnly = QStringLiteral(
              "it was made by a newer version of the program and is only "
              "read, never written");
          std::fprintf(stderr, "%s\n",
                       ToStdString(QStringLiteral("The quote register %1 was made by a newer "
                                                  "version of the program; it is opened "
                                                  "read-only.")
                                       .arg(where->shown))
                           .c_str());
        } else if (version < kRegisterSchemaVersion) {
          Query(db, QStringLiteral("ROLLBACK"));
          Refuse(where->shown, QStringLiteral("has a schema this program cannot upgrade"));
        }
      }
      Query(db, QStringLiteral("COMMIT"));
    } catch (const SqlFailure& failure) {
      QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
      Refuse(where->shown, QStringLiteral("cannot be opened: ") + Reason(failure.error));
    }
  }
  pending.Keep();
  return std::make_unique<SqlQuoteRegister>(connection, where->shown,
                                            std::make_unique<PostgresDialect>(), readOnly);
}

}  // namespace corvane
