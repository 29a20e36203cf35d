#pragma once

// The duel's table: players in chairs, duplicate deals played once per
// seating, and what each player won and how it played.

#include "acpc_seat.h"

#include "core/game_events.h"
#include "core/random.h"
#include "core/seats.h"
#include "core/table_state.h"
#include "core/table_view.h"
#include "game/game.h"
#include "game/table.h"
#include "opponents/characters.h"
#include "opponents/opponent.h"
#include "presentation/style_statistics.h"
#include "settings/settings_store.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tavolier::cli {

// Every deal is played once per seating: each player in each chair.
inline constexpr int kSeatings = kSeatCount;
// Stacks before every hand, in big bets: deep enough that nobody is all in
// short of the cap.
inline constexpr std::int32_t kDeepStackBigBets = 1000;

// Who plays a chair: a character at a level, an opponents' level with no
// character of its own, or a fixed policy.
struct DuelPlayer {
    enum class Kind {
        level,
        character,
        call,
        raise,
        outside, // a program over the computer-poker protocol: see DuelTable::seatOutside
    };
    Kind kind = Kind::level;
    std::int32_t levelCode = 0; // 0: the duel's --level
    const Character* character = nullptr; // for Kind::character

    // As typed, with the level filled in: "level:Genius",
    // "character:Marc@Amateur", "call", "raise".
    [[nodiscard]] std::string text() const;
    // A new player of this kind, for one seat.
    [[nodiscard]] std::unique_ptr<Opponent> make() const;
};

// "level:L" (a level's code or caption), "character:NAME" or
// "character:NAME@L" (one of the seven characters, at level L or the
// duel's), "call", "raise" or "acpc:PORT" / "acpc:HOST:PORT" (an outside
// program); nullopt otherwise.
[[nodiscard]] std::optional<DuelPlayer> parseDuelPlayer(std::string_view text);

// The player (named by the chair it starts in) who sits in seat at seating
// number seating: every player moves that many chairs clockwise.
[[nodiscard]] int duelPlayerAt(int seat, int seating);

// Passes the events on to the statistics of the seating being played.
// An outside program, when one plays, hears them all too.
class SeatingEvents : public GameEvents {
public:
    GameEvents* current = nullptr;
    GameEvents* outside = nullptr;
    void handStarted(const HandStarted& e) override { each(&GameEvents::handStarted, e); }
    void blindPosted(const BlindPosted& e) override { each(&GameEvents::blindPosted, e); }
    void actionTaken(const ActionTaken& e) override { each(&GameEvents::actionTaken, e); }
    void betReturned(const BetReturned& e) override { each(&GameEvents::betReturned, e); }
    void streetDealt(const StreetDealt& e) override { each(&GameEvents::streetDealt, e); }
    void handShown(const HandShown& e) override { each(&GameEvents::handShown, e); }
    void potAwarded(const PotAwarded& e) override { each(&GameEvents::potAwarded, e); }
    void handEnded(const HandEnded& e) override { each(&GameEvents::handEnded, e); }
    void matchEnded(const MatchEnded& e) override { each(&GameEvents::matchEnded, e); }

private:
    template <typename Event> void each(void (GameEvents::*handler)(const Event&), const Event& e) {
        (current->*handler)(e);
        if (outside != nullptr)
            (outside->*handler)(e);
    }
};

// What the deals a job played gave, added up.
struct DuelTally {
    // By starting chair: chips won, and the sum of each deal's result (all
    // its seatings) squared, for the spread of a duplicate deal's result.
    std::array<std::int64_t, kSeatCount + 1> won {};
    std::array<std::int64_t, kSeatCount + 1> wonSquared {};
    // By seating: the statistics of the seats as they sat.
    std::array<StyleStatistics, kSeatings> styles {};
    std::int64_t hands = 0;
};

// Deals are played in blocks: in each seating the same players play the
// block's deals one after the other, and remember them as a session; the
// next block starts with fresh players. A block is the unit of a job's work,
// so the figures are the same for any number of jobs.
inline constexpr std::int64_t kDealsPerBlock = 32;

// A table for one job: the state as the start-up left it (Standard rules,
// deep stacks, no sound), copied again before every hand.
class DuelTable {
public:
    // players (already with their levels) by the chair each starts in ([0] unused).
    explicit DuelTable(const std::array<DuelPlayer, kSeatCount + 1>& players);
    DuelTable(const DuelTable&) = delete;
    DuelTable& operator=(const DuelTable&) = delete;

    [[nodiscard]] std::int32_t bigBet() const { return m_start.bigBet; }
    // The table after the hand last played.
    [[nodiscard]] const TableState& state() const { return m_state; }

    // Plays the deals first..first+count-1 of a run seeded with seed, each
    // in every seating, and adds them to tally.
    void playBlock(std::uint64_t seed, std::int64_t first, std::int64_t count, DuelTally& tally);
    // Fresh players in the chairs of seating number seating.
    void seatPlayers(int seating);
    // The program that plays the player of kind outside (one at most).
    void seatOutside(acpc::OutsideSeat& outside);
    // One hand: deal number deal, on fresh deep stacks, with the players
    // seated now, telling its events to events. The cards come from the
    // deal's own stream, the decisions from the seating's.
    void playHand(std::uint64_t seed, std::int64_t deal, int seating, GameEvents& events);

private:
    std::array<DuelPlayer, kSeatCount + 1> m_players;
    std::array<std::unique_ptr<Opponent>, kSeatCount + 1> m_seated;
    acpc::OutsideSeat* m_outside = nullptr;
    TableState m_state;
    TableState m_start;
    Random m_decisions { 0 };
    Random m_deck { 0 };
    NullView m_view;
    MemorySettings m_settings;
    SeatingEvents m_events;
    Table m_table;
    Game m_game;
    std::int32_t m_deep = 0;
};

} // namespace tavolier::cli
