// Delivery and cargo choices and sending the order: the preselections, the lone company, the
// four checks in their order, the confirmation's summary and what is sent.

#include "yardim_sepet.h"

#include "basket/onaysip.h"
#include "basket/secenekgrubu.h"
#include "basket/sepetsayfasi.h"
#include "widgets/baglantikontrol.h"
#include "widgets/izgara.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTest>

using namespace zelvar;

namespace {

const QString kKurulamiyor = QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");

QList<KargoFirmasi> firmalar()
{
    return {{11, 1, QStringLiteral("Anadolu Kargo"), QStringLiteral("Alıcı ödemeli gönderilerde ücret teslimde alınır.")},
            {12, 1, QStringLiteral("Marmara Lojistik"), QStringLiteral("Cumartesi teslimat yapılmaz.")},
            {31, 3, QStringLiteral("Merkez Ambarı"), QStringLiteral("Ambar teslimleri ertesi iş günü yapılır.")},
            {41, 4, QStringLiteral("Doğu Nakliyat"), QStringLiteral("İlk firma")},
            {42, 4, QStringLiteral("Doğu Nakliyat"), QStringLiteral("İkinci firma")}};
}

// A user's click on a radio entry.
void tikla(SecenekGrubu* g, int sira)
{
    QTest::mouseClick(g->dugme(sira), Qt::LeftButton);
}

// A user's pick in the company list.
void firmaSec(QComboBox* c, int sira)
{
    c->setCurrentIndex(sira);
    emit c->activated(sira);
}

QStringList ucTeslim()
{
    return {QStringLiteral("Gel Al"), QStringLiteral("Kargo ile Gönderim"), QStringLiteral("Servis ile Teslim")};
}

struct Kurulum {
    explicit Kurulum(const QList<SepetSatiri>& satirlar = ornekSepet(2, 1), const QStringList& teslimler = ucTeslim())
        : ana((ayarla(satirlar, teslimler), sunucu.port()))
    {
        ana.sepetiGoster();
        sunucu.cagrilariSil();
    }
    void ayarla(const QList<SepetSatiri>& satirlar, const QStringList& teslimler)
    {
        sunucu.setSatirlar(satirlar);
        sunucu.setTeslimler(teslimler);
        sunucu.setKargoTurleri({QStringLiteral("Alıcı Ödemeli"), QStringLiteral("Gönderici Ödemeli"),
                                QStringLiteral("Anlaşmalı Ambar"), QStringLiteral("Özel Taşıma")});
        sunucu.setFirmalar(firmalar());
        sunucu.setUyari(QStringLiteral("Vadesi geçmiş borcunuz var."));
    }
    // Delivery stays preselected; cargo type and company as given.
    void sec(int tur, int firma)
    {
        tikla(s()->boxkargo, tur);
        if (firma >= 0)
            firmaSec(s()->kargocombo, firma);
    }
    SepetSunucusu sunucu;
    SahteAna ana;
    SepetSayfasi* s() const { return ana.sepet(); }
};

// Answers the confirmation, keeping what it showed.
struct Onay {
    Onay(int cevap)
    {
        SepetSayfasi::setDiyalogCevaplayici([this, cevap](QDialog& d) {
            auto* o = qobject_cast<TONAYSIP*>(&d);
            ++sayi;
            if (o) {
                ozet = o->ozet();
                etiket = o->Label2->text();
                uyari = o->Label3->text();
                baslik = o->windowTitle();
                soru = o->Label1->text();
                dugmeler = {o->Button1->text(), o->Button2->text()};
            }
            return cevap;
        });
    }
    ~Onay() { SepetSayfasi::setDiyalogCevaplayici({}); }
    int sayi = 0;
    QString ozet, etiket, uyari, baslik, soru;
    QStringList dugmeler;
};

} // namespace

