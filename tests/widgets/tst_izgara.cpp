#include "remote/sayibicimi.h"
#include "widgets/izgara.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>

using namespace zelvar;

namespace {

// Declared column positions in the grid.
enum { C_SEC, C_BARKOD, C_ADI, C_MIKTAR, C_NETTUTAR, C_DURUM, C_KALAN, C_OEM1, C_FIYATBILGISI, C_SAYI };

struct Satir {
    const char* barkod;
    const char* adi;
    double miktar;
    double nettutar;
    int durum;
    int sec;
};

// Table order; the grid must never confuse it with the displayed order.
const Satir kSatirlar[] = {
    {"B3", "Çanta", 2.0, 10.5, 1, 1},    {"A1", "cam", 1.0, 0.25, 0, 0},   {"C2", "Işık", 3.0, 100.0, 9, 1},
    {"A2", "İnce", 1.5, 1234.5, 10, 0}, {"D9", "çelik", 0.5, 0.0, 1, 1}, {"E5", "ılık", 4.0, 0.0, 9, 0},
};
constexpr int kSatirSayisi = 6;

SonucTablosu ornekTablo(int satirSayisi = kSatirSayisi)
{
    SonucTablosu t;
    // Field order differs from the declaration and carries a field nobody declares.
    const int gizli = t.sutunEkle({QStringLiteral("GIZLI"), AlanTuru::String});
    const int adi = t.sutunEkle({QStringLiteral("ADI"), AlanTuru::String});
    const int barkod = t.sutunEkle({QStringLiteral("BARKOD"), AlanTuru::String});
    const int miktar = t.sutunEkle({QStringLiteral("MIKTAR"), AlanTuru::Float});
    const int net = t.sutunEkle({QStringLiteral("NETTUTAR"), AlanTuru::Float});
    const int durum = t.sutunEkle({QStringLiteral("DURUM"), AlanTuru::Integer});
    const int sec = t.sutunEkle({QStringLiteral("SEC"), AlanTuru::Integer});
    for (int i = 0; i < satirSayisi; ++i) {
        const Satir& s = kSatirlar[i];
        const int r = t.satirEkle();
        t.yazMetin(r, gizli, QStringLiteral("gizli"));
        t.yazMetin(r, adi, QString::fromUtf8(s.adi));
        t.yazMetin(r, barkod, QString::fromUtf8(s.barkod));
        t.yazOndalik(r, miktar, s.miktar);
        t.yazOndalik(r, net, s.nettutar);
        t.yazTamsayi(r, durum, s.durum);
        t.yazTamsayi(r, sec, s.sec);
    }
    SayiFormatla(t);
    return t;
}

QList<SutunTanimi> ornekSutunlar()
{
    return {
        {.alan = QStringLiteral("SEC"), .baslik = QStringLiteral("Seç"), .agirlik = 1, .sunulan = false,
         .tur = GosterimTuru::Onay, .aramada = false},
        {.alan = QStringLiteral("BARKOD"), .baslik = QStringLiteral("Barkod"), .agirlik = 2, .sayac = true},
        {.alan = QStringLiteral("adi"), .baslik = QStringLiteral("Açıklama"), .agirlik = 3},
        {.alan = QStringLiteral("MIKTAR"), .baslik = QStringLiteral("Miktar"), .agirlik = 1,
         .tur = GosterimTuru::Sayi, .toplam = true},
        {.alan = QStringLiteral("NETTUTAR"), .baslik = QStringLiteral("Net Tutar"), .agirlik = 1,
         .tur = GosterimTuru::Sayi, .toplam = true},
        {.alan = QStringLiteral("DURUM"), .baslik = QStringLiteral("Durum"), .agirlik = 1, .tur = GosterimTuru::Ikon},
        {.alan = QStringLiteral("KALAN"), .agirlik = 1, .gorunur = false, .sunulan = false,
         .tur = GosterimTuru::Sayi},
        {.alan = QStringLiteral("OEM1"), .baslik = QStringLiteral("Oem1"), .agirlik = 2, .gorunur = false},
        {.alan = QStringLiteral("FIYATBILGISI"), .baslik = QStringLiteral("Fiyat Bilgisi"), .agirlik = 2,
         .tur = GosterimTuru::Ozel},
    };
}

QAction* eylemBul(QMenu* menu, const QString& metin)
{
    for (QAction* a : menu->actions())
        if (a->text() == metin)
            return a;
    return nullptr;
}

QStringList secimEylemleri(QMenu* menu)
{
    QStringList r;
    for (QAction* a : menu->actions())
        if (a->isCheckable())
            r << a->text();
    return r;
}

void yaz(QWidget* w, const QString& metin)
{
    for (const QChar c : metin) {
        QKeyEvent bas(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &bas);
    }
}

void tus(QWidget* w, Qt::Key k)
{
    QKeyEvent bas(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(w, &bas);
}

} // namespace

class TstIzgara : public QObject {
    Q_OBJECT

