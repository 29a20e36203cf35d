#pragma once

#include "core/table_view.h"

#include <array>
#include <deque>
#include <string>
#include <vector>

namespace tavolier {

// A TableView that writes every effect as one line of text and keeps the
// current text, colour and style of each label and the state of each button,
// so that tests can check both the effect log and what the screen shows.
//
// Log lines: "text freakstatus=Calls", "color playerstatus=ffffff",
// "style cash=italic", "refresh lblecash", "caption btnstay=Call",
// "enable btnbet=0", "edit money=1200", "radio Levels=0", "panel 1",
// "background", "stamp cards 31 503,484", "clear 129,292,239,402",
// "sound chip1.wav", "beep", "message You win!|Game over",
// "ask Are you sure?|New game=1", "start winktimer", "stop wintimer",
// "interval winktimer=800".
class RecordingView : public TableView {
public:
    RecordingView();

    void setLabelText(Label label, std::string_view text) override;
    void setLabelColor(Label label, std::uint32_t rgb) override;
    void setLabelStyle(Label label, FontStyle style) override;
    void refreshLabel(Label label) override;
    void setButtonCaption(Button button, std::string_view caption) override;
    void setButtonEnabled(Button button, bool enabled) override;
    void setEditText(Edit edit, std::string_view text) override;
    void selectRadio(RadioGroup group, int item) override;
    void showOptionsPanel(bool shown) override;
    bool paintBackground() override;
    void stamp(ImageList list, int index, int x, int y) override;
    void clearArea(Rect area) override;
    void playSound(std::string_view file) override;
    void beep() override;
    void message(std::string_view text, std::string_view caption) override;
    bool ask(std::string_view text, std::string_view caption) override;
    void startTimer(Timer timer) override;
    void stopTimer(Timer timer) override;
    void setTimerInterval(Timer timer, int milliseconds) override;

    // Answers for ask(), in order; Yes once they run out.
    std::deque<bool> answers;
    // What paintBackground() reports.
    bool backgroundLoads = true;

    [[nodiscard]] const std::vector<std::string>& log() const { return m_log; }
    void clearLog() { m_log.clear(); }
    // Log lines that start with prefix, in order.
    [[nodiscard]] std::vector<std::string> linesStartingWith(std::string_view prefix) const;
    [[nodiscard]] bool contains(std::string_view line) const;

    [[nodiscard]] const std::string& text(Label label) const;
    [[nodiscard]] std::uint32_t color(Label label) const;
    [[nodiscard]] FontStyle style(Label label) const;
    [[nodiscard]] const std::string& caption(Button button) const;
    [[nodiscard]] bool enabled(Button button) const;
    [[nodiscard]] const std::string& editText(Edit edit) const;
    [[nodiscard]] int radio(RadioGroup group) const;
    [[nodiscard]] bool timerRunning(Timer timer) const;
    [[nodiscard]] int timerInterval(Timer timer) const;
    [[nodiscard]] std::vector<std::string> messages() const {
        return linesStartingWith("message ");
    }
    [[nodiscard]] std::vector<std::string> sounds() const { return linesStartingWith("sound "); }

private:
    std::vector<std::string> m_log;
    std::array<std::string, kLabelCount> m_text;
    std::array<std::uint32_t, kLabelCount> m_color {};
    std::array<FontStyle, kLabelCount> m_style {};
    std::array<std::string, kButtonCount> m_caption;
    std::array<bool, kButtonCount> m_enabled {};
    std::array<std::string, 2> m_edit;
    std::array<int, 2> m_radio { -1, -1 };
    std::array<bool, 3> m_timerRunning {};
    std::array<int, 3> m_timerInterval {};
};

} // namespace tavolier
