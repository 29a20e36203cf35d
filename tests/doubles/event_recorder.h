#pragma once

#include "core/game_events.h"

#include <cstddef>
#include <type_traits>
#include <variant>
#include <vector>

namespace tavolier::testing {

// A call by the seat, as the game reports one (amounts left at zero).
[[nodiscard]] inline ActionTaken callBy(int seat) {
    ActionTaken e;
    e.seat = SeatNumber(seat);
    e.kind = ActionKind::call;
    return e;
}

// One game event as the game reported it.
using RecordedEvent = std::variant<HandStarted, BlindPosted, ActionTaken, BetReturned, StreetDealt,
    HandShown, PotAwarded, HandEnded, MatchEnded>;

// A GameEvents listener that keeps every event in the order reported, so
// that tests can read the story of a hand back.
class EventRecorder : public GameEvents {
public:
    std::vector<RecordedEvent> events;

    void handStarted(const HandStarted& e) override { events.emplace_back(e); }
    void blindPosted(const BlindPosted& e) override { events.emplace_back(e); }
    void actionTaken(const ActionTaken& e) override { events.emplace_back(e); }
    void betReturned(const BetReturned& e) override { events.emplace_back(e); }
    void streetDealt(const StreetDealt& e) override { events.emplace_back(e); }
    void handShown(const HandShown& e) override { events.emplace_back(e); }
    void potAwarded(const PotAwarded& e) override { events.emplace_back(e); }
    void handEnded(const HandEnded& e) override { events.emplace_back(e); }
    void matchEnded(const MatchEnded& e) override { events.emplace_back(e); }

    // Every recorded event of one kind, in order.
    template <typename Event> [[nodiscard]] std::vector<Event> all() const {
        std::vector<Event> out;
        for (const RecordedEvent& e : events) {
            if (const auto* found = std::get_if<Event>(&e))
                out.push_back(*found);
        }
        return out;
    }
    template <typename Event> [[nodiscard]] std::size_t count() const {
        return all<Event>().size();
    }
    void clear() { events.clear(); }

    // Tells every recorded event again, in order, to another listener.
    void replayTo(GameEvents& listener) const {
        for (const RecordedEvent& e : events) {
            std::visit(
                [&listener](const auto& event) {
                    using Event = std::decay_t<decltype(event)>;
                    if constexpr (std::is_same_v<Event, HandStarted>)
                        listener.handStarted(event);
                    else if constexpr (std::is_same_v<Event, BlindPosted>)
                        listener.blindPosted(event);
                    else if constexpr (std::is_same_v<Event, ActionTaken>)
                        listener.actionTaken(event);
                    else if constexpr (std::is_same_v<Event, BetReturned>)
                        listener.betReturned(event);
                    else if constexpr (std::is_same_v<Event, StreetDealt>)
                        listener.streetDealt(event);
                    else if constexpr (std::is_same_v<Event, HandShown>)
                        listener.handShown(event);
                    else if constexpr (std::is_same_v<Event, PotAwarded>)
                        listener.potAwarded(event);
                    else if constexpr (std::is_same_v<Event, HandEnded>)
                        listener.handEnded(event);
                    else
                        listener.matchEnded(event);
                },
                e);
        }
    }
};

} // namespace tavolier::testing
