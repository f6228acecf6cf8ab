#pragma once

// The main window: header with the signed-in user, search bar, the list tabs, the status
// legend and the bottom band. It owns the session record and the main connection for the
// whole run and hands both to every child window.

#include "remote/baglanti.h"
#include "remote/kayitlar.h"
#include "widgets/anabaglam.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace zelvar {

class Izgara;
class MesgulGostergesi;
class SepetSayfasi;
class StokListesi;

class TForm1 : public QMainWindow, public AnaBaglam {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Start-up before the window is shown: identity, connection, sign-in, user-kind adaptation,
    // then the start list in the background. Returns false when the process is ending.
    bool FormCreate();

    // Sign-in. Returns only on success; every other outcome ends the process (false here).
    bool GirisYap();
    // Replaces the sign-in step (the real window arrives with its own issue; tests script it).
    void setGirisAdimi(std::function<bool(TForm1&)> adim) { m_girisAdimi = std::move(adim); }

    // Adapts columns, tabs and menu items to sbilgi.MusteriTipi; run once after sign-in.
    void KullaniciTipineUyarla();
    // Header labels from sbilgi; safe from a worker (hands over to the interface thread).
    void AnaBilgiAl();

    // Start-up items run one after another on one worker after AnaBilgiAl.
    void baslangicOgesiEkle(std::function<void(TForm1&)> oge) { m_baslangicOgeleri.push_back(std::move(oge)); }

    int acilisAdet() const { return _acilisadet; }
    void setAcilisAdet(int n) { _acilisadet = n; }

    // What the tabs and dialogs use.
    TSonucBilgisi& bilgi() override { return sbilgi; }
    Baglanti& baglanti() override { return bagc; }
    QWidget* anaPencere() override { return this; }
    QTabWidget* sayfalar() override { return sPageControl1; }
    QWidget* sayfa(const QString& ad) override;
    QLineEdit* aramaKutusu() override { return araedit; }
    QToolButton* araDugmesi() override { return SpeedButton2; }
    QToolButton* temizleDugmesi() override { return SpeedButton1; }
    MesgulGostergesi* gosterge(const QString& ad) override;
    void sekmeBasligiYaz(const QString& sayfaAdi, const QString& baslik) override;
    void sepetiYenile() override;
    const SonucTablosu& sepetTablosu() const override;
    void sepetSatiriDuzenle(int sirano) override;

    // The grid of a tab page, by the page's name.
    Izgara* izgara(const QString& sekmeAdi);
    StokListesi* stokListesi() const { return m_stokListesi; }
    SepetSayfasi* sepetSayfasi() const { return m_sepetSayfasi; }

    // The firm's home page address for the web-site menu item.
    QString anaSayfaAdresi() const;

protected:
    void closeEvent(QCloseEvent* olay) override;

private:
    void FormCloseQuery(bool& CanClose);
    void AcilisEkraniGoster();
    void httpwwwdravikcom1Click();
    void G1Click();
    void baslikKur(QWidget* ust);
    void aramaCubuguKur(QWidget* ust);
    void sekmeleriKur(QWidget* ust);
    void aciklamaKur(QWidget* ust);
    void altBantKur(QWidget* ust);

    TSonucBilgisi sbilgi;
    Baglanti bagc;
    int _acilisadet = 0;
    QWidget* benimbakiyesiparisler = nullptr;

    std::function<bool(TForm1&)> m_girisAdimi;
    std::vector<std::function<void(TForm1&)>> m_baslangicOgeleri;

    QLabel* kullanicilbl = nullptr;
    QLabel* cariadilbl = nullptr;
    QLabel* saticilbl = nullptr;
    QLabel* RxGIFAnimator1 = nullptr;
    QLabel* RxGIFAnimator2 = nullptr;
    QToolButton* Button3 = nullptr;
    QMenu* Genelmenu = nullptr;
    QAction* M1 = nullptr;
    QAction* N4 = nullptr;
    QAction* httpwwwdravikcom1 = nullptr;
    QAction* G1 = nullptr;
    QAction* R1 = nullptr;
    QLineEdit* araedit = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QPushButton* musteritus = nullptr;
    QTabWidget* sPageControl1 = nullptr;
    QWidget* skampanyali = nullptr;
    StokListesi* m_stokListesi = nullptr;
    SepetSayfasi* m_sepetSayfasi = nullptr;
    QLabel* kayanyazi = nullptr;
    QLabel* altBantResmi = nullptr;
};

} // namespace zelvar
