#include "mesgul.h"

#include <QPainter>
#include <QTimer>

#include <cmath>

namespace zelvar {

namespace {
constexpr int kNoktaSayisi = 12;
constexpr int kAdimMs = 80;
} // namespace

MesgulGostergesi::MesgulGostergesi(QWidget* parent) : QWidget(parent), m_zaman(new QTimer(this))
{
    m_zaman->setInterval(kAdimMs);
    connect(m_zaman, &QTimer::timeout, this, [this] {
        m_adim = (m_adim + 1) % kNoktaSayisi;
        update();
    });
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

QSize MesgulGostergesi::sizeHint() const
{
    return {24, 24};
}

void MesgulGostergesi::setRenk(const QColor& renk)
{
    m_renk = renk;
    update();
}

void MesgulGostergesi::baslat()
{
    m_calisiyor = true;
    show();
    if (isVisible())
        m_zaman->start();
}

void MesgulGostergesi::durdur()
{
    m_calisiyor = false;
    m_zaman->stop();
    hide();
}

void MesgulGostergesi::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (m_calisiyor)
        m_zaman->start();
}

void MesgulGostergesi::hideEvent(QHideEvent* e)
{
    // Hidden with its window or tab: no ticks nobody sees.
    m_zaman->stop();
    QWidget::hideEvent(e);
}

void MesgulGostergesi::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double kenar = qMin(width(), height());
    const double yaricap = kenar / 2.0 - kenar / 8.0;
    const double nokta = qMax(1.5, kenar / 12.0);
    const QPointF merkez = QRectF(rect()).center();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < kNoktaSayisi; ++i) {
        // The head dot is solid; those behind it fade.
        const int geride = (m_adim - i + kNoktaSayisi) % kNoktaSayisi;
        QColor c = m_renk;
        c.setAlphaF(static_cast<float>(1.0 - 0.8 * geride / (kNoktaSayisi - 1)));
        p.setBrush(c);
        const double aci = 2.0 * M_PI * i / kNoktaSayisi - M_PI / 2.0;
        p.drawEllipse(QPointF(merkez.x() + yaricap * std::cos(aci), merkez.y() + yaricap * std::sin(aci)), nokta,
                      nokta);
    }
}

} // namespace zelvar
