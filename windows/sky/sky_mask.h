#pragma once
#include <QColor>
#include <QPointF>

#include "core/orbit/horizon_mask.h"

class QPainter;

namespace rdz {

inline const QColor kSkyMaskFill(0x60, 0x48, 0x30, 0xB0);
inline const QColor kSkyMaskLine(0xC0, 0x90, 0x60);

// The station's horizon mask in a sky plot with this centre and radius: what
// it hides is shaded between the mask and the horizon circle. A flat horizon
// at 0 draws nothing.
void DrawHorizonMask(QPainter& painter, const QPointF& centre, double radius, const HorizonMask& mask);

}  // namespace rdz
