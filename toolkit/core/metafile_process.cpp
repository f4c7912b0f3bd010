// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/metafile_process.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QtEndian>

#include <cstring>

namespace toolkit::metafile {

namespace {
const QByteArray kMagic("VMF1");
constexpr char kPicture = 'P';
constexpr char kFailure = 'E';
constexpr qsizetype kPictureHeader = 4 + 1 + 4 + 4;
constexpr qsizetype kMaxErrorBytes = 4096;

Rendered failure(const QString& why) { return {QImage(), why}; }
}  // namespace

QString rendererProgram() {
  const QString chosen = qEnvironmentVariable("VOBREL_METAFILE_RENDERER");
  if (!chosen.isEmpty()) return chosen;
  return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("metafile-renderer"));
}

QByteArray encodeRendered(const Rendered& rendered) {
  QByteArray out = kMagic;
  if (rendered.image.isNull()) {
    out += kFailure;
    out += rendered.error.toUtf8().left(kMaxErrorBytes);
    return out;
  }
  const QImage image = rendered.image.convertToFormat(QImage::Format_RGB32);
  out += kPicture;
  out.resize(kPictureHeader);
  qToLittleEndian(quint32(image.width()), out.data() + 5);
  qToLittleEndian(quint32(image.height()), out.data() + 9);
  out.reserve(kPictureHeader + qsizetype(image.width()) * image.height() * 4);
  for (int y = 0; y < image.height(); ++y) {
    out.append(reinterpret_cast<const char*>(image.constScanLine(y)), qsizetype(image.width()) * 4);
  }
  return out;
}

Rendered decodeRendered(const QByteArray& wire) {
  const QString damaged = QStringLiteral("risposta non valida dal programma che disegna i metafile");
  if (wire.size() < 5 || !wire.startsWith(kMagic)) return failure(damaged);
  if (wire[4] == kFailure) {
    const QString why = QString::fromUtf8(wire.mid(5, kMaxErrorBytes));
    return failure(why.isEmpty() ? QStringLiteral("metafile non leggibile") : why);
  }
  if (wire[4] != kPicture || wire.size() < kPictureHeader) return failure(damaged);
  const quint32 width = qFromLittleEndian<quint32>(wire.constData() + 5);
  const quint32 height = qFromLittleEndian<quint32>(wire.constData() + 9);
  if (!sizeProblem(width, height).isEmpty()) return failure(damaged);
  const qsizetype rowBytes = qsizetype(width) * 4;
  if (wire.size() != kPictureHeader + rowBytes * qsizetype(height)) return failure(damaged);
  QImage image(int(width), int(height), QImage::Format_RGB32);
  if (image.isNull()) return failure(QStringLiteral("memoria insufficiente per l'immagine"));
  for (int y = 0; y < image.height(); ++y) {
    std::memcpy(image.scanLine(y), wire.constData() + kPictureHeader + rowBytes * y, size_t(rowBytes));
  }
  return {image, QString()};
}

Rendered renderInChildProcess(Format format, const QByteArray& bytes, int wallMilliseconds) {
  const QString program = rendererProgram();
  if (!QFileInfo(program).isExecutable()) {
    return failure(QStringLiteral("manca il programma che disegna i metafile (%1)").arg(program));
  }
  QProcess child;
  child.setProgram(program);
  child.setArguments({format == Format::Wmf ? QStringLiteral("wmf") : QStringLiteral("emf")});
  child.setStandardErrorFile(QProcess::nullDevice());
  child.start();
  if (!child.waitForStarted(wallMilliseconds)) {
    return failure(
        QStringLiteral("impossibile avviare il programma che disegna i metafile: %1").arg(child.errorString()));
  }
  child.write(bytes);
  child.closeWriteChannel();
  if (!child.waitForFinished(wallMilliseconds)) {
    child.kill();
    child.waitForFinished(1000);
    return failure(QStringLiteral("il metafile richiede troppo tempo per essere disegnato"));
  }
  if (child.exitStatus() != QProcess::NormalExit) {
    return failure(QStringLiteral("metafile danneggiato: il disegno si è interrotto"));
  }
  if (child.exitCode() != 0) {
    return failure(QStringLiteral("metafile non disegnabile (codice di uscita %1)").arg(child.exitCode()));
  }
  return decodeRendered(child.readAllStandardOutput());
}

}  // namespace toolkit::metafile
