// The staff console: customer lists, order counters by state and the PDF reports.

#include "ortak.h"

#include "sayibicimi.h"
#include "veri/gorseller.h"
#include "veri/katlama.h"

#include <QMap>

namespace zelvar::is
{

namespace
{

using A = AlanTuru;

constexpr SutunTanimi kCari[] = {
    {"CARIKOD", A::String, 25},
    {"CARIADI", A::String, 100},
    {"SATICISI", A::String, 50},
    {"TLBAKIYE", A::Float},
    {"DURUM", A::String, 20},
    {"SEPET", A::Integer},
    {"ALINDI", A::Integer},
    {"ONAYLANDI", A::Integer},
    {"GORULDU", A::Integer},
    {"HAZIRLANDI", A::Integer},
    {"PARCALIHAZIRLANDI", A::Integer},
    {"CARINO", A::Integer},
    {"OZELKOD", A::String, 30},
    {"KOD1", A::String, 30},
    {"KOD2", A::String, 30},
    {"KOD3", A::String, 30},
    {"KOD4", A::String, 30},
    {"KOD5", A::String, 30},
    {"TEL1", A::String, 30},
    {"TEL2", A::String, 30},
    {"ILCE", A::String, 50},
    {"IL", A::String, 50},
    {"GSM", A::String, 30},
    {"YETKILI", A::String, 50},
    {"INDIRIM", A::String, 50},
    {"VADE", A::Integer},
    {"VADEKONTROLGUN", A::Integer},
    {"VADEKONTROLAY", A::Integer},
    {"VERGIDAIRESI", A::String, 50},
    {"VERGINO", A::String, 20},
    {"ADRES1", A::String, 100},
    {"ADRES2", A::String, 100},
    {"ANAGRUP", A::String, 50},
    {"ALTGRUP", A::String, 50},
    {"FAX1", A::String, 30},
    {"FAX2", A::String, 30},
    {"EMAIL", A::String, 100},
};
constexpr int kIndirimSutunu = 24;

QString cariSecimi()
{
    return QStringLiteral(
        "SELECT c.carikod, c.cariadi, t.adi, "
        "COALESCE((SELECT SUM(h.borc - h.alacak) FROM cari_hareket h WHERE h.carino = c.carino), 0), '', "
        "(SELECT COUNT(*) FROM sepet p WHERE p.carino = c.carino), "
        "(SELECT COUNT(*) FROM siparis o WHERE o.carino = c.carino AND o.durum = 2), "
        "(SELECT COUNT(*) FROM siparis o WHERE o.carino = c.carino AND o.durum = 3), "
        "(SELECT COUNT(*) FROM siparis o WHERE o.carino = c.carino AND o.durum = 4), "
        "(SELECT COUNT(*) FROM siparis o WHERE o.carino = c.carino AND o.durum = 6), "
        "(SELECT COUNT(*) FROM siparis o WHERE o.carino = c.carino AND o.durum = 5), "
        "c.carino, c.ozelkod, c.kod1, c.kod2, c.kod3, c.kod4, c.kod5, c.tel1, c.tel2, c.ilce, c.il, c.gsm, "
        "c.yetkili, '', c.vade, c.vadekontrolgun, c.vadekontrolay, c.vergidairesi, c.vergino, c.adres1, c.adres2, "
        "c.anagrup, c.altgrup, c.fax1, c.fax2, c.email, c.ind1, c.ind2, c.ind3, c.ind4 "
        "FROM cari c JOIN satici t ON t.saticino = c.saticino ");
}

void carileriYaz(IstekBaglami& b, Sorgu& q)
{
    TabloYazici& t = b.tabloBasla(kCari);
    const int n = int(std::size(kCari));
    while (q.sonraki()) {
        t.satirBasla();
        const double bakiye = Yuvarla(q.ondalik(3));
        for (int i = 0; i < n; ++i) {
            if (i == 3)
                t.ondalik(bakiye);
            else if (i == 4)
                t.metin(bakiye > 0   ? QStringLiteral("(B) Borçlu")
                        : bakiye < 0 ? QStringLiteral("(A) Alacaklı")
                                     : QString());
            else if (i == kIndirimSutunu)
                t.metin(indirimYazisi({q.ondalik(n), q.ondalik(n + 1), q.ondalik(n + 2), q.ondalik(n + 3)}));
            else
                hucreYaz(t, kCari[i], q.deger(i));
        }
        t.satirBitir();
    }
    t.bitir();
}

void cariAra(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    personelOturumu(db, b.bilgi(0));
    QStringList kelimeler = veri::kelimeler(metinDenetle(b.metin(1), 200, QStringLiteral("Arama metni")));
    if (kelimeler.size() > 8)
        kelimeler = kelimeler.mid(0, 8);
    QString sql = cariSecimi() + QStringLiteral("WHERE 1 = 1");
    QVariantList degerler;
    // Words hold only letters and digits, so they need no escaping inside the pattern.
    for (const QString& k : std::as_const(kelimeler)) {
        sql += QStringLiteral(" AND c.arama LIKE ?");
        degerler << QStringLiteral("%%1%").arg(k);
    }
    sql += QStringLiteral(" ORDER BY c.carikod");
    Sorgu q(db, sql);
    q.calistirListe(degerler);
    carileriYaz(b, q);
}

void cariSepetVer(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    personelOturumu(db, b.bilgi(0));
    const int n = b.tamsayi(1);
    if (n < 1 || n > 7)
        red(QStringLiteral("Geçersiz sipariş durumu: %1").arg(n));
    Sorgu q(db,
            cariSecimi() +
                (n == 1 ? QStringLiteral("WHERE EXISTS (SELECT 1 FROM sepet p WHERE p.carino = c.carino) AND ? = 1 ")
                        : QStringLiteral("WHERE EXISTS (SELECT 1 FROM siparis o WHERE o.carino = c.carino "
                                         "AND o.durum = ?) ")) +
                QStringLiteral("ORDER BY c.carikod"));
    q.calistir(n);
    carileriYaz(b, q);
}

void sepetSayisi(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    personelOturumu(db, b.bilgi(0));
    Sorgu q(db, QStringLiteral("SELECT COUNT(DISTINCT carino) FROM sepet"));
    q.calistir();
    b.tamsayiDon(q.tek(0).toInt());
}

void tusSonuclariVer(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    personelOturumu(db, b.bilgi(0));
    Sorgu q(db, QStringLiteral("SELECT durum, COUNT(*) FROM siparis GROUP BY durum"));
    q.calistir();
    TTusSonuclari s;
    while (q.sonraki()) {
        const int n = q.tamsayi(1);
        switch (q.tamsayi(0)) {
        case Alindi:
            s.setAlindi(n);
            break;
        case Onaylandi:
            s.setOnaylandi(n);
            break;
        case Goruldu:
            s.setGoruldu(n);
            break;
        case ParcaliHazirlandi:
            s.setParcaliHazirlandi(n);
            break;
        case Hazirlandi:
            s.setHazirlandi(n);
            break;
        case SevkEdildi:
            s.setSevkEdildi(n);
            break;
        default:
            break;
        }
    }
    b.kayitDon(s);
}

QString tarihYazisi(const QString& iso)
{
    const QDate d = QDate::fromString(iso.left(10), Qt::ISODate);
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : iso;
}

veri::PdfBelgesi cariOzeti(Veritabani& db, int carino, const QDate& tarih)
{
    veri::PdfBelgesi belge;
    belge.baslik = QStringLiteral("Cari Özeti");
    {
        Sorgu q(db, QStringLiteral("SELECT c.carikod, c.cariadi, t.adi, c.vade, c.il FROM cari c "
                                   "JOIN satici t ON t.saticino = c.saticino WHERE c.carino = ?"));
        q.calistir(carino);
        if (!q.sonraki())
            red(QStringLiteral("Cari bulunamadı: %1").arg(carino));
        belge.bilgiler = {QStringLiteral("Cari: %1 - %2 (%3)").arg(q.metin(0), q.metin(1), q.metin(4)),
                          QStringLiteral("Satıcı: %1").arg(q.metin(2)),
                          QStringLiteral("Vade: %1 gün").arg(q.tamsayi(3)),
                          QStringLiteral("Tarih: %1").arg(tarih.toString(QStringLiteral("dd.MM.yyyy")))};
    }
    belge.sutunlar = {QStringLiteral("Tarih"), QStringLiteral("Tür"),     QStringLiteral("Evrak No"),
                      QStringLiteral(">Borç"), QStringLiteral(">Alacak"), QStringLiteral(">Bakiye")};
    Sorgu q(db, QStringLiteral("SELECT tarih, turadi, evrak, borc, alacak FROM cari_hareket "
                               "WHERE carino = ? AND tarih < ? ORDER BY tarih, idno"));
    q.calistir(carino, tarih.addDays(1).toString(Qt::ISODate));
    double bakiye = 0;
    while (q.sonraki()) {
        bakiye = Yuvarla(bakiye + q.ondalik(3) - q.ondalik(4));
        belge.satirlar.append({tarihYazisi(q.metin(0)), q.metin(1), q.metin(2), paraYazisi(q.ondalik(3)),
                               paraYazisi(q.ondalik(4)), paraYazisi(bakiye)});
    }
    belge.dipNot = QStringLiteral("%1 tarihi itibarıyla bakiye: %2 TL %3")
                       .arg(tarih.toString(QStringLiteral("dd.MM.yyyy")), paraYazisi(std::abs(bakiye)),
                            bakiye > 0   ? QStringLiteral("(Borçlu)")
                            : bakiye < 0 ? QStringLiteral("(Alacaklı)")
                                         : QString());
    return belge;
}

veri::PdfBelgesi topluAlacakVadeleri(Veritabani& db, const QString& satici, const QDate& tarih)
{
    veri::PdfBelgesi belge;
    belge.baslik = QStringLiteral("Cari Toplu Alacak Vadeleri");
    const QString filtre = satici.trimmed() == QLatin1String(".") ? QString() : veri::katla(satici.trimmed());
    belge.bilgiler = {QStringLiteral("Tarih: %1").arg(tarih.toString(QStringLiteral("dd.MM.yyyy"))),
                      QStringLiteral("Satıcı: %1").arg(filtre.isEmpty() ? QStringLiteral("Tümü") : satici.trimmed())};
    belge.sutunlar = {QStringLiteral("Cari Kod"),    QStringLiteral("Cari Adı"),      QStringLiteral("Satıcı"),
                      QStringLiteral(">Vade (Gün)"), QStringLiteral(">Vadesi Geçen"), QStringLiteral(">Bakiye")};
    Sorgu q(db, QStringLiteral("SELECT c.carino, c.carikod, c.cariadi, t.adi, c.vade FROM cari c "
                               "JOIN satici t ON t.saticino = c.saticino ORDER BY t.adi, c.carikod"));
    q.calistir();
    struct Satir {
        int carino;
        QStringList hucreler;
    };
    QList<Satir> satirlar;
    while (q.sonraki()) {
        // A salesperson is named by the first word of their name, as staff user names are.
        if (!filtre.isEmpty() && !veri::kelimeler(q.metin(3)).contains(filtre))
            continue;
        satirlar.append({q.tamsayi(0), {q.metin(1), q.metin(2), q.metin(3), QString::number(q.tamsayi(4))}});
    }
    q.ham().finish();
    double toplam = 0;
    for (Satir& s : satirlar) {
        Sorgu h(db,
                QStringLiteral("SELECT tarih, vade, borc, alacak FROM cari_hareket WHERE carino = ? AND tarih < ?"));
        h.calistir(s.carino, tarih.addDays(1).toString(Qt::ISODate));
        double bakiye = 0, vadesiGelen = 0, odenen = 0;
        while (h.sonraki()) {
            const QDate d = QDate::fromString(h.metin(0).left(10), Qt::ISODate);
            bakiye += h.ondalik(2) - h.ondalik(3);
            odenen += h.ondalik(3);
            if (h.ondalik(2) > 0 && d.addDays(h.tamsayi(1)) < tarih)
                vadesiGelen += h.ondalik(2);
        }
        s.hucreler << paraYazisi(std::max(0.0, Yuvarla(vadesiGelen - odenen))) << paraYazisi(Yuvarla(bakiye));
        belge.satirlar.append(s.hucreler);
        toplam += bakiye;
    }
    belge.dipNot = QStringLiteral("Toplam bakiye: %1 TL").arg(paraYazisi(Yuvarla(toplam)));
    return belge;
}

veri::PdfBelgesi alisSatisTablosu(Veritabani& db, int carino, const QDate& bas, const QDate& son)
{
    veri::PdfBelgesi belge;
    belge.baslik = QStringLiteral("Cari Alış Satış Tablosu");
    {
        Sorgu q(db, QStringLiteral("SELECT c.carikod, c.cariadi, t.adi FROM cari c "
                                   "JOIN satici t ON t.saticino = c.saticino WHERE c.carino = ?"));
        q.calistir(carino);
        if (!q.sonraki())
            red(QStringLiteral("Cari bulunamadı: %1").arg(carino));
        belge.bilgiler = {
            QStringLiteral("Cari: %1 - %2").arg(q.metin(0), q.metin(1)), QStringLiteral("Satıcı: %1").arg(q.metin(2)),
            QStringLiteral("Dönem: %1 - %2")
                .arg(bas.toString(QStringLiteral("dd.MM.yyyy")), son.toString(QStringLiteral("dd.MM.yyyy")))};
    }
    struct Ay {
        int siparis = 0;
        double siparisTutari = 0, fatura = 0, tahsilat = 0;
    };
    QMap<QString, Ay> aylar;
    const QString a = bas.toString(Qt::ISODate);
    const QString z = son.addDays(1).toString(Qt::ISODate);
    {
        Sorgu q(db, QStringLiteral("SELECT o.tarih, (SELECT COALESCE(SUM(l.nettutar + l.vergitutari), 0) "
                                   "FROM siparis_satir l WHERE l.idno = o.idno) FROM siparis o "
                                   "WHERE o.carino = ? AND o.tarih >= ? AND o.tarih < ?"));
        q.calistir(carino, a, z);
        while (q.sonraki()) {
            Ay& ay = aylar[q.metin(0).left(7)];
            ++ay.siparis;
            ay.siparisTutari += q.ondalik(1);
        }
    }
    {
        Sorgu q(db, QStringLiteral("SELECT tarih, turadi, borc, alacak FROM cari_hareket "
                                   "WHERE carino = ? AND tarih >= ? AND tarih < ?"));
        q.calistir(carino, a, z);
        while (q.sonraki()) {
            Ay& ay = aylar[q.metin(0).left(7)];
            if (q.metin(1).contains(QStringLiteral("Fatura")))
                ay.fatura += q.ondalik(2) - q.ondalik(3);
            else if (q.metin(1) == QLatin1String("Tahsilat"))
                ay.tahsilat += q.ondalik(3);
        }
    }
    belge.sutunlar = {QStringLiteral("Ay"), QStringLiteral(">Sipariş"), QStringLiteral(">Sipariş Tutarı"),
                      QStringLiteral(">Fatura"), QStringLiteral(">Tahsilat")};
    for (auto it = aylar.cbegin(); it != aylar.cend(); ++it)
        belge.satirlar.append({it.key(), QString::number(it->siparis), paraYazisi(Yuvarla(it->siparisTutari)),
                               paraYazisi(Yuvarla(it->fatura)), paraYazisi(Yuvarla(it->tahsilat))});
    return belge;
}

void raporGetir(IstekBaglami& b)
{
    Veritabani& db = vt(b);
    const int raporno = b.tamsayi(0);
    const int idno = b.tamsayi(2);
    const int carino = b.tamsayi(3);
    const QString satici = metinDenetle(b.metin(4), 100, QStringLiteral("Satıcı adı"));
    {
        Sorgu q(db, QStringLiteral("SELECT tip, aktif FROM kullanici WHERE sirano = ?"));
        q.calistir(idno);
        if (!q.sonraki() || q.tamsayi(1) != 1 || (q.tamsayi(0) != 1 && q.tamsayi(0) != 2))
            red(QStringLiteral("Rapor almaya yetkiniz yok"));
    }
    const QDate t1 = oleTarihi(b.ondalik(5));
    const QDate t2 = oleTarihi(b.ondalik(6));
    if (!t1.isValid() || !t2.isValid())
        red(QStringLiteral("Geçersiz tarih"));
    veri::PdfBelgesi belge;
    if (raporno == 6 && carino > 0)
        belge = cariOzeti(db, carino, t1);
    else if (raporno == 6)
        belge = topluAlacakVadeleri(db, satici, t1);
    else if (raporno == 7)
        belge = alisSatisTablosu(db, carino, t1, t2);
    else
        red(QStringLiteral("Bilinmeyen rapor: %1").arg(raporno));
    b.akisDon(veri::pdfYaz(belge));
}

} // namespace

void personelIsleriniKaydet(rpc::Dagitici& d)
{
    d.kaydet("CariAra", cariAra);
    d.kaydet("CariSepetVer", cariSepetVer);
    d.kaydet("SepetSayisi", sepetSayisi);
    d.kaydet("TusSonuclariVer", tusSonuclariVer);
    d.kaydet("RaporGetir", raporGetir);
}

} // namespace zelvar::is
