#include "widgets/arayuz.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <exception>

namespace zelvar {

void ArayuzdeCalistir(const std::function<void()>& is)
{
    QCoreApplication* uyg = QCoreApplication::instance();
    if (!uyg || QThread::currentThread() == uyg->thread()) {
        is();
        return;
    }
    // An exception must not cross the event loop; it is carried back to the worker.
    std::exception_ptr hata;
    QMetaObject::invokeMethod(
        uyg,
        [&is, &hata] {
            try {
                is();
            } catch (...) {
                hata = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (hata)
        std::rethrow_exception(hata);
}

} // namespace zelvar
