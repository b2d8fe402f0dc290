// The window of one loaded screen: paints its board from the frame shown
// (so an animation plays, and a resize during it repaints the same moment),
// shows the pointer and tooltip the frame gives under the mouse, and hands
// the mouse, touch and the keyboard to the session, nothing more. Which
// screens have windows, and when they go, is the Desktop's business. In the
// whole-screen mode the window fills a monitor and the board is scaled into
// it (see placement.h).
#pragma once
#include <QWidget>

#include "placement.h"
#include "session/frame.h"

class QScreen;
class QMouseEvent;

namespace desktop {

class Desktop;

class ScreenWindow : public QWidget {
 public:
  ScreenWindow(Desktop& desktop, const session::Window& window);
  int number() const { return screen_; }
  // The pointer and tooltip the frame shown gives under the mouse, or the
  // arrow; the position is the window's.
  void updatePointer(QPointF position);
  // Fills the monitor (the whole-screen mode), or takes the designed size
  // centred on it. Called before the first show too, so that a window opens
  // directly in its mode.
  void place(bool wholeScreen, QScreen* monitor);
  Placement placement() const;

 protected:
  bool event(QEvent* e) override;
  bool focusNextPrevChild(bool) override { return false; }  // Tab is ours
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void pointer(QMouseEvent* e, int kind);
  const session::HoverArea* hoverAt(QPointF position) const;

  Desktop& desktop_;
  int screen_;
  QSize board_;  // the screen's client size, logical pixels
  QString toolTip_;  // the tooltip this window shows, if any
  QPointF last_;     // where the mouse was last, twips of the board
};

}  // namespace desktop
