// The desktop's tests run inside one application on an offscreen monitor of
// a classroom projector's size, 1920 x 1080: the painter needs fonts, the
// desktop its windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  const QString config = QDir::temp().filePath(QStringLiteral("aritmetica-desktop-tests-%1.json").arg(getpid()));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(R"({"screens": [{"name": "projector", "x": 0, "y": 0, "width": 1920, "height": 1080,
                "logicalDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
  qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  QFile::remove(config);
  std::fflush(nullptr);
  std::_Exit(result);  // as the program ends (see its main)
}
