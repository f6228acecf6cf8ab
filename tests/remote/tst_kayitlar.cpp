#include "jsonyazici.h"
#include "kayitlar.h"
#include "tel.h"

#include <QTest>

using namespace zelvar;

class TstKayitlar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void yeniOturumKaydiPersonelSayilmaz()
    {
        const TSonucBilgisi b;
        QCOMPARE(b.MusteriTipi(), 1);
        QCOMPARE(b.Version(), 1);
        QCOMPARE(b.Varmi(), false);
        QCOMPARE(b.CARINO(), 0);
        QVERIFY(b.ADI().isEmpty());
    }

    void kopyalaKendisineDegistirmez()
    {
        TSonucBilgisi b;
        b.setADI(QStringLiteral("ALİ"));
        b.setCARINO(42);
        const TSonucBilgisi once = b;
        b.Kopyala(b);
        QCOMPARE(b, once);
    }

    void kopyaDegisinceKaynakDegismez()
    {
        TSonucBilgisi kaynak;
        kaynak.setCARINO(7);
        kaynak.setCariAdi(QStringLiteral("Demir Oto"));
        auto kopya = kopyasi(kaynak);
        kopya->setCARINO(99);
        kopya->setCariAdi(QStringLiteral("Başka"));
        QCOMPARE(kaynak.CARINO(), 7);
        QCOMPARE(kaynak.CariAdi(), QStringLiteral("Demir Oto"));
    }

    // The record travels with all twenty fields, in declaration order, as the outermost object.
    void oturumKaydiSiraylaYazilir()
    {
        TSonucBilgisi b;
        b.setBILGISAYARID(QStringLiteral("4C4C4544-0042"));
        b.setSirano(5);
        b.setCariAdi(QStringLiteral("Öz Çelik Oto"));
        b.setVarmi(true);
        b.setMusteriTipi(0);
        b.setVersion(2);
        JsonYazici y;
        y.kayit(b);
        const QByteArray beklenen =
            R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FBILGISAYARID":"4C4C4544-0042",)"
            R"("FSaticiMail":"","FSirano":5,"FCariAdi":"Öz Çelik Oto","FSIFRE":"","FSaticiNo":0,)"
            R"("FCARINO":0,"FAKTIF":0,"FKullanicimail":"","FADI":"","FSaticiTelefon":"","Fcarikod":"",)"
            R"("FVarmi":true,"FSaticiAdi":"","FBilgiSayarAdi":"","FDisip":"","FIcip":"",)"
            R"("FBilgisayarKullanici":"","FMusteriTipi":0,"FVersion":2}})";
        QCOMPARE(y.veri(), beklenen);
    }

    void kayitlarGidipGelir()
    {
        TSonucBilgisi b;
        b.setADI(QStringLiteral("ŞÜKRÜ"));
        b.setSIFRE(QStringLiteral("ĞIZLI"));
        b.setVarmi(true);
        b.setAKTIF(1);
        b.setMusteriTipi(4);
        QCOMPARE(*gidipGel(b), b);

        TMobilCariBilgisi m;
        m.setTLBORC(1234.56);
        m.setTLBAKIYE(-0.1);
        m.setCARINO(77);
        m.setILCE(QStringLiteral("Kadıköy"));
        QCOMPARE(*gidipGel(m), m);

        TTusSonuclari t;
        t.setGoruldu(3);
        t.setSevkEdildi(11);
        QCOMPARE(*gidipGel(t), t);
    }

    // Nested objects are numbered after the outermost one, and "#YENİ#" keeps its dotted İ.
    void ekranListesiIcIceNumaralanir()
    {
        TAcilisEkranlariki liste;
        TAcilisEkran a;
        a.setSiraNo(1);
        a.setArama(QStringLiteral("#YENİ#"));
        TAcilisEkran b;
        b.setSiraNo(2);
        b.setResim(QStringLiteral("FFD8FFE0"));
        liste.setEkranlar({a, b});
        JsonYazici y;
        y.kayit(liste);
        QVERIFY(y.veri().contains(R"("id":1,"fields":{"FEkranlar":[{"type":"mobilstokunit.TAcilisEkran","id":2)"));
        QVERIFY(y.veri().contains(R"("id":3,)"));
        const auto geri = gidipGel(liste);
        QCOMPARE(geri->Ekranlar().size(), 2);
        QCOMPARE(geri->Ekranlar()[0].Arama(), QStringLiteral("#YENİ#"));
        QVERIFY(geri->Ekranlar()[0].Arama() != QStringLiteral("#YENI#"));
        QCOMPARE(*geri, liste);
    }

    void okurUyeSirasinaBakmaz()
    {
        const QByteArray json = R"({"fields":{"FGoruldu":4,"FAlindi":1},"id":1,"type":"baglantiu.TTusSonuclari"})";
        tel::JsonBelge belge;
        belge.coz(json);
        const auto t = belge.kok().kayit<TTusSonuclari>(tel::kProtokolHatasi);
        QVERIFY(t);
        QCOMPARE(t->Goruldu(), 4);
        QCOMPARE(t->Alindi(), 1);
        QCOMPARE(t->Onaylandi(), 0);
    }

    void hataliNesneReddedilir_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("başka sınıf") << QByteArray(R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{}})");
        QTest::newRow("alan türü yanlış")
            << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":"7"}})");
        QTest::newRow("32 biti aşan sayı")
            << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":4294967296}})");
        QTest::newRow("kesirli tamsayı")
            << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FSirano":1.5}})");
        QTest::newRow("fields yok") << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1})");
        QTest::newRow("bayrak sayı") << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FVarmi":1}})");
    }

    void hataliNesneReddedilir()
    {
        QFETCH(QByteArray, json);
        tel::JsonBelge belge;
        belge.coz(json);
        try {
            belge.kok().kayit<TSonucBilgisi>(tel::kProtokolHatasi);
            QFAIL("hata bekleniyordu");
        } catch (const UzakHata& h) {
            QCOMPARE(h.sinif(), tel::kProtokolHatasi);
            QVERIFY(!h.mesaj().isEmpty());
        }
    }

private:
    template <typename T>
    std::unique_ptr<T> gidipGel(const T& k)
    {
        JsonYazici y;
        y.kayit(k);
        tel::JsonBelge belge;
        belge.coz(y.veri());
        return belge.kok().kayit<T>(tel::kProtokolHatasi);
    }
};

QTEST_APPLESS_MAIN(TstKayitlar)
#include "tst_kayitlar.moc"
