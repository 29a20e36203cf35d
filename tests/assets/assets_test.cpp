// Checks the generated assets against the window's needs: every sheet has its
// size and count, no picture is blank, stamped pictures line up with the
// background pixel for pixel, sounds are clean, and the output is repeatable.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

const QString kDir = QStringLiteral(TAVOLIER_ASSET_DIR);

struct Pos {
    int x;
    int y;
};

constexpr Pos kPortraitPos[7]
    = { { 1, 239 }, { 101, 57 }, { 397, 5 }, { 764, 57 }, { 870, 239 }, { 829, 449 }, { 35, 449 } };
constexpr Pos kBlinkPos[7] = { { 32, 244 }, { 127, 57 }, { 429, 5 }, { 798, 57 }, { 902, 244 },
    { 862, 449 }, { 64, 449 } };

QImage load(const QString& name) {
    QImage img(kDir + QLatin1Char('/') + name);
    return img.convertToFormat(QImage::Format_ARGB32);
}

QString scaled(const char* base, int scale, const char* ext = "png") {
    return scale == 1
        ? QStringLiteral("%1.%2").arg(QLatin1String(base), QLatin1String(ext))
        : QStringLiteral("%1@%2x.%3").arg(QLatin1String(base)).arg(scale).arg(QLatin1String(ext));
}

QImage background(int scale) {
    return load(scale == 1 ? QStringLiteral("texasbmp2.bmp") : QStringLiteral("texasbmp2@2x.png"));
}

// Picture i of a horizontal strip.
QImage picture(const QImage& strip, int i, int w) {
    return strip.copy(i * w, 0, w, strip.height());
}

bool samePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), a.width() * 4) != 0)
            return false;
    return true;
}

int distinctColours(const QImage& img) {
    QSet<QRgb> seen;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2)
            seen.insert(img.pixel(x, y));
    return static_cast<int>(seen.size());
}

struct Sheet {
    const char* name;
    int count;
    int w;
    int h;
};

const Sheet kSheets[] = {
    { "cards", 60, 62, 84 },
    { "highlights", 16, 128, 128 },
    { "smiles", 8, 128, 128 },
    { "winks", 21, 71, 104 },
    { "procent", 8, 139, 127 },
    { "gold", 3, 94, 94 },
};

TEST(AssetSheets, HaveTheirSizeAndCountAtBothScales) {
    for (int scale : { 1, 2 }) {
        for (const Sheet& s : kSheets) {
            const QImage strip = load(scaled(s.name, scale));
            ASSERT_FALSE(strip.isNull()) << s.name << " @" << scale;
            EXPECT_EQ(strip.width(), s.count * s.w * scale) << s.name << " @" << scale;
            EXPECT_EQ(strip.height(), s.h * scale) << s.name << " @" << scale;
        }
        EXPECT_EQ(background(scale).size(), QSize(1000 * scale, 670 * scale));
        EXPECT_EQ(load(scaled("options", scale)).size(), QSize(529 * scale, 437 * scale));
        EXPECT_EQ(load(scaled("rules", scale, "jpg")).size(), QSize(425 * scale, 585 * scale));
    }
    EXPECT_EQ(load(QStringLiteral("tavolier.png")).size(), QSize(256, 256));
}

