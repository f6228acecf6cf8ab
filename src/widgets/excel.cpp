#include "widgets/excel.h"

#include "remote/sayibicimi.h"
#include "widgets/izgara.h"
#include "widgets/mesaj.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QTableView>
#include <QUuid>

#include <locale.h>
#include <xlsxwriter.h>

#include <clocale>
#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>

namespace zelvar {

namespace {

// Limits of the file format.
constexpr int kEnCokSatir = 1048576;
constexpr int kEnCokSutun = 16384;
constexpr qsizetype kEnUzunMetin = 32767;

std::mutex g_kilit;
DosyaSecici g_secici;

DosyaSecici secici()
{
    std::lock_guard<std::mutex> k(g_kilit);
    return g_secici;
}

struct KitapSilici {
    void operator()(lxw_workbook* k) const
    {
        // Closing is the only way to release a workbook; its result is read where it matters.
        if (k)
            workbook_close(k);
    }
};

// Text as the format stores it: characters XML cannot carry are left out (a sheet with them
// would not open), and the length is cut to what a cell holds.
QByteArray hucreMetni(const QString& s)
{
    QString t;
    t.reserve(s.size());
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r')
            continue;
        if (u == 0xFFFE || u == 0xFFFF)
            continue;
        t.append(c);
    }
    if (t.size() > kEnUzunMetin) {
        t.truncate(kEnUzunMetin);
        if (t.back().isHighSurrogate())
            t.chop(1);
    }
    return t.toUtf8();
}

// The grid's number patterns are Excel's own syntax; the money pattern gets Excel's usual form.
QByteArray excelBicimi(const QString& bicim)
{
    if (bicim == QLatin1String(kParaBicimi))
        return QByteArrayLiteral("#,##0.00");
    return bicim.toUtf8();
}

lxw_datetime excelZamani(const QDate& d, const QTime& t)
{
    lxw_datetime z{};
    z.year = d.year();
    z.month = d.month();
    z.day = d.day();
    z.hour = t.hour();
    z.min = t.minute();
    z.sec = t.second() + t.msec() / 1000.0;
    return z;
}

// Numbers in the file are written with the C library's formatting, which follows the
// process's numeric locale; the file format wants a decimal point whatever the user's
// separators are. This thread writes with the "C" conventions while it holds the guard.
class NoktaliSayilar {
public:
    NoktaliSayilar() : m_c(newlocale(LC_NUMERIC_MASK, "C", locale_t{}))
    {
        if (m_c)
            m_eski = uselocale(m_c);
    }
    ~NoktaliSayilar()
    {
        if (m_c) {
            uselocale(m_eski);
            freelocale(m_c);
        }
    }
    NoktaliSayilar(const NoktaliSayilar&) = delete;
    NoktaliSayilar& operator=(const NoktaliSayilar&) = delete;

private:
    locale_t m_c;
    locale_t m_eski{};
};

struct Sutunum {
    int kaynak = -1; // column of the table, -1 when the table lacks the field
    int gorunum = -1;
    GosterimTuru tur = GosterimTuru::Metin;
    lxw_format* bicim = nullptr;
};

} // namespace

