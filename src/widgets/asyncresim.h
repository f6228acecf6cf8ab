#pragma once

// Picture controls. ResimKutusu shows one picture centred in its rectangle, scaled with its
// proportions kept (enlarged too when `buyut` is on) and paints nothing where there is no
// picture, so a control lying over another lets the lower one show through.
//
// TAsyncResim downloads its picture from a web address: setting Url starts one GET; the
// answer is decoded by its Content-Type ("png", "bmp", "jpeg", "jpg" after the "image/"
// prefix, any letter case) and anything else is ignored. Cancelling (or destroying the
// control) aborts the download, and an answer that still arrives is dropped.

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

class QNetworkAccessManager;
class QNetworkReply;

namespace zelvar {

class ResimKutusu : public QWidget {
    Q_OBJECT
public:
    explicit ResimKutusu(QWidget* parent = nullptr);

    void setResim(const QImage& resim);
    const QImage& resim() const { return m_resim; }
    bool resimVar() const { return !m_resim.isNull(); }
    void temizle();

    // Whether a picture smaller than the control is enlarged to fill it.
    void setBuyut(bool buyut);
    bool buyut() const { return m_buyut; }

    // Where the picture is drawn inside the control.
    QRect cizimAlani() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QImage m_resim;
    bool m_buyut = false;
};

class TAsyncResim : public ResimKutusu {
    Q_OBJECT
    Q_PROPERTY(QString Url READ Url WRITE setUrl)
public:
    // Without a network manager the control makes its own.
    explicit TAsyncResim(QWidget* parent = nullptr, QNetworkAccessManager* ag = nullptr);
    ~TAsyncResim() override;

    QString Url() const { return FUrl; }
    // A value that differs from the stored one is stored and, when not empty, downloaded;
    // the same value again does nothing. A download still running for an older value is
    // aborted so it cannot overwrite the newer picture.
    void setUrl(const QString& url);

    // Aborts a running download; later answers are dropped. Used when the owner closes.
    void iptalEt();
    bool iptalEdildi() const { return iptal; }

    // Number of downloads started (tests).
    int indirmeSayisi() const { return m_indirmeSayisi; }

    // The decoding rule: the first 6 characters of the content type (the "image/" prefix)
    // removed, the rest lower-cased, then "png", "bmp", "jpeg" or "jpg" choose the decoder.
    // False when the type is not one of them or the bytes do not decode.
    static bool resimCoz(const QByteArray& icerik, const QString& icerikTuru, QImage& resim);

signals:
    // An answer was handled; `resimGeldi` says whether it gave a picture.
    void indirmeBitti(bool resimGeldi);

private:
    void Geldi(QNetworkReply* cevap);

    QString FUrl;
    QNetworkAccessManager* FHTTPClient = nullptr;
    QPointer<QNetworkReply> FHTTPRequest;
    bool iptal = false;
    int m_indirmeSayisi = 0;
};

} // namespace zelvar
