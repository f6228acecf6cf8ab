// Twenty clients order at the same time, several of them for the same account: every basket
// line ends up in exactly one order or stays in the basket, and every accepted order is
// stored once.

#include "yardim_istemci.h"

#include "proxim.h"
#include "tel.h"
#include "testsunucusu.h"

#include <QHash>
#include <QTest>

#include <atomic>
#include <barrier>
#include <mutex>
#include <thread>

using namespace zelvar;

class TstYuk : public QObject
{
    Q_OBJECT

private slots:
    void yirmiIstemciSiparisVerir()
    {
        constexpr int kIstemci = 20;
        constexpr int kCari = 5;
        constexpr int kTur = 4;
        constexpr int kSatir = 3;

        TestSunucusu sunucu(300, {}, testVeritabaniArgumanlari());
        QVERIFY2(sunucu.hazir(), qPrintable(sunucu.hata()));
        const quint16 port = sunucu.rpcPort();
        QHash<int, TSonucBilgisi> oturumlar;
        QHash<int, int> ilkSiparis;
        for (int c = 1; c <= kCari; ++c) {
            const QString id = QStringLiteral("YUK-%1").arg(c);
            QVERIFY2(sunucu.kaydet(id, QStringLiteral("YUK%1").arg(c), QStringLiteral("P"), 0, c),
                     qPrintable(sunucu.hata()));
            auto b = baglanti(port);
            TServerMethods1Client p(*b);
            TSonucBilgisi k;
            k.Kopyala(*p.BuyukGetir(id));
            p.SepetHepsiniSil(kopyasi(k));
            ilkSiparis[c] = int(p.OncekiSiparisler(c).tamsayi(0, u"IDNO"));
            oturumlar.insert(c, k);
        }

        std::barrier baslangic(kIstemci);
        std::atomic<int> kabul{0};
        std::atomic<int> eklenen{0};
        std::mutex kilit;
        QStringList hatalar;
        std::vector<std::thread> isler;
        for (int i = 0; i < kIstemci; ++i) {
            isler.emplace_back([&, i] {
                const int carino = 1 + i % kCari;
                const TSonucBilgisi oturum = oturumlar.value(carino);
                baslangic.arrive_and_wait();
                try {
                    for (int tur = 0; tur < kTur; ++tur) {
                        // Each call on a new connection, as the client makes them.
                        for (int s = 0; s < kSatir; ++s) {
                            auto b = baglanti(port);
                            TServerMethods1Client p(*b);
                            // The quantity marks the line: client, round and line.
                            const double miktar = 1 + i * 100 + tur * 10 + s;
                            if (p.SepetEkle2(kopyasi(oturum), carino, 1 + (i * 7 + s) % 300, QString(), QString(),
                                             miktar, 20, 0, 0, oturum.Sirano(), 0, 0, 0, 0) == 1)
                                ++eklenen;
                        }
                        auto b = baglanti(port);
                        TServerMethods1Client p(*b);
                        if (p.SiparisKaydet(kopyasi(oturum), carino, 2, 1, QStringLiteral("yük %1/%2").arg(i).arg(tur),
                                            oturum.Sirano(), 11))
                            ++kabul;
                    }
                } catch (const UzakHata& h) {
                    std::lock_guard k(kilit);
                    hatalar << QStringLiteral("istemci %1: %2 %3").arg(i).arg(h.sinif(), h.mesaj());
                }
            });
        }
        for (auto& t : isler)
            t.join();
        QVERIFY2(hatalar.isEmpty(), qPrintable(hatalar.join(QLatin1Char('\n'))));
        QCOMPARE(eklenen.load(), kIstemci * kTur * kSatir);

        // Every added quantity once: in a new order or still in the basket.
        QHash<int, int> goruldu;
        int yeniSiparis = 0;
        auto b = baglanti(port);
        TServerMethods1Client p(*b);
        for (int c = 1; c <= kCari; ++c) {
            const SonucTablosu siparisler = p.OncekiSiparisler(c);
            for (int r = 0; r < siparisler.satirSayisi(); ++r) {
                const int idno = int(siparisler.tamsayi(r, u"IDNO"));
                if (idno <= ilkSiparis[c])
                    continue;
                ++yeniSiparis;
                const SonucTablosu satirlar = p.SiparisAyrintisi2(c, idno);
                QVERIFY2(satirlar.satirSayisi() > 0, "boş sipariş");
                for (int k = 0; k < satirlar.satirSayisi(); ++k)
                    ++goruldu[int(satirlar.ondalik(k, u"MIKTAR"))];
            }
            const SonucTablosu sepet = p.SepetVer2(c);
            for (int k = 0; k < sepet.satirSayisi(); ++k)
                ++goruldu[int(sepet.ondalik(k, u"MIKTAR"))];
        }
        QCOMPARE(yeniSiparis, kabul.load());
        QVERIFY(kabul.load() > 0);
        QCOMPARE(goruldu.size(), kIstemci * kTur * kSatir);
        for (auto it = goruldu.cbegin(); it != goruldu.cend(); ++it)
            QVERIFY2(it.value() == 1, qPrintable(QStringLiteral("miktar %1: %2 kez").arg(it.key()).arg(it.value())));
        QVERIFY(sunucu.durdur());
    }
};

QTEST_GUILESS_MAIN(TstYuk)
#include "tst_yuk.moc"
