#include "widgets/sekmeboyayici.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTabBar>
#include <QTest>

using namespace zelvar;

namespace {

// Pixels of the badge colour, allowing for anti-aliasing against the tab background.
int rozetPikselleri(const QImage& resim)
{
    int n = 0;
    for (int y = 0; y < resim.height(); ++y)
        for (int x = 0; x < resim.width(); ++x) {
            const QColor c = resim.pixelColor(x, y);
            if (c.blue() - c.red() > 80 && c.green() - c.red() > 50)
                ++n;
        }
    return n;
}

QImage ciz(QTabBar& cubuk)
{
    cubuk.resize(cubuk.sizeHint());
    QImage resim(cubuk.size(), QImage::Format_RGB32);
    resim.fill(Qt::white);
    cubuk.render(&resim);
    return resim;
}

} // namespace

class TstSekmeBoyayici : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        sekmeBoyayicisiniKur();
        QPalette p = QApplication::palette();
        // Nothing of the theme may look like the badge.
        p.setColor(QPalette::Highlight, Qt::darkGray);
        QApplication::setPalette(p);
    }

    void ayir_data()
    {
        QTest::addColumn<QString>("baslik");
        QTest::addColumn<int>("sayi");
        QTest::addColumn<QString>("ad");
        const QString uzun = QString(120, u'x');
        QTest::newRow("sayaçlı") << QStringLiteral("25=Stok Listesi") << 25 << QStringLiteral("Stok Listesi");
        QTest::newRow("sıfır") << QStringLiteral("0=Stok Listesi") << 0 << QStringLiteral("Stok Listesi");
        QTest::newRow("eşittirsiz") << QStringLiteral("Sanal Pos") << 0 << QStringLiteral("Sanal Pos");
        QTest::newRow("uzun başlık") << (QStringLiteral("3=") + uzun) << 3 << QString(100, u'x');
        QTest::newRow("ilk eşittir") << QStringLiteral("3=a=b") << 3 << QStringLiteral("a=b");
        QTest::newRow("kesirli nokta") << QStringLiteral("2.5=Bakiyeler") << 0 << QStringLiteral("Bakiyeler");
        QTest::newRow("kesirli virgül") << QStringLiteral("2,5=Bakiyeler") << 0 << QStringLiteral("Bakiyeler");
        QTest::newRow("sayısız") << QStringLiteral("=X") << 0 << QStringLiteral("X");
        QTest::newRow("harf") << QStringLiteral("abc=X") << 0 << QStringLiteral("X");
        QTest::newRow("taşan") << QStringLiteral("99999999999=X") << 0 << QStringLiteral("X");
        QTest::newRow("boş") << QString() << 0 << QString();
        QTest::newRow("boş başlık") << QStringLiteral("4=") << 4 << QString();
    }

    void ayir()
    {
        QFETCH(QString, baslik);
        QFETCH(int, sayi);
        QFETCH(QString, ad);
        const TSonuc s = SekmeBasligiAyir(baslik);
        QCOMPARE(s.sayi, sayi);
        QCOMPARE(s.baslik, ad);
    }

    void uzunBaslikKarakterBolmez()
    {
        // An emoji straddling the limit is dropped whole rather than cut in half.
        const QString baslik = QStringLiteral("1=") + QString(99, u'a') + QString::fromUtf8("\xF0\x9F\x98\x80");
        const TSonuc s = SekmeBasligiAyir(baslik);
        QCOMPARE(s.baslik, QString(99, u'a'));
    }

    void kurulumBirKez()
    {
        QStyle* ilk = QApplication::style();
        QVERIFY(qobject_cast<TTabColorControlStyleHook*>(ilk));
        sekmeBoyayicisiniKur();
        QCOMPARE(QApplication::style(), ilk);
    }

    void cizim_data()
    {
        QTest::addColumn<QString>("baslik");
        QTest::addColumn<bool>("rozet");
        QTest::newRow("sayaçlı") << QStringLiteral("25=Stok Listesi") << true;
        QTest::newRow("sıfır") << QStringLiteral("0=Stok Listesi") << false;
        QTest::newRow("eşittirsiz") << QStringLiteral("Sanal Pos") << false;
        QTest::newRow("kesirli") << QStringLiteral("2.5=Bakiyeler") << false;
        QTest::newRow("harf") << QStringLiteral("abc=X") << false;
        QTest::newRow("sayısız") << QStringLiteral("=X") << false;
        QTest::newRow("uzun") << (QStringLiteral("7=") + QString(150, u'y')) << true;
    }

    void cizim()
    {
        QFETCH(QString, baslik);
        QFETCH(bool, rozet);
        QTabBar cubuk;
        cubuk.addTab(baslik);
        cubuk.addTab(QStringLiteral("Sepet"));
        const QImage resim = ciz(cubuk);
        QCOMPARE(rozetPikselleri(resim) > 0, rozet);
    }

    void ikonluSekme()
    {
        QPixmap ikon(16, 16);
        ikon.fill(Qt::red);
        QTabBar cubuk;
        cubuk.addTab(QIcon(ikon), QStringLiteral("12=Sepet"));
        const QImage resim = ciz(cubuk);
        QVERIFY(rozetPikselleri(resim) > 0);
        // The icon sits 3 pixels from the tab's left edge.
        const QRect r = cubuk.tabRect(0);
        bool kirmizi = false;
        for (int y = r.top(); y <= r.bottom() && !kirmizi; ++y)
            kirmizi = resim.pixelColor(r.left() + 3, y) == QColor(Qt::red);
        QVERIFY(kirmizi);
        QVERIFY(resim.pixelColor(r.left() + 2, r.center().y()) != QColor(Qt::red));
    }

    void boyutBasligaGore()
    {
        // The tab is sized for the title, not for the raw caption with its count.
        QTabBar a, b, c;
        a.addTab(QStringLiteral("0=Stok Listesi"));
        b.addTab(QStringLiteral("Stok Listesi"));
        c.addTab(QStringLiteral("25=Stok Listesi"));
        QCOMPARE(a.sizeHint(), b.sizeHint());
        QVERIFY(c.sizeHint().width() > b.sizeHint().width());
        QCOMPARE(a.elideMode(), Qt::ElideNone);
    }
};

QTEST_MAIN(TstSekmeBoyayici)
#include "tst_sekmeboyayici.moc"
