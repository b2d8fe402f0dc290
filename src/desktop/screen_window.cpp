#include "screen_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <cmath>
#include <map>

#include "desktop.h"
#include "keys.h"
#include "shell/units.h"
#include "paint/paint.h"

namespace desktop {

namespace {

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

ScreenWindow::ScreenWindow(Desktop& desktop, const session::Window& window)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      desktop_(desktop),
      screen_(window.screen),
      board_(int(window.client.w), int(window.client.h)) {
  setWindowTitle(QString::fromStdString(window.caption));
  setFixedSize(board_);
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
  setFixedSize(board_);
  if (monitor) {
    const QRect area = monitor->availableGeometry();
    move(area.left() + std::max(0, (area.width() - width()) / 2),
         area.top() + std::max(0, (area.height() - height()) / 2 - 20));
  }
}

Placement ScreenWindow::placement() const {
  return Placement::fit(board_, size());
}

void ScreenWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (const session::Window* w = desktop_.frame().window(screen_)) placement().paint(p, size(), w->drawing);
}

const session::HoverArea* ScreenWindow::hoverAt(QPointF position) const {
  const session::Window* w = desktop_.frame().window(screen_);
  const auto at = placement().onBoard(position);
  return w && at ? w->hoverAt(at->x(), at->y()) : nullptr;
}

// Also when the picture changes under a mouse at rest: a tooltip whose
// control has gone, or says something else now, goes with it.
void ScreenWindow::updatePointer(QPointF position) {
  const session::HoverArea* hover = hoverAt(position);
  const shell::Pointer p = hover ? hover->pointer : shell::Pointer::Arrow;
  if (p == shell::Pointer::Arrow)
    unsetCursor();
  else
    setCursor(pointerCursor(p, placement().factor()));
  if (!toolTip_.isEmpty() && (!hover || QString::fromStdString(hover->toolTip) != toolTip_)) {
    toolTip_.clear();
    QToolTip::hideText();
  }
}

// A finger's events come as the mouse events Qt makes of them, marked with
// the touch screen they came from.
void ScreenWindow::pointer(QMouseEvent* e, int kind) {
  session::PointerInput in;
  in.kind = static_cast<session::PointerInput::Kind>(kind);
  in.screen = screen_;
  const auto b = button(e->button());
  if (in.kind != session::PointerInput::Kind::Move) {
    if (!b) return;  // the side buttons and the rest do nothing
    in.button = *b;
  }
  const Placement placed = placement();
  const QPointF at = placed.toBoard(e->position()) * shell::kTwipsPerPixel;
  in.x = at.x();
  in.y = at.y();
  in.onBoard = placed.onBoard(e->position()).has_value();
  last_ = at;
  in.shift = shiftState(e->modifiers());
  const QPointingDevice* device = e->pointingDevice();
  if (device && device->type() == QInputDevice::DeviceType::TouchScreen) in.device = session::Device::Touch;
  desktop_.pointer(in);
}

void ScreenWindow::mousePressEvent(QMouseEvent* e) { pointer(e, int(session::PointerInput::Kind::Press)); }
void ScreenWindow::mouseReleaseEvent(QMouseEvent* e) { pointer(e, int(session::PointerInput::Kind::Release)); }

// Every move goes to the session, a button held or not: the mouse at rest
// on a control is the session's to time.
void ScreenWindow::mouseMoveEvent(QMouseEvent* e) {
  pointer(e, int(session::PointerInput::Kind::Move));
  updatePointer(e->position());
}

void ScreenWindow::keyPressEvent(QKeyEvent* e) {
  const auto k = key(e->key(), e->modifiers(), e->text());
  if (!k || (k->name == session::KeyName::WholeScreen && e->isAutoRepeat())) return;
  desktop_.key(*k, shiftState(e->modifiers()));
}

bool ScreenWindow::event(QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
      desktop_.key({session::KeyName::Tab}, 0);
      return true;
    }
  }
  if (e->type() == QEvent::TouchCancel) {
    session::PointerInput in;
    in.kind = session::PointerInput::Kind::Cancel;
    in.screen = screen_;
    in.device = session::Device::Touch;
    desktop_.pointer(in);
  }
  // The mouse gone from the window, as a move off the board where it was
  // last; with a button held the press goes on until its release.
  if (e->type() == QEvent::Leave && QGuiApplication::mouseButtons() == Qt::NoButton) {
    session::PointerInput in;
    in.kind = session::PointerInput::Kind::Move;
    in.screen = screen_;
    in.x = last_.x();
    in.y = last_.y();
    in.onBoard = false;
    desktop_.pointer(in);
  }
  if (e->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(e);
    const session::HoverArea* hover = hoverAt(help->pos());
    if (hover && !hover->toolTip.empty()) {
      toolTip_ = QString::fromStdString(hover->toolTip);
      QToolTip::showText(help->globalPos(), toolTip_, this, placement().toWindow(hover->area).toAlignedRect());
    } else {
      toolTip_.clear();
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
  desktop_.close(screen_);
}

}  // namespace desktop
