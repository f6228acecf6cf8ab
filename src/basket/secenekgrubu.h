#pragma once

// A titled group of radio buttons whose entries each carry an identifier: the delivery and
// cargo-type choices of the basket. Entries are numbered from 0 in the order they were added;
// -1 means no entry is selected.

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

namespace zelvar {

class SecenekGrubu : public QGroupBox {
    Q_OBJECT

public:
    SecenekGrubu(const QString& baslik, QWidget* ust);

    // Removes every entry; nothing stays selected.
    void temizle();
    void ekle(const QString& ad, int kimlik);

    int sayi() const { return static_cast<int>(m_dugmeler.size()); }
    int secili() const; // ItemIndex
    void setSecili(int sira); // -1 clears the selection
    QString ad(int sira) const;
    int kimlik(int sira) const;
    QRadioButton* dugme(int sira) const;

signals:
    // The user clicked an entry (not emitted for setSecili).
    void tiklandi();

private:
    QVBoxLayout* m_yerlesim;
    QButtonGroup* m_grup;
    QList<QRadioButton*> m_dugmeler;
    QList<int> m_kimlikler;
    QStringList m_adlar;
};

} // namespace zelvar