    Izgara* izgara = nullptr;

    QAbstractItemModel* gorunumModeli() { return izgara->gorunum()->model(); }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        izgara = new Izgara;
        izgara->setSutunlar(ornekSutunlar());
        izgara->yukle(ornekTablo());
    }

    void cleanup()
    {
        delete izgara;
        izgara = nullptr;
        QLocale::setDefault(QLocale::c());
    }

    void sutunlarAlanAdiylaBaglanir()
    {
        QAbstractItemModel* m = gorunumModeli();
        QCOMPARE(m->columnCount(), int(C_SAYI));
        QCOMPARE(m->rowCount(), kSatirSayisi);
        QCOMPARE(m->headerData(C_ADI, Qt::Horizontal).toString(), QStringLiteral("Açıklama"));
        // A declaration without a caption shows its field name.
        QCOMPARE(m->headerData(C_KALAN, Qt::Horizontal).toString(), QStringLiteral("KALAN"));
        // Bound by name, ignoring case and the table's own column order.
        QCOMPARE(m->index(0, C_ADI).data().toString(), QStringLiteral("Çanta"));
        QCOMPARE(m->index(0, C_BARKOD).data().toString(), QStringLiteral("B3"));
        QCOMPARE(m->index(3, C_NETTUTAR).data().toString(), QStringLiteral("1.234,50"));
        // Declared fields the table lacks show empty cells.
        QVERIFY(!m->index(0, C_KALAN).data().isValid());
        QVERIFY(!m->index(0, C_FIYATBILGISI).data().isValid());
        // Undeclared fields are not shown at all.
        for (int c = 0; c < m->columnCount(); ++c)
            QVERIFY(m->headerData(c, Qt::Horizontal).toString() != QStringLiteral("GIZLI"));
        QVERIFY(!izgara->sutunGorunur(u"GIZLI"));
        QVERIFY(izgara->sutunGorunur(u"Adi"));
        QVERIFY(!izgara->sutunGorunur(u"OEM1"));
        QCOMPARE(izgara->tablo().satirSayisi(), kSatirSayisi);
    }

