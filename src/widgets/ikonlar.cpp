#include "ikonlar.h"

#include <QPainter>
#include <QPainterPath>

namespace zelvar {

namespace {

const QColor kLacivert(0, 64, 128);

QPixmap tuval(int boyut)
{
    QPixmap p(boyut, boyut);
    p.fill(Qt::transparent);
    return p;
}

} // namespace

QIcon stokDurumIkonu(int durum)
{
    static const QColor renkler[] = {QColor(200, 40, 40), QColor(40, 160, 60), QColor(240, 150, 0),
                                     QColor(30, 120, 220), QColor(140, 70, 170), QColor(120, 120, 120)};
    if (durum < 0 || durum > 5)
        return {};
    QPixmap p = tuval(24);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(renkler[durum].darker(130), 1.5));
    g.setBrush(renkler[durum]);
    g.drawEllipse(QRectF(3, 3, 18, 18));
    g.setPen(QPen(Qt::white, 2));
    switch (durum) {
    case 0: g.drawLine(8, 8, 16, 16); g.drawLine(16, 8, 8, 16); break;                 // none
    case 1: g.drawPolyline(QPolygon({QPoint(7, 12), QPoint(11, 16), QPoint(17, 8)})); break; // in stock
    case 2: g.drawText(QRect(3, 3, 18, 18), Qt::AlignCenter, QStringLiteral("?")); break;   // call
    case 3: g.drawLine(7, 12, 17, 12); g.drawLine(13, 8, 17, 12); g.drawLine(13, 16, 17, 12); break; // on the way
    case 4: g.drawText(QRect(3, 3, 18, 18), Qt::AlignCenter, QStringLiteral("Ö")); break;   // special order
    case 5: g.drawArc(QRect(7, 7, 10, 10), 0, 270 * 16); break;                            // supply
    }
    return QIcon(p);
}

QIcon simge(Simge s, const QColor& renk)
{
    QPixmap p = tuval(32);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QPen kalem(renk, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    g.setPen(kalem);
    switch (s) {
    case Simge::Menu:
        for (int y : {9, 16, 23})
            g.drawLine(7, y, 25, y);
        break;
    case Simge::Ara:
        g.drawEllipse(QRectF(6, 6, 14, 14));
        g.drawLine(18, 18, 26, 26);
        break;
    case Simge::Temizle:
        g.drawLine(9, 9, 23, 23);
        g.drawLine(23, 9, 9, 23);
        break;
    case Simge::Stok:
        g.drawRect(QRectF(6, 10, 20, 16));
        g.drawLine(6, 15, 26, 15);
        break;
    case Simge::Sepet:
        g.drawPolyline(QPolygon({QPoint(4, 8), QPoint(9, 8), QPoint(12, 21), QPoint(25, 21), QPoint(27, 12), QPoint(10, 12)}));
        g.drawEllipse(QPointF(13, 26), 2, 2);
        g.drawEllipse(QPointF(23, 26), 2, 2);
        break;
    case Simge::Siparis:
        g.drawRect(QRectF(8, 5, 16, 22));
        for (int y : {11, 16, 21})
            g.drawLine(12, y, 20, y);
        break;
    case Simge::Ekstre:
        g.drawRect(QRectF(7, 5, 18, 22));
        g.drawLine(11, 21, 11, 15);
        g.drawLine(16, 21, 16, 11);
        g.drawLine(21, 21, 21, 17);
        break;
    case Simge::Yeni:
        g.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("Y"));
        g.drawEllipse(QRectF(4, 4, 24, 24));
        break;
    case Simge::Kampanya:
        g.setBrush(renk);
        g.setPen(Qt::NoPen);
        g.drawEllipse(QRectF(4, 4, 24, 24));
        g.setPen(QPen(renk.lightness() > 160 ? kLacivert : QColor(Qt::white), 2.5));
        g.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("%"));
        break;
    case Simge::Duyuru:
        g.drawPolygon(QPolygon({QPoint(6, 13), QPoint(12, 13), QPoint(22, 6), QPoint(22, 26), QPoint(12, 19), QPoint(6, 19)}));
        break;
    case Simge::Bakiye:
        g.drawEllipse(QRectF(6, 6, 20, 20));
        g.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("₺"));
        break;
    case Simge::Pos:
        g.drawRoundedRect(QRectF(4, 8, 24, 16), 3, 3);
        g.drawLine(4, 13, 28, 13);
        break;
    case Simge::Resim:
        g.drawRect(QRectF(5, 7, 22, 18));
        g.drawPolyline(QPolygon({QPoint(7, 23), QPoint(13, 15), QPoint(18, 20), QPoint(21, 17), QPoint(26, 23)}));
        break;
    case Simge::Evet:
        g.setPen(QPen(QColor(40, 160, 60), 3));
        g.drawPolyline(QPolygon({QPoint(8, 16), QPoint(14, 22), QPoint(24, 10)}));
        break;
    case Simge::Hayir:
        g.setPen(QPen(QColor(170, 170, 170), 2));
        g.drawEllipse(QRectF(9, 9, 14, 14));
        break;
    }
    return QIcon(p);
}

QPixmap logo(int genislik, int yukseklik)
{
    QPixmap p(genislik, yukseklik);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QRectF alan(4, 8, genislik - 8, yukseklik - 16);
    QLinearGradient renk(alan.topLeft(), alan.bottomRight());
    renk.setColorAt(0, kLacivert);
    renk.setColorAt(1, QColor(30, 110, 190));
    g.setBrush(renk);
    g.setPen(Qt::NoPen);
    g.drawRoundedRect(alan, 10, 10);
    QFont yazi(QStringLiteral("Arial"));
    yazi.setBold(true);
    yazi.setPixelSize(int(alan.height() * 0.42));
    g.setFont(yazi);
    g.setPen(Qt::white);
    g.drawText(alan.adjusted(0, 0, 0, -alan.height() * 0.3), Qt::AlignCenter, QStringLiteral("ZELVAR"));
    yazi.setPixelSize(int(alan.height() * 0.2));
    yazi.setBold(false);
    g.setFont(yazi);
    g.drawText(alan.adjusted(0, alan.height() * 0.55, 0, 0), Qt::AlignCenter, QStringLiteral("OTOMOTİV B2B"));
    return p;
}

} // namespace zelvar
