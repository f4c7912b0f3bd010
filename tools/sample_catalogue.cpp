#include "tools/sample_catalogue.h"

#include "tools/sample_designs.h"

namespace sample_maker {

Scene sampleCanvas(QColor background) {
  Scene scene;
  scene.width = kSampleWidth;
  scene.height = kSampleHeight;
  scene.background = background;
  return scene;
}

std::vector<SamplePair> makeSamplePairs(std::uint32_t seed) {
  using Design = SceneDesign (*)(std::mt19937&);
  const Design designs[] = {houseAndTree, harbour, dinnerTable, street, garden, nightSky, beach};
  std::vector<SamplePair> pairs;
  std::uint32_t index = 0;
  for (Design design : designs) {
    std::seed_seq sequence{seed, ++index};
    std::mt19937 rng(sequence);
    pairs.push_back(choosePair(design(rng), rng));
  }
  return pairs;
}

}  // namespace sample_maker
