// The reference server as a process, over real TCP, through the client's own proxy: every
// method of the catalogue, the order path, rights, search and bad input.

#include "yardim_istemci.h"

#include "katalog.h"
#include "proxim.h"
#include "tel.h"
#include "testsunucusu.h"

#include <QDate>
#include <QFile>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <cmath>
#include <functional>

using namespace zelvar;

namespace
{

double yuvarla2(double v)
{
    return std::round(v * 100.0) / 100.0;
}

double oleBugun()
{
    return double(QDate(1899, 12, 30).daysTo(QDate::currentDate()));
}

} // namespace

class TstSunucu : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSunucusu> m_sunucu;
    TSonucBilgisi m_bayi;     // dealer, kind 0, account 5
    TSonucBilgisi m_personel; // staff, kind 2
    TSonucBilgisi m_bayi4;    // dealer, kind 4 (no campaigns)

    std::unique_ptr<Baglanti> ac() { return baglanti(m_sunucu->rpcPort()); }

    // An error from the server fails the test with its message instead of ending the program.
    template <typename F> void guvenli(F&& f)
    {
        try {
            f();
        } catch (const UzakHata& h) {
            QFAIL(qPrintable(QStringLiteral("%1: %2").arg(h.sinif(), h.mesaj())));
        }
    }

    TSonucBilgisi oturum(const QString& id)
    {
        auto b = ac();
        TServerMethods1Client p(*b);
        TSonucBilgisi k;
        k.Kopyala(*p.BuyukGetir(id));
        return k;
    }

    int ilkSiparis(int carino)
    {
        auto b = ac();
        TServerMethods1Client p(*b);
        const SonucTablosu t = p.OncekiSiparisler(carino);
        return t.bosMu() ? 0 : int(t.tamsayi(0, u"IDNO"));
    }

    // The statement row of the first movement of a kind.
    int hareket(int carino, const QString& tur)
    {
        auto b = ac();
        TServerMethods1Client p(*b);
        const SonucTablosu t = p.CariEkstreVer(carino);
        for (int r = 0; r < t.satirSayisi(); ++r)
            if (t.metin(r, u"TURADI") == tur)
                return int(t.tamsayi(r, u"IDNO"));
        return 0;
    }

    int sanalPosHareketi(int carino)
    {
        auto b = ac();
        TServerMethods1Client p(*b);
        const SonucTablosu t = p.CariEkstreVer(carino);
        for (int r = 0; r < t.satirSayisi(); ++r)
            if (t.metin(r, u"TURADI") == QLatin1String("Tahsilat") &&
                p.SanalposSiranoVer(int(t.tamsayi(r, u"IDNO"))) > 0)
                return int(t.tamsayi(r, u"IDNO"));
        return 0;
    }

