// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The editor's own messages for requests it refuses.
namespace editor::msg {

inline constexpr const char* kNoPairChosen = "Scegliere prima una coppia di immagini nell'elenco.";
inline constexpr const char* kNoDifferenceChosen = "Selezionare prima una coordinata nell'elenco.";
inline constexpr const char* kDifferencesFull = "Una coppia di immagini ha al massimo cinque coordinate.";
inline constexpr const char* kNothingMarked = "Segnare prima un rettangolo sull'immagine.";
inline constexpr const char* kDifferenceGone =
    "La coordinata non si trova più nel database: scegliere di nuovo la coppia di immagini.";
inline constexpr const char* kNoNumberLeft = "Non c'è più un numero libero per una nuova coppia di immagini.";
inline constexpr const char* kDatabaseClosed = "Il database delle immagini è chiuso.";

}  // namespace editor::msg
