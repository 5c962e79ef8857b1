#pragma once

namespace rdz {

// Marks the upper halves of the AVX registers clean. Qt's raster fills
// (QImage::fill, QPainter::fillRect; Qt 6.4 on x86-64) return with them dirty,
// and until something clears them every scalar SSE instruction of the orbit
// code pays a merge with the dirty upper half: a live-table pass after a repaint
// ran several times slower. Call it before number crunching that follows work
// of the window toolkit on the same thread. Does nothing on processors without AVX.
void ClearUpperVectorState();

}  // namespace rdz
