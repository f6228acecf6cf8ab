// Round trip of StokAraGetir answers of about 1k, 10k and 50k rows, decoded into the client's
// result table: time (server and transfer, decoding), answer size and table memory.
//
//   bench_stokara [--items N] [--data DIR] [--repeat R]
//
// With N = 50000 (the default) the searches "ZV000", "ZV00" and "ZV" give 1000, 10000 and
// 50000 rows.

#include "sunucusureci.h"

#include "baglanti.h"
#include "jsonyazici.h"
#include "proxim.h"
#include "tel.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace zelvar;

namespace
{

double ortanca(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication uygulama(argc, argv);
    int parca = 50000;
    int tekrar = 5;
    QString klasor;
    const QStringList a = uygulama.arguments();
    for (int i = 1; i + 1 < a.size(); i += 2) {
        if (a[i] == QLatin1String("--items"))
            parca = a[i + 1].toInt();
        else if (a[i] == QLatin1String("--data"))
            klasor = a[i + 1];
        else if (a[i] == QLatin1String("--repeat"))
            tekrar = std::max(1, a[i + 1].toInt());
    }

    SunucuSureci sunucu(parca, klasor);
    if (sunucu.port() == 0) {
        std::fprintf(stderr, "sunucu başlamadı\n");
        return 1;
    }
    std::printf("sunucu hazır: %d parça, %.1f s (ilk başlangıçta demo verisi dahil)\n", parca,
                double(sunucu.hazirlikMs()) / 1000.0);

    Baglanti b;
    b.Params()[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
    b.Params()[QStringLiteral("Port")] = QString::number(sunucu.port());
    b.setCagriSuresiMs(600000);
    b.Open();
    TServerMethods1Client p(b);
    TSonucBilgisi bilgi;
    bilgi.Kopyala(*p.BuyukGetir(QStringLiteral("DEMO-BAYI-0")));

    std::printf("\n%-8s %8s %12s %14s %12s %12s %14s %10s\n", "arama", "satır", "toplam ms", "sunucu+ağ ms", "çözme ms",
                "cevap KiB", "tablo KiB", "B/satır");
    const char* aramalar[] = {"ZV000", "ZV00", "ZV0", "ZV"};
    for (const char* aranan : aramalar) {
        std::vector<double> toplam, tasima, cozme;
        qsizetype bayt = 0;
        int satir = 0;
        size_t bellek = 0;
        bool hata = false;
        for (int r = 0; r <= tekrar && !hata; ++r) {
            try {
                // The same request the proxy makes, split into its two halves.
                JsonYazici y;
                tel::istekBasla(y, b.sonrakiIstekNo(), u"StokAraGetir");
                y.metinUtf8(aranan);
                y.kayit(bilgi);
                tel::istekBitir(y);
                QElapsedTimer s;
                s.start();
                const QByteArray cevap = b.istekGonder(y.veri());
                const double t1 = double(s.nsecsElapsed()) / 1e6;
                tel::JsonBelge belge;
                belge.coz(cevap);
                const tel::JsonDeger sonuc = belge.kok().uye("result");
                if (!sonuc.nesneMi())
                    throw UzakHata(tel::kSunucuHatasi, QString::fromUtf8(cevap.left(300)));
                const SonucTablosu t = sonuc.tablo(tel::kProtokolHatasi);
                const double t2 = double(s.nsecsElapsed()) / 1e6;
                if (r == 0)
                    continue; // warm-up
                tasima.push_back(t1);
                cozme.push_back(t2 - t1);
                bayt = cevap.size();
                satir = t.satirSayisi();
                bellek = t.bellekKullanimi();
                // And through the proxy itself, as the client calls it.
                QElapsedTimer v;
                v.start();
                const SonucTablosu vt = p.StokAraGetir(QString::fromLatin1(aranan), kopyasi(bilgi));
                toplam.push_back(double(v.nsecsElapsed()) / 1e6);
                if (vt.satirSayisi() != satir)
                    throw UzakHata(tel::kSunucuHatasi, QStringLiteral("satır sayısı tutmuyor"));
            } catch (const UzakHata& h) {
                std::printf("%-8s hata: %s\n", aranan, qPrintable(h.mesaj()));
                hata = true;
            }
        }
        if (hata)
            continue;
        std::printf("%-8s %8d %12.1f %14.1f %12.1f %12.0f %14.0f %10.0f\n", aranan, satir, ortanca(toplam),
                    ortanca(tasima), ortanca(cozme), double(bayt) / 1024.0, double(bellek) / 1024.0,
                    satir ? double(bayt) / satir : 0.0);
    }
    std::printf("\nsunucu yerleşik bellek: %ld KiB\n", yerlesikBellekKb(sunucu.pid()));
    return 0;
}
