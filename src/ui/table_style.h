#pragma once

namespace tavolier {

// The light ink of the captions painted on the felt (the street, the pot's
// legend, the winner, the hint, "You have: ..."): 4.5:1 or more against the
// felt under them. As 0xRRGGBB.
inline constexpr unsigned kCaptionInk = 0xfff6d8u;
// The plates behind the felt's texts in high contrast.
inline constexpr unsigned kHighContrastPlate = 0x000000u;

// The buttons of the table's own message boxes and side windows: gold
// lacquer, as the table's rows paint it (TableButton), with a blue ring on
// the button with the keyboard's focus.
inline constexpr const char* kActionButtonStyle
    = "QPushButton { color: #24160a; border: 1px solid #3a2416; border-radius: 4px;"
      " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f6e7bd, stop:0.5 #e0c27a,"
      " stop:1 #b68d3c); }"
      "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff4d6,"
      " stop:0.5 #ecd08e, stop:1 #c79d4a); }"
      "QPushButton:pressed { background: #a88139; }"
      "QPushButton:focus { border: 2px solid #1f4fbf; }"
      "QPushButton:disabled { color: #6e6657; border: 1px solid #3a3530;"
      " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #a9a293, stop:1 #7c766a); }";

// The side windows and message boxes: dark leather with light text.
inline constexpr const char* kDarkPanelStyle
    = "QWidget { background: #1d130b; color: #f3ead2; }"
      "QLabel { background: transparent; }"
      "QTextEdit, QPlainTextEdit, QTextBrowser, QListWidget, QTableWidget, QTreeWidget {"
      " background: #120c07; color: #f3ead2; border: 1px solid #5a3820;"
      " selection-background-color: #8a6a2a; }"
      "QHeaderView::section { background: #2a1c10; color: #f6e8b4; border: 0px;"
      " border-bottom: 1px solid #5a3820; padding: 2px 4px; }"
      "QCheckBox { color: #f3ead2; }"
      "QScrollBar { background: #1d130b; }";

} // namespace tavolier
