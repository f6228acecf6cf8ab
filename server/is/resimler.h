#pragma once

#include "veri/veritabani.h"

#include <QByteArray>

namespace zelvar::is
{

// The JPEG picture of a part, drawn and kept the first time it is asked for; empty when the
// part has no picture or does not exist.
QByteArray parcaResmiVer(veri::Veritabani& vt, int stokno);

} // namespace zelvar::is
