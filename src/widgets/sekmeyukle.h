#pragma once

// The load of a list tab: busy indicator on and grid detached on the interface thread; the
// server call in the background on a private clone of the connection; then the grid gets the
// new table, is re-attached and enabled, the indicator hidden, and a failure is reported.

#include "remote/proxim.h"
#include "remote/sonuctablosu.h"

#include <functional>
#include <memory>

class QObject;

namespace zelvar {

class Baglanti;
class Izgara;
class MesgulGostergesi;

inline constexpr const char* kBaglantiKurulamiyor = "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!";

// Opens a private clone of `bagc` through the silent connection guard, makes a proxy, runs
// `cagri` and closes. Returns true when it failed (guard gave up or the call raised).
bool arkaPlandaCagir(Baglanti& klon, const std::function<void(TServerMethods1Client&)>& cagri);

struct SekmeYukleme {
    QObject* pencere = nullptr;        // the window the load works for; its end drops the load
    Izgara* izgara = nullptr;
    MesgulGostergesi* gosterge = nullptr;
    // The server call; runs on a worker. The result table gets the money format on its
    // floating-point columns before it reaches the grid.
    std::function<SonucTablosu(TServerMethods1Client&)> cagri;
    // Interface steps after the grid has its table, before a failure is reported.
    std::function<void(bool hata)> sonra;
};

void SekmeYukle(const Baglanti& bagc, SekmeYukleme yukleme);

} // namespace zelvar
