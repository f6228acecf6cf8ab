// The server side of the wire protocol, in process: framing, protocol errors, parameter checks
// against the catalogue, handler failures, time-outs and many clients at once.

#include "yardim_istemci.h"

#include "jsonyazici.h"
#include "proxim.h"
#include "rpc/rpcsunucusu.h"
#include "tel.h"

#include <QJsonArray>
#include <QTest>
#include <QThread>

#include <atomic>
#include <thread>

using namespace zelvar;

namespace
{

constexpr ParametreTanimi kYavasGirdi[] = {{"ms", DegerTuru::Integer, {}}};
constexpr MetotTanimi kYavas{"Yavas", kYavasGirdi, DegerTuru::Integer};
constexpr MetotTanimi kPatla{"Patla", {}, DegerTuru::Integer};
constexpr MetotTanimi kYanlisTur{"YanlisTur", {}, DegerTuru::Integer};
constexpr MetotTanimi kBuyuk{"Buyuk", kYavasGirdi, DegerTuru::String};

std::shared_ptr<rpc::Dagitici> dagitici()
{
    auto d = std::make_shared<rpc::Dagitici>();
    d->kaydet("KayanYaziGetir", [](rpc::IstekBaglami& b) { b.metinDon(u"kayan yazı"); });
    d->kaydet("SepetSecimGuncelle", [](rpc::IstekBaglami& b) {
        if (b.tamsayi(1) > 1)
            throw UzakHata(tel::kSunucuHatasi, QStringLiteral("Seçim 0 ya da 1 olmalı"));
    });
    d->kaydet("StokAraGetir", [](rpc::IstekBaglami& b) {
        static constexpr rpc::SutunTanimi s[] = {{"KOD", AlanTuru::String, 10}, {"SAHIP", AlanTuru::Integer}};
        rpc::TabloYazici& t = b.tabloBasla(s);
        t.satirBasla();
        t.metin(b.metin(0));
        t.tamsayi(b.bilgi(1) ? b.bilgi(1)->CARINO() : -1);
        t.satirBitir();
        t.bitir();
    });
    d->kaydet("ResimVer5", [](rpc::IstekBaglami& b) { b.akisDon(QByteArray(b.tamsayi(0), 'x')); });
    d->kaydet(kYavas, [](rpc::IstekBaglami& b) {
        QThread::msleep(ulong(b.tamsayi(0)));
        b.tamsayiDon(b.tamsayi(0));
    });
    d->kaydet(kPatla, [](rpc::IstekBaglami&) { throw std::runtime_error("disk dolu"); });
    d->kaydet(kYanlisTur, [](rpc::IstekBaglami& b) { b.metinDon(u"metin"); });
    d->kaydet(kBuyuk, [](rpc::IstekBaglami& b) { b.metinDon(QString(b.tamsayi(0), QLatin1Char('a'))); });
    return d;
}

QByteArray istek(const char* metot, const QByteArray& params, qint64 id = 7)
{
    return QByteArray("{\"id\":") + QByteArray::number(id) + ",\"method\":\"TServerMethods1." + metot +
           "\",\"params\":" + params + "}";
}

QString hataSinifi(const QByteArray& cevap)
{
    return jsonNesne(cevap).value(QStringLiteral("error")).toObject().value(QStringLiteral("class")).toString();
}

} // namespace

class TstProtokol : public QObject
{
    Q_OBJECT

    std::unique_ptr<rpc::RpcSunucusu> m_sunucu;

    std::unique_ptr<rpc::RpcSunucusu> sunucu(rpc::SunucuAyarlari a = {})
    {
        a.port = 0;
        a.isciSayisi = 3;
        auto s = std::make_unique<rpc::RpcSunucusu>(a, dagitici());
        QString hata;
        if (!s->baslat(&hata))
            qFatal("sunucu başlamadı: %s", qPrintable(hata));
        return s;
    }

