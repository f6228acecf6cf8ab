#include "izgara.h"

#include "izgara_ic.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <algorithm>

namespace zelvar {

namespace {

// Paints the corner above the row indicator in the header's colour.
class KoseBoyayici : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        if (olay->type() == QEvent::Paint) {
            auto* w = static_cast<QWidget*>(nesne);
            QPainter p(w);
            p.fillRect(w->rect(), kBaslikArka);
            return true;
        }
        return QObject::eventFilter(nesne, olay);
    }
};

constexpr int kAramaSuresiMs = 1500;

} // namespace

Izgara::Izgara(QWidget* parent) : QWidget(parent), m_ortak(std::make_unique<IzgaraOrtak>())
{
    IzgaraOrtak* o = m_ortak.get();
    o->model = new SonucModeli(this);
    o->veri = new IzgaraVeriModeli(o, this);
    o->suzgec = new IzgaraSuzgeci(this);
    o->suzgec->setSourceModel(o->veri);

    o->gorunum = new IzgaraGorunumu(this, o, this);
    o->baslik = new IzgaraBasligi(o, o->gorunum);
    o->gosterge = new IzgaraGostergesi(o, o->gorunum);
    o->temsilci = new IzgaraTemsilcisi(o, o->gorunum);
    o->gorunum->setHorizontalHeader(o->baslik);
    o->gorunum->setVerticalHeader(o->gosterge);
    o->gorunum->setItemDelegate(o->temsilci);
    o->gorunum->setModel(o->suzgec);

    QTableView* g = o->gorunum;
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setShowGrid(false);
    g->setWordWrap(true);
    g->setAlternatingRowColors(false);
    g->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    g->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    g->setCornerButtonEnabled(false);
    g->setTabKeyNavigation(false);
    g->setContextMenuPolicy(Qt::CustomContextMenu);
    {
        QPalette pal = g->palette();
        pal.setColor(QPalette::Base, kTekSatir);
        pal.setColor(QPalette::Text, Qt::black);
        g->setPalette(pal);
    }
    // No sort until the user asks for one (enabling sorting would sort by column 0).
    o->baslik->setSortIndicator(-1, Qt::AscendingOrder);
    g->setSortingEnabled(true);
    if (auto* kose = g->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly))
        kose->installEventFilter(new KoseBoyayici(this));

    o->altBilgi = new IzgaraAltBilgi(o, this);
    o->altBilgi->hide();

    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(0);
    duzen->addWidget(g);
    duzen->addWidget(o->altBilgi);

    m_aramaZamani = new QTimer(this);
    m_aramaZamani->setSingleShot(true);
    m_aramaZamani->setInterval(kAramaSuresiMs);
    connect(m_aramaZamani, &QTimer::timeout, this, &Izgara::aramayiBitir);

    connect(g->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { odakDegistiIc(); });
    connect(g, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) {
        const int satir = m_ortak->tabloSatiri(i);
        if (satir >= 0)
            emit satirCiftTiklandi(satir);
    });
    connect(g, &QWidget::customContextMenuRequested, this, &Izgara::baglamMenusunuGoster);
    connect(o->baslik, &QWidget::customContextMenuRequested, this, &Izgara::baslikMenusunuGoster);
    connect(o->baslik, &IzgaraBasligi::filtreIstendi, this, &Izgara::filtreMenusunuGoster);

    // Footer: values go stale with any change of the displayed rows; cells move with the columns.
    auto kirlet = [this] {
        m_ortak->altBilgiKirli = true;
        m_ortak->altBilgi->update();
    };
    connect(o->suzgec, &QAbstractItemModel::modelReset, this, kirlet);
    connect(o->suzgec, &QAbstractItemModel::layoutChanged, this, kirlet);
    connect(o->suzgec, &QAbstractItemModel::rowsInserted, this, kirlet);
    connect(o->suzgec, &QAbstractItemModel::rowsRemoved, this, kirlet);
    connect(o->suzgec, &QAbstractItemModel::dataChanged, this, kirlet);
    auto yenile = [this] { m_ortak->altBilgi->update(); };
    connect(o->baslik, &QHeaderView::sectionResized, this, yenile);
    connect(o->baslik, &QHeaderView::sectionMoved, this, yenile);
    connect(o->baslik, &QHeaderView::geometriesChanged, this, yenile);
    connect(g->horizontalScrollBar(), &QScrollBar::valueChanged, this, yenile);
}

