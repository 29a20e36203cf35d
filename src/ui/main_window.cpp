#include "ui/main_window.h"

#include "game/options.h"
#include "game/rule_set.h"
#include "presentation/animations.h"
#include "presentation/card_drawing.h"
#include "presentation/hand_history.h"
#include "presentation/portraits.h"
#include "settings/opponents_pace.h"
#include "settings/settings_io.h"
#include "ui/fonts.h"
#include "ui/options_controller.h"
#include "ui/options_panel.h"
#include "ui/playback.h"
#include "ui/rules_dialog.h"
#include "ui/table_accessibility.h"
#include "ui/table_button.h"
#include "ui/table_dialog.h"
#include "ui/table_marks_view.h"
#include "ui/table_story.h"
#include "ui/table_style.h"
#include "ui/table_texts.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <span>
#include <utility>

namespace tavolier {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename E> constexpr std::size_t at(E value) {
    return static_cast<std::size_t>(value);
}

// A seat's three labels on the table, in the order of the chips and
// status labels (seat 8, then 7 down to 1).
struct SeatLabels {
    const char* nameObject;
    const char* caption;
    QPoint name;
    QPoint chips;
    QPoint status;
};

// clang-format off
    const std::array<SeatLabels, 8> kSeatLabels { {
        { "Label2",      "You:",    { 396, 558 }, { 434, 558 }, { 396, 575 } },
        { "freakcash",   "Chong:",  {  24, 370 }, {  77, 370 }, {  24, 387 } },
        { "geekcash",    "Jack:",   { 118, 183 }, { 160, 183 }, { 118, 200 } },
        { "mastercash",  "Carlos:", { 409, 130 }, { 464, 130 }, { 409, 147 } },
        { "champcash",   "Cindy:",  { 810, 183 }, { 860, 183 }, { 810, 200 } },
        { "pinheadcash", "Robert:", { 891, 370 }, { 947, 370 }, { 891, 387 } },
        { "Expert",      "Edmund:", { 736, 558 }, { 803, 558 }, { 736, 575 } },
        { "Robot",       "Marc:",   { 168, 558 }, { 214, 558 }, { 168, 575 } },
    } };
// clang-format on

} // namespace