TEST(AssetSheets, BackgroundIsA24BitBitmap) {
    QFile f(kDir + QStringLiteral("/texasbmp2.bmp"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray head = f.read(54);
    ASSERT_EQ(head.size(), 54);
    EXPECT_EQ(head.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<unsigned char>(head[28]), 24u); // bits per pixel
}

TEST(AssetSheets, NoPictureIsBlank) {
    for (const Sheet& s : kSheets) {
        const QImage strip = load(scaled(s.name, 1));
        for (int i = 0; i < s.count; ++i)
            EXPECT_GT(distinctColours(picture(strip, i, s.w)), 40) << s.name << " " << i;
    }
    EXPECT_GT(distinctColours(load(QStringLiteral("options.png"))), 200);
    EXPECT_GT(distinctColours(load(QStringLiteral("rules.jpg"))), 200);
}

TEST(AssetSheets, EveryCardAndEveryBackIsDifferent) {
    const QImage strip = load(QStringLiteral("cards.png"));
    for (int i = 0; i < 60; ++i)
        for (int j = i + 1; j < 60; ++j)
            EXPECT_FALSE(samePixels(picture(strip, i, 62), picture(strip, j, 62))) << i << " " << j;
}

TEST(AssetSheets, CardsHaveTransparentRoundedCornersAtBothScales) {
    for (int scale : { 1, 2 }) {
        const QImage strip = load(scaled("cards", scale));
        const int w = 62 * scale;
        const int h = 84 * scale;
        for (int i = 0; i < 60; ++i) {
            const QImage card = picture(strip, i, w);
            // The four corner pixels are clear; the middle of each edge and the centre are not.
            for (const QPoint corner :
                { QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1) })
                EXPECT_EQ(qAlpha(card.pixel(corner)), 0) << "card " << i << " x" << scale;
            for (const QPoint inside :
                { QPoint(w / 2, h / 2), QPoint(w / 2, scale), QPoint(scale, h / 2) })
                EXPECT_EQ(qAlpha(card.pixel(inside)), 255) << "card " << i << " x" << scale;
        }
    }
}

// Pixels close to the red suits' ink.
int redInk(const QImage& card) {
    int n = 0;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x) {
            const QRgb c = card.pixel(x, y);
            n += qRed(c) > 150 && qGreen(c) < 60 && qBlue(c) < 80;
        }
    return n;
}

TEST(AssetSheets, FacesRunClubsDiamondsHeartsSpades) {
    const QImage strip = load(QStringLiteral("cards.png"));
    for (int i = 0; i < 52; ++i) {
        const bool red = i / 13 == 1 || i / 13 == 2;
        if (red)
            EXPECT_GT(redInk(picture(strip, i, 62)), 60) << "card " << i;
        else
            EXPECT_EQ(redInk(picture(strip, i, 62)), 0) << "card " << i;
    }
}

// Mean colour of the middle of a picture.
QColor meanColour(const QImage& img, const QRect& r) {
    double red = 0, green = 0, blue = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb c = img.pixel(x, y);
            red += qRed(c);
            green += qGreen(c);
            blue += qBlue(c);
        }
    const double n = static_cast<double>(r.width()) * r.height();
    return QColor(qRound(red / n), qRound(green / n), qRound(blue / n));
}

TEST(AssetSheets, CardBacksAreClearlyDifferent) {
    const QImage strip = load(QStringLiteral("cards.png"));
    std::vector<QColor> means;
    for (int i = 52; i < 60; ++i)
        means.push_back(meanColour(picture(strip, i, 62), QRect(6, 6, 50, 72)));
    for (std::size_t a = 0; a < means.size(); ++a)
        for (std::size_t b = a + 1; b < means.size(); ++b) {
            const int d = std::abs(means[a].red() - means[b].red())
                + std::abs(means[a].green() - means[b].green())
                + std::abs(means[a].blue() - means[b].blue());
            EXPECT_GT(d, 30) << "backs " << a + 1 << " and " << b + 1;
        }
}

TEST(AssetSheets, OddsBadgesRunFromRedToGreen) {
    const QImage strip = load(QStringLiteral("procent.png"));
    int previousHue = -1;
    for (int grade = 0; grade < 7; ++grade) {
        const QColor face = meanColour(picture(strip, grade, 139), QRect(15, 82, 6, 6));
        const int hue = face.hsvHue();
        EXPECT_GT(face.hsvSaturation(), 90) << "grade " << grade;
        EXPECT_GT(hue, previousHue) << "grade " << grade;
        previousHue = hue;
    }
    EXPECT_LT(meanColour(picture(strip, 0, 139), QRect(15, 82, 6, 6)).hsvHue(), 15);
    EXPECT_GT(previousHue, 100);
}

