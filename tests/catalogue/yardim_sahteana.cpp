#include "yardim_sahteana.h"

#include "widgets/mesgul.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace zelvar;

SahteAna::SahteAna()
{
    resize(1350, 652);
    auto* dikey = new QVBoxLayout(this);
    araedit = new QLineEdit(this);
    araedit->setObjectName(QStringLiteral("araedit"));
    SpeedButton2 = new QToolButton(this);
    SpeedButton1 = new QToolButton(this);
    gifstokara = new MesgulGostergesi(this);
    gifstokara->setObjectName(QStringLiteral("gifstokara"));
    gifstokara->hide();
    dikey->addWidget(araedit);
    dikey->addWidget(SpeedButton2);
    dikey->addWidget(SpeedButton1);
    dikey->addWidget(gifstokara);
    sekmeler = new QTabWidget(this);
    stokListesi = new StokListesi(*this, sekmeler);
    stokListesi->setObjectName(QStringLiteral("sstoklistesi"));
    sekmeler->addTab(stokListesi, QStringLiteral("Stok Listesi"));
    ssepet = new QWidget(sekmeler);
    ssepet->setObjectName(QStringLiteral("ssepet"));
    sekmeler->addTab(ssepet, QStringLiteral("Sepet"));
    dikey->addWidget(sekmeler, 1);
}

SahteAna::~SahteAna() = default;

void SahteAna::sunucu(quint16 port)
{
    bagc.Params()[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
    bagc.Params()[QStringLiteral("Port")] = QString::number(port);
}

QWidget* SahteAna::sayfa(const QString& ad)
{
    return sekmeler->findChild<QWidget*>(ad);
}

MesgulGostergesi* SahteAna::gosterge(const QString& ad)
{
    return ad == QLatin1String("gifstokara") ? gifstokara : nullptr;
}

void SahteAna::sekmeBasligiYaz(const QString& sayfaAdi, const QString& baslik)
{
    if (const int i = sekmeler->indexOf(sayfa(sayfaAdi)); i >= 0)
        sekmeler->setTabText(i, baslik);
}

QString SahteAna::sekmeBasligi(const QString& sayfaAdi) const
{
    return sekmeler->tabText(sekmeler->indexOf(sekmeler->findChild<QWidget*>(sayfaAdi)));
}

void SahteAna::sepetiYenile()
{
    ++sepetYenilemeSayisi;
    if (sepetYukleyici)
        sepetYukleyici(*this);
}

void tusaBas(QWidget* hedef, const QString& metin)
{
    for (QChar c : metin) {
        QKeyEvent bas(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(hedef, &bas);
        QKeyEvent birak(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(hedef, &birak);
    }
}

void enterBas(QWidget* hedef)
{
    QKeyEvent bas(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(hedef, &bas);
    QKeyEvent birak(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(hedef, &birak);
}

void modalAcilincaCalistir(std::function<void(QWidget*)> is, int zamanAsimiMs)
{
    auto* zaman = new QTimer;
    const QDeadlineTimer bitis(zamanAsimiMs);
    zaman->setInterval(10);
    QObject::connect(zaman, &QTimer::timeout, zaman, [zaman, bitis, is = std::move(is)] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w && !bitis.hasExpired())
            return;
        zaman->stop();
        zaman->deleteLater();
        if (w)
            is(w);
    });
    zaman->start();
}
