// The game's audio output against a real sound server: a private PulseAudio
// with a null sink, whose monitor is recorded. Every sound that is not cut
// off must come out whole, sample for sample, at full volume; a new sound
// must cut the playing one off and follow it without a gap. Skipped where no
// sound server can start.
#include "core/table_state.h"
#include "null_sink.h"
#include "settings/settings_file.h"
#include "ui/main_window.h"
#include "ui/sound_player.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace tavolier::soundtest {
namespace {

using std::chrono::milliseconds;

QString assetPath(std::string_view name) {
    return QDir(TAVOLIER_ASSET_DIR)
        .filePath(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

// The samples of a 16-bit mono WAV file, straight from its data chunk.
std::vector<std::int16_t> wavSamples(std::string_view name) {
    QFile file(assetPath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const qsizetype data = bytes.indexOf("data");
    if (data < 0)
        return {};
    std::uint32_t size = 0;
    std::memcpy(&size, bytes.constData() + data + 4, 4);
    std::vector<std::int16_t> samples(size / 2);
    std::memcpy(samples.data(), bytes.constData() + data + 8, samples.size() * 2);
    return samples;
}

std::size_t firstNonZero(const std::vector<std::int16_t>& samples, std::size_t from = 0) {
    const auto it = std::find_if(samples.begin() + static_cast<std::ptrdiff_t>(from), samples.end(),
        [](std::int16_t s) { return s != 0; });
    return static_cast<std::size_t>(it - samples.begin());
}

// How many samples of `clip` the recording holds from `at` on, unchanged.
std::size_t matchingPrefix(const std::vector<std::int16_t>& recording, std::size_t at,
    const std::vector<std::int16_t>& clip) {
    std::size_t n = 0;
    while (n < clip.size() && at + n < recording.size() && recording[at + n] == clip[n])
        ++n;
    return n;
}

// Where a sound that broke off comes back, to tell a gap from a loss.
std::string describeGap(const std::vector<std::int16_t>& recording, std::size_t start,
    const std::vector<std::int16_t>& clip, std::size_t whole) {
    if (whole >= clip.size())
        return {};
    for (std::size_t shift = 1; shift < 44100 && start + whole + shift < recording.size(); ++shift)
        if (matchingPrefix(recording, start + whole + shift,
                std::vector<std::int16_t>(
                    clip.begin() + static_cast<std::ptrdiff_t>(whole), clip.end()))
            > 100)
            return ": broke off after " + std::to_string(whole) + " samples and went on "
                + std::to_string(shift) + " samples later";
    return ": broke off after " + std::to_string(whole) + " samples";
}

bool silentFrom(const std::vector<std::int16_t>& recording, std::size_t from) {
    return firstNonZero(recording, std::min(from, recording.size())) == recording.size();
}

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// One server for the whole program: the audio back end connects to it once.
class SoundServer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_server = new NullSinkServer;
        s_up = s_server->start();
        if (s_up)
            qputenv("PULSE_SERVER", s_server->address().toUtf8());
    }
    static void TearDownTestSuite() {
        delete s_server;
        s_server = nullptr;
    }

    void SetUp() override {
        if (!s_up)
            GTEST_SKIP() << "no sound server could start here: " << s_server->why().toStdString();
        m_recorder = std::make_unique<MonitorRecorder>(*s_server);
        ASSERT_TRUE(m_recorder->start()) << "parec records nothing from the null sink";
    }

    // A player on the generated sounds, started and with its output open.
    std::unique_ptr<SoundPlayer> openPlayer() {
        auto player = std::make_unique<SoundPlayer>(
            AssetFinder({ QStringLiteral(TAVOLIER_ASSET_DIR) }), SoundPlayer::Output::Detect);
        player->setBeep([this] { ++beeps; });
        player->start();
        waitFor([&] { return player->hasOutput(); }, 10000);
        return player;
    }

    bool waitFor(const std::function<bool()>& done, int timeoutMs) {
        const auto deadline = Clock::now() + milliseconds(timeoutMs);
        while (!done() && Clock::now() < deadline) {
            m_recorder->pump(10);
            QCoreApplication::processEvents();
        }
        return done();
    }

    // Plays `file` and says what was wrong with what came out after the
    // recording's current end; nothing when it came out whole.
    std::optional<std::string> playWhole(SoundPlayer& player, std::string_view file) {
        const std::vector<std::int16_t> clip = wavSamples(file);
        if (clip.size() < 1000)
            return std::string(file) + " is missing or too short";
        const std::size_t cursor = m_recorder->samples().size();
        const auto called = Clock::now();
        player.play(file);
        m_recorder->pump(static_cast<int>(clip.size() * 1000 / kSinkRate) + 200);
        const std::vector<std::int16_t>& recording = m_recorder->samples();
        const std::size_t lead = firstNonZero(clip);
        const std::size_t heard = firstNonZero(recording, cursor);
        if (heard >= recording.size() || heard < cursor + lead)
            return std::string(file) + " was not heard";
        const std::size_t start = heard - lead;
        const std::size_t whole = matchingPrefix(recording, start, clip);
        if (whole != clip.size())
            return std::string(file) + " did not arrive whole"
                + describeGap(recording, start, clip, whole);
        if (!silentFrom(recording, start + clip.size()))
            return "noise after " + std::string(file);
        std::printf("%s: first sample at the sink %.1f ms after the call\n",
            std::string(file).c_str(), ms(m_recorder->playedBy(start) - called));
        return std::nullopt;
    }

    // Runs a check up to five times. A machine far busier than it has cores
    // can hold the sound up long enough for the output to run dry, which
    // breaks a sound up: that is the machine's doing and passes on another
    // try, while a sound that the player cuts or loses fails every time.
    static ::testing::AssertionResult withRetries(
        const std::function<std::optional<std::string>()>& check) {
        std::string failures;
        for (int attempt = 1; attempt <= 5; ++attempt) {
            const std::optional<std::string> failure = check();
            if (!failure)
                return ::testing::AssertionSuccess();
            std::printf("attempt %d: %s\n", attempt, failure->c_str());
            failures += "\n  " + *failure;
        }
        return ::testing::AssertionFailure() << "five times:" << failures;
    }

    static NullSinkServer* s_server;
    static bool s_up;
    std::unique_ptr<MonitorRecorder> m_recorder;
    int beeps = 0;
};

NullSinkServer* SoundServer::s_server = nullptr;
bool SoundServer::s_up = false;

TEST_F(SoundServer, EverySoundArrivesWholeAtFullVolume) {
    const auto player = openPlayer();
    ASSERT_TRUE(player->hasOutput());
    for (int round = 0; round < 2; ++round)
        for (std::string_view file : SoundPlayer::kFiles)
            EXPECT_TRUE(withRetries([&] { return playWhole(*player, file); }));
    EXPECT_EQ(beeps, 0);
}

TEST_F(SoundServer, ANewSoundCutsTheOldOneOffAndFollowsWithoutAGap) {
    const auto player = openPlayer();
    ASSERT_TRUE(player->hasOutput());
    const std::vector<std::int16_t> raise = wavSamples("chip1.wav");
    const std::vector<std::int16_t> card = wavSamples("card1.wav");
    EXPECT_TRUE(withRetries([&]() -> std::optional<std::string> {
        const std::size_t cursor = m_recorder->samples().size();
        const auto first = Clock::now();
        player->play("chip1.wav");
        m_recorder->pump(30);
        const auto second = Clock::now();
        player->play("card1.wav");
        m_recorder->pump(static_cast<int>((raise.size() + card.size()) * 1000 / kSinkRate) + 200);

        const std::vector<std::int16_t>& recording = m_recorder->samples();
        const std::size_t heard = firstNonZero(recording, cursor);
        if (heard >= recording.size() || heard < cursor + firstNonZero(raise))
            return "nothing was heard";
        const std::size_t start = heard - firstNonZero(raise);
        // The raise's sound plays unchanged up to a cut, and from that very
        // sample on the card sound plays whole.
        std::optional<std::size_t> cut;
        for (std::size_t k = 0; k < raise.size() && !cut; ++k) {
            if (k > 0 && recording[start + k - 1] != raise[k - 1])
                break;
            if (matchingPrefix(recording, start + k, card) == card.size())
                cut = k;
        }
        if (!cut)
            return "the card sound does not follow the cut raise sound whole";
        if (*cut == 0)
            return "the raise sound was not heard at all";
        if (!silentFrom(recording, start + *cut + card.size()))
            return "noise after the card sound";
        std::printf("cut after %.1f ms of the raise sound; the calls were %.1f ms apart\n",
            *cut * 1000.0 / kSinkRate, ms(second - first));
        return std::nullopt;
    }));
}

TEST_F(SoundServer, ClosingDuringASoundLetsItFinishAndReturns) {
    const std::vector<std::int16_t> win = wavSamples("chip4.wav");
    EXPECT_TRUE(withRetries([&]() -> std::optional<std::string> {
        auto player = openPlayer();
        if (!player->hasOutput())
            return "the output does not open";
        const std::size_t cursor = m_recorder->samples().size();
        player->play("chip4.wav");
        m_recorder->pump(50);
        player.reset();
        m_recorder->pump(static_cast<int>(win.size() * 1000 / kSinkRate) + 200);
        const std::vector<std::int16_t>& recording = m_recorder->samples();
        const std::size_t heard = firstNonZero(recording, cursor);
        if (heard >= recording.size() || heard < cursor + firstNonZero(win))
            return "chip4.wav was not heard";
        const std::size_t start = heard - firstNonZero(win);
        if (matchingPrefix(recording, start, win) != win.size())
            return "chip4.wav did not play to its end"
                + describeGap(recording, start, win, matchingPrefix(recording, start, win));
        return std::nullopt;
    }));
}

TEST_F(SoundServer, TheGameGoesOnWhileTheServerIsGoneAndSoundsAgainWhenItIsBack) {
    const auto player = openPlayer();
    ASSERT_TRUE(player->hasOutput());
    EXPECT_TRUE(withRetries([&] { return playWhole(*player, "chip1.wav"); }));

    m_recorder->stop();
    s_server->stop();
    EXPECT_TRUE(waitFor([&] { return !player->hasOutput(); }, 5000));
    for (std::string_view file : SoundPlayer::kFiles)
        player->play(file); // returns at once, silently
    EXPECT_EQ(beeps, 0);

    ASSERT_TRUE(s_server->start()) << s_server->why().toStdString();
    m_recorder = std::make_unique<MonitorRecorder>(*s_server);
    ASSERT_TRUE(m_recorder->start());
    ASSERT_TRUE(waitFor([&] { return player->hasOutput(); }, 20000))
        << "the output did not come back with the server";
    // The multimedia back end may reconnect once more a few seconds after the
    // server has gone; the output follows that too.
    m_recorder->pump(3500);
    ASSERT_TRUE(waitFor([&] { return player->hasOutput(); }, 20000));
    EXPECT_TRUE(withRetries([&] { return playWhole(*player, "chip4.wav"); }));
}

// The whole window: its sound starts after the first frame, a fold ends with
// the payout's chip sound played whole, and with the sound off nothing is
// heard.
class WindowSound : public SoundServer {
protected:
    std::unique_ptr<TableWindow> openWindow(bool soundOn) {
        // A retry opens a fresh window, whose player is made anew.
        player = nullptr;
        settings.writeBoolean("Settings", "Sound", soundOn);
        WindowOptions options;
        options.assetDirs = { QStringLiteral(TAVOLIER_ASSET_DIR) };
        options.scale = 1.0;
        options.runTimers = false;
        options.messageHook = [](const QString&, const QString&) {};
        options.questionHook = [](const QString&, const QString&) { return true; };
        // The player itself, linked in, rather than the module beside the game.
        options.soundFactory
            = [this](const AssetFinder& finder, bool audio, std::function<void()> beep) {
                  auto made = std::make_unique<SoundPlayer>(
                      finder, audio ? SoundPlayer::Output::Detect : SoundPlayer::Output::None);
                  made->setBeep(std::move(beep));
                  made->start();
                  player = made.get();
                  return std::unique_ptr<SoundCues>(std::move(made));
              };
        auto form = std::make_unique<TableWindow>(state, random, settings, options);
        EXPECT_EQ(player, nullptr) << "sound must wait for the first frame";
        form->show();
        EXPECT_TRUE(waitFor([&] { return player != nullptr && player->hasOutput(); }, 10000));
        return form;
    }

    SoundPlayer* player = nullptr; // made after the window's first frame

    QTemporaryDir dir;
    SettingsFile settings { std::filesystem::path(dir.path().toStdString()) / "tavolier.ini" };
    TableState state;
    Random random { Random::splitMix64(11) };
};

TEST_F(WindowSound, AFoldEndsWithTheWholePayoutSound) {
    const std::vector<std::int16_t> win = wavSamples("chip4.wav");
    EXPECT_TRUE(withRetries([&]() -> std::optional<std::string> {
        const auto form = openWindow(true);
        m_recorder->pump(300); // whatever the start-up deal played is over
        const std::size_t cursor = m_recorder->samples().size();
        // The fold plays the heavy chip sound; the opponents then play the
        // hand out (a raise or a new street cuts it off) up to the payout's
        // sound, which is the last and plays whole.
        QTest::mouseClick(form->button(Button::fold), Qt::LeftButton);
        if (!state.seat(kHuman).folded)
            return "the fold did not happen";
        m_recorder->pump(static_cast<int>(win.size() * 1000 / kSinkRate) + 300);
        const std::vector<std::int16_t>& recording = m_recorder->samples();
        if (firstNonZero(recording, cursor) >= recording.size())
            return "nothing was heard";
        const auto lastNonZero = [](const std::vector<std::int16_t>& samples) {
            const auto it = std::find_if(
                samples.rbegin(), samples.rend(), [](std::int16_t s) { return s != 0; });
            return samples.size() - 1 - static_cast<std::size_t>(it - samples.rbegin());
        };
        const std::size_t start = lastNonZero(recording) - lastNonZero(win);
        if (start < cursor || matchingPrefix(recording, start, win) != win.size())
            return "the last sound is not the whole chip4.wav";
        return std::nullopt;
    }));
}

TEST_F(WindowSound, WithTheSoundOffNothingIsHeard) {
    const auto form = openWindow(false);
    const std::size_t cursor = m_recorder->samples().size();
    QTest::mouseClick(form->button(Button::raise), Qt::LeftButton);
    QTest::mouseClick(form->button(Button::fold), Qt::LeftButton);
    m_recorder->pump(500);
    EXPECT_TRUE(silentFrom(m_recorder->samples(), cursor));
    EXPECT_GT(m_recorder->samples().size(), cursor + kSinkRate / 4) << "the recording stalled";
}

} // namespace
} // namespace tavolier::soundtest
