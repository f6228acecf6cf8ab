// The two table tests the sending check relies on.

#include "widgets/tablo.h"

#include <QTest>

using namespace zelvar;

namespace {

// A table with a SEC column of the given kind; a value of -1 writes a null cell.
SonucTablosu tablo(AlanTuru tur, const QList<double>& secler)
{
    SonucTablosu t;
    t.sutunEkle({QStringLiteral("SIRANO"), AlanTuru::Integer});
    t.sutunEkle({QStringLiteral("SEC"), tur});
    for (int i = 0; i < secler.size(); ++i) {
        const int r = t.satirEkle();
        t.yazTamsayi(r, 0, 100 + i);
        if (secler[i] >= 0)
            t.yaz(r, 1, secler[i]);
    }
    return t;
}

} // namespace

class TstTablo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void seciliSatir_data()
    {
        QTest::addColumn<int>("tur");
        QTest::addColumn<QList<double>>("secler");
        QTest::addColumn<bool>("dolu");
        QTest::addColumn<bool>("secili");
        QTest::addColumn<int>("ilk");
        const int tam = int(AlanTuru::Integer);
        QTest::newRow("boş tablo") << tam << QList<double>{} << false << false << -1;
        QTest::newRow("hiç işaretli yok") << tam << QList<double>{0, 0, 0} << true << false << -1;
        QTest::newRow("boş işaret sayılmaz") << tam << QList<double>{-1, 0} << true << false << -1;
        QTest::newRow("ilk işaretlide durur") << tam << QList<double>{0, 1, 1} << true << true << 1;
        QTest::newRow("yalnız 1 işarettir") << tam << QList<double>{2, 0, 1} << true << true << 2;
        QTest::newRow("ondalık sütun") << int(AlanTuru::Float) << QList<double>{0.5, 1.0} << true << true << 1;
    }

    void seciliSatir()
    {
        QFETCH(int, tur);
        QFETCH(QList<double>, secler);
        QFETCH(bool, dolu);
        QFETCH(bool, secili);
        QFETCH(int, ilk);
        const SonucTablosu t = tablo(AlanTuru(tur), secler);
        QCOMPARE(TabloDolumu(t), dolu);
        int satir = 99;
        QCOMPARE(SeciliSatirVarmi(t, &satir), secili);
        QCOMPARE(satir, ilk);
        QCOMPARE(SeciliSatirVarmi(t), secili);
    }

    // A table never loaded has no columns: not "open".
    void yuklenmemisTablo()
    {
        const SonucTablosu t;
        QVERIFY(!TabloDolumu(t));
        QVERIFY(!SeciliSatirVarmi(t));
    }

    // Rows without a SEC column are never ticked.
    void secSutunuYok()
    {
        SonucTablosu t;
        t.sutunEkle({QStringLiteral("SIRANO"), AlanTuru::Integer});
        t.yazTamsayi(t.satirEkle(), 0, 1);
        QVERIFY(TabloDolumu(t));
        QVERIFY(!SeciliSatirVarmi(t));
    }
};

QTEST_APPLESS_MAIN(TstTablo)
#include "tst_tablo.moc"
