#include "chart/QtChartPainter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace vestra::chart {
namespace {

// The face the tables use: fixed pitch, with the half-width katakana of the texts.
constexpr const char* kChartFont = "IPAGothic";

QColor colour(Colour c) {
    return QColor(c.r, c.g, c.b, c.alpha);
}

QPointF point(Point p) {
    return {p.x, p.y};
}

class ShapePainter {
public:
    explicit ShapePainter(QPainter& painter) : p_(painter) {}

    void operator()(const Line& s) {
        QPen pen(colour(s.ink), s.width);
        if (s.dashed) {
            pen.setDashPattern({6 / s.width, 3 / s.width});
        }
        p_.setPen(pen);
        p_.drawLine(point(s.from), point(s.to));
    }
    void operator()(const Polyline& s) {
        QPolygonF polygon;
        for (const Point& q : s.points) {
            polygon << point(q);
        }
        QPen pen(colour(s.ink), s.width);
        pen.setJoinStyle(Qt::RoundJoin);
        p_.setPen(pen);
        p_.setBrush(Qt::NoBrush);
        p_.drawPolyline(polygon);
    }
    void operator()(const Marker& s) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour(s.fill));
        p_.drawEllipse(point(s.centre), s.radius, s.radius);
    }
    void operator()(const Box& s) {
        p_.setPen(QPen(colour(s.stroke), 1));
        p_.setBrush(s.filled ? QBrush(colour(s.fill)) : QBrush(Qt::NoBrush));
        p_.drawRect(QRectF(point(s.topLeft), QSizeF(s.width, s.height)));
    }
    void operator()(const Text& s) {
        QFont font(QString::fromUtf8(kChartFont));
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(s.size))));
        p_.setFont(font);
        p_.setPen(colour(s.ink));
        QString text = QString::fromStdString(s.text);
        double width = QFontMetricsF(font).horizontalAdvance(text);
        double shift = s.anchor == Anchor::Middle ? width / 2 : s.anchor == Anchor::End ? width : 0;
        p_.drawText(QPointF(s.at.x - shift, s.at.y), text);
    }

private:
    QPainter& p_;
};

} // namespace

void PaintDrawing(QPainter& painter, const Drawing& drawing) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    ShapePainter paint(painter);
    for (const Shape& shape : drawing.shapes) {
        std::visit(paint, shape);
    }
    painter.restore();
}

QByteArray RenderPng(const Drawing& drawing) {
    QImage image(std::max(1, static_cast<int>(std::ceil(drawing.width))),
                 std::max(1, static_cast<int>(std::ceil(drawing.height))), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintDrawing(painter, drawing);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        return {};
    }
    return bytes;
}

} // namespace vestra::chart
