#include "dosyaindir.h"

#include "platform/kabuk.h"
#include "platform/klasorler.h"
#include "platform/surec.h"
#include "platform/yapilandirma.h"
#include "widgets/mesaj.h"

#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProgressBar>
#include <QSaveFile>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <climits>

namespace zelvar
{

namespace
{

const QString kDosyaAdi = QStringLiteral("ZelvarB2BSetup.exe");

// What the download server sees of this client.
const QByteArray kAccept = "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8";
const QByteArray kAcceptEncoding = "gzip, deflate";
const QByteArray kAcceptLanguage = "en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4";
const QByteArray kUserAgent = "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
                              "Chrome/60.0.3112.32 Safari/537.36";

// Errors that only report the response's HTTP status: the body still arrived and is kept.
bool yalnizDurumHatasi(QNetworkReply::NetworkError e)
{
    const int k = int(e);
    return (k >= 201 && k <= 299) || e == QNetworkReply::ProtocolInvalidOperationError || (k >= 401 && k <= 499);
}

} // namespace

Tdosyaindir* Tdosyaindir::Yeni(QWidget* owner, int sunucuSurumu)
{
    return new Tdosyaindir(owner, sunucuSurumu);
}

Tdosyaindir::Tdosyaindir(QWidget* owner, int sunucuSurumu)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_adres(indirmeAdresi()),
      m_ag(new QNetworkAccessManager(this))
{
    setObjectName(QStringLiteral("dosyaindir"));
    setWindowTitle(QStringLiteral("Dosya İndir"));
    setFixedSize(543, 309);

    auto* dikey = new QVBoxLayout(this);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->setSpacing(0);

    sLabel1 = new QLabel(this);
    sLabel1->setObjectName(QStringLiteral("sLabel1"));
    sLabel1->setAlignment(Qt::AlignCenter);
    sLabel1->setWordWrap(true);
    QFont duyuru(QStringLiteral("Tahoma"));
    duyuru.setPixelSize(27);
    sLabel1->setFont(duyuru);
    QPalette p = sLabel1->palette();
    p.setColor(QPalette::WindowText, QColor(67, 76, 88));
    sLabel1->setPalette(p);
    sLabel1->setText(QStringLiteral("Zelvar Otomotiv B2B Programının\nYeni versiyonu indirilecektir\n"
                                    "Lütfen Bekleyiniz...!\nVersion: ") +
                     QString::number(sunucuSurumu) + QLatin1Char('-') + QString::number(kSurum));
    dikey->addWidget(sLabel1, 1);

    auto* alt = new QWidget(this);
    alt->setObjectName(QStringLiteral("Panel1"));
    alt->setFixedHeight(58);
    auto* altDikey = new QVBoxLayout(alt);
    altDikey->setContentsMargins(6, 4, 6, 4);
    bilgi = new QLabel(alt);
    bilgi->setObjectName(QStringLiteral("bilgi"));
    QFont kalin = bilgi->font();
    kalin.setBold(true);
    kalin.setPixelSize(13);
    bilgi->setFont(kalin);
    altDikey->addWidget(bilgi);
    ProgressBar1 = new QProgressBar(alt);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    altDikey->addWidget(ProgressBar1);
    dikey->addWidget(alt);

    if (const QScreen* ekran = QGuiApplication::primaryScreen()) {
        const QRect alan = ekran->availableGeometry();
        move(alan.center() - rect().center());
    }
}

Tdosyaindir::~Tdosyaindir()
{
    if (m_cevap) {
        m_cevap->disconnect(this);
        m_cevap->abort();
    }
}

QString Tdosyaindir::indirmeAdresi()
{
    return QStringLiteral("http://") + Yapilandirma::gecerli().guncellemeHost + QStringLiteral("/exe/") + kDosyaAdi;
}

QString Tdosyaindir::yerelDosyaYolu()
{
    return YerelVeriKlasoru() + QLatin1Char('/') + kDosyaAdi;
}

QString Tdosyaindir::ilerlemeMetni(qint64 alinan, qint64 boy, const QLocale& yerel)
{
    if (boy <= 0)
        return {};
    QLocale y = yerel;
    y.setNumberOptions(y.numberOptions() | QLocale::OmitGroupSeparator);
    constexpr double kMb = 1024.0 * 1024.0;
    const double yuzde = double(alinan) / double(boy) * 100.0;
    return QStringLiteral("Bilgi: %") + y.toString(yuzde, 'f', 2) + QStringLiteral("  İndirilen: ") +
           y.toString(double(alinan) / kMb, 'f', 2) + QLatin1Char('/') + y.toString(double(boy) / kMb, 'f', 2) +
           QStringLiteral(" Mb");
}

void Tdosyaindir::showEvent(QShowEvent* olay)
{
    QDialog::showEvent(olay);
    // Not every window system activates a new window; the download must start regardless.
    QTimer::singleShot(0, this, &Tdosyaindir::FormActivate);
}

void Tdosyaindir::changeEvent(QEvent* olay)
{
    QDialog::changeEvent(olay);
    if (olay->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void Tdosyaindir::FormActivate()
{
    KurulumIndir();
}

void Tdosyaindir::reject() {}

void Tdosyaindir::KurulumIndir()
{
    if (m_basladi)
        return;
    m_basladi = true;

    const QString yol = yerelDosyaYolu();
    if (QFile::exists(yol))
        QFile::remove(yol); // a failure shows when the new file is saved

    QNetworkRequest istek{QUrl(m_adres)};
    istek.setRawHeader("Accept", kAccept);
    istek.setRawHeader("Accept-Encoding", kAcceptEncoding);
    istek.setRawHeader("Accept-Language", kAcceptLanguage);
    istek.setRawHeader("User-Agent", kUserAgent);
    istek.setTransferTimeout(m_zamanAsimiMs);
    istek.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    istek.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    istek.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    istek.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    istek.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);

    m_cevap = m_ag->get(istek);
    // The length is the announced one: at the end of an unannounced body the transfer reports
    // the received count as the total, which must not show as progress.
    connect(m_cevap, &QNetworkReply::downloadProgress, this, [this](qint64 alinan, qint64) {
        if (!m_cevap)
            return;
        bool sayi = false;
        const qint64 boy = m_cevap->header(QNetworkRequest::ContentLengthHeader).toLongLong(&sayi);
        NetHTTPClient1ReceiveData(sayi ? boy : -1, alinan);
    });
    connect(m_cevap, &QNetworkReply::finished, this, &Tdosyaindir::indirmeBitti);
}

void Tdosyaindir::NetHTTPClient1ReceiveData(qint64 boy, qint64 alinan)
{
    if (boy <= 0)
        return;
    bilgi->setText(ilerlemeMetni(alinan, boy, QLocale()));
    // The bar counts in int; very large files are counted in larger units.
    qint64 birim = 1;
    while (boy / birim > INT_MAX)
        birim *= 1024;
    ProgressBar1->setMaximum(int(boy / birim));
    ProgressBar1->setValue(int(qBound<qint64>(0, alinan, boy) / birim));
}

void Tdosyaindir::indirmeBitti()
{
    QNetworkReply* cevap = m_cevap;
    m_cevap = nullptr;
    if (!cevap)
        return;
    cevap->deleteLater();

    const QNetworkReply::NetworkError hata = cevap->error();
    const bool httpCevabi = cevap->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    // An error status still brings a body, which is saved and started like the setup program;
    // a broken transfer or a failed connection is reported.
    if (hata != QNetworkReply::NoError && !(httpCevabi && yalnizDurumHatasi(hata))) {
        NetHTTPClient1RequestError(cevap->errorString());
        return;
    }
    // Only an unencoded body is a program: a compressed one would be started as garbage.
    const QByteArray kodlama = cevap->rawHeader("Content-Encoding").trimmed().toLower();
    if (!kodlama.isEmpty() && kodlama != "identity") {
        NetHTTPClient1RequestError(
            QStringLiteral("Sunucu dosyayı sıkıştırılmış gönderdi (%1), kurulum dosyası açılamadı.")
                .arg(QString::fromLatin1(kodlama)));
        return;
    }

    const QByteArray veri = cevap->readAll();
    const QString yol = yerelDosyaYolu();
    QSaveFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly) || dosya.write(veri) != veri.size() || !dosya.commit()) {
        NetHTTPClient1RequestError(dosya.errorString());
        return;
    }
    QFile::setPermissions(yol, QFile::permissions(yol) | QFile::ExeOwner | QFile::ExeUser);
    KurulumCalistir(yol);
}

void Tdosyaindir::NetHTTPClient1RequestError(const QString& hata)
{
    DuzMesaj(QStringLiteral("Hata Oluştu !\nHata: ") + hata, QMessageBox::Critical);
    bitir();
}

void Tdosyaindir::KurulumCalistir(const QString& yol)
{
    ProgramCalistir(yol, {QStringLiteral("/silent")});
    bitir();
}

void Tdosyaindir::bitir()
{
    m_surecBitirildi = true;
    ProgramiSonlandir(0);
    // Only reached when a test has taken over the process end: let a modal run return.
    QDialog::done(QDialog::Rejected);
}

} // namespace zelvar
