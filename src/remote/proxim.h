#pragma once

// Proxy of the application server's methods: one operation per method, parameters in declared
// order. A proxy is made for one use over an open connection and released after it.
//
// Ownership: a record passed in is consumed (the proxy releases it). A record returned belongs
// to the method's command and lives until the same method runs again on this proxy or the
// proxy is released; callers that keep it copy it with Kopyala. Tables and streams are
// returned as values. Every failure is raised as UzakHata; the proxy catches nothing.

#include "kayitlar.h"
#include "sonuctablosu.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace zelvar {

class Baglanti;
class JsonYazici;
namespace tel {
struct Cevap;
class JsonBelge;
} // namespace tel

using Bilgi = std::unique_ptr<TSonucBilgisi>;

// One prepared server method call on a proxy; reused by later calls of the same method.
class Komut {
public:
    explicit Komut(QString metot);
    ~Komut();
    const QString& Text() const { return m_text; } // "TServerMethods1.<metot>"
    const QString& metot() const { return m_metot; }
    int calismaSayisi() const { return m_calismaSayisi; }

    JsonYazici& istekBasla(Baglanti& baglanti);
    const tel::Cevap& calistir(Baglanti& baglanti);

    // Keeps an object result until the next run or the end of the proxy.
    template <typename T>
    T* sahiplen(std::unique_ptr<T> nesne)
    {
        T* p = nesne.get();
        m_sonucNesnesi = std::move(nesne);
        return p;
    }

private:
    QString m_metot;
    QString m_text;
    std::unique_ptr<JsonYazici> m_istek;
    std::unique_ptr<tel::JsonBelge> m_belge;
    std::unique_ptr<tel::Cevap> m_cevap;
    std::unique_ptr<Kayit> m_sonucNesnesi;
    qint64 m_istekNo = 0;
    int m_calismaSayisi = 0;
};

class TServerMethods1Client {
public:
    // Refuses a connection that is not open.
    explicit TServerMethods1Client(Baglanti& baglanti);
    ~TServerMethods1Client();
    TServerMethods1Client(const TServerMethods1Client&) = delete;
    TServerMethods1Client& operator=(const TServerMethods1Client&) = delete;

    // The command of a method once it has been called on this proxy, else null.
    const Komut* komut(QStringView metot) const;

    TSonucBilgisi* BuyukGetir(const QString& idsi);
    SonucTablosu StokAraGetir(const QString& kod, Bilgi bilgi);
    SonucTablosu YenilerVer2(int carino);
    SonucTablosu KampanyaliVer2(int cario, int satici);
    TAcilisEkranlariki* AcilisEkranlarVer2();
    int SepetEkle2(Bilgi bilgim, int carino, int stokno, const QString& barkod, const QString& stokadi,
                   double miktar, double kdv, double fiyat, double ind1, int verenid, int k, double ind2,
                   double ind3, double ind4);
    QByteArray ResimVer5(int stokno, qint64& boy);
    SonucTablosu SepetVer2(int carino);
    QString CariVadeGunGecmismiBul(int carino);
    int SepetGuncelle2(Bilgi bilgim, int carino, int stokno, const QString& barkod, const QString& stokadi,
                       double miktar, double kdv, double fiyat, double ind1, int verenid, int _sepetsirano,
                       double ind2, double ind3, double ind4);
    int SepetSatirSil(Bilgi bilgi, int satirno, const QString& aciklamam);
    int SepetHepsiniSil(Bilgi bilgi);
    void SepetSecimGuncelle(int sirano, int secim);
    SonucTablosu TeslimVer();
    SonucTablosu KargoVer();
    SonucTablosu KargolarVer(int gn);
    bool SiparisKaydet(Bilgi BB, int _carino, int _teslim, int _kargo, const QString& _aciklama, int _verenid,
                       int _kargoyeni);
    SonucTablosu OncekiSiparisler(int carino);
    SonucTablosu SiparisAyrintisi2(int carino, int idnosu);
    TSiparisDipAyrinti* SiparisAytintisiDip(int carino, int siranosu);
    SonucTablosu CariEkstreVer(int carino);
    SonucTablosu FaturaGetir(int carino, int idnosu);
    SonucTablosu FaturaAltGetir(int idnosu);
    SonucTablosu Tahsilat(int idnosu);
    int SanalposSiranoVer(int idnosu);
    QByteArray SAnalPosPdfVer(int sirano, qint64& boy);
    SonucTablosu BakiyelerVer2(int carino);
    int BakiyeDuzenle(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye,
                      const QString& barkod);
    int BakiyeDegistir(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye,
                       const QString& barkod);
    int BakiyeFiyatDegistir(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet,
                            double Bakiye, const QString& barkod, double fiyat, double ind);
    QString CariDurumVer(int carino);
    SonucTablosu TumSiparislerVer(int carino, int stokno);
    SonucTablosu RaporAlinanSiparisler(Bilgi bilgi, double tarih1, double tarih2);
    SonucTablosu RaporEnCokSatilanStoklar(Bilgi bilgi, double tarih1, double tarih2);
    SonucTablosu CariAra(Bilgi bil, const QString& aranan);
    SonucTablosu CariSepetVer(Bilgi bil, int n);
    int SepetSayisi(Bilgi bil);
    TTusSonuclari* TusSonuclariVer(Bilgi bil);
    QByteArray RaporGetir(int raporno, int bolum, int idno, int carino, const QString& saticiadi,
                          double tarih1, double tarih2, qint64& size);
    QString KayanYaziGetir();
    QByteArray BannerResimVer(qint64& size);
    QByteArray BannerResimVer2(qint64& size);
    QByteArray BannerResimVer3(qint64& size);
    SonucTablosu BalonGetir(Bilgi bil);
    int AcilisReklamAdet();
    TAcilisEkran* AcilisREklamVer(int sira);
    TMobilCariBilgisi* MobilCariBilgisiGetir(int sirano, const QString& _idsi);
    int MailGonserCari(const QString& idsi, const QString& baslik, const QString& firmaadi, const QString& adres1,
                       const QString& adres2, const QString& ilce, const QString& sehir, const QString& telefon,
                       const QString& fax, const QString& vd, const QString& vn, const QString& yetkili,
                       const QString& kullaniciadi, const QString& sifre, const QString& mail,
                       const QString& kargoambar);
    int MailGonserCariNormal(const QString& idsi, const QString& baslik, const QString& firmaadi,
                             const QString& adres1, const QString& adres2, const QString& ilce,
                             const QString& sehir, const QString& telefon, const QString& fax, const QString& vd,
                             const QString& vn, const QString& yetkili, const QString& kullaniciadi,
                             const QString& sifre, const QString& mail, const QString& kargoambar,
                             const QString& konu);

private:
    struct Slotlar;
    template <typename... A>
    const tel::Cevap& cagir(std::unique_ptr<Komut>& slot, const char* metot, A&&... girdiler);

    Baglanti& m_baglanti;
    std::unique_ptr<Slotlar> m_slotlar;
};

} // namespace zelvar
