// The item dialog: the live computation, the discount row, the quantity box and Enter, and
// the openings from the lists that fill it and send the basket line.

#include "catalogue/sepeteekle.h"
#include "catalogue/stokayarinti.h"
#include "catalogue/stoklistesi.h"
#include "platform/yapilandirma.h"
#include "remote/sonuctablosu.h"
#include "widgets/asyncresim.h"
#include "widgets/baglantikontrol.h"
#include "widgets/beklesin.h"
#include "widgets/mesaj.h"
#include "widgets/sayikutusu.h"
#include "yardim_cevaplar.h"
#include "yardim_sahteana.h"
#include "yardim_webkoku.h"

#include <QApplication>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <atomic>

using namespace zelvar;

namespace {

// A list table with one row, the way the lists hold their items.
SonucTablosu kalemTablosu(const StokSatiri& s)
{
    SonucTablosu t;
    auto sutun = [&t](const char* ad, AlanTuru tur) { return t.sutunEkle({QString::fromLatin1(ad), tur}); };
    const int cStok = sutun("STOK_STOKNO", AlanTuru::Integer);
    const int cBarkod = sutun("BARKOD", AlanTuru::String);
    const int cAdi = sutun("ADI", AlanTuru::String);
    const int cMarka = sutun("MARKA", AlanTuru::String);
    const int cModel = sutun("MODEL", AlanTuru::String);
    const int cFinish = sutun("FINISHKOD", AlanTuru::String);
    const int cK = sutun("K", AlanTuru::Integer);
    const int cKdv = sutun("KDV", AlanTuru::Float);
    const int cFiyat = sutun("FIYAT", AlanTuru::Float);
    int cInd[4];
    for (int i = 0; i < 4; ++i)
        cInd[i] = t.sutunEkle({QStringLiteral("IND%1").arg(i + 1), AlanTuru::Float});
    const int cYazi = sutun("INDIRIMYAZI", AlanTuru::String);
    const int r = t.satirEkle();
    t.yazTamsayi(r, cStok, s.stokno);
    t.yazMetin(r, cBarkod, s.barkod);
    t.yazMetin(r, cAdi, s.adi);
    t.yazMetin(r, cMarka, s.marka);
    t.yazMetin(r, cModel, s.model);
    t.yazMetin(r, cFinish, s.finishkod);
    t.yazTamsayi(r, cK, s.k);
    t.yazOndalik(r, cKdv, s.kdv);
    t.yazOndalik(r, cFiyat, s.fiyat);
    for (int i = 0; i < 4; ++i)
        t.yazOndalik(r, cInd[i], s.ind[i]);
    t.yazMetin(r, cYazi, s.indirimyazi);
    return t;
}

StokSatiri ornekKalem()
{
    StokSatiri s = ornekStoklar(1).front();
    s.stokno = 1042;
    s.barkod = QStringLiteral("ZV001042");
    s.adi = QStringLiteral("FREN DİSKİ ÖN");
    s.marka = QStringLiteral("FIAT");
    s.model = QStringLiteral("DOBLO");
    s.finishkod = QStringLiteral("F12345");
    s.kdv = 20;
    s.fiyat = 250;
    return s;
}

// What the dialog showed when it opened.
struct Gorulen {
    bool acildi = false;
    int stokno = -1;
    QString barkod, adi, marka, model, finishkod, label2, indirimoran;
    double fiyat = -1, kdvoran = -1;
    double oranlar[4] = {-1, -1, -1, -1};
    bool fiyatDuzenlenir = false, oranDuzenlenir = false, panel = false;
};

// On the dialog: note what it shows, then set the quantity and press a button.
void diyalogdaCalis(Gorulen& g, int miktar, bool ekle, std::function<void(Tstokayarinti&)> ek = {})
{
    modalAcilincaCalistir([&g, miktar, ekle, ek](QWidget* w) {
        auto* d = qobject_cast<Tstokayarinti*>(w);
        if (!d) {
            w->close();
            return;
        }
        g.acildi = true;
        g.stokno = d->stokno();
        g.barkod = d->barkod->text();
        g.adi = d->adi->text();
        g.marka = d->marka->text();
        g.model = d->model->text();
        g.finishkod = d->finishkod->text();
        g.label2 = d->Label2->text();
        g.indirimoran = d->indirimoran->text();
        g.fiyat = d->birimfiyat->deger();
        g.kdvoran = d->kdvoran();
        const SayiKutusu* kutular[] = {d->edindirim1, d->edindirim2, d->edindirim3, d->edindirim4};
        for (int i = 0; i < 4; ++i)
            g.oranlar[i] = kutular[i]->deger();
        g.fiyatDuzenlenir = !d->birimfiyat->saltOkunur();
        g.oranDuzenlenir = !d->edindirim1->saltOkunur();
        g.panel = d->GridPanel2->isVisibleTo(d);
        if (ek)
            ek(*d);
        d->adet->setValue(miktar);
        (ekle ? d->ParcaliTus1 : d->ParcaliTus2)->click();
    });
}

QList<QJsonArray> sepetEkleIstekleri(const SahteSunucu& s)
{
    QList<QJsonArray> l;
    for (const QByteArray& i : s.istekler())
        if (istekMetodu(i) == QLatin1String("SepetEkle2"))
            l << istekParametreleri(i);
    return l;
}

SahteSunucu::Cevaplayici ekleyenSunucu(int sonuc)
{
    return metotlarla(
        {{QStringLiteral("SepetEkle2"),
          [sonuc](const QByteArray& i) { return SahteSunucu::sonucCevabi(i, QByteArray::number(sonuc)); }},
         {QStringLiteral("ResimVer5"),
          [](const QByteArray& i) { return SahteSunucu::sonucCevabi(i, "\"\"", "[0]"); }}});
}

} // namespace

