// The server's command line: what it accepts and refuses, its exit codes, registration and
// a clean end on SIGTERM and SIGINT.

#include "baglanti.h"
#include "proxim.h"
#include "testsunucusu.h"
#include "uygulama/komutsatiri.h"

#include <QProcess>
#include <QTcpServer>
#include <QTest>

#include <csignal>

using zelvar::uygulama::Secenekler;

namespace
{

struct Sonuc {
    int kod = -1;
    QString cikti;
    QString hata;
};

Sonuc calistir(const QStringList& argumanlar)
{
    const QString bin = qEnvironmentVariable("ZELVAR_BIN");
    QProcess p;
    p.start(bin + QStringLiteral("/zelvarb2b-server"), argumanlar);
    Sonuc s;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return s;
    }
    s.kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    s.cikti = QString::fromUtf8(p.readAllStandardOutput());
    s.hata = QString::fromUtf8(p.readAllStandardError());
    return s;
}

} // namespace

class TstKomutSatiri : public QObject
{
    Q_OBJECT

private slots:
    void gecerli()
    {
        Secenekler s;
        QString hata;
        QVERIFY(zelvar::uygulama::komutSatiriCoz({}, s, hata));
        QCOMPARE(s.komut, Secenekler::Komut::Sun);
        QCOMPARE(s.port, quint16(9090));
        QCOMPARE(s.webPort, quint16(8080));
        QCOMPARE(s.adres, QHostAddress(QHostAddress::LocalHost));
        QCOMPARE(s.istemciSurumu, 2);

        QVERIFY(zelvar::uygulama::komutSatiriCoz({"--data", "/tmp/x", "--port=0", "--web-port", "0", "--demo-items",
                                                  "200000", "--listen", "0.0.0.0", "--client-version", "3"},
                                                 s, hata));
        QCOMPARE(s.veriKlasoru, QStringLiteral("/tmp/x"));
        QCOMPARE(s.port, quint16(0));
        QCOMPARE(s.demoParca, 200000);
        QCOMPARE(s.adres, QHostAddress(QStringLiteral("0.0.0.0")));
        QCOMPARE(s.istemciSurumu, 3);

        QVERIFY(zelvar::uygulama::komutSatiriCoz({"register", "--data", "d", "--id", "ID 1", "--user", "AHMET",
                                                  "--password", "", "--kind", "2", "--account", "3"},
                                                 s, hata));
        QCOMPARE(s.komut, Secenekler::Komut::Kaydet);
        QCOMPARE(s.bilgisayarId, QStringLiteral("ID 1"));
        QCOMPARE(s.sifre, QString());
        QCOMPARE(s.tip, 2);
        QCOMPARE(s.carino, 3);
        QVERIFY(zelvar::uygulama::komutSatiriCoz(
            {"register", "--this-workstation", "--user", "A", "--password", "B", "--kind", "0", "--account", "1"}, s,
            hata));
        QVERIFY(s.buIstasyon);
    }

    void gecersiz_data()
    {
        QTest::addColumn<QStringList>("argumanlar");
        QTest::newRow("bilinmeyen seçenek") << QStringList{"--portt", "1"};
        QTest::newRow("port büyük") << QStringList{"--port", "70000"};
        QTest::newRow("port sayı değil") << QStringList{"--port", "abc"};
        QTest::newRow("port eksi") << QStringList{"--port=-1"};
        QTest::newRow("değer eksik") << QStringList{"--data"};
        QTest::newRow("az parça") << QStringList{"--demo-items", "10"};
        QTest::newRow("adres") << QStringList{"--listen", "bir.yer"};
        QTest::newRow("iki kez") << QStringList{"--port", "1", "--port", "2"};
        QTest::newRow("aynı port") << QStringList{"--port", "5000", "--web-port", "5000"};
        QTest::newRow("sürüm 0") << QStringList{"--client-version", "0"};
        QTest::newRow("bilinmeyen komut") << QStringList{"sil"};
        QTest::newRow("serbest argüman") << QStringList{"--port", "1", "fazla"};
        QTest::newRow("kayıtta kimlik yok")
            << QStringList{"register", "--user", "A", "--password", "B", "--kind", "0", "--account", "1"};
        QTest::newRow("kayıtta iki kimlik")
            << QStringList{"register", "--id",   "X", "--this-workstation", "--user", "A", "--password",
                           "B",        "--kind", "0", "--account",          "1"};
        QTest::newRow("kayıtta tip büyük")
            << QStringList{"register", "--id", "X", "--user", "A", "--password", "B", "--kind", "7", "--account", "1"};
        QTest::newRow("kayıtta şifre yok")
            << QStringList{"register", "--id", "X", "--user", "A", "--kind", "0", "--account", "1"};
        QTest::newRow("kayıtta cari yok")
            << QStringList{"register", "--id", "X", "--user", "A", "--password", "B", "--kind", "0"};
        QTest::newRow("sunucu seçeneği kayıtta") << QStringList{"register", "--port", "1"};
        QTest::newRow("bayrağa değer") << QStringList{"register", "--this-workstation=1"};
    }

