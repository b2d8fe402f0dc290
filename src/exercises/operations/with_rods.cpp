// "Addizioni / Sottrazioni con l'aiuto dei regoli" (Form18 to Form20): the
// operations within 10 of the in-line screens, drawn as rods as well so
// that the answer can be read off as the length of a rod. The question is
// written small at the right of the rods: first number, sign, second
// number on the first row; "=" and the answer box on the second.
#include "operation_screen.h"
#include "frame/standard_layout.h"

namespace operations {
namespace {

using namespace shell;

struct RodsLayout {
  std::string caption;
  double height;
  std::string sign = "+";
  double answerTop = 2975;
  std::string newQuestionTip = "DAMMI GLI ADDENDI";
  double mainMenuLeft = 3720;
  double rightLabelLeft = 1920;
};

Design withRods(const RodsLayout& l) {
  return {l.caption, l.height, kNoColour, {
      label("Label7", 240, 600, 11415, 495).withCaption("CALCOLA CON L'AIUTO DEI REGOLI")
          .withFont(18.75).centred(),
      label("Label3", 8640, 1995, 735, 855).withFont(36).centred(),
      label("Label4", 9480, 1995, 615, 855).withCaption(l.sign).withFont(36).centred(),
      label("Label5", 10200, 1995, 735, 855).withFont(36).centred(),
      label("Label6", 9360, 3000, 735, 855).withCaption("=").withFont(36).centred(),
      textBox("Text1", 10200, l.answerTop, 735, 960).withFont(36).back(0xC0E0FF).fore(kBlack).chalk(),
      label("Label10", l.rightLabelLeft, 5520, 1335, 375).withCaption("ESATTI:").withFont(14.25),
      label("Label12", 3360, 5280, 615, 615).withFont(24).right(),
      label("Label13", 3360, 5880, 615, 615).withFont(24).right(),
      label("Label20", 4800, 5400, 495, 495).withCaption("SU").withFont(18).centred(),
      label("Label22", 5160, 5280, 855, 675).withFont(26.25).right(),
      image("Image1", Picture::FaceNeutral, 9840, 4800, 1200, 1185),
      image("Image2", Picture::FaceHappy, 9840, 4800, 1200, 1185),
      image("Image3", Picture::FaceSad, 9840, 4800, 1215, 1215),
      hotspot("Label1", 480, 7680, 1095, 975, l.newQuestionTip),
      hotspot("Label2", 1800, 7680, 735, 855, "ESCI"),
      label("Label14", l.mainMenuLeft, 7320, 2895, 255).withCaption("VAI A MENU PRINCIPALE")
          .centred().hand(),
      label("Label15", 7800, 7320, 1815, 255).withCaption("TORNA A MENU10").centred().hand(),
      label("Label8", 2640, 8040, 9135, 495).withCaption(frame::kFooter).centred(),
  }, "Label7"};
}

RodsLayout form19() {
  RodsLayout l{"vaxo - Aritmetica  cl. I    Sottrazioni con l'aiuto dei regoli ( minuendo entro 10 )",
               8385};
  l.sign = "-";
  l.mainMenuLeft = 3840;
  return l;
}

// The sign is drawn with the question.
RodsLayout form20() {
  RodsLayout l{"vaxo - Aritmetica  cl. I    Addizioni ( somma entro 10)  e  Sottrazioni  "
               "( minuendo entro 10 ) con l'aiuto dei regoli",
               8355};
  l.sign = "-";
  l.answerTop = 3000;
  l.newQuestionTip = "DAMMI I NUMERI E L'OPERAZIONE";
  l.mainMenuLeft = 3840;
  l.rightLabelLeft = 2040;
  return l;
}

const OperationRules kForm18{.number = 18, .sign = Sign::Addition, .rods = true};
const OperationRules kForm19{.number = 19, .sign = Sign::Subtraction, .rods = true};
const OperationRules kForm20{.number = 20, .sign = Sign::Either, .rods = true,
                             .showsWrongAdditions = true};

SCREEN(18, Operation, kForm18,
       withRods({"vaxo - Aritmetica  cl. I    Addizioni con l'aiuto dei regoli ( somma entro 10 )", 8595}));
SCREEN(19, Operation, kForm19, withRods(form19()));
SCREEN(20, Operation, kForm20, withRods(form20()));

}  // namespace
}  // namespace operations
