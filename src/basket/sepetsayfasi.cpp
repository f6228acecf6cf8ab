#include "sepetsayfasi.h"

#include "sutunlar.h"
#include "widgets/anabaglam.h"
#include "widgets/izgara.h"

#include <QVBoxLayout>

namespace zelvar {

SepetSayfasi::SepetSayfasi(AnaBaglam& ana, QWidget* ust) : QWidget(ust), m_ana(ana)
{
    auto* yerlesim = new QVBoxLayout(this);
    yerlesim->setContentsMargins(0, 0, 0, 0);
    cxGrid2 = new Izgara(this);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2->setSutunlar(sepetSutunlari());
    yerlesim->addWidget(cxGrid2);
}

void SepetSayfasi::SepetGetir()
{
}

const SonucTablosu& SepetSayfasi::sepet() const
{
    return cxGrid2->tablo();
}

void SepetSayfasi::SepetSatirDuzenle(int)
{
}

} // namespace zelvar
