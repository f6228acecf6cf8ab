#include "sutunlar.h"

namespace zelvar {

namespace {

using G = GosterimTuru;

// A column without a caption of its own shows its field name, as an unnamed field does.
SutunTanimi s(const char* alan, const char* baslik, int agirlik, bool gorunur, bool sunulan, G tur = G::Metin)
{
    SutunTanimi t;
    t.alan = QString::fromLatin1(alan);
    t.baslik = baslik ? QString::fromUtf8(baslik) : t.alan;
    t.agirlik = agirlik;
    t.gorunur = gorunur;
    t.sunulan = sunulan;
    t.tur = tur;
    return t;
}

SutunTanimi ortali(SutunTanimi t)
{
    t.hizalama = Qt::AlignHCenter;
    return t;
}

SutunTanimi sayacli(SutunTanimi t)
{
    t.sayac = true;
    return t;
}

} // namespace

QList<SutunTanimi> stokSutunlari()
{
    return {
        s("DURUM", "Durum", 1, true, true, G::Ikon),
        sayacli(s("OEM1", "Oem1", 2, false, true)), // footer: the row count
        s("OEM2", "Oem2", 2, false, true),
        s("OEM3", "Oem3", 2, false, true),
        s("BARKOD", "Barkod", 2, true, true),
        s("ADI", "Açıklama", 4, true, true),
        s("OEM4", "Oem4", 2, false, true),
        s("STOK_STOKNO", nullptr, 1, false, false),
        s("FINISHKOD", "Finish Kod", 2, false, true),
        s("URETICIKODU", "Üretici Kod", 2, false, true),
        s("RESIM", "Resim", 1, true, true, G::Ikon),
        s("BARKOD_BARKODNO", nullptr, 1, false, false),
        s("DIGERADI", "Diğer Adı", 3, false, true),
        s("DPKOD", nullptr, 2, false, false),
        s("OEMNO", "Oem No", 2, false, true),
        s("BIRIM", "Birim", 1, false, true),
        s("MARKA", "Marka", 2, true, true),
        s("MODEL", "Model", 2, true, true),
        s("ANAGRUP", "Ana Grup", 2, false, true),
        s("OZELKOD", "Özel Kod", 2, false, true),
        s("KALAN", nullptr, 1, false, false),
        s("PKOD", nullptr, 1, false, false),
        s("KDV", nullptr, 1, false, true),
        s("ALINANSIPARIS", nullptr, 1, false, false),
        s("VERILENSIPARIS", nullptr, 1, false, false),
        s("LISTEFIYAT1", "Liste Fiyatı", 2, true, true, G::Sayi),
        s("KAMPFIYAT", "Kampanyalı Fiyat", 2, true, true, G::Sayi),
        s("FIYAT", "Liste Fiyatı", 2, false, true, G::Sayi),
        s("Y", "Yeni", 1, true, true, G::Ikon),
        s("K", "Kampanyalı", 1, true, true, G::Ikon),
        ortali(s("INDIRIMYAZI", "İndirim Oran", 2, true, true)),
        s("NETFIYAT", "Net Fiyatı", 2, true, true, G::Sayi),
        s("KDVDAHIL", "KDV Dahil Fiyat", 3, true, true, G::Sayi),
        s("FIYATBILGISI", "Fiyat Bilgisi", 2, false, true, G::Ozel),
    };
}

QList<SutunTanimi> yeniStokSutunlari()
{
    return {
        s("OEM1", "Oem1", 2, false, true),
        s("OEM2", "Oem2", 2, false, true),
        s("OEM3", "Oem3", 2, false, true),
        s("BARKOD", "Barkod", 2, true, true),
        s("ADI", "Açıklama", 3, true, true),
        s("OEM4", "Oem4", 2, false, true),
        s("STOK_STOKNO", nullptr, 1, false, false),
        s("FINISHKOD", "Finish Kod", 2, true, true),
        s("URETICIKODU", "Üretici Kod", 2, false, true),
        s("BARKOD_BARKODNO", nullptr, 1, false, false),
        s("DIGERADI", "Diğer Adı", 3, false, true),
        s("DPKOD", nullptr, 2, false, false),
        s("OEMNO", "Oem No", 2, false, true),
        s("BIRIM", "Birim", 1, true, true),
        s("MARKA", "Marka", 2, true, true),
        s("MODEL", "Model", 2, true, true),
        s("ANAGRUP", "Ana Grup", 2, false, true),
        s("OZELKOD", "Özel Kod", 2, false, true),
        s("KALAN", nullptr, 1, false, false),
        s("PKOD", nullptr, 1, false, false),
        s("KDV", nullptr, 1, false, true),
        s("ALINANSIPARIS", nullptr, 1, false, false),
        s("VERILENSIPARIS", nullptr, 1, false, false),
        s("FIYAT", "Liste Fiyatı2", 2, false, true, G::Sayi),
        s("K", "Kampanyalı", 1, true, true, G::Ikon),
        s("LISTEFIYAT1", "Liste Fiyatı", 2, true, true, G::Sayi),
        s("KAMPFIYAT", "Kampanyalı Fiyatı", 2, true, true, G::Sayi),
        ortali(s("INDIRIMYAZI", "Indirim Oran", 2, true, true)),
        s("INDIRIM", "İndirim Oran", 1, false, false, G::Sayi),
        s("NETFIYAT", "Net Fiyatı", 2, true, true, G::Sayi),
        s("KDVDAHIL", "KDV Dahil Fiyat", 2, true, true, G::Sayi),
    };
}

QList<SutunTanimi> kampanyaliSutunlari()
{
    return {
        s("OEM1", "Oem1", 2, false, true),
        s("OEM2", "Oem2", 2, false, true),
        s("OEM3", "Oem3", 2, false, true),
        s("BARKOD", "Barkod", 2, true, true),
        s("ADI", "Açıklama", 3, true, true),
        s("OEM4", "Oem4", 2, false, true),
        s("STOK_STOKNO", nullptr, 1, false, false),
        s("RESIM", "Resim", 1, true, true, G::Ikon),
        s("FINISHKOD", "Finish Kod", 2, true, true),
        s("URETICIKODU", "Üretici Kod", 2, false, true),
        s("BARKOD_BARKODNO", nullptr, 1, false, false),
        s("DIGERADI", "Diğer Adı", 3, false, true),
        s("DPKOD", nullptr, 2, false, false),
        s("OEMNO", "Oem No", 2, false, true),
        s("BIRIM", "Birim", 1, true, true),
        s("MARKA", "Marka", 2, true, true),
        s("MODEL", "Model", 2, true, true),
        s("ANAGRUP", "Ana Grup", 2, false, true),
        s("OZELKOD", "Özel Kod", 2, false, true),
        s("KALAN", nullptr, 1, false, false),
        s("PKOD", nullptr, 1, false, false),
        s("KDV", nullptr, 1, false, true),
        s("ALINANSIPARIS", nullptr, 1, false, false),
        s("VERILENSIPARIS", nullptr, 1, false, false),
        s("ESKIFIYAT", "Liste Fiyatı", 2, true, true, G::Sayi),
        s("FIYAT", "Kampanyalı Fiyatı", 2, true, true, G::Sayi),
        s("Y", "Yeni", 1, true, true, G::Ikon),
        s("K", "Kampanyalı", 1, true, true, G::Ikon),
        s("INDIRIM", "İndirim Oran", 1, false, false, G::Sayi),
        ortali(s("INDIRIMYAZI", "İndirim Oran", 2, true, true)),
        s("NETFIYAT", "Net Fiyatı", 2, true, true, G::Sayi),
        s("KDVDAHIL", "KDV Dahil Fiyat", 2, true, true, G::Sayi),
        s("DURUM", "Durum", 1, true, true, G::Ikon),
    };
}

} // namespace zelvar
