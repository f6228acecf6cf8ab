#include "proxim.h"

#include "baglanti.h"
#include "jsonyazici.h"
#include "tel.h"

namespace zelvar {

using tel::Cevap;
using tel::kProtokolHatasi;

// ---- Komut -------------------------------------------------------------------------------

Komut::Komut(QString metot)
    : m_metot(std::move(metot)), m_text(tel::kMetotOnEki + m_metot), m_istek(std::make_unique<JsonYazici>()),
      m_belge(std::make_unique<tel::JsonBelge>()), m_cevap(std::make_unique<Cevap>())
{
}

Komut::~Komut() = default;

JsonYazici& Komut::istekBasla(Baglanti& baglanti)
{
    // What the previous run returned is released now, as the next run begins.
    m_sonucNesnesi.reset();
    *m_cevap = Cevap{};
    *m_istek = JsonYazici();
    m_istekNo = baglanti.sonrakiIstekNo();
    tel::istekBasla(*m_istek, m_istekNo, m_metot);
    return *m_istek;
}

const Cevap& Komut::calistir(Baglanti& baglanti)
{
    tel::istekBitir(*m_istek);
    ++m_calismaSayisi;
    const QByteArray govde = baglanti.istekGonder(m_istek->veri());
    try {
        m_belge->coz(govde);
        tel::cevapOku(*m_belge, m_istekNo, *m_cevap);
    } catch (const UzakHata& h) {
        // A frame we cannot read leaves the stream in an unknown state; an error answer does not.
        if (h.sinif() == kProtokolHatasi)
            baglanti.Close();
        throw;
    }
    return *m_cevap;
}

// ---- parameters and results --------------------------------------------------------------

namespace {

void yaz(JsonYazici& y, int v) { y.tamsayi(v); }
void yaz(JsonYazici& y, double v) { y.ondalik(v); }
void yaz(JsonYazici& y, const QString& v) { y.metin(v); }
void yaz(JsonYazici& y, Bilgi&& v)
{
    if (v)
        y.kayit(*v);
    else
        y.bos();
    v.reset(); // the proxy owns what it was given
}

int tamsayiSonuc(const Cevap& c) { return c.sonuc.int32(kProtokolHatasi, "sonuç"); }
bool mantiksalSonuc(const Cevap& c) { return c.sonuc.mantiksal(kProtokolHatasi, "sonuç"); }
QString metinSonuc(const Cevap& c) { return c.sonuc.metin(kProtokolHatasi, "sonuç"); }
SonucTablosu tabloSonuc(const Cevap& c) { return c.sonuc.tablo(kProtokolHatasi); }

QByteArray akisSonuc(const Cevap& c, qint64& boy)
{
    if (c.cikti.diziBoyu() < 1)
        throw UzakHata(kProtokolHatasi, QStringLiteral("Akışın uzunluğu gelmedi"));
    boy = c.cikti.eleman(0).int64(kProtokolHatasi, "boy");
    QByteArray b = c.sonuc.akis(kProtokolHatasi, "sonuç");
    if (boy != b.size())
        throw UzakHata(kProtokolHatasi, QStringLiteral("Akışın uzunluğu bildirilenden farklı: %1/%2").arg(b.size()).arg(boy));
    return b;
}

} // namespace

// ---- proxy -------------------------------------------------------------------------------

#define ZELVAR_METOTLAR(X)                                                                           \
    X(BuyukGetir) X(StokAraGetir) X(YenilerVer2) X(KampanyaliVer2) X(AcilisEkranlarVer2) X(SepetEkle2)  \
    X(ResimVer5) X(SepetVer2) X(CariVadeGunGecmismiBul) X(SepetGuncelle2) X(SepetSatirSil)             \
    X(SepetHepsiniSil) X(SepetSecimGuncelle) X(TeslimVer) X(KargoVer) X(KargolarVer) X(SiparisKaydet)  \
    X(OncekiSiparisler) X(SiparisAyrintisi2) X(SiparisAytintisiDip) X(CariEkstreVer) X(FaturaGetir)    \
    X(FaturaAltGetir) X(Tahsilat) X(SanalposSiranoVer) X(SAnalPosPdfVer) X(BakiyelerVer2)              \
    X(BakiyeDuzenle) X(BakiyeDegistir) X(BakiyeFiyatDegistir) X(CariDurumVer) X(TumSiparislerVer)      \
    X(RaporAlinanSiparisler) X(RaporEnCokSatilanStoklar) X(CariAra) X(CariSepetVer) X(SepetSayisi)     \
    X(TusSonuclariVer) X(RaporGetir) X(KayanYaziGetir) X(BannerResimVer) X(BannerResimVer2)            \
    X(BannerResimVer3) X(BalonGetir) X(AcilisReklamAdet) X(AcilisREklamVer) X(MobilCariBilgisiGetir)   \
    X(MailGonserCari) X(MailGonserCariNormal)

struct TServerMethods1Client::Slotlar {
#define ZELVAR_SLOT(m) std::unique_ptr<Komut> F##m##Command;
    ZELVAR_METOTLAR(ZELVAR_SLOT)
#undef ZELVAR_SLOT

