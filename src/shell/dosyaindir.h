#pragma once

// The self-update window: downloads the current setup program from the download server,
// shows the progress, saves it in the per-user local data folder, starts it silently and ends
// the running client. It never hands control back: success and failure both end the process.

#include <QByteArray>
#include <QDialog>
#include <QString>

class QLabel;
class QLocale;
class QNetworkAccessManager;
class QNetworkReply;
class QProgressBar;

namespace zelvar
{

class Tdosyaindir : public QDialog
{
    Q_OBJECT

public:
    // The client's own program version; the server asking for any other starts the update.
    static constexpr int kSurum = 2;
    static constexpr int kZamanAsimiMs = 60000;

    // Creates the window with its notice for the server's version; the caller releases it.
    static Tdosyaindir* Yeni(QWidget* owner, int sunucuSurumu);
    ~Tdosyaindir() override;

    // "http://" + download host + "/exe/ZelvarB2BSetup.exe".
    static QString indirmeAdresi();
    // The per-user local data folder + "/ZelvarB2BSetup.exe".
    static QString yerelDosyaYolu();
    // "Bilgi: %15,00  İndirilen: 1,50/10,00 Mb" with the separators of `yerel`; empty when the
    // announced length is not above 0.
    static QString ilerlemeMetni(qint64 alinan, qint64 boy, const QLocale& yerel);

    // Runs on activation (and once after showing); only the first call starts the download.
    void FormActivate();
    void KurulumIndir();
    // Starts the installer with "/silent" and ends the process, whether or not it started.
    void KurulumCalistir(const QString& yol);
    void NetHTTPClient1ReceiveData(qint64 boy, qint64 alinan);
    void NetHTTPClient1RequestError(const QString& hata);

    bool basladi() const { return m_basladi; }
    // True once this window has asked for the process to end (a test's exit hook returns).
    bool surecBitirildi() const { return m_surecBitirildi; }
    // Inactivity limit of the transfer (tests shorten it).
    void setZamanAsimiMs(int ms) { m_zamanAsimiMs = ms; }

    QLabel* sLabel1 = nullptr;
    QLabel* bilgi = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

public Q_SLOTS:
    // The user cannot leave this window: it closes only by ending the process.
    void reject() override;

protected:
    void changeEvent(QEvent* olay) override;
    void showEvent(QShowEvent* olay) override;

private:
    Tdosyaindir(QWidget* owner, int sunucuSurumu);
    void indirmeBitti();
    void bitir();

    QString m_adres;
    bool m_basladi = false;
    bool m_surecBitirildi = false;
    int m_zamanAsimiMs = kZamanAsimiMs;
    QNetworkAccessManager* m_ag = nullptr;
    QNetworkReply* m_cevap = nullptr;
};

} // namespace zelvar
