#pragma once

// Starts the reference server for a benchmark: the executable next to the benchmark, a data
// folder (kept when given, temporary otherwise), free ports. Stops it on destruction.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

class SunucuSureci
{
public:
    SunucuSureci(int parcaSayisi, const QString& klasor)
    {
        QString veri = klasor;
        if (veri.isEmpty()) {
            m_gecici = std::make_unique<QTemporaryDir>();
            veri = m_gecici->path();
        }
        m_surec.setProgram(
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin/zelvarb2b-server")));
        m_surec.setArguments({QStringLiteral("--data"), veri, QStringLiteral("--port"), QStringLiteral("0"),
                              QStringLiteral("--web-port"), QStringLiteral("0"), QStringLiteral("--demo-items"),
                              QString::number(parcaSayisi)});
        m_surec.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer sure;
        sure.start();
        m_surec.start();
        const QDeadlineTimer bitis(30 * 60 * 1000);
        while (!bitis.hasExpired() && m_surec.state() != QProcess::NotRunning) {
            if (!m_surec.canReadLine() && !m_surec.waitForReadyRead(1000))
                continue;
            const QByteArray satir = m_surec.readLine().trimmed();
            if (satir.startsWith("zelvarb2b-server: rpc "))
                m_port = quint16(satir.mid(satir.lastIndexOf(':') + 1).toUInt());
            if (satir == "zelvarb2b-server: ready")
                break;
        }
        m_hazirlikMs = sure.elapsed();
    }
    ~SunucuSureci()
    {
        m_surec.terminate();
        if (!m_surec.waitForFinished(10000))
            m_surec.kill();
        m_surec.waitForFinished();
    }
    quint16 port() const { return m_port; }
    qint64 hazirlikMs() const { return m_hazirlikMs; }
    qint64 pid() const { return m_surec.processId(); }

private:
    std::unique_ptr<QTemporaryDir> m_gecici;
    QProcess m_surec;
    quint16 m_port = 0;
    qint64 m_hazirlikMs = 0;
};

// CPU seconds (user + system) a process has used so far, from /proc.
inline double islemciSaniyesi(qint64 pid)
{
    FILE* f = std::fopen(QStringLiteral("/proc/%1/stat").arg(pid).toLocal8Bit().constData(), "r");
    if (!f)
        return -1;
    char tampon[1024];
    const size_t n = std::fread(tampon, 1, sizeof tampon - 1, f);
    std::fclose(f);
    tampon[n] = 0;
    // Fields after the command name, which is in parentheses and may hold blanks.
    const char* p = std::strrchr(tampon, ')');
    unsigned long kullanici = 0, sistem = 0;
    if (!p || std::sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &kullanici, &sistem) != 2)
        return -1;
    return double(kullanici + sistem) / double(sysconf(_SC_CLK_TCK));
}

// Resident memory of a process in kB, from /proc.
inline long yerlesikBellekKb(qint64 pid)
{
    FILE* f = std::fopen(QStringLiteral("/proc/%1/status").arg(pid).toLocal8Bit().constData(), "r");
    if (!f)
        return -1;
    char satir[256];
    long kb = -1;
    while (std::fgets(satir, sizeof satir, f))
        if (std::sscanf(satir, "VmRSS: %ld kB", &kb) == 1)
            break;
    std::fclose(f);
    return kb;
}
