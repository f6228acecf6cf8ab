#include "demoveri.h"

#include "gorseller.h"
#include "is/hesap.h"
#include "katlama.h"
#include "sayibicimi.h"
#include "sema.h"
#include "veritabani.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>

#include <array>
#include <stdexcept>

namespace zelvar::veri
{

using namespace zelvar::is;

namespace
{

// A small deterministic generator (splitmix64): the same seed gives the same data everywhere.
class Zar
{
public:
    explicit Zar(quint64 tohum) : m_durum(tohum) {}
    quint64 sonraki()
    {
        quint64 z = (m_durum += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int aralik(int alt, int ust) { return alt + int(sonraki() % quint64(ust - alt + 1)); }
    bool olasilik(int yuzde) { return int(sonraki() % 100) < yuzde; }
    template <typename T> const T& sec(const QList<T>& l) { return l[int(sonraki() % quint64(l.size()))]; }

private:
    quint64 m_durum;
};

struct ParcaTuru {
    const char* adi;
    const char* digerAdi;
    const char* grup;
    double fiyat;
    bool takim;
};

const ParcaTuru kParcaTurleri[] = {
    {"FREN BALATASI ÖN", "ÖN BALATA TAKIMI", "FREN", 420, true},
    {"FREN BALATASI ARKA", "ARKA BALATA TAKIMI", "FREN", 380, true},
    {"FREN DİSKİ ÖN", "ÖN DİSK", "FREN", 690, false},
    {"FREN DİSKİ ARKA", "ARKA DİSK", "FREN", 610, false},
    {"FREN KALİPERİ SOL", "KALİPER", "FREN", 1450, false},
    {"ABS SENSÖRÜ ÖN", "TEKER HIZ SENSÖRÜ", "FREN", 520, false},
    {"YAĞ FİLTRESİ", "MOTOR YAĞ FİLTRESİ", "FİLTRE", 110, false},
    {"HAVA FİLTRESİ", "MOTOR HAVA FİLTRESİ", "FİLTRE", 180, false},
    {"POLEN FİLTRESİ", "KABİN FİLTRESİ", "FİLTRE", 150, false},
    {"YAKIT FİLTRESİ", "MAZOT FİLTRESİ", "FİLTRE", 240, false},
    {"AMORTİSÖR ÖN SAĞ", "ÖN SÜSPANSİYON AMORTİSÖRÜ", "SÜSPANSİYON", 1250, false},
    {"AMORTİSÖR ARKA", "ARKA AMORTİSÖR", "SÜSPANSİYON", 980, false},
    {"SALINCAK ÖN ALT SOL", "ALT KOL", "SÜSPANSİYON", 870, false},
    {"ROTİL ALT", "ROTİL", "SÜSPANSİYON", 260, false},
    {"ROT BAŞI", "ROT UCU", "SÜSPANSİYON", 210, false},
    {"VİRAJ DEMİR LASTİĞİ", "Z ROT BURCU", "SÜSPANSİYON", 90, false},
    {"TRİGER SETİ", "EKSANTRİK KAYIŞ SETİ", "MOTOR", 1850, true},
    {"SU POMPASI", "DEVİRDAİM POMPASI", "SOĞUTMA", 760, false},
    {"TERMOSTAT", "TERMOSTAT GÖVDESİ", "SOĞUTMA", 230, false},
    {"RADYATÖR", "MOTOR SOĞUTMA RADYATÖRÜ", "SOĞUTMA", 2300, false},
    {"SİLİNDİR KAPAK CONTASI", "KAPAK CONTASI", "MOTOR", 540, false},
    {"KRANK KEÇESİ ÖN", "KRANK KEÇE", "MOTOR", 120, false},
    {"MOTOR KULAĞI SAĞ", "MOTOR TAKOZU", "MOTOR", 480, false},
    {"BUJİ", "ATEŞLEME BUJİSİ", "ELEKTRİK", 95, false},
    {"ATEŞLEME BOBİNİ", "BOBİN", "ELEKTRİK", 640, false},
    {"MARŞ MOTORU", "STARTER", "ELEKTRİK", 3100, false},
    {"ŞARJ DİNAMOSU", "ALTERNATÖR", "ELEKTRİK", 3600, false},
    {"ISI SENSÖRÜ", "HARARET MÜŞÜRÜ", "ELEKTRİK", 160, false},
    {"DEBRİYAJ SETİ", "KAVRAMA SETİ", "ŞANZIMAN", 2650, true},
    {"DEBRİYAJ RULMANI", "BASKI RULMANI", "ŞANZIMAN", 420, false},
    {"AKS KÖRÜĞÜ", "AKS TOZ KÖRÜĞÜ", "ŞANZIMAN", 140, false},
    {"TEKER RULMANI ÖN", "PORYA RULMANI", "ŞANZIMAN", 560, false},
    {"FAR SOL", "ÖN FAR SOL", "AYDINLATMA", 1900, false},
    {"STOP LAMBASI SAĞ", "ARKA STOP SAĞ", "AYDINLATMA", 780, false},
    {"SİS FARI", "ÖN SİS LAMBASI", "AYDINLATMA", 450, false},
    {"ÇAMURLUK ÖN SOL", "ÖN ÇAMURLUK", "KAPORTA", 1150, false},
    {"DİKİZ AYNASI SOL", "YAN AYNA SOL", "KAPORTA", 890, false},
    {"KAPI KOLU DIŞ", "DIŞ KAPI KOLU", "KAPORTA", 210, false},
    {"CAM KRİKOSU ÖN SAĞ", "CAM MEKANİZMASI", "KAPORTA", 680, false},
    {"SİLECEK SÜPÜRGESİ", "SİLECEK LASTİĞİ", "KAPORTA", 130, true},
    {"V KAYIŞI", "ALTERNATÖR KAYIŞI", "MOTOR", 170, false},
    {"EGZOZ SUSTURUCU ARKA", "ARKA SUSTURUCU", "MOTOR", 940, false},
};

struct Marka {
    const char* adi;
    QList<const char*> modeller;
};

const QList<Marka>& markalar()
{
    static const QList<Marka> l = {
        {"DORVEN", {"D3 1.4", "D3 1.6", "D5 SEDAN", "D5 COMBI", "DX VAN"}},
        {"KALMIRA", {"K2 1.2", "K4 1.5 DCI", "K7 PLUS"}},
        {"TESSOR", {"T-ONE", "T-LINE 2.0", "T-CARGO"}},
        {"VIRANO", {"V1 1.0", "V3 1.3", "V3 SPORT", "V8 PANELVAN"}},
        {"ORMENA", {"ORA 1.6", "ORA 2.0 TDI", "ORX"}},
        {"BELTAR", {"B10", "B20 HB", "B40 KAMYONET"}},
        {"KUVANO", {"KV MINI", "KV CITY 1.2"}},
        {"ALTORA", {"A4 1.4 T", "A6 2.0", "A9 SUV"}},
        {"MIRVEL", {"M-CITY", "M-TOUR 1.6"}},
        {"NOVESSA", {"N5", "N7 HYBRID"}},
    };
    return l;
}

struct CariTanimi {
    const char* kod;
    const char* adi;
    const char* yetkili;
    const char* ilce;
    const char* il;
    int satici;
    Oranlar oranlar;
    int vade;
};

const CariTanimi kCariler[] = {
    {"120.01.001", "Akdeniz Oto Yedek Parça Ltd. Şti.", "Orhan Tekin", "Muratpaşa", "Antalya", 1, {25, 10, 5, 0}, 30},
    {"120.01.002", "Boğaziçi Otomotiv San. ve Tic. A.Ş.", "Kemal Şahin", "Kağıthane", "İstanbul", 1, {20, 5, 0, 0}, 45},
    {"120.01.003", "Çukurova Parça Dünyası", "Tuncay Yücel", "Seyhan", "Adana", 2, {30, 0, 0, 0}, 30},
    {"120.01.004", "Dörtyol Oto Market", "Osman Güler", "Dörtyol", "Hatay", 2, {15, 5, 2.5, 0}, 60},
    {"120.01.005", "Ege Yıldızı Otomotiv", "Zeynep Öztürk", "Bornova", "İzmir", 3, {22, 8, 0, 0}, 30},
    {"120.01.006", "Fırat Oto Yedek", "Hasan Çelik", "Merkez", "Elazığ", 3, {18, 0, 0, 0}, 30},
    {"120.01.007", "Güneydoğu Parça Merkezi", "Mehmet Aras", "Şehitkamil", "Gaziantep", 2, {25, 5, 0, 0}, 45},
    {"120.01.008", "Hisar Otomotiv", "Ayşe Karaca", "Osmangazi", "Bursa", 1, {20, 10, 0, 0}, 30},
    {"120.01.009", "Işıklar Oto Elektrik", "Burak Işık", "Yenimahalle", "Ankara", 3, {12, 0, 0, 0}, 15},
    {"120.01.010", "Kaçkar Oto Parça", "Gökhan Uzun", "Merkez", "Rize", 1, {28, 4, 0, 0}, 30},
    {"120.01.011", "Meriç Otomotiv", "Selim Doğan", "Merkez", "Edirne", 2, {20, 0, 0, 0}, 30},
    {"120.01.012", "Sakarya Yedek Parça Ltd.", "Ebru Aksoy", "Adapazarı", "Sakarya", 3, {24, 6, 3, 1}, 45},
};

QString yazi(const char* s)
{
    return QString::fromUtf8(s);
}

QString tarihMetni(const QDate& d)
{
    return d.toString(Qt::ISODate);
}

QString zamanMetni(const QDate& d, int saat, int dakika)
{
    return QDateTime(d, QTime(saat, dakika)).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

struct Parca {
    int stokno;
    QString barkod, adi;
    double fiyat;
    double kampfiyat;
    double kdv;
    bool kampanya;
};

void stoklariYaz(Veritabani& vt, int n, QList<Parca>& ornekler)
{
    Zar zar(0x5A454C564152ull);
    const QString sql = QStringLiteral(
        "INSERT INTO stok (stokno, barkod, adi, digeradi, marka, model, finishkod, oem1, oem2, oem3, oem4, oemno, "
        "ureticikodu, anagrup, ozelkod, birim, dpkod, pkod, barkod_barkodno, departman, durum, resim, yeni, "
        "kampanya, kdv, listefiyat, kampfiyat, kalan, alinansiparis, verilensiparis) "
        "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    QSqlQuery& q = vt.hazirla(sql);
    const int turSayisi = int(std::size(kParcaTurleri));
    const auto& mlist = markalar();
    for (int i = 1; i <= n; ++i) {
        const ParcaTuru& t = kParcaTurleri[(i - 1) % turSayisi];
        const Marka& m = mlist[int(zar.sonraki() % quint64(mlist.size()))];
        const QString model = yazi(m.modeller[int(zar.sonraki() % quint64(m.modeller.size()))]);
        const QString barkod = QStringLiteral("ZV%1").arg(i - 1, 6, 10, QLatin1Char('0'));
        const QString adi = yazi(t.adi) + QLatin1Char(' ') + model;
        auto oem = [&] {
            return QStringLiteral("%1%2%3 %4 %5")
                .arg(zar.aralik(1, 9))
                .arg(QChar(u'A' + zar.aralik(0, 25)))
                .arg(zar.aralik(0, 9))
                .arg(zar.aralik(100, 999))
                .arg(zar.aralik(100, 999));
        };
        const QString oem1 = oem();
        const QString oem2 = zar.olasilik(60) ? oem() : QString();
        const QString oem3 = zar.olasilik(30) ? oem() : QString();
        const QString oem4 = zar.olasilik(10) ? oem() : QString();
        const QString uretici = QStringLiteral("KP-%1").arg(zar.aralik(10000, 99999));
        const QString finish = QStringLiteral("F%1").arg(zar.aralik(10000, 99999));
        const int d = zar.aralik(0, 99);
        const int durum = d < 55 ? 1 : d < 65 ? 0 : d < 73 ? 2 : d < 85 ? 3 : d < 92 ? 4 : 5;
        const bool resim = zar.olasilik(60);
        const bool yeni = zar.olasilik(3);
        const bool kampanya = zar.olasilik(6);
        const double kdv = zar.olasilik(95) ? 20.0 : 10.0;
        const double fiyat = Yuvarla(t.fiyat * (70 + zar.aralik(0, 90)) / 100.0);
        const double kampfiyat = kampanya ? Yuvarla(fiyat * 0.85) : 0.0;
        const double kalan = durum == 1 ? zar.aralik(1, 200) : 0;
        int k = 0;
        auto b = [&](const auto& v) { q.bindValue(k++, baglanacak(v)); };
        b(i);
        b(barkod);
        b(adi);
        b(yazi(t.digerAdi));
        b(yazi(m.adi));
        b(model);
        b(finish);
        b(oem1);
        b(oem2);
        b(oem3);
        b(oem4);
        b(bitisik(oem1).toUpper());
        b(uretici);
        b(yazi(t.grup));
        b(QString(QChar(u'A' + zar.aralik(0, 2))));
        b(t.takim ? QStringLiteral("TAKIM") : QStringLiteral("ADET"));
        b(QStringLiteral("DP%1").arg(zar.aralik(100, 999)));
        b(QStringLiteral("P%1").arg(zar.aralik(1000, 9999)));
        b(QStringLiteral("869%1").arg(quint64(zar.sonraki() % 10000000000ull), 10, 10, QLatin1Char('0')));
        b(yazi(t.grup));
        b(durum);
        b(resim ? 1 : 0);
        b(yeni ? 1 : 0);
        b(kampanya ? 1 : 0);
        b(kdv);
        b(fiyat);
        b(kampfiyat);
        b(kalan);
        b(double(zar.aralik(0, 40)));
        b(double(zar.aralik(0, 25)));
        if (!q.exec())
            Veritabani::hata(q, QStringLiteral("stok"));

        QString dizin = QStringList{barkod,           oem1,        oem2,  oem3,        oem4, uretici, finish, adi,
                                    yazi(t.digerAdi), yazi(m.adi), model, yazi(t.grup)}
                            .join(QLatin1Char(' '));
        QStringList ekler;
        for (const QString& kod : {oem1, oem2, oem3, oem4, uretici})
            if (!kod.isEmpty())
                ekler << bitisik(kod);
        aramaDizinineEkle(vt, i,
                          kelimeler(dizin).join(QLatin1Char(' ')) + QLatin1Char(' ') + ekler.join(QLatin1Char(' ')));
        if (ornekler.size() < 400 && (i % std::max(1, n / 400) == 0 || i <= 40))
            ornekler.append(Parca{i, barkod, adi, fiyat, kampfiyat, kdv, kampanya});
    }
    q.finish();
}

int siparisYaz(Veritabani& vt, Zar& zar, const QList<Parca>& parcalar, int carino, const Oranlar& oranlar, int verenid,
               const QString& veren, const QDate& tarih, int durum, QList<int>* satirlar)
{
    static const QStringList notlar = {QString(), QStringLiteral("Acil gönderilmesini rica ederiz."),
                                       QStringLiteral("Faturayı şubeye kesiniz."), QString(),
                                       QStringLiteral("Eksik ürünleri sonra gönderebilirsiniz.")};
    static const QStringList alanNotlari = {QString(), QStringLiteral("Siparişiniz hazırlanıyor."),
                                            QStringLiteral("Kargo takip numarası SMS ile gönderilecek."), QString()};
    Sorgu bas(vt, QStringLiteral("INSERT INTO siparis (carino, tarih, verenid, veren, teslimid, kargoid, kargofirma, "
                                 "durum, aciklama, alannotu, saticinotu) VALUES (?,?,?,?,?,?,?,?,?,?,?) "
                                 "RETURNING idno"));
    const int kargoid = zar.aralik(1, 3);
    const int firma = kargoid == 3 ? 31 : kargoid * 10 + zar.aralik(1, 2);
    bas.calistir(carino, zamanMetni(tarih, zar.aralik(8, 17), zar.aralik(0, 59)), verenid, veren, zar.aralik(1, 3),
                 kargoid, firma, durum, zar.sec(notlar), durum >= Onaylandi ? zar.sec(alanNotlari) : QString(),
                 durum >= Hazirlandi && zar.olasilik(30) ? QStringLiteral("Cari vadesi yaklaşıyor.") : QString());
    if (!bas.sonraki())
        throw VeritabaniHatasi("sipariş numarası alınamadı");
    const int idno = bas.tamsayi(0);
    bas.ham().finish();
    const int n = zar.aralik(1, 6);
    for (int s = 0; s < n; ++s) {
        const Parca& p = zar.sec(parcalar);
        const double miktar = zar.aralik(1, 12);
        const double fiyat = p.kampanya ? p.kampfiyat : p.fiyat;
        const Oranlar o = p.kampanya ? Oranlar{oranlar[0], 0, 0, 0} : oranlar;
        const int kdv = int(p.kdv);
        const auto t = is::satirHesapla(miktar, fiyat, o, kdv);
        double teslim = 0;
        if (durum == SevkEdildi)
            teslim = zar.olasilik(80) ? miktar : std::floor(miktar / 2);
        else if (durum == ParcaliHazirlandi || durum == Hazirlandi)
            teslim = zar.olasilik(50) ? std::floor(miktar / 2) : 0;
        Sorgu satir(vt,
                    QStringLiteral(
                        "INSERT INTO siparis_satir (idno, stokno, barkod, stokadi, miktar, birimfiyat, ilkfiyat, kdv, "
                        "ind1, ind2, ind3, ind4, tutar, indirimtutar, nettutar, vergitutari, netbirimfiyat, "
                        "teslimedilen, kalan, kampanya, sepettarih) "
                        "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?) RETURNING sirano"));
        satir.calistir(idno, p.stokno, p.barkod, p.adi, miktar, fiyat, fiyat, kdv, o[0], o[1], o[2], o[3], t.tutar,
                       t.indirimTutar, t.netTutar, t.vergiTutari, t.netBirimFiyat, teslim, miktar - teslim,
                       p.kampanya ? 1 : 0, zamanMetni(tarih.addDays(-zar.aralik(0, 2)), 9, 0));
        if (satir.sonraki() && satirlar)
            satirlar->append(satir.tamsayi(0));
    }
    return idno;
}

void ekstreYaz(Veritabani& vt, Zar& zar, int carino, int vade, const QDate& bugun, bool gecikmis)
{
    auto hareket = [&](const QDate& tarih, const QString& tur, const QString& evrak, double borc, double alacak,
                       int vadeGun, const QString& aciklama, const QString& cins, int siparisIdno) {
        Sorgu h(vt, QStringLiteral("INSERT INTO cari_hareket (carino, tarih, saat, turadi, evrak, borc, alacak, vade, "
                                   "aciklama, cins, siparisidno) VALUES (?,?,?,?,?,?,?,?,?,?,?) RETURNING idno"));
        h.calistir(carino, tarihMetni(tarih),
                   QStringLiteral("%1:%2:00")
                       .arg(zar.aralik(9, 17), 2, 10, QLatin1Char('0'))
                       .arg(zar.aralik(0, 59), 2, 10, QLatin1Char('0')),
                   tur, evrak, borc, alacak, vadeGun, aciklama, cins, siparisIdno);
        return h.sonraki() ? h.tamsayi(0) : 0;
    };

    const QDate bas = bugun.addDays(-150);
    const double devir = Yuvarla(zar.aralik(5000, 40000) + 0.5 * zar.aralik(0, 1));
    hareket(bas, QStringLiteral("Devir"), QStringLiteral("DVR%1").arg(carino, 4, 10, QLatin1Char('0')), devir, 0, 0,
            QStringLiteral("Önceki dönemden devir"), QString(), 0);
    int faturaNo = 1000 + carino * 100;
    // Invoices from the dispatched orders of the account, each with its lines.
    Sorgu siparisler(vt,
                     QStringLiteral("SELECT idno, tarih FROM siparis WHERE carino = ? AND durum = ? ORDER BY idno"));
    siparisler.calistir(carino, int(SevkEdildi));
    QList<QPair<int, QDate>> sevkler;
    while (siparisler.sonraki())
        sevkler.append({siparisler.tamsayi(0), QDate::fromString(siparisler.metin(1).left(10), Qt::ISODate)});
    siparisler.ham().finish();
    double vadesiGelen = devir;
    for (const auto& [idno, tarih] : sevkler) {
        const QDate faturaTarihi = tarih.addDays(1);
        const QString evrak = QStringLiteral("ZVF%1").arg(++faturaNo, 6, 10, QLatin1Char('0'));
        const int hid = hareket(faturaTarihi, QStringLiteral("Satış Faturası"), evrak, 0, 0, vade,
                                QStringLiteral("%1 numaralı sipariş").arg(idno), QString(), idno);
        Sorgu satirlar(vt, QStringLiteral("SELECT stokno, teslimedilen, birimfiyat, ind1, ind2, kdv FROM siparis_satir "
                                          "WHERE idno = ? AND teslimedilen > 0 ORDER BY sirano"));
        satirlar.calistir(idno);
        double borc = 0;
        struct FS {
            int stokno;
            double miktar, fiyat, i1, i2;
            int kdv;
        };
        QList<FS> fs;
        while (satirlar.sonraki())
            fs.append({satirlar.tamsayi(0), satirlar.ondalik(1), satirlar.ondalik(2), satirlar.ondalik(3),
                       satirlar.ondalik(4), satirlar.tamsayi(5)});
        satirlar.ham().finish();
        for (const FS& f : fs) {
            const auto t = is::satirHesapla(f.miktar, f.fiyat, Oranlar{f.i1, f.i2, 0, 0}, f.kdv);
            Sorgu ek(vt,
                     QStringLiteral("INSERT INTO fatura_satir (hareket, stokno, miktar, birimfiyat, ind1, ind2, kdv, "
                                    "tutar, indirim, masraf, nettutar, vergi, irsaliyeno, aciklama) "
                                    "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
            ek.calistir(hid, f.stokno, f.miktar, f.fiyat, f.i1, f.i2, f.kdv, t.tutar, t.indirimTutar, 0.0, t.netTutar,
                        t.vergiTutari, QStringLiteral("IRS%1").arg(faturaNo), QString());
            borc += t.netTutar + t.vergiTutari;
        }
        borc = Yuvarla(borc);
        Sorgu(vt, QStringLiteral("UPDATE cari_hareket SET borc = ? WHERE idno = ?")).calistir(borc, hid);
        if (faturaTarihi.addDays(vade) < bugun)
            vadesiGelen += borc;
    }
    const double tediye = 250;
    const double iade = Yuvarla(120.0 + carino * 7.5);
    hareket(bugun.addDays(-70), QStringLiteral("Tediye"), QStringLiteral("TDY%1").arg(carino * 10), tediye, 0, 0,
            QStringLiteral("Prim iadesi ödemesi"), QStringLiteral("Havale"), 0);
    hareket(bugun.addDays(-40), QStringLiteral("İade Faturası"), QStringLiteral("ZVI%1").arg(carino * 10 + 1), 0, iade,
            0, QStringLiteral("Hasarlı ürün iadesi"), QString(), 0);
    vadesiGelen = Yuvarla(vadesiGelen + tediye - iade);

    // Collections: cash, card and online card payments (with a receipt). A sound account has
    // paid everything that is due; an overdue one only part of it.
    double odenecek = gecikmis ? Yuvarla(vadesiGelen * 0.4) : vadesiGelen;
    int tahsilatNo = 5000 + carino * 100;
    for (int i = 0; i < 4 && odenecek > 0.004; ++i) {
        const double t = i == 3 ? odenecek : std::min(odenecek, Yuvarla(odenecek / (4 - i) + zar.aralik(0, 100)));
        odenecek = Yuvarla(odenecek - t);
        const QDate tarih = bugun.addDays(-125 + i * 30 + zar.aralik(0, 10));
        const int cinsNo = i % 3;
        const QString cins = cinsNo == 0   ? QStringLiteral("Nakit")
                             : cinsNo == 1 ? QStringLiteral("Kredi Kartı")
                                           : QStringLiteral("Sanal POS");
        const int hid = hareket(tarih, QStringLiteral("Tahsilat"), QStringLiteral("THS%1").arg(++tahsilatNo), 0, t, 0,
                                QStringLiteral("%1 tahsilatı").arg(cins), cins, 0);
        if (cinsNo == 2) {
            Sorgu(vt, QStringLiteral("INSERT INTO sanalpos (hareket, carino, tarih, tutar, kart, onaykodu) "
                                     "VALUES (?,?,?,?,?,?)"))
                .calistir(hid, carino, zamanMetni(tarih, 14, 5), t,
                          QStringLiteral("4%1 **** **** %2").arg(zar.aralik(100, 999)).arg(zar.aralik(1000, 9999)),
                          QStringLiteral("%1").arg(zar.aralik(100000, 999999)));
        }
    }
}

} // namespace

const QList<DemoKullanici>& demoKullanicilari()
{
    static const QList<DemoKullanici> l = {
        {QStringLiteral("ORHAN"), QStringLiteral("ZV1000"), 0, 1, true, QStringLiteral("DEMO-BAYI-0"),
         QStringLiteral("bayi (tip 0), gecikmiş bakiyesi var")},
        {QStringLiteral("KEMAL"), QStringLiteral("ZV3000"), 3, 2, true, QStringLiteral("DEMO-BAYI-3"),
         QStringLiteral("bayi (tip 3): sipariş durumlarını görmez")},
        {QStringLiteral("TUNCAY"), QStringLiteral("ZV4000"), 4, 3, true, QStringLiteral("DEMO-BAYI-4"),
         QStringLiteral("bayi (tip 4): kampanyaları görmez")},
        {QStringLiteral("SELMA"), QStringLiteral("ZV1100"), 1, 1, true, QStringLiteral("DEMO-PERSONEL-1"),
         QStringLiteral("satış personeli (tip 1)")},
        {QStringLiteral("MURAT"), QStringLiteral("ZV2200"), 2, 1, true, QStringLiteral("DEMO-PERSONEL-2"),
         QStringLiteral("yönetici personel (tip 2): bakiye fiyatlarını değiştirir")},
        {QStringLiteral("OSMAN"), QStringLiteral("ZV0400"), 0, 4, false, QStringLiteral("DEMO-PASIF"),
         QStringLiteral("pasif bayi kullanıcısı: giriş reddedilir")},
    };
    return l;
}

bool veriVarMi(Veritabani& vt)
{
    Sorgu q(vt, QStringLiteral("SELECT deger FROM ayar WHERE anahtar = ?"));
    q.calistir(QStringLiteral("veri"));
    return q.sonraki();
}

int istasyonKaydet(Veritabani& vt, const QString& bilgisayarId, const QString& adi, const QString& sifre, int tip,
                   int carino)
{
    if (bilgisayarId.trimmed().isEmpty())
        throw std::invalid_argument("bilgisayar kimliği boş olamaz");
    if (adi.trimmed().isEmpty())
        throw std::invalid_argument("kullanıcı adı boş olamaz");
    if (tip < 0 || tip > 4)
        throw std::invalid_argument("kullanıcı tipi 0 ile 4 arasında olmalı");
    Sorgu cari(vt, QStringLiteral("SELECT carino FROM cari WHERE carino = ?"));
    cari.calistir(carino);
    if (!cari.sonraki())
        throw std::invalid_argument(QStringLiteral("%1 numaralı cari yok").arg(carino).toStdString());
    cari.ham().finish();

    Sorgu var(vt, QStringLiteral("SELECT sirano FROM kullanici WHERE adi = ?"));
    var.calistir(adi);
    int sirano = 0;
    if (var.sonraki()) {
        sirano = var.tamsayi(0);
        var.ham().finish();
        Sorgu(vt, QStringLiteral("UPDATE kullanici SET sifre = ?, tip = ?, carino = ? WHERE sirano = ?"))
            .calistir(sifre, tip, carino, sirano);
    } else {
        var.ham().finish();
        Sorgu ekle(vt,
                   QStringLiteral("INSERT INTO kullanici (adi, sifre, aktif, tip, carino, mail) VALUES (?,?,1,?,?,?) "
                                  "RETURNING sirano"));
        ekle.calistir(adi, sifre, tip, carino, QStringLiteral("%1@bayi.example").arg(adi.toLower()));
        if (!ekle.sonraki())
            throw VeritabaniHatasi("kullanıcı numarası alınamadı");
        sirano = ekle.tamsayi(0);
    }
    Sorgu(vt, QStringLiteral("DELETE FROM istasyon WHERE bilgisayarid = ?")).calistir(bilgisayarId);
    Sorgu(vt, QStringLiteral("INSERT INTO istasyon (bilgisayarid, kullanici, kayit) VALUES (?,?,?)"))
        .calistir(bilgisayarId, sirano, QDateTime::currentDateTime().toString(Qt::ISODate));
    return sirano;
}

bool demoVeriKur(Veritabani& vt, int parcaSayisi, const QDate& bugun)
{
    if (parcaSayisi < 50)
        throw std::invalid_argument("en az 50 parça gerekir");
    YazmaIslemi islem(vt);
    if (veriVarMi(vt))
        return false;
    Zar zar(0x42324253ull);

    auto ayar = [&](const QString& anahtar, const QString& deger) {
        Sorgu(vt, QStringLiteral("INSERT INTO ayar (anahtar, deger) VALUES (?, ?)")).calistir(anahtar, deger);
    };

    const QStringList saticilar = {QStringLiteral("Selma Aydemir"), QStringLiteral("Murat Kılınç"),
                                   QStringLiteral("Deniz Erkan")};
    for (int i = 0; i < saticilar.size(); ++i)
        Sorgu(vt, QStringLiteral("INSERT INTO satici (saticino, adi, telefon, mail) VALUES (?,?,?,?)"))
            .calistir(i + 1, saticilar[i], QStringLiteral("0 532 000 00 %1").arg(10 + i),
                      QStringLiteral("%1@zelvar.example").arg(bitisik(saticilar[i].section(QLatin1Char(' '), 0, 0))));

    int carino = 0;
    for (const CariTanimi& c : kCariler) {
        ++carino;
        const QString adi = yazi(c.adi);
        Sorgu(vt,
              QStringLiteral(
                  "INSERT INTO cari (carino, carikod, cariadi, arama, saticino, yetkili, ozelkod, kod1, kod2, tel1, "
                  "tel2, gsm, fax1, email, mail, adres1, adres2, ilce, il, ulke, vergidairesi, vergino, anagrup, "
                  "altgrup, ind1, ind2, ind3, ind4, vade, vadekontrolgun, vadekontrolay) "
                  "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"))
            .calistir(
                carino, yazi(c.kod), adi,
                katla(QStringList{yazi(c.kod), adi, yazi(c.yetkili), yazi(c.ilce), yazi(c.il)}.join(QLatin1Char(' '))),
                c.satici, yazi(c.yetkili), QStringLiteral("B%1").arg(carino % 3 + 1), QStringLiteral("BAYİ"),
                carino <= 6 ? QStringLiteral("BÖLGE-1") : QStringLiteral("BÖLGE-2"),
                QStringLiteral("0 %1 %2 00 %3").arg(200 + carino * 13).arg(300 + carino).arg(10 + carino), QString(),
                QStringLiteral("0 533 %1 00 00").arg(400 + carino),
                QStringLiteral("0 %1 %2 00 99").arg(200 + carino * 13).arg(300 + carino),
                QStringLiteral("muhasebe@bayi%1.example").arg(carino),
                QStringLiteral("siparis@bayi%1.example").arg(carino),
                QStringLiteral("Sanayi Sitesi %1. Blok No:%2").arg(carino % 5 + 1).arg(carino * 3),
                carino % 2 ? QStringLiteral("Oto Çarşısı Girişi") : QString(), yazi(c.ilce), yazi(c.il),
                QStringLiteral("Türkiye"), yazi(c.il) + QStringLiteral(" Vergi Dairesi"),
                QStringLiteral("%1").arg(1000000000 + carino * 7919), QStringLiteral("BAYİ"),
                carino % 3 == 0 ? QStringLiteral("TOPTAN") : QStringLiteral("PERAKENDE"), c.oranlar[0], c.oranlar[1],
                c.oranlar[2], c.oranlar[3], c.vade, c.vade + 15, 2);
    }

    QHash<int, QPair<int, QString>> cariKullanicisi; // account -> (user number, name) of its dealer user
    for (const DemoKullanici& k : demoKullanicilari()) {
        Sorgu ekle(vt, QStringLiteral("INSERT INTO kullanici (adi, sifre, aktif, tip, carino, mail, demo) "
                                      "VALUES (?,?,?,?,?,?,1) RETURNING sirano"));
        ekle.calistir(k.adi, k.sifre, k.aktif ? 1 : 0, k.tip, k.carino,
                      QStringLiteral("%1@zelvar-bayi.example").arg(k.adi.toLower()));
        const int sirano = ekle.sonraki() ? ekle.tamsayi(0) : 0;
        ekle.ham().finish();
        if (k.tip != 1 && k.tip != 2 && k.aktif)
            cariKullanicisi.insert(k.carino, {sirano, k.adi});
        Sorgu(vt, QStringLiteral("INSERT INTO istasyon (bilgisayarid, kullanici, kayit) VALUES (?,?,?)"))
            .calistir(k.bilgisayarId, sirano, tarihMetni(bugun));
    }

    const QStringList teslimler = {QStringLiteral("Gel Al"), QStringLiteral("Kargo ile Gönderim"),
                                   QStringLiteral("Servis ile Teslim")};
    for (int i = 0; i < teslimler.size(); ++i)
        Sorgu(vt, QStringLiteral("INSERT INTO teslim (sirano, adi) VALUES (?,?)")).calistir(i + 1, teslimler[i]);
    const QStringList turler = {QStringLiteral("Alıcı Ödemeli"), QStringLiteral("Gönderici Ödemeli"),
                                QStringLiteral("Anlaşmalı Ambar")};
    for (int i = 0; i < turler.size(); ++i)
        Sorgu(vt, QStringLiteral("INSERT INTO kargo_tur (sirano, adi) VALUES (?,?)")).calistir(i + 1, turler[i]);
    struct Firma {
        int no, tur;
        QString adi, uyari;
    };
    const QList<Firma> firmalar = {
        {11, 1, QStringLiteral("Anadolu Kargo"), QStringLiteral("Alıcı ödemeli gönderilerde ücret teslimde alınır.")},
        {12, 1, QStringLiteral("Marmara Lojistik"), QStringLiteral("Cumartesi teslimat yapılmaz.")},
        {21, 2, QStringLiteral("Anadolu Kargo"), QStringLiteral("Kargo ücreti faturaya eklenir.")},
        {22, 2, QStringLiteral("Kuzey Ekspres"), QStringLiteral("Büyük koliler için hacim ücreti alınır.")},
        {23, 2, QStringLiteral("Marmara Lojistik"), QString()},
        {31, 3, QStringLiteral("Merkez Ambarı"), QStringLiteral("Ambar teslimleri ertesi iş günü yapılır.")},
    };
    for (const Firma& f : firmalar)
        Sorgu(vt, QStringLiteral("INSERT INTO kargo_firma (sirano, turno, adi, uyari) VALUES (?,?,?,?)"))
            .calistir(f.no, f.tur, f.adi, f.uyari);

    QList<Parca> parcalar;
    stoklariYaz(vt, parcaSayisi, parcalar);

    // Order history: every state for every account, oldest first.
    const int durumlar[] = {SevkEdildi, SevkEdildi, SevkEdildi, Hazirlandi, ParcaliHazirlandi,
                            Goruldu,    Onaylandi,  Alindi,     SevkEdildi, Alindi};
    for (int c = 1; c <= int(std::size(kCariler)); ++c) {
        const Oranlar o = kCariler[c - 1].oranlar;
        const auto veren = cariKullanicisi.value(c, {0, QStringLiteral("TELEFON")});
        const int n = int(std::size(durumlar));
        for (int i = 0; i < n; ++i) {
            const int durum = durumlar[i];
            const int gunOnce = durum == SevkEdildi ? 130 - i * 12 : (n - i) * 2;
            siparisYaz(vt, zar, parcalar, c, o, veren.first, veren.second, bugun.addDays(-gunOnce), durum, nullptr);
        }
        // A basket with a few lines, the last one not ticked.
        const int sepetSatiri = c <= 3 ? 3 : zar.aralik(0, 3);
        for (int s = 0; s < sepetSatiri; ++s) {
            const Parca& p = parcalar[(c * 7 + s * 13) % parcalar.size()];
            const double fiyat = p.kampanya ? p.kampfiyat : p.fiyat;
            const Oranlar po = p.kampanya ? Oranlar{o[0], 0, 0, 0} : o;
            const double miktar = s + 1;
            const auto t = is::satirHesapla(miktar, fiyat, po, p.kdv);
            Sorgu(vt,
                  QStringLiteral("INSERT INTO sepet (carino, stokno, barkod, stokadi, miktar, birimfiyat, kdv, ind1, "
                                 "ind2, ind3, ind4, tutar, indirimtutar, nettutar, vergitutari, netbirimfiyat, sec, "
                                 "kampanya, verenid, tarih) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"))
                .calistir(c, p.stokno, p.barkod, p.adi, miktar, fiyat, int(p.kdv), po[0], po[1], po[2], po[3], t.tutar,
                          t.indirimTutar, t.netTutar, t.vergiTutari, t.netBirimFiyat, s + 1 < sepetSatiri ? 1 : 0,
                          p.kampanya ? 1 : 0, veren.first, zamanMetni(bugun.addDays(-1), 10 + s, 0));
        }
        ekstreYaz(vt, zar, c, kCariler[c - 1].vade, bugun, c == 1 || c % 4 == 0);
    }

    struct Duyuru {
        QString baslik, alt, arama;
    };
    const QList<Duyuru> duyurular = {
        {QStringLiteral("Fren Grubunda Büyük Kampanya"),
         QStringLiteral("Balata ve disklerde liste fiyatına %15 indirim"), QStringLiteral("#KAMPANYA#")},
        {QStringLiteral("Yeni Ürünler Geldi"), QStringLiteral("Bu hafta eklenen parçaları inceleyin"),
         QStringLiteral("#YENİ#")},
        {QStringLiteral("Filtre Haftası"), QStringLiteral("Yağ, hava, polen ve yakıt filtreleri"),
         QStringLiteral("FİLTRE")},
        {QStringLiteral("Aynı Gün Kargo"), QStringLiteral("Saat 15:00'e kadar verilen siparişler aynı gün kargoda"),
         QString()},
        {QStringLiteral("Triger Setleri"), QStringLiteral("Tüm markalar için stokta"), QStringLiteral("TRİGER SETİ")},
    };
    for (int i = 0; i < duyurular.size(); ++i)
        Sorgu(vt, QStringLiteral("INSERT INTO duyuru (sirano, baslik, arama, resim) VALUES (?,?,?,?)"))
            .calistir(i + 1, duyurular[i].baslik, duyurular[i].arama,
                      duyuruResmi(i + 1, duyurular[i].baslik, duyurular[i].alt));
    Sorgu(vt, QStringLiteral("INSERT INTO banner (sirano, veri) VALUES (?,?)")).calistir(1, basBanner());
    Sorgu(vt, QStringLiteral("INSERT INTO banner (sirano, veri) VALUES (?,?)")).calistir(2, seritBanner());
    Sorgu(vt, QStringLiteral("INSERT INTO banner (sirano, veri) VALUES (?,?)")).calistir(3, altBanner());

    ayar(QStringLiteral("kayanyazi"),
         QStringLiteral("<b>Zelvar Otomotiv B2B</b> · Fren grubunda <font color=\"#E67814\">%15 kampanya</font> · "
                        "Saat 15:00'e kadar verilen siparişler aynı gün kargoda · <i>Yeni ürünler için Yeni Stoklar "
                        "sekmesine bakınız</i>"));
    ayar(QStringLiteral("parca_sayisi"), QString::number(parcaSayisi));
    ayar(QStringLiteral("kurulus"), tarihMetni(bugun));
    ayar(QStringLiteral("veri"), QStringLiteral("demo"));
    islem.onayla();
    return true;
}

} // namespace zelvar::veri
