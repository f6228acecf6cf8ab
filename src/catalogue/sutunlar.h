#pragma once

// Column tables of the item grids: field, caption, weight, shown, offered, display kind, in
// the order the grids show them.

#include "widgets/izgara.h"

namespace zelvar {

QList<SutunTanimi> stokSutunlari();       // stock list
QList<SutunTanimi> yeniStokSutunlari();   // new items
QList<SutunTanimi> kampanyaliSutunlari(); // campaign items

} // namespace zelvar
