// The basket of an account, delivery and cargo choices, and turning the ticked basket lines
// into an order.

#include "ortak.h"

#include "sayibicimi.h"

#include <QDateTime>

namespace zelvar::is
{

namespace
{

using A = AlanTuru;

constexpr SutunTanimi kSepet[] = {
    {"SEC", A::Integer},
    {"VERILISTARIHI", A::DateTime},
    {"SIRANO", A::Integer},
    {"SIPARISNO", A::Integer},
    {"CARINO", A::Integer},
    {"TARIH", A::Date},
    {"AKTAR", A::Integer},
    {"STOKNO", A::Integer},
    {"BARKOD", A::String, 30},
    {"FINISHKOD", A::String, 30},
    {"OEMNO", A::String, 30},
    {"STOKADI", A::String, 100},
    {"MIKTAR", A::Float},
    {"BIRIMFIYAT", A::Float},
    {"TUTAR", A::Float},
    {"INDIRIMYAZI", A::String, 50},
    {"INDIRIMORANI1", A::Float},
    {"INDIRIMORANI2", A::Float},
    {"INDIRIMORANI3", A::Float},
    {"INDIRIMORANI4", A::Float},
    {"INDIRIMTUTAR", A::Float},
    {"NETBIRIMFIYAT", A::Float},
    {"KDV", A::Integer},
    {"VERGITUTARI", A::Float},
    {"NETTUTAR", A::Float},
    {"KUR", A::String, 5},
    {"KURTL", A::Float},
    {"VERENIDNO", A::Integer},
    {"SAAT", A::Time},
    {"TESLIMID", A::Integer},
    {"KARGOID", A::Integer},
    {"ACIKLAMA", A::String, 200},
    {"IDNO", A::Integer},
    {"VERENSIRANO", A::Integer},
    {"VEREN", A::String, 50},
    {"CARIKOD", A::String, 25},
    {"CARIADI", A::String, 100},
    {"OEM1", A::String, 30},
    {"OEM2", A::String, 30},
    {"OEM3", A::String, 30},
    {"OEM4", A::String, 30},
    {"STOK_STOKNO", A::Integer},
    {"URETICIKODU", A::String, 30},
    {"DIGERADI", A::String, 100},
    {"DPKOD", A::String, 30},
    {"MARKA", A::String, 50},
    {"MODEL", A::String, 50},
    {"ANAGRUP", A::String, 50},
    {"OZELKOD", A::String, 30},
    {"PKOD", A::String, 30},
    {"DURUM", A::Integer},
    {"KALAN", A::Float},
    {"K", A::Integer},
};

constexpr SutunTanimi kSecenek[] = {{"SIRANO", A::Integer}, {"ADI", A::String, 50}};
constexpr SutunTanimi kKargoFirmasi[] = {
    {"SIRANO", A::Integer}, {"ADI", A::String, 50}, {"UYARI", A::String, 200}, {"TURNO", A::Integer}};

QString simdi()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

void sepetVer2(IstekBaglami& b)
{
    Sorgu q(vt(b), QStringLiteral(
                       "SELECT p.sec, p.tarih, p.sirano, 0, p.carino, p.tarih, 0, p.stokno, p.barkod, s.finishkod, "
                       "s.oemno, p.stokadi, p.miktar, p.birimfiyat, p.tutar, '', p.ind1, p.ind2, p.ind3, p.ind4, "
                       "p.indirimtutar, p.netbirimfiyat, p.kdv, p.vergitutari, p.nettutar, 'TL', 1, p.verenid, "
                       "p.tarih, 0, 0, p.aciklama, 0, p.verenid, COALESCE(u.adi, ''), c.carikod, c.cariadi, s.oem1, "
                       "s.oem2, s.oem3, s.oem4, p.stokno, s.ureticikodu, s.digeradi, s.dpkod, s.marka, s.model, "
                       "s.anagrup, s.ozelkod, s.pkod, s.durum, s.kalan, p.kampanya "
                       "FROM sepet p JOIN stok s ON s.stokno = p.stokno JOIN cari c ON c.carino = p.carino "
                       "LEFT JOIN kullanici u ON u.sirano = p.verenid WHERE p.carino = ? ORDER BY p.sirano"));
    q.calistir(b.tamsayi(0));
    TabloYazici& t = b.tabloBasla(kSepet);
    satirlariYaz(t, q);
    t.bitir();
}

Oranlar oranlarDenetle(double i1, double i2, double i3, double i4)
{
    const QString ne = QStringLiteral("İndirim oranı");
    return {sayiDenetle(i1, 0, 100, ne), sayiDenetle(i2, 0, 100, ne), sayiDenetle(i3, 0, 100, ne),
            sayiDenetle(i4, 0, 100, ne)};
}

double miktarDenetle(double m)
{
    if (!std::isfinite(m) || m <= 0 || m > 100000)
        red(QStringLiteral("Miktar 0'dan büyük ve en fazla 100000 olmalı"));
    return m;
}

void sepetEkle2(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    const int carino = b.tamsayi(1);
    const Oturum o = oturumAc(db, b.bilgi(0), carino);
    const int stokno = b.tamsayi(2);
    const double miktar = miktarDenetle(b.ondalik(5));

    QString barkod, adi;
    double fiyat = 0;
    double kdv = 0;
    Oranlar oranlar{};
    bool kampanyali = false;
    {
        Sorgu q(db,
                QStringLiteral("SELECT barkod, adi, kdv, listefiyat, kampfiyat, kampanya FROM stok WHERE stokno = ?"));
        q.calistir(stokno);
        if (!q.sonraki()) {
            b.tamsayiDon(0);
            return;
        }
        barkod = q.metin(0);
        adi = q.metin(1);
        kdv = q.ondalik(2);
        kampanyali = q.tamsayi(5) != 0 && o.tip != 4;
        fiyat = kampanyali ? q.ondalik(4) : q.ondalik(3);
    }
    if (o.personel()) {
        // Staff may set price, discounts and tax rate; dealers get the catalogue's.
        fiyat = sayiDenetle(b.ondalik(7), 0, 1e9, QStringLiteral("Fiyat"));
        oranlar = oranlarDenetle(b.ondalik(8), b.ondalik(11), b.ondalik(12), b.ondalik(13));
        kdv = std::round(sayiDenetle(b.ondalik(6), 0, 100, QStringLiteral("KDV oranı")));
    } else {
        const Oranlar cari = cariOranlari(db, carino);
        oranlar = kampanyali ? Oranlar{cari[0], 0, 0, 0} : cari;
    }
    const SatirTutarlari t = satirHesapla(miktar, fiyat, oranlar, kdv);
    YazmaIslemi islem(db);
    Sorgu(db, QStringLiteral("INSERT INTO sepet (carino, stokno, barkod, stokadi, miktar, birimfiyat, kdv, ind1, ind2, "
                             "ind3, ind4, tutar, indirimtutar, nettutar, vergitutari, netbirimfiyat, sec, kampanya, "
                             "verenid, tarih) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,1,?,?,?)"))
        .calistir(carino, stokno, barkod, adi, miktar, fiyat, int(kdv), oranlar[0], oranlar[1], oranlar[2], oranlar[3],
                  t.tutar, t.indirimTutar, t.netTutar, t.vergiTutari, t.netBirimFiyat, kampanyali ? 1 : 0, o.sirano,
                  simdi());
    islem.onayla();
    b.tamsayiDon(1);
}

void sepetGuncelle2(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    const int carino = b.tamsayi(1);
    const Oturum o = oturumAc(db, b.bilgi(0), carino);
    const double miktar = miktarDenetle(b.ondalik(5));
    const int sirano = b.tamsayi(10);
    YazmaIslemi islem(db);
    double fiyat = 0;
    double kdv = 0;
    Oranlar oranlar{};
    {
        Sorgu q(db, QStringLiteral("SELECT birimfiyat, kdv, ind1, ind2, ind3, ind4 FROM sepet "
                                   "WHERE sirano = ? AND carino = ?") +
                        db.kilit());
        q.calistir(sirano, carino);
        if (!q.sonraki()) {
            b.tamsayiDon(0);
            return;
        }
        fiyat = q.ondalik(0);
        kdv = q.tamsayi(1);
        oranlar = {q.ondalik(2), q.ondalik(3), q.ondalik(4), q.ondalik(5)};
    }
    if (o.personel()) {
        fiyat = sayiDenetle(b.ondalik(7), 0, 1e9, QStringLiteral("Fiyat"));
        oranlar = oranlarDenetle(b.ondalik(8), b.ondalik(11), b.ondalik(12), b.ondalik(13));
        kdv = std::round(sayiDenetle(b.ondalik(6), 0, 100, QStringLiteral("KDV oranı")));
    }
    const SatirTutarlari t = satirHesapla(miktar, fiyat, oranlar, kdv);
    Sorgu(db, QStringLiteral("UPDATE sepet SET miktar = ?, birimfiyat = ?, kdv = ?, ind1 = ?, ind2 = ?, ind3 = ?, "
                             "ind4 = ?, tutar = ?, indirimtutar = ?, nettutar = ?, vergitutari = ?, netbirimfiyat = ? "
                             "WHERE sirano = ?"))
        .calistir(miktar, fiyat, int(kdv), oranlar[0], oranlar[1], oranlar[2], oranlar[3], t.tutar, t.indirimTutar,
                  t.netTutar, t.vergiTutari, t.netBirimFiyat, sirano);
    islem.onayla();
    b.tamsayiDon(1);
}

void sepetSatirSil(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    const TSonucBilgisi* bilgi = b.bilgi(0);
    const Oturum o = oturumAc(db, bilgi, bilgi ? bilgi->CARINO() : 0);
    YazmaIslemi islem(db);
    Sorgu q(db, QStringLiteral("DELETE FROM sepet WHERE sirano = ? AND carino = ?"));
    q.calistir(b.tamsayi(1), o.carino);
    const int silinen = q.etkilenen();
    islem.onayla();
    b.tamsayiDon(silinen > 0 ? 1 : 0);
}

void sepetHepsiniSil(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    const TSonucBilgisi* bilgi = b.bilgi(0);
    const Oturum o = oturumAc(db, bilgi, bilgi ? bilgi->CARINO() : 0);
    YazmaIslemi islem(db);
    Sorgu q(db, QStringLiteral("DELETE FROM sepet WHERE carino = ?"));
    q.calistir(o.carino);
    const int silinen = q.etkilenen();
    islem.onayla();
    b.tamsayiDon(silinen);
}

void sepetSecimGuncelle(IstekBaglami& b)
{
    const int secim = b.tamsayi(1);
    if (secim != 0 && secim != 1)
        red(QStringLiteral("Seçim 0 ya da 1 olmalı"));
    Veritabani& db = vt(b);
    YazmaIslemi islem(db);
    Sorgu q(db, QStringLiteral("UPDATE sepet SET sec = ? WHERE sirano = ?"));
    q.calistir(secim, b.tamsayi(0));
    if (q.etkilenen() < 1)
        red(QStringLiteral("Sepet satırı bulunamadı"));
    islem.onayla();
}

void secenekler(IstekBaglami& b, const QString& tablo)
{
    Sorgu q(vt(b), QStringLiteral("SELECT sirano, adi FROM %1 ORDER BY sirano").arg(tablo));
    q.calistir();
    TabloYazici& t = b.tabloBasla(kSecenek);
    satirlariYaz(t, q);
    t.bitir();
}

void kargolarVer(IstekBaglami& b)
{
    Sorgu q(vt(b), QStringLiteral("SELECT sirano, adi, uyari, turno FROM kargo_firma WHERE turno = ? ORDER BY sirano"));
    q.calistir(b.tamsayi(0));
    TabloYazici& t = b.tabloBasla(kKargoFirmasi);
    satirlariYaz(t, q);
    t.bitir();
}

QString adVer(Veritabani& db, const QString& tablo, int sirano)
{
    Sorgu q(db, QStringLiteral("SELECT adi FROM %1 WHERE sirano = ?").arg(tablo));
    q.calistir(sirano);
    return q.sonraki() ? q.metin(0) : QString();
}

void siparisKaydet(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    const int carino = b.tamsayi(1);
    const Oturum o = oturumAc(db, b.bilgi(0), carino);
    const int teslim = b.tamsayi(2);
    const int kargo = b.tamsayi(3);
    const QString aciklama = metinDenetle(b.metin(4), 2000, QStringLiteral("Sipariş notu"));
    const int firma = b.tamsayi(6);
    if (adVer(db, QStringLiteral("teslim"), teslim).isEmpty())
        red(QStringLiteral("Geçersiz teslim durumu: %1").arg(teslim));
    if (adVer(db, QStringLiteral("kargo_tur"), kargo).isEmpty())
        red(QStringLiteral("Geçersiz kargo türü: %1").arg(kargo));
    {
        Sorgu q(db, QStringLiteral("SELECT turno FROM kargo_firma WHERE sirano = ?"));
        q.calistir(firma);
        if (!q.sonraki() || q.tamsayi(0) != kargo)
            red(QStringLiteral("Seçilen kargo firması bu kargo türüne ait değil"));
    }

    // One transaction: the ticked lines become the order's lines and leave the basket, so a
    // line is ordered exactly once even when the same account sends from two places. The
    // lines are taken by number as they were locked: a line added meanwhile by another
    // connection is neither ordered nor removed.
    YazmaIslemi islem(db);
    QList<int> satirlar;
    {
        Sorgu q(db,
                QStringLiteral("SELECT sirano FROM sepet WHERE carino = ? AND sec = 1 ORDER BY sirano") + db.kilit());
        q.calistir(carino);
        while (q.sonraki())
            satirlar.append(q.tamsayi(0));
    }
    if (satirlar.isEmpty()) {
        b.mantiksalDon(false);
        return;
    }
    int idno = 0;
    {
        Sorgu q(db, QStringLiteral("INSERT INTO siparis (carino, tarih, verenid, veren, teslimid, kargoid, kargofirma, "
                                   "durum, aciklama) VALUES (?,?,?,?,?,?,?,2,?) RETURNING idno"));
        q.calistir(carino, simdi(), o.sirano, o.adi, teslim, kargo, firma, aciklama);
        if (!q.sonraki())
            red(QStringLiteral("Sipariş numarası alınamadı"));
        idno = q.tamsayi(0);
    }
    // In groups of a fixed size, so the statements stay the same and are prepared once.
    constexpr int kGrup = 32;
    QString yerler = QStringLiteral("?");
    for (int i = 1; i < kGrup; ++i)
        yerler += QStringLiteral(",?");
    const QString aktar =
        QStringLiteral(
            "INSERT INTO siparis_satir (idno, sepetsirano, stokno, barkod, stokadi, miktar, birimfiyat, ilkfiyat, kdv, "
            "ind1, "
            "ind2, ind3, ind4, tutar, indirimtutar, nettutar, vergitutari, netbirimfiyat, teslimedilen, kalan, "
            "kampanya, "
            "sepettarih, aciklama) SELECT CAST(? AS INTEGER), sirano, stokno, barkod, stokadi, miktar, birimfiyat, "
            "birimfiyat, kdv, ind1, ind2, ind3, ind4, tutar, indirimtutar, nettutar, vergitutari, netbirimfiyat, 0, "
            "miktar, "
            "kampanya, tarih, aciklama FROM sepet WHERE sirano IN (%1) ORDER BY sirano")
            .arg(yerler);
    const QString sil = QStringLiteral("DELETE FROM sepet WHERE sirano IN (%1)").arg(yerler);
    for (int bas = 0; bas < satirlar.size(); bas += kGrup) {
        QVariantList grup;
        for (int i = 0; i < kGrup; ++i)
            grup << satirlar[std::min<qsizetype>(bas + i, satirlar.size() - 1)]; // repeats are harmless in IN
        Sorgu(db, aktar).calistirListe(QVariantList{idno} + grup);
        Sorgu(db, sil).calistirListe(grup);
    }
    islem.onayla();
    b.mantiksalDon(true);
}

void cariVadeGunGecmismiBul(IstekBaglami& b)
{
    Sorgu q(vt(b), QStringLiteral("SELECT tarih, vade, borc, alacak FROM cari_hareket WHERE carino = ?"));
    q.calistir(b.tamsayi(0));
    const QDate bugun = QDate::currentDate();
    double vadesiGelen = 0;
    double odenen = 0;
    while (q.sonraki()) {
        const QDate tarih = QDate::fromString(q.metin(0).left(10), Qt::ISODate);
        const double borc = q.ondalik(2);
        odenen += q.ondalik(3);
        if (borc > 0 && tarih.isValid() && tarih.addDays(q.tamsayi(1)) < bugun)
            vadesiGelen += borc;
    }
    const double gecikmis = Yuvarla(vadesiGelen - odenen);
    if (gecikmis > 0)
        b.metinDon(QStringLiteral("Vadesi geçmiş %1 TL borcunuz bulunmaktadır. Lütfen ödemenizi yapınız.")
                       .arg(paraYazisi(gecikmis)));
    else
        b.metinDon(QString());
}

} // namespace

void sepetIsleriniKaydet(rpc::Dagitici& d)
{
    d.kaydet("SepetVer2", sepetVer2);
    d.kaydet("SepetEkle2", sepetEkle2);
    d.kaydet("SepetGuncelle2", sepetGuncelle2);
    d.kaydet("SepetSatirSil", sepetSatirSil);
    d.kaydet("SepetHepsiniSil", sepetHepsiniSil);
    d.kaydet("SepetSecimGuncelle", sepetSecimGuncelle);
    d.kaydet("TeslimVer", [](IstekBaglami& b) { secenekler(b, QStringLiteral("teslim")); });
    d.kaydet("KargoVer", [](IstekBaglami& b) { secenekler(b, QStringLiteral("kargo_tur")); });
    d.kaydet("KargolarVer", kargolarVer);
    d.kaydet("SiparisKaydet", siparisKaydet);
    d.kaydet("CariVadeGunGecmismiBul", cariVadeGunGecmismiBul);
}

} // namespace zelvar::is
