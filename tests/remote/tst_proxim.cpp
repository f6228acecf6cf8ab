#include "baglanti.h"
#include "katalog.h"
#include "proxim.h"
#include "tel.h"
#include "sahtesunucu.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTest>

using namespace zelvar;

namespace {

std::unique_ptr<Baglanti> baglan(const SahteSunucu& s, int cagriMs = 5000)
{
    auto b = std::make_unique<Baglanti>();
    b->Params()[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
    b->Params()[QStringLiteral("Port")] = QString::number(s.port());
    b->setCagriSuresiMs(cagriMs);
    b->setBaglanmaSuresiMs(2000);
    b->Open();
    return b;
}

QJsonArray parametreler(const QByteArray& istek)
{
    return QJsonDocument::fromJson(istek).object().value(QStringLiteral("params")).toArray();
}

const QByteArray kTablo = R"({"columns":[{"name":"TESLIMNO","type":"integer"},{"name":"ADI","type":"string"}],"rows":[[1,"Gel Al"],[2,"Kargo"]]})";

} // namespace

class TstProxim : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parametresizMetotSonucuOkur()
    {
        SahteSunucu s([](const QByteArray& istek, bool&) { return SahteSunucu::sonucCevabi(istek, kTablo); });
        auto b = baglan(s);
        TServerMethods1Client p(*b);
        const SonucTablosu t = p.TeslimVer();
        QCOMPARE(t.satirSayisi(), 2);
        QCOMPARE(t.metin(1, u"ADI"), QStringLiteral("Kargo"));
        const QJsonObject istek = QJsonDocument::fromJson(s.istekler().value(0)).object();
        QCOMPARE(istek.value(QStringLiteral("method")).toString(), QStringLiteral("TServerMethods1.TeslimVer"));
        QCOMPARE(istek.value(QStringLiteral("params")).toArray().size(), 0);
    }

    void parametrelerBildirilenSirada()
    {
        SahteSunucu s([](const QByteArray& istek, bool&) { return SahteSunucu::sonucCevabi(istek, "7"); });
        auto b = baglan(s);
        TServerMethods1Client p(*b);
        TSonucBilgisi bilgi;
        bilgi.setCARINO(12);
        QCOMPARE(p.SepetEkle2(kopyasi(bilgi), 12, 1042, QStringLiteral("BRK"), QStringLiteral("FREN DİSKİ"), 2.0, 20.0,
                              412.5, 10.0, 3, 1, 5.0, 0.0, 0.5),
                 7);
        const QJsonArray pr = parametreler(s.istekler().value(0));
        QCOMPARE(pr.size(), 14);
        QCOMPARE(pr[0].toObject().value(QStringLiteral("type")).toString(), QStringLiteral("baglantiu.TSonucBilgisi"));
        QCOMPARE(pr[1].toInt(), 12);
        QCOMPARE(pr[2].toInt(), 1042);
        QCOMPARE(pr[4].toString(), QStringLiteral("FREN DİSKİ"));
        QCOMPARE(pr[7].toDouble(), 412.5);
        QCOMPARE(pr[10].toInt(), 1);
        QCOMPARE(pr[13].toDouble(), 0.5);
    }

    void eksikNesneNullGider()
    {
        SahteSunucu s([](const QByteArray& istek, bool&) { return SahteSunucu::sonucCevabi(istek, "3"); });
        auto b = baglan(s);
        TServerMethods1Client p(*b);
        QCOMPARE(p.SepetSayisi(nullptr), 3);
        const QByteArray istek = s.istekler().value(0);
        QVERIFY2(istek.contains("\"params\":[null]"), istek.constData());
    }

    void cikisParametresiVeAkis()
    {
        SahteSunucu s([](const QByteArray& istek, bool&) {
            return SahteSunucu::sonucCevabi(istek, "\"" + QByteArray("resim-baytlari").toBase64() + "\"", "[14]");
        });
        auto b = baglan(s);
        TServerMethods1Client p(*b);
        qint64 boy = -1;
        QCOMPARE(p.ResimVer5(1042, boy), QByteArray("resim-baytlari"));
        QCOMPARE(boy, 14);
    }

    void bosAkisSifirBoy()
    {
        SahteSunucu s([](const QByteArray& istek, bool&) { return SahteSunucu::sonucCevabi(istek, "\"\"", "[0]"); });
        auto b = baglan(s);
        TServerMethods1Client p(*b);
        qint64 boy = -1;
        QVERIFY(p.BannerResimVer(boy).isEmpty());
        QCOMPARE(boy, 0);
    }

    void nesneSonucuKomutaAittir()
    {
        int n = 0;
        SahteSunucu s([&n](const QByteArray& istek, bool&) {
            ++n;
            if (n == 3)
                return SahteSunucu::sonucCevabi(istek, "null");
            return SahteSunucu::sonucCevabi(
                istek, R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FADI":"ALİ","FVarmi":true,"FVersion":2}})");
        });
        auto b = baglan(s);
        TServerMethods1Client p(*b);
        TSonucBilgisi* ilk = p.BuyukGetir(QStringLiteral("ID1"));
        QVERIFY(ilk);
        QCOMPARE(ilk->ADI(), QStringLiteral("ALİ"));
        QCOMPARE(ilk->Version(), 2);
        TSonucBilgisi sakla;
        sakla.Kopyala(*ilk);
        const Komut* k = p.komut(u"BuyukGetir");
        QVERIFY(k);
        QVERIFY(p.BuyukGetir(QStringLiteral("ID1")));
        QCOMPARE(p.komut(u"BuyukGetir"), k); // the prepared command is reused
        QCOMPARE(k->calismaSayisi(), 2);
        QVERIFY(!p.BuyukGetir(QStringLiteral("ID1"))); // null arrives as no object
        QCOMPARE(sakla.ADI(), QStringLiteral("ALİ"));
        QVERIFY(!p.komut(u"TeslimVer"));
    }

