// The frame controls of the screens laid out like "Numero seguente entro 10":
// instruction across the top, number box and answer box side by side, the
// score line, the faces, the chalk and sponge hotspots, the return labels
// and the footer. Screens built on it add or change rows as data.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "shell/control.h"

namespace frame {

constexpr const char* kFooter =
    "orvenda       Programma di Matematica per la I classe elementare";

// The label that tells the child what to do.
constexpr const char* kInstruction = "Label1";

struct StandardLayout {
  std::string instruction;        // Label1's caption
  bool within20 = false;          // return labels' captions
  double chalkTop = 7800, chalkHeight = 735;  // Label9
  std::string rightDisplay;       // Label4's design caption
  double rightDisplayLeft = 3120;
};

// Label1, Label3, Label4, Label6, Label7, Label8, Label9, Label10, Label11,
// Label14, Label15, Image1 (front), Image2, Image3, in design order.
std::vector<shell::Control> standardFrame(const StandardLayout& l);

// The neutral, happy and sad faces stacked at one place, in design order.
// On most screens the neutral face lies in front; on some the sad face
// does, then the happy one, then the neutral one.
enum class FrontFace { Neutral, Sad };
struct FaceNames {
  std::string neutral = "Image1", happy = "Image2", sad = "Image3";
};
std::vector<shell::Control> faces(double left, double top, FrontFace front = FrontFace::Neutral,
                                  const FaceNames& names = {});

// A 2175 x 2295 box with a 90 pt number: Label2 or Text1 on these screens.
shell::Control numberBox(std::string name, double left, double top, shell::Colour text);
shell::Control answerBox(std::string name, double left, double top, shell::Colour text, int tabIndex);

}  // namespace frame
