#include "asyncresim.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>
#include <QUrl>

namespace zelvar {

ResimKutusu::ResimKutusu(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ResimKutusu::setResim(const QImage& resim)
{
    m_resim = resim;
    update();
}

void ResimKutusu::temizle()
{
    setResim(QImage());
}

void ResimKutusu::setBuyut(bool buyut)
{
    m_buyut = buyut;
    update();
}

QRect ResimKutusu::cizimAlani() const
{
    if (m_resim.isNull() || width() <= 0 || height() <= 0)
        return {};
    QSize boyut = m_resim.size();
    if (m_buyut || boyut.width() > width() || boyut.height() > height())
        boyut.scale(size(), Qt::KeepAspectRatio);
    return QRect((width() - boyut.width()) / 2, (height() - boyut.height()) / 2, boyut.width(), boyut.height());
}

void ResimKutusu::paintEvent(QPaintEvent*)
{
    const QRect alan = cizimAlani();
    if (alan.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(alan, m_resim);
}

// ---------------------------------------------------------------------------------------

TAsyncResim::TAsyncResim(QWidget* parent, QNetworkAccessManager* ag) : ResimKutusu(parent), FHTTPClient(ag)
{
    setBuyut(true);
    if (!FHTTPClient)
        FHTTPClient = new QNetworkAccessManager(this);
}

TAsyncResim::~TAsyncResim()
{
    iptalEt();
}

void TAsyncResim::iptalEt()
{
    iptal = true;
    if (FHTTPRequest) {
        QNetworkReply* r = FHTTPRequest;
        FHTTPRequest = nullptr;
        r->disconnect(this);
        r->abort();
        r->deleteLater();
    }
}

void TAsyncResim::setUrl(const QString& url)
{
    if (url == FUrl)
        return;
    FUrl = url;
    if (FHTTPRequest) {
        QNetworkReply* eski = FHTTPRequest;
        FHTTPRequest = nullptr;
        eski->disconnect(this);
        eski->abort();
        eski->deleteLater();
    }
    if (url.isEmpty() || iptal)
        return;
    QNetworkRequest istek{QUrl(url)};
    istek.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    ++m_indirmeSayisi;
    QNetworkReply* cevap = FHTTPClient->get(istek);
    FHTTPRequest = cevap;
    connect(cevap, &QNetworkReply::finished, this, [this, cevap] { Geldi(cevap); });
}

bool TAsyncResim::resimCoz(const QByteArray& icerik, const QString& icerikTuru, QImage& resim)
{
    const QString tur = icerikTuru.mid(6).toLower();
    const char* bicim = nullptr;
    if (tur == QLatin1String("png"))
        bicim = "PNG";
    else if (tur == QLatin1String("bmp"))
        bicim = "BMP";
    else if (tur == QLatin1String("jpeg") || tur == QLatin1String("jpg"))
        bicim = "JPEG";
    else
        return false;
    QImage r;
    if (!r.loadFromData(icerik, bicim))
        return false;
    resim = std::move(r);
    return true;
}

void TAsyncResim::Geldi(QNetworkReply* cevap)
{
    cevap->deleteLater();
    if (cevap != FHTTPRequest || iptal)
        return; // superseded or cancelled
    FHTTPRequest = nullptr;
    const QByteArray icerik = cevap->readAll();
    bool geldi = false;
    if (!icerik.isEmpty()) {
        QImage r;
        if (resimCoz(icerik, QString::fromLatin1(cevap->rawHeader("Content-Type")), r)) {
            setResim(r);
            geldi = true;
        }
    }
    emit indirmeBitti(geldi);
}

} // namespace zelvar
