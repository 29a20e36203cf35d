#pragma once

#include "core/card.h"
#include "core/game_events.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavolier {

// A wall-clock reading in local time, with how far that clock runs ahead of
// UTC and its zone's abbreviation ("CET"), so that the instant is known. The
// core never reads a clock: whoever builds a HandHistory passes one in.
struct LocalTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int utcOffsetMinutes = 0;
    std::string zone = "UTC";
};
using HistoryClock = std::function<LocalTime()>;

// One hand as the game events told it: how it started, then every blind,
// action, street, shown hand and award in the order they happened.
struct HandRecord {
    using Step
        = std::variant<BlindPosted, ActionTaken, BetReturned, StreetDealt, HandShown, PotAwarded>;

    HandStarted start;
    LocalTime startedAt;
    std::vector<Step> steps;
    std::optional<HandEnded> end;
    std::optional<MatchEnded> matchEnd;

    [[nodiscard]] bool finished() const { return end.has_value(); }
    // The board as far as it was dealt (0, 3, 4 or 5 cards).
    [[nodiscard]] std::vector<Card> board() const;
    // The last award of the hand, if the pot has gone.
    [[nodiscard]] const PotAwarded* award() const;
};

// Records every hand of the session from the events alone. The window shows
// the records as they grow; the file writer and the command line append the
// finished ones to a hand-history file.
class HandHistory : public GameEvents {
public:
    explicit HandHistory(HistoryClock clock);
    HandHistory(const HandHistory&) = delete;
    HandHistory& operator=(const HandHistory&) = delete;

    // Called with the index of a hand whenever its record changes.
    std::function<void(std::size_t hand)> changed;
    // Called once when a hand has ended.
    std::function<void(const HandRecord&)> handFinished;
    // Forget each hand when the next starts (a long run that writes every
    // finished hand to a file keeps its memory flat).
    bool keepOnlyTheHandInPlay = false;

    [[nodiscard]] const std::vector<HandRecord>& hands() const { return m_hands; }

    void handStarted(const HandStarted& e) override;
    void blindPosted(const BlindPosted& e) override;
    void actionTaken(const ActionTaken& e) override;
    void betReturned(const BetReturned& e) override;
    void streetDealt(const StreetDealt& e) override;
    void handShown(const HandShown& e) override;
    void potAwarded(const PotAwarded& e) override;
    void handEnded(const HandEnded& e) override;
    void matchEnded(const MatchEnded& e) override;

private:
    // The hand being played, or null before the first deal.
    HandRecord* current();
    void add(HandRecord::Step step);
    void notify();

    HistoryClock m_clock;
    std::vector<HandRecord> m_hands;
};

// The seats in the order the history and the Statistics window name them:
// the human first, then the opponents in the order of play.
inline constexpr std::array<int, 8> kNamingOrder { 8, 7, 6, 5, 4, 3, 2, 1 };

// The name a seat goes by in the history: "You", "Chong", ... "Marc".
[[nodiscard]] std::string_view historySeatName(SeatNumber seat);
// "Ah", "Td", "9c": rank then suit.
[[nodiscard]] std::string cardCode(Card card);
// "A♥", "10♦", "9♣": rank and suit glyph, as the history window reads.
[[nodiscard]] std::string cardGlyphs(Card card);
[[nodiscard]] constexpr bool isRedSuit(Card card) {
    return card.suit == 1 || card.suit == 2;
}

// One line of the History window: a text, the cards drawn after it as
// rank-and-suit glyphs, and a text after the cards.
struct HistoryLine {
    enum class Kind { heading, blind, action, street, shown, result, note };
    Kind kind = Kind::note;
    std::string text;
    std::vector<Card> cards;
    std::string after;

    // The line as plain text, cards as glyphs.
    [[nodiscard]] std::string plain() const;
};

