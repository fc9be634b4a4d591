#pragma once

namespace qm {

// The main dialog's turning animation as the remaining-time pass drives it.
class Animation {
 public:
  virtual ~Animation() = default;
  virtual void Play() = 0;  // from frame 0, repeating without end
  virtual void Stop() = 0;
};

}  // namespace qm
