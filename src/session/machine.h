// What the session needs from the machine: the generator of the draws,
// reseeded from the time of day, and somewhere to report a fault. Each
// edition provides one; the session knows no more of the machine than this.
#pragma once
#include <string_view>

namespace session {

class Machine {
 public:
  virtual ~Machine() = default;
  virtual void reseed() = 0;
  virtual double next() = 0;  // a real in [0, 1)
  virtual void log(std::string_view message) = 0;
};

}  // namespace session
