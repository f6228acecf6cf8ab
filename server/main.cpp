// zelvarb2b-server: the reference application server and web site (see docs/server.md).

#include "uygulama/referanssunucusu.h"

#include <QDir>
#include <QGuiApplication>

#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    // Pictures and PDF documents are drawn without a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // A private runtime folder, so the platform layer has no reason to complain.
        const QByteArray klasor = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(::getuid());
        ::mkdir(klasor.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", klasor);
    }
    QGuiApplication uygulama(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zelvarb2b-server"));
    return zelvar::uygulama::calistir(QCoreApplication::arguments().mid(1));
}
