#pragma once

// Background-then-interface pair: StartAsync takes the background part, Await the interface
// part. The background part runs on a worker of the pool; when it has ended (normally or by
// an exception) the interface part runs on the thread that called Await, through its event
// loop. Await returns at once.
//
//     StartAsync([d] { d->hata = Yukle(*d); })->Await([d] { Bitir(*d); });

#include <QPointer>

#include <functional>
#include <memory>

class QObject;
class QThreadPool;

namespace zelvar {

class IAwait {
public:
    virtual ~IAwait() = default;
    // `baglam`, when given, is the object the interface part works for: once it is destroyed
    // the interface part is dropped instead of run.
    virtual void Await(std::function<void()> arayuzParcasi, QObject* baglam = nullptr) = 0;
};

class TAwait final : public IAwait, public std::enable_shared_from_this<TAwait> {
public:
    explicit TAwait(std::function<void()> arkaPlan) : FAsync(std::move(arkaPlan)) {}
    void Await(std::function<void()> arayuzParcasi, QObject* baglam = nullptr) override;

private:
    std::function<void()> FAsync;
};

std::shared_ptr<IAwait> StartAsync(std::function<void()> arkaPlan);

// The pool behind StartAsync: sized for work that mostly waits on the network, so several
// loads start at once even on a machine with few cores.
QThreadPool& arkaPlanHavuzu();

// Number of background-then-interface pairs whose interface part has not run yet.
int bekleyenIsSayisi();

// Tests and orderly shutdown: processes events until every pair has finished or the time
// is up; returns whether all finished.
bool butunIslerBitsin(int zamanAsimiMs);

// How an exception that escaped a background part is reported on the interface thread
// (by default an error box with its text). Tests may replace it.
void setArkaPlanHataBildirici(std::function<void(const QString&)> bildirici);

} // namespace zelvar
