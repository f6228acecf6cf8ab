// The pieces under the methods: folding for search, line arithmetic, the GIF writer, PDF
// documents and the determinism of the demo data.

#include "is/hesap.h"
#include "sayibicimi.h"
#include "veri/demoveri.h"
#include "veri/gifyazici.h"
#include "veri/gorseller.h"
#include "veri/katlama.h"
#include "veri/sema.h"
#include "veri/veritabani.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace zelvar;

class TstModel : public QObject
{
    Q_OBJECT

    QByteArray stokOzeti(const QString& dosya, const QString& ad)
    {
        veri::VeritabaniAyari a;
        a.dosya = dosya;
        veri::Veritabani vt(a, ad);
        veri::semaKur(vt);
        veri::demoVeriKur(vt, 200, QDate(2024, 5, 1));
        QCryptographicHash h(QCryptographicHash::Sha256);
        for (const char* tablo : {"stok", "cari", "siparis_satir", "cari_hareket", "sepet"}) {
            veri::Sorgu q(vt, QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(QLatin1String(tablo)));
            q.calistir();
            while (q.sonraki())
                for (int i = 0; i < q.ham().record().count(); ++i)
                    h.addData(q.deger(i).toString().toUtf8() + '\x1f');
        }
        return h.result();
    }

private slots:
    void katlama_data()
    {
        QTest::addColumn<QString>("girdi");
        QTest::addColumn<QString>("katli");
        QTest::newRow("büyük Türkçe") << QStringLiteral("ÇĞİÖŞÜI") << QStringLiteral("cgiosui");
        QTest::newRow("küçük Türkçe") << QStringLiteral("çğıöşü i") << QStringLiteral("cgiosu i");
        QTest::newRow("başka aksan") << QStringLiteral("Âlî Ûmît") << QStringLiteral("ali umit");
        QTest::newRow("işaretler kalır") << QStringLiteral("1K0-615 301") << QStringLiteral("1k0-615 301");
    }

    void katlama()
    {
        QFETCH(QString, girdi);
        QFETCH(QString, katli);
        QCOMPARE(veri::katla(girdi), katli);
    }

    void kelimelerVeBitisik()
    {
        QCOMPARE(veri::kelimeler(QStringLiteral("  FREN-DİSKİ;ön\"'*  d3 ")),
                 QStringList({"fren", "diski", "on", "d3"}));
        QCOMPARE(veri::kelimeler(QStringLiteral("'; DROP TABLE --")), QStringList({"drop", "table"}));
        QCOMPARE(veri::kelimeler(QStringLiteral("%%--;;")), QStringList());
        QCOMPARE(veri::bitisik(QStringLiteral("1K0 615-301.AA")), QStringLiteral("1k0615301aa"));
    }

    void aramaSorgusu()
    {
        QCOMPARE(veri::aramaSorgusu({"fren"}, QStringLiteral("fren"), true), QStringLiteral("\"fren\"*"));
        QCOMPARE(veri::aramaSorgusu({"1k0", "615"}, QStringLiteral("1k0615"), true),
                 QStringLiteral("(\"1k0\"* AND \"615\"*) OR \"1k0615\"*"));
        QCOMPARE(veri::aramaSorgusu({"a", "b"}, QStringLiteral("ab"), false), QStringLiteral("(a:* & b:*) | ab:*"));
    }

    void satirTutarlari()
    {
        // Price 100, quantity 2, rates 10 and 5, tax 20 %.
        const is::SatirTutarlari t = is::satirHesapla(2, 100, {10, 5, 0, 0}, 20);
        QCOMPARE(t.tutar, 200.0);
        QCOMPARE(t.netTutar, 171.0);
        QCOMPARE(t.indirimTutar, 29.0);
        QCOMPARE(t.vergiTutari, 34.2);
        QCOMPARE(t.netBirimFiyat, 85.5);
        // Halves round away from zero on the decimal value.
        QCOMPARE(is::satirHesapla(1, 0.125, {}, 0).tutar, 0.13);
        QCOMPARE(is::satirHesapla(3, 0.1, {}, 20).tutar, 0.3);
        // A negative or zero rate is skipped; the net price follows the same steps.
        QCOMPARE(is::satirHesapla(1, 100, {-5, 0, 10, 0}, 0).netTutar, 90.0);
        QCOMPARE(is::netFiyat(100, {25, 10, 5, 0}), 64.13);
    }

