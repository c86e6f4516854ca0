#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace vestra::chart {

// A chart is laid out once as a list of simple shapes in pixels (origin top left, y down); the
// SVG writer and the window's painter both draw that list, so a saved chart is what is shown.
struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t alpha = 255;

    bool operator==(const Colour&) const = default;
};

inline constexpr Colour kInk{0, 0, 0};
inline constexpr Colour kGridInk{220, 220, 220};
inline constexpr Colour kLineInk{0, 96, 64};
inline constexpr Colour kPointInk{64, 64, 64};
// The colours of the detail table's alarm marks.
inline constexpr Colour kHighInk{255, 0, 0};
inline constexpr Colour kLowInk{0, 0, 255};
// The average is context, not data: drawn faint so that it never reads as a reading.
inline constexpr Colour kAverageInk{0, 0, 0, 90};

struct Point {
    double x = 0;
    double y = 0;

    bool operator==(const Point&) const = default;
};

struct Line {
    Point from;
    Point to;
    Colour ink;
    double width = 1;
    bool dashed = false;
};

struct Polyline {
    std::vector<Point> points;
    Colour ink;
    double width = 1;
};

struct Marker {
    Point centre;
    double radius = 3;
    Colour fill;
};

// An outline, or with fill set a filled box (the plot's background).
struct Box {
    Point topLeft;
    double width = 0;
    double height = 0;
    Colour stroke;
    bool filled = false;
    Colour fill;
};

enum class Anchor { Start, Middle, End };

// at is the start, middle or end of the text's baseline.
struct Text {
    Point at;
    std::string text; // UTF-8
    Colour ink;
    double size = 11;
    Anchor anchor = Anchor::Start;
};

using Shape = std::variant<Line, Polyline, Marker, Box, Text>;

struct Drawing {
    double width = 0;
    double height = 0;
    std::vector<Shape> shapes;
};

} // namespace vestra::chart
