#include "gorseller.h"

#include "gifyazici.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <cmath>

namespace zelvar::veri
{

namespace
{

const QColor kLacivert(0, 64, 128);
const QColor kTuruncu(230, 120, 20);

QByteArray kodla(const QImage& resim, const char* bicim, int kalite = 85)
{
    QByteArray b;
    QBuffer tampon(&b);
    tampon.open(QIODevice::WriteOnly);
    if (!resim.save(&tampon, bicim, kalite))
        throw std::runtime_error(std::string("resim yazılamadı: ") + bicim);
    return b;
}

QColor grupRengi(const QString& grup)
{
    const uint h = qHash(grup) % 360;
    return QColor::fromHsv(int(h), 120, 200);
}

void parcaSekli(QPainter& p, const QString& grup, const QRectF& alan)
{
    p.save();
    p.setPen(QPen(QColor(40, 40, 40), 4));
    const QPointF m = alan.center();
    const double r = std::min(alan.width(), alan.height()) / 2 - 6;
    if (grup.contains(QStringLiteral("FREN"))) {
        p.setBrush(QColor(170, 170, 175));
        p.drawEllipse(m, r, r);
        p.setBrush(QColor(90, 90, 95));
        p.drawEllipse(m, r * 0.35, r * 0.35);
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * M_PI / 5;
            p.drawEllipse(QPointF(m.x() + std::cos(a) * r * 0.55, m.y() + std::sin(a) * r * 0.55), 6, 6);
        }
    } else if (grup.contains(QStringLiteral("FİLTRE"))) {
        p.setBrush(QColor(240, 200, 60));
        p.drawRoundedRect(QRectF(m.x() - r * 0.6, m.y() - r, r * 1.2, r * 2), 14, 14);
        p.setPen(QPen(QColor(60, 60, 60), 2));
        for (int i = 1; i < 8; ++i) {
            const double y = m.y() - r + i * r * 2 / 8;
            p.drawLine(QPointF(m.x() - r * 0.6, y), QPointF(m.x() + r * 0.6, y));
        }
    } else if (grup.contains(QStringLiteral("SÜSPANSİYON"))) {
        p.setBrush(QColor(200, 60, 50));
        p.drawRect(QRectF(m.x() - r * 0.18, m.y() - r, r * 0.36, r * 2));
        p.setPen(QPen(QColor(30, 30, 30), 5));
        for (int i = 0; i < 7; ++i) {
            const double y = m.y() - r * 0.8 + i * r * 0.26;
            p.drawLine(QPointF(m.x() - r * 0.45, y), QPointF(m.x() + r * 0.45, y + r * 0.13));
        }
    } else {
        QPainterPath disli;
        const int dis = 10;
        for (int i = 0; i <= dis * 2; ++i) {
            const double a = i * M_PI / dis;
            const double rr = (i % 2 == 0) ? r : r * 0.8;
            const QPointF n(m.x() + std::cos(a) * rr, m.y() + std::sin(a) * rr);
            if (i == 0)
                disli.moveTo(n);
            else
                disli.lineTo(n);
        }
        p.setBrush(QColor(120, 140, 160));
        p.drawPath(disli);
        p.setBrush(Qt::white);
        p.drawEllipse(m, r * 0.3, r * 0.3);
    }
    p.restore();
}

QFont yazi(int piksel, bool kalin = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(piksel);
    f.setBold(kalin);
    return f;
}

QImage bannerKaresi(int g, int y, int kare, int kareSayisi, const QString& metin, const QString& alt)
{
    QImage r(g, y, QImage::Format_RGB32);
    QPainter p(&r);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gr(0, 0, g, y);
    gr.setColorAt(0, kLacivert);
    gr.setColorAt(1, QColor(0, 102, 204));
    p.fillRect(r.rect(), gr);
    // A light stripe sweeps across from frame to frame.
    const double x = (g + 200.0) * kare / kareSayisi - 100.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawPolygon(QPolygonF({QPointF(x, 0), QPointF(x + 60, 0), QPointF(x + 20, y), QPointF(x - 40, y)}));
    p.setPen(Qt::white);
    p.setFont(yazi(std::max(12, y / 3), true));
    p.drawText(QRect(10, 0, g - 20, alt.isEmpty() ? y : y * 6 / 10), Qt::AlignCenter, metin);
    if (!alt.isEmpty()) {
        p.setPen(kTuruncu.lighter(130));
        p.setFont(yazi(std::max(10, y / 5)));
        p.drawText(QRect(10, y * 55 / 100, g - 20, y * 4 / 10), Qt::AlignCenter, alt);
    }
    return r;
}

} // namespace