TableWindow::TableWindow(TableState& state, Random& random, SettingsStore& settings,
    WindowOptions options, QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
            | Qt::WindowCloseButtonHint)
    , m_turnSteps(*this)
    , m_settings(settings)
    , m_table(state, random, m_turnSteps, m_settings, m_events)
    , m_options(std::move(options))
    , m_finder(m_options.assetDirs)
    , m_sound(m_finder, m_options.audio, m_options.soundFactory, m_options.pluginDirs,
          [this] { beep(); }) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Tavolier"));
    setMinimumSize(1000, 670);
    resize(1000, 670);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setFont(uiFont("Georgia", 8, false));
    setMouseTracking(true);
    // The window takes the keys when nothing else has the focus, but it is
    // no stop of the tab order, where it would show no focus at all.
    setFocusPolicy(Qt::ClickFocus);

    const qreal scale
        = std::max(1.0, m_options.scale > 0 ? m_options.scale : qApp->devicePixelRatio());
    makeOptionsController();
    m_optionsController->setScale(scale);
    m_canvas.setScale(scale);
    m_canvas.pictures().prefetchFirstFrame();
    defineControls();
    layOutControls();
    QString historyFolder = m_options.historyFolder;
    if (historyFolder.isEmpty())
        historyFolder = defaultHistoryFolder();
    m_story = std::make_unique<TableStory>(StoryWidgets { this, label(Label::pot),
                                               button(Button::checkOrCall), button(Button::raise) },
        m_settings, historyFolder, [this](const std::function<void()>& write) { guarded(write); });
    m_turnSteps.setBackgroundCheck([this] { return m_canvas.pictures().loadBackground(); });
    m_events.add(m_turnSteps);
    // The story and the statistics hear each event as its step is shown.
    m_turnSteps.shownEvents().add(m_story->events());
    m_turnSteps.shownEvents().add(m_statistics);
    m_turnSteps.shownEvents().add(m_styles);
    m_turnSteps.shownEvents().add(m_marks);
    m_marks.changed = [this] { marksChanged(); };
    m_playback = new Playback(m_turnSteps, *this,
        { button(Button::deal), button(Button::checkOrCall), button(Button::raise),
            button(Button::fold) },
        [this](Button which) {
            const LegalActions allowed = m_game.legalActions();
            return which == Button::deal       ? allowed.deal
                : which == Button::checkOrCall ? allowed.checkOrCall
                : which == Button::raise       ? allowed.raise
                                               : allowed.fold;
        });
    m_playback->setOnShown([this] { turnShown(); });
    connect(qApp, &QApplication::focusChanged, this,
        [this](QWidget* from, QWidget* to) { focusMoved(from, to); });
    m_marksView->setSliding(m_options.playback && m_pace != OpponentsPace::instant);
    wireHandlers();
    m_accessibility = new TableAccessibility(*this);

    // The game's own start-up: settings, panel values, seeding, decks, chips
    // and the first deal. Then the table is painted once so the first frame
    // already shows it.
    m_firstStart = !QFileInfo::exists(QString::fromStdString(settings.filePath().string()));
    guarded([this] { m_game.startUp(); });
    guarded([this] { redraw(m_table); });
    // Stored chips or bets the table cannot play with fell back to their
    // defaults: the player is told which.
    if (!m_table.refusedValues.empty()) {
        QString detail;
        for (const RefusedValue& refused : m_table.refusedValues)
            detail += QString::fromStdString(describe(refused))
                + QCoreApplication::translate("TableWindow", "; %1 is used instead.\n")
                      .arg(refused.used);
        tell({ QCoreApplication::translate("TableWindow",
                   "Some values in the settings file cannot be played with and were replaced "
                   "by their defaults."),
            detail.trimmed() });
    }
    const TableState& s = m_table.state;
    m_statistics.setSessionStart({ s.handsPlayed, s.handsWon, s.showdowns });
    m_pace = readPace(m_table.settings);
    m_optionsController->setPace(m_pace);
    m_playback->setPace(m_options.playback ? m_pace : OpponentsPace::instant);
    m_marksView->setSliding(m_options.playback && m_pace != OpponentsPace::instant);

    m_about = new RulesDialog(m_finder, m_canvas.scale(), this);

    // The size the window had when last closed.
    const int width = m_table.settings.readInteger("Settings", "WindowWidth", 1000);
    const int height = m_table.settings.readInteger("Settings", "WindowHeight", 670);
    // Never more than the screen has room for, so no button is out of reach.
    const QSize room
        = screen() != nullptr ? screen()->availableGeometry().size() : QSize(8000, 6000);
    if (width > 1000 || height > 670)
        resize(std::clamp(width, 1000, std::max(1000, std::min(8000, room.width()))),
            std::clamp(height, 670, std::max(670, std::min(6000, room.height()))));

    if (m_options.runTimers)
        m_timers[at(Timer::winktimer)]->start();
}

TableWindow::~TableWindow() = default;

void TableWindow::afterFirstFrame() {
    m_marksView->show();
    // The start-up's messages, once the table is on screen.
    for (const std::function<void()>& say : std::exchange(m_afterFirstFrame, {}))
        QTimer::singleShot(0, this, say);
    // The window's icon: finding a theme's or decoding any picture loads
    // code the first frame can do without.
    if (const QString icon = m_finder.find("tavolier.png"); !icon.isEmpty())
        setWindowIcon(QIcon(QPixmap::fromImage(readPictureFile(icon))));
    // The other pictures of the table, one after the other, so their decoding
    // scratch never piles up. The options panel's and the rules' pictures
    // wait until the pointer comes onto their button (or they are shown):
    // most games never open them, and they would hold 2 MB.
    m_canvas.pictures().prefetchRest();
    (void)optionsPanel();
    // The sound player comes next: its module is loaded on a worker thread
    // (a factory given instead is used at once).
    m_sound.loadSoon(this);
}

SoundCues& TableWindow::sound() {
    return m_sound.cues();
}

const ImageStrip& TableWindow::strip(ImageList list) const {
    return m_canvas.strip(list);
}

