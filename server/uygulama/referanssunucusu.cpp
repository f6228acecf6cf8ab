#include "referanssunucusu.h"

#include "komutsatiri.h"
#include "platform/kimlik.h"
#include "veri/demoveri.h"
#include "veri/sema.h"
#include "web/websitesi.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace zelvar::uygulama
{

namespace
{

void yaz(FILE* f, const QString& metin)
{
    std::fputs(metin.toLocal8Bit().constData(), f);
    std::fflush(f);
}

void hataYaz(const QString& metin)
{
    yaz(stderr, QStringLiteral("zelvarb2b-server: %1\n").arg(metin));
}

QString adresMetni(const QHostAddress& a, quint16 port)
{
    const QString s = a.toString();
    return (a.protocol() == QAbstractSocket::IPv6Protocol ? QStringLiteral("[%1]").arg(s) : s) +
           QStringLiteral(":%1").arg(port);
}

bool iniSayi(const QSettings& ini, const char* anahtar, qint64 alt, qint64 ust, qint64& deger, QString& hata)
{
    const QString ad = QString::fromLatin1(anahtar);
    if (!ini.contains(ad))
        return true;
    bool tamam = false;
    const qint64 v = ini.value(ad).toString().toLongLong(&tamam);
    if (!tamam || v < alt || v > ust) {
        hata = QStringLiteral("%1 içinde %2 için %3 ile %4 arasında bir tamsayı bekleniyordu")
                   .arg(ini.fileName(), ad)
                   .arg(alt)
                   .arg(ust);
        return false;
    }
    deger = v;
    return true;
}

int g_sinyalSoketi[2] = {-1, -1};

void sinyalGeldi(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_sinyalSoketi[0], &c, 1);
}

} // namespace

QString varsayilanVeriKlasoru()
{
    QString k = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (k.isEmpty())
        k = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir(k).filePath(QStringLiteral("zelvarb2b-server"));
}

bool ayarlariHazirla(const Secenekler& s, ReferansAyarlari& a, QString& hata)
{
    a = ReferansAyarlari{};
    a.veriKlasoru = QFileInfo(s.veriKlasoru.isEmpty() ? varsayilanVeriKlasoru() : s.veriKlasoru).absoluteFilePath();
    if (!QDir().mkpath(a.veriKlasoru)) {
        hata = QStringLiteral("Veri klasörü oluşturulamadı: %1").arg(a.veriKlasoru);
        return false;
    }
    const QSettings ini(QDir(a.veriKlasoru).filePath(QStringLiteral("zelvarb2b-server.ini")), QSettings::IniFormat);
    const QString dbTanimi = s.db.isEmpty() ? ini.value(QStringLiteral("database/url")).toString() : s.db;
    if (!veri::VeritabaniAyari::coz(dbTanimi, a.veriKlasoru, a.vt, hata))
        return false;
    qint64 v = a.rpc.isciSayisi;
    if (!iniSayi(ini, "server/threads", 1, 64, v, hata))
        return false;
    a.rpc.isciSayisi = int(v);
    v = a.rpc.cerceveSiniri;
    if (!iniSayi(ini, "server/frame-limit", 1024, 1024ll * 1024 * 1024, v, hata))
        return false;
    a.rpc.cerceveSiniri = quint32(v);
    v = a.rpc.okumaSuresiMs;
    if (!iniSayi(ini, "server/read-timeout-ms", 10, 3600000, v, hata))
        return false;
    a.rpc.okumaSuresiMs = int(v);
    v = a.rpc.bostaSuresiMs;
    if (!iniSayi(ini, "server/idle-timeout-ms", 10, 86400000, v, hata))
        return false;
    a.rpc.bostaSuresiMs = int(v);
    v = a.rpc.yazmaSuresiMs;
    if (!iniSayi(ini, "server/write-timeout-ms", 10, 3600000, v, hata))
        return false;
    a.rpc.yazmaSuresiMs = int(v);
    v = a.rpc.enFazlaBaglanti;
    if (!iniSayi(ini, "server/max-connections", 1, 100000, v, hata))
        return false;
    a.rpc.enFazlaBaglanti = int(v);
    v = a.is.aramaSiniri;
    if (!iniSayi(ini, "server/search-limit", 1, 10000000, v, hata))
        return false;
    a.is.aramaSiniri = int(v);

    a.rpc.adres = s.adres;
    a.rpc.port = s.port;
    a.webPort = s.webPort;
    a.demoParca = s.demoParca;
    a.demoParcaVerildi = s.demoParcaVerildi;
    a.is.istemciSurumu = s.istemciSurumu;
    return true;
}

