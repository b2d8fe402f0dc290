#include "screen_window.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <cmath>
#include <map>

#include "desktop.h"
#include "keys.h"
#include "paint/paint.h"

namespace desktop {

namespace {

// Where a release in the margin is delivered: outside every control, so that
// it ends a press or a drag without clicking or dropping anything.
constexpr QPointF kOffBoard(-1e6, -1e6);

std::optional<shell::Button> button(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return shell::Button::Left;
    case Qt::RightButton: return shell::Button::Right;
    case Qt::MiddleButton: return shell::Button::Middle;
    default: return std::nullopt;
  }
}

// A pointer keeps its size on the board: scaled with it, hot spot and all.
QCursor pointerCursor(shell::Pointer p, double factor) {
  static std::map<std::pair<shell::Pointer, int>, QCursor> cursors;
  const int percent = static_cast<int>(std::lround(factor * 100));
  auto it = cursors.find({p, percent});
  if (it == cursors.end()) {
    const QImage& image = paint::picture(paint::pointerPicture(p));
    const QPoint hot = paint::hotSpot(p);
    QCursor c(Qt::ArrowCursor);
    if (!image.isNull() && percent == 100) {
      c = QCursor(QPixmap::fromImage(image), hot.x(), hot.y());
    } else if (!image.isNull()) {
      const QSize size = (QSizeF(image.size()) * percent / 100.0).toSize();
      c = QCursor(QPixmap::fromImage(image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)),
                  hot.x() * percent / 100, hot.y() * percent / 100);
    }
    it = cursors.emplace(std::pair{p, percent}, c).first;
  }
  return it->second;
}

}  // namespace

ScreenWindow::ScreenWindow(Desktop& desktop, int screen)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      desktop_(desktop),
      screen_(screen) {
  const shell::Screen& s = desktop_.program().form(screen);
  setWindowTitle(QString::fromStdString(s.caption()));
  setFixedSize(paint::clientSize(s));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void ScreenWindow::place(bool wholeScreen, QScreen* monitor) {
  if (!monitor) monitor = QWidget::screen();
  if (wholeScreen) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (monitor) setScreen(monitor);
    setWindowState(windowState() | Qt::WindowFullScreen);
    // Also without a window manager to honour the state.
    if (monitor) setGeometry(monitor->geometry());
    return;
  }
  setWindowState(windowState() & ~Qt::WindowFullScreen);
  setFixedSize(paint::clientSize(desktop_.program().form(screen_)));
  if (monitor) {
    const QRect area = monitor->availableGeometry();
    move(area.left() + std::max(0, (area.width() - width()) / 2),
         area.top() + std::max(0, (area.height() - height()) / 2 - 20));
  }
}

Placement ScreenWindow::placement() const {
  return Placement::fit(paint::clientSize(desktop_.program().form(screen_)), size());
}

void ScreenWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  placement().paint(p, size(), desktop_.program(), desktop_.program().form(screen_));
}

void ScreenWindow::updatePointer(QPointF position) {
  shell::Screen& s = desktop_.program().form(screen_);
  const Placement placed = placement();
  const auto at = placed.twipsOnBoard(position);
  const shell::Control* c = at ? s.hit(at->x(), at->y()) : nullptr;
  const shell::Pointer p = c ? c->pointer : shell::Pointer::Arrow;
  if (p == shell::Pointer::Arrow)
    unsetCursor();
  else
    setCursor(pointerCursor(p, placed.factor()));
}

// A press in the margin reaches no screen; a release there still ends the
// press or the drag that began on the board.
void ScreenWindow::mousePressEvent(QMouseEvent* e) {
  const auto b = button(e->button());
  const auto at = placement().twipsOnBoard(e->position());
  if (!b || !at) return;
  const int shift = shiftState(e->modifiers());
  desktop_.input([&](shell::Program& p) { p.mouseDown(screen_, *b, at->x(), at->y(), shift); });
}

void ScreenWindow::mouseReleaseEvent(QMouseEvent* e) {
  const auto b = button(e->button());
  if (!b) return;
  const QPointF at = placement().twipsOnBoard(e->position()).value_or(kOffBoard);
  const int shift = shiftState(e->modifiers());
  desktop_.input([&](shell::Program& p) { p.mouseUp(screen_, *b, at.x(), at.y(), shift); });
}

void ScreenWindow::mouseMoveEvent(QMouseEvent* e) {
  const QPointF at = placement().twips(e->position());
  const bool dragging = desktop_.program().dragging().has_value();
  desktop_.program().mouseMove(screen_, at.x(), at.y());
  if (dragging) update();
  updatePointer(e->position());
}

void ScreenWindow::keyPressEvent(QKeyEvent* e) {
  const auto k = keyCodes(e->key(), e->modifiers(), e->text());
  if (!k) return;
  desktop_.input([&](shell::Program& p) { p.key(k->character, k->keyCode, k->shift); });
}

bool ScreenWindow::event(QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(e);
    if (key->key() == Qt::Key_F11) {
      if (!key->isAutoRepeat()) desktop_.toggleWholeScreen();
      return true;
    }
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      desktop_.input([](shell::Program& p) { p.tab(); });
      return true;
    }
  }
  if (e->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(e);
    shell::Screen& s = desktop_.program().form(screen_);
    const Placement placed = placement();
    const auto at = placed.twipsOnBoard(help->pos());
    const shell::Control* c = at ? s.hit(at->x(), at->y()) : nullptr;
    if (c && !c->toolTip.empty()) {
      QToolTip::showText(help->globalPos(), QString::fromStdString(c->toolTip), this,
                         placed.toWindow(paint::pixels(*c)).toAlignedRect());
    } else {
      QToolTip::hideText();
      e->ignore();
    }
    return true;
  }
  return QWidget::event(e);
}

// The close box unloads the screen without running a handler; the window
// itself goes at the synchronisation that follows.
void ScreenWindow::closeEvent(QCloseEvent* e) {
  e->ignore();
  desktop_.input([this](shell::Program& p) { p.close(screen_); });
}

}  // namespace desktop
