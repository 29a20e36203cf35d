// The chips chart of the Statistics window, drawn with Qt Charts. Built as
// a plugin so that only opening the Statistics window loads Qt Charts.
#include "ui/chips_chart.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QCursor>
#include <QLegendMarker>
#include <QLineSeries>
#include <QObject>
#include <QPainter>
#include <QPen>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace tavolier {

namespace {

// A round step for an axis that shows about `ticks` intervals over span.
qreal niceStep(qreal span, int ticks) {
    const qreal raw = std::max<qreal>(span / ticks, 1.0);
    const qreal magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (qreal factor : { 1.0, 2.0, 2.5, 5.0, 10.0 }) {
        if (factor * magnitude >= raw)
            return factor * magnitude;
    }
    return 10.0 * magnitude;
}

const QColor kInk(0xf2, 0xe6, 0xc8);
const QColor kGrid(0x3c, 0x5a, 0x46);
const QColor kFelt(0x10, 0x2a, 0x1c);

} // namespace

class ChipsChartPlugin : public QObject, public ChipsChartFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TavolierChipsChartFactory_iid)
    Q_INTERFACES(tavolier::ChipsChartFactory)

public:
    QWidget* createChart(QWidget* parent) override {
        auto* chart = new QChart;
        chart->setBackgroundBrush(kFelt);
        chart->setBackgroundRoundness(0);
        chart->setMargins(QMargins(6, 6, 6, 6));
        chart->legend()->setAlignment(Qt::AlignRight);
        chart->legend()->setLabelColor(kInk);
        QFont legendFont = chart->legend()->font();
        legendFont.setPointSizeF(9);
        chart->legend()->setFont(legendFont);
        chart->setAnimationOptions(QChart::NoAnimation);

        auto* hands = new QValueAxis;
        hands->setTitleText(QCoreApplication::translate("StatisticsWindow", "Hand"));
        auto* chips = new QValueAxis;
        chips->setTitleText(QCoreApplication::translate("StatisticsWindow", "Chips"));
        for (QValueAxis* axis : { hands, chips }) {
            axis->setLabelsColor(kInk);
            axis->setTitleBrush(kInk);
            axis->setGridLineColor(kGrid);
            axis->setLinePenColor(kInk);
            axis->setLabelFormat(QStringLiteral("%d"));
        }
        chart->addAxis(hands, Qt::AlignBottom);
        chart->addAxis(chips, Qt::AlignLeft);

        auto* view = new QChartView(chart, parent);
        view->setObjectName(QStringLiteral("chipsChart"));
        view->setRenderHint(QPainter::Antialiasing);
        view->setBackgroundBrush(kFelt);
        return view;
    }

    void showLines(QWidget* widget, const QList<ChipsLine>& lines) override {
        auto* view = qobject_cast<QChartView*>(widget);
        if (view == nullptr)
            return;
        QChart* chart = view->chart();
        chart->removeAllSeries();
        const auto horizontal = chart->axes(Qt::Horizontal);
        const auto vertical = chart->axes(Qt::Vertical);
        auto* hands
            = horizontal.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(horizontal.first());
        auto* chips = vertical.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(vertical.first());

        int longest = 0;
        int low = 0;
        int high = 0;
        bool first = true;
        for (const ChipsLine& line : lines) {
            auto* series = new QLineSeries;
            series->setName(line.name);
            QPen pen(line.colour);
            pen.setWidthF(2.0);
            series->setPen(pen);
            // A single hand is a point, not a line: show the markers then.
            series->setPointsVisible(line.chips.size() < 2);
            for (qsizetype i = 0; i < line.chips.size(); ++i) {
                const int value = line.chips[i];
                series->append(static_cast<qreal>(i + 1), value);
                low = first ? value : std::min(low, value);
                high = first ? value : std::max(high, value);
                first = false;
            }
            longest = std::max(longest, static_cast<int>(line.chips.size()));
            // Lines close together are told apart under the pointer: the
            // line thickens, shows its points and names itself and its figure.
            const bool single = line.chips.size() < 2;
            QObject::connect(series, &QLineSeries::hovered, view,
                [view, series, single, name = line.name](const QPointF& point, bool on) {
                    QPen hovered = series->pen();
                    hovered.setWidthF(on ? 4.0 : 2.0);
                    series->setPen(hovered);
                    series->setPointsVisible(on || single);
                    if (on)
                        QToolTip::showText(QCursor::pos(),
                            QCoreApplication::translate("StatisticsWindow", "%1: %2 after hand %3")
                                .arg(name)
                                .arg(qRound(point.y()))
                                .arg(qRound(point.x())),
                            view);
                    else
                        QToolTip::hideText();
                });
            chart->addSeries(series);
            if (hands != nullptr)
                series->attachAxis(hands);
            if (chips != nullptr)
                series->attachAxis(chips);
        }

        if (hands != nullptr) {
            const int last = std::max(longest, 2);
            // One hand's points stand clear of the axis, in the middle.
            if (longest < 2)
                hands->setRange(0.5, 1.5);
            else
                hands->setRange(1, last);
            hands->setTickType(QValueAxis::TicksDynamic);
            hands->setTickAnchor(1);
            hands->setTickInterval(niceStep(last - 1, 8));
        }
        if (chips != nullptr) {
            if (first) {
                low = 0;
                high = 1;
            }
            // The stacks' own range with a margin, in round figures, so that
            // small swings around the starting stack still read. (Stacks from
            // a hand-edited file may span the whole 32-bit range.)
            const qreal lowest = low;
            const qreal highest = high;
            const qreal step = niceStep(std::max<qreal>(highest - lowest, 100.0), 5);
            qreal bottom = std::floor((lowest - step / 2) / step) * step;
            if (lowest >= 0 && bottom < 0)
                bottom = 0;
            const qreal top = std::ceil((highest + step / 2) / step) * step;
            chips->setRange(bottom, std::max(top, bottom + step));
            chips->setTickType(QValueAxis::TicksDynamic);
            chips->setTickAnchor(bottom);
            chips->setTickInterval(step);
        }
    }

    QList<int> pointCounts(QWidget* widget) const override {
        QList<int> counts;
        auto* view = qobject_cast<QChartView*>(widget);
        if (view == nullptr)
            return counts;
        for (QAbstractSeries* series : view->chart()->series()) {
            if (auto* line = qobject_cast<QLineSeries*>(series))
                counts.append(static_cast<int>(line->count()));
        }
        return counts;
    }
};

} // namespace tavolier

#include "chips_chart_plugin.moc"
