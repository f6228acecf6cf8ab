#include "sahtesunucu.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <condition_variable>
#include <mutex>

SahteSunucu::SahteSunucu(Cevaplayici c) : m_cevaplayici(std::move(c))
{
    std::mutex m;
    std::condition_variable hazir;
    m_is = std::thread([this, &m, &hazir] {
        QTcpServer dinleyici;
        dinleyici.listen(QHostAddress::LocalHost, 0);
        {
            std::lock_guard<std::mutex> l(m);
            m_port = dinleyici.serverPort();
        }
        hazir.notify_one();
        while (!m_dur) {
            // Several clients may connect at once: serve the queued ones before waiting again.
            if (!dinleyici.hasPendingConnections() && !dinleyici.waitForNewConnection(50))
                continue;
            std::unique_ptr<QTcpSocket> s(dinleyici.nextPendingConnection());
            QByteArray tampon;
            bool kapat = false;
            while (!m_dur && !kapat && s->state() == QAbstractSocket::ConnectedState) {
                if (!s->waitForReadyRead(50)) {
                    if (s->state() != QAbstractSocket::ConnectedState)
                        break;
                    continue;
                }
                tampon += s->readAll();
                while (tampon.size() >= 4) {
                    const auto* u = reinterpret_cast<const unsigned char*>(tampon.constData());
                    const quint32 n = (quint32(u[0]) << 24) | (quint32(u[1]) << 16) | (quint32(u[2]) << 8) | u[3];
                    if (quint32(tampon.size()) < 4 + n)
                        break;
                    const QByteArray istek = tampon.mid(4, n);
                    tampon.remove(0, 4 + n);
                    {
                        QMutexLocker l(&m_kilit);
                        m_istekler.append(istek);
                    }
                    const QByteArray cevap = m_cevaplayici(istek, kapat);
                    if (!cevap.isEmpty()) {
                        s->write(cevap);
                        while (s->bytesToWrite() > 0 && s->waitForBytesWritten(1000)) {
                        }
                    }
                    if (kapat)
                        break;
                }
            }
            s->disconnectFromHost();
            if (s->state() != QAbstractSocket::UnconnectedState)
                s->waitForDisconnected(200);
        }
    });
    std::unique_lock<std::mutex> l(m);
    hazir.wait(l, [this] { return m_port != 0; });
}

SahteSunucu::~SahteSunucu()
{
    m_dur = true;
    m_is.join();
}

QList<QByteArray> SahteSunucu::istekler() const
{
    QMutexLocker l(&m_kilit);
    return m_istekler;
}

QByteArray SahteSunucu::cerceve(const QByteArray& govde)
{
    const quint32 n = quint32(govde.size());
    QByteArray b(4, '\0');
    b[0] = char(n >> 24);
    b[1] = char(n >> 16);
    b[2] = char(n >> 8);
    b[3] = char(n);
    return b + govde;
}

qint64 SahteSunucu::istekNo(const QByteArray& istek)
{
    return QJsonDocument::fromJson(istek).object().value(QStringLiteral("id")).toInteger();
}

QByteArray SahteSunucu::sonucCevabi(const QByteArray& istek, const QByteArray& sonucJson, const QByteArray& ciktiJson)
{
    QByteArray g = "{\"id\":" + QByteArray::number(istekNo(istek)) + ",\"result\":" + sonucJson;
    if (!ciktiJson.isEmpty())
        g += ",\"out\":" + ciktiJson;
    g += "}";
    return cerceve(g);
}
