#pragma once

// The one grid every list of the program uses. A window declares its columns as data
// (SutunTanimi) and loads result tables into it; the grid shows the declared columns in the
// declared order, bound to the table's fields by name, whatever the server sends.
//
// Read-only, whole-row selection, sortable by header click, a filter button in every header,
// a header menu for choosing the offered columns and for best fit, incremental search by
// typing, a footer with sums and counts. Rows are addressed by their table row (the row of
// tablo()), never by the displayed position, so sorting and filtering cannot mix them up.

#include "widgets/sonucmodeli.h"

#include <QColor>
#include <QIcon>
#include <QList>
#include <QMap>
#include <QStyleOptionViewItem>
#include <QWidget>

#include <functional>
#include <memory>

class QMenu;
class QPainter;
class QTableView;
class QTimer;

namespace zelvar {

enum class GosterimTuru {
    Metin, // text, wrapped, vertically centred
    Sayi,  // number, right-aligned
    Onay,  // check box: ticked for a value other than 0
    Ikon,  // an icon chosen by the cell's value (setIkonlar); no icon for unknown values
    Ozel,  // drawn by the window (setHucreCizici)
};

struct SutunTanimi {
    QString alan;   // the table field, matched ignoring case; a field the table lacks shows empty cells
    QString baslik; // header caption; empty: the field name
    int agirlik = 0; // width weight for agirligaGoreBoyutla
    bool gorunur = true;
    bool sunulan = true; // listed in the header's column menu
    GosterimTuru tur = GosterimTuru::Metin;
    bool toplam = false; // footer shows the sum of the displayed rows
    // Extras with neutral defaults.
    Qt::Alignment hizalama = {}; // horizontal alignment of the cells; none: by kind
    bool sayac = false;          // footer shows the number of displayed rows
    bool aramada = true;         // typing searches this column when it has the focus
};

class IzgaraOrtak;

class Izgara : public QWidget {
    Q_OBJECT
public:
    using HucreCizici = std::function<void(QPainter*, const QStyleOptionViewItem&, int tabloSatiri)>;

    explicit Izgara(QWidget* parent = nullptr);
    ~Izgara() override;

    // Replaces the declared columns; filters and the sort order are cleared, visibility
    // follows the declaration.
    void setSutunlar(const QList<SutunTanimi>& sutunlar);
    // The declarations with their current visibility.
    QList<SutunTanimi> sutunlar() const;

    SonucModeli* model();
    // Swaps in a new table. Column widths, visibility, the sort order and the filters stay;
    // the first displayed row gets the focus.
    void yukle(SonucTablosu t);
    const SonucTablosu& tablo() const;

    // Visibility and offering in the column menu, for the user-kind adaptations. Unknown
    // fields are ignored.
    void sutunAyarla(QStringView alan, bool gorunur, bool sunulan);
    void setSutunGorunur(QStringView alan, bool gorunur);
    bool sutunGorunur(QStringView alan) const;
    bool sutunSunulan(QStringView alan) const;
    void setSutunGenisligi(QStringView alan, int px);
    int sutunGenisligi(QStringView alan) const;

    QTableView* gorunum();

    // Table row of the focused row as the user sees it (through sort and filter); -1 when
    // no row is focused.
    int odakSatiri() const;
    // Field of the focused column; empty when none.
    QString odakAlani() const;
    // Focuses the displayed row showing the given table row; nothing when it is filtered out.
    void odakla(int tabloSatiri);
    // Displayed rows in display order, for exports and walks over what the user sees.
    int gorunenSatirSayisi() const;
    int tabloSatiri(int gorunenSatir) const;

    void setSatirYuksekligi(int px);
    int satirYuksekligi() const;
    void setSecimRenkleri(const QColor& arka, const QColor& yazi);
    void setIkonlar(QStringView alan, const QMap<qint64, QIcon>& ikonlar);
    // The function draws the cell's content; its background (row colour or selection) is
    // already filled. option.backgroundBrush holds that colour, option.palette's Text colour
    // the text colour to use, option.state has State_Selected on the selected row.
    void setHucreCizici(QStringView alan, HucreCizici cizici);

    // Fits the visible columns to their captions and to the contents of a bounded sample of
    // rows around the top of the view.
    void enIyiSigdir();
    // Each visible column gets weight x ((viewport width - kenarPayi) / sum of visible
    // weights, whole number); no visible weight leaves the widths as they are.
    void agirligaGoreBoyutla(int kenarPayi = 30);

    // Detached while a background load runs: the grid is disabled, not repainted, and reads
    // nothing from the table. Re-attaching shows the current table; when no new table came
    // meanwhile the focus and scroll position come back.
    void setAyrik(bool ayrik);
    bool ayrik() const;

    // Footer: shown when a column asks for a sum or a count, or when set here.
    void setAltBilgiGorunur(bool gorunur);
    bool altBilgiGorunur() const;
    double toplam(QStringView alan) const;        // sum over the displayed rows
    QString altBilgiMetni(QStringView alan) const; // the footer's text under the column

    // Header filters: a column shows only rows whose displayed text equals the value.
    void setFiltre(QStringView alan, const QString& deger);
    void filtreKaldir(QStringView alan);
    void filtreleriTemizle();
    bool filtreVar(QStringView alan) const;
    // Distinct displayed values of the column among the rows the other filters let through,
    // in the column's order; an empty value stands for blank cells.
    QStringList filtreDegerleri(QStringView alan) const;

    // The header menu (column choice, best fit, filter removal) and a column's filter menu;
    // new menus owned by the grid, for the caller to show or delete.
    QMenu* sutunMenusu(int gorunumSutunu = -1);
    QMenu* filtreMenusu(int gorunumSutunu);

    // Row context menu, shown on right click after focusing the row under the mouse. Not owned.
    void setBaglamMenusu(QMenu* menu);

    // Incremental search as typing drives it: extends the typed text and focuses the first
    // displayed row whose searched column starts with it (case-insensitive, Turkish rules).
    // Returns false and keeps the text when no row matches.
    bool artimliAra(const QString& ek);
    QString aramaMetni() const;
    void aramayiBitir();

signals:
    void satirCiftTiklandi(int tabloSatiri);
    void odakDegisti(int tabloSatiri);
    void sutunGorunurlukDegisti(const QString& alan, bool gorunur);
    void boyutDegisti();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    int sutunIndeksi(QStringView alan) const;
    int aramaSutunu() const;
    void odakDegistiIc();
    void gorunurlukUygula(int sutun, bool gorunur, bool bildir);
    void ilkSatiraOdaklan();
    void altBilgiyiGuncelle();
    void baslikMenusunuGoster(const QPoint& konum);
    void filtreMenusunuGoster(int sutun, const QPoint& global);
    void baglamMenusunuGoster(const QPoint& konum);

    std::unique_ptr<IzgaraOrtak> m_ortak;
    QMenu* m_baglamMenusu = nullptr;
    QTimer* m_aramaZamani = nullptr;
    QString m_arama;
    int m_aramaSutunu = -1;
    bool m_aramaOdakliyor = false;
    int m_sonOdak = -1;
    bool m_ayrik = false;
    bool m_ayrikkenYuklendi = false;
    int m_ayrikOdak = -1;
    int m_ayrikKaydirma = 0;
    bool m_altBilgiZorla = false;
};

} // namespace zelvar
