#pragma once

// A platform whose answers the test sets; installed for the lifetime of the object.

#include "platform/platform.h"

#include <QMap>
#include <QSet>

#include <functional>
#include <stdexcept>

namespace zelvar::test {

class SahtePlatform : public Platform {
public:
    SahtePlatform() { setPlatform(this); }
    ~SahtePlatform() override { setPlatform(nullptr); }
    SahtePlatform(const SahtePlatform&) = delete;
    SahtePlatform& operator=(const SahtePlatform&) = delete;

    QString bilgisayar;
    QString kullanici;
    QStringList makineAdresleri;
    QStringList bagdastiriciAdresleri;
    // Empty function: the disk query fails.
    std::function<QString()> disk;
    QList<AgBagdastirici> bagdastiricilar;
    QString ayarTaban, yerelVeri, belgeler, program;
    QMap<QString, QString> yoldakiProgramlar; // name -> full path
    QSet<QString> dosyalar;
    QStringList acilanlar; // "adres:...", "dosya:...", "program:... arg arg"

    QString bilgisayarAdi() override { return bilgisayar; }
    QString kullaniciAdi() override { return kullanici; }
    QStringList makineAdiIpv4Adresleri() override { return makineAdresleri; }
    QStringList bagdastiriciIpv4Adresleri() override { return bagdastiriciAdresleri; }
    QString ilkDiskSeriNo() override
    {
        if (!disk)
            throw std::runtime_error("disk sorgusu başarısız");
        return disk();
    }
    QList<AgBagdastirici> agBagdastiricilari() override { return bagdastiricilar; }
    QString ayarTabanKlasoru() override { return ayarTaban; }
    QString yerelVeriKlasoru() override { return yerelVeri; }
    QString belgelerKlasoru() override { return belgeler; }
    QString programKlasoru() override { return program; }
    bool adresAc(const QString& url) override
    {
        acilanlar << QStringLiteral("adres:") + url;
        return true;
    }
    bool dosyaAc(const QString& yol) override
    {
        acilanlar << QStringLiteral("dosya:") + yol;
        return true;
    }
    bool programCalistir(const QString& yol, const QStringList& argumanlar) override
    {
        acilanlar << (QStringList{QStringLiteral("program:") + yol} + argumanlar).join(QLatin1Char(' '));
        return true;
    }
    bool dosyaVar(const QString& yol) override { return dosyalar.contains(yol); }
    QString programBul(const QString& ad) override { return yoldakiProgramlar.value(ad); }
};

// Adapter shorthand: "02-FC-00-00-00-01", or "!" for one whose status cannot be read.
inline AgBagdastirici bagdastirici(const QString& adres)
{
    if (adres == QLatin1String("!"))
        return {QStringLiteral("hatali"), false, {}};
    return {QStringLiteral("ag"), true, QByteArray::fromHex(adres.toLatin1().replace('-', ""))};
}

} // namespace zelvar::test
