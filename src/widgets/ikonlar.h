#pragma once

// The program's pictures, drawn at run time so no artwork files are needed: menu and tab
// icons, the stock-state icons of the lists and the firm's logo.

#include <QIcon>
#include <QPixmap>

namespace zelvar {

// Stock state 0 "Yok", 1 "Var", 2 "Telefon Açınız", 3 "Yolda", 4 "Özel Sipariş",
// 5 "Tedarik Sürecinde"; an unknown state gives a null icon.
QIcon stokDurumIkonu(int durum);

enum class Simge { Menu, Ara, Temizle, Stok, Sepet, Siparis, Ekstre, Yeni, Kampanya, Duyuru, Bakiye, Pos, Resim, Evet, Hayir };
// Line icons in `renk` (the header blue unless given).
QIcon simge(Simge s, const QColor& renk = QColor(0, 64, 128));

// The firm's logo, `genislik` pixels wide.
QPixmap logo(int genislik, int yukseklik);

} // namespace zelvar
