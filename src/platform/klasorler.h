#pragma once

#include <QString>

namespace zelvar {

// Per-user settings folder + "/zelvarotomotiv"; created when missing; no trailing separator.
QString AyarKlasoru();
// The user's documents folder; created when missing so that downloads can be saved there.
QString BelgelerKlasoru();
// Per-user local application-data folder (not carried to other machines); created when missing.
QString YerelVeriKlasoru();

} // namespace zelvar
