#include "platform/kabuk.h"

#include "platform/platform.h"

namespace zelvar {

bool AdresAc(const QString& url)
{
    return !url.trimmed().isEmpty() && platform().adresAc(url);
}

bool DosyaAc(const QString& yol)
{
    return !yol.isEmpty() && platform().dosyaAc(yol);
}

bool ProgramCalistir(const QString& yol, const QStringList& argumanlar)
{
    return !yol.isEmpty() && platform().programCalistir(yol, argumanlar);
}

} // namespace zelvar
