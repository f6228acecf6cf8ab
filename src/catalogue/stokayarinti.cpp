#include "stokayarinti.h"

#include "platform/yapilandirma.h"
#include "remote/sayibicimi.h"
#include "remote/websitesi.h"
#include "widgets/asyncresim.h"
#include "widgets/sayikutusu.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zelvar {

namespace {

QLabel* baslikEtiketi(const QString& metin, QWidget* ust)
{
    auto* l = new QLabel(metin, ust);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QLabel* degerEtiketi(const char* ad, QWidget* ust)
{
    auto* l = new QLabel(ust);
    l->setObjectName(QString::fromLatin1(ad));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

SayiKutusu* sayiKutusu(const char* ad, QWidget* ust)
{
    auto* k = new SayiKutusu(ust);
    k->setObjectName(QString::fromLatin1(ad));
    k->setSaltOkunur(true);
    k->setMinimumWidth(130);
    return k;
}

} // namespace

Tstokayarinti::Tstokayarinti(QWidget* owner, int _stokno) : QDialog(owner), m_stokno(_stokno)
{
    setObjectName(QStringLiteral("stokayarinti"));
    setWindowTitle(QStringLiteral("Sepete Ekle"));
    setModal(true);
    resize(662, 631);

    auto* dikey = new QVBoxLayout(this);

    // Header: the item's codes.
    auto* baslik = new QWidget(this);
    baslik->setObjectName(QStringLiteral("Panel1"));
    auto* bIzgara = new QGridLayout(baslik);
    bIzgara->setContentsMargins(0, 0, 0, 0);
    bIzgara->setColumnStretch(1, 1);
    barkod = degerEtiketi("barkod", baslik);
    adi = degerEtiketi("adi", baslik);
    adi->setWordWrap(true);
    finishkod = degerEtiketi("finishkod", baslik);
    marka = degerEtiketi("marka", baslik);
    model = degerEtiketi("model", baslik);
    const std::pair<const char*, QLabel*> satirlar[] = {
        {"Barkod:", barkod}, {"Açıklama:", adi}, {"Finish Kod:", finishkod}, {"Marka:", marka}, {"Model:", model}};
    int r = 0;
    for (const auto& [metin, deger] : satirlar) {
        bIzgara->addWidget(baslikEtiketi(QString::fromUtf8(metin), baslik), r, 0);
        bIzgara->addWidget(deger, r, 1);
        ++r;
    }
    dikey->addWidget(baslik);

    // Pictures: the web picture lies over the server picture in the same cell.
    auto* resimAlani = new QWidget(this);
    auto* rIzgara = new QGridLayout(resimAlani);
    rIzgara->setContentsMargins(0, 0, 0, 0);
    Image1 = new ResimKutusu(resimAlani);
    Image1->setObjectName(QStringLiteral("Image1"));
    AsyncResim1 = new TAsyncResim(resimAlani);
    AsyncResim1->setObjectName(QStringLiteral("AsyncResim1"));
    rIzgara->addWidget(Image1, 0, 0);
    rIzgara->addWidget(AsyncResim1, 0, 0);
    AsyncResim1->raise();
    dikey->addWidget(resimAlani, 1);

    // Bottom: discount panel, the five rows, the two buttons.
    auto* alt = new QWidget(this);
    alt->setObjectName(QStringLiteral("Panel2"));
    auto* yatay = new QHBoxLayout(alt);
    yatay->setContentsMargins(0, 0, 0, 0);

    GridPanel2 = new QWidget(alt);
    GridPanel2->setObjectName(QStringLiteral("GridPanel2"));
    auto* gIzgara = new QGridLayout(GridPanel2);
    gIzgara->setContentsMargins(0, 0, 0, 0);
    edindirim1 = sayiKutusu("edindirim1", GridPanel2);
    edindirim2 = sayiKutusu("edindirim2", GridPanel2);
    edindirim3 = sayiKutusu("edindirim3", GridPanel2);
    edindirim4 = sayiKutusu("edindirim4", GridPanel2);
    const std::pair<const char*, SayiKutusu*> iskontolar[] = {
        {"İsk", edindirim1}, {"İsk2", edindirim2}, {"İsk3", edindirim3}, {"İsk4", edindirim4}};
    r = 0;
    for (const auto& [metin, kutu] : iskontolar) {
        kutu->setMinimumWidth(80);
        gIzgara->addWidget(baslikEtiketi(QString::fromUtf8(metin), GridPanel2), r, 0);
        gIzgara->addWidget(kutu, r, 1);
        ++r;
    }
    GridPanel2->setVisible(false);
    yatay->addWidget(GridPanel2);

    auto* orta = new QWidget(alt);
    auto* oIzgara = new QGridLayout(orta);
    oIzgara->setContentsMargins(0, 0, 0, 0);
    adet = new QSpinBox(orta);
    adet->setObjectName(QStringLiteral("adet"));
    adet->setRange(1, 10000);
    adet->setValue(1);
    adet->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A typed 0 or an emptied box becomes the nearest allowed quantity, never 0.
    adet->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    Label2 = baslikEtiketi(QStringLiteral("Fiyat:"), orta);
    Label2->setObjectName(QStringLiteral("Label2"));
    birimfiyat = sayiKutusu("birimfiyat", orta);
    indirimoran = baslikEtiketi(QStringLiteral("İndirim:"), orta);
    indirimoran->setObjectName(QStringLiteral("indirimoran"));
    indtutar = sayiKutusu("indtutar", orta);
    kdvdahiltutar = sayiKutusu("kdvdahiltutar", orta);
    geneltutar = sayiKutusu("geneltutar", orta);
    oIzgara->addWidget(baslikEtiketi(QStringLiteral("Adet:"), orta), 0, 0);
    oIzgara->addWidget(adet, 0, 1);
    oIzgara->addWidget(Label2, 1, 0);
    oIzgara->addWidget(birimfiyat, 1, 1);
    oIzgara->addWidget(indirimoran, 2, 0);
    oIzgara->addWidget(indtutar, 2, 1);
    oIzgara->addWidget(baslikEtiketi(QStringLiteral("KDV Dahil:"), orta), 3, 0);
    oIzgara->addWidget(kdvdahiltutar, 3, 1);
    oIzgara->addWidget(baslikEtiketi(QStringLiteral("Tutar:"), orta), 4, 0);
    oIzgara->addWidget(geneltutar, 4, 1);
    yatay->addWidget(orta, 1);

    auto* dugmeler = new QVBoxLayout;
    ParcaliTus1 = new QPushButton(QStringLiteral("Sipariş ekle"), alt);
    ParcaliTus1->setObjectName(QStringLiteral("ParcaliTus1"));
    QFont kalin = ParcaliTus1->font();
    kalin.setBold(true);
    ParcaliTus1->setFont(kalin);
    ParcaliTus1->setMinimumSize(140, 50);
    ParcaliTus2 = new QPushButton(QStringLiteral("Vazgeç"), alt);
    ParcaliTus2->setObjectName(QStringLiteral("ParcaliTus2"));
    ParcaliTus2->setMinimumSize(140, 50);
    // Enter acts only where a handler says so (the quantity box), never through a default button.
    for (QPushButton* d : {ParcaliTus1, ParcaliTus2}) {
        d->setAutoDefault(false);
        d->setDefault(false);
    }
    dugmeler->addWidget(ParcaliTus1);
    dugmeler->addWidget(ParcaliTus2);
    dugmeler->addStretch(1);
    yatay->addLayout(dugmeler);
    dikey->addWidget(alt);

    connect(ParcaliTus1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ParcaliTus2, &QPushButton::clicked, this, &QDialog::reject);
    // The spin box reports accepted values (typed, stepped or set); its editor also reports a
    // text the range does not allow yet (a 0 on its way to 05, an emptied box).
    connect(adet, &QSpinBox::textChanged, this, [this] { Hesapla(); });
    if (auto* editor = adet->findChild<QLineEdit*>())
        connect(editor, &QLineEdit::textChanged, this, [this] { Hesapla(); });
    for (SayiKutusu* k : {birimfiyat, indtutar, kdvdahiltutar, geneltutar, edindirim1, edindirim2, edindirim3,
                          edindirim4})
        connect(k, &SayiKutusu::degerDuzenlendi, this, [this] { Hesapla(); });
    adet->installEventFilter(this);
    setTabOrder(adet, birimfiyat);
    adet->setFocus();
}

Tstokayarinti::~Tstokayarinti()
{
    // The controls outlive this object's own part while the dialog is torn down; their last
    // signals must not reach Hesapla then.
    for (QObject* c : findChildren<QObject*>())
        QObject::disconnect(c, nullptr, this, nullptr);
}

int Tstokayarinti::hesapMiktari() const
{
    bool tamam = false;
    const int q = adet->cleanText().toInt(&tamam);
    return tamam ? q : 1;
}

void Tstokayarinti::Hesapla()
{
    const double p = birimfiyat->deger();
    const int q = hesapMiktari();
    const double oranlar[] = {edindirim1->deger(), edindirim2->deger(), edindirim3->deger(), edindirim4->deger()};
    const double brut = p * q;
    double net = brut;
    for (double oran : oranlar)
        if (oran > 0)
            net -= net * oran / 100.0;
    indtutar->setDeger(brut - net);
    const double netToplam = Yuvarla(net);
    const double netBirim = q == 0 ? 0.0 : Yuvarla(netToplam / q);
    kdvdahiltutar->setDeger(Yuvarla(netBirim * (1.0 + m_kdvoran / 100.0)));
    geneltutar->setDeger(Yuvarla(kdvdahiltutar->deger() * q));
}

void Tstokayarinti::FormShow()
{
    const double oranToplami = edindirim1->deger() + edindirim2->deger() + edindirim3->deger() + edindirim4->deger();
    const bool indirimVar = oranToplami > 1;
    indirimoran->setVisible(indirimVar);
    indtutar->setVisible(indirimVar);
    Hesapla();
    AsyncResim1->setUrl(ResimAdresi(Yapilandirma::gecerli().webTaban, m_stokno));
}

void Tstokayarinti::FormActivate()
{
    adet->selectAll();
}

void Tstokayarinti::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (m_gosterildi)
        return;
    m_gosterildi = true;
    FormShow();
    adet->setFocus();
    FormActivate();
}

void Tstokayarinti::changeEvent(QEvent* e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

bool Tstokayarinti::eventFilter(QObject* nesne, QEvent* olay)
{
    if (nesne == adet && olay->type() == QEvent::KeyPress) {
        const auto* t = static_cast<QKeyEvent*>(olay);
        if (t->key() == Qt::Key_Return || t->key() == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(nesne, olay);
}

void Tstokayarinti::done(int sonuc)
{
    // The quantity typed last counts even when the box has not taken it over yet.
    if (sonuc == QDialog::Accepted)
        adet->interpretText();
    AsyncResim1->iptalEt();
    QDialog::done(sonuc);
}

} // namespace zelvar
