// Start-up surfaces: the ticker, the three banners and the tab counters.

#include "ortak.h"

namespace zelvar::is
{

namespace
{

using A = AlanTuru;

constexpr SutunTanimi kBalon[] = {
    {"SEPET", A::Integer}, {"YENI", A::Integer}, {"KAMPANYA", A::Integer}, {"DUYURU", A::Integer}, {"BAKIYE", A::Float},
};

void kayanYaziGetir(IstekBaglami& b)
{
    Sorgu q(vt(b), QStringLiteral("SELECT deger FROM ayar WHERE anahtar = ?"));
    q.calistir(QStringLiteral("kayanyazi"));
    b.metinDon(q.tek(QString()).toString());
}

void banner(IstekBaglami& b, int no)
{
    Sorgu q(vt(b), QStringLiteral("SELECT veri FROM banner WHERE sirano = ?"));
    q.calistir(no);
    b.akisDon(q.tek().toByteArray());
}

int sayi(Veritabani& db, const QString& sql, int deger)
{
    Sorgu q(db, sql);
    q.calistir(deger);
    return q.tek(0).toInt();
}

void balonGetir(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    const TSonucBilgisi* bilgi = b.bilgi(0);
    const Oturum o = oturumAc(db, bilgi, bilgi ? bilgi->CARINO() : 0);
    TabloYazici& t = b.tabloBasla(kBalon);
    t.satirBasla();
    t.tamsayi(sayi(db, QStringLiteral("SELECT COUNT(*) FROM sepet WHERE carino = ?"), o.carino));
    t.tamsayi(sayi(db, QStringLiteral("SELECT COUNT(*) FROM stok WHERE yeni = ?"), 1));
    t.tamsayi(o.tip == 4 ? 0 : sayi(db, QStringLiteral("SELECT COUNT(*) FROM stok WHERE kampanya = ?"), 1));
    t.tamsayi(sayi(db, QStringLiteral("SELECT COUNT(*) FROM duyuru WHERE sirano > ?"), 0));
    t.ondalik(sayi(db,
                   QStringLiteral("SELECT COUNT(*) FROM siparis_satir l JOIN siparis o ON o.idno = l.idno "
                                  "WHERE o.carino = ? AND l.kalan > 0"),
                   o.carino));
    t.satirBitir();
    t.bitir();
}

} // namespace

void tanitimIsleriniKaydet(rpc::Dagitici& d)
{
    d.kaydet("KayanYaziGetir", kayanYaziGetir);
    d.kaydet("BannerResimVer", [](IstekBaglami& b) { banner(b, 1); });
    d.kaydet("BannerResimVer2", [](IstekBaglami& b) { banner(b, 2); });
    d.kaydet("BannerResimVer3", [](IstekBaglami& b) { banner(b, 3); });
    d.kaydet("BalonGetir", balonGetir);
}

} // namespace zelvar::is
