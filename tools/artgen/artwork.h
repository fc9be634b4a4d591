// The program's artwork, drawn procedurally so that anyone can regenerate it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/raster.h"

namespace qm::art {

// The application icon at size × size pixels: a clock face with a key cap.
Image DrawAppIcon(int size);
// One frame (0 .. frames-1) of the busy animation: a ring of eight segments
// whose dark head turns clockwise a full turn over the frames.
Image DrawTurningFrame(int frame, int frames, int size);
// The start-up picture: a keyboard with a mouse and two open hands, 255 × 255.
Image DrawSplash();

constexpr int kIconSizes[] = {256, 128, 64, 48, 32, 24, 16};
constexpr int kAnimationFrames = 6;
constexpr int kAnimationSize = 24;
constexpr uint32_t kAnimationMicrosecondsPerFrame = 83333;
constexpr int kSplashSize = 255;

struct ArtworkFile {
  std::string name;
  std::vector<uint8_t> bytes;
};

// Every file under res/ that the generator owns, with its contents.
std::vector<ArtworkFile> MakeArtworkFiles();

}  // namespace qm::art
