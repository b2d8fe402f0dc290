#include "screen_window.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <map>

#include "desktop.h"
#include "keys.h"
#include "paint/paint.h"

namespace desktop {

namespace {

constexpr double kTwips = shell::kTwipsPerPixel;

std::optional<shell::Button> button(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return shell::Button::Left;
    case Qt::RightButton: return shell::Button::Right;
    case Qt::MiddleButton: return shell::Button::Middle;
    default: return std::nullopt;
  }
}

const QCursor& pointerCursor(shell::Pointer p) {
  static std::map<shell::Pointer, QCursor> cursors;
  auto it = cursors.find(p);
  if (it == cursors.end()) {
    const QImage& image = paint::picture(paint::pointerPicture(p));
    const QPoint hot = paint::hotSpot(p);
    QCursor c = image.isNull() ? QCursor(Qt::ArrowCursor)
                               : QCursor(QPixmap::fromImage(image), hot.x(), hot.y());
    it = cursors.emplace(p, c).first;
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

void ScreenWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paint::paint(p, desktop_.program(), desktop_.program().form(screen_));
}

void ScreenWindow::updatePointer(QPointF position) {
  shell::Screen& s = desktop_.program().form(screen_);
  const shell::Control* c =
      rect().contains(position.toPoint()) ? s.hit(position.x() * kTwips, position.y() * kTwips) : nullptr;
  const shell::Pointer p = c ? c->pointer : shell::Pointer::Arrow;
  if (p == shell::Pointer::Arrow)
    unsetCursor();
  else
    setCursor(pointerCursor(p));
}

void ScreenWindow::mousePressEvent(QMouseEvent* e) {
  const auto b = button(e->button());
  if (!b) return;
  const QPointF at = e->position() * kTwips;
  const int shift = shiftState(e->modifiers());
  desktop_.input([&](shell::Program& p) { p.mouseDown(screen_, *b, at.x(), at.y(), shift); });
}

void ScreenWindow::mouseReleaseEvent(QMouseEvent* e) {
  const auto b = button(e->button());
  if (!b) return;
  const QPointF at = e->position() * kTwips;
  const int shift = shiftState(e->modifiers());
  desktop_.input([&](shell::Program& p) { p.mouseUp(screen_, *b, at.x(), at.y(), shift); });
}

void ScreenWindow::mouseMoveEvent(QMouseEvent* e) {
  const QPointF at = e->position() * kTwips;
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
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      desktop_.input([](shell::Program& p) { p.tab(); });
      return true;
    }
  }
  if (e->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(e);
    shell::Screen& s = desktop_.program().form(screen_);
    const shell::Control* c = s.hit(help->pos().x() * kTwips, help->pos().y() * kTwips);
    if (c && !c->toolTip.empty()) {
      QToolTip::showText(help->globalPos(), QString::fromStdString(c->toolTip), this,
                         paint::pixels(*c).toAlignedRect());
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
