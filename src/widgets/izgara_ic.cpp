#include "izgara_ic.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QToolTip>

namespace zelvar {

QString turkceBuyuk(QStringView s)
{
    QString r;
    r.reserve(s.size());
    for (const QChar c : s) {
        if (c == u'i')
            r += QChar(0x0130);
        else if (c == QChar(0x0131))
            r += u'I';
        else
            r += c.toUpper();
    }
    return r;
}

// ---------------------------------------------------------------------------------------
// IzgaraOrtak

QString IzgaraOrtak::baslikMetni(int sutun) const
{
    if (sutun < 0 || sutun >= sutunlar.size())
        return {};
    const SutunTanimi& t = sutunlar[sutun].tanim;
    return t.baslik.isEmpty() ? t.alan : t.baslik;
}

int IzgaraOrtak::tabloSatiri(const QModelIndex& gorunumIndeksi) const
{
    if (!gorunumIndeksi.isValid())
        return -1;
    return suzgec->mapToSource(gorunumIndeksi).row();
}

void IzgaraOrtak::altBilgiHesapla()
{
    if (!altBilgiKirli)
        return;
    altBilgiKirli = false;
    toplamlar = QList<double>(sutunlar.size(), 0.0);
    gorunenSatir = suzgec->rowCount();
    QList<std::pair<int, int>> toplanacak; // (declared column, table column)
    for (int i = 0; i < sutunlar.size(); ++i)
        if (sutunlar[i].tanim.toplam && sutunlar[i].kaynak >= 0)
            toplanacak.append({i, sutunlar[i].kaynak});
    if (toplanacak.isEmpty())
        return;
    const SonucTablosu& t = model->tablo();
    for (int r = 0; r < gorunenSatir; ++r) {
        const int satir = suzgec->mapToSource(suzgec->index(r, 0)).row();
        for (const auto& [sutun, kaynak] : toplanacak)
            toplamlar[sutun] += t.ondalik(satir, kaynak);
    }
}

QString IzgaraOrtak::altBilgiMetni(int sutun)
{
    if (sutun < 0 || sutun >= sutunlar.size())
        return {};
    altBilgiHesapla();
    const IzgaraSutunu& s = sutunlar[sutun];
    if (s.tanim.toplam && s.kaynak >= 0)
        return model->bicimle(s.kaynak, toplamlar.value(sutun));
    if (s.tanim.sayac) {
        QLocale yerel;
        yerel.setNumberOptions(yerel.numberOptions() | QLocale::OmitGroupSeparator);
        return yerel.toString(gorunenSatir);
    }
    return {};
}

// ---------------------------------------------------------------------------------------
// IzgaraVeriModeli

IzgaraVeriModeli::IzgaraVeriModeli(IzgaraOrtak* ortak, QObject* parent)
    : QAbstractTableModel(parent), m_ortak(ortak)
{
    SonucModeli* kaynak = ortak->model;
    connect(kaynak, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(kaynak, &QAbstractItemModel::modelReset, this, [this] {
        eslemeYenile();
        endResetModel();
    });
    connect(kaynak, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& sol, const QModelIndex& sag) {
                if (m_ayrik || columnCount() == 0)
                    return;
                emit dataChanged(index(sol.row(), 0), index(sag.row(), columnCount() - 1));
            });
}

void IzgaraVeriModeli::eslemeYenile()
{
    const SonucTablosu& t = m_ortak->model->tablo();
    for (auto& s : m_ortak->sutunlar)
        s.kaynak = s.tanim.alan.isEmpty() ? -1 : t.sutunBul(s.tanim.alan);
}

void IzgaraVeriModeli::sutunlariDegistir(const QList<IzgaraSutunu>& sutunlar)
{
    beginResetModel();
    m_ortak->sutunlar = sutunlar;
    eslemeYenile();
    endResetModel();
}

void IzgaraVeriModeli::setAyrik(bool ayrik)
{
    if (ayrik == m_ayrik)
        return;
    beginResetModel();
    m_ayrik = ayrik;
    endResetModel();
}

int IzgaraVeriModeli::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || m_ayrik)
        return 0;
    return m_ortak->model->rowCount();
}

