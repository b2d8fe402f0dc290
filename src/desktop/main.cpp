// Aritmetica: the title screen opens; everything else is the screens' own.
// No argument is read and no setting is kept.
#include <QApplication>
#include <QIcon>

#include "desktop.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(QIcon(":/pictures/icon_64.png"));
  QApplication::setQuitOnLastWindowClosed(false);  // the program decides when it ends
  desktop::Desktop desktop;
  desktop.start();
  return QApplication::exec();
}
