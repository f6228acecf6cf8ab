#include "sepetsayfasi.h"

#include "onaysip.h"
#include "secenekgrubu.h"
#include "sutunlar.h"

#include "catalogue/sepeteekle.h"
#include "catalogue/stokayarinti.h"

#include "remote/baglanti.h"
#include "remote/proxim.h"
#include "remote/sayibicimi.h"
#include "widgets/anabaglam.h"
#include "widgets/arayuz.h"
#include "widgets/baglantikontrol.h"
#include "widgets/beklesin.h"
#include "widgets/excel.h"
#include "widgets/ikonlar.h"
#include "widgets/izgara.h"
#include "widgets/mesaj.h"
#include "widgets/mesgul.h"
#include "widgets/sayikutusu.h"
#include "widgets/sekmeyukle.h"
#include "widgets/tablo.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSpinBox>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <cmath>
#include <mutex>

namespace zelvar {

namespace {

constexpr int kDarEkran = 1152;
const QString kSecBasligi = QStringLiteral("Seç");

std::atomic<int> g_uyariIsleri{0};
std::mutex g_kilit;
SepetSayfasi::DiyalogCevaplayici g_diyalogCevaplayici;

SepetSayfasi::DiyalogCevaplayici diyalogCevaplayici()
{
    std::lock_guard<std::mutex> k(g_kilit);
    return g_diyalogCevaplayici;
}

// An error that escaped an action is shown with its own text, as the program's top-level
// report does.
void hataBildir(const std::exception& e)
{
    MesajGoster(QString::fromUtf8(e.what()), MesajTuru::Hata, QMessageBox::Ok, 0, QMessageBox::Ok);
}

QString para(double deger)
{
    return SayiBicimle(deger, QString::fromLatin1(kParaBicimi), QLocale());
}

// Closes the main connection when an action on the interface thread is done with it,
// whichever way the action ends.
class Kapatici {
public:
    explicit Kapatici(Baglanti& b) : m_b(b) {}
    ~Kapatici() { m_b.Close(); }
    Kapatici(const Kapatici&) = delete;
    Kapatici& operator=(const Kapatici&) = delete;

private:
    Baglanti& m_b;
};

QLabel* tutarEtiketi(const char* ad, QWidget* ust, bool kalin)
{
    auto* l = new QLabel(ust);
    l->setObjectName(QString::fromLatin1(ad));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(110);
    if (kalin) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

} // namespace

SepetSayfasi::SepetSayfasi(AnaBaglam& ana, QWidget* ust) : QWidget(ust), m_ana(ana)
{
    auto* yerlesim = new QVBoxLayout(this);
    yerlesim->setContentsMargins(0, 0, 0, 0);
    yerlesim->setSpacing(0);

    cxGrid2 = new Izgara(this);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2->setSutunlar(sepetSutunlari());
    cxGrid2->setSatirYuksekligi(40);
    QMap<qint64, QIcon> durumlar;
    for (int d = 0; d <= 5; ++d)
        durumlar.insert(d, stokDurumIkonu(d));
    cxGrid2->setIkonlar(u"DURUM", durumlar);
    yerlesim->addWidget(cxGrid2, 1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Deitir1 = PopupMenu1->addAction(QStringLiteral("Satır Değiştir"), this, &SepetSayfasi::Deitir1Click);
    PopupMenu1->addSeparator();
    SatrSil1 = PopupMenu1->addAction(QStringLiteral("Satır Sil"), this, &SepetSayfasi::SatrSil1Click);
    PopupMenu1->addSeparator();
    HepsiniSil1 = PopupMenu1->addAction(QStringLiteral("Hepsini Sil"), this, &SepetSayfasi::HepsiniSil1Click);
    cxGrid2->setBaglamMenusu(PopupMenu1);
    connect(cxGrid2, &Izgara::satirCiftTiklandi, this, [this] { cxGridDBTableView1DblClick(); });
    connect(cxGrid2, &Izgara::boyutDegisti, this, &SepetSayfasi::cxGrid2Resize);

    panelleriKur();

    // The width rule of this grid is its own; a general one installed around it goes before
    // the grid's first resize.
    cxGrid2->installEventFilter(this);
    QTimer::singleShot(0, this, &SepetSayfasi::genisligiDevral);
}

SepetSayfasi::~SepetSayfasi() = default;

void SepetSayfasi::panelleriKur()
{
    auto* yerlesim = static_cast<QVBoxLayout*>(layout());

    // Selection strip.
    auto* panelsec = new QWidget(this);
    panelsec->setObjectName(QStringLiteral("panelsec"));
    auto* secSatiri = new QHBoxLayout(panelsec);
    secSatiri->setContentsMargins(4, 4, 4, 4);
    Button4 = new QPushButton(QStringLiteral("Hepsini Seç"), panelsec);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button5 = new QPushButton(QStringLiteral("Seçimleri Kaldır"), panelsec);
    Button5->setObjectName(QStringLiteral("Button5"));
    gifsepet = new MesgulGostergesi(panelsec);
    gifsepet->setObjectName(QStringLiteral("gifsepet"));
    lbluyarbakiye = new QLabel(panelsec);
    lbluyarbakiye->setObjectName(QStringLiteral("lbluyarbakiye"));
    lbluyarbakiye->setTextFormat(Qt::PlainText);
    lbluyarbakiye->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lbluyarbakiye->setWordWrap(true);
    {
        QFont f = lbluyarbakiye->font();
        f.setPixelSize(16);
        f.setBold(true);
        lbluyarbakiye->setFont(f);
        QPalette p = lbluyarbakiye->palette();
        p.setColor(QPalette::WindowText, Qt::red);
        lbluyarbakiye->setPalette(p);
    }
    secSatiri->addWidget(Button4);
    secSatiri->addWidget(Button5);
    secSatiri->addWidget(gifsepet);
    secSatiri->addWidget(lbluyarbakiye, 1);
    yerlesim->addWidget(panelsec);
    connect(Button4, &QPushButton::clicked, this, &SepetSayfasi::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &SepetSayfasi::Button5Click);

    // Bottom panel: delivery, cargo type, cargo company, note with totals, buttons.
    auto* Panel4 = new QWidget(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setMaximumHeight(210); // the lines keep the room
    auto* alt = new QHBoxLayout(Panel4);
    alt->setContentsMargins(4, 4, 4, 4);

    teslimbox = new SecenekGrubu(QStringLiteral("Teslim Durumu"), Panel4);
    teslimbox->setObjectName(QStringLiteral("teslimbox"));
    teslimbox->setMinimumWidth(170);
    boxkargo = new SecenekGrubu(QStringLiteral("Kargo Türleri"), Panel4);
    boxkargo->setObjectName(QStringLiteral("boxkargo"));
    boxkargo->setMinimumWidth(170);
    connect(boxkargo, &SecenekGrubu::tiklandi, this, &SepetSayfasi::boxkargoClick);

    auto* kargoGrubu = new QGroupBox(QStringLiteral("Kargo"), Panel4);
    kargoGrubu->setObjectName(QStringLiteral("GroupBox1"));
    auto* kargoDuzen = new QVBoxLayout(kargoGrubu);
    kargocombo = new QComboBox(kargoGrubu);
    kargocombo->setObjectName(QStringLiteral("kargocombo"));
    kargocombo->setEditable(false);
    kargocombo->setMinimumWidth(180);
    uyarikargo = new QLabel(kargoGrubu);
    uyarikargo->setObjectName(QStringLiteral("uyarikargo"));
    uyarikargo->setTextFormat(Qt::PlainText);
    uyarikargo->setWordWrap(true);
    uyarikargo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    uyarikargo->setFixedSize(200, 60);
    kargoDuzen->addWidget(kargocombo);
    kargoDuzen->addWidget(uyarikargo);
    kargoDuzen->addStretch(1);
    // The user's pick only; filling the list does not count as one.
    connect(kargocombo, &QComboBox::activated, this, [this] { kargocomboChange(); });

    auto* mesajGrubu = new QGroupBox(QStringLiteral("Mesaj"), Panel4);
    mesajGrubu->setObjectName(QStringLiteral("GroupBox2"));
    auto* mesajDuzen = new QHBoxLayout(mesajGrubu);
    aciklamagir = new QPlainTextEdit(mesajGrubu);
    aciklamagir->setObjectName(QStringLiteral("aciklamagir"));
    {
        QFont f = aciklamagir->font();
        f.setBold(true);
        aciklamagir->setFont(f);
        QPalette p = aciklamagir->palette();
        p.setColor(QPalette::Base, QColor(255, 255, 225));
        p.setColor(QPalette::Text, Qt::black);
        aciklamagir->setPalette(p);
    }
    aciklamagir->setMinimumWidth(200);
    mesajDuzen->addWidget(aciklamagir, 1);

    auto* toplamlar = new QWidget(mesajGrubu);
    toplamlar->setObjectName(QStringLiteral("toplampanel"));
    auto* tg = new QGridLayout(toplamlar);
    tg->setContentsMargins(4, 0, 4, 0);
    tg->setVerticalSpacing(2);
    aratoplaml = tutarEtiketi("aratoplaml", toplamlar, false);
    indiriml = tutarEtiketi("indiriml", toplamlar, false);
    nettutarl = tutarEtiketi("nettutarl", toplamlar, false);
    vergil = tutarEtiketi("vergil", toplamlar, false);
    geneltoplaml = tutarEtiketi("geneltoplaml", toplamlar, true);
    const std::pair<const char*, QLabel*> satirlar[] = {{"Toplam:", aratoplaml},
                                                        {"İndirim Toplam:", indiriml},
                                                        {"Ara Toplam:", nettutarl},
                                                        {"Vergi:", vergil},
                                                        {"Genel Toplam:", geneltoplaml}};
    int sira = 0;
    for (const auto& [baslik, deger] : satirlar) {
        auto* l = new QLabel(QString::fromUtf8(baslik), toplamlar);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (deger == geneltoplaml) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        tg->addWidget(l, sira, 0);
        tg->addWidget(deger, sira, 1);
        ++sira;
    }
    mesajDuzen->addWidget(toplamlar);

    auto* dugmeler = new QVBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Gönder"), Panel4);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Excel Kaydet"), Panel4);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {Button1, Button2})
        b->setMinimumSize(120, 40);
    {
        QFont f = Button1->font();
        f.setBold(true);
        Button1->setFont(f);
    }
    dugmeler->addWidget(Button1);
    dugmeler->addWidget(Button2);
    dugmeler->addStretch(1);
    connect(Button1, &QPushButton::clicked, this, &SepetSayfasi::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &SepetSayfasi::Button2Click);