    void modellerTutarli()
    {
        auto* suzgec = qobject_cast<QSortFilterProxyModel*>(gorunumModeli());
        QVERIFY(suzgec);
        QAbstractItemModelTester t1(suzgec, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester t2(suzgec->sourceModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        izgara->setFiltre(u"DURUM", QStringLiteral("1"));
        izgara->gorunum()->sortByColumn(C_ADI, Qt::AscendingOrder);
        izgara->yukle(ornekTablo(3));
        izgara->setAyrik(true);
        izgara->yukle(ornekTablo());
        izgara->setAyrik(false);
        izgara->model()->tablo().yazTamsayi(1, izgara->tablo().sutunBul(u"DURUM"), 1);
        izgara->model()->satirDegisti(1);
        QCOMPARE(izgara->gorunenSatirSayisi(), 3);
        izgara->filtreleriTemizle();
        izgara->setSutunlar(ornekSutunlar().mid(0, 3));
        QCOMPARE(suzgec->columnCount(), 3);
        izgara->yukle(SonucTablosu());
    }

    void sutunSeciciSunulanlariListeler()
    {
        // The user-kind adaptation: hidden and withdrawn from the chooser.
        izgara->sutunAyarla(u"DURUM", false, false);
        QVERIFY(!izgara->sutunGorunur(u"DURUM"));
        QVERIFY(!izgara->sutunSunulan(u"DURUM"));

        QScopedPointer<QMenu> menu(izgara->sutunMenusu());
        const QStringList secimler = secimEylemleri(menu.data());
        QVERIFY(!secimler.contains(QStringLiteral("Durum")));
        QVERIFY(!secimler.contains(QStringLiteral("Seç")));
        QVERIFY(!secimler.contains(QStringLiteral("KALAN")));
        QVERIFY(secimler.contains(QStringLiteral("Barkod")));
        QVERIFY(eylemBul(menu.data(), QStringLiteral("En İyi Sığdır")));
        QAction* oem = eylemBul(menu.data(), QStringLiteral("Oem1"));
        QVERIFY(oem);
        QVERIFY(!oem->isChecked());

        QSignalSpy degisen(izgara, &Izgara::sutunGorunurlukDegisti);
        oem->trigger();
        QVERIFY(izgara->sutunGorunur(u"OEM1"));
        QCOMPARE(degisen.count(), 1);
        QCOMPARE(degisen.at(0).at(0).toString(), QStringLiteral("OEM1"));
        QCOMPARE(degisen.at(0).at(1).toBool(), true);

        // Staff get a withdrawn column back.
        izgara->sutunAyarla(u"kalan", true, true);
        QScopedPointer<QMenu> menu2(izgara->sutunMenusu());
        QVERIFY(secimEylemleri(menu2.data()).contains(QStringLiteral("KALAN")));
    }

    void sonGorunurSutunGizlenmez()
    {
        for (const auto& s : ornekSutunlar())
            if (s.alan != QStringLiteral("BARKOD") && s.alan != QStringLiteral("adi"))
                izgara->setSutunGorunur(s.alan, false);

        QScopedPointer<QMenu> menu(izgara->sutunMenusu());
        QAction* barkod = eylemBul(menu.data(), QStringLiteral("Barkod"));
        QAction* adi = eylemBul(menu.data(), QStringLiteral("Açıklama"));
        QVERIFY(barkod && adi);
        QVERIFY(barkod->isEnabled());
        adi->trigger();
        QVERIFY(!izgara->sutunGorunur(u"adi"));
        // The same open menu cannot take the last one away either.
        barkod->trigger();
        QVERIFY(izgara->sutunGorunur(u"BARKOD"));
        QVERIFY(barkod->isChecked());

        QScopedPointer<QMenu> menu2(izgara->sutunMenusu());
        QAction* son = eylemBul(menu2.data(), QStringLiteral("Barkod"));
        QVERIFY(son->isChecked());
        QVERIFY(!son->isEnabled());
    }

    void siraliIzgaradaOdakTabloSatiriVerir()
    {
        izgara->resize(900, 500);
        izgara->show();
        QVERIFY(QTest::qWaitForWindowExposed(izgara));
        QHash<int, int> cizilenSatirlar; // y of the cell -> table row given to the painter
        izgara->setHucreCizici(u"FIYATBILGISI", [&](QPainter*, const QStyleOptionViewItem& o, int satir) {
            cizilenSatirlar.insert(o.rect.top(), satir);
        });

        QTableView* g = izgara->gorunum();
        g->sortByColumn(C_MIKTAR, Qt::DescendingOrder);
        // Displayed: 5 (4.0), 2 (3.0), 0 (2.0), 3 (1.5), 1 (1.0), 4 (0.5).
        QCOMPARE(izgara->tabloSatiri(0), 5);
        QCOMPARE(izgara->tabloSatiri(3), 3);

        const QRect hucre = g->visualRect(g->model()->index(1, C_ADI));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, hucre.center());
        QCOMPARE(izgara->odakSatiri(), 2);
        QCOMPARE(izgara->odakAlani(), QStringLiteral("adi"));

        QSignalSpy cift(izgara, &Izgara::satirCiftTiklandi);
        const QRect ilk = g->visualRect(g->model()->index(0, C_BARKOD));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, ilk.center());
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, ilk.center());
        QCOMPARE(cift.count(), 1);
        QCOMPARE(cift.at(0).at(0).toInt(), 5);
        QCOMPARE(izgara->odakSatiri(), 5);

        QSignalSpy odak(izgara, &Izgara::odakDegisti);
        izgara->odakla(1);
        QCOMPARE(izgara->odakSatiri(), 1);
        QCOMPARE(g->currentIndex().row(), 4);
        QCOMPARE(odak.count(), 1);
        QCOMPARE(odak.at(0).at(0).toInt(), 1);

