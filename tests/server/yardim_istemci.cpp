#include "yardim_istemci.h"

#include "tel.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QUrl>

std::unique_ptr<zelvar::Baglanti> baglanti(quint16 port)
{
    auto b = std::make_unique<zelvar::Baglanti>();
    b->Params()[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
    b->Params()[QStringLiteral("Port")] = QString::number(port);
    b->setCagriSuresiMs(30000);
    b->Open();
    return b;
}

QStringList testVeritabaniArgumanlari()
{
    const QString pg = qEnvironmentVariable("ZELVAR_TEST_PG");
    return pg.isEmpty() ? QStringList() : QStringList{QStringLiteral("--db"), pg};
}

QSqlDatabase testVeritabaniAc(const QString& veriKlasoru, const QString& ad)
{
    const QString pg = qEnvironmentVariable("ZELVAR_TEST_PG");
    QSqlDatabase db;
    if (pg.isEmpty()) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
        db.setDatabaseName(veriKlasoru + QStringLiteral("/zelvarb2b.db"));
    } else {
        const QUrl url(pg);
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), ad);
        db.setHostName(url.host());
        db.setPort(url.port(5432));
        db.setDatabaseName(url.path().mid(1));
        db.setUserName(url.userName());
        db.setPassword(url.password());
    }
    db.open();
    return db;
}

QByteArray cerceve(const QByteArray& govde)
{
    return zelvar::tel::uzunlukOnEki(quint32(govde.size())) + govde;
}

QJsonObject jsonNesne(const QByteArray& govde)
{
    return QJsonDocument::fromJson(govde).object();
}

HamBaglanti::HamBaglanti(quint16 port)
{
    m_soket.connectToHost(QStringLiteral("127.0.0.1"), port);
    m_soket.waitForConnected(5000);
}

void HamBaglanti::gonder(const QByteArray& bayt)
{
    m_soket.write(bayt);
    while (m_soket.bytesToWrite() > 0 && m_soket.waitForBytesWritten(5000)) {
    }
}

bool HamBaglanti::oku(char* hedef, qint64 n, int beklemeMs)
{
    const QDeadlineTimer bitis(beklemeMs);
    qint64 okunan = 0;
    while (okunan < n) {
        if (m_soket.bytesAvailable() == 0 &&
            (bitis.hasExpired() || !m_soket.waitForReadyRead(int(std::max<qint64>(1, bitis.remainingTime())))))
            return false;
        const qint64 r = m_soket.read(hedef + okunan, n - okunan);
        if (r < 0)
            return false;
        okunan += r;
    }
    return true;
}

QByteArray HamBaglanti::cerceveOku(int beklemeMs)
{
    char onEk[4];
    if (!oku(onEk, 4, beklemeMs))
        return {};
    const quint32 n = zelvar::tel::uzunlukOku(onEk);
    if (n == 0 || n > 64u * 1024 * 1024)
        return {};
    QByteArray govde(qsizetype(n), Qt::Uninitialized);
    if (!oku(govde.data(), n, beklemeMs))
        return {};
    return govde;
}

bool HamBaglanti::kapaniyor(int beklemeMs)
{
    const QDeadlineTimer bitis(beklemeMs);
    while (!bitis.hasExpired()) {
        if (m_soket.state() != QAbstractSocket::ConnectedState)
            return true;
        m_soket.readAll();
        if (!m_soket.waitForReadyRead(int(std::max<qint64>(1, bitis.remainingTime())))) {
            if (m_soket.state() != QAbstractSocket::ConnectedState ||
                m_soket.error() == QAbstractSocket::RemoteHostClosedError)
                return true;
        }
    }
    return m_soket.state() != QAbstractSocket::ConnectedState;
}
