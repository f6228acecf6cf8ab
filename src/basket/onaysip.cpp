#include "onaysip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvar {

namespace {

QFont sabitAralikli()
{
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPixelSize(16);
    f.setBold(true);
    return f;
}

} // namespace

TONAYSIP::TONAYSIP(QWidget* owner) : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ONAYSIP"));
    setWindowTitle(QStringLiteral("Sipariş Onay"));
    setModal(true);

    auto* dikey = new QVBoxLayout(this);
    dikey->setSizeConstraint(QLayout::SetFixedSize);
    dikey->setContentsMargins(30, 16, 30, 16);
    dikey->setSpacing(12);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(sabitAralikli());
    Label2->setTextFormat(Qt::PlainText);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    dikey->addWidget(Label2);

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(sabitAralikli());
    Label3->setTextFormat(Qt::PlainText);
    Label3->setWordWrap(true);
    QPalette kirmizi = Label3->palette();
    kirmizi.setColor(QPalette::WindowText, Qt::red);
    Label3->setPalette(kirmizi);
    dikey->addWidget(Label3);

    Label1 = new QLabel(QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont soru = font();
    soru.setPixelSize(20);
    soru.setBold(true);
    Label1->setFont(soru);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    dikey->addWidget(Label1);

    auto* dugmeler = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Evet"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Hayır"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {Button1, Button2}) {
        b->setMinimumSize(120, 36);
        b->setAutoDefault(false);
    }
    dugmeler->addWidget(Button1);
    dugmeler->addStretch(1);
    dugmeler->addWidget(Button2);
    dikey->addLayout(dugmeler);

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TONAYSIP::setOzet(const QString& ozet)
{
    m_ozet = ozet;
    QString gorunen = ozet;
    gorunen.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    Label2->setText(gorunen);
    // The wrapped lines below take the summary's width instead of squeezing it.
    const int genislik = Label2->sizeHint().width();
    Label3->setMinimumWidth(genislik);
    Label1->setMinimumWidth(genislik);
}

void TONAYSIP::setUyari(const QString& uyari)
{
    Label3->setText(uyari);
}

} // namespace zelvar
