// The pages of the teacher's table: each shows a few children (columns) and
// the exercises practised by anyone of the class (rows, in the order of
// their screens). The pages go down the exercises for the first children,
// then on to the next children. Plain values from the book; the screen
// puts them in its slots.
#pragma once
#include <string>
#include <vector>

#include "book.h"

namespace record {

struct TablePage {
  std::vector<int> screens;
  std::vector<std::string> children;
  int pages = 1;  // of the whole table; at least one, also when empty
};

// The page `page` (0 is the first; past the last: the last one).
TablePage tablePage(const Book& book, int page, int columns, int rows);

// A cell as the teacher reads it: "12   75%   08/12" (questions, share right
// at the first attempt, last day); empty when the child has not practised.
std::string cellText(const Figures& f);

}  // namespace record
