#include "rpcsunucusu.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <list>

namespace zelvar::rpc
{

namespace
{

// Large frame bodies are grown as their bytes arrive, so a bare length prefix cannot make the
// server reserve the whole frame limit.
constexpr qsizetype kIlkAyirma = 1 << 20;

} // namespace

class RpcBaglanti;

// ---- worker --------------------------------------------------------------------------------

class RpcIsci
{
public:
    RpcIsci(RpcSunucusu& sunucu, int no, const SunucuAyarlari& ayarlar, std::shared_ptr<const Dagitici> dagitici)
        : m_sunucu(sunucu), m_no(no), m_ayarlar(ayarlar), m_dagitici(std::move(dagitici))
    {
        m_thread.setObjectName(QStringLiteral("rpc-isci-%1").arg(no));
    }
    ~RpcIsci() { durdur(); }

    bool baslat(const KaynakUretici& uretici, QString& hata);
    void durdur();
    void baglantiVer(qintptr tanitici);
    int yuk() const { return m_yuk.load(); }

    // Used by connections, on the worker thread.
    const SunucuAyarlari& ayarlar() const { return m_ayarlar; }
    const Dagitici& dagitici() const { return *m_dagitici; }
    tel::JsonBelge& belge() { return *m_belge; }
    IsciKaynagi* kaynak() { return m_kaynak.get(); }
    void kaldir(RpcBaglanti* b);

private:
    void denetle();

    RpcSunucusu& m_sunucu;
    int m_no;
    SunucuAyarlari m_ayarlar;
    std::shared_ptr<const Dagitici> m_dagitici;
    QThread m_thread;
    QObject* m_nesne = nullptr; // lives on the worker thread; the target of queued work
    QTimer* m_zamanlayici = nullptr;
    std::unique_ptr<IsciKaynagi> m_kaynak;
    std::unique_ptr<tel::JsonBelge> m_belge;
    std::list<std::unique_ptr<RpcBaglanti>> m_baglantilar;
    std::atomic<int> m_yuk{0};
    bool m_calisiyor = false;
};

// ---- one connection ------------------------------------------------------------------------

class RpcBaglanti
{
public:
    RpcBaglanti(RpcIsci& isci, QTcpSocket* soket) : m_isci(isci), m_soket(soket)
    {
        m_saat.start();
        m_sonEtkinlik = m_saat.elapsed();
        m_soket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        QObject::connect(m_soket, &QTcpSocket::readyRead, m_soket, [this] { oku(); });
        QObject::connect(m_soket, &QTcpSocket::bytesWritten, m_soket, [this](qint64) { yazildi(); });
        QObject::connect(m_soket, &QTcpSocket::disconnected, m_soket, [this] { bitir(); });
        QObject::connect(m_soket, &QTcpSocket::errorOccurred, m_soket, [this](QAbstractSocket::SocketError) {
            if (m_soket->state() != QAbstractSocket::ConnectedState)
                bitir();
        });
    }

    ~RpcBaglanti()
    {
        m_soket->disconnect();
        m_soket->abort();
        delete m_soket;
    }

    void oku();
    void denetle();
    void kapatHemen()
    {
        m_soket->abort();
        bitir();
    }

private:
    void yaz(const QByteArray& govde);
    void yazildi();
    void protokolHatasi(const QString& mesaj);
    void nazikceKapat();
    void bitir();

