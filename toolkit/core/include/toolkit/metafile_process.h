// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Metafiles are drawn by a short-lived child program (metafile-renderer) with limits
// on time and memory: the metafile libraries were not written for hostile files, and
// a file that crashes or hangs them must cost a picture, not the program.
#include <QByteArray>
#include <QString>

#include "toolkit/metafile_limits.h"

namespace toolkit::metafile {

enum class Format { Wmf, Emf };

// Limits the child puts on itself: processor time for a small file (one more second for
// each MiB of file, up to the most), and address space.
inline constexpr int kChildCpuSeconds = 2;
inline constexpr int kChildMostCpuSeconds = 10;
inline constexpr qint64 kChildAddressSpaceBytes = 2LL * 1024 * 1024 * 1024;
// How long the parent waits, in wall-clock time, before it kills the child.
inline constexpr int kChildWallMilliseconds = 10000;

// The child's name, next to the programs; VOBREL_METAFILE_RENDERER overrides it.
QString rendererProgram();

// Draws the metafile in the child; any failure of the child comes back as an error.
Rendered renderInChildProcess(Format format, const QByteArray& bytes, int wallMilliseconds = kChildWallMilliseconds);

// What the child writes on its standard output, and how the parent reads it back.
// The reading trusts nothing: a child taken over by a bad file may write anything.
QByteArray encodeRendered(const Rendered& rendered);
Rendered decodeRendered(const QByteArray& wire);

}  // namespace toolkit::metafile
