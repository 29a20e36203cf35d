#include "ui/history_window.h"

#include "presentation/hand_history_file.h"
#include "settings/settings_store.h"
#include "ui/side_windows.h"
#include "ui/table_style.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <set>

namespace tavolier {

namespace {

constexpr std::string_view kSection = "History";

// Where a line keeps the parts the delegate draws.
constexpr int kTextRole = Qt::UserRole;
constexpr int kCardsRole = Qt::UserRole + 1;
constexpr int kAfterRole = Qt::UserRole + 2;
constexpr int kHandRole = Qt::UserRole + 3;

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// Draws a line's cards as small white tiles with the rank and the suit in
// red or black between the text before and after them.
class CardLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override {
        const QVariantList cards = index.data(kCardsRole).toList();
        if (cards.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        const bool selected = (opt.state & QStyle::State_Selected) != 0;
        const QColor textColour = opt.palette.color(
            QPalette::Normal, selected ? QPalette::HighlightedText : QPalette::Text);
        const QFontMetrics metrics(opt.font);
        int x = area.left() + 2;
        const int baseline
            = area.top() + (area.height() + metrics.ascent() - metrics.descent()) / 2;
        auto text = [&](const QString& t) {
            painter->setPen(textColour);
            painter->setFont(opt.font);
            painter->drawText(x, baseline, t);
            x += metrics.horizontalAdvance(t);
        };
        text(index.data(kTextRole).toString());
        QFont cardFont = opt.font;
        cardFont.setBold(true);
        const QFontMetrics cardMetrics(cardFont);
        for (const QVariant& value : cards) {
            const int picture = value.toInt();
            const Card card { picture / 13, picture % 13 };
            const QString glyph = QString::fromStdString(cardGlyphs(card));
            const int width = cardMetrics.horizontalAdvance(glyph) + 6;
            x += 4;
            const QRectF tile(x, area.top() + 2, width, area.height() - 4);
            painter->setPen(QColor(0x8a, 0x8a, 0x8a));
            painter->setBrush(QColor(0xfb, 0xfa, 0xf5));
            painter->drawRoundedRect(tile, 3, 3);
            painter->setPen(isRedSuit(card) ? QColor(0xc4, 0x12, 0x2f) : QColor(0x15, 0x15, 0x1a));
            painter->setFont(cardFont);
            painter->drawText(tile, Qt::AlignCenter, glyph);
            x += width;
        }
        x += 2;
        text(index.data(kAfterRole).toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        // A wrapped heading is measured in the width it is drawn in, right
        // of the branch marks.
        QStyleOptionViewItem opt = option;
        if (const auto* view = qobject_cast<const QTreeView*>(option.widget);
            view != nullptr && opt.rect.width() > 0) {
            int depth = 1;
            for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
                ++depth;
            opt.rect.setWidth(std::max(40, opt.rect.width() - depth * view->indentation() - 8));
        }
        QSize size = QStyledItemDelegate::sizeHint(opt, index);
        size.setHeight(std::max(size.height(), QFontMetrics(option.font).height() + 6));
        return size;
    }
};

} // namespace

HistoryWindow::HistoryWindow(const HandHistory& history, SettingsStore& settings, QWidget* table)
    : QWidget(table, Qt::Window)
    , m_history(history)
    , m_settings(settings)
    , m_table(table) {
    setObjectName("historyWindow");
    setWindowTitle(tr("Hand history"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    // Dark like the table's rail and the Statistics window.
    setStyleSheet(QString::fromLatin1(kDarkPanelStyle)
        + QStringLiteral("QPushButton { padding: 3px 8px; }")
        + QString::fromLatin1(kActionButtonStyle));

    m_list = new QTreeWidget(this);
    m_list->setObjectName("handList");
    m_list->setHeaderHidden(true);
    m_list->setColumnCount(1);
    m_list->setRootIsDecorated(true);
    m_list->setUniformRowHeights(false);
    // A hand's heading wraps rather than being cut.
    m_list->setWordWrap(true);
    m_list->setItemDelegate(new CardLineDelegate(m_list));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->header()->setStretchLastSection(true);
    m_list->setAccessibleName(tr("Hands of this session"));

    m_saveToFile = new QCheckBox(tr("Save to file"), this);
    m_saveToFile->setObjectName("saveToFile");
    m_copy = new QPushButton(tr("Copy hand"), this);
    m_copy->setObjectName("copyHand");
    m_copy->setToolTip(tr("Copy the selected hand as text (Ctrl+C)"));
    m_export = new QPushButton(tr("Export for tracking tools..."), this);
    m_export->setObjectName("exportForTrackers");
    m_export->setToolTip(tr("Save the selected hands, or all hands of a day, in the words every "
                            "tracking tool reads"));
    m_notice = new QLabel(this);
    m_notice->setObjectName("historyNotice");
    m_notice->setWordWrap(true);
    m_notice->hide();

    // The box above the buttons, so that the window stays narrow beside the table.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_export);
    buttons->addWidget(m_copy);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_notice);
    layout->addWidget(m_saveToFile);
    layout->addLayout(buttons);

    connect(m_copy, &QPushButton::clicked, this, [this] { copySelectedHand(); });
    connect(m_export, &QPushButton::clicked, this, [this] { exportForTrackers(); });
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, [this] { copySelectedHand(); });
    connect(m_saveToFile, &QCheckBox::toggled, this, [this](bool on) {
        if (onSaveToFile)
            onSaveToFile(on);
    });
    m_list->installEventFilter(this);
    setTabOrder(m_list, m_saveToFile);
    setTabOrder(m_saveToFile, m_export);
    setTabOrder(m_export, m_copy);

    for (std::size_t i = 0; i < m_history.hands().size(); ++i)
        handChanged(i);
}

HistoryWindow::~HistoryWindow() {
    if (isVisible())
        storePlace();
}

void HistoryWindow::open() {
    if (!m_placed) {
        m_placed = true;
        // The place it had last time, else beside the table.
        const int width = m_settings.readInteger(kSection, "width", 0);
        const int height = m_settings.readInteger(kSection, "height", 0);
        const int left = m_settings.readInteger(kSection, "left", INT32_MIN);
        const int top = m_settings.readInteger(kSection, "top", INT32_MIN);
        // A stored size never makes the window bigger than its screen,
        // which would put its controls out of reach.
        const QScreen* screen = m_table->screen();
        const QSize room
            = screen != nullptr ? screen->availableGeometry().size() : QSize(1000, 670);
        // A place on no screen (a screen since unplugged) is not used.
        const QPoint place(left, top);
        if (left == INT32_MIN || top == INT32_MIN || width < 200 || height < 150
            || QGuiApplication::screenAt(place + QPoint(20, 20)) == nullptr) {
            placeBesideTable(*this, *m_table, 360, 280);
        } else {
            resize(std::min(width, std::max(200, room.width())),
                std::min(height, std::max(150, room.height())));
            move(place);
        }
    }
    show();
    raise();
    activateWindow();
    // The rows' heights follow the width the window has now.
    m_list->doItemsLayout();
    m_list->setFocus();
    // The hand in view is the newest, open at the bottom: it is the one
    // selected, for the copy and the export.
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(m_list->topLevelItemCount() - 1));
}

void HistoryWindow::handChanged(std::size_t index) {
    if (index >= m_history.hands().size())
        return;
    const bool atEnd
        = m_list->verticalScrollBar()->value() == m_list->verticalScrollBar()->maximum();
    const int row = static_cast<int>(index);
    bool fresh = false;
    while (m_list->topLevelItemCount() <= row) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setData(0, kHandRole, m_list->topLevelItemCount() - 1);
        fresh = true;
    }
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    rebuild(item, m_history.hands()[index]);
    if (fresh) {
        // The newest hand opens; the one before it closes. A selection that
        // followed the newest hand follows it on.
        const int reading = m_list->currentItem() == nullptr ? -1 : handOf(m_list->currentItem());
        if (row > 0)
            m_list->topLevelItem(row - 1)->setExpanded(false);
        item->setExpanded(true);
        if (reading < 0 || reading == row - 1)
            m_list->setCurrentItem(item);
    }
    if (atEnd)
        m_list->scrollToBottom();
}

