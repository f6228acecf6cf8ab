#include "katalog.h"

#include <array>

namespace zelvar {

namespace {

using T = DegerTuru;
constexpr std::string_view kSonuc = "baglantiu.TSonucBilgisi";

constexpr ParametreTanimi p(std::string_view ad, DegerTuru t) { return {ad, t, {}}; }
constexpr ParametreTanimi bilgi(std::string_view ad) { return {ad, T::Nesne, kSonuc}; }

constexpr std::array<ParametreTanimi, 0> kHic{};
constexpr std::array kBoy{p("boy", T::Int64)};
constexpr std::array kSize{p("size", T::Int64)};

constexpr std::array kBuyukGetir{p("idsi", T::String)};
constexpr std::array kStokAraGetir{p("kod", T::String), bilgi("bilgi")};
constexpr std::array kCarino{p("carino", T::Integer)};
constexpr std::array kKampanyaliVer2{p("cario", T::Integer), p("satici", T::Integer)};
constexpr std::array kSepetEkle2{
    bilgi("bilgim"), p("carino", T::Integer), p("stokno", T::Integer), p("barkod", T::String),
    p("stokadi", T::String), p("miktar", T::Double), p("kdv", T::Double), p("fiyat", T::Double),
    p("ind1", T::Double), p("verenid", T::Integer), p("k", T::Integer), p("ind2", T::Double),
    p("ind3", T::Double), p("ind4", T::Double)};
constexpr std::array kStokno{p("stokno", T::Integer)};
constexpr std::array kSepetGuncelle2{
    bilgi("bilgim"), p("carino", T::Integer), p("stokno", T::Integer), p("barkod", T::String),
    p("stokadi", T::String), p("miktar", T::Double), p("kdv", T::Double), p("fiyat", T::Double),
    p("ind1", T::Double), p("verenid", T::Integer), p("_sepetsirano", T::Integer), p("ind2", T::Double),
    p("ind3", T::Double), p("ind4", T::Double)};
constexpr std::array kSepetSatirSil{bilgi("bilgi"), p("satirno", T::Integer), p("aciklamam", T::String)};
constexpr std::array kBilgi{bilgi("bilgi")};
constexpr std::array kSepetSecimGuncelle{p("sirano", T::Integer), p("secim", T::Integer)};
constexpr std::array kKargolarVer{p("gn", T::Integer)};
constexpr std::array kSiparisKaydet{bilgi("BB"), p("_carino", T::Integer), p("_teslim", T::Integer),
                                    p("_kargo", T::Integer), p("_aciklama", T::String),
                                    p("_verenid", T::Integer), p("_kargoyeni", T::Integer)};
constexpr std::array kCarinoIdnosu{p("carino", T::Integer), p("idnosu", T::Integer)};
constexpr std::array kCarinoSiranosu{p("carino", T::Integer), p("siranosu", T::Integer)};
constexpr std::array kIdnosu{p("idnosu", T::Integer)};
constexpr std::array kSirano{p("sirano", T::Integer)};
constexpr std::array kBakiyeDuzenle{bilgi("k"), p("stokno", T::Integer), p("sepetsirano", T::Integer),
                                    p("siparissirano", T::Integer), p("Adet", T::Double),
                                    p("Bakiye", T::Double), p("barkod", T::String)};
constexpr std::array kBakiyeFiyatDegistir{
    bilgi("k"), p("stokno", T::Integer), p("sepetsirano", T::Integer), p("siparissirano", T::Integer),
    p("Adet", T::Double), p("Bakiye", T::Double), p("barkod", T::String), p("fiyat", T::Double),
    p("ind", T::Double)};
constexpr std::array kCarinoStokno{p("carino", T::Integer), p("stokno", T::Integer)};
constexpr std::array kRapor{bilgi("bilgi"), p("tarih1", T::Double), p("tarih2", T::Double)};
constexpr std::array kCariAra{bilgi("bil"), p("aranan", T::String)};
constexpr std::array kCariSepetVer{bilgi("bil"), p("n", T::Integer)};
constexpr std::array kBil{bilgi("bil")};
constexpr std::array kRaporGetir{p("raporno", T::Integer), p("bolum", T::Integer), p("idno", T::Integer),
                                 p("carino", T::Integer), p("saticiadi", T::String), p("tarih1", T::Double),
                                 p("tarih2", T::Double)};
constexpr std::array kSira{p("sira", T::Integer)};
constexpr std::array kMobilCariBilgisiGetir{p("sirano", T::Integer), p("_idsi", T::String)};
#define ZELVAR_MAIL_ALANLARI                                                                        \
    p("idsi", T::String), p("baslik", T::String), p("firmaadi", T::String), p("adres1", T::String), \
        p("adres2", T::String), p("ilce", T::String), p("sehir", T::String), p("telefon", T::String), \
        p("fax", T::String), p("vd", T::String), p("vn", T::String), p("yetkili", T::String),       \
        p("kullaniciadi", T::String), p("sifre", T::String), p("mail", T::String),                 \
        p("kargoambar", T::String)
constexpr std::array kMailGonserCari{ZELVAR_MAIL_ALANLARI};
constexpr std::array kMailGonserCariNormal{ZELVAR_MAIL_ALANLARI, p("konu", T::String)};
#undef ZELVAR_MAIL_ALANLARI

constexpr MetotTanimi kKatalog[] = {
    {"BuyukGetir", kBuyukGetir, T::Nesne, kSonuc},
    {"StokAraGetir", kStokAraGetir, T::Tablo},
    {"YenilerVer2", kCarino, T::Tablo},
    {"KampanyaliVer2", kKampanyaliVer2, T::Tablo},
    {"AcilisEkranlarVer2", kHic, T::Nesne, "mobilstokunit.TAcilisEkranlariki"},
    {"SepetEkle2", kSepetEkle2, T::Integer},
    {"ResimVer5", kStokno, T::Akis, {}, kBoy},
    {"SepetVer2", kCarino, T::Tablo},
    {"CariVadeGunGecmismiBul", kCarino, T::String},
    {"SepetGuncelle2", kSepetGuncelle2, T::Integer},
    {"SepetSatirSil", kSepetSatirSil, T::Integer},
    {"SepetHepsiniSil", kBilgi, T::Integer},
    {"SepetSecimGuncelle", kSepetSecimGuncelle, T::Yok},
    {"TeslimVer", kHic, T::Tablo},
    {"KargoVer", kHic, T::Tablo},
    {"KargolarVer", kKargolarVer, T::Tablo},
    {"SiparisKaydet", kSiparisKaydet, T::Boolean},
    {"OncekiSiparisler", kCarino, T::Tablo},
    {"SiparisAyrintisi2", kCarinoIdnosu, T::Tablo},
    {"SiparisAytintisiDip", kCarinoSiranosu, T::Nesne, "baglantiu.TSiparisDipAyrinti"},
    {"CariEkstreVer", kCarino, T::Tablo},
    {"FaturaGetir", kCarinoIdnosu, T::Tablo},
    {"FaturaAltGetir", kIdnosu, T::Tablo},
    {"Tahsilat", kIdnosu, T::Tablo},
    {"SanalposSiranoVer", kIdnosu, T::Integer},
    {"SAnalPosPdfVer", kSirano, T::Akis, {}, kBoy},
    {"BakiyelerVer2", kCarino, T::Tablo},
    {"BakiyeDuzenle", kBakiyeDuzenle, T::Integer},
    {"BakiyeDegistir", kBakiyeDuzenle, T::Integer},
    {"BakiyeFiyatDegistir", kBakiyeFiyatDegistir, T::Integer},
    {"CariDurumVer", kCarino, T::String},
    {"TumSiparislerVer", kCarinoStokno, T::Tablo},
    {"RaporAlinanSiparisler", kRapor, T::Tablo},
    {"RaporEnCokSatilanStoklar", kRapor, T::Tablo},
    {"CariAra", kCariAra, T::Tablo},
    {"CariSepetVer", kCariSepetVer, T::Tablo},
    {"SepetSayisi", kBil, T::Integer},
    {"TusSonuclariVer", kBil, T::Nesne, "baglantiu.TTusSonuclari"},
    {"RaporGetir", kRaporGetir, T::Akis, {}, kSize},
    {"KayanYaziGetir", kHic, T::String},
    {"BannerResimVer", kHic, T::Akis, {}, kSize},
    {"BannerResimVer2", kHic, T::Akis, {}, kSize},
    {"BannerResimVer3", kHic, T::Akis, {}, kSize},
    {"BalonGetir", kBil, T::Tablo},
    {"AcilisReklamAdet", kHic, T::Integer},
    {"AcilisREklamVer", kSira, T::Nesne, "mobilstokunit.TAcilisEkran"},
    {"MobilCariBilgisiGetir", kMobilCariBilgisiGetir, T::Nesne, "mobilstokunit.TMobilCariBilgisi"},
    {"MailGonserCari", kMailGonserCari, T::Integer},
    {"MailGonserCariNormal", kMailGonserCariNormal, T::Integer},
};

} // namespace

std::span<const MetotTanimi> metotKatalogu()
{
    return kKatalog;
}

const MetotTanimi* metotBul(std::string_view ad)
{
    for (const auto& m : kKatalog)
        if (m.ad == ad)
            return &m;
    return nullptr;
}

const char* degerTuruAdi(DegerTuru t)
{
    switch (t) {
    case T::Yok: return "none";
    case T::Integer: return "Integer";
    case T::Int64: return "Int64";
    case T::Double: return "Double";
    case T::String: return "string";
    case T::Boolean: return "Boolean";
    case T::Nesne: return "object";
    case T::Akis: return "stream";
    case T::Tablo: return "table";
    }
    return "?";
}

} // namespace zelvar