    void hizliYuvarlamaAyni()
    {
        // The server's rounding must give exactly what the client's gives.
        QCOMPARE(is::yuvarla2(1.005), Yuvarla(1.005));
        QCOMPARE(is::yuvarla2(-2.675), Yuvarla(-2.675));
        QCOMPARE(is::yuvarla2(0.125 + 0.125), 0.25);
        quint64 z = 88172645463325252ull;
        for (int i = 0; i < 200000; ++i) {
            z ^= z << 13;
            z ^= z >> 7;
            z ^= z << 17;
            const double v = (double(z % 2000000000ull) - 1e9) / double(1 + z % 1000);
            const double yarim = std::floor(v * 1000.0) / 1000.0 + 0.005; // many near-halves
            QCOMPARE(is::yuvarla2(v), Yuvarla(v));
            QCOMPARE(is::yuvarla2(yarim), Yuvarla(yarim));
        }
    }

    void indirimYazisi()
    {
        QCOMPARE(is::indirimYazisi({25, 10, 5, 0}), QStringLiteral("25+10+5"));
        QCOMPARE(is::indirimYazisi({2.5, 0, 0, 1}), QStringLiteral("2,5+1"));
        QCOMPARE(is::indirimYazisi({}), QString());
    }

    void oleTarihleri()
    {
        QCOMPARE(is::oleTarihi(45000.75), QDate(2023, 3, 15));
        QCOMPARE(is::oleGunu(QDate(2023, 3, 15)), 45000.0);
        QVERIFY(!is::oleTarihi(1e300).isValid());
        QVERIFY(!is::oleTarihi(std::numeric_limits<double>::quiet_NaN()).isValid());
    }

    void gifGidisDonus()
    {
        // Larger than one code table, so the writer must start its table over.
        QImage resim(257, 131, QImage::Format_RGB32);
        for (int y = 0; y < resim.height(); ++y)
            for (int x = 0; x < resim.width(); ++x)
                resim.setPixel(x, y, qRgb(((x * 7 + y) % 6) * 51, ((x / 3 + y * 5) % 6) * 51, ((x * y) % 6) * 51));
        const QByteArray gif = veri::gifYaz({resim});
        QVERIFY(gif.startsWith("GIF89a"));
        QVERIFY(gif.endsWith(';'));
        QImage okunan;
        QVERIFY(okunan.loadFromData(gif, "GIF"));
        QCOMPARE(okunan.size(), resim.size());
        for (int y = 0; y < resim.height(); ++y)
            for (int x = 0; x < resim.width(); ++x)
                QCOMPARE(okunan.pixel(x, y) & 0xFFFFFF, resim.pixel(x, y) & 0xFFFFFF);
    }

    void gifKareleri()
    {
        QList<QImage> kareler;
        for (int i = 0; i < 3; ++i) {
            QImage k(40, 20, QImage::Format_RGB32);
            k.fill(qRgb(i * 102, 255 - i * 102, 51));
            kareler << k;
        }
        QByteArray gif = veri::gifYaz(kareler, 10);
        QBuffer tampon(&gif);
        QImageReader okuyucu(&tampon, "GIF");
        QCOMPARE(okuyucu.imageCount(), 3);
        QCOMPARE(okuyucu.loopCount(), -1); // for ever
        for (int i = 0; i < 3; ++i) {
            const QImage k = okuyucu.read();
            QVERIFY(!k.isNull());
            QCOMPARE(k.pixel(5, 5) & 0xFFFFFF, kareler[i].pixel(5, 5) & 0xFFFFFF);
        }
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, veri::gifYaz({}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, veri::gifYaz({kareler[0], kareler[0].scaled(10, 10)}));
    }

