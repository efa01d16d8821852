// Renders the application icon (SVG) into PNG files of the usual icon sizes.
// Usage: vsk-icon-render ICON.svg OUTDIR

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ICON.svg OUTDIR\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    for (int groesse : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::transparent);
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        svg.render(&maler);
        maler.end();
        QString datei = QString("%1/vsk-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(groesse);
        if (!bild.save(datei)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(datei));
            return 1;
        }
    }
    return 0;
}
