#include "words.h"

namespace frame {

std::string_view wordOf(long long n) {
  static constexpr std::string_view kWords[21] = {
      "ZERO",   "UNO",      "DUE",        "TRE",     "QUATTRO",  "CINQUE",      "SEI",
      "SETTE",  "OTTO",     "NOVE",       "DIECI",   "UNDICI",   "DODICI",      "TREDICI",
      "QUATTORDICI", "QUINDICI", "SEDICI", "DICIASSETTE", "DICIOTTO", "DICIANNOVE", "VENTI",
  };
  return n >= 0 && n <= 20 ? kWords[n] : std::string_view();
}

void filterLetters(int& ch, std::string_view letters) {
  if (ch == 8) return;
  const int capital = (ch >= 'a' && ch <= 'z') ? ch - 32 : ch;
  if (capital >= 'A' && capital <= 'Z' && letters.find(static_cast<char>(capital)) != std::string_view::npos)
    ch = capital;
  else
    ch = 0;
}

void typeLetter(int& ch, std::string& box, std::string_view letters, std::string_view expected) {
  filterLetters(ch, letters);
  guardAnswer(box, std::string(expected), ch);
}

}  // namespace frame
