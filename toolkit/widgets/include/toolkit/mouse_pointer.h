// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The screen-wide mouse pointer, by the numeric shape codes the windows use.
#include <QCursor>

namespace toolkit {

namespace pointer {
// The old desktop's screen-pointer numbers, which the editor's handlers were written with.
enum Code : int { Default = 0, Cross = 2, SizeNS = 7, SizeWE = 9, Hourglass = 11, SizeAll = 15, Custom = 99 };
}  // namespace pointer

// Sets the shape in force everywhere until set again; 0 gives the default pointer back.
void setMousePointer(int code);
int mousePointer();
// The image shown for code 99.
void setCustomPointer(const QCursor& cursor);

}  // namespace toolkit
