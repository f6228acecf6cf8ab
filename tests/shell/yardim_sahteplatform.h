#pragma once

// A machine with fixed answers, so identity and the desktop calls of the shell can be checked.

#include "platform/platform.h"

#include <QTemporaryDir>

class SahtePlatform : public zelvar::Platform {
public:
    QString bilgisayarAdi() override { return QStringLiteral("ATOLYE-PC"); }
    QString kullaniciAdi() override { return QStringLiteral("usta"); }
    QStringList makineAdiIpv4Adresleri() override { return {QStringLiteral("192.168.1.20")}; }
    QStringList bagdastiriciIpv4Adresleri() override { return {QStringLiteral("192.168.1.20")}; }
    QString ilkDiskSeriNo() override { return QStringLiteral(" WD-123 456 "); }
    QList<zelvar::AgBagdastirici> agBagdastiricilari() override { return {}; }
    QString ayarTabanKlasoru() override { return m_klasor.path(); }
    QString yerelVeriKlasoru() override { return m_klasor.path(); }
    QString belgelerKlasoru() override { return m_klasor.path(); }
    QString programKlasoru() override { return m_klasor.path(); }
    bool adresAc(const QString& url) override
    {
        acilanAdresler << url;
        return true;
    }
    bool dosyaAc(const QString& yol) override
    {
        acilanDosyalar << yol;
        return true;
    }
    bool programCalistir(const QString& yol, const QStringList& a) override
    {
        calistirilanlar << yol + QLatin1Char(' ') + a.join(QLatin1Char(' '));
        return true;
    }
    bool dosyaVar(const QString&) override { return false; }
    QString programBul(const QString&) override { return {}; }

    QStringList acilanAdresler;
    QStringList acilanDosyalar;
    QStringList calistirilanlar;

private:
    QTemporaryDir m_klasor;
};
