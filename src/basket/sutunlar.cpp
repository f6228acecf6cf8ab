#include "sutunlar.h"

namespace zelvar {

namespace {

using G = GosterimTuru;

enum Gorunum { Gorunur, GizliSunulan, GizliSunulmayan };

SutunTanimi s(const char* alan, const char* baslik, int agirlik, Gorunum g, G tur = G::Metin)
{
    SutunTanimi t;
    t.alan = QString::fromLatin1(alan);
    t.baslik = baslik ? QString::fromUtf8(baslik) : t.alan;
    t.agirlik = agirlik;
    t.gorunur = g == Gorunur;
    t.sunulan = g != GizliSunulmayan;
    t.tur = tur;
    return t;
}

} // namespace

QList<SutunTanimi> sepetSutunlari()
{
    QList<SutunTanimi> l = {
        s("SEC", "Seç", 1, Gorunur, G::Onay),
        s("VERILISTARIHI", "Sipariş Tarihi", 1, Gorunur),
        s("SIRANO", nullptr, 0, GizliSunulmayan),
        s("SIPARISNO", "Sipariş No", 0, GizliSunulan),
        s("CARINO", nullptr, 0, GizliSunulmayan),
        s("TARIH", "Tarih", 1, GizliSunulan),
        s("AKTAR", nullptr, 0, GizliSunulmayan),
        s("STOKNO", nullptr, 0, GizliSunulmayan),
        s("BARKOD", "Barkod", 2, Gorunur),
        s("FINISHKOD", "FinishKod", 2, Gorunur),
        s("OEMNO", "OEMNo", 2, Gorunur),
        s("STOKADI", "Stok Açıklama", 3, Gorunur),
        s("MIKTAR", "Miktar", 1, Gorunur, G::Sayi),
        s("BIRIMFIYAT", "Birim Fiyat", 1, Gorunur, G::Sayi),
        s("TUTAR", "Tutar", 1, Gorunur, G::Sayi),
        s("INDIRIMYAZI", "İndirim Oran", 2, Gorunur),
        s("INDIRIMORANI1", "İndirim Oranı %", 1, GizliSunulmayan, G::Sayi),
        s("INDIRIMORANI2", nullptr, 1, GizliSunulmayan, G::Sayi),
        s("INDIRIMORANI3", nullptr, 1, GizliSunulmayan, G::Sayi),
        s("INDIRIMTUTAR", "İndirim Tutar", 1, GizliSunulmayan, G::Sayi),
        s("NETBIRIMFIYAT", "Net Fiyat", 1, Gorunur, G::Sayi),
        s("KDV", nullptr, 1, Gorunur, G::Sayi),
        s("VERGITUTARI", "Vergi Tutarı", 1, Gorunur, G::Sayi),
        s("NETTUTAR", "Net Tutar", 1, Gorunur, G::Sayi),
        s("KUR", "Kur", 1, GizliSunulan, G::Sayi),
        s("KURTL", nullptr, 1, GizliSunulmayan, G::Sayi),
        s("VERENIDNO", nullptr, 1, GizliSunulmayan),
        s("SAAT", "Saat", 1, GizliSunulan),
        s("TESLIMID", nullptr, 1, GizliSunulmayan),
        s("KARGOID", nullptr, 1, GizliSunulmayan),
        s("ACIKLAMA", "Açıklama", 1, GizliSunulan),
        s("IDNO", nullptr, 1, GizliSunulmayan),
        s("VERENSIRANO", nullptr, 1, GizliSunulmayan),
        s("VEREN", "Veren", 1, Gorunur),
        s("CARIKOD", "Cari Kod", 1, GizliSunulmayan),
        s("CARIADI", "Cari Adı", 1, GizliSunulmayan),
        s("OEM1", nullptr, 1, GizliSunulan),
        s("OEM2", nullptr, 1, GizliSunulan),
        s("OEM3", nullptr, 1, GizliSunulan),
        s("OEM4", nullptr, 1, GizliSunulan),
        s("STOK_STOKNO", nullptr, 1, GizliSunulmayan),
        s("URETICIKODU", nullptr, 1, GizliSunulmayan),
        s("DIGERADI", nullptr, 1, GizliSunulan),
        s("DPKOD", nullptr, 1, GizliSunulan),
        s("MARKA", "Marka", 1, GizliSunulan),
        s("MODEL", "Model", 1, GizliSunulan),
        s("ANAGRUP", "Ana Grup", 1, GizliSunulan),
        s("OZELKOD", "Özel Kod", 1, GizliSunulan),
        s("PKOD", nullptr, 1, GizliSunulan),
        s("DURUM", "Durum", 1, Gorunur, G::Ikon),
        s("KALAN", "Kalan", 1, GizliSunulmayan, G::Sayi),
        s("INDIRIMORANI4", nullptr, 0, GizliSunulan, G::Sayi),
    };
    for (auto& t : l) {
        // Footer: the number of lines under the order date, the quantity and net sums.
        if (t.alan == QLatin1String("MIKTAR") || t.alan == QLatin1String("NETTUTAR"))
            t.toplam = true;
        if (t.alan == QLatin1String("VERILISTARIHI"))
            t.sayac = true;
        // The tick is always shown, changed only through its actions and no search target.
        if (t.alan == QLatin1String("SEC")) {
            t.sunulan = false;
            t.aramada = false;
        }
        if (t.alan == QLatin1String("INDIRIMYAZI"))
            t.hizalama = Qt::AlignHCenter;
    }
    return l;
}

} // namespace zelvar