    // The server still answers a well-formed call on a new connection.
    void halaCevapVeriyor()
    {
        auto b = baglanti(m_sunucu->port());
        TServerMethods1Client p(*b);
        QCOMPARE(p.KayanYaziGetir(), QStringLiteral("kayan yazı"));
    }

private slots:
    void initTestCase()
    {
        rpc::SunucuAyarlari a;
        a.cerceveSiniri = 4096;
        a.okumaSuresiMs = 400;
        m_sunucu = sunucu(a);
    }

    void cagriVeTurler()
    {
        auto b = baglanti(m_sunucu->port());
        TServerMethods1Client p(*b);
        auto bilgi = std::make_unique<TSonucBilgisi>();
        bilgi->setCARINO(42);
        const SonucTablosu t = p.StokAraGetir(QStringLiteral("FREN"), std::move(bilgi));
        QCOMPARE(t.satirSayisi(), 1);
        QCOMPARE(t.metin(0, u"KOD"), QStringLiteral("FREN"));
        QCOMPARE(t.tamsayi(0, u"SAHIP"), 42);
        // Texts in table cells survive the writer's escaping.
        const QString zor = QStringLiteral("a\"b\\c\nd\te\x01f/ğüşİÇ €");
        QCOMPARE(p.StokAraGetir(zor, nullptr).metin(0, u"KOD"), zor);
        // A missing record travels as null and reaches the handler as no object.
        QCOMPARE(p.StokAraGetir(QStringLiteral("X"), nullptr).tamsayi(0, u"SAHIP"), -1);
        qint64 boy = -1;
        QCOMPARE(p.ResimVer5(2048, boy).size(), 2048);
        QCOMPARE(boy, 2048);
        QCOMPARE(p.ResimVer5(0, boy).size(), 0);
        QCOMPARE(boy, 0);
        p.SepetSecimGuncelle(1, 1); // no result: "result": null
    }

    void hataliCerceveler_data()
    {
        QTest::addColumn<QByteArray>("bayt");
        QTest::addColumn<bool>("hataCercevesi");
        QTest::newRow("uzunluk 0") << QByteArray("\0\0\0\0", 4) << true;
        QTest::newRow("sınırın üstünde") << QByteArray("\0\0\x10\x01", 4) << true;
        QTest::newRow("JSON değil") << cerceve("bu json değil") << true;
        QTest::newRow("dizi") << cerceve("[1,2,3]") << true;
        QTest::newRow("yarım JSON") << cerceve("{\"id\":1,\"method\":") << true;
        QTest::newRow("UTF-8 değil") << cerceve("{\"id\":1,\"method\":\"\xff\xfe\"}") << true;
        QTest::newRow("id yok") << cerceve(R"({"method":"TServerMethods1.KayanYaziGetir","params":[]})") << true;
        QTest::newRow("method yok") << cerceve(R"({"id":3,"params":[]})") << true;
        QTest::newRow("params dizi değil")
            << cerceve(R"({"id":3,"method":"TServerMethods1.KayanYaziGetir","params":5})") << true;
    }

    void hataliCerceveler()
    {
        QFETCH(QByteArray, bayt);
        QFETCH(bool, hataCercevesi);
        HamBaglanti h(m_sunucu->port());
        h.gonder(bayt);
        const QByteArray cevap = h.cerceveOku();
        if (hataCercevesi) {
            QCOMPARE(hataSinifi(cevap), QStringLiteral("EProtocolError"));
            const QJsonObject o = jsonNesne(cevap);
            QVERIFY(o.contains(QStringLiteral("id")));
            QVERIFY(o.value(QStringLiteral("id")).isNull());
        }
        QVERIFY(h.kapaniyor());
        halaCevapVeriyor();
    }

