#include "class_store.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <utility>

namespace desktop {

namespace fs = std::filesystem;

namespace {

constexpr int kSchema = 1;          // PRAGMA user_version of these tables
constexpr int kWaitForOtherMs = 5000;  // another copy of the program writing

constexpr const char* kTables = R"(
  CREATE TABLE IF NOT EXISTS children(name TEXT PRIMARY KEY, picture INTEGER NOT NULL, added TEXT);
  CREATE TABLE IF NOT EXISTS answers(child TEXT NOT NULL, screen INTEGER NOT NULL, menu TEXT NOT NULL,
    asked TEXT NOT NULL, shown TEXT NOT NULL, attempt INTEGER NOT NULL, given TEXT NOT NULL,
    "right" INTEGER NOT NULL, ms INTEGER NOT NULL, first_right INTEGER NOT NULL,
    UNIQUE(child, screen, asked, attempt));
  PRAGMA user_version = 1;)";

std::string cannotSave(const std::string& why) { return "Il registro non si può salvare: " + why; }

// What the teacher is told of an SQLite or system error.
std::string reason(int code) {
  switch (code & 0xff) {
    case SQLITE_FULL: return "disco pieno";
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM: return "cartella di sola lettura";
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return "il registro è occupato da un'altra copia del programma";
    case SQLITE_IOERR: return "errore del disco";
    default: return sqlite3_errstr(code);
  }
}

std::string today() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  char day[16];
  std::strftime(day, sizeof day, "%Y-%m-%d", &local);
  return day;
}

// One statement, its values bound in order.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) { code_ = sqlite3_prepare_v2(db, sql, -1, &s_, nullptr); }
  ~Statement() { sqlite3_finalize(s_); }
  Statement(const Statement&) = delete;
  Statement& bind(const std::string& v) {
    return check(sqlite3_bind_text(s_, ++n_, v.data(), int(v.size()), SQLITE_TRANSIENT));
  }
  Statement& bind(int v) { return check(sqlite3_bind_int(s_, ++n_, v)); }
  // SQLITE_OK when done; otherwise the error.
  int run() {
    if (code_ != SQLITE_OK) return code_;
    const int rc = sqlite3_step(s_);
    return rc == SQLITE_DONE || rc == SQLITE_ROW ? SQLITE_OK : rc;
  }
  int step() { return code_ == SQLITE_OK ? sqlite3_step(s_) : code_; }
  bool row() { return step() == SQLITE_ROW; }
  std::string text(int i) const {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s_, i));
    return t ? t : "";
  }
  int number(int i) const { return sqlite3_column_int(s_, i); }
  int code() const { return code_; }

 private:
  Statement& check(int rc) {
    if (code_ == SQLITE_OK) code_ = rc;
    return *this;
  }
  sqlite3_stmt* s_ = nullptr;
  int code_ = SQLITE_OK;
  int n_ = 0;
};

int exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

// Whether the file is an SQLite database whose pages are sound: SQLITE_OK,
// SQLITE_CORRUPT when it is not, or what kept it from being looked at.
int check(sqlite3* db) {
  Statement check(db, "PRAGMA quick_check");
  const int rc = check.step();
  if (rc == SQLITE_ROW) return check.text(0) == "ok" ? SQLITE_OK : SQLITE_CORRUPT;
  return (rc & 0xff) == SQLITE_NOTADB || (rc & 0xff) == SQLITE_CORRUPT ? SQLITE_CORRUPT : rc;
}

record::Book readBook(sqlite3* db) {
  record::Book book;
  Statement children(db, "SELECT name, picture FROM children ORDER BY rowid");
  while (children.row()) book.add(record::Child{children.text(0), children.number(1)});
  Statement answers(db,
                    R"(SELECT child, screen, menu, asked, shown, attempt, given, "right", ms, first_right
                       FROM answers ORDER BY rowid)");
  while (answers.row()) {
    record::Row r;
    r.child = answers.text(0);
    r.screen = answers.number(1);
    r.menu = answers.text(2);
    r.asked = answers.text(3);
    r.shown = answers.text(4);
    r.attempt = answers.number(5);
    r.given = answers.text(6);
    r.right = answers.number(7) != 0;
    r.ms = answers.number(8);
    r.firstRight = answers.number(9) != 0;
    book.add(r);
  }
  return book;
}

