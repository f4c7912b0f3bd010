// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/qt_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace toolkit {

QString applicationTitle() { return QStringLiteral("Vobrel"); }

namespace {
QMessageBox::Icon iconOf(int flags) {
  switch (flags & 0x70) {
    case box::Critical: return QMessageBox::Critical;
    case box::Question: return QMessageBox::Question;
    case box::Exclamation: return QMessageBox::Warning;
    case box::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// "File Immagine|*.wmf;*.emf" becomes Qt's "File Immagine (*.wmf *.emf)".
QString qtFilter(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    entries << QString("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
  }
  return entries.join(";;");
}

// Qt's translation has no word for a folder in the file dialog's type column.
class ItalianFileTypes : public QFileIconProvider {
 public:
  QString type(const QFileInfo& info) const override {
    if (info.isDir() && !info.isRoot()) return QStringLiteral("Cartella");
    return QFileIconProvider::type(info);
  }
};
}  // namespace

QWidget* QtDialogs::ownerWindow() const {
  if (parent_) return parent_;
  // A box asked for before the program gave its window still stands over that window.
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && !qobject_cast<QDialog*>(w)) return w;
  }
  return nullptr;
}

int QtDialogs::messageBox(const QString& text, int flags, const QString& title) {
  QMessageBox m(iconOf(flags), title.isEmpty() ? applicationTitle() : title, text, QMessageBox::NoButton,
                ownerWindow());
  // File and player names reach these texts: never read them as markup.
  m.setTextFormat(Qt::PlainText);
  switch (flags & 0x7) {
    case box::YesNo:
      m.addButton(QMessageBox::Yes);
      m.addButton(QMessageBox::No);
      m.setDefaultButton((flags & box::DefaultButton2) ? QMessageBox::No : QMessageBox::Yes);
      m.setEscapeButton(QMessageBox::No);
      break;
    case box::OkCancel:
      m.addButton(QMessageBox::Ok);
      m.addButton(QMessageBox::Cancel);
      m.setDefaultButton((flags & box::DefaultButton2) ? QMessageBox::Cancel : QMessageBox::Ok);
      break;
    default: m.addButton(QMessageBox::Ok); break;
  }
  m.exec();
  switch (m.standardButton(m.clickedButton())) {
    case QMessageBox::Yes: return box::Yes;
    case QMessageBox::No: return box::No;
    case QMessageBox::Cancel: return box::Cancel;
    default: return (flags & 0x7) == box::YesNo ? box::No : box::Ok;
  }
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText) {
  bool ok = false;
  QString text = QInputDialog::getText(parent_, title.isEmpty() ? applicationTitle() : title, prompt, QLineEdit::Normal,
                                       defaultText, &ok);
  return ok ? text : QString();
}

QString QtDialogs::openFile(const QString& filter, const QString& title) {
  // Qt's own dialog speaks Italian with Qt's translation; the desktop's would follow the
  // system's language instead.
  QFileDialog dialog(parent_);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (!title.isEmpty()) dialog.setWindowTitle(title);
  dialog.setNameFilters(qtFilter(filter).split(QStringLiteral(";;")));
  ItalianFileTypes types;
  dialog.setIconProvider(&types);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

}  // namespace toolkit
