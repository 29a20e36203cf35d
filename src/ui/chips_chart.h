#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QtPlugin>

class QWidget;

namespace tavolier {

// One seat's line on the chips chart: its name, its colour and its chips
// after each hand of the match (hand 1 first).
struct ChipsLine {
    QString name;
    QColor colour;
    QList<int> chips;
};

// What the Statistics window asks of the chart. The chart is drawn with Qt
// Charts, which is a large library the table never needs: it lives in a
// plugin of its own that the window loads when the Statistics window first
// opens, so the game starts as fast as without it.
class ChipsChartFactory {
public:
    virtual ~ChipsChartFactory() = default;
    // A new, empty chart widget.
    [[nodiscard]] virtual QWidget* createChart(QWidget* parent) = 0;
    // Shows the lines on a chart made by createChart, replacing what it showed.
    virtual void showLines(QWidget* chart, const QList<ChipsLine>& lines) = 0;
    // The number of lines and the points of each, as the chart holds them.
    [[nodiscard]] virtual QList<int> pointCounts(QWidget* chart) const = 0;
};

} // namespace tavolier

#define TavolierChipsChartFactory_iid "org.tavolier.ChipsChartFactory/1"
Q_DECLARE_INTERFACE(tavolier::ChipsChartFactory, TavolierChipsChartFactory_iid)
