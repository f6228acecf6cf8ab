#include "remote/baglanti.h"
#include "sahtesunucu.h"
#include "widgets/baglantikontrol.h"
#include "widgets/beklesin.h"
#include "widgets/izgara.h"
#include "widgets/mesaj.h"
#include "widgets/mesgul.h"
#include "widgets/sekmeyukle.h"

#include <QApplication>
#include <QTcpServer>
#include <QTest>

#include <atomic>

using namespace zelvar;

namespace {

const QByteArray kTablo =
    R"({"columns":[{"name":"IDNO","type":"integer"},{"name":"TUTAR","type":"float"},{"name":"KUR","type":"currency"}],)"
    R"("rows":[[1,1234.5,2.5],[2,10,1]]})";

} // namespace

class TstSekmeYukle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_mesajlar.clear();
        setMesajCevaplayici([this](QMessageBox& k) {
            m_mesajlar << k.windowTitle() + QLatin1Char('|') + k.text();
            return QMessageBox::Ok;
        });
        m_bekleme = 0;
        setBaglantiBeklemesi([this](int) { ++m_bekleme; });
    }

    void cleanup()
    {
        setMesajCevaplayici({});
        setBaglantiBeklemesi({});
    }

    void basariliYuklemeTabloyuIzgarayaVerir()
    {
        SahteSunucu s([](const QByteArray& istek, bool&) { return SahteSunucu::sonucCevabi(istek, kTablo); });
        Baglanti bagc;
        bagc.Params()[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
        bagc.Params()[QStringLiteral("Port")] = QString::number(s.port());
        QWidget pencere;
        auto* izgara = new Izgara(&pencere);
        izgara->setSutunlar({{QStringLiteral("IDNO"), QStringLiteral("No")},
                             {QStringLiteral("TUTAR"), QStringLiteral("Tutar")}});
        auto* gosterge = new MesgulGostergesi(&pencere);
        bool sonraHata = true;
        SekmeYukle(bagc, {&pencere, izgara, gosterge,
                          [](TServerMethods1Client& p) { return p.OncekiSiparisler(5); },
                          [&](bool hata) { sonraHata = hata; }});
        QVERIFY(gosterge->isVisibleTo(&pencere));
        QVERIFY(!izgara->isEnabled());
        QVERIFY(butunIslerBitsin(10000));
        QVERIFY(izgara->isEnabled());
        QVERIFY(!gosterge->isVisibleTo(&pencere));
        QVERIFY(!sonraHata);
        QCOMPARE(izgara->tablo().satirSayisi(), 2);
        // Only the plain floating-point column gets the money format.
        QCOMPARE(izgara->tablo().sutun(1).gosterimBicimi, QStringLiteral("#,###,##0.00"));
        QVERIFY(izgara->tablo().sutun(2).gosterimBicimi.isEmpty());
        QVERIFY(m_mesajlar.isEmpty());
        QVERIFY(!bagc.Connected()); // the main connection is never used by a background load
    }

    void sunucuYoksaGridAcilirVeMesajBirKez()
    {
        QTcpServer bos;
        QVERIFY(bos.listen(QHostAddress::LocalHost, 0));
        const quint16 port = bos.serverPort();
        bos.close();
        Baglanti bagc;
        bagc.Params()[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
        bagc.Params()[QStringLiteral("Port")] = QString::number(port);
        QWidget pencere;
        auto* izgara = new Izgara(&pencere);
        auto* gosterge = new MesgulGostergesi(&pencere);
        bool sonraHata = false;
        SekmeYukle(bagc, {&pencere, izgara, gosterge, [](TServerMethods1Client& p) { return p.TeslimVer(); },
                          [&](bool hata) { sonraHata = hata; }});
        QVERIFY(butunIslerBitsin(20000));
        QVERIFY(sonraHata);
        QVERIFY(izgara->isEnabled());
        QVERIFY(!gosterge->isVisibleTo(&pencere));
        QCOMPARE(m_bekleme.load(), 11); // the silent guard tried 11 times
        QCOMPARE(m_mesajlar, QStringList{QStringLiteral("Hata|Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!")});
    }

    void sunucuHatasiDaBaglantiMesajiVerir()
    {
        SahteSunucu s([](const QByteArray& istek, bool&) {
            return SahteSunucu::cerceve("{\"id\":" + QByteArray::number(SahteSunucu::istekNo(istek)) +
                                        R"(,"error":{"class":"EServerError","message":"Veritabanı kilitli"}})");
        });
        Baglanti bagc;
        bagc.Params()[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
        bagc.Params()[QStringLiteral("Port")] = QString::number(s.port());
        QWidget pencere;
        auto* izgara = new Izgara(&pencere);
        SekmeYukle(bagc, {&pencere, izgara, nullptr, [](TServerMethods1Client& p) { return p.KargoVer(); }, {}});
        QVERIFY(butunIslerBitsin(10000));
        QCOMPARE(m_mesajlar, QStringList{QStringLiteral("Hata|Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!")});
        QCOMPARE(m_bekleme.load(), 0);
    }

private:
    QStringList m_mesajlar;
    std::atomic<int> m_bekleme{0};
};

QTEST_MAIN(TstSekmeYukle)
#include "tst_sekmeyukle.moc"
