#include "start/QtBuiltInImages.h"

#include <QApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <vector>

namespace vestra {
namespace {

// The reader of a PNG that never asks the plug-ins.
struct PngReader : QImageReader {
    explicit PngReader(const QString& path) : QImageReader(path, "png") {
        setAutoDetectImageFormat(false);
    }
};

int Area(QSize size) {
    return size.width() * size.height();
}

class BuiltInPngIconEngine : public QIconEngine {
public:
    struct Image {
        QString path;
        QSize size;     // from the PNG's header
        QPixmap pixmap; // read when first asked for
    };

    explicit BuiltInPngIconEngine(std::vector<Image> images) : images_(std::move(images)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        Image* image = bestFor(size);
        if (image == nullptr) {
            return {};
        }
        if (image->pixmap.isNull()) {
            image->pixmap = QPixmap::fromImage(ReadBuiltInPng(image->path));
        }
        QPixmap result = image->pixmap;
        QSize fitted = fit(image->size, size);
        if (!result.isNull() && result.size() != fitted) {
            result = result.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        if (mode != QIcon::Normal && !result.isNull()) {
            QStyleOption option;
            result = QApplication::style()->generatedIconPixmap(mode, result, &option);
        }
        return result;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        Image* image = bestFor(size);
        return image == nullptr ? QSize() : fit(image->size, size);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        QPixmap shown = pixmap(rect.size(), mode, state);
        QRect target(QPoint(), shown.size());
        target.moveCenter(rect.center());
        painter->drawPixmap(target, shown);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const Image& image : images_) {
            sizes << image.size;
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new BuiltInPngIconEngine(images_); }
    QString key() const override { return QStringLiteral("BuiltInPng"); }
    bool isNull() override { return images_.empty(); }

private:
    // The smallest image at least as large as asked, by area; else the largest.
    Image* bestFor(QSize size) {
        Image* best = nullptr;
        for (Image& image : images_) {
            if (best == nullptr) {
                best = &image;
                continue;
            }
            int a = Area(best->size), b = Area(image.size), wanted = Area(size);
            bool better = std::max(a, b) >= wanted ? (b >= wanted && (a < wanted || b < a)) : b > a;
            if (better) {
                best = &image;
            }
        }
        return best;
    }

    static QSize fit(QSize image, QSize size) {
        if (image.width() > size.width() || image.height() > size.height()) {
            image.scale(size, Qt::KeepAspectRatio);
        }
        return image;
    }

    std::vector<Image> images_;
};

} // namespace

QImage ReadBuiltInPng(const QString& path) {
    return PngReader(path).read();
}

QIcon BuiltInPngIcon(const QStringList& paths) {
    std::vector<BuiltInPngIconEngine::Image> images;
    for (const QString& path : paths) {
        if (QSize size = PngReader(path).size(); size.isValid()) {
            images.push_back({path, size, {}});
        }
    }
    if (images.empty()) {
        return {};
    }
    return QIcon(new BuiltInPngIconEngine(std::move(images)));
}

} // namespace vestra
