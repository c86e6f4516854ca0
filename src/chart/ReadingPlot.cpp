#include "chart/ReadingPlot.h"

#include "chart/ChartScale.h"
#include "chart/TextWidth.h"
#include "data/ValueFormat.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace vestra::chart {
namespace {

constexpr Colour kPaper{255, 255, 255};
constexpr double kTickGap = 4;
// Vertical room a value label needs; the value axis gets one tick per this many pixels.
constexpr double kValueTickPixels = 40;

struct Series {
    std::vector<int> nos; // readings with a finite value, in reading order
    std::vector<long long> seconds;
    std::vector<double> values;
};

Series seriesOf(const GroupSetting& group) {
    Series s;
    std::size_t n = UsableCount(group);
    for (std::size_t k = 0; k < n; ++k) {
        if (std::isfinite(group.recordValues[k])) {
            s.nos.push_back(static_cast<int>(k + 1));
            s.seconds.push_back(SecondsOf(group.recordTimes[k]));
            s.values.push_back(group.recordValues[k]);
        }
    }
    return s;
}

// The readings' range, stretched to a limit that lies within one span of it.
std::pair<double, double> valueRange(const Series& s, const GroupSetting& group) {
    auto [lo, hi] = std::minmax_element(s.values.begin(), s.values.end());
    double low = *lo;
    double high = *hi;
    double reach = std::max(high - low, 5.0);
    for (double limit : {double(group.alarmLow), double(group.alarmHigh)}) {
        if (std::isfinite(limit) && limit >= low - reach && limit <= high + reach) {
            low = std::min(low, limit);
            high = std::max(high, limit);
        }
    }
    return {low, high};
}

class Plotter {
public:
    Plotter(const GroupSetting& group, Rect plot, const PlotStyle& style, Drawing& out,
            std::span<const AlarmMark> marks)
        : group_(group), plot_(plot), style_(style), out_(out), marks_(marks) {}

    std::vector<PlottedReading> draw();

private:
    // The readings keep a marker's breadth or more from the frame, so that none hides in it.
    double inset(double side) const { return std::min(side / 4, 3 * style_.markerRadius); }
    double x(long long t) const {
        double room = inset(plot_.width);
        return plot_.left + room +
               double(t - time_.first) / double(time_.last - time_.first) *
                   (plot_.width - 2 * room);
    }
    double y(double v) const {
        double room = inset(plot_.height);
        return plot_.bottom() - room -
               (v - value_.low) / (value_.high - value_.low) * (plot_.height - 2 * room);
    }
    bool inRange(double v) const { return v >= value_.low && v <= value_.high; }
    void text(Point at, std::string s, Colour ink, Anchor anchor) {
        out_.shapes.emplace_back(Text{at, std::move(s), ink, style_.fontSize, anchor});
    }
    void valueAxis();
    void timeAxis();
    void limitLine(double value, Colour ink, const char* name, double labelOffset);
    void averageLine();
    void line();
    std::vector<PlottedReading> markers();
    void extremes(const std::vector<PlottedReading>& drawn);

    const GroupSetting& group_;
    Rect plot_;
    PlotStyle style_;
    Drawing& out_;
    std::span<const AlarmMark> marks_;
    Series series_;
    ValueScale value_;
    TimeScale time_;
};

std::vector<PlottedReading> Plotter::draw() {
    out_.shapes.emplace_back(
        Box{{plot_.left, plot_.top}, plot_.width, plot_.height, kInk, true, kPaper});
    series_ = seriesOf(group_);
    if (series_.values.empty()) {
        text({plot_.left + plot_.width / 2, plot_.top + plot_.height / 2 + style_.fontSize / 3},
             std::string(kNoReadings), kPointInk, Anchor::Middle);
        return {};
    }
    auto [low, high] = valueRange(series_, group_);
    value_ = NiceValueScale(low, high, std::max(2, int(plot_.height / kValueTickPixels)));
    auto [first, last] = std::minmax_element(series_.seconds.begin(), series_.seconds.end());
    double labelWidth = TextWidth("0000/00/00", style_.fontSize) + 3 * kTickGap;
    time_ = NiceTimeScale(*first, *last, std::max(1, int(plot_.width / labelWidth)));
    if (style_.labelled) {
        valueAxis();
        timeAxis();
    }
    limitLine(group_.alarmHigh, kHighInk, "上限", -kTickGap);
    limitLine(group_.alarmLow, kLowInk, "下限", style_.fontSize);
    if (style_.labelled) {
        averageLine();
    }
    line();
    std::vector<PlottedReading> drawn = markers();
    if (style_.labelled) {
        extremes(drawn);
    }
    return drawn;
}

void Plotter::valueAxis() {
    for (double tick : value_.ticks) {
        double at = y(tick);
        out_.shapes.emplace_back(Line{{plot_.left, at}, {plot_.right(), at}, kGridInk});
        text({plot_.left - kTickGap, at + style_.fontSize / 3},
             FormatTemperature(static_cast<float>(tick), false), kInk, Anchor::End);
    }
}

// Each tick shows its time of day; the date stands under the first tick and under every
// tick where the day changes, in the form the tables use.
void Plotter::timeAxis() {
    std::string lastDate;
    for (long long tick : time_.ticks) {
        double at = x(tick);
        out_.shapes.emplace_back(Line{{at, plot_.top}, {at, plot_.bottom()}, kGridInk});
        std::string stamp = FormatTimestamp(DateTimeOfSeconds(tick));
        std::string date = stamp.substr(0, stamp.find(' '));
        std::string clock = stamp.substr(stamp.find(' ') + 1);
        double baseline = plot_.bottom() + kTickGap + style_.fontSize;
        text({at, baseline}, clock, kInk, Anchor::Middle);
        if (date != lastDate) {
            text({at, baseline + style_.fontSize + 2}, date, kInk, Anchor::Middle);
            lastDate = date;
        }
    }
}

void Plotter::limitLine(double value, Colour ink, const char* name, double labelOffset) {
    if (!std::isfinite(value) || !inRange(value)) {
        return;
    }
    double at = y(value);
    out_.shapes.emplace_back(Line{{plot_.left, at}, {plot_.right(), at}, ink, 1, true});
    if (style_.labelled) {
        text({plot_.left + kTickGap, at + labelOffset}, name, ink, Anchor::Start);
    }
}

void Plotter::averageLine() {
    if (series_.values.size() < 2 || !inRange(group_.average)) {
        return;
    }
    double at = y(group_.average);
    out_.shapes.emplace_back(Line{{plot_.left, at}, {plot_.right(), at}, kAverageInk, 2});
    text({plot_.right() - kTickGap, at - kTickGap}, "平均", kAverageInk, Anchor::End);
}

// Joined in time order, so readings recorded out of order still draw a trend, not a zigzag;
// equal times keep their recorded order.
void Plotter::line() {
    if (series_.values.size() < 2) {
        return;
    }
    std::vector<std::size_t> order(series_.values.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return series_.seconds[a] < series_.seconds[b];
    });
    Polyline path{{}, kLineInk, 1.5};
    for (std::size_t i : order) {
        path.points.push_back({x(series_.seconds[i]), y(series_.values[i])});
    }
    out_.shapes.emplace_back(std::move(path));
}

