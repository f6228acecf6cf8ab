#pragma once

// The basket tab: the basket's lines, totals, delivery and cargo choices and sending.

#include "remote/sonuctablosu.h"

#include <QWidget>

namespace zelvar {

class AnaBaglam;
class Izgara;

class SepetSayfasi : public QWidget {
    Q_OBJECT

public:
    SepetSayfasi(AnaBaglam& ana, QWidget* ust);
    Izgara* izgara() const { return cxGrid2; }

    // Reloads the basket as a whole from the server.
    void SepetGetir();
    const SonucTablosu& sepet() const;
    // Opens the item dialog for the basket line `sirano`.
    void SepetSatirDuzenle(int sirano);

private:
    AnaBaglam& m_ana;
    Izgara* cxGrid2 = nullptr;
};

} // namespace zelvar
