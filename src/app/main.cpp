// The game: one window, the card table.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(1000, 670);
    window.setStyleSheet("background: black;");
    window.show();
    return app.exec();
}