QByteArray parcaResmi(const ParcaGorunumu& parca)
{
    QImage r(480, 360, QImage::Format_RGB32);
    r.fill(Qt::white);
    QPainter p(&r);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gr(0, 0, 0, 360);
    gr.setColorAt(0, grupRengi(parca.anagrup).lighter(140));
    gr.setColorAt(1, Qt::white);
    p.fillRect(r.rect(), gr);
    parcaSekli(p, parca.anagrup, QRectF(140, 50, 200, 200));
    p.setPen(kLacivert);
    p.setFont(yazi(22, true));
    p.drawText(QRect(10, 8, 460, 34), Qt::AlignLeft | Qt::AlignVCenter, parca.barkod);
    p.setFont(yazi(14));
    p.drawText(QRect(10, 8, 460, 34), Qt::AlignRight | Qt::AlignVCenter, parca.marka + QLatin1Char(' ') + parca.model);
    p.setPen(Qt::black);
    p.setFont(yazi(18, true));
    p.drawText(QRect(10, 262, 460, 56), Qt::AlignCenter | Qt::TextWordWrap, parca.adi);
    p.setPen(QColor(120, 120, 120));
    p.setFont(yazi(12));
    p.drawText(QRect(10, 326, 460, 28), Qt::AlignCenter,
               QStringLiteral("Zelvar Otomotiv · Stok No %1").arg(parca.stokno));
    p.end();
    return kodla(r, "JPEG", 80);
}

QByteArray basBanner()
{
    QList<QImage> kareler;
    for (int i = 0; i < 6; ++i)
        kareler << bannerKaresi(360, 100, i, 6, QStringLiteral("ZELVAR OTOMOTİV"),
                                QStringLiteral("Bayi Sipariş Sistemi"));
    return gifYaz(kareler, 25);
}

QByteArray seritBanner()
{
    QList<QImage> kareler;
    const QStringList metinler = {QStringLiteral("Fren grubunda kampanya: liste fiyatına %15 indirim"),
                                  QStringLiteral("Saat 15:00'e kadar verilen siparişler aynı gün kargoda"),
                                  QStringLiteral("Yeni ürünler her hafta Yeni Stoklar sekmesinde")};
    for (int i = 0; i < metinler.size(); ++i)
        kareler << bannerKaresi(1200, 60, i, metinler.size(), metinler[i], QString());
    return gifYaz(kareler, 300);
}

QByteArray altBanner()
{
    QImage r(1200, 50, QImage::Format_RGB32);
    QPainter p(&r);
    QLinearGradient gr(0, 0, 1200, 0);
    gr.setColorAt(0, kTuruncu);
    gr.setColorAt(1, kTuruncu.darker(130));
    p.fillRect(r.rect(), gr);
    p.setPen(Qt::white);
    p.setFont(yazi(20, true));
    p.drawText(r.rect(), Qt::AlignCenter,
               QStringLiteral("Zelvar Otomotiv  ·  Müşteri Hizmetleri 0 850 000 00 00  ·  siparis@zelvar.example"));
    p.end();
    return kodla(r, "BMP");
}

QByteArray duyuruResmi(int no, const QString& baslik, const QString& altYazi)
{
    QImage r(600, 400, QImage::Format_RGB32);
    QPainter p(&r);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor renk = QColor::fromHsv((no * 67) % 360, 160, 170);
    QLinearGradient gr(0, 0, 600, 400);
    gr.setColorAt(0, renk);
    gr.setColorAt(1, renk.darker(170));
    p.fillRect(r.rect(), gr);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(QPointF(520, 60), 160, 160);
    p.drawEllipse(QPointF(60, 380), 120, 120);
    p.setPen(Qt::white);
    p.setFont(yazi(40, true));
    p.drawText(QRect(30, 60, 540, 170), Qt::AlignCenter | Qt::TextWordWrap, baslik);
    p.setFont(yazi(22));
    p.drawText(QRect(30, 240, 540, 100), Qt::AlignCenter | Qt::TextWordWrap, altYazi);
    p.setFont(yazi(14, true));
    p.drawText(QRect(30, 350, 540, 30), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("ZELVAR OTOMOTİV"));
    p.end();
    return kodla(r, "JPEG", 85);
}

