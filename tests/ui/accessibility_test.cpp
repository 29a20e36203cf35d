// What assistive technology reads of the table: every control named, the
// seats, board, pot and cards in the window's accessible tree as the screen
// shows them, the news announced, the tab order, and a game played from the
// keyboard alone.
#include "core/seats.h"
#include "ui/options_panel.h"
#include "ui/playback.h"
#include "ui/rules_dialog.h"
#include "ui/table_accessibility.h"
#include "ui/table_marks_view.h"
#include "ui/table_story.h"
#include "ui/table_style.h"
#include "ui_fixture.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QTimer>

namespace tavolier::uitest {

namespace {

// The window's element of that name (the parts and the widgets alike).
QAccessibleInterface* element(TableWindow& form, const QString& name) {
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(&form);
    for (int i = 0; i < tree->childCount(); ++i)
        if (QAccessibleInterface* child = tree->child(i); child->text(QAccessible::Name) == name)
            return child;
    return nullptr;
}

QString said(TableWindow& form, const QString& name) {
    QAccessibleInterface* part = element(form, name);
    return part != nullptr ? part->text(QAccessible::Description) : QStringLiteral("(missing)");
}

// Every control under an interface that is shown, with its name.
void controls(
    QAccessibleInterface* at, std::vector<std::pair<QAccessibleInterface*, QString>>& out) {
    for (int i = 0; i < at->childCount(); ++i) {
        QAccessibleInterface* child = at->child(i);
        if (child == nullptr || child->state().invisible)
            continue;
        const QAccessible::Role role = child->role();
        if (role == QAccessible::Button || role == QAccessible::RadioButton
            || role == QAccessible::ComboBox || role == QAccessible::EditableText
            || role == QAccessible::CheckBox)
            out.push_back({ child, child->text(QAccessible::Name) });
        controls(child, out);
    }
}

// Matches of re in text, none overlapping.
int matches(const QString& text, const QRegularExpression& re) {
    int count = 0;
    for (auto it = re.globalMatch(text); it.hasNext(); it.next())
        ++count;
    return count;
}

// What the tree's notification said, heard after the window's own listeners
// (the platform's bridge is not there to hear its events offscreen).
struct NewsHeard final : GameEvents {
    explicit NewsHeard(TableWindow& form)
        : tree(QAccessible::queryAccessibleInterface(&form)) { }
    void note() {
        for (int i = 0; i < tree->childCount(); ++i) {
            QAccessibleInterface* child = tree->child(i);
            if (child->role() == QAccessible::Notification
                && (news.empty() || news.back() != child->text(QAccessible::Name)))
                news.push_back(child->text(QAccessible::Name));
        }
    }
    void actionTaken(const ActionTaken&) override { note(); }
    void streetDealt(const StreetDealt&) override { note(); }
    void potAwarded(const PotAwarded&) override { note(); }
    QAccessibleInterface* tree;
    std::vector<QString> news;
};

// The contrast of ink against the felt under area, at the lightest tenth of
// the felt (a label may touch a portrait's ring or the rail's edge).
double feltContrast(const QImage& canvas, const QRect& area, QRgb ink) {
    std::vector<double> ratios;
    const QRect r = area.intersected(QRect(0, 0, 1000, 670));
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ratios.push_back(contrastRatio(ink, canvas.pixel(x, y)));
    std::sort(ratios.begin(), ratios.end());
    return ratios.empty() ? 0.0 : ratios[ratios.size() / 10];
}

QRect place(Rect r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

} // namespace

TEST(TableTree, EveryControlShownHasANameInWords) {
    WindowFixture f;
    TableWindow& form = f.open();
    form.show();
    form.showOptionsPanel(true);
    std::vector<std::pair<QAccessibleInterface*, QString>> found;
    controls(QAccessible::queryAccessibleInterface(&form), found);
    // The four actions, the top row's five and the panel's.
    EXPECT_GE(found.size(), 9u + 6u + 12u + 2u + 2u);
    const QRegularExpression words("[A-Za-z]{2,}");
    for (const auto& [control, name] : found)
        EXPECT_TRUE(words.match(name).hasMatch())
            << "a control named '" << name.toStdString() << "' with the description '"
            << control->text(QAccessible::Description).toStdString() << "'";
}

TEST(TableTree, SeatsBoardPotAndCardsReadAsTheScreenShowsThem) {
    WindowFixture f;
    TableWindow& form = f.open();
    // The first hand is dealt at start-up: the human is to act.
    EXPECT_TRUE(said(form, "Turn to act").startsWith("Your turn: "))
        << said(form, "Turn to act").toStdString();
    const QRegularExpression card("(\\d+|Jack|Queen|King|Ace) of (clubs|diamonds|hearts|spades)");
    EXPECT_EQ(matches(said(form, "Your cards"), card), 2) << said(form, "Your cards").toStdString();
    EXPECT_EQ(said(form, "Board"), "No cards yet");
    EXPECT_EQ(said(form, "Pot"), form.label(Label::pot)->text() + " chips");
    const int button = form.marks().button().number();
    ASSERT_TRUE(button >= 1 && button <= 8);
    const std::string_view name = seatInfo(button).name;
    EXPECT_TRUE(said(form, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))
                    .contains("dealer button"));
    // The raw labels are read through the seats, not again on their own.
    EXPECT_EQ(element(form, "Chong:"), nullptr);