int IzgaraVeriModeli::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_ortak->sutunlar.size());
}

QVariant IzgaraVeriModeli::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || m_ayrik || index.column() >= m_ortak->sutunlar.size())
        return {};
    const IzgaraSutunu& s = m_ortak->sutunlar[index.column()];
    if (role == Qt::TextAlignmentRole) {
        Qt::Alignment yatay = s.tanim.hizalama & Qt::AlignHorizontal_Mask;
        if (!yatay) {
            switch (s.tanim.tur) {
            case GosterimTuru::Sayi: yatay = Qt::AlignRight; break;
            case GosterimTuru::Onay:
            case GosterimTuru::Ikon: yatay = Qt::AlignHCenter; break;
            case GosterimTuru::Metin:
            case GosterimTuru::Ozel: yatay = Qt::AlignLeft; break;
            }
        }
        return static_cast<int>(yatay | Qt::AlignVCenter);
    }
    if (s.kaynak < 0 || index.row() >= m_ortak->model->rowCount())
        return {};
    return m_ortak->model->data(m_ortak->model->index(index.row(), s.kaynak), role);
}

QVariant IzgaraVeriModeli::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole)
            return m_ortak->baslikMetni(section);
        return {};
    }
    if (role == Qt::DisplayRole)
        return QString();
    return {};
}

Qt::ItemFlags IzgaraVeriModeli::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

// ---------------------------------------------------------------------------------------
// IzgaraSuzgeci

IzgaraSuzgeci::IzgaraSuzgeci(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(Qt::UserRole);
    setDynamicSortFilter(true);
    m_harmanlayici = QCollator(QLocale());
}

void IzgaraSuzgeci::setFiltre(int sutun, const QString& deger)
{
    if (m_filtreler.contains(sutun) && m_filtreler.value(sutun) == deger)
        return;
    m_filtreler.insert(sutun, deger);
    invalidateFilter();
}

void IzgaraSuzgeci::filtreKaldir(int sutun)
{
    if (m_filtreler.remove(sutun))
        invalidateFilter();
}

void IzgaraSuzgeci::filtreleriTemizle()
{
    if (m_filtreler.isEmpty())
        return;
    m_filtreler.clear();
    invalidateFilter();
}

bool IzgaraSuzgeci::satirUygun(int kaynakSatir, int haric) const
{
    const QAbstractItemModel* kaynak = sourceModel();
    for (auto it = m_filtreler.cbegin(); it != m_filtreler.cend(); ++it) {
        if (it.key() == haric)
            continue;
        const QString metin = kaynak->index(kaynakSatir, it.key()).data(Qt::DisplayRole).toString();
        if (metin != it.value())
            return false;
    }
    return true;
}

bool IzgaraSuzgeci::filterAcceptsRow(int kaynakSatir, const QModelIndex&) const
{
    return m_filtreler.isEmpty() || satirUygun(kaynakSatir, -1);
}

void IzgaraSuzgeci::sort(int column, Qt::SortOrder order)
{
    // The collation follows the locale in force when the user sorts.
    if (m_harmanlayici.locale() != QLocale()) {
        m_harmanlayici = QCollator(QLocale());
        anahtarlariSil();
    }
    QSortFilterProxyModel::sort(column, order);
}

void IzgaraSuzgeci::setSourceModel(QAbstractItemModel* kaynak)
{
    if (sourceModel())
        disconnect(sourceModel(), nullptr, this, nullptr);
    // Connected before the base class connects its own handlers, so the keys are gone before
    // the base class re-sorts after a change.
    if (kaynak) {
        auto sil = [this] { anahtarlariSil(); };
        connect(kaynak, &QAbstractItemModel::modelAboutToBeReset, this, sil);
        connect(kaynak, &QAbstractItemModel::dataChanged, this, sil);
        connect(kaynak, &QAbstractItemModel::rowsAboutToBeInserted, this, sil);
        connect(kaynak, &QAbstractItemModel::rowsAboutToBeRemoved, this, sil);
        connect(kaynak, &QAbstractItemModel::rowsAboutToBeMoved, this, sil);
        connect(kaynak, &QAbstractItemModel::layoutAboutToBeChanged, this, sil);
    }
    anahtarlariSil();
    QSortFilterProxyModel::setSourceModel(kaynak);
}

