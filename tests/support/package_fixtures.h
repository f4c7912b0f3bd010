// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Package files for tests: hand-made SQLite files (sound or hostile), picture bytes of
// every value, and looking at what a folder holds.
#include <string>
#include <vector>

#include "picture_db/package_file.h"

namespace test_support {

// Every byte value 0x00 .. 0xFF, repeated; rotated by shift so two pictures differ.
std::string everyByteValue(int repeat = 1, int shift = 0);

// A 64 x 4 Windows bitmap whose pixel bytes are every byte value three times (rotated by
// shift), starting with lead: a real picture that no text reader would pass unchanged.
std::string bitmapWithEveryByteValue(int shift = 0, const std::string& lead = {});

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

// Creates an SQLite file at path and runs the statements in order.
void makeSqliteFile(const std::string& path, const std::vector<std::string>& statements);

// The statements of a small sound package: "Foto" with one row a.jpg / b.jpg and
// "Coordinate" with the rectangle 1, 2, 3, 4. Tests change or append to them.
std::vector<std::string> soundPackageStatements();

// Every name in a folder and below it ("sub/name"), sorted; hidden ones included.
std::vector<std::string> folderTree(const std::string& dir);

// The whole package in memory, both pictures read through the package reader.
picture_db::PackageContents readPackage(const std::string& path, const picture_db::PackageLimits& limits = {});

}  // namespace test_support
