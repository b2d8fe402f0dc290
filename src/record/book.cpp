#include "book.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>

#include "portraits.h"

namespace record {

std::string Row::key() const {
  return child + '\x1f' + std::to_string(screen) + '\x1f' + asked + '\x1f' + std::to_string(attempt);
}

bool Figures::weak() const { return questions > 0 && firstRight * 2 < questions; }

const Child* Book::child(std::string_view name) const {
  for (const Child& c : children_)
    if (c.name == name) return &c;
  return nullptr;
}

std::optional<int> Book::freePicture() const {
  for (int p = 0; p < kPortraitCount; ++p)
    if (std::none_of(children_.begin(), children_.end(), [&](const Child& c) { return c.picture == p; }))
      return p;
  return std::nullopt;
}

bool Book::add(const Row& row) {
  if (!keys_.insert(row.key()).second) return false;
  rows_.push_back(row);
  return true;
}

void Book::index() {
  keys_.clear();
  for (const Row& r : rows_) keys_.insert(r.key());
}

bool Book::add(const Child& c) {
  if (c.name.empty() || child(c.name) || c.picture < 0 || c.picture >= kPortraitCount) return false;
  if (std::any_of(children_.begin(), children_.end(), [&](const Child& o) { return o.picture == c.picture; }))
    return false;
  children_.push_back(c);
  return true;
}

bool Book::rename(std::string_view from, std::string_view to) {
  auto it = std::find_if(children_.begin(), children_.end(), [&](const Child& c) { return c.name == from; });
  if (it == children_.end() || to.empty() || child(to)) return false;
  it->name = to;
  for (Row& r : rows_)
    if (r.child == from) r.child = to;
  index();
  return true;
}

bool Book::remove(std::string_view name) {
  const auto before = children_.size();
  std::erase_if(children_, [&](const Child& c) { return c.name == name; });
  std::erase_if(rows_, [&](const Row& r) { return r.child == name; });
  index();
  return children_.size() != before;
}

void Book::clear() {
  children_.clear();
  rows_.clear();
  keys_.clear();
}

Figures Book::figures(std::string_view child, int screen) const {
  // A question is the rows of one drawing: the first attempt decides.
  std::map<std::string, bool> questions;
  Figures f;
  for (const Row& r : rows_) {
    if (r.child != child || r.screen != screen) continue;
    auto [it, fresh] = questions.emplace(r.asked, false);
    it->second = it->second || r.firstRight;
    f.lastDay = std::max(f.lastDay, r.asked.substr(0, 10));
  }
  f.questions = static_cast<int>(questions.size());
  for (const auto& [asked, right] : questions) f.firstRight += right;
  return f;
}

std::vector<int> Book::screens(std::string_view child) const {
  std::set<int> s;
  for (const Row& r : rows_)
    if (r.child == child) s.insert(r.screen);
  return {s.begin(), s.end()};
}

std::vector<Row> Book::last(std::string_view child, std::size_t n) const {
  std::vector<Row> mine;
  for (const Row& r : rows_)
    if (r.child == child) mine.push_back(r);
  std::stable_sort(mine.begin(), mine.end(), [](const Row& a, const Row& b) {
    return a.asked != b.asked ? a.asked > b.asked : a.attempt > b.attempt;
  });
  if (mine.size() > n) mine.resize(n);
  return mine;
}

// --- the spreadsheet ---------------------------------------------------------

namespace {

constexpr const char* kHeader[] = {"bambino", "schermata", "esercizio", "chiesta", "domanda",
                                   "tentativo", "risposta", "esatta", "millisecondi", "esatta al primo tentativo"};
constexpr std::size_t kColumns = std::size(kHeader);
constexpr std::string_view kBom = "\xEF\xBB\xBF";

void field(std::string& out, std::string_view f) {
  if (f.find_first_of(";\"\r\n") == std::string_view::npos) {
    out += f;
    return;
  }
  out += '"';
  for (char c : f) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

const char* yesNo(bool b) { return b ? "sì" : "no"; }

// Splits the text into records of fields; quoted fields may hold ";", '"'
// (doubled) and line breaks. Each record keeps the line it starts on.
struct Record {
  int line;
  std::vector<std::string> fields;
};
std::vector<Record> records(std::string_view text, std::string& error) {
  std::vector<Record> out;
  Record r{1, {std::string()}};
  int line = 1;
  bool quoted = false, any = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        r.fields.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        if (c == '\n') ++line;
        r.fields.back() += c;
      }
    } else if (c == '"') {
      quoted = any = true;
    } else if (c == ';') {
      r.fields.emplace_back();
      any = true;
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      if (any || !r.fields.back().empty()) out.push_back(std::move(r));
      r = Record{++line, {std::string()}};
      any = false;
    } else {
      r.fields.back() += c;
    }
  }
  if (quoted) error = "riga " + std::to_string(r.line) + ": virgolette non chiuse";
  if (any || !r.fields.back().empty()) out.push_back(std::move(r));
  return out;
}

std::optional<int> number(const std::string& s) {
  int v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || v < 0) return std::nullopt;
  return v;
}

std::optional<bool> truth(const std::string& s) {
  if (s == "sì" || s == "si") return true;
  if (s == "no") return false;
  return std::nullopt;
}

std::string trimmed(std::string_view s) {
  const auto b = s.find_first_not_of(" \t\r");
  if (b == std::string_view::npos) return {};
  return std::string(s.substr(b, s.find_last_not_of(" \t\r") - b + 1));
}

}  // namespace

std::string toCsv(const std::vector<Row>& rows) {
  std::string out(kBom);
  for (std::size_t i = 0; i < kColumns; ++i) {
    if (i) out += ';';
    out += kHeader[i];
  }
  out += "\r\n";
  for (const Row& r : rows) {
    field(out, r.child);
    out += ';' + std::to_string(r.screen) + ';';
    field(out, r.menu);
    out += ';';
    field(out, r.asked);
    out += ';';
    field(out, r.shown);
    out += ';' + std::to_string(r.attempt) + ';';
    field(out, r.given);
    out += std::string(";") + yesNo(r.right) + ';' + std::to_string(r.ms) + ';' + yesNo(r.firstRight) + "\r\n";
  }
  return out;
}

Imported fromCsv(std::string_view text) {
  Imported in;
  if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
  const bool isExport = text.starts_with(kHeader[0] + std::string(";") + kHeader[1]);
  if (!isExport) {  // a class list: a first name a line
    std::size_t at = 0;
    while (at <= text.size()) {
      const std::size_t end = std::min(text.find('\n', at), text.size());
      if (std::string name = trimmed(text.substr(at, end - at)); !name.empty()) in.names.push_back(name);
      at = end + 1;
    }
    return in;
  }
  const auto all = records(text, in.error);
  for (std::size_t i = 1; i < all.size(); ++i) {
    const Record& rec = all[i];
    const auto& f = rec.fields;
    auto fail = [&](const std::string& what) {
      if (in.error.empty()) in.error = "riga " + std::to_string(rec.line) + ": " + what;
    };
    if (f.size() != kColumns) {
      fail(std::to_string(f.size()) + " campi invece di " + std::to_string(kColumns));
      continue;
    }
    const auto screen = number(f[1]), attempt = number(f[5]), ms = number(f[8]);
    const auto right = truth(f[7]), first = truth(f[9]);
    if (f[0].empty() || !screen || !attempt || !ms || !right || !first || f[3].size() < 10) {
      fail("valori non validi");
      continue;
    }
    in.rows.push_back({f[0], *screen, f[2], f[3], f[4], *attempt, f[6], *right, *ms, *first});
  }
  return in;
}

}  // namespace record
