#pragma once

// A small GIF89a writer: one or more frames over a fixed 216-colour palette (six levels per
// channel), LZW-compressed, optionally looping. Qt reads GIF but cannot write it; the banners
// of the reference data are animated GIFs.

#include <QByteArray>
#include <QImage>
#include <QList>

namespace zelvar::veri
{

// All frames must have the size of the first; `gecikmeCs` is the delay per frame in
// hundredths of a second. A single frame writes a still picture.
QByteArray gifYaz(const QList<QImage>& kareler, int gecikmeCs = 50);

} // namespace zelvar::veri
