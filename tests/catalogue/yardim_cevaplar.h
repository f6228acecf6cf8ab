#pragma once

// Scripted answers of the application server for the catalogue tests.

#include "sahtesunucu.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QString>

#include <functional>

// The method named in a request ("StokAraGetir"), and its parameters.
QString istekMetodu(const QByteArray& istek);
QJsonArray istekParametreleri(const QByteArray& istek);

// A stock search answer: one row per item with the columns the stock list reads. Row i has
// STOK_STOKNO 1000 + i, BARKOD "ZV" + number, prices from 100 up, K 0.
struct StokSatiri {
    int stokno = 0;
    QString barkod, adi, marka = QStringLiteral("MARKA"), model = QStringLiteral("MODEL"),
                       finishkod = QStringLiteral("F1");
    int durum = 1, resim = 0, y = 0, k = 0;
    double kdv = 20, fiyat = 100, listefiyat = 100, kampfiyat = 0, netfiyat = 85.5, kdvdahil = 102.6;
    double ind[4] = {10, 5, 0, 0};
    QString indirimyazi = QStringLiteral("10+5");
};
QJsonObject stokTablosu(const QList<StokSatiri>& satirlar, bool ind1Var = true);
QList<StokSatiri> ornekStoklar(int n);

// A basket answer with the fields the lists look up.
QJsonObject sepetTablosu(const QList<std::pair<int, int>>& stoknoVeSirano);

// Answers by method; an unknown method gets an EMethodNotFound error.
using MetotCevabi = std::function<QByteArray(const QByteArray& istek)>;
SahteSunucu::Cevaplayici metotlarla(QMap<QString, MetotCevabi> metotlar);

QByteArray jsonMetni(const QJsonValue& v);
QByteArray hataCevabi(const QByteArray& istek, const QByteArray& sinif, const QByteArray& mesaj);
