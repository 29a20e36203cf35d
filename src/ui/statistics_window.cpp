#include "ui/statistics_window.h"

#include "ui/side_windows.h"

#include "core/seats.h"
#include "core/table_state.h"
#include "opponents/characters.h"
#include "presentation/hand_history.h"
#include "ui/chips_chart.h"
#include "ui/fonts.h"
#include "ui/table_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLibrary>
#include <QPluginLoader>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace tavolier {

namespace {

// clang-format off
// Line colours by seat number, each taken from its portrait and bright
// enough to read on the dark chart.
constexpr std::array<QRgb, 9> kSeatColours {
    0x000000,
    0xe0574f, // Marc: the deep red behind him
    0x3fc1b4, // Edmund: the teal of his backdrop
    0xe4e0d4, // Robert: white hair and beard
    0xb48ae6, // Cindy: the violet behind her
    0xe58a3c, // Carlos: the rust of his backdrop
    0x62c46a, // Jack: his green hoodie
    0x6fa3e0, // Chong: the slate blue behind him
    0xf0c64a, // You: the gold of the rings
};
// clang-format on

const QColor kWindowColour(0x14, 0x26, 0x1b);
const QColor kPanelColour(0x1b, 0x33, 0x24);
const QColor kInk(0xf2, 0xe6, 0xc8);
const QColor kGold(0xd9, 0xb4, 0x52);

QString plainName(int seat) {
    if (seat == kHuman)
        return QCoreApplication::translate("TableText", "You");
    const std::string_view name = seatInfo(seat).name;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString rateText(const std::optional<double>& rate) {
    return rate ? QStringLiteral("%1 %").arg(*rate, 0, 'f', 1) : QStringLiteral("–");
}

QString cardText(Card card) {
    static const char* const kRanks = "23456789TJQKA";
    static const char* const kSuits[4] = { "\u2663", "\u2666", "\u2665", "\u2660" };
    if (card.rank < 0 || card.rank > 12 || card.suit < 0 || card.suit > 3)
        return QStringLiteral("?");
    return QString(QChar::fromLatin1(kRanks[card.rank])) + QString::fromUtf8(kSuits[card.suit]);
}

// A seat's style line in the player's language; empty for the human's seat.
QString styleLine(int seat) {
    const Character* character = characterOfSeat(seat);
    if (character == nullptr)
        return {};
    // Translated where the portraits' tooltips gather the style lines.
    const std::string line(character->style);
    return QCoreApplication::translate("Character", line.c_str());
}

QString styleFigure(const std::optional<double>& value, int decimals) {
    return value ? QString::number(*value, 'f', decimals) : QStringLiteral("–");
}

QFrame* panel(QWidget* parent, const QString& title, QVBoxLayout** body) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("statisticsPanel"));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(10, 6, 10, 8);
    layout->setSpacing(4);
    auto* heading = new QLabel(title, frame);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setFont(uiFont(QStringLiteral("Georgia"), 10, true));
    layout->addWidget(heading);
    *body = layout;
    return frame;
}

} // namespace

QColor seatColour(SeatNumber seat) {
    return seat.isSeat() ? QColor::fromRgb(kSeatColours[seat.index()]) : QColor(Qt::gray);
}

ChipsChartFactory* loadChipsChart(const QStringList& dirs, QString* error) {
    QStringList tried;
    for (const QString& dir : dirs) {
        const QDir folder(dir);
        for (const QString& file :
            folder.entryList({ QStringLiteral("tavolier_chips_chart.*") }, QDir::Files)) {
            const QString path = folder.absoluteFilePath(file);
            if (!QLibrary::isLibrary(path))
                continue;
            // The loader stays alive, so the plugin stays loaded for the run.
            auto* loader = new QPluginLoader(path, qApp);
            if (auto* factory = qobject_cast<ChipsChartFactory*>(loader->instance()))
                return factory;
            tried.append(loader->errorString());
            delete loader;
        }
    }
    if (error != nullptr) {
        *error = tried.isEmpty() ? QStringLiteral("tavolier_chips_chart was not found")
                                 : tried.join(QStringLiteral("; "));
    }
    return nullptr;
}

