#include "platform/linuxplatform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUrl>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace zelvar {

namespace {

// "sda" < "sdb" < "sdaa", "nvme0n1" < "nvme0n2" < "nvme0n10": digit runs compare as numbers.
bool dogalKucuk(const QString& a, const QString& b)
{
    int i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            int ib = i, jb = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            const qulonglong x = a.mid(ib, i - ib).toULongLong();
            const qulonglong y = b.mid(jb, j - jb).toULongLong();
            if (x != y)
                return x < y;
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

QByteArray dosyaOku(const QString& yol)
{
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.read(64 * 1024);
}

// Text of a one-value sysfs file without its line ending; the value's own padding stays.
QString sysMetni(const QString& yol)
{
    QByteArray b = dosyaOku(yol);
    while (!b.isEmpty() && (b.endsWith('\n') || b.endsWith('\r') || b.endsWith('\0')))
        b.chop(1);
    return QString::fromUtf8(b);
}

// Unit serial number page (0x80) of a SCSI/ATA device: 4-byte header, then the serial.
QString vpdSeriNo(const QString& yol)
{
    const QByteArray b = dosyaOku(yol);
    if (b.size() < 4 || static_cast<unsigned char>(b[1]) != 0x80)
        return {};
    const int uzunluk = (static_cast<unsigned char>(b[2]) << 8) | static_cast<unsigned char>(b[3]);
    QByteArray seri = b.mid(4, uzunluk);
    while (!seri.isEmpty() && seri.endsWith('\0'))
        seri.chop(1);
    return QString::fromLatin1(seri);
}

QString udevDegeri(const QString& dosya, const QString& anahtar)
{
    const QByteArray icerik = dosyaOku(dosya);
    const QByteArray onek = "E:" + anahtar.toUtf8() + '=';
    for (const QByteArray& satir : icerik.split('\n')) {
        if (satir.startsWith(onek))
            return QString::fromUtf8(satir.mid(onek.size()));
    }
    return {};
}

bool bosMu(const QString& s)
{
    return s.trimmed().isEmpty();
}

} // namespace

LinuxPlatform::LinuxPlatform(QString sysKoku, QString udevVeriKoku)
    : m_sysKoku(std::move(sysKoku)), m_udevVeriKoku(std::move(udevVeriKoku))
{
}

QString LinuxPlatform::bilgisayarAdi()
{
    return QSysInfo::machineHostName();
}

QString LinuxPlatform::kullaniciAdi()
{
    long boyut = sysconf(_SC_GETPW_R_SIZE_MAX);
    if (boyut <= 0)
        boyut = 16384;
    std::vector<char> tampon(static_cast<size_t>(boyut));
    passwd kayit{};
    passwd* sonuc = nullptr;
    if (getpwuid_r(geteuid(), &kayit, tampon.data(), tampon.size(), &sonuc) != 0 || !sonuc || !sonuc->pw_name)
        return {};
    return QString::fromLocal8Bit(sonuc->pw_name);
}

QStringList LinuxPlatform::makineAdiIpv4Adresleri()
{
    QStringList sonuc;
    const QString ad = QHostInfo::localHostName();
    if (ad.isEmpty())
        return sonuc;
    const QHostInfo bilgi = QHostInfo::fromName(ad);
    for (const QHostAddress& a : bilgi.addresses()) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            sonuc << a.toString();
    }
    return sonuc;
}

