#include "widgets/baglantikontrol.h"

#include "remote/baglanti.h"
#include "remote/tel.h"
#include "widgets/arayuz.h"
#include "widgets/mesaj.h"

#include <QThread>

#include <mutex>

namespace zelvar {

namespace {

constexpr int kDenemeSayisi = 11;
constexpr int kBeklemeMs = 500;

std::mutex g_kilit;
std::function<void(int)> g_bekleme;

void bekle(int ms)
{
    std::function<void(int)> b;
    {
        std::lock_guard<std::mutex> k(g_kilit);
        b = g_bekleme;
    }
    if (b)
        b(ms);
    else
        QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace

bool BaglantiKontrol(Baglanti& baglanti, int report)
{
    baglanti.Close();
    bool acik = false;
    for (int deneme = 0; deneme < kDenemeSayisi && !acik; ++deneme) {
        try {
            baglanti.Open();
            acik = true;
        } catch (const UzakHata&) {
            baglanti.Close();
            bekle(kBeklemeMs);
        }
    }
    if (!acik && report == 1) {
        ArayuzdeCalistir([] {
            MesajGoster(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"), MesajTuru::Hata,
                        QMessageBox::Ok, 0, QMessageBox::Ok);
        });
    }
    return acik && baglanti.Connected();
}

void setBaglantiBeklemesi(std::function<void(int ms)> bekleme)
{
    std::lock_guard<std::mutex> k(g_kilit);
    g_bekleme = std::move(bekleme);
}

} // namespace zelvar
