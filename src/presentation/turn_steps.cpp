#include "presentation/turn_steps.h"

#include <string>

namespace tavolier {

namespace {

// The seat a chips or status label belongs to; 0 for the other labels. The
// labels run seat 8, then 7 down to 1, chips first, then status.
static_assert(static_cast<int>(Label::marcChips) == 7 && static_cast<int>(Label::marcStatus) == 15);
[[nodiscard]] int seatOfLabel(Label label) {
    const int index = static_cast<int>(label);
    if (index < 0 || index >= 16)
        return 0;
    const int place = index % 8;
    return place == 0 ? 8 : 8 - place;
}

} // namespace

TurnSteps::TurnSteps(TableView& screen)
    : m_screen(screen) {
}

void TurnSteps::beginTurn() {
    applyAll();
    m_recording = true;
}

void TurnSteps::endTurn() {
    m_recording = false;
    // A last step that shows nothing (the buttons made ready for the human)
    // needs no pause of its own.
    if (m_steps.size() > 1 && !shows(m_steps.back())) {
        Step last = std::move(m_steps.back());
        m_steps.pop_back();
        for (Item& item : last)
            m_steps.back().push_back(std::move(item));
    }
    if (!m_steps.empty() && m_steps.back().empty())
        m_steps.pop_back();
}

bool TurnSteps::shows(const Step& step) {
    for (const Item& item : step) {
        if (item.shows)
            return true;
    }
    return false;
}

bool TurnSteps::applyNextStep() {
    if (m_steps.empty())
        return false;
    // The step leaves the queue before it runs: an effect may open a modal
    // message, and whatever runs meanwhile must not see it again.
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    apply(step);
    return true;
}

void TurnSteps::applyAll() {
    while (applyNextStep()) { }
}

std::vector<std::size_t> TurnSteps::stepSizes() const {
    std::vector<std::size_t> sizes;
    for (const Step& step : m_steps)
        sizes.push_back(step.size());
    return sizes;
}

void TurnSteps::apply(Step& step) {
    for (Item& item : step)
        item.run();
}

void TurnSteps::effect(std::function<void()> run, int seat, bool sound) {
    if (!m_recording) {
        run();
        return;
    }
    if (m_steps.empty())
        m_steps.emplace_back();
    const bool opensStep = m_steps.back().empty() && m_steps.size() > 1;
    if (opensStep && (sound || (seat != 0 && seat == m_lastActor))) {
        m_steps[m_steps.size() - 2].push_back(Item { std::move(run), true });
        return;
    }
    m_steps.back().push_back(Item { std::move(run), true });
}

void TurnSteps::quietEffect(std::function<void()> run) {
    if (!m_recording) {
        run();
        return;
    }
    if (m_steps.empty())
        m_steps.emplace_back();
    m_steps.back().push_back(Item { std::move(run), false });
}

// An event joins the current step without a pause of its own, as a quiet
// effect does.
void TurnSteps::event(std::function<void()> run) {
    quietEffect(std::move(run));
}

void TurnSteps::cut(int actor) {
    if (!m_recording || m_steps.empty() || !shows(m_steps.back()))
        return;
    m_steps.emplace_back();
    m_lastActor = actor;
}

// ---- TableView

void TurnSteps::setLabelText(Label label, std::string_view text) {
    auto& shown = m_text[static_cast<std::size_t>(label)];
    const bool same = shown && *shown == text;
    shown = std::string(text);
    auto run = [this, label, text = std::string(text)] { m_screen.setLabelText(label, text); };
    if (same)
        quietEffect(std::move(run));
    else
        effect(std::move(run), seatOfLabel(label));
}

void TurnSteps::setLabelColor(Label label, std::uint32_t rgb) {
    auto& shown = m_colour[static_cast<std::size_t>(label)];
    const bool same = shown && *shown == rgb;
    shown = rgb;
    auto run = [this, label, rgb] { m_screen.setLabelColor(label, rgb); };
    if (same)
        quietEffect(std::move(run));
    else
        effect(std::move(run));
}

void TurnSteps::setLabelStyle(Label label, FontStyle style) {
    effect([this, label, style] { m_screen.setLabelStyle(label, style); });
}

void TurnSteps::refreshLabel(Label label) {
    effect([this, label] { m_screen.refreshLabel(label); });
}

void TurnSteps::setButtonCaption(Button button, std::string_view caption) {
    quietEffect([this, button, caption = std::string(caption)] {
        m_screen.setButtonCaption(button, caption);
    });
}

void TurnSteps::setButtonEnabled(Button button, bool enabled) {
    quietEffect([this, button, enabled] { m_screen.setButtonEnabled(button, enabled); });
}

void TurnSteps::setEditText(Edit edit, std::string_view text) {
    effect([this, edit, text = std::string(text)] { m_screen.setEditText(edit, text); });
}

void TurnSteps::selectRadio(RadioGroup group, int item) {
    effect([this, group, item] { m_screen.selectRadio(group, item); });
}

void TurnSteps::showOptionsPanel(bool shown) {
    effect([this, shown] { m_screen.showOptionsPanel(shown); });
}

bool TurnSteps::paintBackground() {
    if (!m_recording)
        return m_screen.paintBackground();
    // The game learns now whether the picture will load (it beeps when it
    // will not); the paint itself waits for its step.
    effect([this] { (void)m_screen.paintBackground(); });
    return m_backgroundCheck ? m_backgroundCheck() : true;
}

void TurnSteps::stamp(ImageList list, int index, int x, int y) {
    effect([this, list, index, x, y] { m_screen.stamp(list, index, x, y); });
}

void TurnSteps::clearArea(Rect area) {
    effect([this, area] { m_screen.clearArea(area); });
}

void TurnSteps::playSound(std::string_view file) {
    effect([this, file = std::string(file)] { m_screen.playSound(file); }, 0, true);
}

void TurnSteps::beep() {
    effect([this] { m_screen.beep(); });
}

void TurnSteps::message(std::string_view text, std::string_view caption) {
    effect([this, text = std::string(text), caption = std::string(caption)] {
        m_screen.message(text, caption);
    });
}

bool TurnSteps::ask(std::string_view text, std::string_view caption) {
    // Everything recorded so far comes before the question; recording goes
    // on afterwards.
    const bool wasRecording = m_recording;
    m_recording = false;
    applyAll();
    const bool answer = m_screen.ask(text, caption);
    m_recording = wasRecording;
    return answer;
}

void TurnSteps::startTimer(Timer timer) {
    effect([this, timer] { m_screen.startTimer(timer); });
}

void TurnSteps::stopTimer(Timer timer) {
    effect([this, timer] { m_screen.stopTimer(timer); });
}

void TurnSteps::setTimerInterval(Timer timer, int milliseconds) {
    effect([this, timer, milliseconds] { m_screen.setTimerInterval(timer, milliseconds); });
}

// ---- GameEvents

void TurnSteps::handStarted(const HandStarted& e) {
    event([this, e] { m_shown.handStarted(e); });
}

void TurnSteps::blindPosted(const BlindPosted& e) {
    event([this, e] { m_shown.blindPosted(e); });
}

void TurnSteps::actionTaken(const ActionTaken& e) {
    event([this, e] { m_shown.actionTaken(e); });
    cut(e.seat.number());
}

void TurnSteps::betReturned(const BetReturned& e) {
    event([this, e] { m_shown.betReturned(e); });
}

void TurnSteps::streetDealt(const StreetDealt& e) {
    event([this, e] { m_shown.streetDealt(e); });
    cut(0);
}

void TurnSteps::handShown(const HandShown& e) {
    event([this, e] { m_shown.handShown(e); });
}

void TurnSteps::potAwarded(const PotAwarded& e) {
    event([this, e] { m_shown.potAwarded(e); });
}

void TurnSteps::handEnded(const HandEnded& e) {
    event([this, e] { m_shown.handEnded(e); });
}

void TurnSteps::matchEnded(const MatchEnded& e) {
    event([this, e] { m_shown.matchEnded(e); });
}

} // namespace tavolier