void TableWindow::defineControls() {
    // clang-format off
    // The action buttons in a row 64 pixels apart; the top row 72 apart, with
    // "Statistics" in its fifth place, after "History". Each tip names the key.
    m_controls = {
        { Button::deal, {}, QT_TRANSLATE_NOOP("TableText", "Deal"), Qt::Key_D, QT_TRANSLATE_NOOP("TableWindow", "Deal a new hand (D)"),
            QRect(395, 607, 65, 33), true, [this] { m_dealtOnce = true; m_game.deal(); } },
        { Button::checkOrCall, {}, QT_TRANSLATE_NOOP("TableText", "Check"), Qt::Key_C, QT_TRANSLATE_NOOP("TableWindow", "Check, or call the bet (C)"),
            QRect(459, 607, 65, 33), true, [this] { m_game.checkOrCall(); } },
        { Button::raise, {}, QT_TRANSLATE_NOOP("TableText", "Raise"), Qt::Key_R, QT_TRANSLATE_NOOP("TableWindow", "Raise (R)"),
            QRect(523, 607, 65, 33), true, [this] { m_game.raise(); } },
        { Button::fold, {}, QT_TRANSLATE_NOOP("TableText", "Fold"), Qt::Key_F, QT_TRANSLATE_NOOP("TableWindow", "Fold (F)"),
            QRect(587, 607, 65, 33), true, [this] { m_game.fold(); } },
        { Button::deal, "dxButton5", QT_TRANSLATE_NOOP("TableText", "New"), Qt::Key_N, QT_TRANSLATE_NOOP("TableWindow", "New match (N)"),
            QRect(3, 3, 69, 18), false, [this] { startNewMatch(false); } },
        { Button::deal, "dxButton6", QT_TRANSLATE_NOOP("TableText", "Options"), Qt::Key_O, QT_TRANSLATE_NOOP("TableWindow", "Options (O)"),
            QRect(75, 3, 69, 18), false, [this] { showOptionsPanel(optionsPanel()->isHidden()); } },
        { Button::deal, "dxButton8", QT_TRANSLATE_NOOP("TableText", "About"), Qt::Key_A, QT_TRANSLATE_NOOP("TableWindow", "About: the rules (A)"),
            QRect(147, 3, 69, 18), false, [this] { aboutbox(); } },
        { Button::deal, "historyButton", QT_TRANSLATE_NOOP("TableText", "History"), Qt::Key_H, QT_TRANSLATE_NOOP("TableWindow", "Hand history (H)"),
            QRect(219, 3, 69, 18), false, [this] { m_story->openHistory(); } },
        { Button::deal, "statisticsButton", QT_TRANSLATE_NOOP("TableText", "Statistics"), Qt::Key_S,
            QT_TRANSLATE_NOOP("TableWindow", "Statistics of your hands and of this match (S)"),
            QRect(291, 3, 69, 18), false, [this] { openStatistics(); } },
    };
    // clang-format on
    // The action buttons are named as the screen names them.
    for (Control& control : m_controls)
        if (control.action)
            control.objectName = qs(buttonName(control.id));
}

void TableWindow::layOutControls() {
    // The marks lie on the felt, under every label and button.
    m_marksView = new TableMarksView(m_marks, this);
    // Shown right after the first frame: its faces and sizes of type would
    // cost that frame a few milliseconds.
    m_marksView->hide();
    // The first label measures its text: the fonts must be read by then.
    m_fonts.wait();
    const QFont labelFont = uiFont("Verdana", 8, true);
    const QFont statusFont = uiFont("Verdana", 8, false);
    auto makeLabel = [this](const QString& objectName, const QString& text, QPoint at,
                         const QFont& font, const QColor& colour) {
        auto* label = new QLabel(text, this);
        label->setObjectName(objectName);
        label->setFont(font);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, colour);
        label->setPalette(pal);
        label->move(at);
        label->adjustSize();
        // Sized by its text at every zoom.
        label->setProperty("fitsText", true);
        return label;
    };

    // Seat labels: the name, the chips and the status of each seat.
    static constexpr std::array<Label, 8> chipsLabels { Label::humanChips, Label::chongChips,
        Label::jackChips, Label::carlosChips, Label::cindyChips, Label::robertChips,
        Label::edmundChips, Label::marcChips };
    static constexpr std::array<Label, 8> statusLabels { Label::humanStatus, Label::chongStatus,
        Label::jackStatus, Label::carlosStatus, Label::cindyStatus, Label::robertStatus,
        Label::edmundStatus, Label::marcStatus };
    for (std::size_t i = 0; i < kSeatLabels.size(); ++i) {
        const SeatLabels& seat = kSeatLabels[i];
        makeLabel(seat.nameObject, tableText(seat.caption), seat.name, labelFont, Qt::yellow);
        m_labels[at(chipsLabels[i])] = makeLabel(
            qs(labelName(chipsLabels[i])), QString(), seat.chips, labelFont, Qt::yellow);
        m_labels[at(statusLabels[i])] = makeLabel(
            qs(labelName(statusLabels[i])), QString(), seat.status, statusFont, Qt::white);
    }
    m_labels[at(Label::pot)]
        = makeLabel("betsize", QString(), { 488, 266 }, uiFont("Verdana", 10, true), Qt::white);
    // What to do now, on the felt between the board and the human's cards.
    m_hint = new FeltText(FeltText::Look::raised, this);
    m_hint->setObjectName("feltHint");
    m_hint->setFont(uiFont("Verdana", 10, true));
    m_hint->setAlignment(Qt::AlignCenter);
    m_hint->setGeometry(246, 440, 508, 40);
    m_hint->setWordWrap(true);

    // The two rows of buttons, from the one table of controls.
    for (Control& control : m_controls) {
        auto* button = new TableButton(QCoreApplication::translate("TableText", control.caption),
            control.action ? TableButton::Look::action : TableButton::Look::top, this);
        button->setObjectName(control.objectName);
        button->setGeometry(control.place);
        button->setFont(uiFont("Verdana", 8, true));
        button->setToolTip(QCoreApplication::translate("TableWindow", control.tip));
        button->setCursor(Qt::PointingHandCursor);
        control.button = button;
        if (control.action)
            m_buttons[at(control.id)] = button;
    }

    static constexpr std::array<int, 3> intervals { 300, 80, 150 };
    static constexpr std::array<const char*, 3> timerNames { "winktimer", "wintimer", "goldtimer" };
    for (std::size_t i = 0; i < m_timers.size(); ++i) {
        m_timers[i] = new QTimer(this);
        m_timers[i]->setObjectName(timerNames[i]);
        m_timers[i]->setInterval(intervals[i]);
    }
}

