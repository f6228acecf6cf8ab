#include "stoklistesi.h"

#include "sutunlar.h"
#include "widgets/anabaglam.h"
#include "widgets/izgara.h"

#include <QVBoxLayout>

namespace zelvar {

StokListesi::StokListesi(AnaBaglam& ana, QWidget* ust) : QWidget(ust), m_ana(ana)
{
    auto* yerlesim = new QVBoxLayout(this);
    yerlesim->setContentsMargins(0, 0, 0, 0);
    cxGrid1DBTableView1 = new Izgara(this);
    cxGrid1DBTableView1->setObjectName(QStringLiteral("cxGrid1DBTableView1"));
    cxGrid1DBTableView1->setSutunlar(stokSutunlari());
    cxGrid1DBTableView1->setSatirYuksekligi(60);
    yerlesim->addWidget(cxGrid1DBTableView1);
}

} // namespace zelvar
