#include "standard_layout.h"

namespace frame {

using namespace shell;

std::vector<Control> faces(double left, double top, FrontFace front, const FaceNames& names) {
  std::vector<Control> f{
      image(names.neutral, Picture::FaceNeutral, left, top, 1200, 1185),
      image(names.happy, Picture::FaceHappy, left, top, 1200, 1185),
      image(names.sad, Picture::FaceSad, left, top, 1215, 1215),
  };
  if (front == FrontFace::Sad) std::swap(f[0], f[2]);
  return f;
}

std::vector<Control> standardFrame(const StandardLayout& l) {
  std::vector<Control> rows{
      label("Label1", 240, 600, 11535, 615).withCaption(l.instruction).withFont(18.75).centred(),
      label("Label3", 1440, 6240, 1335, 375).withCaption("ESATTI").withFont(14.25),
      label("Label4", l.rightDisplayLeft, 6000, 735, 495).withCaption(l.rightDisplay).withFont(24),
      label("Label6", 3120, 6480, 735, 495).withFont(24),
      label("Label7", 4320, 6120, 495, 495).withCaption("SU").withFont(18),
      label("Label8", 4920, 6000, 735, 495).withFont(26.25).right(),
      hotspot("Label9", 480, l.chalkTop, 975, l.chalkHeight, "DAMMI IL NUMERO"),
      hotspot("Label10", 1800, 7800, 615, 735, "ESCI"),
      label("Label11", 2640, 8040, 9015, 615).withCaption(kFooter).centred(),
      label("Label14", 3600, 7440, 2895, 255)
          .withCaption(l.within20 ? "TORNA A MENU PRINCIPALE" : "VAI A MENU PRINCIPALE")
          .hand(),
      label("Label15", 7560, 7440, 1815, 255)
          .withCaption(l.within20 ? "TORNA A MENU20" : "TORNA A MENU10")
          .hand(),
  };
  auto f = faces(7200, 5760);
  rows.insert(rows.end(), f.begin(), f.end());
  return rows;
}

Control numberBox(std::string name, double left, double top, Colour text) {
  return label(std::move(name), left, top, 2175, 2295).withFont(90).back(0xC0E0FF).fore(text).centred();
}

Control answerBox(std::string name, double left, double top, Colour text, int tabIndex) {
  return textBox(std::move(name), left, top, 2175, 2295).withFont(90).back(0xC0E0FF).fore(text)
      .chalk().tab(tabIndex);
}

}  // namespace frame
