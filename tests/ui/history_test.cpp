// The story of the hands through the real window: hands played with the
// buttons, then the History window's lines and the hand-history file read
// back and checked against the table (chips, pot, winners, split).
#include "core/seats.h"
#include "game/classic/showdown.h"
#include "history_file_parser.h"
#include "ui/history_window.h"
#include "ui/table_story.h"
#include "ui_fixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTreeWidget>
#include <QtTest/QTest>

#include <algorithm>
#include <map>

namespace tavolier::uitest {

namespace {

const char* const kNames[9]
    = { "", "Marc", "Edmund", "Robert", "Cindy", "Carlos", "Jack", "Chong", "You" };

// The money of one hand as the History window tells it.
struct WindowStory {
    std::map<QString, int> paid;
    std::map<QString, int> won;
    int lastPot = -1;
    int awardedPot = -1;
    int share = -1;
    QStringList winners;
    int lost = 0;
    bool split = false;
    QStringList unread;
};

WindowStory readLines(const QStringList& lines) {
    static const QRegularExpression paying(QStringLiteral(
        "^(\\w+) (?:posts? the (?:small|big) blind|calls?|bets?) (\\d+) \u00b7 pot (\\d+)$"));
    // A raise names the seat's total on the street.
    static const QRegularExpression raising(
        QStringLiteral("^(\\w+) raises? to (\\d+) \u00b7 pot (\\d+)$"));
    static const QRegularExpression quiet(
        QStringLiteral("^(\\w+) (?:checks?|folds?|shows? .*|is out of chips|are out of chips)$"));
    static const QRegularExpression wins(
        QStringLiteral("^(\\w+) wins? (\\d+)(, everyone folded)?$"));
    static const QRegularExpression split(QStringLiteral("^([\\w, ]+) split (\\d+), (\\d+) each$"));
    static const QRegularExpression lost(QStringLiteral("^(\\d+) chips? lost to the split$"));
    static const QRegularExpression other(
        QStringLiteral("^(Your cards|Flop|Turn|River|Showdown)( .*)?$"));
    WindowStory story;
    std::map<QString, int> streetIn;
    for (const QString& line : lines) {
        QRegularExpressionMatch m;
        if ((m = paying.match(line)).hasMatch()) {
            story.paid[m.captured(1)] += m.captured(2).toInt();
            streetIn[m.captured(1)] += m.captured(2).toInt();
            story.lastPot = m.captured(3).toInt();
        } else if ((m = raising.match(line)).hasMatch()) {
            const int to = m.captured(2).toInt();
            story.paid[m.captured(1)] += to - streetIn[m.captured(1)];
            streetIn[m.captured(1)] = to;
            story.lastPot = m.captured(3).toInt();
        } else if ((m = wins.match(line)).hasMatch()) {
            story.winners = { m.captured(1) };
            story.share = m.captured(2).toInt();
            story.awardedPot = story.share;
            story.won[m.captured(1)] += story.share;
        } else if ((m = split.match(line)).hasMatch()) {
            story.split = true;
            QString names = m.captured(1);
            names.replace(QStringLiteral(" and "), QStringLiteral(", "));
            story.winners = names.split(QStringLiteral(", "));
            story.awardedPot = m.captured(2).toInt();
            story.share = m.captured(3).toInt();
            for (const QString& w : story.winners)
                story.won[w] += story.share;
        } else if ((m = lost.match(line)).hasMatch()) {
            story.lost = m.captured(1).toInt();
        } else if (other.match(line).hasMatch()) {
            streetIn.clear();
        } else if (!quiet.match(line).hasMatch()) {
            story.unread.push_back(line);
        }
    }
    return story;
}

std::string bytesOf(const std::filesystem::path& path) {
    QFile f(QString::fromStdString(path.string()));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll().toStdString();
}

// The one history file in the folder.
std::string historyFile(const QString& folder) {
    const QStringList files = QDir(folder).entryList({ "tavolier-*.txt" }, QDir::Files);
    if (files.size() != 1)
        return {};
    QFile f(folder + "/" + files.front());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll().toStdString();
}

} // namespace

TEST(HandHistoryWindow, TellsEachHandPlayedThroughTheButtonsAsTheTableSawIt) {
    bool sawSplit = false;
    bool sawSingle = false;
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        WindowFixture f(seed);
        TableWindow& form = f.open();
        form.show();
        QTest::keyClick(&form, Qt::Key_H);
        HistoryWindow* window = form.story()->historyWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->windowTitle(), "Hand history");
        EXPECT_FALSE(window->isModal());