    void gecersiz()
    {
        QFETCH(QStringList, argumanlar);
        Secenekler s;
        QString hata;
        QVERIFY(!zelvar::uygulama::komutSatiriCoz(argumanlar, s, hata));
        QVERIFY(!hata.isEmpty());
        // The program itself refuses with exit code 2 and says why.
        const Sonuc sonuc = calistir(argumanlar);
        QCOMPARE(sonuc.kod, 2);
        QVERIFY2(sonuc.hata.contains(hata), qPrintable(sonuc.hata));
        QVERIFY(sonuc.cikti.isEmpty());
    }

    void yardimVeDemoKullanicilari()
    {
        const Sonuc yardim = calistir({"--help"});
        QCOMPARE(yardim.kod, 0);
        QVERIFY(yardim.cikti.contains(QStringLiteral("register")));
        const Sonuc demo = calistir({"demo-users"});
        QCOMPARE(demo.kod, 0);
        QVERIFY(demo.cikti.contains(QStringLiteral("ORHAN\tZV1000\t0\t1\t1\tDEMO-BAYI-0")));
        QVERIFY(demo.cikti.contains(QStringLiteral("MURAT\tZV2200\t2\t")));
    }

    void kayitVeSonlandirma()
    {
        TestSunucusu sunucu(100);
        QVERIFY2(sunucu.hazir(), qPrintable(sunucu.hata()));
        const Sonuc kayit = calistir({"register", "--data", sunucu.veriKlasoru(), "--id", "ISTASYON-9", "--user",
                                      "YENI", "--password", "P9", "--kind", "3", "--account", "4"});
        QCOMPARE(kayit.kod, 0);
        QCOMPARE(kayit.cikti, QStringLiteral("ISTASYON-9\n"));
        const Sonuc yanlisCari = calistir({"register", "--data", sunucu.veriKlasoru(), "--id", "ISTASYON-9", "--user",
                                           "YENI", "--password", "P9", "--kind", "3", "--account", "777"});
        QCOMPARE(yanlisCari.kod, 2);
        QVERIFY(yanlisCari.hata.contains(QStringLiteral("777")));

        // A taken port is a failure to start, not a bad argument.
        QTcpServer dolu;
        QVERIFY(dolu.listen(QHostAddress::LocalHost));
        const Sonuc mesgul =
            calistir({"--data", sunucu.veriKlasoru(), "--port", QString::number(dolu.serverPort()), "--web-port", "0"});
        QCOMPARE(mesgul.kod, 1);
        QVERIFY(!mesgul.cikti.contains(QStringLiteral("ready")));

        QVERIFY(sunucu.durdur());

        // The version the server expects reaches the client's session record.
        TestSunucusu ikinci(100, {}, {QStringLiteral("--client-version"), QStringLiteral("3")});
        QVERIFY2(ikinci.hazir(), qPrintable(ikinci.hata()));
        {
            zelvar::Baglanti b;
            b.Params()[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
            b.Params()[QStringLiteral("Port")] = QString::number(ikinci.rpcPort());
            b.Open();
            zelvar::TServerMethods1Client p(b);
            QCOMPARE(p.BuyukGetir(QStringLiteral("DEMO-BAYI-0"))->Version(), 3);
            QCOMPARE(p.BuyukGetir(QStringLiteral("YOK"))->Version(), 3);
        }
        QVERIFY(ikinci.pid() > 0);
        ::kill(pid_t(ikinci.pid()), SIGINT);
        QTRY_VERIFY_WITH_TIMEOUT(ikinci.gunluk().contains(QStringLiteral("durduruldu")), 10000);
        QVERIFY(ikinci.durdur());
    }
};

QTEST_GUILESS_MAIN(TstKomutSatiri)
#include "tst_komutsatiri.moc"