    const Komut* bul(QStringView metot) const
    {
#define ZELVAR_BUL(m)                                  \
    if (metot == QLatin1String(#m))                    \
        return F##m##Command.get();
        ZELVAR_METOTLAR(ZELVAR_BUL)
#undef ZELVAR_BUL
        return nullptr;
    }
};

TServerMethods1Client::TServerMethods1Client(Baglanti& baglanti)
    : m_baglanti(baglanti), m_slotlar(std::make_unique<Slotlar>())
{
    if (!baglanti.Connected())
        throw UzakHata(tel::kBaglantiHatasi, QStringLiteral("Sunucu vekili açık olmayan bir bağlantı üzerinde kurulamaz"));
}

TServerMethods1Client::~TServerMethods1Client() = default;

const Komut* TServerMethods1Client::komut(QStringView metot) const
{
    return m_slotlar->bul(metot);
}

template <typename... A>
const Cevap& TServerMethods1Client::cagir(std::unique_ptr<Komut>& slot, const char* metot, A&&... girdiler)
{
    if (!slot)
        slot = std::make_unique<Komut>(QString::fromLatin1(metot));
    JsonYazici& y = slot->istekBasla(m_baglanti);
    (yaz(y, std::forward<A>(girdiler)), ...);
    return slot->calistir(m_baglanti);
}

#define ZELVAR_CAGIR(m, ...) cagir(m_slotlar->F##m##Command, #m __VA_OPT__(, ) __VA_ARGS__)

TSonucBilgisi* TServerMethods1Client::BuyukGetir(const QString& idsi)
{
    const Cevap& c = ZELVAR_CAGIR(BuyukGetir, idsi);
    return m_slotlar->FBuyukGetirCommand->sahiplen(c.sonuc.kayit<TSonucBilgisi>(kProtokolHatasi));
}

SonucTablosu TServerMethods1Client::StokAraGetir(const QString& kod, Bilgi bilgi)
{
    return tabloSonuc(ZELVAR_CAGIR(StokAraGetir, kod, std::move(bilgi)));
}

SonucTablosu TServerMethods1Client::YenilerVer2(int carino)
{
    return tabloSonuc(ZELVAR_CAGIR(YenilerVer2, carino));
}

SonucTablosu TServerMethods1Client::KampanyaliVer2(int cario, int satici)
{
    return tabloSonuc(ZELVAR_CAGIR(KampanyaliVer2, cario, satici));
}

TAcilisEkranlariki* TServerMethods1Client::AcilisEkranlarVer2()
{
    const Cevap& c = ZELVAR_CAGIR(AcilisEkranlarVer2);
    return m_slotlar->FAcilisEkranlarVer2Command->sahiplen(c.sonuc.kayit<TAcilisEkranlariki>(kProtokolHatasi));
}

int TServerMethods1Client::SepetEkle2(Bilgi bilgim, int carino, int stokno, const QString& barkod,
                                      const QString& stokadi, double miktar, double kdv, double fiyat, double ind1,
                                      int verenid, int k, double ind2, double ind3, double ind4)
{
    return tamsayiSonuc(ZELVAR_CAGIR(SepetEkle2, std::move(bilgim), carino, stokno, barkod, stokadi, miktar, kdv,
                                     fiyat, ind1, verenid, k, ind2, ind3, ind4));
}

QByteArray TServerMethods1Client::ResimVer5(int stokno, qint64& boy)
{
    return akisSonuc(ZELVAR_CAGIR(ResimVer5, stokno), boy);
}

SonucTablosu TServerMethods1Client::SepetVer2(int carino)
{
    return tabloSonuc(ZELVAR_CAGIR(SepetVer2, carino));
}

QString TServerMethods1Client::CariVadeGunGecmismiBul(int carino)
{
    return metinSonuc(ZELVAR_CAGIR(CariVadeGunGecmismiBul, carino));
}

int TServerMethods1Client::SepetGuncelle2(Bilgi bilgim, int carino, int stokno, const QString& barkod,
                                          const QString& stokadi, double miktar, double kdv, double fiyat,
                                          double ind1, int verenid, int _sepetsirano, double ind2, double ind3,
                                          double ind4)
{
    return tamsayiSonuc(ZELVAR_CAGIR(SepetGuncelle2, std::move(bilgim), carino, stokno, barkod, stokadi, miktar,
                                     kdv, fiyat, ind1, verenid, _sepetsirano, ind2, ind3, ind4));
}

int TServerMethods1Client::SepetSatirSil(Bilgi bilgi, int satirno, const QString& aciklamam)
{
    return tamsayiSonuc(ZELVAR_CAGIR(SepetSatirSil, std::move(bilgi), satirno, aciklamam));
}

int TServerMethods1Client::SepetHepsiniSil(Bilgi bilgi)
{
    return tamsayiSonuc(ZELVAR_CAGIR(SepetHepsiniSil, std::move(bilgi)));
}

void TServerMethods1Client::SepetSecimGuncelle(int sirano, int secim)
{
    ZELVAR_CAGIR(SepetSecimGuncelle, sirano, secim);
}

SonucTablosu TServerMethods1Client::TeslimVer()
{
    return tabloSonuc(ZELVAR_CAGIR(TeslimVer));
}

SonucTablosu TServerMethods1Client::KargoVer()
{
    return tabloSonuc(ZELVAR_CAGIR(KargoVer));
}

SonucTablosu TServerMethods1Client::KargolarVer(int gn)
{
    return tabloSonuc(ZELVAR_CAGIR(KargolarVer, gn));
}

bool TServerMethods1Client::SiparisKaydet(Bilgi BB, int _carino, int _teslim, int _kargo, const QString& _aciklama,
                                          int _verenid, int _kargoyeni)
{
    return mantiksalSonuc(
        ZELVAR_CAGIR(SiparisKaydet, std::move(BB), _carino, _teslim, _kargo, _aciklama, _verenid, _kargoyeni));
}

SonucTablosu TServerMethods1Client::OncekiSiparisler(int carino)
{
    return tabloSonuc(ZELVAR_CAGIR(OncekiSiparisler, carino));
}

SonucTablosu TServerMethods1Client::SiparisAyrintisi2(int carino, int idnosu)
{
    return tabloSonuc(ZELVAR_CAGIR(SiparisAyrintisi2, carino, idnosu));
}

TSiparisDipAyrinti* TServerMethods1Client::SiparisAytintisiDip(int carino, int siranosu)
{
    const Cevap& c = ZELVAR_CAGIR(SiparisAytintisiDip, carino, siranosu);
    return m_slotlar->FSiparisAytintisiDipCommand->sahiplen(c.sonuc.kayit<TSiparisDipAyrinti>(kProtokolHatasi));
}

SonucTablosu TServerMethods1Client::CariEkstreVer(int carino)
{
    return tabloSonuc(ZELVAR_CAGIR(CariEkstreVer, carino));
}

SonucTablosu TServerMethods1Client::FaturaGetir(int carino, int idnosu)
{
    return tabloSonuc(ZELVAR_CAGIR(FaturaGetir, carino, idnosu));
}

SonucTablosu TServerMethods1Client::FaturaAltGetir(int idnosu)
{
    return tabloSonuc(ZELVAR_CAGIR(FaturaAltGetir, idnosu));
}

SonucTablosu TServerMethods1Client::Tahsilat(int idnosu)
{
    return tabloSonuc(ZELVAR_CAGIR(Tahsilat, idnosu));
}

int TServerMethods1Client::SanalposSiranoVer(int idnosu)
{
    return tamsayiSonuc(ZELVAR_CAGIR(SanalposSiranoVer, idnosu));
}

QByteArray TServerMethods1Client::SAnalPosPdfVer(int sirano, qint64& boy)
{
    return akisSonuc(ZELVAR_CAGIR(SAnalPosPdfVer, sirano), boy);
}

SonucTablosu TServerMethods1Client::BakiyelerVer2(int carino)
{
    return tabloSonuc(ZELVAR_CAGIR(BakiyelerVer2, carino));
}

int TServerMethods1Client::BakiyeDuzenle(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet,
                                         double Bakiye, const QString& barkod)
{
    return tamsayiSonuc(
        ZELVAR_CAGIR(BakiyeDuzenle, std::move(k), stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod));
}

int TServerMethods1Client::BakiyeDegistir(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet,
                                          double Bakiye, const QString& barkod)
{
    return tamsayiSonuc(
        ZELVAR_CAGIR(BakiyeDegistir, std::move(k), stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod));
}

int TServerMethods1Client::BakiyeFiyatDegistir(Bilgi k, int stokno, int sepetsirano, int siparissirano,
                                               double Adet, double Bakiye, const QString& barkod, double fiyat,
                                               double ind)
{
    return tamsayiSonuc(ZELVAR_CAGIR(BakiyeFiyatDegistir, std::move(k), stokno, sepetsirano, siparissirano, Adet,
                                     Bakiye, barkod, fiyat, ind));
}

QString TServerMethods1Client::CariDurumVer(int carino)
{
    return metinSonuc(ZELVAR_CAGIR(CariDurumVer, carino));
}

SonucTablosu TServerMethods1Client::TumSiparislerVer(int carino, int stokno)
{
    return tabloSonuc(ZELVAR_CAGIR(TumSiparislerVer, carino, stokno));
}

SonucTablosu TServerMethods1Client::RaporAlinanSiparisler(Bilgi bilgi, double tarih1, double tarih2)
{
    return tabloSonuc(ZELVAR_CAGIR(RaporAlinanSiparisler, std::move(bilgi), tarih1, tarih2));
}

SonucTablosu TServerMethods1Client::RaporEnCokSatilanStoklar(Bilgi bilgi, double tarih1, double tarih2)
{
    return tabloSonuc(ZELVAR_CAGIR(RaporEnCokSatilanStoklar, std::move(bilgi), tarih1, tarih2));
}

SonucTablosu TServerMethods1Client::CariAra(Bilgi bil, const QString& aranan)
{
    return tabloSonuc(ZELVAR_CAGIR(CariAra, std::move(bil), aranan));
}

SonucTablosu TServerMethods1Client::CariSepetVer(Bilgi bil, int n)
{
    return tabloSonuc(ZELVAR_CAGIR(CariSepetVer, std::move(bil), n));
}

int TServerMethods1Client::SepetSayisi(Bilgi bil)
{
    return tamsayiSonuc(ZELVAR_CAGIR(SepetSayisi, std::move(bil)));
}

TTusSonuclari* TServerMethods1Client::TusSonuclariVer(Bilgi bil)
{
    const Cevap& c = ZELVAR_CAGIR(TusSonuclariVer, std::move(bil));
    return m_slotlar->FTusSonuclariVerCommand->sahiplen(c.sonuc.kayit<TTusSonuclari>(kProtokolHatasi));
}

QByteArray TServerMethods1Client::RaporGetir(int raporno, int bolum, int idno, int carino, const QString& saticiadi,
                                             double tarih1, double tarih2, qint64& size)
{
    return akisSonuc(ZELVAR_CAGIR(RaporGetir, raporno, bolum, idno, carino, saticiadi, tarih1, tarih2), size);
}

QString TServerMethods1Client::KayanYaziGetir()
{
    return metinSonuc(ZELVAR_CAGIR(KayanYaziGetir));
}

QByteArray TServerMethods1Client::BannerResimVer(qint64& size)
{
    return akisSonuc(ZELVAR_CAGIR(BannerResimVer), size);
}

QByteArray TServerMethods1Client::BannerResimVer2(qint64& size)
{
    return akisSonuc(ZELVAR_CAGIR(BannerResimVer2), size);
}

QByteArray TServerMethods1Client::BannerResimVer3(qint64& size)
{
    return akisSonuc(ZELVAR_CAGIR(BannerResimVer3), size);
}

SonucTablosu TServerMethods1Client::BalonGetir(Bilgi bil)
{
    return tabloSonuc(ZELVAR_CAGIR(BalonGetir, std::move(bil)));
}

int TServerMethods1Client::AcilisReklamAdet()
{
    return tamsayiSonuc(ZELVAR_CAGIR(AcilisReklamAdet));
}

TAcilisEkran* TServerMethods1Client::AcilisREklamVer(int sira)
{
    const Cevap& c = ZELVAR_CAGIR(AcilisREklamVer, sira);
    return m_slotlar->FAcilisREklamVerCommand->sahiplen(c.sonuc.kayit<TAcilisEkran>(kProtokolHatasi));
}

TMobilCariBilgisi* TServerMethods1Client::MobilCariBilgisiGetir(int sirano, const QString& _idsi)
{
    const Cevap& c = ZELVAR_CAGIR(MobilCariBilgisiGetir, sirano, _idsi);
    return m_slotlar->FMobilCariBilgisiGetirCommand->sahiplen(c.sonuc.kayit<TMobilCariBilgisi>(kProtokolHatasi));
}

int TServerMethods1Client::MailGonserCari(const QString& idsi, const QString& baslik, const QString& firmaadi,
                                          const QString& adres1, const QString& adres2, const QString& ilce,
                                          const QString& sehir, const QString& telefon, const QString& fax,
                                          const QString& vd, const QString& vn, const QString& yetkili,
                                          const QString& kullaniciadi, const QString& sifre, const QString& mail,
                                          const QString& kargoambar)
{
    return tamsayiSonuc(ZELVAR_CAGIR(MailGonserCari, idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon,
                                     fax, vd, vn, yetkili, kullaniciadi, sifre, mail, kargoambar));
}

int TServerMethods1Client::MailGonserCariNormal(const QString& idsi, const QString& baslik,
                                                const QString& firmaadi, const QString& adres1,
                                                const QString& adres2, const QString& ilce, const QString& sehir,
                                                const QString& telefon, const QString& fax, const QString& vd,
                                                const QString& vn, const QString& yetkili,
                                                const QString& kullaniciadi, const QString& sifre,
                                                const QString& mail, const QString& kargoambar,
                                                const QString& konu)
{
    return tamsayiSonuc(ZELVAR_CAGIR(MailGonserCariNormal, idsi, baslik, firmaadi, adres1, adres2, ilce, sehir,
                                     telefon, fax, vd, vn, yetkili, kullaniciadi, sifre, mail, kargoambar, konu));
}

} // namespace zelvar
