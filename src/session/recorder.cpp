#include "recorder.h"

namespace session {

void Recorder::picture() { steps_.emplace_back(std::in_place_type<Frame>, capture_()); }

void Recorder::add(Sound sound) {
  if (auto* say = std::get_if<Say>(&sound)) steps_.emplace_back(std::in_place_type<Say>, std::move(*say));
  else if (std::holds_alternative<Hush>(sound)) steps_.emplace_back(std::in_place_type<Hush>);
  else steps_.emplace_back(std::in_place_type<Chime>);
}

std::vector<Step> Recorder::take() { return std::exchange(steps_, {}); }

void Recorder::beep() { steps_.emplace_back(std::in_place_type<Chime>); }

// The picture of the moment stays on the board for the pause.
void Recorder::sleep(int milliseconds) {
  picture();
  steps_.emplace_back(std::in_place_type<Pause>, Pause{milliseconds});
}

}  // namespace session
