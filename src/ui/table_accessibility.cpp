#include "ui/table_accessibility.h"

#include "core/seats.h"
#include "presentation/card_drawing.h"
#include "ui/main_window.h"
#include "ui/options_panel.h"
#include "ui/playback.h"
#include "ui/table_marks_view.h"
#include "ui/table_story.h"
#include "ui/table_texts.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <cmath>
#include <vector>

namespace tavolier {

namespace {

QString cardName(Card card) {
    static constexpr std::array<const char*, 13> kRanks { "2", "3", "4", "5", "6", "7", "8", "9",
        QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "10"),
        QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "Jack"),
        QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "Queen"),
        QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "King"),
        QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "Ace") };
    static constexpr std::array<const char*, 4> kSuits {
        QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "clubs"),
        QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "diamonds"),
        QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "hearts"),
        QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "spades"),
    };
    if (card.rank < 0 || card.rank > 12 || card.suit < 0 || card.suit > 3)
        return QString();
    return TableAccessibility::tr("%1 of %2")
        .arg(TableAccessibility::tr(kRanks[static_cast<std::size_t>(card.rank)]),
            TableAccessibility::tr(kSuits[static_cast<std::size_t>(card.suit)]));
}

QString seatName(int seat) {
    if (seat == kHuman)
        return TableAccessibility::tr("You");
    const std::string_view name = seatInfo(seat).name;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString spokenStreet(Street street) {
    switch (street) {
    case Street::preflop:
        return TableAccessibility::tr("Pre-flop");
    case Street::flop:
        return TableAccessibility::tr("Flop");
    case Street::turn:
        return TableAccessibility::tr("Turn");
    case Street::river:
        return TableAccessibility::tr("River");
    case Street::showdown:
        return TableAccessibility::tr("Showdown");
    }
    return QString();
}

QString list(const QStringList& items) {
    return items.join(QStringLiteral(", "));
}

// A logical rectangle of the 1000 x 670 table in the window, as the marks
// (which cover the table at every zoom) place it.
QRect onTable(const TableWindow& window, const QRect& logical) {
    const QRect table = window.marksView()->geometry();
    const qreal zoom = table.width() / 1000.0;
    return QRectF(
        QPointF(table.topLeft()) + QPointF(logical.topLeft()) * zoom, QSizeF(logical.size()) * zoom)
        .toAlignedRect();
}

QRect qrect(const Rect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

// One part of the table in the accessible tree: a piece of text with a
// place, read from the table each time it is asked.
class TablePart final : public QAccessibleInterface {
public:
    TablePart(TableAccessibility* table, int index)
        : m_table(table)
        , m_index(index) { }

    [[nodiscard]] bool isValid() const override { return !m_table.isNull(); }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override {
        return m_table ? m_table->window().windowHandle() : nullptr;
    }
    [[nodiscard]] QAccessibleInterface* focusChild() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* parent() const override {
        return m_table ? QAccessible::queryAccessibleInterface(&m_table->window()) : nullptr;
    }
    [[nodiscard]] QAccessibleInterface* child(int) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (!m_table)
            return QString();
        if (t == QAccessible::Name)
            return m_table->name(m_index);
        if (t == QAccessible::Description || t == QAccessible::Value)
            return m_table->description(m_index);
        return QString();
    }
    void setText(QAccessible::Text, const QString&) override { }
    [[nodiscard]] QRect rect() const override {
        if (!m_table)
            return QRect();
        const QRect r = m_table->place(m_index);
        return QRect(m_table->window().mapToGlobal(r.topLeft()), r.size());
    }
    [[nodiscard]] QAccessible::Role role() const override {
        return TableAccessibility::role(m_index);
    }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        if (!m_table || !m_table->window().isVisible())
            s.invisible = true;
        return s;
    }

private:
    QPointer<TableAccessibility> m_table;
    int m_index;
};

} // namespace

// The table window: its widgets, less the labels a part reads out, after
// the parts of the table.
class TableTree final : public QAccessibleWidget {
public:
    TableTree(QWidget* window, TableAccessibility* table)
        : QAccessibleWidget(window, QAccessible::Window)
        , m_table(table) {
        for (int i = 0; i < TableAccessibility::kPartCount; ++i)
            m_parts.push_back(QAccessible::registerAccessibleInterface(new TablePart(table, i)));
        table->m_tree = this;
    }
    ~TableTree() override {
        if (m_table)
            m_table->m_tree = nullptr;
        for (QAccessible::Id id : m_parts)
            QAccessible::deleteAccessibleInterface(id);
    }

