#include "held_input.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace desktop {

namespace {

bool isInput(QEvent::Type t) {
  switch (t) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

}  // namespace

HeldInput::~HeldInput() {
  if (holding_) QCoreApplication::instance()->removeEventFilter(this);
}

void HeldInput::processWhileHolding() {
  if (!holding_) {
    QCoreApplication::instance()->installEventFilter(this);
    holding_ = true;
  }
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void HeldInput::release() {
  if (!holding_) return;
  // What came in since the last wait is held too, so that it keeps its turn.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  QCoreApplication::instance()->removeEventFilter(this);
  holding_ = false;
  for (Held& h : held_)
    if (h.target) QCoreApplication::postEvent(h.target, h.event.release());
  held_.clear();
}

// Held at the windows, before they hand the input to their widgets, so that
// the events come back through the same door. Events handed back earlier and
// still queued are held again, ahead of the newer ones.
bool HeldInput::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWindowType() || !isInput(event->type())) return false;
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F11) {
      if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) f11_();
      return true;
    }
  }
  held_.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
  return true;
}

}  // namespace desktop
