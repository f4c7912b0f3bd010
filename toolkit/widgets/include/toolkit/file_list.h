// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A list of the files of one folder whose names match a pattern such as
// "*.wmf;*.emf;*.bmp" (extensions without regard to case), sorted by name without
// regard to case, at most one selected. Directories are never listed; names starting
// with a dot are (a package saved under an empty name is ".ozt"). Selecting by code
// raises no click; a click or a keyboard move by the user raises fileClick.
#include <QListWidget>
#include <QString>
#include <QStringList>

#include "toolkit/single_choice_view.h"

namespace toolkit {

class FileList : public SingleChoiceView<QListWidget> {
  Q_OBJECT
 public:
  explicit FileList(QWidget* parent = nullptr);

  // Both re-read the folder. A folder that does not exist lists nothing.
  void setFolder(const QString& folder);
  QString folder() const { return folder_; }
  void setPattern(const QString& pattern);
  QString pattern() const { return pattern_; }

  // Reads the folder again; a selected name that is still there stays selected.
  void refresh();

  QString name(int index) const;
  QStringList names() const;
  // -1 / empty when nothing is selected.
  int selectedIndex() const;
  QString selectedName() const;
  // The folder, "/" and the selected name; empty when nothing is selected.
  QString selectedPath() const;
  // Selects the entry equal to name, with case; false and the selection unchanged when
  // there is none.
  bool selectName(const QString& name);
  // Selects one entry, or none with -1.
  void selectIndex(int index);

  // Whether a file name matches a ';'-separated list of wildcard patterns, without
  // regard to case.
  static bool matchesPattern(const QString& fileName, const QString& pattern);

 signals:
  void fileClick(int index);

 protected:
  int rowAtPoint(const QPoint& viewportPos) const override;
  int chosenRow() const override { return selectedIndex(); }
  void chooseRow(int row) override { selectIndex(row); }
  int rowTotal() const override { return count(); }
  void clicked(int row) override { emit fileClick(row); }

 private:
  QString folder_;
  QString pattern_ = QStringLiteral("*.*");
};

}  // namespace toolkit
