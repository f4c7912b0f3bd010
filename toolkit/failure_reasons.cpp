// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/failure_reasons.h"

#include <QRegularExpression>
#include <cerrno>
#include <filesystem>
#include <new>
#include <optional>
#include <system_error>
#include <vector>

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

struct EngineMessage {
  QRegularExpression english;
  QString italian;  // %1, %2, ... are the captured parts
};

// SQLite's messages (and the few of the database layer) as they reach the user.
const std::vector<EngineMessage>& engineMessages() {
  static const std::vector<EngineMessage> table = [] {
    const std::pair<const char*, const char*> rows[] = {
        {"database is locked", "il database è bloccato da un altro programma"},
        {"database table is locked", "una tabella del database è bloccata"},
        {"attempt to write a readonly database", "il database è di sola lettura"},
        {"unable to open database file", "impossibile aprire il file del database"},
        {"file is not a database", "il file non è un database"},
        {"database disk image is malformed", "il file del database è danneggiato"},
        {"malformed database schema \\((.*)\\)(.*)", "la struttura del database è danneggiata (%1)%2"},
        {"database or disk is full", "il database o il disco è pieno"},
        {"disk I/O error", "errore di lettura o scrittura sul disco"},
        {"out of memory", "memoria insufficiente"},
        {"access permission denied", "accesso negato"},
        {"authorization denied", "autorizzazione negata"},
        {"file not found", "il file non esiste"},
        {"no such table: (.+)", "nel database manca la tabella %1"},
        {"no such column: (.+)", "nel database manca la colonna %1"},
        {"table (\\S+) already exists", "la tabella %1 esiste già"},
        {"table (\\S+) has (\\d+) columns but (\\d+) values were supplied",
         "la tabella %1 ha %2 colonne, ma i valori dati sono %3"},
        {"(\\d+) values for (\\d+) columns", "%1 valori per %2 colonne"},
        {"UNIQUE constraint failed: (.+)", "in %1 c'è già lo stesso valore"},
        {"NOT NULL constraint failed: (.+)", "manca un valore obbligatorio in %1"},
        {"CHECK constraint failed: (.+)", "un valore non rispetta la regola %1"},
        {"FOREIGN KEY constraint failed", "un collegamento tra le tabelle non è rispettato"},
        {"constraint failed", "un vincolo del database non è rispettato"},
        {"near \"(.*)\": syntax error", "errore di sintassi vicino a \"%1\""},
        {"unrecognized token: \"(.*)\"", "simbolo non riconosciuto: \"%1\""},
        {"incomplete input", "istruzione incompleta"},
        {"too many SQL variables", "l'istruzione ha troppi valori"},
        {"no such function: (.+)", "funzione sconosciuta: %1"},
        {"string or blob too big", "un valore è troppo grande"},
        {"datatype mismatch", "un valore non è del tipo atteso"},
        {"SQL logic error", "errore nell'istruzione del database"},
        {"query aborted", "operazione annullata"},
        {"abort due to ROLLBACK", "operazione annullata"},
        {"interrupted", "operazione interrotta"},
        {"unknown operation", "operazione sconosciuta"},
        {"locking protocol", "errore nel blocco del database"},
        {"database schema has changed", "la struttura del database è cambiata"},
        {"bad parameter or other API misuse", "uso non corretto del database"},
        {"large file support is disabled", "i file grandi non sono supportati"},
        {"column index out of range", "colonna inesistente"},
        {"cannot start a transaction within a transaction", "un'operazione sul database è già in corso"},
        {"cannot commit - no transaction is active", "nessuna operazione sul database in corso"},
        {"cannot rollback - no transaction is active", "nessuna operazione sul database in corso"},
        {"notification message", "avviso del database"},
        {"warning message", "avviso del database"},
        {"unknown error", "errore sconosciuto"},
        {"not an error", "nessun errore"},
    };
    std::vector<EngineMessage> t;
    for (const auto& [english, italian] : rows) {
      t.push_back({QRegularExpression(QRegularExpression::anchoredPattern(QString::fromUtf8(english))),
                   QString::fromUtf8(italian)});
    }
    return t;
  }();
  return table;
}

std::optional<QString> engineReason(const QString& text) {
  for (const EngineMessage& m : engineMessages()) {
    const QRegularExpressionMatch match = m.english.match(text);
    if (!match.hasMatch()) continue;
    QString italian = m.italian;
    for (int i = 1; i <= match.lastCapturedIndex(); ++i) italian = italian.arg(match.captured(i));
    return italian;
  }
  return std::nullopt;
}

// The system's own words for an error number, as strerror gives them in this process.
std::optional<QString> systemReasonAtEnd(const QString& text) {
  constexpr int kLastErrorNumber = 133;
  int best = 0;
  qsizetype bestLength = 0;
  for (int e = 1; e <= kLastErrorNumber; ++e) {
    const QString words = QString::fromLocal8Bit(std::generic_category().message(e));
    if (words.isEmpty() || words.startsWith(QLatin1String("Unknown error"))) continue;
    const bool whole = text == words;
    if ((whole || text.endsWith(QStringLiteral(": ") + words)) && words.size() > bestLength) {
      best = e;
      bestLength = words.size();
    }
  }
  if (best == 0) return std::nullopt;
  return text.left(text.size() - bestLength) + systemReason(best);
}

bool isErrnoCategory(const std::error_code& code) {
  return code.category() == std::generic_category() || code.category() == std::system_category();
}

}  // namespace

QString failureReason(const QString& text) {
  if (auto italian = engineReason(text)) return *italian;
  if (auto italian = systemReasonAtEnd(text)) return *italian;
  return text;
}

QString failureReason(const std::exception& e) {
  if (dynamic_cast<const std::bad_alloc*>(&e)) return systemReason(ENOMEM);
  if (const auto* fe = dynamic_cast<const std::filesystem::filesystem_error*>(&e); fe && isErrnoCategory(fe->code())) {
    const QString reason = systemReason(fe->code().value());
    return fe->path1().empty() ? reason : QString::fromStdString(fe->path1().string()) + QStringLiteral(": ") + reason;
  }
  if (const auto* se = dynamic_cast<const std::system_error*>(&e); se && isErrnoCategory(se->code())) {
    return systemReason(se->code().value());
  }
  return failureReason(QString::fromUtf8(e.what()));
}

}  // namespace toolkit
