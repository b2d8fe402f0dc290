// The class record at work: while the teacher keeps it, the program asks
// who is playing ("Chi sei?"), puts the child's picture in a corner of every
// screen, and turns what the exercise screens draw and judge into rows of
// the book. It hands every change to the edition, which keeps it (SQLite,
// IndexedDB); it reads and writes nothing itself.
//
// It sees the screens only as they stand after each input: the question is
// what the board shows once it is drawn, the answer what was typed or
// dropped when the face changed, and a right answer counts at the first
// attempt when the screen's ESATTI went up with it.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "book.h"
#include "shell/program.h"

namespace record {

// "Chi sei?" and the teacher's screen.
constexpr int kChooser = 44;
constexpr int kTeacher = 45;

class Class : public shell::Program::Extension {
 public:
  // The wall clock: `epochMs` is the local time (milliseconds since 1970 in
  // the device's time zone) at the session's time 0.
  struct Clock {
    double epochMs = 0;
  };

  bool on() const { return on_; }
  // The record kept from now on, starting from what the store held; the
  // page's store may say it keeps nothing (a file opened from a stick).
  void open(Book book, Clock clock);
  void close();  // the record off: the program as always (the page's setting)
  const Book& book() const { return book_; }

  // The edition that can turn the record on and off from the teacher's
  // screen (the page, by its setting); the desktop keeps it by --classe.
  void setTurnable(bool turnable) { turnable_ = turnable; }
  bool turnable() const { return turnable_; }

  // The program it serves, and the session's time of the input being run.
  void attach(shell::Program& program) {
    program_ = &program;
    noted_ = nullptr;
  }
  // Told when the import's note or the troubles change: the teacher's
  // screen of the program attached shows them again.
  void onNote(std::function<void()> noted) { noted_ = std::move(noted); }
  void at(double now) { now_ = now; }

  // Who is playing: a child of the class, or the guest (nullopt), who is
  // not recorded.
  void choose(std::optional<std::string> child);
  const std::optional<std::string>& child() const { return child_; }

  // The teacher's work; each change is handed on (changes()).
  bool addChild(const std::string& name, int picture);
  bool renameChild(const std::string& from, const std::string& to);
  bool removeChild(const std::string& name);
  void eraseAll();
  void exportCsv();   // asks the edition to save toCsv of every row
  void askImport();   // asks the edition for a file; its text comes to imported()
  // Merges another device's export or a class list; what came in, or what
  // could not be read, is the import's note.
  void imported(const std::string& text);
  const std::string& importNote() const { return importNote_; }
  void turn(bool on);  // the page's setting, remembered by the browser

  // What the store could not do ("Registro non salvato: disco pieno"), said
  // on the teacher's screen.
  void trouble(std::string message) {
    troubles_.push_back(std::move(message));
    if (noted_) noted_();
  }
  const std::vector<std::string>& troubles() const { return troubles_; }

  // The changes since the last call, in order.
  std::vector<Change> changes();

  // The local time of the session's `now`: "2026-12-08 09:14:03.120".
  std::string stamp(double now) const;
  // The screen's entry in the menus ("Addizioni in riga entro 10").
  static std::string menuName(shell::Program& program, int screen);

  // shell::Program::Extension
  int afterTitle() override;
  std::optional<shell::Control> badge(const shell::Screen& s) override;
  void badgeClicked(shell::Screen& s) override;
  void judged(shell::Screen& s, bool right) override;
  void handled() override;

 private:
  struct Question {
    int screen = 0;
    unsigned drawn = 0;  // the screen's count of questions drawn
    double at = 0;
    Row row;             // its fields so far; attempt: of the next answer
  };
  void watch(shell::Screen& s);
  void keep(Row row);

  bool on_ = false;
  bool turnable_ = false;
  Book book_;
  Clock clock_;
  double now_ = 0;
  std::optional<std::string> child_;
  std::optional<Question> question_;
  std::vector<Row> judged_;  // this input's answers, kept once it has run
  int rightBefore_ = 0;      // the screen's ESATTI when this input began
  std::optional<Row> last_;  // the last answer kept
  bool answerChanged_ = false;  // the screen's answer differs from it since
  shell::Program* program_ = nullptr;
  std::vector<Change> changes_;
  std::vector<std::string> troubles_;
  std::string importNote_;
  std::function<void()> noted_;
};

}  // namespace record
