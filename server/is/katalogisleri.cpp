// Sign-in, the catalogue, pictures, announcements, account cards and mails.

#include "ortak.h"
#include "resimler.h"
#include "sayibicimi.h"
#include "veri/katlama.h"
#include "veri/sema.h"

#include <QDateTime>

namespace zelvar::is
{

namespace
{

void buyukGetir(IstekBaglami& b)
{
    const QString idsi = b.metin(0);
    TSonucBilgisi k;
    k.setBILGISAYARID(idsi);
    k.setMusteriTipi(0);
    k.setVersion(b.kaynak<IsKaynagi>().ayarlar.istemciSurumu);
    Sorgu q(vt(b),
            QStringLiteral("SELECT u.sirano, u.adi, u.sifre, u.aktif, u.tip, u.mail, c.carino, c.carikod, c.cariadi, "
                           "t.saticino, t.adi, t.telefon, t.mail "
                           "FROM istasyon i JOIN kullanici u ON u.sirano = i.kullanici "
                           "JOIN cari c ON c.carino = u.carino JOIN satici t ON t.saticino = c.saticino "
                           "WHERE i.bilgisayarid = ?"));
    q.calistir(idsi);
    if (q.sonraki()) {
        k.setVarmi(true);
        k.setSirano(q.tamsayi(0));
        k.setADI(q.metin(1));
        k.setSIFRE(q.metin(2));
        k.setAKTIF(q.tamsayi(3));
        k.setMusteriTipi(q.tamsayi(4));
        k.setKullanicimail(q.metin(5));
        k.setCARINO(q.tamsayi(6));
        k.setcarikod(q.metin(7));
        k.setCariAdi(q.metin(8));
        k.setSaticiNo(q.tamsayi(9));
        k.setSaticiAdi(q.metin(10));
        k.setSaticiTelefon(q.metin(11));
        k.setSaticiMail(q.metin(12));
    }
    b.kayitDon(k);
}

int aramaSiniri(IstekBaglami& b)
{
    return b.kaynak<IsKaynagi>().ayarlar.aramaSiniri;
}

void stokAraGetir(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    const QString kod = metinDenetle(b.metin(0), 200, QStringLiteral("Arama metni"));
    const TSonucBilgisi* bilgi = b.bilgi(1);
    if (!bilgi)
        red(QStringLiteral("Oturum bilgisi gönderilmedi"));
    const Oturum o = oturumAc(db, bilgi, bilgi->CARINO());
    FiyatKurali kural;
    kural.oranlar = cariOranlari(db, o.carino);
    kural.kampanyaGorur = o.tip != 4;

    QStringList kelimeler = veri::kelimeler(kod);
    if (kelimeler.size() > 12)
        kelimeler = kelimeler.mid(0, 12);
    for (QString& k : kelimeler)
        k.truncate(40);
    if (kelimeler.isEmpty()) {
        b.tabloBasla(kParcaSutunlari).bitir();
        return;
    }
    const QString sorgu = veri::aramaSorgusu(kelimeler, veri::bitisik(kod).left(60), db.sqliteMi());
    parcaListesi(b, parcaSecimi() + veri::aramaKaynagi(db.sqliteMi()) + QStringLiteral(" LIMIT ?"),
                 {sorgu, qint64(aramaSiniri(b)) + 1}, kural, false);
}

void yenilerVer2(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    FiyatKurali kural;
    kural.oranlar = cariOranlari(db, b.tamsayi(0));
    parcaListesi(b, parcaSecimi() + QStringLiteral("FROM stok s WHERE s.yeni = 1 ORDER BY s.stokno"), {}, kural, true);
}

void kampanyaliVer2(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    FiyatKurali kural;
    kural.oranlar = cariOranlari(db, b.tamsayi(0));
    // `satici` carries the user kind: kind 4 is not offered campaigns.
    kural.kampanyaGorur = b.tamsayi(1) != 4;
    if (!kural.kampanyaGorur) {
        b.tabloBasla(kParcaListesiSutunlari).bitir();
        return;
    }
    parcaListesi(b, parcaSecimi() + QStringLiteral("FROM stok s WHERE s.kampanya = 1 ORDER BY s.stokno"), {}, kural,
                 true);
}

void resimVer5(IstekBaglami& b)
{
    b.akisDon(parcaResmiVer(vt(b), b.tamsayi(0)));
}

TAcilisEkran ekranOku(Sorgu& q)
{
    TAcilisEkran e;
    e.setSiraNo(q.tamsayi(0));
    e.setBaslik(q.metin(1));
    e.setArama(q.metin(2));
    e.setResim(QString::fromLatin1(q.deger(3).toByteArray().toHex().toUpper()));
    return e;
}

void acilisEkranlarVer2(IstekBaglami& b)
{
    TAcilisEkranlariki liste;
    QList<TAcilisEkran> ekranlar;
    Sorgu q(vt(b), QStringLiteral("SELECT sirano, baslik, arama, resim FROM duyuru ORDER BY sirano"));
    q.calistir();
    while (q.sonraki())
        ekranlar.append(ekranOku(q));
    liste.setEkranlar(ekranlar);
    b.kayitDon(liste);
}

void acilisReklamAdet(IstekBaglami& b)
{
    Sorgu q(vt(b), QStringLiteral("SELECT COUNT(*) FROM duyuru"));
    q.calistir();
    b.tamsayiDon(q.tek(0).toInt());
}

void acilisReklamVer(IstekBaglami& b)
{
    const int sira = b.tamsayi(0);
    if (sira < 0)
        red(QStringLiteral("Açılış ekranı sırası 0 ya da daha büyük olmalı"));
    Sorgu q(vt(b), QStringLiteral("SELECT sirano, baslik, arama, resim FROM duyuru ORDER BY sirano LIMIT 1 OFFSET ?"));
    q.calistir(sira);
    if (!q.sonraki())
        red(QStringLiteral("%1. açılış ekranı yok").arg(sira + 1));
    b.kayitDon(ekranOku(q));
}

void mobilCariBilgisiGetir(IstekBaglami& b)
{
    const int sirano = b.tamsayi(0);
    const QString idsi = b.metin(1);
    // 0 looks the account up by the workstation; another number names the account itself.
    const QString kosul = sirano == 0
                              ? QStringLiteral("c.carino = (SELECT u2.carino FROM istasyon i2 JOIN kullanici u2 "
                                               "ON u2.sirano = i2.kullanici WHERE i2.bilgisayarid = ?)")
                              : QStringLiteral("c.carino = ?");
    Sorgu q(vt(b), QStringLiteral("SELECT c.carino, c.carikod, c.cariadi, c.il, c.ilce, c.fax1, c.fax2, c.email, "
                                  "c.mail, c.vergidairesi, c.vergino, c.yetkili, c.anagrup, c.altgrup, c.tel1, "
                                  "c.tel2, c.gsm, c.adres1, c.adres2, c.ulke, c.ozelkod, t.adi, t.mail, t.telefon, "
                                  "(SELECT COALESCE(SUM(h.borc), 0) FROM cari_hareket h WHERE h.carino = c.carino), "
                                  "(SELECT COALESCE(SUM(h.alacak), 0) FROM cari_hareket h WHERE h.carino = c.carino), "
                                  "(SELECT u.adi FROM istasyon i JOIN kullanici u ON u.sirano = i.kullanici "
                                  " WHERE i.bilgisayarid = ? AND u.carino = c.carino), "
                                  "(SELECT u.sifre FROM istasyon i JOIN kullanici u ON u.sirano = i.kullanici "
                                  " WHERE i.bilgisayarid = ? AND u.carino = c.carino) "
                                  "FROM cari c JOIN satici t ON t.saticino = c.saticino WHERE ") +
                       kosul);
    if (sirano == 0)
        q.calistir(idsi, idsi, idsi);
    else
        q.calistir(idsi, idsi, sirano);
    if (!q.sonraki()) {
        b.nesneYokDon();
        return;
    }
    TMobilCariBilgisi m;
    m.setBILGISAYARID(idsi);
    m.setCARINO(q.tamsayi(0));
    m.setCARIKOD(q.metin(1));
    m.setCARIADI(q.metin(2));
    m.setSEHIR(q.metin(3));
    m.setILCE(q.metin(4));
    m.setFAX1(q.metin(5));
    m.setFAX2(q.metin(6));
    m.setEMAIL(q.metin(7));
    m.setMAIL(q.metin(8));
    m.setVERGIDAIRESI(q.metin(9));
    m.setVERGINO(q.metin(10));
    m.setYETKILI(q.metin(11));
    m.setAnaGrup(q.metin(12));
    m.setAltGrup(q.metin(13));
    m.setTEL1(q.metin(14));
    m.setTEL2(q.metin(15));
    m.setGSM(q.metin(16));
    m.setADRES1(q.metin(17));
    m.setADRES2(q.metin(18));
    m.setULKE(q.metin(19));
    m.setOzelKod(q.metin(20));
    m.setSATICIADI(q.metin(21));
    m.setSATICIMAIL(q.metin(22));
    m.setSATICITELEFON(q.metin(23));
    const double borc = q.ondalik(24);
    const double alacak = q.ondalik(25);
    m.setTLBORC(Yuvarla(borc));
    m.setTLALACAK(Yuvarla(alacak));
    m.setTLBAKIYE(Yuvarla(borc - alacak));
    m.setKULLANICIADI(q.metin(26));
    m.setSIFRE(q.metin(27));
    b.kayitDon(m);
}

void postaYaz(IstekBaglami& b, bool normal)
{
    QStringList alanlar;
    const int n = normal ? 17 : 16;
    for (int i = 0; i < n; ++i)
        alanlar << metinDenetle(b.metin(i), i == 16 ? 20000 : 2000, QStringLiteral("Mail alanı"));
    if (!normal)
        alanlar << QString();
    Veritabani& db = vt(b);
    YazmaIslemi islem(db);
    Sorgu q(db,
            QStringLiteral("INSERT INTO giden_posta (tarih, tur, bilgisayarid, baslik, firmaadi, adres1, adres2, "
                           "ilce, sehir, telefon, fax, vd, vn, yetkili, kullaniciadi, sifre, mail, kargoambar, konu) "
                           "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?) RETURNING sirano"));
    q.calistir(QDateTime::currentDateTime().toString(Qt::ISODate),
               normal ? QStringLiteral("mail") : QStringLiteral("istek"), alanlar[0], alanlar[1], alanlar[2],
               alanlar[3], alanlar[4], alanlar[5], alanlar[6], alanlar[7], alanlar[8], alanlar[9], alanlar[10],
               alanlar[11], alanlar[12], alanlar[13], alanlar[14], alanlar[15], alanlar[16]);
    const int no = q.sonraki() ? q.tamsayi(0) : 0;
    q.ham().finish();
    islem.onayla();
    b.tamsayiDon(no > 0 ? 1 : 0);
}

} // namespace

void katalogIsleriniKaydet(rpc::Dagitici& d)
{
    d.kaydet("BuyukGetir", buyukGetir);
    d.kaydet("StokAraGetir", stokAraGetir);
    d.kaydet("YenilerVer2", yenilerVer2);
    d.kaydet("KampanyaliVer2", kampanyaliVer2);
    d.kaydet("ResimVer5", resimVer5);
    d.kaydet("AcilisEkranlarVer2", acilisEkranlarVer2);
    d.kaydet("AcilisReklamAdet", acilisReklamAdet);
    d.kaydet("AcilisREklamVer", acilisReklamVer);
    d.kaydet("MobilCariBilgisiGetir", mobilCariBilgisiGetir);
    d.kaydet("MailGonserCari", [](IstekBaglami& b) { postaYaz(b, false); });
    d.kaydet("MailGonserCariNormal", [](IstekBaglami& b) { postaYaz(b, true); });
}

} // namespace zelvar::is
