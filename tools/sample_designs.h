#pragma once
// The scenes of the delivered sample pairs, each with the changes its copy may get.
// The generator varies small details (colours, positions) and is then handed on to
// choose the changes.
#include <QColor>

#include <cstdint>
#include <random>
#include <vector>

#include "tools/sample_pair.h"

namespace sample_maker {

// Every sample picture has this size: it fits the game's picture areas.
inline constexpr int kSampleWidth = 360;
inline constexpr int kSampleHeight = 420;

SceneDesign houseAndTree(std::mt19937& rng);  // casa: JPEG
SceneDesign harbour(std::mt19937& rng);       // porto: GIF
SceneDesign dinnerTable(std::mt19937& rng);   // tavola: BMP
SceneDesign street(std::mt19937& rng);        // strada: JPEG
SceneDesign garden(std::mt19937& rng);        // giardino: GIF
SceneDesign nightSky(std::mt19937& rng);      // notte: WMF original, EMF copy
SceneDesign beach(std::mt19937& rng);         // spiaggia: BMP

// An empty scene of the sample size.
Scene sampleCanvas(QColor background);

}  // namespace sample_maker