class TstSiparisGonder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        setBaglantiBeklemesi([](int) {});
    }

    void teslimOnSecimi_data()
    {
        QTest::addColumn<QStringList>("teslimler");
        QTest::addColumn<int>("secili");
        QTest::newRow("üç seçenek: ikincisi") << QStringList{"Gel Al", "Kargo ile Gönderim", "Servis"} << 1;
        QTest::newRow("tek seçenek: o") << QStringList{"Gel Al"} << 0;
        QTest::newRow("seçenek yok") << QStringList{} << -1;
    }

    // Each show rebuilds both groups: the delivery preselected, no cargo type.
    void teslimOnSecimi()
    {
        QFETCH(QStringList, teslimler);
        QFETCH(int, secili);
        Kurulum k(ornekSepet(1, 1), teslimler);
        QCOMPARE(k.s()->teslimbox->sayi(), teslimler.size());
        QCOMPARE(k.s()->teslimbox->secili(), secili);
        if (secili >= 0)
            QCOMPARE(k.s()->teslimbox->kimlik(secili), secili + 1);
        QCOMPARE(k.s()->boxkargo->sayi(), 4);
        QCOMPARE(k.s()->boxkargo->secili(), -1);
        QCOMPARE(k.s()->boxkargo->ad(2), QStringLiteral("Anlaşmalı Ambar"));
    }

    // A cargo type with one company chooses it and shows its warning; with two the list
    // waits for the user; the blank entry clears the warning.
    void kargoFirmalari()
    {
        Kurulum k;
        k.sec(2, -1);
        QCOMPARE(k.sunucu.cagrilar(QStringLiteral("KargolarVer")).value(0).parametreler, (QJsonArray{3}));
        QCOMPARE(k.s()->kargocombo->count(), 2);
        QCOMPARE(k.s()->kargocombo->itemText(0), QStringLiteral(" "));
        QCOMPARE(k.s()->kargocombo->currentIndex(), 1);
        QCOMPARE(k.s()->uyarikargo->text(), QStringLiteral("Ambar teslimleri ertesi iş günü yapılır."));

        k.sec(0, -1);
        QCOMPARE(k.s()->kargocombo->count(), 3);
        QVERIFY(k.s()->kargocombo->currentIndex() <= 0);
        QCOMPARE(k.s()->uyarikargo->text(), QString());
        firmaSec(k.s()->kargocombo, 2);
        QCOMPARE(k.s()->uyarikargo->text(), QStringLiteral("Cumartesi teslimat yapılmaz."));
        firmaSec(k.s()->kargocombo, 0);
        QCOMPARE(k.s()->uyarikargo->text(), QString());
    }

    void kontrollerSirayla_data()
    {
        QTest::addColumn<int>("isaretli");
        QTest::addColumn<bool>("teslim");
        QTest::addColumn<int>("tur");
        QTest::addColumn<int>("firma");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("işaretli satır yok") << 0 << false << -1 << -1 << QStringLiteral("Gönderilecek Parça Yok ");
        QTest::newRow("teslim yok") << 1 << false << -1 << -1 << QStringLiteral("Lütfen Teslim Durumu Seçiniz !");
        QTest::newRow("kargo türü yok") << 1 << true << -1 << -1 << QStringLiteral("Lütfen Kargo Türünü Seçiniz !");
        QTest::newRow("firma yok") << 1 << true << 0 << -1 << QStringLiteral("Lütfen Kargo  Seçiniz !");
        QTest::newRow("boş firma") << 1 << true << 0 << 0 << QStringLiteral("Lütfen Kargo  Seçiniz !");
    }

    // The first failing check warns and ends the action; nothing is asked or sent.
    void kontrollerSirayla()
    {
        QFETCH(int, isaretli);
        QFETCH(bool, teslim);
        QFETCH(int, tur);
        QFETCH(int, firma);
        QFETCH(QString, mesaj);
        Kurulum k(ornekSepet(2, isaretli));
        if (!teslim)
            k.s()->teslimbox->setSecili(-1);
        if (tur >= 0)
            k.sec(tur, firma);
        k.sunucu.cagrilariSil();
        MesajKaydi mesajlar(&k.sunucu);
        Onay onay(QDialog::Accepted);
        k.s()->Button1->click();
        QCOMPARE(mesajlar.metinler(), QStringList{mesaj});
        QCOMPARE(mesajlar.kutular()[0].baslik, QStringLiteral("Uyarı"));
        QCOMPARE(onay.sayi, 0);
        QVERIFY(k.sunucu.cagrilar().isEmpty());
        if (tur >= 0)
            QCOMPARE(k.ana.anaPencere()->focusWidget(), static_cast<QWidget*>(k.s()->kargocombo));
    }

    // The summary: seven lines joined by CR LF, the grand total as shown, the note last, even
    // when empty; the overdue warning under it.
    void onayOzeti()
    {
        Kurulum k(ornekSepet(2, 2));
        k.sec(0, 1);
        Onay onay(QDialog::Rejected);
        k.s()->Button1->click();
        QCOMPARE(onay.sayi, 1);
        QCOMPARE(onay.baslik, QStringLiteral("Sipariş Onay"));
        QCOMPARE(onay.soru, QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"));
        QCOMPARE(onay.dugmeler, (QStringList{"Evet", "Hayır"}));
        QCOMPARE(k.s()->geneltoplaml->text(), QStringLiteral("54,00"));
        QCOMPARE(onay.ozet, QStringLiteral("Kullanıcı: Usta Bayi\r\n"
                                           "Cari     : Deneme Otomotiv\r\n"
                                           "Teslim   : Kargo ile Gönderim\r\n"
                                           "Kargo    : Alıcı Ödemeli\r\n"
                                           "Tutar    : 54,00\r\n"
                                           "Kargo    : Anadolu Kargo\r\n"
                                           "Açıklama : "));
        QVERIFY(onay.ozet.endsWith(QStringLiteral("Açıklama : ")));
        QCOMPARE(onay.etiket.count(QLatin1Char('\n')), 6);
        QCOMPARE(onay.uyari, QStringLiteral("Vadesi geçmiş borcunuz var."));
    }

    // "Hayır" sends nothing and keeps every choice and the note.
    void hayirHicbirSeyGondermez()
    {
        Kurulum k;
        k.sec(0, 1);
        k.s()->aciklamagir->setPlainText(QStringLiteral("acele"));
        Onay onay(QDialog::Rejected);
        MesajKaydi mesajlar(&k.sunucu);
        k.s()->Button1->click();
        QVERIFY(islerBitsin());
        QCOMPARE(k.sunucu.sayi(QStringLiteral("SiparisKaydet")), 0);
        QVERIFY(mesajlar.kutular().isEmpty());
        QCOMPARE(k.s()->aciklamagir->toPlainText(), QStringLiteral("acele"));
        QCOMPARE(k.s()->kargocombo->currentIndex(), 1);
        QCOMPARE(k.s()->boxkargo->secili(), 0);
    }

    // "Evet": the order goes with the chosen identifiers and the note; then the notice, the
    // reload and an empty note. Two companies of one name send the first.
    void gonderim_data()
    {
        QTest::addColumn<int>("tur");
        QTest::addColumn<int>("firma");
        QTest::addColumn<int>("firmaNo");
        QTest::newRow("ikinci firma") << 0 << 2 << 12;
        QTest::newRow("aynı adlı ikinciyi seçince ilki") << 3 << 2 << 41;
    }

    void gonderim()
    {
        QFETCH(int, tur);
        QFETCH(int, firma);
        QFETCH(int, firmaNo);
        Kurulum k(ornekSepet(3, 2));
        tikla(k.s()->teslimbox, 2);
        k.sec(tur, firma);
        k.s()->aciklamagir->setPlainText(QStringLiteral("Öğleden önce\nteslim"));
        k.sunucu.cagrilariSil();
        Onay onay(QDialog::Accepted);
        MesajKaydi mesajlar(&k.sunucu);
        mesajlar.setSayfa(k.s());
        k.s()->Button1->click();
        QVERIFY(onay.ozet.endsWith(QStringLiteral("Açıklama : Öğleden önce\nteslim")));
        const QList<Cagri> c = k.sunucu.cagrilar(QStringLiteral("SiparisKaydet"));
        QCOMPARE(c.size(), 1);
        const QJsonArray p = c[0].parametreler;
        QCOMPARE(p.size(), 7);
        QCOMPARE(p.at(0).toObject().value(QStringLiteral("type")).toString(), QStringLiteral("baglantiu.TSonucBilgisi"));
        QCOMPARE(p.at(1).toInt(), 7);       // carino
        QCOMPARE(p.at(2).toInt(), 3);       // delivery
        QCOMPARE(p.at(3).toInt(), tur + 1); // cargo type
        QCOMPARE(p.at(4).toString(), QStringLiteral("Öğleden önce\nteslim"));
        QCOMPARE(p.at(5).toInt(), 3);       // verenid
        QCOMPARE(p.at(6).toInt(), firmaNo);
        QCOMPARE(mesajlar.metinler(), QStringList{QStringLiteral("Siparişiniz Gönderildi !")});
        QCOMPARE(mesajlar.kutular()[0].baslik, QStringLiteral("Bilgi"));
        QCOMPARE(mesajlar.kutular()[0].yukleniyor, false); // the notice comes before the reload
        QCOMPARE(k.s()->aciklamagir->toPlainText(), QString());
        QVERIFY(islerBitsin());
        QCOMPARE(k.ana.sekmeBasligi(), QStringLiteral("1=Sepet"));
        QCOMPARE(k.s()->geneltoplaml->text(), QStringLiteral("0,00"));
        // The choices stay for the next order.
        QCOMPARE(k.s()->teslimbox->secili(), 2);
        QCOMPARE(k.s()->kargocombo->currentIndex(), firma);
    }

    // A refused order: the error notice, nothing reloaded, the note stays.
    void sunucuReddeder()
    {
        Kurulum k;
        k.sunucu.setSiparisSonucu(false);
        k.sec(0, 1);
        k.s()->aciklamagir->setPlainText(QStringLiteral("not"));
        Onay onay(QDialog::Accepted);
        MesajKaydi mesajlar(&k.sunucu);
        k.s()->Button1->click();
        QVERIFY(islerBitsin());
        QCOMPARE(mesajlar.metinler(), QStringList{QStringLiteral("Sipariş Göndermede Hata")});
        QCOMPARE(mesajlar.kutular()[0].baslik, QStringLiteral("Hata"));
        QCOMPARE(k.sunucu.sayi(QStringLiteral("SepetVer2")), 0);
        QCOMPARE(k.s()->aciklamagir->toPlainText(), QStringLiteral("not"));
    }

    // An error raised by the call itself is shown with its text; no reload, the note stays.
    void cagriHatasi()
    {
        Kurulum k;
        k.sunucu.setHatali(QStringLiteral("SiparisKaydet"));
        k.sec(0, 1);
        k.s()->aciklamagir->setPlainText(QStringLiteral("not"));
        Onay onay(QDialog::Accepted);
        MesajKaydi mesajlar(&k.sunucu);
        k.s()->Button1->click();
        QVERIFY(islerBitsin());
        QCOMPARE(mesajlar.metinler(), QStringList{QStringLiteral("SiparisKaydet başarısız")});
        QCOMPARE(k.sunucu.sayi(QStringLiteral("SepetVer2")), 0);
        QCOMPARE(k.s()->aciklamagir->toPlainText(), QStringLiteral("not"));
    }

    // The server gone when sending: the guard's message, then the failure notice.
    void baglantiYokken()
    {
        Kurulum k;
        k.sec(0, 1);
        Onay onay(QDialog::Accepted);
        MesajKaydi mesajlar;
        QTcpServer t;
        t.listen(QHostAddress::LocalHost, 0);
        const quint16 bos = t.serverPort();
        t.close();
        k.ana.baglanti().Params()[QStringLiteral("Port")] = QString::number(bos);
        k.s()->Button1->click();
        QCOMPARE(mesajlar.metinler(), (QStringList{kKurulamiyor, QStringLiteral("Sipariş Göndermede Hata")}));
    }

    // Showing the tab again clears the cargo type while the old companies stay in the list;
    // "Gönder" stops at the cargo type.
    void sekmeYenidenGosterilince()
    {
        Kurulum k;
        k.sec(0, 1);
        QVERIFY(k.ana.yenidenGoster());
        QCOMPARE(k.s()->boxkargo->secili(), -1);
        QCOMPARE(k.s()->teslimbox->secili(), 1);
        QCOMPARE(k.s()->kargocombo->count(), 3);
        MesajKaydi mesajlar(&k.sunucu);
        k.s()->Button1->click();
        QCOMPARE(mesajlar.metinler(), QStringList{QStringLiteral("Lütfen Kargo Türünü Seçiniz !")});
    }
};

QTEST_MAIN(TstSiparisGonder)
#include "tst_siparisgonder.moc"
