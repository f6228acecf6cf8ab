#pragma once

#include "platform/platform.h"

namespace zelvar {

// The real platform on Linux. The roots of sysfs and of the udev database can be moved
// so that disk discovery can be checked against a prepared folder tree.
class LinuxPlatform : public Platform {
public:
    explicit LinuxPlatform(QString sysKoku = QStringLiteral("/sys"),
                           QString udevVeriKoku = QStringLiteral("/run/udev/data"));

    QString bilgisayarAdi() override;
    QString kullaniciAdi() override;
    QStringList makineAdiIpv4Adresleri() override;
    QStringList bagdastiriciIpv4Adresleri() override;
    QString ilkDiskSeriNo() override;
    QList<AgBagdastirici> agBagdastiricilari() override;
    QString ayarTabanKlasoru() override;
    QString yerelVeriKlasoru() override;
    QString belgelerKlasoru() override;
    QString programKlasoru() override;
    bool adresAc(const QString& url) override;
    bool dosyaAc(const QString& yol) override;
    bool programCalistir(const QString& yol, const QStringList& argumanlar) override;
    bool dosyaVar(const QString& yol) override;
    QString programBul(const QString& ad) override;

    // The disk that counts as the first physical one (e.g. "nvme0n1", "sda"); empty when
    // there is none.
    QString ilkDisk() const;

private:
    QString m_sysKoku;
    QString m_udevVeriKoku;
};

} // namespace zelvar
