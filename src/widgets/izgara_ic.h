#pragma once

// Parts of the grid widget that nothing outside izgara*.cpp uses: the column-mapping model,
// the filter/sort proxy, the cell delegate, the two headers, the view and the footer.

#include "widgets/izgara.h"

#include <QCollator>
#include <QHash>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QSortFilterProxyModel>
#include <QTableView>

#include <optional>
#include <vector>

namespace zelvar {

inline const QColor kBaslikArka(0, 64, 128);
inline const QColor kBaslikYazi(255, 255, 255);
inline const QColor kCiftSatir(239, 239, 239);
inline const QColor kTekSatir(255, 255, 255);
inline const QColor kGostergeRengi(66, 66, 66);
inline const QColor kCizgiRengi(255, 255, 255);
inline const QColor kFiltreEtkin(255, 204, 0);
inline constexpr int kEnAzSutunGenisligi = 20;
inline constexpr int kEnCokSigdirma = 600;
inline constexpr int kBaslikYuksekligi = 40;
inline constexpr int kGostergeGenisligi = 12;
inline constexpr int kFiltreDugmesi = 14;
inline constexpr int kHucreBosluk = 4;

// Upper case by Turkish rules (i -> İ, ı -> I), for comparisons that ignore letter case.
QString turkceBuyuk(QStringView s);

class IzgaraVeriModeli;
class IzgaraSuzgeci;
class IzgaraGorunumu;
class IzgaraBasligi;
class IzgaraGostergesi;
class IzgaraAltBilgi;
class IzgaraTemsilcisi;

struct IzgaraSutunu {
    SutunTanimi tanim;
    int kaynak = -1; // column of the table; -1 when the table lacks the field
    QMap<qint64, QIcon> ikonlar;
    Izgara::HucreCizici cizici;
};

class IzgaraOrtak {
public:
    QList<IzgaraSutunu> sutunlar;
    QColor secimArka{210, 240, 249};
    QColor secimYazi{0, 0, 0};

    SonucModeli* model = nullptr;
    IzgaraVeriModeli* veri = nullptr;
    IzgaraSuzgeci* suzgec = nullptr;
    IzgaraGorunumu* gorunum = nullptr;
    IzgaraBasligi* baslik = nullptr;
    IzgaraGostergesi* gosterge = nullptr;
    IzgaraAltBilgi* altBilgi = nullptr;
    IzgaraTemsilcisi* temsilci = nullptr;

    // Footer values over the displayed rows, computed when first asked after a change.
    bool altBilgiKirli = true;
    QList<double> toplamlar;
    int gorunenSatir = 0;
    void altBilgiHesapla();
    QString altBilgiMetni(int sutun);

    QString baslikMetni(int sutun) const;
    int tabloSatiri(const QModelIndex& gorunumIndeksi) const;
};

// The declared columns over the result model: column i is declaration i, rows are the
// table's rows one to one. Detached, it has no rows and reads nothing.
class IzgaraVeriModeli : public QAbstractTableModel {
    Q_OBJECT
public:
    IzgaraVeriModeli(IzgaraOrtak* ortak, QObject* parent);

    void sutunlariDegistir(const QList<IzgaraSutunu>& sutunlar);
    void setAyrik(bool ayrik);
    bool ayrik() const { return m_ayrik; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void eslemeYenile();

    IzgaraOrtak* m_ortak;
    bool m_ayrik = false;
};

// Header filters (displayed text equals a value) and typed sorting: numbers as numbers,
// dates as dates, texts by the locale's collation, empty cells first.
class IzgaraSuzgeci : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit IzgaraSuzgeci(QObject* parent);

    void setFiltre(int sutun, const QString& deger);
    void filtreKaldir(int sutun);
    void filtreleriTemizle();
    void filtreleriSessizceSil() { m_filtreler.clear(); }
    bool filtreVar(int sutun) const { return m_filtreler.contains(sutun); }
    bool filtreYok() const { return m_filtreler.isEmpty(); }
    QString filtre(int sutun) const { return m_filtreler.value(sutun); }

    // Whether a source row passes every filter except the one on `haric`.
    bool satirUygun(int kaynakSatir, int haric) const;
    // Order of two typed values as the sort uses it.
    bool kucuk(const QVariant& sol, const QVariant& sag) const;

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    void setSourceModel(QAbstractItemModel* kaynak) override;

protected:
    bool filterAcceptsRow(int kaynakSatir, const QModelIndex& parent) const override;
    bool lessThan(const QModelIndex& sol, const QModelIndex& sag) const override;

private:
    // Text columns sort by collation keys made once per load: comparing texts through the
    // collator on every comparison made re-sorting a large result stall the interface.
    void anahtarlariHazirla(int sutun) const;
    void anahtarlariSil() const;

    QHash<int, QString> m_filtreler;
    QCollator m_harmanlayici;
    mutable int m_anahtarSutunu = -1;
    mutable bool m_metinSutunu = false;
    mutable std::vector<std::optional<QCollatorSortKey>> m_anahtarlar;
};

class IzgaraTemsilcisi : public QStyledItemDelegate {
    Q_OBJECT
public:
    IzgaraTemsilcisi(IzgaraOrtak* ortak, QObject* parent);
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    IzgaraOrtak* m_ortak;
};

class IzgaraBasligi : public QHeaderView {
    Q_OBJECT
public:
    IzgaraBasligi(IzgaraOrtak* ortak, QWidget* parent);
    static QFont baslikYazisi();
    // The filter button inside a section's rectangle.
    static QRect filtreDugmesi(const QRect& bolum);

signals:
    void filtreIstendi(int bolum, const QPoint& global);

protected:
    void paintSection(QPainter* p, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    int dugmedekiBolum(const QPoint& konum) const;

    IzgaraOrtak* m_ortak;
    bool m_dugmeBasili = false;
};

// The row indicator: a dark strip with a mark at the focused row.
class IzgaraGostergesi : public QHeaderView {
    Q_OBJECT
public:
    IzgaraGostergesi(IzgaraOrtak* ortak, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* p, const QRect& rect, int logicalIndex) const override;

private:
    IzgaraOrtak* m_ortak;
};

class IzgaraGorunumu : public QTableView {
    Q_OBJECT
public:
    IzgaraGorunumu(Izgara* izgara, IzgaraOrtak* ortak, QWidget* parent);
    void keyboardSearch(const QString& search) override;
    int icerikGenisligi(int sutun) const { return sizeHintForColumn(sutun); }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool viewportEvent(QEvent* e) override;

private:
    Izgara* m_izgara;
    IzgaraOrtak* m_ortak;
};

class IzgaraAltBilgi : public QWidget {
    Q_OBJECT
public:
    IzgaraAltBilgi(IzgaraOrtak* ortak, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    IzgaraOrtak* m_ortak;
};

} // namespace zelvar
