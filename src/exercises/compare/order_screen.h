// The screens that show ten different numbers in a row and have the child
// click them in ascending or descending order. Each click moves a number down
// into the tray, to the next free place from the left; "CONFERMA" judges the
// tray as it stands, "RICOMINCIA" puts the numbers back for another try.
// What a screen draws, which order it wants and its few design differences
// are data in the screen's own file.
#pragma once
#include <array>

#include "frame/exercise.h"

namespace compare {

struct OrderScreen {
  int number;
  std::string caption;
  double height;
  std::string title;        // Label13
  bool within20;            // return labels' captions and menu
  bool ascending;
  int drawCount;            // each number is floor(Next x drawCount)
  bool framedNumbers;       // thin border round the number labels
  bool hideInstruction;     // "CLICCA IN ORDINE SUI NUMERI" hidden at each confirmation
  std::string rightDisplay; // Label20's design caption
  double rightDisplayLeft;
};

class OrderNumbers : public frame::Exercise {
 public:
  static constexpr int kSlots = 10;

  OrderNumbers(shell::Program& p, const OrderScreen& s);

  // The class record: the ten numbers as drawn, left to right, and the
  // order of those placed in the tray.
  std::string question() override;
  std::string given() override;

 private:
  void newQuestion();
  void place(int slot);
  void confirm();
  void restart();
  void leaveTo(int target);

  // Tray and click counters zeroed, every number back at its home place.
  void emptyTray();
  void drawNumbers();
  void rankNumbers();
  long long wantedAt(int place) const;
  shell::Control& slot(int i) { return (*this)(slotNames_[i]); }

  const OrderScreen& s_;
  std::array<std::string, kSlots> slotNames_;
  std::array<long long, kSlots> numbers_{};  // the number of each slot
  std::array<long long, kSlots> ranked_{};   // index r: the number with r numbers above it
  std::array<std::int16_t, kSlots> clicks_{};
  std::int16_t inTray_ = 0;
  std::int16_t inPlace_ = 0;
  std::int16_t wrongAnswers_ = 0;  // counted, never shown
};

}  // namespace compare