StatisticsWindow::StatisticsWindow(const MatchStatistics& statistics,
    std::function<StoredCounters()> counters, const QStringList& pluginDirs, QWidget* parent,
    const StyleStatistics* styles)
    : QWidget(parent, Qt::Window)
    , m_statistics(statistics)
    , m_counters(std::move(counters))
    , m_styles(styles) {
    setObjectName(QStringLiteral("Statistics"));
    setWindowTitle(tr("Statistics"));
    setAttribute(Qt::WA_StyledBackground);
    setFont(uiFont(QStringLiteral("Verdana"), 8, false));
    setStyleSheet(
        QStringLiteral("QWidget#Statistics { background: %1; }"
                       "QFrame#statisticsPanel { background: %2; border: 1px solid #5a4a28;"
                       " border-radius: 6px; }"
                       "QLabel { color: %3; background: transparent; }"
                       "QLabel#heading { color: %4; }"
                       "QLabel[role=\"column\"] { color: %4; font-weight: bold; }")
            .arg(kWindowColour.name(), kPanelColour.name(), kInk.name(), kGold.name()));

    // One column, so that the window stands beside the table on a small screen.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->setSpacing(8);
    auto* left = new QVBoxLayout;
    left->setSpacing(8);
    outer->addLayout(left, 0);

    // The three counters with their rates, all time and this session.
    QVBoxLayout* body = nullptr;
    left->addWidget(panel(this, tr("Your hands"), &body));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    body->addLayout(grid);
    const QStringList columns { tr("All time"), tr("This session") };
    for (int c = 0; c < 2; ++c) {
        auto* heading = new QLabel(columns[c], this);
        heading->setProperty("role", "column");
        heading->setAlignment(Qt::AlignRight);
        grid->addWidget(heading, 0, c + 1);
    }
    const QStringList rows { tr("Hands played"), tr("Hands won"), tr("Won per hand played"),
        tr("Showdowns"), tr("Showdowns per hand played") };
    static constexpr std::array<const char*, 5> rowNames { "handsPlayed", "handsWon", "wonRate",
        "showdowns", "showdownRate" };
    static constexpr std::array<const char*, 2> columnNames { "AllTime", "Session" };
    for (int r = 0; r < 5; ++r) {
        grid->addWidget(new QLabel(rows[r], this), r + 1, 0);
        for (int c = 0; c < 2; ++c) {
            m_counterLabels[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]
                = addFigure(grid, r + 1, c + 1, QString::fromLatin1(rowNames[r]) + columnNames[c]);
        }
    }

    // The session: wins by seat, the biggest pot, the human's best hand.
    left->addWidget(panel(this, tr("This session"), &body));
    // Each seat's wins and style: the character's line on its name, and
    // this session's VPIP, PFR, aggression and showdowns beside its wins.
    auto* wins = new QGridLayout;
    wins->setHorizontalSpacing(8);
    wins->setVerticalSpacing(1);
    body->addLayout(wins);
    const std::array<QString, 5> columnTitles { tr("Hands won"), tr("VPIP"), tr("PFR"), tr("AF"),
        tr("WTSD") };
    const std::array<QString, 5> columnTips {
        QString(),
        tr("Hands in which the seat called or raised before the flop, in per cent"),
        tr("Hands in which the seat raised before the flop, in per cent"),
        tr("Bets and raises per call from the flop on"),
        tr("Showdowns per flop seen, in per cent"),
    };
    for (std::size_t c = 0; c < columnTitles.size(); ++c) {
        auto* heading = new QLabel(columnTitles[c], this);
        heading->setProperty("role", "column");
        heading->setAlignment(Qt::AlignRight);
        heading->setToolTip(columnTips[c]);
        wins->addWidget(heading, 0, static_cast<int>(c) + 2);
    }
    static constexpr std::array<const char*, 4> styleNames { "vpip", "pfr", "af", "wtsd" };
    for (std::size_t i = 0; i < kNamingOrder.size(); ++i) {
        const int seat = kNamingOrder[i];
        const int row = static_cast<int>(i) + 1;
        auto* swatch = new QLabel(this);
        swatch->setFixedSize(14, 4);
        swatch->setStyleSheet(QStringLiteral("background: %1; border-radius: 1px;")
                                  .arg(seatColour(SeatNumber(seat)).name()));
        wins->addWidget(swatch, row, 0, Qt::AlignVCenter);
        auto* name = new QLabel(plainName(seat), this);
        name->setObjectName(QStringLiteral("name%1").arg(seat));
        name->setToolTip(styleLine(seat));
        name->setAccessibleDescription(styleLine(seat));
        wins->addWidget(name, row, 1);
        m_winLabels[static_cast<std::size_t>(seat)]
            = addFigure(wins, row, 2, QStringLiteral("wins%1").arg(seat));
        for (std::size_t c = 0; c < styleNames.size(); ++c) {
            QLabel* figure = addFigure(wins, row, static_cast<int>(c) + 3,
                QStringLiteral("%1%2").arg(styleNames[c]).arg(seat));
            figure->setMinimumWidth(28);
            m_styleLabels[static_cast<std::size_t>(seat)][c] = figure;
        }
    }
    wins->setColumnStretch(1, 1);
    m_biggestPot = new QLabel(this);
    m_biggestPot->setObjectName(QStringLiteral("biggestPot"));
    m_biggestPot->setWordWrap(true);
    body->addSpacing(4);
    body->addWidget(m_biggestPot);
    m_bestHand = new QLabel(this);
    m_bestHand->setObjectName(QStringLiteral("bestHand"));
    m_bestHand->setWordWrap(true);
    body->addWidget(m_bestHand);

    // The chart of the match, drawn by the plugin.
    QVBoxLayout* chartBody = nullptr;
    outer->addWidget(panel(this, tr("Chips over the hands of this match"), &chartBody), 1);
    QString error;
    m_factory = loadChipsChart(pluginDirs, &error);
    if (m_factory != nullptr) {
        m_chart = m_factory->createChart(this);
        m_chart->setMinimumSize(300, 180);
        m_chart->setAccessibleName(QCoreApplication::translate(
            "tavolier::StatisticsWindow", "Chips over the hands of this match"));
        chartBody->addWidget(m_chart, 1);
    } else {
        m_chartNote = new QLabel(tr("The chart is not available (%1).").arg(error), this);
        m_chartNote->setObjectName(QStringLiteral("chartNote"));
        m_chartNote->setWordWrap(true);
        m_chartNote->setMinimumSize(300, 180);
        m_chartNote->setAlignment(Qt::AlignCenter);
        chartBody->addWidget(m_chartNote, 1);
    }

    refresh();
    resize(sizeHint());
}

