#include "platform/surec.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <cstdio>
#include <cstdlib>

using namespace zelvar;

namespace {

// In the child run: an object whose destructor would print, buffered output, then the exit.
struct Yikici {
    ~Yikici() { std::printf("yikici-calisti"); }
};

int cocukCalistir()
{
    static Yikici y;
    std::printf("tamponda");
    std::fprintf(stderr, "hata-cikisi");
    ProgramiSonlandir(7);
    std::printf("donmemeliydi");
    return 0;
}

} // namespace

class TstSurec : public QObject {
    Q_OBJECT

private slots:
    void yakalayiciIleDoner()
    {
        QList<int> kodlar;
        setCikisYakalayici([&](int kod) { kodlar << kod; });
        ProgramiSonlandir();
        ProgramiSonlandir(3);
        setCikisYakalayici({});
        QCOMPARE(kodlar, (QList<int>{0, 3}));
    }

    void yakalayiciOlmadanHemenBiter()
    {
        QProcess p;
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(QStringLiteral("ZELVAR_SUREC_COCUK"), QStringLiteral("1"));
        p.setProcessEnvironment(ortam);
        p.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 7);
        // Buffers are flushed, but no destructor runs and the call never returns.
        QCOMPARE(p.readAllStandardOutput(), QByteArray("tamponda"));
        QCOMPARE(p.readAllStandardError(), QByteArray("hata-cikisi"));
    }
};

int main(int argc, char** argv)
{
    if (std::getenv("ZELVAR_SUREC_COCUK"))
        return cocukCalistir();
    QCoreApplication uyg(argc, argv);
    TstSurec t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_surec.moc"
