#pragma once

// The firm's small web site on its own port and thread: the home page, the request form
// (stored in the database), item pictures, the card-payment page and the setup download.

#include "veri/veritabani.h"

#include <QHostAddress>
#include <QString>

#include <memory>

namespace zelvar::web
{

class WebSitesi
{
public:
    WebSitesi(const veri::VeritabaniAyari& vt, QHostAddress adres, quint16 port);
    ~WebSitesi();
    WebSitesi(const WebSitesi&) = delete;
    WebSitesi& operator=(const WebSitesi&) = delete;

    bool baslat(QString* hata = nullptr);
    void durdur();
    quint16 port() const;

    // The setup program served at /exe/ZelvarB2BSetup.exe: a shell script that, run with
    // "/silent", writes "ZelvarB2BSetup.kuruldu" next to itself.
    static QByteArray kurulumProgrami();

private:
    struct Ic;
    std::unique_ptr<Ic> d;
};

} // namespace zelvar::web
