#include "dagitici.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zelvar::rpc
{

using tel::kParametreHatasi;
using tel::kSunucuHatasi;

namespace
{

[[noreturn]] void programHatasi(const char* neden)
{
    throw std::logic_error(neden);
}

bool metinTuru(AlanTuru t)
{
    return t == AlanTuru::String || t == AlanTuru::Memo || t == AlanTuru::Bcd;
}

} // namespace

// ---- TabloYazici ---------------------------------------------------------------------------

TabloYazici::TabloYazici(JsonYazici& y, std::span<const SutunTanimi> sutunlar) : m_y(y), m_sutunlar(sutunlar)
{
    m_y.nesneBasla();
    m_y.anahtar("columns");
    m_y.diziBasla();
    for (const SutunTanimi& s : m_sutunlar) {
        m_y.nesneBasla();
        m_y.anahtar("name");
        m_y.metinUtf8(s.ad);
        m_y.anahtar("type");
        m_y.metinUtf8(alanTuruAdi(s.tur));
        if (s.boyut > 0) {
            m_y.anahtar("size");
            m_y.tamsayi(s.boyut);
        }
        m_y.nesneBitir();
    }
    m_y.diziBitir();
    m_satirlar.reserve(4096);
    m_satirlar.push_back('[');
}

void TabloYazici::kacisli(std::string_view s)
{
    jsonMetniEkle(m_satirlar, s);
}

void TabloYazici::satirBasla()
{
    if (m_sutun != -1 || m_bitti)
        programHatasi("tablo satırı kapanmadan yeni satır başladı");
    if (m_satirSayisi > 0)
        m_satirlar.push_back(',');
    m_satirlar.push_back('[');
    m_sutun = 0;
}

void TabloYazici::hucre()
{
    if (m_sutun < 0 || m_sutun >= sutunSayisi())
        programHatasi("tablo satırında sütun sayısından fazla hücre");
    if (m_sutun > 0)
        m_satirlar.push_back(',');
}

void TabloYazici::satirBitir()
{
    if (m_sutun != sutunSayisi())
        programHatasi("tablo satırı eksik hücreyle bitti");
    m_satirlar.push_back(']');
    m_sutun = -1;
    ++m_satirSayisi;
}

void TabloYazici::tamsayi(qint64 v)
{
    hucre();
    const AlanTuru t = m_sutunlar[static_cast<size_t>(m_sutun)].tur;
    if (t == AlanTuru::Integer) {
        if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
            programHatasi("32 bit sütuna sığmayan tamsayı");
    } else if (t != AlanTuru::LargeInt && t != AlanTuru::Float && t != AlanTuru::Currency) {
        programHatasi("tamsayı bu sütun türüne yazılamaz");
    }
    char tampon[24];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
    m_satirlar.append(tampon, size_t(r.ptr - tampon));
    ++m_sutun;
}

void TabloYazici::ondalik(double v)
{
    hucre();
    const AlanTuru t = m_sutunlar[static_cast<size_t>(m_sutun)].tur;
    if (t != AlanTuru::Float && t != AlanTuru::Currency)
        programHatasi("ondalık sayı bu sütun türüne yazılamaz");
    // The shortest text that reads back to the same number, as the general writer does.
    char tampon[32];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, std::isfinite(v) ? v : 0.0);
    m_satirlar.append(tampon, size_t(r.ptr - tampon));
    ++m_sutun;
}

void TabloYazici::mantiksal(bool v)
{
    hucre();
    if (m_sutunlar[static_cast<size_t>(m_sutun)].tur != AlanTuru::Boolean)
        programHatasi("mantıksal değer bu sütun türüne yazılamaz");
    m_satirlar.append(v ? "true" : "false");
    ++m_sutun;
}

