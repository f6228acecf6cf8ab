#pragma once

// The small settings file of the sign-in window, ayar.ini: section [kullanici] with the keys
// isim, sifre and hatırla. It is written as plain UTF-8 text by hand, because the key
// "hatırla" has a non-ASCII letter that QSettings would write escaped (hat%U0131rla) and other
// INI readers would then not find.

#include <QString>
#include <QStringList>

#include <optional>

namespace zelvar
{

// A line-based INI text: reading keeps every line, so that writing one value leaves comments,
// other sections and unknown keys as they were. Section and key names compare without regard
// to case. A value with blanks at either end, a ';' or '#', or a leading '"' is written in
// double quotes; quotes around a value are removed when it is read.
class IniMetni
{
public:
    // False when the file is missing or cannot be read; the text is then empty.
    bool oku(const QString& yol);
    void setMetin(const QString& metin);
    QString metin() const;

    bool varMi(QStringView bolum, QStringView anahtar) const;
    QString deger(QStringView bolum, QStringView anahtar, const QString& varsayilan = {}) const;
    // Replaces the key's value in place, or adds the key (and the section) at the end. Line
    // breaks cannot be kept in an INI value and become blanks.
    void setDeger(QStringView bolum, QStringView anahtar, const QString& deger);

    // Writes UTF-8 without a byte-order mark, replacing the file in one step.
    bool yaz(const QString& yol, QString* hata = nullptr) const;

private:
    struct Konum {
        int bolumSatiri = -1; // -1: the section is missing
        int anahtarSatiri = -1;
        int bolumSonu = -1; // the line after the section's last key line
    };
    Konum bul(QStringView bolum, QStringView anahtar) const;

    QStringList m_satirlar;
};

// What the sign-in window remembers.
struct GirisAyari {
    QString isim;
    QString sifre;
    bool hatirla = true;
};

// AyarKlasoru() + "/ayar.ini".
QString ayarDosyasiYolu();

// The remembered values; empty when the file does not exist. A missing or unreadable key
// keeps its default (name and password empty, "Beni hatırla" checked).
std::optional<GirisAyari> girisAyariOku(const QString& yol = ayarDosyasiYolu());

// Writes the three keys, keeping whatever else the file holds.
bool girisAyariYaz(const GirisAyari& ayar, const QString& yol = ayarDosyasiYolu(), QString* hata = nullptr);

// An INI boolean as the platform's own INI reader takes it: a whole number, 0 for false and
// any other for true; "true"/"false" (as other writers put it) are understood too; anything
// else gives `varsayilan`.
bool iniMantiksal(const QString& metin, bool varsayilan);

} // namespace zelvar
