#include "widgets/beklesin.h"

#include <QApplication>
#include <QSemaphore>
#include <QTest>
#include <QThread>

#include <atomic>

using namespace zelvar;

class TstBeklesin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_hatalar.clear();
        setArkaPlanHataBildirici([this](const QString& h) { m_hatalar << h; });
    }

    void arayuzParcasiArkaPlandanSonraArayuzIpligindeCalisir()
    {
        QThread* arkaIplik = nullptr;
        QThread* arayuzIpligi = nullptr;
        bool arkaBitti = false;
        bool sirayla = false;
        StartAsync([&] {
            arkaIplik = QThread::currentThread();
            QThread::msleep(20);
            arkaBitti = true;
        })->Await([&] {
            arayuzIpligi = QThread::currentThread();
            sirayla = arkaBitti;
        });
        QVERIFY(!arayuzIpligi); // Await returns at once
        QVERIFY(butunIslerBitsin(5000));
        QCOMPARE(arayuzIpligi, QThread::currentThread());
        QVERIFY(arkaIplik != QThread::currentThread());
        QVERIFY(sirayla);
        QVERIFY(m_hatalar.isEmpty());
    }

    void kacanHataBildirilirVeArayuzParcasiYineCalisir()
    {
        bool calisti = false;
        StartAsync([] { throw std::runtime_error("Sunucu cevap vermedi"); })->Await([&] { calisti = true; });
        QVERIFY(butunIslerBitsin(5000));
        QVERIFY(calisti);
        QCOMPARE(m_hatalar, QStringList{QStringLiteral("Sunucu cevap vermedi")});
    }

    void kapananPencereninParcasiAtlanir()
    {
        auto* pencere = new QObject;
        bool calisti = false;
        QSemaphore baslat;
        StartAsync([&] { baslat.acquire(); })->Await([&] { calisti = true; }, pencere);
        delete pencere;
        baslat.release();
        QVERIFY(butunIslerBitsin(5000));
        QVERIFY(!calisti);
        QCOMPARE(bekleyenIsSayisi(), 0);
    }

    // Loads wait on the network, so several must run at once even on two cores.
    void birdenFazlaIsAyniAndaCalisir()
    {
        constexpr int kAdet = 6;
        QSemaphore hepsiBasladi;
        QSemaphore birak;
        std::atomic<int> biten{0};
        for (int i = 0; i < kAdet; ++i)
            StartAsync([&] {
                hepsiBasladi.release();
                birak.acquire();
            })->Await([&] { ++biten; });
        QVERIFY(hepsiBasladi.tryAcquire(kAdet, 5000));
        birak.release(kAdet);
        QVERIFY(butunIslerBitsin(5000));
        QCOMPARE(biten.load(), kAdet);
    }

private:
    QStringList m_hatalar;
};

QTEST_MAIN(TstBeklesin)
#include "tst_beklesin.moc"