    void yarimCerceveKapatilir()
    {
        // A frame cut short and the connection dropped: the server forgets it and serves on.
        {
            HamBaglanti h(m_sunucu->port());
            h.gonder(QByteArray("\0\0\0\x40{\"id\":1,", 12));
        }
        halaCevapVeriyor();
        // A frame that never completes is refused after the read time-out.
        HamBaglanti h(m_sunucu->port());
        h.gonder(QByteArray("\0\0\0\x40{\"id\":1,", 12));
        const QByteArray cevap = h.cerceveOku(3000);
        QCOMPARE(hataSinifi(cevap), QStringLiteral("EProtocolError"));
        QVERIFY(jsonNesne(cevap).value(QStringLiteral("id")).isNull());
        QVERIFY(h.kapaniyor(3000));
    }

    void yavasOnEk()
    {
        // Even the four length bytes count against the read time-out.
        HamBaglanti h(m_sunucu->port());
        h.gonder(QByteArray("\0\0", 2));
        QVERIFY(h.kapaniyor(3000));
    }

    void metotVeParametreHatalari_data()
    {
        QTest::addColumn<QByteArray>("govde");
        QTest::addColumn<QString>("sinif");
        QTest::newRow("bilinmeyen metot") << istek("Yok", "[]") << QStringLiteral("EMethodNotFound");
        QTest::newRow("önek yok") << QByteArray(R"({"id":7,"method":"KayanYaziGetir","params":[]})")
                                  << QStringLiteral("EMethodNotFound");
        QTest::newRow("fazla parametre") << istek("KayanYaziGetir", "[1]") << QStringLiteral("EParameterError");
        QTest::newRow("eksik parametre") << istek("SepetSecimGuncelle", "[1]") << QStringLiteral("EParameterError");
        QTest::newRow("params yok") << istek("SepetSecimGuncelle", "null") << QStringLiteral("EParameterError");
        QTest::newRow("metin yerine sayı") << istek("StokAraGetir", "[5,null]") << QStringLiteral("EParameterError");
        QTest::newRow("tamsayı yerine ondalık")
            << istek("SepetSecimGuncelle", "[1.5,1]") << QStringLiteral("EParameterError");
        QTest::newRow("32 biti aşan") << istek("SepetSecimGuncelle", "[4294967296,1]")
                                      << QStringLiteral("EParameterError");
        QTest::newRow("nesne yerine metin")
            << istek("StokAraGetir", R"(["a","b"])") << QStringLiteral("EParameterError");
        QTest::newRow("yanlış nesne tipi")
            << istek("StokAraGetir", R"(["a",{"type":"baglantiu.TTusSonuclari","id":1,"fields":{}}])")
            << QStringLiteral("EParameterError");
        QTest::newRow("alan türü yanlış")
            << istek("StokAraGetir", R"(["a",{"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":"x"}}])")
            << QStringLiteral("EParameterError");
        QTest::newRow("işleyici hatası") << istek("SepetSecimGuncelle", "[1,5]") << QStringLiteral("EServerError");
        QTest::newRow("işleyici istisnası") << istek("Patla", "[]") << QStringLiteral("EServerError");
        QTest::newRow("yanlış sonuç türü") << istek("YanlisTur", "[]") << QStringLiteral("EServerError");
        QTest::newRow("çerçeveyi aşan cevap") << istek("Buyuk", "[5000]") << QStringLiteral("EServerError");
    }

    void metotVeParametreHatalari()
    {
        QFETCH(QByteArray, govde);
        QFETCH(QString, sinif);
        // These are errors of one call, not of the connection: it stays open for the next.
        HamBaglanti h(m_sunucu->port());
        h.gonder(cerceve(govde));
        const QByteArray cevap = h.cerceveOku();
        QCOMPARE(hataSinifi(cevap), sinif);
        QCOMPARE(jsonNesne(cevap).value(QStringLiteral("id")).toInt(), 7);
        QVERIFY(!jsonNesne(cevap)
                     .value(QStringLiteral("error"))
                     .toObject()
                     .value(QStringLiteral("message"))
                     .toString()
                     .isEmpty());
        h.gonder(cerceve(istek("KayanYaziGetir", "[]", 8)));
        const QJsonObject sonraki = jsonNesne(h.cerceveOku());
        QCOMPARE(sonraki.value(QStringLiteral("id")).toInt(), 8);
        QCOMPARE(sonraki.value(QStringLiteral("result")).toString(), QStringLiteral("kayan yazı"));
    }

