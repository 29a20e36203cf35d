// The yardstick of the start-up benchmark: a bare Qt window of the table's
// size, black, with nothing on it, timed to its first frame the same way.
#include "ui/first_frame.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(1000, 670);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, Qt::black);
    window.setPalette(pal);
    tavolier::watchFirstFrame(window);
    window.show();
    return app.exec();
}