        // Every hand splits on this board among all who stay to the end.
        for (int seat = 1; seat <= kSeatCount; ++seat)
            f.state.seat(seat).holeCards = { Card { 0, seat - 1 }, Card { 1, seat - 1 } };
        for (int i = 0; i < 5; ++i)
            f.state.board[static_cast<std::size_t>(i)] = Card { 3, 8 + i };
        const bool splitBoard = seed % 2 == 0;
        if (!splitBoard)
            f.state.board[4] = Card { 2, 0 }; // no royal flush: one winner as a rule

        ASSERT_TRUE(checkDownToTheEnd(form)) << "seed " << seed;
        ASSERT_EQ(form.story()->history().hands().size(), 1u);
        const HandRecord& hand = form.story()->history().hands().back();
        ASSERT_TRUE(hand.finished());

        // The window's lines against the table.
        const WindowStory story = readLines(window->linesOf(0));
        EXPECT_TRUE(story.unread.empty()) << story.unread.join(" | ").toStdString();
        EXPECT_EQ(story.lastPot, f.state.pot) << "seed " << seed;
        EXPECT_EQ(story.awardedPot, f.state.pot) << "seed " << seed;
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            const QString who = kNames[seat];
            const int paid = story.paid.count(who) ? story.paid.at(who) : 0;
            const int won = story.won.count(who) ? story.won.at(who) : 0;
            EXPECT_EQ(1200 - paid + won, f.state.seat(seat).chips)
                << "seed " << seed << " " << kNames[seat];
        }
        if (story.winners.size() > 1) {
            sawSplit = true;
            EXPECT_TRUE(story.split);
            const int count = static_cast<int>(story.winners.size());
            EXPECT_EQ(story.share, f.state.pot / count);
            EXPECT_EQ(story.lost, f.state.pot % count);
            EXPECT_EQ(count, settleShowdown(f.state).winnerCount);
        } else {
            sawSingle = true;
        }

        // The felt's caption says the same and the pot's figure is dimmed.
        const QString caption = form.story()->winnerCaption()->text();
        EXPECT_EQ(caption, QString::fromStdString(winnerCaption(hand)));
        EXPECT_TRUE(caption.startsWith(story.winners.value(0))) << caption.toStdString();
        EXPECT_TRUE(form.story()->potDimmed());

        // The file, read back like an importer reads it.
        const historytest::ParseResult parsed
            = historytest::parseHistory(historyFile(f.historyFolder));
        ASSERT_TRUE(parsed.errors.empty()) << parsed.errors.front();
        ASSERT_EQ(parsed.hands.size(), 1u) << "seed " << seed;
        const historytest::ParsedHand& written = parsed.hands.front();
        EXPECT_EQ(written.totalPot, f.state.pot);
        EXPECT_EQ(written.smallBet, f.state.smallBet);
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            const std::string who = kNames[seat];
            const auto paid = written.paid.count(who) ? written.paid.at(who) : 0;
            const auto won = written.collected.count(who) ? written.collected.at(who) : 0;
            EXPECT_EQ(written.stacks.at(who), 1200);
            EXPECT_EQ(written.stacks.at(who) - paid + won, f.state.seat(seat).chips)
                << "seed " << seed << " " << who;
        }

        // The next Deal clears the caption, lights the pot and opens a second hand, newest last.
        QTest::mouseClick(form.button(Button::deal), Qt::LeftButton);
        EXPECT_TRUE(form.story()->winnerCaption()->text().isEmpty()
            || form.button(Button::deal)->isEnabled());
        ASSERT_EQ(window->handList()->topLevelItemCount(), 2);
        EXPECT_TRUE(window->handList()->topLevelItem(1)->text(0).startsWith("Hand #2"));
        if (!form.button(Button::deal)->isEnabled()) {
            EXPECT_FALSE(form.story()->potDimmed());
        }
    }
    EXPECT_TRUE(sawSplit);
    EXPECT_TRUE(sawSingle);
}

