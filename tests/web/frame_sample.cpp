// Catches the page's JavaScript and its C++ reading the boundary
// (src/web/boundary.h) differently, with frame_test.mjs, which runs it:
//   frame-sample           a known frame as the C++ writes it, and its values
//   frame-sample N,N,...   an input record the JavaScript wrote, as the C++ reads it
#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "boundary.h"
#include "canvas.h"

namespace {

std::string quoted(const std::string& s) {
  std::string out = "\"";
  for (char c : s) out += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
  return out + '"';
}

void numbers(std::ostream& out, const std::vector<double>& v) {
  out << '[';
  for (size_t i = 0; i < v.size(); ++i) {
    out << (i ? "," : "");
    if (std::isinf(v[i])) out << "1e999";
    else out << v[i];
  }
  out << ']';
}

}  // namespace

int main(int argc, char** argv) {
  std::cout << std::setprecision(17);
  if (argc == 2) {
    std::vector<double> record;
    std::stringstream in(argv[1]);
    for (std::string n; std::getline(in, n, ',');) record.push_back(std::atof(n.c_str()));
    record.resize(web::kInputSize);
    const auto r = web::readInput(record.data());
    if (!r) {
      std::cout << "null\n";
      return 0;
    }
    std::cout << "{\"event\":" << quoted(web::kEvents[int(r->event)]) << ",\"now\":" << r->now << ",\"x\":" << r->x
              << ",\"y\":" << r->y << ",\"width\":" << r->width << ",\"height\":" << r->height
              << ",\"button\":" << quoted(web::kButtons[int(r->button)]) << ",\"shift\":" << r->shift
              << ",\"ctrl\":" << r->ctrl << ",\"alt\":" << r->alt << ",\"touch\":" << r->touch
              << ",\"keypad\":" << r->keypad << ",\"repeat\":" << r->repeat << ",\"on\":" << r->on
              << ",\"character\":" << r->character << ",\"name\":" << quoted(r->name) << "}\n";
    return 0;
  }
  web::PageFrame f;
  f.ended = false;
  f.wake = 1234.5;
  f.factor = 1.25;
  f.left = 17;
  f.top = -3;
  f.width = 792;
  f.height = 573;
  f.margin = 0x181818;
  f.cursor = 9;
  f.hotX = 12;
  f.hotY = 1;
  f.keyboard = session::Keyboard::Letters;
  f.onFocusedBox = true;
  f.wholeScreen = true;
  f.caption = "vaxo - Aritmetica cl. I Però";
  f.toolTip = "ESCI \xF0\x9F\x98\x80";  // beyond the first plane: two code units
  f.sounds = {session::Chime{}, session::Say{"next_number", "SCRIVI IL NUMERO CHE VIENE DOPO"}, session::Hush{}};
  draw::Drawing drawing{draw::Text{10, 20, {}, 0xFFFFFF, "È", 30}};
  f.picture = web::encode(drawing, 792, 573);
  std::cout << "{\"buffer\":";
  numbers(std::cout, web::writeFrame(f));
  std::cout << ",\"frame\":{\"ended\":0,\"wake\":1234.5,\"factor\":1.25,\"left\":17,\"top\":-3,\"width\":792,"
               "\"height\":573,\"margin\":"
            << 0x181818
            << ",\"cursor\":9,\"hotX\":12,\"hotY\":1,\"keyboard\":\"letters\",\"onFocusedBox\":1,"
               "\"wholeScreen\":1,\"picture\":1,\"caption\":"
            << quoted(f.caption) << ",\"toolTip\":" << quoted(f.toolTip)
            << ",\"sounds\":[{\"kind\":\"chime\",\"key\":\"\",\"text\":\"\"},{\"kind\":\"say\",\"key\":\"next_number\","
               "\"text\":\"SCRIVI IL NUMERO CHE VIENE DOPO\"},{\"kind\":\"hush\",\"key\":\"\",\"text\":\"\"}],"
               "\"drawing\":";
  numbers(std::cout, *f.picture);
  std::cout << "}}\n";
  return 0;
}
