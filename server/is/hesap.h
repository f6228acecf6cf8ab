#pragma once

// The arithmetic of the reference model: line amounts with successive discounts, net prices,
// the discount text, order states and Turkish money text. Amounts are rounded to two decimals
// (halves away from zero) at every step that produces a shown amount.

#include <QDate>
#include <QString>

#include <array>

namespace zelvar::is
{

using Oranlar = std::array<double, 4>;

struct SatirTutarlari {
    double tutar = 0;         // quantity x unit price
    double indirimTutar = 0;  // tutar - netTutar
    double netTutar = 0;      // after the four successive discounts, before tax
    double vergiTutari = 0;   // tax on the net amount
    double netBirimFiyat = 0; // net amount per unit
};

// Two-decimal rounding, halves away from zero on the decimal value: the same result as the
// client's Yuvarla, without its text round trip for the values that are plainly not halves.
double yuvarla2(double deger);

SatirTutarlari satirHesapla(double miktar, double birimFiyat, const Oranlar& oranlar, double kdv);
// The unit price after the successive discounts, rounded.
double netFiyat(double fiyat, const Oranlar& oranlar);
// "25+10+5" (rates above 0, Turkish decimal comma); empty when there is no discount.
QString indirimYazisi(const Oranlar& oranlar);

// Order states as the staff console numbers them (1 is "in the basket", not an order state).
enum SiparisDurumu { Alindi = 2, Onaylandi = 3, Goruldu = 4, ParcaliHazirlandi = 5, Hazirlandi = 6, SevkEdildi = 7 };
QString durumAdi(int durum);

// "12.345,67" (Turkish separators, two decimals).
QString paraYazisi(double tutar);

// OLE Automation dates (days since 30 December 1899) as the clients send them.
QDate oleTarihi(double gun);
double oleGunu(const QDate& tarih);

} // namespace zelvar::is
