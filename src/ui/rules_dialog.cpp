#include "ui/rules_dialog.h"

#include "ui/fonts.h"
#include "ui/language.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace tavolier {

RulesDialog::RulesDialog(const AssetFinder& finder, qreal scale, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_picture(finder, pictureInLanguage(finder, QStringLiteral("rules.jpg")), scale) {
    setObjectName("AboutBox");
    setWindowTitle(tr("Texas hold'em rules"));
    setModal(true);
    setFixedSize(421, 631);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    m_image = new QLabel(this);
    m_image->setObjectName("Image1");
    m_image->setGeometry(0, 0, 425, 585);
    m_image->setAccessibleName(
        QCoreApplication::translate("tavolier::RulesDialog", "The rules of Texas hold'em"));
    m_image->setAccessibleDescription(QCoreApplication::translate(
        "tavolier::RulesDialog", "A page of the rules; OK or Esc closes it"));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("OKButton");
    ok->setGeometry(168, 592, 81, 27);
    ok->setFont(uiFont("Tahoma", 8, false));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

RulesDialog::~RulesDialog() = default;

void RulesDialog::showEvent(QShowEvent* event) {
    if (!m_picture.decoded() && !m_picture.image().isNull())
        m_image->setPixmap(QPixmap::fromImage(m_picture.image()));
    QDialog::showEvent(event);
}

} // namespace tavolier
