#include "doubles/recording_view.h"

#include <algorithm>
#include <cstdio>

namespace tavolier {

namespace {

std::size_t at(auto e) {
    return static_cast<std::size_t>(e);
}

std::string join(std::string_view a, std::string_view b) {
    std::string s(a);
    s += b;
    return s;
}

} // namespace

RecordingView::RecordingView() {
    m_color.fill(kWhite);
    m_style.fill(FontStyle::plain);
    m_enabled.fill(true);
    m_timerInterval = { 300, 80, 150 };
}

void RecordingView::setLabelText(Label label, std::string_view text) {
    m_text[at(label)] = std::string(text);
    m_log.push_back(join("text ", labelName(label)) + "=" + std::string(text));
}

void RecordingView::setLabelColor(Label label, std::uint32_t rgb) {
    m_color[at(label)] = rgb;
    char hex[16];
    std::snprintf(hex, sizeof hex, "%06x", static_cast<unsigned>(rgb));
    m_log.push_back(join("color ", labelName(label)) + "=" + hex);
}

void RecordingView::setLabelStyle(Label label, FontStyle style) {
    m_style[at(label)] = style;
    static constexpr std::string_view names[] = { "plain", "bold", "italic" };
    m_log.push_back(join("style ", labelName(label)) + "=" + std::string(names[at(style)]));
}

void RecordingView::refreshLabel(Label label) {
    m_log.push_back(join("refresh ", labelName(label)));
}

void RecordingView::setButtonCaption(Button button, std::string_view caption) {
    m_caption[at(button)] = std::string(caption);
    m_log.push_back(join("caption ", buttonName(button)) + "=" + std::string(caption));
}

void RecordingView::setButtonEnabled(Button button, bool enabled) {
    m_enabled[at(button)] = enabled;
    m_log.push_back(join("enable ", buttonName(button)) + (enabled ? "=1" : "=0"));
}

void RecordingView::setEditText(Edit edit, std::string_view text) {
    m_edit[at(edit)] = std::string(text);
    m_log.push_back(
        std::string(edit == Edit::money ? "edit money=" : "edit until=") + std::string(text));
}

void RecordingView::selectRadio(RadioGroup group, int item) {
    m_radio[at(group)] = item;
    m_log.push_back(
        std::string(group == RadioGroup::cardbacks ? "radio cardbacks=" : "radio Levels=")
        + std::to_string(item));
}

void RecordingView::showOptionsPanel(bool shown) {
    m_log.push_back(shown ? "panel 1" : "panel 0");
}

bool RecordingView::paintBackground() {
    m_log.emplace_back(backgroundLoads ? "background" : "background missing");
    return backgroundLoads;
}

void RecordingView::stamp(ImageList list, int index, int x, int y) {
    m_log.push_back(join("stamp ", imageListName(list)) + " " + std::to_string(index) + " "
        + std::to_string(x) + "," + std::to_string(y));
}

void RecordingView::clearArea(Rect r) {
    m_log.push_back("clear " + std::to_string(r.left) + "," + std::to_string(r.top) + ","
        + std::to_string(r.right) + "," + std::to_string(r.bottom));
}

void RecordingView::playSound(std::string_view file) {
    m_log.push_back(join("sound ", file));
}

void RecordingView::beep() {
    m_log.emplace_back("beep");
}

void RecordingView::message(std::string_view text, std::string_view caption) {
    m_log.push_back(join("message ", text) + "|" + std::string(caption));
}

bool RecordingView::ask(std::string_view text, std::string_view caption) {
    bool yes = true;
    if (!answers.empty()) {
        yes = answers.front();
        answers.pop_front();
    }
    m_log.push_back(join("ask ", text) + "|" + std::string(caption) + (yes ? "=1" : "=0"));
    return yes;
}

void RecordingView::startTimer(Timer timer) {
    m_timerRunning[at(timer)] = true;
    m_log.push_back(join("start ", timerName(timer)));
}

void RecordingView::stopTimer(Timer timer) {
    m_timerRunning[at(timer)] = false;
    m_log.push_back(join("stop ", timerName(timer)));
}

void RecordingView::setTimerInterval(Timer timer, int milliseconds) {
    m_timerInterval[at(timer)] = milliseconds;
    m_log.push_back(join("interval ", timerName(timer)) + "=" + std::to_string(milliseconds));
}

std::vector<std::string> RecordingView::linesStartingWith(std::string_view prefix) const {
    std::vector<std::string> out;
    for (const auto& line : m_log)
        if (std::string_view(line).starts_with(prefix))
            out.push_back(line);
    return out;
}

bool RecordingView::contains(std::string_view line) const {
    return std::find(m_log.begin(), m_log.end(), line) != m_log.end();
}

const std::string& RecordingView::text(Label label) const {
    return m_text[at(label)];
}
std::uint32_t RecordingView::color(Label label) const {
    return m_color[at(label)];
}
FontStyle RecordingView::style(Label label) const {
    return m_style[at(label)];
}
const std::string& RecordingView::caption(Button button) const {
    return m_caption[at(button)];
}
bool RecordingView::enabled(Button button) const {
    return m_enabled[at(button)];
}
const std::string& RecordingView::editText(Edit edit) const {
    return m_edit[at(edit)];
}
int RecordingView::radio(RadioGroup group) const {
    return m_radio[at(group)];
}
bool RecordingView::timerRunning(Timer timer) const {
    return m_timerRunning[at(timer)];
}
int RecordingView::timerInterval(Timer timer) const {
    return m_timerInterval[at(timer)];
}

} // namespace tavolier
