#include "platform/kimlik.h"
#include "platform/yapilandirma.h"

#include "yardim_sahteplatform.h"

#include <QTest>

using namespace zelvar;
using zelvar::test::bagdastirici;
using zelvar::test::SahtePlatform;

class TstKimlik : public QObject {
    Q_OBJECT

private slots:
    void init() { Yapilandirma::setGecerli(Yapilandirma()); }

    void bilgisayarAdi_data()
    {
        QTest::addColumn<QString>("ham");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("kısa") << "BAYI-PC" << "BAYI-PC";
        QTest::newRow("alan adıyla") << "muhasebe01.firma.local" << "muhasebe01";
        QTest::newRow("15 karakter") << "ABCDEFGHIJKLMNO" << "ABCDEFGHIJKLMNO";
        QTest::newRow("uzun kesilir") << "muhasebe-bilgisayari-03" << "muhasebe-bilgis";
        QTest::newRow("sorgu başarısız") << "" << "";
    }
    void bilgisayarAdi()
    {
        QFETCH(QString, ham);
        QFETCH(QString, beklenen);
        SahtePlatform p;
        p.bilgisayar = ham;
        QCOMPARE(BilgisayarAdiAl(), beklenen);
    }

    void kullaniciAdi_data()
    {
        QTest::addColumn<QString>("ham");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("15 karakter kalır") << "abcdefghijklmno" << "abcdefghijklmno";
        QTest::newRow("16 karakter boş") << "abcdefghijklmnop" << "";
        QTest::newRow("daha uzun boş") << "abcdefghijklmnopqrstu" << "";
        QTest::newRow("Türkçe harfler") << "gülşen" << "gülşen";
        QTest::newRow("sorgu başarısız") << "" << "";
    }
    void kullaniciAdi()
    {
        QFETCH(QString, ham);
        QFETCH(QString, beklenen);
        SahtePlatform p;
        p.kullanici = ham;
        QCOMPARE(KullaniciAdiAl(), beklenen);
    }

    void icIp_data()
    {
        QTest::addColumn<QStringList>("makine");
        QTest::addColumn<QStringList>("bagdastirici");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("ilk adres") << QStringList{"192.168.1.5", "10.0.0.2"} << QStringList{} << "192.168.1.5";
        QTest::newRow("127.0.1.1 atlanır") << QStringList{"127.0.1.1", "192.168.1.5"} << QStringList{}
                                           << "192.168.1.5";
        QTest::newRow("ad yalnız döngüye") << QStringList{"127.0.1.1"} << QStringList{"10.0.0.7"} << "10.0.0.7";
        QTest::newRow("hiçbiri") << QStringList{} << QStringList{} << "127.0.0.1";
        QTest::newRow("bozuk metin") << QStringList{"abc"} << QStringList{"::1"} << "127.0.0.1";
    }
    void icIp()
    {
        QFETCH(QStringList, makine);
        QFETCH(QStringList, bagdastirici);
        QFETCH(QString, beklenen);
        SahtePlatform p;
        p.makineAdresleri = makine;
        p.bagdastiriciAdresleri = bagdastirici;
        QCOMPARE(IcIpAl(), beklenen);
    }

    void macAdresi_data()
    {
        QTest::addColumn<QStringList>("adresler");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("ilk gerçek") << QStringList{"02-fc-00-00-00-01", "aa-bb-cc-dd-ee-ff"} << "02-FC-00-00-00-01";
        QTest::newRow("sıfırdan sonra ikinci")
            << QStringList{"00-00-00-00-00-00", "0A-1B-2C-3D-4E-5F"} << "0A-1B-2C-3D-4E-5F";
        QTest::newRow("ilk okunamaz, arama biter") << QStringList{"!", "0A-1B-2C-3D-4E-5F"} << "";
        QTest::newRow("sonraki okunamaz atlanır")
            << QStringList{"00-00-00-00-00-00", "!", "0A-1B-2C-3D-4E-5F"} << "0A-1B-2C-3D-4E-5F";
        QTest::newRow("hepsi sıfır") << QStringList{"00-00-00-00-00-00", "00-00-00-00-00-00"} << "";
        QTest::newRow("bağdaştırıcı yok") << QStringList{} << "";
    }
    void macAdresi()
    {
        QFETCH(QStringList, adresler);
        QFETCH(QString, beklenen);
        SahtePlatform p;
        for (const QString& a : adresler)
            p.bagdastiricilar << bagdastirici(a);
        QCOMPARE(MacAdresiAl(), beklenen);
    }

