// vsk: the design program. Until the main window exists it shows a start window.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("VSK");
    QMainWindow fenster;
    fenster.setWindowTitle("Tervo - VSK / VSKQ Shear Connectros");
    auto* hinweis = new QLabel(QObject::tr("The design program is being built. Use vsk-cli for now."));
    hinweis->setAlignment(Qt::AlignCenter);
    fenster.setCentralWidget(hinweis); // the window owns the label
    fenster.resize(800, 600);
    fenster.show();
    return QApplication::exec();
}