    [[nodiscard]] QAccessibleInterface* part(int index) const {
        return QAccessible::accessibleInterface(m_parts[static_cast<std::size_t>(index)]);
    }

    [[nodiscard]] int childCount() const override { return static_cast<int>(children().size()); }
    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        const std::vector<QAccessibleInterface*> all = children();
        return index >= 0 && index < static_cast<int>(all.size())
            ? all[static_cast<std::size_t>(index)]
            : nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QAccessibleInterface*> all = children();
        const auto found = std::find(all.begin(), all.end(), child);
        return found == all.end() ? -1 : static_cast<int>(found - all.begin());
    }
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* widget = QAccessibleWidget::childAt(x, y);
        if (widget != nullptr && !(m_table && m_table->standsIn(widget->object())))
            return widget;
        for (QAccessible::Id id : m_parts) {
            QAccessibleInterface* part = QAccessible::accessibleInterface(id);
            if (part != nullptr && part->rect().contains(x, y))
                return part;
        }
        return nullptr;
    }

private:
    [[nodiscard]] std::vector<QAccessibleInterface*> children() const {
        std::vector<QAccessibleInterface*> all;
        for (QAccessible::Id id : m_parts)
            all.push_back(QAccessible::accessibleInterface(id));
        const int widgets = QAccessibleWidget::childCount();
        for (int i = 0; i < widgets; ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            if (child != nullptr && !(m_table && m_table->standsIn(child->object())))
                all.push_back(child);
        }
        return all;
    }

    QPointer<TableAccessibility> m_table;
    std::vector<QAccessible::Id> m_parts;
};

namespace {

QAccessibleInterface* tableWindowFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->isWindow())
        return nullptr;
    auto* table = widget->findChild<TableAccessibility*>(QString(), Qt::FindDirectChildrenOnly);
    return table != nullptr ? new TableTree(widget, table) : nullptr;
}

double luminance(QRgb colour) {
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour))
        + 0.0722 * channel(qBlue(colour));
}

} // namespace

double contrastRatio(QRgb a, QRgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TableAccessibility::TableAccessibility(TableWindow& window)
    : QObject(&window)
    , m_window(window) {
    setObjectName("tableAccessibility");
    static const bool installed = [] {
        QAccessible::installFactory(tableWindowFactory);
        return true;
    }();
    (void)installed;
    // An interface made for the window before it had this one is dropped:
    // the next question makes the table's.
    if (QAccessible::isActive())
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&window)));
    window.turnSteps().shownEvents().add(*this);
    // A seat's name label reads its caption ("Chong:").
    for (QLabel* label : window.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            // As the window shows it: "You:" in the player's language.
            if (label->text() == tableText(seatInfo(seat).caption))
                m_nameLabels[static_cast<std::size_t>(seat)] = label;
        }

    // The action buttons, then the top row; the options panel follows.
    const std::array<Button, 4> actions { Button::deal, Button::checkOrCall, Button::raise,
        Button::fold };
    QWidget* last = nullptr;
    auto chain = [&last](QWidget* next) {
        if (last != nullptr)
            QWidget::setTabOrder(last, next);
        last = next;
    };
    for (Button action : actions) {
        QPushButton* button = window.button(action);
        // Enter presses the button that has the focus, as Space does.
        button->setAutoDefault(true);
        chain(button);
    }
    for (const char* name :
        { "dxButton5", "dxButton6", "dxButton8", "historyButton", "statisticsButton" }) {
        auto* button = window.findChild<QPushButton*>(name, Qt::FindDirectChildrenOnly);
        Q_ASSERT(button != nullptr);
        button->setAutoDefault(true);
        chain(button);
    }
    window.installEventFilter(this);

    m_highContrast = highContrastWanted(
        window.table().settings.readInteger("Settings", "HighContrast", -1), qgetenv("GTK_THEME"));
    if (m_highContrast)
        applyHighContrast();
}

bool TableAccessibility::highContrastWanted(int setting, const QByteArray& desktopTheme) {
    if (setting == 0 || setting == 1)
        return setting == 1;
    return desktopTheme.toLower().contains("highcontrast");
}

