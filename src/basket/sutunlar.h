#pragma once

// Column table of the basket grid, in the order the grid shows it.

#include "widgets/izgara.h"

namespace zelvar {

QList<SutunTanimi> sepetSutunlari();

} // namespace zelvar
