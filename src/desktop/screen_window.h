// The window of one loaded screen: paints the model and hands the mouse and
// the keyboard to the Program, nothing more. Which screens have windows, and
// when they go, is the Desktop's business.
#pragma once
#include <QWidget>

namespace desktop {

class Desktop;

class ScreenWindow : public QWidget {
 public:
  ScreenWindow(Desktop& desktop, int screen);
  int screen() const { return screen_; }
  // The pointer of the control under the mouse, or the arrow.
  void updatePointer(QPointF position);

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
  Desktop& desktop_;
  int screen_;
};

}  // namespace desktop
