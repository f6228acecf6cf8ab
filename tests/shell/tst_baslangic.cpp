// The built program starts, puts up its first window (sign-in) and keeps running until it is
// answered; a crash or an early exit at start-up fails here.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TstBaslangic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void programAcilirVeBekler()
    {
        const QString program = qEnvironmentVariable("ZELVAR_BIN") + QStringLiteral("/zelvarb2b");
        if (!QFileInfo::exists(program))
            QSKIP("zelvarb2b yok");
        QTemporaryDir ev;
        QProcess p;
        auto ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        ortam.insert(QStringLiteral("XDG_CONFIG_HOME"), ev.path() + QStringLiteral("/config"));
        ortam.insert(QStringLiteral("XDG_DATA_HOME"), ev.path() + QStringLiteral("/data"));
        p.setProcessEnvironment(ortam);
        p.start(program, {});
        QVERIFY(p.waitForStarted(5000));
        QVERIFY2(!p.waitForFinished(3000), qPrintable(p.readAllStandardError()));
        QCOMPARE(p.state(), QProcess::Running);
        p.kill();
        p.waitForFinished(5000);
    }
};

QTEST_GUILESS_MAIN(TstBaslangic)
#include "tst_baslangic.moc"
