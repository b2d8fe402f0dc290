// The class record as the program holds it: the children of the class, each
// with a first name and a picture of their own, and one row for every answer
// judged on an exercise screen, with the question it answered. Plain values:
// the editions keep them (SQLite on the desktop, IndexedDB on the page) by
// the changes the program hands them, and give them back at start-up.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace record {

struct Child {
  std::string name;  // a first name, as the teacher wrote it
  int picture = 0;   // its portrait (portraits.h)
  bool operator==(const Child&) const = default;
};

// One answer judged, with its question.
struct Row {
  std::string child;
  int screen = 0;        // the exercise screen's number
  std::string menu;      // its entry in the menus ("Numero seguente entro 10")
  std::string asked;     // when the question was drawn, local time "2026-12-08 09:14:03.120"
  std::string shown;     // the question as drawn: the numbers on the board
  int attempt = 1;       // 1 for the first answer to the question
  std::string given;     // what was typed or dropped
  bool right = false;
  int ms = 0;            // from the question's drawing to this answer
  bool firstRight = false;  // right at the first attempt, counted under ESATTI
  bool operator==(const Row&) const = default;
  // Two rows of the same key are the same answer (kept twice, or imported
  // from another device that gathered it).
  std::string key() const;
};

// What an edition does to its store, each change in one transaction.
struct Change {
  enum class Kind {
    Row,          // keep `row`
    AddChild,     // keep `child`
    RenameChild,  // `name` becomes `child.name`, in the rows too
    RemoveChild,  // `name` and their rows are gone
    EraseAll,     // every child and every row
    Export,       // save `text` (CSV) as a file the teacher chooses, named `name`
    Import,       // let the teacher choose a file; its text comes back to the program
    TurnOn,       // the page keeps the record from now on (remembered by the browser)
    TurnOff,
  };
  Kind kind = Kind::Row;
  Row row;
  Child child;
  std::string name;
  std::string text;
};

// One cell of the teacher's table: a child's work on one screen.
struct Figures {
  int questions = 0;      // questions answered at least once
  int firstRight = 0;     // of them, right at the first attempt
  std::string lastDay;    // "2026-12-08"
  bool weak() const;      // practised, and under half right at the first attempt
};

class Book {
 public:
  const std::vector<Child>& children() const { return children_; }
  const std::vector<Row>& rows() const { return rows_; }
  const Child* child(std::string_view name) const;
  // The portrait no child has yet, the lowest first; nullopt when all are taken.
  std::optional<int> freePicture() const;

  // Each returns whether the book changed: a row already kept, a name
  // already in the class or a picture already taken is not added again.
  bool add(const Row& row);
  bool add(const Child& child);
  bool rename(std::string_view from, std::string_view to);
  bool remove(std::string_view name);
  void clear();

  Figures figures(std::string_view child, int screen) const;
  // The screens the child has answered on, in the order of their numbers.
  std::vector<int> screens(std::string_view child) const;
  // The child's last rows, newest first, at most n.
  std::vector<Row> last(std::string_view child, std::size_t n) const;

 private:
  void index();

  std::vector<Child> children_;
  std::vector<Row> rows_;
  std::unordered_set<std::string> keys_;  // of rows_
};

// The record as a spreadsheet: UTF-8, ";"-separated, a header line, fields
// quoted where they hold ";", '"' or a line break (Italian spreadsheets open
// it as it is).
std::string toCsv(const std::vector<Row>& rows);

// A file the teacher imports: another device's export (its header line
// first) or a class list (a first name a line). What cannot be read is said
// in `error`, with its line.
struct Imported {
  std::vector<Row> rows;
  std::vector<std::string> names;
  std::string error;
};
Imported fromCsv(std::string_view text);

}  // namespace record
