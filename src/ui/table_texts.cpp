#include "ui/table_texts.h"

#include "core/seats.h"
#include "opponents/characters.h"
#include "presentation/hand_history.h"

#include <QCoreApplication>

#include <array>
#include <string>

namespace tavolier {
namespace {

// The words the rules write, gathered here for the translators: the
// statuses, the captions of the buttons and the messages.
[[maybe_unused]] constexpr std::array kRulesWords {
    QT_TRANSLATE_NOOP("TableText", "Small Blind"),
    QT_TRANSLATE_NOOP("TableText", "Big Blind"),
    QT_TRANSLATE_NOOP("TableText", "Check"),
    QT_TRANSLATE_NOOP("TableText", "Calls"),
    QT_TRANSLATE_NOOP("TableText", "Bets"),
    QT_TRANSLATE_NOOP("TableText", "Raises"),
    QT_TRANSLATE_NOOP("TableText", "Folds"),
    QT_TRANSLATE_NOOP("TableText", "All-in"),
    QT_TRANSLATE_NOOP("TableText", "Call"),
    QT_TRANSLATE_NOOP("TableText", "Raise"),
    QT_TRANSLATE_NOOP("TableText", "Fold"),
    QT_TRANSLATE_NOOP("TableText", "Deal"),
    QT_TRANSLATE_NOOP("TableText", "On"),
    QT_TRANSLATE_NOOP("TableText", "Off"),
    QT_TRANSLATE_NOOP("TableText", "You win!"),
    QT_TRANSLATE_NOOP("TableText", "You lose!"),
    QT_TRANSLATE_NOOP("TableText", "Game over"),
    QT_TRANSLATE_NOOP("TableText", "New game"),
    QT_TRANSLATE_NOOP("TableText", "Are you sure?"),
    QT_TRANSLATE_NOOP("TableText", "Invalid value"),
    QT_TRANSLATE_NOOP("TableText", "Unable to write to tavolier.ini"),
    QT_TRANSLATE_NOOP("TableText", "You:"),
    // The opponents' pace and the rule sets, as the options panel lists them.
    QT_TRANSLATE_NOOP("TableText", "Instant"),
    QT_TRANSLATE_NOOP("TableText", "Normal"),
    QT_TRANSLATE_NOOP("TableText", "Slow"),
    QT_TRANSLATE_NOOP("TableText", "Classic"),
    QT_TRANSLATE_NOOP("TableText", "Standard"),
    // The streets, as the felt names them.
    QT_TRANSLATE_NOOP("TableText", "Pre-flop"),
    QT_TRANSLATE_NOOP("TableText", "Flop"),
    QT_TRANSLATE_NOOP("TableText", "Turn"),
    QT_TRANSLATE_NOOP("TableText", "River"),
    QT_TRANSLATE_NOOP("TableText", "Showdown"),
};

// Each character's style, as the table of characters writes it.
[[maybe_unused]] constexpr std::array kCharacterStyles {
    QT_TRANSLATE_NOOP("Character", "Tight and aggressive: plays few hands and plays them hard"),
    QT_TRANSLATE_NOOP("Character", "Calling station: sees many flops and calls down far too light"),
    QT_TRANSLATE_NOOP(
        "Character", "Loose and passive: limps in with many hands, raises only when strong"),
    QT_TRANSLATE_NOOP(
        "Character", "Tricky: slow-plays her big hands, check-raises and semi-bluffs"),
    QT_TRANSLATE_NOOP("Character", "Rock: waits for premium hands, never bluffs"),
    QT_TRANSLATE_NOOP(
        "Character", "Solid regular: aggressive, uses his position, bluffs in balance"),
    QT_TRANSLATE_NOOP(
        "Character", "Maniac: raises and re-raises with almost anything, bluffs often"),
};

// The ranks as the hand names write them: alone ("Ace"), many ("Aces"),
// and many after a name that takes them as its object ("One pair Aces").
constexpr std::array<const char*, 13> kRank {
    QT_TRANSLATE_NOOP("Rank", "Two"),
    QT_TRANSLATE_NOOP("Rank", "Three"),
    QT_TRANSLATE_NOOP("Rank", "Four"),
    QT_TRANSLATE_NOOP("Rank", "Five"),
    QT_TRANSLATE_NOOP("Rank", "Six"),
    QT_TRANSLATE_NOOP("Rank", "Seven"),
    QT_TRANSLATE_NOOP("Rank", "Eight"),
    QT_TRANSLATE_NOOP("Rank", "Nine"),
    QT_TRANSLATE_NOOP("Rank", "Ten"),
    QT_TRANSLATE_NOOP("Rank", "Jack"),
    QT_TRANSLATE_NOOP("Rank", "Queen"),
    QT_TRANSLATE_NOOP("Rank", "King"),
    QT_TRANSLATE_NOOP("Rank", "Ace"),
};
constexpr std::array<const char*, 13> kRanks {
    QT_TRANSLATE_NOOP("Ranks", "Twos"),
    QT_TRANSLATE_NOOP("Ranks", "Threes"),
    QT_TRANSLATE_NOOP("Ranks", "Fours"),
    QT_TRANSLATE_NOOP("Ranks", "Fives"),
    QT_TRANSLATE_NOOP("Ranks", "Sixes"),
    QT_TRANSLATE_NOOP("Ranks", "Sevens"),
    QT_TRANSLATE_NOOP("Ranks", "Eights"),
    QT_TRANSLATE_NOOP("Ranks", "Nines"),
    QT_TRANSLATE_NOOP("Ranks", "Tens"),
    QT_TRANSLATE_NOOP("Ranks", "Jacks"),
    QT_TRANSLATE_NOOP("Ranks", "Queens"),
    QT_TRANSLATE_NOOP("Ranks", "Kings"),
    QT_TRANSLATE_NOOP("Ranks", "Aces"),
};
constexpr std::array<const char*, 13> kRanksOf {
    QT_TRANSLATE_NOOP("RanksOf", "Twos"),
    QT_TRANSLATE_NOOP("RanksOf", "Threes"),
    QT_TRANSLATE_NOOP("RanksOf", "Fours"),
    QT_TRANSLATE_NOOP("RanksOf", "Fives"),
    QT_TRANSLATE_NOOP("RanksOf", "Sixes"),
    QT_TRANSLATE_NOOP("RanksOf", "Sevens"),
    QT_TRANSLATE_NOOP("RanksOf", "Eights"),
    QT_TRANSLATE_NOOP("RanksOf", "Nines"),
    QT_TRANSLATE_NOOP("RanksOf", "Tens"),
    QT_TRANSLATE_NOOP("RanksOf", "Jacks"),
    QT_TRANSLATE_NOOP("RanksOf", "Queens"),
    QT_TRANSLATE_NOOP("RanksOf", "Kings"),
    QT_TRANSLATE_NOOP("RanksOf", "Aces"),
};

QString translated(const char* context, const char* english) {
    return QCoreApplication::translate(context, english);
}

// The index of word in words, or -1.
int indexIn(const std::array<const char*, 13>& words, std::string_view word) {
    for (std::size_t i = 0; i < words.size(); ++i)
        if (word == words[i])
            return static_cast<int>(i);
    return -1;
}

// text without prefix, or nullopt when it does not start so.
std::optional<std::string_view> after(std::string_view text, std::string_view prefix) {
    if (!text.starts_with(prefix))
        return std::nullopt;
    return text.substr(prefix.size());
}

// text without suffix, or nullopt when it does not end so.
std::optional<std::string_view> before(std::string_view text, std::string_view suffix) {
    if (!text.ends_with(suffix))
        return std::nullopt;
    return text.substr(0, text.size() - suffix.size());
}

// One rank word ("King"), translated; nullopt when it is none.
std::optional<QString> rank(std::string_view word) {
    const int at = indexIn(kRank, word);
    if (at < 0)
        return std::nullopt;
    return translated("Rank", kRank[static_cast<std::size_t>(at)]);
}

// Many of a rank ("Kings") from the list the name takes them from.
std::optional<QString> ranks(
    std::string_view word, const std::array<const char*, 13>& list, const char* context) {
    const int at = indexIn(kRanks, word);
    if (at < 0)
        return std::nullopt;
    return translated(context, list[static_cast<std::size_t>(at)]);
}

// "Kings" or "Kings <joint> Sevens" after a name, with the template for one
// and for two.
std::optional<QString> oneOrTwo(std::string_view words, std::string_view joint,
    const char* oneTemplate, const char* twoTemplate) {
    if (const std::size_t at = words.find(joint); at != std::string_view::npos) {
        const auto first = ranks(words.substr(0, at), kRanks, "Ranks");
        const auto second = ranks(words.substr(at + joint.size()), kRanks, "Ranks");
        if (!first || !second)
            return std::nullopt;
        return translated("HandName", twoTemplate).arg(*first, *second);
    }
    const auto only = ranks(words, kRanks, "Ranks");
    if (!only)
        return std::nullopt;
    return translated("HandName", oneTemplate).arg(*only);
}

// The hand name without its kicker.
std::optional<QString> mainName(std::string_view name) {
    if (name == "Royal flush")
        return translated("HandName", QT_TRANSLATE_NOOP("HandName", "Royal flush"));
    if (name == "Straight flush")
        return translated("HandName", QT_TRANSLATE_NOOP("HandName", "Straight flush"));
    if (const auto rest = after(name, "Straight flush "))
        if (const auto high = before(*rest, " High"))
            if (const auto word = rank(*high))
                return translated(
                    "HandName", QT_TRANSLATE_NOOP("HandName", "Straight flush %1 High"))
                    .arg(*word);
    if (const auto rest = after(name, "High card "))
        if (const auto word = rank(*rest))
            return translated("HandName", QT_TRANSLATE_NOOP("HandName", "High card %1")).arg(*word);
    if (const auto rest = after(name, "One pair "))
        if (const auto words = ranks(*rest, kRanksOf, "RanksOf"))
            return translated("HandName", QT_TRANSLATE_NOOP("HandName", "One pair %1")).arg(*words);
    if (const auto rest = after(name, "Two pairs "))
        return oneOrTwo(*rest, " and ", QT_TRANSLATE_NOOP("HandName", "Two pairs %1"),
            QT_TRANSLATE_NOOP("HandName", "Two pairs %1 and %2"));
    if (const auto rest = after(name, "Three "))
        if (const auto words = ranks(*rest, kRanksOf, "RanksOf"))
            return translated("HandName", QT_TRANSLATE_NOOP("HandName", "Three %1")).arg(*words);
    if (const auto rest = after(name, "Straight "))
        if (const auto high = before(*rest, " High"))
            if (const auto word = rank(*high))
                return translated("HandName", QT_TRANSLATE_NOOP("HandName", "Straight %1 High"))
                    .arg(*word);
    if (const auto rest = after(name, "Flush "))
        if (const auto high = before(*rest, " High"))
            if (const auto word = rank(*high))
                return translated("HandName", QT_TRANSLATE_NOOP("HandName", "Flush %1 High"))
                    .arg(*word);
    if (const auto rest = after(name, "Full house "))
        return oneOrTwo(*rest, " over ", QT_TRANSLATE_NOOP("HandName", "Full house %1"),
            QT_TRANSLATE_NOOP("HandName", "Full house %1 over %2"));
    if (const auto rest = after(name, "Four "))
        if (const auto words = ranks(*rest, kRanksOf, "RanksOf"))
            return translated("HandName", QT_TRANSLATE_NOOP("HandName", "Four %1")).arg(*words);
    // Classic names its high cards by the rank alone.
    return rank(name);
}

} // namespace

std::optional<QString> handNameText(std::string_view english) {
    // ", Ace kicker" closes the Standard names that have one.
    if (const std::size_t comma = english.rfind(", "); comma != std::string_view::npos) {
        const auto kicker = before(english.substr(comma + 2), " kicker");
        const auto word = kicker ? rank(*kicker) : std::nullopt;
        const auto name = mainName(english.substr(0, comma));
        if (!word || !name)
            return std::nullopt;
        return translated("HandName", QT_TRANSLATE_NOOP("HandName", "%1, %2 kicker"))
            .arg(*name, *word);
    }
    return mainName(english);
}

StoryWords storyWords() {
    const auto story = [](const char* english) {
        return QCoreApplication::translate("Story", english).toStdString();
    };
    StoryWords words;
    words.heading = story(QT_TRANSLATE_NOOP("Story", "Hand #%1 · %2 · %3/%4"));
    words.newMatch = story(QT_TRANSLATE_NOOP("Story", "%1 · new match"));
    words.yourCards = story(QT_TRANSLATE_NOOP("Story", "Your cards"));
    words.postSmall = { story(QT_TRANSLATE_NOOP("Story", "You post the small blind %2 · pot %3")),
        story(QT_TRANSLATE_NOOP("Story", "%1 posts the small blind %2 · pot %3")) };
    words.postBig = { story(QT_TRANSLATE_NOOP("Story", "You post the big blind %2 · pot %3")),
        story(QT_TRANSLATE_NOOP("Story", "%1 posts the big blind %2 · pot %3")) };
    words.check = { story(QT_TRANSLATE_NOOP("Story", "You check")),
        story(QT_TRANSLATE_NOOP("Story", "%1 checks")) };
    words.call = { story(QT_TRANSLATE_NOOP("Story", "You call %2 · pot %3")),
        story(QT_TRANSLATE_NOOP("Story", "%1 calls %2 · pot %3")) };
    words.raise = { story(QT_TRANSLATE_NOOP("Story", "You raise to %2 · pot %3")),
        story(QT_TRANSLATE_NOOP("Story", "%1 raises to %2 · pot %3")) };
    words.bet = { story(QT_TRANSLATE_NOOP("Story", "You bet %2 · pot %3")),
        story(QT_TRANSLATE_NOOP("Story", "%1 bets %2 · pot %3")) };
    words.fold = { story(QT_TRANSLATE_NOOP("Story", "You fold")),
        story(QT_TRANSLATE_NOOP("Story", "%1 folds")) };
    words.outOfChips = { story(QT_TRANSLATE_NOOP("Story", "You are out of chips")),
        story(QT_TRANSLATE_NOOP("Story", "%1 is out of chips")) };
    words.takeBack = { story(QT_TRANSLATE_NOOP("Story", "You take back %2 · pot %3")),
        story(QT_TRANSLATE_NOOP("Story", "%1 takes back %2 · pot %3")) };
    words.show = { story(QT_TRANSLATE_NOOP("Story", "You show")),
        story(QT_TRANSLATE_NOOP("Story", "%1 shows")) };
    words.win = { story(QT_TRANSLATE_NOOP("Story", "You win %2")),
        story(QT_TRANSLATE_NOOP("Story", "%1 wins %2")) };
    words.allIn = story(QT_TRANSLATE_NOOP("Story", "%1 · all-in"));
    words.mainPot = story(QT_TRANSLATE_NOOP("Story", "Main pot %1 · won by %2"));
    words.sidePot = story(QT_TRANSLATE_NOOP("Story", "Side pot %1 · won by %2"));
    words.nobodyWins = story(QT_TRANSLATE_NOOP("Story", "Nobody wins the pot of %1"));
    words.split = story(QT_TRANSLATE_NOOP("Story", "%1 split %2, %3 each"));
    words.everyoneFolded = story(QT_TRANSLATE_NOOP("Story", "%1, everyone folded"));
    words.lostToSplit = { story(QT_TRANSLATE_NOOP("Story", "%1 chip lost to the split")),
        story(QT_TRANSLATE_NOOP("Story", "%1 chips lost to the split")) };
    words.gameOver = story(QT_TRANSLATE_NOOP("Story", "Game over: %1"));
    words.youWinMatch = tableText("You win!").toStdString();
    words.youLoseMatch = tableText("You lose!").toStdString();
    words.seatWinsMatch = translated("TableText", "%1 wins").toStdString();
    words.withHand = story(QT_TRANSLATE_NOOP("Story", "%1 with %2"));
    words.you = translated("TableText", "You").toStdString();
    words.lastOfList = translated("TableText", "%1 and %2").toStdString();
    words.streets = { tableText("Pre-flop").toStdString(), tableText("Flop").toStdString(),
        tableText("Turn").toStdString(), tableText("River").toStdString(),
        tableText("Showdown").toStdString() };
    words.handName = [](std::string_view name) {
        const std::optional<QString> text = handNameText(name);
        return text ? text->toStdString() : std::string(name);
    };
    return words;
}

QString tableText(std::string_view english) {
    const QString text = QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
    if (english.empty() || (english.find_first_not_of("0123456789-") == std::string_view::npos))
        return text;
    if (const auto name = handNameText(english))
        return *name;
    // "Chong wins": a match won by reaching the target.
    if (const auto who = before(english, " wins"))
        for (int seat = 1; seat < 8; ++seat)
            if (*who == seatInfo(seat).name)
                return translated("TableText", QT_TRANSLATE_NOOP("TableText", "%1 wins"))
                    .arg(QString::fromUtf8(who->data(), static_cast<qsizetype>(who->size())));
    // "Calls 8": a status with its amount.
    if (const std::size_t space = english.rfind(' '); space != std::string_view::npos
        && space + 1 < english.size()
        && english.find_first_not_of("0123456789", space + 1) == std::string_view::npos)
        return tableText(english.substr(0, space)) + text.mid(static_cast<qsizetype>(space));
    return QCoreApplication::translate("TableText", text.toUtf8().constData());
}

QString characterStyleText(int seat) {
    const Character* character = characterOfSeat(seat);
    if (character == nullptr)
        return {};
    const std::string style(character->style);
    //: A seat's name and its style, as its portrait's tooltip shows them.
    return QCoreApplication::translate("Character", "%1: %2")
        .arg(QString::fromUtf8(
                 character->name.data(), static_cast<qsizetype>(character->name.size())),
            QCoreApplication::translate("Character", style.c_str()));
}

} // namespace tavolier