QLabel* StatisticsWindow::addFigure(QGridLayout* grid, int row, int column, const QString& name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(40);
    grid->addWidget(label, row, column);
    return label;
}

void StatisticsWindow::refresh() {
    const StoredCounters now = m_counters ? m_counters() : StoredCounters {};
    const std::array<CounterFigures, 2> figures { m_statistics.allTime(now),
        m_statistics.session(now) };
    for (std::size_t c = 0; c < 2; ++c) {
        const CounterFigures& f = figures[c];
        m_counterLabels[0][c]->setText(QString::number(f.handsPlayed));
        m_counterLabels[1][c]->setText(QString::number(f.handsWon));
        m_counterLabels[2][c]->setText(rateText(f.wonRate));
        m_counterLabels[3][c]->setText(QString::number(f.showdowns));
        m_counterLabels[4][c]->setText(rateText(f.showdownRate));
    }

    for (int seat : kNamingOrder) {
        m_winLabels[static_cast<std::size_t>(seat)]->setText(
            QString::number(m_statistics.winsBySeat()[static_cast<std::size_t>(seat)]));
    }
    for (int seat : kNamingOrder) {
        const SeatStyle none;
        const SeatStyle& style = m_styles != nullptr ? m_styles->seat(SeatNumber(seat)) : none;
        auto& labels = m_styleLabels[static_cast<std::size_t>(seat)];
        labels[0]->setText(styleFigure(style.vpip(), 0));
        labels[1]->setText(styleFigure(style.pfr(), 0));
        labels[2]->setText(styleFigure(style.aggressionFactor(), 1));
        labels[3]->setText(styleFigure(style.wentToShowdown(), 0));
    }
    if (const auto& pot = m_statistics.biggestPot()) {
        m_biggestPot->setText(
            tr("Biggest pot: %1, taken by %2")
                .arg(pot->pot)
                .arg(QString::fromStdString(seatNameList(pot->winners, storyWords()))));
    } else {
        m_biggestPot->setText(tr("Biggest pot: none yet"));
    }
    if (const auto& hand = m_statistics.humansBestHand()) {
        const QString name
            = hand->name.empty() ? tr("a hand without a name") : tableText(hand->name);
        m_bestHand->setText(tr("Your best hand: %1 (%2 %3)")
                                .arg(name, cardText(hand->cards[0]), cardText(hand->cards[1])));
    } else {
        m_bestHand->setText(tr("Your best hand: none shown yet"));
    }

    if (m_factory != nullptr && m_chart != nullptr) {
        QList<ChipsLine> lines;
        for (int seat : kNamingOrder) {
            ChipsLine line;
            line.name = plainName(seat);
            line.colour = seatColour(SeatNumber(seat));
            for (std::int32_t chips : m_statistics.chipsOf(SeatNumber(seat)))
                line.chips.append(static_cast<int>(chips));
            lines.append(line);
        }
        m_factory->showLines(m_chart, lines);
    }
}

void StatisticsWindow::placeBeside(QWidget& table) {
    placeBesideTable(
        *this, table, std::max(350, minimumSizeHint().width()), minimumSizeHint().width());
}

void StatisticsWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_S || event->key() == Qt::Key_Escape)) {
        event->accept();
        close();
        if (parentWidget() != nullptr)
            parentWidget()->activateWindow();
        return;
    }
    if (passKeyToTable(event, parentWidget(), Qt::Key_S)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void StatisticsWindow::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

void StatisticsWindow::handStarted(const HandStarted& e) {
    if (e.newMatch && isVisible())
        refresh();
}

void StatisticsWindow::handEnded(const HandEnded&) {
    if (isVisible())
        refresh();
}

} // namespace tavolier