void TableAccessibility::applyHighContrast() {
    m_window.marksView()->setHighContrast(true);
    for (QLabel* label : m_window.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        if (auto* caption = dynamic_cast<FeltText*>(label))
            caption->setPlate(true);
    // A paid pot keeps its full white on the plate.
    m_window.label(Label::pot)->setStyleSheet(QStringLiteral("QLabel { color: white; }"));
}

// Deleted with the window's children, after the window's own members (the
// events it listens to among them) are gone: nothing to undo.
TableAccessibility::~TableAccessibility() = default;

void TableAccessibility::panelBuilt(OptionsPanel& panel) {
    m_panel = &panel;
    auto named = [](QWidget* widget, const char* name, const char* description = nullptr) {
        widget->setAccessibleName(tr(name));
        if (description != nullptr)
            widget->setAccessibleDescription(tr(description));
    };
    named(panel.money, QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "Initial cash"));
    named(panel.dxButton2, QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "Enter initial cash"),
        QT_TRANSLATE_NOOP("tavolier::TableAccessibility",
            "Gives every seat the initial cash typed beside it at once"));
    named(panel.until, QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "Play until someone wins"),
        QT_TRANSLATE_NOOP(
            "tavolier::TableAccessibility", "The chips above the initial cash that win"));
    named(panel.dxButton3,
        QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "Enter play until someone wins"),
        QT_TRANSLATE_NOOP("tavolier::TableAccessibility",
            "Sets the chips above the initial cash that win the match"));
    panel.SoundOff1->setAccessibleDescription(
        tr("Sound: press to switch it on or off (shows the state)"));
    named(panel.upDownLeft,
        QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "Lower betting limits"));
    named(panel.upDownRight,
        QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "Higher betting limits"));
    named(panel.dxButton1, QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "Ok"),
        QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "Closes the options (Esc)"));
    named(panel.pace, QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "Opponents' pace"));
    named(panel.rules, QT_TRANSLATE_NOOP("tavolier::TableAccessibility", "Rules"));
    for (QAbstractButton* radio : panel.cardbacks->buttons())
        radio->setAccessibleName(tr("Card back %1").arg(radio->text()));
    if (!panel.cardbacks->buttons().isEmpty())
        panel.cardbacks->buttons().first()->parentWidget()->setAccessibleName(tr("Card back"));
    if (!panel.Levels->buttons().isEmpty())
        panel.Levels->buttons().first()->parentWidget()->setAccessibleName(tr("AI level"));
    for (QAbstractButton* radio : panel.Levels->buttons())
        radio->setAccessibleDescription(tr("AI level"));
    panel.Label3->setAccessibleName(tr("Small bet"));
    panel.Label4->setAccessibleName(tr("Big bet"));

    // The left column, the limits, the right column, then Ok.
    QWidget* last = m_window.findChild<QPushButton*>("statisticsButton");
    auto chain = [&last](QWidget* next) {
        QWidget::setTabOrder(last, next);
        last = next;
    };
    for (QWidget* next : std::initializer_list<QWidget*> {
             panel.money, panel.dxButton2, panel.until, panel.dxButton3 })
        chain(next);
    for (QAbstractButton* radio : panel.Levels->buttons())
        chain(radio);
    chain(panel.rules);
    chain(panel.upDownLeft);
    chain(panel.upDownRight);
    chain(panel.SoundOff1);
    for (QAbstractButton* radio : panel.cardbacks->buttons())
        chain(radio);
    chain(panel.pace);
    chain(panel.dxButton1);
    for (QPushButton* button : { panel.dxButton2, panel.dxButton3, panel.SoundOff1,
             panel.upDownLeft, panel.upDownRight, panel.dxButton1 })
        button->setAutoDefault(true);
}

