// Scaffold: writes blank files of the right names and sizes until the real drawings land.
#include <QDir>
#include <QFile>
#include <QImage>

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    QDir run(argv[1]), builtin(argv[2]);
    auto blank = [](const QString& path, int w, int h) {
        QImage img(w, h, QImage::Format_ARGB32);
        img.fill(Qt::white);
        return img.save(path);
    };
    for (auto n : {"90.bmp", "70.bmp", "60.bmp", "50.bmp", "30.bmp"}) blank(run.filePath(n), 250, 250);
    for (auto n : {"nextar.bmp", "nextsa.bmp"}) blank(run.filePath(n), 125, 100);
    for (auto n : {"arrow1.ico", "arrow2.ico", "arrow3.ico", "arrow4.ico", "z1.ico", "z2.ico", "z3.ico"})
        blank(run.filePath(n), 32, 32);
    for (auto n : {"tick.wav", "muzi.luk", "zeny.luk"}) {
        QFile f(run.filePath(n));
        f.open(QIODevice::WriteOnly);
    }
    QString qrc = "<RCC><qresource prefix=\"/builtin\">\n";
    for (auto n : {"scope.bmp", "sight1.png", "marker.png", "clicker.bmp", "arrow.bmp", "archer.bmp",
                   "nextarrow0.bmp", "downbut.bmp", "rightbut.bmp", "upbut.bmp", "leftbut.bmp",
                   "icon.png", "roundtype.png", "cursor.png"}) {
        blank(builtin.filePath(n), 32, 32);
        qrc += QString("<file>%1</file>\n").arg(n);
    }
    qrc += "</qresource></RCC>\n";
    QFile q(builtin.filePath("builtin.qrc"));
    q.open(QIODevice::WriteOnly);
    q.write(qrc.toUtf8());
    return 0;
}
