#include "line_layout.h"

#include "frame/standard_layout.h"

namespace numberline {

using namespace shell;

std::vector<Control> lineFrame(const LineLayout& l) {
  const double faceLeft = 7320, faceTop = 5280;
  return {
      label("Label1", 360, 720, 11295, 615).withCaption(l.instruction).withFont(18.75).centred(),
      label("Label14", 5160, 4080, 1815, 375).withCaption("CONFERMA").withFont(12).centred().hand(),
      label("Label15", 3120, 5880, 855, 615).withCaption("ESATTI").withFont(12).centred(),
      label("Label17", l.rightDisplayLeft, 5640, 855, 615).withCaption(l.rightDisplay)
          .withFont(24).centred(),
      label("Label18", 4320, 6240, 855, 615).withFont(24).centred(),
      label("Label19", 5400, 5760, 855, 615).withCaption("SU").withFont(18).centred(),
      label("Label20", 6000, 5640, 855, 615).withFont(24).centred(),
      image("Image1", Picture::FaceNeutral, faceLeft, faceTop, 1200, 1185),
      image("Image2", Picture::FaceHappy, faceLeft, faceTop, 1200, 1185),
      image("Image3", Picture::FaceSad, faceLeft, faceTop, 1215, 1215),
      hotspot("Label2", 600, 7800, 855, 735, "DAMMI IL PRIMO NUMERO"),
      hotspot("Label3", 1800, 7800, 615, 735, "ESCI"),
      label("Label22", 3720, 7440, 2895, 255)
          .withCaption(l.within20 ? "TORNA A MENU PRINCIPALE" : "VAI A MENU PRINCIPALE")
          .hand(),
      label("Label23", 7680, 7440, 1815, 255)
          .withCaption(l.within20 ? "TORNA A MENU20" : "TORNA A MENU10")
          .hand(),
      label("Label21", 2760, 8040, 9015, 495).withCaption(frame::kFooter).centred(),
  };
}

frame::FrameControls lineFrameControls(bool within20) {
  frame::FrameControls f;
  f.menu = within20 ? frame::kMenu20 : frame::kMenu10;
  f.newQuestion = "Label2";
  f.exit = "Label3";
  f.mainMenuReturn = "Label22";
  f.menuReturn = "Label23";
  f.rightDisplay = "Label17";
  f.questionDisplay = "Label20";
  return f;
}

}  // namespace numberline
