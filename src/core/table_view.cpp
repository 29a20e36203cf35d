#include "core/table_view.h"

#include <array>

namespace tavolier {

std::string_view labelName(Label label) {
    // clang-format off
    static constexpr std::array<std::string_view, kLabelCount> names {
        "cash", "lblfcash", "lblgcash", "lblmcash", "lblccash", "lblpinhcash", "lblecash", "lblrcash",
        "playerstatus", "freakstatus", "geekstatus", "masterstatus", "champstatus", "pinheadstatus",
        "expertstatus", "robotstatus", "betsize", "Label3", "Label4",
    };
    // clang-format on
    return names[static_cast<std::size_t>(label)];
}

std::string_view buttonName(Button button) {
    static constexpr std::array<std::string_view, kButtonCount> names { "btnnew", "btnstay",
        "btnbet", "btnpass", "SoundOff1" };
    return names[static_cast<std::size_t>(button)];
}

std::string_view imageListName(ImageList list) {
    static constexpr std::array<std::string_view, 6> names { "cards", "highlights", "winks",
        "smiles", "procent", "gold" };
    return names[static_cast<std::size_t>(list)];
}

std::string_view timerName(Timer timer) {
    static constexpr std::array<std::string_view, 3> names { "winktimer", "wintimer", "goldtimer" };
    return names[static_cast<std::size_t>(timer)];
}

} // namespace tavolier