void TabloYazici::metin(QStringView v)
{
    hucre();
    const AlanTuru t = m_sutunlar[static_cast<size_t>(m_sutun)].tur;
    if (!metinTuru(t) && t != AlanTuru::Date && t != AlanTuru::Time && t != AlanTuru::DateTime)
        programHatasi("metin bu sütun türüne yazılamaz");
    const QByteArray u = v.toUtf8();
    kacisli(std::string_view(u.constData(), size_t(u.size())));
    ++m_sutun;
}

void TabloYazici::metinUtf8(std::string_view v)
{
    hucre();
    const AlanTuru t = m_sutunlar[static_cast<size_t>(m_sutun)].tur;
    if (!metinTuru(t) && t != AlanTuru::Date && t != AlanTuru::Time && t != AlanTuru::DateTime)
        programHatasi("metin bu sütun türüne yazılamaz");
    kacisli(v);
    ++m_sutun;
}

void TabloYazici::tarih(const QDate& d)
{
    if (m_sutun >= 0 && m_sutun < sutunSayisi() && m_sutunlar[static_cast<size_t>(m_sutun)].tur != AlanTuru::Date)
        programHatasi("tarih bu sütun türüne yazılamaz");
    if (d.isValid())
        metin(d.toString(Qt::ISODate));
    else
        bos();
}

