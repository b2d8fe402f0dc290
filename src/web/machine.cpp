// The page's machine: our own generator, reseeded from the time of day, and
// faults reported on the browser's console.
#include <emscripten.h>

#include <cmath>

#include "page.h"
#include "shell/random.h"

EM_JS(double, js_now, (), { return Date.now(); });
EM_JS(void, js_log, (const char* message), { console.error('aritmetica: ' + UTF8ToString(message)); });

namespace web {

namespace {

class WebMachine : public session::Machine {
 public:
  void reseed() override { random_.mix(std::fmod(js_now() / 1000, 86400)); }  // seconds since midnight (UTC)
  double next() override { return random_.next(); }
  void log(std::string_view message) override { js_log(std::string(message).c_str()); }

 private:
  shell::Random random_;
};

}  // namespace

session::Machine& machine() {
  static WebMachine m;
  return m;
}

}  // namespace web
