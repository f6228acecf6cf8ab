#include "yardim_cevaplar.h"

#include <QJsonDocument>

QString istekMetodu(const QByteArray& istek)
{
    const QString m = QJsonDocument::fromJson(istek).object().value(QStringLiteral("method")).toString();
    return m.mid(m.indexOf(QLatin1Char('.')) + 1);
}

QJsonArray istekParametreleri(const QByteArray& istek)
{
    return QJsonDocument::fromJson(istek).object().value(QStringLiteral("params")).toArray();
}

QByteArray jsonMetni(const QJsonValue& v)
{
    if (v.isObject())
        return QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact);
    if (v.isArray())
        return QJsonDocument(v.toArray()).toJson(QJsonDocument::Compact);
    // Scalars: wrap in an array and cut the brackets off.
    const QByteArray a = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return a.mid(1, a.size() - 2);
}

namespace {
QJsonObject sutun(const char* ad, const char* tur)
{
    return QJsonObject{{QStringLiteral("name"), QString::fromLatin1(ad)}, {QStringLiteral("type"), QString::fromLatin1(tur)}};
}
} // namespace

QJsonObject stokTablosu(const QList<StokSatiri>& satirlar, bool ind1Var)
{
    QJsonArray sutunlar{sutun("STOK_STOKNO", "integer"), sutun("BARKOD", "string"),   sutun("ADI", "string"),
                        sutun("MARKA", "string"),        sutun("MODEL", "string"),    sutun("FINISHKOD", "string"),
                        sutun("DURUM", "integer"),       sutun("RESIM", "integer"),   sutun("Y", "integer"),
                        sutun("K", "integer"),           sutun("KDV", "float"),       sutun("FIYAT", "float"),
                        sutun("LISTEFIYAT1", "float"),   sutun("KAMPFIYAT", "float"), sutun("NETFIYAT", "float"),
                        sutun("KDVDAHIL", "float")};
    if (ind1Var)
        sutunlar.append(sutun("IND1", "float"));
    sutunlar.append(sutun("IND2", "float"));
    sutunlar.append(sutun("IND3", "float"));
    sutunlar.append(sutun("IND4", "float"));
    sutunlar.append(sutun("INDIRIMYAZI", "string"));
    QJsonArray satirDizisi;
    for (const StokSatiri& s : satirlar) {
        QJsonArray r{s.stokno, s.barkod, s.adi, s.marka, s.model, s.finishkod, s.durum, s.resim, s.y, s.k,
                     s.kdv, s.fiyat, s.listefiyat, s.kampfiyat, s.netfiyat, s.kdvdahil};
        for (int i = ind1Var ? 0 : 1; i < 4; ++i)
            r.append(s.ind[i]);
        r.append(s.indirimyazi);
        satirDizisi.append(r);
    }
    return QJsonObject{{QStringLiteral("columns"), sutunlar}, {QStringLiteral("rows"), satirDizisi}};
}

QList<StokSatiri> ornekStoklar(int n)
{
    QList<StokSatiri> l;
    for (int i = 0; i < n; ++i) {
        StokSatiri s;
        s.stokno = 1000 + i;
        s.barkod = QStringLiteral("ZV%1").arg(i, 6, 10, QLatin1Char('0'));
        s.adi = QStringLiteral("FREN BALATASI %1").arg(i);
        s.fiyat = s.listefiyat = 100 + i;
        l.append(s);
    }
    return l;
}

QJsonObject sepetTablosu(const QList<std::pair<int, int>>& stoknoVeSirano)
{
    QJsonArray satirlar;
    for (const auto& [stokno, sirano] : stoknoVeSirano)
        satirlar.append(QJsonArray{sirano, stokno, 1, 2.0});
    return QJsonObject{{QStringLiteral("columns"), QJsonArray{sutun("SIRANO", "integer"), sutun("STOKNO", "integer"),
                                                              sutun("SEC", "integer"), sutun("MIKTAR", "float")}},
                       {QStringLiteral("rows"), satirlar}};
}

QByteArray hataCevabi(const QByteArray& istek, const QByteArray& sinif, const QByteArray& mesaj)
{
    return SahteSunucu::cerceve("{\"id\":" + QByteArray::number(SahteSunucu::istekNo(istek)) +
                                ",\"error\":{\"class\":\"" + sinif + "\",\"message\":\"" + mesaj + "\"}}");
}

SahteSunucu::Cevaplayici metotlarla(QMap<QString, MetotCevabi> metotlar)
{
    return [metotlar = std::move(metotlar)](const QByteArray& istek, bool&) {
        const auto it = metotlar.constFind(istekMetodu(istek));
        if (it == metotlar.constEnd())
            return hataCevabi(istek, "EMethodNotFound", "yok");
        return (*it)(istek);
    };
}
