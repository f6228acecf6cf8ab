// "Excel Kaydet": the written .xlsx holds the grid as the user sees it. The file is read back
// from its parts (unzip) and, when LibreOffice is installed, converted by it.

#include "remote/sayibicimi.h"
#include "widgets/excel.h"
#include "widgets/izgara.h"
#include "widgets/mesaj.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace zelvar;

namespace {

struct Hucre {
    QString tur;   // "n", "inlineStr", "s", "b"...
    QString deger; // the number as written, or the text
    int stil = 0;
};

struct Kitap {
    QMap<QString, Hucre> hucreler; // by reference, "A1"
    QList<QString> bicimler;       // number format code of each cell style, by style index
    QString hata;
};

QByteArray parca(const QString& dosya, const QString& yol)
{
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), dosya, yol});
    p.waitForFinished(30000);
    return p.readAllStandardOutput();
}

Kitap oku(const QString& dosya)
{
    Kitap k;
    const QByteArray sayfa = parca(dosya, QStringLiteral("xl/worksheets/sheet1.xml"));
    QXmlStreamReader x(sayfa);
    QString ref;
    Hucre h;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("c")) {
            ref = x.attributes().value(QLatin1String("r")).toString();
            h = Hucre{x.attributes().value(QLatin1String("t")).toString(), QString(),
                      x.attributes().value(QLatin1String("s")).toInt()};
            if (h.tur.isEmpty())
                h.tur = QStringLiteral("n");
        } else if (x.isStartElement() && (x.name() == QLatin1String("v") || x.name() == QLatin1String("t"))) {
            h.deger += x.readElementText();
        } else if (x.isEndElement() && x.name() == QLatin1String("c")) {
            k.hucreler.insert(ref, h);
        }
    }
    if (x.hasError())
        k.hata = x.errorString();

    // Number formats: built-in 0 (General) and 4 ("#,##0.00") plus the file's own.
    QMap<int, QString> kodlar{{0, QStringLiteral("General")}, {4, QStringLiteral("#,##0.00")}};
    QXmlStreamReader s(parca(dosya, QStringLiteral("xl/styles.xml")));
    bool xfler = false;
    while (!s.atEnd()) {
        s.readNext();
        if (s.isStartElement() && s.name() == QLatin1String("numFmt"))
            kodlar.insert(s.attributes().value(QLatin1String("numFmtId")).toInt(),
                          s.attributes().value(QLatin1String("formatCode")).toString());
        else if (s.isStartElement() && s.name() == QLatin1String("cellXfs"))
            xfler = true;
        else if (s.isEndElement() && s.name() == QLatin1String("cellXfs"))
            xfler = false;
        else if (xfler && s.isStartElement() && s.name() == QLatin1String("xf"))
            k.bicimler << kodlar.value(s.attributes().value(QLatin1String("numFmtId")).toInt(), QStringLiteral("?"));
    }
    if (s.hasError() && k.hata.isEmpty())
        k.hata = s.errorString();
    return k;
}

QString metin(const Kitap& k, const QString& ref)
{
    return k.hucreler.value(ref).deger;
}

QString bicim(const Kitap& k, const QString& ref)
{
    return k.bicimler.value(k.hucreler.value(ref).stil);
}

bool unzipVar()
{
    return !QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty();
}

