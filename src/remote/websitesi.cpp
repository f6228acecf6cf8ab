#include "websitesi.h"

#include <QUrl>

namespace zelvar
{

namespace
{

QString tabanSlash(const QString& taban)
{
    QString t = taban.trimmed();
    if (!t.endsWith(QLatin1Char('/')))
        t += QLatin1Char('/');
    return t;
}

} // namespace

QString SorguDegeri(const QString& deger)
{
    QString s;
    s.reserve(deger.size());
    for (const QChar c : deger) {
        switch (c.unicode()) {
        case '%':
            s += QLatin1String("%25");
            break;
        case '&':
            s += QLatin1String("%26");
            break;
        case '#':
            s += QLatin1String("%23");
            break;
        case '+':
            s += QLatin1String("%2B");
            break;
        default:
            s += c;
        }
    }
    return s;
}

QString AnaSayfaAdresi(const QString& taban)
{
    QUrl u(taban.trimmed());
    u.setScheme(QStringLiteral("http"));
    u.setPath(QStringLiteral("/"));
    u.setQuery(QString());
    u.setFragment(QString());
    u.setUserInfo(QString());
    return u.toString();
}

QString IstekFormuAdresi(const QString& taban, const QString& bilgisayarId)
{
    return tabanSlash(taban) + QStringLiteral("formmailgonder.aspx?carino=0&kullanici= &id=") +
           SorguDegeri(bilgisayarId);
}

QString ResimAdresi(const QString& taban, int stokNo)
{
    return tabanSlash(taban) + QStringLiteral("resimgoster.ashx?id=") + QString::number(stokNo);
}

QString KartOdemeAdresi(const QString& taban, int carino, const QString& firmasi, const QString& bakiye)
{
    return tabanSlash(taban) + QStringLiteral("kelvorkart.html?carino=") + QString::number(carino) +
           QStringLiteral("&sube=MERKEZ&firmasi=") + SorguDegeri(firmasi) + QStringLiteral("&bakiye=") +
           SorguDegeri(bakiye);
}

} // namespace zelvar
