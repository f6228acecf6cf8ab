#include "platform/yapilandirma.h"

#include "platform/klasorler.h"
#include "platform/platform.h"

#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <memory>
#include <mutex>

namespace zelvar {

namespace {

// QSettings splits a value with an unquoted comma into a list; the file's text is wanted.
QString metin(const QSettings& s, const QString& anahtar)
{
    const QVariant v = s.value(anahtar);
    if (v.metaType().id() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    return v.toString().trimmed();
}

std::mutex g_kilit;
std::unique_ptr<Yapilandirma> g_gecerli;

} // namespace

Yapilandirma Yapilandirma::oku(const QString& dosya)
{
    Yapilandirma y;
    if (dosya.isEmpty() || !QFileInfo(dosya).isFile())
        return y;
    QSettings s(dosya, QSettings::IniFormat);

    if (const QString h = metin(s, QStringLiteral("server/host")); !h.isEmpty())
        y.sunucuHost = h;
    bool sayi = false;
    const int port = metin(s, QStringLiteral("server/port")).toInt(&sayi);
    if (sayi && port > 0 && port <= 65535)
        y.sunucuPort = port;
    if (QString t = metin(s, QStringLiteral("web/base")); !t.isEmpty()) {
        if (!t.endsWith(QLatin1Char('/')))
            t += QLatin1Char('/');
        y.webTaban = t;
    }
    if (const QString g = metin(s, QStringLiteral("update/host")); !g.isEmpty())
        y.guncellemeHost = g;

    // [identity] id=<replacement>, disk1=..., disk2=...: entries in number order, gaps allowed.
    s.beginGroup(QStringLiteral("identity"));
    y.bilinenDiskKimligi = metin(s, QStringLiteral("id"));
    QList<std::pair<int, QString>> diskler;
    for (const QString& anahtar : s.childKeys()) {
        if (!anahtar.startsWith(QLatin1String("disk"), Qt::CaseInsensitive))
            continue;
        bool no = false;
        const int sira = anahtar.mid(4).toInt(&no);
        if (!no)
            continue;
        const QString deger = metin(s, anahtar);
        if (!deger.isEmpty())
            diskler.append({sira, deger});
    }
    s.endGroup();
    std::stable_sort(diskler.begin(), diskler.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& d : diskler)
        y.bilinenDiskler << d.second;
    return y;
}

QString Yapilandirma::dosyaBul()
{
    const QString ayar = AyarKlasoru() + QLatin1Char('/') + kDosyaAdi;
    if (QFileInfo(ayar).isFile())
        return ayar;
    const QString programKlasoru = platform().programKlasoru();
    if (!programKlasoru.isEmpty()) {
        const QString yanda = programKlasoru + QLatin1Char('/') + kDosyaAdi;
        if (QFileInfo(yanda).isFile())
            return yanda;
    }
    return {};
}

Yapilandirma Yapilandirma::yukle()
{
    return oku(dosyaBul());
}

const Yapilandirma& Yapilandirma::gecerli()
{
    std::lock_guard<std::mutex> k(g_kilit);
    if (!g_gecerli)
        g_gecerli = std::make_unique<Yapilandirma>(yukle());
    return *g_gecerli;
}

void Yapilandirma::setGecerli(const Yapilandirma& y)
{
    std::lock_guard<std::mutex> k(g_kilit);
    if (g_gecerli)
        *g_gecerli = y;
    else
        g_gecerli = std::make_unique<Yapilandirma>(y);
}

} // namespace zelvar