void IzgaraSuzgeci::anahtarlariSil() const
{
    m_anahtarSutunu = -1;
    m_metinSutunu = false;
    m_anahtarlar.clear();
}

void IzgaraSuzgeci::anahtarlariHazirla(int sutun) const
{
    m_anahtarSutunu = sutun;
    m_metinSutunu = false;
    m_anahtarlar.clear();
    const QAbstractItemModel* kaynak = sourceModel();
    const int satirlar = kaynak->rowCount();
    std::vector<std::optional<QCollatorSortKey>> anahtarlar;
    anahtarlar.reserve(static_cast<size_t>(satirlar));
    for (int r = 0; r < satirlar; ++r) {
        const QVariant v = kaynak->index(r, sutun).data(sortRole());
        if (!v.isValid()) {
            anahtarlar.emplace_back(std::nullopt);
            continue;
        }
        if (v.typeId() != QMetaType::QString)
            return; // not a text column: typed comparison
        anahtarlar.emplace_back(m_harmanlayici.sortKey(v.toString()));
    }
    m_metinSutunu = true;
    m_anahtarlar = std::move(anahtarlar);
}

namespace {
bool sayiTuru(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::Bool: return true;
    default: return false;
    }
}
} // namespace

bool IzgaraSuzgeci::kucuk(const QVariant& sol, const QVariant& sag) const
{
    // Empty cells come first.
    if (!sol.isValid())
        return sag.isValid();
    if (!sag.isValid())
        return false;
    if (sayiTuru(sol) && sayiTuru(sag)) {
        if (sol.typeId() != QMetaType::Double && sag.typeId() != QMetaType::Double)
            return sol.toLongLong() < sag.toLongLong();
        return sol.toDouble() < sag.toDouble();
    }
    if (sol.typeId() == sag.typeId()) {
        switch (sol.typeId()) {
        case QMetaType::QDate: return sol.toDate() < sag.toDate();
        case QMetaType::QTime: return sol.toTime() < sag.toTime();
        case QMetaType::QDateTime: return sol.toDateTime() < sag.toDateTime();
        case QMetaType::QByteArray: return sol.toByteArray() < sag.toByteArray();
        default: break;
        }
    }
    return m_harmanlayici.compare(sol.toString(), sag.toString()) < 0;
}

bool IzgaraSuzgeci::lessThan(const QModelIndex& sol, const QModelIndex& sag) const
{
    if (sol.column() == sag.column()) {
        if (m_anahtarSutunu != sol.column())
            anahtarlariHazirla(sol.column());
        const auto n = m_anahtarlar.size();
        if (m_metinSutunu && static_cast<size_t>(sol.row()) < n && static_cast<size_t>(sag.row()) < n) {
            const auto& a = m_anahtarlar[static_cast<size_t>(sol.row())];
            const auto& b = m_anahtarlar[static_cast<size_t>(sag.row())];
            if (!a) // empty cells come first
                return b.has_value();
            if (!b)
                return false;
            return a->compare(*b) < 0;
        }
    }
    return kucuk(sol.data(sortRole()), sag.data(sortRole()));
}

// ---------------------------------------------------------------------------------------
// IzgaraTemsilcisi

IzgaraTemsilcisi::IzgaraTemsilcisi(IzgaraOrtak* ortak, QObject* parent)
    : QStyledItemDelegate(parent), m_ortak(ortak)
{
}

namespace {
QRect ortala(const QRect& alan, QSize boyut)
{
    boyut = boyut.boundedTo(alan.size());
    return QRect(alan.x() + (alan.width() - boyut.width()) / 2, alan.y() + (alan.height() - boyut.height()) / 2,
                 boyut.width(), boyut.height());
}
} // namespace