    void bannerlerVeDuyuru()
    {
        QImage r;
        QVERIFY(r.loadFromData(veri::basBanner(), "GIF"));
        QCOMPARE(r.height(), 100);
        QVERIFY(r.loadFromData(veri::altBanner(), "BMP"));
        QVERIFY(r.loadFromData(veri::duyuruResmi(1, QStringLiteral("Başlık"), QStringLiteral("alt")), "JPEG"));
        QCOMPARE(r.size(), QSize(600, 400));
    }

    void pdfSayfalari()
    {
        veri::PdfBelgesi b;
        b.baslik = QStringLiteral("Deneme Raporu");
        b.bilgiler = {QStringLiteral("Cari: Çağ Oto")};
        b.sutunlar = {QStringLiteral("Kod"), QStringLiteral(">Tutar")};
        for (int i = 0; i < 150; ++i)
            b.satirlar.append({QStringLiteral("K%1").arg(i), QString::number(i)});
        b.dipNot = QStringLiteral("Son");
        const QByteArray pdf = veri::pdfYaz(b);
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        QVERIFY(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page/") >= 2);
    }

    void demoVerisiTekrarlanir()
    {
        QTemporaryDir klasor;
        const QByteArray a = stokOzeti(klasor.filePath(QStringLiteral("a.db")), QStringLiteral("demo-a"));
        const QByteArray b = stokOzeti(klasor.filePath(QStringLiteral("b.db")), QStringLiteral("demo-b"));
        QCOMPARE(a.toHex(), b.toHex());
        // A second fill of the same database writes nothing.
        veri::VeritabaniAyari ayar;
        ayar.dosya = klasor.filePath(QStringLiteral("a.db"));
        veri::Veritabani vt(ayar, QStringLiteral("demo-c"));
        QVERIFY(!veri::demoVeriKur(vt, 200, QDate(2024, 5, 1)));
        veri::Sorgu q(vt, QStringLiteral("SELECT COUNT(*) FROM stok"));
        q.calistir();
        QCOMPARE(q.tek().toInt(), 200);
    }

    void istasyonKaydi()
    {
        QTemporaryDir klasor;
        veri::VeritabaniAyari ayar;
        ayar.dosya = klasor.filePath(QStringLiteral("k.db"));
        veri::Veritabani vt(ayar, QStringLiteral("kayit"));
        veri::semaKur(vt);
        veri::demoVeriKur(vt, 60, QDate(2024, 5, 1));
        const int a = veri::istasyonKaydet(vt, QStringLiteral("X1"), QStringLiteral("AYSE"), QStringLiteral("1"), 0, 2);
        // The same user on a second workstation, then the first workstation moved to another user.
        QCOMPARE(veri::istasyonKaydet(vt, QStringLiteral("X2"), QStringLiteral("AYSE"), QStringLiteral("2"), 0, 2), a);
        const int b =
            veri::istasyonKaydet(vt, QStringLiteral("X1"), QStringLiteral("FATMA"), QStringLiteral("3"), 1, 1);
        QVERIFY(b != a);
        veri::Sorgu q(vt, QStringLiteral("SELECT kullanici FROM istasyon WHERE bilgisayarid = ?"));
        q.calistir(QStringLiteral("X1"));
        QCOMPARE(q.tek().toInt(), b);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, veri::istasyonKaydet(vt, QStringLiteral("X3"),
                                                                             QStringLiteral("Z"), QString(), 0, 999));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 veri::istasyonKaydet(vt, QStringLiteral(" "), QStringLiteral("Z"), QString(), 0, 1));
    }
};

QTEST_MAIN(TstModel)
#include "tst_model.moc"
