#include "ui/rules_dialog.h"

#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/rules_text.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextDocumentFragment>

namespace tavolier {

namespace {

// The rules page's words as plain text, one paragraph a line, in the
// player's language.
QString rulesText() {
    using namespace rules_text;
    const auto words = [](const char* english) {
        return QTextDocumentFragment::fromHtml(QCoreApplication::translate("RulesPage", english))
            .toPlainText();
    };
    QStringList lines { words(kTitle) + QStringLiteral(", ") + words(kSubtitle) + QChar('.') };
    const auto section = [&](const char* heading, const char* text) {
        lines << words(heading) + QStringLiteral(": ") + words(text);
    };
    section(kDealHeading, kDealText);
    section(kBetsHeading, kBetsText);
    QStringList streets;
    for (std::size_t i = 0; i < kStreets.size(); ++i)
        streets << QStringLiteral("%1. %2, %3")
                       .arg(i + 1)
                       .arg(words(kStreets[i][0]), words(kStreets[i][1]));
    lines << words(kStreetsHeading) + QStringLiteral(": ") + streets.join(QStringLiteral("; "))
            + QChar('.');
    lines << words(kShowdownText);
    QStringList ranking;
    for (const auto& [name, note] : kRanking)
        ranking << words(name) + QStringLiteral(", ") + words(note);
    lines << words(kRankingHeading) + QStringLiteral(": ") + ranking.join(QStringLiteral("; "))
            + QChar('.');
    section(kOddsHeading, kOddsText);
    section(kButtonsHeading, kButtonsText);
    return lines.join(QChar('\n')) + QChar('\n');
}

} // namespace

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

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("OKButton");
    ok->setGeometry(168, 592, 81, 27);
    ok->setFont(uiFont("Tahoma", 8, false));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

RulesDialog::~RulesDialog() = default;

void RulesDialog::showEvent(QShowEvent* event) {
    // The page is a picture: a screen reader reads its words from here,
    // written when the page is first shown rather than at start-up.
    if (m_image->accessibleDescription().isEmpty())
        m_image->setAccessibleDescription(rulesText()
            + QCoreApplication::translate(
                "tavolier::RulesDialog", "A page of the rules; OK or Esc closes it"));
    if (!m_picture.decoded() && !m_picture.image().isNull())
        m_image->setPixmap(QPixmap::fromImage(m_picture.image()));
    QDialog::showEvent(event);
}

} // namespace tavolier
