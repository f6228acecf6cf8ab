#include "anaform.h"

#include "basket/sepetsayfasi.h"
#include "catalogue/stoklistesi.h"
#include "catalogue/sutunlar.h"
#include "girisformu.h"
#include "platform/kabuk.h"
#include "platform/kimlik.h"
#include "platform/surec.h"
#include "platform/yapilandirma.h"
#include "remote/proxim.h"
#include "remote/websitesi.h"
#include "widgets/arayuz.h"
#include "widgets/baglantikontrol.h"
#include "widgets/beklesin.h"
#include "widgets/ikonlar.h"
#include "widgets/izgara.h"
#include "widgets/mesaj.h"
#include "widgets/mesgul.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace zelvar {

namespace {

const QString kBaslik = QStringLiteral("Zelvar Otomotiv B2B Programı");
const QColor kLacivert(0, 64, 128);

struct SekmeTanimi {
    const char* ad;
    const char* baslik;
    Simge simge;
    const char* izgaraAdi;
};

// The tab pages in their order, with the grid each shows.
const SekmeTanimi kSekmeler[] = {
    {"sstoklistesi", "Stok Listesi", Simge::Stok, "cxGrid1DBTableView1"},
    {"ssepet", "Sepet", Simge::Sepet, "cxGrid2"},
    {"sonceki", "Önceki Siparişler", Simge::Siparis, "cxGridOnceki"},
    {"sccariekstre", "Cari Ekstre", Simge::Ekstre, "cxGridEkstre"},
    {"syeniler", "Yeni Stoklar", Simge::Yeni, "cxGridDBTableView5"},
    {"skampanyali", "Kampanyalı Stoklar", Simge::Kampanya, "cxGridDBTableViewkampanyali"},
    {"sTabSheetduyuru", "Duyurular", Simge::Duyuru, "cxGridduyuruBandedDuyuru"},
    {"sTabbakiyeler", "Bakiyeler", Simge::Bakiye, "cxGridBakiye"},
    {"ss", "Sanal Pos", Simge::Pos, "cxGridPos"},
};

const char* const kGostergeler[] = {"gifstokara", "gifyeniler", "gifkampanyali",
                                    "gifduyuru", "gifoncekiler", "gifekstre"};

QLabel* etiket(const QString& metin, QWidget* ust, Qt::Alignment hiza = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = new QLabel(metin, ust);
    l->setAlignment(hiza);
    return l;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kBaslik);
    QFont yazi(QStringLiteral("Tahoma"));
    yazi.setPixelSize(13);
    yazi.setBold(true);
    setFont(yazi);
    resize(1350, 652);

    auto* govde = new QWidget(this);
    auto* dikey = new QVBoxLayout(govde);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->setSpacing(0);
    baslikKur(govde);
    aramaCubuguKur(govde);
    RxGIFAnimator2 = new QLabel(govde);
    RxGIFAnimator2->setObjectName(QStringLiteral("RxGIFAnimator2"));
    RxGIFAnimator2->setFixedHeight(0); // grows when a banner arrives
    RxGIFAnimator2->setScaledContents(true);
    dikey->addWidget(RxGIFAnimator2);
    sekmeleriKur(govde);
    aciklamaKur(govde);
    altBantKur(govde);
    setCentralWidget(govde);
    araedit->setFocus();
}

TForm1::~TForm1() = default;

