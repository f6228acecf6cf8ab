#pragma once

// Addresses of the firm's web site. Every address is built from the configured base address
// (scheme, host, optional port and path, ending in "/"); the callers pass it in, so this part
// stays free of the configuration.

#include <QString>

namespace zelvar
{

// The home page: the site's host over plain HTTP, path "/".
QString AnaSayfaAdresi(const QString& taban);

// The request form for a workstation the server does not know:
// base + "formmailgonder.aspx?carino=0&kullanici= &id=" + identifier (with the one blank).
// An empty identifier leaves the address ending in "&id=".
QString IstekFormuAdresi(const QString& taban, const QString& bilgisayarId);

// An item picture: base + "resimgoster.ashx?id=" + stock number in decimal.
QString ResimAdresi(const QString& taban, int stokNo);

// The card-payment page: base + "kelvorkart.html?carino=" + account number + "&sube=MERKEZ"
// + "&firmasi=" + company name + "&bakiye=" + balance text. Names and the balance go in as
// they are (blanks and Turkish letters included), except the few characters that would
// otherwise end or change the query value.
QString KartOdemeAdresi(const QString& taban, int carino, const QString& firmasi, const QString& bakiye);

// A query value made safe: "%", "&", "#" and "+" become their escapes; everything else stays.
QString SorguDegeri(const QString& deger);

} // namespace zelvar
