#pragma once

// The stock list tab: the search box's searches and the grid of found items. The search box
// and its two buttons belong to the main window; this page filters what is typed into the box
// (Turkish letters to their plain forms, upper case), starts the search on Enter or "Ara",
// runs `StokAraGetir` in the background and shows the answer, and opens the item dialog or
// the basket-line dialog on a double click.

#include "remote/sonuctablosu.h"

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include <functional>

class QAction;
class QMenu;
class QTimer;

namespace zelvar {

class AnaBaglam;
class Baglanti;
class Izgara;
class TSonucBilgisi;

class StokListesi : public QWidget {
    Q_OBJECT

public:
    StokListesi(AnaBaglam& ana, QWidget* ust);
    ~StokListesi() override;
    Izgara* izgara() const { return cxGrid1DBTableView1; }

    // The in-memory table `stok` of the last search.
    const SonucTablosu& stok() const;
    bool aramaSuruyor() const { return m_aramaSuruyor; }

    // The box's key filter, for every typed character before it is inserted: Turkish letters
    // become their plain forms and letters upper case; Enter (`\r`) starts the search and is
    // swallowed (Key becomes 0).
    void araeditKeyPress(QChar& Key);
    // The character filter alone.
    static QChar harfSuz(QChar c);

    void SpeedButton2Click(); // "Ara": Enter in the box, while the box is enabled
    void SpeedButton1Click(); // "Temizle"

    // Opens the add dialog, or the basket-line dialog when the item is already in the basket.
    void cxGrid1DBTableView1DblClick();
    void S2Click() { cxGrid1DBTableView1DblClick(); }
    void S3Click();

    // The grid's column layout: narrow (price-information cell, rows 100 high) up to a main
    // window width of 1152, wide above it. Does nothing while a search runs.
    void StokSutunlariAyarla();
    bool genisDuzen() const { return m_genis; }

    // Empties the list after the dealer account changed: caption "0=Stok Listesi", this tab
    // active, the search box focused with its text selected.
    void CariDegisti();

    // The lines of the price-information cell of a row (without line breaks).
    static QStringList fiyatBilgisiSatirlari(const SonucTablosu& stok, int satir);

    // Background part of a search: a private connection and session copy, `StokAraGetir`,
    // the result checked for IND1 and given the money format. True means failed.
    static bool StokListesiAl(Baglanti& klon, const TSonucBilgisi& bilgi, const QString& metin, SonucTablosu& stok);

    // The width the layout compares with 1152; the main window's width unless replaced.
    void setPencereGenisligi(std::function<int()> genislik);
    // The item order history ("Siparişleri Göster"), given the stock number; set by the
    // window that owns that history.
    void setSiparisGecmisi(std::function<void(int stokno)> goster);
    // The outstanding order balances ("Sipariş Bakiyeleriniz"); without it the entry does nothing.
    void setBakiyeler(std::function<void()> goster);

    QMenu* popstok = nullptr;
    QAction* S2 = nullptr;
    QAction* B1 = nullptr;
    QAction* S3 = nullptr;

signals:
    // A search has ended and its interface part has run.
    void aramaBitti(bool hata);

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void aramayiBaslat();
    void basligiYaz(const QString& baslik);
    void sekmeyiAc();
    int pencereGenisligi() const;

    AnaBaglam& m_ana;
    // Kept from construction: the filter also sees the box's last events while the main
    // window is being torn down, when the window can no longer be asked for it.
    QPointer<QObject> m_araedit;
    Izgara* cxGrid1DBTableView1 = nullptr;
    QTimer* m_yerlesimZamani = nullptr;
    std::function<int()> m_pencereGenisligi;
    std::function<void(int)> m_siparisGecmisi;
    std::function<void()> m_bakiyeler;
    bool m_yerlesimBekliyor = false;
    bool m_aramaSuruyor = false;
    bool m_genis = true;
};

} // namespace zelvar