std::vector<PlottedReading> Plotter::markers() {
    std::vector<PlottedReading> drawn;
    for (std::size_t i = 0; i < series_.values.size(); ++i) {
        std::size_t index = static_cast<std::size_t>(series_.nos[i] - 1);
        AlarmMark mark = index < marks_.size()
                             ? marks_[index]
                             : AlarmMarkOf(static_cast<float>(series_.values[i]), group_);
        PlottedReading reading{series_.nos[i], {x(series_.seconds[i]), y(series_.values[i])}, mark};
        Colour fill = reading.mark == AlarmMark::High  ? kHighInk
                      : reading.mark == AlarmMark::Low ? kLowInk
                                                       : kPointInk;
        out_.shapes.emplace_back(Marker{reading.at, style_.markerRadius, fill});
        drawn.push_back(reading);
    }
    return drawn;
}

// The largest value is labelled above its point and the smallest below; the first occurrence
// is the one labelled, as in the group panel. One value throughout has no extremes to show.
void Plotter::extremes(const std::vector<PlottedReading>& drawn) {
    auto lo = std::min_element(series_.values.begin(), series_.values.end());
    auto hi = std::max_element(series_.values.begin(), series_.values.end());
    if (*lo == *hi) {
        return;
    }
    double above = -style_.markerRadius - 3;
    double below = style_.markerRadius + style_.fontSize + 1;
    // Above the maximum and below the minimum, unless that would leave the plot.
    auto label = [&](auto at, const char* name, bool up) {
        auto i = static_cast<std::size_t>(at - series_.values.begin());
        std::string caption =
            name + std::string(" ") + FormatTemperature(static_cast<float>(*at), false);
        double half = TextWidth(caption, style_.fontSize) / 2;
        double x = std::max(plot_.left + half, std::min(drawn[i].at.x, plot_.right() - half));
        double y = drawn[i].at.y;
        bool fitsAbove = y + above - style_.fontSize >= plot_.top;
        bool fitsBelow = y + below <= plot_.bottom();
        bool placeAbove = up ? fitsAbove || !fitsBelow : !fitsBelow && fitsAbove;
        text({x, y + (placeAbove ? above : below)}, caption, kInk, Anchor::Middle);
    };
    label(hi, "最大", true);
    label(lo, "最小", false);
}

} // namespace

std::vector<PlottedReading> PlotReadings(const GroupSetting& group, Rect plot,
                                         const PlotStyle& style, Drawing& out,
                                         std::span<const AlarmMark> marks) {
    plot.width = std::max(plot.width, 1.0);
    plot.height = std::max(plot.height, 1.0);
    return Plotter(group, plot, style, out, marks).draw();
}

int ReadingAt(const std::vector<PlottedReading>& readings, Point p, double radius) {
    int found = 0;
    double best = radius * radius;
    for (const PlottedReading& r : readings) {
        double d = (r.at.x - p.x) * (r.at.x - p.x) + (r.at.y - p.y) * (r.at.y - p.y);
        if (d < best || (found == 0 && d == best)) {
            best = d;
            found = r.no;
        }
    }
    return found;
}

} // namespace vestra::chart
