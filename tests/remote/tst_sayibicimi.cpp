#include "sayibicimi.h"
#include "sonuctablosu.h"

#include <QTest>

using namespace zelvar;

class TstSayiBicimi : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bicimler_data()
    {
        QTest::addColumn<double>("deger");
        QTest::addColumn<QString>("bicim");
        QTest::addColumn<bool>("turkce");
        QTest::addColumn<QString>("beklenen");

        const QString para = QStringLiteral("#,###,##0.00");
        const QString yuvarla = QStringLiteral("#,###,##.00");
        const QString ikiHane = QStringLiteral("#,###,##00.00");
        const QString tl = QStringLiteral(",0.00 TL;-,0.00 TL");
        QTest::newRow("para tr") << 1234.5 << para << true << QStringLiteral("1.234,50");
        QTest::newRow("para en") << 1234.5 << para << false << QStringLiteral("1,234.50");
        QTest::newRow("para sıfır") << 0.0 << para << true << QStringLiteral("0,00");
        QTest::newRow("para milyon") << 1234567.891 << para << true << QStringLiteral("1.234.567,89");
        QTest::newRow("para eksi") << -1234.5 << para << true << QStringLiteral("-1.234,50");
        QTest::newRow("para yarım yukarı") << 0.125 << para << true << QStringLiteral("0,13");
        QTest::newRow("para ikili yaklaşım") << 1.005 << para << true << QStringLiteral("1,01");
        QTest::newRow("para eksi yarım") << -2.675 << para << true << QStringLiteral("-2,68");
        QTest::newRow("küçük eksi sıfırlanır") << -0.001 << para << true << QStringLiteral("0,00");
        QTest::newRow("tam hanesiz sıfır") << 0.0 << yuvarla << true << QStringLiteral(",00");
        QTest::newRow("tam hanesiz yarım") << 0.5 << yuvarla << true << QStringLiteral(",50");
        QTest::newRow("tam hanesiz büyük") << 1234.567 << yuvarla << true << QStringLiteral("1.234,57");
        QTest::newRow("iki hane sıfır") << 0.0 << ikiHane << true << QStringLiteral("00,00");
        QTest::newRow("iki hane yedi buçuk") << 7.5 << ikiHane << true << QStringLiteral("07,50");
        QTest::newRow("iki hane büyük") << 12345.0 << ikiHane << true << QStringLiteral("12.345,00");
        QTest::newRow("TL artı") << 1500.0 << tl << true << QStringLiteral("1.500,00 TL");
        QTest::newRow("TL eksi") << -1500.25 << tl << true << QStringLiteral("-1.500,25 TL");
        QTest::newRow("TL en") << -1500.25 << tl << false << QStringLiteral("-1,500.25 TL");
        QTest::newRow("yuvarlamada basamak artar") << 999.995 << para << true << QStringLiteral("1.000,00");
    }

    void bicimler()
    {
        QFETCH(double, deger);
        QFETCH(QString, bicim);
        QFETCH(bool, turkce);
        QFETCH(QString, beklenen);
        const QLocale yerel = turkce ? QLocale(QLocale::Turkish, QLocale::Turkey) : QLocale::c();
        QCOMPARE(SayiBicimle(deger, bicim, yerel), beklenen);
    }

    void yuvarla_data()
    {
        QTest::addColumn<double>("deger");
        QTest::addColumn<double>("beklenen");
        QTest::newRow("yarım") << 0.125 << 0.13;
        QTest::newRow("ikili altında kalan yarım") << 0.255 << 0.26;
        QTest::newRow("1.005") << 1.005 << 1.01;
        QTest::newRow("eksi yarım") << -0.125 << -0.13;
        QTest::newRow("sıfır") << 0.0 << 0.0;
        QTest::newRow("küçük") << 0.004 << 0.0;
        QTest::newRow("büyük") << 1234567.894 << 1234567.89;
    }

    void yuvarla()
    {
        QFETCH(double, deger);
        QFETCH(double, beklenen);
        QCOMPARE(Yuvarla(deger), beklenen);
    }

    // Totals round after every row: two rows of 0.125 make 0.26, not 0.25.
    void yuruyenToplamHerSatirdaYuvarlanir()
    {
        double toplam = 0.0;
        for (double satir : {0.125, 0.125})
            toplam = Yuvarla(toplam + satir);
        QCOMPARE(toplam, 0.26);
    }

    // Rounding must not depend on the user's separators.
    void yuvarlaYereldenBagimsiz()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        QCOMPARE(Yuvarla(1234.565), 1234.57);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(Yuvarla(1234.565), 1234.57);
    }

    void yalnizDuzOndalikSutunlarBicimlenir()
    {
        SonucTablosu t;
        t.sutunEkle({QStringLiteral("STOKNO"), AlanTuru::Integer});
        t.sutunEkle({QStringLiteral("TUTAR"), AlanTuru::Currency});
        t.sutunEkle({QStringLiteral("ORAN"), AlanTuru::Bcd});
        t.sutunEkle({QStringLiteral("FIYAT"), AlanTuru::Float});
        SayiFormatla(t);
        QVERIFY(t.sutun(0).gosterimBicimi.isEmpty());
        QVERIFY(t.sutun(1).gosterimBicimi.isEmpty());
        QVERIFY(t.sutun(2).gosterimBicimi.isEmpty());
        QCOMPARE(t.sutun(3).gosterimBicimi, QStringLiteral("#,###,##0.00"));
    }
};

QTEST_APPLESS_MAIN(TstSayiBicimi)
#include "tst_sayibicimi.moc"