Izgara::~Izgara()
{
    // The view, its headers and the models read the shared state while they go, so they go
    // first, the view before the models it shows.
    IzgaraOrtak* o = m_ortak.get();
    delete o->gorunum;
    o->gorunum = nullptr;
    delete o->altBilgi;
    o->altBilgi = nullptr;
    delete o->suzgec;
    o->suzgec = nullptr;
    delete o->veri;
    o->veri = nullptr;
    delete o->model;
    o->model = nullptr;
}

// ---------------------------------------------------------------------------------------
// Columns

void Izgara::setSutunlar(const QList<SutunTanimi>& sutunlar)
{
    aramayiBitir();
    IzgaraOrtak* o = m_ortak.get();
    QList<IzgaraSutunu> yeni;
    yeni.reserve(sutunlar.size());
    for (const auto& t : sutunlar) {
        IzgaraSutunu s;
        s.tanim = t;
        // Icons and painters given for a field stay with it.
        for (const auto& eski : std::as_const(o->sutunlar))
            if (QString::compare(eski.tanim.alan, t.alan, Qt::CaseInsensitive) == 0) {
                s.ikonlar = eski.ikonlar;
                s.cizici = eski.cizici;
                break;
            }
        yeni.append(std::move(s));
    }
    o->suzgec->filtreleriSessizceSil();
    o->baslik->setSortIndicator(-1, Qt::AscendingOrder);
    o->suzgec->sort(-1);
    o->veri->sutunlariDegistir(yeni);
    for (int i = 0; i < o->sutunlar.size(); ++i) {
        const SutunTanimi& t = o->sutunlar[i].tanim;
        o->baslik->resizeSection(i, t.agirlik > 0 ? 60 * t.agirlik : 80);
        o->gorunum->setColumnHidden(i, !t.gorunur);
    }
    bool altBilgi = m_altBilgiZorla;
    for (const auto& s : std::as_const(o->sutunlar))
        altBilgi = altBilgi || s.tanim.toplam || s.tanim.sayac;
    o->altBilgi->setVisible(altBilgi);
    o->altBilgiKirli = true;
    if (!m_ayrik)
        ilkSatiraOdaklan();
}

QList<SutunTanimi> Izgara::sutunlar() const
{
    QList<SutunTanimi> r;
    for (const auto& s : std::as_const(m_ortak->sutunlar))
        r.append(s.tanim);
    return r;
}

