#pragma once

// Server side of the remote-call protocol, above the frames: a request body is checked against
// the method catalogue (name, number and kinds of parameters) and handed to the handler that
// was registered for its method; the handler writes its result straight into the answer.

#include "jsonyazici.h"
#include "katalog.h"
#include "kayitlar.h"
#include "sonuctablosu.h"
#include "tel.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zelvar::rpc
{

// Resources one worker thread keeps for its handlers, such as its own database connection.
class IsciKaynagi
{
public:
    virtual ~IsciKaynagi() = default;
};

// One column of a table answer.
struct SutunTanimi {
    const char* ad;
    AlanTuru tur;
    int boyut = 0; // maximum length of a text column; 0 leaves "size" out
};

// Writes a table answer row by row, straight into the answer: {"columns":[...],"rows":[...]}.
// Every row must carry exactly one cell per column, in column order.
class TabloYazici
{
public:
    TabloYazici(JsonYazici& y, std::span<const SutunTanimi> sutunlar);

    void satirBasla();
    void satirBitir();
    void tamsayi(qint64 v);
    void ondalik(double v);
    void mantiksal(bool v);
    void metin(QStringView v);
    void metinUtf8(std::string_view v);
    void tarih(const QDate& d);
    void tarihSaat(const QDateTime& t);
    void bos();
    void bitir();

    int satirSayisi() const { return m_satirSayisi; }
    int sutunSayisi() const { return static_cast<int>(m_sutunlar.size()); }
    std::span<const SutunTanimi> sutunlar() const { return m_sutunlar; }
    bool bitti() const { return m_bitti; }

private:
    void hucre();
    void kacisli(std::string_view utf8);

    JsonYazici& m_y;
    std::span<const SutunTanimi> m_sutunlar;
    // The rows array as JSON text: built here with plain appends, which is several times faster
    // for large answers than going through the general writer cell by cell, then handed over whole.
    std::string m_satirlar;
    int m_sutun = -1; // -1: no row open
    int m_satirSayisi = 0;
    bool m_bitti = false;
};

// What a handler sees of one call: its typed parameters (already checked against the
// catalogue), the worker's resources, and the answer it writes exactly once.
class IstekBaglami
{
public:
    IstekBaglami(const tel::Istek& istek, const MetotTanimi& tanim, JsonYazici& yazici, IsciKaynagi* kaynak);
    ~IstekBaglami();
    IstekBaglami(const IstekBaglami&) = delete;
    IstekBaglami& operator=(const IstekBaglami&) = delete;

    const MetotTanimi& tanim() const { return m_tanim; }
    qint64 istekNo() const { return m_istek.id; }

    int tamsayi(int i) const;
    double ondalik(int i) const;
    QString metin(int i) const;
    bool mantiksal(int i) const;
    // A session record parameter; null when the caller sent no object.
    const TSonucBilgisi* bilgi(int i) const;

    template <typename T> T& kaynak() const
    {
        auto* k = dynamic_cast<T*>(m_kaynak);
        if (!k)
            throw std::logic_error("işçi kaynağı yok");
        return *k;
    }

    // The result, exactly one of these per call (a method without result writes none).
    void tamsayiDon(int v);
    void mantiksalDon(bool v);
    void metinDon(QStringView v);
    template <typename T> void kayitDon(const T& k)
    {
        sonucYaz(DegerTuru::Nesne);
        m_y.kayit(k);
    }
    void nesneYokDon();                   // an object result that is null
    void akisDon(const QByteArray& bayt); // base64 text; its length goes to the out parameter
    TabloYazici& tabloBasla(std::span<const SutunTanimi> sutunlar);
    void tabloDon(const SonucTablosu& t);

    // Called by the dispatcher: checks parameters before the handler, the answer after it.
    void parametreleriDenetle();
    void cevabiTamamla();

private:
    friend class Dagitici;
    tel::JsonDeger parametre(int i) const { return m_istek.parametre(i); }
    void sonucYaz(DegerTuru tur);

    const tel::Istek& m_istek;
    const MetotTanimi& m_tanim;
    JsonYazici& m_y;
    IsciKaynagi* m_kaynak;
    std::vector<std::unique_ptr<TSonucBilgisi>> m_bilgiler;
    std::vector<qint64> m_ciktilar;
    std::unique_ptr<TabloYazici> m_tablo;
    bool m_sonucYazildi = false;
};

using Isleyici = std::function<void(IstekBaglami&)>;

// Handlers by method name. Registration happens before the server starts; afterwards the
// table is only read, from every worker thread at once.
class Dagitici
{
public:
    Dagitici();

    // A method of the catalogue; throws std::logic_error for an unknown or repeated name.
    void kaydet(std::string_view metot, Isleyici isleyici);
    // A method with its own definition (the definition must outlive the dispatcher).
    void kaydet(const MetotTanimi& tanim, Isleyici isleyici);
    bool kayitliMi(std::string_view metot) const;
    // Catalogue methods that have no handler yet.
    QStringList eksikMetotlar() const;

    // Answers one request body. `kapat` is set when the connection must be closed after the
    // answer (a protocol error). Never throws.
    QByteArray isle(const char* veri, size_t uzunluk, tel::JsonBelge& belge, IsciKaynagi* kaynak, quint32 cerceveSiniri,
                    bool& kapat) const;

private:
    struct Kayit {
        const MetotTanimi* tanim;
        Isleyici isleyici;
    };
    QHash<QString, Kayit> m_kayitlar;
};

} // namespace zelvar::rpc
