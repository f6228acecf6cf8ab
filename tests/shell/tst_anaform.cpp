#include "platform/surec.h"
#include "platform/yapilandirma.h"
#include "shell/anaform.h"
#include "shell/uygulama.h"
#include "widgets/beklesin.h"
#include "widgets/izgara.h"
#include "widgets/mesaj.h"
#include "yardim_sahteplatform.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace zelvar;

namespace {

struct Kutu {
    QString baslik;
    QString metin;
    QStringList dugmeler;
    QString odakli;
};

} // namespace

class TstAnaForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        setPlatform(&m_platform);
        Yapilandirma y;
        y.webTaban = QStringLiteral("https://www.zelvar.example/b2b/");
        Yapilandirma::setGecerli(y);
        setCikisYakalayici([this](int kod) { m_cikislar << kod; });
    }

    void init()
    {
        m_cikislar.clear();
        m_kutular.clear();
        m_cevap = QMessageBox::NoButton;
        setMesajCevaplayici([this](QMessageBox& k) {
            Kutu kutu{k.windowTitle(), k.text(), {}, {}};
            for (QAbstractButton* d : k.buttons()) {
                kutu.dugmeler << d->text();
                if (d == k.defaultButton())
                    kutu.odakli = d->text();
            }
            m_kutular << kutu;
            return m_cevap;
        });
    }

    void cleanupTestCase()
    {
        setMesajCevaplayici({});
        setCikisYakalayici({});
        setPlatform(nullptr);
    }

    void cikisSorusu_data()
    {
        QTest::addColumn<int>("cevap");
        QTest::addColumn<bool>("biter");
        QTest::newRow("Evet") << int(QMessageBox::Yes) << true;
        QTest::newRow("Hayır") << int(QMessageBox::No) << false;
        QTest::newRow("cevapsız kapatma") << int(QMessageBox::NoButton) << false;
    }

    void cikisSorusu()
    {
        QFETCH(int, cevap);
        QFETCH(bool, biter);
        auto f = girisliForm(0);
        m_cevap = QMessageBox::StandardButton(cevap);
        f->findChild<QAction*>(QStringLiteral("G1"))->trigger();
        QCOMPARE(m_kutular.size(), 1);
        QCOMPARE(m_kutular[0].baslik, QStringLiteral("Soru"));
        QCOMPARE(m_kutular[0].metin, QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"));
        QCOMPARE(m_kutular[0].dugmeler.size(), 2);
        QVERIFY(m_kutular[0].dugmeler.contains(QStringLiteral("Evet")));
        QVERIFY(m_kutular[0].dugmeler.contains(QStringLiteral("Hayır")));
        QCOMPARE(m_kutular[0].odakli, QStringLiteral("Evet"));
        QCOMPARE(m_cikislar, biter ? QList<int>{0} : QList<int>{});
        QVERIFY(f->isVisible()); // no window closes either way
    }

    void basarisizGirisSureciBitirir()
    {
        TForm1 f;
        f.setGirisAdimi([](TForm1&) { return false; });
        QVERIFY(!f.FormCreate());
        QCOMPARE(m_cikislar, QList<int>{0});
    }

    void kimlikVeBaslikBilgileri()
    {
        auto f = girisliForm(0, [](TSonucBilgisi& b) {
            b.setADI(QStringLiteral("AHMET"));
            b.setCariAdi(QStringLiteral("Demir Oto Yedek Parça"));
            b.setSaticiAdi(QStringLiteral("Selin Kaya"));
            b.setSaticiTelefon(QStringLiteral("0212 555 10 10"));
            b.setSaticiMail(QStringLiteral("selin@zelvar.example"));
        });
        QCOMPARE(f->bilgi().BilgiSayarAdi(), QStringLiteral("ATOLYE-PC"));
        QCOMPARE(f->bilgi().BILGISAYARID(), QStringLiteral("WD-123456"));
        QCOMPARE(f->baglanti().Params().value(QStringLiteral("Port")), QStringLiteral("9090"));
        QCOMPARE(f->findChild<QLabel*>(QStringLiteral("kullanicilbl"))->text(), QStringLiteral("AHMET"));
        QCOMPARE(f->findChild<QLabel*>(QStringLiteral("cariadilbl"))->text(), QStringLiteral("Demir Oto Yedek Parça"));
        QCOMPARE(f->findChild<QLabel*>(QStringLiteral("saticilbl"))->text(),
                 QStringLiteral("Selin Kaya Telefonu: 0212 555 10 10 email: selin@zelvar.example"));
        QCOMPARE(f->sayfalar()->currentIndex(), 0);
        QCOMPARE(f->sayfalar()->currentWidget()->objectName(), QStringLiteral("sstoklistesi"));
    }

    void sekmelerSirayla()
    {
        auto f = girisliForm(0);
        const QStringList beklenen = {QStringLiteral("Stok Listesi"),      QStringLiteral("Sepet"),
                                      QStringLiteral("Önceki Siparişler"), QStringLiteral("Cari Ekstre"),
                                      QStringLiteral("Yeni Stoklar"),      QStringLiteral("Kampanyalı Stoklar"),
                                      QStringLiteral("Duyurular"),         QStringLiteral("Bakiyeler"),
                                      QStringLiteral("Sanal Pos")};
        QStringList basliklar;
        for (int i = 0; i < f->sayfalar()->count(); ++i) {
            basliklar << f->sayfalar()->tabText(i);
            QVERIFY(f->sayfalar()->widget(i)->findChild<Izgara*>());
        }
        QCOMPARE(basliklar, beklenen);
    }

    void kullaniciTipi_data()
    {
        QTest::addColumn<int>("tip");
        QTest::addColumn<bool>("personel");
        QTest::addColumn<bool>("kampanyaSekmesi");
        QTest::addColumn<bool>("sepetteDurum");
        QTest::addColumn<bool>("kampanyaSutunlari");
        QTest::newRow("0 bayi") << 0 << false << true << true << true;
        QTest::newRow("1 personel") << 1 << true << true << true << true;
        QTest::newRow("2 personel") << 2 << true << true << true << true;
        QTest::newRow("3 durumsuz bayi") << 3 << false << true << false << true;
        QTest::newRow("4 kampanyasız bayi") << 4 << false << false << true << false;
        QTest::newRow("bilinmeyen 9") << 9 << false << true << true << true;
    }

    void kullaniciTipi()
    {
        QFETCH(int, tip);
        QFETCH(bool, personel);
        QFETCH(bool, kampanyaSekmesi);
        QFETCH(bool, sepetteDurum);
        QFETCH(bool, kampanyaSutunlari);
        auto f = girisliForm(tip);
        QCOMPARE(f->findChild<QPushButton*>(QStringLiteral("musteritus"))->isVisibleTo(f.get()), personel);
        QCOMPARE(f->findChild<QAction*>(QStringLiteral("R1"))->isVisible(), personel);
        bool kampanyaVar = false;
        for (int i = 0; i < f->sayfalar()->count(); ++i)
            kampanyaVar |= f->sayfalar()->widget(i)->objectName() == QLatin1String("skampanyali");
        QCOMPARE(kampanyaVar, kampanyaSekmesi);

        Izgara* stok = f->izgara(QStringLiteral("sstoklistesi"));
        Izgara* sepet = f->izgara(QStringLiteral("ssepet"));
        Izgara* yeni = f->izgara(QStringLiteral("syeniler"));
        for (Izgara* g : {stok, yeni, f->izgara(QStringLiteral("skampanyali"))}) {
            for (const char* alan : {"KALAN", "ALINANSIPARIS", "VERILENSIPARIS"}) {
                QCOMPARE(g->sutunGorunur(QString::fromLatin1(alan)), personel);
                QCOMPARE(g->sutunSunulan(QString::fromLatin1(alan)), personel);
            }
        }
        QCOMPARE(sepet->sutunGorunur(u"KALAN"), personel);
        QCOMPARE(sepet->sutunGorunur(u"DURUM"), sepetteDurum);
        QCOMPARE(sepet->sutunSunulan(u"DURUM"), sepetteDurum);
        QVERIFY(stok->sutunGorunur(u"DURUM")); // the stock grid keeps it for every kind
        for (Izgara* g : {stok, yeni}) {
            QCOMPARE(g->sutunGorunur(u"KAMPFIYAT"), kampanyaSutunlari);
            QCOMPARE(g->sutunSunulan(u"K"), kampanyaSutunlari);
        }
    }

    void webSitesiMenusu()
    {
        auto f = girisliForm(0);
        QAction* a = f->findChild<QAction*>(QStringLiteral("httpwwwdravikcom1"));
        QCOMPARE(a->text(), QStringLiteral("www.zelvar.example"));
        f->aramaKutusu()->setText(QStringLiteral("FREN"));
        f->aramaKutusu()->deselect();
        m_platform.acilanAdresler.clear();
        a->trigger();
        QCOMPARE(m_platform.acilanAdresler, QStringList{QStringLiteral("http://www.zelvar.example/")});
        QCOMPARE(f->aramaKutusu()->selectedText(), QStringLiteral("FREN"));
        QVERIFY(f->aramaKutusu()->hasFocus());
    }

    // With ZELVAR_EKRAN set, the signed-in window of a staff user is saved there for a look.
    void ekranGoruntusu()
    {
        const QString yol = qEnvironmentVariable("ZELVAR_EKRAN");
        if (yol.isEmpty())
            QSKIP("ZELVAR_EKRAN yok");
        temaUygula();
        auto f = girisliForm(1, [](TSonucBilgisi& b) {
            b.setADI(QStringLiteral("AHMET"));
            b.setCariAdi(QStringLiteral("Demir Oto Yedek Parça Ltd. Şti."));
            b.setSaticiAdi(QStringLiteral("Selin Kaya"));
        });
        f->resize(1350, 652);
        f->sayfalar()->setTabText(1, QStringLiteral("3=Sepet"));
        QVERIFY(f->grab().save(yol));
    }

private:
    std::unique_ptr<TForm1> girisliForm(int tip, std::function<void(TSonucBilgisi&)> doldur = {})
    {
        auto f = std::make_unique<TForm1>();
        f->setGirisAdimi([tip, doldur](TForm1& form) {
            form.bilgi().setMusteriTipi(tip);
            if (doldur)
                doldur(form.bilgi());
            return true;
        });
        if (!f->FormCreate())
            return f;
        f->show();
        QApplication::setActiveWindow(f.get());
        butunIslerBitsin(5000);
        return f;
    }

    SahtePlatform m_platform;
    QList<int> m_cikislar;
    QList<Kutu> m_kutular;
    QMessageBox::StandardButton m_cevap = QMessageBox::NoButton;
};

QTEST_MAIN(TstAnaForm)
#include "tst_anaform.moc"
