#include "ui/options_panel.h"

#include "game/rule_set.h"
#include "settings/opponents_pace.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/table_texts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string_view>

namespace tavolier {

namespace {

const QColor kPanelColor(201, 253, 189);
const QColor kFieldColor(118, 26, 18);

// The panel's small push buttons share one flat look.
const char* const kPanelButtonStyle
    = "QPushButton { color: black; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
      " stop:0 #f4f1e6, stop:1 #cfc8b2); border: 1px solid #5b4a2e; border-radius: 3px;"
      " padding: 0px; }"
      "QPushButton:hover { background: #fffbe9; }"
      "QPushButton:pressed { background: #b9b097; }"
      "QPushButton:focus { border: 2px solid #1f4fbf; }"
      "QPushButton:disabled { color: #8a8a8a; }";

} // namespace

OptionsPanel::OptionsPanel(const AssetFinder& finder, qreal scale, QWidget* parent)
    : QWidget(parent)
    , m_picture(finder, pictureInLanguage(finder, QStringLiteral("options.png")), scale) {
    setObjectName("Panel1");
    setGeometry(232, 104, 522, 431);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kPanelColor);
    setPalette(pal);

    // Image1: the panel's picture, a little larger than the panel itself.
    m_image = new QLabel(this);
    m_image->setObjectName("Image1");
    m_image->setGeometry(0, 0, 529, 437);
    // The picture follows the panel when the table is zoomed.
    m_image->setScaledContents(true);

    addLabel(tr("Initial cash:"), 80, 78)->setObjectName("Label12");
    money = new QLineEdit(this);
    money->setObjectName("money");
    money->setGeometry(190, 75, 54, 21);
    dxButton2 = new QPushButton(tr("Enter"), this);
    dxButton2->setObjectName("dxButton2");
    dxButton2->setGeometry(252, 78, 50, 17);

    addLabel(tr("Play until"), 80, 114)->setObjectName("Label13");
    addLabel(tr("someone wins:"), 80, 128)->setObjectName("Label14");
    until = new QLineEdit(this);
    until->setObjectName("until");
    until->setGeometry(190, 118, 54, 21);
    dxButton3 = new QPushButton(tr("Enter"), this);
    dxButton3->setObjectName("dxButton3");
    dxButton3->setGeometry(252, 120, 50, 17);

    addLabel(tr("Sound"), 384, 64)->setObjectName("Label5");
    SoundOff1 = new QPushButton(QCoreApplication::translate("TableText", "On"), this);
    SoundOff1->setObjectName("SoundOff1");
    SoundOff1->setGeometry(376, 88, 55, 17);

    addLabel(tr("Card Back"), 376, 144)->setObjectName("Label8");
    cardbacks = addRadioGroup({ "1", "2", "3", "4", "5", "6", "7", "8" }, 376, 168, 57, 169);
    cardbacks->setObjectName("cardbacks");

    addLabel(tr("AI Level"), 104, 192)->setObjectName("Label1");
    Levels = addRadioGroup(
        { tr("Amateur"), tr("Expert"), tr("Master"), tr("Genius") }, 78, 220, 97, 105);
    Levels->setObjectName("Levels");

    addLabel(tr("Betting Limits:"), 230, 186)->setObjectName("Label11");
    addLabel(tr("Small Bet:"), 226, 248)->setObjectName("Label6");
    addLabel("$", 298, 248)->setObjectName("Label10");
    Label3 = addLabel("", 306, 248);
    Label3->setObjectName("Label3");
    addLabel(tr("Big Bet:"), 227, 272)->setObjectName("Label7");
    addLabel("$", 298, 272)->setObjectName("Label9");
    Label4 = addLabel("", 306, 272);
    Label4->setObjectName("Label4");

    // UpDown1: a horizontal pair of arrows, 80 x 17 in all.
    upDownLeft = new QPushButton(QString::fromUtf8("\u25C0"), this);
    upDownLeft->setObjectName("UpDown1Left");
    upDownLeft->setGeometry(232, 312, 40, 17);
    upDownLeft->setToolTip(tr("Lower betting limits"));
    upDownRight = new QPushButton(QString::fromUtf8("\u25B6"), this);
    upDownRight->setObjectName("UpDown1Right");
    upDownRight->setGeometry(272, 312, 40, 17);
    upDownRight->setToolTip(tr("Higher betting limits"));

    dxButton1 = new QPushButton(tr("Ok"), this);
    dxButton1->setObjectName("dxButton1");
    dxButton1->setGeometry(238, 368, 65, 25);

