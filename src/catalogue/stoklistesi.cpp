#include "stoklistesi.h"

#include "sepeteekle.h"
#include "sutunlar.h"

#include "remote/baglanti.h"
#include "remote/kayitlar.h"
#include "remote/proxim.h"
#include "remote/sayibicimi.h"
#include "remote/tel.h"
#include "widgets/anabaglam.h"
#include "widgets/beklesin.h"
#include "widgets/ikonlar.h"
#include "widgets/izgara.h"
#include "widgets/mesaj.h"
#include "widgets/mesgul.h"
#include "widgets/sekmeyukle.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace zelvar {

namespace {

const QString kSayfaAdi = QStringLiteral("sstoklistesi");
const QString kBaslik = QStringLiteral("Stok Listesi");
constexpr int kDarSinir = 1152; // this width and below: narrow layout

// The same columns, no rows: an emptied table stays a table with its fields.
SonucTablosu bosKopya(const SonucTablosu& t)
{
    SonucTablosu b;
    for (int i = 0; i < t.sutunSayisi(); ++i)
        b.sutunEkle(t.sutun(i));
    return b;
}

QString suzulmus(const QString& metin)
{
    QString s = metin;
    for (QChar& c : s)
        c = StokListesi::harfSuz(c);
    return s;
}

bool yazilabilir(const QString& metin)
{
    if (metin.isEmpty())
        return false;
    for (QChar c : metin)
        if (!c.isPrint())
            return false;
    return true;
}

} // namespace

