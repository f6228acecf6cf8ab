#include "sekmeyukle.h"

#include "baglantikontrol.h"
#include "beklesin.h"
#include "izgara.h"
#include "mesaj.h"
#include "mesgul.h"
#include "remote/baglanti.h"
#include "remote/sayibicimi.h"

#include <QPointer>

namespace zelvar {

bool arkaPlandaCagir(Baglanti& klon, const std::function<void(TServerMethods1Client&)>& cagri)
{
    try {
        if (!BaglantiKontrol(klon, 0))
            return true;
        {
            TServerMethods1Client proxy(klon);
            cagri(proxy);
        }
        klon.Close();
        return false;
    } catch (const std::exception&) {
        klon.Close();
        return true;
    }
}

void SekmeYukle(const Baglanti& bagc, SekmeYukleme y)
{
    struct Durum {
        std::unique_ptr<Baglanti> klon;
        SonucTablosu tablo;
        bool hata = false;
    };
    auto d = std::make_shared<Durum>();
    d->klon = bagc.Clone();

    QPointer<Izgara> izgara(y.izgara);
    QPointer<MesgulGostergesi> gosterge(y.gosterge);
    if (gosterge) {
        gosterge->show();
        gosterge->baslat();
    }
    if (izgara)
        izgara->setAyrik(true);

    auto cagri = std::move(y.cagri);
    StartAsync([d, cagri] {
        d->hata = arkaPlandaCagir(*d->klon, [&](TServerMethods1Client& p) {
            d->tablo = cagri(p);
            SayiFormatla(d->tablo);
        });
        d->klon.reset();
    })->Await(
        [d, izgara, gosterge, sonra = std::move(y.sonra)] {
            if (izgara) {
                if (!d->hata)
                    izgara->yukle(std::move(d->tablo));
                izgara->setAyrik(false);
            }
            if (gosterge) {
                gosterge->durdur();
                gosterge->hide();
            }
            if (sonra)
                sonra(d->hata);
            if (d->hata)
                MesajGoster(QString::fromUtf8(kBaglantiKurulamiyor), MesajTuru::Hata, QMessageBox::Ok, 0,
                            QMessageBox::Ok);
        },
        y.pencere);
}

} // namespace zelvar
