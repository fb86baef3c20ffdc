// The yardstick for the program's start: an empty Qt Widgets window of a
// given size, shown at once. scripts/bench-startup.py starts it and Tarvik
// in turns and compares the time to a mapped window and the peak memory.
#include <QApplication>
#include <QWidget>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Empty");
    window.resize(argc > 2 ? std::atoi(argv[1]) : 560, argc > 2 ? std::atoi(argv[2]) : 400);
    window.show();
    return app.exec();
}
