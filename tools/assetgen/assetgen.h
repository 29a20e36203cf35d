// Shared geometry and painting helpers of the asset generator. Every picture
// is painted in window pixels (1x) through a QPainter scaled by 1 or 2, so the
// 2x sheets come from the same vector code and are never upscaled.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdint>
#include <vector>

namespace tavolier::assetgen {

// A top-left corner in window pixels.
struct Pos {
    int x;
    int y;
};

inline constexpr int kTableWidth = 1000;
inline constexpr int kTableHeight = 670;
// The bare table runs a little past the window's bottom so that pictures
// stamped at the bottom edge (the badge) have real pixels in their last row.
inline constexpr int kBareHeight = kTableHeight + 4;
inline constexpr int kPortraitSize = 128;
inline constexpr int kWinkWidth = 71;
inline constexpr int kWinkHeight = 104;
inline constexpr int kCardWidth = 62;
inline constexpr int kCardHeight = 84;
inline constexpr int kBadgeWidth = 139;
inline constexpr int kBadgeHeight = 127;
inline constexpr int kGoldSize = 94;
inline constexpr int kOptionsWidth = 529;
inline constexpr int kOptionsHeight = 437;
inline constexpr int kRulesWidth = 425;
inline constexpr int kRulesHeight = 585;
inline constexpr int kPeople = 7;

// Opponents in picture order: Chong, Jack, Carlos, Cindy, Robert, Edmund, Marc.
inline constexpr Pos kPortraitPos[kPeople]
    = { { 1, 239 }, { 101, 57 }, { 397, 5 }, { 764, 57 }, { 870, 239 }, { 829, 449 }, { 35, 449 } };
inline constexpr Pos kBlinkPos[kPeople] = { { 32, 244 }, { 127, 57 }, { 429, 5 }, { 798, 57 },
    { 902, 244 }, { 862, 449 }, { 64, 449 } };
inline constexpr Pos kBadgePos { 264, 543 }; // question-mark / winner badge
inline constexpr Pos kProcentPos { 257, 543 }; // odds badge
inline constexpr Pos kGoldPos { 335, 453 }; // dancing gold figure
inline constexpr Pos kBoardPos[5]
    = { { 325, 310 }, { 395, 322 }, { 465, 334 }, { 535, 322 }, { 605, 310 } };
inline constexpr Pos kHumanCardPos[2] = { { 503, 484 }, { 543, 497 } };
// Where the opponents' first hole card lies (seat order Chong..Marc).
inline constexpr Pos kOpponentCardPos[kPeople] = { { 129, 292 }, { 216, 146 }, { 511, 106 },
    { 697, 146 }, { 784, 292 }, { 735, 453 }, { 167, 453 } };

enum class Ring { Green, Gold, Red };
enum class Eyes { Open, Closed, Closing };
enum class Mood { Calm, Smile };

// A transparent (or filled) image of w x h window pixels at the given scale.
[[nodiscard]] QImage newImage(int w, int h, int scale, QColor fill = Qt::transparent);
// Antialiasing on and the scale applied, so callers paint in window pixels.
void prepare(QPainter& p, int scale);
[[nodiscard]] QFont pixelFont(const QString& family, qreal px, int weight = QFont::Normal);
// A cheap deterministic hash for texture noise.
[[nodiscard]] std::uint32_t hash3(std::uint32_t x, std::uint32_t y, std::uint32_t seed);
// The w x h window-pixel rectangle of src at pos (src painted at the same scale).
[[nodiscard]] QImage cropAt(const QImage& src, Pos pos, int w, int h, int scale);
// Pictures of one size side by side, picture i at x = i * width.
[[nodiscard]] QImage hstrip(const std::vector<QImage>& pictures);
[[nodiscard]] QColor mix(QColor a, QColor b, qreal t);
// Draws text centred on a point, with an optional soft dark shadow.
void drawCentredText(QPainter& p, QPointF centre, const QString& text, const QFont& font,
    QColor colour, qreal shadow = 0.0);
// Adds per-pixel grain (+-amount levels) inside the painted area of img.
void addGrain(QImage& img, int amount, std::uint32_t seed);

// table.cpp: the empty table (room, rail, felt, printed marks), no portraits,
// kTableWidth x kBareHeight.
[[nodiscard]] QImage paintBareTable(int scale);

// portraits.cpp: a portrait disc over whatever is already in the 128 x 128 box.
void paintPortrait(QPainter& p, int who, Ring ring, Mood mood, Eyes eyes);
void paintQuestionBadge(QPainter& p, Ring ring);

// badges.cpp
void paintOddsBadge(QPainter& p, int grade); // 139 x 127, grade 0..6
void paintGoldFigure(QPainter& p, int frame); // 94 x 94, frame 0 or 1

// cards.cpp
void paintCardFace(QPainter& p, int suit, int rank); // 62 x 84
void paintCardBack(QPainter& p, int design); // 62 x 84, design 0..7
void paintSuit(QPainter& p, int suit, QPointF centre, qreal height, const QBrush& brush);
[[nodiscard]] QColor suitColour(int suit);

// panels.cpp
[[nodiscard]] QImage paintOptionsPanel(int scale);
[[nodiscard]] QImage paintIcon(int size);
// The icon in its 256 x 256 box on any painter (a picture or a vector file).
void paintIconOn(QPainter& p);

// rules.cpp
[[nodiscard]] QImage paintRules(int scale);

// sounds.cpp: writes card1/card2/chip1/chip4.wav; false on a write error.
[[nodiscard]] bool writeSounds(const QString& dir);

} // namespace tavolier::assetgen
