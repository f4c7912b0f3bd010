// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/picture_memory.h"

#include <malloc.h>

namespace toolkit {

void keepPictureBuffers() {
  mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
}

}  // namespace toolkit
