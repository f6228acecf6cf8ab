#include "sekmeboyayici.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionTab>
#include <QTabBar>

namespace zelvar {

TSonuc SekmeBasligiAyir(const QString& baslik)
{
    TSonuc s;
    const qsizetype esit = baslik.indexOf(u'=');
    if (esit < 0) {
        s.baslik = baslik;
        return s;
    }
    s.baslik = baslik.mid(esit + 1);
    if (s.baslik.size() > kSekmeBaslikSiniri) {
        // Never cut a character in half.
        qsizetype n = kSekmeBaslikSiniri;
        if (s.baslik.at(n - 1).isHighSurrogate())
            --n;
        s.baslik.truncate(n);
    }
    bool tamam = false;
    const int sayi = QStringView(baslik).left(esit).trimmed().toInt(&tamam, 10);
    s.sayi = tamam ? sayi : 0;
    return s;
}

namespace {

bool yatay(QTabBar::Shape sekil)
{
    return sekil == QTabBar::RoundedNorth || sekil == QTabBar::RoundedSouth || sekil == QTabBar::TriangularNorth ||
           sekil == QTabBar::TriangularSouth;
}

QString rozetMetni(int sayi)
{
    return u'(' + QString::number(sayi) + u')';
}

void rozetCiz(QPainter* p, const QRect& metinAlani, int sayi, const QFont& yazi)
{
    if (sayi <= 0)
        return;
    p->save();
    p->setFont(yazi);
    p->setPen(kSekmeRozetRengi);
    p->drawText(metinAlani.adjusted(2, -3, -2, 3), Qt::AlignTop | Qt::AlignRight, rozetMetni(sayi));
    p->restore();
}

} // namespace

TTabColorControlStyleHook::TTabColorControlStyleHook(QStyle* temel) : QProxyStyle(temel) {}

void TTabColorControlStyleHook::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                            const QWidget* widget) const
{
    const auto* sekme = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (element != CE_TabBarTabLabel || !sekme) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const TSonuc s = SekmeBasligiAyir(sekme->text);
    if (!yatay(sekme->shape)) {
        // Side tabs keep the base drawing of the title, turned with the tab.
        QStyleOptionTab kopya(*sekme);
        kopya.text = s.baslik;
        QProxyStyle::drawControl(element, &kopya, painter, widget);
        rozetCiz(painter, sekme->rect.adjusted(0, 5, 0, -5), s.sayi, painter->font());
        return;
    }

    QRect alan = sekme->rect;
    if (sekme->leftButtonSize.isValid() && !sekme->leftButtonSize.isEmpty())
        alan.setLeft(alan.left() + sekme->leftButtonSize.width() + 4);
    if (sekme->rightButtonSize.isValid() && !sekme->rightButtonSize.isEmpty())
        alan.setRight(alan.right() - sekme->rightButtonSize.width() - 4);
    if (!sekme->icon.isNull()) {
        QSize boyut = sekme->iconSize;
        if (!boyut.isValid() || boyut.isEmpty()) {
            const int pm = proxy()->pixelMetric(PM_TabBarIconSize, option, widget);
            boyut = QSize(pm, pm);
        }
        const QRect ikon(alan.left() + 3, alan.top() + (alan.height() - boyut.height()) / 2, boyut.width(),
                         boyut.height());
        const QIcon::Mode kip = !(sekme->state & State_Enabled) ? QIcon::Disabled
                                : (sekme->state & State_Selected) ? QIcon::Active
                                                                   : QIcon::Normal;
        sekme->icon.paint(painter, ikon, Qt::AlignCenter, kip,
                          (sekme->state & State_Selected) ? QIcon::On : QIcon::Off);
        alan.setLeft(ikon.right() + 1);
    }
    const QRect metinAlani = alan.adjusted(0, 5, 0, -5);
    proxy()->drawItemText(painter, metinAlani, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                          sekme->palette, sekme->state & State_Enabled, s.baslik, QPalette::WindowText);
    rozetCiz(painter, metinAlani, s.sayi, painter->font());
}

QSize TTabColorControlStyleHook::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                                  const QWidget* widget) const
{
    const auto* sekme = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (type != CT_TabBarTab || !sekme)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    // The tab bar measured the raw caption; measure the title and the badge instead.
    const TSonuc s = SekmeBasligiAyir(sekme->text);
    const QFontMetrics& fm = option->fontMetrics;
    int fark = fm.size(Qt::TextShowMnemonic, s.baslik).width() - fm.size(Qt::TextShowMnemonic, sekme->text).width();
    if (s.sayi > 0)
        fark += fm.horizontalAdvance(rozetMetni(s.sayi)) + 4;
    QSize icerik = size;
    if (yatay(sekme->shape))
        icerik.setWidth(qMax(0, icerik.width() + fark));
    else
        icerik.setHeight(qMax(0, icerik.height() + fark));
    return QProxyStyle::sizeFromContents(type, option, icerik, widget);
}

int TTabColorControlStyleHook::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                         QStyleHintReturn* returnData) const
{
    // The tab bar would elide the raw caption to the width measured for the title.
    if (hint == SH_TabBar_ElideMode)
        return Qt::ElideNone;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void sekmeBoyayicisiniKur(QStyle* temel)
{
    QStyle* simdiki = QApplication::style();
    if (qobject_cast<TTabColorControlStyleHook*>(simdiki)) {
        delete temel;
        return;
    }
    // The application owns and deletes its current style, so the painter wraps a fresh one.
    if (!temel && simdiki)
        temel = QStyleFactory::create(simdiki->name());
    QApplication::setStyle(new TTabColorControlStyleHook(temel));
}

} // namespace zelvar
