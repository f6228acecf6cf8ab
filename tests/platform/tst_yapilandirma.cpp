#include "platform/yapilandirma.h"

#include "yardim_sahteplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zelvar;
using zelvar::test::SahtePlatform;

namespace {

QString yaz(const QString& klasor, const QByteArray& icerik)
{
    QDir().mkpath(klasor);
    const QString yol = klasor + QStringLiteral("/zelvarb2b.ini");
    QFile f(yol);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(icerik);
    return yol;
}

} // namespace

class TstYapilandirma : public QObject {
    Q_OBJECT

    QTemporaryDir m_kok;

private slots:
    void varsayilanlar()
    {
        const Yapilandirma y = Yapilandirma::oku(m_kok.filePath(QStringLiteral("olmayan.ini")));
        QCOMPARE(y.sunucuHost, QStringLiteral("localhost"));
        QCOMPARE(y.sunucuPort, 9090);
        QCOMPARE(y.webTaban, QStringLiteral("http://localhost:8080/"));
        QCOMPARE(y.guncellemeHost, QStringLiteral("localhost:8080"));
        QVERIFY(y.bilinenDiskler.isEmpty());
        QVERIFY(y.bilinenDiskKimligi.isEmpty());
    }

    void tamDosya()
    {
        const QString yol = yaz(m_kok.filePath(QStringLiteral("tam")),
                                "[server]\nhost=b2b.zelvar.com.tr\nport=9191\n"
                                "[web]\nbase=https://www.zelvar.com.tr/b2b\n"
                                "[update]\nhost=indir.zelvar.com.tr:8081\n"
                                "[identity]\nid=100200300400\n"
                                "disk2=S3Z9NB0K123456X\ndisk10=SONUNCU\n"
                                "disk1=0025_3853_81B0_1F21_AB00_1C2D_3E4F_5A6B.\ndisk3=\n");
        const Yapilandirma y = Yapilandirma::oku(yol);
        QCOMPARE(y.sunucuHost, QStringLiteral("b2b.zelvar.com.tr"));
        QCOMPARE(y.sunucuPort, 9191);
        QCOMPARE(y.webTaban, QStringLiteral("https://www.zelvar.com.tr/b2b/"));
        QCOMPARE(y.guncellemeHost, QStringLiteral("indir.zelvar.com.tr:8081"));
        QCOMPARE(y.bilinenDiskKimligi, QStringLiteral("100200300400"));
        // Number order, not text order; empty entries are left out.
        QCOMPARE(y.bilinenDiskler, (QStringList{"0025_3853_81B0_1F21_AB00_1C2D_3E4F_5A6B.", "S3Z9NB0K123456X", "SONUNCU"}));
    }

    void eksikVeBozukAnahtarlar_data()
    {
        QTest::addColumn<QByteArray>("icerik");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("taban");
        QTest::newRow("yalnız host") << QByteArray("[server]\nhost=sunucu\n") << "sunucu" << 9090
                                     << "http://localhost:8080/";
        QTest::newRow("port sayı değil") << QByteArray("[server]\nport=dokuz\n") << "localhost" << 9090
                                         << "http://localhost:8080/";
        QTest::newRow("port aralık dışı") << QByteArray("[server]\nport=70000\n") << "localhost" << 9090
                                          << "http://localhost:8080/";
        QTest::newRow("boş değerler") << QByteArray("[server]\nhost=\nport=\n[web]\nbase=\n") << "localhost" << 9090
                                      << "http://localhost:8080/";
        QTest::newRow("taban zaten / ile") << QByteArray("[web]\nbase=http://h/\n") << "localhost" << 9090
                                           << "http://h/";
        QTest::newRow("virgüllü adres") << QByteArray("[web]\nbase=http://h/a,b\n") << "localhost" << 9090
                                        << "http://h/a,b/";
    }
    void eksikVeBozukAnahtarlar()
    {
        QFETCH(QByteArray, icerik);
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(QString, taban);
        const Yapilandirma y = Yapilandirma::oku(yaz(m_kok.filePath(QString::fromUtf8(QTest::currentDataTag())), icerik));
        QCOMPARE(y.sunucuHost, host);
        QCOMPARE(y.sunucuPort, port);
        QCOMPARE(y.webTaban, taban);
        QCOMPARE(y.guncellemeHost, QStringLiteral("localhost:8080"));
    }

    void dosyaOnceligi_data()
    {
        QTest::addColumn<bool>("ayardaVar");
        QTest::addColumn<bool>("programdaVar");
        QTest::addColumn<QString>("host");
        QTest::newRow("ayar klasörü kazanır") << true << true << "ayardaki";
        QTest::newRow("program klasörü") << false << true << "programdaki";
        QTest::newRow("hiçbiri") << false << false << "localhost";
    }
    void dosyaOnceligi()
    {
        QFETCH(bool, ayardaVar);
        QFETCH(bool, programdaVar);
        QFETCH(QString, host);
        QTemporaryDir kok;
        SahtePlatform p;
        p.ayarTaban = kok.filePath(QStringLiteral("config"));
        p.program = kok.filePath(QStringLiteral("bin"));
        if (ayardaVar)
            yaz(p.ayarTaban + QStringLiteral("/zelvarotomotiv"), "[server]\nhost=ayardaki\n");
        if (programdaVar)
            yaz(p.program, "[server]\nhost=programdaki\nport=9191\n");
        const Yapilandirma y = Yapilandirma::yukle();
        QCOMPARE(y.sunucuHost, host);
        // The chosen file counts as a whole: nothing is merged from the other one.
        QCOMPARE(y.sunucuPort, ayardaVar || !programdaVar ? 9090 : 9191);
    }

    // Must stay the first use of gecerli() in this program.
    void gecerliBirKezYuklenir()
    {
        QTemporaryDir kok;
        SahtePlatform p;
        p.ayarTaban = kok.filePath(QStringLiteral("config"));
        p.program = kok.filePath(QStringLiteral("bin"));
        yaz(p.program, "[server]\nhost=ilk\n");
        QCOMPARE(Yapilandirma::gecerli().sunucuHost, QStringLiteral("ilk"));
        yaz(p.program, "[server]\nhost=sonraki\n");
        QCOMPARE(Yapilandirma::gecerli().sunucuHost, QStringLiteral("ilk"));
        Yapilandirma y;
        y.sunucuHost = QStringLiteral("test");
        Yapilandirma::setGecerli(y);
        QCOMPARE(Yapilandirma::gecerli().sunucuHost, QStringLiteral("test"));
    }
};

QTEST_GUILESS_MAIN(TstYapilandirma)
#include "tst_yapilandirma.moc"