void IzgaraTemsilcisi::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (index.column() < 0 || index.column() >= m_ortak->sutunlar.size())
        return;
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const IzgaraSutunu& s = m_ortak->sutunlar[index.column()];
    const bool secili = opt.state.testFlag(QStyle::State_Selected);
    const QColor arka = secili ? m_ortak->secimArka : (index.row() % 2 == 0 ? kCiftSatir : kTekSatir);
    const QColor yazi = secili ? m_ortak->secimYazi : opt.palette.color(QPalette::Text);

    p->save();
    p->fillRect(opt.rect, arka);
    p->setClipRect(opt.rect);
    if (s.cizici) {
        QStyleOptionViewItem c(opt);
        c.backgroundBrush = arka;
        c.palette.setColor(QPalette::Text, yazi);
        c.palette.setColor(QPalette::HighlightedText, yazi);
        p->save();
        s.cizici(p, c, m_ortak->tabloSatiri(index));
        p->restore();
    } else if (s.tanim.tur == GosterimTuru::Onay) {
        const QWidget* w = opt.widget;
        QStyle* stil = w ? w->style() : QApplication::style();
        QStyleOptionViewItem c(opt);
        c.features |= QStyleOptionViewItem::HasCheckIndicator;
        const bool isaretli = index.data(Qt::UserRole).toLongLong() != 0;
        c.checkState = isaretli ? Qt::Checked : Qt::Unchecked;
        c.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        c.state |= isaretli ? QStyle::State_On : QStyle::State_Off;
        const QSize boyut(stil->pixelMetric(QStyle::PM_IndicatorWidth, &c, w),
                          stil->pixelMetric(QStyle::PM_IndicatorHeight, &c, w));
        c.rect = ortala(opt.rect, boyut);
        stil->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &c, p, w);
    } else if (s.tanim.tur == GosterimTuru::Ikon) {
        const QVariant v = index.data(Qt::UserRole);
        if (v.isValid()) {
            const auto it = s.ikonlar.constFind(v.toLongLong());
            if (it != s.ikonlar.constEnd())
                it->paint(p, ortala(opt.rect.adjusted(2, 2, -2, -2), QSize(24, 24)));
        }
    } else if (!opt.text.isEmpty()) {
        const QRect alan = opt.rect.adjusted(kHucreBosluk, 1, -kHucreBosluk, -1);
        int bayraklar = static_cast<int>(opt.displayAlignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
        QString metin = opt.text;
        if (s.tanim.tur == GosterimTuru::Sayi) {
            // A number cut at the edge would read as another number: show that it is cut.
            metin = QFontMetrics(opt.font).elidedText(metin, Qt::ElideLeft, alan.width());
        } else {
            bayraklar |= Qt::TextWordWrap;
        }
        p->setFont(opt.font);
        p->setPen(yazi);
        p->drawText(alan, bayraklar, metin);
    }
    p->setClipping(false);
    p->setPen(kCizgiRengi);
    p->drawLine(opt.rect.topRight(), opt.rect.bottomRight());
    p->drawLine(opt.rect.bottomLeft(), opt.rect.bottomRight());
    p->restore();
}

QSize IzgaraTemsilcisi::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int yukseklik = m_ortak->gosterge ? m_ortak->gosterge->defaultSectionSize() : 40;
    if (index.column() < 0 || index.column() >= m_ortak->sutunlar.size())
        return {0, yukseklik};
    const IzgaraSutunu& s = m_ortak->sutunlar[index.column()];
    if (s.cizici) // drawn by the window: its width is the window's choice
        return {m_ortak->baslik->sectionSize(index.column()), yukseklik};
    if (s.tanim.tur == GosterimTuru::Onay) {
        const QWidget* w = option.widget;
        QStyle* stil = w ? w->style() : QApplication::style();
        return {stil->pixelMetric(QStyle::PM_IndicatorWidth, &option, w) + 2 * kHucreBosluk, yukseklik};
    }
    if (s.tanim.tur == GosterimTuru::Ikon)
        return {24 + 2 * kHucreBosluk, yukseklik};
    const QString metin = index.data(Qt::DisplayRole).toString();
    const QFontMetrics fm(option.font);
    int genislik = 0;
    for (const auto& satir : QStringView(metin).split(u'\n'))
        genislik = qMax(genislik, fm.horizontalAdvance(satir.toString()));
    return {genislik + 2 * kHucreBosluk + 2, yukseklik};
}

