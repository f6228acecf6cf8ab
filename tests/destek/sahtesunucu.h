#pragma once

// A scripted peer for the client transport: it accepts connections on an ephemeral loopback
// port, reads each request frame and answers with whatever bytes the test scripted, so the
// client can be fed broken frames, wrong kinds, silence and closed sockets.

#include <QByteArray>
#include <QList>
#include <QMutex>

#include <atomic>
#include <functional>
#include <thread>

class SahteSunucu {
public:
    // Given the request body, returns the raw bytes to send back (frame prefix included), or
    // sets `kapat` to close the connection after sending them.
    using Cevaplayici = std::function<QByteArray(const QByteArray& istek, bool& kapat)>;

    explicit SahteSunucu(Cevaplayici c);
    ~SahteSunucu();

    quint16 port() const { return m_port; }
    QList<QByteArray> istekler() const;

    // Helpers for scripting.
    static QByteArray cerceve(const QByteArray& govde);
    static qint64 istekNo(const QByteArray& istek);
    static QByteArray sonucCevabi(const QByteArray& istek, const QByteArray& sonucJson,
                                  const QByteArray& ciktiJson = {});

private:
    void calis();

    Cevaplayici m_cevaplayici;
    std::thread m_is;
    std::atomic<bool> m_dur{false};
    std::atomic<quint16> m_port{0};
    mutable QMutex m_kilit;
    QList<QByteArray> m_istekler;
};