TEST(HandHistoryWindow, ButtonsSayWhatTheyCostNow) {
    WindowFixture f(3);
    TableWindow& form = f.open();
    const LegalActions legal = legalActions(f.state);
    ASSERT_TRUE(legal.checkOrCall);
    const QString call = legal.mustCall ? QString("Call %1 (C)").arg(legal.callCost) : "Check (C)";
    EXPECT_EQ(form.button(Button::checkOrCall)->toolTip(), call);
    EXPECT_EQ(form.button(Button::checkOrCall)->statusTip(), call);
    EXPECT_EQ(form.button(Button::raise)->toolTip(),
        QString("Raise: %1 in all (R)").arg(legal.raiseCost));
    QTest::mouseClick(form.button(Button::fold), Qt::LeftButton);
    EXPECT_EQ(form.button(Button::checkOrCall)->toolTip(), "Check, or call the bet (C)");
    EXPECT_EQ(form.button(Button::raise)->toolTip(), "Raise (R)");
}

TEST(HandHistoryWindow, SaveToFileIsRememberedAndTurnsTheFileOff) {
    WindowFixture f(4);
    TableWindow& form = f.open();
    form.show();
    form.findChild<QPushButton*>("historyButton")->click();
    HistoryWindow* window = form.story()->historyWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->saveToFileBox()->isChecked());
    window->saveToFileBox()->click();
    EXPECT_FALSE(form.story()->savingToFile());
    EXPECT_EQ(f.file.readInteger("History", "savetofile", -1), 0);
    ASSERT_TRUE(checkDownToTheEnd(form));
    EXPECT_FALSE(QDir(f.historyFolder).exists() && !historyFile(f.historyFolder).empty());

    // Where the window stood is kept for the next run.
    window->resize(420, 500);
    window->close();
    EXPECT_EQ(f.file.readInteger("History", "width", -1), 420);
    EXPECT_EQ(f.file.readInteger("History", "height", -1), 500);
}

TEST(HandHistoryFolder, ARelativeDataFolderIsIgnored) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "relative/data");
    const QString relative = defaultHistoryFolder();
    qputenv("XDG_DATA_HOME", "/srv/data");
    const QString absolute = defaultHistoryFolder();
    if (saved.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", saved);
    EXPECT_EQ(relative, QDir::homePath() + "/.local/share/tavolier/history");
    EXPECT_EQ(absolute, QString("/srv/data") + "/tavolier/history");
}

TEST(HandHistoryWindow, AStoredSizeBiggerThanTheScreenIsCutToTheScreen) {
    WindowFixture f(4);
    f.file.writeInteger("History", "width", 10000);
    f.file.writeInteger("History", "height", 10000);
    TableWindow& form = f.open();
    form.show();
    form.findChild<QPushButton*>("historyButton")->click();
    HistoryWindow* window = form.story()->historyWindow();
    ASSERT_NE(window, nullptr);
    const QSize room = form.screen()->availableGeometry().size();
    EXPECT_LE(window->width(), room.width());
    EXPECT_LE(window->height(), room.height());
}

TEST(HandHistoryWindow, AFailedWriteIsToldInTheWindowUntilSavingResumesAndPlayGoesOn) {
    WindowFixture f(5);
    {
        QFile blocker(f.dir.path() + "/blocker");
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    f.historyFolder = f.dir.path() + "/blocker/history";
    TableWindow& form = f.open();
    form.show();
    ASSERT_TRUE(checkDownToTheEnd(form));
    QTest::keyClick(&form, Qt::Key_H);
    HistoryWindow* window = form.story()->historyWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->notice()->isHidden());
    EXPECT_NE(window->notice()->text().indexOf("not being saved"), -1);
    EXPECT_TRUE(f.messages.empty());
    // Play goes on.
    QTest::mouseClick(form.button(Button::deal), Qt::LeftButton);
    EXPECT_EQ(form.story()->history().hands().size(), 2u);

    // Once the folder can be made, the next hand's write takes the waiting
    // one with it and the notice goes.
    ASSERT_TRUE(QFile::remove(f.dir.path() + "/blocker"));
    ASSERT_TRUE(checkDownToTheEnd(form));
    EXPECT_TRUE(window->notice()->isHidden());
    EXPECT_EQ(historytest::parseHistory(historyFile(f.historyFolder)).hands.size(), 2u);
}