// ---------------------------------------------------------------------------------------
// IzgaraBasligi

IzgaraBasligi::IzgaraBasligi(IzgaraOrtak* ortak, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), m_ortak(ortak)
{
    setFont(baslikYazisi());
    setFixedHeight(kBaslikYuksekligi);
    setHighlightSections(false);
    setSectionsClickable(true);
    setSectionsMovable(true);
    setSortIndicatorShown(true);
    setSortIndicatorClearable(true);
    setSectionResizeMode(QHeaderView::Interactive);
    setStretchLastSection(false);
    setMinimumSectionSize(kEnAzSutunGenisligi);
    setDefaultSectionSize(100);
    setResizeContentsPrecision(500);
    setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBaslikArka);
    pal.setColor(QPalette::Button, kBaslikArka);
    setPalette(pal);
    setAutoFillBackground(true);
}

QFont IzgaraBasligi::baslikYazisi()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    f.setBold(true);
    return f;
}

QRect IzgaraBasligi::filtreDugmesi(const QRect& bolum)
{
    const int g = qMin(kFiltreDugmesi, qMax(0, bolum.width() / 3));
    return QRect(bolum.right() - g - 1, bolum.top(), g, bolum.height());
}

void IzgaraBasligi::paintSection(QPainter* p, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    p->save();
    p->fillRect(rect, kBaslikArka);
    p->setPen(QColor(255, 255, 255, 90));
    p->drawLine(rect.topRight(), rect.bottomRight());

    // The filter button's width is kept free on both sides so captions stay centred; a
    // caption too wide for that takes the left side too.
    const QRect dugme = filtreDugmesi(rect);
    const QString metin = m_ortak->baslikMetni(logicalIndex);
    const QFont yazi = baslikYazisi();
    QRect metinAlani = rect.adjusted(dugme.width() + 3, 2, -(dugme.width() + 3), -2);
    if (QFontMetrics(yazi).horizontalAdvance(metin) > metinAlani.width())
        metinAlani.setLeft(rect.left() + 3);
    p->setFont(yazi);
    p->setPen(kBaslikYazi);
    p->drawText(metinAlani, Qt::AlignCenter | Qt::TextWordWrap, metin);

    p->setRenderHint(QPainter::Antialiasing);
    if (dugme.width() >= 6) {
        const bool etkin = m_ortak->suzgec && m_ortak->suzgec->filtreVar(logicalIndex);
        const QPointF m = QRectF(dugme).center();
        QPainterPath huni;
        huni.moveTo(m.x() - 4.5, m.y() - 3);
        huni.lineTo(m.x() + 4.5, m.y() - 3);
        huni.lineTo(m.x() + 1, m.y() + 1);
        huni.lineTo(m.x() + 1, m.y() + 4.5);
        huni.lineTo(m.x() - 1, m.y() + 3.5);
        huni.lineTo(m.x() - 1, m.y() + 1);
        huni.closeSubpath();
        p->setPen(Qt::NoPen);
        p->setBrush(etkin ? kFiltreEtkin : QColor(255, 255, 255, 130));
        p->drawPath(huni);
    }
    if (isSortIndicatorShown() && sortIndicatorSection() == logicalIndex) {
        const double x = rect.center().x() + 0.5;
        const double y = rect.top() + 3;
        QPainterPath ok;
        if (sortIndicatorOrder() == Qt::AscendingOrder) {
            ok.moveTo(x - 4, y + 4);
            ok.lineTo(x + 4, y + 4);
            ok.lineTo(x, y);
        } else {
            ok.moveTo(x - 4, y);
            ok.lineTo(x + 4, y);
            ok.lineTo(x, y + 4);
        }
        ok.closeSubpath();
        p->setPen(Qt::NoPen);
        p->setBrush(kBaslikYazi);
        p->drawPath(ok);
    }
    p->restore();
}

