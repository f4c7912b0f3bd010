// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/sample_catalogue.h"

#include "tools/scene_composer.h"

namespace sample_maker {

namespace {

struct Entry {
  const char* name;
  PictureFormat original;
  PictureFormat copy;
  SceneMaker make;
};

constexpr PictureFormat J = PictureFormat::Jpeg;

const Entry kCatalogue[] = {
    {"strada", J, J, streetScene},
    {"cucina", J, J, kitchenScene},
    {"parco", J, J, parkScene},
    {"porto", J, J, harbourScene},
    {"aula", J, J, classroomScene},
    {"mercato", J, J, marketScene},
    {"fattoria", J, J, farmScene},
    {"stazione", J, J, stationScene},
    {"notte", PictureFormat::Wmf, PictureFormat::Emf, nightScene},
    {"spiaggia", J, J, beachScene},
    {"salotto", J, J, livingRoomScene},
    {"giardino", PictureFormat::Bmp, PictureFormat::Bmp, gardenScene},
    {"piazza", J, J, squareScene},
    {"lago", J, J, lakeScene},
    {"acquario", PictureFormat::Gif, PictureFormat::Gif, aquariumScene},
    {"inverno", J, J, winterScene},
    {"bosco", J, J, forestScene},
    {"festa", J, J, partyScene},
    {"tavola", PictureFormat::Bmp, PictureFormat::Bmp, dinnerScene},
    {"camera", J, J, bedroomScene},
    {"fermata", J, J, busStopScene},
    {"prato", PictureFormat::Wmf, PictureFormat::Emf, meadowScene},
    {"frutteto", J, J, orchardScene},
    {"cielo", PictureFormat::Gif, PictureFormat::Gif, skyScene},
    {"biblioteca", J, J, libraryScene},
    {"campagna", J, J, countryRoadScene},
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
  e.make(composer);
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
