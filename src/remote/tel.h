#pragma once

// The wire between client and application server: length-prefixed JSON frames, requests,
// answers and the values they carry. Both sides build on this one codec.

#include "kayitlar.h"
#include "sonuctablosu.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <stdexcept>
#include <string_view>

namespace zelvar {

class JsonYazici;

// An error raised by a remote call: `sinif` is the kind name ("EServerError", ...), the
// message is the text the user may be shown.
class UzakHata : public std::runtime_error {
public:
    UzakHata(QString sinif, const QString& mesaj);
    const QString& sinif() const { return m_sinif; }
    QString mesaj() const { return QString::fromUtf8(what()); }

private:
    QString m_sinif;
};

namespace tel {

inline constexpr quint32 kVarsayilanCerceveSiniri = 64u * 1024u * 1024u;

inline const QString kProtokolHatasi = QStringLiteral("EProtocolError");
inline const QString kMetotYok = QStringLiteral("EMethodNotFound");
inline const QString kParametreHatasi = QStringLiteral("EParameterError");
inline const QString kSunucuHatasi = QStringLiteral("EServerError");
// Raised by the client's transport: no connection, time-out, connection lost.
inline const QString kBaglantiHatasi = QStringLiteral("EConnectionError");

inline const QString kMetotOnEki = QStringLiteral("TServerMethods1.");

QByteArray uzunlukOnEki(quint32 uzunluk);
quint32 uzunlukOku(const char* dortBayt);
// Checks a frame length against a limit; throws EProtocolError for 0 or above the limit.
void uzunlukDenetle(quint32 uzunluk, quint32 sinir);

class JsonBelge;

// A JSON value inside a parsed frame; valid while the frame it came from lives.
class JsonDeger {
public:
    JsonDeger() = default;

    bool gecerli() const { return m_gecerli; }
    bool bosMu() const;  // JSON null
    bool tamsayiMi() const;
    bool sayiMi() const;
    bool metinMi() const;
    bool mantiksalMi() const;
    bool nesneMi() const;
    bool diziMi() const;

    // Typed reads; each throws UzakHata(`hataSinifi`) naming `ne` when the kind is wrong.
    int int32(const QString& hataSinifi, const char* ne) const;
    qint64 int64(const QString& hataSinifi, const char* ne) const;
    double ondalik(const QString& hataSinifi, const char* ne) const;
    QString metin(const QString& hataSinifi, const char* ne) const;
    bool mantiksal(const QString& hataSinifi, const char* ne) const;
    QByteArray akis(const QString& hataSinifi, const char* ne) const; // base64 text -> bytes
    SonucTablosu tablo(const QString& hataSinifi) const;
    // A marshalled record; null gives no object.
    template <typename T>
    std::unique_ptr<T> kayit(const QString& hataSinifi) const;

    JsonDeger uye(std::string_view ad) const; // invalid when absent or not an object
    int diziBoyu() const;                     // -1 when not an array
    JsonDeger eleman(int i) const;
    QString jsonMetni() const; // the value written back as JSON text (for messages and tests)

    // The parser's own element handle, kept opaque so this header stays free of it.
    struct Ham {
        alignas(8) unsigned char bayt[16];
    };
    explicit JsonDeger(const Ham& h) : m_ham(h), m_gecerli(true) {}
    const Ham& ham() const { return m_ham; }

private:
    Ham m_ham{};
    bool m_gecerli = false;
};

// One parsed frame body. Parsing rejects what is not UTF-8 JSON with an object at the top.
class JsonBelge {
public:
    JsonBelge();
    ~JsonBelge();
    JsonBelge(const JsonBelge&) = delete;
    JsonBelge& operator=(const JsonBelge&) = delete;

    // Throws UzakHata(EProtocolError) when the body is not a JSON object.
    void coz(const char* veri, size_t uzunluk);
    void coz(const QByteArray& govde) { coz(govde.constData(), static_cast<size_t>(govde.size())); }
    JsonDeger kok() const;

private:
    struct Durum;
    std::unique_ptr<Durum> d;
};

// A request as the server reads it.
struct Istek {
    bool idVar = false;
    qint64 id = 0;
    QString metot; // without the "TServerMethods1." prefix
    JsonDeger parametreler;

    int parametreSayisi() const { return parametreler.diziBoyu(); }
    JsonDeger parametre(int i) const { return parametreler.eleman(i); }
};

// Reads id, method and params from a parsed request; throws EProtocolError when malformed
// (the id, when it was readable, is still set in `istek`).
void istekOku(const JsonBelge& belge, Istek& istek);

// An answer as the client reads it.
struct Cevap {
    qint64 id = 0;
    JsonDeger sonuc; // invalid when absent
    JsonDeger cikti; // the "out" array, invalid when absent
};

// Reads an answer and raises the server's error when it carries one; checks the id.
void cevapOku(const JsonBelge& belge, qint64 beklenenId, Cevap& cevap);

// Writing. A request: {"id":..,"method":"TServerMethods1.<metot>","params":[ ... then the
// caller writes the parameters and calls istekBitir.
void istekBasla(JsonYazici& y, qint64 id, QStringView metot);
void istekBitir(JsonYazici& y);

// An answer: {"id":..,"result": ... the handler writes the result (or null), optionally
// "out", and cevapBitir closes it.
void cevapBasla(JsonYazici& y, qint64 id);
void cevapBitir(JsonYazici& y);
// A whole error answer; `id` < 0 writes "id": null.
QByteArray hataCevabi(qint64 id, bool idVar, const QString& sinif, const QString& mesaj);

// Tables on the wire.
void tabloYaz(JsonYazici& y, const SonucTablosu& t);
void akisYaz(JsonYazici& y, const QByteArray& bayt); // base64 text

} // namespace tel
} // namespace zelvar
