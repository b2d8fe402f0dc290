// "Chi sei?": while the class record is kept, the child finds their own
// picture among the class's and clicks it (or their name, written under it
// for the teacher); whoever is not in the class plays as the guest,
// unrecorded. Then the main menu. Resting on or holding a picture says what
// it shows ("IL GATTO"), so that a child who cannot read yet finds theirs.
//
// The design has room for the largest class; Load shows as many pictures
// as the class has children, in the class's order, and lays them out in
// rows centred on the board. It does not keep the class: the record does.
#include <algorithm>
#include <string>

#include "klass.h"
#include "portraits.h"
#include "shell/program.h"

namespace record {
namespace {

using shell::Control;

constexpr int kMostChildren = kPortraitCount;
constexpr int kMainMenu = 5;
constexpr int kTitle = 1;

// Where the pictures go: the board below the question, clear of the chalk
// and the sponge on the ledge.
constexpr double kGridLeft = 400, kGridRight = 11400, kGridTop = 1300, kGridBottom = 7500;
constexpr int kMostColumns = 9;
constexpr double kGap = 260;           // between two pictures of a row
constexpr double kNameHeight = 330;    // the name's line under its picture
constexpr double kLargestSide = 1440;  // a picture's side with one row

std::string pictureName(int i) { return "Bambino" + std::to_string(i); }
std::string nameName(int i) { return "Nome" + std::to_string(i); }

Control picture(std::string name) { return shell::image(std::move(name), shell::Picture::None, 0, 0, 0, 0).hand().hidden(); }
Control nameLabel(std::string name) {
  return shell::label(std::move(name), 0, 0, 0, kNameHeight).withFont(12).centred().hand().hidden();
}

shell::Design chooserDesign() {
  std::vector<Control> controls = {
      shell::label("Domanda", 240, 300, 11415, 855).withCaption("CHI SEI?").withFont(27.75).centred(),
      shell::label("Avviso", 1200, 5400, 9480, 375)
          .withCaption("Nessun bambino: aggiungili dalla schermata dell'insegnante").withFont(12).centred().hidden(),
  };
  for (int i = 1; i <= kMostChildren; ++i) controls.push_back(picture(pictureName(i)));
  for (int i = 1; i <= kMostChildren; ++i) controls.push_back(nameLabel(nameName(i)));
  controls.push_back(shell::image("Ospite", shell::Picture::Guest, 0, 0, 0, 0).hand().tip("ospite").says("OSPITE"));
  controls.push_back(shell::label("NomeOspite", 0, 0, 0, kNameHeight).withCaption("ospite").withFont(12).centred()
                         .hand().tip("ospite").says("OSPITE"));
  controls.push_back(
      shell::image("Indietro", shell::Picture::ArrowBack, 10680, 7740, 720, 540).hand().tip("PAGINA INIZIALE"));
  controls.push_back(shell::hotspot("Spugna", 1800, 7800, 615, 690, "ESCI"));
  return {"vaxo - Aritmetica cl. I  Chi sei?", 8595, shell::kNoColour, std::move(controls), "Domanda"};
}

// The side of a picture and the columns of the grid for `count` pictures:
// few pictures are large, a whole class fills three rows of nine.
struct Grid {
  int columns;
  int rows;
  double side;
};
Grid gridFor(int count) {
  const int rows = (count + kMostColumns - 1) / kMostColumns;
  const int columns = (count + rows - 1) / rows;
  const double byRows = kLargestSide - (rows - 1) * 240;
  const double byColumns = (kGridRight - kGridLeft) / columns - kGap;
  return {columns, rows, std::min(byRows, byColumns)};
}

class Chooser : public shell::Screen {
 public:
  explicit Chooser(shell::Program& p) : Screen(p, kChooser, chooserDesign()) {
    onLoad([this] { load(); });
    for (int i = 1; i <= kMostChildren; ++i) {
      onClick(pictureName(i), [this, i] { choose(i); });
      onClick(nameName(i), [this, i] { choose(i); });
    }
    onClick("Ospite", [this] { choose(0); });
    onClick("NomeOspite", [this] { choose(0); });
    onClick("Indietro", [this] { go(kTitle); });
    onClick("Spugna", [this] { end(); });
  }

 private:
  Class* record() { return dynamic_cast<Class*>(program().extension()); }

  void load() {
    const Class* r = record();
    children_ = r ? r->book().children() : std::vector<Child>{};
    if (children_.size() > kMostChildren) children_.resize(kMostChildren);
    const int count = static_cast<int>(children_.size());
    for (int i = 1; i <= count; ++i) {
      const Child& child = children_[i - 1];
      const int portrait = std::clamp(child.picture, 0, kPortraitCount - 1);
      Control& pic = (*this)(pictureName(i));
      pic.picture = shell::portrait(portrait);
      Control& name = (*this)(nameName(i));
      name.caption = child.name;
      for (Control* c : {&pic, &name}) {
        c->visible = true;
        c->toolTip = child.name;
        c->spoken = kPortraits[portrait].said;
      }
    }
    (*this)("Avviso").visible = count == 0;
    place(count);
  }

  // The children in rows, the guest last, each row centred on the board.
  void place(int count) {
    const int all = count + 1;
    const Grid g = gridFor(all);
    const double cellHeight = g.side + kNameHeight + 160;
    const double top = kGridTop + std::max(0.0, (kGridBottom - kGridTop - g.rows * cellHeight) / 2);
    for (int k = 0; k < all; ++k) {
      const int row = k / g.columns, column = k % g.columns;
      const int inRow = std::min(g.columns, all - row * g.columns);
      const double rowWidth = inRow * (g.side + kGap) - kGap;
      const double left = (kGridLeft + kGridRight - rowWidth) / 2 + column * (g.side + kGap);
      const double y = top + row * cellHeight;
      const bool guest = k == count;
      Control& pic = (*this)(guest ? "Ospite" : pictureName(k + 1));
      Control& name = (*this)(guest ? "NomeOspite" : nameName(k + 1));
      pic.move(left, y);
      pic.width = pic.height = g.side;
      name.move(left - kGap / 2, y + g.side + 40);
      name.width = g.side + kGap;
    }
  }

  // 0 is the guest.
  void choose(int i) {
    if (Class* r = record())
      r->choose(i == 0 || i > static_cast<int>(children_.size()) ? std::nullopt
                                                                 : std::optional(children_[i - 1].name));
    go(kMainMenu);
  }

  std::vector<Child> children_;  // as Load found the class
};

SCREEN(44, Chooser);

}  // namespace
}  // namespace record
