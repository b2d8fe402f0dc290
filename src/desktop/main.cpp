// Aritmetica: the title screen opens; everything else is the screens' own.
// No argument is read and no setting is kept.
#include <QApplication>
#include <QIcon>

#include "desktop.h"

int main(int argc, char** argv) {
  // Without a session bus, the sound library would try to start one (and a
  // process with it) just to hear about a sound server appearing later.
  if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  QApplication app(argc, argv);
  QApplication::setWindowIcon(QIcon(":/pictures/icon_64.png"));
  QApplication::setQuitOnLastWindowClosed(false);  // the program decides when it ends
  desktop::Desktop desktop;
  desktop.start();
  return QApplication::exec();
}
