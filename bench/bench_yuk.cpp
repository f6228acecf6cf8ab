// Load: many clients search at the same time, each answer 100 rows decoded into the client's
// table. Prints calls per second and the latency percentiles.
//
//   bench_yuk [--items N] [--clients C] [--seconds S] [--data DIR] [--reconnect]
//
// --reconnect opens a new connection for every call, as the desktop client does.

#include "sunucusureci.h"

#include "baglanti.h"
#include "proxim.h"
#include "tel.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <atomic>
#include <barrier>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

using namespace zelvar;

namespace
{

std::unique_ptr<Baglanti> ac(quint16 port)
{
    auto b = std::make_unique<Baglanti>();
    b->Params()[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
    b->Params()[QStringLiteral("Port")] = QString::number(port);
    b->Open();
    return b;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication uygulama(argc, argv);
    int parca = 20000;
    int istemci = 50;
    int saniye = 10;
    bool yenidenBaglan = false;
    QString klasor;
    const QStringList a = uygulama.arguments();
    for (int i = 1; i < a.size(); ++i) {
        const bool deger = i + 1 < a.size();
        if (a[i] == QLatin1String("--items") && deger)
            parca = a[++i].toInt();
        else if (a[i] == QLatin1String("--clients") && deger)
            istemci = std::max(1, a[++i].toInt());
        else if (a[i] == QLatin1String("--seconds") && deger)
            saniye = std::max(1, a[++i].toInt());
        else if (a[i] == QLatin1String("--data") && deger)
            klasor = a[++i];
        else if (a[i] == QLatin1String("--reconnect"))
            yenidenBaglan = true;
    }
    const int onEkSayisi = std::max(1, parca / 100);

    SunucuSureci sunucu(parca, klasor);
    if (sunucu.port() == 0) {
        std::fprintf(stderr, "sunucu başlamadı\n");
        return 1;
    }
    TSonucBilgisi bilgi;
    {
        auto b = ac(sunucu.port());
        TServerMethods1Client p(*b);
        bilgi.Kopyala(*p.BuyukGetir(QStringLiteral("DEMO-BAYI-0")));
    }

    std::atomic<bool> olcuyor{false};
    std::atomic<bool> bitti{false};
    std::atomic<long> hatalar{0};
    std::mutex kilit;
    std::vector<double> gecikmeler;
    std::barrier baslangic(istemci + 1);
    std::vector<std::thread> isler;
    for (int i = 0; i < istemci; ++i) {
        isler.emplace_back([&, i] {
            std::vector<double> benim;
            benim.reserve(100000);
            std::unique_ptr<Baglanti> b;
            unsigned k = unsigned(i) * 7919u;
            baslangic.arrive_and_wait();
            while (!bitti.load()) {
                const QString aranan =
                    QStringLiteral("ZV%1").arg(int(k++ % unsigned(onEkSayisi)), 4, 10, QLatin1Char('0'));
                QElapsedTimer s;
                s.start();
                try {
                    if (!b || yenidenBaglan)
                        b = ac(sunucu.port());
                    TServerMethods1Client p(*b);
                    const SonucTablosu t = p.StokAraGetir(aranan, kopyasi(bilgi));
                    if (t.satirSayisi() != 100)
                        ++hatalar;
                } catch (const UzakHata&) {
                    ++hatalar;
                    b.reset();
                }
                if (olcuyor.load())
                    benim.push_back(double(s.nsecsElapsed()) / 1e6);
            }
            std::lock_guard k2(kilit);
            gecikmeler.insert(gecikmeler.end(), benim.begin(), benim.end());
        });
    }
    baslangic.arrive_and_wait();
    std::this_thread::sleep_for(std::chrono::seconds(1)); // warm-up, not counted
    const double sunucuIslemci0 = islemciSaniyesi(sunucu.pid());
    const double istemciIslemci0 = islemciSaniyesi(QCoreApplication::applicationPid());
    QElapsedTimer sure;
    sure.start();
    olcuyor = true;
    std::this_thread::sleep_for(std::chrono::seconds(saniye));
    olcuyor = false;
    const double gecen = double(sure.nsecsElapsed()) / 1e9;
    const long bellek = yerlesikBellekKb(sunucu.pid());
    const double sunucuIslemci = islemciSaniyesi(sunucu.pid()) - sunucuIslemci0;
    const double istemciIslemci = islemciSaniyesi(QCoreApplication::applicationPid()) - istemciIslemci0;
    bitti = true;
    for (auto& t : isler)
        t.join();

    std::sort(gecikmeler.begin(), gecikmeler.end());
    auto yuzdelik = [&](double y) {
        return gecikmeler.empty() ? 0.0
                                  : gecikmeler[std::min(gecikmeler.size() - 1, size_t(y * double(gecikmeler.size())))];
    };
    std::printf("%d istemci, %d parça, %s, %d s: %zu çağrı, %.0f çağrı/s, p50 %.2f ms, p90 %.2f ms, p99 %.2f ms, "
                "en çok %.2f ms, hata %ld, sunucu belleği %ld KiB\n",
                istemci, parca, yenidenBaglan ? "her çağrıda yeni bağlantı" : "kalıcı bağlantı", saniye,
                gecikmeler.size(), double(gecikmeler.size()) / gecen, yuzdelik(0.5), yuzdelik(0.9), yuzdelik(0.99),
                gecikmeler.empty() ? 0.0 : gecikmeler.back(), hatalar.load(), bellek);
    if (!gecikmeler.empty())
        std::printf("işlemci: sunucu %.0f µs/çağrı (%.2f çekirdek), istemciler %.0f µs/çağrı (%.2f çekirdek)\n",
                    sunucuIslemci * 1e6 / double(gecikmeler.size()), sunucuIslemci / gecen,
                    istemciIslemci * 1e6 / double(gecikmeler.size()), istemciIslemci / gecen);
    return 0;
}
