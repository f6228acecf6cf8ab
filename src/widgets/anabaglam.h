#pragma once

// What the tabs and dialogs of the subsystems need from the main window. The main window
// implements it; a subsystem gets it at construction and never includes the shell, so the
// libraries depend on each other only from the bottom up.

#include <QString>

class QLineEdit;
class QTabWidget;
class QToolButton;
class QWidget;

namespace zelvar {

class Baglanti;
class MesgulGostergesi;
class SonucTablosu;
class TSonucBilgisi;

class AnaBaglam {
public:
    virtual ~AnaBaglam() = default;

    virtual TSonucBilgisi& bilgi() = 0;  // the session record `sbilgi`
    virtual Baglanti& baglanti() = 0;    // the main connection `bagc` (interface thread only)
    virtual QWidget* anaPencere() = 0;   // owner of dialogs
    virtual QTabWidget* sayfalar() = 0;
    virtual QWidget* sayfa(const QString& ad) = 0; // tab page by name ("sstoklistesi", "ssepet", ...)
    virtual QLineEdit* aramaKutusu() = 0;          // `araedit`
    virtual QToolButton* araDugmesi() = 0;         // `SpeedButton2` "Ara"
    virtual QToolButton* temizleDugmesi() = 0;     // `SpeedButton1` "Temizle"
    virtual MesgulGostergesi* gosterge(const QString& ad) = 0; // "gifstokara", ...

    // Sets the caption of a tab page, e.g. "25=Stok Listesi".
    virtual void sekmeBasligiYaz(const QString& sayfaAdi, const QString& baslik) = 0;

    // Basket: reload it as a whole, read its table, open the line dialog for a line.
    virtual void sepetiYenile() = 0;
    virtual const SonucTablosu& sepetTablosu() const = 0;
    virtual void sepetSatiriDuzenle(int sirano) = 0;
};

} // namespace zelvar