TEST(HandHistoryWindow, CopiesTheSelectedHandAsText) {
    WindowFixture f(6);
    TableWindow& form = f.open();
    form.show();
    ASSERT_TRUE(checkDownToTheEnd(form));
    form.story()->openHistory();
    HistoryWindow* window = form.story()->historyWindow();
    window->handList()->setCurrentItem(window->handList()->topLevelItem(0)->child(2));
    const QString text = window->selectedHandText();
    EXPECT_EQ(text, QString::fromStdString(historyText(form.story()->history().hands()[0])));
    EXPECT_TRUE(text.startsWith("Hand #1 "));

    // Ctrl+C in the list and the "Copy hand" button both copy the whole hand.
    QGuiApplication::clipboard()->clear();
    window->handList()->setFocus();
    QTest::keyClick(window->handList(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    QGuiApplication::clipboard()->clear();
    window->findChild<QPushButton*>("copyHand")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);

    // The table's keys work from the list: D deals, H closes the window.
    ASSERT_TRUE(form.button(Button::deal)->isEnabled());
    QTest::keyClick(window->handList(), Qt::Key_D);
    EXPECT_EQ(form.story()->history().hands().size(), 2u);
    QTest::keyClick(window->handList(), Qt::Key_H);
    EXPECT_FALSE(window->isVisible());
}

// The export gives the hands the numbers they have in the day's file, in the
// trackers' words: a tracker that reads both sees the same hands.
TEST(HandHistoryWindow, ExportsTheSelectedHandsAndADaysFileForTrackingTools) {
    WindowFixture f(7);
    TableWindow& form = f.open();
    form.show();
    ASSERT_TRUE(checkDownToTheEnd(form));
    QTest::mouseClick(form.button(Button::deal), Qt::LeftButton);
    ASSERT_TRUE(checkDownToTheEnd(form));
    form.story()->openHistory();
    HistoryWindow* window = form.story()->historyWindow();
    ASSERT_NE(window->exportButton(), nullptr);
    // At first the hand in view, the newest, is the one selected.
    const historytest::ParseResult reading
        = historytest::parseHistory(window->selectedHandsForTrackers());
    ASSERT_EQ(reading.hands.size(), 1u);
    EXPECT_EQ(reading.hands[0].id,
        historytest::parseHistory(historyFile(f.historyFolder)).hands.back().id);
    QTreeWidget* list = window->handList();
    list->clearSelection();
    list->topLevelItem(0)->child(1)->setSelected(true);
    list->topLevelItem(0)->setSelected(true);
    list->topLevelItem(1)->setSelected(true);

    // Both hands once each, as the day's file has them but for the words.
    const std::string day = historyFile(f.historyFolder);
    EXPECT_EQ(window->selectedHandsForTrackers(), forTrackingTools(day));
    EXPECT_EQ(historytest::parseHistory(day).hands.size(), 2u);

    // All hands of the day: the day's file, re-headed.
    const QStringList days = window->daysWithFiles();
    ASSERT_EQ(days.size(), 1);
    const std::string exported = window->dayForTrackers(days.front());
    EXPECT_EQ(exported, forTrackingTools(day));
    // The save box starts in the history folder; the window says what it wrote where.
    EXPECT_TRUE(window->suggestedExportPath(days.front()).startsWith(f.historyFolder + "/"));
    const QString path = f.dir.path() + "/export.txt";
    ASSERT_TRUE(window->exportTo(path, exported));
    EXPECT_EQ(window->notice()->text(), QString("2 hands written to %1").arg(path));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), exported);

    // Neither the settings file nor the day's file is ever an export target.
    const std::string settings = bytesOf(f.file.path());
    EXPECT_TRUE(
        window->writeExport(QString::fromStdString(f.file.path().string()), exported).has_value());
    EXPECT_EQ(bytesOf(f.file.path()), settings);
    const QString dayFile = f.historyFolder + "/tavolier-" + days.front() + ".txt";
    EXPECT_TRUE(window->writeExport(dayFile, exported).has_value());
    EXPECT_EQ(historyFile(f.historyFolder), day);
}

