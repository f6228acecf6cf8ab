#pragma once

// The in-memory result table behind every list. A load replaces its columns and rows as a
// whole. Cells are stored by column: numbers in flat arrays, texts as UTF-8 slices of one
// buffer, so a large answer costs little more memory than its bytes on the wire.

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

#include <cstdint>
#include <vector>

namespace zelvar {

enum class AlanTuru : quint8 {
    Integer,  // 32-bit
    LargeInt, // 64-bit
    Float,    // the plain floating-point kind
    Currency,
    Bcd,      // fixed decimal, kept as its text
    Boolean,
    String,
    Memo,
    Date,
    Time,
    DateTime,
    Blob,
};

// Wire names of the column types ("integer", "float", ...), and back. Unknown names give false.
const char* alanTuruAdi(AlanTuru t);
bool alanTuruCoz(std::string_view ad, AlanTuru& t);

struct Sutun {
    QString ad;
    AlanTuru tur = AlanTuru::String;
    int boyut = 0;          // maximum length of a text column, 0 when not given
    QString gosterimBicimi; // display format such as "#,###,##0.00"; empty: shown as it is
};

class SonucTablosu {
public:
    int sutunSayisi() const { return static_cast<int>(m_sutunlar.size()); }
    int satirSayisi() const { return m_satirSayisi; }
    bool bosMu() const { return m_satirSayisi == 0; }

    const Sutun& sutun(int i) const { return m_sutunlar[static_cast<size_t>(i)].tanim; }
    // Column by name, ignoring letter case as field lookups by name do; -1 when absent.
    int sutunBul(QStringView ad) const;
    void setGosterimBicimi(int sutun, const QString& bicim);

    bool bosHucre(int satir, int sutun) const;
    // Cell as a typed value: int, qlonglong, double, bool, QString, QDate, QTime, QDateTime or
    // QByteArray; a null cell gives an invalid QVariant. Bcd cells give their number.
    QVariant deger(int satir, int sutun) const;
    qint64 tamsayi(int satir, int sutun) const;  // 0 for null or text that is not a number
    double ondalik(int satir, int sutun) const;  // 0 for null
    QString metin(int satir, int sutun) const;   // the cell as text; empty for null
    bool mantiksal(int satir, int sutun) const;

    // By name; an unknown column reads as null.
    QVariant deger(int satir, QStringView sutunAdi) const;
    qint64 tamsayi(int satir, QStringView sutunAdi) const;
    double ondalik(int satir, QStringView sutunAdi) const;
    QString metin(int satir, QStringView sutunAdi) const;

    // Building: columns first, then rows; a new row starts with every cell null.
    void temizle();
    int sutunEkle(Sutun s);
    int satirEkle();
    void yazBos(int satir, int sutun);
    void yazTamsayi(int satir, int sutun, qint64 v); // Integer, LargeInt, Boolean
    void yazOndalik(int satir, int sutun, double v);  // Float, Currency
    void yazMetinUtf8(int satir, int sutun, std::string_view utf8); // String, Memo, Bcd, Blob bytes
    void yazMetin(int satir, int sutun, const QString& s);
    void yazTarih(int satir, int sutun, const QDate& d);
    void yazSaat(int satir, int sutun, const QTime& t);
    void yazTarihSaat(int satir, int sutun, const QDateTime& t);
    // Any value converted to the column's kind; an invalid QVariant writes null.
    void yaz(int satir, int sutun, const QVariant& v);

    void rezerv(int satirlar);
    // Bytes held by the table's cells and texts (for the memory benchmarks).
    size_t bellekKullanimi() const;

private:
    struct Dilim {
        quint32 bas = 0;
        quint32 uzunluk = 0;
    };
    struct SutunVerisi {
        Sutun tanim;
        std::vector<qint64> tamsayilar; // integers, booleans, dates (Julian day), times and
                                        // date-times (ms)
        std::vector<double> ondaliklar;
        std::vector<Dilim> dilimler;
        std::vector<bool> bos;
    };
    static bool metinTuru(AlanTuru t);
    static bool ondalikTuru(AlanTuru t);
    std::string_view dilim(const SutunVerisi& s, int satir) const;

    std::vector<SutunVerisi> m_sutunlar;
    QByteArray m_metinler;
    int m_satirSayisi = 0;
};

} // namespace zelvar