sqlite3* openFile(const std::string& path, int flags) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    return nullptr;
  }
  sqlite3_busy_timeout(db, kWaitForOtherMs);
  return db;
}

// The database read as it is on the disk, where nothing may be written
// beside it (a read-only folder).
sqlite3* openAsItIs(const std::string& path) {
  return openFile("file:" + path + "?immutable=1", SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
}

}  // namespace

std::string ClassStore::defaultFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && *data == '/') return (fs::path(data) / "aritmetica").string();
  const char* home = std::getenv("HOME");
  return (fs::path(home ? home : ".") / ".local" / "share" / "aritmetica").string();
}

ClassStore::~ClassStore() {
  if (writer_.joinable()) {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_one();
    writer_.join();
  }
  sqlite3_close(db_);
}

record::Book ClassStore::open(const std::string& folder) {
  connect(folder);
  record::Book book;
  const std::string path = (fs::path(folder) / kFile).string();
  if (db_) {
    book = readBook(db_);
  } else if (sqlite3* db = fs::exists(path) ? openAsItIs(path) : nullptr) {
    book = readBook(db);  // the record so far, though nothing more can be kept
    sqlite3_close(db);
  }
  writer_ = std::thread([this] { run(); });
  return book;
}

void ClassStore::connect(const std::string& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) {
    say(cannotSave(error.value() == EACCES || error.value() == EROFS || error.value() == EPERM
                       ? "cartella di sola lettura"
                       : error.value() == ENOSPC ? "disco pieno" : "cartella " + folder + " non accessibile"));
    return;
  }
  const std::string path = (fs::path(folder) / kFile).string();
  for (int attempt = 0; attempt < 2 && !db_; ++attempt) {
    db_ = openFile(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!db_) {
      say(cannotSave("cartella di sola lettura"));
      return;
    }
    const int found = check(db_);
    if (found != SQLITE_OK && found != SQLITE_CORRUPT) {  // there, but nothing may be written beside it
      say(cannotSave(reason(found)));
      sqlite3_close(db_);
      db_ = nullptr;
      return;
    }
    if (attempt == 0 && found == SQLITE_CORRUPT) {
      // Put aside, with its journal, for whoever wants to look at it.
      sqlite3_close(db_);
      db_ = nullptr;
      const std::string aside = "registro-danneggiato-" + today() + ".sqlite";
      std::string name = aside;
      for (int n = 2; fs::exists(fs::path(folder) / name); ++n)
        name = aside.substr(0, aside.size() - 7) + "-" + std::to_string(n) + ".sqlite";
      for (const char* tail : {"", "-wal", "-shm"})
        if (fs::exists(path + tail)) fs::rename(path + tail, (fs::path(folder) / name).string() + tail, error);
      if (error) {
        say(cannotSave("il registro è danneggiato e non si può mettere da parte"));
        return;
      }
      say("Il registro era danneggiato: messo da parte come " + name + ", ne comincia uno nuovo");
      continue;
    }
    int rc = exec(db_, "PRAGMA journal_mode = WAL");
    if (rc == SQLITE_OK) rc = exec(db_, "PRAGMA synchronous = FULL");
    Statement version(db_, "PRAGMA user_version");
    if (rc == SQLITE_OK && version.row() && version.number(0) < kSchema) rc = exec(db_, kTables);
    if (rc != SQLITE_OK) {
      say(cannotSave(reason(rc)));
      sqlite3_close(db_);
      db_ = nullptr;
      return;
    }
  }
}

