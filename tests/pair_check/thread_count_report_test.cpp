// SPDX-License-Identifier: GPL-2.0-or-later
// vobrel-check writes the same report, byte for byte, whatever the number of threads:
// which thread checks a pair, and which pair it checked before, never shows.
#include <gtest/gtest.h>

#include <QPainter>
#include <QProcess>

#include "support/drawn_pairs.h"
#include "support/photo_edits.h"
#include "support/temp_app_folder.h"
#include "toolkit/picture_loader.h"

namespace {
QByteArray runCheck(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(VOBREL_CHECK_PROGRAM), args);
  EXPECT_TRUE(p.waitForFinished(120000)) << p.errorString().toStdString();
  EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(p.exitCode(), 1) << p.readAllStandardError().toStdString();
  return p.readAllStandardOutput();
}

QImage photo(const QString& name) {
  const toolkit::LoadedPicture loaded = toolkit::loadPicture(photo_edits::photoFolder() + '/' + name);
  EXPECT_TRUE(loaded.ok()) << loaded.error.toStdString();
  return loaded.image;
}
}  // namespace

TEST(ThreadCount, OneTwoOrFiveThreadsWriteTheSameReport) {
  test_support::TempAppFolder folder;
  // Pictures of different sizes and kinds follow each other, so that a thread's kept
  // buffers are now too small, now too large, now of another picture.
  const QStringList names = photo_edits::photoNames();
  ASSERT_GE(names.size(), 4);
  std::vector<std::pair<std::string, std::string>> files;
  for (int i = 0; i < 4; ++i) {
    const QImage original = photo(names[i]);
    const photo_edits::EditedPhoto edited = photo_edits::editFiveTimes(original, photo(names[i + 1]), i);
    const QString stem = QStringLiteral("foto%1").arg(i);
    folder.writeFile(stem + ".jpg", photo_edits::encoded(edited.original, "JPEG", 93));
    folder.writeFile(stem + "_C.jpg", photo_edits::encoded(edited.copy, "JPEG", 70 + 10 * i));
    files.emplace_back(stem.toStdString() + ".jpg", stem.toStdString() + "_C.jpg");
  }
  const drawn_pairs::DrawnPair drawn = drawn_pairs::fiveChanges();
  const auto [bmp, bmpCopy] = drawn_pairs::save(folder, drawn, "disegno", "BMP");
  files.emplace_back(bmp.toStdString(), bmpCopy.toStdString());
  folder.writePicture("grande.bmp", test_support::solidPicture(QSize(900, 700), QColor(30, 90, 160)), "BMP");
  QImage spotted = test_support::solidPicture(QSize(900, 700), QColor(30, 90, 160));
  QPainter(&spotted).fillRect(QRect(600, 500, 60, 40), QColor(220, 40, 40));
  folder.writePicture("grande_C.bmp", spotted, "BMP");
  files.emplace_back("grande.bmp", "grande_C.bmp");
  files.emplace_back(bmp.toStdString(), "manca.bmp");

  std::vector<test_support::Edges> marked;
  for (const QRect& c : drawn.changes) marked.push_back(drawn_pairs::edgesAround(c));
  for (int id = 1; id <= 36; ++id) {
    const auto& [original, copy] = files[size_t(id * 5) % files.size()];
    // Some pairs sound, some with a rectangle too few, some with one misplaced.
    std::vector<test_support::Edges> rects(marked.begin(), marked.begin() + (id % 3 == 0 ? 4 : 5));
    if (id % 4 == 1) rects[0] = {600, 500, 640, 530};
    folder.addPairWithoutFiles(id, original, copy, rects);
  }

  for (const QStringList& format : {QStringList{"--json"}, QStringList{}}) {
    const QByteArray alone = runCheck(QStringList{folder.path(), "--threads", "1"} + format);
    ASSERT_FALSE(alone.isEmpty());
    EXPECT_EQ(runCheck(QStringList{folder.path(), "--threads", "2"} + format), alone);
    EXPECT_EQ(runCheck(QStringList{folder.path(), "--threads", "5"} + format), alone);
  }
  // The report does speak of every kind of pair in it.
  const QString text = QString::fromUtf8(runCheck({folder.path()}));
  EXPECT_TRUE(text.contains("Coppie controllate: 36;")) << text.toStdString();
  EXPECT_TRUE(text.contains("manca.bmp")) << text.toStdString();
  EXPECT_TRUE(text.contains("600,500-640,530")) << text.toStdString();
}
