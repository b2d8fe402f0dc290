// The screens that show two numbers side by side and let the child click the
// sign that holds between them: "<", "=" or ">". There is no answer box: the
// answer is a click on a sign label, and only the first click of a question
// is judged. What a screen draws, how it shows the numbers and how it starts
// its count again at the 99th question is data in the screen's own file.
#pragma once
#include "frame/exercise.h"

namespace compare {

// What the 99th question does to the score line.
enum class Restart {
  AtOne,   // counts as question 1, zeroes the right answers, empties the displays
  AtZero,  // counts as question 0, zeroes the right answers, leaves the displays
};

struct CompareScreen {
  int number;
  std::string caption;
  double height;
  bool within20;           // return labels' captions and menu
  double numberWidth;      // Label3 and Label4
  double leftNumberLeft, rightNumberLeft;
  shell::Colour numberText;
  bool coloured;           // numbers in their rod colours
  int drawCount, drawFrom; // each number is drawFrom + floor(Next x drawCount)
  Restart restart;
  std::string rightDisplay;  // Label12's design caption
  double esattiLeft;         // Label10
  double exitLeft;           // Label2
};

class CompareNumbers : public frame::Exercise {
 public:
  CompareNumbers(shell::Program& p, const CompareScreen& s);

  // The class record: "4 _ 7", and the sign clicked.
  std::string question() override { return (*this)("Label3").caption + " _ " + (*this)("Label4").caption; }
  std::string given() override { return chosen_; }

 private:
  enum class Sign { Less, Equal, Greater };

  void newQuestion();
  void answer(Sign sign, const char* label);
  bool holds(Sign sign) const;

  const CompareScreen& s_;
  long long a_ = 0, b_ = 0;  // the left and the right number
  std::string chosen_;       // the sign clicked, as written
};

}  // namespace compare
