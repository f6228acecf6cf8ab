#include "jsonyazici.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace zelvar {

JsonYazici::JsonYazici()
{
    m_veri.reserve(256);
}

void JsonYazici::degerOncesi()
{
    if (m_anahtarBekliyor) {
        m_anahtarBekliyor = false;
        return;
    }
    if (!m_ilk.empty()) {
        if (!m_ilk.back())
            m_veri.append(',');
        m_ilk.back() = false;
    }
}

void JsonYazici::nesneBasla()
{
    degerOncesi();
    m_veri.append('{');
    m_ilk.push_back(true);
}

void JsonYazici::nesneBitir()
{
    m_veri.append('}');
    m_ilk.pop_back();
}

void JsonYazici::diziBasla()
{
    degerOncesi();
    m_veri.append('[');
    m_ilk.push_back(true);
}

void JsonYazici::diziBitir()
{
    m_veri.append(']');
    m_ilk.pop_back();
}

void JsonYazici::anahtar(std::string_view ad)
{
    degerOncesi();
    kacisliYaz(ad);
    m_veri.append(':');
    m_anahtarBekliyor = true;
}

void JsonYazici::kacisliYaz(std::string_view s)
{
    jsonMetniEkle(m_veri, s);
}

void JsonYazici::metin(QStringView s)
{
    degerOncesi();
    const QByteArray u = s.toUtf8();
    kacisliYaz(std::string_view(u.constData(), static_cast<size_t>(u.size())));
}

void JsonYazici::metinUtf8(std::string_view s)
{
    degerOncesi();
    kacisliYaz(s);
}

void JsonYazici::tamsayi(qint64 v)
{
    degerOncesi();
    char tampon[24];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
    m_veri.append(tampon, r.ptr - tampon);
}

void JsonYazici::ondalik(double v)
{
    if (!std::isfinite(v))
        throw std::invalid_argument("JSON'a sonlu olmayan sayı yazılamaz");
    degerOncesi();
    char tampon[32];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
    m_veri.append(tampon, r.ptr - tampon);
}

void JsonYazici::mantiksal(bool v)
{
    degerOncesi();
    m_veri.append(v ? "true" : "false");
}

void JsonYazici::bos()
{
    degerOncesi();
    m_veri.append("null");
}

void JsonYazici::ham(std::string_view json)
{
    degerOncesi();
    m_veri.append(json.data(), static_cast<qsizetype>(json.size()));
}

} // namespace zelvar
