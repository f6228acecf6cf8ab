#pragma once

// The request window: the firm's request form in an embedded browser, for a workstation the
// server does not know yet, with a "Kapat" button under it.

#include <QDialog>

class QPushButton;
class QUrl;
class QWebEngineView;

namespace zelvar
{

class Tformistekyeni : public QDialog
{
    Q_OBJECT

public:
    explicit Tformistekyeni(QWidget* owner = nullptr);
    ~Tformistekyeni() override;

    // Opens `adres` in the embedded browser as it stands (blanks and Turkish letters included).
    void adresAc(const QString& adres);

    QWebEngineView* sitem = nullptr;
    QPushButton* Button1 = nullptr; // "Kapat"
};

} // namespace zelvar
