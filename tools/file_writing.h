// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Writing the application folder's files without ever replacing one a user has.
#include <QByteArray>

#include <string>

namespace sample_maker {

enum class WriteOutcome { Written, KeptExisting };

// Writes the bytes to path when no file is there yet, through a temporary file renamed
// into place, so a failed run never leaves half a file. Throws std::runtime_error naming
// the file when it cannot be written.
WriteOutcome writeFileIfMissing(const std::string& path, const QByteArray& bytes);

// Whether the file at path holds exactly these bytes.
bool fileHolds(const std::string& path, const QByteArray& bytes);

}  // namespace sample_maker
