#include "platform/kabuk.h"
#include "platform/klasorler.h"

#include "yardim_sahteplatform.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace zelvar;
using zelvar::test::SahtePlatform;

class TstKlasorler : public QObject {
    Q_OBJECT

private slots:
    void klasorlerOlusturulur_data()
    {
        QTest::addColumn<QString>("taban"); // relative to a temporary folder
        QTest::newRow("düz") << "config";
        QTest::newRow("sonda ayraç") << "config/";
        QTest::newRow("derin, olmayan") << "a/b/c";
    }
    void klasorlerOlusturulur()
    {
        QFETCH(QString, taban);
        QTemporaryDir kok;
        SahtePlatform p;
        p.ayarTaban = kok.path() + QLatin1Char('/') + taban;
        p.belgeler = kok.filePath(QStringLiteral("Belgeler"));
        p.yerelVeri = kok.filePath(QStringLiteral("yerel/veri"));

        const QString ayar = AyarKlasoru();
        QCOMPARE(ayar, QDir::cleanPath(p.ayarTaban) + QStringLiteral("/zelvarotomotiv"));
        QVERIFY(!ayar.endsWith(QLatin1Char('/')));
        QVERIFY(QFileInfo(ayar).isDir());
        QCOMPARE(AyarKlasoru(), ayar); // a second call finds it in place

        QCOMPARE(BelgelerKlasoru(), p.belgeler);
        QVERIFY(QFileInfo(p.belgeler).isDir());
        QCOMPARE(YerelVeriKlasoru(), p.yerelVeri);
        QVERIFY(QFileInfo(p.yerelVeri).isDir());
    }

    void kabukPlatformdanGecer()
    {
        SahtePlatform p;
        QVERIFY(AdresAc(QStringLiteral("http://h/")));
        QVERIFY(DosyaAc(QStringLiteral("/tmp/sanalposodeme12.pdf")));
        QVERIFY(ProgramCalistir(QStringLiteral("/tmp/ZelvarB2BSetup.exe"), {QStringLiteral("/silent")}));
        // Nothing to open is refused without bothering the desktop.
        QVERIFY(!AdresAc(QStringLiteral("  ")));
        QVERIFY(!DosyaAc(QString()));
        QVERIFY(!ProgramCalistir(QString(), {}));
        QCOMPARE(p.acilanlar, (QStringList{"adres:http://h/", "dosya:/tmp/sanalposodeme12.pdf",
                                           "program:/tmp/ZelvarB2BSetup.exe /silent"}));
    }
};

QTEST_GUILESS_MAIN(TstKlasorler)
#include "tst_klasorler.moc"
