#pragma once

#include <QString>

namespace zelvar {

// Percent-encodes a complete address so that it can be handed to a browser as it is. The
// scheme, the host and the separators "/", "?", "&", "=" (and the other characters allowed in
// an address) stay; blanks, non-ASCII letters and other characters not allowed become "%XX"
// per UTF-8 byte. Escapes already present ("%26") are kept, a lone "%" becomes "%25". A host
// with non-ASCII letters is written in its ASCII (punycode) form.
// Throws std::invalid_argument when the address has no scheme or no host.
QString UrlKodla(const QString& adres);

// Full path of an installed Chrome or Chromium (on PATH or in the usual install folders),
// or empty when there is none.
QString ChromeYoluBul();

// Major version of the system's old built-in browser; this platform has none, so always 0.
int IEVersiyonu();

} // namespace zelvar
