#pragma once

// The tables of the reference model and the search index over the parts.

#include <QString>
#include <QStringList>

namespace zelvar::veri
{

class Veritabani;

// Creates what is missing; running it on a complete database changes nothing.
void semaKur(Veritabani& vt);

// Adds one part's folded words to the search index.
void aramaDizinineEkle(Veritabani& vt, int stokno, const QString& katliMetin);
// The index query for folded search words (see kelimeler()) and the text run together.
QString aramaSorgusu(const QStringList& kelimeler, const QString& bitisikHali, bool sqlite);
// "FROM ... WHERE ... ORDER BY ..." over parts "s" matching that query, its one parameter.
QString aramaKaynagi(bool sqlite);

} // namespace zelvar::veri
