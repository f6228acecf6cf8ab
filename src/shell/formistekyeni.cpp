#include "formistekyeni.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace zelvar
{

Tformistekyeni::Tformistekyeni(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("formistekyeni"));
    resize(780, 555);

    auto* dikey = new QVBoxLayout(this);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->setSpacing(0);
    sitem = new QWebEngineView(this);
    sitem->setObjectName(QStringLiteral("sitem"));
    dikey->addWidget(sitem, 1);

    auto* alt = new QWidget(this);
    alt->setObjectName(QStringLiteral("Panel1"));
    auto* satir = new QHBoxLayout(alt);
    satir->setContentsMargins(8, 6, 8, 6);
    satir->addStretch(1);
    Button1 = new QPushButton(QStringLiteral("Kapat"), alt);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    satir->addWidget(Button1);
    dikey->addWidget(alt);
    connect(Button1, &QPushButton::clicked, this, &QDialog::close);

    if (const QScreen* ekran = QGuiApplication::primaryScreen()) {
        const QRect alan = ekran->availableGeometry();
        move(alan.center() - rect().center());
    }
}

Tformistekyeni::~Tformistekyeni() = default;

void Tformistekyeni::adresAc(const QString& adres)
{
    sitem->setUrl(QUrl(adres, QUrl::TolerantMode));
}

} // namespace zelvar
