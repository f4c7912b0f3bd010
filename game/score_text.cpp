#include "game/score_text.h"

namespace game {

std::int64_t scoreFromText(const QString& text) {
  bool ok = false;
  const qlonglong v = text.trimmed().toLongLong(&ok);
  return ok ? v : 0;
}

QString scoreText(std::int64_t score) { return QString::number(score); }

}  // namespace game
