// The baseline of the start-up memory benchmark: Qt Widgets and one empty window of the main
// window's size, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.resize(720, 480);
    window.show();
    return app.exec();
}