void TForm1::baslikKur(QWidget* ust)
{
    auto* panel = new QWidget(ust);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(100);
    auto* satir = new QHBoxLayout(panel);
    satir->setContentsMargins(4, 0, 4, 0);

    auto* logoEtiketi = new QLabel(panel);
    logoEtiketi->setObjectName(QStringLiteral("Image1"));
    logoEtiketi->setPixmap(logo(242, 96));
    logoEtiketi->setFixedWidth(242);
    satir->addWidget(logoEtiketi);

    auto* kimlik = new QWidget(panel);
    auto* izgara = new QGridLayout(kimlik);
    izgara->setColumnStretch(0, 18);
    izgara->setColumnStretch(1, 82);
    const char* basliklar[] = {"Kullanıcı: ", "Firma: ", "Temsilci: "};
    QLabel** degerler[] = {&kullanicilbl, &cariadilbl, &saticilbl};
    const char* adlar[] = {"kullanicilbl", "cariadilbl", "saticilbl"};
    for (int i = 0; i < 3; ++i) {
        izgara->addWidget(etiket(QString::fromUtf8(basliklar[i]), kimlik, Qt::AlignRight | Qt::AlignVCenter), i, 0);
        *degerler[i] = etiket(QString(), kimlik);
        (*degerler[i])->setObjectName(QString::fromLatin1(adlar[i]));
        (*degerler[i])->setWordWrap(i > 0);
        izgara->addWidget(*degerler[i], i, 1);
    }
    satir->addWidget(kimlik, 1);

    RxGIFAnimator1 = new QLabel(panel);
    RxGIFAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    RxGIFAnimator1->setScaledContents(true);
    RxGIFAnimator1->setFixedSize(0, 100); // takes the width of the picture it shows
    satir->addWidget(RxGIFAnimator1, 0, Qt::AlignRight);

    Genelmenu = new QMenu(this);
    Genelmenu->setObjectName(QStringLiteral("Genelmenu"));
    auto eylem = [this](const char* ad, const QString& metin) {
        auto* a = Genelmenu->addAction(metin);
        a->setObjectName(QString::fromLatin1(ad));
        return a;
    };
    M1 = eylem("M1", QStringLiteral("Mail Gönder"));
    Genelmenu->addSeparator();
    N4 = eylem("N4", QStringLiteral("Şifre Değiştirme İsteği"));
    Genelmenu->addSeparator();
    httpwwwdravikcom1 = eylem("httpwwwdravikcom1", QString());
    Genelmenu->addSeparator();
    G1 = eylem("G1", QStringLiteral("Çıkış"));
    Genelmenu->addSeparator();
    R1 = eylem("R1", QStringLiteral("Raporlar"));
    R1->setVisible(false);
    connect(httpwwwdravikcom1, &QAction::triggered, this, &TForm1::httpwwwdravikcom1Click);
    connect(G1, &QAction::triggered, this, &TForm1::G1Click);

    Button3 = new QToolButton(panel);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setIcon(simge(Simge::Menu));
    Button3->setIconSize(QSize(32, 32));
    Button3->setPopupMode(QToolButton::MenuButtonPopup); // only the drop-down part acts
    Button3->setMenu(Genelmenu);
    Button3->setFixedSize(64, 48);
    satir->addWidget(Button3, 0, Qt::AlignRight | Qt::AlignVCenter);
    ust->layout()->addWidget(panel);
}

void TForm1::aramaCubuguKur(QWidget* ust)
{
    auto* panel = new QWidget(ust);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFixedHeight(35);
    auto* satir = new QHBoxLayout(panel);
    satir->setContentsMargins(4, 2, 4, 2);
    auto* ikon = new QLabel(panel);
    ikon->setPixmap(simge(Simge::Ara).pixmap(24, 24));
    satir->addWidget(ikon);

    araedit = new QLineEdit(panel);
    araedit->setObjectName(QStringLiteral("araedit"));
    araedit->setFixedWidth(340);
    QFont f = araedit->font();
    f.setPixelSize(20);
    araedit->setFont(f);
    satir->addWidget(araedit);

    SpeedButton2 = new QToolButton(panel);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setToolTip(QStringLiteral("Ara"));
    SpeedButton2->setIcon(simge(Simge::Ara));
    SpeedButton1 = new QToolButton(panel);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setToolTip(QStringLiteral("Temizle"));
    SpeedButton1->setIcon(simge(Simge::Temizle));
    satir->addWidget(SpeedButton2);
    satir->addWidget(SpeedButton1);

    musteritus = new QPushButton(QStringLiteral("Başka Cari Seç"), panel);
    musteritus->setObjectName(QStringLiteral("musteritus"));
    musteritus->setVisible(false);
    satir->addWidget(musteritus);

    for (const char* ad : kGostergeler) {
        auto* g = new MesgulGostergesi(panel);
        g->setObjectName(QString::fromLatin1(ad));
        g->setFixedSize(28, 28);
        g->hide();
        satir->addWidget(g);
    }
    satir->addStretch(1);
    ust->layout()->addWidget(panel);
}

