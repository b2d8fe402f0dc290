// "Addizioni / Sottrazioni in riga": one operation written in a row with big
// numbers, a + b = [answer], within 10 (Form21 to Form23) and within 20
// (Form41 to Form43). The numbers are white; nothing is coloured.
#include "operation_screen.h"
#include "frame/standard_layout.h"

namespace operations {
namespace {

using namespace shell;

// Where a screen's design departs from Form21's.
struct InLineLayout {
  std::string caption;
  double height;
  std::string title = "CALCOLA ";
  std::string sign = "+";
  double numbersTop = 1800, signTop = 2520, equalsTop = 2520;
  double answerTop = 1800, answerHeight = 2160;
  std::string newQuestionTip = "DAMMI GLI ADDENDI";
  double mainMenuLeft = 3840;
  double scoreDrop = 0;  // the whole score line lower by this much
  double rightLabelLeft = 1920;
  double questionLeft = 5160;
};

Design inLine(const InLineLayout& l, bool within20) {
  const double s = l.scoreDrop;
  return {l.caption, l.height, kNoColour, {
      label("Label7", 240, 600, 11415, 495).withCaption(l.title).withFont(24).centred(),
      label("Label3", 1560, l.numbersTop, 2175, 2175).withFont(90).centred(),
      label("Label4", 3960, l.signTop, 615, 855).withCaption(l.sign).withFont(36).centred(),
      label("Label5", 4800, l.numbersTop, 2175, 2175).withFont(90).centred(),
      label("Label6", 6720, l.equalsTop, 735, 855).withCaption("=").withFont(36).centred(),
      textBox("Text1", 7920, l.answerTop, 2175, l.answerHeight).withFont(90).back(0xC0E0FF)
          .fore(kBlack).chalk(),
      label("Label13", 3360, 6120, 615, 615).withFont(24).right(),
      label("Label10", l.rightLabelLeft, 5760 + s, 1335, 375).withCaption("ESATTI:").withFont(14.25),
      label("Label12", 3360, 5520 + s, 615, 615).withFont(24).right(),
      label("Label20", 4800, 5640 + s, 495, 495).withCaption("SU").withFont(18).centred(),
      label("Label22", l.questionLeft, 5520 + s, 855, 675).withFont(26.25).right(),
      image("Image1", Picture::FaceNeutral, 8520, 5160, 1200, 1185),
      image("Image2", Picture::FaceHappy, 8520, 5160, 1200, 1185),
      image("Image3", Picture::FaceSad, 8520, 5160, 1215, 1215),
      hotspot("Label1", 480, 7680, 1095, 975, l.newQuestionTip),
      hotspot("Label2", 1800, 7680, 735, 855, "ESCI"),
      label("Label14", l.mainMenuLeft, 7320, 2895, 255)
          .withCaption(within20 ? "TORNA A MENU PRINCIPALE" : "VAI A MENU PRINCIPALE").centred().hand(),
      label("Label15", 7800, 7320, 1815, 255)
          .withCaption(within20 ? "TORNA A MENU20" : "TORNA A MENU10").centred().hand(),
      label("Label8", 2640, 8040, 9135, 495).withCaption(frame::kFooter).centred(),
  }, "Label7"};
}

// Subtractions stand a little lower; the sign is a minus.
InLineLayout subtraction(std::string caption, double height) {
  InLineLayout l{std::move(caption), height};
  l.title = "CALCOLA";
  l.sign = "-";
  l.signTop = 2760;
  l.numbersTop = 2235;
  l.equalsTop = 2880;
  l.answerTop = 2160;
  l.answerHeight = 2175;
  l.questionLeft = 5280;
  return l;
}

// Addition or subtraction: the sign is drawn with the question.
InLineLayout either(std::string caption, double height) {
  InLineLayout l{std::move(caption), height};
  l.sign = "-";
  l.signTop = 2400;
  l.equalsTop = 2400;
  l.answerHeight = 2175;
  l.newQuestionTip = "DAMMI I NUMERI E L'OPERAZIONE";
  l.mainMenuLeft = 3720;
  l.scoreDrop = 120;
  return l;
}

InLineLayout additionWithin20() {
  InLineLayout l{"vaxo - Aritmetica  cl. I    Addizion in riga  ( somma entro 20 )", 8355};
  l.rightLabelLeft = 1800;
  return l;
}

// Within 10: sums and minuends up to 9, operands 0 to 9.
const OperationRules kForm21{.number = 21, .sign = Sign::Addition};
const OperationRules kForm22{.number = 22, .sign = Sign::Subtraction};
const OperationRules kForm23{.number = 23, .sign = Sign::Either};

// Within 20: minuends up to 19; the second addend of Form41 is drawn from
// 0 to 199 until it is at most 20, so that 0 + 20 can be asked.
const OperationRules kForm41{.number = 41, .sign = Sign::Addition,
                             .addition = {20, 200, 20, 20}, .within20 = true};
const OperationRules kForm42{.number = 42, .sign = Sign::Subtraction,
                             .subtraction = {20, 20}, .within20 = true};
const OperationRules kForm43{.number = 43, .sign = Sign::Either,
                             .addition = {20, 20, 19, 20}, .subtraction = {20, 200},
                             .within20 = true};

SCREEN(21, Operation, kForm21,
       inLine({"vaxo - Aritmetica  cl. I    Addizion in riga  ( somma entro 10 )", 8250}, false));
SCREEN(22, Operation, kForm22,
       inLine(subtraction("vaxo - Aritmetica  cl. I    Sottrazioin riga  ( minuendo entro 10 )", 8595),
              false));
SCREEN(23, Operation, kForm23,
       inLine(either("vaxo - Aritmetica  cl. I    Addizioni ( somma entro 10)  e  Sottrazioni  "
                     "( minuendo entro 10 )  in riga", 8370), false));
SCREEN(41, Operation, kForm41, inLine(additionWithin20(), true));
SCREEN(42, Operation, kForm42,
       inLine(subtraction("vaxo - Aritmetica  cl. I    Sottrazioin riga  ( minuendo entro 20 )", 8475),
              true));
SCREEN(43, Operation, kForm43,
       inLine(either("vaxo - Aritmetica  cl. I    Addizioni ( somma entro 20)  e  Sottrazioni  "
                     "( minuendo entro 20 )  in riga", 8190), true));

}  // namespace
}  // namespace operations