    // The opponents' pace, in the little box under the card backs, and the
    // rules in the box under the AI level.
    const QString comboStyle
        = QString("QComboBox { background: %1; color: white; border: 1px solid #d9c48a;"
                  " padding: 0px 4px; }"
                  "QComboBox:focus { border: 2px solid #ffe68a; }"
                  "QComboBox QAbstractItemView { background: %1; color: white;"
                  " selection-background-color: #d4a93a; selection-color: black; }")
              .arg(kFieldColor.name());
    auto addCombo = [&](const char* name, const QString& tip, const QRect& place) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(name);
        combo->setGeometry(place);
        combo->setFont(uiFont("Verdana", 8, false));
        combo->setCursor(Qt::PointingHandCursor);
        combo->setToolTip(tip);
        combo->setStyleSheet(comboStyle);
        return combo;
    };
    addLabel(tr("Opponents' pace"), 374, 361)->setObjectName("LabelPace");
    pace = addCombo(
        "pace", tr("How fast the opponents' actions are shown"), QRect(374, 378, 96, 19));
    for (std::string_view caption : kPaceCaptions)
        pace->addItem(tableText(caption));
    addLabel(tr("Rules"), 76, 361)->setObjectName("LabelRules");
    rules = addCombo("rules",
        tr("Classic: the game's own rules. Standard: limit hold'em as card rooms play it. "
           "A change takes effect at the next Deal."),
        QRect(76, 378, 104, 19));
    for (const RuleSetEntry& entry : ruleSets())
        rules->addItem(tableText(entry.caption));

    for (QPushButton* button :
        { dxButton2, dxButton3, SoundOff1, upDownLeft, upDownRight, dxButton1 }) {
        button->setFont(uiFont("Verdana", 8, false));
        button->setStyleSheet(kPanelButtonStyle);
        button->setCursor(Qt::PointingHandCursor);
    }
    for (QLineEdit* edit : { money, until }) {
        edit->setFont(uiFont("Verdana", 8, false));
        edit->setStyleSheet(
            QString("QLineEdit { background: %1; color: white; border: 1px solid #d9c48a;"
                    " padding: 0px 2px; selection-background-color: #d4a93a; }"
                    "QLineEdit:focus { border: 2px solid #ffe68a; }")
                .arg(kFieldColor.name()));
    }
}

OptionsPanel::~OptionsPanel() = default;

void OptionsPanel::showEvent(QShowEvent* event) {
    if (!m_picture.decoded() && !m_picture.image().isNull())
        m_image->setPixmap(QPixmap::fromImage(m_picture.image()));
    QWidget::showEvent(event);
}

QLabel* OptionsPanel::addLabel(const QString& text, int x, int y) {
    auto* label = new QLabel(text, this);
    label->setFont(uiFont("Verdana", 8, false));
    label->setStyleSheet("QLabel { color: white; background: transparent; }");
    label->move(x, y);
    label->adjustSize();
    return label;
}

QButtonGroup* OptionsPanel::addRadioGroup(
    const QStringList& items, int x, int y, int width, int height) {
    auto* frame = new QFrame(this);
    frame->setGeometry(x, y, width, height);
    frame->setStyleSheet(QString(
        "QFrame { background: %1; border: 1px solid #d9c48a; }"
        "QRadioButton { color: white; border: none; background: transparent; spacing: 5px; }"
        "QRadioButton:focus { color: #ffe68a; text-decoration: underline; }"
        "QRadioButton::indicator { width: 8px; height: 8px; border-radius: 5px;"
        " border: 1px solid #e8d9a8; background: #4a0f0a; }"
        "QRadioButton::indicator:checked { background: qradialgradient(cx:0.5,"
        " cy:0.5, radius:0.5, fx:0.5, fy:0.5, stop:0 #ffffff, stop:0.55 #f3d98a,"
        " stop:0.6 #4a0f0a); }")
                             .arg(kFieldColor.name()));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 4, 4, 4);
    layout->setSpacing(0);
    auto* group = new QButtonGroup(frame);
    group->setExclusive(true);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], frame);
        radio->setFont(uiFont("Verdana", 8, false));
        radio->setCursor(Qt::PointingHandCursor);
        layout->addWidget(radio);
        group->addButton(radio, i);
    }
    return group;
}

void OptionsPanel::stepUpDown(int direction) {
    m_position = std::clamp(m_position + direction, 1, 5);
}

void OptionsPanel::select(QButtonGroup* group, int item) {
    const QList<QAbstractButton*> buttons = group->buttons();
    if (item < 0 || buttons.isEmpty()) {
        group->setExclusive(false);
        for (QAbstractButton* button : buttons)
            button->setChecked(false);
        group->setExclusive(true);
        return;
    }
    const int last = static_cast<int>(buttons.size()) - 1;
    if (QAbstractButton* button = group->button(std::min(item, last)))
        button->setChecked(true);
}

int OptionsPanel::selected(const QButtonGroup* group) {
    return group->checkedId();
}

} // namespace tavolier