std::optional<record::Book> ClassStore::read(const std::string& folder, std::string& error) {
  const std::string path = (fs::path(folder) / kFile).string();
  if (!fs::exists(path)) {
    error = "no class record in " + folder;
    return std::nullopt;
  }
  sqlite3* db = openFile(path, SQLITE_OPEN_READWRITE);  // a journal left by a program killed is played back
  if (db && check(db) != SQLITE_OK) {
    sqlite3_close(db);
    db = nullptr;
  }
  if (!db) db = openAsItIs(path);
  if (!db || check(db) != SQLITE_OK) {
    error = path + " is not a class record that can be read";
    sqlite3_close(db);
    return std::nullopt;
  }
  record::Book book = readBook(db);
  sqlite3_close(db);
  return book;
}

void ClassStore::apply(const record::Change& change) {
  using K = record::Change::Kind;
  if (change.kind != K::Row && change.kind != K::AddChild && change.kind != K::RenameChild &&
      change.kind != K::RemoveChild && change.kind != K::EraseAll)
    return;
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(change);
  }
  wake_.notify_one();
}

void ClassStore::flush() {
  std::unique_lock lock(mutex_);
  done_.wait(lock, [&] { return (queue_.empty() && !writing_) || !writer_.joinable(); });
}

std::vector<std::string> ClassStore::troubles() {
  std::lock_guard lock(mutex_);
  return std::exchange(new_, {});
}

void ClassStore::say(const std::string& trouble) {
  std::lock_guard lock(mutex_);
  for (const std::string& s : said_)
    if (s == trouble) return;
  said_.push_back(trouble);
  new_.push_back(trouble);
}

void ClassStore::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [&] { return stop_ || !queue_.empty(); });
    if (queue_.empty()) break;  // stopped, and everything written
    record::Change change = std::move(queue_.front());
    queue_.pop_front();
    writing_ = true;
    lock.unlock();
    if (db_) {
      held_.push_back(std::move(change));
      std::size_t kept = 0;
      while (kept < held_.size() && write(held_[kept])) ++kept;
      held_.erase(held_.begin(), held_.begin() + long(kept));
    }
    lock.lock();
    writing_ = false;
    done_.notify_all();
  }
  done_.notify_all();
}

bool ClassStore::write(const record::Change& c) {
  using K = record::Change::Kind;
  int rc = exec(db_, "BEGIN IMMEDIATE");
  auto then = [&](Statement& s) {
    if (rc == SQLITE_OK) rc = s.run();
  };
  if (c.kind == K::Row) {
    const record::Row& r = c.row;
    then(Statement(db_, "INSERT OR IGNORE INTO answers VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                       .bind(r.child).bind(r.screen).bind(r.menu).bind(r.asked).bind(r.shown)
                       .bind(r.attempt).bind(r.given).bind(int(r.right)).bind(r.ms).bind(int(r.firstRight)));
  } else if (c.kind == K::AddChild) {
    then(Statement(db_, "INSERT OR IGNORE INTO children VALUES (?, ?, "
                                  "strftime('%Y-%m-%d %H:%M:%f', 'now', 'localtime'))")
                       .bind(c.child.name).bind(c.child.picture));
  } else if (c.kind == K::RenameChild) {
    then(Statement(db_, "UPDATE children SET name = ? WHERE name = ?").bind(c.child.name).bind(c.name));
    then(Statement(db_, "UPDATE OR IGNORE answers SET child = ? WHERE child = ?").bind(c.child.name).bind(c.name));
    then(Statement(db_, "DELETE FROM answers WHERE child = ?").bind(c.name));  // kept already under the new name
  } else if (c.kind == K::RemoveChild) {
    then(Statement(db_, "DELETE FROM children WHERE name = ?").bind(c.name));
    then(Statement(db_, "DELETE FROM answers WHERE child = ?").bind(c.name));
  } else if (c.kind == K::EraseAll) {
    if (rc == SQLITE_OK) rc = exec(db_, "DELETE FROM children; DELETE FROM answers");
  }
  if (rc == SQLITE_OK) rc = exec(db_, "COMMIT");
  if (rc == SQLITE_OK) return true;
  exec(db_, "ROLLBACK");
  say(cannotSave(reason(rc)));
  return false;
}

}  // namespace desktop
