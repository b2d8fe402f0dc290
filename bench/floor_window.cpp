// A window of the title screen's size (792 x 573 pixels) that paints the
// chalkboard picture and nothing else: what start-up costs with Qt alone.
// With --fullscreen it covers the screen and paints the picture scaled, as
// the whole-screen mode does.
#include <QApplication>
#include <QScreen>
#include <cstring>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

class Floor : public QWidget {
 public:
  Floor() : board_(":/pictures/chalkboard.png") {
    setWindowTitle("vaxo - Aritmetica cl. I");
    setFixedSize(792, 573);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    if (size() == QSize(792, 573)) {
      p.drawPixmap(0, 0, board_);
      return;
    }
    p.fillRect(rect(), Qt::black);
    const double f = std::min(width() / 792.0, height() / 573.0);
    p.translate((width() - 792 * f) / 2, (height() - 573 * f) / 2);
    p.scale(f, f);
    p.drawPixmap(0, 0, board_);
  }

 private:
  QPixmap board_;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Floor w;
  if (argc > 1 && std::strcmp(argv[1], "--fullscreen") == 0) {
    w.setMinimumSize(0, 0);
    w.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    w.setWindowState(Qt::WindowFullScreen);
    w.setGeometry(QGuiApplication::primaryScreen()->geometry());
  }
  w.show();
  return app.exec();
}
