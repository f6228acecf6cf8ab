#include "widgets/tablo.h"

namespace zelvar {

bool TabloDolumu(const SonucTablosu& tablo)
{
    return tablo.sutunSayisi() > 0 && tablo.satirSayisi() > 0;
}

bool SeciliSatirVarmi(const SonucTablosu& tablo, int* satir)
{
    if (satir)
        *satir = -1;
    if (!TabloDolumu(tablo))
        return false;
    const int sec = tablo.sutunBul(u"SEC");
    if (sec < 0)
        return false;
    for (int r = 0; r < tablo.satirSayisi(); ++r) {
        // An empty tick is not a tick.
        if (!tablo.bosHucre(r, sec) && tablo.ondalik(r, sec) == 1.0) {
            if (satir)
                *satir = r;
            return true;
        }
    }
    return false;
}

} // namespace zelvar
