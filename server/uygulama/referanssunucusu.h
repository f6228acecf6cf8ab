#pragma once

// The whole reference server: prepares the database (schema and, on first start, the demo
// data), then runs the remote-call server and the web site. main() and the in-process tests
// and benchmarks use it alike.

#include "is/isler.h"
#include "rpc/rpcsunucusu.h"
#include "veri/veritabani.h"

#include <QHostAddress>
#include <QString>

#include <memory>

namespace zelvar::web
{
class WebSitesi;
}

namespace zelvar::uygulama
{

struct Secenekler;

struct ReferansAyarlari {
    QString veriKlasoru;
    veri::VeritabaniAyari vt;
    rpc::SunucuAyarlari rpc;
    is::IsAyarlari is;
    quint16 webPort = 8080;
    bool webSitesi = true;
    int demoParca = 3000;
    bool demoParcaVerildi = false; // given on the command line (told when the data already exists)
};

// The data folder (created when missing), its configuration file "zelvarb2b-server.ini" and
// the command line, in that order of strength.
bool ayarlariHazirla(const Secenekler& s, ReferansAyarlari& a, QString& hata);
QString varsayilanVeriKlasoru();

// Opens the database, creates what is missing and fills an empty one with the demo data.
// Returns false with `hata` set on failure; `bilgi` receives progress notes.
bool veritabaniniHazirla(const ReferansAyarlari& a, QString& hata,
                         const std::function<void(const QString&)>& bilgi = {});

class ReferansSunucusu
{
public:
    explicit ReferansSunucusu(ReferansAyarlari ayarlar);
    ~ReferansSunucusu();
    ReferansSunucusu(const ReferansSunucusu&) = delete;
    ReferansSunucusu& operator=(const ReferansSunucusu&) = delete;

    // Prepares the database and starts listening.
    bool baslat(QString& hata, const std::function<void(const QString&)>& bilgi = {});
    void durdur();

    quint16 rpcPort() const;
    quint16 webPort() const;
    const ReferansAyarlari& ayarlar() const { return m_ayarlar; }

private:
    ReferansAyarlari m_ayarlar;
    std::unique_ptr<rpc::RpcSunucusu> m_rpc;
    std::unique_ptr<web::WebSitesi> m_web;
};

// The program: serve, register or list the demo users. Returns the exit code.
int calistir(const QStringList& argumanlar);

} // namespace zelvar::uygulama
