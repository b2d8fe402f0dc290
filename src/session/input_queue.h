// The input queue: input that comes while earlier steps still play, held
// and handed on in order once they have played. A run of pointer moves
// waiting together is one move, to the latest place: the screens see where
// the pointer went, not every place it passed.
//
// It holds input and nothing else: it does not know when the steps end nor
// what an input does.
#pragma once
#include <deque>
#include <functional>
#include <optional>

#include "gestures.h"
#include "keys.h"

namespace shell {
class Program;
}

namespace session {

struct Input {
  enum class Kind { Start, Pointer, Key, Close, Call } kind = Kind::Start;
  PointerInput pointer;
  Key key;
  int shift = 0;
  int screen = 0;
  std::function<void(shell::Program&)> call;  // Kind::Call: run on the program in its turn
};

class InputQueue {
 public:
  bool empty() const { return held_.empty(); }
  void push(Input input) {
    if (isMove(input) && !held_.empty() && isMove(held_.back())) held_.back() = std::move(input);
    else held_.push_back(std::move(input));
  }
  std::optional<Input> pop() {
    if (held_.empty()) return std::nullopt;
    Input front = std::move(held_.front());
    held_.pop_front();
    return front;
  }

 private:
  static bool isMove(const Input& in) {
    return in.kind == Input::Kind::Pointer && in.pointer.kind == PointerInput::Kind::Move;
  }
  std::deque<Input> held_;
};

}  // namespace session
