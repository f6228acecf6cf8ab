#pragma once

// The sign-in window. It fetches the account the server keeps for this workstation, compares
// the typed name and password with it and fills the main window's session record. On the way
// it may start the self-update, send an unknown workstation to the request form and let staff
// choose the dealer they act for. It closes with Accepted only after a successful sign-in;
// every other way out ends the process.

#include "remote/kayitlar.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zelvar
{

class Baglanti;
class MesgulGostergesi;
enum class MesajTuru;

class Tgirisform : public QDialog
{
    Q_OBJECT

public:
    // Computes the computer identifier and reads ayar.ini (FormCreate).
    explicit Tgirisform(QWidget* owner = nullptr);
    ~Tgirisform() override;

    // Set by the opener before showing: the main connection and the main session record
    // itself (not a copy); sign-in writes into it.
    Baglanti* bagim = nullptr;
    TSonucBilgisi* Bilgim = nullptr;
    // The computer identifier sent to the server.
    QString idsi;

    void AyarOku();
    void AyarKaydet();

    void Button1Click(); // "Giriş": one sign-in attempt
    void Button2Click(); // "Vazgeç": ends the process

    // The workstation's external address; no lookup is made.
    static QString DisIpAl();

    // True once this window has asked for the process to end (a test's exit hook returns).
    bool surecBitirildi() const { return m_surecBitirildi; }

    QCheckBox* benihatirla = nullptr;
    QLineEdit* adi = nullptr;
    QLineEdit* sifre = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    MesgulGostergesi* RxGIFAnimator1 = nullptr;

public Q_SLOTS:
    // Any end but success (the close box included) ends the process.
    void done(int sonuc) override;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    void paintEvent(QPaintEvent* olay) override;

    // The steps that open other windows; tests replace them to follow the path taken.
    // Opens the self-update window; that window ends the process.
    virtual void GuncellemeIndir();
    // Opens the request form page for this workstation from the site's base address.
    virtual void IstekFormuAc(const QString& taban);
    // The staff users' dealer choice; false when it was abandoned.
    virtual bool CariSec();

private:
    struct Deneme;

    bool adiKeyDown();
    bool sifreKeyDown();
    void Devamet(const QString& disip);
    void Degerlendir(bool basari);
    // Runs on a worker: the record the server keeps for `id`, fetched over `klon` (a clone of
    // the main connection, closed afterwards). False when the server cannot be reached or the
    // call fails; a failed call has shown its own text first.
    static bool BilgiGetir(Baglanti& klon, const QString& id, TSonucBilgisi& hedef);
    void Reddet(const QString& mesaj, MesajTuru tur);
    void surecBitir();

    bool m_surecBitirildi = false;
};

} // namespace zelvar
