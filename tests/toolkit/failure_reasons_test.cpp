// SPDX-License-Identifier: GPL-2.0-or-later
// The reasons of the database engine and of the system, as the user reads them.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QTemporaryDir>
#include <SQLiteCpp/Database.h>
#include <cerrno>
#include <fstream>
#include <new>
#include <system_error>

#include "storage/app_folders.h"
#include "picture_db/database.h"
#include "toolkit/failure_reasons.h"

using toolkit::failureReason;
using toolkit::systemReason;

namespace {
// What the user reads when a statement fails as the programs run it.
QString reasonOf(const char* sql) {
  SQLite::Database db(":memory:", SQLite::OPEN_READWRITE);
  db.exec("CREATE TABLE FOTO (ID_FOTO INTEGER NOT NULL UNIQUE, ORIGINALE TEXT, COPIA TEXT)");
  db.exec("INSERT INTO FOTO VALUES (1, 'a.bmp', 'b.bmp')");
  try {
    try {
      db.exec(sql);
    } catch (...) {
      picture_db::rethrowAsDbError();
    }
  } catch (const picture_db::DbError& e) {
    return failureReason(e);
  }
  return QString();
}

}  // namespace

TEST(FailureReasons, EveryPrimaryEngineCodeIsToldInItalian) {
  for (int code = 1; code <= 28; ++code) {
    const QString english = QString::fromUtf8(sqlite3_errstr(code));
    const QString shown = failureReason(picture_db::DbError(english.toStdString(), code));
    EXPECT_NE(shown, english) << code << " " << english.toStdString();
    EXPECT_FALSE(shown.isEmpty()) << code;
    EXPECT_FALSE(shown.contains("sconosciuto del database")) << code;
  }
  // The code tells, not the text: a message in other words reads the same.
  EXPECT_EQ(failureReason(picture_db::DbError("database is locked by pid 7", SQLITE_BUSY)),
            "il database è bloccato da un altro programma");
  EXPECT_EQ(failureReason(picture_db::DbError("xyz", SQLITE_IOERR, SQLITE_IOERR_FSYNC)),
            "errore di lettura o scrittura sul disco");
  // The program's own failures are already in the user's words.
  EXPECT_EQ(failureReason(picture_db::DbError("Il database delle immagini è chiuso.")),
            "Il database delle immagini è chiuso.");
}

TEST(FailureReasons, EngineMessagesWithNamesKeepTheNames) {
  EXPECT_EQ(reasonOf("SELECT * FROM COORDINATE"), "nel database manca la tabella COORDINATE");
  EXPECT_EQ(reasonOf("SELECT NOME FROM FOTO"), "nel database manca la colonna NOME");
  EXPECT_EQ(reasonOf("INSERT INTO FOTO VALUES (1, 'c.bmp', 'd.bmp')"), "in FOTO.ID_FOTO c'è già lo stesso valore");
  EXPECT_EQ(reasonOf("INSERT INTO FOTO VALUES (NULL, 'c.bmp', 'd.bmp')"),
            "manca un valore obbligatorio in FOTO.ID_FOTO");
  EXPECT_EQ(reasonOf("INSERT INTO FOTO VALUES (2, 'c.bmp')"), "la tabella FOTO ha 3 colonne, ma i valori dati sono 2");
  EXPECT_EQ(reasonOf("Update coordinate set x1= where ID_Foto=1"), "errore di sintassi vicino a \"where\"");
  EXPECT_EQ(reasonOf("COMMIT"), "nessuna operazione sul database in corso");
}

TEST(FailureReasons, OpeningDatabasesTellsWhyInItalian) {
  QTemporaryDir dir;
  const std::string missing = dir.filePath("images.mdb").toStdString();
  try {
    picture_db::Database::openExisting(missing);
    FAIL() << "a missing database was opened";
  } catch (const picture_db::DbError& e) {
    EXPECT_EQ(failureReason(e), "il file non esiste");
  }
  std::ofstream(missing) << std::string(4096, 'x');
  try {
    picture_db::Database::openExisting(missing);
    FAIL() << "a file that is no database was opened";
  } catch (const picture_db::DbError& e) {
    EXPECT_EQ(failureReason(e), "il file non è un database");
  }
}

TEST(FailureReasons, OtherFailuresKeepTheirOwnWords) {
  // An engine's or the system's words inside the program's own text are not the engine
  // speaking: only codes are translated.
  EXPECT_EQ(failureReason(std::runtime_error("il file database is locked.bmp non si può leggere")),
            "il file database is locked.bmp non si può leggere");
  EXPECT_EQ(failureReason(std::runtime_error("x: " + std::generic_category().message(EACCES))),
            QString::fromStdString("x: " + std::generic_category().message(EACCES)));
}

TEST(FailureReasons, ExceptionsAreToldByTheirKind) {
  EXPECT_EQ(failureReason(std::bad_alloc()), "memoria insufficiente");
  EXPECT_EQ(failureReason(std::system_error(EROFS, std::generic_category(), "write")), "il disco è di sola lettura");

  QTemporaryDir dir;
  std::ofstream(dir.filePath("Images").toStdString()) << "a file where the folder should be";
  try {
    storage::ensureFolders(dir.path().toStdString(), {"Images"});
    FAIL() << "a folder was made over a file";
  } catch (const std::exception& e) {
    EXPECT_EQ(failureReason(e), dir.filePath("Images") + ": esiste già un file con questo nome");
  }
  EXPECT_EQ(systemReason(9999), "errore di sistema numero 9999");
}