    RpcIsci& m_isci;
    QTcpSocket* m_soket;
    QElapsedTimer m_saat;
    char m_onEk[4] = {};
    int m_onEkOkunan = 0;
    bool m_govdede = false;
    quint32 m_beklenen = 0;
    QByteArray m_govde;
    qint64 m_cerceveBasi = -1; // when the first byte of the frame in progress came
    qint64 m_yazmaBasi = -1;   // when the pending answer bytes last made progress
    qint64 m_sonEtkinlik = 0;
    qint64 m_kapanisBasi = -1;
    bool m_kapaniyor = false;
    bool m_bitti = false;
};

void RpcBaglanti::oku()
{
    if (m_bitti)
        return;
    if (m_kapaniyor) {
        m_soket->readAll(); // nothing more is read from a connection being closed
        return;
    }
    const quint32 sinir = m_isci.ayarlar().cerceveSiniri;
    for (;;) {
        if (!m_govdede) {
            const qint64 n = m_soket->read(m_onEk + m_onEkOkunan, 4 - m_onEkOkunan);
            if (n < 0) {
                kapatHemen();
                return;
            }
            if (n == 0)
                return;
            if (m_cerceveBasi < 0)
                m_cerceveBasi = m_saat.elapsed();
            m_onEkOkunan += static_cast<int>(n);
            if (m_onEkOkunan < 4)
                return;
            m_beklenen = tel::uzunlukOku(m_onEk);
            try {
                tel::uzunlukDenetle(m_beklenen, sinir);
            } catch (const UzakHata& h) {
                protokolHatasi(h.mesaj());
                return;
            }
            m_govde.clear();
            m_govde.reserve(std::min<qsizetype>(qsizetype(m_beklenen), kIlkAyirma));
            m_govdede = true;
        }
        const qint64 eksik = qint64(m_beklenen) - m_govde.size();
        const qint64 hazir = m_soket->bytesAvailable();
        if (hazir <= 0)
            return;
        const qint64 n = std::min(hazir, eksik);
        const qsizetype eski = m_govde.size();
        m_govde.resize(eski + n);
        const qint64 okunan = m_soket->read(m_govde.data() + eski, n);
        if (okunan < 0) {
            kapatHemen();
            return;
        }
        m_govde.resize(eski + okunan);
        if (m_govde.size() < qsizetype(m_beklenen))
            continue;

        m_govdede = false;
        m_onEkOkunan = 0;
        m_cerceveBasi = -1;
        bool kapat = false;
        const QByteArray cevap = m_isci.dagitici().isle(m_govde.constData(), size_t(m_govde.size()), m_isci.belge(),
                                                        m_isci.kaynak(), sinir, kapat);
        if (m_govde.capacity() > kIlkAyirma)
            m_govde = QByteArray();
        yaz(cevap);
        m_sonEtkinlik = m_saat.elapsed();
        if (kapat) {
            nazikceKapat();
            return;
        }
    }
}

void RpcBaglanti::yaz(const QByteArray& govde)
{
    if (m_bitti)
        return;
    m_soket->write(tel::uzunlukOnEki(quint32(govde.size())));
    m_soket->write(govde);
    m_soket->flush();
    if (m_soket->bytesToWrite() > 0 && m_yazmaBasi < 0)
        m_yazmaBasi = m_saat.elapsed();
}

void RpcBaglanti::yazildi()
{
    m_sonEtkinlik = m_saat.elapsed();
    m_yazmaBasi = m_soket->bytesToWrite() > 0 ? m_sonEtkinlik : -1;
}

void RpcBaglanti::protokolHatasi(const QString& mesaj)
{
    yaz(tel::hataCevabi(0, false, tel::kProtokolHatasi, mesaj));
    nazikceKapat();
}

void RpcBaglanti::nazikceKapat()
{
    if (m_kapaniyor || m_bitti)
        return;
    m_kapaniyor = true;
    m_kapanisBasi = m_saat.elapsed();
    m_soket->readAll();
    // Closes once the answer has been written out; `disconnected` then ends the connection.
    m_soket->disconnectFromHost();
}

void RpcBaglanti::bitir()
{
    if (m_bitti)
        return;
    m_bitti = true;
    m_isci.kaldir(this);
}

void RpcBaglanti::denetle()
{
    if (m_bitti)
        return;
    const qint64 simdi = m_saat.elapsed();
    const SunucuAyarlari& a = m_isci.ayarlar();
    if (m_kapaniyor) {
        if (simdi - m_kapanisBasi > a.yazmaSuresiMs)
            kapatHemen();
        return;
    }
    if (m_yazmaBasi >= 0 && simdi - m_yazmaBasi > a.yazmaSuresiMs) {
        kapatHemen();
        return;
    }
    if (m_cerceveBasi >= 0 && simdi - m_cerceveBasi > a.okumaSuresiMs) {
        protokolHatasi(QStringLiteral("İstek zamanında tamamlanmadı"));
        return;
    }
    if (m_cerceveBasi < 0 && m_yazmaBasi < 0 && simdi - m_sonEtkinlik > a.bostaSuresiMs)
        kapatHemen();
}

// ---- worker --------------------------------------------------------------------------------

bool RpcIsci::baslat(const KaynakUretici& uretici, QString& hata)
{
    m_thread.start();
    m_nesne = new QObject;
    m_nesne->moveToThread(&m_thread);
    bool tamam = false;
    QMetaObject::invokeMethod(
        m_nesne,
        [&] {
            try {
                if (uretici)
                    m_kaynak = uretici(m_no);
                m_belge = std::make_unique<tel::JsonBelge>();
                m_zamanlayici = new QTimer(m_nesne);
                const int enKisa =
                    std::min({m_ayarlar.okumaSuresiMs, m_ayarlar.bostaSuresiMs, m_ayarlar.yazmaSuresiMs});
                m_zamanlayici->setInterval(std::clamp(enKisa / 4, 10, 1000));
                QObject::connect(m_zamanlayici, &QTimer::timeout, m_nesne, [this] { denetle(); });
                m_zamanlayici->start();
                tamam = true;
            } catch (const std::exception& e) {
                hata = QString::fromUtf8(e.what());
            }
        },
        Qt::BlockingQueuedConnection);
    m_calisiyor = true;
    return tamam;
}

void RpcIsci::durdur()
{
    if (!m_calisiyor)
        return;
    m_calisiyor = false;
    QMetaObject::invokeMethod(
        m_nesne,
        [this] {
            // Connections go first: they may still be using the worker's resources.
            auto baglantilar = std::move(m_baglantilar);
            m_baglantilar.clear();
            baglantilar.clear();
            m_kaynak.reset();
            m_belge.reset();
            delete m_nesne; // with its timer
            m_nesne = nullptr;
        },
        Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void RpcIsci::baglantiVer(qintptr tanitici)
{
    ++m_yuk;
    QMetaObject::invokeMethod(
        m_nesne,
        [this, tanitici] {
            auto* soket = new QTcpSocket;
            if (!soket->setSocketDescriptor(tanitici)) {
                delete soket;
                --m_yuk;
                --m_sunucu.m_acikBaglanti;
                return;
            }
            m_baglantilar.push_back(std::make_unique<RpcBaglanti>(*this, soket));
            // Bytes may have come before the socket was watched.
            RpcBaglanti* b = m_baglantilar.back().get();
            if (soket->bytesAvailable() > 0)
                b->oku();
        },
        Qt::QueuedConnection);
}

void RpcIsci::kaldir(RpcBaglanti* b)
{
    // Removal is deferred: the connection may be inside one of its own signal handlers.
    QMetaObject::invokeMethod(
        m_nesne,
        [this, b] {
            auto it =
                std::find_if(m_baglantilar.begin(), m_baglantilar.end(), [b](const auto& p) { return p.get() == b; });
            if (it == m_baglantilar.end())
                return;
            m_baglantilar.erase(it);
            --m_yuk;
            --m_sunucu.m_acikBaglanti;
        },
        Qt::QueuedConnection);
}

void RpcIsci::denetle()
{
    if (m_baglantilar.empty())
        return;
    // A connection may end while it is checked; walk a snapshot.
    std::vector<RpcBaglanti*> liste;
    liste.reserve(m_baglantilar.size());
    for (auto& b : m_baglantilar)
        liste.push_back(b.get());
    for (RpcBaglanti* b : liste)
        b->denetle();
}

// ---- listener ------------------------------------------------------------------------------

class RpcDinleyici
{
public:
    explicit RpcDinleyici(RpcSunucusu& sunucu) : m_sunucu(sunucu)
    {
        m_thread.setObjectName(QStringLiteral("rpc-dinleyici"));
    }
    ~RpcDinleyici() { durdur(); }

    bool baslat(const QHostAddress& adres, quint16 port, quint16& verilen, QString& hata)
    {
        m_thread.start();
        m_nesne = new QObject;
        m_nesne->moveToThread(&m_thread);
        bool tamam = false;
        QMetaObject::invokeMethod(
            m_nesne,
            [&] {
                m_soket = new Dinleyici(m_sunucu, m_nesne);
                m_soket->setMaxPendingConnections(256);
                if (m_soket->listen(adres, port)) {
                    verilen = m_soket->serverPort();
                    tamam = true;
                } else {
                    hata = m_soket->errorString();
                }
            },
            Qt::BlockingQueuedConnection);
        m_calisiyor = true;
        return tamam;
    }

    void durdur()
    {
        if (!m_calisiyor)
            return;
        m_calisiyor = false;
        QMetaObject::invokeMethod(
            m_nesne,
            [this] {
                m_soket->close();
                delete m_nesne;
                m_nesne = nullptr;
            },
            Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

private:
    class Dinleyici : public QTcpServer
    {
    public:
        Dinleyici(RpcSunucusu& sunucu, QObject* ebeveyn) : QTcpServer(ebeveyn), m_sunucu(sunucu) {}

    protected:
        void incomingConnection(qintptr tanitici) override { m_sunucu.baglantiGeldi(tanitici); }

    private:
        RpcSunucusu& m_sunucu;
    };

    RpcSunucusu& m_sunucu;
    QThread m_thread;
    QObject* m_nesne = nullptr;
    Dinleyici* m_soket = nullptr;
    bool m_calisiyor = false;
};

// ---- server --------------------------------------------------------------------------------

int varsayilanIsciSayisi()
{
    return std::clamp(QThread::idealThreadCount() * 4, 4, 16);
}

RpcSunucusu::RpcSunucusu(SunucuAyarlari ayarlar, std::shared_ptr<const Dagitici> dagitici, KaynakUretici kaynakUretici)
    : m_ayarlar(std::move(ayarlar)), m_dagitici(std::move(dagitici)), m_kaynakUretici(std::move(kaynakUretici))
{
    m_ayarlar.isciSayisi = std::max(1, m_ayarlar.isciSayisi);
    m_ayarlar.okumaSuresiMs = std::max(1, m_ayarlar.okumaSuresiMs);
    m_ayarlar.bostaSuresiMs = std::max(1, m_ayarlar.bostaSuresiMs);
    m_ayarlar.yazmaSuresiMs = std::max(1, m_ayarlar.yazmaSuresiMs);
    m_ayarlar.cerceveSiniri = std::max<quint32>(16, m_ayarlar.cerceveSiniri);
}

RpcSunucusu::~RpcSunucusu()
{
    durdur();
}

bool RpcSunucusu::baslat(QString* hata)
{
    if (m_calisiyor)
        return true;
    QString neden;
    for (int i = 0; i < m_ayarlar.isciSayisi; ++i) {
        auto isci = std::make_unique<RpcIsci>(*this, i, m_ayarlar, m_dagitici);
        const bool tamam = isci->baslat(m_kaynakUretici, neden);
        m_isciler.push_back(std::move(isci));
        if (!tamam) {
            durdur();
            if (hata)
                *hata = neden;
            return false;
        }
    }
    m_dinleyici = std::make_unique<RpcDinleyici>(*this);
    if (!m_dinleyici->baslat(m_ayarlar.adres, m_ayarlar.port, m_port, neden)) {
        durdur();
        if (hata)
            *hata =
                QStringLiteral("%1:%2 dinlenemiyor: %3").arg(m_ayarlar.adres.toString()).arg(m_ayarlar.port).arg(neden);
        return false;
    }
    m_calisiyor = true;
    return true;
}

void RpcSunucusu::durdur()
{
    if (m_dinleyici)
        m_dinleyici->durdur();
    m_dinleyici.reset();
    for (auto& isci : m_isciler)
        isci->durdur();
    m_isciler.clear();
    m_calisiyor = false;
}

void RpcSunucusu::baglantiGeldi(qintptr tanitici)
{
    if (m_isciler.empty() || m_acikBaglanti.load() >= m_ayarlar.enFazlaBaglanti) {
        QTcpSocket fazla;
        if (fazla.setSocketDescriptor(tanitici))
            fazla.abort();
        return;
    }
    ++m_acikBaglanti;
    RpcIsci* enBos = m_isciler.front().get();
    for (auto& isci : m_isciler)
        if (isci->yuk() < enBos->yuk())
            enBos = isci.get();
    enBos->baglantiVer(tanitici);
}

} // namespace zelvar::rpc
