#include "platform/surec.h"
#include "platform/yapilandirma.h"
#include "shell/dosyaindir.h"
#include "widgets/mesaj.h"
#include "yardim_sahteplatform.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <memory>

using namespace zelvar;

namespace
{

// A download server in a few lines: answers each request by its path with scripted bytes and
// closes the connection, or keeps silent.
class KucukHttp : public QObject
{
public:
    struct Yanit {
        QByteArray ham;
        bool sessiz = false; // read the request, never answer
    };

    KucukHttp()
    {
        m_dinleyici.listen(QHostAddress::LocalHost, 0);
        connect(&m_dinleyici, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = m_dinleyici.nextPendingConnection()) {
                s->setParent(this);
                connect(s, &QTcpSocket::readyRead, this, [this, s] { oku(s); });
            }
        });
    }

    quint16 port() const { return m_dinleyici.serverPort(); }
    void ayarla(const QByteArray& yol, Yanit y) { m_yanitlar[yol] = std::move(y); }
    QList<QByteArray> istekler;

private:
    void oku(QTcpSocket* s)
    {
        QByteArray& t = m_tamponlar[s];
        t += s->readAll();
        const qsizetype son = t.indexOf("\r\n\r\n");
        if (son < 0)
            return;
        const QByteArray istek = t.left(son + 4);
        t.remove(0, son + 4);
        istekler << istek;
        const QByteArray yol = istek.split(' ').value(1);
        const Yanit y =
            m_yanitlar.value(yol, Yanit{"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n"});
        if (y.sessiz)
            return;
        s->write(y.ham);
        s->disconnectFromHost();
    }

    QTcpServer m_dinleyici;
    QHash<QByteArray, Yanit> m_yanitlar;
    QHash<QTcpSocket*, QByteArray> m_tamponlar;
};

QByteArray yanit(const QByteArray& durum, const QByteArray& govde, bool boyVar = true,
                 const QByteArray& ekBasliklar = {})
{
    QByteArray h = "HTTP/1.1 " + durum + "\r\nConnection: close\r\nContent-Type: application/octet-stream\r\n";
    if (boyVar)
        h += "Content-Length: " + QByteArray::number(govde.size()) + "\r\n";
    return h + ekBasliklar + "\r\n" + govde;
}

QByteArray basliktakiDeger(const QByteArray& istek, const QByteArray& ad)
{
    for (const QByteArray& satir : istek.split('\n')) {
        const QByteArray s = satir.trimmed();
        if (s.toLower().startsWith(ad.toLower() + ':'))
            return s.mid(ad.size() + 1).trimmed();
    }
    return {};
}

QByteArray kurulumGovdesi(int boy)
{
    QByteArray b(boy, Qt::Uninitialized);
    for (int i = 0; i < boy; ++i)
        b[i] = char('A' + i % 26);
    return b;
}

const QByteArray kYol = "/exe/ZelvarB2BSetup.exe";

} // namespace

