// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/check_arguments.h"

namespace pair_check {

namespace {
// The value of "--name N" or "--name=N"; advances i past what it used.
std::optional<QString> optionValue(const QStringList& args, int& i, const QString& name) {
  const QString& a = args[i];
  if (a == name) {
    if (i + 1 >= args.size()) return QString();
    return args[++i];
  }
  if (a.startsWith(name + '=')) return a.mid(name.size() + 1);
  return std::nullopt;
}
}  // namespace

CheckArguments parseCheckArguments(const QStringList& args, QString* error) {
  CheckArguments parsed;
  error->clear();
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    bool ok = false;
    if (a == QLatin1String("--json")) {
      parsed.json = true;
    } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
      parsed.help = true;
    } else if (auto v = optionValue(args, i, QStringLiteral("--pair"))) {
      const int id = v->toInt(&ok);
      if (!ok) {
        *error = QStringLiteral("--pair vuole il numero di una coppia, non \"%1\".").arg(*v);
        return parsed;
      }
      parsed.pair = id;
    } else if (auto v = optionValue(args, i, QStringLiteral("--threads"))) {
      const int n = v->toInt(&ok);
      if (!ok || n < 1 || n > 1024) {
        *error = QStringLiteral("--threads vuole un numero da 1 a 1024, non \"%1\".").arg(*v);
        return parsed;
      }
      parsed.threads = n;
    } else if (a.startsWith('-') && a != QLatin1String("-")) {
      *error = QStringLiteral("Opzione sconosciuta: %1").arg(a);
      return parsed;
    } else if (parsed.folder.isEmpty()) {
      parsed.folder = a;
    } else {
      *error = QStringLiteral("Una sola cartella, per favore: \"%1\" è di troppo.").arg(a);
      return parsed;
    }
  }
  return parsed;
}

QString checkUsage() {
  return QStringLiteral(
      "Uso: vobrel-check [CARTELLA] [--pair N] [--json] [--threads N]\n"
      "Controlla che i rettangoli delle coppie di immagini corrispondano alle differenze tra le immagini.\n"
      "  CARTELLA     la cartella dei dati, con images.mdb e Images (di norma quella che i programmi\n"
      "               usano per questo utente); il database è solo letto\n"
      "  --pair N     controlla solo la coppia numero N\n"
      "  --json       scrive il risultato come documento JSON\n"
      "  --threads N  usa N thread (di norma uno per processore)\n"
      "Esce con 0 se ogni coppia è corretta, 1 se qualcuna ha problemi, 2 se il database non si può leggere\n"
      "o la richiesta non è valida.\n");
}

}  // namespace pair_check
