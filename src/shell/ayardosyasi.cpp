#include "ayardosyasi.h"

#include "platform/klasorler.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zelvar
{

namespace
{

const QString kBolum = QStringLiteral("kullanici");
const QString kIsim = QStringLiteral("isim");
const QString kSifre = QStringLiteral("sifre");
const QString kHatirla = QStringLiteral("hatırla");

bool yorumMu(QStringView satir)
{
    return satir.isEmpty() || satir.startsWith(QLatin1Char(';')) || satir.startsWith(QLatin1Char('#'));
}

// "[ad]" -> ad; a line that is no section header gives a null text.
QString bolumAdi(QStringView satir)
{
    if (!satir.startsWith(QLatin1Char('[')))
        return {};
    const qsizetype son = satir.lastIndexOf(QLatin1Char(']'));
    if (son < 1)
        return {};
    QString ad = satir.mid(1, son - 1).trimmed().toString();
    if (ad.isNull())
        ad = QString(QLatin1String(""));
    return ad;
}

bool anahtarDegerAyir(QStringView satir, QStringView& anahtar, QStringView& deger)
{
    const qsizetype esit = satir.indexOf(QLatin1Char('='));
    if (esit <= 0)
        return false;
    anahtar = satir.left(esit).trimmed();
    deger = satir.mid(esit + 1).trimmed();
    return !anahtar.isEmpty();
}

QString tirnakAc(QStringView deger)
{
    if (deger.size() >= 2 && deger.startsWith(QLatin1Char('"')) && deger.endsWith(QLatin1Char('"')))
        return deger.mid(1, deger.size() - 2).toString();
    return deger.toString();
}

QString tirnakla(QString deger)
{
    deger.replace(QLatin1String("\r\n"), QLatin1String(" "));
    deger.replace(QLatin1Char('\r'), QLatin1Char(' '));
    deger.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const bool gerekli =
        !deger.isEmpty() && (deger.front().isSpace() || deger.back().isSpace() || deger.startsWith(QLatin1Char('"')) ||
                             deger.contains(QLatin1Char(';')) || deger.contains(QLatin1Char('#')));
    return gerekli ? QLatin1Char('"') + deger + QLatin1Char('"') : deger;
}

bool ayniAd(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

bool IniMetni::oku(const QString& yol)
{
    m_satirlar.clear();
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QByteArray veri = f.readAll();
    if (veri.startsWith("\xEF\xBB\xBF"))
        veri.remove(0, 3);
    setMetin(QString::fromUtf8(veri));
    return true;
}

void IniMetni::setMetin(const QString& metin)
{
    m_satirlar = metin.split(QLatin1Char('\n'));
    for (QString& s : m_satirlar) {
        if (s.endsWith(QLatin1Char('\r')))
            s.chop(1);
    }
    // A final line break leaves one empty piece that is no line of its own.
    if (!m_satirlar.isEmpty() && m_satirlar.back().isEmpty())
        m_satirlar.removeLast();
}

QString IniMetni::metin() const
{
    QString s;
    for (const QString& satir : m_satirlar) {
        s += satir;
        s += QLatin1Char('\n');
    }
    return s;
}

IniMetni::Konum IniMetni::bul(QStringView bolum, QStringView anahtar) const
{
    Konum k;
    bool icinde = false;
    for (int i = 0; i < m_satirlar.size(); ++i) {
        const QStringView satir = QStringView(m_satirlar[i]).trimmed();
        if (const QString ad = bolumAdi(satir); !ad.isNull()) {
            if (icinde)
                break; // only the first section of that name counts
            if (ayniAd(ad, bolum)) {
                icinde = true;
                k.bolumSatiri = i;
                k.bolumSonu = i + 1;
            }
            continue;
        }
        if (!icinde || yorumMu(satir))
            continue;
        QStringView a;
        QStringView d;
        if (!anahtarDegerAyir(satir, a, d))
            continue;
        k.bolumSonu = i + 1;
        if (k.anahtarSatiri < 0 && ayniAd(a, anahtar))
            k.anahtarSatiri = i;
    }
    return k;
}

bool IniMetni::varMi(QStringView bolum, QStringView anahtar) const
{
    return bul(bolum, anahtar).anahtarSatiri >= 0;
}

QString IniMetni::deger(QStringView bolum, QStringView anahtar, const QString& varsayilan) const
{
    const Konum k = bul(bolum, anahtar);
    if (k.anahtarSatiri < 0)
        return varsayilan;
    QStringView a;
    QStringView d;
    anahtarDegerAyir(QStringView(m_satirlar[k.anahtarSatiri]).trimmed(), a, d);
    return tirnakAc(d);
}

void IniMetni::setDeger(QStringView bolum, QStringView anahtar, const QString& deger)
{
    const QString satir = anahtar.toString() + QLatin1Char('=') + tirnakla(deger);
    const Konum k = bul(bolum, anahtar);
    if (k.anahtarSatiri >= 0) {
        m_satirlar[k.anahtarSatiri] = satir;
    } else if (k.bolumSatiri >= 0) {
        m_satirlar.insert(k.bolumSonu, satir);
    } else {
        if (!m_satirlar.isEmpty() && !m_satirlar.back().trimmed().isEmpty())
            m_satirlar << QString();
        m_satirlar << QLatin1Char('[') + bolum.toString() + QLatin1Char(']') << satir;
    }
}

bool IniMetni::yaz(const QString& yol, QString* hata) const
{
    QSaveFile f(yol);
    if (!f.open(QIODevice::WriteOnly)) {
        if (hata)
            *hata = f.errorString();
        return false;
    }
    f.write(metin().toUtf8());
    if (!f.commit()) {
        if (hata)
            *hata = f.errorString();
        return false;
    }
    return true;
}

bool iniMantiksal(const QString& metin, bool varsayilan)
{
    const QString t = metin.trimmed();
    bool sayi = false;
    const qlonglong n = t.toLongLong(&sayi);
    if (sayi)
        return n != 0;
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return varsayilan;
}

QString ayarDosyasiYolu()
{
    return AyarKlasoru() + QStringLiteral("/ayar.ini");
}

std::optional<GirisAyari> girisAyariOku(const QString& yol)
{
    if (!QFileInfo(yol).isFile())
        return std::nullopt;
    GirisAyari a;
    IniMetni ini;
    if (!ini.oku(yol))
        return a; // present but unreadable: the defaults
    a.hatirla = iniMantiksal(ini.deger(kBolum, kHatirla), true);
    a.isim = ini.deger(kBolum, kIsim);
    a.sifre = ini.deger(kBolum, kSifre);
    return a;
}

bool girisAyariYaz(const GirisAyari& ayar, const QString& yol, QString* hata)
{
    IniMetni ini;
    ini.oku(yol); // a missing file starts empty
    ini.setDeger(kBolum, kIsim, ayar.isim);
    ini.setDeger(kBolum, kSifre, ayar.sifre);
    ini.setDeger(kBolum, kHatirla, ayar.hatirla ? QStringLiteral("1") : QStringLiteral("0"));
    return ini.yaz(yol, hata);
}

} // namespace zelvar
