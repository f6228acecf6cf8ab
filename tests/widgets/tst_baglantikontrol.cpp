#include "widgets/baglantikontrol.h"

#include "remote/baglanti.h"
#include "widgets/mesaj.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMutex>
#include <QTcpServer>
#include <QTest>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <memory>

using namespace zelvar;

namespace {

// A loopback port nobody listens on: bound once to learn it, then released.
quint16 bosPort()
{
    QTcpServer s;
    if (!s.listen(QHostAddress::LocalHost, 0))
        return 0;
    const quint16 p = s.serverPort();
    s.close();
    return p;
}

std::unique_ptr<Baglanti> baglanti(quint16 port)
{
    auto b = std::make_unique<Baglanti>();
    b->Params()[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
    b->Params()[QStringLiteral("Port")] = QString::number(port);
    b->setBaglanmaSuresiMs(300);
    return b;
}

struct Mesaj {
    QString metin, baslik, odak;
    QStringList dugmeler;
    bool arayuzIpligi = false;
};

} // namespace

class TstBaglantiKontrol : public QObject {
    Q_OBJECT

    QMutex m_kilit;
    QList<int> m_beklemeler;
    QList<Mesaj> m_mesajlar;
    std::function<void(int)> m_beklemede; // extra step run at each wait (on the guard's thread)

    QList<int> beklemeler()
    {
        QMutexLocker k(&m_kilit);
        return m_beklemeler;
    }

private slots:
    void init()
    {
        m_beklemeler.clear();
        m_mesajlar.clear();
        m_beklemede = nullptr;
        setBaglantiBeklemesi([this](int ms) {
            int kacinci;
            {
                QMutexLocker k(&m_kilit);
                m_beklemeler << ms;
                kacinci = int(m_beklemeler.size());
            }
            if (m_beklemede)
                m_beklemede(kacinci);
        });
        setMesajCevaplayici([this](QMessageBox& kutu) {
            Mesaj m;
            m.metin = kutu.text();
            m.baslik = kutu.windowTitle();
            for (QAbstractButton* b : kutu.buttons())
                m.dugmeler << b->text();
            if (auto* b = qobject_cast<QAbstractButton*>(kutu.focusWidget()))
                m.odak = b->text();
            m.arayuzIpligi = QThread::currentThread() == qApp->thread();
            m_mesajlar << m;
            return QMessageBox::Ok;
        });
    }
    void cleanup()
    {
        setBaglantiBeklemesi(nullptr);
        setMesajCevaplayici({});
    }

    void vazgecer_data()
    {
        QTest::addColumn<int>("report");
        QTest::addColumn<int>("mesajSayisi");
        QTest::newRow("sessiz") << 0 << 0;
        QTest::newRow("raporlu") << 1 << 1;
        QTest::newRow("1 dışı sessizdir") << 2 << 0;
    }
    void vazgecer()
    {
        QFETCH(int, report);
        QFETCH(int, mesajSayisi);
        const quint16 port = bosPort();
        QVERIFY(port);
        auto b = baglanti(port);
        QCOMPARE(BaglantiKontrol(*b, report), false);
        QVERIFY(!b->Connected());
        // 11 attempts: each failure is followed by one 500 ms wait.
        QCOMPARE(beklemeler(), QList<int>(11, 500));
        QCOMPARE(m_mesajlar.size(), mesajSayisi);
        if (mesajSayisi) {
            const Mesaj& m = m_mesajlar.front();
            QCOMPARE(m.metin, QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
            QCOMPARE(m.baslik, QStringLiteral("Hata"));
            QCOMPARE(m.dugmeler, QStringList{QStringLiteral("Tamam")});
            QCOMPARE(m.odak, QStringLiteral("Tamam"));
        }
    }

    void iscidenRaporluMesajArayuzIpligindeBirKez()
    {
        const quint16 port = bosPort();
        QVERIFY(port);
        QFuture<bool> f = QtConcurrent::run([port] {
            auto b = baglanti(port);
            return BaglantiKontrol(*b, 1);
        });
        QTRY_VERIFY_WITH_TIMEOUT(f.isFinished(), 30000);
        QCOMPARE(f.result(), false);
        QCOMPARE(beklemeler().size(), 11);
        QCOMPARE(m_mesajlar.size(), 1);
        QVERIFY(m_mesajlar.front().arayuzIpligi);
    }

    void ucuncuDenemedeAcilir()
    {
        const quint16 port = bosPort();
        QVERIFY(port);
        QTcpServer sunucu;
        // The server comes up during the second wait, so the third attempt succeeds.
        m_beklemede = [&](int kacinci) {
            if (kacinci == 2)
                QVERIFY(sunucu.listen(QHostAddress::LocalHost, port));
        };
        auto b = baglanti(port);
        QCOMPARE(BaglantiKontrol(*b, 1), true);
        QVERIFY(b->Connected());
        QCOMPARE(beklemeler(), QList<int>(2, 500));
        QVERIFY(m_mesajlar.isEmpty());
        b->Close();
    }

    void acikBaglantiYenidenAcilir()
    {
        QTcpServer sunucu;
        QVERIFY(sunucu.listen(QHostAddress::LocalHost, 0));
        auto b = baglanti(sunucu.serverPort());
        b->Open();
        QVERIFY(b->Connected());
        QCOMPARE(BaglantiKontrol(*b, 0), true);
        QVERIFY(b->Connected());
        QVERIFY(beklemeler().isEmpty());
        b->Close();
    }
};

QTEST_MAIN(TstBaglantiKontrol)
#include "tst_baglantikontrol.moc"
