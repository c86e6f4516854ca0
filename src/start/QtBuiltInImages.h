#pragma once

#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>

namespace vestra {

// Reads a PNG built into the program or into Qt (a ":/" resource). Given a file name alone,
// Qt's reader first loads every installed image plug-in (JPEG, GIF, ICO, SVG with the Qt SVG
// library) to ask each whether it reads a name ending in ".png", although Qt reads PNG itself:
// naming the format and switching off that detection leaves the plug-ins unloaded. A null image
// when the resource is missing or no PNG.
QImage ReadBuiltInPng(const QString& path);

// An icon of the PNGs at paths, one size each, read as above. Like an icon of files, it reads
// an image only when a pixmap of its size is first asked for, picks the smallest image at least
// as large as asked (else the largest), scales it down to fit, and has the style draw the
// disabled, active and selected looks. Null when no path names a readable PNG.
QIcon BuiltInPngIcon(const QStringList& paths);

} // namespace vestra