class TstDosyaIndir : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        setPlatform(&m_platform);
        setCikisYakalayici([this](int kod) { m_cikislar << kod; });
        setMesajCevaplayici([this](QMessageBox& k) {
            m_kutular << k.text();
            m_kutuSimgeleri << k.icon();
            return QMessageBox::Ok;
        });
    }

    void init()
    {
        QLocale::setDefault(QLocale::c());
        m_cikislar.clear();
        m_kutular.clear();
        m_kutuSimgeleri.clear();
        m_platform.calistirilanlar.clear();
        QFile::remove(Tdosyaindir::yerelDosyaYolu());
        m_http = std::make_unique<KucukHttp>();
        guncellemeSunucusu(QStringLiteral("127.0.0.1:%1").arg(m_http->port()));
    }

    void cleanupTestCase()
    {
        QLocale::setDefault(QLocale::c());
        setMesajCevaplayici({});
        setCikisYakalayici({});
        setPlatform(nullptr);
    }

    void ilerlemeMetni_data()
    {
        QTest::addColumn<qint64>("alinan");
        QTest::addColumn<qint64>("boy");
        QTest::addColumn<bool>("turkce");
        QTest::addColumn<QString>("beklenen");
        const qint64 mb = 1024 * 1024;
        QTest::newRow("virgüllü ayraç") << qint64(mb * 3 / 2) << 10 * mb << true
                                        << "Bilgi: %15,00  İndirilen: 1,50/10,00 Mb";
        QTest::newRow("noktalı ayraç") << qint64(mb * 3 / 2) << 10 * mb << false
                                       << "Bilgi: %15.00  İndirilen: 1.50/10.00 Mb";
        // No digit grouping, even past a thousand megabytes.
        QTest::newRow("büyük dosya") << 1024 * mb << 2048 * mb << true
                                     << "Bilgi: %50,00  İndirilen: 1024,00/2048,00 Mb";
        QTest::newRow("boy bilinmiyor") << qint64(5000) << qint64(-1) << true << QString();
        QTest::newRow("boş dosya") << qint64(0) << qint64(0) << true << QString();
    }

    void ilerlemeMetni()
    {
        QFETCH(qint64, alinan);
        QFETCH(qint64, boy);
        QFETCH(bool, turkce);
        QFETCH(QString, beklenen);
        const QLocale yerel = turkce ? QLocale(QLocale::Turkish, QLocale::Turkey) : QLocale::c();
        QCOMPARE(Tdosyaindir::ilerlemeMetni(alinan, boy, yerel), beklenen);
    }

    void pencereVeDuyuru()
    {
        std::unique_ptr<Tdosyaindir> p(Tdosyaindir::Yeni(nullptr, 3));
        QCOMPARE(p->windowTitle(), QStringLiteral("Dosya İndir"));
        QCOMPARE(p->size(), QSize(543, 309));
        QCOMPARE(p->sLabel1->text(), QStringLiteral("Zelvar Otomotiv B2B Programının\nYeni versiyonu indirilecektir\n"
                                                    "Lütfen Bekleyiniz...!\nVersion: 3-2"));
        QCOMPARE(Tdosyaindir::indirmeAdresi(),
                 QStringLiteral("http://127.0.0.1:%1/exe/ZelvarB2BSetup.exe").arg(m_http->port()));
        QVERIFY(!p->basladi());
        p->reject(); // Escape and the close box lead here: the window stays
        QVERIFY(!p->surecBitirildi());
    }

    // A redirect is followed, the request carries the fixed headers and no cookie, the old
    // file is replaced, and the saved program is made executable and started silently.
    void indirirKaydederVeBaslatir()
    {
        const QByteArray govde = kurulumGovdesi(300 * 1024);
        m_http->ayarla(
            kYol, {yanit("302 Found", {}, true, "Location: /dosya/kurulum.bin\r\nSet-Cookie: oturum=42; Path=/\r\n")});
        m_http->ayarla("/dosya/kurulum.bin", {yanit("200 OK", govde)});
        const QString yol = Tdosyaindir::yerelDosyaYolu();
        {
            QFile eski(yol);
            QVERIFY(eski.open(QIODevice::WriteOnly));
            eski.write("ESKI KURULUM");
        }

        std::unique_ptr<Tdosyaindir> p(Tdosyaindir::Yeni(nullptr, 1));
        p->show();
        QTRY_COMPARE_WITH_TIMEOUT(m_cikislar, QList<int>{0}, 10000);
        QVERIFY2(m_kutular.isEmpty(), qPrintable(m_kutular.join(QLatin1Char('|'))));

        QCOMPARE(m_http->istekler.size(), 2);
        for (const QByteArray& istek : m_http->istekler) {
            QCOMPARE(
                basliktakiDeger(istek, "Accept"),
                QByteArray("text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8"));
            QCOMPARE(basliktakiDeger(istek, "Accept-Encoding"), QByteArray("gzip, deflate"));
            QCOMPARE(basliktakiDeger(istek, "Accept-Language"), QByteArray("en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4"));
            QCOMPARE(basliktakiDeger(istek, "User-Agent"),
                     QByteArray("Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
                                "Chrome/60.0.3112.32 Safari/537.36"));
            QVERIFY2(basliktakiDeger(istek, "Cookie").isEmpty(), istek.constData());
        }

        QFile kayit(yol);
        QVERIFY(kayit.open(QIODevice::ReadOnly));
        QCOMPARE(kayit.readAll(), govde);
        QVERIFY(QFileInfo(yol).isExecutable());
        QCOMPARE(m_platform.calistirilanlar, QStringList{yol + QStringLiteral(" /silent")});
        QCOMPARE(p->bilgi->text(), QStringLiteral("Bilgi: %100.00  İndirilen: 0.29/0.29 Mb"));
        QCOMPARE(p->ProgressBar1->value(), p->ProgressBar1->maximum());
        QCOMPARE(p->ProgressBar1->maximum(), int(govde.size()));
        QVERIFY(!p->isVisible());
    }

    void ilerlemeTurkceAyraclarla()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        m_http->ayarla(kYol, {yanit("200 OK", kurulumGovdesi(1536 * 1024))});
        std::unique_ptr<Tdosyaindir> p(Tdosyaindir::Yeni(nullptr, 3));
        p->show();
        QTRY_COMPARE_WITH_TIMEOUT(m_cikislar, QList<int>{0}, 10000);
        QCOMPARE(p->bilgi->text(), QStringLiteral("Bilgi: %100,00  İndirilen: 1,50/1,50 Mb"));
    }

    void sonuclar_data()
    {
        QTest::addColumn<QByteArray>("cevap");
        QTest::addColumn<bool>("baslar");
        QTest::addColumn<QByteArray>("kaydedilen");
        QTest::addColumn<bool>("ilerlemeVar");
        QTest::addColumn<QString>("hata");

        const QByteArray govde = kurulumGovdesi(64 * 1024);
        QTest::newRow("boy bildirilmedi: ilerleme yok, indirme tamam")
            << yanit("200 OK", govde, false) << true << govde << false << QString();
        QTest::newRow("hata durumu: gövde kaydedilip başlatılır")
            << yanit("404 Not Found", "bulunamadi") << true << QByteArray("bulunamadi") << true << QString();
        QTest::newRow("sunucu hatası da aynı")
            << yanit("500 Internal Server Error", "x") << true << QByteArray("x") << true << QString();
        QTest::newRow("aktarım yarıda kesildi")
            << QByteArray("HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: 100000\r\n\r\n") + govde.left(1000)
            << false << QByteArray() << true << QStringLiteral("Hata Oluştu !\nHata: ");
        QTest::newRow("sıkıştırılmış gövde başlatılmaz")
            << yanit("200 OK", "\x1f\x8b\x08 sikistirilmis", true, "Content-Encoding: gzip\r\n") << false
            << QByteArray() << true
            << QStringLiteral("Hata Oluştu !\nHata: Sunucu dosyayı sıkıştırılmış gönderdi (gzip)");
    }

    void sonuclar()
    {
        QFETCH(QByteArray, cevap);
        QFETCH(bool, baslar);
        QFETCH(QByteArray, kaydedilen);
        QFETCH(bool, ilerlemeVar);
        QFETCH(QString, hata);
        m_http->ayarla(kYol, {cevap});

        std::unique_ptr<Tdosyaindir> p(Tdosyaindir::Yeni(nullptr, 3));
        p->show();
        QTRY_COMPARE_WITH_TIMEOUT(m_cikislar, QList<int>{0}, 10000);

        const QString yol = Tdosyaindir::yerelDosyaYolu();
        QCOMPARE(m_platform.calistirilanlar.size(), baslar ? 1 : 0);
        if (kaydedilen.isNull()) {
            QVERIFY(!QFile::exists(yol));
        } else {
            QFile f(yol);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), kaydedilen);
        }
        QCOMPARE(!p->bilgi->text().isEmpty(), ilerlemeVar);
        if (!ilerlemeVar)
            QCOMPARE(p->ProgressBar1->value(), 0);
        if (hata.isEmpty()) {
            QVERIFY2(m_kutular.isEmpty(), qPrintable(m_kutular.join(QLatin1Char('|'))));
        } else {
            QCOMPARE(m_kutular.size(), 1);
            QVERIFY2(m_kutular.front().startsWith(hata), qPrintable(m_kutular.front()));
            QCOMPARE(m_kutuSimgeleri.front(), QMessageBox::Critical);
        }
    }

    void baglantiReddedilirseHataKutusuVeCikis()
    {
        QTcpServer kapali;
        QVERIFY(kapali.listen(QHostAddress::LocalHost, 0));
        const quint16 port = kapali.serverPort();
        kapali.close();
        guncellemeSunucusu(QStringLiteral("127.0.0.1:%1").arg(port));

        std::unique_ptr<Tdosyaindir> p(Tdosyaindir::Yeni(nullptr, 3));
        p->show();
        QTRY_COMPARE_WITH_TIMEOUT(m_cikislar, QList<int>{0}, 10000);
        QCOMPARE(m_kutular, QStringList{QStringLiteral("Hata Oluştu !\nHata: Connection refused")});
        QCOMPARE(m_kutuSimgeleri.front(), QMessageBox::Critical);
        QVERIFY(m_platform.calistirilanlar.isEmpty());
        QVERIFY(!QFile::exists(Tdosyaindir::yerelDosyaYolu()));
    }

    void yanitVermeyenSunucuZamanAsimiylaBiter()
    {
        m_http->ayarla(kYol, {{}, true});
        std::unique_ptr<Tdosyaindir> p(Tdosyaindir::Yeni(nullptr, 3));
        p->setZamanAsimiMs(300);
        p->show();
        QTRY_COMPARE_WITH_TIMEOUT(m_cikislar, QList<int>{0}, 10000);
        QCOMPARE(m_kutular.size(), 1);
        QVERIFY(m_kutular.front().startsWith(QStringLiteral("Hata Oluştu !\nHata: ")));
        QVERIFY(m_platform.calistirilanlar.isEmpty());
    }

    void ikinciEtkinlesmeYeniIndirmeBaslatmaz()
    {
        m_http->ayarla(kYol, {yanit("200 OK", kurulumGovdesi(1000))});
        std::unique_ptr<Tdosyaindir> p(Tdosyaindir::Yeni(nullptr, 3));
        p->show();
        p->FormActivate();
        QVERIFY(p->basladi());
        p->FormActivate();
        QTRY_COMPARE_WITH_TIMEOUT(m_cikislar, QList<int>{0}, 10000);
        p->FormActivate();
        QTest::qWait(50);
        QCOMPARE(m_http->istekler.size(), 1);
        QCOMPARE(m_platform.calistirilanlar.size(), 1);
        QCOMPARE(m_cikislar, QList<int>{0});
    }

private:
    static void guncellemeSunucusu(const QString& host)
    {
        Yapilandirma y;
        y.guncellemeHost = host;
        Yapilandirma::setGecerli(y);
    }

    SahtePlatform m_platform;
    std::unique_ptr<KucukHttp> m_http;
    QList<int> m_cikislar;
    QStringList m_kutular;
    QList<QMessageBox::Icon> m_kutuSimgeleri;
};

QTEST_MAIN(TstDosyaIndir)
#include "tst_dosyaindir.moc"
