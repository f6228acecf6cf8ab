// The web site of the reference server over HTTP.

#include "testsunucusu.h"
#include "yardim_istemci.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

struct Yanit {
    int durum = 0;
    QByteArray tur;
    QByteArray govde;
    qint64 uzunluk = -1;
};

class TstWeb : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSunucusu> m_sunucu;
    QNetworkAccessManager m_ag;

    QUrl adres(const QString& yol) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_sunucu->webPort()).arg(yol));
    }

    Yanit bitir(QNetworkReply* r)
    {
        QSignalSpy bitti(r, &QNetworkReply::finished);
        if (!r->isFinished())
            bitti.wait(15000);
        Yanit y;
        y.durum = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        y.tur = r->header(QNetworkRequest::ContentTypeHeader).toByteArray();
        y.uzunluk = r->header(QNetworkRequest::ContentLengthHeader).isValid()
                        ? r->header(QNetworkRequest::ContentLengthHeader).toLongLong()
                        : -1;
        y.govde = r->readAll();
        r->deleteLater();
        return y;
    }

    Yanit al(const QString& yol) { return bitir(m_ag.get(QNetworkRequest(adres(yol)))); }

    Yanit gonder(const QString& yol, const QUrlQuery& form)
    {
        QNetworkRequest istek(adres(yol));
        istek.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
        // Form encoding as a browser does it: every reserved character escaped, "+" included.
        QByteArray govde;
        for (const auto& [ad, deger] : form.queryItems(QUrl::FullyDecoded))
            govde += (govde.isEmpty() ? "" : "&") + QUrl::toPercentEncoding(ad) + '=' + QUrl::toPercentEncoding(deger);
        return bitir(m_ag.post(istek, govde));
    }

    int istekSayisi()
    {
        QSqlDatabase db = testVeritabaniAc(m_sunucu->veriKlasoru(), QStringLiteral("web-test"));
        int n = -1;
        if (db.isOpen()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT COUNT(*) FROM istek_formu")) && q.next())
                n = q.value(0).toInt();
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("web-test"));
        return n;
    }

