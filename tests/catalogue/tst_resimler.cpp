// Product pictures: the server picture read in 1024-byte pieces with its length check, and
// the web picture decoded by its content type, downloaded once per address and dropped when
// it arrives after the control was cancelled.

#include "catalogue/sepeteekle.h"
#include "catalogue/stokayarinti.h"
#include "platform/yapilandirma.h"
#include "widgets/asyncresim.h"
#include "widgets/baglantikontrol.h"
#include "widgets/mesaj.h"
#include "yardim_cevaplar.h"
#include "yardim_sahteana.h"
#include "yardim_webkoku.h"

#include <QBuffer>
#include <QImage>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace zelvar;

namespace {

QByteArray resimBaytlari(const char* bicim, QColor renk = Qt::red, QSize boyut = {8, 6})
{
    QImage r(boyut, QImage::Format_RGB32);
    r.fill(renk);
    QByteArray b;
    QBuffer tampon(&b);
    tampon.open(QIODevice::WriteOnly);
    r.save(&tampon, bicim);
    return b;
}

// A JPEG padded after its end marker to exactly `boy` bytes; decoders stop at the marker.
QByteArray jpegBoyunda(qsizetype boy)
{
    QByteArray b = resimBaytlari("JPEG");
    Q_ASSERT(b.size() <= boy);
    b.append(QByteArray(boy - b.size(), '\0'));
    return b;
}

} // namespace

