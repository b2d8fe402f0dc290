// The title screen, the main menu and the two menus of exercises. Each
// clickable label opens one screen (Show it, then unload the menu); the
// exit hotspots end the program. Headings do nothing.
#include <algorithm>

#include "menus.h"
#include "program.h"

namespace shell {
namespace {

constexpr const char* kFooter = "orvenda       Programma di Matematica per la I classe elementare";

// A menu: its design and, for each clickable control, the screen it opens
// (0 ends the program).
struct Entry {
  const char* control;
  int opens;
  bool keepsMenu = false;  // shows its screen over the menu, which stays loaded
};

class Menu : public Screen {
 public:
  Menu(Program& p, int number, Design d, std::vector<Entry> entries)
      : Screen(p, number, std::move(d)), entries_(std::move(entries)) {
    for (const Entry& e : entries_) {
      const int target = e.opens;
      if (e.keepsMenu) onClick(e.control, [this, target] { show(target); });
      else onClick(e.control, [this, target] { target == 0 ? end() : go(target); });
    }
  }
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
};

// The inner right edge of the chalkboard's frame.
constexpr double kBoardRight = 11670;

// Entries long enough to wrap are given two lines where the next entry
// leaves room for them. No entry reaches past the board: a long one in the
// right column wraps inside it instead of running over the frame.
Control entry(const char* name, const char* caption, double left, double top, double width,
              double points, double height = 360) {
  return label(name, left, top, std::min(width, kBoardRight - left), height)
      .withCaption(caption).withFont(points).hand();
}

class Form1 : public Menu {
 public:
  explicit Form1(Program& p)
      : Menu(p, 1,
             {"vaxo - Aritmetica cl. I", 8595, kNoColour,
              {
                  label("Label1", 360, 3000, 11175, 1095).withCaption("ARITMETICA").withFont(48)
                      .centred().hand().tip("VAI AL MENU PRINCIPALE"),
                  label("Label2", 2280, 1080, 7335, 615).withCaption("ORVENDA").withFont(20.25).centred(),
                  label("Label3", 2760, 4320, 6255, 615).withCaption("Classe   Prima").withFont(18).centred(),
                  label("Label4", 4560, 7920, 2655, 495).withCaption("2002/2003").withFont(15.75).centred(),
                  hotspot("Label5", 1680, 7680, 855, 855, "ESCI"),
              }},
             {{"Label5", 0}}) {
    onClick("Label1", [this] {
      Program::Extension* e = program().extension();
      go(e ? e->afterTitle() : 5);
    });
  }
};

class Form5 : public Menu {
 public:
  explicit Form5(Program& p)
      : Menu(p, 5,
             {"vaxo - Aritmetica cl. I  Menu principale", 8250, kNoColour,
              {
                  label("Label1", 1560, 3480, 6495, 495).withCaption("OPERAZIONI VARIE ENTRO IL 9")
                      .withFont(20.25).hand(),
                  label("Label2", 1560, 4560, 6855, 495).withCaption("OPERAZIONI VARIE ENTRO IL 20")
                      .withFont(20.25).hand(),
                  image("Image1", Picture::ArrowBack, 5640, 6600, 960, 720).hand().tip("PAGINA INIZIALE"),
                  hotspot("Label3", 1800, 7800, 615, 735, "ESCI"),
                  label("Label4", 2640, 8040, 9255, 375).withCaption(kFooter).centred(),
              }},
             {{"Label1", 2}, {"Label2", 24}, {"Image1", 1}, {"Label3", 0}}) {}
};

// "Scrittura dei numeri in cifre" leaves the menu open behind its screen.
constexpr int kWritingInDigits = 9;

class Form2 : public Menu {
 public:
  explicit Form2(Program& p)
      : Menu(p, 2,
             {"vaxo - Aritmetica   cl. I     Menu operazioni entro 10", 8595, 0xC0FFFF,
              {
                  label("Label1", 0, 240, 11895, 855).withCaption("Operazioni varie entro il 10")
                      .withFont(27.75).centred(),
                  entry("Label2", "Dalle unità al numero in cifre e in lettere", 600, 1200, 5535, 12.75),
                  entry("Label3", "Dal numero in lettere e in cifre alle unità", 600, 2040, 5535, 12.75),
                  entry("Label4", "Dall'abaco al numero in cifre e in lettere", 600, 3720, 5535, 12.75),
                  entry("Label5", "Dal numero in lettere e in cifre all'abaco", 600, 4560, 5535, 12.75),
                  entry("Label6", "Scrittura dei numeri in lettere", 600, 5400, 5535, 12.75),
                  entry("Label7", "Scrittura dei numeri in cifre", 600, 6120, 5535, 12.75),
                  entry("Label8", "Confronto con   <   =  >", 600, 6720, 5535, 12.75),
                  entry("Label9", "La linea dei numeri entro 9", 600, 7200, 5535, 12.75),
                  label("Label10", 6240, 1200, 3000, 360).withCaption("Ordina i numeri:").withFont(12.75),
                  entry("Label11", "Trova il numero successivo", 6240, 2280, 5535, 12.75),
                  entry("Label12", "Trova il numero precedente", 6240, 2760, 5535, 12.75),
                  entry("Label13", "Trova il numero in mezzo", 6240, 3240, 5535, 12.75),
                  entry("Label14", "Addizioni con l'aiuto dei regoli", 6240, 4440, 5535, 12.75),
                  entry("Label15", "Addizioni e sottrazioni con l'aiuto dei regoli", 6240, 5400, 5535, 12.75),
                  entry("Label16", "Sottrazioni con l'aiuto dei regoli", 6240, 4920, 5535, 12.75),
                  entry("Label17", "Addizioni in riga", 6240, 5880, 5535, 12.75),
                  entry("Label18", "Sottrazioni in riga", 6240, 6360, 5535, 12.75),
                  label("Label19", 2640, 8040, 8895, 375)
                      .withCaption(std::string(kFooter) + "  ").centred(),
                  hotspot("Label20", 1680, 7680, 855, 855, "ESCI"),
                  entry("Label21", "ordine crescente", 7080, 1560, 4095, 11.25),
                  entry("Label22", "ordine decrescente", 7080, 1920, 4095, 11.25),
                  entry("Label23", "Trova il numero precedente e il numero seguente", 6240, 3720, 5535, 12.75, 720),
                  entry("Label24", "Addizioni e sottrazioni in riga", 6240, 6840, 5535, 12.75),
                  entry("Label25", "Da 0 a 9 in cifre e in lettere con l'aiuto dei regoli", 600, 2880, 5535, 12.75, 735),
                  label("Label26", 4440, 7560, 2895, 255).withCaption("TORNA A MENU PRINCIPALE")
                      .centred().hand(),
              },
              "",
              {{"Label21", "Label10"}, {"Label22", "Label10"}}},
             {{"Label2", 3},   {"Label3", 4},   {"Label25", 27}, {"Label4", 6},   {"Label5", 7},
              {"Label6", 8},   {"Label8", 10},  {"Label9", 11},  {"Label21", 12}, {"Label22", 13},
              {"Label11", 14}, {"Label12", 15}, {"Label13", 16}, {"Label23", 17}, {"Label14", 18},
              {"Label16", 19}, {"Label15", 20}, {"Label17", 21}, {"Label18", 22}, {"Label24", 23},
              {"Label26", 5},  {"Label20", 0},  {"Label7", kWritingInDigits, true}}) {}
};

class Form24 : public Menu {
 public:
  explicit Form24(Program& p)
      : Menu(p, 24,
             {"vaxo - Aritmetica   cl. I     Menu operazioni entro 20", 8265, kNoColour,
              {
                  label("Label1", 240, 480, 11415, 855).withCaption("Operazioni varie entro il 20")
                      .withFont(27.75).centred(),
                  label("Label2", 720, 1320, 3000, 360).withCaption("FORMA LA DECINA:").withFont(12.75),
                  entry("Label3", "Con i regoli", 1680, 1680, 3000, 11.25),
                  entry("Label4", "Sull'abaco", 1680, 2040, 3000, 11.25),
                  hotspot("Label5", 1800, 7800, 615, 615, "ESCI"),
                  label("Label6", 720, 2520, 3000, 360).withCaption("DAL 10 AL 20:").withFont(12.75),
                  entry("Label7", "Sull'abaco", 1680, 3240, 3000, 11.25),
                  entry("Label8", "Con i regoli", 1680, 2880, 3000, 11.25),
                  entry("Label9", "Dal numero in lettere e in cifre all'abaco", 840, 3720, 4935, 11.25),
                  entry("Label10", "Scrittura dei numeri in lettere", 840, 4440, 4935, 11.25),
                  entry("Label11", "Scrittura dei numeri in cifre", 840, 5160, 4935, 11.25),
                  entry("Label12", "Confronto", 840, 5880, 4935, 11.25),
                  entry("Label13", "La linea dei numeri entro 20", 840, 6240, 4935, 11.25),
                  entry("Label14", "Trova il numero successivo", 5880, 2760, 5895, 12.75),
                  label("Label15", 5880, 1320, 3000, 360).withCaption("Ordina i numeri:").withFont(12.75),
                  entry("Label16", "Trova il numero precedente", 5880, 3360, 5895, 12.75),
                  entry("Label17", "Trova il numero in mezzo", 5880, 3960, 5895, 12.75),
                  entry("Label18", "Sottrazioni in riga", 5880, 6240, 5895, 12.75),
                  entry("Label19", "Addizioni in riga", 5880, 5520, 5895, 12.75),
                  label("Label20", 2760, 8040, 8895, 375)
                      .withCaption(std::string(kFooter) + "  ").centred(),
                  entry("Label21", "ordine crescente", 6720, 1680, 4095, 11.25),
                  entry("Label22", "ordine decrescente", 6720, 2040, 4095, 11.25),
                  entry("Label23", "Trova il numero precedente e il numero seguente", 5880, 4560, 5895, 12.75, 735),
                  entry("Label24", "Addizioni e sottrazioni in riga", 5880, 6960, 5895, 12.75),
                  label("Label25", 4560, 7560, 2895, 255).withCaption("VAI A MENU PRINCIPALE")
                      .centred().hand(),
              },
              "",
              {{"Label3", "Label2"}, {"Label4", "Label2"}, {"Label7", "Label6"}, {"Label8", "Label6"},
               {"Label21", "Label15"}, {"Label22", "Label15"}}},
             {{"Label3", 25},  {"Label4", 26},  {"Label8", 28},  {"Label7", 29},  {"Label9", 30},
              {"Label10", 31}, {"Label11", 32}, {"Label12", 33}, {"Label13", 34}, {"Label21", 35},
              {"Label22", 36}, {"Label14", 37}, {"Label16", 38}, {"Label17", 40}, {"Label23", 39},
              {"Label19", 41}, {"Label18", 42}, {"Label24", 43}, {"Label25", 5},  {"Label5", 0}}) {}
};

}  // namespace

SCREEN(1, Form1);
SCREEN(5, Form5);
SCREEN(2, Form2);
SCREEN(24, Form24);

std::vector<std::pair<std::string, int>> menuEntries(Screen& menu) {
  std::vector<std::pair<std::string, int>> out;
  if (const auto* m = dynamic_cast<const Menu*>(&menu))
    for (const Entry& e : m->entries()) out.emplace_back(e.control, e.opens);
  return out;
}

}  // namespace shell
