// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The one way both programs and their tools put a file in place: the content is written
// to a temporary file in the same folder, flushed to disk, renamed over the target and
// the folder flushed too. A kill at any moment leaves the old file or the new one, never
// half of one; the temporary is removed on every failure that leaves the process alive.
#include <cstddef>
#include <functional>
#include <string>
#include <system_error>

namespace storage {

enum class ExistingFile { Replace, Keep };

// Writes `path` through `write`, which receives the temporary file's path (an empty file,
// already created) and fills it by any means: plain writes, SQLite, an image writer.
// `temporaryPrefix` names the temporary, followed by six random characters, so that a
// leftover of a killed process can be told apart and removed (removeLeftovers).
// With ExistingFile::Keep a file already at `path` is never replaced: the call then throws
// std::system_error with EEXIST. Any other failure throws std::system_error with the
// system's error code, or whatever `write` threw.
void writeFileAtomically(const std::string& path, const std::function<void(const std::string& temporary)>& write,
                         ExistingFile existing = ExistingFile::Replace,
                         const std::string& temporaryPrefix = ".vobrel-part-");

// Writes the bytes into the (temporary) file at path, truncating it; throws
// std::system_error with the system's error code. Meant for the callback above.
void writeBytes(const std::string& path, const char* data, std::size_t size);

// writeFileAtomically with these bytes as the whole content.
void writeBytesAtomically(const std::string& path, const char* data, std::size_t size, ExistingFile existing,
                          const std::string& temporaryPrefix);

// Flushes a folder's entries (a rename, a new or removed name) to disk.
void syncFolder(const std::string& folder);

// Flushes a file's content to disk.
void syncFile(const std::string& path);

// Creates `path`, which must not exist (EEXIST; a symbolic link there is not followed),
// writes the bytes and sets them on their way to the disk without waiting for them: a
// writer with more to do flushes later with syncFile and syncFolder. For files whose
// completeness something else vouches for, such as the pictures of an import under way
// (a record names them; unfinished, they are removed). A failure removes the file and
// throws std::system_error.
void writeNewFile(const std::string& path, const char* data, std::size_t size);

// Gives `from` the name `to` in one step and flushes the folder, or leaves that to the
// caller (FolderSync::Later) when more names of the folder change before it is flushed.
// With ExistingFile::Keep a file at `to` is never replaced (EEXIST). Throws std::system_error.
enum class FolderSync { Now, Later };
void renameFile(const std::string& from, const std::string& to, ExistingFile existing,
                FolderSync sync = FolderSync::Now);

// Removes the regular files of `folder` named `temporaryPrefix` followed by exactly six
// letters or digits: temporaries a killed process left behind. Returns how many went.
int removeLeftovers(const std::string& folder, const std::string& temporaryPrefix);

}  // namespace storage
