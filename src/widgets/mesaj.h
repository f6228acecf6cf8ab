#pragma once

// The program's message dialog: Turkish captions, a kind-dependent title, icon and sound,
// and a chosen default button. Tests answer it through setMesajCevaplayici.

#include <QMessageBox>
#include <QString>

#include <functional>

namespace zelvar {

enum class MesajTuru { Uyari, Hata, Bilgi, Soru, Ozel };

// Shows `mesaj` modally over the active window and returns the pressed button. The title is
// "Uyarı", "Hata", "Bilgi" or "Soru" by kind (Ozel keeps the application's title). No buttons
// means OK. `varsayilan` has the focus when the box opens; when it is not among `dugmeler` the
// first shown button (Yes, No, OK, Cancel, Abort, Retry, Ignore, ... order) takes its place.
// A box closed without a button press returns its escape button (Cancel, else No, else the
// only button), or NoButton when it has none. `yardimBaglami` is accepted and ignored.
// Safe from any thread: a worker waits while the interface thread shows the box.
QMessageBox::StandardButton MesajGoster(const QString& mesaj, MesajTuru tur, QMessageBox::StandardButtons dugmeler,
                                        int yardimBaglami = 0,
                                        QMessageBox::StandardButton varsayilan = QMessageBox::NoButton);

// The plain system message box: OK button, the application's title, the platform's captions.
void DuzMesaj(const QString& mesaj, QMessageBox::Icon ikon = QMessageBox::NoIcon);

// Test hook: when set, every fully built box is handed to it instead of being shown, and its
// answer is returned (NoButton counts as closing the box without an answer).
using MesajCevaplayici = std::function<QMessageBox::StandardButton(QMessageBox& kutu)>;
void setMesajCevaplayici(MesajCevaplayici cevaplayici);

} // namespace zelvar