class TstResimler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_mesajlar.clear();
        setMesajCevaplayici([this](QMessageBox& k) {
            m_mesajlar << k.text();
            return QMessageBox::Ok;
        });
        setBaglantiBeklemesi([](int) {});
    }

    void cleanup()
    {
        setMesajCevaplayici({});
        setBaglantiBeklemesi({});
    }

    void sunucuResmi_data()
    {
        QTest::addColumn<QByteArray>("bayt");
        QTest::addColumn<qint64>("boy");
        QTest::addColumn<bool>("gosterilir");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("tam 2048 bayt: iki dolu blok ve boş okuma") << jpegBoyunda(2048) << qint64(2048) << true << "";
        QTest::newRow("tam 1024 bayt") << jpegBoyunda(1024) << qint64(1024) << true << "";
        QTest::newRow("3000 bayt: son blok yarım") << jpegBoyunda(3000) << qint64(3000) << true << "";
        QTest::newRow("boy tutmuyor: sessizce yok") << jpegBoyunda(2048) << qint64(2049) << false << "";
        QTest::newRow("akış boydan uzun") << jpegBoyunda(2048) << qint64(1024) << false << "";
        QTest::newRow("boy 0: resim yok") << QByteArray() << qint64(0) << false << "";
        QTest::newRow("JPEG değil") << QByteArray(2048, 'x') << qint64(2048) << false
                                    << "EResimHatasi: JPEG resmi okunamadı";
        QTest::newRow("PNG baytları JPEG olarak okunamaz") << resimBaytlari("PNG") << qint64(resimBaytlari("PNG").size())
                                                   << false << "EResimHatasi: JPEG resmi okunamadı";
    }

    void sunucuResmi()
    {
        QFETCH(QByteArray, bayt);
        QFETCH(qint64, boy);
        QFETCH(bool, gosterilir);
        QFETCH(QString, mesaj);
        SahteSunucu s(metotlarla({{QStringLiteral("ResimVer5"), [bayt, boy](const QByteArray& i) {
                                       return SahteSunucu::sonucCevabi(i, "\"" + bayt.toBase64() + "\"",
                                                                        "[" + QByteArray::number(boy) + "]");
                                   }}}));
        SahteAna ana;
        ana.sunucu(s.port());
        ResimKutusu hedef;
        QCOMPARE(SunucuResmiYukle(ana, 1042, &hedef), gosterilir);
        QCOMPARE(hedef.resimVar(), gosterilir);
        if (gosterilir)
            QCOMPARE(hedef.resim().size(), QSize(8, 6));
        QCOMPARE(m_mesajlar, mesaj.isEmpty() ? QStringList() : QStringList{mesaj});
        QCOMPARE(istekParametreleri(s.istekler().value(0)).at(0).toInt(), 1042);
        QVERIFY(!ana.bagc.Connected());
    }

    void sunucuResmiHatalari()
    {
        SahteSunucu s(metotlarla({{QStringLiteral("ResimVer5"), [](const QByteArray& i) {
                                       return hataCevabi(i, "EServerError", "Resim tablosu yok");
                                   }}}));
        SahteAna ana;
        ana.sunucu(s.port());
        ResimKutusu hedef;
        QVERIFY(!SunucuResmiYukle(ana, 7, &hedef));
        QCOMPARE(m_mesajlar, QStringList{QStringLiteral("EServerError: Resim tablosu yok")});
        QVERIFY(!ana.bagc.Connected());

        // No server at all: the guard's own message, nothing else.
        m_mesajlar.clear();
        ana.sunucu(1);
        QVERIFY(!SunucuResmiYukle(ana, 7, &hedef));
        QCOMPARE(m_mesajlar, QStringList{QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!")});
    }

    void icerikTuru_data()
    {
        QTest::addColumn<QByteArray>("tur");
        QTest::addColumn<QByteArray>("govde");
        QTest::addColumn<bool>("resim");
        QTest::newRow("image/png") << QByteArray("image/png") << resimBaytlari("PNG") << true;
        QTest::newRow("image/JPEG büyük harf") << QByteArray("image/JPEG") << resimBaytlari("JPEG") << true;
        QTest::newRow("image/jpg") << QByteArray("image/jpg") << resimBaytlari("JPEG") << true;
        QTest::newRow("image/bmp") << QByteArray("image/bmp") << resimBaytlari("BMP") << true;
        QTest::newRow("image/gif yok sayılır") << QByteArray("image/gif") << resimBaytlari("PNG") << false;
        QTest::newRow("parametreli tür yok sayılır")
            << QByteArray("image/jpeg; charset=binary") << resimBaytlari("JPEG") << false;
        QTest::newRow("türü yok") << QByteArray() << resimBaytlari("PNG") << false;
        QTest::newRow("boş gövde") << QByteArray("image/png") << QByteArray() << false;
        QTest::newRow("bozuk içerik") << QByteArray("image/png") << QByteArray("not a picture") << false;
        QTest::newRow("etiketi yanlış") << QByteArray("image/png") << resimBaytlari("JPEG") << false;
    }

    void icerikTuru()
    {
        QFETCH(QByteArray, tur);
        QFETCH(QByteArray, govde);
        QFETCH(bool, resim);
        WebKoku web;
        web.cevap(QStringLiteral("/r"), tur, govde);
        TAsyncResim r;
        QSignalSpy bitti(&r, &TAsyncResim::indirmeBitti);
        r.setUrl(web.taban() + QStringLiteral("r"));
        QVERIFY(bitti.wait(5000));
        QCOMPARE(bitti.at(0).at(0).toBool(), resim);
        QCOMPARE(r.resimVar(), resim);
    }

    void bozukCevapEskiResmiBirakir()
    {
        WebKoku web;
        web.cevap(QStringLiteral("/iyi"), "image/png", resimBaytlari("PNG", Qt::blue));
        web.cevap(QStringLiteral("/bozuk"), "image/png", "xx");
        TAsyncResim r;
        QSignalSpy bitti(&r, &TAsyncResim::indirmeBitti);
        r.setUrl(web.taban() + QStringLiteral("iyi"));
        QVERIFY(bitti.wait(5000));
        QCOMPARE(r.resim().pixelColor(0, 0), QColor(Qt::blue));
        r.setUrl(web.taban() + QStringLiteral("bozuk"));
        QVERIFY(bitti.wait(5000));
        QCOMPARE(r.resim().pixelColor(0, 0), QColor(Qt::blue));
    }

    void ayniAdresBirKezIndirilir()
    {
        WebKoku web;
        web.cevap(QStringLiteral("/resimgoster.ashx?id=5"), "image/png", resimBaytlari("PNG"));
        web.cevap(QStringLiteral("/resimgoster.ashx?id=6"), "image/png", resimBaytlari("PNG"));
        TAsyncResim r;
        QSignalSpy bitti(&r, &TAsyncResim::indirmeBitti);
        const QString adres = web.taban() + QStringLiteral("resimgoster.ashx?id=5");
        r.setUrl(adres);
        r.setUrl(adres);
        QVERIFY(bitti.wait(5000));
        r.setUrl(adres);
        QTest::qWait(100);
        QCOMPARE(r.indirmeSayisi(), 1);
        QCOMPARE(web.istekler(), QStringList{QStringLiteral("/resimgoster.ashx?id=5")});
        QCOMPARE(r.Url(), adres);
        r.setUrl(web.taban() + QStringLiteral("resimgoster.ashx?id=6"));
        QVERIFY(bitti.wait(5000));
        QCOMPARE(r.indirmeSayisi(), 2);
        // An empty address downloads nothing.
        r.setUrl(QString());
        QCOMPARE(r.indirmeSayisi(), 2);
    }

    void iptalSonrasiGelenCevapBirakilir()
    {
        WebKoku web;
        web.cevap(QStringLiteral("/yavas"), "image/png", resimBaytlari("PNG"), true);
        TAsyncResim r;
        QSignalSpy bitti(&r, &TAsyncResim::indirmeBitti);
        r.setUrl(web.taban() + QStringLiteral("yavas"));
        QTRY_COMPARE(web.istekler().size(), 1);
        r.iptalEt();
        web.serbestBirak();
        QTest::qWait(200);
        QCOMPARE(bitti.count(), 0);
        QVERIFY(!r.resimVar());
        QVERIFY(r.iptalEdildi());
    }

    void eskiAdresinGecCevabiYenisiniEzmez()
    {
        WebKoku web;
        web.cevap(QStringLiteral("/eski"), "image/png", resimBaytlari("PNG", Qt::red), true);
        web.cevap(QStringLiteral("/yeni"), "image/png", resimBaytlari("PNG", Qt::green));
        TAsyncResim r;
        QSignalSpy bitti(&r, &TAsyncResim::indirmeBitti);
        r.setUrl(web.taban() + QStringLiteral("eski"));
        QTRY_COMPARE(web.istekler().size(), 1);
        r.setUrl(web.taban() + QStringLiteral("yeni"));
        QVERIFY(bitti.wait(5000));
        web.serbestBirak();
        QTest::qWait(200);
        QCOMPARE(bitti.count(), 1);
        QCOMPARE(r.resim().pixelColor(0, 0), QColor(Qt::green));
    }

    void diyalogIndirmeSurerkenKapanir()
    {
        WebKoku web;
        web.cevap(QStringLiteral("/resimgoster.ashx?id=9"), "image/png", resimBaytlari("PNG"), true);
        Yapilandirma y;
        y.webTaban = web.taban();
        Yapilandirma::setGecerli(y);
        QPointer<TAsyncResim> resim;
        {
            Tstokayarinti d(nullptr, 9);
            resim = d.AsyncResim1;
            d.show();
            QTRY_COMPARE(web.istekler().size(), 1);
            d.reject();
            QVERIFY(resim->iptalEdildi());
        }
        QVERIFY(resim.isNull());
        web.serbestBirak();
        QTest::qWait(200); // nothing left to receive the answer, and nothing breaks
    }

    void resimOrantiliVeOrtada()
    {
        ResimKutusu k;
        k.resize(200, 100);
        QImage r(40, 40, QImage::Format_RGB32);
        r.fill(Qt::red);
        k.setResim(r);
        QCOMPARE(k.cizimAlani(), QRect(80, 30, 40, 40)); // smaller: centred, not enlarged
        k.setBuyut(true);
        QCOMPARE(k.cizimAlani(), QRect(50, 0, 100, 100)); // stretched, proportions kept
        QImage genis(400, 100, QImage::Format_RGB32);
        k.setBuyut(false);
        k.setResim(genis);
        QCOMPARE(k.cizimAlani(), QRect(0, 25, 200, 50)); // larger: shrunk to fit
    }

private:
    QStringList m_mesajlar;
};

QTEST_MAIN(TstResimler)
#include "tst_resimler.moc"