// A grid like the lists: a tick, a date, a text, a money column, a count, a hidden column and
// a date-time; three rows.
struct OrnekIzgara {
    OrnekIzgara()
    {
        SonucTablosu t;
        t.sutunEkle({QStringLiteral("SEC"), AlanTuru::Integer});
        t.sutunEkle({QStringLiteral("TARIH"), AlanTuru::Date});
        t.sutunEkle({QStringLiteral("ADI"), AlanTuru::String});
        t.sutunEkle({QStringLiteral("TUTAR"), AlanTuru::Float});
        t.sutunEkle({QStringLiteral("ADET"), AlanTuru::Integer});
        t.sutunEkle({QStringLiteral("GIZLI"), AlanTuru::String});
        t.sutunEkle({QStringLiteral("ZAMAN"), AlanTuru::DateTime});
        const struct {
            int sec;
            QDate tarih;
            const char* adi;
            double tutar;
            int adet;
        } satirlar[] = {{1, QDate(2024, 5, 2), "FREN DİSKİ <ön> & arka", 1234.5, 2},
                        {0, QDate(2023, 12, 31), "AMORTİSÖR", 0.125, 1},
                        {1, QDate(2024, 1, 15), "BUJİ", 99, 4}};
        for (const auto& s : satirlar) {
            const int r = t.satirEkle();
            t.yazTamsayi(r, 0, s.sec);
            t.yazTarih(r, 1, s.tarih);
            t.yazMetin(r, 2, QString::fromUtf8(s.adi));
            t.yazOndalik(r, 3, s.tutar);
            t.yazTamsayi(r, 4, s.adet);
            t.yazMetin(r, 5, QStringLiteral("gizli"));
            t.yazTarihSaat(r, 6, QDateTime(s.tarih, QTime(14, 30, 15)));
        }
        SayiFormatla(t);

        SutunTanimi sec{QStringLiteral("SEC"), QStringLiteral("Seç"), 1};
        sec.tur = GosterimTuru::Onay;
        SutunTanimi tutar{QStringLiteral("TUTAR"), QStringLiteral("Tutar"), 1};
        tutar.tur = GosterimTuru::Sayi;
        SutunTanimi gizli{QStringLiteral("GIZLI"), QStringLiteral("Gizli"), 1};
        gizli.gorunur = false;
        izgara.setSutunlar({sec, {QStringLiteral("TARIH"), QStringLiteral("Tarih"), 1},
                            {QStringLiteral("ADI"), QStringLiteral("Stok Açıklama"), 3}, tutar,
                            {QStringLiteral("ADET"), QString(), 1}, gizli, {QStringLiteral("ZAMAN"), QStringLiteral("Zaman"), 1},
                            {QStringLiteral("YOKALAN"), QStringLiteral("Yok"), 1}});
        izgara.yukle(std::move(t));
        izgara.resize(900, 300);
    }
    Izgara izgara;
};

} // namespace

