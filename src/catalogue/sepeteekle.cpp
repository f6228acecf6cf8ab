#include "sepeteekle.h"

#include "stokayarinti.h"

#include "remote/baglanti.h"
#include "remote/kayitlar.h"
#include "remote/proxim.h"
#include "remote/sonuctablosu.h"
#include "remote/tel.h"
#include "widgets/anabaglam.h"
#include "widgets/asyncresim.h"
#include "widgets/baglantikontrol.h"
#include "widgets/mesaj.h"
#include "widgets/sayikutusu.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QSpinBox>

#include <cmath>

namespace zelvar {

namespace {

// The item's values the basket line needs, taken before the dialog opens so that nothing
// that happens to the list meanwhile can change what is sent.
struct Kalem {
    int stokno = 0;
    QString barkod;
    QString adi;
    double kdv = 0.0;
    int k = 0;
};

Kalem kalemOku(const SonucTablosu& t, int satir)
{
    Kalem k;
    if (satir < 0 || satir >= t.satirSayisi())
        return k;
    k.stokno = static_cast<int>(t.tamsayi(satir, u"STOK_STOKNO"));
    k.barkod = t.metin(satir, u"BARKOD");
    k.adi = t.metin(satir, u"ADI");
    k.kdv = t.ondalik(satir, u"KDV");
    k.k = static_cast<int>(t.tamsayi(satir, u"K"));
    return k;
}

// What the program shows for an error that ends an action: the error's own text.
void hataBildir(const std::exception& e)
{
    MesajGoster(QString::fromUtf8(e.what()), MesajTuru::Hata, QMessageBox::Ok, 0, QMessageBox::Ok);
}

void basliklariDoldur(Tstokayarinti& d, const SonucTablosu& t, int satir)
{
    d.setKdvoran(t.ondalik(satir, u"KDV"));
    d.barkod->setText(t.metin(satir, u"BARKOD"));
    d.adi->setText(t.metin(satir, u"ADI"));
    d.marka->setText(t.metin(satir, u"MARKA"));
    d.finishkod->setText(t.metin(satir, u"FINISHKOD"));
    d.model->setText(t.metin(satir, u"MODEL"));
}

void oranlariDoldur(Tstokayarinti& d, const SonucTablosu& t, int satir)
{
    d.edindirim1->setDeger(t.ondalik(satir, u"IND1"));
    d.edindirim2->setDeger(t.ondalik(satir, u"IND2"));
    d.edindirim3->setDeger(t.ondalik(satir, u"IND3"));
    d.edindirim4->setDeger(t.ondalik(satir, u"IND4"));
}

void duzenlemeyeAc(Tstokayarinti& d)
{
    for (SayiKutusu* k : {d.birimfiyat, d.edindirim1, d.edindirim2, d.edindirim3, d.edindirim4})
        k->setSaltOkunur(false);
}

bool personel(AnaBaglam& ana)
{
    const int tip = ana.bilgi().MusteriTipi();
    return tip == 1 || tip == 2;
}

void kalemiGonder(AnaBaglam& ana, const Kalem& kalem, int miktar, double fiyat, double ind1, double ind2,
                  double ind3, double ind4)
{
    auto kopya = std::make_unique<TSonucBilgisi>();
    kopya->Kopyala(ana.bilgi());
    Baglanti& bagc = ana.baglanti();
    if (!BaglantiKontrol(bagc, 1))
        return;
    int sonuc = 0;
    try {
        TServerMethods1Client proxy(bagc);
        sonuc = proxy.SepetEkle2(std::move(kopya), ana.bilgi().CARINO(), kalem.stokno, kalem.barkod, kalem.adi,
                                 miktar, std::round(kalem.kdv), fiyat, ind1, ana.bilgi().Sirano(), kalem.k, ind2,
                                 ind3, ind4);
    } catch (const std::exception& e) {
        bagc.Close();
        hataBildir(e);
        return;
    }
    bagc.Close();
    if (sonuc == 1)
        ana.sepetiYenile();
}

void gosterVeGonder(AnaBaglam& ana, Tstokayarinti& d, const SonucTablosu& t, int satir)
{
    const Kalem kalem = kalemOku(t, satir);
    if (d.exec() != QDialog::Accepted)
        return;
    kalemiGonder(ana, kalem, d.adet->value(), d.birimfiyat->deger(), d.edindirim1->deger(), d.edindirim2->deger(),
                 d.edindirim3->deger(), d.edindirim4->deger());
}

class ResimHatasi : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace

void StokSepeteEkle(AnaBaglam& ana, const SonucTablosu& tablo, int satir)
{
    if (satir < 0 || satir >= tablo.satirSayisi())
        return;
    const int stokno = static_cast<int>(tablo.tamsayi(satir, u"STOK_STOKNO"));
    Tstokayarinti d(ana.anaPencere(), stokno);
    SunucuResmiYukle(ana, stokno, d.Image1);
    basliklariDoldur(d, tablo, satir);
    if (personel(ana)) {
        duzenlemeyeAc(d);
        d.GridPanel2->setVisible(true);
    }
    const qint64 k = tablo.tamsayi(satir, u"K");
    const QString indirimYazi = tablo.metin(satir, u"INDIRIMYAZI");
    if (k == 0) {
        d.birimfiyat->setDeger(tablo.ondalik(satir, u"FIYAT"));
        oranlariDoldur(d, tablo, satir);
        d.indirimoran->setText(QStringLiteral("İndirim: %") + indirimYazi);
    } else if (k > 0) {
        d.birimfiyat->setDeger(tablo.ondalik(satir, u"FIYAT"));
        oranlariDoldur(d, tablo, satir);
        d.Label2->setText(QStringLiteral("Kampanyalı Fiyat:"));
        d.indirimoran->setText(QStringLiteral("Kampanyalı ") + indirimYazi);
    }
    gosterVeGonder(ana, d, tablo, satir);
}

void YeniSepeteEkle(AnaBaglam& ana, const SonucTablosu& tablo, int satir)
{
    if (satir < 0 || satir >= tablo.satirSayisi())
        return;
    Tstokayarinti d(ana.anaPencere());
    SunucuResmiYukle(ana, static_cast<int>(tablo.tamsayi(satir, u"STOK_STOKNO")), d.Image1);
    basliklariDoldur(d, tablo, satir);
    oranlariDoldur(d, tablo, satir);
    if (personel(ana)) {
        duzenlemeyeAc(d);
        d.GridPanel2->setVisible(true);
    }
    const QString indirimYazi = tablo.metin(satir, u"INDIRIMYAZI");
    d.birimfiyat->setDeger(tablo.ondalik(satir, u"FIYAT"));
    d.indirimoran->setText(QStringLiteral("İndirim:  % ") + indirimYazi);
    if (tablo.tamsayi(satir, u"K") > 0) {
        d.Label2->setText(QStringLiteral("Kampanyalı Fiyat:"));
        d.indirimoran->setText(QStringLiteral("Kampanyalı ") + indirimYazi);
    }
    gosterVeGonder(ana, d, tablo, satir);
}

void KampanyaliSepeteEkle(AnaBaglam& ana, const SonucTablosu& tablo, int satir)
{
    if (satir < 0 || satir >= tablo.satirSayisi())
        return;
    Tstokayarinti d(ana.anaPencere());
    SunucuResmiYukle(ana, static_cast<int>(tablo.tamsayi(satir, u"STOK_STOKNO")), d.Image1);
    basliklariDoldur(d, tablo, satir);
    oranlariDoldur(d, tablo, satir);
    // Staff may change price and rates here, but the discount panel stays hidden.
    if (personel(ana))
        duzenlemeyeAc(d);
    d.GridPanel2->setVisible(false);
    d.birimfiyat->setDeger(tablo.ondalik(satir, u"FIYAT"));
    d.Label2->setText(QStringLiteral("Kampanyalı Fiyat:"));
    d.indirimoran->setText(QStringLiteral("Kampanyalı ") + tablo.metin(satir, u"INDIRIMYAZI"));
    gosterVeGonder(ana, d, tablo, satir);
}

void SepeteEkleGonder(AnaBaglam& ana, const SonucTablosu& tablo, int satir, int miktar, double fiyat, double ind1,
                      double ind2, double ind3, double ind4)
{
    if (satir < 0 || satir >= tablo.satirSayisi())
        return;
    kalemiGonder(ana, kalemOku(tablo, satir), miktar, fiyat, ind1, ind2, ind3, ind4);
}

bool SunucuResmiYukle(AnaBaglam& ana, int stokno, ResimKutusu* hedef)
{
    Baglanti& bagc = ana.baglanti();
    if (!BaglantiKontrol(bagc, 1))
        return false;
    bool gosterildi = false;
    try {
        QByteArray akisBaytlari;
        qint64 boy = 0;
        {
            TServerMethods1Client proxy(bagc);
            akisBaytlari = proxy.ResimVer5(stokno, boy);
        }
        QBuffer akis(&akisBaytlari);
        akis.open(QIODevice::ReadOnly);
        akis.seek(0);
        QByteArray bellek;
        if (boy > 0) {
            char blok[1024];
            for (;;) {
                const qint64 okunan = akis.read(blok, sizeof blok);
                if (okunan > 0)
                    bellek.append(blok, okunan);
                if (okunan < qint64(sizeof blok))
                    break;
            }
        }
        // Nothing to show for "no picture" or for bytes that do not add up to the length.
        if (boy > 0 && bellek.size() == boy) {
            QImage resim;
            if (!resim.loadFromData(bellek, "JPEG"))
                throw ResimHatasi("JPEG resmi okunamadı");
            if (hedef)
                hedef->setResim(resim);
            gosterildi = true;
        }
    } catch (const UzakHata& e) {
        // A stream the transport could not take over whole (its bytes differ from the announced
        // length) is a picture whose bytes do not add up: nothing is shown, nothing said.
        if (e.sinif() != tel::kProtokolHatasi)
            DuzMesaj(e.sinif() + QStringLiteral(": ") + e.mesaj());
    } catch (const ResimHatasi& e) {
        DuzMesaj(QStringLiteral("EResimHatasi: ") + QString::fromUtf8(e.what()));
    } catch (const std::exception& e) {
        DuzMesaj(QStringLiteral("Exception: ") + QString::fromUtf8(e.what()));
    }
    bagc.Close();
    return gosterildi;
}

} // namespace zelvar
