#pragma once

// The listener and connections of the remote-call server. One thread accepts connections and
// hands each to the worker thread with the fewest; every worker runs its own event loop, its
// connections and its own resources (database connection). A connection reads one frame at a
// time and answers it before reading the next, so answers go out in request order.

#include "dagitici.h"

#include <QHostAddress>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace zelvar::rpc
{

int varsayilanIsciSayisi();

struct SunucuAyarlari {
    QHostAddress adres = QHostAddress::LocalHost;
    quint16 port = 9090; // 0 picks a free port
    quint32 cerceveSiniri = tel::kVarsayilanCerceveSiniri;
    // Several workers per core: a long answer on one worker then delays only the few
    // connections that share it.
    int isciSayisi = varsayilanIsciSayisi();
    int enFazlaBaglanti = 1000;
    // A frame that has begun must be complete within this time.
    int okumaSuresiMs = 30000;
    // A connection with nothing to do is closed after this time.
    int bostaSuresiMs = 600000;
    // An answer the client does not read away within this time closes the connection.
    int yazmaSuresiMs = 60000;
};

// Makes one worker's resources, on that worker's thread; `isciNo` counts from 0.
using KaynakUretici = std::function<std::unique_ptr<IsciKaynagi>(int isciNo)>;

class RpcIsci;
class RpcDinleyici;

class RpcSunucusu
{
public:
    RpcSunucusu(SunucuAyarlari ayarlar, std::shared_ptr<const Dagitici> dagitici, KaynakUretici kaynakUretici = {});
    ~RpcSunucusu();
    RpcSunucusu(const RpcSunucusu&) = delete;
    RpcSunucusu& operator=(const RpcSunucusu&) = delete;

    // Starts the workers and the listener; false with `hata` set when either fails.
    bool baslat(QString* hata = nullptr);
    // Closes the listener and every connection and ends the threads. Safe to call twice.
    void durdur();

    quint16 port() const { return m_port; }
    const SunucuAyarlari& ayarlar() const { return m_ayarlar; }
    int acikBaglantiSayisi() const { return m_acikBaglanti.load(); }

private:
    friend class RpcDinleyici;
    friend class RpcIsci;
    void baglantiGeldi(qintptr tanitici);

    SunucuAyarlari m_ayarlar;
    std::shared_ptr<const Dagitici> m_dagitici;
    KaynakUretici m_kaynakUretici;
    std::vector<std::unique_ptr<RpcIsci>> m_isciler;
    std::unique_ptr<RpcDinleyici> m_dinleyici;
    std::atomic<int> m_acikBaglanti{0};
    quint16 m_port = 0;
    bool m_calisiyor = false;
};

} // namespace zelvar::rpc
