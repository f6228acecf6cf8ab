#pragma once

// Client-side helpers for the server tests: a connection object to a port, and a raw socket
// that sends arbitrary bytes and reads frames back.

#include "baglanti.h"

#include <QByteArray>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QStringList>
#include <QTcpSocket>

#include <memory>

std::unique_ptr<zelvar::Baglanti> baglanti(quint16 port);

QByteArray cerceve(const QByteArray& govde);

// Server tests run on SQLite; ZELVAR_TEST_PG (postgresql://user@host:port/db, an empty
// database) runs them on PostgreSQL instead. The extra server arguments for that:
QStringList testVeritabaniArgumanlari();
// A direct connection to the server's database, for checks the methods do not show.
QSqlDatabase testVeritabaniAc(const QString& veriKlasoru, const QString& ad);
QJsonObject jsonNesne(const QByteArray& govde);

class HamBaglanti
{
public:
    explicit HamBaglanti(quint16 port);
    bool bagli() const { return m_soket.state() == QAbstractSocket::ConnectedState; }
    void gonder(const QByteArray& bayt);
    // One frame's body; empty when the connection closed or nothing came in time.
    QByteArray cerceveOku(int beklemeMs = 5000);
    // True when the server closes the connection within the time.
    bool kapaniyor(int beklemeMs = 5000);

private:
    bool oku(char* hedef, qint64 n, int beklemeMs);
    QTcpSocket m_soket;
};