    void hataMesajiIstemciye()
    {
        auto b = baglanti(m_sunucu->port());
        TServerMethods1Client p(*b);
        try {
            p.SepetSecimGuncelle(1, 9);
            QFAIL("hata bekleniyordu");
        } catch (const UzakHata& h) {
            QCOMPARE(h.sinif(), QStringLiteral("EServerError"));
            QCOMPARE(h.mesaj(), QStringLiteral("Seçim 0 ya da 1 olmalı"));
        }
        QVERIFY(b->Connected());
        QCOMPARE(p.KayanYaziGetir(), QStringLiteral("kayan yazı"));
    }

    void sirayla()
    {
        // Requests sent back to back are answered one by one in their order.
        HamBaglanti h(m_sunucu->port());
        QByteArray hepsi;
        for (int i = 0; i < 20; ++i)
            hepsi += cerceve(istek("Yavas", "[" + QByteArray::number((20 - i) % 3) + "]", 100 + i));
        h.gonder(hepsi);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(jsonNesne(h.cerceveOku()).value(QStringLiteral("id")).toInt(), 100 + i);
    }

    void bostaKalanKapatilir()
    {
        rpc::SunucuAyarlari a;
        a.bostaSuresiMs = 200;
        auto s = sunucu(a);
        HamBaglanti h(s->port());
        h.gonder(cerceve(istek("KayanYaziGetir", "[]")));
        QVERIFY(!h.cerceveOku().isEmpty());
        QVERIFY(h.kapaniyor(3000));
        QTRY_COMPARE_WITH_TIMEOUT(s->acikBaglantiSayisi(), 0, 3000);
    }

    void baglantiSiniri()
    {
        rpc::SunucuAyarlari a;
        a.enFazlaBaglanti = 2;
        auto s = sunucu(a);
        HamBaglanti b1(s->port());
        HamBaglanti b2(s->port());
        QTRY_COMPARE_WITH_TIMEOUT(s->acikBaglantiSayisi(), 2, 3000);
        HamBaglanti fazla(s->port());
        QVERIFY(fazla.kapaniyor(3000));
        b1.gonder(cerceve(istek("KayanYaziGetir", "[]")));
        QVERIFY(!b1.cerceveOku().isEmpty());
    }

    void birlikteCokIstemci()
    {
        // Clients on several threads share the workers; every call gets its own answer.
        constexpr int kIstemci = 12;
        constexpr int kCagri = 150;
        std::atomic<int> hatalar{0};
        std::vector<std::thread> isler;
        const quint16 port = m_sunucu->port();
        for (int i = 0; i < kIstemci; ++i) {
            isler.emplace_back([&, i] {
                try {
                    auto b = baglanti(port);
                    TServerMethods1Client p(*b);
                    for (int k = 0; k < kCagri; ++k) {
                        qint64 boy = 0;
                        const int n = (i * kCagri + k) % 500;
                        if (p.ResimVer5(n, boy).size() != n || boy != n)
                            ++hatalar;
                    }
                } catch (...) {
                    ++hatalar;
                }
            });
        }
        for (auto& t : isler)
            t.join();
        QCOMPARE(hatalar.load(), 0);
    }

    void durdurmaAcikBaglantilarla()
    {
        auto s = sunucu();
        HamBaglanti h(s->port());
        h.gonder(QByteArray("\0\0\0\x10{", 5));
        QTRY_COMPARE_WITH_TIMEOUT(s->acikBaglantiSayisi(), 1, 3000);
        s->durdur();
        QVERIFY(h.kapaniyor(3000));
    }

    void cleanupTestCase() { m_sunucu.reset(); }
};

QTEST_GUILESS_MAIN(TstProtokol)
#include "tst_protokol.moc"
