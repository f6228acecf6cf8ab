// Previous orders, the account statement and its documents, outstanding balances, an item's
// order history and the two sales reports.

#include "ortak.h"

#include "sayibicimi.h"
#include "veri/gorseller.h"

namespace zelvar::is
{

namespace
{

using A = AlanTuru;

constexpr SutunTanimi kSiparis[] = {
    {"CARINO", A::Integer},   {"IDNO", A::Integer},       {"TARIH", A::DateTime},      {"KUR", A::String, 5},
    {"KURTL", A::Float},      {"VERENIDNO", A::Integer},  {"KARGO", A::String, 50},    {"TESLIM", A::String, 50},
    {"VEREN", A::String, 50}, {"CARIKOD", A::String, 25}, {"CARIADI", A::String, 100}, {"VERGI", A::Float},
    {"NETTUTAR", A::Float},   {"TUTAR", A::Float},        {"DURUM", A::String, 100},   {"KARGOADI", A::String, 50},
    {"VERENINNOTU", A::Memo}, {"ALANNOTU", A::Memo},      {"DURUMNO", A::Integer},
};

// The fixed columns the report window's table has.
constexpr SutunTanimi kRaporSiparis[] = {
    {"SATICIADI", A::String, 50}, {"IDNO", A::Float},          {"CARINO", A::Integer},     {"TARIH", A::Date},
    {"KUR", A::String, 5},        {"KURTL", A::Float},         {"VERENIDNO", A::Integer},  {"KARGO", A::String, 50},
    {"TESLIM", A::String, 50},    {"VEREN", A::String, 50},    {"CARIKOD", A::String, 25}, {"CARIADI", A::String, 100},
    {"DURUM", A::String, 100},    {"KARGOADI", A::String, 50}, {"VERGI", A::Float},        {"NETTUTAR", A::Float},
    {"TUTAR", A::Float},
};

constexpr SutunTanimi kRaporStok[] = {
    {"BARKOD", A::String, 50}, {"KOD", A::String, 50}, {"ADI", A::String, 100}, {"DEPARTMAN", A::String, 50},
    {"MIKTAR", A::Float},      {"NETTUTAR", A::Float}, {"TLVERGI", A::Float},   {"TUTAR", A::Float},
};

constexpr SutunTanimi kEkstre[] = {
    {"CARINO", A::Integer}, {"TARIH", A::Date},   {"TURADI", A::String, 50},    {"EVRAK", A::String, 30},
    {"BORC", A::Float},     {"ALACAK", A::Float}, {"KUR", A::String, 5},        {"BAKIYE", A::Float},
    {"D", A::String, 1},    {"IDNO", A::Integer}, {"ACIKLAMA", A::String, 200},
};

constexpr SutunTanimi kFatura[] = {
    {"OEMNO", A::String, 30},
    {"STOKADI", A::String, 100},
    {"FINISHKOD", A::String, 30},
    {"MARKA", A::String, 50},
    {"MODEL", A::String, 50},
    {"ANAGRUP", A::String, 50},
    {"BIRIM", A::String, 10},
    {"STOKHAR_MIKTAR", A::Float},
    {"STOKHAR_TLBIRIMFIYATI", A::Float},
    {"STOKHAR_TLTUTAR", A::Float},
    {"STOKHAR_INDIRIM1", A::Float},
    {"STOKHAR_INDIRIM2", A::Float},
    {"KDV", A::Float},
    {"STOKHAR_TOPLAMINDIRIM", A::Float},
    {"STOKHAR_TOPLAMMASRAF", A::Float},
    {"STOKHAR_NETTLBIRIMFIYATI", A::Float},
    {"STOKHAR_NETTLTUTAR", A::Float},
    {"OZELKOD", A::String, 30},
    {"BARKOD", A::String, 30},
    {"STOKHAR_HAREKETTARIHI", A::Date},
    {"STOKHAR_HAREKETTIPI2", A::String, 50},
    {"EVRAKNO", A::String, 30},
    {"STOKHAR_TLVERGI", A::Float},
    {"IRSALIYEEVRAKNO", A::String, 30},
    {"STOKHAR_IRSTARIHI", A::Date},
    {"SATIRACIKLMASI", A::String, 200},
    {"STOKHAR_SAAT", A::Time},
    {"STOKHAR_VADE", A::Integer},
    {"SIPARISEVRAKNO", A::String, 30},
    {"SIPARISTARIHI", A::Date},
    {"IRSALIYETIP2", A::String, 30},
    {"STOKHAR_INDIRIM3", A::Float},
    {"STOKHAR_INDIRIM4", A::Float},
    {"STOKHAR_INDIRIM5", A::Float},
    {"STOKHAR_INDIRIM6", A::Float},
    {"STOKHAR_INDIRIM7", A::Float},
    {"STOKHAR_INDIRIM8", A::Float},
    {"STOKHAR_DOVIZBIRIMFIYATI", A::Float},
    {"STOKHAR_DOVIZVERGI", A::Float},
    {"STOKHAR_DOVIZTUTAR", A::Float},
    {"STOKHAR_PARTI", A::String, 20},
    {"STOKHAR_BEDEN", A::String, 20},
    {"STOKHAR_RENK", A::String, 20},
    {"STOKHAR_MASRAF1", A::Float},
    {"STOKHAR_MASRAF2", A::Float},
    {"STOKHAR_DOVIZTOPLAMINDIRIM", A::Float},
    {"STOKHAR_DOVIZTOPLAMMASRAF", A::Float},
    {"STOKHAR_NETDOVIZBIRIMFIYATI", A::Float},
    {"STOKHAR_NETDOVIZTUTAR", A::Float},
    {"STOKHAR_KURTL", A::Float},
    {"SIPARISTIPI", A::String, 20},
    {"IRSALIYETIPINO", A::Integer},
    {"STOKCARIKOD", A::String, 25},
    {"SUBE_NO", A::Integer},
    {"STOKHAR_CARINO", A::Integer},
    {"KUR_KURSIMGE", A::String, 5},
    {"SATICIADI", A::String, 50},
    {"URETICIKODU", A::String, 30},
    {"DPKOD", A::String, 30},
    {"ENADI", A::String, 100},
    {"PKOD", A::String, 30},
    {"BELGENO", A::String, 30},
    {"IDNO", A::Integer},
};

constexpr SutunTanimi kFaturaAlt[] = {
    {"TOPLAM", A::Float},   {"TOPLAMINDIRIM", A::Float}, {"MATRAH", A::Float},
    {"KDVDAHIL", A::Float}, {"KDVTUTAR", A::Float},
};

constexpr SutunTanimi kTahsilat[] = {
    {"Tarih", A::Date},         {"Türü", A::String, 30}, {"Cins", A::String, 30},
    {"EvrakNo", A::String, 30}, {"Vade", A::Date},       {"Tutar", A::Float},
    {"Kur", A::String, 5},      {"KurTL", A::Float},     {"Açıklama", A::String, 200},
    {"Döviz Tutar", A::Float},  {"Ref", A::String, 30},  {"Saat", A::String, 8},
};

QString siparisSecimi()
{
    return QStringLiteral(
        "SELECT o.carino, o.idno, o.tarih, o.kur, o.kurtl, o.verenid, kt.adi, te.adi, o.veren, c.carikod, "
        "c.cariadi, COALESCE((SELECT SUM(l.vergitutari) FROM siparis_satir l WHERE l.idno = o.idno), 0), "
        "COALESCE((SELECT SUM(l.nettutar) FROM siparis_satir l WHERE l.idno = o.idno), 0), "
        "COALESCE((SELECT SUM(l.tutar) FROM siparis_satir l WHERE l.idno = o.idno), 0), "
        "CASE o.durum WHEN 2 THEN 'Alındı' WHEN 3 THEN 'Onaylandı' WHEN 4 THEN 'Görüldü' "
        "WHEN 5 THEN 'Parçalı Hazırlandı' WHEN 6 THEN 'Hazırlandı' WHEN 7 THEN 'Sevk Edildi' ELSE '' END, "
        "kf.adi, o.aciklama, o.alannotu ");
}

QString siparisKaynagi()
{
    return QStringLiteral("FROM siparis o JOIN cari c ON c.carino = o.carino "
                          "LEFT JOIN teslim te ON te.sirano = o.teslimid "
                          "LEFT JOIN kargo_tur kt ON kt.sirano = o.kargoid "
                          "LEFT JOIN kargo_firma kf ON kf.sirano = o.kargofirma ");
}

void oncekiSiparisler(IstekBaglami& b)
{
    Sorgu q(vt(b), siparisSecimi() + QStringLiteral(", o.durum ") + siparisKaynagi() +
                       QStringLiteral("WHERE o.carino = ? ORDER BY o.idno DESC"));
    q.calistir(b.tamsayi(0));
    TabloYazici& t = b.tabloBasla(kSiparis);
    satirlariYaz(t, q);
    t.bitir();
}

void siparisSatirlari(IstekBaglami& b, const QString& kosul, const QString& sira, int a, int c)
{
    Sorgu q(vt(b), siparisSatiriSecimi() + kosul + sira);
    q.calistir(a, c);
    TabloYazici& t = b.tabloBasla(kSiparisSatiriSutunlari);
    satirlariYaz(t, q);
    t.bitir();
}

void siparisAyrintisi2(IstekBaglami& b)
{
    siparisSatirlari(b, QStringLiteral("WHERE o.carino = ? AND l.idno = ? "), QStringLiteral("ORDER BY l.sirano"),
                     b.tamsayi(0), b.tamsayi(1));
}

void siparisAytintisiDip(IstekBaglami& b)
{
    const int carino = b.tamsayi(0);
    Sorgu q(vt(b), QStringLiteral("SELECT o.aciklama, o.durum, o.veren, kf.adi, o.alannotu, te.adi, kt.adi, "
                                  "o.saticinotu, o.carino ") +
                       siparisKaynagi() + QStringLiteral("WHERE o.idno = ?"));
    q.calistir(b.tamsayi(1));
    TSiparisDipAyrinti d;
    // The footer is asked for with account 0; another number must be the order's own.
    if (q.sonraki() && (carino == 0 || carino == q.tamsayi(8))) {
        d.setSizinMesaj(q.metin(0));
        d.setDurumu(durumAdi(q.tamsayi(1)));
        d.setVeren(q.metin(2));
        d.setKargo(q.metin(3));
        d.setBizimMesaj(q.metin(4));
        d.setTeslimCinsi(q.metin(5));
        d.setKargoCinsi(q.metin(6));
        d.setSaticiNotu(q.metin(7));
    }
    b.kayitDon(d);
}

void cariEkstreVer(IstekBaglami& b)
{
    Sorgu q(vt(b), QStringLiteral("SELECT carino, tarih, turadi, evrak, borc, alacak, kur, idno, aciklama "
                                  "FROM cari_hareket WHERE carino = ? ORDER BY tarih, idno"));
    q.calistir(b.tamsayi(0));
    TabloYazici& t = b.tabloBasla(kEkstre);
    double bakiye = 0;
    while (q.sonraki()) {
        const double borc = q.ondalik(4);
        const double alacak = q.ondalik(5);
        bakiye = Yuvarla(bakiye + borc - alacak);
        t.satirBasla();
        t.tamsayi(q.tamsayi(0));
        t.metin(q.metin(1).left(10));
        t.metin(q.metin(2));
        t.metin(q.metin(3));
        t.ondalik(borc);
        t.ondalik(alacak);
        t.metin(q.metin(6));
        t.ondalik(bakiye);
        t.metin(bakiye > 0 ? QStringLiteral("B") : bakiye < 0 ? QStringLiteral("A") : QStringLiteral(" "));
        t.tamsayi(q.tamsayi(7));
        t.metin(q.metin(8));
        t.satirBitir();
    }
    t.bitir();
}

void faturaGetir(IstekBaglami& b)
{
    Sorgu q(vt(b), QStringLiteral(
                       "SELECT s.oemno, s.adi, s.finishkod, s.marka, s.model, s.anagrup, s.birim, f.miktar, "
                       "f.birimfiyat, f.tutar, f.ind1, f.ind2, f.kdv, f.indirim, f.masraf, "
                       "CASE WHEN f.miktar <> 0 THEN f.nettutar / f.miktar ELSE 0 END, f.nettutar, s.ozelkod, "
                       "s.barkod, h.tarih, h.turadi, h.evrak, f.vergi, f.irsaliyeno, h.tarih, f.aciklama, h.saat, "
                       "h.vade, CAST(h.siparisidno AS TEXT), o.tarih, 'Satış İrsaliyesi', 0, 0, 0, 0, 0, 0, 0, 0, 0, "
                       "'', '', '', 0, 0, 0, 0, 0, 0, 1, 'Normal', 1, c.carikod, 1, h.carino, 'TL', t.adi, "
                       "s.ureticikodu, s.dpkod, s.digeradi, s.pkod, h.evrak, h.idno "
                       "FROM fatura_satir f JOIN cari_hareket h ON h.idno = f.hareket "
                       "JOIN stok s ON s.stokno = f.stokno JOIN cari c ON c.carino = h.carino "
                       "JOIN satici t ON t.saticino = c.saticino LEFT JOIN siparis o ON o.idno = h.siparisidno "
                       "WHERE h.carino = ? AND h.idno = ? ORDER BY f.sirano"));
    q.calistir(b.tamsayi(0), b.tamsayi(1));
    TabloYazici& t = b.tabloBasla(kFatura);
    satirlariYaz(t, q);
    t.bitir();
}

void faturaAltGetir(IstekBaglami& b)
{
    Sorgu q(vt(b), QStringLiteral("SELECT COALESCE(SUM(f.tutar), 0), COALESCE(SUM(f.indirim), 0), "
                                  "COALESCE(SUM(f.nettutar), 0), COALESCE(SUM(f.vergi), 0), COUNT(h.idno) "
                                  "FROM cari_hareket h LEFT JOIN fatura_satir f ON f.hareket = h.idno "
                                  "WHERE h.idno = ?"));
    q.calistir(b.tamsayi(0));
    TabloYazici& t = b.tabloBasla(kFaturaAlt);
    if (q.sonraki() && q.tamsayi(4) > 0) {
        const double matrah = Yuvarla(q.ondalik(2));
        const double kdv = Yuvarla(q.ondalik(3));
        t.satirBasla();
        t.ondalik(Yuvarla(q.ondalik(0)));
        t.ondalik(Yuvarla(q.ondalik(1)));
        t.ondalik(matrah);
        t.ondalik(Yuvarla(matrah + kdv));
        t.ondalik(kdv);
        t.satirBitir();
    }
    t.bitir();
}

void tahsilat(IstekBaglami& b)
{
    Sorgu q(vt(b), QStringLiteral("SELECT tarih, turadi, cins, evrak, tarih, borc + alacak, kur, 1, aciklama, 0, "
                                  "CAST(idno AS TEXT), saat FROM cari_hareket "
                                  "WHERE idno = ? AND turadi IN ('Tahsilat', 'Tediye')"));
    q.calistir(b.tamsayi(0));
    TabloYazici& t = b.tabloBasla(kTahsilat);
    satirlariYaz(t, q);
    t.bitir();
}

void sanalposSiranoVer(IstekBaglami& b)
{
    Sorgu q(vt(b), QStringLiteral("SELECT sirano FROM sanalpos WHERE hareket = ?"));
    q.calistir(b.tamsayi(0));
    b.tamsayiDon(q.tek(0).toInt());
}

void sanalPosPdfVer(IstekBaglami& b)
{
    Sorgu q(vt(b),
            QStringLiteral("SELECT p.sirano, p.tarih, p.tutar, p.kart, p.onaykodu, h.evrak, c.carikod, c.cariadi "
                           "FROM sanalpos p JOIN cari_hareket h ON h.idno = p.hareket "
                           "JOIN cari c ON c.carino = p.carino WHERE p.sirano = ?"));
    q.calistir(b.tamsayi(0));
    if (!q.sonraki()) {
        b.akisDon({});
        return;
    }
    veri::PdfBelgesi belge;
    belge.baslik = QStringLiteral("Sanal POS Ödeme Makbuzu");
    belge.bilgiler = {QStringLiteral("Makbuz No: %1").arg(q.tamsayi(0)),
                      QStringLiteral("İşlem Tarihi: %1").arg(q.metin(1).replace(QLatin1Char('T'), QLatin1Char(' '))),
                      QStringLiteral("Cari: %1 - %2").arg(q.metin(6), q.metin(7)),
                      QStringLiteral("Tahsilat Evrak No: %1").arg(q.metin(5))};
    belge.sutunlar = {QStringLiteral("Kart"), QStringLiteral("Onay Kodu"), QStringLiteral(">Tutar (TL)")};
    belge.satirlar = {{q.metin(3), q.metin(4), paraYazisi(q.ondalik(2))}};
    belge.dipNot = QStringLiteral("Bu makbuz Zelvar Otomotiv sanal POS sistemi üzerinden yapılan kartlı ödeme için "
                                  "düzenlenmiştir. Ödemeniz için teşekkür ederiz.");
    b.akisDon(veri::pdfYaz(belge));
}

void bakiyelerVer2(IstekBaglami& b)
{
    siparisSatirlari(b, QStringLiteral("WHERE o.carino = ? AND l.kalan > 0 AND ? = 0 "),
                     QStringLiteral("ORDER BY l.idno, l.sirano"), b.tamsayi(0), 0);
}

// The order line a balance call names, locked for the change, and whether it belongs to the
// caller's account.
struct BakiyeSatiri {
    bool var = false;
    double miktar = 0, birimfiyat = 0, teslimedilen = 0;
    int kdv = 0;
    Oranlar oranlar{};
};

BakiyeSatiri bakiyeSatiri(Veritabani& db, int sirano, int carino)
{
    Sorgu q(db, QStringLiteral("SELECT l.miktar, l.birimfiyat, l.teslimedilen, l.kdv, l.ind1, l.ind2, l.ind3, l.ind4 "
                               "FROM siparis_satir l JOIN siparis o ON o.idno = l.idno "
                               "WHERE l.sirano = ? AND o.carino = ?") +
                    db.kilit());
    q.calistir(sirano, carino);
    BakiyeSatiri s;
    if (q.sonraki()) {
        s.var = true;
        s.miktar = q.ondalik(0);
        s.birimfiyat = q.ondalik(1);
        s.teslimedilen = q.ondalik(2);
        s.kdv = q.tamsayi(3);
        s.oranlar = {q.ondalik(4), q.ondalik(5), q.ondalik(6), q.ondalik(7)};
    }
    return s;
}

void satiriGuncelle(Veritabani& db, int sirano, double miktar, double fiyat, const BakiyeSatiri& s, double kalan)
{
    const SatirTutarlari t = satirHesapla(miktar, fiyat, s.oranlar, s.kdv);
    Sorgu(db, QStringLiteral("UPDATE siparis_satir SET miktar = ?, birimfiyat = ?, ind1 = ?, tutar = ?, "
                             "indirimtutar = ?, nettutar = ?, vergitutari = ?, netbirimfiyat = ?, kalan = ? "
                             "WHERE sirano = ?"))
        .calistir(miktar, fiyat, s.oranlar[0], t.tutar, t.indirimTutar, t.netTutar, t.vergiTutari, t.netBirimFiyat,
                  kalan, sirano);
}

// Deletes the balance: what is still to be delivered is cancelled; the line keeps what was
// delivered.
void bakiyeDuzenle(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    const TSonucBilgisi* bilgi = b.bilgi(0);
    const Oturum o = oturumAc(db, bilgi, bilgi ? bilgi->CARINO() : 0);
    const int sirano = b.tamsayi(2);
    YazmaIslemi islem(db);
    const BakiyeSatiri s = bakiyeSatiri(db, sirano, o.carino);
    if (!s.var) {
        b.tamsayiDon(0);
        return;
    }
    satiriGuncelle(db, sirano, s.teslimedilen, s.birimfiyat, s, 0);
    islem.onayla();
    b.tamsayiDon(1);
}

// Sets the balance still to be delivered; the ordered quantity becomes delivered + balance.
void bakiyeDegistir(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    const TSonucBilgisi* bilgi = b.bilgi(0);
    const Oturum o = oturumAc(db, bilgi, bilgi ? bilgi->CARINO() : 0);
    const int sirano = b.tamsayi(2);
    const double yeni = sayiDenetle(b.ondalik(5), 0.001, 100000, QStringLiteral("Yeni bakiye"));
    YazmaIslemi islem(db);
    const BakiyeSatiri s = bakiyeSatiri(db, sirano, o.carino);
    if (!s.var) {
        b.tamsayiDon(0);
        return;
    }
    satiriGuncelle(db, sirano, s.teslimedilen + yeni, s.birimfiyat, s, yeni);
    islem.onayla();
    b.tamsayiDon(1);
}

void bakiyeFiyatDegistir(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    const TSonucBilgisi* bilgi = b.bilgi(0);
    const Oturum o = oturumAc(db, bilgi, bilgi ? bilgi->CARINO() : 0);
    if (o.tip != 2)
        red(QStringLiteral("Bakiye fiyatlarını değiştirme yetkiniz yok"));
    const int sirano = b.tamsayi(2);
    const double fiyat = sayiDenetle(b.ondalik(7), 0, 1e9, QStringLiteral("Fiyat"));
    const double oran = sayiDenetle(b.ondalik(8), 0, 100, QStringLiteral("İndirim oranı"));
    YazmaIslemi islem(db);
    BakiyeSatiri s = bakiyeSatiri(db, sirano, o.carino);
    if (!s.var) {
        b.tamsayiDon(0);
        return;
    }
    s.oranlar[0] = oran;
    satiriGuncelle(db, sirano, s.miktar, fiyat, s, s.miktar - s.teslimedilen);
    islem.onayla();
    b.tamsayiDon(1);
}

void cariDurumVer(IstekBaglami& b)
{
    const int carino = b.tamsayi(0);
    Veritabani& db = vt(b);
    if (!cariVarMi(db, carino)) {
        b.metinDon(QString());
        return;
    }
    Sorgu q(db, QStringLiteral("SELECT COALESCE(SUM(borc - alacak), 0) FROM cari_hareket WHERE carino = ?"));
    q.calistir(carino);
    b.metinDon(paraYazisi(Yuvarla(q.tek(0).toDouble())));
}

void tumSiparislerVer(IstekBaglami& b)
{
    const int stokno = b.tamsayi(1);
    siparisSatirlari(b,
                     stokno == 0 ? QStringLiteral("WHERE o.carino = ? AND ? = 0 ")
                                 : QStringLiteral("WHERE o.carino = ? AND l.stokno = ? "),
                     QStringLiteral("ORDER BY l.idno DESC, l.sirano"), b.tamsayi(0), stokno);
}

// The reports' date range: whole days from the first date to the second.
QPair<QString, QString> tarihAraligi(double t1, double t2)
{
    const QDate a = oleTarihi(t1);
    const QDate z = oleTarihi(t2);
    if (!a.isValid() || !z.isValid())
        red(QStringLiteral("Geçersiz tarih"));
    return {a.toString(Qt::ISODate), z.addDays(1).toString(Qt::ISODate)};
}

void raporAlinanSiparisler(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    const TSonucBilgisi* bilgi = b.bilgi(0);
    const Oturum o = oturumAc(db, bilgi, bilgi ? bilgi->CARINO() : 0);
    const auto [bas, son] = tarihAraligi(b.ondalik(1), b.ondalik(2));
    // Staff see every account's orders, a dealer its own.
    Sorgu q(db, QStringLiteral("SELECT st.adi, o.idno, o.carino, o.tarih, o.kur, o.kurtl, o.verenid, kt.adi, te.adi, "
                               "o.veren, c.carikod, c.cariadi, "
                               "CASE o.durum WHEN 2 THEN 'Alındı' WHEN 3 THEN 'Onaylandı' WHEN 4 THEN 'Görüldü' "
                               "WHEN 5 THEN 'Parçalı Hazırlandı' WHEN 6 THEN 'Hazırlandı' WHEN 7 THEN 'Sevk Edildi' "
                               "ELSE '' END, kf.adi, "
                               "COALESCE((SELECT SUM(l.vergitutari) FROM siparis_satir l WHERE l.idno = o.idno), 0), "
                               "COALESCE((SELECT SUM(l.nettutar) FROM siparis_satir l WHERE l.idno = o.idno), 0), "
                               "COALESCE((SELECT SUM(l.tutar) FROM siparis_satir l WHERE l.idno = o.idno), 0) ") +
                    siparisKaynagi() +
                    QStringLiteral("JOIN satici st ON st.saticino = c.saticino "
                                   "WHERE o.tarih >= ? AND o.tarih < ? AND (? = 1 OR o.carino = ?) "
                                   "ORDER BY st.adi, o.tarih"));
    q.calistir(bas, son, o.personel() ? 1 : 0, o.carino);
    TabloYazici& t = b.tabloBasla(kRaporSiparis);
    satirlariYaz(t, q);
    t.bitir();
}

void raporEnCokSatilanStoklar(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    const TSonucBilgisi* bilgi = b.bilgi(0);
    const Oturum o = oturumAc(db, bilgi, bilgi ? bilgi->CARINO() : 0);
    const auto [bas, son] = tarihAraligi(b.ondalik(1), b.ondalik(2));
    Sorgu q(db, QStringLiteral("SELECT s.barkod, s.ureticikodu, s.adi, s.departman, SUM(l.miktar), SUM(l.nettutar), "
                               "SUM(l.vergitutari), SUM(l.tutar) FROM siparis_satir l "
                               "JOIN siparis o ON o.idno = l.idno JOIN stok s ON s.stokno = l.stokno "
                               "WHERE o.tarih >= ? AND o.tarih < ? AND (? = 1 OR o.carino = ?) "
                               "GROUP BY s.stokno, s.barkod, s.ureticikodu, s.adi, s.departman "
                               "ORDER BY SUM(l.miktar) DESC, s.barkod LIMIT 1000"));
    q.calistir(bas, son, o.personel() ? 1 : 0, o.carino);
    TabloYazici& t = b.tabloBasla(kRaporStok);
    satirlariYaz(t, q);
    t.bitir();
}

} // namespace

void hesapIsleriniKaydet(rpc::Dagitici& d)
{
    d.kaydet("OncekiSiparisler", oncekiSiparisler);
    d.kaydet("SiparisAyrintisi2", siparisAyrintisi2);
    d.kaydet("SiparisAytintisiDip", siparisAytintisiDip);
    d.kaydet("CariEkstreVer", cariEkstreVer);
    d.kaydet("FaturaGetir", faturaGetir);
    d.kaydet("FaturaAltGetir", faturaAltGetir);
    d.kaydet("Tahsilat", tahsilat);
    d.kaydet("SanalposSiranoVer", sanalposSiranoVer);
    d.kaydet("SAnalPosPdfVer", sanalPosPdfVer);
    d.kaydet("BakiyelerVer2", bakiyelerVer2);
    d.kaydet("BakiyeDuzenle", bakiyeDuzenle);
    d.kaydet("BakiyeDegistir", bakiyeDegistir);
    d.kaydet("BakiyeFiyatDegistir", bakiyeFiyatDegistir);
    d.kaydet("CariDurumVer", cariDurumVer);
    d.kaydet("TumSiparislerVer", tumSiparislerVer);
    d.kaydet("RaporAlinanSiparisler", raporAlinanSiparisler);
    d.kaydet("RaporEnCokSatilanStoklar", raporEnCokSatilanStoklar);
}

} // namespace zelvar::is
