// Standard hands judged by the referee: every table shape with every human
// policy against random players, a short run against the real opponents,
// and the referee itself shown to object to a stream that breaks a rule.
#include "doubles/event_recorder.h"
#include "standard_play.h"
#include "standard_referee.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <string>
#include <utility>

namespace tavolier::testing {
namespace {

TEST(StandardReferee, RandomPlayAtEveryTableShapeKeepsEveryRule) {
    RefereeCounts seen;
    long long hands = 0;
    std::uint64_t seed = 1000;
    for (const TableShape& shape : tableShapes()) {
        for (const HumanPolicy policy : kHumanPolicies) {
            StandardRun run = shape.run;
            run.seed = ++seed;
            run.hands = 30;
            run.human = policy;
            expectRulesKept(run, std::string(shape.name) + ": ", seen, hands);
        }
    }
    std::cout << countsText(hands, seen) << "\n";
    EXPECT_GE(hands, 1000);
    EXPECT_GT(seen.showdowns, 0);
    EXPECT_GT(seen.endsByFolds, 0);
    EXPECT_GT(seen.allIns, 0);
    EXPECT_GT(seen.shortBlinds, 0);
    EXPECT_GT(seen.incompleteBets, 0);
    EXPECT_GT(seen.halfRaises, 0);
    EXPECT_GT(seen.returns, 0);
    EXPECT_GT(seen.sidePotHands, 0);
    EXPECT_GT(seen.cappedStreets, 0);
    EXPECT_GT(seen.uncappedStreets, 0);
    EXPECT_GT(seen.runOuts, 0);
    EXPECT_GT(seen.headsUpHands, 0);
    EXPECT_GT(seen.sitOuts, 0);
    EXPECT_GT(seen.humanTurns, 0);
    EXPECT_GT(seen.humanRaiseBarred, 0);
    // The random players fold now and then when checking is free: the
    // count below sees such folds.
    EXPECT_GT(seen.freeFolds, 0);
}

// At every level, and never folding when checking is free.
TEST(StandardReferee, TheRealOpponentsKeepEveryRule) {
    RefereeCounts seen;
    long long hands = 0;
    for (const std::int32_t level : { 400, 600, 800, 900 }) {
        StandardRun run = tableShapes()[1].run; // uneven stacks, near target
        run.seed = 77;
        run.hands = 60;
        run.monteCarlo = true;
        run.level = level;
        run.human = HumanPolicy::random;
        expectRulesKept(run, "level " + std::to_string(level) + ": ", seen, hands);
    }
    StandardRun deep = tableShapes()[7].run; // deep stacks: long streets
    deep.seed = 78;
    deep.hands = 120;
    deep.monteCarlo = true;
    deep.level = 900;
    expectRulesKept(deep, "deep: ", seen, hands);
    EXPECT_GT(seen.allIns, 0);
    EXPECT_GT(seen.showdowns, 50);
    EXPECT_EQ(seen.freeFolds, 0);
}

// ---- The referee objects to a stream that breaks a rule.

// A recorded run with showdowns, returned bets and side pots in it.
const EventRecorder& recordedRun() {
    static const EventRecorder recorded = [] {
        EventRecorder recorder;
        StandardRun run = tableShapes()[2].run; // odd blinds, uneven stacks
        run.seed = 4242;
        run.hands = 40;
        run.alsoTell = &recorder;
        const StandardRunResult r = playStandard(run);
        EXPECT_EQ(r.fault, "") << r.faultHand;
        return recorder;
    }();
    return recorded;
}

// Edits the event at the first place where change returns true.
std::function<void(EventRecorder&)> firstWhere(const std::function<bool(RecordedEvent&)>& change) {
    return [change](EventRecorder& run) {
        for (RecordedEvent& e : run.events) {
            if (change(e))
                return;
        }
        ADD_FAILURE() << "nothing in the run to change";
    };
}

TEST(StandardReferee, FindsNothingWrongInARunAsPlayed) {
    StandardReferee referee;
    recordedRun().replayTo(referee);
    EXPECT_EQ(referee.fault(), "");
    EXPECT_EQ(referee.counts().hands, 40);
    EXPECT_GT(referee.counts().returns, 0);
}

// The recorded run, doctored to break one rule each time, and the words of
// the fault the referee must find.
TEST(StandardReferee, ObjectsToAStreamThatBreaksARule) {
    const auto isCall = [](const RecordedEvent& e) {
        const auto* a = std::get_if<ActionTaken>(&e);
        return a != nullptr && a->kind == ActionKind::call && !a->allIn;
    };
    const std::vector<std::pair<std::function<void(EventRecorder&)>, std::string>> cases {
        // Two seats' actions told the other way round.
        { [](EventRecorder& run) {
             for (std::size_t i = 1; i < run.events.size(); ++i) {
                 const auto* first = std::get_if<ActionTaken>(&run.events[i - 1]);
                 const auto* second = std::get_if<ActionTaken>(&run.events[i]);
                 if (first != nullptr && second != nullptr && first->kind != ActionKind::sitsOut
                     && second->kind != ActionKind::sitsOut && first->street == second->street) {
                     std::swap(run.events[i - 1], run.events[i]);
                     return;
                 }
             }
         },
            "out of turn" },
        { firstWhere([&](RecordedEvent& e) {
             if (!isCall(e))
                 return false;
             std::get<ActionTaken>(e).paid += 1;
             return true;
         }),
            "the rules make it" },
        { firstWhere([&](RecordedEvent& e) {
             if (!isCall(e))
                 return false;
             std::get<ActionTaken>(e).kind = ActionKind::check;
             std::get<ActionTaken>(e).paid = 0;
             return true;
         }),
            "checked facing a bet" },
        // The last action before a street dealt is dropped.
        { [](EventRecorder& run) {
             for (std::size_t i = 1; i < run.events.size(); ++i) {
                 if (std::holds_alternative<StreetDealt>(run.events[i])
                     && std::holds_alternative<ActionTaken>(run.events[i - 1])) {
                     run.events.erase(run.events.begin() + static_cast<std::ptrdiff_t>(i - 1));
                     return;
                 }
             }
         },
            "closed early" },
        { firstWhere([](RecordedEvent& e) {
             auto* h = std::get_if<HandStarted>(&e);
             if (h == nullptr || h->handNumber != 3)
                 return false;
             h->buttonSeat = h->buttonSeat.next();
             return true;
         }),
            "the button is" },
        // A chip of a showdown's pot paid to the next seat instead.
        { firstWhere([](RecordedEvent& e) {
             auto* p = std::get_if<PotAwarded>(&e);
             if (p == nullptr || p->byFolds)
                 return false;
             for (int seat = 1; seat <= 8; ++seat) {
                 const auto i = static_cast<std::size_t>(seat);
                 if (p->won[i] > 0) {
                     p->won[i] -= 1;
                     p->won[static_cast<std::size_t>(SeatNumber(seat).next().number())] += 1;
                     return true;
                 }
             }
             return false;
         }),
            "the rules give it" },
        // A raise one chip past the next rung.
        { firstWhere([](RecordedEvent& e) {
             auto* a = std::get_if<ActionTaken>(&e);
             if (a == nullptr || a->kind != ActionKind::raise || a->allIn || a->stackAfter < 1)
                 return false;
             a->paid += 1;
             return true;
         }),
            "off the ladder" },
        { [](EventRecorder& run) {
             std::erase_if(run.events,
                 [](const RecordedEvent& e) { return std::holds_alternative<BetReturned>(e); });
         },
            "was not returned" },
    };
    for (const auto& [doctor, words] : cases) {
        EventRecorder doctored = recordedRun();
        doctor(doctored);
        StandardReferee referee;
        doctored.replayTo(referee);
        EXPECT_NE(referee.fault().find(words), std::string::npos)
            << words << ": " << referee.fault();
    }
}

} // namespace
} // namespace tavolier::testing
