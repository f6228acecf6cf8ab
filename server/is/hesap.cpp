#include "hesap.h"

#include "sayibicimi.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

namespace zelvar::is
{

double yuvarla2(double deger)
{
    const double mutlak = std::fabs(deger);
    if (!(mutlak < 1e9))
        return Yuvarla(deger);
    const double y = mutlak * 100.0;
    const double taban = std::floor(y);
    const double kesir = y - taban;
    // Near a half the binary value may sit on either side of the decimal one: decide on the
    // decimal digits instead.
    if (std::fabs(kesir - 0.5) < 1e-3)
        return Yuvarla(deger);
    const double sonuc = (kesir > 0.5 ? taban + 1.0 : taban) / 100.0;
    return deger < 0 ? -sonuc : sonuc;
}

SatirTutarlari satirHesapla(double miktar, double birimFiyat, const Oranlar& oranlar, double kdv)
{
    SatirTutarlari s;
    s.tutar = yuvarla2(miktar * birimFiyat);
    double net = s.tutar;
    for (double r : oranlar)
        if (r > 0)
            net -= net * r / 100.0;
    s.netTutar = yuvarla2(net);
    s.indirimTutar = yuvarla2(s.tutar - s.netTutar);
    s.vergiTutari = yuvarla2(s.netTutar * kdv / 100.0);
    s.netBirimFiyat = miktar != 0 ? yuvarla2(s.netTutar / miktar) : 0.0;
    return s;
}

double netFiyat(double fiyat, const Oranlar& oranlar)
{
    double net = fiyat;
    for (double r : oranlar)
        if (r > 0)
            net -= net * r / 100.0;
    return yuvarla2(net);
}

QString indirimYazisi(const Oranlar& oranlar)
{
    static const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    QStringList parcalar;
    for (double r : oranlar)
        if (r > 0)
            parcalar << tr.toString(r, 'g', 6);
    return parcalar.join(QLatin1Char('+'));
}

QString durumAdi(int durum)
{
    switch (durum) {
    case Alindi:
        return QStringLiteral("Alındı");
    case Onaylandi:
        return QStringLiteral("Onaylandı");
    case Goruldu:
        return QStringLiteral("Görüldü");
    case ParcaliHazirlandi:
        return QStringLiteral("Parçalı Hazırlandı");
    case Hazirlandi:
        return QStringLiteral("Hazırlandı");
    case SevkEdildi:
        return QStringLiteral("Sevk Edildi");
    default:
        return QStringLiteral("Bilinmiyor");
    }
}

QString paraYazisi(double tutar)
{
    static const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    return SayiBicimle(tutar, u"#,###,##0.00", tr);
}

QDate oleTarihi(double gun)
{
    if (!std::isfinite(gun) || gun < -657434 || gun > 2958465)
        return {};
    return QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(gun)));
}

double oleGunu(const QDate& tarih)
{
    return static_cast<double>(QDate(1899, 12, 30).daysTo(tarih));
}

} // namespace zelvar::is
