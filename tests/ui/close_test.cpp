// Closing the window: between hands the file catches up with the last hand,
// as the next Deal would have made it; in the middle of a hand it keeps what
// that hand's Deal wrote. And a refused write shows where and why.
#include "ui/playback.h"
#include "ui/quit_signals.h"
#include "ui/session_settings.h"
#include "ui_fixture.h"

#include <QDir>

#include <QtTest/QTest>

#include <array>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include <csignal>
#include <cstdlib>

#include <sys/stat.h>

namespace tavolier::uitest {

namespace {

constexpr std::array<const char*, 8> kCashKeys { "freak", "player", "geek", "master", "champ",
    "pinhead", "expert", "robot" };
constexpr std::array<const char*, 3> kStatsKeys { "showdowns", "handsplayed", "handswon" };

// The eleven keys a Deal writes, as the file holds them.
std::vector<int> dealKeys(SettingsFile& file) {
    std::vector<int> values;
    for (const char* key : kStatsKeys)
        values.push_back(file.readInteger("Stats", key, -1));
    for (const char* key : kCashKeys)
        values.push_back(file.readInteger("Cash", key, -1));
    return values;
}

std::vector<int> dealKeys(const TableState& state) {
    return { state.showdowns, state.handsPlayed, state.handsWon, state.seat(7).chips,
        state.seat(8).chips, state.seat(6).chips, state.seat(5).chips, state.seat(4).chips,
        state.seat(3).chips, state.seat(2).chips, state.seat(1).chips };
}

std::string bytesOf(const SettingsFile& file) {
    std::ifstream in(file.path(), std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// Plays the start-up hand and a few more to their ends with Check/Call, so
// that hands won, lost and won by folds all pass.
void playHands(TableWindow& form, int hands) {
    for (int hand = 0; hand < hands; ++hand) {
        if (hand > 0)
            QTest::mouseClick(form.button(Button::deal), Qt::LeftButton);
        (void)checkDownToTheEnd(form);
    }
}

} // namespace

TEST(WindowClose, BetweenHandsWritesWhatTheNextDealWouldWrite) {
    for (std::uint64_t seed : { 1u, 2u, 3u, 4u }) {
        WindowFixture closing(seed);
        TableWindow& form = closing.open();
        form.show();
        playHands(form, 3);
        ASSERT_TRUE(form.button(Button::deal)->isEnabled()) << "seed " << seed;
        // The last hand is not in the file yet.
        EXPECT_NE(dealKeys(closing.file), dealKeys(closing.state)) << "seed " << seed;
        EXPECT_TRUE(form.close());
        EXPECT_EQ(dealKeys(closing.file), dealKeys(closing.state)) << "seed " << seed;

        // The same hands and then a Deal leave the same values in the file.
        WindowFixture dealing(seed);
        TableWindow& other = dealing.open();
        other.show();
        playHands(other, 3);
        QTest::mouseClick(other.button(Button::deal), Qt::LeftButton);
        EXPECT_EQ(dealKeys(dealing.file), dealKeys(closing.file)) << "seed " << seed;
    }
}

// The hands in the history folder's files.
int handsInHistory(const QString& folder) {
    int hands = 0;
    for (const QString& name : QDir(folder).entryList({ "tavolier-*.txt" }, QDir::Files)) {
        std::ifstream in((folder + "/" + name).toStdString());
        for (std::string line; std::getline(in, line);)
            hands += line.find("Hand #") != std::string::npos ? 1 : 0;
    }
    return hands;
}

// SIGTERM, SIGINT and SIGHUP end the game as a close does: a turn being
// played back is shown to its end and its hand written, and between hands
// the last hand's statistics reach the file.
TEST(WindowClose, ASignalToEndIsAClose) {
    for (const int signal : QuitSignals::kSignals) {
        WindowFixture f(2);
        f.playback = true;
        f.file.writeInteger("Settings", "Pace", static_cast<std::int32_t>(OpponentsPace::slow));
        TableWindow& form = f.open();
        form.show();
        QuitSignals quit([&form] { form.close(); });
        QTest::mouseClick(form.button(Button::fold), Qt::LeftButton);
        ASSERT_TRUE(form.playback()->playing());
        ASSERT_EQ(handsInHistory(f.historyFolder), 0);
        std::raise(signal);
        QTRY_VERIFY(form.isHidden());
        EXPECT_EQ(handsInHistory(f.historyFolder), 1);
        EXPECT_EQ(dealKeys(f.file), dealKeys(f.state));
    }
}

TEST(WindowClose, InTheMiddleOfAHandLeavesTheFileAsItsDealWroteIt) {
    WindowFixture f(5);
    TableWindow& form = f.open();
    form.show();
    playHands(form, 2);
    QTest::mouseClick(form.button(Button::deal), Qt::LeftButton);
    ASSERT_FALSE(form.button(Button::deal)->isEnabled());
    const std::string written = bytesOf(f.file);
    ASSERT_FALSE(written.empty());
    EXPECT_TRUE(form.close());
    EXPECT_EQ(bytesOf(f.file), written);
}

TEST(HandlerGuard, ARefusedWriteShowsWhereAndWhyAsDetail) {
    WindowFixture f;
    std::vector<std::pair<QString, QString>> errors;
    TableWindow& form = f.open();
    f.file.writeInteger("Settings", "Sound", 1);
    ::chmod(f.file.path().c_str(), 0444);
    form.guarded([&] { f.file.writeInteger("Settings", "Sound", 0); });
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_EQ(f.messages[0], "Unable to write to tavolier.ini|tavolier");

    WindowOptions options;
    options.assetDirs = generatedAssets();
    options.audio = false;
    options.runTimers = false;
    options.errorHook
        = [&](const QString& text, const QString& detail) { errors.emplace_back(text, detail); };
    TableState state;
    Random random = Random::splitMix64(1);
    MemorySettings memory;
    TableWindow withHook(state, random, memory, options);
    withHook.guarded([&] { f.file.writeInteger("Settings", "Sound", 0); });
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].first, "Unable to write to tavolier.ini");
    EXPECT_EQ(errors[0].second,
        QString::fromStdString(
            "cannot write " + f.file.path().string() + ": the file is read-only"));
    ::chmod(f.file.path().c_str(), 0644);
}

// A configuration folder whose name is not UTF-8 is used as the system gives
// it, not under a name with a replacement character.
TEST(SecondSession, TheSettingsFolderIsTakenByteForByte) {
    const char* before = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = before != nullptr ? before : "";
    const std::string folder = "/tmp/c\xffonf";
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    EXPECT_EQ(defaultSettingsFile().native(), folder + "/tavolier/tavolier.ini");
    if (before != nullptr)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

// A second window on a settings file that another holds is asked what to
// do: it plays without saving, or it does not start. The first's totals stay.
TEST(SecondSession, PlaysWithoutSavingOrQuitsAndTheFirstKeepsItsFile) {
    WindowFixture first(3);
    const std::filesystem::path path = first.file.path();
    std::optional<SessionSettings> owner = openSessionSettings(path, [](const QString&) {
        ADD_FAILURE() << "the first session is not asked";
        return false;
    });
    ASSERT_TRUE(owner.has_value());
    ASSERT_TRUE(owner->saving());
    TableWindow& form = first.open(&owner->store());
    form.show();
    playHands(form, 2);

    QString asked;
    EXPECT_FALSE(openSessionSettings(path, [&](const QString& question) {
        asked = question;
        return false;
    }).has_value());
    EXPECT_NE(asked.indexOf(QString::fromStdString(path.string())), -1);

    std::optional<SessionSettings> unsaved
        = openSessionSettings(path, [](const QString&) { return true; });
    ASSERT_TRUE(unsaved.has_value());
    EXPECT_FALSE(unsaved->saving());
    const std::string before = bytesOf(first.file);
    WindowFixture second(4);
    TableWindow& other = second.open(&unsaved->store());
    other.show();
    playHands(other, 3);
    EXPECT_TRUE(other.close());
    EXPECT_EQ(bytesOf(first.file), before);

    // The owner's close writes its own totals, as if the other had never run.
    EXPECT_TRUE(form.close());
    EXPECT_EQ(dealKeys(first.file), dealKeys(first.state));
}

} // namespace tavolier::uitest
