// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/sample_catalogue.h"

#include "tools/scene_composer.h"
#include "tools/scene_script.h"

namespace sample_maker {

namespace {

struct Entry {
  const char* name;
  PictureFormat original;
  PictureFormat copy;
};

constexpr PictureFormat J = PictureFormat::Jpeg;

const Entry kCatalogue[] = {
    {"strada", J, J},
    {"cucina", J, J},
    {"parco", J, J},
    {"porto", J, J},
    {"aula", J, J},
    {"mercato", J, J},
    {"fattoria", J, J},
    {"stazione", J, J},
    {"notte", PictureFormat::Wmf, PictureFormat::Emf},
    {"spiaggia", J, J},
    {"salotto", J, J},
    {"giardino", PictureFormat::Bmp, PictureFormat::Bmp},
    {"piazza", J, J},
    {"lago", J, J},
    {"acquario", PictureFormat::Gif, PictureFormat::Gif},
    {"inverno", J, J},
    {"bosco", J, J},
    {"festa", J, J},
    {"tavola", PictureFormat::Bmp, PictureFormat::Bmp},
    {"camera", J, J},
    {"fermata", J, J},
    {"prato", PictureFormat::Wmf, PictureFormat::Emf},
    {"frutteto", J, J},
    {"cielo", PictureFormat::Gif, PictureFormat::Gif},
    {"biblioteca", J, J},
    {"campagna", J, J},
};

}  // namespace

std::size_t sampleSceneCount() { return sizeof(kCatalogue) / sizeof(kCatalogue[0]); }

SceneDesign sampleDesign(std::size_t index, std::mt19937& rng) {
  const Entry& e = kCatalogue[index];
  SceneDesign d;
  d.name = e.name;
  d.originalFormat = e.original;
  d.copyFormat = e.copy;
  Composer composer(d, rng, QColor(160, 205, 235));
  deliveredScenes().run(e.name, composer);
  return d;
}

std::vector<SamplePair> makeSamplePairs(std::uint32_t seed) {
  std::vector<SamplePair> pairs;
  for (std::size_t i = 0; i < sampleSceneCount(); ++i) {
    std::seed_seq sequence{seed, static_cast<std::uint32_t>(i + 1)};
    std::mt19937 rng(sequence);
    pairs.push_back(makePair(sampleDesign(i, rng), rng));
  }
  return pairs;
}

}  // namespace sample_maker