void TableWindow::onClick(QPushButton* button, std::function<void()> handler) {
    // A click on any control but the four actions first shows the rest of a
    // turn being played back.
    connect(button, &QPushButton::clicked, this, [this, handler = std::move(handler)] {
        m_playback->finish();
        guarded(handler);
    });
}

void TableWindow::wireHandlers() {
    // The action buttons each play a turn; the top row's run at once, after
    // the rest of a turn being played back.
    for (const Control& control : m_controls) {
        if (!control.action) {
            onClick(control.button, control.handler);
            continue;
        }
        connect(control.button, &QPushButton::clicked, this, [this, handler = control.handler] {
            m_playback->runTurn([this, &handler] { guarded(handler); });
            showCues();
            focusActionRow();
        });
    }
    // The pointer going onto a button or the panel leaves the canvas.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (qobject_cast<QLabel*>(child) == nullptr)
            child->installEventFilter(this);

    connect(m_timers[at(Timer::winktimer)], &QTimer::timeout, this,
        [this] { guardedDrawing([this] { blinkTick(m_table); }); });
    connect(m_timers[at(Timer::wintimer)], &QTimer::timeout, this,
        [this] { guardedDrawing([this] { winnersFlashTick(m_table); }); });
    connect(m_timers[at(Timer::goldtimer)], &QTimer::timeout, this,
        [this] { guardedDrawing([this] { goldFigureTick(m_table); }); });
}

OptionsPanel* TableWindow::optionsPanel() const {
    return m_optionsController->panel();
}

void TableWindow::makeOptionsController() {
    OptionsController::Hooks hooks;
    hooks.onClick = [this](QPushButton* button, std::function<void()> handler) {
        onClick(button, std::move(handler));
    };
    hooks.guarded = [this](const std::function<void()>& handler) { guarded(handler); };
    hooks.paceChosen = [this](OpponentsPace pace) {
        m_pace = pace;
        if (m_options.playback)
            m_playback->setPace(pace);
        m_marksView->setSliding(m_options.playback && pace != OpponentsPace::instant);
    };
    hooks.built = [this](OptionsPanel& panel) {
        m_panel = &panel;
        panel.installEventFilter(this);
        m_labels[at(Label::smallBetSize)] = panel.Label3;
        m_labels[at(Label::bigBetSize)] = panel.Label4;
        m_buttons[at(Button::sound)] = panel.SoundOff1;
        if (m_accessibility != nullptr)
            m_accessibility->panelBuilt(panel);
        if (m_canvas.zoomed())
            zoomControls();
    };
    m_optionsController
        = std::make_unique<OptionsController>(m_table, m_game, m_finder, *this, std::move(hooks));
}

bool TableWindow::laterOnPanel(bool onPanel, std::function<void()> write) {
    return m_optionsController->later(onPanel, std::move(write));
}

void TableWindow::guarded(const std::function<void()>& handler) {
    runGuarded(handler, true);
}

void TableWindow::guardedDrawing(const std::function<void()>& handler) {
    runGuarded(handler, false);
}

