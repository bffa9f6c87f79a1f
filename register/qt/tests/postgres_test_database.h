// A database of its own on the test server for each test that writes to PostgreSQL, so that tests
// neither see each other's quotes nor end each other's connections.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <optional>

#include "register/qt/postgres_register.h"

namespace corvane {

// Empties database `name` on the test server (making it if need be) and returns its URI.
inline QString FreshPostgresDatabase(const QString& server, const QString& name) {
  const std::optional<PostgresLocation> where = ParsePostgresLocation(server);
  if (!where) return {};
  {
    QSqlDatabase admin =
        QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("admin"));
    admin.setDatabaseName(where->database);
    admin.setUserName(where->user);
    admin.setHostName(where->host);
    if (!admin.open()) return {};
    QSqlQuery query(admin);
    if (name == where->database) {
      query.exec(QStringLiteral("DROP SCHEMA public CASCADE"));
      query.exec(QStringLiteral("CREATE SCHEMA public"));
    } else {
      query.exec(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(name));
      query.exec(QStringLiteral("CREATE DATABASE %1").arg(name));
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("admin"));
  QString uri = server;
  return uri.replace(QStringLiteral("/") + where->database + QStringLiteral("?"),
                     QStringLiteral("/") + name + QStringLiteral("?"));
}

}  // namespace corvane
