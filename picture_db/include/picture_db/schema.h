// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The tables of images.mdb. Neither program creates them; the sample maker and tests do.
#include "picture_db/database.h"

namespace picture_db {

void createSchema(Database& db);

}  // namespace picture_db
