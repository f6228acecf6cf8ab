#include "gifyazici.h"

#include <stdexcept>
#include <vector>

namespace zelvar::veri
{

namespace
{

constexpr int kEnBuyukKod = 4095;

void kucukSonlu16(QByteArray& b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

int paletSirasi(QRgb p)
{
    // Nearest of six evenly spaced levels per channel.
    auto seviye = [](int c) { return (c * 5 + 127) / 255; };
    return seviye(qRed(p)) * 36 + seviye(qGreen(p)) * 6 + seviye(qBlue(p));
}

// Packs codes of growing width, least significant bit first, into 255-byte sub-blocks.
class BitYazici
{
public:
    explicit BitYazici(QByteArray& cikti) : m_cikti(cikti) {}

    void yaz(int kod, int genislik)
    {
        m_birikim |= quint32(kod) << m_bitler;
        m_bitler += genislik;
        while (m_bitler >= 8) {
            bayt(char(m_birikim & 0xFF));
            m_birikim >>= 8;
            m_bitler -= 8;
        }
    }

    void bitir()
    {
        if (m_bitler > 0)
            bayt(char(m_birikim & 0xFF));
        m_birikim = 0;
        m_bitler = 0;
        if (!m_blok.isEmpty())
            blokYaz();
        m_cikti.append(char(0)); // end of the image data
    }

private:
    void bayt(char c)
    {
        m_blok.append(c);
        if (m_blok.size() == 255)
            blokYaz();
    }
    void blokYaz()
    {
        m_cikti.append(char(m_blok.size()));
        m_cikti.append(m_blok);
        m_blok.clear();
    }

    QByteArray& m_cikti;
    QByteArray m_blok;
    quint32 m_birikim = 0;
    int m_bitler = 0;
};

void lzwYaz(QByteArray& cikti, const std::vector<quint8>& pikseller)
{
    constexpr int kEnKucukKodBoyu = 8;
    constexpr int kTemizle = 1 << kEnKucukKodBoyu;
    constexpr int kSon = kTemizle + 1;
    cikti.append(char(kEnKucukKodBoyu));
    BitYazici bitler(cikti);

    // sozluk[kod * 256 + piksel] = the code of that string followed by the pixel, 0 if none.
    std::vector<quint16> sozluk(size_t(kEnBuyukKod + 1) * 256, 0);
    int kodBoyu = kEnKucukKodBoyu + 1;
    int sonKod = kSon;
    bitler.yaz(kTemizle, kodBoyu);
    if (pikseller.empty()) {
        bitler.yaz(kSon, kodBoyu);
        bitler.bitir();
        return;
    }
    int simdiki = pikseller[0];
    for (size_t i = 1; i < pikseller.size(); ++i) {
        const int p = pikseller[i];
        const quint16 sonraki = sozluk[size_t(simdiki) * 256 + size_t(p)];
        if (sonraki != 0) {
            simdiki = sonraki;
            continue;
        }
        bitler.yaz(simdiki, kodBoyu);
        sozluk[size_t(simdiki) * 256 + size_t(p)] = quint16(++sonKod);
        if (sonKod >= (1 << kodBoyu))
            ++kodBoyu;
        if (sonKod == kEnBuyukKod) {
            // The table is full: start over so the codes stay within 12 bits.
            bitler.yaz(kTemizle, kodBoyu);
            std::fill(sozluk.begin(), sozluk.end(), quint16(0));
            kodBoyu = kEnKucukKodBoyu + 1;
            sonKod = kSon;
        }
        simdiki = p;
    }
    bitler.yaz(simdiki, kodBoyu);
    bitler.yaz(kSon, kodBoyu);
    bitler.bitir();
}

} // namespace

QByteArray gifYaz(const QList<QImage>& kareler, int gecikmeCs)
{
    if (kareler.isEmpty() || kareler.front().isNull())
        throw std::invalid_argument("GIF için resim yok");
    const int g = kareler.front().width();
    const int y = kareler.front().height();
    if (g > 0xFFFF || y > 0xFFFF)
        throw std::invalid_argument("GIF için resim çok büyük");

    QByteArray b;
    b.append("GIF89a");
    kucukSonlu16(b, g);
    kucukSonlu16(b, y);
    b.append(char(0xF7)); // global colour table of 256 entries, 8 bits per primary
    b.append(char(0));    // background colour
    b.append(char(0));    // pixel aspect ratio
    for (int i = 0; i < 256; ++i) {
        const int r = i < 216 ? (i / 36) * 51 : 0;
        const int gr = i < 216 ? ((i / 6) % 6) * 51 : 0;
        const int m = i < 216 ? (i % 6) * 51 : 0;
        b.append(char(r));
        b.append(char(gr));
        b.append(char(m));
    }
    if (kareler.size() > 1) {
        b.append("\x21\xFF\x0B", 3);
        b.append("NETSCAPE2.0");
        b.append("\x03\x01", 2);
        kucukSonlu16(b, 0); // loop for ever
        b.append(char(0));
    }
    for (const QImage& kare : kareler) {
        if (kare.size() != kareler.front().size())
            throw std::invalid_argument("GIF kareleri aynı boyda olmalı");
        const QImage rgb = kare.convertToFormat(QImage::Format_RGB32);
        b.append("\x21\xF9\x04", 3);
        b.append(char(0x04)); // leave the frame in place, no transparency
        kucukSonlu16(b, gecikmeCs);
        b.append(char(0));
        b.append(char(0));
        b.append(char(0x2C));
        kucukSonlu16(b, 0);
        kucukSonlu16(b, 0);
        kucukSonlu16(b, g);
        kucukSonlu16(b, y);
        b.append(char(0)); // no local colour table, not interlaced
        std::vector<quint8> pikseller;
        pikseller.reserve(size_t(g) * size_t(y));
        for (int sy = 0; sy < y; ++sy) {
            const auto* satir = reinterpret_cast<const QRgb*>(rgb.constScanLine(sy));
            for (int sx = 0; sx < g; ++sx)
                pikseller.push_back(quint8(paletSirasi(satir[sx])));
        }
        lzwYaz(b, pikseller);
    }
    b.append(char(0x3B));
    return b;
}

} // namespace zelvar::veri
