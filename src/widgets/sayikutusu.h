#pragma once

// A one-line number box with a display format ("#,###,##0.00" unless told otherwise) and the
// user's regional separators. While the user edits it, it shows the plain number (decimal
// separator, no grouping) so the digits can be changed; it shows the formatted value again
// when it loses the focus. Enter is swallowed: it neither ends the box's dialog nor changes
// anything.

#include <QLineEdit>
#include <QString>

namespace zelvar {

class SayiKutusu : public QLineEdit {
    Q_OBJECT
public:
    explicit SayiKutusu(QWidget* parent = nullptr);

    double deger() const { return m_deger; }
    void setDeger(double deger);

    bool saltOkunur() const { return isReadOnly(); }
    void setSaltOkunur(bool salt);

    QString bicim() const { return m_bicim; }
    void setBicim(const QString& bicim);

    // Reads a typed number: the locale's decimal and group separators, or a plain "." as the
    // decimal point; an empty text is 0. False when the text is no number.
    static bool metniOku(const QString& metin, double& deger);

signals:
    // The user changed the value by typing (not emitted by setDeger).
    void degerDuzenlendi(double deger);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void goster();
    bool duzenleniyor() const;

    double m_deger = 0.0;
    QString m_bicim;
};

} // namespace zelvar