bool ExcelKaydet(const Izgara& izgaraC, const QString& dosya, QString* hata)
{
    auto basarisiz = [hata](const QString& neden) {
        if (hata)
            *hata = neden;
        return false;
    };
    // Only reads: the view and the model are reached through the non-const accessors.
    Izgara& izgara = const_cast<Izgara&>(izgaraC);
    const SonucTablosu& tablo = izgara.tablo();
    const QList<SutunTanimi> tanimlar = izgara.sutunlar();
    QHeaderView* baslik = izgara.gorunum()->horizontalHeader();

    if (dosya.isEmpty())
        return basarisiz(QStringLiteral("Dosya adı verilmedi"));
    const int satirSayisi = izgara.gorunenSatirSayisi();
    if (satirSayisi + 1 > kEnCokSatir)
        return basarisiz(QStringLiteral("Excel dosyasına en çok %1 satır yazılabilir").arg(kEnCokSatir - 1));

    const QFileInfo hedef(dosya);
    const QString geciciAd = hedef.absoluteDir().filePath(
        QStringLiteral(".%1.%2.tmp").arg(hedef.fileName(), QUuid::createUuid().toString(QUuid::Id128)));
    const QByteArray geciciYol = QFile::encodeName(geciciAd);

    const NoktaliSayilar nokta;
    lxw_workbook_options secenekler{};
    secenekler.constant_memory = LXW_TRUE; // rows go out as they are written
    std::unique_ptr<lxw_workbook, KitapSilici> kitap(workbook_new_opt(geciciYol.constData(), &secenekler));
    if (!kitap)
        return basarisiz(QStringLiteral("Excel dosyası hazırlanamadı"));
    // A workbook given up on still writes its file when released: that file goes too.
    auto vazgec = [&](const QString& neden) {
        kitap.reset();
        QFile::remove(geciciAd);
        return basarisiz(neden);
    };
    lxw_worksheet* sayfa = workbook_add_worksheet(kitap.get(), "Sayfa1");
    if (!sayfa)
        return vazgec(QStringLiteral("Excel sayfası eklenemedi"));

    lxw_format* baslikBicimi = workbook_add_format(kitap.get());
    format_set_bold(baslikBicimi);
    lxw_format* tarihBicimi = workbook_add_format(kitap.get());
    format_set_num_format(tarihBicimi, "dd.mm.yyyy");
    lxw_format* tarihSaatBicimi = workbook_add_format(kitap.get());
    format_set_num_format(tarihSaatBicimi, "dd.mm.yyyy hh:mm:ss");
    lxw_format* saatBicimi = workbook_add_format(kitap.get());
    format_set_num_format(saatBicimi, "hh:mm:ss");
    QHash<QString, lxw_format*> sayiBicimleri;

    // Visible columns in the order the header shows them.
    QList<Sutunum> sutunlar;
    for (int v = 0; v < baslik->count(); ++v) {
        const int i = baslik->logicalIndex(v);
        if (i < 0 || i >= tanimlar.size() || baslik->isSectionHidden(i))
            continue;
        Sutunum s;
        s.gorunum = i;
        s.tur = tanimlar[i].tur;
        s.kaynak = tanimlar[i].alan.isEmpty() ? -1 : tablo.sutunBul(tanimlar[i].alan);
        if (s.kaynak >= 0) {
            const QString& b = tablo.sutun(s.kaynak).gosterimBicimi;
            if (!b.isEmpty()) {
                lxw_format*& f = sayiBicimleri[b];
                if (!f) {
                    f = workbook_add_format(kitap.get());
                    format_set_num_format(f, excelBicimi(b).constData());
                }
                s.bicim = f;
            }
        }
        sutunlar.append(s);
    }
    if (sutunlar.size() > kEnCokSutun)
        return vazgec(QStringLiteral("Excel dosyasına en çok %1 sütun yazılabilir").arg(kEnCokSutun));

    lxw_error sonuc = LXW_NO_ERROR;
    auto denetle = [&sonuc](lxw_error e) {
        if (e != LXW_NO_ERROR && sonuc == LXW_NO_ERROR)
            sonuc = e;
    };

    for (int c = 0; c < sutunlar.size(); ++c) {
        const auto col = static_cast<lxw_col_t>(c);
        denetle(worksheet_set_column_pixels(sayfa, col, col, static_cast<uint32_t>(baslik->sectionSize(sutunlar[c].gorunum)),
                                            nullptr));
        const QString metin =
            izgara.gorunum()->model()->headerData(sutunlar[c].gorunum, Qt::Horizontal, Qt::DisplayRole).toString();
        denetle(worksheet_write_string(sayfa, 0, col, hucreMetni(metin).constData(), baslikBicimi));
    }
    worksheet_freeze_panes(sayfa, 1, 0);

    SonucModeli* model = izgara.model();
    for (int g = 0; g < satirSayisi && sonuc == LXW_NO_ERROR; ++g) {
        const int r = izgara.tabloSatiri(g);
        const auto row = static_cast<lxw_row_t>(g + 1);
        for (int c = 0; c < sutunlar.size(); ++c) {
            const Sutunum& s = sutunlar[c];
            const auto col = static_cast<lxw_col_t>(c);
            if (r < 0 || s.kaynak < 0 || tablo.bosHucre(r, s.kaynak))
                continue;
            if (s.tur == GosterimTuru::Ozel) {
                // Drawn by its window: the text the model gives for it.
                denetle(worksheet_write_string(sayfa, row, col, hucreMetni(model->metin(r, s.kaynak)).constData(),
                                               nullptr));
                continue;
            }
            switch (tablo.sutun(s.kaynak).tur) {
            case AlanTuru::Integer:
            case AlanTuru::LargeInt:
            case AlanTuru::Float:
            case AlanTuru::Currency:
            case AlanTuru::Bcd:
                denetle(worksheet_write_number(sayfa, row, col, tablo.ondalik(r, s.kaynak), s.bicim));
                break;
            case AlanTuru::Date: {
                lxw_datetime z = excelZamani(tablo.deger(r, s.kaynak).toDate(), QTime(0, 0));
                denetle(worksheet_write_datetime(sayfa, row, col, &z, tarihBicimi));
                break;
            }
            case AlanTuru::DateTime: {
                const QDateTime t = tablo.deger(r, s.kaynak).toDateTime();
                lxw_datetime z = excelZamani(t.date(), t.time());
                // A date-time at midnight is a plain date, as the grid shows it.
                denetle(worksheet_write_datetime(sayfa, row, col, &z,
                                                 t.time() == QTime(0, 0) ? tarihBicimi : tarihSaatBicimi));
                break;
            }
            case AlanTuru::Time: {
                const QTime t = tablo.deger(r, s.kaynak).toTime();
                denetle(worksheet_write_number(sayfa, row, col, t.msecsSinceStartOfDay() / 86400000.0, saatBicimi));
                break;
            }
            case AlanTuru::Boolean:
            case AlanTuru::String:
            case AlanTuru::Memo:
                denetle(worksheet_write_string(sayfa, row, col, hucreMetni(model->metin(r, s.kaynak)).constData(),
                                               nullptr));
                break;
            case AlanTuru::Blob: break;
            }
        }
    }

    if (sonuc != LXW_NO_ERROR)
        return vazgec(QStringLiteral("Excel dosyası yazılamadı: %1").arg(QString::fromUtf8(lxw_strerror(sonuc))));
    const lxw_error kapanis = workbook_close(kitap.release());
    if (kapanis != LXW_NO_ERROR) {
        QFile::remove(geciciAd);
        return basarisiz(QStringLiteral("Excel dosyası yazılamadı: %1").arg(QString::fromUtf8(lxw_strerror(kapanis))));
    }
    std::error_code hataKodu;
    std::filesystem::rename(std::filesystem::path(geciciYol.toStdString()),
                            std::filesystem::path(QFile::encodeName(hedef.absoluteFilePath()).toStdString()), hataKodu);
    if (hataKodu) {
        QFile::remove(geciciAd);
        return basarisiz(QStringLiteral("Excel dosyası kaydedilemedi: %1").arg(QString::fromStdString(hataKodu.message())));
    }
    return true;
}

