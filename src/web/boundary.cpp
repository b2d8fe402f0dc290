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

// --- the class record ---------------------------------------------------------

namespace {

double number(int x) { return x; }
double number(bool x) { return x ? 1 : 0; }

void putChild(std::vector<double>& out, const record::Child& c) {
#define WEB_FIELD(name) out.push_back(number(c.name));
  WEB_CHILD_NUMBERS(WEB_FIELD)
#undef WEB_FIELD
#define WEB_FIELD(name) putText(out, c.name);
  WEB_CHILD_TEXTS(WEB_FIELD)
#undef WEB_FIELD
}

void putRow(std::vector<double>& out, const record::Row& r) {
  putText(out, r.key());
#define WEB_FIELD(name) out.push_back(number(r.name));
  WEB_ROW_NUMBERS(WEB_FIELD)
#undef WEB_FIELD
#define WEB_FIELD(name) putText(out, r.name);
  WEB_ROW_TEXTS(WEB_FIELD)
#undef WEB_FIELD
}

void utf8(std::string& out, unsigned cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | cp >> 6);
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | cp >> 12);
    out += char(0x80 | (cp >> 6 & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | cp >> 18);
    out += char(0x80 | (cp >> 12 & 0x3F));
    out += char(0x80 | (cp >> 6 & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

// Reads a buffer the page wrote; any number out of place spoils the whole.
class Reader {
 public:
  Reader(const double* b, std::size_t size) : b_(b), size_(size) {}
  bool ok() const { return ok_; }
  bool done() const { return ok_ && at_ == size_; }

  double next() {
    if (at_ >= size_) ok_ = false;
    return ok_ ? b_[at_++] : 0;
  }
  int count() {
    const double n = next();
    if (!(n >= 0 && n <= double(size_)) || n != std::floor(n)) ok_ = false;
    return ok_ ? int(n) : 0;
  }
  void read(int& x) {
    const double v = next();
    if (!(v >= 0 && v <= 2147483647.0) || v != std::floor(v)) ok_ = false;
    x = ok_ ? int(v) : 0;
  }
  void read(bool& x) { x = next() != 0; }
  // UTF-16 code units, a lone surrogate as U+FFFD, into UTF-8.
  void read(std::string& x) {
    x.clear();
    for (int n = count(); n > 0 && ok_; --n) {
      unsigned u = unsigned(next());
      if (u >= 0xD800 && u < 0xDC00 && n > 1 && b_[at_] >= 0xDC00 && b_[at_] < 0xE000) {
        u = 0x10000 + ((u - 0xD800) << 10) + (unsigned(next()) - 0xDC00);
        --n;
      } else if (u >= 0xD800 && u < 0xE000) {
        u = 0xFFFD;
      }
      utf8(x, u);
    }
  }

 private:
  const double* b_;
  std::size_t size_, at_ = 0;
  bool ok_ = true;
};

}  // namespace

std::vector<double> writeChanges(const std::vector<record::Change>& changes, const record::Book& book) {
  std::vector<double> out{double(changes.size())};
  for (const record::Change& c : changes) {
    out.push_back(double(int(c.kind)));  // kChangeKinds' order
    putRow(out, c.row);
    putChild(out, c.child);
    putText(out, c.name);
    putText(out, c.text);
    std::vector<const record::Row*> brought;
    if (c.kind == record::Change::Kind::RenameChild)
      for (const record::Row& r : book.rows())
        if (r.child == c.child.name) brought.push_back(&r);
    out.push_back(double(brought.size()));
    for (const record::Row* r : brought) putRow(out, *r);
  }
  return out;
}

std::optional<record::Book> readBook(const double* buffer, std::size_t size) {
  Reader in(buffer, size);
  record::Book book;
  for (int n = in.count(); n > 0 && in.ok(); --n) {
    record::Child c;
#define WEB_FIELD(name) in.read(c.name);
    WEB_CHILD_NUMBERS(WEB_FIELD)
    WEB_CHILD_TEXTS(WEB_FIELD)
#undef WEB_FIELD
    book.add(c);
  }
  for (int n = in.count(); n > 0 && in.ok(); --n) {
    record::Row r;
#define WEB_FIELD(name) in.read(r.name);
    WEB_ROW_NUMBERS(WEB_FIELD)
    WEB_ROW_TEXTS(WEB_FIELD)
#undef WEB_FIELD
    book.add(r);
  }
  if (!in.done()) return std::nullopt;
  return book;
}

std::optional<std::string> readText(const double* buffer, std::size_t size) {
  Reader in(buffer, size);
  std::string text;
  in.read(text);
  if (!in.done()) return std::nullopt;
  return text;
}

static_assert(std::size(kChangeKinds) == size_t(record::Change::Kind::TurnOff) + 1);
static_assert(std::size(kSoundKinds) == std::variant_size_v<session::Sound>);
static_assert(std::size(kEvents) == size_t(Event::Key) + 1);
static_assert(std::size(kKeyboards) == size_t(session::Keyboard::Letters) + 1);

}  // namespace web