TEST(BlinkCrops, OpenEyesMatchThePlainPortraitAtTheBlinkOffset) {
    for (int scale : { 1, 2 }) {
        const QImage winks = load(scaled("winks", scale));
        const QImage highlights = load(scaled("highlights", scale));
        for (int k = 0; k < 7; ++k) {
            const QImage plain = picture(highlights, 7 + k, 128 * scale);
            const int dx = (kBlinkPos[k].x - kPortraitPos[k].x) * scale;
            const int dy = (kBlinkPos[k].y - kPortraitPos[k].y) * scale;
            const QImage open = picture(winks, 7 + k, 71 * scale);
            EXPECT_TRUE(samePixels(open, plain.copy(dx, dy, 71 * scale, 104 * scale)))
                << "person " << k << " @" << scale;
            // The closed frames differ from the open face only around the eyes.
            for (int frame : { k, 14 + k }) {
                const QImage closed = picture(winks, frame, 71 * scale);
                EXPECT_FALSE(samePixels(closed, open)) << "frame " << frame;
                int changedRows = 0;
                int lowest = 0;
                for (int y = 0; y < closed.height(); ++y)
                    if (std::memcmp(
                            closed.constScanLine(y), open.constScanLine(y), closed.width() * 4)
                        != 0) {
                        ++changedRows;
                        lowest = y;
                    }
                EXPECT_LT(changedRows, 20 * scale) << "frame " << frame;
                EXPECT_LT(lowest + dy, 70 * scale) << "frame " << frame;
            }
        }
    }
}

TEST(BackgroundPatches, CarryThePlainPortraitsAndTheBadge) {
    for (int scale : { 1, 2 }) {
        const QImage bg = background(scale);
        const QImage highlights = load(scaled("highlights", scale));
        const int s = 128 * scale;
        for (int k = 0; k < 7; ++k)
            EXPECT_TRUE(samePixels(picture(highlights, 7 + k, s),
                bg.copy(kPortraitPos[k].x * scale, kPortraitPos[k].y * scale, s, s)))
                << "portrait " << k << " @" << scale;
        // The question-mark badge as an odds badge and as a gold-ring badge.
        const QImage procent = load(scaled("procent", scale));
        EXPECT_TRUE(samePixels(picture(procent, 7, 139 * scale),
            bg.copy(257 * scale, 543 * scale, 139 * scale, 127 * scale)));
        const int visible = (670 - 543) * scale;
        EXPECT_TRUE(samePixels(picture(highlights, 15, s).copy(0, 0, s, visible),
            bg.copy(264 * scale, 543 * scale, s, visible)));
        // The gold figure's resting frame is the bare patch of the table.
        const QImage gold = load(scaled("gold", scale));
        EXPECT_TRUE(samePixels(picture(gold, 0, 94 * scale),
            bg.copy(335 * scale, 453 * scale, 94 * scale, 94 * scale)));
        EXPECT_FALSE(samePixels(picture(gold, 1, 94 * scale), picture(gold, 2, 94 * scale)));
    }
}

