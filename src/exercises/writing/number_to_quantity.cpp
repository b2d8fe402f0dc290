// "Dal numero in lettere e in cifre alla quantità" (Form4): a number from 1
// to 9 is shown in digits and in words, and the child draws that many units
// in the white square, a left click adding one and a right click taking one
// away, then clicks "CONFERMA UNITÀ".
#include "frame/colours.h"
#include "frame/exercise.h"
#include "frame/words.h"
#include "layout.h"
#include "shell/program.h"

namespace writing {
namespace {

using namespace shell;

constexpr int kUnits = 9;

// The drawing square; only a press strictly inside it draws.
constexpr double kSquareLeft = 8880, kSquareTop = 1920, kSquareSide = 2655;

bool insideSquare(double x, double y) {
  return x > kSquareLeft && x < kSquareLeft + kSquareSide && y > kSquareTop && y < kSquareTop + kSquareSide;
}

Design form4Design() {
  std::vector<Control> c{
      fixedText("Label1",
                "CON UN CLICK DEL MOUSE DISEGNA NEL QUADRATO BIANCO TANTE UNITÀ QUANTE INDICATE DAL NUMERO "
                "IN CIFRE E IN LETTERE  ( usa il tasto destro per cancellare )",
                18.75, 240, 360, 11415, 1455)
          .centred(),
      label("Label6", 360, 2400, 1815, 1695).withFont(72).back(0xC0E0FF).centred(),
      label("Label7", 2400, 2640, 5295, 1335).withFont(48).back(0xC0E0FF).centred(),
  };
  for (int i = 0; i < kUnits; ++i)
    c.push_back(shape("Shape" + std::to_string(i + 1), 1, 9000 + 840 * (i % 3), 2040 + 840 * (i / 3), 735, 735)
                    .fill(kWhite));
  c.push_back(shape("Shape10", 0, kSquareLeft, kSquareTop, kSquareSide, kSquareSide).border(kWhite, 2));
  c.push_back(fixedText("Label4", "CONFERMA UNITÀ", 14.25, 9000, 4680, 2415, 735).centred().hand());
  auto score = scoreLine({.esatti = {"Label10", 600, 5640}, .right = {"Label12", 2040, 5400},
                          .spare = {"Label13", 1680, 6000}, .su = {"Label20", 3000, 5520},
                          .question = {"Label22", 3720, 5400}, .rightCaption = "0"});
  c.insert(c.end(), score.begin(), score.end());
  c.push_back(label("Label8", 9120, 5040, 1815, 495));
  c.push_back(label("Label9", 9120, 6000, 1815, 495));
  auto f = faces(9600, 5760, FrontFace::Neutral);
  c.insert(c.end(), f.begin(), f.end());
  c.push_back(hotspot("Label2", 480, 7680, 1095, 855, "DAMMI LE UNITÀ"));
  c.push_back(hotspot("Label3", 1800, 7680, 615, 855, "ESCI"));
  c.push_back(mainMenuLabel("Label14", 3720, 7320));
  c.push_back(menuLabel("Label15", false, 7680, 7320));
  c.push_back(footer("Label5", 2640, 8040, 8895, 375));
  return {"vaxo - Aritmetica  cl. I    Dal numero in lettere e in cifre alla quantità", 8430, kNoColour, c, "Label1"};
}

const frame::FrameControls kForm4Frame{
    .menu = frame::kMenu10, .newQuestion = "Label2", .exit = "Label3",
    .mainMenuReturn = "Label14", .menuReturn = "Label15",
    .answer = "Label4", .rightDisplay = "Label12", .questionDisplay = "Label22"};

class NumberToQuantity : public frame::Exercise {
 public:
  explicit NumberToQuantity(Program& p) : Exercise(p, 4, form4Design(), kForm4Frame) {
    onLoad([this] {
      (*this)("Label4").enabled = false;
      showUnits(0);  // the count itself is kept for the next visit
      for (auto face : {"Image1", "Image2", "Image3"}) (*this)(face).visible = false;
    });
    onClick("Label2", [this] { newQuestion(); });
    onMouseDown("", [this](Button b, int, double x, double y) { drawUnit(b, x, y); });
    onClick("Label4", [this] { confirm(); });
  }

 private:
  std::string given() override { return text(units_); }  // the units drawn

  void showUnits(int count) {
    for (int i = 1; i <= kUnits; ++i) (*this)("Shape" + std::to_string(i)).visible = i <= count;
  }

  void newQuestion() {
    (*this)("Label2").enabled = false;
    (*this)("Label4").enabled = false;
    score.tries = 0;
    score.countQuestion();
    showQuestionCount();
    units_ = 0;
    showUnits(0);
    // The happy and sad faces stay as they were, behind the neutral one.
    (*this)("Image1").visible = true;
    reseed();
    n_ = draw(9, 1);
    for (auto [box, shown] : {std::pair{"Label6", text(n_)}, std::pair{"Label7", std::string(frame::wordOf(n_))}}) {
      (*this)(box).caption = shown;
      frame::colour((*this)(box), n_);
    }
  }

  void drawUnit(Button b, double x, double y) {
    if (!insideSquare(x, y)) return;
    // Before the first question the units can be drawn but not confirmed.
    if (!(*this)("Label6").caption.empty() && !(*this)("Label7").caption.empty())
      (*this)("Label4").enabled = true;
    if (b == Button::Left) units_ = frame::add16(units_, 1);
    if (b == Button::Right) units_ = frame::add16(units_, -1);
    if (units_ > kUnits || units_ < 1) units_ = 0;
    showUnits(units_);
  }

  void confirm() {
    (*this)("Label4").enabled = false;
    enableNewQuestion();
    showQuestionCount();
    score.countTry();
    if (units_ != n_) {
      wrong();
      return;
    }
    showFace(frame::Face::Happy);
    if (score.firstTry()) score.countRight();
    (*this)("Label12").caption = text(score.right);
  }

  std::int16_t units_ = 0;
  long long n_ = 0;
};

SCREEN(4, NumberToQuantity);

}  // namespace
}  // namespace writing