bool veritabaniniHazirla(const ReferansAyarlari& a, QString& hata, const std::function<void(const QString&)>& bilgi)
{
    try {
        veri::Veritabani vt(a.vt, QStringLiteral("hazirlik"));
        veri::semaKur(vt);
        if (!veri::veriVarMi(vt)) {
            if (bilgi)
                bilgi(QStringLiteral("demo verisi hazırlanıyor: %1 parça (%2)").arg(a.demoParca).arg(a.vt.tanim()));
            QElapsedTimer sure;
            sure.start();
            if (veri::demoVeriKur(vt, a.demoParca, QDate::currentDate()) && bilgi)
                bilgi(QStringLiteral("demo verisi hazır (%1 sn)").arg(double(sure.elapsed()) / 1000.0, 0, 'f', 1));
        } else if (a.demoParcaVerildi && bilgi) {
            veri::Sorgu q(vt, QStringLiteral("SELECT deger FROM ayar WHERE anahtar = ?"));
            q.calistir(QStringLiteral("parca_sayisi"));
            const int var = q.tek(0).toInt();
            if (var != a.demoParca)
                bilgi(QStringLiteral("veri klasöründe %1 parçalık veri zaten var; --demo-items %2 yok sayıldı")
                          .arg(var)
                          .arg(a.demoParca));
        }
    } catch (const std::exception& e) {
        hata = QString::fromUtf8(e.what());
        return false;
    }
    return true;
}

ReferansSunucusu::ReferansSunucusu(ReferansAyarlari ayarlar) : m_ayarlar(std::move(ayarlar)) {}

ReferansSunucusu::~ReferansSunucusu()
{
    durdur();
}

bool ReferansSunucusu::baslat(QString& hata, const std::function<void(const QString&)>& bilgi)
{
    if (!veritabaniniHazirla(m_ayarlar, hata, bilgi))
        return false;
    auto dagitici = std::make_shared<rpc::Dagitici>();
    is::isleriKaydet(*dagitici);
    const veri::VeritabaniAyari vt = m_ayarlar.vt;
    const is::IsAyarlari isAyarlari = m_ayarlar.is;
    m_rpc = std::make_unique<rpc::RpcSunucusu>(m_ayarlar.rpc, dagitici, [vt, isAyarlari](int no) {
        return std::make_unique<is::IsKaynagi>(vt, QStringLiteral("isci-%1").arg(no), isAyarlari);
    });
    if (!m_rpc->baslat(&hata)) {
        m_rpc.reset();
        return false;
    }
    if (m_ayarlar.webSitesi) {
        m_web = std::make_unique<web::WebSitesi>(m_ayarlar.vt, m_ayarlar.rpc.adres, m_ayarlar.webPort);
        if (!m_web->baslat(&hata)) {
            durdur();
            return false;
        }
    }
    return true;
}

void ReferansSunucusu::durdur()
{
    if (m_web)
        m_web->durdur();
    m_web.reset();
    if (m_rpc)
        m_rpc->durdur();
    m_rpc.reset();
}

quint16 ReferansSunucusu::rpcPort() const
{
    return m_rpc ? m_rpc->port() : 0;
}

