#pragma once

// Operating-system services behind one interface, so that tests can put a fake in place of
// the real machine. Everything else in the program reaches the system through platform().

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace zelvar {

// One network adapter as the system lists it.
struct AgBagdastirici {
    QString ad;
    // False when the adapter's status could not be read; the address is then meaningless.
    bool durumOkundu = true;
    QByteArray adres; // hardware address, 6 bytes
};

class Platform {
public:
    virtual ~Platform() = default;

    // Raw names as the system reports them; empty when the query fails.
    virtual QString bilgisayarAdi() = 0;
    virtual QString kullaniciAdi() = 0;

    // IPv4 addresses the local host name resolves to, in lookup order.
    virtual QStringList makineAdiIpv4Adresleri() = 0;
    // IPv4 addresses of the adapters that are up, loopback excluded, in adapter order.
    virtual QStringList bagdastiriciIpv4Adresleri() = 0;

    // Serial of the first physical disk as the system reports it; throws std::runtime_error
    // when it cannot be read.
    virtual QString ilkDiskSeriNo() = 0;
    // Adapters with a hardware address, loopback excluded, in a stable order.
    virtual QList<AgBagdastirici> agBagdastiricilari() = 0;

    // Per-user folders; empty when the system has none.
    virtual QString ayarTabanKlasoru() = 0;
    virtual QString yerelVeriKlasoru() = 0;
    virtual QString belgelerKlasoru() = 0;
    virtual QString programKlasoru() = 0; // folder of the running executable

    virtual bool adresAc(const QString& url) = 0;
    virtual bool dosyaAc(const QString& yol) = 0;
    virtual bool programCalistir(const QString& yol, const QStringList& argumanlar) = 0;

    virtual bool dosyaVar(const QString& yol) = 0;        // an existing regular file
    virtual QString programBul(const QString& ad) = 0;    // full path on PATH, or empty
};

// The platform in use: the real one unless a test has installed another.
Platform& platform();
// Installs a replacement (not owned); nullptr restores the real platform.
void setPlatform(Platform* p);

} // namespace zelvar
