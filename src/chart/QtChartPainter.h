#pragma once

#include "chart/Drawing.h"

#include <QByteArray>

class QPainter;

namespace vestra::chart {

// Paints the drawing's shapes with the painter, in the drawing's own pixels.
void PaintDrawing(QPainter& painter, const Drawing& drawing);

// The drawing as a PNG image of its size on white; empty when it cannot be encoded. Needs a
// GUI application object for the fonts.
QByteArray RenderPng(const Drawing& drawing);

} // namespace vestra::chart
