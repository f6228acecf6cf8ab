#include "uygulama.h"

#include "anaform.h"
#include "platform/surec.h"
#include "widgets/sekmeboyayici.h"

#include <QApplication>
#include <QStyleFactory>

namespace zelvar {

void temaUygula()
{
    // The tab painter wraps the base style, so every tab row of the program draws counters.
    sekmeBoyayicisiniKur(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p = QApplication::style()->standardPalette();
    p.setColor(QPalette::Highlight, QColor(210, 240, 249));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Window, QColor(236, 240, 245));
    QApplication::setPalette(p);
}

int uygulamaCalistir(int argc, char** argv)
{
    // The embedded browser shares GL contexts with the widgets; this must precede the application.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("zelvarotomotiv"));
    QApplication::setApplicationName(QStringLiteral("Zelvar Otomotiv B2B Programı"));
    temaUygula();

    auto* anaPencere = new TForm1; // lives for the whole run; the process ends without tearing it down
    if (!anaPencere->FormCreate()) {
        ProgramiSonlandir(0);
        return 0;
    }
    anaPencere->showMaximized();
    return app.exec();
}

} // namespace zelvar
