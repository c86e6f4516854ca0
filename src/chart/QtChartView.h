#pragma once

#include "base/TemperatureUnit.h"
#include "chart/ChartFormat.h"
#include "chart/GroupChart.h"
#include "chart/OverviewChart.h"

#include <QWidget>

namespace vestra::chart {

// The chart beside the main window's panels: a group's readings while a group is shown, the
// 15 small charts while the overview is. It lays the chart out again at every size and only
// paints what the layout gives. The pointer shows a reading's details and chooses it (or a
// group in the overview); so do the arrow keys, Home and End, and Enter in the overview.
class QtChartView : public QWidget {
    Q_OBJECT
public:
    explicit QtChartView(QWidget* parent = nullptr);

    // The data stays owned by the caller and must outlive the next show call.
    void showGroup(const DataSet& data, int g, const TemperatureUnit& unit);
    void showOverview(const DataSet& data);

    const Drawing& drawing() const;
    const std::vector<PlottedReading>& readings() const { return groupChart_.readings; }
    int selectedReading() const { return selected_; }
    int selectedGroup() const { return selectedGroup_; }

public slots:
    // Marks reading no (0 for none) without announcing it, as when the table's row moves.
    void selectReading(int no);

signals:
    void readingChosen(int no);
    void groupChosen(int g);
    void saveRequested(vestra::chart::ChartFormat format);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum class Mode { Empty, Group, Overview };

    void relayout();
    void chooseReading(int no);
    void stepGroup(int step);
    void showCaption(int no);
    void paintSelection(QPainter& painter) const;

    Mode mode_ = Mode::Empty;
    const DataSet* data_ = nullptr;
    int group_ = 0;
    TemperatureUnit unit_;
    GroupChart groupChart_;
    OverviewChart overview_;
    int selected_ = 0;
    int selectedGroup_ = 0;
};

} // namespace vestra::chart
