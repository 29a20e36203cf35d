#include "ui/about_box.h"

#include "ui/fonts.h"

#include <QLabel>
#include <QPushButton>

namespace tavolier {

TAboutBox::TAboutBox(const AssetFinder& finder, qreal scale, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("AboutBox");
    setWindowTitle("Texas hold'em rules");
    setModal(true);
    setFixedSize(421, 631);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setGeometry(0, 0, 425, 585);
    const QImage picture = loadPicture(finder, "rules.jpg", scale);
    if (!picture.isNull())
        image->setPixmap(QPixmap::fromImage(picture));

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setGeometry(168, 592, 81, 27);
    ok->setFont(uiFont("Tahoma", 8, false));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace tavolier
