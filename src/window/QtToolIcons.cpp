#include "window/QtToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace vestra {
namespace {

constexpr int kSize = 32;

QIcon drawIcon(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    draw(p);
    return QIcon(pixmap);
}

} // namespace

QIcon OpenIcon() {
    return drawIcon([](QPainter& p) {
        p.setBrush(QColor(232, 190, 80));
        p.drawRect(QRectF(3, 8, 22, 18));
        p.drawRect(QRectF(3, 5, 10, 4));
        QPainterPath flap;
        flap.moveTo(7, 14);
        flap.lineTo(29, 14);
        flap.lineTo(25, 26);
        flap.lineTo(3, 26);
        flap.closeSubpath();
        p.setBrush(QColor(250, 215, 120));
        p.drawPath(flap);
    });
}

QIcon SaveIcon() {
    return drawIcon([](QPainter& p) {
        p.setBrush(QColor(70, 110, 180));
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(QColor(245, 245, 245));
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(8, 18, 16, 10));
        p.setBrush(QColor(70, 110, 180));
        p.drawRect(QRectF(18, 6, 3, 5));
    });
}

QIcon PrintIcon() {
    return drawIcon([](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 19, 14, 10));
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.drawLine(QPointF(11, 23), QPointF(21, 23));
        p.drawLine(QPointF(11, 26), QPointF(19, 26));
        p.setBrush(QColor(80, 200, 80));
        p.drawEllipse(QRectF(24, 15, 3, 3));
    });
}

// A thermometer beside an arrow into a tray: readings come in from the instrument.
QIcon ImportIcon() {
    return drawIcon([](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(5, 3, 6, 20), 3, 3);
        p.setBrush(QColor(210, 40, 40));
        p.drawEllipse(QRectF(3, 20, 10, 10));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(7, 10, 2, 12));
        p.setPen(QPen(QColor(30, 120, 60), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 4), QPointF(22, 18));
        p.drawLine(QPointF(17, 13), QPointF(22, 18));
        p.drawLine(QPointF(27, 13), QPointF(22, 18));
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.drawPolyline(
            QPolygonF({QPointF(15, 22), QPointF(15, 28), QPointF(29, 28), QPointF(29, 22)}));
    });
}

// Axes with a line of readings rising over a limit.
QIcon ChartIcon() {
    return drawIcon([](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 4, 26, 24));
        p.setPen(QPen(QColor(210, 40, 40), 1, Qt::DashLine));
        p.drawLine(QPointF(5, 10), QPointF(27, 10));
        p.setPen(QPen(QColor(40, 80, 170), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF(
            {QPointF(6, 24), QPointF(11, 19), QPointF(15, 21), QPointF(20, 13), QPointF(26, 8)}));
    });
}

} // namespace vestra
