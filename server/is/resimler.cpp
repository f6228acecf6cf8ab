#include "resimler.h"

#include "veri/gorseller.h"

namespace zelvar::is
{

using veri::Sorgu;

QByteArray parcaResmiVer(veri::Veritabani& vt, int stokno)
{
    {
        Sorgu q(vt, QStringLiteral("SELECT veri FROM stok_resim WHERE stokno = ?"));
        q.calistir(stokno);
        if (q.sonraki())
            return q.deger(0).toByteArray();
    }
    veri::ParcaGorunumu p;
    {
        Sorgu q(vt, QStringLiteral("SELECT resim, barkod, adi, marka, model, anagrup FROM stok WHERE stokno = ?"));
        q.calistir(stokno);
        if (!q.sonraki() || q.tamsayi(0) == 0)
            return {};
        p = {stokno, q.metin(1), q.metin(2), q.metin(3), q.metin(4), q.metin(5)};
    }
    // Drawn outside the transaction so the write lock is held only for the insert; a
    // picture drawn by two threads at once is the same picture, and the first one stays.
    const QByteArray resim = veri::parcaResmi(p);
    veri::YazmaIslemi islem(vt);
    Sorgu(vt, QStringLiteral("INSERT INTO stok_resim (stokno, veri) VALUES (?, ?) ON CONFLICT (stokno) DO NOTHING"))
        .calistir(stokno, resim);
    islem.onayla();
    return resim;
}

} // namespace zelvar::is
