// The yardsticks for the program's start: an empty Qt Widgets window of a
// given size, shown at once; with "word" as third argument, the same window
// after measuring one word in its font (no widget added, nothing drawn);
// with "text", the same window with one label and one line edit.
// scripts/bench-startup.py starts them and Tarvik in turns and compares the
// time to a mapped window and the peak memory. The last pays what any window
// with a word pays and the empty one does not: fontconfig's set-up, the font
// database, the font engine and the first shaping (about 20 ms and 5 MiB
// here). The one word pays the least of that any text can: the font
// database, one font engine and one shaping.
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Empty");
    window.resize(argc > 2 ? std::atoi(argv[1]) : 560, argc > 2 ? std::atoi(argv[2]) : 400);
    if (argc > 3 && std::strcmp(argv[3], "word") == 0) (void)QFontMetrics(window.font()).horizontalAdvance("Degrees");
    if (argc > 3 && std::strcmp(argv[3], "text") == 0) {
        (new QLabel("Degrees of freedom :", &window))->move(10, 10);
        (new QLineEdit("0", &window))->move(10, 40);
    }
    window.show();
    return app.exec();
}