QSize IzgaraBasligi::sectionSizeFromContents(int logicalIndex) const
{
    const QFontMetrics fm(baslikYazisi());
    int genislik = 0;
    for (const auto& parca : QStringView(m_ortak->baslikMetni(logicalIndex)).split(u'\n'))
        genislik = qMax(genislik, fm.horizontalAdvance(parca.toString()));
    return {genislik + 2 * (kFiltreDugmesi + 3) + 6, kBaslikYuksekligi};
}

int IzgaraBasligi::dugmedekiBolum(const QPoint& konum) const
{
    const int bolum = logicalIndexAt(konum);
    if (bolum < 0)
        return -1;
    const QRect r(sectionViewportPosition(bolum), 0, sectionSize(bolum), height());
    const QRect dugme = filtreDugmesi(r);
    return dugme.width() >= 6 && dugme.contains(konum) ? bolum : -1;
}

void IzgaraBasligi::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        const int bolum = dugmedekiBolum(e->position().toPoint());
        if (bolum >= 0) {
            m_dugmeBasili = true;
            const QRect r(sectionViewportPosition(bolum), 0, sectionSize(bolum), height());
            emit filtreIstendi(bolum, viewport()->mapToGlobal(r.bottomLeft()));
            e->accept();
            return;
        }
    }
    QHeaderView::mousePressEvent(e);
}

void IzgaraBasligi::mouseReleaseEvent(QMouseEvent* e)
{
    if (m_dugmeBasili) {
        m_dugmeBasili = false;
        e->accept();
        return;
    }
    QHeaderView::mouseReleaseEvent(e);
}

void IzgaraBasligi::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (dugmedekiBolum(e->position().toPoint()) >= 0) {
        e->accept();
        return;
    }
    QHeaderView::mouseDoubleClickEvent(e);
}

// ---------------------------------------------------------------------------------------
// IzgaraGostergesi

IzgaraGostergesi::IzgaraGostergesi(IzgaraOrtak* ortak, QWidget* parent)
    : QHeaderView(Qt::Vertical, parent), m_ortak(ortak)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(1);
    setDefaultSectionSize(40);
    setHighlightSections(false);
    setSectionsClickable(true);
    setFixedWidth(kGostergeGenisligi);
    setResizeContentsPrecision(500);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kGostergeRengi);
    pal.setColor(QPalette::Button, kGostergeRengi);
    setPalette(pal);
    setAutoFillBackground(true);
}

QSize IzgaraGostergesi::sizeHint() const
{
    return {kGostergeGenisligi, QHeaderView::sizeHint().height()};
}

void IzgaraGostergesi::paintSection(QPainter* p, const QRect& rect, int logicalIndex) const
{
    p->save();
    p->fillRect(rect, kGostergeRengi);
    p->setPen(QColor(90, 90, 90));
    p->drawLine(rect.bottomLeft(), rect.bottomRight());
    if (m_ortak->gorunum && m_ortak->gorunum->currentIndex().row() == logicalIndex) {
        const double x = rect.left() + 3;
        const double y = rect.center().y() + 0.5;
        QPainterPath ok;
        ok.moveTo(x, y - 4);
        ok.lineTo(x + 5, y);
        ok.lineTo(x, y + 4);
        ok.closeSubpath();
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(Qt::NoPen);
        p->setBrush(Qt::white);
        p->drawPath(ok);
    }
    p->restore();
}

// ---------------------------------------------------------------------------------------
// IzgaraGorunumu

IzgaraGorunumu::IzgaraGorunumu(Izgara* izgara, IzgaraOrtak* ortak, QWidget* parent)
    : QTableView(parent), m_izgara(izgara), m_ortak(ortak)
{
}