QStringList LinuxPlatform::bagdastiriciIpv4Adresleri()
{
    QStringList sonuc;
    for (const QNetworkInterface& ag : QNetworkInterface::allInterfaces()) {
        const auto b = ag.flags();
        if (!(b & QNetworkInterface::IsUp) || !(b & QNetworkInterface::IsRunning) || (b & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& giris : ag.addressEntries()) {
            if (giris.ip().protocol() == QAbstractSocket::IPv4Protocol && !giris.ip().isLoopback())
                sonuc << giris.ip().toString();
        }
    }
    return sonuc;
}

QString LinuxPlatform::ilkDisk() const
{
    // Whole disks backed by a device; loop, ram, device-mapper, md and optical drives are not
    // physical disks. Internal disks come before USB ones, then by name.
    static const QStringList sanal = {QStringLiteral("loop"), QStringLiteral("ram"),  QStringLiteral("zram"),
                                      QStringLiteral("dm-"),  QStringLiteral("md"),   QStringLiteral("sr"),
                                      QStringLiteral("fd"),   QStringLiteral("nbd"),  QStringLiteral("zd")};
    const QString blok = m_sysKoku + QStringLiteral("/block");
    struct Aday {
        QString ad;
        bool usb;
    };
    std::vector<Aday> adaylar;
    const QStringList adlar = QDir(blok).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    for (const QString& ad : adlar) {
        if (std::any_of(sanal.begin(), sanal.end(), [&](const QString& o) { return ad.startsWith(o); }))
            continue;
        const QString yol = blok + QLatin1Char('/') + ad;
        if (!QFileInfo::exists(yol + QStringLiteral("/device")))
            continue;
        if (sysMetni(yol + QStringLiteral("/removable")) == QLatin1String("1"))
            continue;
        const bool usb = QFileInfo(yol).canonicalFilePath().contains(QLatin1String("/usb"));
        adaylar.push_back({ad, usb});
    }
    if (adaylar.empty())
        return {};
    std::sort(adaylar.begin(), adaylar.end(), [](const Aday& a, const Aday& b) {
        if (a.usb != b.usb)
            return !a.usb;
        return dogalKucuk(a.ad, b.ad);
    });
    return adaylar.front().ad;
}

QString LinuxPlatform::ilkDiskSeriNo()
{
    const QString disk = ilkDisk();
    if (disk.isEmpty())
        throw std::runtime_error("Fiziksel disk bulunamadı");
    const QString yol = m_sysKoku + QStringLiteral("/block/") + disk;

    // The udev database is readable without privileges and covers every bus; the sysfs files
    // are the fall-back where udev keeps no data (containers, minimal systems).
    const QString aygitNo = sysMetni(yol + QStringLiteral("/dev"));
    if (!aygitNo.isEmpty()) {
        const QString s = udevDegeri(m_udevVeriKoku + QStringLiteral("/b") + aygitNo, QStringLiteral("ID_SERIAL_SHORT"));
        if (!bosMu(s))
            return s;
    }
    for (const QString& dosya : {QStringLiteral("/device/serial"), QStringLiteral("/serial")}) {
        const QString s = sysMetni(yol + dosya);
        if (!bosMu(s))
            return s;
    }
    const QString s = vpdSeriNo(yol + QStringLiteral("/device/vpd_pg80"));
    if (!bosMu(s))
        return s;
    throw std::runtime_error(QStringLiteral("%1 diskinin seri numarası okunamadı").arg(disk).toStdString());
}

QList<AgBagdastirici> LinuxPlatform::agBagdastiricilari()
{
    // Adapters backed by hardware first: their addresses survive reboots, while bridges,
    // tunnels and container interfaces often get a new random address each time.
    struct Aday {
        AgBagdastirici b;
        bool fiziksel;
        int sira;
    };
    std::vector<Aday> adaylar;
    for (const QNetworkInterface& ag : QNetworkInterface::allInterfaces()) {
        if (ag.flags() & QNetworkInterface::IsLoopBack)
            continue;
        const QByteArray adres = QByteArray::fromHex(ag.hardwareAddress().toLatin1());
        if (adres.size() != 6)
            continue;
        const bool fiziksel =
            QFileInfo::exists(m_sysKoku + QStringLiteral("/class/net/") + ag.name() + QStringLiteral("/device"));
        adaylar.push_back({{ag.name(), true, adres}, fiziksel, ag.index()});
    }
    std::stable_sort(adaylar.begin(), adaylar.end(), [](const Aday& a, const Aday& b) {
        if (a.fiziksel != b.fiziksel)
            return a.fiziksel;
        return a.sira < b.sira;
    });
    QList<AgBagdastirici> sonuc;
    for (const Aday& a : adaylar)
        sonuc << a.b;
    return sonuc;
}

QString LinuxPlatform::ayarTabanKlasoru()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString LinuxPlatform::yerelVeriKlasoru()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString LinuxPlatform::belgelerKlasoru()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString LinuxPlatform::programKlasoru()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

namespace {

bool ac(const QUrl& url)
{
    if (!url.isValid())
        return false;
    // The desktop services need a GUI application; without one the desktop's opener does it.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QDesktopServices::openUrl(url);
    return QProcess::startDetached(QStringLiteral("xdg-open"), {url.toString(QUrl::FullyEncoded)});
}

} // namespace

bool LinuxPlatform::adresAc(const QString& url)
{
    return ac(QUrl(url));
}

bool LinuxPlatform::dosyaAc(const QString& yol)
{
    if (!QFileInfo::exists(yol))
        return false;
    return ac(QUrl::fromLocalFile(QFileInfo(yol).absoluteFilePath()));
}

bool LinuxPlatform::programCalistir(const QString& yol, const QStringList& argumanlar)
{
    return QProcess::startDetached(yol, argumanlar);
}

bool LinuxPlatform::dosyaVar(const QString& yol)
{
    return QFileInfo(yol).isFile();
}

QString LinuxPlatform::programBul(const QString& ad)
{
    return QStandardPaths::findExecutable(ad);
}

} // namespace zelvar
