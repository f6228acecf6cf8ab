#pragma once

// A small busy indicator: a turning ring of dots shown while a background load runs.
// Hidden until baslat(); its timer runs only while it is started and visible.

#include <QColor>
#include <QWidget>

class QTimer;

namespace zelvar {

class MesgulGostergesi : public QWidget {
    Q_OBJECT
public:
    explicit MesgulGostergesi(QWidget* parent = nullptr);

    void baslat(); // shows the indicator and starts turning
    void durdur(); // stops and hides it
    bool calisiyor() const { return m_calisiyor; }

    void setRenk(const QColor& renk);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    QTimer* m_zaman;
    QColor m_renk{0, 64, 128};
    int m_adim = 0;
    bool m_calisiyor = false;
};

} // namespace zelvar
