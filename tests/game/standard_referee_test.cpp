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

constexpr std::array<HumanPolicy, 4> kPolicies { HumanPolicy::call, HumanPolicy::raise,
    HumanPolicy::fold, HumanPolicy::random };

TEST(StandardReferee, RandomPlayAtEveryTableShapeKeepsEveryRule) {
    RefereeCounts seen;
    long long hands = 0;
    std::uint64_t seed = 1000;
    for (const TableShape& shape : tableShapes()) {
        for (const HumanPolicy policy : kPolicies) {
            StandardRun run = shape.run;
            run.seed = ++seed;
            run.hands = 30;
            run.human = policy;
            const StandardRunResult r = playStandard(run);
            ASSERT_EQ(r.fault, "") << shape.name << ": " << describe(run) << "\n" << r.faultHand;
            EXPECT_EQ(r.hands, run.hands) << shape.name << ": " << describe(run);
            seen += r.counts;
            hands += r.hands;
        }
    }
    std::cout << countsText(hands, seen) << "\n";
    EXPECT_GE(hands, 1000);
    EXPECT_GT(seen.showdowns, 0);
    EXPECT_GT(seen.endsByFolds, 0);
    EXPECT_GT(seen.allIns, 0);
    EXPECT_GT(seen.shortBlinds, 0);
    EXPECT_GT(seen.returns, 0);
    EXPECT_GT(seen.sidePotHands, 0);
    EXPECT_GT(seen.cappedStreets, 0);
    EXPECT_GT(seen.uncappedStreets, 0);
    EXPECT_GT(seen.runOuts, 0);
    EXPECT_GT(seen.headsUpHands, 0);
    EXPECT_GT(seen.sitOuts, 0);
    EXPECT_GT(seen.humanTurns, 0);
    EXPECT_GT(seen.humanRaiseBarred, 0);
}

TEST(StandardReferee, TheRealOpponentsKeepEveryRule) {
    StandardRun run = tableShapes()[1].run; // uneven stacks, near target
    run.seed = 77;
    run.hands = 60;
    run.monteCarlo = true;
    run.level = 400;
    run.human = HumanPolicy::random;
    const StandardRunResult r = playStandard(run);
    ASSERT_EQ(r.fault, "") << describe(run) << "\n" << r.faultHand;
    EXPECT_EQ(r.hands, run.hands);
    EXPECT_GT(r.counts.allIns, 0);
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

// The fault the referee finds in the recorded run after change edits the
// event at the first place where it returns true.
std::string faultAfter(const std::function<bool(RecordedEvent&)>& change) {
    EventRecorder doctored = recordedRun();
    bool changed = false;
    for (RecordedEvent& e : doctored.events) {
        if (change(e)) {
            changed = true;
            break;
        }
    }
    EXPECT_TRUE(changed) << "nothing in the run to change";
    StandardReferee referee;
    doctored.replayTo(referee);
    return referee.fault();
}

TEST(StandardReferee, FindsNothingWrongInARunAsPlayed) {
    StandardReferee referee;
    recordedRun().replayTo(referee);
    EXPECT_EQ(referee.fault(), "");
    EXPECT_EQ(referee.counts().hands, 40);
    EXPECT_GT(referee.counts().returns, 0);
}

TEST(StandardReferee, ObjectsToASeatActingOutOfTurn) {
    // Two seats' actions told the other way round.
    EventRecorder doctored = recordedRun();
    for (std::size_t i = 1; i < doctored.events.size(); ++i) {
        const auto* first = std::get_if<ActionTaken>(&doctored.events[i - 1]);
        const auto* second = std::get_if<ActionTaken>(&doctored.events[i]);
        if (first != nullptr && second != nullptr && first->kind != ActionKind::sitsOut
            && second->kind != ActionKind::sitsOut && first->street == second->street) {
            std::swap(doctored.events[i - 1], doctored.events[i]);
            break;
        }
    }
    StandardReferee referee;
    doctored.replayTo(referee);
    EXPECT_NE(referee.fault().find("out of turn"), std::string::npos) << referee.fault();
}

TEST(StandardReferee, ObjectsToACallForTheWrongAmount) {
    const std::string fault = faultAfter([](RecordedEvent& e) {
        auto* a = std::get_if<ActionTaken>(&e);
        if (a == nullptr || a->kind != ActionKind::call || a->allIn)
            return false;
        a->paid += 1;
        return true;
    });
    EXPECT_NE(fault.find("the rules make it"), std::string::npos) << fault;
}

TEST(StandardReferee, ObjectsToACheckFacingABet) {
    const std::string fault = faultAfter([](RecordedEvent& e) {
        auto* a = std::get_if<ActionTaken>(&e);
        if (a == nullptr || a->kind != ActionKind::call || a->allIn)
            return false;
        a->kind = ActionKind::check;
        a->paid = 0;
        return true;
    });
    EXPECT_NE(fault.find("checked facing a bet"), std::string::npos) << fault;
}

TEST(StandardReferee, ObjectsToAStreetDealtBeforeTheBettingClosed) {
    EventRecorder doctored = recordedRun();
    for (std::size_t i = 1; i < doctored.events.size(); ++i) {
        if (std::holds_alternative<StreetDealt>(doctored.events[i])
            && std::holds_alternative<ActionTaken>(doctored.events[i - 1])) {
            doctored.events.erase(doctored.events.begin() + static_cast<std::ptrdiff_t>(i - 1));
            break;
        }
    }
    StandardReferee referee;
    doctored.replayTo(referee);
    EXPECT_NE(referee.fault().find("closed early"), std::string::npos) << referee.fault();
}

TEST(StandardReferee, ObjectsToTheButtonInTheWrongPlace) {
    const std::string fault = faultAfter([](RecordedEvent& e) {
        auto* h = std::get_if<HandStarted>(&e);
        if (h == nullptr || h->handNumber != 3)
            return false;
        h->buttonSeat = h->buttonSeat.next();
        return true;
    });
    EXPECT_NE(fault.find("the button is"), std::string::npos) << fault;
}

TEST(StandardReferee, ObjectsToAChipPaidToTheWrongSeat) {
    const std::string fault = faultAfter([](RecordedEvent& e) {
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
    });
    EXPECT_NE(fault.find("the rules give it"), std::string::npos) << fault;
}

TEST(StandardReferee, ObjectsToAnUncalledBetKept) {
    EventRecorder doctored = recordedRun();
    std::erase_if(doctored.events,
        [](const RecordedEvent& e) { return std::holds_alternative<BetReturned>(e); });
    StandardReferee referee;
    doctored.replayTo(referee);
    EXPECT_NE(referee.fault().find("was not returned"), std::string::npos) << referee.fault();
}

} // namespace
} // namespace tavolier::testing