    void sunucuHatasiSinifiVeMesajiyla()
    {
        SahteSunucu s([](const QByteArray& istek, bool&) {
            return SahteSunucu::cerceve("{\"id\":" + QByteArray::number(SahteSunucu::istekNo(istek)) +
                                        R"(,"error":{"class":"EServerError","message":"Stok bulunamadı"}})");
        });
        auto b = baglan(s);
        TServerMethods1Client p(*b);
        try {
            p.StokAraGetir(QStringLiteral("FREN"), nullptr);
            QFAIL("hata bekleniyordu");
        } catch (const UzakHata& h) {
            QCOMPARE(h.sinif(), QStringLiteral("EServerError"));
            QCOMPARE(h.mesaj(), QStringLiteral("Stok bulunamadı"));
        }
        QVERIFY(b->Connected()); // an error answer leaves the connection usable
    }

    void kapaliBaglantiReddedilir()
    {
        Baglanti b;
        QVERIFY_THROWS_EXCEPTION(UzakHata, TServerMethods1Client{b});
    }

    void kopyaAyniAyarlarlaKapaliBaslar()
    {
        Baglanti b;
        b.Params()[QStringLiteral("HostName")] = QStringLiteral("sunucu.example");
        b.setCagriSuresiMs(1234);
        b.setCerceveSiniri(999);
        const auto k = b.Clone();
        QCOMPARE(k->Params(), b.Params());
        QCOMPARE(k->cagriSuresiMs(), 1234);
        QCOMPARE(k->cerceveSiniri(), 999u);
        QVERIFY(!k->Connected());
        QCOMPARE(b.Params().value(QStringLiteral("Port")), QStringLiteral("9090"));
    }

    // Every malformed answer ends in a clear error and a closed connection, never a hang.
    void bozukCevaplar_data()
    {
        QTest::addColumn<QByteArray>("cevap");
        QTest::addColumn<bool>("kapat");
        QTest::addColumn<QString>("sinif");
        QTest::newRow("sıfır uzunluk") << QByteArray("\0\0\0\0", 4) << false << tel::kProtokolHatasi;
        QTest::newRow("sınır üstü") << QByteArray("\x7f\xff\xff\xff", 4) << false << tel::kProtokolHatasi;
        QTest::newRow("yarım çerçeve") << QByteArray("\0\0\0\x20{\"id\":1", 11) << true << tel::kBaglantiHatasi;
        QTest::newRow("JSON değil") << SahteSunucu::cerceve("bu json degil") << false << tel::kProtokolHatasi;
        QTest::newRow("dizi") << SahteSunucu::cerceve("[1,2,3]") << false << tel::kProtokolHatasi;
        QTest::newRow("yanlış tür") << QByteArray() << false << tel::kProtokolHatasi;
        QTest::newRow("cevapsız kapanış") << QByteArray() << true << tel::kBaglantiHatasi;
        QTest::newRow("sessiz sunucu") << QByteArray() << false << tel::kBaglantiHatasi;
    }

    void bozukCevaplar()
    {
        QFETCH(QByteArray, cevap);
        QFETCH(bool, kapat);
        QFETCH(QString, sinif);
        const bool yanlisTur = QByteArray(QTest::currentDataTag()) == "yanlış tür";
        const bool sessiz = QByteArray(QTest::currentDataTag()) == "sessiz sunucu";
        SahteSunucu s([&](const QByteArray& istek, bool& k) {
            k = kapat;
            if (yanlisTur)
                return SahteSunucu::sonucCevabi(istek, "\"yedi\"");
            return cevap;
        });
        auto b = baglan(s, sessiz ? 300 : 5000);
        b->setCerceveSiniri(1024 * 1024);
        TServerMethods1Client p(*b);
        QElapsedTimer sure;
        sure.start();
        try {
            p.AcilisReklamAdet();
            QFAIL("hata bekleniyordu");
        } catch (const UzakHata& h) {
            QCOMPARE(h.sinif(), sinif);
            QVERIFY(!h.mesaj().isEmpty());
        }
        QVERIFY(sure.elapsed() < 4000);
        if (!yanlisTur)
            QVERIFY(!b->Connected());
    }

    void baglanamayincaHata()
    {
        QTcpServer bos;
        QVERIFY(bos.listen(QHostAddress::LocalHost, 0));
        const quint16 port = bos.serverPort();
        bos.close();
        Baglanti b;
        b.Params()[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
        b.Params()[QStringLiteral("Port")] = QString::number(port);
        b.setBaglanmaSuresiMs(500);
        try {
            b.Open();
            QFAIL("hata bekleniyordu");
        } catch (const UzakHata& h) {
            QCOMPARE(h.sinif(), tel::kBaglantiHatasi);
        }
        QVERIFY(!b.Connected());
    }

    void katalogTam()
    {
        QCOMPARE(metotKatalogu().size(), size_t(49));
        const MetotTanimi* m = metotBul("RaporGetir");
        QVERIFY(m);
        QCOMPARE(m->girdiler.size(), size_t(7));
        QCOMPARE(m->ciktilar.size(), size_t(1));
        QCOMPARE(m->sonuc, DegerTuru::Akis);
        QCOMPARE(metotBul("SepetEkle2")->girdiler.size(), size_t(14));
        QCOMPARE(metotBul("MailGonserCariNormal")->girdiler.size(), size_t(17));
        QCOMPARE(metotBul("TeslimVer")->girdiler.size(), size_t(0));
        QVERIFY(!metotBul("Yok"));
    }
};

QTEST_GUILESS_MAIN(TstProxim)
#include "tst_proxim.moc"
