#include "teacher_table.h"

#include <algorithm>
#include <set>

namespace record {

TablePage tablePage(const Book& book, int page, int columns, int rows) {
  std::set<int> practised;
  for (const Child& c : book.children())
    for (int s : book.screens(c.name)) practised.insert(s);
  const std::vector<int> screens(practised.begin(), practised.end());
  const auto& kids = book.children();
  auto pagesOf = [](std::size_t n, int per) { return std::max(1, static_cast<int>((n + per - 1) / per)); };
  const int rowPages = pagesOf(screens.size(), rows), columnPages = pagesOf(kids.size(), columns);
  TablePage out;
  out.pages = rowPages * columnPages;
  page = std::clamp(page, 0, out.pages - 1);
  const std::size_t firstRow = static_cast<std::size_t>(page % rowPages) * rows;
  const std::size_t firstColumn = static_cast<std::size_t>(page / rowPages) * columns;
  for (std::size_t i = firstRow; i < screens.size() && i < firstRow + rows; ++i) out.screens.push_back(screens[i]);
  for (std::size_t i = firstColumn; i < kids.size() && i < firstColumn + columns; ++i)
    out.children.push_back(kids[i].name);
  return out;
}

std::string cellText(const Figures& f) {
  if (f.questions == 0) return "";
  const int share = (f.firstRight * 100 + f.questions / 2) / f.questions;
  const std::string day = f.lastDay.size() >= 10 ? f.lastDay.substr(8, 2) + "/" + f.lastDay.substr(5, 2) : f.lastDay;
  return std::to_string(f.questions) + "   " + std::to_string(share) + "%   " + day;
}

}  // namespace record
