#pragma once

#include "core/game_events.h"
#include "core/random.h"
#include "core/table_state.h"
#include "core/table_view.h"
#include "opponents/characters.h"
#include "opponents/opponent.h"
#include "opponents/seat_view.h"
#include "presentation/scene.h"
#include "settings/settings_io.h"
#include "settings/settings_store.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace tavolier {

// How a hand opens beyond its blinds: the dealer button and the rule set.
struct HandOpening {
    int buttonSeat = 0;
    std::string_view rulesName = "Classic";
    bool standardBetting = false;
    // The bet sizes the hand is played with, where the rules play other
    // sizes than the stored ones (below one chip); unset: the stored ones.
    std::int32_t smallBet = 0;
    std::int32_t bigBet = 0;
};

// The pieces every rule of the game works on: the scene (the one table state,
// the one generator, the screen and the window's presentation state), the
// settings store and the listener of the game events. The main window (or a test, or the
// CLI) owns all of them; a Table only ties them together.
class Table : public Scene {
public:
    // Nobody listens to the game events.
    Table(TableState& state, Random& random, TableView& view, SettingsStore& settings);
    Table(TableState& state, Random& random, TableView& view, SettingsStore& settings,
        GameEvents& events);
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

private:
    GameEvents m_nobodyListens;
    MonteCarloOpponents m_classicOpponents;
    // Standard's opponents, one per seat by seat number, at the level they
    // were made for.
    std::array<std::unique_ptr<Opponent>, kSeatCount + 1> m_characters;
    std::int32_t m_charactersLevel = 0;
    std::array<Opponent*, kSeatCount + 1> m_seated {};
    std::unique_ptr<Opponent> m_standIn;
    const Character* m_standInCharacter = nullptr;
    std::int32_t m_standInLevel = 0;
    Random* m_deckRandom = nullptr;

public:
    SettingsStore& settings;
    GameEvents& events;
    // The stored values the start-up could not play with and put back to
    // their defaults; the window and the command line say so.
    std::vector<RefusedValue> refusedValues;

    // Who decides for a seat: the one seated there by seatOpponent, else the
    // rules' own: Classic's opponents under the Classic rules, the seat's
    // character at the table's level under the others.
    [[nodiscard]] Opponent& opponentAt(int seat);
    // Seats a player of the caller's (a test's, a program's) at one seat, or
    // at every seat; nullptr gives the seat back to the rules' own.
    void seatOpponent(int seat, Opponent* opponent);
    void seatOpponents(Opponent& opponents);
    // The player a program puts in the human's chair under the Standard
    // rules: one object for the session, so that it remembers what it saw,
    // made afresh when the character or the level changes.
    [[nodiscard]] Opponent& humansStandIn(const Character& character, std::int32_t levelCode);

    // The hand's public betting so far, by seat number (the blinds first),
    // for the seats' views.
    struct LoggedAction {
        int seat = 0;
        ViewAction action;
    };
    [[nodiscard]] const std::vector<LoggedAction>& handLog() const { return m_log; }

    // Where the Standard rules shuffle the deck from: the one generator,
    // unless a program that deals the same cards again (a duplicate duel)
    // gives the deck a stream of its own, so that what the players decided
    // never changes the cards. Classic always shuffles from the one generator.
    [[nodiscard]] Random& deckRandom() { return m_deckRandom != nullptr ? *m_deckRandom : random; }
    void shuffleFrom(Random& deck) { m_deckRandom = &deck; }

    // Pays amount from a seat into the pot and shows both (clamped to 32 bits).
    void pay(int seat, std::int32_t amount);

    // Allows or bars one of the human's controls (Deal, Check/Call, Raise,
    // Fold) and enables or disables its button. The Raise button is enabled
    // only while a press would raise (raiseTakesEffect).
    void setButtonEnabled(Button button, bool enabled);
    // Brings the Raise button in line after the chips or the seats still in
    // have changed since it was last set; shows nothing when it already is.
    void refreshRaise();
    // The Check/Call button reads "Call" (a bet is due) or "Check".
    void setCallDue(bool due);
    // The Raise button reads "Raise".
    void showRaiseCaption();
    // The sound button's caption.
    void setSoundCaption(bool on);
    // Allows or bars Raise as rules other than Classic's decide it, without
    // Classic's look at the chips.
    void setRaiseButton(bool enabled);
    // Bars all four of the human's controls: Deal, Raise, Fold, Check/Call.
    void disableActions();
    // Between hands: Deal is the only action button that can be pressed.
    void offerDealOnly();

    // ---- Game events. A hand is open from its HandStarted to its
    // HandEnded; what the rules do to a closed hand is not reported.
    [[nodiscard]] std::int64_t handNumber() const { return m_handNumber; }
    [[nodiscard]] bool handOpen() const { return m_handOpen; }
    // Reports a new hand; stacks as they stood before the blinds. Without an
    // opening, the hand is Classic's, its button the seat before the small
    // blind in Classic's order of play.
    void reportHandStarted(
        bool newMatch, int smallBlindSeat, int bigBlindSeat, const SeatFigures& stacks);
    void reportHandStarted(bool newMatch, int smallBlindSeat, int bigBlindSeat,
        const SeatFigures& stacks, const HandOpening& opening);
    // A full blind of the stake (Classic), or the blind as posted.
    void reportBlind(int seat, bool big, std::int32_t potAfter);
    void reportBlindPosted(const BlindPosted& blind);
    // Reports a seat's action with its stack and the pot as they stand now.
    void reportAction(int seat, ActionKind kind, std::int32_t paid, bool allIn = false);
    // A seat that was out of chips at the deal, its turn passed over: told
    // once a hand, at the first such turn. A seat that runs out of chips
    // during the hand is passed over unreported.
    void reportSitsOut(int seat);
    void reportStreet();
    void reportShown(int seat, std::int32_t score, std::int32_t kicker, std::string_view name);
    // Reports the pot's award and then the end of the hand.
    void reportPotAndEnd(const PotAwarded& award);
    void reportMatchEnded(MatchResult result, int seat);

private:
    bool m_raiseShown = false;
    std::int64_t m_handNumber = 0;
    bool m_handOpen = false;
    Street m_streetReported = Street::preflop;
    SeatFlags m_toldSitsOut {};
    std::vector<LoggedAction> m_log;

    void logBlind(const BlindPosted& blind);
};

// Every seat's chips, by seat number.
[[nodiscard]] SeatFigures stacksOf(const TableState& state);

// The street goes up by one: the table is redrawn and, while the street is
// below 5 and sound is on, a card sound plays (one draw below 100).
void advanceStreet(Table& table);
// Every status label gets a white font.
void whitenStatusLabels(Table& table);

// Whether a press of Raise would raise: an opponent is still in the hand
// and the human has two chips or more. Otherwise Raise does nothing, and it
// is neither a legal action nor an enabled button.
[[nodiscard]] bool raiseTakesEffect(const TableState& state);

// What the human may do now, from the state of the rules.
[[nodiscard]] LegalActions legalActions(const TableState& state);

} // namespace tavolier
