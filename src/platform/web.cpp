#include "platform/web.h"

#include "platform/platform.h"

#include <QByteArray>
#include <QUrl>

#include <cstring>
#include <stdexcept>

namespace zelvar {

namespace {

bool hexMi(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool serbestMi(char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    return c != '\0' && std::strchr("-._~!$&'()*+,;=:@/?", c) != nullptr;
}

void kodla(const QByteArray& girdi, QByteArray& cikti, bool parcaVar)
{
    static const char kHex[] = "0123456789ABCDEF";
    for (qsizetype i = 0; i < girdi.size(); ++i) {
        const char c = girdi[i];
        if (serbestMi(c)) {
            cikti += c;
        } else if (c == '%' && i + 2 < girdi.size() && hexMi(girdi[i + 1]) && hexMi(girdi[i + 2])) {
            cikti += c; // already an escape
        } else if (c == '#' && !parcaVar) {
            cikti += c;
            parcaVar = true;
        } else {
            const auto b = static_cast<unsigned char>(c);
            cikti += '%';
            cikti += kHex[b >> 4];
            cikti += kHex[b & 0x0F];
        }
    }
}

[[noreturn]] void gecersiz(const QString& adres, const char* neden)
{
    throw std::invalid_argument(QStringLiteral("Geçersiz adres (%1): %2").arg(QString::fromUtf8(neden), adres).toStdString());
}

} // namespace

QString UrlKodla(const QString& adres)
{
    // scheme ":" "//" authority, then path, query and fragment.
    const auto semaHarfi = [](QChar c, bool ilk) {
        const char16_t u = c.unicode();
        const bool harf = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
        return ilk ? harf : harf || (u >= '0' && u <= '9') || u == '+' || u == '-' || u == '.';
    };
    qsizetype i = 0;
    while (i < adres.size() && semaHarfi(adres[i], i == 0))
        ++i;
    if (i == 0 || !QStringView(adres).mid(i).startsWith(QLatin1String("://")))
        gecersiz(adres, "şema yok");
    const QString sema = adres.left(i);

    const qsizetype yetkiBasi = i + 3;
    qsizetype yetkiSonu = yetkiBasi;
    while (yetkiSonu < adres.size() && adres[yetkiSonu] != QLatin1Char('/') && adres[yetkiSonu] != QLatin1Char('?') &&
           adres[yetkiSonu] != QLatin1Char('#'))
        ++yetkiSonu;
    const QString yetki = adres.mid(yetkiBasi, yetkiSonu - yetkiBasi);

    // authority = [userinfo "@"] host [":" port]
    const qsizetype et = yetki.lastIndexOf(QLatin1Char('@'));
    const QString kullanici = et >= 0 ? yetki.left(et + 1) : QString();
    QString host = yetki.mid(et + 1);
    QString port;
    if (host.startsWith(QLatin1Char('['))) {
        const qsizetype kapa = host.indexOf(QLatin1Char(']'));
        if (kapa < 0)
            gecersiz(adres, "sunucu yok");
        port = host.mid(kapa + 1);
        host = host.left(kapa + 1);
    } else {
        const qsizetype ikiNokta = host.lastIndexOf(QLatin1Char(':'));
        if (ikiNokta >= 0) {
            port = host.mid(ikiNokta);
            host = host.left(ikiNokta);
        }
    }
    if (host.isEmpty() || host == QLatin1String("[]"))
        gecersiz(adres, "sunucu yok");
    if (!host.startsWith(QLatin1Char('['))) {
        bool ascii = true;
        for (QChar c : host) {
            if (c.unicode() >= 0x80)
                ascii = false;
            else if (!c.isLetterOrNumber() && !QStringView(u"-._~%").contains(c))
                gecersiz(adres, "sunucu adı geçersiz");
        }
        if (!ascii) {
            const QByteArray ace = QUrl::toAce(host);
            if (ace.isEmpty())
                gecersiz(adres, "sunucu adı geçersiz");
            host = QString::fromLatin1(ace);
        }
    }

    QByteArray sonuc = sema.toLatin1() + "://";
    kodla(kullanici.toUtf8(), sonuc, true);
    sonuc += host.toUtf8();
    kodla(port.toUtf8(), sonuc, true);
    kodla(adres.mid(yetkiSonu).toUtf8(), sonuc, false);
    return QString::fromLatin1(sonuc);
}

QString ChromeYoluBul()
{
    Platform& p = platform();
    static const char* const kAdlar[] = {"google-chrome", "google-chrome-stable", "chromium", "chromium-browser"};
    for (const char* ad : kAdlar) {
        const QString yol = p.programBul(QString::fromLatin1(ad));
        if (!yol.isEmpty())
            return yol;
    }
    static const char* const kYerler[] = {
        "/opt/google/chrome/google-chrome",
        "/opt/google/chrome/chrome",
        "/usr/bin/google-chrome",
        "/usr/bin/google-chrome-stable",
        "/usr/bin/chromium",
        "/usr/bin/chromium-browser",
        "/usr/lib/chromium/chromium",
        "/snap/bin/chromium",
        "/var/lib/flatpak/exports/bin/com.google.Chrome",
        "/var/lib/flatpak/exports/bin/org.chromium.Chromium",
    };
    for (const char* yer : kYerler) {
        const QString yol = QString::fromLatin1(yer);
        if (p.dosyaVar(yol))
            return yol;
    }
    return {};
}

int IEVersiyonu()
{
    return 0;
}

} // namespace zelvar
