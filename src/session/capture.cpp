#include "capture.h"

#include "catalogue.h"
#include "draw/record.h"
#include "shell/program.h"
#include "speech.h"

namespace session {

Frame capture(const shell::Program& program, const draw::Measure& measure, bool voice, draw::Rect board) {
  Frame frame;
  frame.board = board;
  if (program.ended()) {
    frame.ended = true;
    frame.emptyBoard = draw::emptyBoard(frame.board);
    return frame;
  }
  for (const shell::Screen* s : program.loaded()) {
    Window w;
    w.screen = s->number();
    w.caption = s->caption();
    w.client = draw::clientRect(*s);
    w.drawing = draw::record(program, *s, measure);
    for (const shell::Control* c : s->mouseTargets()) {
      const shell::Pointer pointer = voice && phraseOf(*s, *c) ? shell::Pointer::Hand : c->pointer;
      HoverArea area{draw::pixels(*c), pointer, c->toolTip};
      if (voice)
        if (const auto phrase = namePhraseOf(*s, *c))
          area.says = Say{std::string(phrase->key), std::string(phrase->text)};
      w.hover.push_back(std::move(area));
    }
    frame.windows.push_back(std::move(w));
  }
  if (const shell::Screen* s = program.active()) {
    frame.board = draw::clientRect(*s);
    if (const shell::Control* c = s->focus()) {
      frame.focusedBox = draw::pixels(*c);
      frame.keyboard = c->takesWords ? Keyboard::Letters : Keyboard::Digits;
    }
  }
  return frame;
}

}  // namespace session
