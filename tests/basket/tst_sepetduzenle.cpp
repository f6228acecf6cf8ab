// Basket lines: ticking one line, all lines and none, changing a line through the item dialog,
// deleting one line and emptying the basket. Every action works on the row the user sees
// focused, through sorting and filtering.

#include "yardim_sepet.h"

#include "basket/sepetsayfasi.h"
#include "catalogue/stokayarinti.h"
#include "widgets/baglantikontrol.h"
#include "widgets/izgara.h"
#include "widgets/sayikutusu.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTcpServer>
#include <QTest>

using namespace zelvar;

namespace {

const QString kSecim = QStringLiteral("SepetSecimGuncelle");

int sutunNo(Izgara* g, const char* alan)
{
    const QList<SutunTanimi> s = g->sutunlar();
    for (int i = 0; i < s.size(); ++i)
        if (s[i].alan == QLatin1String(alan))
            return i;
    return -1;
}

// Focuses the displayed row `gorunen` in the column of `alan`, as a click does.
void odakla(Izgara* g, int gorunen, const char* alan)
{
    QTableView* v = g->gorunum();
    const QModelIndex i = v->model()->index(gorunen, sutunNo(g, alan));
    v->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QList<QPair<int, int>> secimler(const SepetSunucusu& s)
{
    QList<QPair<int, int>> r;
    for (const Cagri& c : s.cagrilar(kSecim))
        r << qMakePair(c.parametreler.at(0).toInt(), c.parametreler.at(1).toInt());
    return r;
}

// A loopback port nothing listens on.
quint16 kapaliPort()
{
    QTcpServer t;
    t.listen(QHostAddress::LocalHost, 0);
    return t.serverPort();
}

int secDegeri(const SepetSayfasi& s, int satir)
{
    return static_cast<int>(s.sepet().tamsayi(satir, u"SEC"));
}

struct Kurulum {
    explicit Kurulum(const QList<SepetSatiri>& satirlar) : ana((sunucu.setSatirlar(satirlar), sunucu.port()))
    {
        ana.sepetiGoster();
        sunucu.cagrilariSil();
    }
    SepetSunucusu sunucu;
    SahteAna ana;
    SepetSayfasi* s() const { return ana.sepet(); }
    Izgara* g() const { return ana.sepet()->cxGrid2; }
};

} // namespace

class TstSepetDuzenle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        setBaglantiBeklemesi([](int) {});
    }

    void cleanup() { SepetSayfasi::setDiyalogCevaplayici({}); }

    // With no focused row, "Satır Değiştir", a double click and "Satır Sil" do nothing.
    void odakYokkenHicbirSeyOlmaz()
    {
        Kurulum k(ornekSepet(3, 1));
        MesajKaydi mesajlar(&k.sunucu);
        int diyaloglar = 0;
        SepetSayfasi::setDiyalogCevaplayici([&](QDialog&) {
            ++diyaloglar;
            return int(QDialog::Rejected);
        });
        k.g()->gorunum()->selectionModel()->clearCurrentIndex();
        QCOMPARE(k.g()->odakSatiri(), -1);
        k.s()->Deitir1Click();
        k.s()->cxGridDBTableView1DblClick();
        k.s()->SatrSil1Click();
        QVERIFY(islerBitsin());
        QVERIFY(k.sunucu.cagrilar().isEmpty());
        QVERIFY(mesajlar.kutular().isEmpty());
        QCOMPARE(diyaloglar, 0);
        QCOMPARE(secDegeri(*k.s(), 0), 1);
    }

    void isaretDegistir_data()
    {
        QTest::addColumn<int>("satir");
        QTest::addColumn<int>("yeni");
        QTest::addColumn<QString>("toplam");
        // Lines 101 (10,00, ticked), 102 (40,00), 103 (90,00).
        QTest::newRow("işaretli satır kalkar") << 0 << 0 << QStringLiteral("0,00");
        QTest::newRow("işaretsiz satır işaretlenir") << 2 << 1 << QStringLiteral("100,00");
    }

    // A toggle on the "Seç" column: one call, the local tick and the totals move.
    void isaretDegistir()
    {
        QFETCH(int, satir);
        QFETCH(int, yeni);
        QFETCH(QString, toplam);
        Kurulum k(ornekSepet(3, 1));
        QCOMPARE(k.s()->aratoplaml->text(), QStringLiteral("10,00"));
        odakla(k.g(), satir, "SEC");
        k.s()->Deitir1Click();
        QCOMPARE(secimler(k.sunucu), (QList<QPair<int, int>>{{101 + satir, yeni}}));
        QCOMPARE(k.sunucu.cagrilar().size(), 1);
        QCOMPARE(secDegeri(*k.s(), satir), yeni);
        QCOMPARE(k.s()->aratoplaml->text(), toplam);
    }

    // A null tick counts as not ticked for the totals, and a toggle makes it 0.
    void bosIsaretSifirOlur()
    {
        QList<SepetSatiri> satirlar = ornekSepet(1, 0);
        satirlar[0].sec.reset();
        Kurulum k(satirlar);
        odakla(k.g(), 0, "SEC");
        k.s()->Deitir1Click();
        QCOMPARE(secimler(k.sunucu), (QList<QPair<int, int>>{{101, 0}}));
    }

    // Sorted and filtered, the actions reach the line the user sees focused.
    void siraliVeSuzulmusIzgara()
    {
        Kurulum k(ornekSepet(3, 0));
        k.g()->gorunum()->sortByColumn(sutunNo(k.g(), "BARKOD"), Qt::DescendingOrder);
        odakla(k.g(), 0, "SEC"); // BRK-103 shows first
        k.s()->Deitir1Click();
        QCOMPARE(secimler(k.sunucu), (QList<QPair<int, int>>{{103, 1}}));
        QCOMPARE(secDegeri(*k.s(), 2), 1);
        QCOMPARE(k.s()->aratoplaml->text(), QStringLiteral("90,00"));

        k.g()->setFiltre(u"BARKOD", QStringLiteral("BRK-102"));
        odakla(k.g(), 0, "STOKADI");
        MesajKaydi mesajlar(&k.sunucu);
        mesajlar.cevapla(QMessageBox::Yes);
        k.s()->SatrSil1Click();
        const QList<Cagri> sil = k.sunucu.cagrilar(QStringLiteral("SepetSatirSil"));
        QCOMPARE(sil.size(), 1);
        QCOMPARE(sil[0].parametreler.at(1).toInt(), 102);
        QCOMPARE(sil[0].parametreler.at(2).toString(), QStringLiteral("BRK-102-PARÇA B"));
        QVERIFY(islerBitsin());
    }

    void hepsiniSecVeKaldir_data()
    {
        QTest::addColumn<bool>("sec");
        QTest::addColumn<int>("deger");
        QTest::addColumn<QString>("toplam");
        QTest::newRow("Hepsini Seç") << true << 1 << QStringLiteral("550,00");
        QTest::newRow("Seçimleri Kaldır") << false << 0 << QStringLiteral("0,00");
    }

    // Five lines, three ticked: every line is sent, also those that already had the value.
    void hepsiniSecVeKaldir()
    {
        QFETCH(bool, sec);
        QFETCH(int, deger);
        QFETCH(QString, toplam);
        Kurulum k(ornekSepet(5, 3));
        k.ana.aramaKutusu()->setText(QStringLiteral("FREN"));
        k.ana.aramaKutusu()->deselect();
        (sec ? k.s()->Button4 : k.s()->Button5)->click();
        QCOMPARE(secimler(k.sunucu),
                 (QList<QPair<int, int>>{{101, deger}, {102, deger}, {103, deger}, {104, deger}, {105, deger}}));
        for (int r = 0; r < 5; ++r)
            QCOMPARE(secDegeri(*k.s(), r), deger);
        QCOMPARE(k.s()->aratoplaml->text(), toplam);
        // The search box is ready for the next search.
        QCOMPARE(k.ana.aramaKutusu()->selectedText(), QStringLiteral("FREN"));
    }

    // An empty basket: "Hepsini Seç" calls nothing, "Hepsini Sil" asks nothing.
    void bosSepet()
    {
        Kurulum k({});
        MesajKaydi mesajlar(&k.sunucu);
        k.s()->Button4->click();
        k.s()->HepsiniSil1Click();
        QVERIFY(islerBitsin());
        QVERIFY(k.sunucu.cagrilar().isEmpty());
        QVERIFY(mesajlar.kutular().isEmpty());
        QCOMPARE(k.s()->geneltoplaml->text(), QStringLiteral("0,00"));
    }

    void silmeSorulari_data()
    {
        QTest::addColumn<bool>("hepsi");
        QTest::addColumn<int>("cevap");
        QTest::addColumn<bool>("gonderilir");
        const int kapatildi = int(QMessageBox::NoButton);
        QTest::newRow("satır: Evet") << false << int(QMessageBox::Yes) << true;
        QTest::newRow("satır: Hayır") << false << int(QMessageBox::No) << false;
        QTest::newRow("satır: kapatıldı") << false << kapatildi << false;
        QTest::newRow("hepsi: Evet") << true << int(QMessageBox::Yes) << true;
        QTest::newRow("hepsi: Hayır") << true << int(QMessageBox::No) << false;
        QTest::newRow("hepsi: kapatıldı") << true << kapatildi << false;
    }

    // The questions preselect "Hayır"; only "Evet" sends. One line: reload, then the notice;
    // the whole basket: the notice, then the reload.
    void silmeSorulari()
    {
        QFETCH(bool, hepsi);
        QFETCH(int, cevap);
        QFETCH(bool, gonderilir);
        Kurulum k(ornekSepet(3, 1));
        MesajKaydi mesajlar(&k.sunucu);
        mesajlar.setSayfa(k.s());
        mesajlar.cevapla(QMessageBox::StandardButton(cevap));
        odakla(k.g(), 1, "BARKOD");
        if (hepsi)
            k.s()->HepsiniSil1Click();
        else
            k.s()->SatrSil1Click();
        QVERIFY(islerBitsin());

        const QList<MesajKaydi::Kutu> kutular = mesajlar.kutular();
        QVERIFY(!kutular.isEmpty());
        QCOMPARE(kutular[0].metin, hepsi ? QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz ")
                                         : QStringLiteral("Satırı silmek istiyor musunuz "));
        QCOMPARE(kutular[0].baslik, QStringLiteral("Soru"));
        QCOMPARE(kutular[0].varsayilan, QMessageBox::No);
        const QString metot = hepsi ? QStringLiteral("SepetHepsiniSil") : QStringLiteral("SepetSatirSil");
        if (!gonderilir) {
            QCOMPARE(kutular.size(), 1);
            QVERIFY(k.sunucu.cagrilar().isEmpty());
            return;
        }
        QCOMPARE(k.sunucu.sayi(metot), 1);
        QCOMPARE(kutular.size(), 2);
        QCOMPARE(kutular[1].metin, hepsi ? QStringLiteral("Sepet Silindi !") : QStringLiteral("Satır silindi !"));
        QCOMPARE(kutular[1].baslik, QStringLiteral("Bilgi"));
        QCOMPARE(kutular[1].yukleniyor, !hepsi);
        QCOMPARE(k.sunucu.sayi(QStringLiteral("SepetVer2")), 1);
        QCOMPARE(k.ana.sekmeBasligi(), hepsi ? QStringLiteral("0=Sepet") : QStringLiteral("2=Sepet"));
        const QJsonObject bilgi = k.sunucu.cagrilar(metot)[0].parametreler.at(0).toObject();
        QCOMPARE(bilgi.value(QStringLiteral("fields")).toObject().value(QStringLiteral("FCARINO")).toInt(), 7);
    }

    // "Satır Değiştir" outside the "Seç" column opens the item dialog with the line; on
    // "Sipariş ekle" the quantity and price go back with the line's own rates, then a reload.
    void satirDegistir()
    {
        QList<SepetSatiri> satirlar = ornekSepet(2, 1);
        satirlar[1].ind[0] = 12.5;
        satirlar[1].ind[1] = 5;
        satirlar[1].ind[2] = 2;
        satirlar[1].ind[3] = 1;
        satirlar[1].miktar = 2.6;
        satirlar[1].kdv = 18;
        Kurulum k(satirlar);
        QString barkod;
        int ilkAdet = 0;
        double ilkFiyat = 0;
        SepetSayfasi::setDiyalogCevaplayici([&](QDialog& d) {
            auto* p = qobject_cast<Tstokayarinti*>(&d);
            if (!p)
                return int(QDialog::Rejected);
            barkod = p->barkod->text();
            ilkAdet = p->adet->value();
            ilkFiyat = p->birimfiyat->deger();
            p->adet->setValue(7);
            p->birimfiyat->setDeger(55.5);
            // Whatever the dialog shows for the rates, the line's go back.
            p->edindirim1->setDeger(40);
            return int(QDialog::Accepted);
        });
        odakla(k.g(), 1, "STOKADI");
        k.s()->Deitir1Click();
        QVERIFY(islerBitsin());
        QCOMPARE(barkod, QStringLiteral("BRK-102"));
        QCOMPARE(ilkAdet, 3);
        QCOMPARE(ilkFiyat, 20.0);
        QCOMPARE(k.sunucu.cagrilar(QStringLiteral("ResimVer5")).value(0).parametreler, (QJsonArray{1001}));
        const QList<Cagri> g = k.sunucu.cagrilar(QStringLiteral("SepetGuncelle2"));
        QCOMPARE(g.size(), 1);
        const QJsonArray p = g[0].parametreler;
        QCOMPARE(p.size(), 14);
        QCOMPARE(p.at(1).toInt(), 7);   // carino
        QCOMPARE(p.at(2).toInt(), 0);   // stokno: the server finds the line by its number
        QCOMPARE(p.at(3).toString(), QStringLiteral("BRK-102"));
        QCOMPARE(p.at(4).toString(), QStringLiteral("PARÇA B"));
        QCOMPARE(p.at(5).toDouble(), 7.0);
        QCOMPARE(p.at(6).toDouble(), 18.0);
        QCOMPARE(p.at(7).toDouble(), 55.5);
        QCOMPARE(p.at(8).toDouble(), 12.5);
        QCOMPARE(p.at(9).toInt(), 3);   // verenid
        QCOMPARE(p.at(10).toInt(), 102);
        QCOMPARE(p.at(11).toDouble(), 5.0);
        QCOMPARE(p.at(12).toDouble(), 2.0);
        QCOMPARE(p.at(13).toDouble(), 1.0);
        QVERIFY(k.sunucu.sayi(QStringLiteral("SepetVer2")) >= 1);
        QCOMPARE(k.s()->sepet().ondalik(1, u"MIKTAR"), 7.0);
        QVERIFY(k.sunucu.cagrilar(kSecim).isEmpty());
    }

    // "Vazgeç" in the dialog sends nothing.
    void satirDegistirVazgec()
    {
        Kurulum k(ornekSepet(2, 1));
        SepetSayfasi::setDiyalogCevaplayici([](QDialog&) { return int(QDialog::Rejected); });
        odakla(k.g(), 0, "BARKOD");
        k.s()->Deitir1Click();
        QVERIFY(islerBitsin());
        QCOMPARE(k.sunucu.sayi(QStringLiteral("SepetGuncelle2")), 0);
        QCOMPARE(k.sunucu.sayi(QStringLiteral("SepetVer2")), 0);
    }

    // A real double click: on the tick cell it toggles, elsewhere it opens the dialog.
    void ciftTiklama()
    {
        Kurulum k(ornekSepet(2, 0));
        int diyaloglar = 0;
        SepetSayfasi::setDiyalogCevaplayici([&](QDialog&) {
            ++diyaloglar;
            return int(QDialog::Rejected);
        });
        QTableView* v = k.g()->gorunum();
        const QRect sec = v->visualRect(v->model()->index(1, sutunNo(k.g(), "SEC")));
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, sec.center());
        QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, sec.center());
        QCOMPARE(secimler(k.sunucu), (QList<QPair<int, int>>{{102, 1}}));
        QCOMPARE(diyaloglar, 0);
        const QRect ad = v->visualRect(v->model()->index(0, sutunNo(k.g(), "STOKADI")));
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, ad.center());
        QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, ad.center());
        QCOMPARE(diyaloglar, 1);
        QCOMPARE(secimler(k.sunucu).size(), 1);
    }

    // A tick that did not reach the server does not stay on the screen: the totals and the
    // order would otherwise differ from what the server sends. The guard reports an
    // unreachable server once per line, a failing call shows its error.
    void sunucuyaUlasmayanIsaretGeriAlinir_data()
    {
        QTest::addColumn<bool>("baglantiYok");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("sunucuya ulaşılamıyor") << true << QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");
        QTest::newRow("çağrı hata verdi") << false << QStringLiteral("SepetSecimGuncelle başarısız");
    }

    void sunucuyaUlasmayanIsaretGeriAlinir()
    {
        QFETCH(bool, baglantiYok);
        QFETCH(QString, mesaj);
        Kurulum k(ornekSepet(2, 1));
        MesajKaydi mesajlar;
        if (baglantiYok)
            k.ana.baglanti().Params()[QStringLiteral("Port")] = QString::number(kapaliPort());
        else
            k.sunucu.setHatali(kSecim);
        k.s()->Button4->click();
        QCOMPARE(mesajlar.metinler(), QStringList(2, mesaj));
        QCOMPARE(secDegeri(*k.s(), 0), 1);
        QCOMPARE(secDegeri(*k.s(), 1), 0);
        QCOMPARE(k.s()->aratoplaml->text(), QStringLiteral("10,00"));

        mesajlar.temizle();
        odakla(k.g(), 0, "SEC");
        k.s()->Deitir1Click();
        QCOMPARE(mesajlar.metinler(), QStringList{mesaj});
        QCOMPARE(secDegeri(*k.s(), 0), 1);
        QCOMPARE(k.s()->aratoplaml->text(), QStringLiteral("10,00"));
    }
};

QTEST_MAIN(TstSepetDuzenle)
#include "tst_sepetduzenle.moc"
