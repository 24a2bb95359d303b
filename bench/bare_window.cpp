// A bare Qt window of the main window's size, to compare the game's start-up
// time and memory with (bench/startup.sh).
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("BARE");
  window.setFixedSize(513, 383);
  window.show();
  return app.exec();
}
