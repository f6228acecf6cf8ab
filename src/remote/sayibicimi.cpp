#include "sayibicimi.h"

#include "sonuctablosu.h"

#include <charconv>
#include <cstring>
#include <cmath>
#include <cstdio>
#include <string>

namespace zelvar {

namespace {

// |deger| as plain decimal digits, rounded half away from zero to `ondalikBasamak` places
// from its 15 significant digits. Gives the integer digits (without leading zeros) and the
// fraction digits (exactly `ondalikBasamak` of them).
void ondalikBasamaklar(double deger, int ondalikBasamak, std::string& tam, std::string& kesir)
{
    char tampon[40];
    std::snprintf(tampon, sizeof tampon, "%.14e", std::fabs(deger));
    // d.dddddddddddddde[+-]XX
    std::string rakamlar;
    rakamlar += tampon[0];
    rakamlar.append(tampon + 2, 14);
    const int us = std::atoi(std::strchr(tampon, 'e') + 1);
    // rakamlar holds 15 digits; the decimal point sits after digit index `us`.
    int noktaKonumu = us + 1;
    if (noktaKonumu < 0) {
        rakamlar.insert(0, static_cast<size_t>(-noktaKonumu), '0');
        noktaKonumu = 0;
    }
    if (static_cast<int>(rakamlar.size()) < noktaKonumu + ondalikBasamak + 1)
        rakamlar.append(static_cast<size_t>(noktaKonumu + ondalikBasamak + 1) - rakamlar.size(), '0');
    const int kesilen = noktaKonumu + ondalikBasamak;
    const bool yukari = rakamlar[static_cast<size_t>(kesilen)] >= '5';
    rakamlar.resize(static_cast<size_t>(kesilen));
    if (yukari) {
        int i = kesilen - 1;
        while (i >= 0 && rakamlar[static_cast<size_t>(i)] == '9') {
            rakamlar[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++rakamlar[static_cast<size_t>(i)];
        } else {
            rakamlar.insert(rakamlar.begin(), '1');
            ++noktaKonumu;
        }
    }
    tam = rakamlar.substr(0, static_cast<size_t>(noktaKonumu));
    kesir = rakamlar.substr(static_cast<size_t>(noktaKonumu));
    const auto ilk = tam.find_first_not_of('0');
    tam = ilk == std::string::npos ? std::string() : tam.substr(ilk);
}

struct Bolum {
    QString onEk;
    QString sonEk;
    bool gruplama = false;
    int enAzTam = 0;
    int enAzKesir = 0;
    int enCokKesir = 0;
};

Bolum bolumCoz(QStringView s)
{
    Bolum b;
    auto yerTutucu = [](QChar c) { return c == u'0' || c == u'#' || c == u'.' || c == u','; };
    qsizetype ilk = 0;
    while (ilk < s.size() && !yerTutucu(s[ilk]))
        ++ilk;
    qsizetype son = s.size();
    while (son > ilk && !yerTutucu(s[son - 1]))
        --son;
    b.onEk = s.left(ilk).toString().remove(u'"');
    b.sonEk = s.mid(son).toString().remove(u'"');
    bool kesirde = false;
    bool sifirGoruldu = false;
    for (qsizetype i = ilk; i < son; ++i) {
        const QChar c = s[i];
        if (c == u',') {
            b.gruplama = true;
        } else if (c == u'.') {
            kesirde = true;
        } else if (c == u'0' || c == u'#') {
            if (kesirde) {
                ++b.enCokKesir;
                if (c == u'0')
                    b.enAzKesir = b.enCokKesir;
            } else if (c == u'0' || sifirGoruldu) {
                sifirGoruldu = true;
                ++b.enAzTam;
            }
        }
    }
    return b;
}

QString bolumUygula(const Bolum& b, double mutlak, bool eksiIsareti, const QLocale& yerel)
{
    std::string tam, kesir;
    ondalikBasamaklar(mutlak, b.enCokKesir, tam, kesir);
    while (static_cast<int>(kesir.size()) > b.enAzKesir && !kesir.empty() && kesir.back() == '0')
        kesir.pop_back();
    if (static_cast<int>(tam.size()) < b.enAzTam)
        tam.insert(0, static_cast<size_t>(b.enAzTam) - tam.size(), '0');

    QString sonuc = b.onEk;
    if (eksiIsareti)
        sonuc += yerel.negativeSign();
    const QString grup = yerel.groupSeparator();
    for (size_t i = 0; i < tam.size(); ++i) {
        if (b.gruplama && i > 0 && (tam.size() - i) % 3 == 0)
            sonuc += grup;
        sonuc += QChar::fromLatin1(tam[i]);
    }
    if (!kesir.empty()) {
        sonuc += yerel.decimalPoint();
        sonuc += QString::fromLatin1(kesir.data(), static_cast<qsizetype>(kesir.size()));
    }
    sonuc += b.sonEk;
    return sonuc;
}

bool sifiraYuvarlanir(double mutlak, int ondalikBasamak)
{
    std::string tam, kesir;
    ondalikBasamaklar(mutlak, ondalikBasamak, tam, kesir);
    return tam.empty() && kesir.find_first_not_of('0') == std::string::npos;
}

} // namespace

QString SayiBicimle(double deger, QStringView bicim, const QLocale& yerel)
{
    if (!std::isfinite(deger))
        return yerel.toString(deger);
    const auto bolumler = bicim.split(u';');
    const Bolum arti = bolumCoz(bolumler.value(0));
    const double mutlak = std::fabs(deger);
    if (bolumler.size() >= 3 && !bolumler[2].isEmpty() && sifiraYuvarlanir(mutlak, arti.enCokKesir))
        return bolumUygula(bolumCoz(bolumler[2]), 0.0, false, yerel);
    if (deger < 0 && !sifiraYuvarlanir(mutlak, arti.enCokKesir)) {
        if (bolumler.size() >= 2 && !bolumler[1].isEmpty())
            return bolumUygula(bolumCoz(bolumler[1]), mutlak, false, yerel);
        return bolumUygula(arti, mutlak, true, yerel);
    }
    return bolumUygula(arti, mutlak, false, yerel);
}

double Yuvarla(double deger)
{
    if (!std::isfinite(deger))
        return deger;
    std::string tam, kesir;
    ondalikBasamaklar(deger, 2, tam, kesir);
    std::string metin = (tam.empty() ? std::string("0") : tam) + "." + kesir;
    double sonuc = 0.0;
    std::from_chars(metin.data(), metin.data() + metin.size(), sonuc);
    return deger < 0 ? -sonuc : sonuc;
}

void SayiFormatla(SonucTablosu& tablo)
{
    for (int i = 0; i < tablo.sutunSayisi(); ++i)
        if (tablo.sutun(i).tur == AlanTuru::Float)
            tablo.setGosterimBicimi(i, QString::fromLatin1(kParaBicimi));
}

} // namespace zelvar
