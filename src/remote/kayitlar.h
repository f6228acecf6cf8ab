#pragma once

// Records exchanged with the application server. Each record lists its fields once, in
// declaration order; that list generates the private F-fields, the properties, the copy and
// the walk that the wire code uses, so the order on the wire cannot drift from the class.

#include <QList>
#include <QString>

#include <memory>
#include <utility>

namespace zelvar {

// Common base so a command can own an object result of any record class.
class Kayit {
public:
    virtual ~Kayit() = default;
    virtual const char* tipAdi() const = 0;
    // The base carries no state, so records compare by their own fields only.
    bool operator==(const Kayit&) const { return true; }

protected:
    Kayit() = default;
    Kayit(const Kayit&) = default;
    Kayit& operator=(const Kayit&) = default;
};

#define ZELVAR_ALAN_UYESI(tip, ad, ilk)            \
public:                                            \
    const tip& ad() const { return F##ad; }        \
    void set##ad(tip deger) { F##ad = std::move(deger); } \
                                                   \
private:                                           \
    tip F##ad = ilk;

#define ZELVAR_ALAN_GEZ(tip, ad, ilk) z("F" #ad, F##ad);

#define ZELVAR_KAYIT_GOVDESI(Sinif, ALANLAR, tip)                           \
public:                                                                     \
    static constexpr const char* kTipAdi = tip;                             \
    const char* tipAdi() const override { return kTipAdi; }                 \
    /* Field-by-field copy; copying a record into itself changes nothing. */ \
    void Kopyala(const Sinif& source)                                       \
    {                                                                       \
        if (&source != this)                                                \
            *this = source;                                                 \
    }                                                                       \
    template <typename Z>                                                   \
    void alanlariGez(Z&& z)                                                 \
    {                                                                       \
        ALANLAR(ZELVAR_ALAN_GEZ)                                            \
    }                                                                       \
    template <typename Z>                                                   \
    void alanlariGez(Z&& z) const                                           \
    {                                                                       \
        ALANLAR(ZELVAR_ALAN_GEZ)                                            \
    }                                                                       \
    bool operator==(const Sinif&) const = default;                          \
    ALANLAR(ZELVAR_ALAN_UYESI)

// Session record: who is signed in, for which dealer account, from which workstation.
#define ZELVAR_TSONUCBILGISI_ALANLARI(X) \
    X(QString, BILGISAYARID, QString())  \
    X(QString, SaticiMail, QString())    \
    X(int, Sirano, 0)                    \
    X(QString, CariAdi, QString())       \
    X(QString, SIFRE, QString())         \
    X(int, SaticiNo, 0)                  \
    X(int, CARINO, 0)                    \
    X(int, AKTIF, 0)                     \
    X(QString, Kullanicimail, QString()) \
    X(QString, ADI, QString())           \
    X(QString, SaticiTelefon, QString()) \
    X(QString, carikod, QString())       \
    X(bool, Varmi, false)                \
    X(QString, SaticiAdi, QString())     \
    X(QString, BilgiSayarAdi, QString()) \
    X(QString, Disip, QString())         \
    X(QString, Icip, QString())          \
    X(QString, BilgisayarKullanici, QString()) \
    X(int, MusteriTipi, 1)               \
    X(int, Version, 1)

class TSonucBilgisi final : public Kayit {
    ZELVAR_KAYIT_GOVDESI(TSonucBilgisi, ZELVAR_TSONUCBILGISI_ALANLARI, "baglantiu.TSonucBilgisi")
};

// Footer of one order.
#define ZELVAR_TSIPARISDIPAYRINTI_ALANLARI(X) \
    X(QString, SizinMesaj, QString())         \
    X(QString, Durumu, QString())             \
    X(QString, Veren, QString())              \
    X(QString, Kargo, QString())              \
    X(QString, BizimMesaj, QString())         \
    X(QString, TeslimCinsi, QString())        \
    X(QString, KargoCinsi, QString())         \
    X(QString, SaticiNotu, QString())

class TSiparisDipAyrinti final : public Kayit {
    ZELVAR_KAYIT_GOVDESI(TSiparisDipAyrinti, ZELVAR_TSIPARISDIPAYRINTI_ALANLARI,
                         "baglantiu.TSiparisDipAyrinti")
};

// Numbers of orders by state, for the staff console buttons.
#define ZELVAR_TTUSSONUCLARI_ALANLARI(X) \
    X(int, Alindi, 0)                    \
    X(int, Onaylandi, 0)                 \
    X(int, ParcaliHazirlandi, 0)         \
    X(int, SevkEdildi, 0)                \
    X(int, Hazirlandi, 0)                \
    X(int, Goruldu, 0)

class TTusSonuclari final : public Kayit {
    ZELVAR_KAYIT_GOVDESI(TTusSonuclari, ZELVAR_TTUSSONUCLARI_ALANLARI, "baglantiu.TTusSonuclari")
};

// Dealer account card found for a workstation identifier.
#define ZELVAR_TMOBILCARIBILGISI_ALANLARI(X) \
    X(QString, BILGISAYARID, QString())      \
    X(QString, SEHIR, QString())             \
    X(QString, FAX1, QString())              \
    X(QString, SATICIMAIL, QString())        \
    X(QString, SATICIADI, QString())         \
    X(QString, CARIADI, QString())           \
    X(QString, EMAIL, QString())             \
    X(QString, VERGIDAIRESI, QString())      \
    X(QString, YETKILI, QString())           \
    X(QString, AltGrup, QString())           \
    X(QString, TEL2, QString())              \
    X(QString, SIFRE, QString())             \
    X(QString, GSM, QString())               \
    X(QString, TEL1, QString())              \
    X(QString, ADRES2, QString())            \
    X(double, TLBORC, 0.0)                   \
    X(double, TLALACAK, 0.0)                 \
    X(QString, ADRES1, QString())            \
    X(QString, ULKE, QString())              \
    X(QString, AnaGrup, QString())           \
    X(int, CARINO, 0)                        \
    X(double, TLBAKIYE, 0.0)                 \
    X(QString, VERGINO, QString())           \
    X(QString, MAIL, QString())              \
    X(QString, OzelKod, QString())           \
    X(QString, KULLANICIADI, QString())      \
    X(QString, SATICITELEFON, QString())     \
    X(QString, CARIKOD, QString())           \
    X(QString, FAX2, QString())              \
    X(QString, ILCE, QString())

class TMobilCariBilgisi final : public Kayit {
    ZELVAR_KAYIT_GOVDESI(TMobilCariBilgisi, ZELVAR_TMOBILCARIBILGISI_ALANLARI,
                         "mobilstokunit.TMobilCariBilgisi")
};

// One opening screen or announcement; Resim holds JPEG bytes as hexadecimal text.
#define ZELVAR_TACILISEKRAN_ALANLARI(X) \
    X(int, SiraNo, 0)                   \
    X(QString, Resim, QString())        \
    X(QString, Baslik, QString())       \
    X(QString, Arama, QString())

class TAcilisEkran final : public Kayit {
    ZELVAR_KAYIT_GOVDESI(TAcilisEkran, ZELVAR_TACILISEKRAN_ALANLARI, "mobilstokunit.TAcilisEkran")
};

// The whole announcement set returned in one call.
#define ZELVAR_TACILISEKRANLARIKI_ALANLARI(X) X(QList<TAcilisEkran>, Ekranlar, QList<TAcilisEkran>())

class TAcilisEkranlariki final : public Kayit {
    ZELVAR_KAYIT_GOVDESI(TAcilisEkranlariki, ZELVAR_TACILISEKRANLARIKI_ALANLARI,
                         "mobilstokunit.TAcilisEkranlariki")
};

// A fresh copy of a record, for handing to a proxy that takes ownership of its arguments.
template <typename T>
std::unique_ptr<T> kopyasi(const T& kaynak)
{
    auto k = std::make_unique<T>();
    k->Kopyala(kaynak);
    return k;
}

} // namespace zelvar
