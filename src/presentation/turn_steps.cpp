#include "presentation/turn_steps.h"

#include <string>

namespace tavolier {

TurnSteps::TurnSteps(TableView& screen)
    : m_screen(screen) {
}

void TurnSteps::beginTurn() {
    applyAll();
    m_recording = true;
}

void TurnSteps::endTurn() {
    m_recording = false;
    if (!m_steps.empty() && m_steps.back().empty())
        m_steps.pop_back();
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

void TurnSteps::effect(std::function<void()> run) {
    if (!m_recording) {
        run();
        return;
    }
    if (m_steps.empty())
        m_steps.emplace_back();
    m_steps.back().push_back(Item { std::move(run), true });
}

void TurnSteps::event(std::function<void()> run) {
    if (!m_recording) {
        run();
        return;
    }
    if (m_steps.empty())
        m_steps.emplace_back();
    m_steps.back().push_back(Item { std::move(run), false });
}

void TurnSteps::cut() {
    if (!m_recording || m_steps.empty())
        return;
    const Step& current = m_steps.back();
    for (const Item& item : current) {
        if (item.isEffect) {
            m_steps.emplace_back();
            return;
        }
    }
}

// ---- TableView

void TurnSteps::setLabelText(Label label, std::string_view text) {
    effect([this, label, text = std::string(text)] { m_screen.setLabelText(label, text); });
}

void TurnSteps::setLabelColor(Label label, std::uint32_t rgb) {
    effect([this, label, rgb] { m_screen.setLabelColor(label, rgb); });
}

void TurnSteps::setLabelStyle(Label label, FontStyle style) {
    effect([this, label, style] { m_screen.setLabelStyle(label, style); });
}

void TurnSteps::refreshLabel(Label label) {
    effect([this, label] { m_screen.refreshLabel(label); });
}

void TurnSteps::setButtonCaption(Button button, std::string_view caption) {
    effect([this, button, caption = std::string(caption)] {
        m_screen.setButtonCaption(button, caption);
    });
}

void TurnSteps::setButtonEnabled(Button button, bool enabled) {
    effect([this, button, enabled] { m_screen.setButtonEnabled(button, enabled); });
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
    effect([this, file = std::string(file)] { m_screen.playSound(file); });
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
    cut();
}

void TurnSteps::streetDealt(const StreetDealt& e) {
    event([this, e] { m_shown.streetDealt(e); });
    cut();
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
