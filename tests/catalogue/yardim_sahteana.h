#pragma once

// A stand-in for the main window: the search bar, a tab row with the stock list page and an
// empty basket page, the session record and the connection, and a basket table that the
// test fills or loads from the server.

#include "catalogue/stoklistesi.h"
#include "remote/baglanti.h"
#include "remote/kayitlar.h"
#include "remote/sonuctablosu.h"
#include "widgets/anabaglam.h"

#include <QList>
#include <QWidget>

#include <functional>

class QLineEdit;
class QTabWidget;
class QToolButton;

namespace zelvar {
class MesgulGostergesi;
}

class SahteAna : public QWidget, public zelvar::AnaBaglam {
public:
    SahteAna();
    ~SahteAna() override;

    // Points the connection at 127.0.0.1:port.
    void sunucu(quint16 port);

    zelvar::TSonucBilgisi& bilgi() override { return sbilgi; }
    zelvar::Baglanti& baglanti() override { return bagc; }
    QWidget* anaPencere() override { return this; }
    QTabWidget* sayfalar() override { return sekmeler; }
    QWidget* sayfa(const QString& ad) override;
    QLineEdit* aramaKutusu() override { return araedit; }
    QToolButton* araDugmesi() override { return SpeedButton2; }
    QToolButton* temizleDugmesi() override { return SpeedButton1; }
    zelvar::MesgulGostergesi* gosterge(const QString& ad) override;
    void sekmeBasligiYaz(const QString& sayfaAdi, const QString& baslik) override;
    void sepetiYenile() override;
    const zelvar::SonucTablosu& sepetTablosu() const override { return sepet; }
    void sepetSatiriDuzenle(int sirano) override { duzenlenenSatirlar.append(sirano); }

    QString sekmeBasligi(const QString& sayfaAdi) const;

    zelvar::TSonucBilgisi sbilgi;
    zelvar::Baglanti bagc;
    QLineEdit* araedit = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    zelvar::MesgulGostergesi* gifstokara = nullptr;
    QTabWidget* sekmeler = nullptr;
    zelvar::StokListesi* stokListesi = nullptr;
    QWidget* ssepet = nullptr;

    zelvar::SonucTablosu sepet;
    int sepetYenilemeSayisi = 0;
    // Runs on each basket reload (for example a SepetVer2 into `sepet`).
    std::function<void(SahteAna&)> sepetYukleyici;
    QList<int> duzenlenenSatirlar;
};

// Sends one typed character (or a named key) as a key press and release, the way a keyboard
// does, so the box's filters see it. Works for letters outside Latin-1.
void tusaBas(QWidget* hedef, const QString& metin);
void enterBas(QWidget* hedef);

// Runs `is` on the first modal dialog that opens (polling), then lets the caller go on.
void modalAcilincaCalistir(std::function<void(QWidget*)> is, int zamanAsimiMs = 10000);
