// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_make/make_arguments.h"

namespace pair_make {

MakeArguments parseMakeArguments(const QStringList& args, QString* error) {
  MakeArguments a;
  error->clear();
  bool onlyPhotos = false;
  for (int i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (onlyPhotos || !arg.startsWith(QLatin1String("-")) || arg == QLatin1String("-")) {
      a.photos << arg;
      continue;
    }
    const auto value = [&](const char* name) -> std::optional<QString> {
      if (i + 1 >= args.size()) {
        *error = QStringLiteral("vobrel-make-pair: all'opzione %1 manca il valore").arg(QLatin1String(name));
        return std::nullopt;
      }
      return args[++i];
    };
    if (arg == QLatin1String("--")) {
      onlyPhotos = true;
    } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
      a.help = true;
    } else if (arg == QLatin1String("--version")) {
      a.version = true;
    } else if (arg == QLatin1String("--json")) {
      a.json = true;
    } else if (arg == QLatin1String("--folder")) {
      const auto v = value("--folder");
      if (!v) return a;
      a.folder = *v;
    } else if (arg == QLatin1String("--level")) {
      const auto v = value("--level");
      if (!v) return a;
      const std::optional<Level> level = levelOfName(*v);
      if (!level) {
        *error = QStringLiteral("vobrel-make-pair: livello sconosciuto: %1 (facile, normale o difficile)").arg(*v);
        return a;
      }
      a.level = *level;
    } else if (arg == QLatin1String("--seed")) {
      const auto v = value("--seed");
      if (!v) return a;
      bool ok = false;
      a.seed = v->toULongLong(&ok);
      if (!ok) {
        *error = QStringLiteral("vobrel-make-pair: il seme deve essere un numero intero non negativo: %1").arg(*v);
        return a;
      }
    } else {
      *error = QStringLiteral("vobrel-make-pair: opzione sconosciuta: %1").arg(arg);
      return a;
    }
  }
  if (!a.help && !a.version && a.photos.isEmpty()) {
    *error = QStringLiteral("vobrel-make-pair: manca la foto da cui fare la coppia");
  }
  return a;
}

QString makeHint() { return QStringLiteral("Per l'elenco delle opzioni: vobrel-make-pair --help\n"); }

QString makeUsage() {
  return QStringLiteral(
      "Uso: vobrel-make-pair [--folder CARTELLA] [--level facile|normale|difficile] [--seed N] [--json] FOTO...\n"
      "\n"
      "Fa di ogni foto una coppia di immagini con cinque differenze e la aggiunge al database:\n"
      "Images/<nome>.jpg (l'originale), Images/<nome>_C.jpg (la copia) e i cinque rettangoli.\n"
      "\n"
      "  --folder CARTELLA  la cartella dei dati (images.mdb, Images); senza, quella dell'utente\n"
      "  --level LIVELLO    facile, normale (predefinito) o difficile: quanto sono grandi le differenze\n"
      "  --seed N           lo stesso seme con la stessa foto e lo stesso livello dà la stessa coppia (predefinito 1)\n"
      "  --json             scrive il risultato come un documento JSON\n"
      "  --help             mostra questo aiuto\n"
      "  --version          mostra la versione\n"
      "\n"
      "Esce con 0 se ogni foto è diventata una coppia, 1 se qualche foto è stata rifiutata\n"
      "(le altre coppie restano), 2 se la cartella o il suo database non si possono usare.\n");
}

}  // namespace pair_make