class TstStokAyrinti : public QObject {
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
        // No web site: the web picture requests go nowhere.
        Yapilandirma y;
        y.webTaban = QStringLiteral("http://127.0.0.1:1/");
        Yapilandirma::setGecerli(y);
    }

    void cleanup()
    {
        setMesajCevaplayici({});
        setBaglantiBeklemesi({});
    }

    void hesapla_data()
    {
        QTest::addColumn<double>("fiyat");
        QTest::addColumn<int>("miktar");
        QTest::addColumn<QList<double>>("oranlar");
        QTest::addColumn<double>("kdv");
        QTest::addColumn<QString>("indirim");
        QTest::addColumn<QString>("kdvDahil");
        QTest::addColumn<QString>("tutar");
        QTest::addColumn<bool>("indirimSatiri");
        QTest::newRow("100 x 2, %10 ve %5, KDV 20")
            << 100.0 << 2 << QList<double>{10, 5, 0, 0} << 20.0 << "29.00" << "102.60" << "205.20" << true;
        QTest::newRow("0.5 ve 0.5: indirim var, satır gizli")
            << 100.0 << 1 << QList<double>{0.5, 0.5, 0, 0} << 20.0 << "1.00" << "118.80" << "118.80" << false;
        QTest::newRow("negatif oran atlanır")
            << 100.0 << 1 << QList<double>{-10, 0, 0, 0} << 0.0 << "0.00" << "100.00" << "100.00" << false;
        QTest::newRow("dört oran sırayla")
            << 200.0 << 3 << QList<double>{10, 10, 10, 10} << 18.0 << "206.34" << "154.84" << "464.52" << true;
        QTest::newRow("binlik ayraç") << 1250.0 << 4 << QList<double>{0, 0, 0, 0} << 20.0 << "0.00" << "1,500.00"
                                      << "6,000.00" << false;
    }

    void hesapla()
    {
        QFETCH(double, fiyat);
        QFETCH(int, miktar);
        QFETCH(QList<double>, oranlar);
        QFETCH(double, kdv);
        Tstokayarinti d(nullptr, 5);
        d.setKdvoran(kdv);
        d.birimfiyat->setDeger(fiyat);
        SayiKutusu* kutular[] = {d.edindirim1, d.edindirim2, d.edindirim3, d.edindirim4};
        for (int i = 0; i < 4; ++i)
            kutular[i]->setDeger(oranlar[i]);
        d.adet->setValue(miktar);
        d.show();
        QTEST(d.indtutar->text(), "indirim");
        QTEST(d.kdvdahiltutar->text(), "kdvDahil");
        QTEST(d.geneltutar->text(), "tutar");
        QTEST(d.indirimoran->isVisibleTo(&d), "indirimSatiri");
        QTEST(d.indtutar->isVisibleTo(&d), "indirimSatiri");
    }

    void miktarDegisinceHesaplanir()
    {
        Tstokayarinti d(nullptr);
        d.setKdvoran(20);
        d.birimfiyat->setDeger(100);
        d.edindirim1->setDeger(10);
        d.edindirim2->setDeger(5);
        d.show();
        QCOMPARE(d.geneltutar->text(), QStringLiteral("102.60"));
        d.adet->selectAll();
        QTest::keyClicks(d.adet, QStringLiteral("2"));
        QCOMPARE(d.geneltutar->text(), QStringLiteral("205.20"));
        // Stepping and setting the value recompute as well.
        d.adet->stepUp();
        QCOMPARE(d.geneltutar->text(), QStringLiteral("307.80"));
        d.adet->setValue(4);
        QCOMPARE(d.geneltutar->text(), QStringLiteral("410.40"));
        // An emptied box counts as 1 while typing.
        d.adet->selectAll();
        QTest::keyClick(d.adet, Qt::Key_Backspace);
        QCOMPARE(d.hesapMiktari(), 1);
        QCOMPARE(d.geneltutar->text(), QStringLiteral("102.60"));
    }

    void miktarSifir()
    {
        Tstokayarinti d(nullptr);
        d.setKdvoran(20);
        d.birimfiyat->setDeger(100);
        d.show();
        d.adet->selectAll();
        QTest::keyClicks(d.adet, QStringLiteral("0"));
        QCOMPARE(d.hesapMiktari(), 0);
        QCOMPARE(d.kdvdahiltutar->deger(), 0.0);
        QCOMPARE(d.geneltutar->text(), QStringLiteral("0.00"));
        QCOMPARE(d.kdvdahiltutar->text(), QStringLiteral("0.00"));
        // Ending with 0 in the box never sends 0: the nearest allowed quantity is taken.
        QTest::keyClick(d.adet, Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.adet->value(), 1);
    }

    void enterTusu_data()
    {
        QTest::addColumn<QString>("kutu");
        QTest::addColumn<bool>("kapanir");
        QTest::newRow("miktar kutusu: Sipariş ekle") << QStringLiteral("adet") << true;
        QTest::newRow("fiyat kutusu: hiçbir şey") << QStringLiteral("birimfiyat") << false;
        QTest::newRow("iskonto kutusu: hiçbir şey") << QStringLiteral("edindirim2") << false;
    }

    void enterTusu()
    {
        QFETCH(QString, kutu);
        QFETCH(bool, kapanir);
        Tstokayarinti d(nullptr);
        d.birimfiyat->setSaltOkunur(false);
        d.edindirim2->setSaltOkunur(false);
        d.GridPanel2->show();
        d.show();
        QWidget* w = d.findChild<QWidget*>(kutu);
        QVERIFY(w);
        w->setFocus();
        // The key goes where the keyboard sends it: the focused editor inside the box.
        QWidget* odak = QApplication::focusWidget() ? QApplication::focusWidget() : w;
        QTest::keyClick(odak, Qt::Key_Return);
        QCOMPARE(d.isVisible(), !kapanir);
        if (kapanir)
            QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void basliktaMiktarSeciliVeOdakta()
    {
        Tstokayarinti d(nullptr);
        d.adet->setValue(12);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.focusWidget(), static_cast<QWidget*>(d.adet));
        QCOMPARE(d.windowTitle(), QStringLiteral("Sepete Ekle"));
        QCOMPARE(d.ParcaliTus1->text(), QStringLiteral("Sipariş ekle"));
        QCOMPARE(d.ParcaliTus2->text(), QStringLiteral("Vazgeç"));
        QVERIFY(d.ParcaliTus1->font().bold());
        QCOMPARE(d.adet->minimum(), 1);
        QCOMPARE(d.adet->maximum(), 10000);
    }

    void sayiKutusu_data()
    {
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<double>("deger");
        QTest::addColumn<QString>("gosterilen");
        QTest::newRow("virgül ondalık") << "12,5" << 12.5 << "12,50";
        QTest::newRow("binlik ve ondalık") << "1.234,5" << 1234.5 << "1.234,50";
        QTest::newRow("düz nokta da ondalık") << "12.5" << 12.5 << "12,50";
        QTest::newRow("boş 0") << "" << 0.0 << "0,00";
    }

    void sayiKutusu()
    {
        QFETCH(QString, yazilan);
        QFETCH(double, deger);
        struct YerelGeriAl {
            QLocale eski;
            ~YerelGeriAl() { QLocale::setDefault(eski); }
        } geriAl;
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        QWidget pencere;
        auto* k = new SayiKutusu(&pencere);
        auto* diger = new QLineEdit(&pencere);
        pencere.show();
        pencere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&pencere));
        diger->setFocus();
        k->setDeger(1234.5);
        QCOMPARE(k->text(), QStringLiteral("1.234,50"));
        // Editing shows the plain number, all of it selected.
        k->setFocus();
        QCOMPARE(k->text(), QStringLiteral("1234,5"));
        QCOMPARE(k->selectedText(), k->text());
        QTest::keyClick(k, Qt::Key_Delete);
        QTest::keyClicks(k, yazilan);
        QCOMPARE(k->deger(), deger);
        diger->setFocus(); // leaving the box shows the formatted value again
        QTEST(k->text(), "gosterilen");
    }

    void stokListesindenEkleme_data()
    {
        QTest::addColumn<int>("tip");
        QTest::addColumn<int>("k");
        QTest::addColumn<bool>("duzenlenir");
        QTest::addColumn<QString>("label2");
        QTest::addColumn<QString>("indirimoran");
        QTest::addColumn<double>("fiyat");
        QTest::newRow("bayi, sıradan") << 0 << 0 << false << "Fiyat:" << "İndirim: %10+5" << 250.0;
        QTest::newRow("personel: fiyat ve oranlar açık") << 1 << 0 << true << "Fiyat:" << "İndirim: %10+5" << 250.0;
        QTest::newRow("kampanyalı") << 3 << 1 << false << "Kampanyalı Fiyat:" << "Kampanyalı 10+5" << 250.0;
        QTest::newRow("K eksi: fiyat ve oranlar 0") << 0 << -1 << false << "Fiyat:" << "İndirim:" << 0.0;
    }

    void stokListesindenEkleme()
    {
        QFETCH(int, tip);
        QFETCH(int, k);
        QFETCH(bool, duzenlenir);
        QFETCH(double, fiyat);
        SahteSunucu s(ekleyenSunucu(1));
        SahteAna ana;
        ana.sunucu(s.port());
        ana.sbilgi.setMusteriTipi(tip);
        ana.sbilgi.setCARINO(7);
        ana.sbilgi.setSirano(31);
        StokSatiri kalem = ornekKalem();
        kalem.k = k;
        const SonucTablosu t = kalemTablosu(kalem);
        Gorulen g;
        diyalogdaCalis(g, 3, true);
        StokSepeteEkle(ana, t, 0);
        QVERIFY(g.acildi);
        QCOMPARE(g.stokno, 1042);
        QCOMPARE(g.barkod, QStringLiteral("ZV001042"));
        QCOMPARE(g.adi, QStringLiteral("FREN DİSKİ ÖN"));
        QCOMPARE(g.marka, QStringLiteral("FIAT"));
        QCOMPARE(g.model, QStringLiteral("DOBLO"));
        QCOMPARE(g.finishkod, QStringLiteral("F12345"));
        QCOMPARE(g.kdvoran, 20.0);
        QTEST(g.label2, "label2");
        QTEST(g.indirimoran, "indirimoran");
        QCOMPARE(g.fiyat, fiyat);
        QCOMPARE(g.oranlar[0], k < 0 ? 0.0 : 10.0);
        QCOMPARE(g.oranlar[1], k < 0 ? 0.0 : 5.0);
        QCOMPARE(g.fiyatDuzenlenir, duzenlenir);
        QCOMPARE(g.oranDuzenlenir, duzenlenir);
        QCOMPARE(g.panel, duzenlenir);

        const QList<QJsonArray> istekler = sepetEkleIstekleri(s);
        QCOMPARE(istekler.size(), 1);
        const QJsonArray p = istekler.front();
        QCOMPARE(p.size(), 14);
        QCOMPARE(p[0].toObject().value(QStringLiteral("type")).toString(), QStringLiteral("baglantiu.TSonucBilgisi"));
        QCOMPARE(p[1].toInt(), 7);                                   // carino
        QCOMPARE(p[2].toInt(), 1042);                                // stokno
        QCOMPARE(p[3].toString(), QStringLiteral("ZV001042"));       // barkod
        QCOMPARE(p[4].toString(), QStringLiteral("FREN DİSKİ ÖN"));  // stokadi
        QCOMPARE(p[5].toDouble(), 3.0);                              // miktar
        QCOMPARE(p[6].toDouble(), 20.0);                             // kdv
        QCOMPARE(p[7].toDouble(), fiyat);                            // fiyat
        QCOMPARE(p[8].toDouble(), k < 0 ? 0.0 : 10.0);               // ind1
        QCOMPARE(p[9].toInt(), 31);                                  // verenid
        QCOMPARE(p[10].toInt(), k);                                  // k
        QCOMPARE(p[11].toDouble(), k < 0 ? 0.0 : 5.0);               // ind2
        QCOMPARE(ana.sepetYenilemeSayisi, 1);
        QVERIFY(!ana.bagc.Connected());
        QVERIFY(m_mesajlar.isEmpty());
    }

    void personelFiyatiDegistirirse()
    {
        SahteSunucu s(ekleyenSunucu(1));
        SahteAna ana;
        ana.sunucu(s.port());
        ana.sbilgi.setMusteriTipi(2);
        const SonucTablosu t = kalemTablosu(ornekKalem());
        Gorulen g;
        diyalogdaCalis(g, 2, true, [](Tstokayarinti& d) {
            d.birimfiyat->setFocus();
            d.birimfiyat->selectAll();
            QTest::keyClicks(d.birimfiyat, QStringLiteral("199.9"));
            d.edindirim1->setFocus();
            d.edindirim1->selectAll();
            QTest::keyClicks(d.edindirim1, QStringLiteral("12"));
        });
        StokSepeteEkle(ana, t, 0);
        const QList<QJsonArray> istekler = sepetEkleIstekleri(s);
        QCOMPARE(istekler.size(), 1);
        QCOMPARE(istekler.front()[7].toDouble(), 199.9);
        QCOMPARE(istekler.front()[8].toDouble(), 12.0);
    }

    void ekleCevabi_data()
    {
        QTest::addColumn<int>("cevap");
        QTest::addColumn<bool>("vazgec");
        QTest::addColumn<int>("istek");
        QTest::addColumn<int>("yenileme");
        QTest::newRow("1: sepet yenilenir") << 1 << false << 1 << 1;
        QTest::newRow("0: hiçbir şey") << 0 << false << 1 << 0;
        QTest::newRow("Vazgeç: gönderilmez") << 1 << true << 0 << 0;
    }

    void ekleCevabi()
    {
        QFETCH(int, cevap);
        QFETCH(bool, vazgec);
        SahteSunucu s(ekleyenSunucu(cevap));
        SahteAna ana;
        ana.sunucu(s.port());
        Gorulen g;
        diyalogdaCalis(g, 1, !vazgec);
        StokSepeteEkle(ana, kalemTablosu(ornekKalem()), 0);
        QTEST(int(sepetEkleIstekleri(s).size()), "istek");
        QTEST(ana.sepetYenilemeSayisi, "yenileme");
        QVERIFY(m_mesajlar.isEmpty());
    }

    void ekleHatasiMetniyleGosterilir()
    {
        SahteSunucu s(metotlarla(
            {{QStringLiteral("SepetEkle2"),
              [](const QByteArray& i) { return hataCevabi(i, "EServerError", "Stok kapalı"); }},
             {QStringLiteral("ResimVer5"),
              [](const QByteArray& i) { return SahteSunucu::sonucCevabi(i, "\"\"", "[0]"); }}}));
        SahteAna ana;
        ana.sunucu(s.port());
        Gorulen g;
        diyalogdaCalis(g, 1, true);
        StokSepeteEkle(ana, kalemTablosu(ornekKalem()), 0);
        QCOMPARE(m_mesajlar, QStringList{QStringLiteral("Hata|Stok kapalı")});
        QCOMPARE(ana.sepetYenilemeSayisi, 0);
        QVERIFY(!ana.bagc.Connected());
    }

    void sunucuYoksaEklenmez()
    {
        SahteAna ana;
        ana.sunucu(1);
        SepeteEkleGonder(ana, kalemTablosu(ornekKalem()), 0, 1, 100, 0, 0, 0, 0);
        QCOMPARE(m_mesajlar, QStringList{QStringLiteral("Hata|Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!")});
        QCOMPARE(ana.sepetYenilemeSayisi, 0);
    }

    void yeniVeKampanyaliListeler_data()
    {
        QTest::addColumn<int>("liste"); // 0 new items, 1 campaign items
        QTest::addColumn<int>("tip");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("label2");
        QTest::addColumn<QString>("indirimoran");
        QTest::addColumn<bool>("duzenlenir");
        QTest::addColumn<bool>("panel");
        QTest::newRow("yeni, sıradan") << 0 << 0 << 0 << "Fiyat:" << "İndirim:  % 10+5" << false << false;
        QTest::newRow("yeni, kampanyalı") << 0 << 0 << 1 << "Kampanyalı Fiyat:" << "Kampanyalı 10+5" << false
                                          << false;
        QTest::newRow("yeni, personel") << 0 << 2 << 0 << "Fiyat:" << "İndirim:  % 10+5" << true << true;
        QTest::newRow("kampanya, bayi") << 1 << 0 << 1 << "Kampanyalı Fiyat:" << "Kampanyalı 10+5" << false << false;
        QTest::newRow("kampanya, personel: panel yok")
            << 1 << 1 << 1 << "Kampanyalı Fiyat:" << "Kampanyalı 10+5" << true << false;
    }

    void yeniVeKampanyaliListeler()
    {
        QFETCH(int, liste);
        QFETCH(int, tip);
        QFETCH(int, k);
        QFETCH(bool, duzenlenir);
        QFETCH(bool, panel);
        SahteSunucu s(ekleyenSunucu(1));
        SahteAna ana;
        ana.sunucu(s.port());
        ana.sbilgi.setMusteriTipi(tip);
        StokSatiri kalem = ornekKalem();
        kalem.k = k;
        Gorulen g;
        diyalogdaCalis(g, 1, true);
        if (liste == 0)
            YeniSepeteEkle(ana, kalemTablosu(kalem), 0);
        else
            KampanyaliSepeteEkle(ana, kalemTablosu(kalem), 0);
        QVERIFY(g.acildi);
        QCOMPARE(g.stokno, 0); // only the stock list passes its number
        QTEST(g.label2, "label2");
        QTEST(g.indirimoran, "indirimoran");
        QCOMPARE(g.fiyat, 250.0);
        QCOMPARE(g.oranlar[0], 10.0);
        QCOMPARE(g.fiyatDuzenlenir, duzenlenir);
        QCOMPARE(g.panel, panel);
        const QList<QJsonArray> istekler = sepetEkleIstekleri(s);
        QCOMPARE(istekler.size(), 1);
        QCOMPARE(istekler.front()[2].toInt(), 1042);
        QCOMPARE(istekler.front()[10].toInt(), k);
    }

    void webResmiAdresi_data()
    {
        QTest::addColumn<int>("liste");
        QTest::addColumn<QString>("yol");
        QTest::newRow("stok listesi: stok numarası") << 0 << "/resimgoster.ashx?id=1042";
        QTest::newRow("yeni stoklar: 0") << 1 << "/resimgoster.ashx?id=0";
        QTest::newRow("kampanyalı: 0") << 2 << "/resimgoster.ashx?id=0";
    }

    void webResmiAdresi()
    {
        QFETCH(int, liste);
        QFETCH(QString, yol);
        WebKoku web;
        Yapilandirma y;
        y.webTaban = web.taban();
        Yapilandirma::setGecerli(y);
        SahteSunucu s(ekleyenSunucu(1));
        SahteAna ana;
        ana.sunucu(s.port());
        Gorulen g;
        QStringList gorulenIstekler;
        diyalogdaCalis(g, 1, false, [&](Tstokayarinti&) {
            QTRY_VERIFY_WITH_TIMEOUT(!web.istekler().isEmpty(), 5000);
            gorulenIstekler = web.istekler();
        });
        const SonucTablosu t = kalemTablosu(ornekKalem());
        if (liste == 0)
            StokSepeteEkle(ana, t, 0);
        else if (liste == 1)
            YeniSepeteEkle(ana, t, 0);
        else
            KampanyaliSepeteEkle(ana, t, 0);
        QCOMPARE(gorulenIstekler, QStringList{yol});
    }

private:
    QStringList m_mesajlar;
};

QTEST_MAIN(TstStokAyrinti)
#include "tst_stokayarinti.moc"