QByteArray pdfYaz(const PdfBelgesi& belge)
{
    QByteArray bayt;
    QBuffer tampon(&bayt);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&tampon);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(belge.sutunlar.size() > 6 ? QPageLayout::Landscape : QPageLayout::Portrait);
        pdf.setResolution(150);
        pdf.setTitle(belge.baslik);
        pdf.setCreator(QStringLiteral("Zelvar Otomotiv B2B"));
        pdf.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        QPainter p(&pdf);
        const QRect alan = p.viewport();
        const int g = alan.width();
        const int h = alan.height();
        int y = 0;

        auto baslikYaz = [&] {
            p.setPen(kLacivert);
            p.setFont(yazi(34, true));
            p.drawText(QRect(0, y, g, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ZELVAR OTOMOTİV"));
            p.setFont(yazi(26, true));
            p.drawText(QRect(0, y, g, 50), Qt::AlignRight | Qt::AlignVCenter, belge.baslik);
            y += 58;
            p.setPen(QPen(kLacivert, 3));
            p.drawLine(0, y, g, y);
            y += 14;
        };
        baslikYaz();
        p.setPen(Qt::black);
        p.setFont(yazi(20));
        for (const QString& satir : belge.bilgiler) {
            p.drawText(QRect(0, y, g, 30), Qt::AlignLeft | Qt::AlignVCenter, satir);
            y += 30;
        }
        y += 12;

        const int n = int(belge.sutunlar.size());
        if (n > 0) {
            const int satirBoyu = 28;
            const int sutunG = g / n;
            auto sutunBasligi = [&] {
                p.fillRect(QRect(0, y, g, satirBoyu + 4), kLacivert);
                p.setPen(Qt::white);
                p.setFont(yazi(17, true));
                for (int c = 0; c < n; ++c) {
                    QString m = belge.sutunlar[c];
                    const bool sag = m.startsWith(QLatin1Char('>'));
                    if (sag)
                        m.remove(0, 1);
                    p.drawText(QRect(c * sutunG + 6, y, sutunG - 12, satirBoyu + 4),
                               (sag ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, m);
                }
                y += satirBoyu + 6;
            };
            sutunBasligi();
            p.setFont(yazi(16));
            for (int r = 0; r < belge.satirlar.size(); ++r) {
                if (y + satirBoyu > h - 60) {
                    pdf.newPage();
                    y = 0;
                    baslikYaz();
                    sutunBasligi();
                    p.setFont(yazi(16));
                }
                if (r % 2 == 1)
                    p.fillRect(QRect(0, y, g, satirBoyu), QColor(239, 239, 239));
                p.setPen(Qt::black);
                const QStringList& hucreler = belge.satirlar[r];
                for (int c = 0; c < n && c < hucreler.size(); ++c) {
                    const bool sag = belge.sutunlar[c].startsWith(QLatin1Char('>'));
                    p.drawText(QRect(c * sutunG + 6, y, sutunG - 12, satirBoyu),
                               (sag ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                               p.fontMetrics().elidedText(hucreler[c], Qt::ElideRight, sutunG - 12));
                }
                y += satirBoyu;
            }
            if (belge.satirlar.isEmpty()) {
                p.setPen(QColor(110, 110, 110));
                p.drawText(QRect(0, y, g, satirBoyu), Qt::AlignCenter, QStringLiteral("Kayıt bulunamadı"));
                y += satirBoyu;
            }
            y += 16;
        }
        if (!belge.dipNot.isEmpty()) {
            if (y + 80 > h) {
                pdf.newPage();
                y = 0;
            }
            p.setPen(QColor(60, 60, 60));
            p.setFont(yazi(17));
            p.drawText(QRect(0, y, g, h - y), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, belge.dipNot);
        }
        p.end();
    }
    return bayt;
}

} // namespace zelvar::veri
