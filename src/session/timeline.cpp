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
    // From `now` exactly: the first step is due at the call that asked.
    for (Timed& t : steps_) t.at = now + (t.at - *laidAt_);
    end_ = now + (end_ - *laidAt_);
  }
  laidAt_.reset();
}

void Timeline::dropPhrases() {
  std::erase_if(steps_, [](const Timed& t) { return std::holds_alternative<Say>(t.step); });
}

void Timeline::soundNow(Sound sound, double now) {
  now_.push_back(std::move(sound));
  if (!nowAt_) nowAt_ = now;
}

void Timeline::hushNow(double now) {
  if (std::find(now_.begin(), now_.end(), Sound{Hush{}}) == now_.end()) soundNow(Hush{}, now);
}

Timeline::Due Timeline::due(double now) {
  Due due;
  due.sounds = std::exchange(now_, {});
  nowAt_.reset();
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
  return nowAt_ ? std::min(next, *nowAt_) : next;
}

std::vector<Step> Timeline::takeAll() {
  std::vector<Step> out;
  for (Sound& s : std::exchange(now_, {})) std::visit([&](auto& sound) { out.emplace_back(sound); }, s);
  nowAt_.reset();
  for (Timed& t : steps_) out.push_back(std::move(t.step));
  steps_.clear();
  end_ = -std::numeric_limits<double>::infinity();
  laidAt_.reset();
  return out;
}

}  // namespace session
