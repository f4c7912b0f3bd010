// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/failure_reasons.h"

#include <sqlite3.h>

#include <QRegularExpression>
#include <cerrno>
#include <filesystem>
#include <new>
#include <optional>
#include <system_error>
#include <vector>

#include "picture_db/database.h"

namespace toolkit {

QString systemReason(int e) {
  switch (e) {
    case ENOENT: return QStringLiteral("il file o la cartella non esiste");
    case ENOTDIR: return QStringLiteral("una parte del percorso non è una cartella");
    case EISDIR: return QStringLiteral("è una cartella");
    case EACCES:
    case EPERM: return QStringLiteral("accesso negato");
    case EROFS: return QStringLiteral("il disco è di sola lettura");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("spazio su disco esaurito");
    case EEXIST:
    case ENOTEMPTY: return QStringLiteral("esiste già un file con questo nome");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("il file è in uso");
    case ENAMETOOLONG: return QStringLiteral("il nome è troppo lungo");
    case EXDEV: return QStringLiteral("i due file sono su dischi diversi");
    case EFBIG: return QStringLiteral("il file è troppo grande");
    case EIO: return QStringLiteral("errore di lettura o scrittura sul disco");
    case ENOMEM: return QStringLiteral("memoria insufficiente");
    case EMFILE:
    case ENFILE: return QStringLiteral("ci sono troppi file aperti");
    case ELOOP: return QStringLiteral("il percorso contiene troppi collegamenti simbolici");
    case EINVAL: return QStringLiteral("richiesta non valida");
    case EINTR: return QStringLiteral("operazione interrotta");
    case EAGAIN: return QStringLiteral("risorsa momentaneamente non disponibile, riprovare");
    case ENXIO:
    case ENODEV: return QStringLiteral("il dispositivo non è disponibile");
    case ENOMEDIUM: return QStringLiteral("nell'unità non c'è nessun disco");
    case EMLINK: return QStringLiteral("ci sono troppi collegamenti al file");
    case ESTALE: return QStringLiteral("il file sulla rete non è più disponibile");
    case ETIMEDOUT: return QStringLiteral("il tempo di attesa è scaduto");
    case ENOLCK: return QStringLiteral("non è possibile bloccare il file");
    case EOVERFLOW: return QStringLiteral("il file è troppo grande per questa operazione");
    case EILSEQ: return QStringLiteral("il nome contiene caratteri non validi");
    case ENOSYS:
    case ENOTSUP: return QStringLiteral("operazione non supportata dal sistema");
    case ECANCELED: return QStringLiteral("operazione annullata");
    case EBADF: return QStringLiteral("il file non è aperto");
    case EPIPE: return QStringLiteral("il collegamento con l'altro programma si è interrotto");
    default: return QStringLiteral("errore di sistema numero %1").arg(e);
  }
}

namespace {

// SQLite's primary result codes, in the user's words.
QString engineCodeReason(int code) {
  switch (code) {
    case SQLITE_ERROR: return QStringLiteral("errore nell'istruzione del database");
    case SQLITE_INTERNAL:
    case SQLITE_EMPTY:
    case SQLITE_FORMAT: return QStringLiteral("errore interno del database");
    case SQLITE_PERM: return QStringLiteral("accesso negato");
    case SQLITE_ABORT: return QStringLiteral("operazione annullata");
    case SQLITE_BUSY: return QStringLiteral("il database è bloccato da un altro programma");
    case SQLITE_LOCKED: return QStringLiteral("una tabella del database è bloccata");
    case SQLITE_NOMEM: return QStringLiteral("memoria insufficiente");
    case SQLITE_READONLY: return QStringLiteral("il database è di sola lettura");
    case SQLITE_INTERRUPT: return QStringLiteral("operazione interrotta");
    case SQLITE_IOERR: return QStringLiteral("errore di lettura o scrittura sul disco");
    case SQLITE_CORRUPT: return QStringLiteral("il file del database è danneggiato");
    case SQLITE_NOTFOUND: return QStringLiteral("operazione sconosciuta");
    case SQLITE_FULL: return QStringLiteral("il database o il disco è pieno");
    case SQLITE_CANTOPEN: return QStringLiteral("impossibile aprire il file del database");
    case SQLITE_PROTOCOL: return QStringLiteral("errore nel blocco del database");
    case SQLITE_SCHEMA: return QStringLiteral("la struttura del database è cambiata");
    case SQLITE_TOOBIG: return QStringLiteral("un valore è troppo grande");
    case SQLITE_CONSTRAINT: return QStringLiteral("un vincolo del database non è rispettato");
    case SQLITE_MISMATCH: return QStringLiteral("un valore non è del tipo atteso");
    case SQLITE_MISUSE: return QStringLiteral("uso non corretto del database");
    case SQLITE_NOLFS: return QStringLiteral("i file grandi non sono supportati");
    case SQLITE_AUTH: return QStringLiteral("autorizzazione negata");
    case SQLITE_RANGE: return QStringLiteral("colonna inesistente");
    case SQLITE_NOTADB: return QStringLiteral("il file non è un database");
    case SQLITE_NOTICE:
    case SQLITE_WARNING: return QStringLiteral("avviso del database");
    default: return QStringLiteral("errore sconosciuto del database (%1)").arg(code);
  }
}

// What follows "...failed: " in a constraint's message: the table and column it concerns.
QString concerned(const QString& message) {
  const qsizetype colon = message.indexOf(QStringLiteral(": "));
  return colon < 0 ? QString() : message.mid(colon + 2);
}

// Constraints are told apart by their extended codes; the message supplies the names.
std::optional<QString> constraintReason(int extendedCode, const QString& message) {
  switch (extendedCode) {
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY: return QStringLiteral("in %1 c'è già lo stesso valore").arg(concerned(message));
    case SQLITE_CONSTRAINT_NOTNULL: return QStringLiteral("manca un valore obbligatorio in %1").arg(concerned(message));
    case SQLITE_CONSTRAINT_CHECK: return QStringLiteral("un valore non rispetta la regola %1").arg(concerned(message));
    case SQLITE_CONSTRAINT_FOREIGNKEY: return QStringLiteral("un collegamento tra le tabelle non è rispettato");
    // A trigger's refusal carries the words its author gave it.
    case SQLITE_CONSTRAINT_TRIGGER: return message;
    default: return std::nullopt;
  }
}

struct StatementMessage {
  QRegularExpression english;
  QString italian;  // %1, %2, ... are the captured parts
};

// SQLITE_ERROR covers every fault of a statement with no finer code; its message names
// what is missing or wrong, so these few are read for the names they carry.
const std::vector<StatementMessage>& statementMessages() {
  static const std::vector<StatementMessage> table = [] {
    const std::pair<const char*, const char*> rows[] = {
        {"no such table: (.+)", "nel database manca la tabella %1"},
        {"no such column: (.+)", "nel database manca la colonna %1"},
        {"table (\\S+) already exists", "la tabella %1 esiste già"},
        {"table (\\S+) has (\\d+) columns but (\\d+) values were supplied",
         "la tabella %1 ha %2 colonne, ma i valori dati sono %3"},
        {"(\\d+) values for (\\d+) columns", "%1 valori per %2 colonne"},
        {"near \"(.*)\": syntax error", "errore di sintassi vicino a \"%1\""},
        {"unrecognized token: \"(.*)\"", "simbolo non riconosciuto: \"%1\""},
        {"incomplete input", "istruzione incompleta"},
        {"too many SQL variables", "l'istruzione ha troppi valori"},
        {"no such function: (.+)", "funzione sconosciuta: %1"},
        {"cannot start a transaction within a transaction", "un'operazione sul database è già in corso"},
        {"cannot (commit|rollback) - no transaction is active", "nessuna operazione sul database in corso"},
    };
    std::vector<StatementMessage> t;
    for (const auto& [english, italian] : rows) {
      t.push_back({QRegularExpression(QRegularExpression::anchoredPattern(QString::fromUtf8(english))),
                   QString::fromUtf8(italian)});
    }
    return t;
  }();
  return table;
}

std::optional<QString> statementReason(const QString& message) {
  for (const StatementMessage& m : statementMessages()) {
    const QRegularExpressionMatch match = m.english.match(message);
    if (!match.hasMatch()) continue;
    QString italian = m.italian;
    for (int i = 1; i <= match.lastCapturedIndex() && italian.contains(QLatin1Char('%')); ++i) {
      italian = italian.arg(match.captured(i));
    }
    return italian;
  }
  return std::nullopt;
}

bool isErrnoCategory(const std::error_code& code) {
  return code.category() == std::generic_category() || code.category() == std::system_category();
}

}  // namespace

QString databaseReason(const picture_db::DbError& e) {
  const QString message = QString::fromUtf8(e.what());
  if (e.code() == picture_db::DbError::kOwnMessage) return message;
  if (e.systemError() == ENOENT) return QStringLiteral("il file non esiste");
  if (auto italian = constraintReason(e.extendedCode(), message)) return *italian;
  if (e.code() == SQLITE_ERROR) {
    if (auto italian = statementReason(message)) return *italian;
  }
  return engineCodeReason(e.code());
}

QString failureReason(const std::exception& e) {
  if (dynamic_cast<const std::bad_alloc*>(&e)) return systemReason(ENOMEM);
  if (const auto* db = dynamic_cast<const picture_db::DbError*>(&e)) return databaseReason(*db);
  if (const auto* fe = dynamic_cast<const std::filesystem::filesystem_error*>(&e); fe && isErrnoCategory(fe->code())) {
    const QString reason = systemReason(fe->code().value());
    return fe->path1().empty() ? reason : QString::fromStdString(fe->path1().string()) + QStringLiteral(": ") + reason;
  }
  if (const auto* se = dynamic_cast<const std::system_error*>(&e); se && isErrnoCategory(se->code())) {
    return systemReason(se->code().value());
  }
  return QString::fromUtf8(e.what());
}

}  // namespace toolkit
