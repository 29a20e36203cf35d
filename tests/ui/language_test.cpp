// The game in German and French: the desktop's language is chosen as gettext
// does, every hand name either rule set writes is translated whole, and the
// windows show no English text that has a translation, nor a cut one.
#include "core/seats.h"
#include "evaluation/hand_names.h"
#include "evaluation/standard_ranking.h"
#include "presentation/table_marks.h"
#include "ui/fonts.h"
#include "ui/history_window.h"
#include "ui/language.h"
#include "ui/options_panel.h"
#include "ui/table_story.h"
#include "ui/table_texts.h"
#include "ui_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCryptographicHash>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <map>

namespace tavolier {
namespace {

// The game's translation installed for the life of the object.
class InLanguage {
public:
    explicit InLanguage(const QString& code)
        : m_translators(
            installTranslations(*qApp, code, { QStringLiteral(TAVOLIER_TRANSLATIONS_DIR) })) { }
    ~InLanguage() {
        for (const auto& translator : m_translators)
            QCoreApplication::removeTranslator(translator.get());
        QLocale::setDefault(m_locale);
    }
    [[nodiscard]] bool loaded() const { return !m_translators.empty(); }

private:
    QLocale m_locale;
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};

// The English texts that a .ts file translates into something else.
QSet<QString> translatedSources(const QString& language) {
    QFile file(QStringLiteral(TAVOLIER_TS_DIR "/tavolier_") + language + QStringLiteral(".ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QSet<QString> sources;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QStringLiteral("source"))
            source = xml.readElementText();
        else if (xml.name() == QStringLiteral("translation") && xml.readElementText() != source)
            sources.insert(source);
    }
    return sources;
}

// Every hand name the two rule sets can write: Classic's by score, and the
// Standard names of every category with every rank a hand can hold in each
// place a name reads.
std::vector<std::string> everyHandName() {
    std::vector<std::string> names;
    for (std::int32_t score = 0; score <= 1000; ++score)
        if (!handName(score).empty())
            names.emplace_back(handName(score));
    for (int category = 0; category <= static_cast<int>(HandCategory::straightFlush); ++category)
        for (int a = 0; a < 13; ++a)
            for (int b = 0; b < 13; ++b)
                for (int c = -1; c < 13; ++c) {
                    // Ranks a hand can hold: no pair twice, no kicker of a pair's rank.
                    if (a == b || c == a || c == b)
                        continue;
                    StandardRank rank;
                    rank.category = static_cast<HandCategory>(category);
                    rank.ranks = { a, b, b, b, c };
                    names.push_back(standardHandName(rank));
                }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

TEST(Language, TheDesktopsLanguageIsReadAsGettextReadsIt) {
    const QStringList available { QStringLiteral("de"), QStringLiteral("fr") };
    struct Case {
        QString asked;
        std::map<std::string, QString> environment;
        QString chosen;
    };
    const std::vector<Case> cases {
        { {}, { { "LANG", "de_DE.UTF-8" } }, "de" },
        { {}, { { "LANG", "fr_CA@euro" } }, "fr" },
        { {}, { { "LANG", "it_IT.UTF-8" } }, "en" },
        { {}, { { "LC_ALL", "fr_FR.UTF-8" }, { "LANG", "de_DE.UTF-8" } }, "fr" },
        { {}, { { "LC_MESSAGES", "de_AT" }, { "LANG", "fr_FR" } }, "de" },
        // LANGUAGE is a list, read first: the first language there is wins.
        { {}, { { "LANGUAGE", "it:fr:de" }, { "LANG", "de_DE" } }, "fr" },
        { {}, { { "LANGUAGE", "en_GB:de" }, { "LANG", "de_DE" } }, "en" },
        // ... but not under the C locale, whose messages are English.
        { {}, { { "LANGUAGE", "de" }, { "LANG", "C" } }, "en" },
        { {}, { { "LANGUAGE", "de" }, { "LC_ALL", "C.UTF-8" } }, "en" },
        { {}, {}, "en" },
        { "fr", { { "LANG", "de_DE.UTF-8" } }, "fr" },
        { "en", { { "LANG", "de_DE.UTF-8" } }, "en" },
        { "xx", { { "LANG", "de_DE.UTF-8" } }, "en" },
    };
    for (const Case& c : cases) {
        const auto environment = [&c](const char* name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? QString() : found->second;
        };
        EXPECT_EQ(chooseLanguage(c.asked, environment, available), c.chosen)
            << c.asked.toStdString() << " " << c.environment.size();
    }
}

// In English every name reads as the rules wrote it; in each language it is
// translated whole, two hands the English tells apart stay apart (no rank
// word lost or shared, no placeholder left), and the felt's painted captions
// fit their places: "You have: " with every name, "Your turn", the streets.
// A damaged .qm (Qt would trust it and could crash in a lookup) or one that
// holds only its header is passed over, and the game plays in English with
// the reason; English pictures follow --lang en whatever the desktop says.
TEST(Language, ADamagedOrEmptyTranslationIsRefusedAndEnglishIsWhole) {
    const QLocale before;
    QFile good(QStringLiteral(TAVOLIER_TRANSLATIONS_DIR "/tavolier_de.qm"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();
    QTemporaryDir dir;
    const QString copy = dir.path() + "/tavolier_de.qm";
    const auto write = [&](const QString& path, const QByteArray& data) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(data);
    };
    QByteArray damaged = bytes;
    damaged[damaged.size() / 2] = static_cast<char>(damaged[damaged.size() / 2] ^ 0x10);
    write(copy, damaged);
    write(copy + ".sha256",
        QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + "\n");
    QString problem;
    EXPECT_TRUE(installTranslations(*qApp, "de", { dir.path() }, &problem).empty());
    EXPECT_TRUE(problem.contains("damaged")) << problem.toStdString();

    const QByteArray header = bytes.left(16);
    write(copy, header);
    write(copy + ".sha256",
        QCryptographicHash::hash(header, QCryptographicHash::Sha256).toHex() + "\n");
    problem.clear();
    EXPECT_TRUE(installTranslations(*qApp, "de", { dir.path() }, &problem).empty());
    EXPECT_TRUE(problem.contains("no translation")) << problem.toStdString();

    QLocale::setDefault(QLocale(QStringLiteral("de")));
    EXPECT_TRUE(installTranslations(*qApp, "en", { dir.path() }).empty());
    EXPECT_EQ(QLocale().language(), QLocale::English);
    EXPECT_TRUE(asksForLanguage("de_DE", "de"));
    EXPECT_FALSE(asksForLanguage("es", "en"));
    QLocale::setDefault(before);
}

TEST(Language, EveryHandNameAndTheFeltsCaptionsReadWholeInEachLanguage) {
    const std::vector<std::string> names = everyHandName();
    ASSERT_GT(names.size(), 1000u);
    for (const std::string& name : names)
        EXPECT_EQ(handNameText(name).value_or(QString()).toStdString(), name);
    const auto width = [](const Rect& place) { return place.right - place.left; };
    for (const QString& language : kTranslatedLanguages) {
        const InLanguage speaking(language);
        ASSERT_TRUE(speaking.loaded()) << language.toStdString();
        const QFontMetrics bold8(uiFont(QStringLiteral("Verdana"), 8, true));
        QSet<QString> translated;
        for (const std::string& name : names) {
            const QString text = handNameText(name).value_or(QString());
            EXPECT_FALSE(text.isEmpty() || text.contains(QChar('%'))) << name;
            translated.insert(text);
            const QString line
                = QCoreApplication::translate("TableMarksView", "You have: %1").arg(text);
            EXPECT_LE(bold8.horizontalAdvance(line), width(kHumanHandPlace))
                << language.toStdString() << " \"" << line.toStdString() << "\"";
        }
        EXPECT_EQ(static_cast<std::size_t>(translated.size()), names.size())
            << language.toStdString();
        const QFontMetrics bold9(uiFont(QStringLiteral("Verdana"), 9, true));
        const QString turn = QCoreApplication::translate("TableMarksView", "Your turn");
        EXPECT_LE(bold9.horizontalAdvance(turn), width(kYourTurnPlace) - 4) << turn.toStdString();
        for (const Street street :
            { Street::preflop, Street::flop, Street::turn, Street::river, Street::showdown }) {
            const QString text = tableText(streetName(street));
            EXPECT_LE(bold9.horizontalAdvance(text) + 0.6 * text.size(), width(kStreetNamePlace))
                << text.toStdString();
        }
    }
}

// The texts a widget shows that may be cut: a label's lines, a button's
// caption.
void expectWhole(const QWidget& widget, const QString& where) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->wordWrap() || label->text().contains(QChar('<')))
            return;
        const QFontMetrics metrics(label->font());
        for (const QString& line : label->text().split(QChar('\n')))
            EXPECT_LE(metrics.horizontalAdvance(line), label->contentsRect().width() + 1)
                << where.toStdString() << ": " << label->objectName().toStdString() << " \""
                << line.toStdString() << "\"";
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        EXPECT_LE(button->sizeHint().width() - 8, button->width())
            << where.toStdString() << ": " << button->objectName().toStdString() << " \""
            << button->text().toStdString() << "\"";
    }
}

// The opponents' names, the same in every language ("Jack" is no rank).
QSet<QString> opponentNames() {
    QSet<QString> names;
    for (int seat = 1; seat < kHuman; ++seat)
        names.insert(QString::fromUtf8(
            seatInfo(seat).name.data(), static_cast<qsizetype>(seatInfo(seat).name.size())));
    return names;
}

// Visible texts of window and its children that the language translates
// but that show in English, and texts cut by their widget.
void expectTranslatedAndWhole(QWidget& window, const QSet<QString>& english, const QString& where) {
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.push_front(&window);
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(&window) && widget != &window)
            continue;
        QStringList texts { widget->windowTitle(), widget->toolTip() };
        if (const auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        if (const auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        for (const QString& text : texts)
            EXPECT_FALSE(english.contains(text) && !opponentNames().contains(text))
                << where.toStdString() << ": " << widget->objectName().toStdString() << " shows \""
                << text.toStdString() << "\" in English";
        expectWhole(*widget, where);
    }
}

// The names and descriptions a screen reader reads in the window's
// accessible tree that show in English though the language translates them.
void expectSpokenInLanguage(QAccessibleInterface* at, const QSet<QString>& english,
    const QString& language, int depth = 0) {
    if (at == nullptr || depth > 8)
        return;
    for (const QAccessible::Text kind : { QAccessible::Name, QAccessible::Description }) {
        const QString text = at->text(kind);
        EXPECT_FALSE(english.contains(text) && !opponentNames().contains(text))
            << language.toStdString() << ": a screen reader hears \"" << text.toStdString()
            << "\" in English";
    }
    for (int i = 0; i < at->childCount(); ++i)
        expectSpokenInLanguage(at->child(i), english, language, depth + 1);
}

TEST(Language, TheWindowsSpeakTheLanguageWholeAtOneAndTwoTimes) {
    for (const QString& language : kTranslatedLanguages) {
        const InLanguage speaking(language);
        ASSERT_TRUE(speaking.loaded());
        const QSet<QString> english = translatedSources(language);
        ASSERT_GT(english.size(), 200);
        uitest::WindowFixture fixture(11);
        TableWindow& form = fixture.open();
        form.show();
        ASSERT_TRUE(uitest::checkDownToTheEnd(form));
        form.optionsPanel()->show();
        form.story()->openHistory();
        form.openStatistics();
        for (const QSize size : { QSize(1000, 670), QSize(2000, 1340) }) {
            form.resize(size);
            QCoreApplication::processEvents();
            const QString where = language + QStringLiteral(" at %1 pixels").arg(size.width());
            expectTranslatedAndWhole(form, english, where);
            expectTranslatedAndWhole(*form.story()->historyWindow(), english, where);
            expectTranslatedAndWhole(*form.statisticsWindow(), english, where);
        }
        expectSpokenInLanguage(QAccessible::queryAccessibleInterface(&form), english, language);
    }
}

} // namespace
} // namespace tavolier
