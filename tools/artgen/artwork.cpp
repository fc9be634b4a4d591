#include "tools/artgen/artwork.h"

#include "tools/artgen/file_formats.h"

namespace qm::art {

std::vector<ArtworkFile> MakeArtworkFiles() {
  std::vector<Image> icons;
  for (int size : kIconSizes) icons.push_back(DrawAppIcon(size));
  std::vector<Image> frames;
  for (int i = 0; i < kAnimationFrames; ++i) frames.push_back(DrawTurningFrame(i, kAnimationFrames, kAnimationSize));
  return {
      {"quillmere.ico", IcoFile(icons)},
      {"turning.avi", AviFile(frames, kAnimationMicrosecondsPerFrame)},
      {"splash.bmp", BmpFile(DrawSplash())},
  };
}

}  // namespace qm::art
