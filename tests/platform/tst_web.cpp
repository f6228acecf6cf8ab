#include "platform/web.h"

#include "yardim_sahteplatform.h"

#include <QTest>
#include <QUrl>

#include <stdexcept>

using namespace zelvar;
using zelvar::test::SahtePlatform;

class TstWeb : public QObject {
    Q_OBJECT

private slots:
    void urlKodla_data()
    {
        QTest::addColumn<QString>("adres");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("değişmez") << "http://www.zelvar.com.tr/kelvorkart.html?carino=1234&sube=MERKEZ"
                                  << "http://www.zelvar.com.tr/kelvorkart.html?carino=1234&sube=MERKEZ";
        QTest::newRow("ödeme sayfası")
            << "http://www.zelvar.com.tr/kelvorkart.html?carino=1234&sube=MERKEZ&firmasi=ÖZ ŞAHİN OTO çığ&bakiye=1.234,50"
            << "http://www.zelvar.com.tr/kelvorkart.html?carino=1234&sube=MERKEZ"
               "&firmasi=%C3%96Z%20%C5%9EAH%C4%B0N%20OTO%20%C3%A7%C4%B1%C4%9F&bakiye=1.234,50";
        QTest::newRow("yolda Türkçe harf") << "https://h/ürün resmi.jpg" << "https://h/%C3%BCr%C3%BCn%20resmi.jpg";
        QTest::newRow("kodlanmış ayraçlar kalır") << "http://h/a?firmasi=A%26B%3DC&x=%2F"
                                                  << "http://h/a?firmasi=A%26B%3DC&x=%2F";
        QTest::newRow("tek yüzde") << "http://h/a?oran=%5 ve %zz" << "http://h/a?oran=%255%20ve%20%25zz";
        QTest::newRow("port ve kullanıcı") << "http://ali:s@h:8080/a b" << "http://ali:s@h:8080/a%20b";
        QTest::newRow("izin verilmeyenler") << "http://h/a\"<>\\^`{|}[]" << "http://h/a%22%3C%3E%5C%5E%60%7B%7C%7D%5B%5D";
        QTest::newRow("parça") << "http://h/a#b#c" << "http://h/a#b%23c";
        QTest::newRow("yolsuz, büyük harfli sunucu") << "http://WWW.Zelvar.com.tr" << "http://WWW.Zelvar.com.tr";
        QTest::newRow("Türkçe sunucu adı") << "http://şirket.com.tr/a" << "http://xn--irket-idb.com.tr/a";
    }
    void urlKodla()
    {
        QFETCH(QString, adres);
        QFETCH(QString, beklenen);
        const QString sonuc = UrlKodla(adres);
        QCOMPARE(sonuc, beklenen);
        // A browser reads the result as the page that was meant.
        const QUrl url(sonuc, QUrl::StrictMode);
        QVERIFY2(url.isValid(), qPrintable(url.errorString()));
        QCOMPARE(UrlKodla(sonuc), sonuc);
    }

    void urlKodlaReddeder_data()
    {
        QTest::addColumn<QString>("adres");
        QTest::newRow("şema yok") << "www.zelvar.com.tr/kelvorkart.html";
        QTest::newRow("sunucu yok") << "http:///a";
        QTest::newRow("yalnız port") << "http://:8080/a";
        QTest::newRow("eğik çizgisiz şema") << "mailto:ali@zelvar.com.tr";
        QTest::newRow("boş") << "";
        QTest::newRow("baştaki boşluk") << " http://h/";
        QTest::newRow("sunucu adında boşluk") << "http://www.zelvar com.tr/a";
        QTest::newRow("Türkçe sunucu adında boşluk") << "http://şirket com.tr/a";
    }
    void urlKodlaReddeder()
    {
        QFETCH(QString, adres);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, UrlKodla(adres));
    }

    void chromeYolu_data()
    {
        QTest::addColumn<QStringList>("yoldakiler"); // "name=path"
        QTest::addColumn<QStringList>("dosyalar");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("hiçbiri") << QStringList{} << QStringList{} << "";
        QTest::newRow("PATH üzerinde chromium")
            << QStringList{"chromium=/usr/bin/chromium"} << QStringList{} << "/usr/bin/chromium";
        QTest::newRow("Chrome önce") << QStringList{"chromium=/usr/bin/chromium", "google-chrome-stable=/usr/bin/gcs"}
                                     << QStringList{} << "/usr/bin/gcs";
        QTest::newRow("PATH dışında kurulu") << QStringList{} << QStringList{"/opt/google/chrome/chrome"}
                                             << "/opt/google/chrome/chrome";
        QTest::newRow("PATH önce") << QStringList{"chromium-browser=/home/a/bin/chromium-browser"}
                                   << QStringList{"/opt/google/chrome/chrome"} << "/home/a/bin/chromium-browser";
    }
    void chromeYolu()
    {
        QFETCH(QStringList, yoldakiler);
        QFETCH(QStringList, dosyalar);
        QFETCH(QString, beklenen);
        SahtePlatform p;
        for (const QString& s : yoldakiler)
            p.yoldakiProgramlar.insert(s.section(QLatin1Char('='), 0, 0), s.section(QLatin1Char('='), 1));
        for (const QString& s : dosyalar)
            p.dosyalar.insert(s);
        QCOMPARE(ChromeYoluBul(), beklenen);
    }
};

QTEST_GUILESS_MAIN(TstWeb)
#include "tst_web.moc"
