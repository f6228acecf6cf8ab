// The dealer's daily path against the reference server: search, open an item, add it to the
// basket; the server's basket then holds the line, and a second double click on the same item
// opens its basket line instead of a new one.
//
// With ZELVAR_EKRAN_KLASORU set, pictures of the stock list and of the item dialog are saved
// there (ekran_stoklistesi.png, ekran_stokayarinti.png).

#include "catalogue/stokayarinti.h"
#include "catalogue/stoklistesi.h"
#include "platform/yapilandirma.h"
#include "remote/proxim.h"
#include "widgets/asyncresim.h"
#include "widgets/baglantikontrol.h"
#include "widgets/beklesin.h"
#include "widgets/izgara.h"
#include "widgets/mesaj.h"
#include "widgets/sayikutusu.h"
#include "widgets/sekmeboyayici.h"
#include "testsunucusu.h"
#include "yardim_sahteana.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

using namespace zelvar;

namespace {

const QString kIstasyon = QStringLiteral("KATALOG-UCTAN-UCA");

void ekranKaydet(QWidget* w, const QString& ad)
{
    const QString klasor = qEnvironmentVariable("ZELVAR_EKRAN_KLASORU");
    if (klasor.isEmpty())
        return;
    QDir().mkpath(klasor);
    w->grab().save(QDir(klasor).filePath(ad));
}

void sepetiSunucudanYukle(SahteAna& a)
{
    std::unique_ptr<Baglanti> klon = a.bagc.Clone();
    klon->Open();
    TServerMethods1Client p(*klon);
    a.sepet = p.SepetVer2(a.sbilgi.CARINO());
    klon->Close();
}

} // namespace

