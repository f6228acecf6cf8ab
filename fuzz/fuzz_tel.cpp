// Feeds arbitrary bytes to the frame and value decoder the way a peer's frame would arrive:
// a length prefix, then a body read as request, as answer, as table and as each record.

#include "jsonyazici.h"
#include "tel.h"

#include <cstddef>
#include <cstdint>

using namespace zelvar;

namespace {

template <typename T>
void kayitDene(const tel::JsonDeger& d)
{
    try {
        if (auto k = d.kayit<T>(tel::kProtokolHatasi)) {
            JsonYazici y; // whatever was read must write back
            y.kayit(*k);
        }
    } catch (const UzakHata&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boy)
{
    if (boy < 4)
        return 0;
    const auto* p = reinterpret_cast<const char*>(veri);
    try {
        tel::uzunlukDenetle(tel::uzunlukOku(p), 1u << 20);
    } catch (const UzakHata&) {
    }
    tel::JsonBelge belge;
    try {
        belge.coz(p + 4, boy - 4);
    } catch (const UzakHata&) {
        return 0;
    }
    try {
        tel::Istek istek;
        tel::istekOku(belge, istek);
        for (int i = 0; i < istek.parametreSayisi(); ++i) {
            const tel::JsonDeger d = istek.parametre(i);
            try { d.int32(tel::kParametreHatasi, "p"); } catch (const UzakHata&) {}
            try { d.ondalik(tel::kParametreHatasi, "p"); } catch (const UzakHata&) {}
            try { d.metin(tel::kParametreHatasi, "p"); } catch (const UzakHata&) {}
            try { d.akis(tel::kParametreHatasi, "p"); } catch (const UzakHata&) {}
            kayitDene<TSonucBilgisi>(d);
        }
    } catch (const UzakHata&) {
    }
    try {
        tel::Cevap cevap;
        tel::cevapOku(belge, 1, cevap);
        try {
            const SonucTablosu t = cevap.sonuc.tablo(tel::kProtokolHatasi);
            JsonYazici y;
            tel::tabloYaz(y, t);
        } catch (const UzakHata&) {
        }
        kayitDene<TSonucBilgisi>(cevap.sonuc);
        kayitDene<TSiparisDipAyrinti>(cevap.sonuc);
        kayitDene<TTusSonuclari>(cevap.sonuc);
        kayitDene<TMobilCariBilgisi>(cevap.sonuc);
        kayitDene<TAcilisEkran>(cevap.sonuc);
        kayitDene<TAcilisEkranlariki>(cevap.sonuc);
        try { cevap.cikti.eleman(0).int64(tel::kProtokolHatasi, "boy"); } catch (const UzakHata&) {}
    } catch (const UzakHata&) {
    }
    return 0;
}
