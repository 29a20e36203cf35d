// tavolier-assetgen OUTDIR: paints every picture and synthesises every sound
// the game loads. The output is the same bytes at every run: no clocks, fixed
// seeds, fixed JPEG quality.
//
// tavolier-assetgen --icons OUTDIR: paints the desktop icon into a hicolor
// theme tree under OUTDIR: 16 to 512 pixels and a scalable SVG.
//
// tavolier-assetgen --language CODE QMFILE OUTDIR: paints the pictures that
// carry words (the rules page, the options panel, the odds badges) again
// with the words of QMFILE, as NAME_CODE beside the English ones.
#include "assetgen.h"
#include "ui/raw_picture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSvgGenerator>
#include <QTranslator>

#include <cstring>

#include <cstdio>
#include <future>

using namespace tavolier::assetgen;

namespace {

bool save(const QImage& img, const QString& path, const char* format, int quality = -1) {
    QImageWriter writer(path, format);
    // JPEG quality is fixed; PNG trades a little size for a much faster zlib level.
    writer.setQuality(quality >= 0 ? quality : 75);
    if (!writer.write(img)) {
        std::fprintf(stderr, "tavolier-assetgen: cannot write %s: %s\n", qPrintable(path),
            qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

// The pictures the game's first frame shows are also written raw, beside
// their PNG, so that the game reads them without decoding.
bool saveRaw(const QImage& img, const QString& path) {
    if (tavolier::writeRawPicture(img, path))
        return true;
    std::fprintf(stderr, "tavolier-assetgen: cannot write %s\n", qPrintable(path));
    return false;
}

// A portrait in its 128 x 128 box over the table pixels it is stamped on.
QImage portrait(const QImage& table, int who, Ring ring, Mood mood, Eyes eyes, int scale) {
    QImage img = cropAt(table, kPortraitPos[who], kPortraitSize, kPortraitSize, scale);
    QPainter p(&img);
    prepare(p, scale);
    paintPortrait(p, who, ring, mood, eyes);
    return img;
}

QImage questionBadge(const QImage& table, Ring ring, int scale) {
    QImage img = cropAt(table, kBadgePos, kPortraitSize, kPortraitSize, scale);
    QPainter p(&img);
    prepare(p, scale);
    paintQuestionBadge(p, ring);
    return img;
}

// Odds badges: plaques over the bare table; the last one is the
// question-mark badge exactly as the background carries it.
std::vector<QImage> oddsBadges(const QImage& bare, int scale) {
    std::vector<QImage> procent;
    for (int grade = 0; grade < 7; ++grade) {
        QImage img = cropAt(bare, kProcentPos, kBadgeWidth, kBadgeHeight, scale);
        QPainter p(&img);
        prepare(p, scale);
        paintOddsBadge(p, grade);
        procent.push_back(img);
    }
    {
        QImage img = cropAt(bare, kProcentPos, kBadgeWidth, kBadgeHeight, scale);
        QPainter p(&img);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage((kBadgePos.x - kProcentPos.x) * scale, (kBadgePos.y - kProcentPos.y) * scale,
            questionBadge(bare, Ring::Gold, scale));
        procent.push_back(img);
    }
    return procent;
}

// The name of a picture file at a scale: "rules.jpg", "rules@2x.jpg".
QString fileAt(const QString& dir, const QString& base, int scale, const char* ext) {
    const QString sfx = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    return dir + QLatin1Char('/') + base + sfx + QLatin1Char('.') + QLatin1String(ext);
}

// The pictures that carry words, painted in another language beside the
// English ones: "rules_de.jpg", "options_de.png", "procent_de.png" (and raw).
bool paintInLanguage(const QString& dir, const QString& language, int scale) {
    bool ok = true;
    const auto named = [&](const char* base, const char* ext) {
        return fileAt(dir, QLatin1String(base) + QLatin1Char('_') + language, scale, ext);
    };
    const std::vector<QImage> procent = oddsBadges(paintBareTable(scale), scale);
    ok &= save(hstrip(procent), named("procent", "png"), "png")
        && saveRaw(hstrip(procent), named("procent", "argb"));
    ok &= save(paintOptionsPanel(scale), named("options", "png"), "png");
    ok &= save(
        paintRules(scale).convertToFormat(QImage::Format_RGB888), named("rules", "jpg"), "jpg", 92);
    return ok;
}

// Every picture at one scale; suffix "" or "@2x".
bool paintAll(const QString& dir, int scale) {
    const QString sfx = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    auto file = [&](const char* base, const char* ext) {
        return dir + QLatin1Char('/') + QLatin1String(base) + sfx + QLatin1Char('.')
            + QLatin1String(ext);
    };
    bool ok = true;

    const QImage bare = paintBareTable(scale);

    std::vector<QImage> highlights;
    for (int k = 0; k < kPeople; ++k)
        highlights.push_back(portrait(bare, k, Ring::Green, Mood::Calm, Eyes::Open, scale));
    for (int k = 0; k < kPeople; ++k)
        highlights.push_back(portrait(bare, k, Ring::Gold, Mood::Calm, Eyes::Open, scale));
    highlights.push_back(questionBadge(bare, Ring::Green, scale));
    highlights.push_back(questionBadge(bare, Ring::Gold, scale));

    std::vector<QImage> smiles;
    for (int k = 0; k < kPeople; ++k)
        smiles.push_back(portrait(bare, k, Ring::Red, Mood::Smile, Eyes::Open, scale));
    smiles.push_back(questionBadge(bare, Ring::Red, scale));

    // Blink crops: cut from the gold-ring drawing at the blink offset.
    std::vector<QImage> winks(3 * kPeople);
    for (int k = 0; k < kPeople; ++k) {
        const Pos off { kBlinkPos[k].x - kPortraitPos[k].x, kBlinkPos[k].y - kPortraitPos[k].y };
        const QImage closed = portrait(bare, k, Ring::Gold, Mood::Calm, Eyes::Closed, scale);
        const QImage closing = portrait(bare, k, Ring::Gold, Mood::Calm, Eyes::Closing, scale);
        winks[k] = cropAt(closed, off, kWinkWidth, kWinkHeight, scale);
        winks[kPeople + k] = cropAt(highlights[kPeople + k], off, kWinkWidth, kWinkHeight, scale);
        winks[2 * kPeople + k] = cropAt(closing, off, kWinkWidth, kWinkHeight, scale);
    }

    std::vector<QImage> procent = oddsBadges(bare, scale);

    // The background: the bare table with the plain portraits and the badge.
    QImage background = bare.copy(0, 0, kTableWidth * scale, kTableHeight * scale)
                            .convertToFormat(QImage::Format_RGB32);
    {
        QPainter p(&background);
        for (int k = 0; k < kPeople; ++k)
            p.drawImage(
                kPortraitPos[k].x * scale, kPortraitPos[k].y * scale, highlights[kPeople + k]);
        p.drawImage(kProcentPos.x * scale, kProcentPos.y * scale, procent[7]);
    }

    std::vector<QImage> gold;
    gold.push_back(cropAt(background, kGoldPos, kGoldSize, kGoldSize, scale));
    for (int frame = 0; frame < 2; ++frame) {
        QImage img = gold.front().copy();
        QPainter p(&img);
        prepare(p, scale);
        paintGoldFigure(p, frame);
        gold.push_back(img);
    }

    std::vector<QImage> cards;
    for (int i = 0; i < 60; ++i) {
        // Transparent outside the rounded outline: where one card lies over
        // another, the lower card shows through the upper one's corners.
        QImage img = newImage(kCardWidth, kCardHeight, scale);
        QPainter p(&img);
        prepare(p, scale);
        if (i < 52)
            paintCardFace(p, i / 13, i % 13);
        else
            paintCardBack(p, i - 52);
        cards.push_back(img);
    }

    if (scale == 1) {
        // The raw copy holds the file's own pixels: those of the BMP.
        const QImage bmp = background.convertToFormat(QImage::Format_RGB888);
        ok &= save(bmp, dir + "/texasbmp2.bmp", "bmp") && saveRaw(bmp, file("texasbmp2", "argb"));
    } else {
        ok &= save(background, file("texasbmp2", "png"), "png")
            && saveRaw(background, file("texasbmp2", "argb"));
    }
    ok &= save(hstrip(cards), file("cards", "png"), "png");
    ok &= save(hstrip(highlights), file("highlights", "png"), "png");
    ok &= save(hstrip(smiles), file("smiles", "png"), "png");
    ok &= save(hstrip(winks), file("winks", "png"), "png");
    ok &= save(hstrip(procent), file("procent", "png"), "png");
    ok &= save(hstrip(gold), file("gold", "png"), "png");
    // The start-up deal stamps cards, ringed portraits and the badge. A raw
    // copy is written after its PNG, so it is never the older of the two.
    for (const auto& [sheet, name] : { std::pair { &cards, "cards" },
             std::pair { &highlights, "highlights" }, std::pair { &procent, "procent" } })
        ok &= saveRaw(hstrip(*sheet), file(name, "argb"));
    ok &= save(paintOptionsPanel(scale), file("options", "png"), "png");
    ok &= save(
        paintRules(scale).convertToFormat(QImage::Format_RGB888), file("rules", "jpg"), "jpg", 92);
    return ok;
}

// The menu icon at every size a desktop asks for, and once as vector paths.
bool paintIcons(const QString& dir) {
    bool ok = true;
    for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256, 512 }) {
        const QString folder = dir + QStringLiteral("/hicolor/%1x%1/apps").arg(size);
        ok &= QDir().mkpath(folder);
        ok &= save(paintIcon(size), folder + "/tavolier.png", "png");
    }
    const QString folder = dir + "/hicolor/scalable/apps";
    ok &= QDir().mkpath(folder);
    QBuffer svg;
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&svg);
        generator.setSize(QSize(256, 256));
        generator.setViewBox(QRect(0, 0, 256, 256));
        generator.setTitle(QStringLiteral("tavolier"));
        generator.setDescription(QStringLiteral("Two aces and a chip on green felt"));
        QPainter p(&generator);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        paintIconOn(p);
    }
    QFile file(folder + "/tavolier.svg");
    if (!file.open(QIODevice::WriteOnly) || file.write(svg.data()) != svg.data().size()) {
        std::fprintf(stderr, "tavolier-assetgen: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--icons") == 0)
        return paintIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (argc == 5 && std::strcmp(argv[1], "--language") == 0) {
        const QString language = QString::fromLocal8Bit(argv[2]);
        QTranslator words;
        if (!words.load(QString::fromLocal8Bit(argv[3]))) {
            std::fprintf(stderr, "tavolier-assetgen: cannot read %s\n", argv[3]);
            return 1;
        }
        QCoreApplication::installTranslator(&words);
        const QString dir = QString::fromLocal8Bit(argv[4]);
        bool ok = QDir().mkpath(dir);
        for (const int scale : { 1, 2 })
            ok = ok && paintInLanguage(dir, language, scale);
        return ok ? 0 : 1;
    }
    if (argc < 2) {
        std::fprintf(stderr,
            "usage: tavolier-assetgen OUTDIR | --icons OUTDIR | --language CODE QMFILE OUTDIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "tavolier-assetgen: cannot create %s\n", argv[1]);
        return 1;
    }
    // The 2x sheets are the bulk of the work: paint them beside the rest.
    auto large = std::async(std::launch::async, [&dir] { return paintAll(dir, 2); });
    bool ok = paintAll(dir, 1);
    ok &= save(paintIcon(256), dir + "/tavolier.png", "png");
    ok &= writeSounds(dir);
    ok &= large.get();
    return ok ? 0 : 1;
}
