#include "platform/klasorler.h"

#include "platform/platform.h"

#include <QDir>

namespace zelvar {

namespace {

QString hazirla(const QString& yol)
{
    if (yol.isEmpty())
        return yol;
    QString temiz = QDir::cleanPath(yol);
    QDir().mkpath(temiz);
    return temiz;
}

} // namespace

QString AyarKlasoru()
{
    QString taban = platform().ayarTabanKlasoru();
    if (taban.isEmpty())
        taban = QDir::homePath() + QStringLiteral("/.config");
    return hazirla(taban + QStringLiteral("/zelvarotomotiv"));
}

QString BelgelerKlasoru()
{
    QString yol = platform().belgelerKlasoru();
    if (yol.isEmpty())
        yol = QDir::homePath();
    return hazirla(yol);
}

QString YerelVeriKlasoru()
{
    QString yol = platform().yerelVeriKlasoru();
    if (yol.isEmpty())
        yol = QDir::homePath() + QStringLiteral("/.local/share");
    return hazirla(yol);
}

} // namespace zelvar
