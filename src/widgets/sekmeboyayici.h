#pragma once

// Tab captions with counters. A caption written as count, "=", title (such as "25=Stok
// Listesi") is drawn as the title with the count as a small badge at the tab's top-right
// corner; a caption without "=" is drawn as it stands and a count of 0 shows no badge.
//
// The painter is an application-wide style so every tab row of the program follows the
// convention: install it once at start, before windows are created and before a style
// sheet is set (a style sheet that gives tabs a border, margin or padding draws their labels
// itself and bypasses the painter).

#include <QColor>
#include <QProxyStyle>
#include <QString>

namespace zelvar {

struct TSonuc {
    int sayi = 0;
    QString baslik;
};

// Splits a caption. The title is the text after the first "=" (at most 100 characters); the
// count is the text before it read as a whole decimal number. A count that is not one
// ("2.5", "abc", empty, out of range) gives 0, so the tab shows the title without a badge.
TSonuc SekmeBasligiAyir(const QString& baslik);

inline constexpr int kSekmeBaslikSiniri = 100;
inline const QColor kSekmeRozetRengi(30, 180, 223);

class TTabColorControlStyleHook : public QProxyStyle {
    Q_OBJECT
public:
    // Draws over `temel` (owned from here on); without one, over the platform's default style.
    explicit TTabColorControlStyleHook(QStyle* temel = nullptr);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Installs the painter as the application's style over `temel` (owned from here on) or,
// without one, over a fresh instance of the style in force. A second call does nothing.
void sekmeBoyayicisiniKur(QStyle* temel = nullptr);

} // namespace zelvar
