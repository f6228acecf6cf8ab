// The basket tab's view: loading, the caption, the totals of the ticked lines, the footer, the
// overdue warning, the column widths and the export button.

#include "yardim_sepet.h"

#include "basket/secenekgrubu.h"
#include "basket/sepetsayfasi.h"
#include "widgets/baglantikontrol.h"
#include "widgets/beklesin.h"
#include "widgets/excel.h"
#include "widgets/izgara.h"

#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace zelvar;

Q_DECLARE_METATYPE(QList<SepetSatiri>)

namespace {

SepetSatiri satir(int sirano, std::optional<int> sec, double tutar, double indirim, double vergi)
{
    SepetSatiri s;
    s.sirano = sirano;
    s.sec = sec;
    s.tutar = tutar;
    s.indirim = indirim;
    s.vergi = vergi;
    s.net = tutar - indirim;
    s.miktar = 2;
    s.birimFiyat = tutar / 2;
    s.barkod = QStringLiteral("B%1").arg(sirano);
    s.stokAdi = QStringLiteral("PARÇA %1").arg(sirano);
    return s;
}

QStringList etiketler(const SepetSayfasi& s)
{
    return {s.aratoplaml->text(), s.indiriml->text(), s.nettutarl->text(), s.vergil->text(), s.geneltoplaml->text()};
}

} // namespace

