#include "katlama.h"

namespace zelvar::veri
{

namespace
{

QChar katlaHarf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return (u >= 'A' && u <= 'Z') ? QChar(char16_t(u + 32)) : c;
    switch (u) {
    case u'ı':
    case u'İ':
        return u'i';
    case u'ğ':
    case u'Ğ':
        return u'g';
    case u'ş':
    case u'Ş':
        return u's';
    case u'ç':
    case u'Ç':
        return u'c';
    case u'ö':
    case u'Ö':
        return u'o';
    case u'ü':
    case u'Ü':
        return u'u';
    default:
        break;
    }
    if (c.decompositionTag() == QChar::Canonical) {
        const QString ayrik = c.decomposition();
        if (!ayrik.isEmpty())
            return katlaHarf(ayrik.front());
    }
    return c.toLower();
}

} // namespace

QString katla(QStringView metin)
{
    QString sonuc;
    sonuc.reserve(metin.size());
    for (QChar c : metin)
        sonuc.append(katlaHarf(c));
    return sonuc;
}

QStringList kelimeler(QStringView metin)
{
    QStringList liste;
    QString kelime;
    for (QChar c : metin) {
        const QChar k = katlaHarf(c);
        if (k.isLetterOrNumber()) {
            kelime.append(k);
        } else if (!kelime.isEmpty()) {
            liste.append(kelime);
            kelime.clear();
        }
    }
    if (!kelime.isEmpty())
        liste.append(kelime);
    return liste;
}

QString bitisik(QStringView metin)
{
    QString sonuc;
    sonuc.reserve(metin.size());
    for (QChar c : metin) {
        const QChar k = katlaHarf(c);
        if (k.isLetterOrNumber())
            sonuc.append(k);
    }
    return sonuc;
}

} // namespace zelvar::veri
