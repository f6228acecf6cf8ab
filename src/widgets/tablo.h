#pragma once

// Small tests on an in-memory result table that several windows share.

#include "remote/sonuctablosu.h"

namespace zelvar {

// True when the table has been loaded (it has columns) and holds at least one row.
bool TabloDolumu(const SonucTablosu& tablo);

// True when TabloDolumu holds and some row has SEC equal to 1. Walks from the first row and
// stops at the first ticked one, whose row number goes to `satir` (-1 when there is none).
bool SeciliSatirVarmi(const SonucTablosu& tablo, int* satir = nullptr);

} // namespace zelvar
