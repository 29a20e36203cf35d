#pragma once

#include "core/card.h"
#include "core/game_events.h"
#include "core/street.h"
#include "core/table_view.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tavolier {

// What the felt shows beside the cards so that a hand reads at a glance: the
// dealer button and the blinds, the chips each seat has put in on this
// street, the street's name, the seat that acted last and the human's own
// last action. Built from the game events alone, for every rule set: the
// chips are what actually left each stack, so a blind that does not count
// toward the call still shows as paid.
class TableMarks final : public GameEvents {
public:
    [[nodiscard]] SeatNumber button() const { return m_button; }
    [[nodiscard]] SeatNumber smallBlind() const { return m_smallBlind; }
    [[nodiscard]] SeatNumber bigBlind() const { return m_bigBlind; }
    // Chips each seat put in on the current street ([0] unused).
    [[nodiscard]] const SeatFigures& streetBets() const { return m_bets; }
    // The bets of the street that ended last, on their way into the pot, and
    // how many times bets were gathered (a new count starts a new slide).
    [[nodiscard]] const SeatFigures& gathered() const { return m_gathered; }
    [[nodiscard]] std::int64_t gatherCount() const { return m_gatherCount; }
    // The street of the hand on the table; none before the first hand.
    [[nodiscard]] std::optional<Street> street() const { return m_street; }
    // The seat whose action was shown last on this street (none after a
    // street is dealt and once the hand is over).
    [[nodiscard]] SeatNumber acting() const { return m_acting; }
    [[nodiscard]] bool handOpen() const { return m_handOpen; }
    [[nodiscard]] bool humanFolded() const { return m_humanFolded; }
    // The human's last action with what it cost ("Calls 4"); empty at a Deal.
    [[nodiscard]] const std::string& humanAction() const { return m_humanAction; }
    // The human's hole cards and the board as far as it is dealt.
    [[nodiscard]] const std::array<Card, 2>& humanCards() const { return m_humanCards; }
    [[nodiscard]] const std::array<Card, 5>& board() const { return m_board; }
    [[nodiscard]] int boardCount() const { return m_boardCount; }
    // "You win!", "You lose!" or "Chong wins" once the match is over; empty
    // from the next hand on.
    [[nodiscard]] const std::string& matchResult() const { return m_matchResult; }
    // How the match ended, until the next hand.
    [[nodiscard]] const std::optional<MatchEnded>& matchEnd() const { return m_matchEnd; }

    // Runs after every event that changed the marks.
    std::function<void()> changed;

    void handStarted(const HandStarted& e) override;
    void blindPosted(const BlindPosted& e) override;
    void actionTaken(const ActionTaken& e) override;
    void betReturned(const BetReturned& e) override;
    void streetDealt(const StreetDealt& e) override;
    void potAwarded(const PotAwarded& e) override;
    void handEnded(const HandEnded& e) override;
    void matchEnded(const MatchEnded& e) override;

private:
    // Moves the street's bets into the pot.
    void gather();
    void notify() const;

    SeatNumber m_button {};
    SeatNumber m_smallBlind {};
    SeatNumber m_bigBlind {};
    SeatFigures m_bets {};
    SeatFigures m_gathered {};
    std::int64_t m_gatherCount = 0;
    std::optional<Street> m_street;
    SeatNumber m_acting {};
    bool m_handOpen = false;
    bool m_humanFolded = false;
    std::string m_humanAction;
    std::array<Card, 2> m_humanCards {};
    std::array<Card, 5> m_board {};
    int m_boardCount = 0;
    std::string m_matchResult;
    std::optional<MatchEnded> m_matchEnd;
};

// Where the marks of each seat go on the 1000 x 670 table, by seat number
// ([0] unused): the chips in front of the seat (a stack and its figure), the
// dealer button and blind markers side by side, and the plate behind its
// labels that marks the seat acting now. Every place keeps clear of the
// cards, the portraits, the labels and the board.
struct SeatMarkPlace {
    Rect bet;
    int markerX;
    int markerY;
    Rect plate;
};

inline constexpr int kMarkerSize = 18;
inline constexpr int kMarkerStep = 21;

// clang-format off
inline constexpr std::array<SeatMarkPlace, 9> kSeatMarkPlaces { {
    { {},                     0,   0, {} },
    { { 262, 432, 312, 448 }, 282, 503, { 163, 555, 262, 592 } }, // Marc
    { { 682, 442, 732, 458 }, 690, 503, { 731, 555, 840, 592 } }, // Edmund
    { { 716, 300, 766, 316 }, 790, 398, { 886, 367, 998, 402 } }, // Robert
    { { 640, 262, 690, 278 }, 655, 166, { 805, 182, 905, 216 } }, // Cindy
    { { 444, 222, 494, 238 }, 409, 167, { 404, 129, 505, 163 } }, // Carlos
    { { 300, 262, 350, 278 }, 172, 222, { 113, 182, 213, 216 } }, // Jack
    { { 246, 338, 296, 354 }, 140, 408, {  19, 367, 119, 402 } }, // Chong
    { { 512, 446, 562, 462 }, 440, 510, { 391, 555, 491, 592 } }, // the human
} };
// clang-format on

// The street's name above the pot, and where gathered chips slide to.
inline constexpr Rect kStreetNamePlace { 421, 244, 561, 260 };
inline constexpr int kPotX = 478;
inline constexpr int kPotY = 266;
// Under the human's cards: "You have: ...".
inline constexpr Rect kHumanHandPlace { 400, 590, 760, 605 };
// Beside the action buttons: "Your turn"; under Check/Call and Raise: their costs.
inline constexpr Rect kYourTurnPlace { 657, 607, 757, 640 };
inline constexpr Rect kCallCostPlace { 459, 641, 523, 655 };
inline constexpr Rect kRaiseCostPlace { 523, 641, 588, 655 };
// The action buttons' row, which glows when the human is to act.
inline constexpr Rect kActionRow { 395, 607, 652, 640 };

} // namespace tavolier