void TableWindow::runGuarded(const std::function<void()>& handler, bool costsMayChange) {
    std::optional<HandlerError> error = runCatching([this, &handler, costsMayChange] {
        handler();
        if (costsMayChange)
            showCosts();
    });
    // A save the file refused does not end the handler: play goes on, and
    // the player hears of it once, with the reason.
    if (const std::optional<SettingsWriteError> refusal = m_settings.takeRefusal();
        !error && refusal)
        error = HandlerError { tableText(refusal->what()) + "\n\n"
                + QCoreApplication::translate("TableWindow",
                    "Play goes on without saving; the chips and statistics are saved again as "
                    "soon as the file can be written."),
            QString::fromStdString(refusal->detail()) };
    if (!error)
        return;
    // Through the turn's steps, so that during a recorded turn the message
    // comes after the effects the handler made before it failed.
    m_turnSteps.deferred([this, error = *error] { tell(error); });
    if (costsMayChange)
        showCosts();
}

void TableWindow::tell(const HandlerError& notice) {
    if (!m_firstFrame && !m_options.errorHook && !m_options.messageHook) {
        m_afterFirstFrame.push_back([this, notice] { tell(notice); });
        return;
    }
    showHandlerError(this, notice, m_options.errorHook, m_options.messageHook);
}

void TableWindow::closeEvent(QCloseEvent* event) {
    endSession();
    QWidget::closeEvent(event);
}

void TableWindow::endSession() {
    m_sessionEnded = true;
    // A turn still being played back is shown to its end, so that the story
    // and the history file hear the whole hand.
    m_playback->finish();
    // The file lags the last hand until the next Deal: its statistics, and
    // the chips of a pot won by folds. Between hands they are written now; a
    // close in the middle of a hand leaves what that hand's Deal wrote.
    if (m_game.legalActions().deal)
        guarded([this] { writeStatsAndChips(m_table.settings, m_table.state); });
    // The window's size for the next start, when it has changed.
    const QSize stored(m_table.settings.readInteger("Settings", "WindowWidth", 1000),
        m_table.settings.readInteger("Settings", "WindowHeight", 670));
    if (!isMaximized() && !isFullScreen() && stored != size()) {
        guarded([this] {
            const std::array<StoredInteger, 2> stored { { { "Settings", "WindowWidth", width() },
                { "Settings", "WindowHeight", height() } } };
            m_table.settings.writeIntegers(stored);
        });
    }
}

void TableWindow::showCosts() {
    if (m_story != nullptr)
        m_story->showCosts(m_game.legalActions());
    showCues();
    if (m_accessibility != nullptr)
        m_accessibility->cuesShown();
}

void TableWindow::showCues() {
    if (m_marksView == nullptr || m_playback == nullptr)
        return;
    TableCues cues;
    cues.legal = m_game.legalActions();
    cues.playing = m_playback->playing();
    cues.humanStatusShown = !label(Label::humanStatus)->text().isEmpty();
    cues.humanHand = m_humanHand;
    m_marksView->setCues(cues);
    showHint();
}

void TableWindow::showHint() {
    if (m_hint == nullptr)
        return;
    QString hint;
    const std::string& result = m_marks.matchResult();
    const TableState& s = m_table.state;
    if (!result.empty()) {
        hint = tr("%1 %2\nPress New (N) for a new match")
                   .arg(tableText(result), matchEndReason(m_marks.matchEnd()));
    } else if (!m_marks.handOpen() && m_marks.street() && s.seat(kHuman).chips < 1) {
        // The rules tell the lost match at the next Deal; the felt says so
        // as soon as the hand is over.
        hint = tr("You are out of chips: the match is lost.\nPress New (N) for a new match");
    } else if (m_firstStart && !m_dealtOnce && m_game.legalActions().deal)
        hint = tr("Press Deal (D) to play a hand");
    if (m_hint->text() != hint)
        m_hint->setText(hint);
}

void TableWindow::marksChanged() {
    // From the flop on, the human's cards and the board as far as shown.
    QString named;
    if (m_marks.boardCount() >= 3 && !m_marks.humanFolded()) {
        std::array<Card, 7> cards {};
        cards[0] = m_marks.humanCards()[0];
        cards[1] = m_marks.humanCards()[1];
        const auto count = static_cast<std::size_t>(m_marks.boardCount());
        for (std::size_t i = 0; i < count && i < 5; ++i)
            cards[2 + i] = m_marks.board()[i];
        named = tableText(m_game.rules().handName(
            std::span<const Card>(cards.data(), 2 + std::min<std::size_t>(count, 5))));
    }
    m_humanHand = named;
    // The last hand stays on the felt as it ended, with the final chips and
    // the line that says why the match is over and what to do.
    if (m_marks.matchResult().empty())
        m_matchEndAnnounced = false;
    if (m_marksView != nullptr)
        m_marksView->marksChanged();
    showCues();
}

void TableWindow::aboutbox() {
    if (m_about != nullptr)
        m_about->exec();
}

