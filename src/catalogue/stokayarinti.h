#pragma once

// The item dialog "Sepete Ekle": the item's codes and pictures, the quantity, and the live
// computation of the discount amount, the tax-inclusive unit price and the total. The callers
// fill it before showing it and read it after "Sipariş ekle"; the dialog itself talks to
// no server (the web picture aside).
//
//     Tstokayarinti d(owner, stokno);
//     d.setKdvoran(20); d.birimfiyat->setDeger(100); ...
//     if (d.exec() == QDialog::Accepted) use(d.adet->value(), d.birimfiyat->deger(), ...);

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

namespace zelvar {

class ResimKutusu;
class SayiKutusu;
class TAsyncResim;

class Tstokayarinti : public QDialog {
    Q_OBJECT

public:
    // `_stokno` is used only for the web picture; without it the dialog asks for id 0.
    explicit Tstokayarinti(QWidget* owner, int _stokno = 0);
    ~Tstokayarinti() override;

    int stokno() const { return m_stokno; }
    void setKdvoran(double oran) { m_kdvoran = oran; }
    double kdvoran() const { return m_kdvoran; }

    // Recomputes "İndirim:", "KDV Dahil:" and "Tutar:" from the price, the quantity, the four
    // rates and the tax rate.
    void Hesapla();

    // The quantity as Hesapla reads it: the whole number in the box, 1 when the text is none.
    int hesapMiktari() const;

    // Header values.
    QLabel* barkod = nullptr;
    QLabel* adi = nullptr;
    QLabel* finishkod = nullptr;
    QLabel* marka = nullptr;
    QLabel* model = nullptr;

    // Pictures: the server's picture, and over it the web picture.
    ResimKutusu* Image1 = nullptr;
    TAsyncResim* AsyncResim1 = nullptr;

    // Discount panel, hidden unless a caller shows it; boxes read-only unless made editable.
    QWidget* GridPanel2 = nullptr;
    SayiKutusu* edindirim1 = nullptr;
    SayiKutusu* edindirim2 = nullptr;
    SayiKutusu* edindirim3 = nullptr;
    SayiKutusu* edindirim4 = nullptr;

    // Quantity 1..10000, focused at start; Enter in it ends the dialog as "Sipariş ekle".
    QSpinBox* adet = nullptr;
    QLabel* Label2 = nullptr; // "Fiyat:"
    SayiKutusu* birimfiyat = nullptr;
    QLabel* indirimoran = nullptr; // "İndirim:"
    SayiKutusu* indtutar = nullptr;
    SayiKutusu* kdvdahiltutar = nullptr;
    SayiKutusu* geneltutar = nullptr;

    QPushButton* ParcaliTus1 = nullptr; // "Sipariş ekle"
    QPushButton* ParcaliTus2 = nullptr; // "Vazgeç"

    void done(int sonuc) override;

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void FormShow();
    void FormActivate();

    int m_stokno = 0;
    double m_kdvoran = 0.0;
    bool m_gosterildi = false;
};

} // namespace zelvar
