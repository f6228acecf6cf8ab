#pragma once

// The reference server as a child process for tests: a temporary data folder, free ports,
// demo data of the given size. The constructor waits until the server reports "ready"; the
// destructor stops it (SIGTERM, then kill). Needs ZELVAR_BIN, which CTest sets.

#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class TestSunucusu
{
public:
    // `ayarlar` go into the data folder's zelvarb2b-server.ini before the start, for example
    // {"server/read-timeout-ms", "300"}. `ekArgumanlar` are appended to the command line.
    explicit TestSunucusu(int demoParca = 300, const QMap<QString, QString>& ayarlar = {},
                          const QStringList& ekArgumanlar = {});
    ~TestSunucusu();
    TestSunucusu(const TestSunucusu&) = delete;
    TestSunucusu& operator=(const TestSunucusu&) = delete;

    bool hazir() const { return m_rpcPort != 0; }
    QString hata() const { return m_hata; } // why it did not start
    quint16 rpcPort() const { return m_rpcPort; }
    quint16 webPort() const { return m_webPort; }
    QString veriKlasoru() const { return m_klasor.path(); }
    QString program() const;
    qint64 pid() const { return m_surec ? m_surec->processId() : 0; }
    QString gunluk() const; // what the server wrote to stderr so far

    // Runs "register" for a workstation; true when it exited with 0.
    bool kaydet(const QString& id, const QString& kullanici, const QString& sifre, int tip, int carino);

    // Sends SIGTERM and waits; true when the server ended by itself with exit code 0.
    bool durdur(int beklemeMs = 10000);

private:
    QTemporaryDir m_klasor;
    std::unique_ptr<QProcess> m_surec;
    quint16 m_rpcPort = 0;
    quint16 m_webPort = 0;
    QString m_hata;
    QStringList m_dbArgumanlari; // "--db" and its value when the server was given one
};
