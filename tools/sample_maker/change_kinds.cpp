// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/change_kinds.h"

#include <stdexcept>
#include <vector>

#include "tools/pixel_difference.h"

namespace sample_maker {

QColor changedColour(QColor c, bool subtle, std::mt19937& rng) {
  if (subtle) {
    int rgb[3] = {c.red(), c.green(), c.blue()};
    const int i = pickInt(rng, 0, 2);
    const int step = pickInt(rng, 45, 60);
    rgb[i] = rgb[i] + step <= 255 ? rgb[i] + step : rgb[i] - step;
    return QColor(rgb[0], rgb[1], rgb[2]);
  }
  static const std::vector<QColor> vivid = {{220, 40, 40},  {40, 90, 210},  {250, 210, 40}, {40, 170, 70},
                                            {160, 60, 190}, {250, 140, 30}, {30, 190, 200}, {240, 240, 240},
                                            {40, 40, 40},   {230, 110, 170}};
  for (int tries = 0; tries < 20; ++tries) {
    const QColor v = pickOne(rng, vivid);
    if (channelGap(v.rgb(), c.rgb()) >= 90) return v;
  }
  return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
}

Layout applyChange(const Layout& layout, const PieceChange& change) {
  const int at = layout.indexOf(change.piece);
  if (change.kind == ChangeKind::Add ? at >= 0 : at < 0) {
    throw std::invalid_argument("change of piece '" + change.piece +
                                (at >= 0 ? "' which is already there" : "' which the scene lacks"));
  }
  Layout result = layout;
  if (change.kind == ChangeKind::Remove) {
    result.pieces.erase(result.pieces.begin() + at);
  } else if (change.kind == ChangeKind::Add) {
    Piece added = change.after;
    added.name = change.piece;
    result.pieces.push_back(added);
  } else {
    result.pieces[static_cast<std::size_t>(at)] = change.after;
    result.pieces[static_cast<std::size_t>(at)].name = change.piece;
  }
  return result;
}

bool proposeChange(const Layout& layout, const std::vector<Piece>& extras, ChangeKind kind, std::mt19937& rng,
                   PieceChange& out) {
  out = PieceChange{};
  out.kind = kind;
  if (kind == ChangeKind::Add) {
    std::vector<const Piece*> free;
    for (const Piece& e : extras) {
      if (layout.indexOf(e.name) < 0) free.push_back(&e);
    }
    if (free.empty()) return false;
    out.after = *pickOne(rng, free);
    out.piece = out.after.name;
    return true;
  }
  std::vector<int> usable;
  for (std::size_t i = 0; i < layout.pieces.size(); ++i) {
    const Piece& p = layout.pieces[i];
    if (p.fixed || (kind == ChangeKind::Detail && variantCount(p.kind) < 2)) continue;
    usable.push_back(static_cast<int>(i));
  }
  if (usable.empty()) return false;
  const Piece& p = layout.pieces[static_cast<std::size_t>(pickOne(rng, usable))];
  out.piece = p.name;
  out.after = p;
  switch (kind) {
    case ChangeKind::Remove:
    case ChangeKind::Add: break;
    case ChangeKind::Recolour: out.after.colour = changedColour(p.colour, pickInt(rng, 0, 2) == 0, rng); break;
    case ChangeKind::Move: {
      const int dx = pickInt(rng, 8, 18) * (pickInt(rng, 0, 1) == 0 ? -1 : 1);
      const int dy = floats(p.kind) ? pickInt(rng, -10, 10) : 0;
      out.after.at += QPoint(dx, dy);
      break;
    }
    case ChangeKind::Resize: out.after.scale = p.scale * pickOne(rng, std::vector<int>{65, 75, 130, 145}) / 100; break;
    case ChangeKind::Mirror: out.after.mirrored = !p.mirrored; break;
    case ChangeKind::Detail:
      out.after.variant = (p.variant + pickInt(rng, 1, variantCount(p.kind) - 1)) % variantCount(p.kind);
      break;
  }
  return true;
}

}  // namespace sample_maker