void HistoryWindow::rebuild(QTreeWidgetItem* row, const HandRecord& hand) {
    std::vector<HistoryLine> lines = historyLines(hand, m_words);
    QString heading = lines.empty() ? QString() : qs(lines.front().plain());
    const std::string caption = winnerCaption(hand, m_words);
    // The winner on a line of its own, so that a narrow window cuts nothing.
    if (!caption.empty())
        heading += QStringLiteral("\n") + qs(caption);
    row->setText(0, heading);
    QFont bold = m_list->font();
    bold.setBold(true);
    row->setFont(0, bold);

    const int wanted = static_cast<int>(lines.size()) - 1;
    while (row->childCount() > wanted)
        delete row->takeChild(row->childCount() - 1);
    while (row->childCount() < wanted)
        row->addChild(new QTreeWidgetItem);
    for (int i = 0; i < wanted; ++i) {
        const HistoryLine& line = lines[static_cast<std::size_t>(i) + 1];
        QTreeWidgetItem* child = row->child(i);
        QVariantList cards;
        for (const Card& c : line.cards)
            cards.push_back(imageIndex(c));
        child->setText(0, qs(line.plain()));
        child->setData(0, kTextRole, qs(line.text));
        child->setData(0, kCardsRole, cards);
        child->setData(0, kAfterRole, qs(line.after));
        QFont font = m_list->font();
        font.setBold(line.kind == HistoryLine::Kind::result);
        child->setFont(0, font);
    }
}

