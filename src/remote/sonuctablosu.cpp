#include "sonuctablosu.h"



#include <charconv>
#include <stdexcept>

namespace zelvar {

namespace {
struct TurAdi {
    AlanTuru tur;
    std::string_view ad;
};
constexpr TurAdi kTurAdlari[] = {
    {AlanTuru::Integer, "integer"}, {AlanTuru::LargeInt, "largeint"}, {AlanTuru::Float, "float"},
    {AlanTuru::Currency, "currency"}, {AlanTuru::Bcd, "bcd"}, {AlanTuru::Boolean, "boolean"},
    {AlanTuru::String, "string"}, {AlanTuru::Memo, "memo"}, {AlanTuru::Date, "date"},
    {AlanTuru::Time, "time"}, {AlanTuru::DateTime, "datetime"}, {AlanTuru::Blob, "blob"},
};
} // namespace

const char* alanTuruAdi(AlanTuru t)
{
    for (const auto& e : kTurAdlari)
        if (e.tur == t)
            return e.ad.data();
    return "string";
}

bool alanTuruCoz(std::string_view ad, AlanTuru& t)
{
    for (const auto& e : kTurAdlari)
        if (e.ad == ad) {
            t = e.tur;
            return true;
        }
    return false;
}

bool SonucTablosu::metinTuru(AlanTuru t)
{
    return t == AlanTuru::String || t == AlanTuru::Memo || t == AlanTuru::Bcd || t == AlanTuru::Blob;
}

bool SonucTablosu::ondalikTuru(AlanTuru t)
{
    return t == AlanTuru::Float || t == AlanTuru::Currency;
}

int SonucTablosu::sutunBul(QStringView ad) const
{
    for (size_t i = 0; i < m_sutunlar.size(); ++i)
        if (QStringView(m_sutunlar[i].tanim.ad).compare(ad, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

void SonucTablosu::setGosterimBicimi(int sutun, const QString& bicim)
{
    m_sutunlar.at(static_cast<size_t>(sutun)).tanim.gosterimBicimi = bicim;
}

void SonucTablosu::temizle()
{
    m_sutunlar.clear();
    m_metinler.clear();
    m_satirSayisi = 0;
}

int SonucTablosu::sutunEkle(Sutun s)
{
    if (m_satirSayisi != 0)
        throw std::logic_error("satırı olan tabloya sütun eklenemez");
    SutunVerisi v;
    v.tanim = std::move(s);
    m_sutunlar.push_back(std::move(v));
    return sutunSayisi() - 1;
}

void SonucTablosu::rezerv(int satirlar)
{
    const auto n = static_cast<size_t>(satirlar);
    for (auto& s : m_sutunlar) {
        if (metinTuru(s.tanim.tur))
            s.dilimler.reserve(n);
        else if (ondalikTuru(s.tanim.tur))
            s.ondaliklar.reserve(n);
        else
            s.tamsayilar.reserve(n);
        s.bos.reserve(n);
    }
}

int SonucTablosu::satirEkle()
{
    for (auto& s : m_sutunlar) {
        if (metinTuru(s.tanim.tur))
            s.dilimler.push_back({});
        else if (ondalikTuru(s.tanim.tur))
            s.ondaliklar.push_back(0.0);
        else
            s.tamsayilar.push_back(0);
        s.bos.push_back(true);
    }
    return m_satirSayisi++;
}

std::string_view SonucTablosu::dilim(const SutunVerisi& s, int satir) const
{
    const Dilim d = s.dilimler[static_cast<size_t>(satir)];
    return {m_metinler.constData() + d.bas, d.uzunluk};
}

bool SonucTablosu::bosHucre(int satir, int sutun) const
{
    if (sutun < 0 || sutun >= sutunSayisi() || satir < 0 || satir >= m_satirSayisi)
        return true;
    return m_sutunlar[static_cast<size_t>(sutun)].bos[static_cast<size_t>(satir)];
}

void SonucTablosu::yazBos(int satir, int sutun)
{
    m_sutunlar.at(static_cast<size_t>(sutun)).bos.at(static_cast<size_t>(satir)) = true;
}

void SonucTablosu::yazTamsayi(int satir, int sutun, qint64 v)
{
    auto& s = m_sutunlar.at(static_cast<size_t>(sutun));
    const auto r = static_cast<size_t>(satir);
    if (ondalikTuru(s.tanim.tur)) {
        s.ondaliklar.at(r) = static_cast<double>(v);
    } else if (metinTuru(s.tanim.tur)) {
        yazMetin(satir, sutun, QString::number(v));
        return;
    } else {
        s.tamsayilar.at(r) = v;
    }
    s.bos[r] = false;
}

void SonucTablosu::yazOndalik(int satir, int sutun, double v)
{
    auto& s = m_sutunlar.at(static_cast<size_t>(sutun));
    const auto r = static_cast<size_t>(satir);
    if (ondalikTuru(s.tanim.tur)) {
        s.ondaliklar.at(r) = v;
    } else if (metinTuru(s.tanim.tur)) {
        yazMetin(satir, sutun, QString::number(v, 'g', 17));
        return;
    } else {
        s.tamsayilar.at(r) = static_cast<qint64>(v);
    }
    s.bos[r] = false;
}

void SonucTablosu::yazMetinUtf8(int satir, int sutun, std::string_view utf8)
{
    auto& s = m_sutunlar.at(static_cast<size_t>(sutun));
    const auto r = static_cast<size_t>(satir);
    if (!metinTuru(s.tanim.tur))
        throw std::logic_error("metin olmayan sütuna metin yazılamaz");
    if (static_cast<size_t>(m_metinler.size()) + utf8.size() > 0xFFFFFFFFu)
        throw std::length_error("tablo metinleri 4 GiB'ı aşamaz");
    s.dilimler.at(r) = {static_cast<quint32>(m_metinler.size()), static_cast<quint32>(utf8.size())};
    m_metinler.append(utf8.data(), static_cast<qsizetype>(utf8.size()));
    s.bos[r] = false;
}

void SonucTablosu::yazMetin(int satir, int sutun, const QString& s)
{
    const QByteArray u = s.toUtf8();
    yazMetinUtf8(satir, sutun, std::string_view(u.constData(), static_cast<size_t>(u.size())));
}

void SonucTablosu::yazTarih(int satir, int sutun, const QDate& d)
{
    if (!d.isValid())
        return yazBos(satir, sutun);
    yazTamsayi(satir, sutun, d.toJulianDay());
}

void SonucTablosu::yazSaat(int satir, int sutun, const QTime& t)
{
    if (!t.isValid())
        return yazBos(satir, sutun);
    yazTamsayi(satir, sutun, t.msecsSinceStartOfDay());
}

void SonucTablosu::yazTarihSaat(int satir, int sutun, const QDateTime& t)
{
    if (!t.isValid())
        return yazBos(satir, sutun);
    // Wall-clock time without a zone: kept as if it were UTC so no offset creeps in.
    const QDateTime utc(t.date(), t.time(), Qt::UTC);
    yazTamsayi(satir, sutun, utc.toMSecsSinceEpoch());
}

void SonucTablosu::yaz(int satir, int sutun, const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return yazBos(satir, sutun);
    switch (m_sutunlar.at(static_cast<size_t>(sutun)).tanim.tur) {
    case AlanTuru::Integer:
    case AlanTuru::LargeInt: return yazTamsayi(satir, sutun, v.toLongLong());
    case AlanTuru::Boolean: return yazTamsayi(satir, sutun, v.toBool() ? 1 : 0);
    case AlanTuru::Float:
    case AlanTuru::Currency: return yazOndalik(satir, sutun, v.toDouble());
    case AlanTuru::Date: return yazTarih(satir, sutun, v.toDate());
    case AlanTuru::Time: return yazSaat(satir, sutun, v.toTime());
    case AlanTuru::DateTime: return yazTarihSaat(satir, sutun, v.toDateTime());
    case AlanTuru::Blob: {
        const QByteArray b = v.toByteArray();
        return yazMetinUtf8(satir, sutun, std::string_view(b.constData(), static_cast<size_t>(b.size())));
    }
    case AlanTuru::Bcd:
        if (v.typeId() == QMetaType::Double)
            return yazMetin(satir, sutun, QString::number(v.toDouble(), 'f', 4));
        return yazMetin(satir, sutun, v.toString());
    case AlanTuru::String:
    case AlanTuru::Memo: return yazMetin(satir, sutun, v.toString());
    }
}

QVariant SonucTablosu::deger(int satir, int sutun) const
{
    if (bosHucre(satir, sutun))
        return {};
    const auto& s = m_sutunlar[static_cast<size_t>(sutun)];
    const auto r = static_cast<size_t>(satir);
    switch (s.tanim.tur) {
    case AlanTuru::Integer: return static_cast<int>(s.tamsayilar[r]);
    case AlanTuru::LargeInt: return static_cast<qlonglong>(s.tamsayilar[r]);
    case AlanTuru::Boolean: return s.tamsayilar[r] != 0;
    case AlanTuru::Float:
    case AlanTuru::Currency: return s.ondaliklar[r];
    case AlanTuru::Bcd: return ondalik(satir, sutun);
    case AlanTuru::Date: return QDate::fromJulianDay(s.tamsayilar[r]);
    case AlanTuru::Time: return QTime::fromMSecsSinceStartOfDay(static_cast<int>(s.tamsayilar[r]));
    case AlanTuru::DateTime: {
        const QDateTime utc = QDateTime::fromMSecsSinceEpoch(s.tamsayilar[r], Qt::UTC);
        return QDateTime(utc.date(), utc.time());
    }
    case AlanTuru::Blob: {
        const auto d = dilim(s, satir);
        return QByteArray(d.data(), static_cast<qsizetype>(d.size()));
    }
    case AlanTuru::String:
    case AlanTuru::Memo: return metin(satir, sutun);
    }
    return {};
}

qint64 SonucTablosu::tamsayi(int satir, int sutun) const
{
    if (bosHucre(satir, sutun))
        return 0;
    const auto& s = m_sutunlar[static_cast<size_t>(sutun)];
    if (ondalikTuru(s.tanim.tur) || s.tanim.tur == AlanTuru::Bcd)
        return static_cast<qint64>(ondalik(satir, sutun));
    if (metinTuru(s.tanim.tur)) {
        const auto d = dilim(s, satir);
        qint64 v = 0;
        std::from_chars(d.data(), d.data() + d.size(), v);
        return v;
    }
    return s.tamsayilar[static_cast<size_t>(satir)];
}

double SonucTablosu::ondalik(int satir, int sutun) const
{
    if (bosHucre(satir, sutun))
        return 0.0;
    const auto& s = m_sutunlar[static_cast<size_t>(sutun)];
    if (ondalikTuru(s.tanim.tur))
        return s.ondaliklar[static_cast<size_t>(satir)];
    if (metinTuru(s.tanim.tur)) {
        const auto d = dilim(s, satir);
        double v = 0.0;
        std::from_chars(d.data(), d.data() + d.size(), v);
        return v;
    }
    return static_cast<double>(s.tamsayilar[static_cast<size_t>(satir)]);
}

QString SonucTablosu::metin(int satir, int sutun) const
{
    if (bosHucre(satir, sutun))
        return {};
    const auto& s = m_sutunlar[static_cast<size_t>(sutun)];
    switch (s.tanim.tur) {
    case AlanTuru::String:
    case AlanTuru::Memo:
    case AlanTuru::Bcd: {
        const auto d = dilim(s, satir);
        return QString::fromUtf8(d.data(), static_cast<qsizetype>(d.size()));
    }
    case AlanTuru::Float:
    case AlanTuru::Currency: return QString::number(s.ondaliklar[static_cast<size_t>(satir)], 'g', 15);
    case AlanTuru::Boolean: return tamsayi(satir, sutun) ? QStringLiteral("True") : QStringLiteral("False");
    case AlanTuru::Date: return deger(satir, sutun).toDate().toString(Qt::ISODate);
    case AlanTuru::Time: return deger(satir, sutun).toTime().toString(Qt::ISODate);
    case AlanTuru::DateTime: return deger(satir, sutun).toDateTime().toString(Qt::ISODate);
    case AlanTuru::Blob: return QString::fromLatin1(deger(satir, sutun).toByteArray().toBase64());
    case AlanTuru::Integer:
    case AlanTuru::LargeInt: return QString::number(s.tamsayilar[static_cast<size_t>(satir)]);
    }
    return {};
}

bool SonucTablosu::mantiksal(int satir, int sutun) const
{
    return tamsayi(satir, sutun) != 0;
}

QVariant SonucTablosu::deger(int satir, QStringView ad) const
{
    return deger(satir, sutunBul(ad));
}

qint64 SonucTablosu::tamsayi(int satir, QStringView ad) const
{
    return tamsayi(satir, sutunBul(ad));
}

double SonucTablosu::ondalik(int satir, QStringView ad) const
{
    return ondalik(satir, sutunBul(ad));
}

QString SonucTablosu::metin(int satir, QStringView ad) const
{
    return metin(satir, sutunBul(ad));
}

size_t SonucTablosu::bellekKullanimi() const
{
    size_t n = static_cast<size_t>(m_metinler.capacity());
    for (const auto& s : m_sutunlar)
        n += s.tamsayilar.capacity() * sizeof(qint64) + s.ondaliklar.capacity() * sizeof(double) +
             s.dilimler.capacity() * sizeof(Dilim) + s.bos.capacity() / 8 + sizeof(SutunVerisi);
    return n;
}

} // namespace zelvar
