#pragma once

// Table model over one in-memory result table. The table is held by value: a load hands a
// finished table over and the model swaps it in with a single reset. Cells are formatted
// only when a view asks for them, so a load of any size costs nothing here.
//
// Roles: DisplayRole is the text the user sees (the column's display format with the
// default locale's separators; dates as dd.MM.yyyy); EditRole and Qt::UserRole give the
// typed value, so sorting and filtering treat numbers as numbers. A null cell has no value.

#include "remote/sonuctablosu.h"

#include <QAbstractTableModel>

namespace zelvar {

class SonucModeli : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SonucModeli(QObject* parent = nullptr);

    // Replaces columns and rows with one model reset.
    void yukle(SonucTablosu t);
    const SonucTablosu& tablo() const { return m_tablo; }
    // For local changes of cell values; report each changed row with satirDegisti. Adding or
    // removing rows or columns through this reference needs a yukle instead.
    SonucTablosu& tablo() { return m_tablo; }
    void satirDegisti(int satir);

    // The display text of one cell, as DisplayRole gives it.
    QString metin(int satir, int sutun) const;
    // A number formatted the way the column shows its cells (footer sums use it).
    QString bicimle(int sutun, double deger) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    SonucTablosu m_tablo;
};

} // namespace zelvar