// The words of the story of a hand, with "%1", "%2", "%3" where the name,
// the amount and the pot after it go. English by default; the window gives
// its own language's. Each pair holds the human's words first ("You call"),
// then another seat's ("%1 calls").
struct StoryWords {
    using Said = std::array<std::string, 2>;
    std::string heading = "Hand #%1 \u00b7 %2 \u00b7 %3/%4";
    std::string newMatch = "%1 \u00b7 new match";
    std::string yourCards = "Your cards";
    Said postSmall { "You post the small blind %2 \u00b7 pot %3",
        "%1 posts the small blind %2 \u00b7 pot %3" };
    Said postBig { "You post the big blind %2 \u00b7 pot %3",
        "%1 posts the big blind %2 \u00b7 pot %3" };
    Said check { "You check", "%1 checks" };
    Said call { "You call %2 \u00b7 pot %3", "%1 calls %2 \u00b7 pot %3" };
    // A raise names the total the seat has in on the street after it.
    Said raise { "You raise to %2 \u00b7 pot %3", "%1 raises to %2 \u00b7 pot %3" };
    Said bet { "You bet %2 \u00b7 pot %3", "%1 bets %2 \u00b7 pot %3" };
    Said fold { "You fold", "%1 folds" };
    Said outOfChips { "You are out of chips", "%1 is out of chips" };
    Said takeBack { "You take back %2 \u00b7 pot %3", "%1 takes back %2 \u00b7 pot %3" };
    Said show { "You show", "%1 shows" };
    Said win { "You win %2", "%1 wins %2" };
    // After an action that took the seat's last chip.
    std::string allIn = "%1 \u00b7 all-in";
    // With side pots, each pot and who won it: "Main pot 50 · won by Carlos".
    std::string mainPot = "Main pot %1 \u00b7 won by %2";
    std::string sidePot = "Side pot %1 \u00b7 won by %2";
    std::string nobodyWins = "Nobody wins the pot of %1";
    std::string split = "%1 split %2, %3 each";
    std::string everyoneFolded = "%1, everyone folded";
    // One chip, then more ("%1 chips lost to the split").
    std::array<std::string, 2> lostToSplit { "%1 chip lost to the split",
        "%1 chips lost to the split" };
    std::string gameOver = "Game over: %1";
    std::string youWinMatch = "You win!";
    std::string youLoseMatch = "You lose!";
    std::string seatWinsMatch = "%1 wins";
    std::string withHand = "%1 with %2";
    std::string you = "You";
    std::string lastOfList = "%1 and %2";
    std::array<std::string, 5> streets { "Pre-flop", "Flop", "Turn", "River", "Showdown" };
    // The name a hand is shown with, in these words; empty: as the rules
    // wrote it.
    std::function<std::string(std::string_view)> handName;
};
[[nodiscard]] const StoryWords& englishStory();

// The names of the seats flagged, in naming order, joined for a sentence:
// "Jack", "Jack and Cindy", "You, Jack and Cindy"; empty when none is.
[[nodiscard]] std::string seatNameList(
    const SeatFlags& seats, const StoryWords& words = englishStory());

// The History window's story of a hand ("Chong raises to 8 · pot 30", "Jack
// calls 4", "Jack wins 42", ...), as far as it has been played.
[[nodiscard]] std::vector<HistoryLine> historyLines(
    const HandRecord& hand, const StoryWords& words = englishStory());
// The same, one line per row, for copying.
[[nodiscard]] std::string historyText(
    const HandRecord& hand, const StoryWords& words = englishStory());

// The felt's caption once the pot has gone: "Jack wins 42 with Two pairs
// Queens", "Jack and Cindy split 42, 21 each", "You win 14"; empty before.
[[nodiscard]] std::string winnerCaption(
    const HandRecord& hand, const StoryWords& words = englishStory());

// "Pre-flop", "Flop", "Turn", "River", "Showdown".
[[nodiscard]] const char* streetName(Street street);
// "You win!", "You lose!" or "Chong wins".
[[nodiscard]] std::string matchEndText(
    const MatchEnded& m, const StoryWords& words = englishStory());

// The words that open each hand of a hand-history file: the game's own
// ("Tavolier Hand #"), or the largest site's, which every tracking tool
// recognises; the rest of the hand is the same.
enum class HistoryStyle { tavolier, trackers };

// The hand in the plain-text hand-history layout that tracking tools import,
// ending with a blank line. handId is the number the header gives the hand.
[[nodiscard]] std::string handHistoryText(
    const HandRecord& hand, std::int64_t handId, HistoryStyle style = HistoryStyle::tavolier);
// A hand-history file in the game's own words with each hand's opening words
// made the trackers' style; everything else is left as it is.
[[nodiscard]] std::string forTrackingTools(std::string_view text);

// The same instant on the US eastern clock, standard or daylight time as the
// date gives: the time the layout's bracketed "ET" reading carries.
[[nodiscard]] LocalTime easternTime(const LocalTime& time);

// "tavolier-2026-12-08.txt"
[[nodiscard]] std::string historyFileName(const LocalTime& day);

} // namespace tavolier