class TstUctanUca : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        sekmeBoyayicisiniKur();
        setMesajCevaplayici([this](QMessageBox& k) {
            m_mesajlar << k.windowTitle() + QLatin1Char('|') + k.text();
            return QMessageBox::Ok;
        });
        setBaglantiBeklemesi([](int) {});
    }

    void araEkleSepetteGor()
    {
        TestSunucusu sunucu(300);
        QVERIFY2(sunucu.hazir(), qPrintable(sunucu.hata()));
        QVERIFY2(sunucu.kaydet(kIstasyon, QStringLiteral("KATALOGCU"), QStringLiteral("ZV7777"), 0, 1),
                 qPrintable(sunucu.hata()));
        Yapilandirma y;
        y.webTaban = QStringLiteral("http://127.0.0.1:%1/").arg(sunucu.webPort());
        Yapilandirma::setGecerli(y);

        SahteAna ana;
        ana.sunucu(sunucu.rpcPort());
        ana.resize(1350, 700);
        // What sign-in leaves behind: the account record registered for this workstation.
        {
            ana.bagc.Open();
            TServerMethods1Client p(ana.bagc);
            const TSonucBilgisi* b = p.BuyukGetir(kIstasyon);
            QVERIFY(b && b->Varmi());
            ana.sbilgi.Kopyala(*b);
            ana.bagc.Close();
        }
        ana.sepetYukleyici = sepetiSunucudanYukle;
        ana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ana));

        // Search: the typed "fren" becomes FREN and the grid fills in the background.
        ana.araedit->setFocus();
        tusaBas(ana.araedit, QStringLiteral("fren"));
        QCOMPARE(ana.araedit->text(), QStringLiteral("FREN"));
        QSignalSpy bitti(ana.stokListesi, &StokListesi::aramaBitti);
        enterBas(ana.araedit);
        QVERIFY(bitti.wait(30000));
        QCOMPARE(bitti.at(0).at(0).toBool(), false);
        const SonucTablosu& stok = ana.stokListesi->stok();
        QVERIFY(stok.satirSayisi() > 0);
        QCOMPARE(ana.sekmeBasligi(QStringLiteral("sstoklistesi")),
                 QStringLiteral("%1=Stok Listesi").arg(stok.satirSayisi()));

        // An item with a picture that is not in the basket yet.
        ana.sepetiYenile();
        QSet<qint64> sepettekiler;
        for (int r = 0; r < ana.sepet.satirSayisi(); ++r)
            sepettekiler.insert(ana.sepet.tamsayi(r, u"STOKNO"));
        const int onceSatir = ana.sepet.satirSayisi();
        int satir = -1;
        for (int r = 0; r < stok.satirSayisi() && satir < 0; ++r)
            if (stok.tamsayi(r, u"RESIM") == 1 && !sepettekiler.contains(stok.tamsayi(r, u"STOK_STOKNO")))
                satir = r;
        QVERIFY(satir >= 0);
        const qint64 stokno = stok.tamsayi(satir, u"STOK_STOKNO");
        const QString barkod = stok.metin(satir, u"BARKOD");
        const double fiyat = stok.ondalik(satir, u"FIYAT");
        ana.stokListesi->izgara()->odakla(satir);
        ana.stokListesi->izgara()->gorunum()->scrollTo(ana.stokListesi->izgara()->gorunum()->currentIndex());
        QTest::qWait(50);
        ekranKaydet(&ana, QStringLiteral("ekran_stoklistesi.png"));

        // Open it, take 3, "Sipariş ekle".
        bool acildi = false, sunucuResmi = false, webResmi = false;
        QString diyalogBarkodu;
        double diyalogFiyati = 0;
        modalAcilincaCalistir([&](QWidget* w) {
            auto* d = qobject_cast<Tstokayarinti*>(w);
            if (!d) {
                w->close();
                return;
            }
            acildi = true;
            diyalogBarkodu = d->barkod->text();
            diyalogFiyati = d->birimfiyat->deger();
            sunucuResmi = d->Image1->resimVar();
            QTRY_VERIFY_WITH_TIMEOUT(d->AsyncResim1->resimVar(), 10000);
            webResmi = d->AsyncResim1->resimVar();
            d->adet->selectAll();
            QTest::keyClicks(d->adet, QStringLiteral("3"));
            QTest::qWait(50);
            ekranKaydet(d, QStringLiteral("ekran_stokayarinti.png"));
            d->ParcaliTus1->click();
        });
        const int yenilemeOnce = ana.sepetYenilemeSayisi;
        ana.stokListesi->cxGrid1DBTableView1DblClick();
        QVERIFY(acildi);
        QCOMPARE(diyalogBarkodu, barkod);
        QCOMPARE(diyalogFiyati, fiyat);
        QVERIFY(sunucuResmi);
        QVERIFY(webResmi);
        QCOMPARE(ana.sepetYenilemeSayisi, yenilemeOnce + 1);

        // The server's basket holds the new line (reloaded after the add).
        QCOMPARE(ana.sepet.satirSayisi(), onceSatir + 1);
        int sirano = -1;
        for (int r = 0; r < ana.sepet.satirSayisi(); ++r)
            if (ana.sepet.tamsayi(r, u"STOKNO") == stokno) {
                QCOMPARE(ana.sepet.ondalik(r, u"MIKTAR"), 3.0);
                QCOMPARE(ana.sepet.metin(r, u"BARKOD"), barkod);
                sirano = int(ana.sepet.tamsayi(r, u"SIRANO"));
            }
        QVERIFY(sirano > 0);

        // The same item again: its basket line is opened for change.
        ana.stokListesi->cxGrid1DBTableView1DblClick();
        QCOMPARE(ana.duzenlenenSatirlar, QList<int>{sirano});
        QVERIFY(m_mesajlar.isEmpty());
        QVERIFY(!ana.bagc.Connected());
        QVERIFY(butunIslerBitsin(10000));
    }

private:
    QStringList m_mesajlar;
};

QTEST_MAIN(TstUctanUca)
#include "tst_uctanuca.moc"
