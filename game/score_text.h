#pragma once
// The score lives as the text of its label: read as a number (anything else counts as 0)
// and written back as plain decimal text.
#include <QString>
#include <cstdint>

namespace game {

std::int64_t scoreFromText(const QString& text);
QString scoreText(std::int64_t score);

}  // namespace game