        // The custom painter gets table rows, not displayed positions.
        izgara->grab();
        QVERIFY(!cizilenSatirlar.isEmpty());
        QCOMPARE(cizilenSatirlar.value(g->visualRect(g->model()->index(0, C_FIYATBILGISI)).top(), -1), 5);
        QCOMPARE(cizilenSatirlar.value(g->visualRect(g->model()->index(1, C_FIYATBILGISI)).top(), -1), 2);
    }

    void filtreler()
    {
        // Numbers are listed in numeric order, not text order ("10" after "9").
        QCOMPARE(izgara->filtreDegerleri(u"DURUM"),
                 (QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("10")}));
        izgara->setFiltre(u"DURUM", QStringLiteral("9"));
        QVERIFY(izgara->filtreVar(u"DURUM"));
        QCOMPARE(izgara->gorunenSatirSayisi(), 2);
        QCOMPARE(izgara->tabloSatiri(0), 2);
        QCOMPARE(izgara->tabloSatiri(1), 5);
        // Another column offers only the values left by the filter; its own filter is ignored.
        const QStringList adlar = izgara->filtreDegerleri(u"adi");
        QCOMPARE(QSet<QString>(adlar.begin(), adlar.end()), (QSet<QString>{QStringLiteral("Işık"), QStringLiteral("ılık")}));
        QCOMPARE(izgara->filtreDegerleri(u"DURUM").size(), 4);
        QCOMPARE(izgara->toplam(u"MIKTAR"), 7.0);

        // A reload keeps the filter.
        izgara->yukle(ornekTablo());
        QCOMPARE(izgara->gorunenSatirSayisi(), 2);
        QCOMPARE(izgara->odakSatiri(), 2);

        QScopedPointer<QMenu> baslikMenusu(izgara->sutunMenusu(C_DURUM));
        QVERIFY(eylemBul(baslikMenusu.data(), QStringLiteral("Filtreyi Kaldır")));
        QVERIFY(eylemBul(baslikMenusu.data(), QStringLiteral("Tüm Filtreleri Kaldır")));

        // The filter menu: "(Tümü)" first, then the values; "(Tümü)" removes the filter.
        QScopedPointer<QMenu> menu(izgara->filtreMenusu(C_DURUM));
        auto* liste = menu->findChild<QListWidget*>();
        QVERIFY(liste);
        QCOMPARE(liste->count(), 5);
        QCOMPARE(liste->item(0)->text(), QStringLiteral("(Tümü)"));
        QCOMPARE(liste->currentItem()->text(), QStringLiteral("9"));
        emit liste->itemClicked(liste->item(4));
        QCOMPARE(izgara->gorunenSatirSayisi(), 1);
        QCOMPARE(izgara->tabloSatiri(0), 3);
        emit liste->itemClicked(liste->item(0));
        QVERIFY(!izgara->filtreVar(u"DURUM"));
        QCOMPARE(izgara->gorunenSatirSayisi(), kSatirSayisi);

        // Blank cells are a value of their own.
        QCOMPARE(izgara->filtreDegerleri(u"OEM1"), QStringList{QString()});
        izgara->setFiltre(u"OEM1", QString());
        QCOMPARE(izgara->gorunenSatirSayisi(), kSatirSayisi);
        izgara->setFiltre(u"BARKOD", QStringLiteral("A1"));
        QCOMPARE(izgara->gorunenSatirSayisi(), 1);
        izgara->filtreleriTemizle();
        QCOMPARE(izgara->gorunenSatirSayisi(), kSatirSayisi);
    }

    void altBilgiToplamlari()
    {
        QVERIFY(izgara->altBilgiGorunur());
        // Sums in the column's format with Turkish separators; counts as plain numbers.
        QCOMPARE(izgara->altBilgiMetni(u"NETTUTAR"), QStringLiteral("1.345,25"));
        QCOMPARE(izgara->altBilgiMetni(u"MIKTAR"), QStringLiteral("12,00"));
        QCOMPARE(izgara->altBilgiMetni(u"BARKOD"), QStringLiteral("6"));
        QCOMPARE(izgara->altBilgiMetni(u"adi"), QString());
        QCOMPARE(izgara->toplam(u"NETTUTAR"), 1345.25);

        // Only the displayed rows count.
        izgara->setFiltre(u"DURUM", QStringLiteral("1"));
        QCOMPARE(izgara->altBilgiMetni(u"NETTUTAR"), QStringLiteral("10,50"));
        QCOMPARE(izgara->altBilgiMetni(u"BARKOD"), QStringLiteral("2"));

        // A local change of a cell reaches the footer.
        izgara->model()->tablo().yazOndalik(4, izgara->tablo().sutunBul(u"NETTUTAR"), 5.0);
        izgara->model()->satirDegisti(4);
        QCOMPARE(izgara->altBilgiMetni(u"NETTUTAR"), QStringLiteral("15,50"));

        Izgara bos;
        bos.setSutunlar({{.alan = QStringLiteral("ADI")}});
        QVERIFY(!bos.altBilgiGorunur());
    }

    void agirligaGoreGenislikler()
    {
        Izgara g;
        g.setSutunlar({
            {.alan = QStringLiteral("A"), .agirlik = 1},
            {.alan = QStringLiteral("B"), .agirlik = 2},
            {.alan = QStringLiteral("C"), .agirlik = 3},
            {.alan = QStringLiteral("D"), .agirlik = 4, .gorunur = false},
            {.alan = QStringLiteral("E"), .agirlik = 0},
        });
        g.setFixedSize(647, 300);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        g.setSutunGenisligi(u"D", 77);

        const int birim = (g.gorunum()->viewport()->width() - 30) / 6;
        QVERIFY(birim > 50);
        g.agirligaGoreBoyutla();
        QCOMPARE(g.sutunGenisligi(u"A"), birim);
        QCOMPARE(g.sutunGenisligi(u"B"), 2 * birim);
        QCOMPARE(g.sutunGenisligi(u"C"), 3 * birim);
        // A shown column of weight 0 stays visible instead of shrinking to nothing.
        QCOMPARE(g.sutunGenisligi(u"E"), 20);

        // Hidden columns keep their own width.
        g.setSutunGorunur(u"D", true);
        QCOMPARE(g.sutunGenisligi(u"D"), 77);
        g.setSutunGorunur(u"D", false);

        const int birim2 = (g.gorunum()->viewport()->width() - 100) / 6;
        g.agirligaGoreBoyutla(100);
        QCOMPARE(g.sutunGenisligi(u"C"), 3 * birim2);

        // No visible weight: widths stay.
        for (const char* a : {"A", "B", "C"})
            g.setSutunGorunur(QString::fromLatin1(a), false);
        g.setSutunGenisligi(u"E", 55);
        g.agirligaGoreBoyutla();
        QCOMPARE(g.sutunGenisligi(u"E"), 55);
    }

    void artimliArama_data()
    {
        QTest::addColumn<int>("sutun");
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<int>("satir");
        QTest::addColumn<QString>("kalanMetin");
        QTest::newRow("ç küçük") << int(C_ADI) << QStringLiteral("ç") << 0 << QStringLiteral("ç");
        QTest::newRow("Ç büyük") << int(C_ADI) << QStringLiteral("Ç") << 0 << QStringLiteral("Ç");
        QTest::newRow("çe") << int(C_ADI) << QStringLiteral("çe") << 4 << QStringLiteral("çe");
        QTest::newRow("ÇEL") << int(C_ADI) << QStringLiteral("ÇEL") << 4 << QStringLiteral("ÇEL");
        QTest::newRow("c ç değil") << int(C_ADI) << QStringLiteral("c") << 1 << QStringLiteral("c");
        QTest::newRow("ı noktasız") << int(C_ADI) << QStringLiteral("ı") << 2 << QStringLiteral("ı");
        QTest::newRow("ıl") << int(C_ADI) << QStringLiteral("ıl") << 5 << QStringLiteral("ıl");
        QTest::newRow("i noktalı") << int(C_ADI) << QStringLiteral("i") << 3 << QStringLiteral("i");
        QTest::newRow("eşleşmeyen harf") << int(C_ADI) << QStringLiteral("çx") << 0 << QStringLiteral("ç");
        // The tick column is not searched: typing goes to the first searchable column.
        QTest::newRow("aranmayan sütun") << int(C_SEC) << QStringLiteral("c2") << 2 << QStringLiteral("c2");
    }

    void artimliArama()
    {
        QFETCH(int, sutun);
        QFETCH(QString, yazilan);
        QFETCH(int, satir);
        QFETCH(QString, kalanMetin);
        QTableView* g = izgara->gorunum();
        g->setCurrentIndex(g->model()->index(kSatirSayisi - 1, sutun));
        yaz(g, yazilan);
        QCOMPARE(izgara->odakSatiri(), satir);
        QCOMPARE(izgara->aramaMetni(), kalanMetin);
    }

    void artimliAramaDuzeltme()
    {
        QTableView* g = izgara->gorunum();
        g->setCurrentIndex(g->model()->index(0, C_ADI));
        yaz(g, QStringLiteral("çe"));
        QCOMPARE(izgara->odakSatiri(), 4);
        tus(g, Qt::Key_Backspace);
        QCOMPARE(izgara->aramaMetni(), QStringLiteral("ç"));
        QCOMPARE(izgara->odakSatiri(), 0);
        tus(g, Qt::Key_Escape);
        QCOMPARE(izgara->aramaMetni(), QString());
        // After a sort the first match is the first one displayed.
        g->sortByColumn(C_MIKTAR, Qt::AscendingOrder);
        yaz(g, QStringLiteral("Ç"));
        QCOMPARE(izgara->odakSatiri(), 4);
    }

    void ayrikYukleme()
    {
        izgara->odakla(3);
        izgara->setAyrik(true);
        QVERIFY(izgara->ayrik());
        QVERIFY(!izgara->isEnabled());
        QVERIFY(!izgara->updatesEnabled());
        QCOMPARE(gorunumModeli()->rowCount(), 0);
        QCOMPARE(izgara->odakSatiri(), -1);
        // The table itself stays readable for the window.
        QCOMPARE(izgara->tablo().satirSayisi(), kSatirSayisi);
        // Re-attached without a new table: the focus comes back.
        izgara->setAyrik(false);
        QVERIFY(izgara->isEnabled());
        QVERIFY(izgara->updatesEnabled());
        QCOMPARE(gorunumModeli()->rowCount(), kSatirSayisi);
        QCOMPARE(izgara->odakSatiri(), 3);

        QSignalSpy odak(izgara, &Izgara::odakDegisti);
        izgara->setAyrik(true);
        izgara->yukle(ornekTablo(2));
        QCOMPARE(gorunumModeli()->rowCount(), 0);
        QCOMPARE(odak.count(), 0);
        izgara->setAyrik(false);
        QCOMPARE(gorunumModeli()->rowCount(), 2);
        QCOMPARE(izgara->odakSatiri(), 0);
        QCOMPARE(odak.count(), 1);
        QCOMPARE(izgara->altBilgiMetni(u"BARKOD"), QStringLiteral("2"));
    }

    void yuklemeDuzeniKorur()
    {
        izgara->setSutunGenisligi(u"BARKOD", 123);
        izgara->setSutunGorunur(u"OEM1", true);
        izgara->gorunum()->sortByColumn(C_MIKTAR, Qt::DescendingOrder);
        QSignalSpy odak(izgara, &Izgara::odakDegisti);
        izgara->yukle(ornekTablo());
        QCOMPARE(izgara->sutunGenisligi(u"BARKOD"), 123);
        QVERIFY(izgara->sutunGorunur(u"OEM1"));
        QCOMPARE(izgara->gorunum()->horizontalHeader()->sortIndicatorSection(), int(C_MIKTAR));
        QCOMPARE(izgara->tabloSatiri(0), 5);
        // The first displayed row gets the focus, and listeners hear of the new rows.
        QCOMPARE(izgara->odakSatiri(), 5);
        QCOMPARE(odak.count(), 1);

        izgara->yukle(SonucTablosu());
        QCOMPARE(izgara->odakSatiri(), -1);
        QCOMPARE(izgara->altBilgiMetni(u"MIKTAR"), QString());
    }

    // Text columns sort in Turkish order with empty cells first, and a new table or a local
    // change is sorted on its own values, not on the previous table's.
    void metinSiralamasiYenilenir()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        izgara->gorunum()->sortByColumn(C_ADI, Qt::AscendingOrder);
        auto adlar = [this] {
            QStringList l;
            for (int i = 0; i < izgara->gorunenSatirSayisi(); ++i)
                l << izgara->tablo().metin(izgara->tabloSatiri(i), u"ADI");
            return l;
        };
        QCOMPARE(adlar(), (QStringList{QStringLiteral("cam"), QStringLiteral("Çanta"), QStringLiteral("çelik"),
                                       QStringLiteral("ılık"), QStringLiteral("Işık"), QStringLiteral("İnce")}));

        SonucTablosu yeni = ornekTablo(3); // Çanta, cam, Işık in table order
        yeni.yazBos(1, yeni.sutunBul(u"ADI"));
        izgara->yukle(std::move(yeni));
        QCOMPARE(adlar(), (QStringList{QString(), QStringLiteral("Çanta"), QStringLiteral("Işık")}));

        izgara->model()->tablo().yazMetin(0, izgara->tablo().sutunBul(u"ADI"), QStringLiteral("Zımba"));
        izgara->model()->satirDegisti(0);
        QCOMPARE(adlar(), (QStringList{QString(), QStringLiteral("Işık"), QStringLiteral("Zımba")}));
        QLocale::setDefault(QLocale::c());
    }

    void gorunus()
    {
        QPixmap kirmizi(24, 24);
        kirmizi.fill(Qt::red);
        izgara->setIkonlar(u"DURUM", {{1, QIcon(kirmizi)}});
        izgara->resize(1000, 400);
        izgara->show();
        QVERIFY(QTest::qWaitForWindowExposed(izgara));
        QTableView* g = izgara->gorunum();
        QCOMPARE(g->horizontalHeader()->height(), 40);
        QCOMPARE(g->rowHeight(0), 40);

        const QImage resim = izgara->grab().toImage();
        auto renk = [&](const QPoint& p) { return QColor(resim.pixel(p)); };
        auto hucre = [&](int satir, int sutun) {
            const QRect r = g->visualRect(g->model()->index(satir, sutun));
            return QRect(g->viewport()->mapTo(izgara, r.topLeft()), r.size());
        };
        const QRect baslik(g->horizontalHeader()->mapTo(izgara, QPoint(0, 0)), g->horizontalHeader()->size());
        QCOMPARE(renk(baslik.topLeft() + QPoint(g->columnViewportPosition(C_ADI) + 3, 3)), QColor(0, 64, 128));
        // Row 0 is focused after the load; then white and light grey alternate.
        QCOMPARE(renk(hucre(0, C_ADI).topLeft() + QPoint(1, 2)), QColor(210, 240, 249));
        QCOMPARE(renk(hucre(1, C_ADI).topLeft() + QPoint(1, 2)), QColor(255, 255, 255));
        QCOMPARE(renk(hucre(2, C_ADI).topLeft() + QPoint(1, 2)), QColor(239, 239, 239));
        const QPoint gosterge = g->verticalHeader()->mapTo(izgara, QPoint(2, g->rowViewportPosition(1) + 2));
        QCOMPARE(renk(gosterge), QColor(66, 66, 66));
        // DURUM 1 has an icon, DURUM 0 none.
        QCOMPARE(renk(hucre(0, C_DURUM).center()), QColor(Qt::red));
        QCOMPARE(renk(hucre(1, C_DURUM).center()), QColor(255, 255, 255));

        izgara->setSatirYuksekligi(60);
        QCOMPARE(g->rowHeight(0), 60);
        izgara->setSecimRenkleri(QColor(0, 64, 128), Qt::white);
        const QImage resim2 = izgara->grab().toImage();
        QCOMPARE(QColor(resim2.pixel(hucre(0, C_ADI).topLeft() + QPoint(1, 2))), QColor(0, 64, 128));
    }

    void enIyiSigdirIcerigeGore()
    {
        SonucTablosu t = ornekTablo();
        const int adi = t.sutunBul(u"ADI");
        t.yazMetin(0, adi, QStringLiteral("Çok uzun bir açıklama metni, sütunu genişletmeli"));
        izgara->yukle(std::move(t));
        izgara->setSutunGenisligi(u"adi", 40);
        izgara->setSutunGenisligi(u"BARKOD", 300);
        izgara->enIyiSigdir();
        const QFontMetrics fm(izgara->gorunum()->font());
        QVERIFY(izgara->sutunGenisligi(u"adi") >
                fm.horizontalAdvance(QStringLiteral("Çok uzun bir açıklama metni, sütunu genişletmeli")));
        QVERIFY(izgara->sutunGenisligi(u"BARKOD") < 300);
        // Hidden columns keep their width.
        izgara->setSutunGenisligi(u"OEM1", 33);
        izgara->enIyiSigdir();
        izgara->setSutunGorunur(u"OEM1", true);
        QCOMPARE(izgara->sutunGenisligi(u"OEM1"), 33);
    }
};

QTEST_MAIN(TstIzgara)
#include "tst_izgara.moc"
