#pragma once

// Number display patterns in the "#,##0.00" family with the user's regional separators, and
// the two-decimal rounding the totals use.
//
// A pattern has up to three sections separated by ";" (positive; negative; zero). In a
// section "0" is a digit always shown, "#" a digit shown when needed, "." the decimal point
// and "," anywhere in it turns on digit grouping; other characters are kept as they stand
// before or after the number. Halves round away from zero on the decimal value of the number
// (its 15 significant digits), not on its binary approximation.

#include <QLocale>
#include <QString>

namespace zelvar {

class SonucTablosu;

inline constexpr const char* kParaBicimi = "#,###,##0.00";

QString SayiBicimle(double deger, QStringView bicim, const QLocale& yerel = QLocale());

// Two-decimal rounding, halves away from zero: 0.125 gives 0.13, 0.255 gives 0.26.
double Yuvarla(double deger);

// Gives every plain floating-point column the display format "#,###,##0.00"; currency and
// fixed-decimal columns keep theirs.
void SayiFormatla(SonucTablosu& tablo);

} // namespace zelvar