quint16 ReferansSunucusu::webPort() const
{
    return m_web ? m_web->port() : 0;
}

namespace
{

int sun(const ReferansAyarlari& a)
{
    ReferansSunucusu sunucu(a);
    QString hata;
    if (!sunucu.baslat(hata, [](const QString& m) { hataYaz(m); })) {
        hataYaz(hata);
        return 1;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_sinyalSoketi) != 0) {
        hataYaz(QStringLiteral("sinyal kanalı açılamadı"));
        return 1;
    }
    QSocketNotifier bildirici(g_sinyalSoketi[1], QSocketNotifier::Read);
    QObject::connect(&bildirici, &QSocketNotifier::activated, [] {
        char c = 0;
        [[maybe_unused]] const ssize_t n = ::read(g_sinyalSoketi[1], &c, 1);
        QCoreApplication::quit();
    });
    struct sigaction sa {
    };
    sa.sa_handler = sinyalGeldi;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    yaz(stdout, QStringLiteral("zelvarb2b-server: rpc %1\n").arg(adresMetni(a.rpc.adres, sunucu.rpcPort())));
    yaz(stdout, QStringLiteral("zelvarb2b-server: web %1\n").arg(adresMetni(a.rpc.adres, sunucu.webPort())));
    yaz(stdout, QStringLiteral("zelvarb2b-server: ready\n"));
    QCoreApplication::exec();
    sunucu.durdur();
    hataYaz(QStringLiteral("durduruldu"));
    return 0;
}

int kaydet(const Secenekler& s, const ReferansAyarlari& a)
{
    QString hata;
    if (!veritabaniniHazirla(a, hata, [](const QString& m) { hataYaz(m); })) {
        hataYaz(hata);
        return 1;
    }
    const QString id = s.buIstasyon ? BilgisayarIdAl() : s.bilgisayarId;
    if (id.trimmed().isEmpty()) {
        hataYaz(QStringLiteral("bu bilgisayarın kimliği bulunamadı; --id ile verin"));
        return 1;
    }
    try {
        veri::Veritabani vt(a.vt, QStringLiteral("kayit"));
        veri::YazmaIslemi islem(vt);
        veri::istasyonKaydet(vt, id, s.kullanici, s.sifre, s.tip, s.carino);
        islem.onayla();
    } catch (const std::invalid_argument& e) {
        hataYaz(QString::fromUtf8(e.what()));
        return 2;
    } catch (const std::exception& e) {
        hataYaz(QString::fromUtf8(e.what()));
        return 1;
    }
    yaz(stdout, id + QLatin1Char('\n'));
    return 0;
}

int demoKullanicilari()
{
    QString metin = QStringLiteral("# kullanici\tsifre\ttip\tcari\taktif\tbilgisayar-kimligi\taciklama\n");
    for (const veri::DemoKullanici& k : veri::demoKullanicilari())
        metin += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\n")
                     .arg(k.adi, k.sifre)
                     .arg(k.tip)
                     .arg(k.carino)
                     .arg(k.aktif ? 1 : 0)
                     .arg(k.bilgisayarId, k.aciklama);
    yaz(stdout, metin);
    return 0;
}

} // namespace

int calistir(const QStringList& argumanlar)
{
    Secenekler s;
    QString hata;
    if (!komutSatiriCoz(argumanlar, s, hata)) {
        hataYaz(hata);
        yaz(stderr, kullanim());
        return 2;
    }
    if (s.komut == Secenekler::Komut::Yardim) {
        yaz(stdout, kullanim());
        return 0;
    }
    if (s.komut == Secenekler::Komut::DemoKullanicilari)
        return demoKullanicilari();
    ReferansAyarlari a;
    if (!ayarlariHazirla(s, a, hata)) {
        hataYaz(hata);
        return 2;
    }
    if (s.komut == Secenekler::Komut::Kaydet)
        return kaydet(s, a);
    return sun(a);
}

} // namespace zelvar::uygulama
