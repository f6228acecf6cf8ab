#include "websitesi.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using namespace zelvar;

class TstWebSitesi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void istekFormu_data()
    {
        QTest::addColumn<QString>("taban");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("kimlik") << "https://www.zelvar.example/"
                                << "WD-123456"
                                << "https://www.zelvar.example/formmailgonder.aspx?carino=0&kullanici= &id=WD-123456";
        QTest::newRow("boş kimlik") << "https://www.zelvar.example/"
                                    << ""
                                    << "https://www.zelvar.example/formmailgonder.aspx?carino=0&kullanici= &id=";
        QTest::newRow("alt klasör, port")
            << "http://127.0.0.1:8080/b2b/"
            << "100200300400"
            << "http://127.0.0.1:8080/b2b/formmailgonder.aspx?carino=0&kullanici= &id=100200300400";
        QTest::newRow("eğik çizgisiz taban")
            << "https://www.zelvar.example"
            << "X1"
            << "https://www.zelvar.example/formmailgonder.aspx?carino=0&kullanici= &id=X1";
    }

    void istekFormu()
    {
        QFETCH(QString, taban);
        QFETCH(QString, id);
        QFETCH(QString, beklenen);
        QCOMPARE(IstekFormuAdresi(taban, id), beklenen);
    }

    void bosKimlikAdresiEtiketteBiter()
    {
        const QString a = IstekFormuAdresi(QStringLiteral("https://www.zelvar.example/"), QString());
        QVERIFY(a.endsWith(QLatin1String("&id=")));
        // The browser sees the same query: the blank after "kullanici=" and an empty id.
        const QUrlQuery q(QUrl(a, QUrl::TolerantMode));
        QCOMPARE(q.queryItemValue(QStringLiteral("kullanici")), QStringLiteral(" "));
        QVERIFY(q.hasQueryItem(QStringLiteral("id")));
        QCOMPARE(q.queryItemValue(QStringLiteral("id")), QString());
    }

    void anaSayfaVeResim()
    {
        QCOMPARE(AnaSayfaAdresi(QStringLiteral("https://www.zelvar.example/b2b/")),
                 QStringLiteral("http://www.zelvar.example/"));
        QCOMPARE(AnaSayfaAdresi(QStringLiteral("http://localhost:8080/")), QStringLiteral("http://localhost:8080/"));
        QCOMPARE(ResimAdresi(QStringLiteral("https://www.zelvar.example/"), 1042),
                 QStringLiteral("https://www.zelvar.example/resimgoster.ashx?id=1042"));
    }

    void kartOdeme_data()
    {
        QTest::addColumn<QString>("firma");
        QTest::addColumn<QString>("bakiye");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("boşluk ve Türkçe harf")
            << "Demir Oto Yedek Parça Ltd. Şti."
            << "12.345,67"
            << "https://www.zelvar.example/kelvorkart.html?carino=1234&sube=MERKEZ&firmasi=Demir Oto Yedek Parça "
               "Ltd. Şti.&bakiye=12.345,67";
        QTest::newRow("sıfır bakiye")
            << "ÖZ OTO"
            << "0,00"
            << "https://www.zelvar.example/kelvorkart.html?carino=1234&sube=MERKEZ&firmasi=ÖZ "
               "OTO&bakiye=0,00";
        // "&" in a name must not start a new key, "+" must not turn into a blank.
        QTest::newRow("ayraç karakterleri") << "A&B + OĞULLARI #1 %5"
                                            << "-10,00"
                                            << "https://www.zelvar.example/kelvorkart.html?carino=1234&sube=MERKEZ"
                                               "&firmasi=A%26B %2B OĞULLARI %231 %255&bakiye=-10,00";
    }

    void kartOdeme()
    {
        QFETCH(QString, firma);
        QFETCH(QString, bakiye);
        QFETCH(QString, beklenen);
        const QString a = KartOdemeAdresi(QStringLiteral("https://www.zelvar.example/"), 1234, firma, bakiye);
        QCOMPARE(a, beklenen);
        const QUrlQuery q(QUrl(a, QUrl::TolerantMode));
        QCOMPARE(q.queryItemValue(QStringLiteral("carino")), QStringLiteral("1234"));
        QCOMPARE(q.queryItemValue(QStringLiteral("sube")), QStringLiteral("MERKEZ"));
        QCOMPARE(q.queryItemValue(QStringLiteral("firmasi"), QUrl::FullyDecoded), firma);
        QCOMPARE(q.queryItemValue(QStringLiteral("bakiye"), QUrl::FullyDecoded), bakiye);
    }
};

QTEST_APPLESS_MAIN(TstWebSitesi)
#include "tst_websitesi.moc"