void TForm1::sekmeleriKur(QWidget* ust)
{
    sPageControl1 = new QTabWidget(ust);
    sPageControl1->setObjectName(QStringLiteral("sPageControl1"));
    sPageControl1->setIconSize(QSize(24, 24));
    sPageControl1->tabBar()->setExpanding(false);
    QFont sekmeYazisi(QStringLiteral("Tahoma"));
    sekmeYazisi.setPixelSize(13);
    sekmeYazisi.setBold(true);
    sPageControl1->tabBar()->setFont(sekmeYazisi);
    // White captions on the dark blue of the header rows.
    QPalette sekmeRengi = sPageControl1->tabBar()->palette();
    for (auto rol : {QPalette::Window, QPalette::Button})
        sekmeRengi.setColor(rol, kLacivert);
    for (auto rol : {QPalette::WindowText, QPalette::ButtonText})
        sekmeRengi.setColor(rol, Qt::white);
    sPageControl1->tabBar()->setPalette(sekmeRengi);

    for (const SekmeTanimi& t : kSekmeler) {
        const QString ad = QString::fromLatin1(t.ad);
        QWidget* sayfa = nullptr;
        if (ad == QLatin1String("sstoklistesi")) {
            sayfa = m_stokListesi = new StokListesi(*this, sPageControl1);
        } else if (ad == QLatin1String("ssepet")) {
            sayfa = m_sepetSayfasi = new SepetSayfasi(*this, sPageControl1);
        } else {
            // Tabs whose content has not been built yet show an empty grid.
            sayfa = new QWidget(sPageControl1);
            auto* yerlesim = new QVBoxLayout(sayfa);
            yerlesim->setContentsMargins(0, 0, 0, 0);
            auto* bosIzgara = new Izgara(sayfa);
            bosIzgara->setObjectName(QString::fromLatin1(t.izgaraAdi));
            yerlesim->addWidget(bosIzgara);
        }
        sayfa->setObjectName(ad);
        sPageControl1->addTab(sayfa, simge(t.simge, Qt::white), QString::fromUtf8(t.baslik));
        if (ad == QLatin1String("skampanyali"))
            skampanyali = sayfa;
    }
    izgara(QStringLiteral("syeniler"))->setSutunlar(yeniStokSutunlari());
    izgara(QStringLiteral("skampanyali"))->setSutunlar(kampanyaliSutunlari());
    // Until a tab brings its own width rule, its columns share the width by weight.
    for (const SekmeTanimi& t : kSekmeler) {
        if (qstrcmp(t.ad, "sstoklistesi") == 0 || qstrcmp(t.ad, "ssepet") == 0)
            continue; // these two lay out their own columns
        Izgara* g = izgara(QString::fromLatin1(t.ad));
        connect(g, &Izgara::boyutDegisti, g, [g] { g->agirligaGoreBoyutla(); });
    }
    // The previous-orders grid marks its selection with the header colours.
    izgara(QStringLiteral("sonceki"))->setSecimRenkleri(kLacivert, Qt::white);
    ust->layout()->addWidget(sPageControl1);
}

