// The exercise frame: what every exercise screen shares, as small steps that
// a screen calls in the order its exercise gives. A screen names its frame
// controls (they differ from screen to screen) in a FrameControls row; the
// frame knows nothing of what is asked or how it is shown.
#pragma once
#include <cmath>
#include <initializer_list>
#include <string>

#include "answer.h"
#include "score.h"
#include "shell/program.h"
#include "shell/screen.h"

namespace frame {

constexpr int kMenu10 = 2;
constexpr int kMenu20 = 24;
constexpr int kMainMenu = 5;

struct FrameControls {
  int menu = kMenu10;  // the screen the menu return label opens
  std::string newQuestion = "Label9";
  std::string exit = "Label10";
  std::string mainMenuReturn = "Label14";
  std::string menuReturn = "Label15";
  std::string answer = "Text1";
  std::string rightDisplay = "Label4";
  std::string questionDisplay = "Label8";
  std::string neutral = "Image1", happy = "Image2", sad = "Image3";
};

enum class Face { Neutral, Happy, Sad };

class Exercise : public shell::Screen {
 public:
  Exercise(shell::Program& p, int number, shell::Design design, FrameControls frame);

  Score score;

  // What the class record keeps of the question on the board, of the answer
  // just judged, and how many answers ESATTI counts now. A screen whose
  // question or answer is not in its captions and answer box says it here.
  virtual std::string question();
  virtual std::string given();
  virtual int rightCount() const { return score.right; }

 protected:
  const FrameControls& names() const { return frame_; }
  // The named controls that are visible, as the child reads them, row by
  // row and left to right: a label's caption, "_" for a text box (the
  // class record's question).
  std::string onBoard(std::initializer_list<const char*> controls);
  // The named text boxes' texts, "_" for an empty one (the class record's
  // answer of a screen with several boxes).
  std::string typed(std::initializer_list<const char*> boxes);
  shell::Control& answerBox() { return (*this)(frame_.answer); }

  // Load: the answer box is disabled until the first question.
  void disableAnswer() { answerBox().enabled = false; }
  // New question, steps 1 to 6: answer box on, new-question label off,
  // question counted and shown, box emptied, tries zeroed, neutral face.
  void startQuestion();
  // Reseeds the generator from the clock; then draw() gives K + floor(Next x N).
  void reseed() { platform().reseed(); }
  long long draw(int n, int k = 0) {
    return k + static_cast<long long>(std::floor(platform().next() * n));
  }
  void enableNewQuestion() { (*this)(frame_.newQuestion).enabled = true; }
  void showQuestionCount() { (*this)(frame_.questionDisplay).caption = shell::text(score.questions); }

  // The answer box's KeyPress: digits and Backspace only, then the guard.
  void digitKeyPress(int& ch, const std::string& expected);
  // The answer box's KeyUp: per-key or full-length judging of the box
  // against the expected answer. Returns what was judged.
  Verdict judgeDigitKey(int keyCode, const std::string& expected, bool fullLength);

  // Shows one face and hides the other two; a happy or sad face is an
  // answer judged, unless it only helps (a box of a line judged as typed).
  void showFace(Face f, bool answer = true);
  // An answer judged without a face (the class record's row).
  void judgedWithoutFace(bool right);
  // A right answer: happy face, counted and shown at the first attempt.
  void right();
  // A wrong answer: sad face and the beep.
  void wrong();
  // Return labels: zero the score, show the target, unload this screen.
  void leave(int target);

 private:
  FrameControls frame_;
};

}  // namespace frame
