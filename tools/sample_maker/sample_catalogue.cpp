// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/sample_catalogue.h"

#include <QFile>

#include <algorithm>
#include <random>

#include "tools/scene_table.h"

namespace sample_maker {

namespace {

struct Entry {
  const char* name;
  PictureFormat original;
  PictureFormat copy;
};

constexpr PictureFormat J = PictureFormat::Jpeg, B = PictureFormat::Bmp, G = PictureFormat::Gif, W = PictureFormat::Wmf,
                        E = PictureFormat::Emf;

// Mostly JPEG, as photographs would be; a few of every other kind the game reads.
const Entry kCatalogue[] = {{"strada", J, J},     {"cucina", J, J},   {"parco", J, J},    {"porto", J, J},
                            {"aula", J, J},       {"mercato", J, J},  {"fattoria", J, J}, {"stazione", J, J},
                            {"notte", W, E},      {"spiaggia", J, J}, {"salotto", J, J},  {"giardino", B, B},
                            {"piazza", J, J},     {"lago", J, J},     {"acquario", G, G}, {"inverno", J, J},
                            {"bosco", J, J},      {"festa", J, J},    {"tavola", B, B},   {"camera", J, J},
                            {"fermata", J, J},    {"prato", W, E},    {"frutteto", J, J}, {"cielo", G, G},
                            {"biblioteca", J, J}, {"campagna", J, J}};

const std::vector<SceneDesign>& designs() {
  static const std::vector<SceneDesign> all = [] {
    std::vector<SceneDesign> tables;
    for (const char* family : {"country", "indoor", "open", "tables", "town"}) {
      QFile file(QString(":/scenes/%1.txt").arg(family));
      if (!file.open(QIODevice::ReadOnly)) throw SceneTableError(std::string("missing scene table ") + family);
      const auto read = readSceneTables(std::string(family) + ".txt", file.readAll().toStdString());
      tables.insert(tables.end(), read.begin(), read.end());
    }
    std::vector<SceneDesign> ordered;
    for (const Entry& e : kCatalogue) {
      auto found = std::find_if(tables.begin(), tables.end(), [&](const SceneDesign& d) { return d.name == e.name; });
      if (found == tables.end()) throw SceneTableError(std::string("no scene table for ") + e.name);
      found->originalFormat = e.original;
      found->copyFormat = e.copy;
      ordered.push_back(*found);
    }
    return ordered;
  }();
  return all;
}

}  // namespace

std::size_t sampleSceneCount() { return std::size(kCatalogue); }

const SceneDesign& sampleDesign(std::size_t index) { return designs().at(index); }

std::vector<SamplePair> makeSamplePairs(std::uint32_t seed) {
  std::vector<SamplePair> pairs;
  for (std::size_t i = 0; i < sampleSceneCount(); ++i) {
    std::seed_seq sequence{seed, static_cast<std::uint32_t>(i + 1)};
    std::mt19937 rng(sequence);
    pairs.push_back(makePair(sampleDesign(i), rng));
  }
  return pairs;
}

}  // namespace sample_maker