void TForm1::aciklamaKur(QWidget* ust)
{
    auto* panel = new QWidget(ust);
    panel->setObjectName(QStringLiteral("Panel3"));
    panel->setFixedHeight(27);
    auto* satir = new QHBoxLayout(panel);
    satir->setContentsMargins(4, 0, 4, 0);
    satir->setSpacing(2);
    satir->addWidget(etiket(QStringLiteral("Durum Açıklaması:    "), panel));
    // The legend lists the states in this order; the numbers are the stock-state values.
    const std::pair<int, const char*> durumlar[] = {{1, " Stok mevcut  "},  {2, " Telefon Açınız  "},
                                                    {3, " Yolda  "},        {5, " Tedarik Sürecinde "},
                                                    {4, " Özel Sipariş  "}, {0, " Yok  "}};
    for (const auto& [durum, metin] : durumlar) {
        auto* ikon = new QLabel(panel);
        ikon->setPixmap(stokDurumIkonu(durum).pixmap(24, 24));
        satir->addWidget(ikon);
        satir->addWidget(etiket(QString::fromUtf8(metin), panel));
    }
    satir->addStretch(1);
    ust->layout()->addWidget(panel);
}

void TForm1::altBantKur(QWidget* ust)
{
    auto* panel = new QWidget(ust);
    panel->setObjectName(QStringLiteral("Panel5"));
    auto* dikey = new QVBoxLayout(panel);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->setSpacing(0);
    altBantResmi = new QLabel(panel);
    altBantResmi->setObjectName(QStringLiteral("altBantResmi"));
    altBantResmi->setFixedHeight(0);
    altBantResmi->hide();
    dikey->addWidget(altBantResmi);
    kayanyazi = new QLabel(panel);
    kayanyazi->setObjectName(QStringLiteral("kayanyazi"));
    kayanyazi->setFixedHeight(40);
    kayanyazi->setAutoFillBackground(true);
    QPalette p = kayanyazi->palette();
    p.setColor(QPalette::Window, QColor(226, 234, 241));
    kayanyazi->setPalette(p);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(24);
    kayanyazi->setFont(f);
    dikey->addWidget(kayanyazi);
    ust->layout()->addWidget(panel);
}

QWidget* TForm1::sayfa(const QString& ad)
{
    // A removed tab (the campaign tab for some users) still exists as a page.
    if (ad == QLatin1String("skampanyali"))
        return skampanyali;
    return sPageControl1->findChild<QWidget*>(ad);
}

Izgara* TForm1::izgara(const QString& sekmeAdi)
{
    for (const SekmeTanimi& t : kSekmeler)
        if (sekmeAdi == QLatin1String(t.ad))
            if (QWidget* s = sayfa(sekmeAdi))
                return s->findChild<Izgara*>(QString::fromLatin1(t.izgaraAdi));
    return nullptr;
}

MesgulGostergesi* TForm1::gosterge(const QString& ad)
{
    return findChild<MesgulGostergesi*>(ad);
}

void TForm1::sekmeBasligiYaz(const QString& sayfaAdi, const QString& baslik)
{
    if (const int i = sPageControl1->indexOf(sayfa(sayfaAdi)); i >= 0)
        sPageControl1->setTabText(i, baslik);
}

void TForm1::sepetiYenile()
{
    m_sepetSayfasi->SepetGetir();
}

const SonucTablosu& TForm1::sepetTablosu() const
{
    return m_sepetSayfasi->sepet();
}

void TForm1::sepetSatiriDuzenle(int sirano)
{
    m_sepetSayfasi->SepetSatirDuzenle(sirano);
}

QString TForm1::anaSayfaAdresi() const
{
    return AnaSayfaAdresi(Yapilandirma::gecerli().webTaban);
}

