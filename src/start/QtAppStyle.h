#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace vestra {

// The style the application runs with: the one Qt chose (the desktop's, or -style), unchanged
// in look. Under Fusion, the only two images a window shows at start, the menu and tool bars'
// overflow arrows and the group boxes' frame, are read without loading Qt's image plug-ins
// (start/QtBuiltInImages). Under another style everything is that style's own.
class QtAppStyle : public QProxyStyle {
public:
    explicit QtAppStyle(const QString& baseKey);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    bool fusion_;
    mutable QPixmap groupBoxFrame_; // read at the first group box painted
};

} // namespace vestra
