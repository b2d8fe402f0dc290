// A window of the title screen's size (792 x 573 pixels) that paints the
// chalkboard picture and nothing else: what start-up costs with Qt alone.
#include <QApplication>
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
  void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, board_); }

 private:
  QPixmap board_;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Floor w;
  w.show();
  return app.exec();
}
