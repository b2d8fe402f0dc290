// Catches the record lost on the desktop's disk (a rename or removal missing at the
// next start, answers lost to a kill or to two copies at once), and an unwritable
// folder or damaged database stopping the program instead of being said once.
#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "desktop/class_store.h"

namespace {

namespace fs = std::filesystem;
using desktop::ClassStore;
using record::Change;

struct Folder : QTemporaryDir {
  const fs::path path{QTemporaryDir::path().toStdString()};
};

Change answer(const std::string& child, int question, int attempt = 1) {
  Change c{Change::Kind::Row};
  c.row = {child, 14, "Numero seguente entro 10", "2026-12-08 09:14:0" + std::to_string(question) + ".120",
           std::to_string(question), attempt, std::to_string(question + 1), true, 900, attempt == 1};
  return c;
}
Change child(const std::string& name, int picture) { return {Change::Kind::AddChild, {}, {name, picture}}; }

record::Book reopened(const fs::path& folder) {
  std::string error;
  const auto book = ClassStore::read(folder, error);
  EXPECT_TRUE(book) << error;
  return book ? *book : record::Book{};
}

TEST(ClassStore, TheChangesOfTwoCopiesAtOnceAreThereAtTheNextStart) {
  Folder f;
  {
    ClassStore a, b;
    a.open(f.path);
    b.open(f.path);
    for (const Change& c : {child("Anna", 0), child("Bruno", 1), answer("Anna", 1), answer("Anna", 1, 2)}) a.apply(c);
    for (const Change& c : {answer("Anna", 1), answer("Bruno", 1), answer("Anna", 2)}) b.apply(c);  // one kept twice
    a.flush();
    b.flush();
    a.apply({Change::Kind::RenameChild, {}, {"Carla", 0}, "Anna"});
    a.apply({Change::Kind::RemoveChild, {}, {}, "Bruno"});
    a.apply({Change::Kind::Export, {}, {}, "registro.csv", "not the store's"});
    EXPECT_TRUE(a.troubles().empty());
    EXPECT_TRUE(b.troubles().empty());
  }
  record::Book book = reopened(f.path);
  EXPECT_EQ(book.children(), (std::vector<record::Child>{{"Carla", 0}}));
  std::set<std::pair<std::string, int>> kept;  // the two copies' rows in any order
  for (const record::Row& r : book.rows()) {
    EXPECT_EQ(r.child, "Carla");
    kept.insert({r.asked, r.attempt});
  }
  EXPECT_EQ(kept, (std::set<std::pair<std::string, int>>{
                      {"2026-12-08 09:14:01.120", 1}, {"2026-12-08 09:14:01.120", 2}, {"2026-12-08 09:14:02.120", 1}}));
  {
    ClassStore s;
    EXPECT_EQ(s.open(f.path).rows().size(), 3u);
    s.apply({Change::Kind::EraseAll});
  }
  book = reopened(f.path);
  EXPECT_TRUE(book.children().empty());
  EXPECT_TRUE(book.rows().empty());
}

// The program killed while a child types: the answers written are there.
TEST(ClassStore, AProgramKilledKeepsTheAnswersWritten) {
  Folder f;
  const pid_t pid = fork();
  ASSERT_NE(pid, -1);
  if (pid == 0) {
    ClassStore s;
    s.open(f.path);
    for (const Change& c : {child("Anna", 0), answer("Anna", 1), answer("Anna", 2), answer("Anna", 3)}) s.apply(c);
    s.flush();
    s.apply(answer("Anna", 4));
    kill(getpid(), SIGKILL);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  const record::Book book = reopened(f.path);
  ASSERT_GE(book.rows().size(), 3u);
  EXPECT_EQ(book.rows()[2], answer("Anna", 3).row);
  ClassStore again;
  again.open(f.path);
  EXPECT_TRUE(again.troubles().empty());  // not taken for a damaged record
}

TEST(ClassStore, AFolderThatCannotBeWrittenAndADamagedRecordAreSaidOnce) {
  Folder f;
  std::ofstream(f.path / "file") << "x";
  {
    ClassStore s;  // the folder cannot even be made
    EXPECT_TRUE(s.open(f.path / "file" / "aritmetica").rows().empty());
    s.apply(answer("Anna", 1));
    s.flush();
    const auto said = s.troubles();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_TRUE(said[0].starts_with("Il registro non si può salvare")) << said[0];
  }
  {
    ClassStore s;
    s.open(f.path);
    s.apply(child("Anna", 0));
  }
  if (geteuid() != 0) {  // the superuser writes in any folder
    fs::permissions(f.path, fs::perms::owner_read | fs::perms::owner_exec);
    ClassStore s;
    EXPECT_EQ(s.open(f.path).children().size(), 1u);  // read all the same
    for (int q = 1; q <= 3; ++q) s.apply(answer("Anna", q));
    s.flush();
    EXPECT_EQ(s.troubles(), std::vector<std::string>{"Il registro non si può salvare: cartella di sola lettura"});
    fs::permissions(f.path, fs::perms::owner_all);
  }
  for (const char* tail : {"", "-wal", "-shm"}) fs::remove(f.path / (std::string(ClassStore::kFile) + tail));
  std::ofstream(f.path / ClassStore::kFile) << "not a database";
  ClassStore s;
  EXPECT_TRUE(s.open(f.path).children().empty());
  s.apply(answer("Anna", 1));
  s.flush();
  const auto said = s.troubles();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_NE(said[0].find("danneggiato"), std::string::npos) << said[0];
  int aside = 0;
  for (const auto& e : fs::directory_iterator(f.path))
    if (e.path().filename().string().starts_with("registro-danneggiato-20")) {
      ++aside;
      std::ifstream in(e.path());
      EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "not a database");
    }
  EXPECT_EQ(aside, 1);
  EXPECT_EQ(reopened(f.path).rows().size(), 1u);  // the new record keeps answers
}

}  // namespace