double luminance(QRgb c) {
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

TEST(BackgroundPatches, KeepSeatLabelsReadable) {
    // Name label, chips label and status label of every seat (left, top, right).
    struct Labels {
        int left;
        int top;
        int right;
    };
    const Labels seats[]
        = { { 396, 558, 480 }, { 24, 370, 110 }, { 118, 183, 200 }, { 409, 130, 500 },
              { 810, 183, 895 }, { 891, 370, 985 }, { 736, 558, 835 }, { 168, 558, 250 } };
    const QImage bg = background(1);
    for (const Labels& l : seats) {
        // The felt under the text, ignoring the thin brass line and the
        // portraits: nine pixels in ten must be dark enough.
        std::vector<double> lum;
        for (int y = l.top; y < l.top + 30; ++y)
            for (int x = l.left; x < l.right; ++x) {
                bool onPortrait = false;
                for (const Pos& p : kPortraitPos)
                    onPortrait |= x >= p.x && x < p.x + 128 && y >= p.y && y < p.y + 128;
                if (!onPortrait)
                    lum.push_back(luminance(bg.pixel(x, y)));
            }
        ASSERT_FALSE(lum.empty());
        std::sort(lum.begin(), lum.end());
        const double brightest = lum[lum.size() * 9 / 10];
        const double white = 1.05 / (brightest + 0.05);
        const double yellow = (luminance(qRgb(255, 255, 0)) + 0.05) / (brightest + 0.05);
        EXPECT_GE(white, 4.5) << "label at " << l.left << "," << l.top;
        EXPECT_GE(yellow, 4.5) << "label at " << l.left << "," << l.top;
    }
}

// A parsed 16-bit mono PCM file.
struct Wav {
    int rate = 0;
    int channels = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;
};

Wav readWav(const QString& name) {
    QFile f(kDir + QLatin1Char('/') + name);
    Wav w;
    if (!f.open(QIODevice::ReadOnly))
        return w;
    const QByteArray d = f.readAll();
    auto u16 = [&](int at) {
        return static_cast<int>(static_cast<unsigned char>(d[at]))
            | static_cast<int>(static_cast<unsigned char>(d[at + 1])) << 8;
    };
    auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
    if (d.size() < 44 || d.left(4) != "RIFF" || d.mid(8, 8) != "WAVEfmt " || u16(20) != 1)
        return w;
    w.channels = u16(22);
    w.rate = u32(24);
    w.bits = u16(34);
    if (d.mid(36, 4) != "data")
        return w;
    const int bytes = u32(40);
    for (int i = 0; i + 1 < bytes && 44 + i + 1 < d.size(); i += 2)
        w.samples.push_back(static_cast<std::int16_t>(u16(44 + i)));
    return w;
}

TEST(Sounds, AreShortCleanMonoPcm) {
    struct Expect {
        const char* name;
        double minMs;
        double maxMs;
    };
    const Expect sounds[] = { { "card1.wav", 40, 70 }, { "card2.wav", 40, 70 },
        { "chip1.wav", 60, 90 }, { "chip4.wav", 250, 400 } };
    const double limit = 32767.0 * std::pow(10.0, -3.0 / 20.0);
    for (const Expect& e : sounds) {
        const Wav w = readWav(QLatin1String(e.name));
        ASSERT_EQ(w.rate, 44100) << e.name;
        EXPECT_EQ(w.channels, 1) << e.name;
        EXPECT_EQ(w.bits, 16) << e.name;
        ASSERT_FALSE(w.samples.empty()) << e.name;
        const double ms = w.samples.size() * 1000.0 / w.rate;
        EXPECT_GE(ms, e.minMs) << e.name;
        EXPECT_LE(ms, e.maxMs) << e.name;
        int peak = 0;
        for (std::int16_t s : w.samples)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_LE(peak, limit) << e.name;
        EXPECT_GT(peak, limit * 0.8) << e.name << " is too quiet";
        EXPECT_LE(std::abs(w.samples.front()), 100) << e.name << " clicks at the start";
        EXPECT_LE(std::abs(w.samples.back()), 100) << e.name << " clicks at the end";
    }
    EXPECT_NE(
        readWav(QStringLiteral("card1.wav")).samples, readWav(QStringLiteral("card2.wav")).samples);
}

TEST(Generator, WritesTheSameBytesEveryRun) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QProcess gen;
    gen.start(QStringLiteral(TAVOLIER_ASSETGEN), { tmp.path() });
    ASSERT_TRUE(gen.waitForFinished(120000));
    ASSERT_EQ(gen.exitCode(), 0);
    const QStringList files = QDir(kDir).entryList(QDir::Files);
    int compared = 0;
    for (const QString& name : files) {
        // The stamps, and the pictures painted again in another language
        // by a run of their own ("rules_de.jpg").
        static const QRegularExpression inLanguage(QStringLiteral("_[a-z]{2}(@2x)?\\.|\\.stamp$"));
        if (inLanguage.match(name).hasMatch())
            continue;
        QFile a(kDir + QLatin1Char('/') + name);
        QFile b(tmp.path() + QLatin1Char('/') + name);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly)) << name.toStdString();
        ASSERT_TRUE(b.open(QIODevice::ReadOnly)) << name.toStdString() << " missing";
        EXPECT_TRUE(a.readAll() == b.readAll()) << name.toStdString() << " differs";
        ++compared;
    }
    EXPECT_EQ(compared, 31);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
