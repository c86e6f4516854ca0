#pragma once

#include "history/HistoryRecords.h"

#include <QWidget>
#include <vector>

namespace vestra {

// The history window's trend chart: laid out again at every size, painted as the main
// window's chart paints.
class QtTrendView : public QWidget {
public:
    explicit QtTrendView(QWidget* parent = nullptr);

    void showReadings(const std::vector<history::HistoryReading>& readings);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<history::HistoryReading> readings_;
};

} // namespace vestra
