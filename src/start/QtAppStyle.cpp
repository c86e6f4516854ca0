#include "start/QtAppStyle.h"

#include "start/QtBuiltInImages.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

namespace vestra {
namespace {

// Where Qt keeps the images of its common and Fusion styles.
QString QtStyleImage(const char* name) {
    return QStringLiteral(":/qt-project.org/styles/commonstyle/images/") +
           QString::fromLatin1(name);
}

QIcon ExtensionArrow(QStyle::StandardPixmap icon, bool rightToLeft) {
    if (icon == QStyle::SP_ToolBarVerticalExtensionButton) {
        return BuiltInPngIcon({QtStyleImage("toolbar-ext-v-5.png"),
                               QtStyleImage("toolbar-ext-v-10.png"),
                               QtStyleImage("toolbar-ext-v-20.png")});
    }
    const char* side = rightToLeft ? "toolbar-ext-h-rtl-" : "toolbar-ext-h-";
    QStringList paths;
    for (const char* size : {"8.png", "16.png", "32.png"}) {
        paths << QtStyleImage(side) + QString::fromLatin1(size);
    }
    return BuiltInPngIcon(paths);
}

// Fusion's space between a group box's top and its frame, beside the title's height.
constexpr int kGroupBoxTopMargin = 3;

} // namespace

QtAppStyle::QtAppStyle(const QString& baseKey)
    : QProxyStyle(baseKey),
      fusion_(baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) {}

QIcon QtAppStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                               const QWidget* widget) const {
    if (fusion_ && (icon == SP_ToolBarHorizontalExtensionButton ||
                    icon == SP_ToolBarVerticalExtensionButton)) {
        bool rightToLeft = option != nullptr ? option->direction == Qt::RightToLeft
                                             : QGuiApplication::isRightToLeft();
        QIcon arrow = ExtensionArrow(icon, rightToLeft);
        if (!arrow.isNull()) {
            return arrow;
        }
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

// Fusion's own group-box frame: its image drawn as a nine-part border below the title (just
// below the top when the box has neither title nor check box).
void QtAppStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (fusion_ && element == PE_FrameGroupBox) {
        if (groupBoxFrame_.isNull()) {
            groupBoxFrame_ =
                QPixmap::fromImage(ReadBuiltInPng(QtStyleImage("fusion_groupbox.png")));
        }
        if (!groupBoxFrame_.isNull()) {
            auto* box = qobject_cast<const QGroupBox*>(widget);
            int top =
                box != nullptr && !box->isCheckable() && box->title().isEmpty()
                    ? kGroupBoxTopMargin
                    : qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                          kGroupBoxTopMargin;
            qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                              groupBoxFrame_);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

} // namespace vestra
