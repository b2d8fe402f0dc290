#include "boundary.h"

#include <cmath>
#include <iterator>
#include <type_traits>
#include <variant>

#include "canvas.h"

namespace web {

namespace {

// The index of a list's name, or nullopt for a number out of the list.
template <typename E, size_t N>
std::optional<E> choice(double value, const char* const (&)[N]) {
  if (!(value >= 0 && value < double(N)) || value != std::floor(value)) return std::nullopt;
  return static_cast<E>(int(value));
}

}  // namespace

std::optional<Input> readInput(const double* r) {
  Input in;
  const auto event = choice<Event>(r[in_event], kEvents);
  const auto button = choice<Button>(r[in_button], kButtons);
  const double length = r[kInputFields];
  if (!event || !button || !(length >= 0 && length <= kKeyNameUnits)) return std::nullopt;
  in.event = *event;
  in.button = *button;
  in.now = r[in_now];
  in.x = r[in_x];
  in.y = r[in_y];
  in.width = r[in_width];
  in.height = r[in_height];
  in.shift = r[in_shift] != 0;
  in.ctrl = r[in_ctrl] != 0;
  in.alt = r[in_alt] != 0;
  in.touch = r[in_touch] != 0;
  in.keypad = r[in_keypad] != 0;
  in.repeat = r[in_repeat] != 0;
  in.on = r[in_on] != 0;
  in.character = r[in_character] >= 0 && r[in_character] <= 0x10FFFF ? unsigned(r[in_character]) : 0;
  for (int i = 0; i < int(length); ++i) {
    const double unit = r[kInputFields + 1 + i];
    if (!(unit > 0 && unit < 128)) return std::nullopt;  // the names of keys are ASCII
    in.name += char(unit);
  }
  return in;
}

namespace {

double number(double x) { return x; }
double number(session::Keyboard k) { return double(int(k)); }  // kKeyboards' order
double number(const std::optional<std::vector<double>>& picture) { return picture ? 1 : 0; }

}  // namespace

std::vector<double> writeFrame(const PageFrame& f) {
  std::vector<double> out;
#define WEB_FIELD(name) out.push_back(number(f.name));
  WEB_FRAME_FIELDS(WEB_FIELD)
#undef WEB_FIELD
#define WEB_FIELD(name) putText(out, f.name);
  WEB_FRAME_TEXTS(WEB_FIELD)
#undef WEB_FIELD
  out.push_back(double(f.sounds.size()));
  for (const session::Sound& s : f.sounds) {
    out.push_back(double(s.index()));  // the kinds in kSoundKinds' order
    const auto* say = std::get_if<session::Say>(&s);
    putText(out, say ? say->key : "");
    putText(out, say ? say->text : "");
  }
  if (f.picture) {
    out.push_back(double(f.picture->size()));
    out.insert(out.end(), f.picture->begin(), f.picture->end());
  }
  return out;
}

static_assert(std::size(kSoundKinds) == std::variant_size_v<session::Sound>);
static_assert(std::size(kEvents) == size_t(Event::Key) + 1);
static_assert(std::size(kKeyboards) == size_t(session::Keyboard::Letters) + 1);

}  // namespace web
