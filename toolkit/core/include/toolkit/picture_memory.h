// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Programs that go through many pictures on several threads take and free a few
// picture-sized buffers for each one.

namespace toolkit {

// Keeps freed picture-sized buffers in the process for the next picture. Left to its
// defaults, the C library hands each back to the system and asks for it again, and the
// threads then queue on the process's memory map instead of working side by side.
void keepPictureBuffers();

}  // namespace toolkit
