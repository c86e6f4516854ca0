// Renders the application's SVG icon as PNGs of the given sizes, through Qt's own SVG icon
// engine, so that the program shows the same window icon without loading that engine at start.
//
//   vestra-icon-pngs SVG FOLDER SIZE...      writes FOLDER/vestra-SIZE.png
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: vestra-icon-pngs SVG FOLDER SIZE...\n");
        return 2;
    }
    QIcon icon(QString::fromLocal8Bit(argv[1]));
    for (int i = 3; i < argc; ++i) {
        bool number = false;
        int size = QByteArray(argv[i]).toInt(&number);
        QImage image = icon.pixmap(size, size).toImage();
        QString path = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/vestra-%1.png").arg(size);
        if (!number || image.width() != size || !image.save(path, "png")) {
            std::fprintf(stderr, "vestra-icon-pngs: cannot render %s at %d pixels into %s\n",
                         argv[1], size, qPrintable(path));
            return 1;
        }
    }
    return 0;
}