// Standard hands played with the window's buttons, on short stacks so that
// seats go all in, sit out and leave bets uncalled: the day's file the
// window writes, and its export for tracking tools, read back with the
// checks the command line's file passes. Each seat's net result is its
// stack change, every uncalled bet is returned, the blinds come before the
// hole cards and every bet and raise not all in is on the limit's ladder.
TEST(HandHistoryWindow, StandardHandsWrittenByTheWindowReadBackLikeTheCommandLines) {
    WindowFixture f(21);
    f.file.writeInteger("Settings", "Rules", 1);
    f.file.writeInteger("Cash", "until", 100000);
    const std::array<int, 9> cash { 0, 9, 30, 14, 41, 5, 26, 18, 600 };
    for (int seat = 1; seat <= kSeatCount; ++seat)
        f.file.writeInteger("Cash", seatInfo(seat).key, cash[static_cast<std::size_t>(seat)]);
    TableWindow& form = f.open();
    form.show();
    const std::vector<HandRecord>& hands = form.story()->history().hands();
    int press = 0;
    for (int hand = 0; hand < 60; ++hand) {
        for (int turn = 0; turn < 40 && !form.button(Button::deal)->isEnabled(); ++turn, ++press) {
            QPushButton* next = form.button(Button::checkOrCall);
            if (press % 4 == 1 && form.button(Button::raise)->isEnabled())
                next = form.button(Button::raise);
            else if (press % 9 == 5)
                next = form.button(Button::fold);
            ASSERT_TRUE(next->isEnabled()) << "hand " << hand;
            QTest::mouseClick(next, Qt::LeftButton);
        }
        // The match is over when a Deal starts no hand.
        const std::size_t before = hands.size();
        QTest::mouseClick(form.button(Button::deal), Qt::LeftButton);
        if (hands.size() == before)
            break;
    }
    std::vector<const HandRecord*> finished;
    for (const HandRecord& hand : hands)
        if (hand.finished())
            finished.push_back(&hand);
    ASSERT_GT(finished.size(), 20u);

    form.story()->openHistory();
    const std::string day = historyFile(f.historyFolder);
    const QStringList days = form.story()->historyWindow()->daysWithFiles();
    ASSERT_EQ(days.size(), 1);
    int returned = 0;
    int satOut = 0;
    for (const std::string& file :
        { day, form.story()->historyWindow()->dayForTrackers(days[0]) }) {
        const historytest::ParseResult parsed = historytest::parseHistory(file);
        ASSERT_TRUE(parsed.errors.empty()) << parsed.errors.front();
        ASSERT_EQ(parsed.hands.size(), finished.size());
        for (std::size_t h = 0; h < finished.size(); ++h) {
            const historytest::ParsedHand& written = parsed.hands[h];
            const HandRecord& record = *finished[h];
            EXPECT_FALSE(written.blindAfterHoleCards) << "hand " << h + 1;
            EXPECT_EQ(written.uncalled, 0) << "hand " << h + 1;
            EXPECT_TRUE(written.offLadder.empty())
                << "hand " << h + 1 << ": " << written.offLadder.front();
            std::int64_t collected = 0;
            for (int seat = 1; seat <= kSeatCount; ++seat) {
                const std::string who = kNames[seat];
                const auto i = static_cast<std::size_t>(seat);
                if (!written.stacks.contains(who)) {
                    satOut += 1;
                    EXPECT_EQ(record.end->stacks[i], 0) << "hand " << h + 1 << " " << who;
                    continue;
                }
                const auto paid = written.paid.contains(who) ? written.paid.at(who) : 0;
                const auto won = written.collected.contains(who) ? written.collected.at(who) : 0;
                collected += won;
                EXPECT_EQ(written.stacks.at(who), record.start.stacks[i]);
                EXPECT_EQ(written.stacks.at(who) - paid + won, record.end->stacks[i])
                    << "hand " << h + 1 << " " << who;
            }
            EXPECT_EQ(collected + written.rake, written.totalPot) << "hand " << h + 1;
        }
    }
    for (const HandRecord& record : hands)
        for (const HandRecord::Step& step : record.steps)
            returned += std::holds_alternative<BetReturned>(step) ? 1 : 0;
    // The History window marks every all-in and names each side pot.
    int sidePotHands = 0;
    for (std::size_t h = 0; h < hands.size(); ++h) {
        const QString lines = form.story()->historyWindow()->linesOf(h).join('\n');
        int allIns = 0;
        for (const HandRecord::Step& step : hands[h].steps)
            if (const auto* a = std::get_if<ActionTaken>(&step); a && a->allIn)
                ++allIns;
        EXPECT_EQ(lines.count(QStringLiteral("\u00b7 all-in")), allIns) << "hand " << h + 1;
        const PotAwarded* award = hands[h].award();
        if (award != nullptr && award->pots.size() > 1 && !award->byFolds) {
            ++sidePotHands;
            EXPECT_TRUE(
                lines.contains(QString("Main pot %1 \u00b7 won by ").arg(award->pots[0].amount)))
                << lines.toStdString();
            EXPECT_TRUE(
                lines.contains(QString("Side pot %1 \u00b7 won by ").arg(award->pots[1].amount)))
                << lines.toStdString();
        }
    }
    EXPECT_GT(sidePotHands, 0);
    // The run went through what used to go wrong.
    EXPECT_GT(returned, 0);
    EXPECT_GT(satOut, 0);
    EXPECT_NE(day.find("Uncalled bet ("), std::string::npos);
}

} // namespace tavolier::uitest
