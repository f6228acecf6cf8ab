#include "beklesin.h"

#include "mesaj.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFutureWatcher>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>
#include <exception>

namespace zelvar {

namespace {

std::atomic<int> g_bekleyen{0};

std::function<void(const QString&)>& hataBildirici()
{
    static std::function<void(const QString&)> b;
    return b;
}

void hataBildir(const QString& metin)
{
    if (hataBildirici())
        hataBildirici()(metin);
    else
        MesajGoster(metin, MesajTuru::Hata, QMessageBox::Ok, 0, QMessageBox::Ok);
}

} // namespace

QThreadPool& arkaPlanHavuzu()
{
    static QThreadPool* havuz = [] {
        auto* h = new QThreadPool;
        h->setMaxThreadCount(std::max(16, QThread::idealThreadCount() * 4));
        h->setExpiryTimeout(30000);
        return h;
    }();
    return *havuz;
}

void TAwait::Await(std::function<void()> arayuzParcasi, QObject* baglam)
{
    ++g_bekleyen;
    auto self = shared_from_this(); // both parts keep the pair and its closures alive
    const bool baglamVar = baglam != nullptr;
    QPointer<QObject> izlenen(baglam);
    auto* izleyici = new QFutureWatcher<QString>;
    QObject::connect(izleyici, &QFutureWatcher<QString>::finished, izleyici,
                     [self, izleyici, izlenen, baglamVar, arayuz = std::move(arayuzParcasi)]() {
                         const QString hata = izleyici->result();
                         izleyici->deleteLater();
                         if (!baglamVar || izlenen) {
                             if (!hata.isNull())
                                 hataBildir(hata);
                             if (arayuz)
                                 arayuz();
                         }
                         --g_bekleyen;
                     });
    izleyici->setFuture(QtConcurrent::run(&arkaPlanHavuzu(), [self]() -> QString {
        try {
            if (self->FAsync)
                self->FAsync();
            return QString();
        } catch (const std::exception& e) {
            return QString::fromUtf8(e.what());
        } catch (...) {
            return QStringLiteral("Bilinmeyen hata");
        }
    }));
}

std::shared_ptr<IAwait> StartAsync(std::function<void()> arkaPlan)
{
    return std::make_shared<TAwait>(std::move(arkaPlan));
}

int bekleyenIsSayisi()
{
    return g_bekleyen.load();
}

bool butunIslerBitsin(int zamanAsimiMs)
{
    const QDeadlineTimer bitis(zamanAsimiMs);
    while (g_bekleyen.load() > 0) {
        if (bitis.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}

void setArkaPlanHataBildirici(std::function<void(const QString&)> bildirici)
{
    hataBildirici() = std::move(bildirici);
}

} // namespace zelvar
