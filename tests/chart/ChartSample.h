#pragma once

#include "chart/Drawing.h"
#include "data/DataSet.h"
#include "data/GroupStatistics.h"

#include <string_view>
#include <vector>

namespace vestra::chart::testing {

struct Reading {
    DateTime at;
    float value;
};

// A committed group with limits 10 to 30 and the readings given, in the given order.
inline GroupSetting GroupOf(const std::vector<Reading>& readings, float high = 30, float low = 10) {
    GroupSetting group;
    group.tag = "TAG";
    group.alarmHigh = high;
    group.alarmLow = low;
    for (const Reading& r : readings) {
        group.recordTimes.push_back(r.at);
        group.recordValues.push_back(r.value);
    }
    group.recordCount = static_cast<std::int16_t>(readings.size());
    GroupStatistics stats = ComputeStatistics(group.recordValues);
    group.maxIndex = stats.maxIndex;
    group.minIndex = stats.minIndex;
    group.average = stats.average;
    return group;
}

// Readings ten minutes apart from 2008/02/28 14:10.
inline std::vector<Reading> EveryTenMinutes(const std::vector<float>& values) {
    std::vector<Reading> readings;
    for (std::size_t k = 0; k < values.size(); ++k) {
        readings.push_back(
            {AddSeconds({2008, 2, 28, 14, 10, 0}, static_cast<long long>(k) * 600), values[k]});
    }
    return readings;
}

template <class T> std::vector<T> ShapesOf(const Drawing& drawing) {
    std::vector<T> found;
    for (const Shape& shape : drawing.shapes) {
        if (const T* s = std::get_if<T>(&shape)) {
            found.push_back(*s);
        }
    }
    return found;
}

inline bool HasText(const Drawing& drawing, std::string_view text) {
    for (const Text& t : ShapesOf<Text>(drawing)) {
        if (t.text == text) {
            return true;
        }
    }
    return false;
}

// Every coordinate of every shape, for checks that nothing leaves the drawing.
inline std::vector<Point> PointsOf(const Drawing& drawing) {
    std::vector<Point> points;
    for (const Shape& shape : drawing.shapes) {
        if (const auto* s = std::get_if<Line>(&shape)) {
            points.insert(points.end(), {s->from, s->to});
        } else if (const auto* p = std::get_if<Polyline>(&shape)) {
            points.insert(points.end(), p->points.begin(), p->points.end());
        } else if (const auto* m = std::get_if<Marker>(&shape)) {
            points.push_back(m->centre);
        } else if (const auto* b = std::get_if<Box>(&shape)) {
            points.push_back(b->topLeft);
            points.push_back({b->topLeft.x + b->width, b->topLeft.y + b->height});
        } else if (const auto* t = std::get_if<Text>(&shape)) {
            points.push_back(t->at);
        }
    }
    return points;
}

} // namespace vestra::chart::testing
