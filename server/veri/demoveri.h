#pragma once

// The demo data set: an invented distributor with its parts, dealer accounts, salespeople,
// users, baskets, orders in every state, account statements, announcements and banners.
// The same part count gives the same data (dates are laid out backwards from the day of
// creation).

#include <QDate>
#include <QList>
#include <QString>

namespace zelvar::veri
{

class Veritabani;

struct DemoKullanici {
    QString adi;
    QString sifre;
    int tip = 0;
    int carino = 0;
    bool aktif = true;
    QString bilgisayarId; // the demo workstation identifier registered for the user
    QString aciklama;
};

// The demo users, also for printing (their passwords are upper case: the client's sign-in
// boxes turn input into capitals).
const QList<DemoKullanici>& demoKullanicilari();

// True when the database already holds the reference data.
bool veriVarMi(Veritabani& vt);

// Fills an empty database in one transaction; false (and nothing written) when the data is
// already there, also when another process wrote it a moment ago.
bool demoVeriKur(Veritabani& vt, int parcaSayisi, const QDate& bugun);

// Registers (or moves) a workstation to a user; creates the user (active) or updates an
// existing one's password, kind and account by name (its active flag stays).
// Returns the user's number. Throws VeritabaniHatasi / std::invalid_argument.
int istasyonKaydet(Veritabani& vt, const QString& bilgisayarId, const QString& adi, const QString& sifre, int tip,
                   int carino);

} // namespace zelvar::veri
