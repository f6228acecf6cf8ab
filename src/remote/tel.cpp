#include "tel.h"

#include "jsonyazici.h"

#include <simdjson.h>

#include <cstring>
#include <limits>

namespace zelvar {

UzakHata::UzakHata(QString sinif, const QString& mesaj)
    : std::runtime_error(mesaj.toStdString()), m_sinif(std::move(sinif))
{
}

namespace tel {

using simdjson::dom::element;
using simdjson::dom::element_type;

static_assert(sizeof(element) <= sizeof(JsonDeger::Ham::bayt));
static_assert(alignof(element) <= 8);

namespace {

element ac(const JsonDeger& d)
{
    element e;
    std::memcpy(static_cast<void*>(&e), d.ham().bayt, sizeof e);
    return e;
}

JsonDeger sar(const element& e)
{
    JsonDeger::Ham h{};
    std::memcpy(h.bayt, static_cast<const void*>(&e), sizeof e);
    return JsonDeger(h);
}

[[noreturn]] void hata(const QString& sinif, const QString& mesaj)
{
    throw UzakHata(sinif, mesaj);
}

[[noreturn]] void turHatasi(const QString& sinif, const char* ne, const char* beklenen)
{
    hata(sinif, QStringLiteral("%1 için %2 bekleniyordu").arg(QString::fromUtf8(ne), QString::fromUtf8(beklenen)));
}

QString utf8(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool tamsayiTuru(element_type t)
{
    return t == element_type::INT64 || t == element_type::UINT64;
}

} // namespace

// ---- frames ----------------------------------------------------------------------------

QByteArray uzunlukOnEki(quint32 n)
{
    const char b[4] = {static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8),
                       static_cast<char>(n)};
    return QByteArray(b, 4);
}

quint32 uzunlukOku(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return (quint32(u[0]) << 24) | (quint32(u[1]) << 16) | (quint32(u[2]) << 8) | quint32(u[3]);
}

void uzunlukDenetle(quint32 uzunluk, quint32 sinir)
{
    if (uzunluk == 0)
        hata(kProtokolHatasi, QStringLiteral("Boş çerçeve"));
    if (uzunluk > sinir)
        hata(kProtokolHatasi, QStringLiteral("Çerçeve sınırı aşıldı: %1 bayt (sınır %2)").arg(uzunluk).arg(sinir));
}

// ---- values ------------------------------------------------------------------------------

bool JsonDeger::bosMu() const { return m_gecerli && ac(*this).type() == element_type::NULL_VALUE; }
bool JsonDeger::tamsayiMi() const { return m_gecerli && tamsayiTuru(ac(*this).type()); }
bool JsonDeger::sayiMi() const { return m_gecerli && ac(*this).is_number(); }
bool JsonDeger::metinMi() const { return m_gecerli && ac(*this).type() == element_type::STRING; }
bool JsonDeger::mantiksalMi() const { return m_gecerli && ac(*this).type() == element_type::BOOL; }
bool JsonDeger::nesneMi() const { return m_gecerli && ac(*this).type() == element_type::OBJECT; }
bool JsonDeger::diziMi() const { return m_gecerli && ac(*this).type() == element_type::ARRAY; }

qint64 JsonDeger::int64(const QString& sinif, const char* ne) const
{
    if (!m_gecerli)
        turHatasi(sinif, ne, "64 bit tamsayı");
    const element e = ac(*this);
    constexpr qint64 sinir = qint64(1) << 53;
    if (e.type() == element_type::INT64) {
        const qint64 v = e.get_int64().value_unsafe();
        if (v >= -sinir && v <= sinir)
            return v;
    } else if (e.type() == element_type::UINT64) {
        const quint64 v = e.get_uint64().value_unsafe();
        if (v <= quint64(sinir))
            return static_cast<qint64>(v);
    }
    turHatasi(sinif, ne, "64 bit tamsayı");
}

int JsonDeger::int32(const QString& sinif, const char* ne) const
{
    if (m_gecerli && ac(*this).type() == element_type::INT64) {
        const qint64 v = ac(*this).get_int64().value_unsafe();
        if (v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
            return static_cast<int>(v);
    }
    turHatasi(sinif, ne, "32 bit tamsayı");
}

double JsonDeger::ondalik(const QString& sinif, const char* ne) const
{
    if (!m_gecerli || !ac(*this).is_number())
        turHatasi(sinif, ne, "sayı");
    const element e = ac(*this);
    switch (e.type()) {
    case element_type::INT64: return static_cast<double>(e.get_int64().value_unsafe());
    case element_type::UINT64: return static_cast<double>(e.get_uint64().value_unsafe());
    default: return e.get_double().value_unsafe();
    }
}

QString JsonDeger::metin(const QString& sinif, const char* ne) const
{
    if (!metinMi())
        turHatasi(sinif, ne, "metin");
    return utf8(ac(*this).get_string().value_unsafe());
}

bool JsonDeger::mantiksal(const QString& sinif, const char* ne) const
{
    if (!mantiksalMi())
        turHatasi(sinif, ne, "true ya da false");
    return ac(*this).get_bool().value_unsafe();
}

QByteArray JsonDeger::akis(const QString& sinif, const char* ne) const
{
    if (!metinMi())
        turHatasi(sinif, ne, "base64 metin");
    const std::string_view s = ac(*this).get_string().value_unsafe();
    auto r = QByteArray::fromBase64Encoding(QByteArray::fromRawData(s.data(), static_cast<qsizetype>(s.size())),
                                            QByteArray::AbortOnBase64DecodingErrors);
    if (!r)
        turHatasi(sinif, ne, "base64 metin");
    return std::move(*r);
}

JsonDeger JsonDeger::uye(std::string_view ad) const
{
    if (!nesneMi())
        return {};
    element e;
    if (ac(*this).get_object().value_unsafe().at_key(ad).get(e))
        return {};
    return sar(e);
}

int JsonDeger::diziBoyu() const
{
    if (!diziMi())
        return -1;
    return static_cast<int>(ac(*this).get_array().value_unsafe().size());
}

JsonDeger JsonDeger::eleman(int i) const
{
    if (!diziMi() || i < 0)
        return {};
    element e;
    if (ac(*this).get_array().value_unsafe().at(static_cast<size_t>(i)).get(e))
        return {};
    return sar(e);
}

QString JsonDeger::jsonMetni() const
{
    if (!m_gecerli)
        return {};
    return QString::fromStdString(simdjson::minify(ac(*this)));
}

// ---- records -----------------------------------------------------------------------------

namespace {

struct AlanOkuyucu {
    element alanlar;
    const QString& sinif;

    element bul(const char* ad, bool& var) const
    {
        element e;
        var = !alanlar.get_object().value_unsafe().at_key(ad).get(e);
        return e;
    }
    void operator()(const char* ad, QString& v) const
    {
        bool var;
        const element e = bul(ad, var);
        if (var)
            v = sar(e).metin(sinif, ad);
    }
    void operator()(const char* ad, int& v) const
    {
        bool var;
        const element e = bul(ad, var);
        if (var)
            v = sar(e).int32(sinif, ad);
    }
    void operator()(const char* ad, double& v) const
    {
        bool var;
        const element e = bul(ad, var);
        if (var)
            v = sar(e).ondalik(sinif, ad);
    }
    void operator()(const char* ad, bool& v) const
    {
        bool var;
        const element e = bul(ad, var);
        if (var)
            v = sar(e).mantiksal(sinif, ad);
    }
    template <typename E>
    void operator()(const char* ad, QList<E>& liste) const
    {
        bool var;
        const element e = bul(ad, var);
        if (!var)
            return;
        const JsonDeger d = sar(e);
        if (!d.diziMi())
            turHatasi(sinif, ad, "nesne dizisi");
        liste.clear();
        const simdjson::dom::array dizi = e.get_array().value_unsafe();
        for (element oge : dizi) {
            auto k = sar(oge).kayit<E>(sinif);
            if (!k)
                turHatasi(sinif, ad, "nesne");
            liste.append(*k);
        }
    }
};

} // namespace

template <typename T>
std::unique_ptr<T> JsonDeger::kayit(const QString& sinif) const
{
    if (!m_gecerli || bosMu())
        return nullptr;
    if (!nesneMi())
        turHatasi(sinif, T::kTipAdi, "nesne");
    const JsonDeger tip = uye("type");
    const JsonDeger alanlar = uye("fields");
    if (!tip.metinMi() || tip.metin(sinif, "type") != QLatin1String(T::kTipAdi))
        hata(sinif, QStringLiteral("%1 nesnesi bekleniyordu, gelen: %2")
                        .arg(QLatin1String(T::kTipAdi), tip.metinMi() ? tip.metin(sinif, "type") : tip.jsonMetni()));
    if (!alanlar.nesneMi())
        turHatasi(sinif, "fields", "nesne");
    auto k = std::make_unique<T>();
    k->alanlariGez(AlanOkuyucu{ac(alanlar), sinif});
    return k;
}

template std::unique_ptr<TSonucBilgisi> JsonDeger::kayit<TSonucBilgisi>(const QString&) const;
template std::unique_ptr<TSiparisDipAyrinti> JsonDeger::kayit<TSiparisDipAyrinti>(const QString&) const;
template std::unique_ptr<TTusSonuclari> JsonDeger::kayit<TTusSonuclari>(const QString&) const;
template std::unique_ptr<TMobilCariBilgisi> JsonDeger::kayit<TMobilCariBilgisi>(const QString&) const;
template std::unique_ptr<TAcilisEkran> JsonDeger::kayit<TAcilisEkran>(const QString&) const;
template std::unique_ptr<TAcilisEkranlariki> JsonDeger::kayit<TAcilisEkranlariki>(const QString&) const;

// ---- tables ------------------------------------------------------------------------------

namespace {

bool tarihCoz(std::string_view s, QDate& d)
{
    if (s.size() != 10 || s[4] != '-' || s[7] != '-')
        return false;
    d = QDate::fromString(utf8(s), Qt::ISODate);
    return d.isValid();
}

bool saatCoz(std::string_view s, QTime& t)
{
    if (s.size() < 8 || s[2] != ':' || s[5] != ':')
        return false;
    t = QTime::fromString(utf8(s), Qt::ISODateWithMs);
    return t.isValid();
}

void hucreYaz(SonucTablosu& t, int satir, int sutun, AlanTuru tur, const element& e, const QString& sinif)
{
    const element_type et = e.type();
    if (et == element_type::NULL_VALUE)
        return; // a new row starts null
    auto yanlis = [&]() {
        hata(sinif, QStringLiteral("Tablo hücresi türüne uymuyor: satır %1, sütun %2 (%3)")
                        .arg(satir)
                        .arg(t.sutun(sutun).ad, QLatin1String(alanTuruAdi(tur))));
    };
    switch (tur) {
    case AlanTuru::Integer: {
        if (et != element_type::INT64)
            yanlis();
        const qint64 v = e.get_int64().value_unsafe();
        if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
            yanlis();
        t.yazTamsayi(satir, sutun, v);
        return;
    }
    case AlanTuru::LargeInt: {
        if (!tamsayiTuru(et))
            yanlis();
        t.yazTamsayi(satir, sutun, sar(e).int64(sinif, "largeint"));
        return;
    }
    case AlanTuru::Float:
    case AlanTuru::Currency:
        if (!e.is_number())
            yanlis();
        t.yazOndalik(satir, sutun, sar(e).ondalik(sinif, "float"));
        return;
    case AlanTuru::Boolean:
        if (et != element_type::BOOL)
            yanlis();
        t.yazTamsayi(satir, sutun, e.get_bool().value_unsafe() ? 1 : 0);
        return;
    case AlanTuru::String:
    case AlanTuru::Memo:
    case AlanTuru::Bcd:
        if (et != element_type::STRING)
            yanlis();
        t.yazMetinUtf8(satir, sutun, e.get_string().value_unsafe());
        return;
    case AlanTuru::Blob: {
        if (et != element_type::STRING)
            yanlis();
        const QByteArray b = sar(e).akis(sinif, "blob");
        t.yazMetinUtf8(satir, sutun, std::string_view(b.constData(), static_cast<size_t>(b.size())));
        return;
    }
    case AlanTuru::Date: {
        QDate d;
        if (et != element_type::STRING || !tarihCoz(e.get_string().value_unsafe(), d))
            yanlis();
        t.yazTarih(satir, sutun, d);
        return;
    }
    case AlanTuru::Time: {
        QTime s;
        if (et != element_type::STRING || !saatCoz(e.get_string().value_unsafe(), s))
            yanlis();
        t.yazSaat(satir, sutun, s);
        return;
    }
    case AlanTuru::DateTime: {
        if (et != element_type::STRING)
            yanlis();
        const std::string_view s = e.get_string().value_unsafe();
        QDate d;
        QTime z;
        if (s.size() < 19 || s[10] != 'T' || !tarihCoz(s.substr(0, 10), d) || !saatCoz(s.substr(11), z))
            yanlis();
        t.yazTarihSaat(satir, sutun, QDateTime(d, z));
        return;
    }
    }
}

} // namespace

SonucTablosu JsonDeger::tablo(const QString& sinif) const
{
    const JsonDeger sutunlar = uye("columns");
    const JsonDeger satirlar = uye("rows");
    if (!nesneMi() || !sutunlar.diziMi() || !satirlar.diziMi())
        hata(sinif, QStringLiteral("Tablo bekleniyordu"));
    SonucTablosu t;
    std::vector<AlanTuru> turler;
    const simdjson::dom::array sutunDizisi = ac(sutunlar).get_array().value_unsafe();
    for (element s : sutunDizisi) {
        const JsonDeger d = sar(s);
        const JsonDeger ad = d.uye("name");
        const JsonDeger tur = d.uye("type");
        AlanTuru at;
        if (!ad.metinMi() || !tur.metinMi() || !alanTuruCoz(ac(tur).get_string().value_unsafe(), at))
            hata(sinif, QStringLiteral("Geçersiz sütun tanımı: %1").arg(d.jsonMetni()));
        Sutun sutun{ad.metin(sinif, "name"), at, 0, {}};
        const JsonDeger boyut = d.uye("size");
        if (boyut.gecerli() && !boyut.bosMu())
            sutun.boyut = boyut.int32(sinif, "size");
        t.sutunEkle(std::move(sutun));
        turler.push_back(at);
    }
    const auto satirDizisi = ac(satirlar).get_array().value_unsafe();
    t.rezerv(static_cast<int>(std::min<size_t>(satirDizisi.size(), size_t(std::numeric_limits<int>::max()))));
    for (element satir : satirDizisi) {
        if (satir.type() != element_type::ARRAY)
            hata(sinif, QStringLiteral("Tablo satırı dizi değil"));
        const auto hucreler = satir.get_array().value_unsafe();
        const int r = t.satirEkle();
        size_t c = 0;
        for (element h : hucreler) {
            if (c >= turler.size())
                hata(sinif, QStringLiteral("Satır %1 sütun sayısından uzun").arg(r));
            hucreYaz(t, r, static_cast<int>(c), turler[c], h, sinif);
            ++c;
        }
        if (c != turler.size())
            hata(sinif, QStringLiteral("Satır %1 sütun sayısından kısa").arg(r));
    }
    return t;
}

void tabloYaz(JsonYazici& y, const SonucTablosu& t)
{
    y.nesneBasla();
    y.anahtar("columns");
    y.diziBasla();
    for (int c = 0; c < t.sutunSayisi(); ++c) {
        const Sutun& s = t.sutun(c);
        y.nesneBasla();
        y.anahtar("name");
        y.metin(s.ad);
        y.anahtar("type");
        y.metinUtf8(alanTuruAdi(s.tur));
        if (s.boyut > 0) {
            y.anahtar("size");
            y.tamsayi(s.boyut);
        }
        y.nesneBitir();
    }
    y.diziBitir();
    y.anahtar("rows");
    y.diziBasla();
    for (int r = 0; r < t.satirSayisi(); ++r) {
        y.diziBasla();
        for (int c = 0; c < t.sutunSayisi(); ++c) {
            if (t.bosHucre(r, c)) {
                y.bos();
                continue;
            }
            switch (t.sutun(c).tur) {
            case AlanTuru::Integer:
            case AlanTuru::LargeInt: y.tamsayi(t.tamsayi(r, c)); break;
            case AlanTuru::Boolean: y.mantiksal(t.mantiksal(r, c)); break;
            case AlanTuru::Float:
            case AlanTuru::Currency: y.ondalik(t.ondalik(r, c)); break;
            case AlanTuru::Bcd:
            case AlanTuru::String:
            case AlanTuru::Memo: y.metin(t.metin(r, c)); break;
            case AlanTuru::Blob: akisYaz(y, t.deger(r, c).toByteArray()); break;
            case AlanTuru::Date: y.metin(t.deger(r, c).toDate().toString(Qt::ISODate)); break;
            case AlanTuru::Time: y.metin(t.deger(r, c).toTime().toString(QStringLiteral("HH:mm:ss"))); break;
            case AlanTuru::DateTime:
                y.metin(t.deger(r, c).toDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
                break;
            }
        }
        y.diziBitir();
    }
    y.diziBitir();
    y.nesneBitir();
}

void akisYaz(JsonYazici& y, const QByteArray& bayt)
{
    const QByteArray b64 = bayt.toBase64();
    y.metinUtf8(std::string_view(b64.constData(), static_cast<size_t>(b64.size())));
}

// ---- documents, requests, answers --------------------------------------------------------

struct JsonBelge::Durum {
    simdjson::dom::parser ayristirici;
    element kok;
    bool hazir = false;
};

JsonBelge::JsonBelge() : d(std::make_unique<Durum>()) {}
JsonBelge::~JsonBelge() = default;

void JsonBelge::coz(const char* veri, size_t uzunluk)
{
    d->hazir = false;
    const auto hataKodu = d->ayristirici.parse(veri, uzunluk, true).get(d->kok);
    if (hataKodu)
        hata(kProtokolHatasi, QStringLiteral("Geçersiz JSON: %1").arg(QString::fromUtf8(simdjson::error_message(hataKodu))));
    if (d->kok.type() != element_type::OBJECT)
        hata(kProtokolHatasi, QStringLiteral("Çerçeve bir JSON nesnesi değil"));
    d->hazir = true;
}

JsonDeger JsonBelge::kok() const
{
    return d->hazir ? sar(d->kok) : JsonDeger();
}

void istekOku(const JsonBelge& belge, Istek& istek)
{
    const JsonDeger kok = belge.kok();
    const JsonDeger id = kok.uye("id");
    istek.idVar = false;
    if (id.tamsayiMi()) {
        istek.id = id.int64(kProtokolHatasi, "id");
        istek.idVar = true;
    } else {
        hata(kProtokolHatasi, QStringLiteral("İstekte tamsayı \"id\" yok"));
    }
    const JsonDeger metot = kok.uye("method");
    if (!metot.metinMi())
        hata(kProtokolHatasi, QStringLiteral("İstekte \"method\" yok"));
    const QString tam = metot.metin(kProtokolHatasi, "method");
    if (!tam.startsWith(kMetotOnEki) || tam.size() == kMetotOnEki.size())
        hata(kMetotYok, QStringLiteral("Bilinmeyen metot: %1").arg(tam));
    istek.metot = tam.mid(kMetotOnEki.size());
    istek.parametreler = kok.uye("params");
    if (!istek.parametreler.gecerli() || istek.parametreler.bosMu()) {
        istek.parametreler = {};
    } else if (!istek.parametreler.diziMi()) {
        hata(kProtokolHatasi, QStringLiteral("\"params\" bir dizi değil"));
    }
}

void cevapOku(const JsonBelge& belge, qint64 beklenenId, Cevap& cevap)
{
    const JsonDeger kok = belge.kok();
    const JsonDeger hataUyesi = kok.uye("error");
    if (hataUyesi.gecerli() && !hataUyesi.bosMu()) {
        const JsonDeger sinif = hataUyesi.uye("class");
        const JsonDeger mesaj = hataUyesi.uye("message");
        hata(sinif.metinMi() ? sinif.metin(kProtokolHatasi, "class") : kSunucuHatasi,
             mesaj.metinMi() ? mesaj.metin(kProtokolHatasi, "message") : hataUyesi.jsonMetni());
    }
    const JsonDeger id = kok.uye("id");
    if (!id.tamsayiMi() || id.int64(kProtokolHatasi, "id") != beklenenId)
        hata(kProtokolHatasi, QStringLiteral("Cevabın numarası isteğe uymuyor: %1").arg(id.jsonMetni()));
    cevap.id = beklenenId;
    cevap.sonuc = kok.uye("result");
    cevap.cikti = kok.uye("out");
    if (cevap.cikti.gecerli() && !cevap.cikti.bosMu() && !cevap.cikti.diziMi())
        hata(kProtokolHatasi, QStringLiteral("\"out\" bir dizi değil"));
}

void istekBasla(JsonYazici& y, qint64 id, QStringView metot)
{
    y.nesneBasla();
    y.anahtar("id");
    y.tamsayi(id);
    y.anahtar("method");
    y.metin(QString(kMetotOnEki + metot.toString()));
    y.anahtar("params");
    y.diziBasla();
}

void istekBitir(JsonYazici& y)
{
    y.diziBitir();
    y.nesneBitir();
}

void cevapBasla(JsonYazici& y, qint64 id)
{
    y.nesneBasla();
    y.anahtar("id");
    y.tamsayi(id);
    y.anahtar("result");
}

void cevapBitir(JsonYazici& y)
{
    y.nesneBitir();
}

QByteArray hataCevabi(qint64 id, bool idVar, const QString& sinif, const QString& mesaj)
{
    JsonYazici y;
    y.nesneBasla();
    y.anahtar("id");
    if (idVar)
        y.tamsayi(id);
    else
        y.bos();
    y.anahtar("error");
    y.nesneBasla();
    y.anahtar("class");
    y.metin(sinif);
    y.anahtar("message");
    y.metin(mesaj);
    y.nesneBitir();
    y.nesneBitir();
    return y.al();
}

} // namespace tel
} // namespace zelvar
