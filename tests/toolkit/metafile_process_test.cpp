// SPDX-License-Identifier: GPL-2.0-or-later
// The parent's side of metafile drawing: whatever the child does (crash, hang, write
// nonsense, vanish), the caller gets a reason and no picture, within the time limit.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <gtest/gtest.h>

#include "toolkit/metafile_process.h"
#include "toolkit/picture_loader.h"
#include "toolkit/picture_fixtures.h"

using namespace toolkit::metafile;
using picture_fixtures::sampleScene;

namespace {

std::string text(const QString& s) { return s.toStdString(); }

// Points the loader at another renderer for one test.
class RendererOverride {
 public:
  explicit RendererOverride(const QString& program) : saved_(qgetenv("VOBREL_METAFILE_RENDERER")) {
    qputenv("VOBREL_METAFILE_RENDERER", program.toLocal8Bit());
  }
  ~RendererOverride() { qputenv("VOBREL_METAFILE_RENDERER", saved_); }

 private:
  QByteArray saved_;
};

// A stand-in renderer: a shell script doing what a renderer gone wrong would do.
QString fakeRenderer(const QTemporaryDir& dir, const QString& name, const QByteArray& body) {
  const QString path = dir.filePath(name);
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("#!/bin/sh\ncat > /dev/null\n" + body + "\n");
  f.close();
  f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return path;
}

QImage checkerboard(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, (x + y) % 2 ? qRgb(200, 10, 30) : qRgb(5, 90, 250));
  return image;
}

}  // namespace

TEST(MetafileWire, PicturesAndReasonsComeBackWhole) {
  const QImage sent = checkerboard(7, 3);
  const Rendered back = decodeRendered(encodeRendered({sent, QString()}));
  ASSERT_FALSE(back.image.isNull()) << text(back.error);
  EXPECT_EQ(back.image, sent);

  const Rendered refused = decodeRendered(encodeRendered({QImage(), QStringLiteral("metafile troncato è così")}));
  EXPECT_TRUE(refused.image.isNull());
  EXPECT_EQ(refused.error, QStringLiteral("metafile troncato è così"));
}

TEST(MetafileWire, AnswersThatDoNotAddUpAreRefused) {
  const QByteArray good = encodeRendered({checkerboard(4, 4), QString()});
  QByteArray tooWide = good;
  qToLittleEndian(quint32(100000), tooWide.data() + 5);
  QByteArray oneByteShort = good;
  oneByteShort.chop(1);
  QByteArray oneByteLong = good + 'x';
  QByteArray unknownKind = good;
  unknownKind[4] = 'Z';
  const std::vector<std::pair<const char*, QByteArray>> answers = {
      {"nothing", QByteArray()},   {"other magic", "XXXX" + good.mid(4)},
      {"too wide", tooWide},       {"short", oneByteShort},
      {"long", oneByteLong},       {"unknown kind", unknownKind},
      {"header cut", good.left(9)}};
  for (const auto& [name, wire] : answers) {
    const Rendered r = decodeRendered(wire);
    EXPECT_TRUE(r.image.isNull()) << name;
    EXPECT_FALSE(r.error.isEmpty()) << name;
  }
}

TEST(MetafileChild, AChildThatFailsCostsOnlyThePicture) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QByteArray wmf = picture_fixtures::wmfOf(sampleScene());
  const std::vector<std::tuple<const char*, QByteArray, const char*>> children = {
      {"crash", "kill -SEGV $$", "interrotto"},
      {"exit code", "exit 5", "codice di uscita 5"},
      {"nonsense", "printf 'VMF1P\\377\\377\\377\\377'", "risposta non valida"},
      {"silence", "true", "risposta non valida"},
  };
  for (const auto& [name, body, reason] : children) {
    const RendererOverride use(fakeRenderer(dir, name, body));
    const toolkit::LoadedPicture p = toolkit::decodePicture(wmf);
    EXPECT_FALSE(p.ok()) << name;
    EXPECT_TRUE(p.error.contains(reason)) << name << ": " << text(p.error);
  }
  const RendererOverride missing(dir.filePath("no-such-renderer"));
  const toolkit::LoadedPicture p = toolkit::decodePicture(picture_fixtures::emfOf(sampleScene()));
  EXPECT_FALSE(p.ok());
  EXPECT_TRUE(p.error.contains("manca il programma")) << text(p.error);
}

TEST(MetafileChild, AHangingChildIsKilledAtTheTimeLimit) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const RendererOverride use(fakeRenderer(dir, "hang", "exec sleep 60"));
  // Were it not killed, the child would end in a minute with an empty answer.
  const Rendered r = renderInChildProcess(Format::Emf, picture_fixtures::emfOf(sampleScene()), 300);
  EXPECT_TRUE(r.image.isNull());
  EXPECT_TRUE(r.error.contains("troppo tempo")) << text(r.error);
}

TEST(MetafileChild, TheRendererRefusesToRunWithoutAFormat) {
  QProcess child;
  child.start(rendererProgram(), {QStringLiteral("png")});
  ASSERT_TRUE(child.waitForFinished(10000));
  EXPECT_EQ(child.exitCode(), 2);
  EXPECT_TRUE(child.readAllStandardOutput().isEmpty());
}

TEST(MetafileChild, TheRendererLimitsItselfBeforeReadingTheFile) {
#ifdef VOBREL_SANITIZED
  GTEST_SKIP() << "the address sanitizer reserves more address space than the renderer's limit, "
                  "so a sanitized renderer runs without that limit";
#endif
  QProcess child;
  child.start(rendererProgram(), {QStringLiteral("emf")});
  ASSERT_TRUE(child.waitForStarted(10000));
  // The child waits for the file on its input; its limits are already in place.
  QString limits;
  const auto line = [&](const char* name) {
    const qsizetype at = limits.indexOf(QLatin1String(name));
    return at < 0 ? QStringList()
                  : limits.mid(at + qsizetype(strlen(name))).section('\n', 0, 0).split(' ', Qt::SkipEmptyParts);
  };
  // Until the child has started its own code, the limits are its parent's.
  for (int i = 0; i < 250 && line("Max address space").value(0, "unlimited") == "unlimited"; ++i) {
    QThread::msleep(20);
    QFile f(QStringLiteral("/proc/%1/limits").arg(child.processId()));
    if (f.open(QIODevice::ReadOnly)) limits = QString::fromLatin1(f.readAll());
  }
  child.closeWriteChannel();
  ASSERT_TRUE(child.waitForFinished(10000));
  const QStringList cpu = line("Max cpu time"), core = line("Max core file size"), memory = line("Max address space");
  ASSERT_GE(cpu.size(), 2) << limits.toStdString();
  EXPECT_EQ(cpu[0], QString::number(kChildMostCpuSeconds));
  ASSERT_GE(core.size(), 1);
  EXPECT_EQ(core[0], "0");
  ASSERT_GE(memory.size(), 1);
  EXPECT_EQ(memory[0], QString::number(kChildAddressSpaceBytes));
}
