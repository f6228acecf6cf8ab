#include "testsunucusu.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <csignal>
#include <sys/prctl.h>

namespace
{

constexpr int kBaslamaSuresiMs = 120000;

quint16 portOku(const QByteArray& satir, const QByteArray& onEk)
{
    if (!satir.startsWith(onEk))
        return 0;
    const QByteArray adres = satir.mid(onEk.size()).trimmed();
    return quint16(adres.mid(adres.lastIndexOf(':') + 1).toUInt());
}

} // namespace

QString TestSunucusu::program() const
{
    const QString bin = qEnvironmentVariable("ZELVAR_BIN");
    return QDir(bin.isEmpty() ? QStringLiteral(".") : bin).filePath(QStringLiteral("zelvarb2b-server"));
}

TestSunucusu::TestSunucusu(int demoParca, const QMap<QString, QString>& ayarlar, const QStringList& ekArgumanlar)
{
    if (!m_klasor.isValid()) {
        m_hata = QStringLiteral("geçici klasör açılamadı");
        return;
    }
    if (!ayarlar.isEmpty()) {
        QSettings ini(QDir(m_klasor.path()).filePath(QStringLiteral("zelvarb2b-server.ini")), QSettings::IniFormat);
        for (auto it = ayarlar.cbegin(); it != ayarlar.cend(); ++it)
            ini.setValue(it.key(), it.value());
    }
    for (int i = 0; i + 1 < ekArgumanlar.size(); ++i)
        if (ekArgumanlar[i] == QLatin1String("--db"))
            m_dbArgumanlari = {ekArgumanlar[i], ekArgumanlar[i + 1]};
    m_surec = std::make_unique<QProcess>();
    m_surec->setProgram(program());
    // The server ends with the test process, even when the test crashes.
    m_surec->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_surec->setArguments(QStringList{QStringLiteral("--data"), m_klasor.path(), QStringLiteral("--port"),
                                      QStringLiteral("0"), QStringLiteral("--web-port"), QStringLiteral("0"),
                                      QStringLiteral("--demo-items"), QString::number(demoParca)} +
                          ekArgumanlar);
    // The server's notes go to a file, so a chatty server can never block on a full pipe.
    m_surec->setStandardErrorFile(QDir(m_klasor.path()).filePath(QStringLiteral("sunucu.log")));
    m_surec->start();
    if (!m_surec->waitForStarted(10000)) {
        m_hata = QStringLiteral("%1 başlatılamadı: %2").arg(program(), m_surec->errorString());
        return;
    }
    const QDeadlineTimer bitis(kBaslamaSuresiMs);
    QByteArray tampon;
    while (!bitis.hasExpired()) {
        if (!m_surec->canReadLine() && !m_surec->waitForReadyRead(int(std::min<qint64>(bitis.remainingTime(), 1000)))) {
            if (m_surec->state() == QProcess::NotRunning) {
                m_hata = QStringLiteral("sunucu başlarken kapandı (çıkış kodu %1): %2")
                             .arg(m_surec->exitCode())
                             .arg(gunluk());
                return;
            }
            continue;
        }
        while (m_surec->canReadLine()) {
            const QByteArray satir = m_surec->readLine();
            if (const quint16 p = portOku(satir, "zelvarb2b-server: rpc "))
                m_rpcPort = p;
            if (const quint16 p = portOku(satir, "zelvarb2b-server: web "))
                m_webPort = p;
            if (satir.trimmed() == "zelvarb2b-server: ready") {
                if (m_rpcPort == 0)
                    m_hata = QStringLiteral("sunucu portunu bildirmedi");
                return;
            }
        }
    }
    m_hata = QStringLiteral("sunucu %1 ms içinde hazır olmadı: %2").arg(kBaslamaSuresiMs).arg(gunluk());
    m_rpcPort = 0;
}

TestSunucusu::~TestSunucusu()
{
    durdur(5000);
}

QString TestSunucusu::gunluk() const
{
    QFile f(QDir(m_klasor.path()).filePath(QStringLiteral("sunucu.log")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

bool TestSunucusu::kaydet(const QString& id, const QString& kullanici, const QString& sifre, int tip, int carino)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    const QStringList argumanlar{QStringLiteral("register"),
                                 QStringLiteral("--data"),
                                 m_klasor.path(),
                                 QStringLiteral("--id"),
                                 id,
                                 QStringLiteral("--user"),
                                 kullanici,
                                 QStringLiteral("--password"),
                                 sifre,
                                 QStringLiteral("--kind"),
                                 QString::number(tip),
                                 QStringLiteral("--account"),
                                 QString::number(carino)};
    p.start(program(), argumanlar + m_dbArgumanlari);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished(5000);
        m_hata = QStringLiteral("register zamanında bitmedi");
        return false;
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        m_hata = QStringLiteral("register başarısız (%1): %2").arg(p.exitCode()).arg(QString::fromUtf8(p.readAll()));
        return false;
    }
    return true;
}

bool TestSunucusu::durdur(int beklemeMs)
{
    if (!m_surec || m_surec->state() == QProcess::NotRunning)
        return m_surec && m_surec->exitStatus() == QProcess::NormalExit && m_surec->exitCode() == 0;
    m_surec->terminate();
    if (m_surec->waitForFinished(beklemeMs))
        return m_surec->exitStatus() == QProcess::NormalExit && m_surec->exitCode() == 0;
    m_surec->kill();
    m_surec->waitForFinished(5000);
    return false;
}