private slots:
    void initTestCase()
    {
        m_sunucu = std::make_unique<TestSunucusu>(200, QMap<QString, QString>{}, testVeritabaniArgumanlari());
        QVERIFY2(m_sunucu->hazir(), qPrintable(m_sunucu->hata()));
        QVERIFY(m_sunucu->webPort() != 0);
    }

    void anaSayfa()
    {
        const Yanit y = al(QStringLiteral("/"));
        QCOMPARE(y.durum, 200);
        QVERIFY(y.tur.startsWith("text/html"));
        QVERIFY(y.govde.contains("ZELVAR OTOMOTİV"));
        QCOMPARE(al(QStringLiteral("/yok.html")).durum, 404);
    }

    void istekFormu()
    {
        const Yanit sayfa = al(QStringLiteral("/formmailgonder.aspx?carino=0&kullanici=%20&id=ABC<b>-1"));
        QCOMPARE(sayfa.durum, 200);
        QVERIFY(sayfa.govde.contains("<form"));
        QVERIFY(sayfa.govde.contains("ABC&lt;b&gt;-1"));
        QVERIFY(!sayfa.govde.contains("ABC<b>"));

        const int once = istekSayisi();
        QUrlQuery eksik;
        eksik.addQueryItem(QStringLiteral("firma"), QStringLiteral("Yeni Bayi"));
        const Yanit red = gonder(QStringLiteral("/formmailgonder.aspx"), eksik);
        QCOMPARE(red.durum, 400);
        QVERIFY(red.govde.contains("boş olamaz"));
        QCOMPARE(istekSayisi(), once);

        QUrlQuery form;
        form.addQueryItem(QStringLiteral("id"), QStringLiteral("ABC-1"));
        form.addQueryItem(QStringLiteral("firma"), QStringLiteral("Öz Çağrı Oto & Yedek + Parça"));
        form.addQueryItem(QStringLiteral("yetkili"), QStringLiteral("Şule Işık"));
        form.addQueryItem(QStringLiteral("telefon"), QStringLiteral("0 555 000 00 00"));
        form.addQueryItem(QStringLiteral("mail"), QStringLiteral("sule@example.com"));
        const Yanit tamam = gonder(QStringLiteral("/formmailgonder.aspx"), form);
        QCOMPARE(tamam.durum, 200);
        QVERIFY(QString::fromUtf8(tamam.govde).contains(QStringLiteral("Şule Işık")));
        QCOMPARE(istekSayisi(), once + 1);

        QSqlDatabase db = testVeritabaniAc(m_sunucu->veriKlasoru(), QStringLiteral("web-test2"));
        QVERIFY(db.isOpen());
        {
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("SELECT firma, bilgisayarid FROM istek_formu ORDER BY sirano DESC")));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("Öz Çağrı Oto & Yedek + Parça"));
            QCOMPARE(q.value(1).toString(), QStringLiteral("ABC-1"));
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("web-test2"));
    }

    void resimler()
    {
        // Part 1 has a picture or not; find one that has.
        int bulunan = 0;
        for (int id = 1; id <= 40 && !bulunan; ++id) {
            const Yanit y = al(QStringLiteral("/resimgoster.ashx?id=%1").arg(id));
            if (y.durum == 200) {
                QCOMPARE(y.tur, QByteArray("image/jpeg"));
                QImage r;
                QVERIFY(r.loadFromData(y.govde, "JPEG"));
                bulunan = id;
            } else {
                QCOMPARE(y.durum, 404);
                QVERIFY(y.govde.isEmpty());
            }
        }
        QVERIFY(bulunan > 0);
        for (const QString& yol :
             {QStringLiteral("/resimgoster.ashx?id=0"), QStringLiteral("/resimgoster.ashx?id=abc"),
              QStringLiteral("/resimgoster.ashx"), QStringLiteral("/resimgoster.ashx?id=99999999")}) {
            const Yanit y = al(yol);
            QCOMPARE(y.durum, 404);
            QVERIFY(y.govde.isEmpty());
        }
    }

    void odemeSayfasi()
    {
        QUrlQuery q;
        q.addQueryItem(QStringLiteral("carino"), QStringLiteral("1234"));
        q.addQueryItem(QStringLiteral("sube"), QStringLiteral("MERKEZ"));
        q.addQueryItem(QStringLiteral("firmasi"), QStringLiteral("<script>alert(1)</script> Çelik & Oğul"));
        q.addQueryItem(QStringLiteral("bakiye"), QStringLiteral("12.345,67"));
        const Yanit y = al(QStringLiteral("/kelvorkart.html?") + q.toString(QUrl::FullyEncoded));
        QCOMPARE(y.durum, 200);
        const QString sayfa = QString::fromUtf8(y.govde);
        QVERIFY(sayfa.contains(QStringLiteral(">1234<")));
        QVERIFY(sayfa.contains(QStringLiteral("MERKEZ")));
        QVERIFY(sayfa.contains(QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt; Çelik &amp; Oğul")));
        QVERIFY(!sayfa.contains(QStringLiteral("<script>")));
        QVERIFY(sayfa.contains(QStringLiteral("12.345,67 TL")));
    }

    void kurulumProgrami()
    {
        const Yanit y = al(QStringLiteral("/exe/ZelvarB2BSetup.exe"));
        QCOMPARE(y.durum, 200);
        QCOMPARE(y.uzunluk, y.govde.size());
        QVERIFY(y.govde.startsWith("#!/bin/sh"));
        QTemporaryDir klasor;
        const QString yol = QDir(klasor.path()).filePath(QStringLiteral("ZelvarB2BSetup.exe"));
        QFile f(yol);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(y.govde);
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        QCOMPARE(QProcess::execute(yol, {QStringLiteral("/silent")}), 0);
        QVERIFY(QFile::exists(QDir(klasor.path()).filePath(QStringLiteral("ZelvarB2BSetup.kuruldu"))));
    }
};

QTEST_GUILESS_MAIN(TstWeb)
#include "tst_web.moc"
