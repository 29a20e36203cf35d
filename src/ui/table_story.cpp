#include "ui/table_story.h"

#include "settings/settings_store.h"
#include "ui/fonts.h"
#include "ui/history_window.h"
#include "ui/table_style.h"

#include <QDateTime>
#include <QDir>
#include <QPainter>
#include <QPushButton>

namespace tavolier {

namespace {

constexpr std::string_view kSection = "History";
constexpr std::string_view kSaveKey = "savetofile";

// The pot's figure as the table shows it, and dimmed once paid out.
const QColor kPotColour = Qt::white;
const QColor kPaidPotColour(0xa8, 0xb8, 0xad, 0x90);

LocalTime now() {
    const QDateTime t = QDateTime::currentDateTime();
    return { t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(),
        t.time().second(), t.offsetFromUtc() / 60, t.timeZoneAbbreviation().toStdString() };
}

// Hands of different sessions get different numbers in the files: the
// session's start (YYYYMMDDhhmmss) followed by five digits of hand number.
std::int64_t sessionHandBase() {
    const LocalTime t = now();
    const std::int64_t stamp
        = ((((static_cast<std::int64_t>(t.year) * 100 + t.month) * 100 + t.day) * 100 + t.hour)
                  * 100
              + t.minute)
            * 100
        + t.second;
    return stamp * 100000;
}

void setColour(QLabel* label, const QColor& colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

} // namespace

QString defaultHistoryFolder() {
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    const QString folder
        = !data.isEmpty() && QDir::isAbsolutePath(data) ? data : QDir::homePath() + "/.local/share";
    return QDir::cleanPath(folder) + "/tavolier/history";
}

FeltText::FeltText(Look look, QWidget* parent)
    : QLabel(parent)
    , m_look(look) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void FeltText::setPlate(bool plate) {
    m_plate = plate;
    update();
}

void FeltText::paintEvent(QPaintEvent*) {
    if (text().isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    const QRect area = contentsRect();
    const Qt::Alignment align = alignment();
    if (m_plate) {
        const QRect bounds
            = painter.fontMetrics().boundingRect(area, static_cast<int>(align), text());
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgb(kHighContrastPlate));
        painter.drawRoundedRect(
            QRectF(bounds).adjusted(-4, -1, 4, 1).intersected(QRectF(rect())), 4, 4);
    }
    if (m_look == Look::engraved) {
        // Pressed into the felt: a light edge below, dark letters above it.
        painter.setPen(QColor(255, 255, 255, 70));
        painter.drawText(area.translated(0, 1), align, text());
        painter.setPen(QColor(0, 24, 8, 190));
        painter.drawText(area, align, text());
    } else {
        painter.setPen(QColor(0, 0, 0, 200));
        painter.drawText(area.translated(1, 1), align, text());
        painter.setPen(QColor::fromRgb(kCaptionInk));
        painter.drawText(area, align, text());
    }
}

TableStory::TableStory(StoryWidgets widgets, SettingsStore& settings, QString historyFolder,
    std::function<void(const std::function<void()>&)> guard)
    : m_widgets(widgets)
    , m_settings(settings)
    , m_folder(std::move(historyFolder))
    , m_guard(std::move(guard))
    , m_history([] { return now(); })
    , m_file(
          std::filesystem::path(m_folder.toStdString()), sessionHandBase(), settings.filePath()) {
    m_saveToFile = m_settings.readBoolean(kSection, kSaveKey, true);
    m_history.changed = [this](std::size_t index) { handChanged(index); };
    m_history.handFinished = [this](const HandRecord& hand) { handFinished(hand); };

    // "Pot", raised on the felt left of the pot's figure (betsize at 488, 266).
    m_legend = new FeltText(FeltText::Look::raised, m_widgets.table);
    m_legend->setObjectName("potLegend");
    m_legend->setText(tr("Pot"));
    m_legend->setFont(uiFont("Verdana", 7, true));
    m_legend->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_legend->setGeometry(450, 267, 34, 14);

    // The winner, under the board (its cards end at 418) and above the
    // human's cards (484) and the gold figure (453).
    m_caption = new FeltText(FeltText::Look::raised, m_widgets.table);
    m_caption->setObjectName("winnerCaption");
    m_caption->setFont(uiFont("Verdana", 9, true));
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setGeometry(296, 422, 400, 18);
}

TableStory::~TableStory() = default;

void TableStory::showCosts(const LegalActions& legal) {
    if (m_widgets.checkOrCall != nullptr) {
        QString tip = QCoreApplication::translate("TableWindow", "Check, or call the bet (C)");
        if (legal.checkOrCall)
            tip = legal.mustCall ? tr("Call %1 (C)").arg(legal.callCost) : tr("Check (C)");
        if (m_widgets.checkOrCall->toolTip() != tip) {
            m_widgets.checkOrCall->setToolTip(tip);
            m_widgets.checkOrCall->setStatusTip(tip);
        }
    }
    if (m_widgets.raise != nullptr) {
        QString tip = QCoreApplication::translate("TableWindow", "Raise (R)");
        if (legal.raise)
            tip = tr("Raise: %1 in all (R)").arg(legal.raiseCost);
        if (m_widgets.raise->toolTip() != tip) {
            m_widgets.raise->setToolTip(tip);
            m_widgets.raise->setStatusTip(tip);
        }
    }
}

void TableStory::openHistory() {
    if (m_window == nullptr) {
        m_window = new HistoryWindow(m_history, m_settings, m_widgets.table);
        m_window->setSaveToFile(m_saveToFile);
        m_window->onSaveToFile = [this](bool on) { setSaveToFile(on); };
        m_window->setExportSource(
            m_file.folder(), [this](const HandRecord& hand) { return m_file.handIdFor(hand); });
        if (m_writeFailed)
            m_window->showNotice(m_failure);
    }
    m_window->open();
}

void TableStory::handChanged(std::size_t index) {
    if (index + 1 == m_history.hands().size()) {
        const HandRecord& hand = m_history.hands()[index];
        m_caption->setText(QString::fromStdString(tavolier::winnerCaption(hand, m_words)));
        const bool paid = hand.award() != nullptr;
        if (paid != m_potDimmed && m_widgets.pot != nullptr) {
            m_potDimmed = paid;
            setColour(m_widgets.pot, paid ? kPaidPotColour : kPotColour);
        }
    }
    if (m_window != nullptr)
        m_window->handChanged(index);
}

void TableStory::handFinished(const HandRecord& hand) {
    if (!m_saveToFile)
        return;
    if (m_file.append(hand)) {
        // Saving has resumed: the hands that waited are in the file now.
        if (m_writeFailed) {
            m_writeFailed = false;
            m_failure.clear();
            if (m_window != nullptr)
                m_window->showNotice(QString());
        }
        return;
    }
    if (m_writeFailed)
        return;
    // Play goes on, the history window says why until a write succeeds.
    m_writeFailed = true;
    m_failure = tr("Hands are not being saved: %1 could not be written.")
                    .arg(QString::fromStdString(m_file.fileFor(hand).string()));
    if (m_window != nullptr)
        m_window->showNotice(m_failure);
}

void TableStory::setSaveToFile(bool on) {
    m_saveToFile = on;
    m_guard([this, on] { m_settings.writeBoolean(kSection, kSaveKey, on); });
}

} // namespace tavolier
