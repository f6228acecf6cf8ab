#pragma once

// The order confirmation: the order's summary in a fixed-pitch font, the overdue-payment
// warning, the question, and "Evet" / "Hayır". It has no behaviour of its own; the basket
// fills it, shows it and reads the answer (accepted = "Evet").

#include <QDialog>

class QLabel;
class QPushButton;

namespace zelvar {

class TONAYSIP : public QDialog {
    Q_OBJECT

public:
    explicit TONAYSIP(QWidget* owner);

    // The summary, lines joined by CR LF as it is written; the label shows it line by line.
    void setOzet(const QString& ozet);
    QString ozet() const { return m_ozet; }
    void setUyari(const QString& uyari);

    QLabel* Label2 = nullptr; // summary
    QLabel* Label3 = nullptr; // overdue-payment warning
    QLabel* Label1 = nullptr; // the question
    QPushButton* Button1 = nullptr; // "Evet"
    QPushButton* Button2 = nullptr; // "Hayır"

private:
    QString m_ozet;
};

} // namespace zelvar
