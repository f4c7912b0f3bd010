// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/file_list.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

namespace toolkit {

FileList::FileList(QWidget* parent) : SingleChoiceView<QListWidget>(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);
  setDragEnabled(false);
  connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { rowClicked(row(item)); });
}

bool FileList::matchesPattern(const QString& fileName, const QString& pattern) {
  const QStringList parts = pattern.split(';', Qt::SkipEmptyParts);
  for (const QString& raw : parts) {
    const QString p = raw.trimmed();
    if (p.isEmpty()) continue;
    // "*.*" means every file, also one without a dot.
    if (p == QLatin1String("*.*") || p == QLatin1String("*")) return true;
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(p),
                                QRegularExpression::CaseInsensitiveOption);
    if (re.match(fileName).hasMatch()) return true;
  }
  return false;
}

void FileList::setFolder(const QString& folder) {
  folder_ = folder;
  refresh();
}

void FileList::setPattern(const QString& pattern) {
  pattern_ = pattern;
  refresh();
}

void FileList::refresh() {
  const QString keep = selectedName();
  QStringList found;
  if (!folder_.isEmpty()) {
    const QDir dir(folder_);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString& n : entries) {
      if (matchesPattern(n, pattern_)) found << n;
    }
  }
  std::sort(found.begin(), found.end(), [](const QString& a, const QString& b) {
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
  });
  clear();
  addItems(found);
  if (!keep.isEmpty()) selectName(keep);
}

QString FileList::name(int index) const {
  const QListWidgetItem* it = item(index);
  return it ? it->text() : QString();
}

QStringList FileList::names() const {
  QStringList out;
  for (int i = 0; i < count(); ++i) out << item(i)->text();
  return out;
}

int FileList::selectedIndex() const {
  const QList<QListWidgetItem*> items = selectedItems();
  return items.isEmpty() ? -1 : row(items.first());
}

QString FileList::selectedName() const { return name(selectedIndex()); }

QString FileList::selectedPath() const {
  const QString n = selectedName();
  if (n.isEmpty()) return QString();
  return QDir(folder_).filePath(n);
}

bool FileList::selectName(const QString& name) {
  for (int i = 0; i < count(); ++i) {
    if (item(i)->text() == name) {
      selectIndex(i);
      return true;
    }
  }
  return false;
}

void FileList::selectIndex(int index) {
  if (index < 0 || index >= count()) {
    clearSelection();
    return;
  }
  QListWidgetItem* it = item(index);
  setCurrentItem(it);
  clearSelection();
  it->setSelected(true);
  scrollToItem(it);
}

int FileList::rowAtPoint(const QPoint& viewportPos) const {
  const QListWidgetItem* under = itemAt(viewportPos);
  return under ? row(under) : -1;
}

}  // namespace toolkit
