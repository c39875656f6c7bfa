// An empty Qt window: the baseline for the program's start-up time.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1018, 741);
    window.show();
    return app.exec();
}