    QTest::mouseClick(form.button(Button::checkOrCall), Qt::LeftButton);
    ASSERT_GE(form.marks().boardCount(), 3);
    const QString chips = form.label(Label::chongChips)->text();
    const QString status = form.label(Label::chongStatus)->text();
    ASSERT_FALSE(status.isEmpty());
    EXPECT_TRUE(said(form, "Chong").startsWith(chips + " chips, " + status))
        << said(form, "Chong").toStdString();
    EXPECT_TRUE(said(form, "Board").startsWith("Flop: ")) << said(form, "Board").toStdString();
    EXPECT_EQ(matches(said(form, "Board"), card), form.marks().boardCount());
    static const char* const kSuits[] = { "clubs", "diamonds", "hearts", "spades" };
    EXPECT_TRUE(said(form, "Board").contains(kSuits[form.marks().board()[0].suit]));
    EXPECT_TRUE(said(form, "Your cards").contains(". Best hand: "))
        << said(form, "Your cards").toStdString();
}

TEST(TableTree, AnOpponentsActionAndTheWinnerAreAnnounced) {
    WindowFixture f;
    TableWindow& form = f.open();
    NewsHeard heard(form);
    form.turnSteps().shownEvents().add(heard);
    // The news of one pass of the event loop is told at its end, joined:
    // here, one turn's.
    for (int press = 0; press < 20 && !form.button(Button::deal)->isEnabled(); ++press) {
        QCoreApplication::processEvents();
        QTest::mouseClick(form.button(Button::checkOrCall), Qt::LeftButton);
    }
    form.turnSteps().shownEvents().remove(heard);
    const std::vector<QString>& news = heard.news;
    ASSERT_TRUE(form.button(Button::deal)->isEnabled());
    const QRegularExpression action("(^|\\. )(Chong|Jack|Carlos|Cindy|Robert|Edmund|Marc) "
                                    "(checks|folds|(calls|raises|bets) \\d+)");
    EXPECT_TRUE(std::any_of(news.begin(), news.end(),
        [&](const QString& news) { return action.match(news).hasMatch(); }));
    EXPECT_TRUE(std::any_of(
        news.begin(), news.end(), [](const QString& news) { return news.contains("Flop: "); }));
    EXPECT_TRUE(std::any_of(news.begin(), news.end(), [](const QString& said) {
        return said.contains(QRegularExpression("Flop: .*Your turn: "));
    }));
    ASSERT_FALSE(news.empty());
    EXPECT_TRUE(QRegularExpression("(You win|wins) \\d+").match(news.back()).hasMatch())
        << news.back().toStdString();
}

TEST(TabOrder, ActionButtonsThenTheTopRowThenTheOptionsPanel) {
    WindowFixture f;
    TableWindow& form = f.open();
    OptionsPanel& panel = *form.optionsPanel();
    std::vector<QWidget*> designed { form.button(Button::deal), form.button(Button::checkOrCall),
        form.button(Button::raise), form.button(Button::fold) };
    for (const char* name :
        { "dxButton5", "dxButton6", "dxButton8", "historyButton", "statisticsButton" })
        designed.push_back(f.named(name));
    for (QWidget* w : std::initializer_list<QWidget*> {
             panel.money, panel.dxButton2, panel.until, panel.dxButton3 })
        designed.push_back(w);
    for (QAbstractButton* radio : panel.Levels->buttons())
        designed.push_back(radio);
    for (QWidget* w : std::initializer_list<QWidget*> {
             panel.rules, panel.upDownLeft, panel.upDownRight, panel.SoundOff1 })
        designed.push_back(w);
    for (QAbstractButton* radio : panel.cardbacks->buttons())
        designed.push_back(radio);
    designed.push_back(panel.pace);
    designed.push_back(panel.dxButton1);

    std::vector<QWidget*> chain;
    QWidget* at = designed.front();
    do {
        if ((at->focusPolicy() & Qt::TabFocus) != 0 && at != &form)
            chain.push_back(at);
        at = at->nextInFocusChain();
    } while (at != designed.front() && chain.size() < 100);
    EXPECT_EQ(chain, designed);
}

// Tab, Enter and Esc alone: an action played from its focused button, the
// options opened with their key and closed with Esc, the rules read and
// left with Enter.
TEST(KeyboardAlone, TabEnterAndEscPlayAndLeaveEveryBox) {
    WindowFixture f;
    TableWindow& form = f.open();
    form.show();
    QApplication::setActiveWindow(&form);
    form.setFocus();
    QTest::keyClick(&form, Qt::Key_Tab);
    QWidget* focused = QApplication::focusWidget();
    ASSERT_EQ(focused, form.button(Button::checkOrCall)); // Deal is barred mid-hand
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_GE(form.marks().boardCount(), 3);

    QTest::keyClick(&form, Qt::Key_O);
    ASSERT_TRUE(form.optionsPanel()->isVisible());
    form.optionsPanel()->money->setFocus();
    QTest::keyClick(form.optionsPanel()->money, Qt::Key_Escape);
    EXPECT_FALSE(form.optionsPanel()->isVisible());

    bool answered = false;
    QTimer::singleShot(0, [&answered] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            answered = true;
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    QTest::keyClick(&form, Qt::Key_A);
    EXPECT_TRUE(answered);
    EXPECT_FALSE(form.aboutBox()->isVisible());
    // The rules page is a picture: its words are there for a screen reader.
    const auto* page = form.aboutBox()->findChild<QWidget*>(QStringLiteral("Image1"));
    ASSERT_NE(page, nullptr);
    for (const char* words :
        { "The deal and the blinds", "Straight flush, five in a row", "starts the next hand" })
        EXPECT_TRUE(page->accessibleDescription().contains(QLatin1String(words))) << words;
}

// Keys alone through several hands played back at the table's pace: after
// every press the focus is on an open button of the action row, never on
// "New" (where the next Space asked to end the match) nor on the window,
// which is no stop of the tab order.
TEST(KeyboardAlone, TheFocusStaysOnTheActionRowFromHandToHand) {
    WindowFixture f;
    f.playback = true;
    TableWindow& form = f.open();
    form.show();
    QApplication::setActiveWindow(&form);
    form.setFocus();
    QTest::keyClick(&form, Qt::Key_Tab);
    const std::array<QPushButton*, 4> row { form.button(Button::deal),
        form.button(Button::checkOrCall), form.button(Button::raise), form.button(Button::fold) };
    int deals = 0;
    for (int press = 0; press < 80 && deals < 4; ++press) {
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        ASSERT_NE(std::find(row.begin(), row.end(), focused), row.end())
            << "press " << press << ": "
            << (QApplication::focusWidget()
                       ? QApplication::focusWidget()->objectName().toStdString()
                       : std::string("nothing"));
        ASSERT_TRUE(focused->isEnabled());
        deals += focused == form.button(Button::deal) ? 1 : 0;
        // Fold now and then: the rest of the hand is played without the human.
        QPushButton* target = press % 5 == 3 && form.button(Button::fold)->isEnabled()
            ? form.button(Button::fold)
            : focused;
        if (target != focused)
            target->setFocus();
        QTest::keyClick(target, press % 2 == 0 ? Qt::Key_Space : Qt::Key_Return);
        form.playback()->finish();
    }
    EXPECT_GE(deals, 4);
    EXPECT_TRUE(f.questions.empty());
}

// The seats' labels, the pot and every caption on the felt reach 4.5:1
// against the felt under them, in their longest texts.
TEST(Contrast, LabelsAndCaptionsReadOnTheFelt) {
    WindowFixture f;
    TableWindow& form = f.open();
    for (int seat = 1; seat <= 8; ++seat) {
        form.setLabelText(seatInfo(seat).chipsLabel, "99999");
        form.setLabelText(seatInfo(seat).statusLabel, "Small Blind");
    }
    form.story()->winnerCaption()->setText("Chong wins 9999");
    const QImage& felt = form.canvas();
    int measured = 0;
    for (QLabel* label : form.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->text().isEmpty())
            continue;
        const QRgb ink = dynamic_cast<FeltText*>(label) != nullptr
            ? kCaptionInk
            : label->palette().color(QPalette::WindowText).rgb();
        EXPECT_GE(feltContrast(felt, label->geometry(), ink), 4.5)
            << label->objectName().toStdString() << " '" << label->text().toStdString() << "'";
        ++measured;
    }
    EXPECT_GE(measured, 8 * 3 + 3);
    for (Rect painted : { kStreetNamePlace, kHumanHandPlace })
        EXPECT_GE(feltContrast(felt, place(painted), kCaptionInk), 4.5);
}

// High contrast is the setting, else the desktop theme's name; then every
// seat's labels stand on a black plate: 7:1 and more.
TEST(Contrast, HighContrastPutsTheSeatsLabelsOnBlack) {
    EXPECT_TRUE(TableAccessibility::highContrastWanted(-1, "Adwaita:HighContrastInverse"));
    EXPECT_FALSE(TableAccessibility::highContrastWanted(-1, "Adwaita"));
    EXPECT_FALSE(TableAccessibility::highContrastWanted(0, "HighContrast"));
    EXPECT_TRUE(TableAccessibility::highContrastWanted(1, ""));
    WindowFixture f;
    f.file.writeInteger("Settings", "HighContrast", 1);
    TableWindow& form = f.open();
    TableMarksView& marks = *form.marksView();
    ASSERT_TRUE(marks.highContrast());
    QImage shot = form.canvas().copy();
    QPainter painter(&shot);
    marks.render(&painter);
    painter.end();
    for (int seat = 1; seat <= 8; ++seat) {
        QLabel* chips = form.label(seatInfo(seat).chipsLabel);
        const QRgb ink = chips->palette().color(QPalette::WindowText).rgb();
        const QRgb under = shot.pixel(chips->geometry().center());
        EXPECT_EQ(qRgb(qRed(under), qGreen(under), qBlue(under)), 0xff000000u | kHighContrastPlate)
            << "seat " << seat;
        EXPECT_GE(contrastRatio(ink, under), 7.0) << "seat " << seat;
    }
}

} // namespace tavolier::uitest
