#pragma once

#include <QCoreApplication>

#include "core/game_events.h"
#include "presentation/match_statistics.h"
#include "presentation/style_statistics.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class QGridLayout;
class QLabel;

namespace tavolier {

class ChipsChartFactory;

// The colour of each seat's line on the chart, chosen from its portrait, and
// used for its name in the window too (by seat number, [0] unused).
[[nodiscard]] QColor seatColour(SeatNumber seat);

// Loads the chips chart plugin from the first folder that has it; null when
// none has (the window then shows its figures without the chart). Qt Charts
// comes in with the plugin, so nothing loads it before this runs.
[[nodiscard]] ChipsChartFactory* loadChipsChart(const QStringList& dirs, QString* error = nullptr);

// "Statistics": a window beside the table, not modal, with the stored
// counters and their rates (all time and this session), the session's wins
// by seat, its biggest pot, the human's best hand, each seat's style (the
// character's line, and this session's VPIP, PFR, aggression and showdowns)
// and a chart of every seat's chips over the hands of the current match. It
// reads the statistics the window keeps from the game events and refreshes
// after every hand.
class StatisticsWindow : public QWidget, public GameEvents {
    Q_DECLARE_TR_FUNCTIONS(StatisticsWindow)

public:
    // Without styles, the style figures read "–".
    StatisticsWindow(const MatchStatistics& statistics, std::function<StoredCounters()> counters,
        const QStringList& pluginDirs, QWidget* parent, const StyleStatistics* styles = nullptr);

    // Shows the figures and the chart as they stand now.
    void refresh();
    // Places the window against the table's edge without covering it (see
    // placeBesideTable), as tall as the table.
    void placeBeside(QWidget& table);

    // The chart widget and the plugin that drew it; null without the plugin.
    [[nodiscard]] QWidget* chart() const { return m_chart; }
    [[nodiscard]] ChipsChartFactory* chartFactory() const { return m_factory; }

    void handStarted(const HandStarted& e) override;
    void handEnded(const HandEnded& e) override;

protected:
    void showEvent(QShowEvent* event) override;
    // S and Esc close the window; the table's keys go to the table.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* addFigure(QGridLayout* grid, int row, int column, const QString& objectName);

    const MatchStatistics& m_statistics;
    std::function<StoredCounters()> m_counters;
    ChipsChartFactory* m_factory = nullptr;
    QWidget* m_chart = nullptr;
    // Counters: rows played, won, won rate, showdowns, showdown rate; columns
    // all time and session.
    std::array<std::array<QLabel*, 2>, 5> m_counterLabels {};
    std::array<QLabel*, 9> m_winLabels {};
    const StyleStatistics* m_styles = nullptr;
    // By seat number: VPIP, PFR, aggression factor, went to showdown.
    std::array<std::array<QLabel*, 4>, 9> m_styleLabels {};
    QLabel* m_biggestPot = nullptr;
    QLabel* m_bestHand = nullptr;
    QLabel* m_chartNote = nullptr;
};

} // namespace tavolier