class TstExcel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void cleanup()
    {
        setDosyaSecici({});
        setMesajCevaplayici({});
    }

    // Visible columns in their displayed order, captions, rows as sorted and filtered, typed
    // cells with their formats.
    void gorunduguGibiYazar()
    {
        if (!unzipVar())
            QSKIP("unzip is not installed");
        OrnekIzgara o;
        Izgara& g = o.izgara;
        // The user moved "Tutar" to the front, sorted by the text descending and filtered one row out.
        g.gorunum()->horizontalHeader()->moveSection(3, 0);
        g.gorunum()->sortByColumn(2, Qt::DescendingOrder);
        g.setFiltre(u"SEC", QStringLiteral("1"));
        QTemporaryDir d;
        const QString dosya = d.filePath(QStringLiteral("sepet.xlsx"));
        QString hata;
        QVERIFY2(ExcelKaydet(g, dosya, &hata), qPrintable(hata));
        const Kitap k = oku(dosya);
        QVERIFY2(k.hata.isEmpty(), qPrintable(k.hata));

        // Header: Tutar, Seç, Tarih, Stok Açıklama, ADET (no caption: the field), Zaman, Yok.
        const QStringList basliklar = {"Tutar", "Seç", "Tarih", "Stok Açıklama", "ADET", "Zaman", "Yok"};
        for (int c = 0; c < basliklar.size(); ++c)
            QCOMPARE(metin(k, QString(QChar(u'A' + c)) + QLatin1Char('1')), basliklar[c]);
        QVERIFY(!k.hucreler.contains(QStringLiteral("H1")));

        // Rows: ticked only, by the text descending: FREN..., BUJİ.
        QCOMPARE(metin(k, QStringLiteral("D2")), QStringLiteral("FREN DİSKİ <ön> & arka"));
        QCOMPARE(k.hucreler.value(QStringLiteral("D2")).tur, QStringLiteral("inlineStr"));
        QCOMPARE(metin(k, QStringLiteral("D3")), QStringLiteral("BUJİ"));
        QVERIFY(!k.hucreler.contains(QStringLiteral("A4")));

        // Money: a number with the money format; counts and ticks are plain numbers.
        QCOMPARE(k.hucreler.value(QStringLiteral("A2")).tur, QStringLiteral("n"));
        QCOMPARE(metin(k, QStringLiteral("A2")).toDouble(), 1234.5);
        QCOMPARE(bicim(k, QStringLiteral("A2")), QStringLiteral("#,##0.00"));
        QCOMPARE(metin(k, QStringLiteral("E3")), QStringLiteral("4"));
        QCOMPARE(bicim(k, QStringLiteral("E3")), QStringLiteral("General"));
        QCOMPARE(metin(k, QStringLiteral("B2")), QStringLiteral("1"));

        // Dates: serial numbers (days since 30.12.1899) with a date format; times as fractions.
        QCOMPARE(metin(k, QStringLiteral("C2")).toDouble(), double(QDate(1899, 12, 30).daysTo(QDate(2024, 5, 2))));
        QCOMPARE(bicim(k, QStringLiteral("C2")), QStringLiteral("dd.mm.yyyy"));
        QCOMPARE(metin(k, QStringLiteral("F3")).toDouble(),
                 QDate(1899, 12, 30).daysTo(QDate(2024, 1, 15)) + (14 * 3600 + 30 * 60 + 15) / 86400.0);
        QCOMPARE(bicim(k, QStringLiteral("F3")), QStringLiteral("dd.mm.yyyy hh:mm:ss"));
        // A field the table lacks gives an empty column.
        QVERIFY(!k.hucreler.contains(QStringLiteral("G2")));
    }

    // LibreOffice opens the file and reads the same values (where it is installed).
    void libreOfficeAcar()
    {
        const QString lo = QStandardPaths::findExecutable(QStringLiteral("libreoffice")).isEmpty()
                               ? QStandardPaths::findExecutable(QStringLiteral("soffice"))
                               : QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
        if (lo.isEmpty())
            QSKIP("LibreOffice is not installed");
        OrnekIzgara o;
        QTemporaryDir d;
        const QString dosya = d.filePath(QStringLiteral("liste.xlsx"));
        QVERIFY(ExcelKaydet(o.izgara, dosya));
        QProcess p;
        p.start(lo, {QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=file://") + d.filePath("lo"),
                     QStringLiteral("--convert-to"), QStringLiteral("csv"), QStringLiteral("--outdir"), d.path(), dosya});
        QVERIFY(p.waitForFinished(120000));
        QFile csv(d.filePath(QStringLiteral("liste.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList satirlar = QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(satirlar.size(), 4);
        QVERIFY(satirlar[0].startsWith(QStringLiteral("Seç,Tarih,Stok Açıklama,Tutar,ADET,Zaman")));
        QVERIFY(satirlar[2].contains(QStringLiteral("AMORTİSÖR")));
        QVERIFY(satirlar[1].contains(QStringLiteral("\"1,234.50\"")) || satirlar[1].contains(QStringLiteral("1234.5")));
    }

    // Characters XML cannot carry are left out and an over-long text is cut; the file stays
    // readable.
    void okunamayanKarakterler()
    {
        if (!unzipVar())
            QSKIP("unzip is not installed");
        SonucTablosu t;
        t.sutunEkle({QStringLiteral("ADI"), AlanTuru::String});
        t.yazMetin(t.satirEkle(), 0, QStringLiteral("A\x01" "B\x1f" "C\tD"));
        t.yazMetin(t.satirEkle(), 0, QString(40000, QLatin1Char('x')));
        Izgara g;
        g.setSutunlar({{QStringLiteral("ADI"), QStringLiteral("Adı"), 1}});
        g.yukle(std::move(t));
        QTemporaryDir d;
        const QString dosya = d.filePath(QStringLiteral("k.xlsx"));
        QVERIFY(ExcelKaydet(g, dosya));
        const Kitap k = oku(dosya);
        QVERIFY2(k.hata.isEmpty(), qPrintable(k.hata));
        QCOMPARE(metin(k, QStringLiteral("A2")), QStringLiteral("ABC\tD"));
        QCOMPARE(metin(k, QStringLiteral("A3")).size(), 32767);
    }

    void dosyaAdi_data()
    {
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("uzantısız") << "/tmp/sepet" << "/tmp/sepet.xlsx";
        QTest::newRow("nokta ile biten") << "/tmp/sepet." << "/tmp/sepet.xlsx";
        QTest::newRow("xlsx") << "/tmp/sepet.xlsx" << "/tmp/sepet.xlsx";
        QTest::newRow("başka uzantı kalır") << "/tmp/sepet.xls" << "/tmp/sepet.xls";
        QTest::newRow("noktalı klasör") << "/tmp/a.b/sepet" << "/tmp/a.b/sepet.xlsx";
        QTest::newRow("vazgeçildi") << "" << "";
    }

    // The save dialog: filter "Excel", a name without extension gets ".xlsx".
    void dosyaAdi()
    {
        QFETCH(QString, yazilan);
        QFETCH(QString, beklenen);
        bool kaydet = false;
        QStringList filtre;
        setDosyaSecici([&](QFileDialog& d) {
            kaydet = d.acceptMode() == QFileDialog::AcceptSave;
            filtre = d.nameFilters();
            return yazilan;
        });
        QCOMPARE(ExcelDosyasiSor(nullptr), beklenen);
        QVERIFY(kaydet);
        QCOMPARE(filtre, QStringList{QStringLiteral("Excel (*.xls*)")});
    }

    // A failed write leaves what was there and no half-written file; the action reports it.
    void yazilamazsa()
    {
        OrnekIzgara o;
        QTemporaryDir d;
        QString hata;
        QVERIFY(!ExcelKaydet(o.izgara, d.filePath(QStringLiteral("yok/sepet.xlsx")), &hata));
        QVERIFY(!hata.isEmpty());

        // The target is a folder with content: the finished file cannot take its place.
        QDir(d.path()).mkpath(QStringLiteral("klasor/ic"));
        hata.clear();
        QVERIFY(!ExcelKaydet(o.izgara, d.filePath(QStringLiteral("klasor")), &hata));
        QVERIFY(!hata.isEmpty());
        QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

        QStringList mesajlar;
        setMesajCevaplayici([&](QMessageBox& k) {
            mesajlar << k.windowTitle();
            return QMessageBox::Ok;
        });
        setDosyaSecici([&](QFileDialog&) { return d.filePath(QStringLiteral("yok/a")); });
        QVERIFY(!ExcelKaydetSor(o.izgara, nullptr));
        QCOMPARE(mesajlar, QStringList{QStringLiteral("Hata")});
    }

    // Saving over an existing file replaces it whole.
    void varOlaniDegistirir()
    {
        OrnekIzgara o;
        QTemporaryDir d;
        const QString dosya = d.filePath(QStringLiteral("eski.xlsx"));
        {
            QFile f(dosya);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(200000, 'z'));
        }
        QVERIFY(ExcelKaydet(o.izgara, dosya));
        QFile f(dosya);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.read(2), QByteArray("PK"));
        QVERIFY(f.size() < 200000);
        QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("eski.xlsx")});
    }
};

QTEST_MAIN(TstExcel)
#include "tst_excel.moc"
