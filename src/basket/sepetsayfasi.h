#pragma once

// The basket tab: the basket's lines with their ticks, the totals of the ticked lines, the
// overdue-payment warning, line changes, delivery and cargo choices and sending the order.
//
// The basket lives on the server and is always reloaded as a whole (SepetGetir). Loads run in
// the background; single actions (a tick, a change, a delete, sending) call the server on the
// interface thread and then recompute the totals or reload.

#include "remote/sonuctablosu.h"

#include <QWidget>

#include <functional>

class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace zelvar {

class AnaBaglam;
class Izgara;
class MesgulGostergesi;
class SecenekGrubu;

class SepetSayfasi : public QWidget {
    Q_OBJECT

public:
    SepetSayfasi(AnaBaglam& ana, QWidget* ust);
    ~SepetSayfasi() override;
    Izgara* izgara() const { return cxGrid2; }

    // --- View and totals
    // The tab was shown: clears the warning, starts its fetch, reloads the basket, refills the
    // delivery and cargo-type choices.
    void ssepetShow();
    // Reloads the basket from the server as a whole; then the tab caption ("N=Sepet") and the
    // totals follow. The reload runs in the background, and one asked for while another runs
    // follows it. Only when the basket has never been loaded is it loaded at once, so that a
    // caller can read sepet() on return.
    void SepetGetir();
    const SonucTablosu& sepet() const;
    bool yukleniyor() const { return m_yukleniyor; }
    bool yuklendiMi() const { return m_yuklendi; } // a load has brought a table at least once
    // Totals of the ticked lines, each running sum rounded after every line.
    void SepetToplamHesapla();
    // Fetches the overdue-payment warning on a worker thread of its own.
    void CariBakiyeUyariBak();
    // Column widths: by weight on screens wider than 1152 pixels, else by content.
    void SutunGenislikleriniAyarla();
    void Button2Click(); // "Excel Kaydet"

    // --- Line editing and selection
    void Button4Click(); // "Hepsini Seç"
    void Button5Click(); // "Seçimleri Kaldır"
    void Deitir1Click(); // "Satır Değiştir": toggles the tick on the "Seç" column, else the line dialog
    void cxGridDBTableView1DblClick();
    void SatrSil1Click();     // "Satır Sil"
    void HepsiniSil1Click();  // "Hepsini Sil"
    // Sends one line's tick on a fresh connection; false (after a message) when it did not
    // reach the server.
    bool SecimGuncelle(int sirano, int secim);
    void SepetSatirGuncelle(int sirano, double miktar, double fiyat);
    // Opens the item dialog for the basket line `sirano`; on "Sipariş ekle" sends the change.
    void SepetSatirDuzenle(int sirano);

    // --- Delivery, cargo and sending
    void TeslimKargoDoldur();
    void boxkargoClick();
    void KargolariDoldur(int kargoTuru);
    void kargocomboChange();
    void Button1Click(); // "Gönder"
    bool SiparisGonder(int kargoNo, int kargoTuru, int teslim);
    const SonucTablosu& kargo() const { return m_kargo; }

    // Test seams: the screen width the column rule reads (0: the real screen), and an answer
    // for the modal dialogs of this tab (the line dialog and the confirmation) instead of
    // showing them; the answer is a QDialog result code.
    void setEkranGenisligi(int px) { m_ekranGenisligi = px; }
    using DiyalogCevaplayici = std::function<int(QDialog& pencere)>;
    static void setDiyalogCevaplayici(DiyalogCevaplayici cevaplayici);
    // Processes events until every warning worker has ended or the time is up.
    static bool uyariIsleriBitsin(int zamanAsimiMs);

    // Controls, by the names the program uses for them.
    Izgara* cxGrid2 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Deitir1 = nullptr;
    QAction* SatrSil1 = nullptr;
    QAction* HepsiniSil1 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QLabel* lbluyarbakiye = nullptr;
    MesgulGostergesi* gifsepet = nullptr;
    SecenekGrubu* teslimbox = nullptr;
    SecenekGrubu* boxkargo = nullptr;
    QComboBox* kargocombo = nullptr;
    QLabel* uyarikargo = nullptr;
    QPlainTextEdit* aciklamagir = nullptr;
    QLabel* aratoplaml = nullptr;
    QLabel* indiriml = nullptr;
    QLabel* nettutarl = nullptr;
    QLabel* vergil = nullptr;
    QLabel* geneltoplaml = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

signals:
    // A load has put a new table into the grid.
    void sepetYuklendi();

protected:
    void showEvent(QShowEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void panelleriKur();
    void arkaPlandaYukle();
    bool hemenYukle();
    void yuklemeBitti(bool hata);
    void yuklendiktenSonra();
    void eylemleriAyarla();
    // Writes a tick into the row and sends it; puts the old value back when the server was
    // not told. Returns whether it was told.
    bool isaretYaz(int satir, int deger);
    void tumunuIsaretle(int deger);
    void cxGrid2Resize();
    void genisligiDevral();
    int satirBul(int sirano) const;
    QString odakSutunBasligi() const;
    int diyalogCalistir(QDialog& pencere);

    AnaBaglam& m_ana;
    SonucTablosu m_kargo;
    bool m_yukleniyor = false;
    bool m_tekrarYukle = false;
    bool m_yuklendi = false;
    int m_ekranGenisligi = 0;
};

} // namespace zelvar