StokListesi::StokListesi(AnaBaglam& ana, QWidget* ust) : QWidget(ust), m_ana(ana)
{
    auto* yerlesim = new QVBoxLayout(this);
    yerlesim->setContentsMargins(0, 0, 0, 0);
    cxGrid1DBTableView1 = new Izgara(this);
    cxGrid1DBTableView1->setObjectName(QStringLiteral("cxGrid1DBTableView1"));
    cxGrid1DBTableView1->setSutunlar(stokSutunlari());
    cxGrid1DBTableView1->setSatirYuksekligi(60);
    yerlesim->addWidget(cxGrid1DBTableView1);

    Izgara* g = cxGrid1DBTableView1;
    QMap<qint64, QIcon> durumlar;
    for (int d = 0; d <= 5; ++d)
        durumlar.insert(d, stokDurumIkonu(d));
    g->setIkonlar(u"DURUM", durumlar);
    g->setIkonlar(u"RESIM", {{1, simge(Simge::Resim)}});
    g->setIkonlar(u"Y", {{0, simge(Simge::Hayir, QColor(170, 170, 170))}, {1, simge(Simge::Evet, QColor(0, 140, 60))}});
    g->setIkonlar(u"K", {{0, simge(Simge::Kampanya, QColor(200, 200, 200))},
                         {1, simge(Simge::Kampanya, QColor(220, 90, 0))}});
    g->setHucreCizici(u"FIYATBILGISI", [this](QPainter* p, const QStyleOptionViewItem& o, int satir) {
        const QStringList satirlar = fiyatBilgisiSatirlari(stok(), satir);
        if (satirlar.isEmpty())
            return;
        p->setFont(o.font);
        p->setPen(o.palette.color(QPalette::Text));
        p->drawText(o.rect.adjusted(10, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter,
                    satirlar.join(QLatin1Char('\n')));
    });

    popstok = new QMenu(this);
    popstok->setObjectName(QStringLiteral("popstok"));
    S2 = popstok->addAction(QStringLiteral("Sepete Ekle"));
    S2->setObjectName(QStringLiteral("S2"));
    popstok->addSeparator();
    B1 = popstok->addAction(QStringLiteral("Sipariş Bakiyeleriniz"));
    B1->setObjectName(QStringLiteral("B1"));
    popstok->addSeparator();
    S3 = popstok->addAction(QStringLiteral("Siparişleri Göster"));
    S3->setObjectName(QStringLiteral("S3"));
    connect(S2, &QAction::triggered, this, &StokListesi::S2Click);
    connect(B1, &QAction::triggered, this, [this] {
        if (m_bakiyeler)
            m_bakiyeler();
    });
    connect(S3, &QAction::triggered, this, &StokListesi::S3Click);
    g->setBaglamMenusu(popstok);
    connect(g, &Izgara::satirCiftTiklandi, this, [this] { cxGrid1DBTableView1DblClick(); });

    // The layout runs after the other listeners of the resize, so its widths are the last word.
    m_yerlesimZamani = new QTimer(this);
    m_yerlesimZamani->setSingleShot(true);
    m_yerlesimZamani->setInterval(0);
    connect(m_yerlesimZamani, &QTimer::timeout, this, &StokListesi::StokSutunlariAyarla);
    connect(g, &Izgara::boyutDegisti, m_yerlesimZamani, qOverload<>(&QTimer::start));

    m_araedit = m_ana.aramaKutusu();
    if (m_araedit)
        m_araedit->installEventFilter(this);
    if (QToolButton* ara = m_ana.araDugmesi())
        connect(ara, &QToolButton::clicked, this, &StokListesi::SpeedButton2Click);
    if (QToolButton* temizle = m_ana.temizleDugmesi())
        connect(temizle, &QToolButton::clicked, this, &StokListesi::SpeedButton1Click);
}

StokListesi::~StokListesi()
{
    if (m_araedit)
        m_araedit->removeEventFilter(this);
}

const SonucTablosu& StokListesi::stok() const
{
    return cxGrid1DBTableView1->tablo();
}

void StokListesi::setPencereGenisligi(std::function<int()> genislik)
{
    m_pencereGenisligi = std::move(genislik);
}

void StokListesi::setSiparisGecmisi(std::function<void(int)> goster)
{
    m_siparisGecmisi = std::move(goster);
}

void StokListesi::setBakiyeler(std::function<void()> goster)
{
    m_bakiyeler = std::move(goster);
}

int StokListesi::pencereGenisligi() const
{
    if (m_pencereGenisligi)
        return m_pencereGenisligi();
    if (QWidget* ana = m_ana.anaPencere())
        return ana->width();
    return window()->width();
}

// ---------------------------------------------------------------------------------------
// Search box

QChar StokListesi::harfSuz(QChar c)
{
    switch (c.unicode()) {
    case u'ğ': return u'g';
    case u'ü': return u'u';
    case u'ş': return u's';
    case u'ö': return u'o';
    case u'ç': return u'c';
    case u'Ğ': return u'G';
    case u'Ü': return u'U';
    case u'Ş': return u'S';
    case u'İ': return u'I';
    case u'Ö': return u'O';
    case u'Ç': return u'C';
    case u'ı': return u'I';
    default: break;
    }
    return c;
}

void StokListesi::araeditKeyPress(QChar& Key)
{
    if (Key == QLatin1Char('\r')) {
        Key = QChar();
        aramayiBaslat();
        return;
    }
    // The box keeps letters in upper case; plain rules, so "i" gives "I" like "ı" and "İ" do.
    Key = harfSuz(Key).toUpper();
}

bool StokListesi::eventFilter(QObject* nesne, QEvent* olay)
{
    if (!m_araedit || nesne != m_araedit)
        return QWidget::eventFilter(nesne, olay);
    if (olay->type() == QEvent::KeyPress) {
        auto* araedit = static_cast<QLineEdit*>(nesne);
        auto* t = static_cast<QKeyEvent*>(olay);
        if (t->key() == Qt::Key_Return || t->key() == Qt::Key_Enter) {
            QChar k(u'\r');
            araeditKeyPress(k);
            return true;
        }
        const QString metin = t->text();
        if (!yazilabilir(metin) || (t->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
            return false;
        QString yeni;
        for (QChar c : metin) {
            araeditKeyPress(c);
            if (!c.isNull())
                yeni += c;
        }
        if (yeni == metin)
            return false;
        araedit->insert(yeni);
        return true;
    }
    if (olay->type() == QEvent::InputMethod) {
        auto* im = static_cast<QInputMethodEvent*>(olay);
        const QString yeni = suzulmus(im->commitString()).toUpper();
        if (yeni != im->commitString())
            im->setCommitString(yeni, im->replacementStart(), im->replacementLength());
    }
    return false;
}

void StokListesi::SpeedButton2Click()
{
    QLineEdit* araedit = m_ana.aramaKutusu();
    if (!araedit || !araedit->isEnabled())
        return;
    QChar k(u'\r');
    araeditKeyPress(k);
}

void StokListesi::sekmeyiAc()
{
    QTabWidget* sekmeler = m_ana.sayfalar();
    if (!sekmeler)
        return;
    QWidget* sayfa = sekmeler->indexOf(this) >= 0 ? this : m_ana.sayfa(kSayfaAdi);
    if (sayfa && sekmeler->currentWidget() != sayfa)
        sekmeler->setCurrentWidget(sayfa);
}

void StokListesi::basligiYaz(const QString& baslik)
{
    m_ana.sekmeBasligiYaz(kSayfaAdi, baslik);
}

void StokListesi::aramayiBaslat()
{
    QLineEdit* araedit = m_ana.aramaKutusu();
    if (!araedit || m_aramaSuruyor)
        return;
    sekmeyiAc();
    const QString metin = araedit->text();
    if (metin.trimmed().size() < 2) {
        MesajGoster(QStringLiteral("Lütfen en az 2 harf giriniz !"), MesajTuru::Uyari, QMessageBox::Ok, 0,
                    QMessageBox::Ok);
        return;
    }

    m_aramaSuruyor = true;
    araedit->setEnabled(false);
    MesgulGostergesi* gif = m_ana.gosterge(QStringLiteral("gifstokara"));
    if (gif) {
        gif->show();
        gif->baslat();
    }
    cxGrid1DBTableView1->setAyrik(true);
    cxGrid1DBTableView1->filtreleriTemizle();

    // The worker gets its own connection and session copy; the grid stays detached until the
    // interface part, so nothing else reads the table meanwhile.
    struct Durum {
        std::unique_ptr<Baglanti> klon;
        TSonucBilgisi bilgi;
        QString metin;
        SonucTablosu stok;
        bool hata = true;
    };
    auto d = std::make_shared<Durum>();
    d->klon = m_ana.baglanti().Clone();
    d->bilgi.Kopyala(m_ana.bilgi());
    d->metin = metin;

    StartAsync([d] {
        d->hata = StokListesiAl(*d->klon, d->bilgi, d->metin, d->stok);
        d->klon.reset();
    })->Await(
        [this, d] {
            QLineEdit* kutu = m_ana.aramaKutusu();
            if (kutu)
                kutu->setEnabled(true);
            Izgara* g = cxGrid1DBTableView1;
            g->yukle(d->hata ? bosKopya(g->tablo()) : std::move(d->stok));
            g->setAyrik(false);
            if (kutu) {
                kutu->selectAll();
                kutu->setFocus();
            }
            if (MesgulGostergesi* gosterge = m_ana.gosterge(QStringLiteral("gifstokara"))) {
                gosterge->durdur();
                gosterge->hide();
            }
            m_aramaSuruyor = false;
            if (m_yerlesimBekliyor)
                m_yerlesimZamani->start();
            if (!d->hata) {
                basligiYaz(QString::number(g->tablo().satirSayisi()) + QStringLiteral("=Stok Listesi"));
            } else {
                MesajGoster(QString::fromUtf8(kBaglantiKurulamiyor), MesajTuru::Hata, QMessageBox::Ok, 0,
                            QMessageBox::Ok);
                basligiYaz(kBaslik);
            }
            emit aramaBitti(d->hata);
        },
        this);
}

bool StokListesi::StokListesiAl(Baglanti& klon, const TSonucBilgisi& bilgi, const QString& metin, SonucTablosu& stok)
{
    return arkaPlandaCagir(klon, [&](TServerMethods1Client& proxy) {
        auto kopya = std::make_unique<TSonucBilgisi>();
        kopya->Kopyala(bilgi);
        SonucTablosu t = proxy.StokAraGetir(metin, std::move(kopya));
        // An answer without the discount columns is not a stock list.
        if (t.sutunBul(u"IND1") < 0)
            throw UzakHata(tel::kSunucuHatasi, QStringLiteral("Arama sonucunda IND1 alanı yok"));
        SayiFormatla(t);
        stok = std::move(t);
    });
}

void StokListesi::SpeedButton1Click()
{
    QLineEdit* araedit = m_ana.aramaKutusu();
    if (!araedit || !araedit->isEnabled() || m_aramaSuruyor)
        return;
    if (stok().sutunSayisi() > 0) {
        cxGrid1DBTableView1->yukle(bosKopya(stok()));
        basligiYaz(kBaslik);
    }
    sekmeyiAc();
    cxGrid1DBTableView1->filtreleriTemizle();
    araedit->clear();
    araedit->selectAll();
    araedit->setFocus();
}

void StokListesi::CariDegisti()
{
    cxGrid1DBTableView1->yukle(bosKopya(stok()));
    basligiYaz(QStringLiteral("0=Stok Listesi"));
    sekmeyiAc();
    if (QLineEdit* araedit = m_ana.aramaKutusu()) {
        araedit->selectAll();
        araedit->setFocus();
    }
}

// ---------------------------------------------------------------------------------------
// Grid

void StokListesi::cxGrid1DBTableView1DblClick()
{
    if (m_aramaSuruyor)
        return;
    const int satir = cxGrid1DBTableView1->odakSatiri();
    if (satir < 0)
        return;
    const SonucTablosu& t = stok();
    const qint64 stokno = t.tamsayi(satir, u"STOK_STOKNO");

    // The basket decides: a line of this item is changed, otherwise a new one is added.
    if (m_ana.sepetTablosu().sutunSayisi() == 0)
        m_ana.sepetiYenile();
    const SonucTablosu& sepet = m_ana.sepetTablosu();
    const int sStokno = sepet.sutunBul(u"STOKNO");
    if (sStokno >= 0) {
        for (int r = 0; r < sepet.satirSayisi(); ++r) {
            if (!sepet.bosHucre(r, sStokno) && sepet.tamsayi(r, sStokno) == stokno) {
                m_ana.sepetSatiriDuzenle(static_cast<int>(sepet.tamsayi(r, u"SIRANO")));
                return;
            }
        }
    }
    StokSepeteEkle(m_ana, t, satir);
}

void StokListesi::S3Click()
{
    const int satir = cxGrid1DBTableView1->odakSatiri();
    if (satir < 0 || !m_siparisGecmisi)
        return;
    m_siparisGecmisi(static_cast<int>(stok().tamsayi(satir, u"STOK_STOKNO")));
}

QStringList StokListesi::fiyatBilgisiSatirlari(const SonucTablosu& stok, int satir)
{
    if (satir < 0 || satir >= stok.satirSayisi())
        return {};
    auto F = [](double x) { return SayiBicimle(x, QString::fromLatin1(kParaBicimi)); };
    QStringList s;
    s << QStringLiteral("Liste Fiyatı: ") + F(stok.ondalik(satir, u"LISTEFIYAT1"));
    const double kampanya = stok.ondalik(satir, u"KAMPFIYAT");
    if (kampanya > 0)
        s << QStringLiteral("Kampanyalı Fiyat: ") + F(kampanya);
    s << QStringLiteral("NetFiyat: ") + F(stok.ondalik(satir, u"NETFIYAT"));
    s << QStringLiteral("KDV li Fiyat: ") + F(stok.ondalik(satir, u"KDVDAHIL"));
    return s;
}

void StokListesi::StokSutunlariAyarla()
{
    QLineEdit* araedit = m_ana.aramaKutusu();
    if (m_aramaSuruyor || (araedit && !araedit->isEnabled())) {
        m_yerlesimBekliyor = true;
        return;
    }
    m_yerlesimBekliyor = false;
    Izgara* g = cxGrid1DBTableView1;
    const bool genis = pencereGenisligi() > kDarSinir;
    m_genis = genis;
    g->setUpdatesEnabled(false);
    // A price column withdrawn from a user (the campaign price for kind 4) stays hidden.
    for (const char16_t* alan : {u"KDVDAHIL", u"NETFIYAT", u"KAMPFIYAT", u"LISTEFIYAT1"})
        g->setSutunGorunur(alan, genis && g->sutunSunulan(alan));
    g->setSutunGorunur(u"FIYATBILGISI", !genis);
    g->setSatirYuksekligi(genis ? 50 : 100);
    g->agirligaGoreBoyutla(30);
    if (!genis) {
        for (const char16_t* alan : {u"OEM1", u"OEM2", u"OEM3"})
            g->setSutunGenisligi(alan, 80);
        g->setSutunGenisligi(u"FIYATBILGISI", 150);
    }
    g->setUpdatesEnabled(true);
}

} // namespace zelvar
