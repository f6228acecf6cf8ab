#include "sonucmodeli.h"

#include "remote/sayibicimi.h"

#include <QLocale>

namespace zelvar {

namespace {

// Numbers without a display format: the locale's signs, no grouping, up to 15 significant
// digits (so 0.1 + 0.2 reads 0,3 and not a binary tail).
QLocale duzYerel()
{
    QLocale yerel;
    yerel.setNumberOptions(yerel.numberOptions() | QLocale::OmitGroupSeparator);
    return yerel;
}

QString duzOndalik(double v)
{
    return duzYerel().toString(v, 'g', 15);
}

bool sayisal(AlanTuru t)
{
    switch (t) {
    case AlanTuru::Integer:
    case AlanTuru::LargeInt:
    case AlanTuru::Float:
    case AlanTuru::Currency:
    case AlanTuru::Bcd: return true;
    default: return false;
    }
}

} // namespace

SonucModeli::SonucModeli(QObject* parent) : QAbstractTableModel(parent) {}

void SonucModeli::yukle(SonucTablosu t)
{
    beginResetModel();
    m_tablo = std::move(t);
    endResetModel();
}

void SonucModeli::satirDegisti(int satir)
{
    if (satir < 0 || satir >= m_tablo.satirSayisi() || m_tablo.sutunSayisi() == 0)
        return;
    emit dataChanged(index(satir, 0), index(satir, m_tablo.sutunSayisi() - 1));
}

int SonucModeli::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_tablo.satirSayisi();
}

int SonucModeli::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_tablo.sutunSayisi();
}

QString SonucModeli::bicimle(int sutun, double deger) const
{
    if (sutun < 0 || sutun >= m_tablo.sutunSayisi())
        return {};
    const Sutun& s = m_tablo.sutun(sutun);
    if (sayisal(s.tur) && !s.gosterimBicimi.isEmpty())
        return SayiBicimle(deger, s.gosterimBicimi, QLocale());
    if (s.tur == AlanTuru::Integer || s.tur == AlanTuru::LargeInt)
        return duzYerel().toString(static_cast<qlonglong>(deger));
    return duzOndalik(deger);
}

QString SonucModeli::metin(int satir, int sutun) const
{
    if (m_tablo.bosHucre(satir, sutun))
        return {};
    const Sutun& s = m_tablo.sutun(sutun);
    switch (s.tur) {
    case AlanTuru::Integer:
    case AlanTuru::LargeInt:
        if (!s.gosterimBicimi.isEmpty())
            return SayiBicimle(static_cast<double>(m_tablo.tamsayi(satir, sutun)), s.gosterimBicimi, QLocale());
        return duzYerel().toString(static_cast<qlonglong>(m_tablo.tamsayi(satir, sutun)));
    case AlanTuru::Float:
    case AlanTuru::Currency:
    case AlanTuru::Bcd: {
        const double v = m_tablo.ondalik(satir, sutun);
        if (!s.gosterimBicimi.isEmpty())
            return SayiBicimle(v, s.gosterimBicimi, QLocale());
        return duzOndalik(v);
    }
    case AlanTuru::Boolean: return m_tablo.mantiksal(satir, sutun) ? QStringLiteral("Evet") : QStringLiteral("Hayır");
    case AlanTuru::Date: return m_tablo.deger(satir, sutun).toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case AlanTuru::Time: return m_tablo.deger(satir, sutun).toTime().toString(QStringLiteral("HH:mm:ss"));
    case AlanTuru::DateTime: {
        // A date-time at midnight is a plain date for the user.
        const QDateTime t = m_tablo.deger(satir, sutun).toDateTime();
        if (t.time() == QTime(0, 0))
            return t.date().toString(QStringLiteral("dd.MM.yyyy"));
        return t.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    }
    case AlanTuru::Blob: return {};
    case AlanTuru::String:
    case AlanTuru::Memo: return m_tablo.metin(satir, sutun);
    }
    return {};
}

QVariant SonucModeli::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_tablo.satirSayisi() || index.column() >= m_tablo.sutunSayisi())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (m_tablo.bosHucre(index.row(), index.column()))
            return {};
        return metin(index.row(), index.column());
    case Qt::EditRole:
    case Qt::UserRole: return m_tablo.deger(index.row(), index.column());
    case Qt::TextAlignmentRole:
        if (sayisal(m_tablo.sutun(index.column()).tur))
            return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
        return static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant SonucModeli::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        if (section < 0 || section >= m_tablo.sutunSayisi())
            return {};
        return m_tablo.sutun(section).ad;
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags SonucModeli::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace zelvar
