#pragma once

// A reader of the plain-text hand-history layout, written the way an importer
// reads it: every line of a hand must be one it knows, and the money is
// followed through the posts, calls, bets, raises and collections.
#include <cstdint>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace tavolier::historytest {

struct ParsedHand {
    std::int64_t id = 0;
    int smallBet = 0;
    int bigBet = 0;
    std::string date;
    int buttonSeat = 0;
    std::map<std::string, std::int64_t> stacks; // by name, before the blinds
    std::map<std::string, std::int64_t> paid; // everything that left each stack
    std::map<std::string, std::int64_t> collected; // from the "collected N from pot" lines
    std::map<std::string, std::string> shown; // name -> "[Qh Qc] (Two pairs Queens)"
    std::vector<std::string> seatSummaries;
    std::vector<std::string> streets; // "FLOP", "TURN", "RIVER", "SHOW DOWN" in order
    std::string board;
    std::int64_t totalPot = -1;
    std::string dealtToYou;
};

struct ParseResult {
    std::vector<ParsedHand> hands;
    std::vector<std::string> errors; // "hand 3: line 'xyz' not understood"
};

// Splits the text into hands at blank lines and reads each.
inline ParseResult parseHistory(const std::string& text) {
    static const std::regex header(
        R"(^Tavolier Hand #(\d+): Hold'em Limit \((\d+)/(\d+)\) - (\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2})$)");
    static const std::regex table(R"(^Table 'Tavolier' 8-max Seat #(\d) is the button$)");
    static const std::regex seatLine(
        R"(^Seat (\d): (\w+) \((-?\d+) in chips\)( is sitting out)?$)");
    static const std::regex post(R"(^(\w+): posts (small|big) blind (-?\d+)$)");
    static const std::regex dealt(R"(^Dealt to You (\[[2-9TJQKA][cdhs] [2-9TJQKA][cdhs]\])$)");
    static const std::regex calls(R"(^(\w+): calls (-?\d+)$)");
    static const std::regex bets(R"(^(\w+): bets (-?\d+)$)");
    static const std::regex raises(R"(^(\w+): raises (-?\d+) to (-?\d+)$)");
    static const std::regex simple(R"(^(\w+): (checks|folds)$)");
    static const std::regex street(
        R"(^\*\*\* (FLOP|TURN|RIVER) \*\*\* \[([2-9TJQKA][cdhs] ?){3,4}\]( \[[2-9TJQKA][cdhs]\])?$)");
    static const std::regex shows(R"(^(\w+): shows (\[[2-9TJQKA][cdhs] [2-9TJQKA][cdhs]\].*)$)");
    static const std::regex collected(R"(^(\w+) collected (\d+) from pot$)");
    static const std::regex total(R"(^Total pot (-?\d+) \| Rake 0$)");
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
        auto fail = [&](const std::string& why) {
            result.errors.push_back("hand " + std::to_string(b + 1) + ": " + why);
        };
        // What each seat has in on this street, to read "raises A to B".
        std::map<std::string, std::int64_t> streetIn;
        enum class Part { header, table, seats, action, summary } part = Part::header;
        bool ok = true;
        for (const std::string& l : lines) {
            std::smatch m;
            switch (part) {
            case Part::header:
                if (!std::regex_match(l, m, header)) {
                    fail("bad header '" + l + "'");
                    ok = false;
                    break;
                }
                hand.id = std::stoll(m[1]);
                hand.smallBet = std::stoi(m[2]);
                hand.bigBet = std::stoi(m[3]);
                hand.date = m[4];
                part = Part::table;
                continue;
            case Part::table:
                if (!std::regex_match(l, m, table)) {
                    fail("bad table line '" + l + "'");
                    ok = false;
                    break;
                }
                hand.buttonSeat = std::stoi(m[1]);
                part = Part::seats;
                continue;
            case Part::seats:
                if (std::regex_match(l, m, seatLine)) {
                    hand.stacks[m[2]] = std::stoll(m[3]);
                    continue;
                }
                part = Part::action;
                [[fallthrough]];
            case Part::action:
                if (std::regex_match(l, m, post)) {
                    hand.paid[m[1]] += std::stoll(m[3]);
                    streetIn[m[1]] += std::stoll(m[3]);
                } else if (l == "*** HOLE CARDS ***" || l == "*** SHOW DOWN ***") {
                    if (l != "*** HOLE CARDS ***")
                        hand.streets.push_back("SHOW DOWN");
                } else if (std::regex_match(l, m, dealt)) {
                    hand.dealtToYou = m[1];
                } else if (std::regex_match(l, m, calls)) {
                    hand.paid[m[1]] += std::stoll(m[2]);
                    streetIn[m[1]] += std::stoll(m[2]);
                } else if (std::regex_match(l, m, bets)) {
                    hand.paid[m[1]] += std::stoll(m[2]);
                    streetIn[m[1]] += std::stoll(m[2]);
                } else if (std::regex_match(l, m, raises)) {
                    const std::int64_t to = std::stoll(m[3]);
                    hand.paid[m[1]] += to - streetIn[m[1]];
                    streetIn[m[1]] = to;
                } else if (std::regex_match(l, m, simple)) {
                } else if (std::regex_match(l, m, street)) {
                    hand.streets.push_back(m[1]);
                    streetIn.clear();
                } else if (std::regex_match(l, m, shows)) {
                    hand.shown[m[1]] = m[2];
                } else if (std::regex_match(l, m, collected)) {
                    hand.collected[m[1]] += std::stoll(m[2]);
                } else if (l == "*** SUMMARY ***") {
                    part = Part::summary;
                } else {
                    fail("line '" + l + "' not understood");
                    ok = false;
                }
                break;
            case Part::summary:
                if (std::regex_match(l, m, total)) {
                    hand.totalPot = std::stoll(m[1]);
                } else if (std::regex_match(l, m, boardLine)) {
                    hand.board = m[1];
                } else if (std::regex_match(l, m, summarySeat)) {
                    hand.seatSummaries.push_back(l);
                } else {
                    fail("summary line '" + l + "' not understood");
                    ok = false;
                }
                break;
            }
            if (!ok)
                break;
        }
        if (ok && part != Part::summary) {
            fail("no summary");
            ok = false;
        }
        if (ok
            && (hand.stacks.size() != 8 || hand.seatSummaries.size() != 8 || hand.totalPot < 0)) {
            fail("incomplete hand");
            ok = false;
        }
        if (ok)
            result.hands.push_back(std::move(hand));
    }
    return result;
}

} // namespace tavolier::historytest
