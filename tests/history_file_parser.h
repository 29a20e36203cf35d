#pragma once

// A reader of the plain-text hand-history layout, written the way an importer
// reads it: every line of a hand must be one it knows, and the money is
// followed through the posts, calls, bets, raises, returns and collections.
// A raise must name the level it tops and the total it reaches, so that a
// reader that adds "raises X" to the call and one that takes "to Y" agree.
#include <cstdint>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace tavolier::historytest {

struct ParsedHand {
    std::string site; // "Tavolier" or "PokerStars"
    std::int64_t id = 0;
    int smallBet = 0;
    int bigBet = 0;
    std::string date; // "2026/12/08 14:03:22"
    std::string zone; // "CET"
    std::string easternDate; // the bracketed "ET" reading
    int buttonSeat = 0;
    std::map<std::string, std::int64_t> stacks; // by name, before the blinds
    std::map<int, std::string> seats; // the names by seat number
    std::map<std::string, std::string> blinds; // "small", "big" -> name
    std::map<std::string, std::int64_t> paid; // everything that left each stack
    std::map<std::string, std::int64_t> collected; // from the "collected N from ..." lines
    std::map<std::string, std::string> shown; // name -> "[Qh Qc] (Two pairs Queens)"
    std::vector<std::string> mucked; // "X: mucks hand"
    std::vector<std::string> seatSummaries;
    std::vector<std::string> streets; // "FLOP", "TURN", "RIVER", "SHOW DOWN" in order
    std::string dealtBoard; // the board as the street lines dealt it: "[9d 3d 9c Qs 2h]"
    std::string board; // the summary's "Board [...]"
    std::int64_t totalPot = -1;
    std::vector<std::int64_t> pots; // main pot then side pots, when the summary names them
    std::int64_t rake = -1;
    std::string dealtToYou;
    // A blind posted after "*** HOLE CARDS ***".
    bool blindAfterHoleCards = false;
    // The bets and raises, not all-in, that stop off the limit's ladder: the
    // total a seat has in on the street is not a whole number of the
    // street's bet (the small bet before the turn, the big bet after).
    std::vector<std::string> offLadder;
    // How far the seat that put in most tops every other seat once the
    // returned bets are counted: what should have been returned and was not.
    std::int64_t uncalled = 0;
};

struct ParseResult {
    std::vector<ParsedHand> hands;
    std::vector<std::string> errors; // "hand 3: line 'xyz' not understood"
};

