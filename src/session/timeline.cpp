#include "timeline.h"

#include <algorithm>

namespace session {

void Timeline::lay(std::vector<Step> steps, double start, bool fromFirstCall) {
  double at = std::max(start, end_);
  for (Step& step : steps) {
    const double here = at;
    if (const auto* pause = std::get_if<Pause>(&step)) at += std::max(pause->milliseconds, 0);
    steps_.push_back({here, std::move(step)});
  }
  end_ = at;
  if (fromFirstCall) laidAt_ = start;
}

void Timeline::rebase(double now) {
  if (laidAt_ && now > *laidAt_) {
    const double late = now - *laidAt_;
    for (Timed& t : steps_) t.at += late;
    end_ += late;
  }
  laidAt_.reset();
}

void Timeline::dropPhrases() {
  std::erase_if(steps_, [](const Timed& t) { return std::holds_alternative<Say>(t.step); });
}

void Timeline::hushNow(double now) {
  if (!hushAt_) hushAt_ = now;
}

Timeline::Due Timeline::due(double now) {
  Due due;
  if (std::exchange(hushAt_, std::nullopt)) due.sounds.emplace_back(std::in_place_type<Hush>);
  while (!steps_.empty() && steps_.front().at <= now) {
    Step& step = steps_.front().step;
    if (auto* frame = std::get_if<Frame>(&step))
      due.frame = std::move(*frame);
    else if (std::holds_alternative<Chime>(step))
      due.sounds.emplace_back(std::in_place_type<Chime>);
    else if (auto* say = std::get_if<Say>(&step))
      due.sounds.emplace_back(std::in_place_type<Say>, std::move(*say));
    else if (std::holds_alternative<Hush>(step))
      due.sounds.emplace_back(std::in_place_type<Hush>);
    steps_.pop_front();
  }
  return due;
}

double Timeline::wakeAt() const {
  const double next = steps_.empty() ? std::numeric_limits<double>::infinity() : steps_.front().at;
  return hushAt_ ? std::min(next, *hushAt_) : next;
}

std::vector<Step> Timeline::takeAll() {
  std::vector<Step> out;
  if (std::exchange(hushAt_, std::nullopt)) out.emplace_back(std::in_place_type<Hush>);
  for (Timed& t : steps_) out.push_back(std::move(t.step));
  steps_.clear();
  end_ = -std::numeric_limits<double>::infinity();
  laidAt_.reset();
  return out;
}

}  // namespace session
