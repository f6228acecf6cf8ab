#pragma once

// Helpers shared by the handlers: the caller's session, account prices, and writing query
// rows into table answers.

#include "hesap.h"
#include "isler.h"

namespace zelvar::veri
{
class HizliSorgu;
}

#include <span>

namespace zelvar::is
{

using rpc::IstekBaglami;
using rpc::SutunTanimi;
using rpc::TabloYazici;
using veri::Sorgu;
using veri::Veritabani;
using veri::YazmaIslemi;

inline Veritabani& vt(IstekBaglami& b)
{
    return b.kaynak<IsKaynagi>().vt;
}

// An error the user may read: the method refuses the request.
[[noreturn]] void red(const QString& mesaj);

// Checks a value sent by the client; refuses with `ne` named in the message.
double sayiDenetle(double v, double alt, double ust, const QString& ne);
QString metinDenetle(const QString& v, int enFazla, const QString& ne);

// Who calls: the user of the session record, acting for `carino`.
struct Oturum {
    int sirano = 0;
    QString adi;
    int tip = 0;
    int carino = 0; // the account acted for
    bool personel() const { return tip == 1 || tip == 2; }
};

// Checks the session record: a known active user; a dealer acts only for their own account;
// the account exists. Refuses otherwise.
Oturum oturumAc(Veritabani& vt, const TSonucBilgisi* bilgi, int carino);
// Staff only (user kinds 1 and 2).
Oturum personelOturumu(Veritabani& vt, const TSonucBilgisi* bilgi);

bool cariVarMi(Veritabani& vt, int carino);
// The account's four discount rates; zeros for account 0 (no account chosen).
Oranlar cariOranlari(Veritabani& vt, int carino);

// Writes every row of `q` into `t`, column i of the query into column i of the table,
// converting by the table column's kind (dates and times stored as ISO text).
void satirlariYaz(TabloYazici& t, Sorgu& q);
// One cell from a query column.
void hucreYaz(TabloYazici& t, const SutunTanimi& s, const QVariant& v);

// Part lists (search, new items, campaign items) with the account's prices.
struct FiyatKurali {
    Oranlar oranlar{};
    bool kampanyaGorur = true; // user kind 4 is not offered campaigns
};
extern const std::span<const SutunTanimi> kParcaSutunlari;        // stock search
extern const std::span<const SutunTanimi> kParcaListesiSutunlari; // new and campaign lists: + ESKIFIYAT, INDIRIM
// The SELECT list matching the part columns, over stok "s".
QString parcaSecimi();
// Writes the rows of a query that selects parcaSecimi(); returns the row count.
int parcalariYaz(TabloYazici& t, Sorgu& q, const FiyatKurali& kural, bool listeSutunlari, int sinir);
// A whole part-list answer from `sql` (parcaSecimi() + FROM ...) with its bound values;
// SQLite rows are read directly when possible.
void parcaListesi(IstekBaglami& b, const QString& sql, const QVariantList& degerler, const FiyatKurali& kural,
                  bool listeSutunlari);

// Order lines (order detail, balances, order history): the columns and the SELECT list over
// siparis_satir "l", siparis "o", stok "s", cari "c".
extern const std::span<const SutunTanimi> kSiparisSatiriSutunlari;
QString siparisSatiriSecimi();

// Registration, one function per group of methods.
void katalogIsleriniKaydet(rpc::Dagitici& d);
void sepetIsleriniKaydet(rpc::Dagitici& d);
void hesapIsleriniKaydet(rpc::Dagitici& d);
void personelIsleriniKaydet(rpc::Dagitici& d);
void tanitimIsleriniKaydet(rpc::Dagitici& d);

} // namespace zelvar::is
