#pragma once

// Folding for search: Turkish letters to their plain Latin base (ç c, ğ g, ı İ i, ö o, ş s,
// ü u), other accents dropped, everything lower case. Stored text and search text are folded
// the same way, so "FREN DİSKİ", "fren diski" and "FREN DISKI" all meet.

#include <QString>
#include <QStringList>

namespace zelvar::veri
{

QString katla(QStringView metin);

// The folded words of a text: runs of letters and digits; everything else separates.
QStringList kelimeler(QStringView metin);

// The folded text with everything but letters and digits removed ("1K0-615 301" -> "1k0615301"),
// so a code matches however its groups were written.
QString bitisik(QStringView metin);

} // namespace zelvar::veri
