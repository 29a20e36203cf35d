#include "ui/table_dialog.h"

#include "ui/fonts.h"
#include "ui/table_style.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolier {

namespace {

QLabel* textLabel(const QString& text, const QFont& font, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setWordWrap(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

} // namespace

TableDialog::TableDialog(
    const QString& title, const QString& text, const std::vector<Choice>& choices, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("tableDialog");
    setWindowTitle(title);
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(26, 18, 26, 18);
    column->setSpacing(10);
    QFont titleFont = uiFont("Georgia", 12, true);
    QLabel* heading = textLabel(title, titleFont, QColor(0xf6, 0xe8, 0xb4), this);
    heading->setObjectName("title");
    heading->setAlignment(Qt::AlignHCenter);
    column->addWidget(heading);
    QLabel* body = textLabel(text, uiFont("Verdana", 10, true), Qt::white, this);
    body->setObjectName("text");
    body->setAlignment(Qt::AlignHCenter);
    body->setMinimumWidth(220);
    column->addWidget(body);
    m_detail = textLabel(QString(), uiFont("Verdana", 8, false), QColor(0xc8, 0xbc, 0x9c), this);
    m_detail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_detail->setMaximumWidth(460);
    m_detail->hide();
    column->addWidget(m_detail);
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->addStretch();
    for (const Choice& choice : choices) {
        auto* button = new QPushButton(choice.caption, this);
        button->setFont(uiFont("Verdana", 8, true));
        button->setStyleSheet(kActionButtonStyle);
        button->setMinimumSize(std::max(80, button->sizeHint().width() + 16), 28);
        button->setAutoDefault(true);
        button->setDefault(choice.isDefault);
        if (choice.isDefault)
            button->setFocus();
        if (choice.isEscape)
            m_escape = choice.result;
        connect(button, &QPushButton::clicked, this, [this, r = choice.result] { done(r); });
        row->addWidget(button);
    }
    row->addStretch();
    column->addLayout(row);
}

void TableDialog::setDetail(const QString& detail) {
    m_detail->setText(detail);
    m_detail->setVisible(!detail.isEmpty());
}

int TableDialog::choose() {
    adjustSize();
    if (QWidget* over = parentWidget()) {
        const QRect frame = over->window()->geometry();
        move(frame.center() - rect().center());
    }
    return exec();
}

void TableDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        done(m_escape);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TableDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient leather(panel.topLeft(), panel.bottomLeft());
    leather.setColorAt(0.0, QColor(0x5a, 0x38, 0x20));
    leather.setColorAt(1.0, QColor(0x2e, 0x1c, 0x10));
    painter.setPen(QPen(QColor(0x1a, 0x0f, 0x08), 3.0));
    painter.setBrush(leather);
    painter.drawRoundedRect(panel, 10, 10);
    painter.setPen(QPen(QColor(0xc9, 0xa2, 0x4a), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(panel.adjusted(4, 4, -4, -4), 7, 7);
}

void TableDialog::inform(
    QWidget* parent, const QString& title, const QString& text, const QString& detail) {
    TableDialog box(title, text, { { QStringLiteral("OK"), 0, true, true } }, parent);
    box.setDetail(detail);
    box.choose();
}

bool TableDialog::confirm(QWidget* parent, const QString& title, const QString& text) {
    // The question ends a match on Yes: Enter, like Esc, answers No.
    TableDialog box(
        title, text, { { tr("Yes"), 1, false, false }, { tr("No"), 0, true, true } }, parent);
    return box.choose() == 1;
}

} // namespace tavolier
