#include "klass.h"

#include <cmath>
#include <cstdio>

#include "frame/exercise.h"
#include "portraits.h"
#include "shell/menus.h"

namespace record {

namespace {

// Days since 1970-01-01 to the civil date (Howard Hinnant's algorithm).
void civil(long long days, int& y, int& m, int& d) {
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long doe = days - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

// The badge: the child's picture, in the top left corner of the board.
constexpr double kBadgeLeft = 240, kBadgeTop = 120, kBadgeSide = 600;

}  // namespace

void Class::open(Book book, Clock clock) {
  on_ = true;
  book_ = std::move(book);
  clock_ = clock;
  choose(std::nullopt);
}

void Class::close() {
  on_ = false;
  choose(std::nullopt);
  judged_.clear();
}

std::string Class::stamp(double now) const {
  const double ms = std::floor(clock_.epochMs + now);
  const long long total = static_cast<long long>(ms);
  long long days = total / 86400000, rest = total % 86400000;
  if (rest < 0) rest += 86400000, --days;
  int y, m, d;
  civil(days, y, m, d);
  char out[32];
  std::snprintf(out, sizeof out, "%04d-%02d-%02d %02d:%02d:%02d.%03d", y, m, d, static_cast<int>(rest / 3600000),
                static_cast<int>(rest / 60000 % 60), static_cast<int>(rest / 1000 % 60),
                static_cast<int>(rest % 1000));
  return out;
}

std::string Class::menuName(shell::Program& program, int screen) {
  for (const auto& [menu, within] : {std::pair(2, " entro 10"), std::pair(24, " entro 20")}) {
    shell::Screen& m = program.form(menu);
    for (const auto& [control, opens] : shell::menuEntries(m)) {
      if (opens != screen) continue;
      for (const shell::Control& c : m.design().controls) {
        if (c.name != control) continue;
        const std::string heading = m.headingOf(c);
        const std::string name = (heading.empty() ? "" : heading + ' ') + shell::fold(c.caption);
        // "La linea dei numeri entro 9" says its range itself.
        return name.find(" entro ") == std::string::npos ? name + within : name;
      }
    }
  }
  return "Form" + std::to_string(screen);
}

void Class::choose(std::optional<std::string> child) {
  child_ = child && book_.child(*child) ? child : std::nullopt;
  question_.reset();
}

bool Class::addChild(const std::string& name, int picture) {
  Child c{name, picture};
  if (!book_.add(c)) return false;
  changes_.push_back({Change::Kind::AddChild, {}, c});
  return true;
}

bool Class::renameChild(const std::string& from, const std::string& to) {
  if (!book_.rename(from, to)) return false;
  changes_.push_back({Change::Kind::RenameChild, {}, *book_.child(to), from});
  if (child_ == from) child_ = to;
  return true;
}

bool Class::removeChild(const std::string& name) {
  if (!book_.remove(name)) return false;
  changes_.push_back({Change::Kind::RemoveChild, {}, {}, name});
  if (child_ == name) child_.reset();
  return true;
}

void Class::eraseAll() {
  book_.clear();
  child_.reset();
  question_.reset();
  changes_.push_back({Change::Kind::EraseAll});
}

void Class::exportCsv() {
  Change c{Change::Kind::Export};
  c.name = "registro-" + stamp(now_).substr(0, 10) + ".csv";
  c.text = toCsv(book_.rows());
  changes_.push_back(std::move(c));
}

void Class::askImport() { changes_.push_back({Change::Kind::Import}); }

void Class::imported(const std::string& text) {
  const Imported in = fromCsv(text);
  int children = 0, rows = 0;
  auto join = [&](const std::string& name) {
    if (book_.child(name)) return;
    if (const auto picture = book_.freePicture()) children += addChild(name, *picture);
  };
  for (const std::string& name : in.names) join(name);
  for (const Row& r : in.rows) {
    join(r.child);
    if (book_.add(r)) {
      changes_.push_back({Change::Kind::Row, r});
      ++rows;
    }
  }
  auto count = [](int n, const char* one, const char* many) { return std::to_string(n) + ' ' + (n == 1 ? one : many); };
  importNote_ = in.error.empty() ? "Importati: " + count(children, "bambino", "bambini") + ", " + count(rows, "risposta", "risposte")
                                 : "Non importato tutto: " + in.error;
  if (noted_) noted_();
}

void Class::turn(bool on) {
  changes_.push_back({on ? Change::Kind::TurnOn : Change::Kind::TurnOff});
  if (!on) {
    close();
    return;
  }
  on_ = true;
  choose(std::nullopt);
}

std::vector<Change> Class::changes() { return std::exchange(changes_, {}); }

// --- what the screens do -------------------------------------------------

int Class::afterTitle() { return on_ ? kChooser : 5; }

std::optional<shell::Control> Class::badge(const shell::Screen& s) {
  if (!on_ || s.number() == 1 || s.number() == kChooser || s.number() == kTeacher) return std::nullopt;
  const shell::Picture picture = [&] {
    const Child* c = child_ ? book_.child(*child_) : nullptr;
    return c ? shell::portrait(c->picture) : shell::Picture::Guest;
  }();
  return shell::image(shell::Program::kBadge, picture, kBadgeLeft, kBadgeTop, kBadgeSide, kBadgeSide)
      .hand()
      .tip("CHI SEI?");
}

// The badge leaves the screen as its return labels do, the score zeroed,
// for the next child.
void Class::badgeClicked(shell::Screen& s) {
  question_.reset();
  if (auto* e = dynamic_cast<frame::Exercise*>(&s)) e->score.zero();
  if (program_) program_->show(kChooser);
  if (program_ && s.loaded() && s.number() != kChooser) program_->unload(s.number());
}

// One input gives at most one answer to a question: a face shown again in
// the same input stands for the same answer. A face shown again for an
// answer that has not changed since it was judged (a box clicked or given
// the focus back) is no new answer either.
void Class::judged(shell::Screen& s, bool right) {
  auto* e = dynamic_cast<frame::Exercise*>(&s);
  if (!on_ || !child_ || !e) return;
  watch(s);
  if (!question_) return;
  Row r = question_->row;
  r.given = e->given();
  r.right = right;
  r.ms = static_cast<int>(std::lround(std::max(0.0, now_ - question_->at)));
  auto same = [&](const Row& o) { return o.screen == r.screen && o.asked == r.asked; };
  if (!judged_.empty() && same(judged_.back())) {
    r.attempt = judged_.back().attempt;
    judged_.back() = std::move(r);
    return;
  }
  if (last_ && same(*last_) && !answerChanged_ && last_->given == r.given && last_->right == r.right) return;
  ++question_->row.attempt;
  judged_.push_back(std::move(r));
}

// A question drawn since the screen was last seen starts a new one; its
// shown numbers are the board's once the input that drew it has run.
void Class::watch(shell::Screen& s) {
  auto* e = dynamic_cast<frame::Exercise*>(&s);
  if (!e) return;
  if (question_ && question_->screen == s.number() && question_->drawn == e->score.drawn) return;
  Question q{s.number(), e->score.drawn, now_};
  q.row.child = *child_;
  q.row.screen = s.number();
  q.row.menu = program_ ? menuName(*program_, s.number()) : std::string();
  q.row.asked = stamp(now_);
  q.row.shown = e->question();
  question_ = std::move(q);
}

void Class::handled() {
  shell::Screen* s = program_ ? program_->active() : nullptr;
  auto* e = dynamic_cast<frame::Exercise*>(s);
  if (!on_ || !child_ || !e) {
    judged_.clear();
    return;
  }
  const int right = e->rightCount();
  if (!judged_.empty()) {
    // The last right answer of the input is the one ESATTI counted.
    for (auto it = judged_.rbegin(); it != judged_.rend(); ++it)
      if (it->right) {
        it->firstRight = right > rightBefore_;
        break;
      }
    last_ = judged_.back();
    answerChanged_ = false;
    for (Row& r : std::exchange(judged_, {})) keep(std::move(r));
  } else if (last_ && e->given() != last_->given) {
    answerChanged_ = true;
  }
  if (e->score.drawn) watch(*s);
  rightBefore_ = right;
}

void Class::keep(Row row) {
  if (book_.add(row)) changes_.push_back({Change::Kind::Row, std::move(row)});
}

}  // namespace record
