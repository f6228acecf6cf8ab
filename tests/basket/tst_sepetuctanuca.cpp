// The whole order path against the reference server: a registered dealer signs in, searches,
// puts two items into the basket, ticks one, chooses delivery, cargo type and company, sends
// and confirms. The server then holds one order with that line; the other stays in the basket.

#include "yardim_sepet.h"

#include "basket/onaysip.h"
#include "basket/secenekgrubu.h"
#include "basket/sepetsayfasi.h"
#include "catalogue/sepeteekle.h"
#include "remote/proxim.h"
#include "remote/sayibicimi.h"
#include "testsunucusu.h"
#include "widgets/baglantikontrol.h"
#include "widgets/izgara.h"

#include <QComboBox>
#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

using namespace zelvar;

namespace {

constexpr int kCari = 4; // an account with an overdue payment
const QString kIstasyon = QStringLiteral("UCTANUCA-SEPET-01");

int sutunNo(Izgara* g, const char* alan)
{
    const QList<SutunTanimi> s = g->sutunlar();
    for (int i = 0; i < s.size(); ++i)
        if (s[i].alan == QLatin1String(alan))
            return i;
    return -1;
}

// The displayed row of the basket line with the given item.
int gorunenSatir(Izgara* g, qint64 stokno)
{
    for (int i = 0; i < g->gorunenSatirSayisi(); ++i)
        if (g->tablo().tamsayi(g->tabloSatiri(i), u"STOKNO") == stokno)
            return i;
    return -1;
}

QString sqlite(const QString& vt, const QString& sorgu)
{
    QProcess p;
    p.start(QStringLiteral("sqlite3"), {vt, sorgu});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

} // namespace

class TstSepetUctanUca : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        setBaglantiBeklemesi([](int) {});
    }

    void siparisYolu()
    {
        TestSunucusu sunucu(300);
        QVERIFY2(sunucu.hazir(), qPrintable(sunucu.hata()));
        QVERIFY2(sunucu.kaydet(kIstasyon, QStringLiteral("UCTAN"), QStringLiteral("Gizli.123"), 0, kCari),
                 qPrintable(sunucu.hata()));

        SahteAna ana(sunucu.rpcPort());
        MesajKaydi mesajlar;
        SepetSayfasi* s = ana.sepet();

        // Sign-in: the account registered for this workstation, as the sign-in window reads it.
        {
            Baglanti& b = ana.baglanti();
            QVERIFY(BaglantiKontrol(b, 0));
            TServerMethods1Client p(b);
            const TSonucBilgisi* kayit = p.BuyukGetir(kIstasyon);
            QVERIFY(kayit && kayit->Varmi());
            QCOMPARE(kayit->ADI(), QStringLiteral("UCTAN"));
            QCOMPARE(kayit->CARINO(), kCari);
            ana.bilgi().Kopyala(*kayit);
            ana.bilgi().setBILGISAYARID(kIstasyon);
            b.Close();
        }
        int oncekiSiparis = 0;
        SonucTablosu bulunan;
        {
            Baglanti& b = ana.baglanti();
            QVERIFY(BaglantiKontrol(b, 0));
            TServerMethods1Client p(b);
            oncekiSiparis = p.OncekiSiparisler(kCari).satirSayisi();
            bulunan = p.StokAraGetir(QStringLiteral("FREN"), kopyasi(ana.bilgi()));
            b.Close();
        }
        QVERIFY(bulunan.satirSayisi() >= 2);

        // The basket tab on a common laptop screen; whatever the demo basket held goes first.
        s->setEkranGenisligi(1366);
        QVERIFY(ana.sepetiGoster());
        if (s->sepet().satirSayisi() > 0) {
            mesajlar.cevapla(QMessageBox::Yes);
            s->HepsiniSil1Click();
            QVERIFY(islerBitsin());
        }
        QCOMPARE(ana.sekmeBasligi(), QStringLiteral("0=Sepet"));

        // Two items from the search, added as the item dialog's "Sipariş ekle" adds them.
        const qint64 ilk = bulunan.tamsayi(0, u"STOK_STOKNO");
        const qint64 ikinci = bulunan.tamsayi(1, u"STOK_STOKNO");
        SepeteEkleGonder(ana, bulunan, 0, 2, bulunan.ondalik(0, u"FIYAT"), bulunan.ondalik(0, u"IND1"),
                         bulunan.ondalik(0, u"IND2"), bulunan.ondalik(0, u"IND3"), bulunan.ondalik(0, u"IND4"));
        SepeteEkleGonder(ana, bulunan, 1, 3, bulunan.ondalik(1, u"FIYAT"), bulunan.ondalik(1, u"IND1"),
                         bulunan.ondalik(1, u"IND2"), bulunan.ondalik(1, u"IND3"), bulunan.ondalik(1, u"IND4"));
        QVERIFY(islerBitsin());
        QCOMPARE(ana.sekmeBasligi(), QStringLiteral("2=Sepet"));

        // Tick only the first: new lines come ticked, so the second is unticked on its "Seç" cell.
        Izgara* g = s->cxGrid2;
        const int satir = gorunenSatir(g, ikinci);
        QVERIFY(satir >= 0);
        QTableView* v = g->gorunum();
        v->selectionModel()->setCurrentIndex(v->model()->index(satir, sutunNo(g, "SEC")),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        s->Deitir1Click();
        const int ilkSatir = g->tabloSatiri(gorunenSatir(g, ilk));
        const SonucTablosu& sepet = s->sepet();
        QVERIFY(sepet.ondalik(ilkSatir, u"NETTUTAR") > 0);
        QCOMPARE(s->geneltoplaml->text(),
                 SayiBicimle(Yuvarla(sepet.ondalik(ilkSatir, u"NETTUTAR") + sepet.ondalik(ilkSatir, u"VERGITUTARI")),
                             QString::fromLatin1(kParaBicimi)));

        // Delivery stays on its preselected second entry; cargo type and company are picked.
        QCOMPARE(s->teslimbox->secili(), 1);
        QTest::mouseClick(s->boxkargo->dugme(0), Qt::LeftButton);
        QCOMPARE(s->kargocombo->count(), 3);
        s->kargocombo->setCurrentIndex(1);
        emit s->kargocombo->activated(1);
        QVERIFY(!s->uyarikargo->text().isEmpty());
        s->aciklamagir->setPlainText(QStringLiteral("Uçtan uca deneme"));
        QCoreApplication::processEvents();

        if (const QString ekran = qEnvironmentVariable("ZELVAR_EKRAN_SEPET"); !ekran.isEmpty()) {
            ana.anaPencere()->resize(1700, 720);
            QCoreApplication::processEvents();
            QVERIFY(ana.anaPencere()->grab().save(ekran));
        }

        // The overdue warning has come from the server and goes into the confirmation.
        QVERIFY(!s->lbluyarbakiye->text().isEmpty());
        QString ozet;
        QString uyari;
        SepetSayfasi::setDiyalogCevaplayici([&](QDialog& d) {
            if (auto* o = qobject_cast<TONAYSIP*>(&d)) {
                ozet = o->ozet();
                uyari = o->Label3->text();
            }
            return int(QDialog::Accepted);
        });
        mesajlar.temizle();
        s->Button1->click();
        SepetSayfasi::setDiyalogCevaplayici({});
        QVERIFY(islerBitsin());
        QVERIFY2(ozet.startsWith(QStringLiteral("Kullanıcı: UCTAN\r\nCari     : Dörtyol Oto Market\r\n")), qPrintable(ozet));
        QVERIFY(ozet.endsWith(QStringLiteral("\r\nKargo    : Anadolu Kargo\r\nAçıklama : Uçtan uca deneme")));
        QCOMPARE(uyari, s->lbluyarbakiye->text());
        QCOMPARE(mesajlar.metinler(), QStringList{QStringLiteral("Siparişiniz Gönderildi !")});
        QCOMPARE(s->aciklamagir->toPlainText(), QString());

        // The basket keeps the unticked line.
        QCOMPARE(ana.sekmeBasligi(), QStringLiteral("1=Sepet"));
        QCOMPARE(s->sepet().tamsayi(0, u"STOKNO"), ikinci);

        // The server: one more order, holding exactly the ticked line; the basket as shown.
        Baglanti& b = ana.baglanti();
        QVERIFY(BaglantiKontrol(b, 0));
        TServerMethods1Client p(b);
        const SonucTablosu siparisler = p.OncekiSiparisler(kCari);
        QCOMPARE(siparisler.satirSayisi(), oncekiSiparis + 1);
        int idno = 0;
        for (int r = 0; r < siparisler.satirSayisi(); ++r)
            idno = std::max(idno, int(siparisler.tamsayi(r, u"IDNO")));
        const SonucTablosu satirlar = p.SiparisAyrintisi2(kCari, idno);
        QCOMPARE(satirlar.satirSayisi(), 1);
        QCOMPARE(satirlar.metin(0, u"BARKOD"), bulunan.metin(0, u"BARKOD"));
        QCOMPARE(satirlar.ondalik(0, u"MIKTAR"), 2.0);
        const SonucTablosu kalan = p.SepetVer2(kCari);
        QCOMPARE(kalan.satirSayisi(), 1);
        QCOMPARE(kalan.tamsayi(0, u"STOKNO"), ikinci);
        b.Close();

        // And in the database itself, where the command-line client is at hand.
        if (QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
            return;
        const QString vt = QDir(sunucu.veriKlasoru()).filePath(QStringLiteral("zelvarb2b.db"));
        if (!QFileInfo::exists(vt))
            return;
        QCOMPARE(sqlite(vt, QStringLiteral("SELECT teslimid || '|' || kargoid || '|' || kargofirma || '|' || aciklama "
                                           "FROM siparis WHERE idno = %1")
                                .arg(idno)),
                 QStringLiteral("2|1|11|Uçtan uca deneme"));
        QCOMPARE(sqlite(vt, QStringLiteral("SELECT stokno || '|' || miktar FROM siparis_satir WHERE idno = %1").arg(idno)),
                 QStringLiteral("%1|2.0").arg(ilk));
        QCOMPARE(sqlite(vt, QStringLiteral("SELECT stokno FROM sepet WHERE carino = %1").arg(kCari)),
                 QString::number(ikinci));
    }
};

QTEST_MAIN(TstSepetUctanUca)
#include "tst_sepetuctanuca.moc"
