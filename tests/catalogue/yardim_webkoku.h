#pragma once

// A tiny HTTP server for picture downloads: each path answers with a scripted content type
// and body; a held path answers only when released. Runs on the test's event loop.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QTcpServer;
class QTcpSocket;

class WebKoku : public QObject {
    Q_OBJECT
public:
    WebKoku();
    ~WebKoku() override;

    quint16 port() const;
    QString taban() const; // "http://127.0.0.1:<port>/"

    // An empty content type sends no Content-Type header.
    void cevap(const QString& yol, const QByteArray& icerikTuru, const QByteArray& govde, bool bekle = false);
    // Answers the held requests.
    void serbestBirak();

    QStringList istekler() const { return m_istekler; } // request targets, e.g. "/resimgoster.ashx?id=5"

private:
    struct Cevap {
        QByteArray tur;
        QByteArray govde;
        bool bekle = false;
    };
    void oku(QTcpSocket* s);
    void yaz(QTcpSocket* s, const QString& yol);

    QTcpServer* m_sunucu;
    QHash<QString, Cevap> m_cevaplar;
    QStringList m_istekler;
    QList<std::pair<QPointer<QTcpSocket>, QString>> m_bekleyenler;
};