bool TableAccessibility::eventFilter(QObject* watched, QEvent* event) {
    // Esc closes the options panel, as its Ok does.
    if (watched == &m_window && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        if (m_panel != nullptr && m_panel->isVisible()) {
            m_panel->dxButton1->click();
            m_window.setFocus();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QAccessible::Role TableAccessibility::role(int index) {
    return index == static_cast<int>(Part::news) ? QAccessible::Notification
                                                 : QAccessible::StaticText;
}

QString TableAccessibility::name(int index) const {
    if (index >= static_cast<int>(Part::seat) && index < static_cast<int>(Part::board))
        return seatName(kSeatOrder[static_cast<std::size_t>(index - 1)]);
    switch (static_cast<Part>(index)) {
    case Part::turn:
        return tr("Turn to act");
    case Part::board:
        return tr("Board");
    case Part::pot:
        return tr("Pot");
    case Part::yourCards:
        return tr("Your cards");
    case Part::news:
        return m_news;
    default:
        return QString();
    }
}

QString TableAccessibility::description(int index) const {
    if (index >= static_cast<int>(Part::seat) && index < static_cast<int>(Part::board))
        return seatState(kSeatOrder[static_cast<std::size_t>(index - 1)]);
    switch (static_cast<Part>(index)) {
    case Part::turn:
        return turnState();
    case Part::board:
        return boardState();
    case Part::pot: {
        const QString pot = m_window.label(Label::pot)->text();
        return pot.isEmpty() ? tr("Empty") : tr("%1 chips").arg(pot);
    }
    case Part::yourCards:
        return cardsState();
    default:
        return QString();
    }
}

QRect TableAccessibility::place(int index) const {
    if (index >= static_cast<int>(Part::seat) && index < static_cast<int>(Part::board)) {
        const int seat = kSeatOrder[static_cast<std::size_t>(index - 1)];
        QRect r = m_window.label(seatInfo(seat).chipsLabel)
                      ->geometry()
                      .united(m_window.label(seatInfo(seat).statusLabel)->geometry());
        if (QWidget* name = m_nameLabels[static_cast<std::size_t>(seat)])
            r = r.united(name->geometry());
        return r;
    }
    switch (static_cast<Part>(index)) {
    case Part::turn:
        return onTable(m_window, qrect(kActionRow));
    case Part::board:
        return onTable(m_window, qrect(kBoardArea));
    case Part::pot:
        return m_window.label(Label::pot)->geometry();
    case Part::yourCards:
        return onTable(m_window, QRect(kCardPlaces[kHuman].x, kCardPlaces[kHuman].y, 110, 100));
    default:
        return onTable(m_window, qrect(kStreetNamePlace));
    }
}

bool TableAccessibility::standsIn(const QObject* object) const {
    if (object == m_window.marksView())
        return true;
    const auto* label = qobject_cast<const QLabel*>(object);
    if (label == nullptr || label->parent() != &m_window)
        return false;
    if (label == m_window.label(Label::pot) || label == m_window.story()->potLegend())
        return true;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (label == m_window.label(seatInfo(seat).chipsLabel)
            || label == m_window.label(seatInfo(seat).statusLabel)
            || label == m_nameLabels[static_cast<std::size_t>(seat)])
            return true;
    }
    return false;
}

QString TableAccessibility::seatState(int seat) const {
    QStringList parts;
    const QString chips = m_window.label(seatInfo(seat).chipsLabel)->text();
    bool isNumber = false;
    const int count = chips.toInt(&isNumber);
    parts << (isNumber ? tr("%n chips", nullptr, count) : chips);
    if (const QString status = m_window.label(seatInfo(seat).statusLabel)->text();
        !status.isEmpty())
        parts << status;
    const TableMarks& marks = m_window.marks();
    const SeatNumber number(seat);
    // A blind the status already names is not said twice.
    auto mark = [&parts](const QString& text) {
        if (!parts.contains(text, Qt::CaseInsensitive))
            parts << text;
    };
    if (marks.button() == number)
        mark(tr("dealer button"));
    if (marks.smallBlind() == number)
        mark(tr("small blind"));
    if (marks.bigBlind() == number)
        mark(tr("big blind"));
    if (const std::int32_t bet = marks.streetBets()[number.index()]; bet > 0)
        parts << tr("bet %1").arg(bet);
    return list(parts);
}

QString TableAccessibility::turnState() const {
    const TableMarks& marks = m_window.marks();
    if (!marks.matchResult().empty())
        return QString::fromStdString(marks.matchResult()) + QStringLiteral(" ")
            + tr("Press New (N) for a new match");
    if (m_window.marksView()->humanToAct()) {
        const LegalActions& legal = m_window.marksView()->cues().legal;
        QStringList choices;
        if (legal.checkOrCall)
            choices << (legal.mustCall ? tr("call %1 (C)").arg(legal.callCost) : tr("check (C)"));
        if (legal.raise)
            choices << tr("raise to %1 in all (R)").arg(legal.raiseCost);
        if (legal.fold)
            choices << tr("fold (F)");
        return tr("Your turn: %1").arg(list(choices));
    }
    if (m_window.playback()->playing())
        return tr("The opponents are acting");
    return tr("The hand is over: press Deal (D) for the next one");
}

QString TableAccessibility::boardState() const {
    const TableMarks& marks = m_window.marks();
    if (marks.boardCount() == 0)
        return tr("No cards yet");
    QStringList cards;
    for (int i = 0; i < marks.boardCount() && i < 5; ++i)
        cards << cardName(marks.board()[static_cast<std::size_t>(i)]);
    const Street street = marks.boardCount() == 3 ? Street::flop
        : marks.boardCount() == 4                 ? Street::turn
                                                  : Street::river;
    return tr("%1: %2").arg(spokenStreet(street), list(cards));
}

QString TableAccessibility::cardsState() const {
    const TableMarks& marks = m_window.marks();
    if (!marks.street())
        return tr("No hand yet");
    QString text
        = tr("%1 and %2").arg(cardName(marks.humanCards()[0]), cardName(marks.humanCards()[1]));
    if (marks.humanFolded())
        return tr("%1, folded").arg(text);
    const QString& best = m_window.marksView()->cues().humanHand;
    if (!best.isEmpty())
        text = tr("%1. Best hand: %2").arg(text, best);
    return text;
}

void TableAccessibility::actionTaken(const ActionTaken& e) {
    m_playedSinceTurn = true;
    if (e.seat.isHuman())
        return refresh();
    const QString who = seatName(e.seat.number());
    QString said;
    switch (e.kind) {
    case ActionKind::check:
        said = tr("%1 checks").arg(who);
        break;
    case ActionKind::call:
        said = tr("%1 calls %2").arg(who).arg(e.paid);
        break;
    case ActionKind::raise:
        said = tr("%1 raises %2").arg(who).arg(e.paid);
        break;
    case ActionKind::bet:
        said = tr("%1 bets %2").arg(who).arg(e.paid);
        break;
    case ActionKind::fold:
        said = tr("%1 folds").arg(who);
        break;
    case ActionKind::sitsOut:
        said = tr("%1 is out of chips").arg(who);
        break;
    }
    if (e.allIn)
        said = tr("%1, all in").arg(said);
    announce(said);
}

void TableAccessibility::streetDealt(const StreetDealt& e) {
    if (e.street == Street::showdown)
        return refresh();
    QStringList cards;
    for (int i = e.street == Street::flop ? 0 : e.boardCount - 1; i < e.boardCount && i < 5; ++i)
        cards << cardName(e.board[static_cast<std::size_t>(i)]);
    announce(tr("%1: %2").arg(spokenStreet(e.street), list(cards)));
}

void TableAccessibility::potAwarded(const PotAwarded& e) {
    QStringList winners;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        const auto i = static_cast<std::size_t>(seat);
        if (!e.winners[i])
            continue;
        const std::int32_t won = e.won[i] > 0 ? e.won[i] : e.share;
        winners << (seat == kHuman ? tr("You win %1").arg(won)
                                   : tr("%1 wins %2").arg(seatName(seat)).arg(won));
    }
    announce(winners.isEmpty() ? tr("Nobody wins the pot") : list(winners));
}

void TableAccessibility::cuesShown() {
    const bool toAct = m_window.marksView()->humanToAct();
    if (toAct && (!m_humanToAct || m_playedSinceTurn)) {
        m_playedSinceTurn = false;
        announce(turnState());
    }
    m_humanToAct = toAct;
}

void TableAccessibility::handEnded(const HandEnded&) {
    refresh();
}

void TableAccessibility::announce(const QString& text) {
    // What happens within one pass of the event loop (a whole turn at the
    // Instant pace) is told at once: a screen reader reads the notification
    // when it hears of it, by then with the last news only.
    m_news = m_telling ? m_news + QStringLiteral(". ") + text : text;
    if (m_telling)
        return;
    m_telling = true;
    QTimer::singleShot(0, this, [this] {
        m_telling = false;
        tell();
    });
}

void TableAccessibility::tell() {
    refresh();
    // Nobody has asked for the tree: nobody listens.
    if (m_tree == nullptr)
        return;
    QAccessibleInterface* news = m_tree->part(static_cast<int>(Part::news));
    if (news == nullptr)
        return;
    // A notification that changes its name and shows again is read out.
    QAccessibleEvent named(news, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(news, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void TableAccessibility::refresh() {
    if (m_tree == nullptr)
        return;
    for (int i = 0; i < kPartCount; ++i) {
        if (i == static_cast<int>(Part::news))
            continue;
        const QString now = description(i);
        if (now == m_said[static_cast<std::size_t>(i)])
            continue;
        m_said[static_cast<std::size_t>(i)] = now;
        if (QAccessibleInterface* part = m_tree->part(i)) {
            QAccessibleEvent changed(part, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&changed);
        }
    }
}

} // namespace tavolier
