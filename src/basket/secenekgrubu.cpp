#include "secenekgrubu.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zelvar {

SecenekGrubu::SecenekGrubu(const QString& baslik, QWidget* ust)
    : QGroupBox(baslik, ust), m_yerlesim(new QVBoxLayout(this)), m_grup(new QButtonGroup(this))
{
    m_yerlesim->setContentsMargins(6, 4, 6, 4);
    m_yerlesim->setSpacing(2);
    m_yerlesim->addStretch(1);
    connect(m_grup, &QButtonGroup::idClicked, this, [this] { emit tiklandi(); });
}

void SecenekGrubu::temizle()
{
    for (QRadioButton* d : std::as_const(m_dugmeler)) {
        m_grup->removeButton(d);
        delete d;
    }
    m_dugmeler.clear();
    m_kimlikler.clear();
    m_adlar.clear();
}

void SecenekGrubu::ekle(const QString& ad, int kimlik)
{
    // An "&" in a server's name is text, not a keyboard mnemonic.
    auto* d = new QRadioButton(QString(ad).replace(QLatin1Char('&'), QLatin1String("&&")), this);
    m_grup->addButton(d, static_cast<int>(m_dugmeler.size()));
    m_yerlesim->insertWidget(static_cast<int>(m_dugmeler.size()), d);
    m_dugmeler.append(d);
    m_kimlikler.append(kimlik);
    m_adlar.append(ad);
}

int SecenekGrubu::secili() const
{
    for (int i = 0; i < m_dugmeler.size(); ++i)
        if (m_dugmeler[i]->isChecked())
            return i;
    return -1;
}

void SecenekGrubu::setSecili(int sira)
{
    if (sira >= 0 && sira < m_dugmeler.size()) {
        m_dugmeler[sira]->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; it lets go only while not exclusive.
    m_grup->setExclusive(false);
    for (QRadioButton* d : std::as_const(m_dugmeler))
        d->setChecked(false);
    m_grup->setExclusive(true);
}

QString SecenekGrubu::ad(int sira) const
{
    return m_adlar.value(sira);
}

int SecenekGrubu::kimlik(int sira) const
{
    return m_kimlikler.value(sira, 0);
}

QRadioButton* SecenekGrubu::dugme(int sira) const
{
    return m_dugmeler.value(sira, nullptr);
}

} // namespace zelvar