class TstSepetGorunum : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        setBaglantiBeklemesi([](int) {});
    }

    void cleanup() { SepetSayfasi::setDiyalogCevaplayici({}); }

    void toplamlar_data()
    {
        QTest::addColumn<QList<SepetSatiri>>("satirlar");
        QTest::addColumn<QStringList>("beklenen"); // Toplam, İndirim, Ara Toplam, Vergi, Genel
        QTest::addColumn<QString>("baslik");
        const QStringList sifir(5, QStringLiteral("0,00"));
        QTest::newRow("bos sepet") << QList<SepetSatiri>{} << sifir << QStringLiteral("0=Sepet");
        QTest::newRow("hepsi isaretsiz") << QList<SepetSatiri>{satir(1, 0, 50, 5, 9), satir(2, 0, 30, 0, 6)} << sifir
                                         << QStringLiteral("2=Sepet");
        // 0.13 after the first line, 0.26 after the second; one rounding at the end would give 0.25.
        QTest::newRow("iki kere 0,125") << QList<SepetSatiri>{satir(1, 1, 0.125, 0, 0), satir(2, 1, 0.125, 0, 0)}
                                        << QStringList{"0,26", "0,00", "0,26", "0,00", "0,26"} << QStringLiteral("2=Sepet");
        QTest::newRow("virgüllü örnek") << QList<SepetSatiri>{satir(1, 1, 100, 12.5, 17.5)}
                                        << QStringList{"100,00", "12,50", "87,50", "17,50", "105,00"}
                                        << QStringLiteral("1=Sepet");
        QTest::newRow("boş ve 2 olan işaretler sayılmaz")
            << QList<SepetSatiri>{satir(1, std::nullopt, 40, 4, 8), satir(2, 1, 10, 1, 2), satir(3, 2, 99, 9, 9)}
            << QStringList{"10,00", "1,00", "9,00", "2,00", "11,00"} << QStringLiteral("3=Sepet");
        QTest::newRow("binlik ayraç") << QList<SepetSatiri>{satir(1, 1, 1234567.891, 0.004, 0)}
                                      << QStringList{"1.234.567,89", "0,00", "1.234.567,89", "0,00", "1.234.567,89"}
                                      << QStringLiteral("1=Sepet");
    }

    void toplamlar()
    {
        QFETCH(QList<SepetSatiri>, satirlar);
        QFETCH(QStringList, beklenen);
        QFETCH(QString, baslik);
        SepetSunucusu sunucu;
        sunucu.setSatirlar(satirlar);
        SahteAna ana(sunucu.port());
        MesajKaydi mesajlar(&sunucu);
        QVERIFY(ana.sepetiGoster());
        QVERIFY2(mesajlar.kutular().isEmpty(), qPrintable(mesajlar.metinler().join(QLatin1Char('|'))));
        QCOMPARE(ana.sekmeBasligi(), baslik);
        QCOMPARE(etiketler(*ana.sepet()), beklenen);
        QCOMPARE(mesajlar.metinler(), QStringList());
        QCOMPARE(sunucu.cagrilar(QStringLiteral("SepetVer2")).value(0).parametreler, (QJsonArray{7}));
    }

    // The footer counts and sums every line, ticked or not.
    void altBilgiHerSatiriSayar()
    {
        SepetSunucusu sunucu;
        sunucu.setSatirlar({satir(1, 0, 50, 5, 9), satir(2, 1, 30, 0, 6), satir(3, 0, 20, 0, 4)});
        SahteAna ana(sunucu.port());
        QVERIFY(ana.sepetiGoster());
        Izgara* g = ana.sepet()->cxGrid2;
        QCOMPARE(g->altBilgiMetni(u"VERILISTARIHI"), QStringLiteral("3"));
        QCOMPARE(g->altBilgiMetni(u"MIKTAR"), QStringLiteral("6,00"));
        QCOMPARE(g->altBilgiMetni(u"NETTUTAR"), QStringLiteral("95,00"));
        QCOMPARE(ana.sepet()->aratoplaml->text(), QStringLiteral("30,00"));
    }

    // The warning arrives from its own worker after the basket, and is cleared at each show.
    void vadeUyarisi()
    {
        SepetSunucusu sunucu;
        sunucu.setSatirlar({satir(1, 1, 10, 0, 2)});
        sunucu.setUyari(QStringLiteral("Vadesi geçmiş 1.250,00 TL borcunuz bulunmaktadır."));
        SahteAna ana(sunucu.port());
        QVERIFY(ana.sepetiGoster());
        QCOMPARE(ana.sepet()->lbluyarbakiye->text(), QStringLiteral("Vadesi geçmiş 1.250,00 TL borcunuz bulunmaktadır."));
        QCOMPARE(sunucu.cagrilar(QStringLiteral("CariVadeGunGecmismiBul")).value(0).parametreler, (QJsonArray{7}));

        // A failing fetch reports nothing and leaves the label empty.
        MesajKaydi mesajlar(&sunucu);
        sunucu.setHatali(QStringLiteral("CariVadeGunGecmismiBul"));
        QVERIFY(ana.yenidenGoster());
        QCOMPARE(ana.sepet()->lbluyarbakiye->text(), QString());
        QVERIFY(mesajlar.kutular().isEmpty());
    }

    // A warning that arrives after its page is gone is dropped.
    void sayfaKapandiktanSonraUyariDusulur()
    {
        SepetSunucusu sunucu;
        sunucu.setUyari(QStringLiteral("borç"));
        SahteAna ana(sunucu.port());
        ana.sepet()->CariBakiyeUyariBak();
        // The interface thread has not run the hand-over yet when the page goes.
        delete ana.sepet();
        QVERIFY(SepetSayfasi::uyariIsleriBitsin(10000));
        QCOMPARE(sunucu.sayi(QStringLiteral("CariVadeGunGecmismiBul")), 1);
    }

    void sutunGenislikleri_data()
    {
        QTest::addColumn<int>("ekran");
        QTest::addColumn<bool>("agirlikla");
        QTest::newRow("1152 içeriğe göre") << 1152 << false;
        QTest::newRow("1153 ağırlığa göre") << 1153 << true;
    }

    void sutunGenislikleri()
    {
        QFETCH(int, ekran);
        QFETCH(bool, agirlikla);
        SepetSunucusu sunucu;
        sunucu.setSatirlar({satir(1, 1, 10, 0, 2)});
        SahteAna ana(sunucu.port());
        SepetSayfasi* s = ana.sepet();
        s->setEkranGenisligi(ekran);
        QVERIFY(ana.sepetiGoster());
        Izgara* g = s->cxGrid2;
        g->setSutunGenisligi(u"STOKADI", 33);
        g->resize(g->width() + 10, g->height()); // the grid's resize applies the rule
        QCoreApplication::processEvents();
        const int birim = g->sutunGenisligi(u"SEC");
        if (agirlikla) {
            QCOMPARE(g->sutunGenisligi(u"BARKOD"), 2 * birim);
            QCOMPARE(g->sutunGenisligi(u"STOKADI"), 3 * birim);
            int toplam = 0;
            for (const SutunTanimi& t : g->sutunlar())
                if (g->sutunGenisligi(t.alan) > 0 && g->sutunGorunur(t.alan))
                    toplam += g->sutunGenisligi(t.alan);
            QVERIFY(toplam <= g->gorunum()->viewport()->width());
        } else {
            // Fitted to the longest text: wider than the 33 pixels it was given.
            QVERIFY(g->sutunGenisligi(u"STOKADI") > 33);
            QVERIFY(g->sutunGenisligi(u"BARKOD") != 2 * birim || g->sutunGenisligi(u"STOKADI") != 3 * birim);
        }
    }

    // While a load runs the grid is disabled and a resize leaves the widths alone.
    void genislikYalnizEtkinken()
    {
        SepetSunucusu sunucu;
        sunucu.setSatirlar({satir(1, 1, 10, 0, 2)});
        SahteAna ana(sunucu.port());
        SepetSayfasi* s = ana.sepet();
        s->setEkranGenisligi(1920);
        // A general width rule installed by the main window around the grid gives way.
        int genel = 0;
        connect(s->cxGrid2, &Izgara::boyutDegisti, s->cxGrid2, [&genel] { ++genel; });
        QVERIFY(ana.sepetiGoster());
        Izgara* g = s->cxGrid2;
        g->setSutunGenisligi(u"STOKADI", 33);
        g->setEnabled(false);
        g->resize(g->width() - 20, g->height());
        QCoreApplication::processEvents();
        QCOMPARE(g->sutunGenisligi(u"STOKADI"), 33);
        g->setEnabled(true);
        g->resize(g->width() + 20, g->height());
        QCoreApplication::processEvents();
        QCOMPARE(g->sutunGenisligi(u"STOKADI"), 3 * g->sutunGenisligi(u"SEC"));
        QCOMPARE(genel, 0);
    }

    // The server unreachable when the tab is shown again: the old basket and totals stay, the
    // message comes, and the delivery and cargo lists are still attempted (a second message).
    void baglantiYokkenEskiSepetKalir()
    {
        auto sunucu = std::make_unique<SepetSunucusu>();
        sunucu->setSatirlar({satir(1, 1, 100, 12.5, 17.5), satir(2, 0, 5, 0, 1)});
        sunucu->setTeslimler({QStringLiteral("Gel Al"), QStringLiteral("Kargo")});
        SahteAna ana(sunucu->port());
        QVERIFY(ana.sepetiGoster());
        QCOMPARE(ana.sepet()->teslimbox->sayi(), 2);
        sunucu.reset();
        MesajKaydi mesajlar;
        QVERIFY(ana.yenidenGoster());
        QCOMPARE(ana.sekmeBasligi(), QStringLiteral("2=Sepet"));
        QCOMPARE(ana.sepet()->sepet().satirSayisi(), 2);
        QCOMPARE(ana.sepet()->geneltoplaml->text(), QStringLiteral("105,00"));
        QVERIFY(ana.sepet()->cxGrid2->isEnabled());
        QCOMPARE(ana.sepet()->teslimbox->sayi(), 2);
        QCOMPARE(mesajlar.metinler(), QStringList(2, QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!")));
    }

    // A caller that finds no basket yet can read it as soon as SepetGetir returns.
    void ilkYuklemeHemenOlur()
    {
        SepetSunucusu sunucu;
        sunucu.setSatirlar({satir(1, 1, 10, 0, 2), satir(2, 0, 10, 0, 2)});
        SahteAna ana(sunucu.port());
        QCOMPARE(ana.sepetTablosu().sutunSayisi(), 0);
        ana.sepetiYenile();
        QCOMPARE(ana.sepetTablosu().satirSayisi(), 2);
        QCOMPARE(ana.sekmeBasligi(), QStringLiteral("2=Sepet"));
        QCOMPARE(ana.sepet()->aratoplaml->text(), QStringLiteral("10,00"));
    }

    // Reloads asked for while one runs come after it, once; the buttons wait meanwhile.
    void yuklemeSurerkenYenisiArdindan()
    {
        SepetSunucusu sunucu;
        sunucu.setSatirlar({satir(1, 1, 10, 0, 2)});
        SahteAna ana(sunucu.port());
        QVERIFY(ana.sepetiGoster());
        sunucu.cagrilariSil();
        sunucu.setSatirlar({satir(1, 1, 10, 0, 2), satir(2, 1, 20, 0, 4)});
        SepetSayfasi* s = ana.sepet();
        s->SepetGetir();
        QVERIFY(s->yukleniyor());
        QVERIFY(!s->Button1->isEnabled());
        s->SepetGetir();
        s->SepetGetir();
        QVERIFY(islerBitsin());
        QCOMPARE(sunucu.sayi(QStringLiteral("SepetVer2")), 2);
        QVERIFY(!s->yukleniyor());
        QVERIFY(s->Button1->isEnabled());
        QCOMPARE(ana.sekmeBasligi(), QStringLiteral("2=Sepet"));
        QCOMPARE(s->aratoplaml->text(), QStringLiteral("30,00"));
    }

    // "Excel Kaydet": the save dialog is asked; a name without extension gets ".xlsx";
    // cancelling writes nothing.
    void excelKaydet()
    {
        SepetSunucusu sunucu;
        sunucu.setSatirlar({satir(1, 1, 10, 0, 2)});
        SahteAna ana(sunucu.port());
        QVERIFY(ana.sepetiGoster());
        QTemporaryDir klasor;
        QString filtre;
        setDosyaSecici([&](QFileDialog& d) {
            filtre = d.nameFilters().join(QLatin1Char(';'));
            return klasor.filePath(QStringLiteral("sepetim"));
        });
        ana.sepet()->Button2->click();
        QCOMPARE(filtre, QStringLiteral("Excel (*.xls*)"));
        QVERIFY(QFileInfo::exists(klasor.filePath(QStringLiteral("sepetim.xlsx"))));

        setDosyaSecici([](QFileDialog&) { return QString(); });
        ana.sepet()->Button2->click();
        QCOMPARE(QDir(klasor.path()).entryList(QDir::Files).size(), 1);
        setDosyaSecici({});
    }
};

QTEST_MAIN(TstSepetGorunum)
#include "tst_sepetgorunum.moc"