void TableWindow::openStatistics() {
    if (m_statisticsWindow == nullptr) {
        const TableState& s = m_table.state;
        m_statisticsWindow = new StatisticsWindow(
            m_statistics,
            [&s] {
                return StoredCounters { s.handsPlayed, s.handsWon, s.showdowns };
            },
            m_options.pluginDirs, this, &m_styles);
        m_turnSteps.shownEvents().add(*m_statisticsWindow);
        m_statisticsWindow->placeBeside(*this);
    }
    m_statisticsWindow->show();
    m_statisticsWindow->raise();
    m_statisticsWindow->activateWindow();
}

void TableWindow::centreOnScreen() {
    QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

namespace {

bool isOnPanel(Label label) {
    return label == Label::smallBetSize || label == Label::bigBetSize;
}

bool isOnPanel(Button button) {
    return button == Button::sound;
}

} // namespace

QPushButton* TableWindow::button(Button button) const {
    if (isOnPanel(button))
        (void)optionsPanel();
    return m_buttons[at(button)];
}

QLabel* TableWindow::label(Label label) const {
    if (isOnPanel(label))
        (void)optionsPanel();
    return m_labels[at(label)];
}

QTimer* TableWindow::timer(Timer timer) const {
    return m_timers[at(timer)];
}

// ---- TableView: labels, buttons and the panel's fields

void TableWindow::setLabelText(Label which, std::string_view text) {
    if (laterOnPanel(
            isOnPanel(which), [this, which, t = std::string(text)] { setLabelText(which, t); }))
        return;
    QLabel* l = label(which);
    l->setText(tableText(text));
    l->adjustSize();
    if (which == Label::humanStatus)
        showCues();
}

void TableWindow::setLabelColor(Label which, std::uint32_t rgb) {
    if (laterOnPanel(isOnPanel(which), [this, which, rgb] { setLabelColor(which, rgb); }))
        return;
    QLabel* l = label(which);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, QColor::fromRgb(rgb & 0xFFFFFFu));
    l->setPalette(pal);
}

void TableWindow::setLabelStyle(Label which, FontStyle style) {
    if (laterOnPanel(isOnPanel(which), [this, which, style] { setLabelStyle(which, style); }))
        return;
    QLabel* l = label(which);
    QFont font = l->font();
    font.setBold(style == FontStyle::bold);
    font.setItalic(style == FontStyle::italic);
    l->setFont(font);
    l->adjustSize();
}

void TableWindow::refreshLabel(Label which) {
    if (isOnPanel(which) && m_panel == nullptr)
        return; // a label not yet built shows what it is given when it is
    label(which)->update();
}

void TableWindow::setButtonCaption(Button which, std::string_view caption) {
    if (laterOnPanel(isOnPanel(which),
            [this, which, c = std::string(caption)] { setButtonCaption(which, c); }))
        return;
    button(which)->setText(tableText(caption));
}

void TableWindow::setButtonEnabled(Button which, bool enabled) {
    if (laterOnPanel(
            isOnPanel(which), [this, which, enabled] { setButtonEnabled(which, enabled); }))
        return;
    button(which)->setEnabled(enabled);
}

void TableWindow::setEditText(Edit edit, std::string_view text) {
    if (laterOnPanel(true, [this, edit, t = std::string(text)] { setEditText(edit, t); }))
        return;
    (edit == Edit::money ? m_panel->money : m_panel->until)->setText(qs(text));
}

void TableWindow::selectRadio(RadioGroup group, int item) {
    if (laterOnPanel(true, [this, group, item] { selectRadio(group, item); }))
        return;
    OptionsPanel::select(
        group == RadioGroup::cardbacks ? m_panel->cardbacks : m_panel->Levels, item);
}

void TableWindow::showOptionsPanel(bool shown) {
    if (!shown && m_panel == nullptr)
        return;
    optionsPanel()->setVisible(shown);
    if (shown)
        m_panel->raise();
}

// ---- TableView: the canvas

bool TableWindow::paintBackground() {
    return m_canvas.paintBackground();
}

void TableWindow::clearArea(Rect area) {
    m_canvas.clearArea(area);
}

void TableWindow::stamp(ImageList list, int index, int x, int y) {
    m_canvas.stamp(list, index, x, y);
}

void TableWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!m_canvas.fit(size()))
        return;
    // The 2x pictures serve a table drawn larger than 1.25 times their 1x size.
    if (m_canvas.scale() < 2 && m_canvas.zoom() * devicePixelRatioF() > 1.25)
        setCanvasScale(2);
    zoomControls();
    update();
}

