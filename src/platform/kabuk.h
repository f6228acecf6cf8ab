#pragma once

// Handing documents, addresses and programs to the desktop. Each returns whether the
// request was accepted; none waits for the opened program.

#include <QString>
#include <QStringList>

namespace zelvar {

bool AdresAc(const QString& url);
bool DosyaAc(const QString& yol);
bool ProgramCalistir(const QString& yol, const QStringList& argumanlar);

} // namespace zelvar
