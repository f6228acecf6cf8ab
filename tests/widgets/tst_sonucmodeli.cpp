#include "remote/sayibicimi.h"
#include "widgets/sonucmodeli.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace zelvar;

namespace {

enum Sutunlar { KOD, ADET, FIYAT, TUTAR, TARIH, ZAMAN, BAYRAK, sutunSayisi };

// Two rows of every kind the grids show; the second row's number cells are null.
SonucTablosu ornekTablo()
{
    SonucTablosu t;
    t.sutunEkle({QStringLiteral("KOD"), AlanTuru::String});
    t.sutunEkle({QStringLiteral("ADET"), AlanTuru::Integer});
    t.sutunEkle({QStringLiteral("FIYAT"), AlanTuru::Float});
    t.sutunEkle({QStringLiteral("TUTAR"), AlanTuru::Currency});
    t.sutunEkle({QStringLiteral("TARIH"), AlanTuru::Date});
    t.sutunEkle({QStringLiteral("ZAMAN"), AlanTuru::DateTime});
    t.sutunEkle({QStringLiteral("BAYRAK"), AlanTuru::Boolean});
    int r = t.satirEkle();
    t.yazMetin(r, KOD, QStringLiteral("Çelik Balata"));
    t.yazTamsayi(r, ADET, 1234);
    t.yazOndalik(r, FIYAT, 1234.5);
    t.yazOndalik(r, TUTAR, 1234.5);
    t.yazTarih(r, TARIH, QDate(2024, 3, 5));
    t.yazTarihSaat(r, ZAMAN, QDateTime(QDate(2024, 3, 5), QTime(14, 30, 0)));
    t.yazTamsayi(r, BAYRAK, 1);
    r = t.satirEkle();
    t.yazMetin(r, KOD, QStringLiteral("X"));
    t.yazTarihSaat(r, ZAMAN, QDateTime(QDate(2024, 12, 31), QTime(0, 0)));
    return t;
}

} // namespace

class TstSonucModeli : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void tutarliModel()
    {
        SonucModeli m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        m.yukle(ornekTablo());
        SonucTablosu t = ornekTablo();
        SayiFormatla(t);
        m.yukle(std::move(t));
        m.tablo().yazOndalik(1, FIYAT, 7.25);
        m.satirDegisti(1);
        m.yukle(SonucTablosu());
        QCOMPARE(m.rowCount(), 0);
        QCOMPARE(m.columnCount(), 0);
    }

    void gosterim_data()
    {
        QTest::addColumn<bool>("formatli");
        QTest::addColumn<int>("satir");
        QTest::addColumn<int>("sutun");
        QTest::addColumn<QString>("beklenen");
        // The common format reaches plain floating-point columns only.
        QTest::newRow("float formatli") << true << 0 << int(FIYAT) << QStringLiteral("1.234,50");
        QTest::newRow("integer formatsiz") << true << 0 << int(ADET) << QStringLiteral("1234");
        QTest::newRow("currency formatsiz") << true << 0 << int(TUTAR) << QStringLiteral("1234,5");
        QTest::newRow("float formatsiz") << false << 0 << int(FIYAT) << QStringLiteral("1234,5");
        QTest::newRow("tarih") << true << 0 << int(TARIH) << QStringLiteral("05.03.2024");
        QTest::newRow("tarih saat") << true << 0 << int(ZAMAN) << QStringLiteral("05.03.2024 14:30:00");
        QTest::newRow("gece yarisi") << true << 1 << int(ZAMAN) << QStringLiteral("31.12.2024");
        QTest::newRow("metin") << true << 0 << int(KOD) << QStringLiteral("Çelik Balata");
        QTest::newRow("mantiksal") << true << 0 << int(BAYRAK) << QStringLiteral("Evet");
        QTest::newRow("bos sayi") << true << 1 << int(FIYAT) << QString();
    }

    void gosterim()
    {
        QFETCH(bool, formatli);
        QFETCH(int, satir);
        QFETCH(int, sutun);
        QFETCH(QString, beklenen);
        SonucTablosu t = ornekTablo();
        if (formatli)
            SayiFormatla(t);
        SonucModeli m;
        m.yukle(std::move(t));
        QCOMPARE(m.index(satir, sutun).data(Qt::DisplayRole).toString(), beklenen);
        QCOMPARE(m.metin(satir, sutun), beklenen);
    }

    void hamDegerTipli()
    {
        SonucTablosu t = ornekTablo();
        SayiFormatla(t);
        SonucModeli m;
        m.yukle(std::move(t));
        for (int rol : {int(Qt::EditRole), int(Qt::UserRole)}) {
            QCOMPARE(m.index(0, FIYAT).data(rol).typeId(), QMetaType::Double);
            QCOMPARE(m.index(0, FIYAT).data(rol).toDouble(), 1234.5);
            QCOMPARE(m.index(0, ADET).data(rol).toInt(), 1234);
            QCOMPARE(m.index(0, TARIH).data(rol).toDate(), QDate(2024, 3, 5));
            QVERIFY(!m.index(1, FIYAT).data(rol).isValid());
        }
        QCOMPARE(m.headerData(FIYAT, Qt::Horizontal).toString(), QStringLiteral("FIYAT"));
        QCOMPARE(m.index(0, FIYAT).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
                 int(Qt::AlignRight));
        // A sum shown in the footer follows the column's format.
        QCOMPARE(m.bicimle(FIYAT, 1234567.891), QStringLiteral("1.234.567,89"));
        QCOMPARE(m.bicimle(ADET, 42), QStringLiteral("42"));
    }

    void sinyallerDengeli()
    {
        SonucModeli m;
        QSignalSpy once(&m, &QAbstractItemModel::modelAboutToBeReset);
        QSignalSpy sonra(&m, &QAbstractItemModel::modelReset);
        QSignalSpy eklenen(&m, &QAbstractItemModel::rowsInserted);
        QSignalSpy degisen(&m, &QAbstractItemModel::dataChanged);
        m.yukle(ornekTablo());
        m.yukle(ornekTablo());
        QCOMPARE(once.count(), 2);
        QCOMPARE(sonra.count(), 2);
        QCOMPARE(eklenen.count(), 0);

        m.satirDegisti(1);
        QCOMPARE(degisen.count(), 1);
        const auto sol = degisen.at(0).at(0).value<QModelIndex>();
        const auto sag = degisen.at(0).at(1).value<QModelIndex>();
        QCOMPARE(sol, m.index(1, 0));
        QCOMPARE(sag, m.index(1, sutunSayisi - 1));
        // Rows that do not exist are not reported.
        m.satirDegisti(-1);
        m.satirDegisti(2);
        QCOMPARE(degisen.count(), 1);
    }
};

QTEST_MAIN(TstSonucModeli)
#include "tst_sonucmodeli.moc"
