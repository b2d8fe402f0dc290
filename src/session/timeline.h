// The timeline: the steps of the inputs handled, each at its time, and the
// frame due at `now`. An input's steps are laid one after the other from
// the moment it was handled, each pause putting off what follows; they
// start playing when they are first asked for, so that a handler that took
// long to run (a slow machine recording many pictures) does not eat into
// its own animation. A sound that must come at once (the end of a phrase
// when the voice is turned off, the name of what the child rests on) comes
// with the next frame, ahead of anything laid, and puts nothing off.
//
// It does not know where the steps come from nor what they show; `now` is
// whatever the caller passes (milliseconds).
#pragma once
#include <deque>
#include <limits>
#include <optional>
#include <vector>

#include "recorder.h"

namespace session {

class Timeline {
 public:
  // Lays `steps` out from `start`. With `fromFirstCall`, they are moved to
  // begin at the next rebase, if that comes later.
  void lay(std::vector<Step> steps, double start, bool fromFirstCall);
  // Steps laid since the last call, to be played from `now` on.
  void rebase(double now);
  // A sound with the next frame, asked for at `now`.
  void soundNow(Sound sound, double now);
  // The end of the phrase being said, so (once, however often asked).
  void hushNow(double now);
  // Phrases laid and not yet due are dropped.
  void dropPhrases();

  // Whether steps laid have yet to play at `now`; input waits meanwhile.
  bool busy(double now) const { return now < end_; }
  // When the steps laid have all played.
  double end() const { return end_; }

  struct Due {
    std::optional<Frame> frame;  // the latest picture whose time has come
    std::vector<Sound> sounds;   // every sound due, in order
  };
  Due due(double now);
  // When the next step is due; infinity when none waits.
  double wakeAt() const;
  // Every step, whatever its time; then nothing plays any more.
  std::vector<Step> takeAll();

 private:
  friend class Probe;  // the soak reads the steps waiting
  struct Timed {
    double at;
    Step step;
  };
  std::deque<Timed> steps_;  // in time order
  std::vector<Sound> now_;  // sounds that come with the next frame
  std::optional<double> nowAt_;
  double end_ = -std::numeric_limits<double>::infinity();
  std::optional<double> laidAt_;
};

}  // namespace session
