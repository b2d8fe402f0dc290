// Input that arrives while a handler waits (the abacus animations sleep
// between their steps): every event of the mouse, the keyboard, touch and
// the close boxes is held back and handed on, in order, once the handler is
// done, as if it had waited in the queue; only F11 is answered at once, since
// it belongs to the program and not to the screens. Does not know what F11
// does, nor which handler is running.
#pragma once
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class QEvent;

namespace desktop {

class HeldInput : public QObject {
 public:
  explicit HeldInput(std::function<void()> f11) : f11_(std::move(f11)) {}
  ~HeldInput() override;

  // Runs the pending events of the windows, holding the input back (from
  // the first call until release()).
  void processWhileHolding();
  // Posts the held events to their windows, in the order they came.
  void release();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Held {
    QPointer<QObject> target;
    std::unique_ptr<QEvent> event;
  };
  std::function<void()> f11_;
  std::vector<Held> held_;
  bool holding_ = false;
};

}  // namespace desktop
