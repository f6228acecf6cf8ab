#include "yardim_webkoku.h"

#include <QTcpServer>
#include <QTcpSocket>

WebKoku::WebKoku() : m_sunucu(new QTcpServer(this))
{
    m_sunucu->listen(QHostAddress::LocalHost, 0);
    connect(m_sunucu, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = m_sunucu->nextPendingConnection()) {
            connect(s, &QTcpSocket::readyRead, this, [this, s] { oku(s); });
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    });
}

WebKoku::~WebKoku() = default;

quint16 WebKoku::port() const
{
    return m_sunucu->serverPort();
}

QString WebKoku::taban() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(port());
}

void WebKoku::cevap(const QString& yol, const QByteArray& icerikTuru, const QByteArray& govde, bool bekle)
{
    m_cevaplar.insert(yol, {icerikTuru, govde, bekle});
}

void WebKoku::oku(QTcpSocket* s)
{
    QByteArray tampon = s->property("tampon").toByteArray() + s->readAll();
    const qsizetype son = tampon.indexOf("\r\n\r\n");
    if (son < 0) {
        s->setProperty("tampon", tampon);
        return;
    }
    const QList<QByteArray> ilkSatir = tampon.left(tampon.indexOf("\r\n")).split(' ');
    const QString yol = ilkSatir.size() > 1 ? QString::fromLatin1(ilkSatir[1]) : QString();
    s->setProperty("tampon", QByteArray());
    m_istekler.append(yol);
    if (m_cevaplar.value(yol).bekle) {
        m_bekleyenler.append({QPointer<QTcpSocket>(s), yol});
        return;
    }
    yaz(s, yol);
}

void WebKoku::yaz(QTcpSocket* s, const QString& yol)
{
    const auto it = m_cevaplar.constFind(yol);
    QByteArray b;
    if (it == m_cevaplar.constEnd()) {
        b = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    } else {
        b = "HTTP/1.1 200 OK\r\n";
        if (!it->tur.isEmpty())
            b += "Content-Type: " + it->tur + "\r\n";
        b += "Content-Length: " + QByteArray::number(it->govde.size()) + "\r\nConnection: close\r\n\r\n";
        b += it->govde;
    }
    s->write(b);
    s->flush();
    s->disconnectFromHost();
}

void WebKoku::serbestBirak()
{
    const auto bekleyenler = std::exchange(m_bekleyenler, {});
    for (const auto& [s, yol] : bekleyenler)
        if (s && s->state() == QAbstractSocket::ConnectedState)
            yaz(s, yol);
}