    void diskSeriBuyukHarf()
    {
        // Serials are upper-cased the same way whatever the user's language ("i" -> "I", not "İ").
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        SahtePlatform p;
        p.disk = [] { return QStringLiteral("  wd-wcc4n1fi "); };
        // Trimming belongs to the identifier, not to the serial.
        QCOMPARE(DiskSeriNoAl(), QStringLiteral("  WD-WCC4N1FI "));
        QLocale::setDefault(QLocale::c());
        p.disk = nullptr;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, DiskSeriNoAl());
    }

    void bilgisayarId_data()
    {
        QTest::addColumn<QString>("disk"); // "!" = the query fails
        QTest::addColumn<QStringList>("adresler");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("baştaki ve aradaki boşluklar")
            << "   WD-WX 41 A8\t2K " << QStringList{"0A-1B-2C-3D-4E-5F"} << "WD-WX41A82K";
        QTest::newRow("disk yok, ikinci bağdaştırıcı")
            << "!" << QStringList{"00-00-00-00-00-00", "0A-1B-2C-3D-4E-5F"} << "0A-1B-2C-3D-4E-5F";
        QTest::newRow("disk boş, bağdaştırıcıya düşer")
            << "   " << QStringList{"0A-1B-2C-3D-4E-5F"} << "0A-1B-2C-3D-4E-5F";
        QTest::newRow("ne disk ne bağdaştırıcı") << "!" << QStringList{"!"} << "";
    }
    void bilgisayarId()
    {
        QFETCH(QString, disk);
        QFETCH(QStringList, adresler);
        QFETCH(QString, beklenen);
        SahtePlatform p;
        if (disk != QLatin1String("!"))
            p.disk = [disk] { return disk; };
        for (const QString& a : adresler)
            p.bagdastiricilar << bagdastirici(a);
        QCOMPARE(BilgisayarIdAl(), beklenen);
    }

    void bilinenDiskler_data()
    {
        QTest::addColumn<QString>("disk");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("40 karakterlik") << "0025_3853_81B0_1F21_AB00_1C2D_3E4F_5A6B." << "100200300400";
        QTest::newRow("15 karakterlik") << "S3Z9NB0K654321Y" << "100200300400";
        QTest::newRow("boşluklu yazılmış") << " S3Z9NB0K 654321Y " << "100200300400";
        QTest::newRow("küçük harfle bildirilen") << "s3z9nb0k654321y" << "100200300400";
        // Equal to the table's lower-case entry as reported, but upper-cased before comparing.
        QTest::newRow("yalnız harf büyüklüğü tutan") << "s3z9nb0k123456x" << "S3Z9NB0K123456X";
        QTest::newRow("tabloda yok") << "WD-WX41A82K" << "WD-WX41A82K";
    }
    void bilinenDiskler()
    {
        QFETCH(QString, disk);
        QFETCH(QString, beklenen);
        Yapilandirma y;
        y.bilinenDiskler = {"0025_3853_81B0_1F21_AB00_1C2D_3E4F_5A6B.", "s3z9nb0k123456x", "S3Z9NB0K654321Y",
                            "S3Z9NB0K654321Y"};
        y.bilinenDiskKimligi = QStringLiteral("100200300400");
        Yapilandirma::setGecerli(y);
        SahtePlatform p;
        p.disk = [disk] { return disk; };
        QCOMPARE(BilgisayarIdAl(), beklenen);
    }

    void bilgisayarIdKurali()
    {
        const QStringList tablo{"ABC123", "abc456"};
        QCOMPARE(bilgisayarIdHesapla(" ABC 123 ", "", tablo, "999"), QStringLiteral("999"));
        QCOMPARE(bilgisayarIdHesapla("ABC456", "", tablo, "999"), QStringLiteral("ABC456"));
        QCOMPARE(bilgisayarIdHesapla("", "AB-CD", tablo, "999"), QStringLiteral("AB-CD"));
        // Without a replacement identifier the table changes nothing.
        QCOMPARE(bilgisayarIdHesapla("ABC123", "", tablo, ""), QStringLiteral("ABC123"));
        // An empty identifier never matches an (empty) entry.
        QCOMPARE(bilgisayarIdHesapla("", "", {""}, "999"), QString());
    }
};

QTEST_GUILESS_MAIN(TstKimlik)
#include "tst_kimlik.moc"
