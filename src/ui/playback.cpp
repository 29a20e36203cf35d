#include "ui/playback.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace tavolier {

namespace {

constexpr std::array<Button, 4> kActionButtons { Button::deal, Button::checkOrCall, Button::raise,
    Button::fold };

} // namespace

Playback::Playback(TurnSteps& steps, QWidget& window, std::array<QPushButton*, 4> actions,
    std::function<bool(Button)> wanted)
    : QObject(&window)
    , m_steps(steps)
    , m_window(window)
    , m_actions(actions)
    , m_wanted(std::move(wanted)) {
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("playbacktimer"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { next(); });
}

Playback::~Playback() {
    if (m_playing)
        qApp->removeEventFilter(this);
}

void Playback::runTurn(const std::function<void()>& handler) {
    finish();
    if (m_pace == OpponentsPace::instant) {
        handler();
        return;
    }
    // The recording ends however the handler ends.
    struct Recording {
        TurnSteps& steps;
        explicit Recording(TurnSteps& s)
            : steps(s) {
            steps.beginTurn();
        }
        ~Recording() { steps.endTurn(); }
    };
    {
        Recording recording(m_steps);
        handler();
    }
    // The click's own effects show at once; the opponents follow.
    m_steps.applyNextStep();
    if (m_steps.stepsLeft() > 0)
        start();
}

void Playback::start() {
    m_playing = true;
    m_finishAsked = false;
    holdActions();
    qApp->installEventFilter(this);
    m_timer->start(pause());
}

void Playback::next() {
    if (!m_playing || m_applying)
        return;
    m_applying = true;
    m_steps.applyNextStep();
    if (m_finishAsked)
        m_steps.applyAll();
    m_applying = false;
    if (m_steps.stepsLeft() == 0) {
        stop();
        return;
    }
    holdActions();
    m_timer->start(pause());
}

void Playback::finish() {
    if (!m_playing)
        return;
    if (m_applying) {
        // A step holds a message open; the rest follows when it closes.
        m_finishAsked = true;
        return;
    }
    m_timer->stop();
    m_applying = true;
    m_steps.applyAll();
    m_applying = false;
    stop();
}

void Playback::stop() {
    m_timer->stop();
    m_playing = false;
    m_finishAsked = false;
    qApp->removeEventFilter(this);
    for (std::size_t i = 0; i < m_actions.size(); ++i)
        m_actions[i]->setEnabled(m_wanted(kActionButtons[i]));
    if (m_onShown)
        m_onShown();
}

void Playback::holdActions() {
    for (QPushButton* button : m_actions)
        button->setEnabled(false);
}

bool Playback::inWindow(QObject* object) const {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && widget->window() == &m_window;
}

bool Playback::pressOnlySkips(QObject* object) const {
    if (object == &m_window || qobject_cast<QLabel*>(object) != nullptr)
        return true;
    for (QPushButton* button : m_actions) {
        if (object == button)
            return true;
    }
    return false;
}

bool Playback::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (!inWindow(watched))
            return false;
        const bool onlySkips = pressOnlySkips(watched);
        finish();
        return onlySkips;
    }
    case QEvent::KeyPress:
        if (!inWindow(watched))
            return false;
        finish();
        return true;
    default:
        return false;
    }
}

} // namespace tavolier
