#pragma once

// Test support for the basket tab: a scripted server that keeps a small basket and records
// every call, a main-window stand-in that holds the basket page in a tab row, and a recorder
// that answers the message boxes.

#include "remote/baglanti.h"
#include "remote/kayitlar.h"
#include "sahtesunucu.h"
#include "widgets/anabaglam.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QMutex>
#include <QStringList>
#include <QTabWidget>

#include <functional>
#include <memory>
#include <optional>

namespace zelvar {
class SepetSayfasi;
}

struct SepetSatiri {
    int sirano = 0;
    std::optional<int> sec = 1; // no value: a null cell
    double tutar = 0;
    double indirim = 0;
    double vergi = 0;
    double net = 0;
    double miktar = 1;
    double birimFiyat = 0;
    int kdv = 20;
    double ind[4] = {0, 0, 0, 0};
    QString barkod;
    QString stokAdi;
    int stokno = 0;
};

struct KargoFirmasi {
    int sirano = 0;
    int turno = 0;
    QString adi;
    QString uyari;
};

struct Cagri {
    QString metot;
    QJsonArray parametreler;
};

// Answers the basket's server methods from its state; every method can also be made to fail.
// Each connection is served on its own thread: the basket opens several at once (the load,
// the warning, the delivery choices).
class SepetSunucusu {
public:
    SepetSunucusu();
    ~SepetSunucusu();

    quint16 port() const;

    // State, set before or between calls (a mutex guards it against the server's thread).
    void setSatirlar(const QList<SepetSatiri>& satirlar);
    QList<SepetSatiri> satirlar() const;
    void setTeslimler(const QStringList& adlar); // identifiers 1, 2, ...
    void setKargoTurleri(const QStringList& adlar); // identifiers 1, 2, ...
    void setFirmalar(const QList<KargoFirmasi>& firmalar);
    void setUyari(const QString& metin);
    void setSiparisSonucu(bool sonuc);
    void setGuncellemeSonucu(int sonuc);
    // The method answers with a server error instead.
    void setHatali(const QString& metot, bool hatali = true);

    QList<Cagri> cagrilar() const;
    QList<Cagri> cagrilar(const QString& metot) const;
    int sayi(const QString& metot) const { return static_cast<int>(cagrilar(metot).size()); }
    void cagrilariSil();

private:
    QByteArray cevapla(const QByteArray& istek);

    mutable QMutex m_kilit;
    QList<SepetSatiri> m_satirlar;
    QStringList m_teslimler;
    QStringList m_kargoTurleri;
    QList<KargoFirmasi> m_firmalar;
    QString m_uyari;
    bool m_siparisSonucu = true;
    int m_guncellemeSonucu = 1;
    QStringList m_hatalilar;
    QList<Cagri> m_cagrilar;
    class Dinleyici;
    std::unique_ptr<Dinleyici> m_dinleyici;
};

// The main window as the basket tab sees it: a tab row with a stand-in stock tab and the basket.
class SahteAna : public zelvar::AnaBaglam {
public:
    explicit SahteAna(quint16 port);
    ~SahteAna() override;

    zelvar::TSonucBilgisi& bilgi() override { return m_bilgi; }
    zelvar::Baglanti& baglanti() override { return m_bagc; }
    QWidget* anaPencere() override { return m_pencere.get(); }
    QTabWidget* sayfalar() override { return m_sekmeler; }
    QWidget* sayfa(const QString& ad) override;
    QLineEdit* aramaKutusu() override { return m_araedit; }
    QToolButton* araDugmesi() override { return nullptr; }
    QToolButton* temizleDugmesi() override { return nullptr; }
    zelvar::MesgulGostergesi* gosterge(const QString&) override { return nullptr; }
    void sekmeBasligiYaz(const QString& sayfaAdi, const QString& baslik) override;
    void sepetiYenile() override;
    const zelvar::SonucTablosu& sepetTablosu() const override;
    void sepetSatiriDuzenle(int sirano) override;

    zelvar::SepetSayfasi* sepet() const { return m_sepet; }
    QString sekmeBasligi() const;
    // Switches to the basket tab (its show handler loads it) and waits for every load.
    bool sepetiGoster();
    // Switches away and back: the tab is shown again.
    bool yenidenGoster();

private:
    zelvar::TSonucBilgisi m_bilgi;
    zelvar::Baglanti m_bagc;
    std::unique_ptr<QWidget> m_pencere;
    QTabWidget* m_sekmeler = nullptr;
    QLineEdit* m_araedit = nullptr;
    zelvar::SepetSayfasi* m_sepet = nullptr;
};

// Waits for the background loads and the warning worker of the basket.
bool islerBitsin(int zamanAsimiMs = 15000);

// Records every message box and answers it: from the queue when one is set, else with the
// box's default button (the user pressing Enter).
class MesajKaydi {
public:
    struct Kutu {
        QString baslik;
        QString metin;
        QMessageBox::StandardButton varsayilan = QMessageBox::NoButton;
        int istekSayisi = 0; // requests the server had received when the box came up
        bool yukleniyor = false; // a basket load had been started and not finished
    };

    explicit MesajKaydi(const SepetSunucusu* sunucu = nullptr);
    ~MesajKaydi();
    void cevapla(QMessageBox::StandardButton cevap) { m_cevaplar << cevap; }
    void setSayfa(const zelvar::SepetSayfasi* sayfa) { m_sayfa = sayfa; }
    QList<Kutu> kutular() const { return m_kutular; }
    QStringList metinler() const;
    void temizle() { m_kutular.clear(); }

private:
    const SepetSunucusu* m_sunucu;
    const zelvar::SepetSayfasi* m_sayfa = nullptr;
    QList<QMessageBox::StandardButton> m_cevaplar;
    QList<Kutu> m_kutular;
};

// Rows for a basket of `n` lines numbered 101, 102, ...; the first `isaretli` ticked.
QList<SepetSatiri> ornekSepet(int n, int isaretli);
