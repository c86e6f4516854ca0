#include "chart/QtChartView.h"

#include "chart/QtChartPainter.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace vestra::chart {
namespace {

// How far from a point the pointer may be and still mean it.
constexpr double kPointerReach = 8;
// Below this the chart would be a smear of labels; the area stays blank instead.
constexpr int kSmallestChart = 120;

Point pointOf(const QPointF& p) {
    return {p.x(), p.y()};
}

} // namespace

QtChartView::QtChartView(QWidget* parent) : QWidget(parent) {
    setObjectName("chartView");
    // Reached with Tab once it has room (see resizeEvent); a click chooses a point without
    // taking the focus from the table.
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setMinimumSize(0, 0);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAutoFillBackground(true);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, Qt::white);
    setPalette(paper);
}

void QtChartView::showGroup(const DataSet& data, int g, const TemperatureUnit& unit) {
    mode_ = Mode::Group;
    data_ = &data;
    group_ = g;
    unit_ = unit;
    selected_ = 0;
    relayout();
}

void QtChartView::showOverview(const DataSet& data) {
    mode_ = Mode::Overview;
    data_ = &data;
    group_ = 0;
    selected_ = 0;
    selectedGroup_ = 0;
    relayout();
}

const Drawing& QtChartView::drawing() const {
    return mode_ == Mode::Overview ? overview_.drawing : groupChart_.drawing;
}

void QtChartView::relayout() {
    if (data_ == nullptr) {
        return;
    }
    double w = width();
    double h = height();
    if (mode_ == Mode::Group) {
        groupChart_ = LayoutGroupChart(*data_, group_, unit_, w, h);
    } else if (mode_ == Mode::Overview) {
        overview_ = LayoutOverviewChart(*data_, w, h);
    }
    update();
}

void QtChartView::selectReading(int no) {
    bool drawn = std::any_of(groupChart_.readings.begin(), groupChart_.readings.end(),
                             [no](const PlottedReading& r) { return r.no == no; });
    selected_ = mode_ == Mode::Group && drawn ? no : 0;
    update();
}

void QtChartView::chooseReading(int no) {
    selectReading(no);
    if (selected_ != 0) {
        showCaption(selected_);
        emit readingChosen(selected_);
    }
}

void QtChartView::showCaption(int no) {
    for (const PlottedReading& r : groupChart_.readings) {
        if (r.no == no) {
            std::string caption = ReadingCaption(data_->group(group_), no, unit_);
            QPoint at(static_cast<int>(r.at.x), static_cast<int>(r.at.y));
            QToolTip::showText(mapToGlobal(at), QString::fromStdString(caption), this);
        }
    }
}

void QtChartView::stepGroup(int step) {
    int g = selectedGroup_ == 0 ? (step > 0 ? 1 : kGroupCount) : selectedGroup_ + step;
    selectedGroup_ = std::clamp(g, 1, kGroupCount);
    update();
}

void QtChartView::paintEvent(QPaintEvent*) {
    if (mode_ == Mode::Empty || focusPolicy() == Qt::NoFocus) {
        return;
    }
    QPainter painter(this);
    PaintDrawing(painter, drawing());
    paintSelection(painter);
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight(), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// The chosen reading gets a ring, the chosen group of the overview a frame; neither is part
// of the drawing, so a saved chart shows none.
void QtChartView::paintSelection(QPainter& painter) const {
    painter.setPen(QPen(palette().highlight(), 2));
    painter.setBrush(Qt::NoBrush);
    if (mode_ == Mode::Group) {
        for (const PlottedReading& r : groupChart_.readings) {
            if (r.no == selected_) {
                painter.drawEllipse(QPointF(r.at.x, r.at.y), 7, 7);
            }
        }
    } else if (selectedGroup_ != 0) {
        const Rect& c = overview_.cells[static_cast<std::size_t>(selectedGroup_ - 1)];
        painter.drawRect(QRectF(c.left - 2, c.top - 2, c.width + 4, c.height + 4));
    }
}

// Too small to show anything, the chart stays out of the Tab order too, so the window's keys
// work as they always did.
void QtChartView::resizeEvent(QResizeEvent*) {
    bool shown = width() >= kSmallestChart && height() >= kSmallestChart;
    setFocusPolicy(shown ? Qt::TabFocus : Qt::NoFocus);
    relayout();
}

void QtChartView::mouseMoveEvent(QMouseEvent* event) {
    if (mode_ != Mode::Group) {
        return;
    }
    int no = ReadingAt(groupChart_.readings, pointOf(event->position()), kPointerReach);
    if (no != 0) {
        showCaption(no);
    } else {
        QToolTip::hideText();
    }
}

void QtChartView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (mode_ == Mode::Group) {
        int no = ReadingAt(groupChart_.readings, pointOf(event->position()), kPointerReach);
        if (no != 0) {
            chooseReading(no);
        }
    } else if (mode_ == Mode::Overview) {
        if (int g = GroupAt(overview_, pointOf(event->position())); g != 0) {
            emit groupChosen(g);
        }
    }
}

void QtChartView::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    if (mode_ == Mode::Overview) {
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            stepGroup(key == Qt::Key_Left ? -1 : 1);
            return;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && selectedGroup_ != 0) {
            emit groupChosen(selectedGroup_);
            return;
        }
    }
    int count = mode_ == Mode::Group ? static_cast<int>(UsableCount(data_->group(group_))) : 0;
    if (count > 0) {
        int step = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
        int no = key == Qt::Key_Home ? 1 : key == Qt::Key_End ? count : selected_ + step;
        if (step != 0 || key == Qt::Key_Home || key == Qt::Key_End) {
            chooseReading(std::clamp(no, 1, count));
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void QtChartView::contextMenuEvent(QContextMenuEvent* event) {
    if (mode_ == Mode::Empty) {
        return;
    }
    QMenu menu(this);
    QAction* png = menu.addAction(QStringLiteral("PNG形式で保存..."));
    QAction* svg = menu.addAction(QStringLiteral("SVG形式で保存..."));
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == png) {
        emit saveRequested(ChartFormat::Png);
    } else if (chosen == svg) {
        emit saveRequested(ChartFormat::Svg);
    }
}

} // namespace vestra::chart
