#include "widgets/mesaj.h"

#include "widgets/arayuz.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>

#include <mutex>

namespace zelvar {

namespace {

std::mutex g_kilit;
MesajCevaplayici g_cevaplayici;

MesajCevaplayici cevaplayici()
{
    std::lock_guard<std::mutex> k(g_kilit);
    return g_cevaplayici;
}

using SB = QMessageBox::StandardButton;

struct DugmeAdi {
    SB dugme;
    const char* ad;
};

// Also the order in which a missing default falls back to the first shown button.
const DugmeAdi kDugmeler[] = {
    {QMessageBox::Yes, "Evet"},
    {QMessageBox::No, "Hayır"},
    {QMessageBox::Ok, "Tamam"},
    {QMessageBox::Cancel, "Vazgeç"},
    {QMessageBox::Abort, "İptal"},
    {QMessageBox::Retry, "Tekrar"},
    {QMessageBox::Ignore, "Atla"},
    {QMessageBox::NoToAll, "Tümüne Hayır"},
    {QMessageBox::YesToAll, "Tümüne Evet"},
    {QMessageBox::Help, "Yardım"},
    {QMessageBox::Close, nullptr},
};

QString baslik(MesajTuru tur)
{
    switch (tur) {
    case MesajTuru::Uyari:
        return QStringLiteral("Uyarı");
    case MesajTuru::Hata:
        return QStringLiteral("Hata");
    case MesajTuru::Bilgi:
        return QStringLiteral("Bilgi");
    case MesajTuru::Soru:
        return QStringLiteral("Soru");
    case MesajTuru::Ozel:
        break;
    }
    return QGuiApplication::applicationDisplayName();
}

QMessageBox::Icon simge(MesajTuru tur)
{
    switch (tur) {
    case MesajTuru::Uyari:
        return QMessageBox::Warning;
    case MesajTuru::Hata:
        return QMessageBox::Critical;
    case MesajTuru::Bilgi:
        return QMessageBox::Information;
    case MesajTuru::Soru:
        return QMessageBox::Question;
    case MesajTuru::Ozel:
        break;
    }
    return QMessageBox::NoIcon;
}

// Messages are written with "\r\n" line breaks; shown as plain text so that a "<" in a
// server-supplied text cannot turn the message into markup.
QString duzMetin(const QString& mesaj)
{
    QString s = mesaj;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

SB kacisDugmesi(const QMessageBox& kutu)
{
    const QList<QAbstractButton*> dugmeler = kutu.buttons();
    if (kutu.button(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    if (kutu.button(QMessageBox::No))
        return QMessageBox::No;
    if (dugmeler.size() == 1)
        return kutu.standardButton(dugmeler.front());
    return QMessageBox::NoButton;
}

// Shows the finished box (or hands it to the test hook) and returns the answer.
SB goster(QMessageBox& kutu, bool ses)
{
    const SB kacis = kacisDugmesi(kutu);
    if (kacis != QMessageBox::NoButton)
        kutu.setEscapeButton(kutu.button(kacis));

    SB cevap = QMessageBox::NoButton;
    if (const MesajCevaplayici c = cevaplayici()) {
        cevap = c(kutu);
    } else {
        if (ses)
            QApplication::beep();
        kutu.exec();
        if (QAbstractButton* b = kutu.clickedButton())
            cevap = kutu.standardButton(b);
    }
    return cevap == QMessageBox::NoButton ? kacis : cevap;
}

SB mesajKutusu(const QString& mesaj, MesajTuru tur, QMessageBox::StandardButtons dugmeler, SB varsayilan)
{
    QMessageBox kutu(QApplication::activeWindow());
    kutu.setWindowModality(Qt::ApplicationModal);
    kutu.setWindowTitle(baslik(tur));
    kutu.setIcon(simge(tur));
    kutu.setTextFormat(Qt::PlainText);
    kutu.setText(duzMetin(mesaj));
    QFont yazi = kutu.font();
    yazi.setPointSize(15);
    kutu.setFont(yazi);

    if (dugmeler == QMessageBox::NoButton)
        dugmeler = QMessageBox::Ok;
    kutu.setStandardButtons(dugmeler);

    SB ilk = QMessageBox::NoButton;
    for (const DugmeAdi& d : kDugmeler) {
        QAbstractButton* b = kutu.button(d.dugme);
        if (!b)
            continue;
        if (d.ad)
            b->setText(QString::fromUtf8(d.ad));
        if (ilk == QMessageBox::NoButton)
            ilk = d.dugme;
    }
    if (ilk == QMessageBox::NoButton && !kutu.buttons().isEmpty())
        ilk = kutu.standardButton(kutu.buttons().front());
    const SB odak = (varsayilan != QMessageBox::NoButton && kutu.button(varsayilan)) ? varsayilan : ilk;
    if (QAbstractButton* b = kutu.button(odak)) {
        kutu.setDefaultButton(odak);
        b->setFocus(Qt::OtherFocusReason);
    }
    return goster(kutu, tur != MesajTuru::Ozel);
}

} // namespace

QMessageBox::StandardButton MesajGoster(const QString& mesaj, MesajTuru tur, QMessageBox::StandardButtons dugmeler,
                                        int /*yardimBaglami*/, QMessageBox::StandardButton varsayilan)
{
    SB sonuc = QMessageBox::NoButton;
    ArayuzdeCalistir([&] { sonuc = mesajKutusu(mesaj, tur, dugmeler, varsayilan); });
    return sonuc;
}

void DuzMesaj(const QString& mesaj, QMessageBox::Icon ikon)
{
    ArayuzdeCalistir([&] {
        QMessageBox kutu(QApplication::activeWindow());
        kutu.setWindowModality(Qt::ApplicationModal);
        kutu.setWindowTitle(QGuiApplication::applicationDisplayName());
        kutu.setIcon(ikon);
        kutu.setTextFormat(Qt::PlainText);
        kutu.setText(duzMetin(mesaj));
        kutu.setStandardButtons(QMessageBox::Ok);
        kutu.setDefaultButton(QMessageBox::Ok);
        goster(kutu, false);
    });
}

void setMesajCevaplayici(MesajCevaplayici yeni)
{
    std::lock_guard<std::mutex> k(g_kilit);
    g_cevaplayici = std::move(yeni);
}

} // namespace zelvar
