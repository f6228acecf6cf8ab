#pragma once

// Installation settings read from zelvarb2b.ini (see docs/configuration.md): first in the
// per-user settings folder, else beside the executable, else the built-in defaults.

#include <QString>
#include <QStringList>

namespace zelvar {

struct Yapilandirma {
    QString sunucuHost = QStringLiteral("localhost");
    int sunucuPort = 9090;
    QString webTaban = QStringLiteral("http://localhost:8080/"); // always ends with "/"
    QString guncellemeHost = QStringLiteral("localhost:8080");   // download server, host[:port]
    // Disk serials that share one registration, and the identifier they all get.
    QStringList bilinenDiskler;
    QString bilinenDiskKimligi;

    static inline const QString kDosyaAdi = QStringLiteral("zelvarb2b.ini");

    // Reads one file; what is missing or unusable keeps its default. A missing file gives
    // the defaults.
    static Yapilandirma oku(const QString& dosya);
    // The file that applies: settings folder, else the executable's folder; empty for none.
    static QString dosyaBul();
    // dosyaBul + oku, without caching.
    static Yapilandirma yukle();
    // The settings of this run, loaded on first use; safe from any thread.
    static const Yapilandirma& gecerli();
    // Replaces the settings of this run (tests; before any worker reads them).
    static void setGecerli(const Yapilandirma& y);
};

} // namespace zelvar
