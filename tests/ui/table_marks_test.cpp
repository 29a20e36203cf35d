// The marks on the felt (button, blinds, bets, street, turn): where they
// stand, and that what they show agrees with the rules' own bookkeeping.
#include "presentation/card_drawing.h"
#include "presentation/portraits.h"
#include "presentation/table_marks.h"
#include "ui/table_dialog.h"
#include "ui/table_marks_view.h"
#include "ui/table_story.h"
#include "ui_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest/QTest>

#include <algorithm>

namespace tavolier::uitest {

namespace {

QRect box(int x, int y, int width, int height) {
    return QRect(x, y, width, height);
}

QRect box(Rect r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

// Everything drawn on the table that a mark must leave visible.
std::vector<std::pair<QString, QRect>> tableThings(TableWindow& form) {
    std::vector<std::pair<QString, QRect>> things;
    for (int seat = 1; seat <= 8; ++seat) {
        const CardPlace& c = kCardPlaces[static_cast<std::size_t>(seat)];
        things.push_back({ QString("cards of seat %1").arg(seat), box(c.x, c.y, 62, 84) });
        things.push_back(
            { QString("cards of seat %1").arg(seat), box(c.x + c.stepX, c.y + c.stepY, 62, 84) });
        if (seat != 8) {
            const PortraitPlace& p = kPortraits[static_cast<std::size_t>(seat)];
            things.push_back({ QString("portrait of seat %1").arg(seat), box(p.x, p.y, 128, 128) });
        }
    }
    for (const auto& [x, y] : kBoardPlaces)
        things.push_back({ "board", box(x, y, 62, 84) });
    things.push_back({ "badge", box(kBadgeX, kBadgeY, 139, 127) });
    things.push_back({ "gold figure", box(kGoldX, kGoldY, 94, 94) });
    for (QLabel* label : form.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->isVisible() && !label->text().isEmpty())
            things.push_back({ "label " + label->objectName(), label->geometry() });
    for (QPushButton* button : form.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        things.push_back({ "button " + button->objectName(), button->geometry() });
    return things;
}

} // namespace

TEST(TableMarks, EveryPlaceKeepsClearOfCardsPortraitsLabelsAndEachOther) {
    WindowFixture f;
    TableWindow& form = f.open();
    form.show();
    // The longest texts the seats' labels take.
    for (Label chips : { Label::humanChips, Label::chongChips, Label::jackChips, Label::carlosChips,
             Label::cindyChips, Label::robertChips, Label::edmundChips, Label::marcChips })
        form.setLabelText(chips, "99999");
    for (Label status :
        { Label::humanStatus, Label::chongStatus, Label::jackStatus, Label::carlosStatus,
            Label::cindyStatus, Label::robertStatus, Label::edmundStatus, Label::marcStatus })
        form.setLabelText(status, "Small Blind");
    form.setLabelText(Label::pot, "99999");

    // Every mark a seat can hold: a bet, the button and a blind beside it.
    std::vector<std::pair<QString, QRect>> marks;
    for (int seat = 1; seat <= 8; ++seat) {
        const SeatMarkPlace& place = kSeatMarkPlaces[static_cast<std::size_t>(seat)];
        marks.push_back({ QString("bet of seat %1").arg(seat), box(place.bet) });
        marks.push_back({ QString("markers of seat %1").arg(seat),
            box(place.markerX, place.markerY, kMarkerStep + kMarkerSize, kMarkerSize) });
    }
    marks.push_back({ "street name", box(kStreetNamePlace) });
    marks.push_back({ "human's hand", box(kHumanHandPlace) });
    marks.push_back({ "your turn", box(kYourTurnPlace) });
    marks.push_back({ "call cost", box(kCallCostPlace) });
    marks.push_back({ "raise cost", box(kRaiseCostPlace) });

    const auto things = tableThings(form);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        EXPECT_TRUE(QRect(0, 0, 1000, 670).contains(marks[i].second))
            << marks[i].first.toStdString();
        for (const auto& [name, rect] : things)
            EXPECT_FALSE(marks[i].second.intersects(rect))
                << marks[i].first.toStdString() << " covers " << name.toStdString();
        for (std::size_t j = i + 1; j < marks.size(); ++j)
            EXPECT_FALSE(marks[i].second.intersects(marks[j].second))
                << marks[i].first.toStdString() << " covers " << marks[j].first.toStdString();
    }
}

// At every turn of the human in Standard, the chips shown in front of each
// seat are what the rules count as put in on this street, and the button and
// blinds are the rules' own.
TEST(TableMarks, StandardBetsAgreeWithTheStreetTotalsAtEveryTurn) {
    WindowFixture f(5);
    f.file.writeInteger("Settings", "Rules", 1);
    TableWindow& form = f.open();
    form.show();
    int turns = 0;
    for (int hand = 0; hand < 6; ++hand) {
        for (int press = 0; press < 30 && !form.button(Button::deal)->isEnabled(); ++press) {
            const Betting& b = f.state.betting;
            const TableMarks& marks = form.marks();
            ASSERT_TRUE(form.marksView()->humanToAct());
            EXPECT_EQ(marks.button().number(), b.buttonSeat);
            EXPECT_EQ(marks.smallBlind().number(), b.smallBlindSeat);
            EXPECT_EQ(marks.bigBlind().number(), b.bigBlindSeat);
            EXPECT_EQ(marks.street(), f.state.street);
            for (std::size_t seat = 1; seat <= 8; ++seat)
                EXPECT_EQ(marks.streetBets()[seat], b.street[seat])
                    << "seat " << seat << " on street " << static_cast<int>(f.state.street);
            ++turns;
            // Raise now and then, so that bets and raises show too.
            QPushButton* next = (press % 3 == 1 && form.button(Button::raise)->isEnabled())
                ? form.button(Button::raise)
                : form.button(Button::checkOrCall);
            QTest::mouseClick(next, Qt::LeftButton);
        }
        EXPECT_FALSE(form.marksView()->humanToAct());
        QTest::mouseClick(form.button(Button::deal), Qt::LeftButton);
    }
    EXPECT_GT(turns, 12);
}

// Classic: the blinds do not count toward the call, so the chips shown are
// what each seat paid; before the flop they add up to the pot.
TEST(TableMarks, ClassicBetsBeforeTheFlopAddUpToThePot) {
    WindowFixture f(9);
    TableWindow& form = f.open();
    form.show();
    int checked = 0;
    for (int hand = 0; hand < 6; ++hand) {
        if (f.state.street == Street::preflop && form.marksView()->humanToAct()) {
            std::int32_t shown = 0;
            for (std::int32_t bet : form.marks().streetBets())
                shown += bet;
            EXPECT_EQ(shown, f.state.pot) << "hand " << hand;
            EXPECT_EQ(form.marks().street(), Street::preflop);
            ++checked;
        }
        QTest::mouseClick(form.button(Button::fold), Qt::LeftButton);
        QTest::mouseClick(form.button(Button::deal), Qt::LeftButton);
    }
    EXPECT_GT(checked, 3);
}

// A match that ends (here at the first pot, the target being one chip over
// the stack) leaves the last hand on the felt as it ended whatever the
// rules: its button, street and winner's caption, and a line that says why
// the match is over and how to go on. It is told in one box, though Classic
// announces each seat at the target (here Chong and Jack start over it),
// and the next match's end is told again.
TEST(MatchEnd, OneBoxThenTheLastHandAndALineThatSaysWhyAndHowToGoOn) {
    for (int rules : { 0, 1 }) {
        WindowFixture f(3);
        f.file.writeInteger("Settings", "Rules", rules);
        f.file.writeInteger("Cash", "until", 1);
        if (rules == 0) {
            f.file.writeInteger("Cash", "freak", 5000);
            f.file.writeInteger("Cash", "geek", 5000);
        }
        TableWindow& form = f.open();
        form.show();
        const auto gameOvers = [&f] {
            return std::count_if(f.messages.begin(), f.messages.end(),
                [](const QString& m) { return m.endsWith("|Game over"); });
        };
        for (int hand = 0; hand < 8 && form.marks().matchResult().empty(); ++hand) {
            QTest::keyClick(&form, Qt::Key_F);
            QTest::keyClick(&form, Qt::Key_D);
        }
        ASSERT_FALSE(form.marks().matchResult().empty()) << "rules " << rules;
        EXPECT_EQ(gameOvers(), 1) << "rules " << rules;
        const TableMarks& marks = form.marks();
        EXPECT_TRUE(marks.button().isSeat());
        EXPECT_TRUE(marks.bigBlind().isSeat());
        EXPECT_TRUE(marks.street().has_value());
        EXPECT_FALSE(marks.handOpen());
        for (std::int32_t bet : marks.streetBets())
            EXPECT_EQ(bet, 0);
        EXPECT_FALSE(form.story()->winnerCaption()->text().isEmpty());
        const QLabel* hint = form.findChild<QLabel*>("feltHint");
        ASSERT_NE(hint, nullptr);
        EXPECT_TRUE(hint->text().startsWith(QString::fromStdString(marks.matchResult())));
        const std::int64_t target
            = static_cast<std::int64_t>(f.state.initialChips) + f.state.untilMargin;
        EXPECT_TRUE(hint->text().contains(QString("reached %1 chips").arg(target)))
            << hint->text().toStdString();
        EXPECT_TRUE(hint->text().contains("New"));

        // N starts the new match; the line goes with its first hand.
        QTest::keyClick(&form, Qt::Key_N);
        EXPECT_TRUE(form.marks().matchResult().empty());
        EXPECT_TRUE(hint->text().isEmpty());
        form.table().view.message("You win!", "Game over");
        EXPECT_EQ(gameOvers(), 2) << "rules " << rules;
    }
}

// The first start (no settings file yet) says how to deal, until the first Deal.
TEST(FirstStart, HintShowsWhileDealIsWaitingUntilTheFirstDeal) {
    WindowFixture f(4);
    TableWindow& form = f.open();
    form.show();
    const QLabel* hint = form.findChild<QLabel*>("feltHint");
    ASSERT_NE(hint, nullptr);
    QTest::keyClick(&form, Qt::Key_F);
    ASSERT_TRUE(form.button(Button::deal)->isEnabled());
    EXPECT_EQ(hint->text(), "Press Deal (D) to play a hand");
    QTest::keyClick(&form, Qt::Key_D);
    QTest::keyClick(&form, Qt::Key_F);
    EXPECT_TRUE(form.button(Button::deal)->isEnabled());
    EXPECT_TRUE(hint->text().isEmpty());
}

// The table's own boxes answer the keyboard: Enter takes the default
// choice, Esc the escape. The question that ends a match takes No for both:
// Yes must be chosen.
TEST(TableDialogBox, EnterTakesTheDefaultAndEscTheEscape) {
    QWidget parent;
    auto pressWhenShown = [](Qt::Key key) {
        QTimer::singleShot(0, [key] {
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, key);
        });
    };
    pressWhenShown(Qt::Key_Return);
    EXPECT_FALSE(TableDialog::confirm(&parent, "New game", "Are you sure?"));
    pressWhenShown(Qt::Key_Space);
    EXPECT_FALSE(TableDialog::confirm(&parent, "New game", "Are you sure?"));
    pressWhenShown(Qt::Key_Escape);
    EXPECT_FALSE(TableDialog::confirm(&parent, "New game", "Are you sure?"));
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            for (QPushButton* choice : box->findChildren<QPushButton*>())
                if (choice->text() == "Yes")
                    choice->click();
    });
    EXPECT_TRUE(TableDialog::confirm(&parent, "New game", "Are you sure?"));
    TableDialog match("Game over", "You lose!",
        { { "New match", 1, true, false }, { "Look at the table", 0, false, true } }, &parent);
    pressWhenShown(Qt::Key_Return);
    EXPECT_EQ(match.choose(), 1);
}

} // namespace tavolier::uitest
