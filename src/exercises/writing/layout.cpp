#include "layout.h"

#include "frame/standard_layout.h"

namespace writing {

using namespace shell;

std::vector<Control> scoreLine(const ScoreLine& s) {
  return {
      label(s.esatti.name, s.esatti.left, s.esatti.top, 1455, 375).withCaption("ESATTI:").withFont(14.25),
      label(s.right.name, s.right.left, s.right.top, s.rightWidth, s.rightHeight)
          .withCaption(s.rightCaption).withFont(24).right(),
      label(s.spare.name, s.spare.left, s.spare.top, 615, 615).withFont(24).right(),
      label(s.su.name, s.su.left, s.su.top, 615, 495).withCaption("SU").withFont(18),
      label(s.question.name, s.question.left, s.question.top, 855, 675).withFont(26.25).right(),
  };
}

Control mainMenuLabel(std::string name, double left, double top) {
  return label(std::move(name), left, top, 2895, 255).withCaption("VAI A MENU PRINCIPALE").hand();
}

Control menuLabel(std::string name, bool within20, double left, double top) {
  return label(std::move(name), left, top, 1815, 255)
      .withCaption(within20 ? "TORNA A MENU20" : "TORNA A MENU10")
      .hand();
}

Control footer(std::string name, double left, double top, double width, double height) {
  return label(std::move(name), left, top, width, height).withCaption(frame::kFooter).centred();
}

Control fixedText(std::string name, std::string caption, double points, double left, double top,
                  double width, double height) {
  return label(std::move(name), left, top, width, height).withCaption(std::move(caption)).withFont(points);
}

}  // namespace writing
