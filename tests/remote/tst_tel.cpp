#include "jsonyazici.h"
#include "tel.h"

#include <QTest>

using namespace zelvar;

namespace {

SonucTablosu tabloOku(const QByteArray& json)
{
    tel::JsonBelge belge;
    belge.coz("{\"t\":" + json + "}");
    return belge.kok().uye("t").tablo(tel::kProtokolHatasi);
}

} // namespace

class TstTel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tabloButunTurleriOkur()
    {
        const QByteArray json = R"({"columns":[
            {"name":"STOK_STOKNO","type":"integer"},{"name":"ADI","type":"string","size":100},
            {"name":"FIYAT","type":"float"},{"name":"TUTAR","type":"currency"},{"name":"ORAN","type":"bcd"},
            {"name":"SEC","type":"boolean"},{"name":"NOT","type":"memo"},{"name":"TARIH","type":"date"},
            {"name":"SAAT","type":"time"},{"name":"ZAMAN","type":"datetime"},{"name":"RESIM","type":"blob"},
            {"name":"BUYUK","type":"largeint"}],
            "rows":[[1042,"FREN BALATASI ÖN",412.5,10,"-12.3400",true,"çok\nsatır","2026-12-11","08:30:05",
                     "2026-12-11T08:30:05","AAEC/w==",9007199254740992],
                    [1043,null,null,null,null,null,null,null,null,null,null,null]]})";
        const SonucTablosu t = tabloOku(json);
        QCOMPARE(t.sutunSayisi(), 12);
        QCOMPARE(t.satirSayisi(), 2);
        QCOMPARE(t.sutun(1).boyut, 100);
        QCOMPARE(t.sutun(2).tur, AlanTuru::Float);
        QCOMPARE(t.deger(0, 0), QVariant(1042));
        QCOMPARE(t.metin(0, 1), QStringLiteral("FREN BALATASI ÖN"));
        QCOMPARE(t.ondalik(0, 2), 412.5);
        QCOMPARE(t.ondalik(0, 3), 10.0);
        QCOMPARE(t.ondalik(0, 4), -12.34);
        QCOMPARE(t.metin(0, 4), QStringLiteral("-12.3400"));
        QCOMPARE(t.deger(0, 5), QVariant(true));
        QCOMPARE(t.metin(0, 6), QStringLiteral("çok\nsatır"));
        QCOMPARE(t.deger(0, 7).toDate(), QDate(2026, 12, 11));
        QCOMPARE(t.deger(0, 8).toTime(), QTime(8, 30, 5));
        QCOMPARE(t.deger(0, 9).toDateTime(), QDateTime(QDate(2026, 12, 11), QTime(8, 30, 5)));
        QCOMPARE(t.deger(0, 10).toByteArray(), QByteArray("\x00\x01\x02\xff", 4));
        QCOMPARE(t.tamsayi(0, 11), Q_INT64_C(9007199254740992));
        for (int c = 1; c < 12; ++c)
            QVERIFY2(t.bosHucre(1, c) && !t.deger(1, c).isValid(), qPrintable(t.sutun(c).ad));
        QCOMPARE(t.sutunBul(u"stok_stokno"), 0);
        QCOMPARE(t.sutunBul(u"YOK"), -1);
    }

    void tabloYazilipOkununcaAyniKalir()
    {
        SonucTablosu t;
        t.sutunEkle({QStringLiteral("NO"), AlanTuru::Integer});
        t.sutunEkle({QStringLiteral("AD"), AlanTuru::String, 40});
        t.sutunEkle({QStringLiteral("F"), AlanTuru::Float});
        t.sutunEkle({QStringLiteral("T"), AlanTuru::DateTime});
        for (int i = 0; i < 3; ++i) {
            const int r = t.satirEkle();
            t.yaz(r, 0, i);
            if (i != 1)
                t.yaz(r, 1, QStringLiteral("Satır \"%1\" ığüşöç").arg(i));
            t.yaz(r, 2, 0.1 * i);
            t.yaz(r, 3, QDateTime(QDate(2026, 1, 1 + i), QTime(23, 59, 59)));
        }
        JsonYazici y;
        tel::tabloYaz(y, t);
        const SonucTablosu geri = tabloOku(y.veri());
        QCOMPARE(geri.satirSayisi(), 3);
        QCOMPARE(geri.sutun(1).boyut, 40);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                QCOMPARE(geri.deger(r, c), t.deger(r, c));
    }

    void bozukTablolarReddedilir_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("tablo değil") << QByteArray("[1,2]");
        QTest::newRow("rows yok") << QByteArray(R"({"columns":[]})");
        QTest::newRow("bilinmeyen tür") << QByteArray(R"({"columns":[{"name":"A","type":"money"}],"rows":[]})");
        QTest::newRow("adsız sütun") << QByteArray(R"({"columns":[{"type":"integer"}],"rows":[]})");
        QTest::newRow("kısa satır") << QByteArray(R"({"columns":[{"name":"A","type":"integer"},{"name":"B","type":"integer"}],"rows":[[1]]})");
        QTest::newRow("uzun satır") << QByteArray(R"({"columns":[{"name":"A","type":"integer"}],"rows":[[1,2]]})");
        QTest::newRow("satır dizi değil") << QByteArray(R"({"columns":[{"name":"A","type":"integer"}],"rows":[{"A":1}]})");
        QTest::newRow("tamsayıya metin") << QByteArray(R"({"columns":[{"name":"A","type":"integer"}],"rows":[["1"]]})");
        QTest::newRow("tamsayıya kesir") << QByteArray(R"({"columns":[{"name":"A","type":"integer"}],"rows":[[1.5]]})");
        QTest::newRow("32 bit taşması") << QByteArray(R"({"columns":[{"name":"A","type":"integer"}],"rows":[[2147483648]]})");
        QTest::newRow("2^53 üstü") << QByteArray(R"({"columns":[{"name":"A","type":"largeint"}],"rows":[[9007199254740993]]})");
        QTest::newRow("bozuk tarih") << QByteArray(R"({"columns":[{"name":"A","type":"date"}],"rows":[["2026-13-45"]]})");
        QTest::newRow("bozuk base64") << QByteArray(R"({"columns":[{"name":"A","type":"blob"}],"rows":[["!!!"]]})");
        QTest::newRow("bayrağa sayı") << QByteArray(R"({"columns":[{"name":"A","type":"boolean"}],"rows":[[1]]})");
    }

    void bozukTablolarReddedilir()
    {
        QFETCH(QByteArray, json);
        QVERIFY_THROWS_EXCEPTION(UzakHata, tabloOku(json));
    }

    void belgeNesneOlmali_data()
    {
        QTest::addColumn<QByteArray>("govde");
        QTest::newRow("JSON değil") << QByteArray("merhaba");
        QTest::newRow("dizi") << QByteArray("[1]");
        QTest::newRow("sayı") << QByteArray("1");
        QTest::newRow("yarım") << QByteArray("{\"id\":1,");
        QTest::newRow("geçersiz UTF-8") << QByteArray("{\"a\":\"\xff\xfe\"}");
        QTest::newRow("boş") << QByteArray();
    }

    void belgeNesneOlmali()
    {
        QFETCH(QByteArray, govde);
        tel::JsonBelge belge;
        try {
            belge.coz(govde);
            QFAIL("hata bekleniyordu");
        } catch (const UzakHata& h) {
            QCOMPARE(h.sinif(), tel::kProtokolHatasi);
        }
    }

    void cerceveUzunlugu_data()
    {
        QTest::addColumn<quint32>("uzunluk");
        QTest::addColumn<bool>("gecerli");
        QTest::newRow("sıfır") << 0u << false;
        QTest::newRow("bir") << 1u << true;
        QTest::newRow("sınır") << 1024u << true;
        QTest::newRow("sınır üstü") << 1025u << false;
        QTest::newRow("en büyük") << 0xFFFFFFFFu << false;
    }

    void cerceveUzunlugu()
    {
        QFETCH(quint32, uzunluk);
        QFETCH(bool, gecerli);
        const QByteArray onEk = tel::uzunlukOnEki(uzunluk);
        QCOMPARE(onEk.size(), 4);
        QCOMPARE(tel::uzunlukOku(onEk.constData()), uzunluk);
        bool hataVar = false;
        try {
            tel::uzunlukDenetle(uzunluk, 1024);
        } catch (const UzakHata&) {
            hataVar = true;
        }
        QCOMPARE(hataVar, !gecerli);
    }

    void yaziciKacisVeSayilar()
    {
        JsonYazici y;
        y.nesneBasla();
        y.anahtar("s");
        y.metin(QStringLiteral("a\"b\\c\nd\x01 ğ"));
        y.anahtar("d");
        y.ondalik(0.1);
        y.anahtar("n");
        y.ondalik(-2.5e-10);
        y.anahtar("i");
        y.tamsayi(-9007199254740992);
        y.anahtar("b");
        y.diziBasla();
        y.mantiksal(false);
        y.bos();
        y.diziBitir();
        y.nesneBitir();
        QCOMPARE(y.veri(), QByteArray("{\"s\":\"a\\\"b\\\\c\\nd\\u0001 ğ\",\"d\":0.1,\"n\":-2.5e-10,"
                                   "\"i\":-9007199254740992,\"b\":[false,null]}"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, y.ondalik(qQNaN()));
    }

    void istekOkunur()
    {
        tel::JsonBelge belge;
        belge.coz(QByteArray(R"({"id":17,"method":"TServerMethods1.StokAraGetir","params":["FREN",null]})"));
        tel::Istek istek;
        tel::istekOku(belge, istek);
        QVERIFY(istek.idVar);
        QCOMPARE(istek.id, 17);
        QCOMPARE(istek.metot, QStringLiteral("StokAraGetir"));
        QCOMPARE(istek.parametreSayisi(), 2);
        QCOMPARE(istek.parametre(0).metin(tel::kParametreHatasi, "kod"), QStringLiteral("FREN"));
        QVERIFY(istek.parametre(1).bosMu());
        QVERIFY(!istek.parametre(2).gecerli());
    }

    void bozukIstekler_data()
    {
        QTest::addColumn<QByteArray>("govde");
        QTest::addColumn<QString>("sinif");
        QTest::addColumn<bool>("idVar");
        QTest::newRow("id yok") << QByteArray(R"({"method":"TServerMethods1.X","params":[]})") << tel::kProtokolHatasi << false;
        QTest::newRow("id metin") << QByteArray(R"({"id":"1","method":"TServerMethods1.X"})") << tel::kProtokolHatasi << false;
        QTest::newRow("metot yok") << QByteArray(R"({"id":1,"params":[]})") << tel::kProtokolHatasi << true;
        QTest::newRow("önek yok") << QByteArray(R"({"id":1,"method":"StokAraGetir","params":[]})") << tel::kMetotYok << true;
        QTest::newRow("params nesne") << QByteArray(R"({"id":1,"method":"TServerMethods1.X","params":{}})") << tel::kProtokolHatasi << true;
    }

    void bozukIstekler()
    {
        QFETCH(QByteArray, govde);
        QFETCH(QString, sinif);
        QFETCH(bool, idVar);
        tel::JsonBelge belge;
        belge.coz(govde);
        tel::Istek istek;
        try {
            tel::istekOku(belge, istek);
            QFAIL("hata bekleniyordu");
        } catch (const UzakHata& h) {
            QCOMPARE(h.sinif(), sinif);
        }
        QCOMPARE(istek.idVar, idVar);
    }

    void hataCevabiVeOkunmasi()
    {
        const QByteArray g = tel::hataCevabi(5, true, tel::kSunucuHatasi, QStringLiteral("Stok bulunamadı"));
        QCOMPARE(g, QByteArray(R"({"id":5,"error":{"class":"EServerError","message":"Stok bulunamadı"}})"));
        QCOMPARE(tel::hataCevabi(0, false, tel::kProtokolHatasi, QStringLiteral("x")),
                 QByteArray(R"({"id":null,"error":{"class":"EProtocolError","message":"x"}})"));
        tel::JsonBelge belge;
        belge.coz(g);
        tel::Cevap c;
        try {
            tel::cevapOku(belge, 5, c);
            QFAIL("hata bekleniyordu");
        } catch (const UzakHata& h) {
            QCOMPARE(h.sinif(), QStringLiteral("EServerError"));
            QCOMPARE(h.mesaj(), QStringLiteral("Stok bulunamadı"));
        }
    }

    void yanlisNumarali_cevap()
    {
        tel::JsonBelge belge;
        belge.coz(QByteArray(R"({"id":4,"result":1})"));
        tel::Cevap c;
        QVERIFY_THROWS_EXCEPTION(UzakHata, tel::cevapOku(belge, 5, c));
    }
};

QTEST_APPLESS_MAIN(TstTel)
#include "tst_tel.moc"