// Splits the text into hands at blank lines and reads each.
inline ParseResult parseHistory(const std::string& text) {
    static const std::string kTime = R"((\d{4}/\d{2}/\d{2} \d{1,2}:\d{2}:\d{2}))";
    static const std::regex header(
        R"(^(Tavolier|PokerStars) Hand #(\d+): Hold'em Limit \((\d+)/(\d+)\) - )" + kTime
        + R"( ([A-Z]{1,6}) \[)" + kTime + R"( ET\]$)");
    static const std::regex table(R"(^Table 'Tavolier' 8-max Seat #(\d) is the button$)");
    static const std::regex seatLine(R"(^Seat (\d): (\w+) \((\d+) in chips\)$)");
    static const std::regex post(R"(^(\w+): posts (small|big) blind (\d+)( and is all-in)?$)");
    static const std::regex dealt(R"(^Dealt to You (\[[2-9TJQKA][cdhs] [2-9TJQKA][cdhs]\])$)");
    static const std::regex calls(R"(^(\w+): calls (\d+)( and is all-in)?$)");
    static const std::regex bets(R"(^(\w+): bets (\d+)( and is all-in)?$)");
    static const std::regex raises(R"(^(\w+): raises (\d+) to (\d+)( and is all-in)?$)");
    static const std::regex returned(R"(^Uncalled bet \((\d+)\) returned to (\w+)$)");
    static const std::regex simple(R"(^(\w+): (checks|folds|mucks hand)$)");
    static const std::regex flop(R"(^\*\*\* FLOP \*\*\* \[(\S\S \S\S \S\S)\]$)");
    static const std::regex later(R"(^\*\*\* (TURN|RIVER) \*\*\* \[([^\]]+)\] \[(\S\S)\]$)");
    static const std::regex shows(R"(^(\w+): shows (\[[2-9TJQKA][cdhs] [2-9TJQKA][cdhs]\].*)$)");
    static const std::regex collected(
        R"(^(\w+) collected (\d+) from (pot|main pot|side pot-\d+)$)");
    static const std::regex total(
        R"(^Total pot (\d+)((?: (?:Main|Side) pot(?:-\d+)? \d+\.)*) \| Rake (\d+)$)");
    static const std::regex potPart(R"( (?:Main|Side) pot(?:-\d+)? (\d+)\.)");
    static const std::regex boardLine(R"(^Board (\[([2-9TJQKA][cdhs] ?){3,5}\])$)");
    static const std::regex summarySeat(R"(^Seat (\d): (\w+).*$)");

    ParseResult result;
    std::istringstream in(text);
    std::string line;
    std::vector<std::vector<std::string>> blocks(1);
    while (std::getline(in, line)) {
        if (line.empty()) {
            if (!blocks.back().empty())
                blocks.emplace_back();
        } else {
            blocks.back().push_back(line);
        }
    }
    if (blocks.back().empty())
        blocks.pop_back();

    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const std::vector<std::string>& lines = blocks[b];
        ParsedHand hand;
        bool ok = true;
        auto fail = [&](const std::string& why) {
            result.errors.push_back("hand " + std::to_string(b + 1) + ": " + why);
            ok = false;
        };
        // What each seat has in on this street, and the most any seat has.
        std::map<std::string, std::int64_t> streetIn;
        std::int64_t level = 0;
        auto put = [&](const std::string& who, std::int64_t amount) {
            hand.paid[who] += amount;
            streetIn[who] += amount;
            level = std::max(level, streetIn[who]);
        };
        bool holeCards = false;
        auto onLadder = [&](const std::string& l, const std::string& who, bool allIn) {
            const bool late = !hand.streets.empty()
                && (hand.streets.back() == "TURN" || hand.streets.back() == "RIVER");
            const std::int64_t bet = late ? hand.bigBet : hand.smallBet;
            if (!allIn && bet > 0 && streetIn[who] % bet != 0)
                hand.offLadder.push_back(l);
        };
        auto newStreet = [&](const std::string& name, const std::string& cards) {
            hand.streets.push_back(name);
            streetIn.clear();
            level = 0;
            hand.dealtBoard = "[" + cards + "]";
        };
        auto known = [&](const std::string& who) {
            if (!hand.stacks.contains(who))
                fail("'" + who + "' has no seat");
        };
        enum class Part { header, table, seats, action, summary } part = Part::header;
        for (const std::string& l : lines) {
            std::smatch m;
            switch (part) {
            case Part::header:
                if (!std::regex_match(l, m, header)) {
                    fail("bad header '" + l + "'");
                    break;
                }
                hand.site = m[1];
                hand.id = std::stoll(m[2]);
                hand.smallBet = std::stoi(m[3]);
                hand.bigBet = std::stoi(m[4]);
                hand.date = m[5];
                hand.zone = m[6];
                hand.easternDate = m[7];
                part = Part::table;
                continue;
            case Part::table:
                if (!std::regex_match(l, m, table)) {
                    fail("bad table line '" + l + "'");
                    break;
                }
                hand.buttonSeat = std::stoi(m[1]);
                part = Part::seats;
                continue;
            case Part::seats:
                if (std::regex_match(l, m, seatLine)) {
                    hand.stacks[m[2]] = std::stoll(m[3]);
                    hand.seats[std::stoi(m[1])] = m[2];
                    continue;
                }
                part = Part::action;
                [[fallthrough]];
            case Part::action:
                if (std::regex_match(l, m, post)) {
                    known(m[1]);
                    put(m[1], std::stoll(m[3]));
                    hand.blinds[m[2]] = m[1];
                    hand.blindAfterHoleCards = hand.blindAfterHoleCards || holeCards;
                    // The others answer the full big blind (the small bet).
                    if (m[2] == "big")
                        level = std::max<std::int64_t>(level, hand.smallBet);
                } else if (l == "*** HOLE CARDS ***") {
                    holeCards = true;
                } else if (l == "*** SHOW DOWN ***") {
                    hand.streets.push_back("SHOW DOWN");
                } else if (std::regex_match(l, m, dealt)) {
                    hand.dealtToYou = m[1];
                } else if (std::regex_match(l, m, calls)) {
                    known(m[1]);
                    put(m[1], std::stoll(m[2]));
                } else if (std::regex_match(l, m, bets)) {
                    known(m[1]);
                    put(m[1], std::stoll(m[2]));
                    onLadder(l, m[1], m[3].matched);
                } else if (std::regex_match(l, m, raises)) {
                    known(m[1]);
                    const std::int64_t by = std::stoll(m[2]);
                    const std::int64_t to = std::stoll(m[3]);
                    if (by <= 0 || to != level + by)
                        fail("'" + l + "' does not raise the level " + std::to_string(level));
                    put(m[1], to - streetIn[m[1]]);
                    onLadder(l, m[1], m[4].matched);
                } else if (std::regex_match(l, m, returned)) {
                    known(m[2]);
                    put(m[2], -std::stoll(m[1]));
                } else if (std::regex_match(l, m, simple)) {
                    known(m[1]);
                    if (m[2] == "mucks hand")
                        hand.mucked.push_back(m[1]);
                } else if (std::regex_match(l, m, flop)) {
                    newStreet("FLOP", m[1]);
                } else if (std::regex_match(l, m, later)) {
                    // The earlier cards must be the board as dealt so far.
                    if ("[" + m[2].str() + "]" != hand.dealtBoard)
                        fail("'" + l + "' does not follow the board " + hand.dealtBoard);
                    newStreet(m[1], m[2].str() + " " + m[3].str());
                } else if (std::regex_match(l, m, shows)) {
                    known(m[1]);
                    hand.shown[m[1]] = m[2];
                } else if (std::regex_match(l, m, collected)) {
                    known(m[1]);
                    hand.collected[m[1]] += std::stoll(m[2]);
                } else if (l == "*** SUMMARY ***") {
                    part = Part::summary;
                } else {
                    fail("line '" + l + "' not understood");
                }
                break;
            case Part::summary:
                if (std::regex_match(l, m, total)) {
                    hand.totalPot = std::stoll(m[1]);
                    hand.rake = std::stoll(m[3]);
                    const std::string parts = m[2];
                    for (std::sregex_iterator p(parts.begin(), parts.end(), potPart), end; p != end;
                         ++p)
                        hand.pots.push_back(std::stoll((*p)[1]));
                } else if (std::regex_match(l, m, boardLine)) {
                    hand.board = m[1];
                } else if (std::regex_match(l, m, summarySeat)) {
                    known(m[2]);
                    hand.seatSummaries.push_back(l);
                } else {
                    fail("summary line '" + l + "' not understood");
                }
                break;
            }
            if (!ok)
                break;
        }
        if (ok && part != Part::summary)
            fail("no summary");
        if (ok
            && (hand.stacks.empty() || hand.seatSummaries.size() != hand.stacks.size()
                || hand.totalPot < 0))
            fail("incomplete hand");
        if (ok) {
            std::int64_t top = 0;
            std::int64_t second = 0;
            for (const auto& [who, paid] : hand.paid) {
                second = std::max(second, std::min(top, paid));
                top = std::max(top, paid);
            }
            hand.uncalled = top - second;
            result.hands.push_back(std::move(hand));
        }
    }
    return result;
}

} // namespace tavolier::historytest