void TableWindow::setCanvasScale(qreal scale) {
    // The table is redrawn from the state, which is already at the end of
    // a turn being played back.
    if (m_playback != nullptr)
        m_playback->finish();
    m_optionsController->setScale(scale);
    m_canvas.setScale(scale);
    guardedDrawing([this] { redraw(m_table); });
}

void TableWindow::zoomControls() {
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow())
            continue;
        if (widget == m_marksView) {
            widget->setGeometry(
                QRect(m_canvas.origin(), (QSizeF(1000, 670) * m_canvas.zoom()).toSize()));
            continue;
        }
        zoomWidget(widget, m_canvas.zoom(), m_canvas.origin(), true);
    }
}

void TableWindow::paintEvent(QPaintEvent* event) {
    if (!m_firstFrame) {
        // The frame reaches the screen when the event loop is back.
        m_firstFrame = true;
        QTimer::singleShot(0, this, [this] { afterFirstFrame(); });
    }
    QPainter painter(this);
    m_canvas.paint(painter, event->rect());
}

// ---- TableView: sound, messages, timers

void TableWindow::playSound(std::string_view file) {
    sound().play(file);
}

void TableWindow::beep() {
    ++m_beeps;
    QApplication::beep();
}

void TableWindow::message(std::string_view text, std::string_view caption) {
    // The rules may announce a match end once for each seat that reached the
    // target in the same hand: the first announcement is the match's box.
    if (caption == "Game over") {
        if (m_matchEndAnnounced)
            return;
        m_matchEndAnnounced = true;
    }
    if (m_options.messageHook) {
        m_options.messageHook(tableText(text), tableText(caption));
        return;
    }
    // A match that the stored chips have already ended is announced over
    // the table, not before it is drawn.
    if (!m_firstFrame) {
        m_afterFirstFrame.push_back(
            [this, text = std::string(text), caption = std::string(caption)] {
                if (caption == "Game over")
                    announceMatchEnd(tableText(text), tableText(caption));
                else
                    TableDialog::inform(this, tableText(caption), tableText(text));
            });
        return;
    }
    if (caption == "Game over") {
        announceMatchEnd(tableText(text), tableText(caption));
        return;
    }
    TableDialog::inform(this, tableText(caption), tableText(text));
}

QString TableWindow::matchEndReason(std::optional<MatchEnded> end, const QString& said) const {
    const TableState& s = m_table.state;
    // The rules' box comes before the event: the seat it names at the target.
    for (int seat = 1; !end && !said.isEmpty() && seat <= kSeatCount; ++seat) {
        const std::int64_t target = static_cast<std::int64_t>(s.initialChips) + s.untilMargin;
        const MatchEnded reached { MatchResult::seatReachedTarget, SeatNumber(seat) };
        if (s.seat(seat).chips >= target && tableText(matchEndText(reached)) == said)
            end = reached;
    }
    if (end && end->result == MatchResult::seatReachedTarget) {
        const std::int64_t target = static_cast<std::int64_t>(s.initialChips) + s.untilMargin;
        const QString who = end->seat.isHuman()
            ? tr("You")
            : QString::fromUtf8(historySeatName(end->seat).data(),
                static_cast<qsizetype>(historySeatName(end->seat).size()));
        return tr("(%1 reached %2 chips)").arg(who).arg(target);
    }
    if ((end && end->result == MatchResult::humanLost) || s.seat(kHuman).chips < 1)
        return tr("(you are out of chips)");
    return tr("(every opponent is out of chips)");
}

QString TableWindow::finalChips() const {
    // Every seat, the most chips first.
    std::vector<int> seats(kNamingOrder.begin(), kNamingOrder.end());
    const TableState& s = m_table.state;
    std::stable_sort(seats.begin(), seats.end(),
        [&s](int a, int b) { return s.seat(a).chips > s.seat(b).chips; });
    QStringList parts;
    for (int seat : seats) {
        const SeatNumber n(seat);
        const QString who = n.isHuman() ? tr("You")
                                        : QString::fromUtf8(historySeatName(n).data(),
                                            static_cast<qsizetype>(historySeatName(n).size()));
        parts << QStringLiteral("%1 %2").arg(who).arg(std::max(s.seat(seat).chips, 0));
    }
    return tr("Final chips: %1").arg(parts.join(QStringLiteral(", ")));
}

void TableWindow::announceMatchEnd(const QString& text, const QString& caption) {
    TableDialog box(caption, text,
        { { QCoreApplication::translate("TableWindow", "New match"), 1, true, false },
            { QCoreApplication::translate("TableWindow", "Look at the table"), 0, false, true } },
        this);
    // Why the match is over and where every seat ended, beside the rules' words.
    box.setDetail(matchEndReason(m_marks.matchEnd(), text) + QStringLiteral("\n") + finalChips());
    if (box.choose() != 1)
        return;
    // The game is still inside the handler that ended the match: the new
    // match starts once it is over.
    QTimer::singleShot(0, this, [this] {
        m_playback->finish();
        guarded([this] { startNewMatch(true); });
    });
}

