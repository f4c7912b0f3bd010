// SPDX-License-Identifier: GPL-2.0-or-later
// The checks a package's contents pass, on writing and on reading alike.
#include <array>
#include <cstdint>

#include "picture_db/package_file.h"

namespace picture_db {

namespace {

// Decodes strict UTF-8 (no overlong forms, no surrogates); false on any fault.
bool decodeUtf8(const std::string& s, std::vector<char32_t>& out) {
  out.clear();
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
      cp = b0;
    } else if ((b0 & 0xE0) == 0xC0) {
      extra = 1, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
      extra = 2, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
      extra = 3, cp = b0 & 0x07, min = 0x10000;
    } else {
      return false;
    }
    for (int k = 1; k <= extra; ++k) {
      if (i + k >= s.size()) return false;
      const auto b = static_cast<unsigned char>(s[i + k]);
      if ((b & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    out.push_back(cp);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

bool isControl(char32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F); }

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool endsWithIgnoringCase(const std::string& s, const std::string& tail) {
  if (s.size() < tail.size()) return false;
  const std::size_t off = s.size() - tail.size();
  for (std::size_t i = 0; i < tail.size(); ++i) {
    if (asciiLower(s[off + i]) != asciiLower(tail[i])) return false;
  }
  return true;
}

}  // namespace

std::string pictureNameProblem(const std::string& name) {
  if (name.empty()) return "è vuoto";
  std::vector<char32_t> chars;
  if (!decodeUtf8(name, chars)) return "non è un testo UTF-8 valido";
  if (chars.size() > static_cast<std::size_t>(kMaxPackageNameLength)) {
    return "supera i " + std::to_string(kMaxPackageNameLength) + " caratteri";
  }
  for (char32_t cp : chars) {
    if (isControl(cp)) return "contiene caratteri di controllo";
  }
  if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos) {
    return "contiene una cartella (/ o \\)";
  }
  if (name == "." || name == "..") return "non è il nome di un file";
  // The file lists hide such files: the user could neither see nor manage the picture.
  if (name.front() == '.') return "inizia con un punto";
  static const std::array<const char*, 5> kExtensions{".wmf", ".emf", ".bmp", ".jpg", ".gif"};
  for (const char* ext : kExtensions) {
    if (endsWithIgnoringCase(name, ext)) return {};
  }
  return "non ha una delle estensioni .wmf, .emf, .bmp, .jpg, .gif";
}

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  }
  return true;
}

std::string packageContentsProblem(const std::string& originalName, const std::string& copyName,
                                   std::int64_t originalBytes, std::int64_t copyBytes, std::int64_t rectangles,
                                   const PackageLimits& limits) {
  if (auto p = pictureNameProblem(originalName); !p.empty()) return "il nome dell'originale " + p;
  if (auto p = pictureNameProblem(copyName); !p.empty()) return "il nome della copia " + p;
  if (sameNameIgnoringCase(originalName, copyName)) return "l'originale e la copia hanno lo stesso nome";
  if (originalBytes > limits.maxPictureBytes)
    return "l'immagine originale supera i " + sizeText(limits.maxPictureBytes);
  if (copyBytes > limits.maxPictureBytes) return "l'immagine copia supera i " + sizeText(limits.maxPictureBytes);
  if (rectangles > limits.maxRectangles)
    return "ci sono più di " + std::to_string(limits.maxRectangles) + " rettangoli";
  return {};
}

std::string packageContentsProblem(const PackageContents& contents, const PackageLimits& limits) {
  return packageContentsProblem(contents.originalName, contents.copyName,
                                static_cast<std::int64_t>(contents.originalBytes.size()),
                                static_cast<std::int64_t>(contents.copyBytes.size()),
                                static_cast<std::int64_t>(contents.rectangles.size()), limits);
}

std::string sizeText(std::int64_t bytes) {
  constexpr std::int64_t kMiB = 1024 * 1024;
  if (bytes % kMiB == 0) return std::to_string(bytes / kMiB) + " MiB";
  return std::to_string(bytes) + " byte";
}

}  // namespace picture_db
