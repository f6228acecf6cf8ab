#pragma once

// A read path for the largest answers that skips Qt's value conversions: on SQLite the rows
// are read straight from the library as UTF-8 and numbers, and written into the answer as
// they are. Only for SELECTs; available when built with the SQLite headers.

#include "veritabani.h"

#include <string_view>

struct sqlite3_stmt;

namespace zelvar::veri
{

class HizliSorgu
{
public:
    // True when this connection can use the fast path.
    static bool kullanilabilir(Veritabani& vt);

    HizliSorgu(Veritabani& vt, const QString& sql);
    ~HizliSorgu();
    HizliSorgu(const HizliSorgu&) = delete;
    HizliSorgu& operator=(const HizliSorgu&) = delete;

    void bagla(int i, const QString& metin);
    void bagla(int i, qint64 sayi);
    bool sonraki();

    qint64 tamsayi(int i) const;
    double ondalik(int i) const;
    std::string_view metin(int i) const; // valid until the next sonraki()

private:
    Veritabani& m_vt;
    sqlite3_stmt* m_st = nullptr;
};

} // namespace zelvar::veri
