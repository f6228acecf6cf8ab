#include "sayikutusu.h"

#include "remote/sayibicimi.h"

#include <QKeyEvent>
#include <QLocale>
#include <QRegularExpressionValidator>

namespace zelvar {

SayiKutusu::SayiKutusu(QWidget* parent) : QLineEdit(parent), m_bicim(QString::fromLatin1(kParaBicimi))
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-+]?[0-9.,]*")), this));
    connect(this, &QLineEdit::textEdited, this, [this](const QString& metin) {
        double d = 0.0;
        if (!metniOku(metin, d))
            return; // a half-typed number keeps the last value that could be read
        m_deger = d;
        emit degerDuzenlendi(d);
    });
    goster();
}

bool SayiKutusu::metniOku(const QString& metin, double& deger)
{
    const QString t = metin.trimmed();
    if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String("+")) {
        deger = 0.0;
        return true;
    }
    bool tamam = false;
    double d = QLocale().toDouble(t, &tamam);
    if (!tamam)
        d = QLocale::c().toDouble(t, &tamam);
    if (!tamam) {
        QString nokta = t;
        nokta.replace(QLatin1Char(','), QLatin1Char('.'));
        d = QLocale::c().toDouble(nokta, &tamam);
    }
    if (tamam)
        deger = d;
    return tamam;
}

void SayiKutusu::setDeger(double deger)
{
    m_deger = deger;
    goster();
}

void SayiKutusu::setSaltOkunur(bool salt)
{
    setReadOnly(salt);
    goster();
}

void SayiKutusu::setBicim(const QString& bicim)
{
    m_bicim = bicim;
    goster();
}

bool SayiKutusu::duzenleniyor() const
{
    return hasFocus() && !isReadOnly();
}

void SayiKutusu::goster()
{
    if (duzenleniyor()) {
        QLocale yerel;
        yerel.setNumberOptions(QLocale::OmitGroupSeparator);
        setText(yerel.toString(m_deger, 'f', QLocale::FloatingPointShortest));
    } else {
        setText(SayiBicimle(m_deger, m_bicim));
    }
}

void SayiKutusu::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    if (!isReadOnly()) {
        goster();
        selectAll();
    }
}

void SayiKutusu::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    goster();
}

void SayiKutusu::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

} // namespace zelvar
