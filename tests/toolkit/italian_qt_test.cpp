// SPDX-License-Identifier: GPL-2.0-or-later
// Qt's own texts in Italian: the standard buttons of the boxes both programs show, the
// input box, the file dialog and a text box's menu.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "toolkit/italian_qt.h"
#include "toolkit/qt_dialogs.h"

using toolkit::QtDialogs;
namespace box = toolkit::box;

namespace {

QString withoutAccelerator(QString text) {
  text = text.section('\t', 0, 0);  // a menu entry's shortcut
  return text.remove('&');
}

QStringList buttonTexts(const QList<QAbstractButton*>& buttons) {
  QStringList texts;
  for (const QAbstractButton* b : buttons) texts << withoutAccelerator(b->text());
  texts.sort();
  return texts;
}

QAbstractButton* buttonNamed(const QList<QAbstractButton*>& buttons, const QString& text) {
  for (QAbstractButton* b : buttons) {
    if (withoutAccelerator(b->text()) == text) return b;
  }
  return nullptr;
}

// Runs act on the modal dialog that the code under test opens next, once it is shown.
void whenModalOpens(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    QPointer<QWidget> opened = modal;
    act(modal);
    // A failed check must not leave the box waiting for an answer.
    if (auto* dialog = qobject_cast<QDialog*>(opened.data()); dialog && dialog->isVisible()) dialog->reject();
  });
  poll->start(10);
}

class ItalianQt : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(toolkit::installItalianQtTexts()); }
  QtDialogs dialogs;
};

}  // namespace

TEST_F(ItalianQt, InstallsOnceAndAnswersTheSameLater) {
  EXPECT_TRUE(toolkit::installItalianQtTexts());
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annulla");
}

TEST_F(ItalianQt, StandardButtonsOfQtReadSiNoOkAnnulla) {
  QMessageBox question;
  question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(buttonTexts(question.buttons()), (QStringList{"No", "Sì"}));

  QDialogButtonBox okCancel(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  EXPECT_EQ(buttonTexts(okCancel.buttons()), (QStringList{"Annulla", "OK"}));
}

TEST_F(ItalianQt, TheProgramsMessageBoxesShowItalianButtons) {
  QStringList seen;
  QString title;
  whenModalOpens([&](QWidget* w) {
    auto* m = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(m, nullptr);
    seen = buttonTexts(m->buttons());
    title = m->windowTitle();
    buttonNamed(m->buttons(), "No")->click();
  });
  EXPECT_EQ(dialogs.messageBox("Eliminare x.bmp?", box::YesNo | box::Question), box::No);
  EXPECT_EQ(seen, (QStringList{"No", "Sì"}));
  EXPECT_EQ(title, "Vobrel");

  whenModalOpens([&](QWidget* w) {
    auto* m = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(m, nullptr);
    seen = buttonTexts(m->buttons());
    buttonNamed(m->buttons(), "OK")->click();
  });
  EXPECT_EQ(dialogs.messageBox("Ridimensionare?", box::OkCancel | box::Question), box::Ok);
  EXPECT_EQ(seen, (QStringList{"Annulla", "OK"}));

  whenModalOpens([&](QWidget* w) {
    auto* m = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(m, nullptr);
    seen = buttonTexts(m->buttons());
    buttonNamed(m->buttons(), "OK")->click();
  });
  EXPECT_EQ(dialogs.messageBox("Hai Vinto!", box::OkOnly), box::Ok);
  EXPECT_EQ(seen, (QStringList{"OK"}));
}

TEST_F(ItalianQt, TheInputBoxShowsOkAndAnnulla) {
  QStringList seen;
  whenModalOpens([&](QWidget* w) {
    auto* input = qobject_cast<QInputDialog*>(w);
    ASSERT_NE(input, nullptr);
    auto* buttons = input->findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    seen = buttonTexts(buttons->buttons());
    input->setTextValue("Mario");
    buttonNamed(buttons->buttons(), "OK")->click();
  });
  EXPECT_EQ(dialogs.inputBox("Digita il tuo nome...", "Top Ten Score!", QString()), "Mario");
  EXPECT_EQ(seen, (QStringList{"Annulla", "OK"}));

  whenModalOpens([&](QWidget* w) {
    auto* input = qobject_cast<QInputDialog*>(w);
    ASSERT_NE(input, nullptr);
    input->setTextValue("Luigi");
    buttonNamed(input->findChild<QDialogButtonBox*>()->buttons(), "Annulla")->click();
  });
  EXPECT_EQ(dialogs.inputBox("Digita il tuo nome...", "Top Ten Score!", QString()), QString());
}

TEST_F(ItalianQt, TheOpenFileDialogIsQtsOwnAndSpeaksItalian) {
  QTemporaryDir folder;
  ASSERT_TRUE(QDir(folder.path()).mkdir("Images"));
  QFile(folder.filePath("a.bmp")).open(QIODevice::WriteOnly);
  QString title, folderType;
  QStringList buttons, filters;
  whenModalOpens([&](QWidget* w) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    auto* box = dialog->findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr);
    buttons = buttonTexts(box->buttons());
    filters = dialog->nameFilters();
    dialog->setDirectory(folder.path());
    auto* files = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(files, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return files->rowCount(files->index(folder.path())) == 2; }));
    const QModelIndex images = files->index(folder.filePath("Images"));
    folderType = files->data(images.siblingAtColumn(2)).toString();
    dialog->reject();
  });
  EXPECT_EQ(dialogs.openFile("File Immagine|*.wmf;*.emf;*.bmp;*.jpg;*.gif"), QString());
  EXPECT_EQ(title, "Apri");
  EXPECT_EQ(buttons, (QStringList{"Annulla", "Apri"}));
  EXPECT_EQ(filters, (QStringList{"File Immagine (*.wmf *.emf *.bmp *.jpg *.gif)"}));
  EXPECT_EQ(folderType, "Cartella");
}

TEST_F(ItalianQt, ATextBoxMenuIsItalian) {
  QLineEdit edit;
  std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
  QStringList entries;
  for (const QAction* a : menu->actions()) {
    if (!a->isSeparator()) entries << withoutAccelerator(a->text());
  }
  EXPECT_TRUE(entries.contains("Copia")) << entries.join(", ").toStdString();
  EXPECT_TRUE(entries.contains("Incolla")) << entries.join(", ").toStdString();
  EXPECT_FALSE(entries.contains("Paste")) << entries.join(", ").toStdString();
}