int Izgara::sutunIndeksi(QStringView alan) const
{
    const auto& s = m_ortak->sutunlar;
    for (int i = 0; i < s.size(); ++i)
        if (QStringView(s[i].tanim.alan).compare(alan, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void Izgara::gorunurlukUygula(int sutun, bool gorunur, bool bildir)
{
    IzgaraOrtak* o = m_ortak.get();
    if (sutun < 0 || sutun >= o->sutunlar.size())
        return;
    SutunTanimi& t = o->sutunlar[sutun].tanim;
    const bool degisti = o->gorunum->isColumnHidden(sutun) == gorunur;
    t.gorunur = gorunur;
    o->gorunum->setColumnHidden(sutun, !gorunur);
    if (gorunur && o->baslik->sectionSize(sutun) < kEnAzSutunGenisligi)
        o->baslik->resizeSection(sutun, t.agirlik > 0 ? 60 * t.agirlik : 80);
    o->altBilgi->update();
    if (degisti && bildir)
        emit sutunGorunurlukDegisti(t.alan, gorunur);
}

void Izgara::sutunAyarla(QStringView alan, bool gorunur, bool sunulan)
{
    const int i = sutunIndeksi(alan);
    if (i < 0)
        return;
    m_ortak->sutunlar[i].tanim.sunulan = sunulan;
    gorunurlukUygula(i, gorunur, true);
}

void Izgara::setSutunGorunur(QStringView alan, bool gorunur)
{
    gorunurlukUygula(sutunIndeksi(alan), gorunur, true);
}

bool Izgara::sutunGorunur(QStringView alan) const
{
    const int i = sutunIndeksi(alan);
    return i >= 0 && !m_ortak->gorunum->isColumnHidden(i);
}

bool Izgara::sutunSunulan(QStringView alan) const
{
    const int i = sutunIndeksi(alan);
    return i >= 0 && m_ortak->sutunlar[i].tanim.sunulan;
}

void Izgara::setSutunGenisligi(QStringView alan, int px)
{
    const int i = sutunIndeksi(alan);
    if (i >= 0)
        m_ortak->baslik->resizeSection(i, qMax(px, kEnAzSutunGenisligi));
}

int Izgara::sutunGenisligi(QStringView alan) const
{
    const int i = sutunIndeksi(alan);
    return i >= 0 ? m_ortak->baslik->sectionSize(i) : 0;
}

// ---------------------------------------------------------------------------------------
// Data

SonucModeli* Izgara::model()
{
    return m_ortak->model;
}

const SonucTablosu& Izgara::tablo() const
{
    return m_ortak->model->tablo();
}

void Izgara::yukle(SonucTablosu t)
{
    aramayiBitir();
    m_ortak->model->yukle(std::move(t));
    m_ortak->altBilgiKirli = true;
    m_sonOdak = -2; // new rows: tell listeners even when the row number stays
    if (m_ayrik) {
        m_ayrikkenYuklendi = true;
        return;
    }
    m_ortak->gorunum->scrollToTop();
    ilkSatiraOdaklan();
    m_ortak->altBilgi->update();
}

QTableView* Izgara::gorunum()
{
    return m_ortak->gorunum;
}

int Izgara::odakSatiri() const
{
    return m_ortak->tabloSatiri(m_ortak->gorunum->currentIndex());
}

QString Izgara::odakAlani() const
{
    const QModelIndex i = m_ortak->gorunum->currentIndex();
    if (!i.isValid() || i.column() >= m_ortak->sutunlar.size())
        return {};
    return m_ortak->sutunlar[i.column()].tanim.alan;
}

namespace {
int ilkGorunurSutun(QHeaderView* b)
{
    for (int v = 0; v < b->count(); ++v) {
        const int i = b->logicalIndex(v);
        if (!b->isSectionHidden(i))
            return i;
    }
    return b->count() > 0 ? 0 : -1;
}
} // namespace

void Izgara::odakla(int tabloSatiri)
{
    IzgaraOrtak* o = m_ortak.get();
    if (tabloSatiri < 0 || tabloSatiri >= o->veri->rowCount() || o->veri->columnCount() == 0)
        return;
    const QModelIndex p = o->suzgec->mapFromSource(o->veri->index(tabloSatiri, 0));
    if (!p.isValid())
        return;
    const QModelIndex simdiki = o->gorunum->currentIndex();
    const int sutun = simdiki.isValid() ? simdiki.column() : ilkGorunurSutun(o->baslik);
    const QModelIndex hedef = o->suzgec->index(p.row(), sutun);
    o->gorunum->selectionModel()->setCurrentIndex(hedef, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
    o->gorunum->scrollTo(hedef);
}

void Izgara::ilkSatiraOdaklan()
{
    IzgaraOrtak* o = m_ortak.get();
    if (o->suzgec->rowCount() > 0 && o->suzgec->columnCount() > 0) {
        const QModelIndex simdiki = o->gorunum->currentIndex();
        const int sutun = simdiki.isValid() ? simdiki.column() : ilkGorunurSutun(o->baslik);
        o->gorunum->selectionModel()->setCurrentIndex(o->suzgec->index(0, sutun),
                                                      QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    }
    odakDegistiIc();
}

void Izgara::odakDegistiIc()
{
    m_ortak->gosterge->viewport()->update();
    if (!m_aramaOdakliyor && !m_arama.isEmpty())
        aramayiBitir();
    const int satir = odakSatiri();
    if (satir != m_sonOdak) {
        m_sonOdak = satir;
        emit odakDegisti(satir);
    }
}

int Izgara::gorunenSatirSayisi() const
{
    return m_ortak->suzgec->rowCount();
}

int Izgara::tabloSatiri(int gorunenSatir) const
{
    if (gorunenSatir < 0 || gorunenSatir >= m_ortak->suzgec->rowCount())
        return -1;
    return m_ortak->tabloSatiri(m_ortak->suzgec->index(gorunenSatir, 0));
}

// ---------------------------------------------------------------------------------------
// Look

void Izgara::setSatirYuksekligi(int px)
{
    m_ortak->gosterge->setDefaultSectionSize(qMax(1, px));
}

int Izgara::satirYuksekligi() const
{
    return m_ortak->gosterge->defaultSectionSize();
}

void Izgara::setSecimRenkleri(const QColor& arka, const QColor& yazi)
{
    m_ortak->secimArka = arka;
    m_ortak->secimYazi = yazi;
    m_ortak->gorunum->viewport()->update();
}

void Izgara::setIkonlar(QStringView alan, const QMap<qint64, QIcon>& ikonlar)
{
    const int i = sutunIndeksi(alan);
    if (i < 0)
        return;
    m_ortak->sutunlar[i].ikonlar = ikonlar;
    m_ortak->gorunum->viewport()->update();
}

void Izgara::setHucreCizici(QStringView alan, HucreCizici cizici)
{
    const int i = sutunIndeksi(alan);
    if (i < 0)
        return;
    m_ortak->sutunlar[i].cizici = std::move(cizici);
    m_ortak->gorunum->viewport()->update();
}

void Izgara::enIyiSigdir()
{
    IzgaraOrtak* o = m_ortak.get();
    for (int i = 0; i < o->baslik->count(); ++i) {
        if (o->baslik->isSectionHidden(i))
            continue;
        // The view samples a bounded number of rows around the top (the header's precision).
        const int genislik = qMax(o->gorunum->icerikGenisligi(i), o->baslik->sectionSizeHint(i));
        o->baslik->resizeSection(i, std::clamp(genislik, kEnAzSutunGenisligi, kEnCokSigdirma));
    }
}

void Izgara::agirligaGoreBoyutla(int kenarPayi)
{
    IzgaraOrtak* o = m_ortak.get();
    int toplamAgirlik = 0;
    for (int i = 0; i < o->sutunlar.size(); ++i)
        if (!o->baslik->isSectionHidden(i))
            toplamAgirlik += qMax(0, o->sutunlar[i].tanim.agirlik);
    if (toplamAgirlik <= 0)
        return;
    const int birim = qMax(0, (o->gorunum->viewport()->width() - kenarPayi) / toplamAgirlik);
    for (int i = 0; i < o->sutunlar.size(); ++i) {
        if (o->baslik->isSectionHidden(i))
            continue;
        // A shown column of weight 0 keeps a minimal width instead of vanishing.
        o->baslik->resizeSection(i, qMax(qMax(0, o->sutunlar[i].tanim.agirlik) * birim, kEnAzSutunGenisligi));
    }
}

void Izgara::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    emit boyutDegisti();
}

// ---------------------------------------------------------------------------------------
// Detaching

void Izgara::setAyrik(bool ayrik)
{
    if (ayrik == m_ayrik)
        return;
    IzgaraOrtak* o = m_ortak.get();
    if (ayrik) {
        aramayiBitir();
        m_ayrikOdak = odakSatiri();
        m_ayrikKaydirma = o->gorunum->verticalScrollBar()->value();
        m_ayrikkenYuklendi = false;
        setUpdatesEnabled(false);
        setEnabled(false);
        m_ayrik = true;
        o->veri->setAyrik(true);
        return;
    }
    m_ayrik = false;
    o->veri->setAyrik(false);
    o->altBilgiKirli = true;
    o->gorunum->doItemsLayout();
    if (m_ayrikkenYuklendi) {
        o->gorunum->scrollToTop();
        ilkSatiraOdaklan();
    } else {
        if (m_ayrikOdak >= 0)
            odakla(m_ayrikOdak);
        else
            odakDegistiIc();
        o->gorunum->verticalScrollBar()->setValue(m_ayrikKaydirma);
    }
    setEnabled(true);
    setUpdatesEnabled(true);
}

bool Izgara::ayrik() const
{
    return m_ayrik;
}

// ---------------------------------------------------------------------------------------
// Footer

void Izgara::setAltBilgiGorunur(bool gorunur)
{
    m_altBilgiZorla = gorunur;
    bool goster = gorunur;
    for (const auto& s : std::as_const(m_ortak->sutunlar))
        goster = goster || s.tanim.toplam || s.tanim.sayac;
    m_ortak->altBilgi->setVisible(goster);
}

bool Izgara::altBilgiGorunur() const
{
    return !m_ortak->altBilgi->isHidden();
}

double Izgara::toplam(QStringView alan) const
{
    const int i = sutunIndeksi(alan);
    if (i < 0 || m_ortak->sutunlar[i].kaynak < 0)
        return 0.0;
    IzgaraOrtak* o = m_ortak.get();
    if (!o->sutunlar[i].tanim.toplam) {
        // Not a footer column: sum on request without touching the cache.
        double s = 0.0;
        const int n = o->suzgec->rowCount();
        for (int r = 0; r < n; ++r)
            s += o->model->tablo().ondalik(tabloSatiri(r), o->sutunlar[i].kaynak);
        return s;
    }
    o->altBilgiHesapla();
    return o->toplamlar.value(i);
}

QString Izgara::altBilgiMetni(QStringView alan) const
{
    return m_ortak->altBilgiMetni(sutunIndeksi(alan));
}

// ---------------------------------------------------------------------------------------
// Filters

void Izgara::setFiltre(QStringView alan, const QString& deger)
{
    const int i = sutunIndeksi(alan);
    if (i < 0)
        return;
    aramayiBitir();
    m_ortak->suzgec->setFiltre(i, deger);
    m_ortak->baslik->viewport()->update();
    if (!m_ortak->gorunum->currentIndex().isValid())
        ilkSatiraOdaklan();
}

void Izgara::filtreKaldir(QStringView alan)
{
    const int i = sutunIndeksi(alan);
    if (i < 0)
        return;
    m_ortak->suzgec->filtreKaldir(i);
    m_ortak->baslik->viewport()->update();
    if (!m_ortak->gorunum->currentIndex().isValid())
        ilkSatiraOdaklan();
}

void Izgara::filtreleriTemizle()
{
    m_ortak->suzgec->filtreleriTemizle();
    m_ortak->baslik->viewport()->update();
    if (!m_ortak->gorunum->currentIndex().isValid())
        ilkSatiraOdaklan();
}

bool Izgara::filtreVar(QStringView alan) const
{
    const int i = sutunIndeksi(alan);
    return i >= 0 && m_ortak->suzgec->filtreVar(i);
}

QStringList Izgara::filtreDegerleri(QStringView alan) const
{
    IzgaraOrtak* o = m_ortak.get();
    const int sutun = sutunIndeksi(alan);
    if (sutun < 0 || o->veri->ayrik())
        return {};
    // Each distinct text with the typed value of its first row, ordered like the column sorts.
    QHash<QString, QVariant> gorulen;
    QList<std::pair<QString, QVariant>> degerler;
    const int n = o->veri->rowCount();
    for (int r = 0; r < n; ++r) {
        if (!o->suzgec->satirUygun(r, sutun))
            continue;
        const QModelIndex i = o->veri->index(r, sutun);
        const QString metin = i.data(Qt::DisplayRole).toString();
        if (gorulen.contains(metin))
            continue;
        const QVariant deger = metin.isEmpty() ? QVariant() : i.data(Qt::UserRole);
        gorulen.insert(metin, deger);
        degerler.append({metin, deger});
    }
    std::stable_sort(degerler.begin(), degerler.end(), [o](const auto& a, const auto& b) {
        return o->suzgec->kucuk(a.second, b.second);
    });
    QStringList r;
    r.reserve(degerler.size());
    for (const auto& d : std::as_const(degerler))
        r.append(d.first);
    return r;
}

// ---------------------------------------------------------------------------------------
// Menus

QMenu* Izgara::sutunMenusu(int gorunumSutunu)
{
    IzgaraOrtak* o = m_ortak.get();
    auto* menu = new QMenu(this);
    int gorunenSayisi = 0;
    for (int i = 0; i < o->baslik->count(); ++i)
        gorunenSayisi += o->baslik->isSectionHidden(i) ? 0 : 1;

    for (int v = 0; v < o->baslik->count(); ++v) {
        const int i = o->baslik->logicalIndex(v);
        if (i < 0 || i >= o->sutunlar.size() || !o->sutunlar[i].tanim.sunulan)
            continue;
        const bool gorunur = !o->baslik->isSectionHidden(i);
        QAction* a = menu->addAction(o->baslikMetni(i));
        a->setCheckable(true);
        a->setChecked(gorunur);
        a->setData(i);
        // The last visible column cannot be taken away.
        if (gorunur && gorunenSayisi <= 1)
            a->setEnabled(false);
        connect(a, &QAction::toggled, this, [this, a, i](bool ac) {
            if (!ac) {
                int kalan = 0;
                for (int k = 0; k < m_ortak->baslik->count(); ++k)
                    kalan += m_ortak->baslik->isSectionHidden(k) ? 0 : 1;
                if (kalan <= 1) {
                    const QSignalBlocker engel(a);
                    a->setChecked(true);
                    return;
                }
            }
            gorunurlukUygula(i, ac, true);
        });
    }
    menu->addSeparator();
    menu->addAction(QStringLiteral("En İyi Sığdır"), this, &Izgara::enIyiSigdir);
    if (gorunumSutunu >= 0 && o->suzgec->filtreVar(gorunumSutunu)) {
        const QString alan = o->sutunlar.value(gorunumSutunu).tanim.alan;
        menu->addAction(QStringLiteral("Filtreyi Kaldır"), this, [this, alan] { filtreKaldir(alan); });
    }
    if (!o->suzgec->filtreYok())
        menu->addAction(QStringLiteral("Tüm Filtreleri Kaldır"), this, &Izgara::filtreleriTemizle);
    return menu;
}

QMenu* Izgara::filtreMenusu(int gorunumSutunu)
{
    IzgaraOrtak* o = m_ortak.get();
    if (gorunumSutunu < 0 || gorunumSutunu >= o->sutunlar.size())
        return nullptr;
    const QString alan = o->sutunlar[gorunumSutunu].tanim.alan;
    auto* menu = new QMenu(this);
    auto* kap = new QWidget(menu);
    auto* duzen = new QVBoxLayout(kap);
    duzen->setContentsMargins(4, 4, 4, 4);
    duzen->setSpacing(4);
    auto* ara = new QLineEdit(kap);
    ara->setPlaceholderText(QStringLiteral("Ara"));
    ara->setClearButtonEnabled(true);
    auto* liste = new QListWidget(kap);
    liste->setUniformItemSizes(true);
    duzen->addWidget(ara);
    duzen->addWidget(liste);

    auto* tumu = new QListWidgetItem(QStringLiteral("(Tümü)"), liste);
    tumu->setData(Qt::UserRole, QVariant());
    const bool filtreli = o->suzgec->filtreVar(gorunumSutunu);
    const QString secili = o->suzgec->filtre(gorunumSutunu);
    if (!filtreli)
        liste->setCurrentItem(tumu);
    for (const QString& d : filtreDegerleri(alan)) {
        auto* oge = new QListWidgetItem(d.isEmpty() ? QStringLiteral("(Boş)") : d, liste);
        oge->setData(Qt::UserRole, d);
        if (filtreli && d == secili)
            liste->setCurrentItem(oge);
    }
    const int satirYuksekligi = liste->sizeHintForRow(0) > 0 ? liste->sizeHintForRow(0) : 20;
    liste->setMinimumSize(qMax(200, o->baslik->sectionSize(gorunumSutunu)),
                          qMin(320, satirYuksekligi * liste->count() + 2 * liste->frameWidth() + 4));

    connect(ara, &QLineEdit::textChanged, liste, [liste](const QString& metin) {
        const QString anahtar = turkceBuyuk(metin);
        for (int k = 1; k < liste->count(); ++k)
            liste->item(k)->setHidden(!turkceBuyuk(liste->item(k)->text()).contains(anahtar));
    });
    connect(liste, &QListWidget::itemClicked, this, [this, menu, alan](QListWidgetItem* oge) {
        const QVariant d = oge->data(Qt::UserRole);
        if (!d.isValid())
            filtreKaldir(alan);
        else
            setFiltre(alan, d.toString());
        menu->close();
    });

    auto* eylem = new QWidgetAction(menu);
    eylem->setDefaultWidget(kap);
    menu->addAction(eylem);
    return menu;
}

void Izgara::baslikMenusunuGoster(const QPoint& konum)
{
    const int bolum = m_ortak->baslik->logicalIndexAt(konum);
    QMenu* menu = sutunMenusu(bolum);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_ortak->baslik->viewport()->mapToGlobal(konum));
}

void Izgara::filtreMenusunuGoster(int sutun, const QPoint& global)
{
    QMenu* menu = filtreMenusu(sutun);
    if (!menu)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(global);
}

void Izgara::setBaglamMenusu(QMenu* menu)
{
    m_baglamMenusu = menu;
}

void Izgara::baglamMenusunuGoster(const QPoint& konum)
{
    if (!m_baglamMenusu || m_ayrik)
        return;
    const QModelIndex i = m_ortak->gorunum->indexAt(konum);
    if (i.isValid())
        m_ortak->gorunum->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect |
                                                                   QItemSelectionModel::Rows);
    m_baglamMenusu->popup(m_ortak->gorunum->viewport()->mapToGlobal(konum));
}

// ---------------------------------------------------------------------------------------
// Incremental search

int Izgara::aramaSutunu() const
{
    IzgaraOrtak* o = m_ortak.get();
    auto aranabilir = [o](int i) {
        if (i < 0 || i >= o->sutunlar.size() || o->baslik->isSectionHidden(i))
            return false;
        const IzgaraSutunu& s = o->sutunlar[i];
        return s.tanim.aramada && !s.cizici &&
               (s.tanim.tur == GosterimTuru::Metin || s.tanim.tur == GosterimTuru::Sayi);
    };
    const QModelIndex simdiki = o->gorunum->currentIndex();
    if (simdiki.isValid() && aranabilir(simdiki.column()))
        return simdiki.column();
    for (int v = 0; v < o->baslik->count(); ++v)
        if (aranabilir(o->baslik->logicalIndex(v)))
            return o->baslik->logicalIndex(v);
    return -1;
}

bool Izgara::artimliAra(const QString& ek)
{
    IzgaraOrtak* o = m_ortak.get();
    if (m_ayrik || ek.isEmpty())
        return false;
    const int sutun = aramaSutunu();
    if (sutun < 0)
        return false;
    if (sutun != m_aramaSutunu)
        m_arama.clear();
    const QString aday = m_arama + ek;
    const QString anahtar = turkceBuyuk(aday);
    // A longer text cannot match above the row that matched its beginning.
    const int bas = m_arama.isEmpty() ? 0 : qMax(0, o->gorunum->currentIndex().row());
    const int n = o->suzgec->rowCount();
    int bulunan = -1;
    for (int r = bas; r < n; ++r) {
        const QString metin = o->suzgec->index(r, sutun).data(Qt::DisplayRole).toString();
        if (turkceBuyuk(metin).startsWith(anahtar)) {
            bulunan = r;
            break;
        }
    }
    if (bulunan < 0)
        return false;
    m_arama = aday;
    m_aramaSutunu = sutun;
    m_aramaOdakliyor = true;
    const QModelIndex hedef = o->suzgec->index(bulunan, sutun);
    o->gorunum->selectionModel()->setCurrentIndex(hedef, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
    o->gorunum->scrollTo(hedef);
    m_aramaOdakliyor = false;
    m_aramaZamani->start();
    return true;
}

QString Izgara::aramaMetni() const
{
    return m_arama;
}

void Izgara::aramayiBitir()
{
    m_arama.clear();
    m_aramaSutunu = -1;
    if (m_aramaZamani)
        m_aramaZamani->stop();
}

} // namespace zelvar
