#pragma once

// The connection object: the application server's address and the transport limits, and
// while open, one TCP connection that carries one request at a time. A connection belongs to
// the thread that opens it; background work uses its own Clone.

#include <QByteArray>
#include <QMap>
#include <QString>

#include <memory>

class QTcpSocket;

namespace zelvar {

class Baglanti {
public:
    Baglanti();
    ~Baglanti();
    Baglanti(const Baglanti&) = delete;
    Baglanti& operator=(const Baglanti&) = delete;

    // Parameter list: "HostName", "Port", "CommunicationProtocol" ("tcp/ip") and "Filters"
    // ("{}": no compression, no encryption). Only HostName and Port are read.
    QMap<QString, QString>& Params() { return m_params; }
    const QMap<QString, QString>& Params() const { return m_params; }

    // Same parameters and limits, closed.
    std::unique_ptr<Baglanti> Clone() const;

    // Connects within the connect time-out; throws UzakHata(EConnectionError) on failure.
    void Open();
    void Close();
    bool Connected() const;

    int baglanmaSuresiMs() const { return m_baglanmaSuresiMs; }
    void setBaglanmaSuresiMs(int ms) { m_baglanmaSuresiMs = ms; }
    int cagriSuresiMs() const { return m_cagriSuresiMs; }
    void setCagriSuresiMs(int ms) { m_cagriSuresiMs = ms; }
    quint32 cerceveSiniri() const { return m_cerceveSiniri; }
    void setCerceveSiniri(quint32 bayt) { m_cerceveSiniri = bayt; }

    // One exchange: sends a request body as a frame and returns the answer's body. Any
    // failure (time-out, lost connection, bad frame) closes the connection and throws.
    QByteArray istekGonder(const QByteArray& govde);
    qint64 sonrakiIstekNo() { return ++m_sonIstekNo; }

private:
    void okuTam(char* hedef, qint64 uzunluk, qint64 bitisMs);
    [[noreturn]] void kapatVeHata(const QString& sinif, const QString& mesaj);

    QMap<QString, QString> m_params;
    std::unique_ptr<QTcpSocket> m_soket;
    int m_baglanmaSuresiMs = 5000;
    int m_cagriSuresiMs = 60000;
    quint32 m_cerceveSiniri;
    qint64 m_sonIstekNo = 0;
};

} // namespace zelvar