QString ExcelDosyasiSor(QWidget* ust)
{
    QFileDialog pencere(ust);
    pencere.setAcceptMode(QFileDialog::AcceptSave);
    pencere.setFileMode(QFileDialog::AnyFile);
    pencere.setNameFilter(QStringLiteral("Excel (*.xls*)"));
    pencere.setDefaultSuffix(QStringLiteral("xlsx"));
    pencere.setWindowTitle(QStringLiteral("Excel Kaydet"));

    QString secilen;
    if (const DosyaSecici s = secici()) {
        secilen = s(pencere);
    } else if (pencere.exec() == QDialog::Accepted && !pencere.selectedFiles().isEmpty()) {
        secilen = pencere.selectedFiles().constFirst();
    }
    if (secilen.isEmpty())
        return {};
    if (QFileInfo(secilen).suffix().isEmpty()) {
        if (secilen.endsWith(QLatin1Char('.')))
            secilen.chop(1);
        secilen += QStringLiteral(".xlsx");
    }
    return secilen;
}

bool ExcelKaydetSor(const Izgara& izgara, QWidget* ust)
{
    const QString dosya = ExcelDosyasiSor(ust);
    if (dosya.isEmpty())
        return false;
    QString hata;
    if (ExcelKaydet(izgara, dosya, &hata))
        return true;
    MesajGoster(hata, MesajTuru::Hata, QMessageBox::Ok, 0, QMessageBox::Ok);
    return false;
}

void setDosyaSecici(DosyaSecici yeni)
{
    std::lock_guard<std::mutex> k(g_kilit);
    g_secici = std::move(yeni);
}

} // namespace zelvar
