#include "ortak.h"

#include "sayibicimi.h"
#include "veri/hizlisorgu.h"

#include <QSqlRecord>

#include <cmath>
#include <cstring>

namespace zelvar::is
{

using A = AlanTuru;

void red(const QString& mesaj)
{
    throw UzakHata(tel::kSunucuHatasi, mesaj);
}

double sayiDenetle(double v, double alt, double ust, const QString& ne)
{
    if (!std::isfinite(v) || v < alt || v > ust)
        red(QStringLiteral("%1 %2 ile %3 arasında olmalı").arg(ne).arg(alt).arg(ust));
    return v;
}

QString metinDenetle(const QString& v, int enFazla, const QString& ne)
{
    if (v.size() > enFazla)
        red(QStringLiteral("%1 en fazla %2 karakter olabilir").arg(ne).arg(enFazla));
    return v;
}

bool cariVarMi(Veritabani& vt, int carino)
{
    Sorgu q(vt, QStringLiteral("SELECT 1 FROM cari WHERE carino = ?"));
    q.calistir(carino);
    return q.sonraki();
}

Oturum oturumAc(Veritabani& vt, const TSonucBilgisi* bilgi, int carino)
{
    if (!bilgi)
        red(QStringLiteral("Oturum bilgisi gönderilmedi"));
    Oturum o;
    {
        Sorgu q(vt, QStringLiteral("SELECT adi, tip, carino, aktif FROM kullanici WHERE sirano = ?"));
        q.calistir(bilgi->Sirano());
        if (!q.sonraki() || q.tamsayi(3) != 1)
            red(QStringLiteral("Oturum geçersiz: kullanıcı bulunamadı ya da pasif"));
        o.sirano = bilgi->Sirano();
        o.adi = q.metin(0);
        o.tip = q.tamsayi(1);
        o.carino = q.tamsayi(2);
    }
    if (!o.personel() && carino != o.carino)
        red(QStringLiteral("Bu cari için işlem yetkiniz yok"));
    if (!cariVarMi(vt, carino))
        red(QStringLiteral("Cari bulunamadı: %1").arg(carino));
    o.carino = carino;
    return o;
}

Oturum personelOturumu(Veritabani& vt, const TSonucBilgisi* bilgi)
{
    if (!bilgi)
        red(QStringLiteral("Oturum bilgisi gönderilmedi"));
    Sorgu q(vt, QStringLiteral("SELECT adi, tip, carino, aktif FROM kullanici WHERE sirano = ?"));
    q.calistir(bilgi->Sirano());
    if (!q.sonraki() || q.tamsayi(3) != 1)
        red(QStringLiteral("Oturum geçersiz: kullanıcı bulunamadı ya da pasif"));
    Oturum o{bilgi->Sirano(), q.metin(0), q.tamsayi(1), bilgi->CARINO()};
    if (!o.personel())
        red(QStringLiteral("Bu işlem yalnız satış personeli içindir"));
    return o;
}

Oranlar cariOranlari(Veritabani& vt, int carino)
{
    if (carino == 0)
        return {};
    Sorgu q(vt, QStringLiteral("SELECT ind1, ind2, ind3, ind4 FROM cari WHERE carino = ?"));
    q.calistir(carino);
    if (!q.sonraki())
        red(QStringLiteral("Cari bulunamadı: %1").arg(carino));
    return {q.ondalik(0), q.ondalik(1), q.ondalik(2), q.ondalik(3)};
}

// ---- writing rows --------------------------------------------------------------------------

void hucreYaz(TabloYazici& t, const SutunTanimi& s, const QVariant& v)
{
    if (v.isNull()) {
        t.bos();
        return;
    }
    switch (s.tur) {
    case A::Integer:
    case A::LargeInt:
        t.tamsayi(v.toLongLong());
        return;
    case A::Float:
    case A::Currency:
        t.ondalik(v.toDouble());
        return;
    case A::Boolean:
        t.mantiksal(v.toLongLong() != 0);
        return;
    case A::Date: {
        const QString m = v.toString();
        if (m.size() >= 10)
            t.metin(QStringView(m).left(10));
        else
            t.bos();
        return;
    }
    case A::DateTime: {
        QString m = v.toString();
        if (m.size() == 10)
            m += QStringLiteral("T00:00:00");
        if (m.size() >= 19) {
            m.truncate(19);
            m[10] = QLatin1Char('T');
            t.metin(m);
        } else {
            t.bos();
        }
        return;
    }
    case A::Time: {
        const QString m = v.toString();
        if (m.size() >= 19)
            t.metin(QStringView(m).mid(11, 8));
        else if (m.size() == 8)
            t.metin(m);
        else
            t.bos();
        return;
    }
    case A::String:
    case A::Memo:
    case A::Bcd:
        t.metin(v.toString());
        return;
    case A::Blob:
        t.metinUtf8(v.toByteArray().toBase64().toStdString());
        return;
    }
    t.bos();
}

void satirlariYaz(TabloYazici& t, Sorgu& q)
{
    const auto& sutunlar = t.sutunlar();
    // A discount text column is made from the four rate columns of the same row.
    int yazi = -1;
    int oran[4] = {-1, -1, -1, -1};
    for (int i = 0; i < int(sutunlar.size()); ++i) {
        const char* ad = sutunlar[size_t(i)].ad;
        if (std::strcmp(ad, "INDIRIMYAZI") == 0)
            yazi = i;
        for (int k = 0; k < 4; ++k)
            if (std::strcmp(ad, ("INDIRIMORANI" + std::to_string(k + 1)).c_str()) == 0)
                oran[k] = i;
    }
    const bool yaziHesapla = yazi >= 0 && oran[0] >= 0 && oran[1] >= 0 && oran[2] >= 0 && oran[3] >= 0;
    if (q.ham().record().count() != int(sutunlar.size()))
        throw std::logic_error("sorgunun sütun sayısı tablonunkine uymuyor");
    while (q.sonraki()) {
        t.satirBasla();
        for (int i = 0; i < int(sutunlar.size()); ++i) {
            if (i == yazi && yaziHesapla) {
                t.metin(
                    indirimYazisi({q.ondalik(oran[0]), q.ondalik(oran[1]), q.ondalik(oran[2]), q.ondalik(oran[3])}));
                continue;
            }
            hucreYaz(t, sutunlar[size_t(i)], q.deger(i));
        }
        t.satirBitir();
    }
}

// ---- parts ---------------------------------------------------------------------------------

namespace
{

constexpr SutunTanimi kParca[] = {
    {"STOK_STOKNO", A::Integer},
    {"BARKOD", A::String, 30},
    {"ADI", A::String, 100},
    {"DIGERADI", A::String, 100},
    {"MARKA", A::String, 50},
    {"MODEL", A::String, 50},
    {"FINISHKOD", A::String, 30},
    {"OEM1", A::String, 30},
    {"OEM2", A::String, 30},
    {"OEM3", A::String, 30},
    {"OEM4", A::String, 30},
    {"OEMNO", A::String, 30},
    {"URETICIKODU", A::String, 30},
    {"ANAGRUP", A::String, 50},
    {"OZELKOD", A::String, 30},
    {"BIRIM", A::String, 10},
    {"DPKOD", A::String, 30},
    {"PKOD", A::String, 30},
    {"BARKOD_BARKODNO", A::String, 30},
    {"DURUM", A::Integer},
    {"RESIM", A::Integer},
    {"Y", A::Integer},
    {"K", A::Integer},
    {"KDV", A::Float},
    {"FIYAT", A::Float},
    {"LISTEFIYAT1", A::Float},
    {"KAMPFIYAT", A::Float},
    {"NETFIYAT", A::Float},
    {"KDVDAHIL", A::Float},
    {"IND1", A::Float},
    {"IND2", A::Float},
    {"IND3", A::Float},
    {"IND4", A::Float},
    {"INDIRIMYAZI", A::String, 50},
    {"KALAN", A::Float},
    {"ALINANSIPARIS", A::Float},
    {"VERILENSIPARIS", A::Float},
    {"ESKIFIYAT", A::Float},
    {"INDIRIM", A::Float},
};
constexpr size_t kParcaTemel = std::size(kParca) - 2;

constexpr SutunTanimi kSiparisSatiri[] = {
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
    {"ILKFIYAT", A::Float},
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
    {"TESLIM", A::String, 50},
    {"KARGO", A::String, 50},
    {"TESLIMEDILEN", A::Float},
    {"KALAN", A::Float},
    {"STOKHAR_NO", A::Integer},
    {"ELDEKI", A::String, 20},
    {"DURUM", A::Integer},
    {"ALINANSIPARIS", A::Float},
    {"VERILENSIPARIS", A::Float},
    {"SIPARISDURUMU", A::String, 30},
};

} // namespace

const std::span<const SutunTanimi> kParcaSutunlari(kParca, kParcaTemel);
const std::span<const SutunTanimi> kParcaListesiSutunlari(kParca, std::size(kParca));
const std::span<const SutunTanimi> kSiparisSatiriSutunlari(kSiparisSatiri, std::size(kSiparisSatiri));

QString parcaSecimi()
{
    return QStringLiteral(
        "SELECT s.stokno, s.barkod, s.adi, s.digeradi, s.marka, s.model, s.finishkod, s.oem1, s.oem2, s.oem3, "
        "s.oem4, s.oemno, s.ureticikodu, s.anagrup, s.ozelkod, s.birim, s.dpkod, s.pkod, s.barkod_barkodno, "
        "s.durum, s.resim, s.yeni, s.kampanya, s.kdv, s.listefiyat, s.kampfiyat, s.kalan, s.alinansiparis, "
        "s.verilensiparis ");
}

namespace
{

// Row access for the part writer: through Qt SQL, or straight from SQLite.
struct QtSatiri {
    QSqlQuery& h;
    bool sonraki() { return h.next(); }
    qint64 tamsayi(int i) const { return h.value(i).toLongLong(); }
    double ondalik(int i) const { return h.value(i).toDouble(); }
    void metin(TabloYazici& t, int i) const { t.metin(h.value(i).toString()); }
};

struct HizliSatir {
    veri::HizliSorgu& q;
    bool sonraki() { return q.sonraki(); }
    qint64 tamsayi(int i) const { return q.tamsayi(i); }
    double ondalik(int i) const { return q.ondalik(i); }
    void metin(TabloYazici& t, int i) const { t.metinUtf8(q.metin(i)); }
};

template <typename S> int parcalariYazT(TabloYazici& t, S& s, const FiyatKurali& kural, bool listeSutunlari, int sinir)
{
    // The discount text is the same for every row of one kind.
    const Oranlar kampanyaOranlari{kural.oranlar[0], 0, 0, 0};
    const std::string normalYazi = indirimYazisi(kural.oranlar).toStdString();
    const std::string kampanyaYazi = indirimYazisi(kampanyaOranlari).toStdString();
    while (s.sonraki()) {
        if (t.satirSayisi() >= sinir)
            red(QStringLiteral("Arama %1 satırdan fazla sonuç verdi; lütfen aramayı daraltın").arg(sinir));
        t.satirBasla();
        t.tamsayi(s.tamsayi(0));
        for (int i = 1; i <= 18; ++i)
            s.metin(t, i);
        t.tamsayi(s.tamsayi(19)); // DURUM
        t.tamsayi(s.tamsayi(20)); // RESIM
        t.tamsayi(s.tamsayi(21)); // Y
        const bool kampanyali = kural.kampanyaGorur && s.tamsayi(22) != 0;
        const double kdv = s.ondalik(23);
        const double liste = s.ondalik(24);
        const double kamp = s.ondalik(25);
        const double fiyat = kampanyali ? kamp : liste;
        const Oranlar& oranlar = kampanyali ? kampanyaOranlari : kural.oranlar;
        const double net = netFiyat(fiyat, oranlar);
        t.tamsayi(kampanyali ? 1 : 0); // K
        t.ondalik(kdv);
        t.ondalik(fiyat);
        t.ondalik(liste);
        t.ondalik(kampanyali ? kamp : 0.0);
        t.ondalik(net);
        t.ondalik(yuvarla2(net * (1 + kdv / 100.0)));
        for (double o : oranlar)
            t.ondalik(o);
        t.metinUtf8(kampanyali ? kampanyaYazi : normalYazi);
        t.ondalik(s.ondalik(26));
        t.ondalik(s.ondalik(27));
        t.ondalik(s.ondalik(28));
        if (listeSutunlari) {
            t.ondalik(liste);
            t.ondalik(oranlar[0]);
        }
        t.satirBitir();
    }
    return t.satirSayisi();
}

} // namespace

int parcalariYaz(TabloYazici& t, Sorgu& q, const FiyatKurali& kural, bool listeSutunlari, int sinir)
{
    QtSatiri s{q.ham()};
    return parcalariYazT(t, s, kural, listeSutunlari, sinir);
}

int parcalariYaz(TabloYazici& t, veri::HizliSorgu& q, const FiyatKurali& kural, bool listeSutunlari, int sinir)
{
    HizliSatir s{q};
    return parcalariYazT(t, s, kural, listeSutunlari, sinir);
}

void parcaListesi(IstekBaglami& b, const QString& sql, const QVariantList& degerler, const FiyatKurali& kural,
                  bool listeSutunlari)
{
    Veritabani& db = vt(b);
    const int sinir = b.kaynak<IsKaynagi>().ayarlar.aramaSiniri;
    TabloYazici& t = b.tabloBasla(listeSutunlari ? kParcaListesiSutunlari : kParcaSutunlari);
    if (veri::HizliSorgu::kullanilabilir(db)) {
        veri::HizliSorgu q(db, sql);
        for (int i = 0; i < degerler.size(); ++i) {
            if (degerler[i].typeId() == QMetaType::QString)
                q.bagla(i, degerler[i].toString());
            else
                q.bagla(i, degerler[i].toLongLong());
        }
        parcalariYaz(t, q, kural, listeSutunlari, sinir);
    } else {
        Sorgu q(db, sql);
        q.calistirListe(degerler);
        parcalariYaz(t, q, kural, listeSutunlari, sinir);
    }
    t.bitir();
}

QString siparisSatiriSecimi()
{
    return QStringLiteral(
        "SELECT o.tarih, l.sirano, l.idno, o.carino, o.tarih, 0, l.stokno, l.barkod, s.finishkod, s.oemno, "
        "l.stokadi, l.miktar, l.birimfiyat, l.ilkfiyat, l.tutar, '', l.ind1, l.ind2, l.ind3, l.ind4, "
        "l.indirimtutar, l.netbirimfiyat, l.kdv, l.vergitutari, l.nettutar, o.kur, o.kurtl, o.verenid, o.tarih, "
        "o.teslimid, o.kargoid, l.stokadi, l.idno, o.verenid, o.veren, c.carikod, c.cariadi, s.oem1, s.oem2, "
        "s.oem3, s.oem4, l.stokno, s.ureticikodu, s.digeradi, s.dpkod, s.marka, s.model, s.anagrup, s.ozelkod, "
        "s.pkod, te.adi, kt.adi, l.teslimedilen, l.kalan, l.sirano, s.kalan, s.durum, s.alinansiparis, "
        "s.verilensiparis, CASE o.durum WHEN 2 THEN 'Alındı' WHEN 3 THEN 'Onaylandı' WHEN 4 THEN 'Görüldü' "
        "WHEN 5 THEN 'Parçalı Hazırlandı' WHEN 6 THEN 'Hazırlandı' WHEN 7 THEN 'Sevk Edildi' ELSE '' END "
        "FROM siparis_satir l JOIN siparis o ON o.idno = l.idno JOIN stok s ON s.stokno = l.stokno "
        "JOIN cari c ON c.carino = o.carino LEFT JOIN teslim te ON te.sirano = o.teslimid "
        "LEFT JOIN kargo_tur kt ON kt.sirano = o.kargoid ");
}

} // namespace zelvar::is
