#pragma once

// Pictures and documents the reference server draws itself: part pictures (JPEG), the three
// banners (two animated GIFs and a bitmap), announcement screens (JPEG) and PDF documents
// (payment receipts, reports). Everything is drawn from the data, so the same data gives the
// same pictures.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace zelvar::veri
{

struct ParcaGorunumu {
    int stokno = 0;
    QString barkod;
    QString adi;
    QString marka;
    QString model;
    QString anagrup;
};

QByteArray parcaResmi(const ParcaGorunumu& parca);                             // JPEG, 480 x 360
QByteArray basBanner();                                                        // animated GIF, 100 pixels high
QByteArray seritBanner();                                                      // animated GIF, the top strip
QByteArray altBanner();                                                        // BMP, the bottom band
QByteArray duyuruResmi(int no, const QString& baslik, const QString& altYazi); // JPEG, 600 x 400

// A PDF page set: a title, "caption: value" lines, then a table (repeated header on every page)
// and a closing note. Columns whose header starts with ">" are right-aligned.
struct PdfBelgesi {
    QString baslik;
    QStringList bilgiler;
    QStringList sutunlar;
    QList<QStringList> satirlar;
    QString dipNot;
};
QByteArray pdfYaz(const PdfBelgesi& belge);

} // namespace zelvar::veri