bool TForm1::FormCreate()
{
    _acilisadet = 0;
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationName(QStringLiteral("Zelvar Otomotiv B2B"));
    setWindowTitle(kBaslik);

    sbilgi = TSonucBilgisi();
    sbilgi.setBilgiSayarAdi(BilgisayarAdiAl());
    sbilgi.setBilgisayarKullanici(KullaniciAdiAl());
    sbilgi.setIcip(IcIpAl());
    sbilgi.setBILGISAYARID(BilgisayarIdAl());

    const Yapilandirma& ayar = Yapilandirma::gecerli();
    bagc.Params()[QStringLiteral("HostName")] = ayar.sunucuHost;
    bagc.Params()[QStringLiteral("Port")] = QString::number(ayar.sunucuPort);
    httpwwwdravikcom1->setText(QUrl(ayar.webTaban).host());

    if (!GirisYap())
        return false;

    // The start list: one worker, one item after another, each opening its own connection.
    StartAsync([this] {
        AnaBilgiAl();
        for (const auto& oge : m_baslangicOgeleri)
            oge(*this);
    })->Await([this] { AcilisEkraniGoster(); }, this);
    return true;
}

bool TForm1::GirisYap()
{
    if (m_girisAdimi) {
        if (!m_girisAdimi(*this)) {
            ProgramiSonlandir(0);
            return false;
        }
    } else {
        Tgirisform giris(this);
        giris.bagim = &bagc;
        giris.Bilgim = &sbilgi;
        // Every way out of the window but a successful sign-in has already ended the process.
        if (giris.exec() != QDialog::Accepted)
            return false;
    }
    KullaniciTipineUyarla();
    return true;
}

void TForm1::KullaniciTipineUyarla()
{
    Izgara* stok = izgara(QStringLiteral("sstoklistesi"));
    Izgara* yeni = izgara(QStringLiteral("syeniler"));
    Izgara* kampanya = izgara(QStringLiteral("skampanyali"));
    Izgara* sepet = izgara(QStringLiteral("ssepet"));
    switch (sbilgi.MusteriTipi()) {
    case 1:
    case 2:
        musteritus->setVisible(true);
        for (Izgara* g : {stok, yeni, kampanya, sepet})
            g->sutunAyarla(u"KALAN", true, true);
        for (Izgara* g : {stok, yeni, kampanya}) {
            g->sutunAyarla(u"ALINANSIPARIS", true, true);
            g->sutunAyarla(u"VERILENSIPARIS", true, true);
        }
        R1->setVisible(true);
        break;
    case 3:
        sepet->sutunAyarla(u"DURUM", false, false);
        R1->setVisible(false);
        break;
    case 4:
        if (const int i = sPageControl1->indexOf(skampanyali); i >= 0)
            sPageControl1->removeTab(i);
        for (Izgara* g : {stok, yeni}) {
            g->sutunAyarla(u"KAMPFIYAT", false, false);
            g->sutunAyarla(u"K", false, false);
        }
        R1->setVisible(false);
        break;
    default:
        R1->setVisible(false);
        break;
    }
}

void TForm1::AnaBilgiAl()
{
    ArayuzdeCalistir([this] {
        kullanicilbl->setText(sbilgi.ADI());
        cariadilbl->setText(sbilgi.CariAdi());
        saticilbl->setText(sbilgi.SaticiAdi() + QStringLiteral(" Telefonu: ") + sbilgi.SaticiTelefon() +
                           QStringLiteral(" email: ") + sbilgi.SaticiMail());
    });
}

void TForm1::AcilisEkraniGoster()
{
    // The opening screens arrive with the notifications; nothing to show until then.
}

void TForm1::httpwwwdravikcom1Click()
{
    AdresAc(anaSayfaAdresi());
    araedit->selectAll();
    araedit->setFocus();
}

void TForm1::G1Click()
{
    close();
}

// "Evet" ends the process on the spot: no window closes and nothing is saved, so the
// window itself never closes through this path.
void TForm1::FormCloseQuery(bool& CanClose)
{
    CanClose = false;
    const auto cevap = MesajGoster(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), MesajTuru::Soru,
                                   QMessageBox::Yes | QMessageBox::No, 0, QMessageBox::Yes);
    if (cevap == QMessageBox::Yes)
        ProgramiSonlandir(0);
}

void TForm1::closeEvent(QCloseEvent* olay)
{
    bool CanClose = false;
    FormCloseQuery(CanClose);
    olay->setAccepted(CanClose);
}

} // namespace zelvar
