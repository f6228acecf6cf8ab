#pragma once

// A JSON writer that emits members exactly in the order they are written. The wire needs
// that: marshalled records carry "type", "id", "fields" and their fields in declaration
// order, which a sorted object such as QJsonObject cannot reproduce.

#include "kayitlar.h"

#include <QByteArray>
#include <QString>

#include <string_view>
#include <vector>

namespace zelvar {

// Appends `utf8` to `hedef` as a JSON string literal (quotes, backslashes and control
// characters escaped). Works on any byte buffer with push_back and append(pointer, length).
template <typename Tampon>
void jsonMetniEkle(Tampon& hedef, std::string_view utf8)
{
    static constexpr char hex[] = "0123456789abcdef";
    hedef.push_back('"');
    size_t bas = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        hedef.append(utf8.data() + bas, i - bas);
        bas = i + 1;
        switch (c) {
        case '"': hedef.append("\\\"", 2); break;
        case '\\': hedef.append("\\\\", 2); break;
        case '\n': hedef.append("\\n", 2); break;
        case '\r': hedef.append("\\r", 2); break;
        case '\t': hedef.append("\\t", 2); break;
        default: {
            const char kacis[] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 15]};
            hedef.append(kacis, 6);
        }
        }
    }
    hedef.append(utf8.data() + bas, utf8.size() - bas);
    hedef.push_back('"');
}

class JsonYazici {
public:
    JsonYazici();

    void nesneBasla();
    void nesneBitir();
    void diziBasla();
    void diziBitir();
    void anahtar(std::string_view ad); // the name of the next member

    void metin(QStringView s);
    void metinUtf8(std::string_view s);
    void tamsayi(qint64 v);
    void ondalik(double v); // shortest text that reads back to the same double
    void mantiksal(bool v);
    void bos();
    void ham(std::string_view json); // an already written JSON value

    const QByteArray& veri() const { return m_veri; }
    QByteArray al() { return std::move(m_veri); }
    void rezerv(qsizetype n) { m_veri.reserve(n); }

    // Marshalled record: {"type": ..., "id": n, "fields": {...}}; `id` numbers the objects of
    // one value, 1 for the outermost, and is advanced past every object written.
    template <typename T>
    void kayit(const T& k, int& id);
    template <typename T>
    void kayit(const T& k)
    {
        int id = 1;
        kayit(k, id);
    }

private:
    void degerOncesi();
    void kacisliYaz(std::string_view utf8);

    struct AlanYazici;

    QByteArray m_veri;
    std::vector<bool> m_ilk; // per open container: no element written yet
    bool m_anahtarBekliyor = false;
};

struct JsonYazici::AlanYazici {
    JsonYazici& y;
    int& id;
    void operator()(const char* ad, const QString& v) { y.anahtar(ad); y.metin(v); }
    void operator()(const char* ad, int v) { y.anahtar(ad); y.tamsayi(v); }
    void operator()(const char* ad, double v) { y.anahtar(ad); y.ondalik(v); }
    void operator()(const char* ad, bool v) { y.anahtar(ad); y.mantiksal(v); }
    template <typename E>
    void operator()(const char* ad, const QList<E>& liste)
    {
        y.anahtar(ad);
        y.diziBasla();
        for (const E& e : liste)
            y.kayit(e, id);
        y.diziBitir();
    }
};

template <typename T>
void JsonYazici::kayit(const T& k, int& id)
{
    nesneBasla();
    anahtar("type");
    metinUtf8(T::kTipAdi);
    anahtar("id");
    tamsayi(id++);
    anahtar("fields");
    nesneBasla();
    k.alanlariGez(AlanYazici{*this, id});
    nesneBitir();
    nesneBitir();
}

} // namespace zelvar