void TabloYazici::tarihSaat(const QDateTime& t)
{
    if (m_sutun >= 0 && m_sutun < sutunSayisi() && m_sutunlar[static_cast<size_t>(m_sutun)].tur != AlanTuru::DateTime)
        programHatasi("tarih-saat bu sütun türüne yazılamaz");
    if (t.isValid())
        metin(t.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
    else
        bos();
}

void TabloYazici::bos()
{
    hucre();
    m_satirlar.append("null");
    ++m_sutun;
}

void TabloYazici::bitir()
{
    if (m_sutun != -1 || m_bitti)
        programHatasi("tablo açık satırla bitirildi");
    m_satirlar.push_back(']');
    m_y.anahtar("rows");
    m_y.ham(m_satirlar);
    m_y.nesneBitir();
    m_satirlar = std::string();
    m_bitti = true;
}

// ---- IstekBaglami --------------------------------------------------------------------------

IstekBaglami::IstekBaglami(const tel::Istek& istek, const MetotTanimi& tanim, JsonYazici& yazici, IsciKaynagi* kaynak)
    : m_istek(istek), m_tanim(tanim), m_y(yazici), m_kaynak(kaynak)
{
}

IstekBaglami::~IstekBaglami() = default;

void IstekBaglami::parametreleriDenetle()
{
    const int gelen = std::max(0, m_istek.parametreSayisi());
    const int beklenen = static_cast<int>(m_tanim.girdiler.size());
    if (gelen != beklenen)
        throw UzakHata(kParametreHatasi, QStringLiteral("%1 %2 parametre bekliyor, %3 geldi")
                                             .arg(QString::fromUtf8(m_tanim.ad.data(), qsizetype(m_tanim.ad.size())))
                                             .arg(beklenen)
                                             .arg(gelen));
    m_bilgiler.clear();
    m_bilgiler.resize(static_cast<size_t>(beklenen));
    for (int i = 0; i < beklenen; ++i) {
        const ParametreTanimi& p = m_tanim.girdiler[static_cast<size_t>(i)];
        const std::string ad(p.ad);
        const tel::JsonDeger d = parametre(i);
        switch (p.tur) {
        case DegerTuru::Integer:
            d.int32(kParametreHatasi, ad.c_str());
            break;
        case DegerTuru::Int64:
            d.int64(kParametreHatasi, ad.c_str());
            break;
        case DegerTuru::Double:
            d.ondalik(kParametreHatasi, ad.c_str());
            break;
        case DegerTuru::String:
            d.metin(kParametreHatasi, ad.c_str());
            break;
        case DegerTuru::Boolean:
            d.mantiksal(kParametreHatasi, ad.c_str());
            break;
        case DegerTuru::Akis:
            d.akis(kParametreHatasi, ad.c_str());
            break;
        case DegerTuru::Nesne:
            if (d.bosMu())
                break;
            if (p.nesneTipi != std::string_view(TSonucBilgisi::kTipAdi))
                throw UzakHata(kParametreHatasi,
                               QStringLiteral("Desteklenmeyen nesne parametresi: %1").arg(QString::fromStdString(ad)));
            m_bilgiler[static_cast<size_t>(i)] = d.kayit<TSonucBilgisi>(kParametreHatasi);
            break;
        case DegerTuru::Yok:
        case DegerTuru::Tablo:
            throw UzakHata(kParametreHatasi,
                           QStringLiteral("Desteklenmeyen parametre türü: %1").arg(QString::fromStdString(ad)));
        }
    }
}

int IstekBaglami::tamsayi(int i) const
{
    return parametre(i).int32(kParametreHatasi, m_tanim.girdiler[static_cast<size_t>(i)].ad.data());
}

double IstekBaglami::ondalik(int i) const
{
    return parametre(i).ondalik(kParametreHatasi, m_tanim.girdiler[static_cast<size_t>(i)].ad.data());
}

QString IstekBaglami::metin(int i) const
{
    return parametre(i).metin(kParametreHatasi, m_tanim.girdiler[static_cast<size_t>(i)].ad.data());
}

bool IstekBaglami::mantiksal(int i) const
{
    return parametre(i).mantiksal(kParametreHatasi, m_tanim.girdiler[static_cast<size_t>(i)].ad.data());
}

const TSonucBilgisi* IstekBaglami::bilgi(int i) const
{
    if (i < 0 || static_cast<size_t>(i) >= m_bilgiler.size())
        programHatasi("nesne parametresi yok");
    return m_bilgiler[static_cast<size_t>(i)].get();
}

void IstekBaglami::sonucYaz(DegerTuru tur)
{
    if (m_sonucYazildi)
        programHatasi("sonuç iki kez yazıldı");
    if (tur != m_tanim.sonuc)
        throw std::logic_error(std::string("sonuç türü yanlış: ") + degerTuruAdi(m_tanim.sonuc) + " bekleniyordu, " +
                               degerTuruAdi(tur) + " yazıldı");
    m_sonucYazildi = true;
}

void IstekBaglami::tamsayiDon(int v)
{
    sonucYaz(DegerTuru::Integer);
    m_y.tamsayi(v);
}

void IstekBaglami::mantiksalDon(bool v)
{
    sonucYaz(DegerTuru::Boolean);
    m_y.mantiksal(v);
}

void IstekBaglami::metinDon(QStringView v)
{
    sonucYaz(DegerTuru::String);
    m_y.metin(v);
}

void IstekBaglami::nesneYokDon()
{
    sonucYaz(DegerTuru::Nesne);
    m_y.bos();
}

void IstekBaglami::akisDon(const QByteArray& bayt)
{
    sonucYaz(DegerTuru::Akis);
    tel::akisYaz(m_y, bayt);
    if (m_tanim.ciktilar.size() == 1 && m_tanim.ciktilar[0].tur == DegerTuru::Int64)
        m_ciktilar.push_back(bayt.size());
}

TabloYazici& IstekBaglami::tabloBasla(std::span<const SutunTanimi> sutunlar)
{
    sonucYaz(DegerTuru::Tablo);
    m_tablo = std::make_unique<TabloYazici>(m_y, sutunlar);
    return *m_tablo;
}

void IstekBaglami::tabloDon(const SonucTablosu& t)
{
    sonucYaz(DegerTuru::Tablo);
    tel::tabloYaz(m_y, t);
}

void IstekBaglami::cevabiTamamla()
{
    if (m_tablo && !m_tablo->bitti())
        programHatasi("tablo cevabı bitirilmedi");
    if (!m_sonucYazildi) {
        if (m_tanim.sonuc != DegerTuru::Yok)
            programHatasi("işleyici sonuç yazmadı");
        m_y.bos();
    }
    if (m_ciktilar.size() != m_tanim.ciktilar.size())
        programHatasi("çıktı parametreleri eksik");
    if (!m_ciktilar.empty()) {
        m_y.anahtar("out");
        m_y.diziBasla();
        for (qint64 v : m_ciktilar)
            m_y.tamsayi(v);
        m_y.diziBitir();
    }
}

// ---- Dagitici ------------------------------------------------------------------------------

Dagitici::Dagitici() = default;

void Dagitici::kaydet(std::string_view metot, Isleyici isleyici)
{
    const MetotTanimi* t = metotBul(metot);
    if (!t)
        throw std::logic_error("katalogda olmayan metot: " + std::string(metot));
    kaydet(*t, std::move(isleyici));
}

void Dagitici::kaydet(const MetotTanimi& tanim, Isleyici isleyici)
{
    const QString ad = QString::fromUtf8(tanim.ad.data(), qsizetype(tanim.ad.size()));
    if (m_kayitlar.contains(ad))
        throw std::logic_error("metot iki kez kaydedildi: " + std::string(tanim.ad));
    m_kayitlar.insert(ad, Kayit{&tanim, std::move(isleyici)});
}

bool Dagitici::kayitliMi(std::string_view metot) const
{
    return m_kayitlar.contains(QString::fromUtf8(metot.data(), qsizetype(metot.size())));
}

QStringList Dagitici::eksikMetotlar() const
{
    QStringList eksik;
    for (const MetotTanimi& m : metotKatalogu())
        if (!kayitliMi(m.ad))
            eksik << QString::fromUtf8(m.ad.data(), qsizetype(m.ad.size()));
    return eksik;
}

QByteArray Dagitici::isle(const char* veri, size_t uzunluk, tel::JsonBelge& belge, IsciKaynagi* kaynak,
                          quint32 cerceveSiniri, bool& kapat) const
{
    kapat = false;
    tel::Istek istek;
    try {
        belge.coz(veri, uzunluk);
        tel::istekOku(belge, istek);
    } catch (const UzakHata& h) {
        // A body we cannot read as a request leaves the stream in doubt: answer with "id": null
        // and close. An unknown method is an ordinary error and the connection stays.
        kapat = h.sinif() == tel::kProtokolHatasi;
        return tel::hataCevabi(istek.id, istek.idVar && !kapat, h.sinif(), h.mesaj());
    } catch (const std::exception& e) {
        kapat = true;
        return tel::hataCevabi(0, false, tel::kProtokolHatasi, QString::fromUtf8(e.what()));
    }

    const auto bulunan = m_kayitlar.constFind(istek.metot);
    if (bulunan == m_kayitlar.constEnd())
        return tel::hataCevabi(istek.id, true, tel::kMetotYok, QStringLiteral("Bilinmeyen metot: %1").arg(istek.metot));

    try {
        JsonYazici y;
        tel::cevapBasla(y, istek.id);
        IstekBaglami baglam(istek, *bulunan->tanim, y, kaynak);
        baglam.parametreleriDenetle();
        bulunan->isleyici(baglam);
        baglam.cevabiTamamla();
        tel::cevapBitir(y);
        if (static_cast<quint64>(y.veri().size()) > cerceveSiniri)
            return tel::hataCevabi(
                istek.id, true, kSunucuHatasi,
                QStringLiteral("Cevap çok büyük (%1 bayt); lütfen aramayı daraltın").arg(y.veri().size()));
        return y.al();
    } catch (const UzakHata& h) {
        return tel::hataCevabi(istek.id, true, h.sinif(), h.mesaj());
    } catch (const std::bad_alloc&) {
        return tel::hataCevabi(istek.id, true, kSunucuHatasi, QStringLiteral("Sunucuda bellek yetmedi"));
    } catch (const std::exception& e) {
        return tel::hataCevabi(istek.id, true, kSunucuHatasi, QString::fromUtf8(e.what()));
    } catch (...) {
        return tel::hataCevabi(istek.id, true, kSunucuHatasi, QStringLiteral("Bilinmeyen sunucu hatası"));
    }
}

} // namespace zelvar::rpc
