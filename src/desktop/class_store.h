// Where the desktop keeps the class record: the SQLite database
// registro.sqlite in a folder of its own. It gives the book back once, at
// start-up, and then writes the program's changes, each in one transaction,
// on a thread of its own, so that a key's repaint never waits for the disk.
// An answer is on the disk as soon as its transaction ends: a program killed
// or a plug pulled loses at most the answer being written.
//
// It never stops the drill: what it cannot do (a read-only folder, a full
// disk) it says once, in Italian, for the teacher's screen, and keeps the
// changes to try again with the next one; a damaged database is put aside
// under a dated name and a new one started. Two copies of the program may
// keep the same folder at once: a row kept twice is kept once.
//
// It knows neither the session nor Qt; what it is handed it writes.
#pragma once
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "record/book.h"

struct sqlite3;

namespace desktop {

class ClassStore {
 public:
  static constexpr const char* kFile = "registro.sqlite";
  // $XDG_DATA_HOME/aritmetica, or ~/.local/share/aritmetica.
  static std::string defaultFolder();

  ClassStore() = default;
  ~ClassStore();  // every change handed on is written (or failed) first
  ClassStore(const ClassStore&) = delete;
  ClassStore& operator=(const ClassStore&) = delete;

  // Opens the database in `folder` (made if need be), or starts one; the
  // book it holds, empty when none could be read.
  record::Book open(const std::string& folder);
  // The book of an existing database, for the export; nullopt with the
  // reason in `error` when there is none or it cannot be read.
  static std::optional<record::Book> read(const std::string& folder, std::string& error);

  // Rows and children; the other changes are not the store's.
  void apply(const record::Change& change);
  // Waits until every change applied so far has been written or has failed.
  void flush();
  // What went wrong since the last call, each trouble said once.
  std::vector<std::string> troubles();

 private:
  void connect(const std::string& folder);
  void run();
  bool write(const record::Change& change);
  void say(const std::string& trouble);

  sqlite3* db_ = nullptr;
  std::thread writer_;
  std::mutex mutex_;
  std::condition_variable wake_, done_;
  std::deque<record::Change> queue_;
  std::vector<record::Change> held_;  // failed, tried again before the next (writer's own)
  bool writing_ = false, stop_ = false;
  std::vector<std::string> said_, new_;
};

}  // namespace desktop