int HistoryWindow::handOf(const QTreeWidgetItem* item) const {
    if (item == nullptr)
        return m_list->topLevelItemCount() - 1;
    while (item->parent() != nullptr)
        item = item->parent();
    return m_list->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
}

QString HistoryWindow::selectedHandText() const {
    const int index = handOf(m_list->currentItem());
    if (index < 0 || static_cast<std::size_t>(index) >= m_history.hands().size())
        return {};
    return qs(historyText(m_history.hands()[static_cast<std::size_t>(index)], m_words));
}

void HistoryWindow::copySelectedHand() {
    const QString text = selectedHandText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void HistoryWindow::setExportSource(
    std::filesystem::path folder, std::function<std::int64_t(const HandRecord&)> handId) {
    m_folder = std::move(folder);
    m_handId = std::move(handId);
}

std::string HistoryWindow::selectedHandsForTrackers() const {
    std::set<int> indices;
    for (const QTreeWidgetItem* item : m_list->selectedItems())
        indices.insert(handOf(item));
    const int reading = handOf(m_list->currentItem());
    if (!indices.contains(reading))
        indices = { reading };
    std::string text;
    for (int index : indices) {
        if (index < 0 || static_cast<std::size_t>(index) >= m_history.hands().size())
            continue;
        const HandRecord& hand = m_history.hands()[static_cast<std::size_t>(index)];
        if (hand.finished())
            text += handHistoryText(
                hand, m_handId ? m_handId(hand) : hand.start.handNumber, HistoryStyle::trackers);
    }
    return text;
}

QStringList HistoryWindow::daysWithFiles() const {
    if (m_folder.empty())
        return {};
    static const QRegularExpression dayFile(
        QStringLiteral("^tavolier-(\\d{4}-\\d{2}-\\d{2})\\.txt$"));
    const QStringList files
        = QDir(QString::fromStdString(m_folder.string()))
              .entryList({ "tavolier-*.txt" }, QDir::Files, QDir::Name | QDir::Reversed);
    QStringList days;
    for (const QString& file : files) {
        const QRegularExpressionMatch m = dayFile.match(file);
        if (m.hasMatch())
            days.push_back(m.captured(1));
    }
    return days;
}

std::string HistoryWindow::dayForTrackers(const QString& day) const {
    QFile file(QString::fromStdString(m_folder.string()) + "/tavolier-" + day + ".txt");
    if (m_folder.empty() || !file.open(QIODevice::ReadOnly))
        return {};
    return forTrackingTools(file.readAll().toStdString());
}

std::optional<QString> HistoryWindow::writeExport(
    const QString& path, const std::string& text) const {
    std::vector<std::filesystem::path> kept { m_settings.filePath() };
    if (!m_folder.empty()) {
        for (const QString& day : daysWithFiles())
            kept.push_back(m_folder / ("tavolier-" + day.toStdString() + ".txt"));
    }
    const std::optional<std::string> failed
        = replaceFileWith(std::filesystem::path(QFile::encodeName(path).toStdString()), text, kept);
    if (!failed)
        return std::nullopt;
    return QString::fromStdString(*failed);
}

void HistoryWindow::exportForTrackers() {
    QMenu menu(this);
    QAction* selected = menu.addAction(tr("Selected hands"));
    selected->setEnabled(!selectedHandsForTrackers().empty());
    QMenu* days = menu.addMenu(tr("All hands of a day"));
    for (const QString& day : daysWithFiles())
        days->addAction(day)->setData(day);
    days->setEnabled(!days->isEmpty());
    const QAction* chosen = menu.exec(m_export->mapToGlobal(QPoint(0, m_export->height())));
    if (chosen == nullptr)
        return;
    const QString day = chosen == selected ? QString() : chosen->data().toString();
    const std::string text = day.isEmpty() ? selectedHandsForTrackers() : dayForTrackers(day);
    if (text.empty()) {
        showNotice(tr("There was nothing to export."));
        return;
    }
    const QString path = QFileDialog::getSaveFileName(this, tr("Export for tracking tools"),
        suggestedExportPath(day), tr("Hand histories (*.txt)"));
    if (path.isEmpty())
        return;
    exportTo(path, text);
}

QString HistoryWindow::suggestedExportPath(const QString& day) const {
    const QString folder = m_folder.empty()
        ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        : QString::fromStdString(m_folder.string());
    return QDir(folder).filePath(day.isEmpty() ? QString("tavolier-hands-for-trackers.txt")
                                               : "tavolier-" + day + "-for-trackers.txt");
}

bool HistoryWindow::exportTo(const QString& path, const std::string& text) {
    if (const std::optional<QString> failed = writeExport(path, text)) {
        showNotice(tr("The export could not be written to %1.").arg(path) + "\n" + *failed);
        return false;
    }
    // Each hand opens after a blank line, or the file.
    int hands = 0;
    for (std::size_t at = 0; (at = text.find(" Hand #", at)) != std::string::npos; ++at) {
        const std::size_t line = text.rfind('\n', at);
        if (line == std::string::npos || line == 0 || text[line - 1] == '\n')
            ++hands;
    }
    showNotice(hands == 1
            ? tr("1 hand written to %1").arg(QDir::toNativeSeparators(path))
            : tr("%1 hands written to %2").arg(hands).arg(QDir::toNativeSeparators(path)));
    return true;
}

QStringList HistoryWindow::linesOf(std::size_t index) const {
    QStringList lines;
    const QTreeWidgetItem* row = m_list->topLevelItem(static_cast<int>(index));
    if (row == nullptr)
        return lines;
    for (int i = 0; i < row->childCount(); ++i)
        lines.push_back(row->child(i)->text(0));
    return lines;
}

void HistoryWindow::setSaveToFile(bool on) {
    const QSignalBlocker quiet(m_saveToFile);
    m_saveToFile->setChecked(on);
}

void HistoryWindow::showNotice(const QString& text) {
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
}

bool HistoryWindow::tableKey(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!plain)
        return false;
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_H) {
        close();
        m_table->activateWindow();
        return true;
    }
    // The table's keys still play while the history has the focus.
    return passKeyToTable(event, m_table, Qt::Key_H);
}

void HistoryWindow::keyPressEvent(QKeyEvent* event) {
    if (!tableKey(event))
        QWidget::keyPressEvent(event);
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event) {
    // The list would take letters for its own search, and Ctrl+C for the
    // current line alone.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            copySelectedHand();
            return true;
        }
        if (tableKey(key))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void HistoryWindow::hideEvent(QHideEvent* event) {
    storePlace();
    QWidget::hideEvent(event);
}

void HistoryWindow::storePlace() {
    // The place is a convenience: a refused write loses it and says nothing.
    try {
        const QRect frame = frameGeometry();
        m_settings.writeInteger(kSection, "left", frame.left());
        m_settings.writeInteger(kSection, "top", frame.top());
        m_settings.writeInteger(kSection, "width", width());
        m_settings.writeInteger(kSection, "height", height());
    } catch (const SettingsWriteError&) { }
}

} // namespace tavolier
