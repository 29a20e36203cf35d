#pragma once

// The rules page's words: painted into the page at build time (in each
// language), and read out by the rules window to a screen reader. The
// paragraphs are rich text with the terms in <b>.
#include <QtGlobal>

#include <array>

namespace tavolier::rules_text {

inline constexpr const char* kTitle = QT_TRANSLATE_NOOP("RulesPage", "Texas Hold'em");
inline constexpr const char* kSubtitle
    = QT_TRANSLATE_NOOP("RulesPage", "fixed-limit, as played at this table");

inline constexpr const char* kDealHeading
    = QT_TRANSLATE_NOOP("RulesPage", "The deal and the blinds");
inline constexpr const char* kDealText = QT_TRANSLATE_NOOP("RulesPage",
    "You and seven opponents get two cards face down each. First the next two "
    "players post the blinds: the <b>small blind</b> is half a small bet, the "
    "<b>big blind</b> one small bet (with limits of 4 and 8: 2 and 4).");
inline constexpr const char* kBetsHeading = QT_TRANSLATE_NOOP("RulesPage", "Fixed bets");
inline constexpr const char* kBetsText = QT_TRANSLATE_NOOP("RulesPage",
    "Every bet and raise has one fixed size: the <b>small bet</b> before and on the "
    "flop, the <b>big bet</b> (twice as much) on the turn and the river. Answer a "
    "bet with <b>Call</b> or <b>Fold</b>; with none to answer, <b>Check</b> or "
    "<b>Raise</b>.");

inline constexpr const char* kStreetsHeading = QT_TRANSLATE_NOOP("RulesPage", "The four streets");
// Each street's name and what it deals.
inline constexpr std::array<std::array<const char*, 2>, 4> kStreets { {
    { QT_TRANSLATE_NOOP("RulesPage", "Pre-flop"),
        QT_TRANSLATE_NOOP("RulesPage", "two cards each") },
    { QT_TRANSLATE_NOOP("RulesPage", "Flop"),
        QT_TRANSLATE_NOOP("RulesPage", "three on the board") },
    { QT_TRANSLATE_NOOP("RulesPage", "Turn"), QT_TRANSLATE_NOOP("RulesPage", "a fourth card") },
    { QT_TRANSLATE_NOOP("RulesPage", "River"), QT_TRANSLATE_NOOP("RulesPage", "the fifth card") },
} };
inline constexpr const char* kShowdownText = QT_TRANSLATE_NOOP("RulesPage",
    "Each street has a round of betting. At the <b>showdown</b> the best five of "
    "your two cards and the board's five win the pot; equal hands share it.");

inline constexpr const char* kRankingHeading = QT_TRANSLATE_NOOP("RulesPage", "Hands, best first");
// Each hand's name and what makes it, best first.
inline constexpr std::array<std::array<const char*, 2>, 9> kRanking { {
    { QT_TRANSLATE_NOOP("RulesPage", "Straight flush"),
        QT_TRANSLATE_NOOP("RulesPage", "five in a row, one suit") },
    { QT_TRANSLATE_NOOP("RulesPage", "Four of a kind"),
        QT_TRANSLATE_NOOP("RulesPage", "four cards of one rank") },
    { QT_TRANSLATE_NOOP("RulesPage", "Full house"),
        QT_TRANSLATE_NOOP("RulesPage", "three of a kind and a pair") },
    { QT_TRANSLATE_NOOP("RulesPage", "Flush"), QT_TRANSLATE_NOOP("RulesPage", "five of one suit") },
    { QT_TRANSLATE_NOOP("RulesPage", "Straight"),
        QT_TRANSLATE_NOOP("RulesPage", "five in a row (A-2-3-4-5 too)") },
    { QT_TRANSLATE_NOOP("RulesPage", "Three of a kind"),
        QT_TRANSLATE_NOOP("RulesPage", "three cards of one rank") },
    { QT_TRANSLATE_NOOP("RulesPage", "Two pairs"),
        QT_TRANSLATE_NOOP("RulesPage", "two different pairs") },
    { QT_TRANSLATE_NOOP("RulesPage", "One pair"),
        QT_TRANSLATE_NOOP("RulesPage", "two cards of one rank") },
    { QT_TRANSLATE_NOOP("RulesPage", "High card"),
        QT_TRANSLATE_NOOP("RulesPage", "none of the above") },
} };

inline constexpr const char* kOddsHeading = QT_TRANSLATE_NOOP("RulesPage", "Your odds");
inline constexpr const char* kOddsText = QT_TRANSLATE_NOOP("RulesPage",
    "Hold the mouse over the badge under your cards to see how your hand rates "
    "against six random hands: from <b>Poor</b> through <b>Average</b> to "
    "<b>Excellent</b>.");
inline constexpr const char* kButtonsHeading = QT_TRANSLATE_NOOP("RulesPage", "The buttons");
inline constexpr const char* kButtonsText = QT_TRANSLATE_NOOP("RulesPage",
    "<b>Deal</b> starts the next hand, <b>New</b> a new match. A match ends "
    "when you or all opponents are broke, or a player reaches the target. "
    "<b>Options</b> sets the starting chips, the target, the limits, the "
    "card back, the opponents' level and the sound.");

} // namespace tavolier::rules_text
