#pragma once

#include <functional>

namespace zelvar {

class Baglanti;

// Opens `baglanti` with retries and returns whether it is open. It is closed first, then up
// to 11 attempts are made, each failure followed by a close and a 500 ms wait. With
// `report` == 1 a final failure shows "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!" on the
// interface thread (a worker waits until it is dismissed); with 0 nothing is shown. Only
// connection errors (UzakHata) are retried; any other error reaches the caller.
bool BaglantiKontrol(Baglanti& baglanti, int report);

// Replaces the wait between attempts (tests); nullptr restores the real sleep.
void setBaglantiBeklemesi(std::function<void(int ms)> bekleme);

} // namespace zelvar
