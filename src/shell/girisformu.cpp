#include "girisformu.h"

#include "ayardosyasi.h"
#include "dosyaindir.h"
#include "formistekyeni.h"
#include "platform/kimlik.h"
#include "platform/surec.h"
#include "platform/yapilandirma.h"
#include "remote/baglanti.h"
#include "remote/proxim.h"
#include "remote/tel.h"
#include "remote/websitesi.h"
#include "widgets/baglantikontrol.h"
#include "widgets/beklesin.h"
#include "widgets/mesaj.h"
#include "widgets/mesgul.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <memory>

namespace zelvar
{

namespace
{

const QString kHataliGiris = QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");

QLabel* baslikEtiketi(const QString& metin, QWidget* ust)
{
    auto* l = new QLabel(metin, ust);
    l->setStyleSheet(QStringLiteral("background-color: rgb(0, 64, 128); color: white; padding: 3px;"));
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

// Both boxes take upper-case letters only, with the Turkish pairs (i -> İ, ı -> I).
void buyukHarfli(QLineEdit* kutu)
{
    QObject::connect(kutu, &QLineEdit::textEdited, kutu, [kutu](const QString& metin) {
        const QString buyuk = QLocale(QLocale::Turkish, QLocale::Turkey).toUpper(metin);
        if (buyuk != metin) {
            const int imlec = kutu->cursorPosition() + int(buyuk.size() - metin.size());
            kutu->setText(buyuk);
            kutu->setCursorPosition(imlec);
        }
    });
}

bool enterMi(const QEvent* olay)
{
    if (olay->type() != QEvent::KeyPress)
        return false;
    const int tus = static_cast<const QKeyEvent*>(olay)->key();
    return tus == Qt::Key_Return || tus == Qt::Key_Enter;
}

} // namespace

// What the two parts of one attempt share; the worker never touches the window.
struct Tgirisform::Deneme {
    QString disip;
    std::unique_ptr<Baglanti> klon;
    QString id;
    TSonucBilgisi kayit;
    bool basari = false;
};

Tgirisform::Tgirisform(QWidget* owner)
    : QDialog(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("girisform"));
    setWindowTitle(QStringLiteral("Giriş"));
    setFixedSize(368, 550);

    auto* dikey = new QVBoxLayout(this);
    dikey->setContentsMargins(30, 150, 30, 16);
    dikey->setSpacing(6);

    benihatirla = new QCheckBox(QStringLiteral("Beni hatırla"), this);
    benihatirla->setObjectName(QStringLiteral("benihatirla"));
    benihatirla->setChecked(true);
    benihatirla->setStyleSheet(QStringLiteral("color: white;"));
    dikey->addWidget(benihatirla);

    dikey->addWidget(baslikEtiketi(QStringLiteral(" Kullanıcı Adı:"), this));
    adi = new QLineEdit(this);
    adi->setObjectName(QStringLiteral("adi"));
    buyukHarfli(adi);
    dikey->addWidget(adi);

    dikey->addWidget(baslikEtiketi(QStringLiteral(" Şifre:"), this));
    sifre = new QLineEdit(this);
    sifre->setObjectName(QStringLiteral("sifre"));
    sifre->setEchoMode(QLineEdit::Password);
    sifre->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    buyukHarfli(sifre);
    dikey->addWidget(sifre);

