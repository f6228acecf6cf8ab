#pragma once

// The stock list tab: the search box's searches and the grid of found items.

#include <QWidget>

namespace zelvar {

class AnaBaglam;
class Izgara;

class StokListesi : public QWidget {
    Q_OBJECT

public:
    StokListesi(AnaBaglam& ana, QWidget* ust);
    Izgara* izgara() const { return cxGrid1DBTableView1; }

private:
    AnaBaglam& m_ana;
    Izgara* cxGrid1DBTableView1 = nullptr;
};

} // namespace zelvar
