// The window of one loaded screen: paints the board and hands the mouse,
// touch and the keyboard to the session, nothing more. The screen the
// session shows is painted from its latest picture due (so an animation
// plays, and a resize during it repaints the same moment); a screen behind
// it is painted from the model. Which screens have windows, and when they
// go, is the Desktop's business. In the whole-screen mode the window fills a
// monitor and the board is scaled into it (see placement.h).
#pragma once
#include <QWidget>

#include "placement.h"

class QScreen;
class QMouseEvent;

namespace desktop {

class Desktop;

class ScreenWindow : public QWidget {
 public:
  ScreenWindow(Desktop& desktop, int screen);
  int number() const { return screen_; }
  // The pointer of the control under the mouse, or the arrow; the position
  // is the window's.
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

  Desktop& desktop_;
  int screen_;
};

}  // namespace desktop
