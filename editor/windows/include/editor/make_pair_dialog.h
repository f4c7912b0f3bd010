// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Crea coppia da una foto": the photo fitted to the game's picture on the left, the copy
// with its five changes on the right, the level, new changes, and saving.
#include <QDialog>
#include <QImage>
#include <cstdint>
#include <memory>

#include "pair_make/made_pair.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace pair_make {
class PairMaker;
}

namespace editor {

class CropView;
class ChangesView;

class MakePairDialog : public QDialog {
  Q_OBJECT
 public:
  // covering: the photo scaled to cover the frame (pair_make::loadPhotoCoveringFrame).
  explicit MakePairDialog(const QImage& covering, QWidget* parent = nullptr);
  ~MakePairDialog() override;

  // The pair on show; nothing when this crop and level give none.
  const pair_make::MadePair* pair() const;

  CropView* photo = nullptr;
  ChangesView* copy = nullptr;
  QComboBox* level = nullptr;          // "Facile", "Normale", "Difficile"
  QPushButton* moreChanges = nullptr;  // "Altre differenze"
  QPushButton* save = nullptr;         // "Salva la coppia", the default button
  QPushButton* cancel = nullptr;       // "Annulla", Esc
  QLabel* status = nullptr;

 private:
  void remake();
  void redrawAll();
  void redrawOne(int index);
  // Runs a step of the maker with the busy pointer; a refusal empties the copy and says why.
  template <typename Step>
  void making(Step&& step);
  void showPair();

  QImage covering_;
  std::uint64_t seed_ = 1;
  std::unique_ptr<pair_make::PairMaker> maker_;
};

}  // namespace editor
