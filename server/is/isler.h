#pragma once

// The server methods of the reference model, registered on a dispatcher. Each worker thread
// keeps its own database connection in an IsKaynagi.

#include "rpc/dagitici.h"
#include "veri/veritabani.h"

namespace zelvar::is
{

struct IsAyarlari {
    int istemciSurumu = 2;    // the program version BuyukGetir reports
    int aramaSiniri = 100000; // most rows a stock search may return
};

class IsKaynagi : public rpc::IsciKaynagi
{
public:
    IsKaynagi(const veri::VeritabaniAyari& ayar, const QString& baglantiAdi, const IsAyarlari& isAyarlari)
        : vt(ayar, baglantiAdi), ayarlar(isAyarlari)
    {
    }
    veri::Veritabani vt;
    IsAyarlari ayarlar;
};

// Registers a handler for every method of the catalogue.
void isleriKaydet(rpc::Dagitici& d);

} // namespace zelvar::is
