#include "baglanti.h"

#include "tel.h"

#include <QDeadlineTimer>
#include <QTcpSocket>

namespace zelvar {

Baglanti::Baglanti() : m_cerceveSiniri(tel::kVarsayilanCerceveSiniri)
{
    m_params = {
        {QStringLiteral("CommunicationProtocol"), QStringLiteral("tcp/ip")},
        {QStringLiteral("Port"), QStringLiteral("9090")},
        {QStringLiteral("HostName"), QStringLiteral("localhost")},
        {QStringLiteral("Filters"), QStringLiteral("{}")},
    };
}

Baglanti::~Baglanti() = default;

std::unique_ptr<Baglanti> Baglanti::Clone() const
{
    auto k = std::make_unique<Baglanti>();
    k->m_params = m_params;
    k->m_baglanmaSuresiMs = m_baglanmaSuresiMs;
    k->m_cagriSuresiMs = m_cagriSuresiMs;
    k->m_cerceveSiniri = m_cerceveSiniri;
    return k;
}

bool Baglanti::Connected() const
{
    return m_soket && m_soket->state() == QAbstractSocket::ConnectedState;
}

void Baglanti::Close()
{
    if (!m_soket)
        return;
    m_soket->abort();
    m_soket.reset();
}

void Baglanti::kapatVeHata(const QString& sinif, const QString& mesaj)
{
    Close();
    throw UzakHata(sinif, mesaj);
}

void Baglanti::Open()
{
    Close();
    const QString host = m_params.value(QStringLiteral("HostName"));
    bool sayi = false;
    const uint port = m_params.value(QStringLiteral("Port")).toUInt(&sayi);
    if (host.isEmpty() || !sayi || port == 0 || port > 65535)
        throw UzakHata(tel::kBaglantiHatasi, QStringLiteral("Geçersiz sunucu adresi: %1:%2")
                                                 .arg(host, m_params.value(QStringLiteral("Port"))));
    m_soket = std::make_unique<QTcpSocket>();
    m_soket->connectToHost(host, static_cast<quint16>(port));
    if (!m_soket->waitForConnected(m_baglanmaSuresiMs)) {
        const QString neden = m_soket->error() == QAbstractSocket::SocketTimeoutError
                                  ? QStringLiteral("zaman aşımı")
                                  : m_soket->errorString();
        kapatVeHata(tel::kBaglantiHatasi, QStringLiteral("%1:%2 sunucusuna bağlanılamadı (%3)").arg(host).arg(port).arg(neden));
    }
    m_soket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
}

void Baglanti::okuTam(char* hedef, qint64 uzunluk, qint64 bitisMs)
{
    const QDeadlineTimer bitis(bitisMs);
    qint64 okunan = 0;
    while (okunan < uzunluk) {
        if (m_soket->bytesAvailable() == 0) {
            if (m_soket->state() != QAbstractSocket::ConnectedState)
                kapatVeHata(tel::kBaglantiHatasi, QStringLiteral("Sunucu bağlantıyı kapattı"));
            const qint64 kalan = bitis.remainingTime();
            if (kalan == 0 || !m_soket->waitForReadyRead(static_cast<int>(kalan))) {
                if (m_soket->error() == QAbstractSocket::RemoteHostClosedError ||
                    m_soket->state() != QAbstractSocket::ConnectedState)
                    kapatVeHata(tel::kBaglantiHatasi, QStringLiteral("Sunucu bağlantıyı kapattı"));
                kapatVeHata(tel::kBaglantiHatasi, QStringLiteral("Sunucu zamanında cevap vermedi"));
            }
            continue;
        }
        const qint64 n = m_soket->read(hedef + okunan, uzunluk - okunan);
        if (n < 0)
            kapatVeHata(tel::kBaglantiHatasi, m_soket->errorString());
        okunan += n;
    }
}

QByteArray Baglanti::istekGonder(const QByteArray& govde)
{
    if (!Connected())
        throw UzakHata(tel::kBaglantiHatasi, QStringLiteral("Bağlantı açık değil"));
    if (govde.isEmpty() || static_cast<quint64>(govde.size()) > m_cerceveSiniri)
        throw UzakHata(tel::kProtokolHatasi, QStringLiteral("İstek çerçeve sınırını aşıyor"));
    const QDeadlineTimer bitis(m_cagriSuresiMs);
    m_soket->write(tel::uzunlukOnEki(static_cast<quint32>(govde.size())));
    m_soket->write(govde);
    while (m_soket->bytesToWrite() > 0) {
        const qint64 kalan = bitis.remainingTime();
        if (kalan == 0 || !m_soket->waitForBytesWritten(static_cast<int>(kalan)))
            kapatVeHata(tel::kBaglantiHatasi, QStringLiteral("İstek gönderilemedi: %1").arg(m_soket->errorString()));
    }
    char onEk[4];
    okuTam(onEk, 4, bitis.remainingTime());
    const quint32 uzunluk = tel::uzunlukOku(onEk);
    try {
        tel::uzunlukDenetle(uzunluk, m_cerceveSiniri);
    } catch (const UzakHata& h) {
        kapatVeHata(h.sinif(), h.mesaj());
    }
    QByteArray cevap;
    cevap.resize(static_cast<qsizetype>(uzunluk));
    okuTam(cevap.data(), uzunluk, bitis.remainingTime());
    return cevap;
}

} // namespace zelvar