    auto* dugmeler = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Giriş"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFixedSize(100, 41);
    RxGIFAnimator1 = new MesgulGostergesi(this);
    RxGIFAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    RxGIFAnimator1->setRenk(Qt::white);
    Button2 = new QPushButton(QStringLiteral("Vazgeç"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setFixedSize(100, 41);
    Button2->setAutoDefault(false);
    dugmeler->addWidget(Button1);
    dugmeler->addStretch(1);
    dugmeler->addWidget(RxGIFAnimator1);
    dugmeler->addStretch(1);
    dugmeler->addWidget(Button2);
    dikey->addSpacing(8);
    dikey->addLayout(dugmeler);
    dikey->addStretch(1);

    auto* iletisim = new QLabel(QStringLiteral("Organize Sanayi Bölgesi 4. Cadde No: 12\n"
                                               "Nilüfer / BURSA\n"
                                               "b2b@zelvarotomotiv.example\n"
                                               "Tel: 0 (224) 000 00 00"),
                                this);
    iletisim->setObjectName(QStringLiteral("iletisim"));
    iletisim->setAlignment(Qt::AlignCenter);
    iletisim->setStyleSheet(QStringLiteral("color: white;"));
    dikey->addWidget(iletisim);

    connect(Button1, &QPushButton::clicked, this, &Tgirisform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tgirisform::Button2Click);
    adi->installEventFilter(this);
    sifre->installEventFilter(this);
    adi->setFocus();

    if (const QScreen* ekran = QGuiApplication::primaryScreen()) {
        const QRect alan = ekran->availableGeometry();
        move(alan.center() - rect().center());
    }

    idsi = BilgisayarIdAl();
    AyarOku();
}

Tgirisform::~Tgirisform() = default;

void Tgirisform::paintEvent(QPaintEvent* olay)
{
    QPainter p(this);
    QLinearGradient zemin(0, 0, 0, height());
    zemin.setColorAt(0.0, QColor(0, 64, 128));
    zemin.setColorAt(1.0, QColor(8, 24, 48));
    p.fillRect(rect(), zemin);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(30);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 40, width(), 60), Qt::AlignCenter, QStringLiteral("ZELVAR B2B"));
    QDialog::paintEvent(olay);
}

void Tgirisform::AyarOku()
{
    const std::optional<GirisAyari> ayar = girisAyariOku();
    if (!ayar)
        return;
    benihatirla->setChecked(ayar->hatirla);
    if (benihatirla->isChecked()) {
        adi->setText(ayar->isim);
        sifre->setText(ayar->sifre);
    }
}

void Tgirisform::AyarKaydet()
{
    // Remembering is a convenience: a settings file that cannot be written never blocks sign-in.
    QString hata;
    if (!girisAyariYaz({adi->text(), sifre->text(), benihatirla->isChecked()}, ayarDosyasiYolu(), &hata))
        qWarning("ayar.ini yazılamadı: %s", qUtf8Printable(hata));
}

QString Tgirisform::DisIpAl()
{
    return QStringLiteral("127.0.0.1");
}

bool Tgirisform::eventFilter(QObject* nesne, QEvent* olay)
{
    if (enterMi(olay)) {
        if (nesne == adi)
            return adiKeyDown();
        if (nesne == sifre)
            return sifreKeyDown();
    }
    return QDialog::eventFilter(nesne, olay);
}

void Tgirisform::keyPressEvent(QKeyEvent* olay)
{
    // Escape does not leave sign-in (leaving would end the program); "Vazgeç" does.
    if (olay->key() == Qt::Key_Escape) {
        olay->accept();
        return;
    }
    QDialog::keyPressEvent(olay);
}

bool Tgirisform::adiKeyDown()
{
    if (adi->text().trimmed().isEmpty()) {
        QApplication::beep();
        DuzMesaj(QStringLiteral("Lütfen kullanıcı adını giriniz !"), QMessageBox::Warning);
        adi->selectAll();
        adi->setFocus();
        return true;
    }
    sifre->selectAll();
    sifre->setFocus();
    return true;
}

bool Tgirisform::sifreKeyDown()
{
    if (sifre->text().trimmed().isEmpty()) {
        QApplication::beep();
        DuzMesaj(QStringLiteral("Lütfen kullanıcı şifresini giriniz !"), QMessageBox::Warning);
        sifre->selectAll();
        sifre->setFocus();
        return true;
    }
    if (Button1->isEnabled())
        Button1Click();
    return true;
}

void Tgirisform::Button1Click()
{
    Button1->setText(QStringLiteral("Bağlanıyor..."));
    Button1->setEnabled(false);
    RxGIFAnimator1->baslat();

    auto d = std::make_shared<Deneme>();
    StartAsync([d] { d->disip = DisIpAl(); })
        ->Await(
            [this, d] {
                Button1->setText(QStringLiteral("Giriş!"));
                Devamet(d->disip);
            },
            this);
}

void Tgirisform::Button2Click()
{
    surecBitir();
}

void Tgirisform::Devamet(const QString& disip)
{
    Bilgim->setDisip(disip);
    bagim->Params()[QStringLiteral("HostName")] = Yapilandirma::gecerli().sunucuHost;

    auto d = std::make_shared<Deneme>();
    d->klon = bagim->Clone();
    d->id = idsi;
    StartAsync([d] {
        d->basari = BilgiGetir(*d->klon, d->id, d->kayit);
        d->klon.reset(); // its socket belongs to this worker
    })
        ->Await(
            [this, d] {
                if (d->basari)
                    Bilgim->Kopyala(d->kayit);
                Degerlendir(d->basari);
            },
            this);
}

bool Tgirisform::BilgiGetir(Baglanti& klon, const QString& id, TSonucBilgisi& hedef)
{
    if (!BaglantiKontrol(klon, 0))
        return false;
    bool tamam = true;
    try {
        TServerMethods1Client proxy(klon);
        const TSonucBilgisi* gelen = proxy.BuyukGetir(id);
        if (!gelen)
            throw UzakHata(tel::kSunucuHatasi, QStringLiteral("Sunucu bu bilgisayar için bir kayıt göndermedi."));
        hedef.Kopyala(*gelen);
    } catch (const std::exception& e) {
        DuzMesaj(QString::fromUtf8(e.what()));
        tamam = false;
    }
    klon.Close();
    if (!tamam)
        return false;

    // The workstation fields are this machine's, whatever the server stored.
    hedef.setBilgiSayarAdi(BilgisayarAdiAl());
    hedef.setBilgisayarKullanici(KullaniciAdiAl());
    hedef.setIcip(IcIpAl());
    hedef.setBILGISAYARID(BilgisayarIdAl());
    hedef.setDisip(DisIpAl());
    return true;
}

void Tgirisform::Degerlendir(bool basari)
{
    RxGIFAnimator1->durdur();
    if (!basari) {
        Reddet(QStringLiteral("Bağlantı Kurulamadı !"), MesajTuru::Hata);
        return;
    }
    // Another program version comes first: the update starts before name and password are looked at.
    if (Bilgim->Version() != Tdosyaindir::kSurum) {
        GuncellemeIndir();
        surecBitir();
        return;
    }
    if (!Bilgim->Varmi()) {
        IstekFormuAc(Yapilandirma::gecerli().webTaban);
        surecBitir();
        return;
    }
    if (adi->text() == Bilgim->ADI() && sifre->text() == Bilgim->SIFRE()) {
        AyarKaydet();
        if (Bilgim->AKTIF() == 1) {
            const int tip = Bilgim->MusteriTipi();
            if ((tip == 1 || tip == 2) && !CariSec()) {
                surecBitir();
                return;
            }
            accept();
            return;
        }
    }
    Reddet(kHataliGiris, MesajTuru::Uyari);
}

void Tgirisform::Reddet(const QString& mesaj, MesajTuru tur)
{
    MesajGoster(mesaj, tur, QMessageBox::Ok, 0, QMessageBox::Ok);
    Button1->setEnabled(true);
    adi->selectAll();
    adi->setFocus();
}

void Tgirisform::GuncellemeIndir()
{
    std::unique_ptr<Tdosyaindir> pencere(Tdosyaindir::Yeni(this, Bilgim->Version()));
    pencere->exec();
    if (pencere->surecBitirildi())
        m_surecBitirildi = true;
}

void Tgirisform::IstekFormuAc(const QString& taban)
{
    Tformistekyeni pencere(this);
    pencere.setWindowTitle(QStringLiteral("Zelvar Otomotiv B2B İstek Formu"));
    pencere.adresAc(IstekFormuAdresi(taban, BilgisayarIdAl()));
    pencere.exec();
}

bool Tgirisform::CariSec()
{
    // Until the dealer-choice console is in place, staff act for the account of their own record.
    return true;
}

void Tgirisform::surecBitir()
{
    done(QDialog::Rejected);
}

void Tgirisform::done(int sonuc)
{
    if (sonuc != QDialog::Accepted && !m_surecBitirildi) {
        m_surecBitirildi = true;
        ProgramiSonlandir(0);
    }
    QDialog::done(sonuc);
}

} // namespace zelvar
