#include "platform/kimlik.h"

#include "platform/platform.h"
#include "platform/yapilandirma.h"

#include <QHostAddress>

#include <exception>

namespace zelvar {

namespace {

// Room the identity fields have: 16 characters including the terminator.
constexpr int kAdSiniri = 15;

QString boslukSuz(const QString& s)
{
    QString sonuc;
    sonuc.reserve(s.size());
    for (QChar c : s) {
        if (!c.isSpace())
            sonuc.append(c);
    }
    return sonuc;
}

QString macBicimle(const QByteArray& adres)
{
    return QString::fromLatin1(adres.left(6).toHex('-').toUpper());
}

} // namespace

QString BilgisayarAdiAl()
{
    try {
        QString ad = platform().bilgisayarAdi();
        const qsizetype nokta = ad.indexOf(QLatin1Char('.'));
        if (nokta >= 0)
            ad.truncate(nokta);
        return ad.left(kAdSiniri);
    } catch (...) {
        return {};
    }
}

QString KullaniciAdiAl()
{
    try {
        const QString ad = platform().kullaniciAdi();
        return ad.size() > kAdSiniri ? QString() : ad;
    } catch (...) {
        return {};
    }
}

QString IcIpAl()
{
    static const QString kGeriDonus = QStringLiteral("127.0.0.1");
    try {
        // Debian maps the host name to 127.0.1.1; the workstation's own address is wanted.
        const auto uygun = [](const QString& s) {
            QHostAddress a;
            return a.setAddress(s) && a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback();
        };
        for (const QString& s : platform().makineAdiIpv4Adresleri()) {
            if (uygun(s))
                return s;
        }
        for (const QString& s : platform().bagdastiriciIpv4Adresleri()) {
            if (uygun(s))
                return s;
        }
    } catch (...) {
    }
    return kGeriDonus;
}

QString DiskSeriNoAl()
{
    return platform().ilkDiskSeriNo().toUpper();
}

QString MacAdresiAl()
{
    const QList<AgBagdastirici> liste = platform().agBagdastiricilari();
    for (qsizetype i = 0; i < liste.size(); ++i) {
        const AgBagdastirici& b = liste[i];
        if (!b.durumOkundu) {
            // An unreadable first adapter ends the search; a later one is passed over.
            if (i == 0)
                return {};
            continue;
        }
        if (b.adres.size() < 6)
            continue;
        if (b.adres.left(6).count('\0') != 6)
            return macBicimle(b.adres);
    }
    // All zeros would give every such workstation the same identifier.
    return {};
}

QString bilgisayarIdHesapla(const QString& diskSeri, const QString& macAdresi, const QStringList& bilinenDiskler,
                            const QString& bilinenKimlik)
{
    QString id = diskSeri.trimmed();
    if (id.isEmpty())
        id = macAdresi.trimmed();
    id = boslukSuz(id);
    if (!id.isEmpty() && !bilinenKimlik.isEmpty()) {
        for (const QString& disk : bilinenDiskler) {
            if (id == disk)
                return bilinenKimlik;
        }
    }
    return id;
}

QString BilgisayarIdAl()
{
    QString disk;
    try {
        disk = DiskSeriNoAl();
    } catch (...) {
        disk.clear();
    }
    QString mac;
    if (disk.trimmed().isEmpty()) {
        try {
            mac = MacAdresiAl();
        } catch (...) {
            mac.clear();
        }
    }
    QStringList diskler;
    QString kimlik;
    try {
        const Yapilandirma& y = Yapilandirma::gecerli();
        diskler = y.bilinenDiskler;
        kimlik = y.bilinenDiskKimligi;
    } catch (...) {
    }
    return bilgisayarIdHesapla(disk, mac, diskler, kimlik);
}

} // namespace zelvar