void TableWindow::startNewMatch(bool confirmed) {
    m_newMatchConfirmed = confirmed;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset { m_newMatchConfirmed };
    m_game.newMatch(optionsPanel()->money->text().toStdString());
}

bool TableWindow::ask(std::string_view text, std::string_view caption) {
    // "Are you sure?" after "New match" in the match-end box: already said.
    if (m_newMatchConfirmed && caption == "New game")
        return true;
    if (m_options.questionHook)
        return m_options.questionHook(tableText(text), tableText(caption));
    return TableDialog::confirm(this, tableText(caption), tableText(text));
}

void TableWindow::startTimer(Timer which) {
    timer(which)->start();
}

void TableWindow::stopTimer(Timer which) {
    timer(which)->stop();
}

void TableWindow::setTimerInterval(Timer which, int milliseconds) {
    timer(which)->setInterval(std::max(0, milliseconds));
}

// ---- Mouse and keyboard

void TableWindow::mouseMoveEvent(QMouseEvent* event) {
    // Moves over the canvas and its labels count; those over buttons and the
    // options panel do not.
    QWidget* child = childAt(event->position().toPoint());
    if (child != nullptr && qobject_cast<QLabel*>(child) == nullptr)
        return;
    const QPoint at = m_canvas.toTable(event->position().toPoint());
    m_pointer = at;
    guardedDrawing([this, at] {
        if (m_playback->playing())
            mouseMovedDuringPlayback(m_table, at.x(), at.y());
        else
            mouseMoved(m_table, at.x(), at.y());
    });
}

void TableWindow::focusMoved(QWidget* from, QWidget* to) {
    if (to == this || from == nullptr || from->isEnabled())
        return;
    for (Button action : { Button::deal, Button::checkOrCall, Button::raise, Button::fold }) {
        if (from == button(action) && (to == nullptr || to->window() == this)) {
            m_focusParkedFrom = button(action);
            setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void TableWindow::focusActionRow() {
    if (m_focusParkedFrom == nullptr || m_playback->playing())
        return;
    if (QApplication::focusWidget() != this) {
        m_focusParkedFrom = nullptr;
        return;
    }
    // The button that had it, else the one that goes on with the game.
    for (QPushButton* next : { m_focusParkedFrom, button(Button::checkOrCall), button(Button::deal),
             button(Button::fold) }) {
        if (next->isEnabled() && next->isVisible()) {
            m_focusParkedFrom = nullptr;
            next->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void TableWindow::turnShown() {
    focusActionRow();
    showCues();
    if (m_accessibility != nullptr)
        m_accessibility->cuesShown();
    // The badge may have waited for the whole turn under a resting pointer.
    if (m_pointer)
        guardedDrawing([this] { mouseMoved(m_table, m_pointer->x(), m_pointer->y()); });
}

bool TableWindow::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    // Classic's opponents are one written rule; Standard's have characters.
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint at = m_canvas.toTable(help->pos());
    QString tip;
    if (validRulesNumber(m_table.state.rulesInPlay) != 0) {
        for (int seat = 1; seat < kHuman && tip.isEmpty(); ++seat) {
            if (portraitOf(seat).hover.inside(at.x(), at.y()))
                tip = characterStyleText(seat);
        }
    }
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, this);
    return true;
}

void TableWindow::leaveEvent(QEvent* event) {
    m_pointer.reset();
    guardedDrawing([this] { mouseLeft(m_table); });
    QWidget::leaveEvent(event);
}

bool TableWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        m_pointer.reset();
        guardedDrawing([this] { mouseLeft(m_table); });
        // A picture only a button shows is decoded as the pointer comes onto
        // that button, so it is ready by the click.
        if (watched->objectName() == QLatin1String("dxButton6"))
            optionsPanel()->prefetchPicture();
        else if (watched->objectName() == QLatin1String("dxButton8"))
            m_about->prefetchPicture();
    }
    return QWidget::eventFilter(watched, event);
}

void TableWindow::keyPressEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const auto control = std::find_if(m_controls.begin(), m_controls.end(),
        [key = event->key()](const Control& c) { return c.key == key; });
    if (control == m_controls.end()) {
        QWidget::keyPressEvent(event);
        return;
    }
    QPushButton* target = control->button;
    event->accept();
    // click() does nothing while the button is disabled.
    target->click();
}

} // namespace tavolier
