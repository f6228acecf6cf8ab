#pragma once

// The command line of zelvarb2b-server:
//   zelvarb2b-server [--data DIR] [--port N] [--web-port N] [--demo-items N] [--listen ADDR]
//                    [--client-version N] [--db DB]
//   zelvarb2b-server register [--data DIR] (--id ID | --this-workstation) --user NAME
//                    --password PW --kind K --account CARINO [--db DB]
//   zelvarb2b-server demo-users [--data DIR] [--db DB]

#include <QHostAddress>
#include <QString>
#include <QStringList>

namespace zelvar::uygulama
{

struct Secenekler {
    enum class Komut { Sun, Kaydet, DemoKullanicilari, Yardim };
    Komut komut = Komut::Sun;

    QString veriKlasoru; // empty: the user's data location
    QString db;          // empty: the data folder's configuration, else SQLite in the data folder
    // serve
    quint16 port = 9090;
    quint16 webPort = 8080;
    int demoParca = 3000;
    bool demoParcaVerildi = false;
    QHostAddress adres = QHostAddress::LocalHost;
    int istemciSurumu = 2;
    // register
    QString bilgisayarId;
    bool buIstasyon = false;
    QString kullanici;
    QString sifre;
    int tip = -1;
    int carino = -1;
};

// Reads the arguments after the program name. False with `hata` set for anything unclear.
bool komutSatiriCoz(const QStringList& argumanlar, Secenekler& s, QString& hata);
QString kullanim();

} // namespace zelvar::uygulama
