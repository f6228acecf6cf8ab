// The stock search and the stock list: the box's letter filter, the two-letter rule, the
// background search and its caption, the layout at the 1152-pixel boundary, the price cell,
// and the double click that adds an item or changes its basket line.

#include "catalogue/stokayarinti.h"
#include "catalogue/stoklistesi.h"
#include "remote/sayibicimi.h"
#include "widgets/baglantikontrol.h"
#include "widgets/beklesin.h"
#include "widgets/izgara.h"
#include "widgets/mesaj.h"
#include "widgets/mesgul.h"
#include "yardim_cevaplar.h"
#include "yardim_sahteana.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <atomic>

using namespace zelvar;

namespace {

QByteArray stokCevabi(const QByteArray& istek, const QList<StokSatiri>& satirlar, bool ind1Var = true)
{
    return SahteSunucu::sonucCevabi(istek, jsonMetni(stokTablosu(satirlar, ind1Var)));
}

// Answers StokAraGetir with `n` items and ResimVer5 with no picture.
SahteSunucu::Cevaplayici stokSunucusu(int n)
{
    return metotlarla({{QStringLiteral("StokAraGetir"),
                        [n](const QByteArray& i) { return stokCevabi(i, ornekStoklar(n)); }},
                       {QStringLiteral("ResimVer5"),
                        [](const QByteArray& i) { return SahteSunucu::sonucCevabi(i, "\"\"", "[0]"); }}});
}

QStringList aramaMetinleri(const SahteSunucu& s)
{
    QStringList l;
    for (const QByteArray& i : s.istekler())
        if (istekMetodu(i) == QLatin1String("StokAraGetir"))
            l << istekParametreleri(i).at(0).toString();
    return l;
}

} // namespace