private slots:
    void initTestCase()
    {
        guvenli([&] {
            m_sunucu = std::make_unique<TestSunucusu>(400, QMap<QString, QString>{}, testVeritabaniArgumanlari());
            QVERIFY2(m_sunucu->hazir(), qPrintable(m_sunucu->hata()));
            QVERIFY(m_sunucu->kaydet(QStringLiteral("TEST-BAYI"), QStringLiteral("TESTBAYI"), QStringLiteral("PAROLA1"),
                                     0, 5));
            QVERIFY(m_sunucu->kaydet(QStringLiteral("TEST-PERSONEL"), QStringLiteral("TESTYON"),
                                     QStringLiteral("PAROLA2"), 2, 1));
            QVERIFY(m_sunucu->kaydet(QStringLiteral("TEST-BAYI4"), QStringLiteral("TESTBAYI4"),
                                     QStringLiteral("PAROLA4"), 4, 6));
            m_bayi = oturum(QStringLiteral("TEST-BAYI"));
            m_personel = oturum(QStringLiteral("TEST-PERSONEL"));
            m_bayi4 = oturum(QStringLiteral("TEST-BAYI4"));
        });
    }

    void oturumKaydi()
    {
        guvenli([&] {
            QVERIFY(m_bayi.Varmi());
            QCOMPARE(m_bayi.ADI(), QStringLiteral("TESTBAYI"));
            QCOMPARE(m_bayi.SIFRE(), QStringLiteral("PAROLA1"));
            QCOMPARE(m_bayi.CARINO(), 5);
            QCOMPARE(m_bayi.AKTIF(), 1);
            QCOMPARE(m_bayi.MusteriTipi(), 0);
            QCOMPARE(m_bayi.Version(), 2);
            QVERIFY(m_bayi.Sirano() > 0);
            QVERIFY(!m_bayi.CariAdi().isEmpty());
            QVERIFY(!m_bayi.carikod().isEmpty());
            QVERIFY(!m_bayi.SaticiAdi().isEmpty());
            QCOMPARE(m_bayi.BILGISAYARID(), QStringLiteral("TEST-BAYI"));
            QCOMPARE(m_personel.MusteriTipi(), 2);

            const TSonucBilgisi yok = oturum(QStringLiteral("BILINMEYEN-ISTASYON"));
            QVERIFY(!yok.Varmi());
            QCOMPARE(yok.BILGISAYARID(), QStringLiteral("BILINMEYEN-ISTASYON"));
            QCOMPARE(yok.MusteriTipi(), 0);
            QCOMPARE(yok.Version(), 2);
            QCOMPARE(yok.Sirano(), 0);

            const TSonucBilgisi pasif = oturum(QStringLiteral("DEMO-PASIF"));
            QVERIFY(pasif.Varmi());
            QCOMPARE(pasif.AKTIF(), 0);
        });
    }

    void katalogunHerMetodu_data()
    {
        QTest::addColumn<QString>("metot");
        for (const MetotTanimi& m : metotKatalogu())
            QTest::newRow(m.ad.data()) << QString::fromUtf8(m.ad.data(), qsizetype(m.ad.size()));
    }

    // Each method answers through the client's proxy, which refuses a result of the wrong
    // kind; a few values are checked on the way.
    void katalogunHerMetodu()
    {
        guvenli([&] {
            QFETCH(QString, metot);
            const int carino = m_bayi.CARINO();
            const int siparis = ilkSiparis(carino);
            const int fatura = hareket(carino, QStringLiteral("Satış Faturası"));
            const int tahsilat = sanalPosHareketi(carino);
            QVERIFY(siparis > 0 && fatura > 0 && tahsilat > 0);
            auto bilgi = [](const TSonucBilgisi& k) { return kopyasi(k); };
            auto b = ac();
            TServerMethods1Client p(*b);
            qint64 boy = -1;
            const QHash<QString, std::function<void()>> cagrilar = {
                {"BuyukGetir", [&] { QVERIFY(p.BuyukGetir(QStringLiteral("TEST-BAYI"))->Varmi()); }},
                {"StokAraGetir",
                 [&] { QVERIFY(p.StokAraGetir(QStringLiteral("ZV00001"), bilgi(m_bayi)).satirSayisi() == 10); }},
                {"YenilerVer2", [&] { QVERIFY(p.YenilerVer2(carino).sutunBul(u"ESKIFIYAT") >= 0); }},
                {"KampanyaliVer2", [&] { QVERIFY(p.KampanyaliVer2(carino, 0).satirSayisi() > 0); }},
                {"AcilisEkranlarVer2", [&] { QCOMPARE(p.AcilisEkranlarVer2()->Ekranlar().size(), 5); }},
                {"SepetEkle2",
                 [&] {
                     QCOMPARE(p.SepetEkle2(bilgi(m_bayi), carino, 3, "ZV000002", "X", 1, 20, 1, 0, m_bayi.Sirano(), 0,
                                           0, 0, 0),
                              1);
                 }},
                {"ResimVer5",
                 [&] {
                     p.ResimVer5(1, boy);
                     QVERIFY(boy >= 0);
                 }},
                {"SepetVer2", [&] { QVERIFY(p.SepetVer2(carino).sutunBul(u"SEC") >= 0); }},
                {"CariVadeGunGecmismiBul", [&] { p.CariVadeGunGecmismiBul(carino); }},
                {"SepetGuncelle2",
                 [&] { QCOMPARE(p.SepetGuncelle2(bilgi(m_bayi), carino, 0, "", "", 2, 20, 1, 0, 0, -1, 0, 0, 0), 0); }},
                {"SepetSatirSil", [&] { QCOMPARE(p.SepetSatirSil(bilgi(m_bayi), -1, "yok"), 0); }},
                {"SepetHepsiniSil", [&] { QVERIFY(p.SepetHepsiniSil(bilgi(m_bayi4)) >= 0); }},
                {"SepetSecimGuncelle",
                 [&] {
                     const SonucTablosu s = p.SepetVer2(carino);
                     QVERIFY(!s.bosMu());
                     p.SepetSecimGuncelle(int(s.tamsayi(0, u"SIRANO")), 1);
                 }},
                {"TeslimVer", [&] { QCOMPARE(p.TeslimVer().satirSayisi(), 3); }},
                {"KargoVer", [&] { QCOMPARE(p.KargoVer().satirSayisi(), 3); }},
                {"KargolarVer", [&] { QCOMPARE(p.KargolarVer(3).satirSayisi(), 1); }},
                {"SiparisKaydet",
                 [&] { QCOMPARE(p.SiparisKaydet(bilgi(m_bayi4), m_bayi4.CARINO(), 1, 1, "", 0, 11), false); }},
                {"OncekiSiparisler", [&] { QVERIFY(p.OncekiSiparisler(carino).satirSayisi() >= 10); }},
                {"SiparisAyrintisi2", [&] { QVERIFY(p.SiparisAyrintisi2(carino, siparis).satirSayisi() >= 1); }},
                {"SiparisAytintisiDip", [&] { QVERIFY(!p.SiparisAytintisiDip(0, siparis)->Durumu().isEmpty()); }},
                {"CariEkstreVer", [&] { QVERIFY(p.CariEkstreVer(carino).satirSayisi() > 3); }},
                {"FaturaGetir", [&] { QVERIFY(p.FaturaGetir(carino, fatura).satirSayisi() >= 1); }},
                {"FaturaAltGetir", [&] { QCOMPARE(p.FaturaAltGetir(fatura).satirSayisi(), 1); }},
                {"Tahsilat", [&] { QCOMPARE(p.Tahsilat(tahsilat).satirSayisi(), 1); }},
                {"SanalposSiranoVer", [&] { QVERIFY(p.SanalposSiranoVer(tahsilat) > 0); }},
                {"SAnalPosPdfVer",
                 [&] { QVERIFY(p.SAnalPosPdfVer(p.SanalposSiranoVer(tahsilat), boy).startsWith("%PDF-")); }},
                {"BakiyelerVer2", [&] { QVERIFY(p.BakiyelerVer2(carino).satirSayisi() >= 1); }},
                {"BakiyeDuzenle", [&] { QCOMPARE(p.BakiyeDuzenle(bilgi(m_bayi), 0, -1, -1, 1, 1, ""), 0); }},
                {"BakiyeDegistir", [&] { QCOMPARE(p.BakiyeDegistir(bilgi(m_bayi), 0, -1, -1, 1, 1, ""), 0); }},
                {"BakiyeFiyatDegistir",
                 [&] { QCOMPARE(p.BakiyeFiyatDegistir(bilgi(m_personel), 0, -1, -1, 1, 1, "", 10, 0), 0); }},
                {"CariDurumVer", [&] { QVERIFY(p.CariDurumVer(carino).contains(QLatin1Char(','))); }},
                {"TumSiparislerVer", [&] { QVERIFY(p.TumSiparislerVer(carino, 0).satirSayisi() >= 10); }},
                {"RaporAlinanSiparisler",
                 [&] {
                     QVERIFY(p.RaporAlinanSiparisler(bilgi(m_personel), oleBugun() - 200, oleBugun()).satirSayisi() >
                             0);
                 }},
                {"RaporEnCokSatilanStoklar",
                 [&] {
                     QVERIFY(p.RaporEnCokSatilanStoklar(bilgi(m_personel), oleBugun() - 200, oleBugun()).satirSayisi() >
                             0);
                 }},
                {"CariAra", [&] { QCOMPARE(p.CariAra(bilgi(m_personel), "").satirSayisi(), 12); }},
                {"CariSepetVer", [&] { QVERIFY(p.CariSepetVer(bilgi(m_personel), 2).satirSayisi() > 0); }},
                {"SepetSayisi", [&] { QVERIFY(p.SepetSayisi(bilgi(m_personel)) > 0); }},
                {"TusSonuclariVer", [&] { QVERIFY(p.TusSonuclariVer(bilgi(m_personel))->SevkEdildi() > 0); }},
                {"RaporGetir",
                 [&] {
                     const QByteArray pdf =
                         p.RaporGetir(6, 6, m_personel.Sirano(), carino, "", oleBugun(), oleBugun(), boy);
                     QVERIFY(pdf.startsWith("%PDF-"));
                     QCOMPARE(boy, pdf.size());
                 }},
                {"KayanYaziGetir", [&] { QVERIFY(p.KayanYaziGetir().contains(QStringLiteral("Zelvar"))); }},
                {"BannerResimVer", [&] { QVERIFY(p.BannerResimVer(boy).startsWith("GIF89a")); }},
                {"BannerResimVer2", [&] { QVERIFY(p.BannerResimVer2(boy).startsWith("GIF89a")); }},
                {"BannerResimVer3", [&] { QVERIFY(p.BannerResimVer3(boy).startsWith("BM")); }},
                {"BalonGetir", [&] { QCOMPARE(p.BalonGetir(bilgi(m_bayi)).satirSayisi(), 1); }},
                {"AcilisReklamAdet", [&] { QCOMPARE(p.AcilisReklamAdet(), 5); }},
                {"AcilisREklamVer", [&] { QVERIFY(p.AcilisREklamVer(0)->Resim().startsWith(QStringLiteral("FFD8"))); }},
                {"MobilCariBilgisiGetir",
                 [&] { QCOMPARE(p.MobilCariBilgisiGetir(0, QStringLiteral("TEST-BAYI"))->CARINO(), carino); }},
                {"MailGonserCari",
                 [&] {
                     QCOMPARE(
                         p.MailGonserCari("TEST-BAYI", "b", "f", "", "", "", "", "", "", "", "", "", "", "", "", ""),
                         1);
                 }},
                {"MailGonserCariNormal",
                 [&] {
                     QCOMPARE(p.MailGonserCariNormal("TEST-BAYI", "b", "f", "", "", "", "", "", "", "", "", "", "", "",
                                                     "", "", "k"),
                              1);
                 }},
            };
            const auto it = cagrilar.constFind(metot);
            QVERIFY2(it != cagrilar.constEnd(), qPrintable(QStringLiteral("çağrısı yazılmamış metot: %1").arg(metot)));
            try {
                (*it)();
            } catch (const UzakHata& h) {
                QFAIL(qPrintable(QStringLiteral("%1: %2").arg(h.sinif(), h.mesaj())));
            }
        });
    }

    void siparisYolu()
    {
        guvenli([&] {
            const int carino = m_bayi.CARINO();
            auto b = ac();
            TServerMethods1Client p(*b);
            p.SepetHepsiniSil(kopyasi(m_bayi));
            QCOMPARE(p.SepetVer2(carino).satirSayisi(), 0);

            const SonucTablosu stok = p.StokAraGetir(QStringLiteral("ZV00002"), kopyasi(m_bayi));
            QCOMPARE(stok.satirSayisi(), 10);
            const int stoklar[] = {int(stok.tamsayi(0, u"STOK_STOKNO")), int(stok.tamsayi(3, u"STOK_STOKNO")),
                                   int(stok.tamsayi(6, u"STOK_STOKNO"))};
            const double miktarlar[] = {2, 3, 4};
            for (int i = 0; i < 3; ++i) {
                const int r = i * 3;
                // A dealer's own price and discount are ignored: the catalogue's are used.
                QCOMPARE(p.SepetEkle2(kopyasi(m_bayi), carino, stoklar[i], stok.metin(r, u"BARKOD"),
                                      stok.metin(r, u"ADI"), miktarlar[i], stok.ondalik(r, u"KDV"), 0.01, 99,
                                      m_bayi.Sirano(), int(stok.tamsayi(r, u"K")), 0, 0, 0),
                         1);
            }
            SonucTablosu sepet = p.SepetVer2(carino);
            QCOMPARE(sepet.satirSayisi(), 3);
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(sepet.tamsayi(i, u"STOKNO"), stoklar[i]);
                QCOMPARE(sepet.tamsayi(i, u"SEC"), 1);
                QCOMPARE(sepet.ondalik(i, u"BIRIMFIYAT"), stok.ondalik(i * 3, u"FIYAT"));
                const double tutar = sepet.ondalik(i, u"TUTAR");
                const double net = sepet.ondalik(i, u"NETTUTAR");
                QCOMPARE(tutar, yuvarla2(miktarlar[i] * sepet.ondalik(i, u"BIRIMFIYAT")));
                QCOMPARE(sepet.ondalik(i, u"INDIRIMTUTAR"), yuvarla2(tutar - net));
                QCOMPARE(sepet.ondalik(i, u"VERGITUTARI"), yuvarla2(net * double(sepet.tamsayi(i, u"KDV")) / 100.0));
                QCOMPARE(sepet.metin(i, u"INDIRIMYAZI"), stok.metin(i * 3, u"INDIRIMYAZI"));
                QCOMPARE(sepet.metin(i, u"VEREN"), m_bayi.ADI());
            }
            QVERIFY(sepet.ondalik(0, u"NETTUTAR") < sepet.ondalik(0, u"TUTAR")); // account 5 has discounts

            // The second line stays behind; the first gets a new quantity.
            const int kalacak = int(sepet.tamsayi(1, u"SIRANO"));
            p.SepetSecimGuncelle(kalacak, 0);
            QCOMPARE(p.SepetGuncelle2(kopyasi(m_bayi), carino, 0, sepet.metin(0, u"BARKOD"), sepet.metin(0, u"STOKADI"),
                                      5, double(sepet.tamsayi(0, u"KDV")), sepet.ondalik(0, u"BIRIMFIYAT"),
                                      sepet.ondalik(0, u"INDIRIMORANI1"), m_bayi.Sirano(),
                                      int(sepet.tamsayi(0, u"SIRANO")), sepet.ondalik(0, u"INDIRIMORANI2"),
                                      sepet.ondalik(0, u"INDIRIMORANI3"), sepet.ondalik(0, u"INDIRIMORANI4")),
                     1);
            sepet = p.SepetVer2(carino);
            QCOMPARE(sepet.ondalik(0, u"MIKTAR"), 5.0);
            QCOMPARE(sepet.tamsayi(1, u"SEC"), 0);
            double beklenenTutar = 0;
            double beklenenNet = 0;
            for (int i : {0, 2}) {
                beklenenTutar += sepet.ondalik(i, u"TUTAR");
                beklenenNet += sepet.ondalik(i, u"NETTUTAR");
            }

            const SonucTablosu teslim = p.TeslimVer();
            const SonucTablosu turler = p.KargoVer();
            const int tur = int(turler.tamsayi(1, 0));
            const SonucTablosu firmalar = p.KargolarVer(tur);
            QVERIFY(firmalar.satirSayisi() >= 2);
            QVERIFY(p.SiparisKaydet(kopyasi(m_bayi), carino, int(teslim.tamsayi(1, 0)), tur,
                                    QStringLiteral("Acil lütfen"), m_bayi.Sirano(),
                                    int(firmalar.tamsayi(0, u"SIRANO"))));

            sepet = p.SepetVer2(carino);
            QCOMPARE(sepet.satirSayisi(), 1);
            QCOMPARE(sepet.tamsayi(0, u"SIRANO"), kalacak);

            const SonucTablosu siparisler = p.OncekiSiparisler(carino);
            const int idno = int(siparisler.tamsayi(0, u"IDNO"));
            QCOMPARE(siparisler.metin(0, u"DURUM"), QStringLiteral("Alındı"));
            QCOMPARE(siparisler.metin(0, u"VEREN"), m_bayi.ADI());
            QCOMPARE(siparisler.metin(0, u"VERENINNOTU"), QStringLiteral("Acil lütfen"));
            QCOMPARE(siparisler.metin(0, u"KARGOADI"), firmalar.metin(0, u"ADI"));
            QCOMPARE(siparisler.ondalik(0, u"TUTAR"), yuvarla2(beklenenTutar));
            QCOMPARE(siparisler.ondalik(0, u"NETTUTAR"), yuvarla2(beklenenNet));

            const SonucTablosu satirlar = p.SiparisAyrintisi2(carino, idno);
            QCOMPARE(satirlar.satirSayisi(), 2);
            QCOMPARE(satirlar.tamsayi(0, u"STOKNO"), stoklar[0]);
            QCOMPARE(satirlar.ondalik(0, u"MIKTAR"), 5.0);
            QCOMPARE(satirlar.tamsayi(1, u"STOKNO"), stoklar[2]);
            QCOMPARE(satirlar.ondalik(1, u"KALAN"), 4.0);
            QCOMPARE(satirlar.ondalik(1, u"TESLIMEDILEN"), 0.0);
            // Another account's number does not open the order.
            QCOMPARE(p.SiparisAyrintisi2(carino + 1, idno).satirSayisi(), 0);

            TSiparisDipAyrinti* dip = p.SiparisAytintisiDip(0, idno);
            QCOMPARE(dip->Durumu(), QStringLiteral("Alındı"));
            QCOMPARE(dip->SizinMesaj(), QStringLiteral("Acil lütfen"));
            QCOMPARE(dip->KargoCinsi(), turler.metin(1, 1));
            QCOMPARE(dip->TeslimCinsi(), teslim.metin(1, 1));
            QCOMPARE(dip->Veren(), m_bayi.ADI());

            // Nothing ticked: nothing is ordered.
            QCOMPARE(p.SiparisKaydet(kopyasi(m_bayi), carino, 1, tur, QString(), m_bayi.Sirano(),
                                     int(firmalar.tamsayi(0, u"SIRANO"))),
                     false);
            QCOMPARE(p.OncekiSiparisler(carino).tamsayi(0, u"IDNO"), idno);

            const SonucTablosu bakiyeler = p.BakiyelerVer2(carino);
            int bulunan = 0;
            for (int r = 0; r < bakiyeler.satirSayisi(); ++r)
                bulunan += bakiyeler.tamsayi(r, u"IDNO") == idno;
            QCOMPARE(bulunan, 2);
            QCOMPARE(p.TumSiparislerVer(carino, stoklar[0]).tamsayi(0, u"IDNO"), idno);
        });
    }

    void siparisGecersizSecimler()
    {
        guvenli([&] {
            auto b = ac();
            TServerMethods1Client p(*b);
            const int carino = m_bayi.CARINO();
            QCOMPARE(p.SepetEkle2(kopyasi(m_bayi), carino, 7, "", "", 1, 20, 0, 0, 0, 0, 0, 0, 0), 1);
            // Company 31 belongs to cargo type 3, not 1.
            QVERIFY_THROWS_EXCEPTION(UzakHata, p.SiparisKaydet(kopyasi(m_bayi), carino, 1, 1, QString(), 0, 31));
            QVERIFY_THROWS_EXCEPTION(UzakHata, p.SiparisKaydet(kopyasi(m_bayi), carino, 99, 3, QString(), 0, 31));
            QVERIFY_THROWS_EXCEPTION(UzakHata,
                                     p.SepetEkle2(kopyasi(m_bayi), carino, 7, "", "", 0, 20, 0, 0, 0, 0, 0, 0, 0));
            QVERIFY_THROWS_EXCEPTION(UzakHata,
                                     p.SepetEkle2(kopyasi(m_bayi), carino, 7, "", "", -3, 20, 0, 0, 0, 0, 0, 0, 0));
            QCOMPARE(p.SepetEkle2(kopyasi(m_bayi), carino, 999999, "", "", 1, 20, 0, 0, 0, 0, 0, 0, 0), 0);
            QVERIFY_THROWS_EXCEPTION(UzakHata, p.SepetSecimGuncelle(-5, 1));
            QVERIFY(b->Connected());
        });
    }

    void yetkiler()
    {
        guvenli([&] {
            auto b = ac();
            TServerMethods1Client p(*b);
            auto dene = [&](const char* ne, const std::function<void()>& f) {
                try {
                    f();
                    QFAIL(qPrintable(QStringLiteral("%1 reddedilmeliydi").arg(QLatin1String(ne))));
                } catch (const UzakHata& h) {
                    QCOMPARE(h.sinif(), QStringLiteral("EServerError"));
                }
            };
            dene("başka carinin sepeti",
                 [&] { p.SepetEkle2(kopyasi(m_bayi), 1, 3, "", "", 1, 20, 1, 0, 0, 0, 0, 0, 0); });
            dene("oturumsuz sepet", [&] { p.SepetEkle2(nullptr, 5, 3, "", "", 1, 20, 1, 0, 0, 0, 0, 0, 0); });
            TSonucBilgisi sahte = m_bayi;
            sahte.setSirano(987654);
            dene("bilinmeyen kullanıcı", [&] { p.SepetHepsiniSil(kopyasi(sahte)); });
            dene("bayi cari arar", [&] { p.CariAra(kopyasi(m_bayi), ""); });
            dene("bayi sayaçları", [&] { p.TusSonuclariVer(kopyasi(m_bayi)); });
            dene("bayi fiyat değiştirir", [&] { p.BakiyeFiyatDegistir(kopyasi(m_bayi), 0, 1, 1, 1, 1, "", 1, 0); });
            qint64 boy = 0;
            dene("bayi rapor", [&] { p.RaporGetir(6, 6, m_bayi.Sirano(), 5, ".", oleBugun(), oleBugun(), boy); });
            const TSonucBilgisi pasif = oturum(QStringLiteral("DEMO-PASIF"));
            dene("pasif kullanıcı", [&] { p.SepetHepsiniSil(kopyasi(pasif)); });
            // Staff act for any account.
            TSonucBilgisi personel = m_personel;
            personel.setCARINO(7);
            QCOMPARE(p.SepetEkle2(kopyasi(personel), 7, 3, "", "", 1, 20, 123.45, 10, 0, 0, 0, 0, 0), 1);
            const SonucTablosu sepet = p.SepetVer2(7);
            QCOMPARE(sepet.ondalik(sepet.satirSayisi() - 1, u"BIRIMFIYAT"), 123.45);
            QCOMPARE(sepet.ondalik(sepet.satirSayisi() - 1, u"INDIRIMORANI1"), 10.0);
        });
    }

    void kampanyalarTip4()
    {
        guvenli([&] {
            auto b = ac();
            TServerMethods1Client p(*b);
            QCOMPARE(p.KampanyaliVer2(m_bayi4.CARINO(), 4).satirSayisi(), 0);
            const SonucTablosu hepsi = p.KampanyaliVer2(m_bayi4.CARINO(), 0);
            QVERIFY(hepsi.satirSayisi() > 0);
            const QString kod = hepsi.metin(0, u"BARKOD");
            const SonucTablosu normal = p.StokAraGetir(kod, kopyasi(m_bayi));
            const SonucTablosu tip4 = p.StokAraGetir(kod, kopyasi(m_bayi4));
            QCOMPARE(normal.tamsayi(0, u"K"), 1);
            QCOMPARE(normal.ondalik(0, u"FIYAT"), normal.ondalik(0, u"KAMPFIYAT"));
            QCOMPARE(tip4.tamsayi(0, u"K"), 0);
            QCOMPARE(tip4.ondalik(0, u"KAMPFIYAT"), 0.0);
            QCOMPARE(tip4.ondalik(0, u"FIYAT"), tip4.ondalik(0, u"LISTEFIYAT1"));
        });
    }

    void arama_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::newRow("Türkçe büyük harf") << QStringLiteral("FREN DİSKİ") << QStringLiteral("fren diski");
        QTest::newRow("noktasız I") << QStringLiteral("FREN DISKI") << QStringLiteral("Fren Dıskı");
        QTest::newRow("ş ç ğ") << QStringLiteral("ŞANZIMAN") << QStringLiteral("sanziman");
        QTest::newRow("marka") << QStringLiteral("DORVEN") << QStringLiteral("dorven");
        QTest::newRow("kelime başı") << QStringLiteral("AMORT") << QStringLiteral("amortisör");
    }

    void arama()
    {
        guvenli([&] {
            QFETCH(QString, a);
            QFETCH(QString, b);
            auto bag = ac();
            TServerMethods1Client p(*bag);
            const SonucTablosu ta = p.StokAraGetir(a, kopyasi(m_bayi));
            const SonucTablosu tb = p.StokAraGetir(b, kopyasi(m_bayi));
            QVERIFY(ta.satirSayisi() > 0);
            QCOMPARE(ta.satirSayisi(), tb.satirSayisi());
        });
    }

    void oemNumarasiAyraclariylaYaDaBitisik()
    {
        guvenli([&] {
            auto bag = ac();
            TServerMethods1Client p(*bag);
            const SonucTablosu t = p.StokAraGetir(QStringLiteral("ZV000123"), kopyasi(m_bayi));
            QCOMPARE(t.satirSayisi(), 1);
            const QString oem = t.metin(0, u"OEM1");
            QVERIFY(oem.contains(QLatin1Char(' ')));
            QString bitisik = oem;
            bitisik.remove(QLatin1Char(' '));
            for (const QString& aranan : {oem, bitisik, QString(oem).replace(QLatin1Char(' '), QLatin1Char('-'))}) {
                const SonucTablosu s = p.StokAraGetir(aranan, kopyasi(m_bayi));
                bool var = false;
                for (int r = 0; r < s.satirSayisi(); ++r)
                    var |= s.tamsayi(r, u"STOK_STOKNO") == t.tamsayi(0, u"STOK_STOKNO");
                QVERIFY2(var, qPrintable(aranan));
            }
        });
    }

    void sqlGibiAramalar_data()
    {
        QTest::addColumn<QString>("aranan");
        QTest::newRow("drop") << QStringLiteral("'; DROP TABLE stok; --");
        QTest::newRow("or") << QStringLiteral("\" OR 1=1 --");
        QTest::newRow("fts sözdizimi") << QStringLiteral("FREN* NEAR(a b) ^x \"");
        QTest::newRow("yalnız işaret") << QStringLiteral("%%__--;;");
        QTest::newRow("union") << QStringLiteral("x') UNION SELECT sifre FROM kullanici --");
        QTest::newRow("çok uzun") << QString(190, QLatin1Char('A'));
    }

    void sqlGibiAramalar()
    {
        guvenli([&] {
            QFETCH(QString, aranan);
            auto bag = ac();
            TServerMethods1Client p(*bag);
            const SonucTablosu t = p.StokAraGetir(aranan, kopyasi(m_bayi));
            QVERIFY(t.sutunBul(u"IND1") >= 0);
            for (int r = 0; r < t.satirSayisi(); ++r)
                QVERIFY(!t.metin(r, u"ADI").isEmpty());
            // The catalogue is intact afterwards.
            QCOMPARE(p.StokAraGetir(QStringLiteral("ZV00001"), kopyasi(m_bayi)).satirSayisi(), 10);
            QCOMPARE(p.CariAra(kopyasi(m_personel), aranan).sutunBul(u"CARINO"), 11);
        });
    }

    void hataliGirdiSunucuyuDurdurmaz_data()
    {
        QTest::addColumn<QByteArray>("bayt");
        QTest::addColumn<QString>("sinif");
        QTest::addColumn<bool>("kapanir");
        QTest::newRow("uzunluk 0") << QByteArray("\0\0\0\0", 4) << QStringLiteral("EProtocolError") << true;
        QTest::newRow("sınır üstü") << QByteArray("\x04\0\0\x01", 4) << QStringLiteral("EProtocolError") << true;
        QTest::newRow("JSON değil") << cerceve("\x01\x02garbage") << QStringLiteral("EProtocolError") << true;
        QTest::newRow("dizi") << cerceve("[{\"id\":1}]") << QStringLiteral("EProtocolError") << true;
        QTest::newRow("bilinmeyen metot") << cerceve(R"({"id":5,"method":"TServerMethods1.SistemiKapat","params":[]})")
                                          << QStringLiteral("EMethodNotFound") << false;
        QTest::newRow("eksik parametre") << cerceve(R"({"id":5,"method":"TServerMethods1.SepetVer2","params":[]})")
                                         << QStringLiteral("EParameterError") << false;
        QTest::newRow("yanlış tür") << cerceve(R"({"id":5,"method":"TServerMethods1.SepetVer2","params":["1"]})")
                                    << QStringLiteral("EParameterError") << false;
        QTest::newRow("fazla parametre") << cerceve(
                                                R"({"id":5,"method":"TServerMethods1.KayanYaziGetir","params":[1,2]})")
                                         << QStringLiteral("EParameterError") << false;
    }

    void hataliGirdiSunucuyuDurdurmaz()
    {
        guvenli([&] {
            QFETCH(QByteArray, bayt);
            QFETCH(QString, sinif);
            QFETCH(bool, kapanir);
            // Another client is connected all along and keeps being served.
            auto diger = ac();
            TServerMethods1Client p(*diger);
            QVERIFY(!p.KayanYaziGetir().isEmpty());

            HamBaglanti h(m_sunucu->rpcPort());
            h.gonder(bayt);
            const QJsonObject cevap = jsonNesne(h.cerceveOku());
            QCOMPARE(cevap.value(QStringLiteral("error")).toObject().value(QStringLiteral("class")).toString(), sinif);
            if (kapanir)
                QVERIFY(h.kapaniyor());
            else
                QVERIFY(h.bagli());

            QVERIFY(!p.KayanYaziGetir().isEmpty());
            QCOMPARE(p.TeslimVer().satirSayisi(), 3);
        });
    }

    void bakiyeDegisiklikleri()
    {
        guvenli([&] {
            auto b = ac();
            TServerMethods1Client p(*b);
            const int carino = m_bayi.CARINO();
            SonucTablosu t = p.BakiyelerVer2(carino);
            QVERIFY(t.satirSayisi() >= 2);
            const int sirano = int(t.tamsayi(0, u"SIRANO"));
            const double teslim = t.ondalik(0, u"TESLIMEDILEN");
            QCOMPARE(p.BakiyeDegistir(kopyasi(m_bayi), int(t.tamsayi(0, u"STOK_STOKNO")), sirano,
                                      int(t.tamsayi(0, u"STOKHAR_NO")), 7, 7, t.metin(0, u"BARKOD")),
                     1);
            auto satir = [&](int no) {
                const SonucTablosu s = p.TumSiparislerVer(carino, 0);
                for (int r = 0; r < s.satirSayisi(); ++r)
                    if (s.tamsayi(r, u"SIRANO") == no)
                        return r;
                return -1;
            };
            SonucTablosu hepsi = p.TumSiparislerVer(carino, 0);
            int r = satir(sirano);
            QCOMPARE(hepsi.ondalik(r, u"KALAN"), 7.0);
            QCOMPARE(hepsi.ondalik(r, u"MIKTAR"), teslim + 7);
            QCOMPARE(hepsi.ondalik(r, u"TUTAR"), yuvarla2((teslim + 7) * hepsi.ondalik(r, u"BIRIMFIYAT")));

            // Price change: kind 2 only.
            TSonucBilgisi personel = m_personel;
            personel.setCARINO(carino);
            QCOMPARE(p.BakiyeFiyatDegistir(kopyasi(personel), 0, sirano, sirano, 7, 7, "", 50, 10), 1);
            hepsi = p.TumSiparislerVer(carino, 0);
            r = satir(sirano);
            QCOMPARE(hepsi.ondalik(r, u"BIRIMFIYAT"), 50.0);
            QCOMPARE(hepsi.ondalik(r, u"INDIRIMORANI1"), 10.0);
            QVERIFY(hepsi.ondalik(r, u"ILKFIYAT") != 50.0);

            // Deleting the balance leaves what was delivered.
            QCOMPARE(p.BakiyeDuzenle(kopyasi(m_bayi), 0, sirano, sirano, 7, 7, ""), 1);
            t = p.BakiyelerVer2(carino);
            for (int k = 0; k < t.satirSayisi(); ++k)
                QVERIFY(t.tamsayi(k, u"SIRANO") != sirano);
            QVERIFY_THROWS_EXCEPTION(UzakHata, p.BakiyeDegistir(kopyasi(m_bayi), 0, sirano, sirano, 0, 0, ""));
        });
    }

    void ekstreVeBelgeler()
    {
        guvenli([&] {
            auto b = ac();
            TServerMethods1Client p(*b);
            const int carino = m_bayi.CARINO();
            const SonucTablosu e = p.CariEkstreVer(carino);
            double bakiye = 0;
            int faturaSatiri = -1;
            for (int r = 0; r < e.satirSayisi(); ++r) {
                bakiye = yuvarla2(bakiye + e.ondalik(r, u"BORC") - e.ondalik(r, u"ALACAK"));
                QCOMPARE(e.ondalik(r, u"BAKIYE"), bakiye);
                if (faturaSatiri < 0 && e.metin(r, u"TURADI") == QStringLiteral("Satış Faturası"))
                    faturaSatiri = r;
            }
            QVERIFY(faturaSatiri >= 0);
            QCOMPARE(e.metin(e.satirSayisi() - 1, u"D"), bakiye > 0   ? QStringLiteral("B")
                                                         : bakiye < 0 ? QStringLiteral("A")
                                                                      : QStringLiteral(" "));
            const int idno = int(e.tamsayi(faturaSatiri, u"IDNO"));
            const SonucTablosu alt = p.FaturaAltGetir(idno);
            QCOMPARE(alt.ondalik(0, u"KDVDAHIL"), e.ondalik(faturaSatiri, u"BORC"));
            QCOMPARE(alt.ondalik(0, u"KDVDAHIL"), yuvarla2(alt.ondalik(0, u"MATRAH") + alt.ondalik(0, u"KDVTUTAR")));
            const SonucTablosu satirlar = p.FaturaGetir(carino, idno);
            QVERIFY(satirlar.satirSayisi() > 0);
            QCOMPARE(satirlar.metin(satirlar.satirSayisi() - 1, u"EVRAKNO"), e.metin(faturaSatiri, u"EVRAK"));
            QCOMPARE(p.FaturaGetir(carino + 1, idno).satirSayisi(), 0);
            // The balance text is the statement's last balance in Turkish form.
            QCOMPARE(p.CariDurumVer(carino), QLocale(QLocale::Turkish, QLocale::Turkey).toString(bakiye, 'f', 2));
            QCOMPARE(p.CariDurumVer(99999), QString());
            // A sound account has no overdue warning, account 1 has.
            QCOMPARE(p.CariVadeGunGecmismiBul(2), QString());
            QVERIFY(p.CariVadeGunGecmismiBul(1).startsWith(QStringLiteral("Vadesi geçmiş")));
        });
    }

    void resimler()
    {
        guvenli([&] {
            auto b = ac();
            TServerMethods1Client p(*b);
            const SonucTablosu t = p.StokAraGetir(QStringLiteral("ZV0000"), kopyasi(m_bayi));
            int resimli = -1, resimsiz = -1;
            for (int r = 0; r < t.satirSayisi(); ++r)
                (t.tamsayi(r, u"RESIM") ? resimli : resimsiz) = int(t.tamsayi(r, u"STOK_STOKNO"));
            QVERIFY(resimli > 0 && resimsiz > 0);
            qint64 boy = -1;
            const QByteArray jpeg = p.ResimVer5(resimli, boy);
            QCOMPARE(boy, jpeg.size());
            QImage resim;
            QVERIFY(resim.loadFromData(jpeg, "JPEG"));
            QCOMPARE(resim.size(), QSize(480, 360));
            QCOMPARE(p.ResimVer5(resimli, boy), jpeg); // kept, not drawn again
            QCOMPARE(p.ResimVer5(resimsiz, boy).size(), 0);
            QCOMPARE(boy, 0);
            QCOMPARE(p.ResimVer5(-4, boy).size(), 0);
        });
    }

    void postaGidenKutusunda()
    {
        guvenli([&] {
            auto b = ac();
            TServerMethods1Client p(*b);
            QCOMPARE(p.MailGonserCariNormal("ID-POSTA", "Başlık ğüşiöç", "Firma", "A1", "A2", "İlçe", "Şehir", "T", "F",
                                            "VD", "VN", "Y", "K", "S", "M", "", "\"satır 1\",satır2"),
                     1);
            QSqlDatabase db = testVeritabaniAc(m_sunucu->veriKlasoru(), QStringLiteral("test-posta"));
            QVERIFY(db.isOpen());
            {
                QSqlQuery q(db);
                QVERIFY(q.exec(
                    QStringLiteral("SELECT baslik, konu, tur FROM giden_posta WHERE bilgisayarid = 'ID-POSTA'")));
                QVERIFY(q.next());
                QCOMPARE(q.value(0).toString(), QStringLiteral("Başlık ğüşiöç"));
                QCOMPARE(q.value(1).toString(), QStringLiteral("\"satır 1\",satır2"));
                QCOMPARE(q.value(2).toString(), QStringLiteral("mail"));
            }
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("test-posta"));
        });
    }

    void personelListeleri()
    {
        guvenli([&] {
            auto b = ac();
            TServerMethods1Client p(*b);
            const SonucTablosu hepsi = p.CariAra(kopyasi(m_personel), QString());
            QCOMPARE(hepsi.satirSayisi(), 12);
            const SonucTablosu bir = p.CariAra(kopyasi(m_personel), QStringLiteral("çukurova"));
            QCOMPARE(bir.satirSayisi(), 1);
            QCOMPARE(bir.metin(0, u"CARIADI"), QStringLiteral("Çukurova Parça Dünyası"));
            QCOMPARE(p.CariAra(kopyasi(m_personel), QStringLiteral("izmir")).satirSayisi(), 1);
            TTusSonuclari* tus = p.TusSonuclariVer(kopyasi(m_personel));
            const int alindi = tus->Alindi();
            QVERIFY(alindi > 0 && tus->Onaylandi() > 0 && tus->Goruldu() > 0 && tus->ParcaliHazirlandi() > 0 &&
                    tus->Hazirlandi() > 0 && tus->SevkEdildi() > 0);
            QCOMPARE(p.CariSepetVer(kopyasi(m_personel), 2).satirSayisi(), 12);
            QCOMPARE(p.CariSepetVer(kopyasi(m_personel), 1).satirSayisi(), p.SepetSayisi(kopyasi(m_personel)));
            QVERIFY_THROWS_EXCEPTION(UzakHata, p.CariSepetVer(kopyasi(m_personel), 9));
            qint64 boy = 0;
            QVERIFY(p.RaporGetir(6, 6, m_personel.Sirano(), 0, ".", oleBugun(), oleBugun(), boy).startsWith("%PDF-"));
            QVERIFY(
                p.RaporGetir(7, 7, m_personel.Sirano(), 5, "x", oleBugun() - 100, oleBugun(), boy).startsWith("%PDF-"));
            QVERIFY_THROWS_EXCEPTION(UzakHata,
                                     p.RaporGetir(3, 3, m_personel.Sirano(), 0, ".", oleBugun(), oleBugun(), boy));
        });
    }

    void sonlandirma()
    {
        guvenli([&] {
            QVERIFY(m_sunucu->durdur());
            QVERIFY(m_sunucu->gunluk().contains(QStringLiteral("durduruldu")));
        });
    }
};

QTEST_GUILESS_MAIN(TstSunucu)
#include "tst_sunucu.moc"
