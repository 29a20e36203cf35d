#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavolier {

// The labels the game writes to, by meaning; the window's object names
// (labelName) keep the form's names. The two bet sizes are shown in the
// options panel.
enum class Label {
    // chips labels, seats 8 and 7..1
    humanChips,
    chongChips,
    jackChips,
    carlosChips,
    cindyChips,
    robertChips,
    edmundChips,
    marcChips,
    // status labels, seats 8 and 7..1
    humanStatus,
    chongStatus,
    jackStatus,
    carlosStatus,
    cindyStatus,
    robertStatus,
    edmundStatus,
    marcStatus,
    pot,
    smallBetSize, // the small bet in the options panel
    bigBetSize, // the big bet in the options panel
};
inline constexpr int kLabelCount = 19;

// The buttons whose caption or enabled state the game sets: "Deal",
// "Check"/"Call", "Raise", "Fold" and the sound switch.
enum class Button { deal, checkOrCall, raise, fold, sound };
inline constexpr int kButtonCount = 5;

// The options panel's two edit fields and two radio groups.
enum class Edit { money, until };
enum class RadioGroup { cardbacks, Levels };

// The picture sets of the main window.
enum class ImageList { cards, highlights, winks, smiles, procent, gold };

enum class Timer { winktimer, wintimer, goldtimer };

enum class FontStyle { plain, bold, italic };

// A rectangle of the client area; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kYellow = 0xFFFF00;

// Everything the core may ask of a screen. The core never learns how an
// effect is drawn; the Qt window implements this on a retained canvas, tests
// record the calls, the CLI and the benchmarks ignore them.
class TableView {
public:
    virtual ~TableView() = default;

    virtual void setLabelText(Label label, std::string_view text) = 0;
    virtual void setLabelColor(Label label, std::uint32_t rgb) = 0;
    virtual void setLabelStyle(Label label, FontStyle style) = 0;
    // Repaints a label over what was stamped beneath it.
    virtual void refreshLabel(Label label) = 0;

    virtual void setButtonCaption(Button button, std::string_view caption) = 0;
    virtual void setButtonEnabled(Button button, bool enabled) = 0;

    virtual void setEditText(Edit edit, std::string_view text) = 0;
    // item -1 selects nothing.
    virtual void selectRadio(RadioGroup group, int item) = 0;
    virtual void showOptionsPanel(bool shown) = 0;

    // Loads "texasbmp2.bmp" afresh and fills the whole client area with it;
    // false when the picture cannot be loaded (the canvas is left as it was).
    virtual bool paintBackground() = 0;
    // Draws picture index of a list with its top-left corner at (x, y); an
    // index outside the list draws nothing.
    virtual void stamp(ImageList list, int index, int x, int y) = 0;
    // Fills the rectangle with the background pattern.
    virtual void clearArea(Rect area) = 0;

    // Starts a sound and returns at once; a new sound cuts off the last one.
    virtual void playSound(std::string_view file) = 0;
    virtual void beep() = 0;

    virtual void message(std::string_view text, std::string_view caption) = 0;
    // A Yes/No question; true for Yes.
    [[nodiscard]] virtual bool ask(std::string_view text, std::string_view caption) = 0;

    virtual void startTimer(Timer timer) = 0;
    virtual void stopTimer(Timer timer) = 0;
    virtual void setTimerInterval(Timer timer, int milliseconds) = 0;
};

// Ignores every effect and answers Yes: the CLI and the benchmarks.
class NullView : public TableView {
public:
    void setLabelText(Label, std::string_view) override { }
    void setLabelColor(Label, std::uint32_t) override { }
    void setLabelStyle(Label, FontStyle) override { }
    void refreshLabel(Label) override { }
    void setButtonCaption(Button, std::string_view) override { }
    void setButtonEnabled(Button, bool) override { }
    void setEditText(Edit, std::string_view) override { }
    void selectRadio(RadioGroup, int) override { }
    void showOptionsPanel(bool) override { }
    bool paintBackground() override { return true; }
    void stamp(ImageList, int, int, int) override { }
    void clearArea(Rect) override { }
    void playSound(std::string_view) override { }
    void beep() override { }
    void message(std::string_view, std::string_view) override { }
    bool ask(std::string_view, std::string_view) override { return true; }
    void startTimer(Timer) override { }
    void stopTimer(Timer) override { }
    void setTimerInterval(Timer, int) override { }
};

[[nodiscard]] std::string_view labelName(Label label);
[[nodiscard]] std::string_view buttonName(Button button);
[[nodiscard]] std::string_view imageListName(ImageList list);
[[nodiscard]] std::string_view timerName(Timer timer);

} // namespace tavolier