class TstStokListesi : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_mesajlar.clear();
        setMesajCevaplayici([this](QMessageBox& k) {
            m_mesajlar << k.windowTitle() + QLatin1Char('|') + k.text();
            return QMessageBox::Ok;
        });
        setBaglantiBeklemesi([](int) {});
    }

    void cleanup()
    {
        QVERIFY(butunIslerBitsin(10000));
        setMesajCevaplayici({});
        setBaglantiBeklemesi({});
    }

    void harfFiltresi_data()
    {
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<QString>("kutuda");
        QTest::newRow("çarşı") << QStringLiteral("çarşı") << QStringLiteral("CARSI");
        QTest::newRow("ı ve İ") << QStringLiteral("ıİ") << QStringLiteral("II");
        QTest::newRow("i de I olur") << QStringLiteral("fiat") << QStringLiteral("FIAT");
        QTest::newRow("büyük Türkçe harfler") << QStringLiteral("ĞÜŞÖÇ") << QStringLiteral("GUSOC");
        QTest::newRow("küçük Türkçe harfler") << QStringLiteral("ğüşöç") << QStringLiteral("GUSOC");
        QTest::newRow("rakam ve işaret aynen") << QStringLiteral("1k0-615 301") << QStringLiteral("1K0-615 301");
    }

    void harfFiltresi()
    {
        QFETCH(QString, yazilan);
        QFETCH(QString, kutuda);
        SahteAna ana;
        tusaBas(ana.araedit, yazilan);
        QCOMPARE(ana.araedit->text(), kutuda);
        QVERIFY(m_mesajlar.isEmpty());
    }

    void programinYazdigiSuzulmez()
    {
        SahteAna ana;
        ana.araedit->setText(QStringLiteral("çarşı"));
        QCOMPARE(ana.araedit->text(), QStringLiteral("çarşı"));
    }

    void ikiHarfKurali_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<bool>("gonderilir");
        QTest::newRow("boşluklu tek harf") << QStringLiteral("  A  ") << false;
        QTest::newRow("tek harf") << QStringLiteral("A") << false;
        QTest::newRow("boş") << QString() << false;
        QTest::newRow("boşluklu iki harf olduğu gibi gider") << QStringLiteral("  AB ") << true;
        QTest::newRow("arada boşluk") << QStringLiteral("A B") << true;
    }

    void ikiHarfKurali()
    {
        QFETCH(QString, metin);
        QFETCH(bool, gonderilir);
        SahteSunucu s(stokSunucusu(3));
        SahteAna ana;
        ana.sunucu(s.port());
        ana.araedit->setText(metin);
        QSignalSpy bitti(ana.stokListesi, &StokListesi::aramaBitti);
        enterBas(ana.araedit);
        if (!gonderilir) {
            QCOMPARE(m_mesajlar, QStringList{QStringLiteral("Uyarı|Lütfen en az 2 harf giriniz !")});
            QVERIFY(ana.araedit->isEnabled());
            QVERIFY(!ana.stokListesi->aramaSuruyor());
            QVERIFY(butunIslerBitsin(5000));
            QVERIFY(s.istekler().isEmpty());
            return;
        }
        QVERIFY(bitti.wait(10000));
        QCOMPARE(aramaMetinleri(s), QStringList{metin});
        QVERIFY(m_mesajlar.isEmpty());
    }

    void aramaSonucuVeBaslik_data()
    {
        QTest::addColumn<int>("satir");
        QTest::newRow("hiçbir şey bulunmadı") << 0;
        QTest::newRow("25 satır") << 25;
    }

    void aramaSonucuVeBaslik()
    {
        QFETCH(int, satir);
        SahteSunucu s(stokSunucusu(satir));
        SahteAna ana;
        ana.sunucu(s.port());
        ana.araedit->setText(QStringLiteral("FREN"));
        QSignalSpy bitti(ana.stokListesi, &StokListesi::aramaBitti);
        ana.SpeedButton2->click();
        QVERIFY(bitti.wait(10000));
        QCOMPARE(bitti.at(0).at(0).toBool(), false);
        QCOMPARE(ana.sekmeBasligi(QStringLiteral("sstoklistesi")), QStringLiteral("%1=Stok Listesi").arg(satir));
        Izgara* g = ana.stokListesi->izgara();
        QCOMPARE(g->tablo().satirSayisi(), satir);
        QCOMPARE(g->gorunenSatirSayisi(), satir);
        QVERIFY(g->isEnabled());
        QVERIFY(ana.araedit->isEnabled());
        QCOMPARE(ana.araedit->selectedText(), QStringLiteral("FREN"));
        QVERIFY(!ana.gifstokara->isVisibleTo(&ana));
        // Floating-point columns get the money format; the footer counts the rows under OEM1.
        const SonucTablosu& t = g->tablo();
        QCOMPARE(t.sutun(t.sutunBul(u"FIYAT")).gosterimBicimi, QString::fromLatin1(kParaBicimi));
        QCOMPARE(g->altBilgiMetni(u"OEM1"), QString::number(satir));
        QVERIFY(m_mesajlar.isEmpty());
        QVERIFY(!ana.bagc.Connected());
    }

    void basarisizArama_data()
    {
        QTest::addColumn<int>("tur");
        QTest::newRow("IND1 alanı yok") << 0;
        QTest::newRow("sunucu hatası") << 1;
        QTest::newRow("sunucu yok") << 2;
    }

    void basarisizArama()
    {
        QFETCH(int, tur);
        // A good search first, so the failure has a list to empty.
        std::atomic<int> cagri{0};
        SahteSunucu s(metotlarla({{QStringLiteral("StokAraGetir"), [&cagri, tur](const QByteArray& i) {
                                       if (cagri++ == 0)
                                           return stokCevabi(i, ornekStoklar(4));
                                       if (tur == 0)
                                           return stokCevabi(i, ornekStoklar(4), false);
                                       return hataCevabi(i, "EServerError", "Veritabanı kilitli");
                                   }}}));
        SahteAna ana;
        ana.sunucu(s.port());
        ana.araedit->setText(QStringLiteral("FREN"));
        QSignalSpy bitti(ana.stokListesi, &StokListesi::aramaBitti);
        enterBas(ana.araedit);
        QVERIFY(bitti.wait(10000));
        QCOMPARE(ana.stokListesi->stok().satirSayisi(), 4);

        if (tur == 2)
            ana.sunucu(1); // nothing listens there
        ana.araedit->setText(QStringLiteral("DISK"));
        enterBas(ana.araedit);
        QVERIFY(bitti.wait(20000));
        QCOMPARE(bitti.at(1).at(0).toBool(), true);
        QCOMPARE(ana.stokListesi->stok().satirSayisi(), 0);
        QCOMPARE(ana.sekmeBasligi(QStringLiteral("sstoklistesi")), QStringLiteral("Stok Listesi"));
        QCOMPARE(m_mesajlar, QStringList{QStringLiteral("Hata|Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!")});
        QVERIFY(ana.araedit->isEnabled());
        QCOMPARE(ana.araedit->selectedText(), QStringLiteral("DISK"));
        QVERIFY(ana.stokListesi->izgara()->isEnabled());
        QVERIFY(!ana.gifstokara->isVisibleTo(&ana));
    }

    void enterBaskaSekmedeOnceSekmeDegisir_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<bool>("uyari");
        QTest::newRow("kısa metin: sekme, sonra uyarı") << QStringLiteral("A") << true;
        QTest::newRow("arama") << QStringLiteral("FREN") << false;
    }

    void enterBaskaSekmedeOnceSekmeDegisir()
    {
        QFETCH(QString, metin);
        QFETCH(bool, uyari);
        SahteSunucu s(stokSunucusu(2));
        SahteAna ana;
        ana.sunucu(s.port());
        ana.sekmeler->setCurrentWidget(ana.ssepet);
        ana.araedit->setText(metin);
        QWidget* uyaridakiSekme = nullptr;
        setMesajCevaplayici([&](QMessageBox& k) {
            m_mesajlar << k.windowTitle() + QLatin1Char('|') + k.text();
            uyaridakiSekme = ana.sekmeler->currentWidget();
            return QMessageBox::Ok;
        });
        QSignalSpy bitti(ana.stokListesi, &StokListesi::aramaBitti);
        enterBas(ana.araedit);
        QCOMPARE(ana.sekmeler->currentWidget(), ana.stokListesi);
        if (uyari) {
            QCOMPARE(uyaridakiSekme, ana.stokListesi);
            QCOMPARE(m_mesajlar.size(), 1);
        } else {
            QVERIFY(bitti.wait(10000));
            QCOMPARE(ana.stokListesi->stok().satirSayisi(), 2);
        }
    }

    void aramaArayuzuBeklemez()
    {
        // The server takes its time; meanwhile the interface keeps handling events.
        SahteSunucu s(metotlarla({{QStringLiteral("StokAraGetir"), [](const QByteArray& i) {
                                       QThread::msleep(400);
                                       return stokCevabi(i, ornekStoklar(3));
                                   }}}));
        SahteAna ana;
        ana.sunucu(s.port());
        ana.araedit->setText(QStringLiteral("FREN"));
        QSignalSpy bitti(ana.stokListesi, &StokListesi::aramaBitti);
        QElapsedTimer sure;
        sure.start();
        enterBas(ana.araedit);
        QVERIFY(sure.elapsed() < 200);
        QVERIFY(ana.stokListesi->aramaSuruyor());
        QVERIFY(!ana.araedit->isEnabled());
        QVERIFY(ana.gifstokara->isVisibleTo(&ana));
        QVERIFY(ana.stokListesi->izgara()->ayrik());
        // Enter, "Ara" and "Temizle" do nothing while the search runs.
        ana.stokListesi->SpeedButton2Click();
        ana.stokListesi->SpeedButton1Click();
        int tik = 0;
        QTimer zaman;
        connect(&zaman, &QTimer::timeout, [&] { ++tik; });
        zaman.start(10);
        QVERIFY(bitti.wait(10000));
        QVERIFY(tik >= 5);
        QCOMPARE(aramaMetinleri(s).size(), 1);
        QCOMPARE(ana.stokListesi->stok().satirSayisi(), 3);
    }

    void temizle()
    {
        SahteSunucu s(stokSunucusu(5));
        SahteAna ana;
        ana.sunucu(s.port());
        ana.araedit->setText(QStringLiteral("FREN"));
        QSignalSpy bitti(ana.stokListesi, &StokListesi::aramaBitti);
        enterBas(ana.araedit);
        QVERIFY(bitti.wait(10000));
        ana.stokListesi->izgara()->setFiltre(u"BARKOD", QStringLiteral("ZV000001"));
        ana.sekmeler->setCurrentWidget(ana.ssepet);
        ana.SpeedButton1->click();
        QCOMPARE(ana.stokListesi->stok().satirSayisi(), 0);
        QCOMPARE(ana.sekmeBasligi(QStringLiteral("sstoklistesi")), QStringLiteral("Stok Listesi"));
        QCOMPARE(ana.sekmeler->currentWidget(), ana.stokListesi);
        QVERIFY(!ana.stokListesi->izgara()->filtreVar(u"BARKOD"));
        QVERIFY(ana.araedit->text().isEmpty());
    }

    void darVeGenisDuzen_data()
    {
        QTest::addColumn<int>("genislik");
        QTest::addColumn<int>("tip");
        QTest::addColumn<bool>("genis");
        QTest::newRow("1152 dar") << 1152 << 0 << false;
        QTest::newRow("1153 geniş") << 1153 << 0 << true;
        QTest::newRow("800 dar") << 800 << 0 << false;
        QTest::newRow("tip 4 geniş: kampanya fiyatı gizli kalır") << 1600 << 4 << true;
    }

    void darVeGenisDuzen()
    {
        QFETCH(int, genislik);
        QFETCH(int, tip);
        QFETCH(bool, genis);
        SahteAna ana;
        Izgara* g = ana.stokListesi->izgara();
        if (tip == 4)
            g->sutunAyarla(u"KAMPFIYAT", false, false); // what sign-in does for kind 4
        g->setSutunGorunur(u"OEM1", true); // a column the user turned on
        ana.stokListesi->setPencereGenisligi([genislik] { return genislik; });
        ana.show();
        ana.stokListesi->StokSutunlariAyarla();
        QCOMPARE(ana.stokListesi->genisDuzen(), genis);
        QCOMPARE(g->satirYuksekligi(), genis ? 50 : 100);
        QCOMPARE(g->sutunGorunur(u"FIYATBILGISI"), !genis);
        for (const char16_t* alan : {u"KDVDAHIL", u"NETFIYAT", u"LISTEFIYAT1"})
            QCOMPARE(g->sutunGorunur(alan), genis);
        QCOMPARE(g->sutunGorunur(u"KAMPFIYAT"), genis && tip != 4);
        if (!genis) {
            QCOMPARE(g->sutunGenisligi(u"FIYATBILGISI"), 150);
            QCOMPARE(g->sutunGenisligi(u"OEM1"), 80);
        } else {
            // Widths by weight: "Açıklama" (4) is twice "Barkod" (2).
            QCOMPARE(g->sutunGenisligi(u"ADI"), 2 * g->sutunGenisligi(u"BARKOD"));
        }
    }

    void duzenPencereBoyuylaCalisir()
    {
        SahteAna ana;
        ana.resize(1100, 600);
        ana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ana));
        QTRY_VERIFY(!ana.stokListesi->genisDuzen());
        ana.resize(1400, 600);
        QTRY_VERIFY(ana.stokListesi->genisDuzen());
        QTRY_COMPARE(ana.stokListesi->izgara()->satirYuksekligi(), 50);
    }

    void fiyatBilgisiHucresi_data()
    {
        QTest::addColumn<double>("kampanya");
        QTest::addColumn<QStringList>("satirlar");
        QTest::newRow("kampanya yok") << 0.0
                                      << QStringList{QStringLiteral("Liste Fiyatı: 1,234.50"),
                                                     QStringLiteral("NetFiyat: 85.50"),
                                                     QStringLiteral("KDV li Fiyat: 102.60")};
        QTest::newRow("kampanyalı") << 999.0
                                    << QStringList{QStringLiteral("Liste Fiyatı: 1,234.50"),
                                                   QStringLiteral("Kampanyalı Fiyat: 999.00"),
                                                   QStringLiteral("NetFiyat: 85.50"),
                                                   QStringLiteral("KDV li Fiyat: 102.60")};
    }

    void fiyatBilgisiHucresi()
    {
        QFETCH(double, kampanya);
        QFETCH(QStringList, satirlar);
        StokSatiri s = ornekStoklar(1).front();
        s.listefiyat = 1234.5;
        s.kampfiyat = kampanya;
        SahteSunucu sunucu(metotlarla(
            {{QStringLiteral("StokAraGetir"), [s](const QByteArray& i) { return stokCevabi(i, {s}); }}}));
        SahteAna ana;
        ana.sunucu(sunucu.port());
        ana.araedit->setText(QStringLiteral("FREN"));
        QSignalSpy bitti(ana.stokListesi, &StokListesi::aramaBitti);
        enterBas(ana.araedit);
        QVERIFY(bitti.wait(10000));
        QCOMPARE(StokListesi::fiyatBilgisiSatirlari(ana.stokListesi->stok(), 0), satirlar);
        // The narrow grid draws the cell without trouble.
        ana.stokListesi->setPencereGenisligi([] { return 1000; });
        ana.show();
        ana.stokListesi->StokSutunlariAyarla();
        QVERIFY(!ana.stokListesi->izgara()->grab().isNull());
    }

    void ciftTiklama_data()
    {
        QTest::addColumn<bool>("sepetYuklu");
        QTest::addColumn<bool>("sepette");
        QTest::newRow("sepette, sepet yüklü") << true << true;
        QTest::newRow("sepette, sepet önce yüklenir") << false << true;
        QTest::newRow("sepette değil") << true << false;
    }

    void ciftTiklama()
    {
        QFETCH(bool, sepetYuklu);
        QFETCH(bool, sepette);
        SahteSunucu s(stokSunucusu(3));
        SahteAna ana;
        ana.sunucu(s.port());
        const QList<std::pair<int, int>> satirlar =
            sepette ? QList<std::pair<int, int>>{{1000, 5}, {1001, 77}} : QList<std::pair<int, int>>{{1000, 5}};
        auto yukle = [satirlar](SahteAna& a) {
            SonucTablosu t;
            const int sSira = t.sutunEkle({QStringLiteral("SIRANO"), AlanTuru::Integer});
            const int sStok = t.sutunEkle({QStringLiteral("STOKNO"), AlanTuru::Integer});
            for (const auto& [stokno, sirano] : satirlar) {
                const int r = t.satirEkle();
                t.yazTamsayi(r, sSira, sirano);
                t.yazTamsayi(r, sStok, stokno);
            }
            a.sepet = std::move(t);
        };
        if (sepetYuklu)
            yukle(ana);
        else
            ana.sepetYukleyici = yukle;
        ana.araedit->setText(QStringLiteral("FREN"));
        QSignalSpy bitti(ana.stokListesi, &StokListesi::aramaBitti);
        enterBas(ana.araedit);
        QVERIFY(bitti.wait(10000));
        Izgara* g = ana.stokListesi->izgara();
        // Sorted descending, the displayed second row is table row 1 (item 1001).
        g->gorunum()->sortByColumn(4, Qt::DescendingOrder);
        g->odakla(1);
        QCOMPARE(g->odakSatiri(), 1);

        int acilanDiyalog = 0;
        int diyalogStokNo = -1;
        if (!sepette) {
            modalAcilincaCalistir([&](QWidget* w) {
                auto* d = qobject_cast<Tstokayarinti*>(w);
                ++acilanDiyalog;
                diyalogStokNo = d ? d->stokno() : -1;
                w->close();
            });
        }
        ana.stokListesi->cxGrid1DBTableView1DblClick();
        QCOMPARE(ana.sepetYenilemeSayisi, sepetYuklu ? 0 : 1);
        if (sepette) {
            QCOMPARE(ana.duzenlenenSatirlar, QList<int>{77});
            QCOMPARE(acilanDiyalog, 0);
        } else {
            QVERIFY(ana.duzenlenenSatirlar.isEmpty());
            QCOMPARE(acilanDiyalog, 1);
            QCOMPARE(diyalogStokNo, 1001);
        }
        QVERIFY(!ana.bagc.Connected());
    }

    void bagMenusu()
    {
        SahteAna ana;
        QMenu* m = ana.stokListesi->popstok;
        QStringList basliklar;
        for (QAction* a : m->actions())
            basliklar << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(basliklar, (QStringList{QStringLiteral("Sepete Ekle"), QStringLiteral("-"),
                                         QStringLiteral("Sipariş Bakiyeleriniz"), QStringLiteral("-"),
                                         QStringLiteral("Siparişleri Göster")}));
    }

    void siparisleriGosterStokNumarasiVerir()
    {
        SahteSunucu s(stokSunucusu(3));
        SahteAna ana;
        ana.sunucu(s.port());
        int gelen = -1;
        ana.stokListesi->setSiparisGecmisi([&](int stokno) { gelen = stokno; });
        ana.araedit->setText(QStringLiteral("FREN"));
        QSignalSpy bitti(ana.stokListesi, &StokListesi::aramaBitti);
        enterBas(ana.araedit);
        QVERIFY(bitti.wait(10000));
        ana.stokListesi->izgara()->odakla(2);
        ana.stokListesi->S3->trigger();
        QCOMPARE(gelen, 1002);
    }

    void cariDegisince()
    {
        SahteSunucu s(stokSunucusu(3));
        SahteAna ana;
        ana.sunucu(s.port());
        ana.araedit->setText(QStringLiteral("FREN"));
        QSignalSpy bitti(ana.stokListesi, &StokListesi::aramaBitti);
        enterBas(ana.araedit);
        QVERIFY(bitti.wait(10000));
        ana.sekmeler->setCurrentWidget(ana.ssepet);
        ana.stokListesi->CariDegisti();
        QCOMPARE(ana.stokListesi->stok().satirSayisi(), 0);
        QCOMPARE(ana.sekmeBasligi(QStringLiteral("sstoklistesi")), QStringLiteral("0=Stok Listesi"));
        QCOMPARE(ana.sekmeler->currentWidget(), ana.stokListesi);
        QCOMPARE(ana.araedit->selectedText(), QStringLiteral("FREN"));
    }

private:
    QStringList m_mesajlar;
};

QTEST_MAIN(TstStokListesi)
#include "tst_stoklistesi.moc"