bool IzgaraGorunumu::viewportEvent(QEvent* e)
{
    if (e->type() != QEvent::ToolTip)
        return QTableView::viewportEvent(e);
    // The whole text of a cell that does not fit, and nothing for one that does.
    auto* olay = static_cast<QHelpEvent*>(e);
    const QModelIndex i = indexAt(olay->pos());
    QString ipucu;
    if (i.isValid() && i.column() < m_ortak->sutunlar.size()) {
        const IzgaraSutunu& s = m_ortak->sutunlar[i.column()];
        const bool metinli = !s.cizici && (s.tanim.tur == GosterimTuru::Metin || s.tanim.tur == GosterimTuru::Sayi);
        const QString metin = metinli ? i.data(Qt::DisplayRole).toString() : QString();
        if (!metin.isEmpty()) {
            const QRect alan = visualRect(i).adjusted(kHucreBosluk, 1, -kHucreBosluk, -1);
            const int bayrak = s.tanim.tur == GosterimTuru::Sayi ? 0 : int(Qt::TextWordWrap);
            const QRect gereken = fontMetrics().boundingRect(alan, bayrak, metin);
            if (gereken.width() > alan.width() || gereken.height() > alan.height())
                ipucu = metin;
        }
    }
    if (ipucu.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(olay->globalPos(), ipucu, viewport(), visualRect(i));
    return true;
}

void IzgaraGorunumu::keyboardSearch(const QString& search)
{
    m_izgara->artimliAra(search);
}

void IzgaraGorunumu::keyPressEvent(QKeyEvent* e)
{
    const QString arama = m_izgara->aramaMetni();
    if (!arama.isEmpty() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        switch (e->key()) {
        case Qt::Key_Backspace: {
            const QString kisa = arama.left(arama.size() - 1);
            m_izgara->aramayiBitir();
            if (!kisa.isEmpty())
                m_izgara->artimliAra(kisa);
            e->accept();
            return;
        }
        case Qt::Key_Escape:
            m_izgara->aramayiBitir();
            e->accept();
            return;
        case Qt::Key_Space:
            m_izgara->artimliAra(QStringLiteral(" "));
            e->accept();
            return;
        default: break;
        }
    }
    QTableView::keyPressEvent(e);
}

void IzgaraGorunumu::focusOutEvent(QFocusEvent* e)
{
    m_izgara->aramayiBitir();
    QTableView::focusOutEvent(e);
}

// ---------------------------------------------------------------------------------------
// IzgaraAltBilgi

IzgaraAltBilgi::IzgaraAltBilgi(IzgaraOrtak* ortak, QWidget* parent) : QWidget(parent), m_ortak(ortak)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFixedHeight(30);
}

QSize IzgaraAltBilgi::sizeHint() const
{
    return {100, 30};
}

void IzgaraAltBilgi::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(225, 230, 236));
    IzgaraGorunumu* g = m_ortak->gorunum;
    const QRect vp = g->viewport()->geometry().translated(g->geometry().topLeft());
    p.fillRect(QRect(g->geometry().left(), 0, vp.left() - g->geometry().left(), height()), kGostergeRengi);
    p.setPen(kBaslikArka);
    p.drawLine(0, 0, width(), 0);

    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::black);
    p.setClipRect(QRect(vp.left(), 0, vp.width(), height()));
    QHeaderView* b = m_ortak->baslik;
    for (int i = 0; i < b->count(); ++i) {
        if (b->isSectionHidden(i))
            continue;
        const QString metin = m_ortak->altBilgiMetni(i);
        if (metin.isEmpty())
            continue;
        const QRect hucre =
            QRect(vp.left() + b->sectionViewportPosition(i), 1, b->sectionSize(i), height() - 1)
                .adjusted(kHucreBosluk, 0, -kHucreBosluk, 0);
        p.drawText(hucre, Qt::AlignRight | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(metin, Qt::ElideLeft, hucre.width()));
    }
}

} // namespace zelvar