    alt->addWidget(teslimbox);
    alt->addWidget(boxkargo);
    alt->addWidget(kargoGrubu);
    alt->addWidget(mesajGrubu, 1);
    alt->addLayout(dugmeler);
    yerlesim->addWidget(Panel4);

    SepetToplamHesapla();
}

void SepetSayfasi::genisligiDevral()
{
    disconnect(cxGrid2, &Izgara::boyutDegisti, cxGrid2, nullptr);
}

bool SepetSayfasi::eventFilter(QObject* nesne, QEvent* olay)
{
    if (nesne == cxGrid2 && olay->type() == QEvent::Resize)
        genisligiDevral();
    return QWidget::eventFilter(nesne, olay);
}

void SepetSayfasi::showEvent(QShowEvent* olay)
{
    QWidget::showEvent(olay);
    // A window coming back from the task bar is not the tab being shown.
    if (!olay->spontaneous())
        ssepetShow();
}

// ---------------------------------------------------------------------------------------
// View and totals

void SepetSayfasi::ssepetShow()
{
    lbluyarbakiye->clear();
    CariBakiyeUyariBak();
    arkaPlandaYukle();
    TeslimKargoDoldur();
}

void SepetSayfasi::SepetGetir()
{
    // A caller that finds no basket yet reads it right after this call (the catalogue looks an
    // item up in it): the first load is made at once. Later loads run in the background.
    if (!m_yuklendi)
        hemenYukle();
    else
        arkaPlandaYukle();
}

void SepetSayfasi::arkaPlandaYukle()
{
    if (m_yukleniyor) {
        m_tekrarYukle = true;
        return;
    }
    m_yukleniyor = true;
    eylemleriAyarla();
    SekmeYukleme y;
    y.pencere = this;
    y.izgara = cxGrid2;
    y.gosterge = gifsepet;
    const int carino = m_ana.bilgi().CARINO();
    y.cagri = [carino](TServerMethods1Client& p) { return p.SepetVer2(carino); };
    y.sonra = [this](bool hata) { yuklemeBitti(hata); };
    SekmeYukle(m_ana.baglanti(), std::move(y));
}

bool SepetSayfasi::hemenYukle()
{
    std::unique_ptr<Baglanti> klon = m_ana.baglanti().Clone();
    if (!BaglantiKontrol(*klon, 1))
        return false;
    SonucTablosu t;
    try {
        {
            TServerMethods1Client p(*klon);
            t = p.SepetVer2(m_ana.bilgi().CARINO());
        }
        klon->Close();
    } catch (const std::exception& e) {
        klon->Close();
        hataBildir(e);
        return false;
    }
    SayiFormatla(t);
    cxGrid2->yukle(std::move(t));
    yuklendiktenSonra();
    return true;
}

void SepetSayfasi::yuklemeBitti(bool hata)
{
    m_yukleniyor = false;
    eylemleriAyarla();
    if (!hata)
        yuklendiktenSonra();
    if (m_tekrarYukle) {
        m_tekrarYukle = false;
        arkaPlandaYukle();
    }
}

void SepetSayfasi::yuklendiktenSonra()
{
    m_yuklendi = true;
    m_ana.sekmeBasligiYaz(QStringLiteral("ssepet"), QString::number(sepet().satirSayisi()) + QStringLiteral("=Sepet"));
    SepetToplamHesapla();
    if (cxGrid2->isEnabled())
        SutunGenislikleriniAyarla();
    emit sepetYuklendi();
}

// While a load runs the table is about to be replaced: ticks and sending wait for it.
void SepetSayfasi::eylemleriAyarla()
{
    for (QWidget* w : std::initializer_list<QWidget*>{Button4, Button5, Button1, Button2})
        w->setEnabled(!m_yukleniyor);
}

const SonucTablosu& SepetSayfasi::sepet() const
{
    return cxGrid2->tablo();
}

void SepetSayfasi::SepetToplamHesapla()
{
    const SonucTablosu& t = sepet();
    const int sec = t.sutunBul(u"SEC");
    const int tutar = t.sutunBul(u"TUTAR");
    const int indirim = t.sutunBul(u"INDIRIMTUTAR");
    const int vergi = t.sutunBul(u"VERGITUTARI");
    auto deger = [&t](int satir, int sutun) { return sutun < 0 ? 0.0 : t.ondalik(satir, sutun); };

    double A = 0;
    double D = 0;
    double V = 0;
    for (int r = 0; sec >= 0 && r < t.satirSayisi(); ++r) {
        if (t.bosHucre(r, sec) || t.ondalik(r, sec) != 1.0)
            continue;
        // Rounded after every line, not once at the end.
        A = Yuvarla(A + deger(r, tutar));
        D = Yuvarla(D + deger(r, indirim));
        V = Yuvarla(V + deger(r, vergi));
    }
    const double N = Yuvarla(A - D);
    const double G = Yuvarla(V + N);
    aratoplaml->setText(para(A));
    indiriml->setText(para(D));
    vergil->setText(para(V));
    nettutarl->setText(para(N));
    geneltoplaml->setText(para(G));
}

void SepetSayfasi::CariBakiyeUyariBak()
{
    struct Durum {
        std::unique_ptr<Baglanti> klon;
    };
    auto d = std::make_shared<Durum>();
    d->klon = m_ana.baglanti().Clone();
    const int carino = m_ana.bilgi().CARINO();
    QPointer<QLabel> etiket(lbluyarbakiye);

    ++g_uyariIsleri;
    // A plain one-shot thread with its own connection; it only touches the label, and that
    // through a hand-over to the interface thread.
    QThread* is = QThread::create([d, carino, etiket] {
        try {
            if (BaglantiKontrol(*d->klon, 0)) {
                QString W;
                try {
                    TServerMethods1Client p(*d->klon);
                    W = p.CariVadeGunGecmismiBul(carino);
                } catch (const std::exception&) {
                    W.clear();
                }
                d->klon.reset();
                ArayuzdeCalistir([&W, &etiket] {
                    if (etiket)
                        etiket->setText(W);
                });
            }
        } catch (...) {
            // The warning never reports anything.
        }
        d->klon.reset();
        --g_uyariIsleri;
    });
    connect(is, &QThread::finished, is, &QObject::deleteLater);
    is->start();
}

bool SepetSayfasi::uyariIsleriBitsin(int zamanAsimiMs)
{
    const QDeadlineTimer bitis(zamanAsimiMs);
    while (g_uyariIsleri.load() > 0) {
        if (bitis.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}

void SepetSayfasi::cxGrid2Resize()
{
    // While a load runs the grid is disabled and its widths wait for the new rows.
    if (cxGrid2->isEnabled())
        SutunGenislikleriniAyarla();
}

void SepetSayfasi::SutunGenislikleriniAyarla()
{
    int ekran = m_ekranGenisligi;
    if (ekran <= 0) {
        const QScreen* s = screen();
        ekran = s ? s->geometry().width() : 0;
    }
    if (ekran > kDarEkran)
        cxGrid2->agirligaGoreBoyutla(30);
    else
        cxGrid2->enIyiSigdir();
}

void SepetSayfasi::Button2Click()
{
    ExcelKaydetSor(*cxGrid2, this);
}

// ---------------------------------------------------------------------------------------
// Line editing and selection

int SepetSayfasi::satirBul(int sirano) const
{
    const SonucTablosu& t = sepet();
    const int s = t.sutunBul(u"SIRANO");
    if (s < 0)
        return -1;
    for (int r = 0; r < t.satirSayisi(); ++r)
        if (!t.bosHucre(r, s) && t.tamsayi(r, s) == sirano)
            return r;
    return -1;
}

QString SepetSayfasi::odakSutunBasligi() const
{
    const QString alan = cxGrid2->odakAlani();
    if (alan.isEmpty())
        return {};
    for (const SutunTanimi& t : cxGrid2->sutunlar())
        if (QString::compare(t.alan, alan, Qt::CaseInsensitive) == 0)
            return t.baslik.isEmpty() ? t.alan : t.baslik;
    return {};
}

bool SepetSayfasi::SecimGuncelle(int sirano, int secim)
{
    std::unique_ptr<Baglanti> klon = m_ana.baglanti().Clone();
    try {
        if (!BaglantiKontrol(*klon, 1))
            return false;
        {
            TServerMethods1Client p(*klon);
            p.SepetSecimGuncelle(sirano, secim);
        }
        klon->Close();
        return true;
    } catch (const std::exception& e) {
        klon->Close();
        hataBildir(e);
        return false;
    }
}

bool SepetSayfasi::isaretYaz(int satir, int deger)
{
    SonucTablosu& t = cxGrid2->model()->tablo();
    const int sec = t.sutunBul(u"SEC");
    const int sira = t.sutunBul(u"SIRANO");
    if (sec < 0 || sira < 0 || satir < 0 || satir >= t.satirSayisi())
        return false;
    const QVariant eski = t.deger(satir, sec);
    t.yaz(satir, sec, deger);
    cxGrid2->model()->satirDegisti(satir);
    if (SecimGuncelle(static_cast<int>(t.tamsayi(satir, sira)), deger))
        return true;
    // The server was not told: the screen keeps showing what the order would really hold.
    t.yaz(satir, sec, eski);
    cxGrid2->model()->satirDegisti(satir);
    return false;
}

void SepetSayfasi::tumunuIsaretle(int deger)
{
    for (int r = 0; r < sepet().satirSayisi(); ++r)
        isaretYaz(r, deger);
    SepetToplamHesapla();
    if (QLineEdit* ara = m_ana.aramaKutusu(); ara && ara->isEnabled()) {
        ara->selectAll();
        ara->setFocus();
    }
}

void SepetSayfasi::Button4Click()
{
    tumunuIsaretle(1);
}

void SepetSayfasi::Button5Click()
{
    tumunuIsaretle(0);
}

void SepetSayfasi::Deitir1Click()
{
    // The line is the row the user sees focused, whatever the sort or filter.
    const int satir = cxGrid2->odakSatiri();
    if (satir < 0)
        return;
    const SonucTablosu& t = sepet();
    const int sira = t.sutunBul(u"SIRANO");
    if (sira < 0)
        return;
    const int sirano = static_cast<int>(t.tamsayi(satir, sira));
    if (odakSutunBasligi() != kSecBasligi) {
        SepetSatirDuzenle(sirano);
        return;
    }
    const int sec = t.sutunBul(u"SEC");
    if (sec < 0)
        return;
    const bool isaretsiz = !t.bosHucre(satir, sec) && t.ondalik(satir, sec) == 0.0;
    isaretYaz(satir, isaretsiz ? 1 : 0);
    SepetToplamHesapla();
}

void SepetSayfasi::cxGridDBTableView1DblClick()
{
    Deitir1Click();
}

void SepetSayfasi::SatrSil1Click()
{
    const int satir = cxGrid2->odakSatiri();
    if (satir < 0)
        return;
    const SonucTablosu& t = sepet();
    const int sirano = static_cast<int>(t.tamsayi(satir, u"SIRANO"));
    const QString aciklama = t.metin(satir, u"BARKOD") + QLatin1Char('-') + t.metin(satir, u"STOKADI");
    if (MesajGoster(QStringLiteral("Satırı silmek istiyor musunuz "), MesajTuru::Soru,
                    QMessageBox::Yes | QMessageBox::No, 0, QMessageBox::No) != QMessageBox::Yes)
        return;
    Baglanti& bagc = m_ana.baglanti();
    if (!BaglantiKontrol(bagc, 1))
        return;
    try {
        Kapatici kapat(bagc);
        TServerMethods1Client p(bagc);
        p.SepetSatirSil(kopyasi(m_ana.bilgi()), sirano, aciklama);
    } catch (const std::exception& e) {
        hataBildir(e);
        return;
    }
    SepetGetir();
    MesajGoster(QStringLiteral("Satır silindi !"), MesajTuru::Bilgi, QMessageBox::Ok, 0, QMessageBox::Ok);
}

void SepetSayfasi::HepsiniSil1Click()
{
    if (!TabloDolumu(sepet()))
        return;
    if (MesajGoster(QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "), MesajTuru::Soru,
                    QMessageBox::Yes | QMessageBox::No, 0, QMessageBox::No) != QMessageBox::Yes)
        return;
    auto kopya = kopyasi(m_ana.bilgi());
    Baglanti& bagc = m_ana.baglanti();
    if (!BaglantiKontrol(bagc, 1))
        return;
    try {
        Kapatici kapat(bagc);
        TServerMethods1Client p(bagc);
        p.SepetHepsiniSil(std::move(kopya));
        MesajGoster(QStringLiteral("Sepet Silindi !"), MesajTuru::Bilgi, QMessageBox::Ok, 0, QMessageBox::Ok);
    } catch (const std::exception& e) {
        hataBildir(e);
        return;
    }
    SepetGetir();
}

void SepetSayfasi::SepetSatirGuncelle(int sirano, double miktar, double fiyat)
{
    const int satir = satirBul(sirano);
    if (satir < 0)
        return;
    const SonucTablosu& t = sepet();
    auto kopya = kopyasi(m_ana.bilgi());
    Baglanti& bagc = m_ana.baglanti();
    if (!BaglantiKontrol(bagc, 1))
        return;
    Kapatici kapat(bagc);
    TServerMethods1Client p(bagc);
    // Only quantity and price come from the dialog; the line's rates go back as they are.
    const int sonuc = p.SepetGuncelle2(std::move(kopya), m_ana.bilgi().CARINO(), 0, t.metin(satir, u"BARKOD"),
                                       t.metin(satir, u"STOKADI"), miktar, std::round(t.ondalik(satir, u"KDV")),
                                       fiyat, t.ondalik(satir, u"INDIRIMORANI1"), m_ana.bilgi().Sirano(), sirano,
                                       t.ondalik(satir, u"INDIRIMORANI2"), t.ondalik(satir, u"INDIRIMORANI3"),
                                       t.ondalik(satir, u"INDIRIMORANI4"));
    if (sonuc == 1)
        SepetGetir();
}

void SepetSayfasi::SepetSatirDuzenle(int sirano)
{
    const int satir = satirBul(sirano);
    if (satir < 0)
        return;
    const SonucTablosu& t = sepet();
    Tstokayarinti d(m_ana.anaPencere());
    SunucuResmiYukle(m_ana, static_cast<int>(t.tamsayi(satir, u"STOKNO")), d.Image1);
    d.barkod->setText(t.metin(satir, u"BARKOD"));
    d.adi->setText(t.metin(satir, u"STOKADI"));
    d.marka->setText(t.metin(satir, u"MARKA"));
    d.finishkod->setText(t.metin(satir, u"FINISHKOD"));
    d.model->setText(t.metin(satir, u"MODEL"));
    d.setKdvoran(t.ondalik(satir, u"KDV"));
    d.birimfiyat->setDeger(t.ondalik(satir, u"BIRIMFIYAT"));
    d.adet->setValue(static_cast<int>(std::lround(t.ondalik(satir, u"MIKTAR"))));
    // The line's own rates, read-only, so the dialog's amounts are the line's discounted ones;
    // the change sends the rates of the table whatever the dialog shows.
    d.edindirim1->setDeger(t.ondalik(satir, u"INDIRIMORANI1"));
    d.edindirim2->setDeger(t.ondalik(satir, u"INDIRIMORANI2"));
    d.edindirim3->setDeger(t.ondalik(satir, u"INDIRIMORANI3"));
    d.edindirim4->setDeger(t.ondalik(satir, u"INDIRIMORANI4"));
    d.indirimoran->setText(QStringLiteral("İndirim: %") + t.metin(satir, u"INDIRIMYAZI"));
    if (diyalogCalistir(d) != QDialog::Accepted)
        return;
    try {
        SepetSatirGuncelle(sirano, d.adet->value(), d.birimfiyat->deger());
    } catch (const std::exception& e) {
        hataBildir(e);
        return;
    }
    SepetGetir();
}

// ---------------------------------------------------------------------------------------
// Delivery, cargo and sending

void SepetSayfasi::TeslimKargoDoldur()
{
    struct Durum {
        std::unique_ptr<Baglanti> klon;
        SonucTablosu teslim;
        SonucTablosu kargo;
        bool teslimGeldi = false;
        bool kargoGeldi = false;
        QString hata;
    };
    auto d = std::make_shared<Durum>();
    d->klon = m_ana.baglanti().Clone();
    StartAsync([d] {
        try {
            // The guard reports by itself when it gives up; both groups keep their entries.
            if (BaglantiKontrol(*d->klon, 1)) {
                {
                    TServerMethods1Client p(*d->klon);
                    d->teslim = p.TeslimVer();
                    d->teslimGeldi = true;
                }
                TServerMethods1Client p(*d->klon);
                d->kargo = p.KargoVer();
                d->kargoGeldi = true;
            }
        } catch (const std::exception& e) {
            d->hata = QString::fromUtf8(e.what());
        }
        d->klon.reset();
    })->Await(
        [this, d] {
            auto doldur = [](SecenekGrubu* grup, const SonucTablosu& t) {
                grup->temizle();
                for (int r = 0; t.sutunSayisi() >= 2 && r < t.satirSayisi(); ++r)
                    grup->ekle(t.metin(r, 1), static_cast<int>(t.tamsayi(r, 0)));
            };
            if (d->teslimGeldi) {
                doldur(teslimbox, d->teslim);
                // The second entry; a single entry is taken as it is.
                teslimbox->setSecili(teslimbox->sayi() >= 2 ? 1 : (teslimbox->sayi() == 1 ? 0 : -1));
            }
            if (d->kargoGeldi) {
                doldur(boxkargo, d->kargo);
                boxkargo->setSecili(-1);
            }
            if (!d->hata.isEmpty())
                MesajGoster(d->hata, MesajTuru::Hata, QMessageBox::Ok, 0, QMessageBox::Ok);
        },
        this);
}

void SepetSayfasi::boxkargoClick()
{
    uyarikargo->clear();
    if (const int i = boxkargo->secili(); i >= 0)
        KargolariDoldur(boxkargo->kimlik(i));
}

void SepetSayfasi::KargolariDoldur(int kargoTuru)
{
    Baglanti& bagc = m_ana.baglanti();
    if (!BaglantiKontrol(bagc, 1))
        return;
    SonucTablosu yeni;
    try {
        Kapatici kapat(bagc);
        TServerMethods1Client p(bagc);
        yeni = p.KargolarVer(kargoTuru);
    } catch (const std::exception& e) {
        hataBildir(e);
        return;
    }
    m_kargo = std::move(yeni);
    kargocombo->clear();
    kargocombo->addItem(QStringLiteral(" "));
    const int adi = m_kargo.sutunBul(u"ADI");
    for (int r = 0; r < m_kargo.satirSayisi(); ++r)
        kargocombo->addItem(adi < 0 ? QString() : m_kargo.metin(r, adi));
    kargocombo->setCurrentIndex(-1);
    // A lone company is chosen at once, with its warning.
    if (kargocombo->count() == 2) {
        kargocombo->setCurrentIndex(1);
        kargocomboChange();
    }
}

void SepetSayfasi::kargocomboChange()
{
    const QString secilen = kargocombo->currentText();
    const int adi = m_kargo.sutunBul(u"ADI");
    const int uyari = m_kargo.sutunBul(u"UYARI");
    for (int r = 0; adi >= 0 && r < m_kargo.satirSayisi(); ++r) {
        if (m_kargo.metin(r, adi) == secilen) {
            uyarikargo->setText(uyari < 0 ? QString() : m_kargo.metin(r, uyari));
            return;
        }
    }
    uyarikargo->clear();
}

int SepetSayfasi::diyalogCalistir(QDialog& pencere)
{
    if (const DiyalogCevaplayici c = diyalogCevaplayici())
        return c(pencere);
    return pencere.exec();
}

void SepetSayfasi::setDiyalogCevaplayici(DiyalogCevaplayici cevaplayici)
{
    std::lock_guard<std::mutex> k(g_kilit);
    g_diyalogCevaplayici = std::move(cevaplayici);
}

void SepetSayfasi::Button1Click()
{
    auto uyar = [](const char* metin) {
        MesajGoster(QString::fromUtf8(metin), MesajTuru::Uyari, QMessageBox::Ok, 0, QMessageBox::Ok);
    };
    if (!SeciliSatirVarmi(sepet())) {
        uyar("Gönderilecek Parça Yok ");
        return;
    }
    const int teslim = teslimbox->secili();
    if (teslim < 0) {
        uyar("Lütfen Teslim Durumu Seçiniz !");
        return;
    }
    const int tur = boxkargo->secili();
    if (tur < 0) {
        uyar("Lütfen Kargo Türünü Seçiniz !");
        return;
    }
    if (kargocombo->currentIndex() <= 0) {
        uyar("Lütfen Kargo  Seçiniz !");
        kargocombo->setFocus(Qt::OtherFocusReason);
        return;
    }

    // The first company of that name in table order.
    int kargoNo = 0;
    const QString firma = kargocombo->currentText();
    const int adi = m_kargo.sutunBul(u"ADI");
    const int sira = m_kargo.sutunBul(u"SIRANO");
    for (int r = 0; adi >= 0 && r < m_kargo.satirSayisi(); ++r) {
        if (m_kargo.metin(r, adi) == firma) {
            kargoNo = sira < 0 ? 0 : static_cast<int>(m_kargo.tamsayi(r, sira));
            break;
        }
    }
    const int teslimNo = teslimbox->kimlik(teslim);
    const int turNo = boxkargo->kimlik(tur);

    const TSonucBilgisi& b = m_ana.bilgi();
    const QStringList satirlar = {
        QStringLiteral("Kullanıcı: ") + b.ADI(),
        QStringLiteral("Cari     : ") + b.CariAdi(),
        QStringLiteral("Teslim   : ") + teslimbox->ad(teslim),
        QStringLiteral("Kargo    : ") + boxkargo->ad(tur),
        QStringLiteral("Tutar    : ") + geneltoplaml->text(),
        QStringLiteral("Kargo    : ") + firma,
        QStringLiteral("Açıklama : ") + aciklamagir->toPlainText(),
    };
    TONAYSIP onay(m_ana.anaPencere());
    onay.setOzet(satirlar.join(QStringLiteral("\r\n")));
    onay.setUyari(lbluyarbakiye->text());
    if (diyalogCalistir(onay) != QDialog::Accepted)
        return;
    bool gonderildi = false;
    try {
        gonderildi = SiparisGonder(kargoNo, turNo, teslimNo);
    } catch (const std::exception& e) {
        hataBildir(e);
        return;
    }
    if (gonderildi) {
        MesajGoster(QStringLiteral("Siparişiniz Gönderildi !"), MesajTuru::Bilgi, QMessageBox::Ok, 0,
                    QMessageBox::Ok);
        SepetGetir();
        aciklamagir->clear();
    } else {
        MesajGoster(QStringLiteral("Sipariş Göndermede Hata"), MesajTuru::Hata, QMessageBox::Ok, 0, QMessageBox::Ok);
    }
}

bool SepetSayfasi::SiparisGonder(int kargoNo, int kargoTuru, int teslim)
{
    auto kopya = kopyasi(m_ana.bilgi());
    Baglanti& bagc = m_ana.baglanti();
    if (!BaglantiKontrol(bagc, 1))
        return false;
    Kapatici kapat(bagc);
    TServerMethods1Client p(bagc);
    return p.SiparisKaydet(std::move(kopya), m_ana.bilgi().CARINO(), teslim, kargoTuru, aciklamagir->toPlainText(),
                           m_ana.bilgi().Sirano(), kargoNo);
}

} // namespace zelvar
