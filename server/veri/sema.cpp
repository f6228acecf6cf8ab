#include "sema.h"

#include "veritabani.h"

namespace zelvar::veri
{

namespace
{

// {OTO} is an integer key the database numbers itself, {BLOB} a byte column.
const char* const kTablolar[] = {
    R"(CREATE TABLE IF NOT EXISTS ayar (
        anahtar TEXT PRIMARY KEY,
        deger TEXT NOT NULL))",
    R"(CREATE TABLE IF NOT EXISTS satici (
        saticino INTEGER PRIMARY KEY,
        adi TEXT NOT NULL,
        telefon TEXT NOT NULL DEFAULT '',
        mail TEXT NOT NULL DEFAULT ''))",
    R"(CREATE TABLE IF NOT EXISTS cari (
        carino INTEGER PRIMARY KEY,
        carikod TEXT NOT NULL UNIQUE,
        cariadi TEXT NOT NULL,
        arama TEXT NOT NULL DEFAULT '',
        saticino INTEGER NOT NULL REFERENCES satici(saticino),
        yetkili TEXT NOT NULL DEFAULT '', ozelkod TEXT NOT NULL DEFAULT '',
        kod1 TEXT NOT NULL DEFAULT '', kod2 TEXT NOT NULL DEFAULT '', kod3 TEXT NOT NULL DEFAULT '',
        kod4 TEXT NOT NULL DEFAULT '', kod5 TEXT NOT NULL DEFAULT '',
        tel1 TEXT NOT NULL DEFAULT '', tel2 TEXT NOT NULL DEFAULT '', gsm TEXT NOT NULL DEFAULT '',
        fax1 TEXT NOT NULL DEFAULT '', fax2 TEXT NOT NULL DEFAULT '',
        email TEXT NOT NULL DEFAULT '', mail TEXT NOT NULL DEFAULT '',
        adres1 TEXT NOT NULL DEFAULT '', adres2 TEXT NOT NULL DEFAULT '',
        ilce TEXT NOT NULL DEFAULT '', il TEXT NOT NULL DEFAULT '', ulke TEXT NOT NULL DEFAULT '',
        vergidairesi TEXT NOT NULL DEFAULT '', vergino TEXT NOT NULL DEFAULT '',
        anagrup TEXT NOT NULL DEFAULT '', altgrup TEXT NOT NULL DEFAULT '',
        ind1 DOUBLE PRECISION NOT NULL DEFAULT 0, ind2 DOUBLE PRECISION NOT NULL DEFAULT 0,
        ind3 DOUBLE PRECISION NOT NULL DEFAULT 0, ind4 DOUBLE PRECISION NOT NULL DEFAULT 0,
        vade INTEGER NOT NULL DEFAULT 30,
        vadekontrolgun INTEGER NOT NULL DEFAULT 0,
        vadekontrolay INTEGER NOT NULL DEFAULT 0))",
    R"(CREATE TABLE IF NOT EXISTS kullanici (
        sirano {OTO},
        adi TEXT NOT NULL UNIQUE,
        sifre TEXT NOT NULL,
        aktif INTEGER NOT NULL DEFAULT 1,
        tip INTEGER NOT NULL,
        carino INTEGER NOT NULL,
        mail TEXT NOT NULL DEFAULT '',
        demo INTEGER NOT NULL DEFAULT 0))",
    R"(CREATE TABLE IF NOT EXISTS istasyon (
        bilgisayarid TEXT PRIMARY KEY,
        kullanici INTEGER NOT NULL REFERENCES kullanici(sirano),
        kayit TEXT NOT NULL))",
    R"(CREATE TABLE IF NOT EXISTS stok (
        stokno INTEGER PRIMARY KEY,
        barkod TEXT NOT NULL, adi TEXT NOT NULL, digeradi TEXT NOT NULL DEFAULT '',
        marka TEXT NOT NULL DEFAULT '', model TEXT NOT NULL DEFAULT '', finishkod TEXT NOT NULL DEFAULT '',
        oem1 TEXT NOT NULL DEFAULT '', oem2 TEXT NOT NULL DEFAULT '', oem3 TEXT NOT NULL DEFAULT '',
        oem4 TEXT NOT NULL DEFAULT '', oemno TEXT NOT NULL DEFAULT '', ureticikodu TEXT NOT NULL DEFAULT '',
        anagrup TEXT NOT NULL DEFAULT '', ozelkod TEXT NOT NULL DEFAULT '', birim TEXT NOT NULL DEFAULT 'ADET',
        dpkod TEXT NOT NULL DEFAULT '', pkod TEXT NOT NULL DEFAULT '', barkod_barkodno TEXT NOT NULL DEFAULT '',
        departman TEXT NOT NULL DEFAULT '',
        durum INTEGER NOT NULL DEFAULT 1,
        resim INTEGER NOT NULL DEFAULT 0,
        yeni INTEGER NOT NULL DEFAULT 0,
        kampanya INTEGER NOT NULL DEFAULT 0,
        kdv DOUBLE PRECISION NOT NULL DEFAULT 20,
        listefiyat DOUBLE PRECISION NOT NULL,
        kampfiyat DOUBLE PRECISION NOT NULL DEFAULT 0,
        kalan DOUBLE PRECISION NOT NULL DEFAULT 0,
        alinansiparis DOUBLE PRECISION NOT NULL DEFAULT 0,
        verilensiparis DOUBLE PRECISION NOT NULL DEFAULT 0))",
    "CREATE INDEX IF NOT EXISTS stok_yeni ON stok(yeni)",
    "CREATE INDEX IF NOT EXISTS stok_kampanya ON stok(kampanya)",
    R"(CREATE TABLE IF NOT EXISTS stok_resim (
        stokno INTEGER PRIMARY KEY REFERENCES stok(stokno),
        veri {BLOB} NOT NULL))",
    R"(CREATE TABLE IF NOT EXISTS sepet (
        sirano {OTO},
        carino INTEGER NOT NULL REFERENCES cari(carino),
        stokno INTEGER NOT NULL REFERENCES stok(stokno),
        barkod TEXT NOT NULL, stokadi TEXT NOT NULL,
        miktar DOUBLE PRECISION NOT NULL, birimfiyat DOUBLE PRECISION NOT NULL, kdv INTEGER NOT NULL,
        ind1 DOUBLE PRECISION NOT NULL, ind2 DOUBLE PRECISION NOT NULL,
        ind3 DOUBLE PRECISION NOT NULL, ind4 DOUBLE PRECISION NOT NULL,
        tutar DOUBLE PRECISION NOT NULL, indirimtutar DOUBLE PRECISION NOT NULL,
        nettutar DOUBLE PRECISION NOT NULL, vergitutari DOUBLE PRECISION NOT NULL,
        netbirimfiyat DOUBLE PRECISION NOT NULL,
        sec INTEGER NOT NULL DEFAULT 1,
        kampanya INTEGER NOT NULL DEFAULT 0,
        verenid INTEGER NOT NULL,
        tarih TEXT NOT NULL,
        aciklama TEXT NOT NULL DEFAULT ''))",
    "CREATE INDEX IF NOT EXISTS sepet_cari ON sepet(carino)",
    R"(CREATE TABLE IF NOT EXISTS teslim (sirano INTEGER PRIMARY KEY, adi TEXT NOT NULL))",
    R"(CREATE TABLE IF NOT EXISTS kargo_tur (sirano INTEGER PRIMARY KEY, adi TEXT NOT NULL))",
    R"(CREATE TABLE IF NOT EXISTS kargo_firma (
        sirano INTEGER PRIMARY KEY,
        turno INTEGER NOT NULL REFERENCES kargo_tur(sirano),
        adi TEXT NOT NULL,
        uyari TEXT NOT NULL DEFAULT ''))",
    R"(CREATE TABLE IF NOT EXISTS siparis (
        idno {OTO},
        carino INTEGER NOT NULL REFERENCES cari(carino),
        tarih TEXT NOT NULL,
        verenid INTEGER NOT NULL,
        veren TEXT NOT NULL,
        teslimid INTEGER NOT NULL, kargoid INTEGER NOT NULL, kargofirma INTEGER NOT NULL,
        durum INTEGER NOT NULL DEFAULT 2,
        aciklama TEXT NOT NULL DEFAULT '',
        alannotu TEXT NOT NULL DEFAULT '',
        saticinotu TEXT NOT NULL DEFAULT '',
        kur TEXT NOT NULL DEFAULT 'TL',
        kurtl DOUBLE PRECISION NOT NULL DEFAULT 1))",
    "CREATE INDEX IF NOT EXISTS siparis_cari ON siparis(carino)",
    "CREATE INDEX IF NOT EXISTS siparis_tarih ON siparis(tarih)",
    R"(CREATE TABLE IF NOT EXISTS siparis_satir (
        sirano {OTO},
        idno INTEGER NOT NULL REFERENCES siparis(idno),
        sepetsirano INTEGER NOT NULL DEFAULT 0,
        stokno INTEGER NOT NULL REFERENCES stok(stokno),
        barkod TEXT NOT NULL, stokadi TEXT NOT NULL,
        miktar DOUBLE PRECISION NOT NULL, birimfiyat DOUBLE PRECISION NOT NULL,
        ilkfiyat DOUBLE PRECISION NOT NULL, kdv INTEGER NOT NULL,
        ind1 DOUBLE PRECISION NOT NULL, ind2 DOUBLE PRECISION NOT NULL,
        ind3 DOUBLE PRECISION NOT NULL, ind4 DOUBLE PRECISION NOT NULL,
        tutar DOUBLE PRECISION NOT NULL, indirimtutar DOUBLE PRECISION NOT NULL,
        nettutar DOUBLE PRECISION NOT NULL, vergitutari DOUBLE PRECISION NOT NULL,
        netbirimfiyat DOUBLE PRECISION NOT NULL,
        teslimedilen DOUBLE PRECISION NOT NULL DEFAULT 0,
        kalan DOUBLE PRECISION NOT NULL,
        kampanya INTEGER NOT NULL DEFAULT 0,
        sepettarih TEXT NOT NULL DEFAULT '',
        aciklama TEXT NOT NULL DEFAULT ''))",
    "CREATE INDEX IF NOT EXISTS siparis_satir_idno ON siparis_satir(idno)",
    "CREATE INDEX IF NOT EXISTS siparis_satir_stok ON siparis_satir(stokno)",
    R"(CREATE TABLE IF NOT EXISTS cari_hareket (
        idno {OTO},
        carino INTEGER NOT NULL REFERENCES cari(carino),
        tarih TEXT NOT NULL,
        saat TEXT NOT NULL DEFAULT '',
        turadi TEXT NOT NULL,
        evrak TEXT NOT NULL,
        borc DOUBLE PRECISION NOT NULL DEFAULT 0,
        alacak DOUBLE PRECISION NOT NULL DEFAULT 0,
        kur TEXT NOT NULL DEFAULT 'TL',
        vade INTEGER NOT NULL DEFAULT 0,
        aciklama TEXT NOT NULL DEFAULT '',
        cins TEXT NOT NULL DEFAULT '',
        siparisidno INTEGER NOT NULL DEFAULT 0))",
    "CREATE INDEX IF NOT EXISTS cari_hareket_cari ON cari_hareket(carino, tarih)",
    R"(CREATE TABLE IF NOT EXISTS fatura_satir (
        sirano {OTO},
        hareket INTEGER NOT NULL REFERENCES cari_hareket(idno),
        stokno INTEGER NOT NULL REFERENCES stok(stokno),
        miktar DOUBLE PRECISION NOT NULL, birimfiyat DOUBLE PRECISION NOT NULL,
        ind1 DOUBLE PRECISION NOT NULL, ind2 DOUBLE PRECISION NOT NULL, kdv INTEGER NOT NULL,
        tutar DOUBLE PRECISION NOT NULL, indirim DOUBLE PRECISION NOT NULL, masraf DOUBLE PRECISION NOT NULL,
        nettutar DOUBLE PRECISION NOT NULL, vergi DOUBLE PRECISION NOT NULL,
        irsaliyeno TEXT NOT NULL DEFAULT '', aciklama TEXT NOT NULL DEFAULT ''))",
    "CREATE INDEX IF NOT EXISTS fatura_satir_hareket ON fatura_satir(hareket)",
    R"(CREATE TABLE IF NOT EXISTS sanalpos (
        sirano {OTO},
        hareket INTEGER NOT NULL REFERENCES cari_hareket(idno),
        carino INTEGER NOT NULL,
        tarih TEXT NOT NULL,
        tutar DOUBLE PRECISION NOT NULL,
        kart TEXT NOT NULL,
        onaykodu TEXT NOT NULL))",
    "CREATE INDEX IF NOT EXISTS sanalpos_hareket ON sanalpos(hareket)",
    R"(CREATE TABLE IF NOT EXISTS duyuru (
        sirano INTEGER PRIMARY KEY,
        baslik TEXT NOT NULL,
        arama TEXT NOT NULL DEFAULT '',
        resim {BLOB}))",
    R"(CREATE TABLE IF NOT EXISTS banner (
        sirano INTEGER PRIMARY KEY,
        veri {BLOB} NOT NULL))",
    R"(CREATE TABLE IF NOT EXISTS giden_posta (
        sirano {OTO},
        tarih TEXT NOT NULL,
        tur TEXT NOT NULL,
        bilgisayarid TEXT NOT NULL,
        baslik TEXT NOT NULL,
        firmaadi TEXT NOT NULL, adres1 TEXT NOT NULL, adres2 TEXT NOT NULL, ilce TEXT NOT NULL,
        sehir TEXT NOT NULL, telefon TEXT NOT NULL, fax TEXT NOT NULL, vd TEXT NOT NULL, vn TEXT NOT NULL,
        yetkili TEXT NOT NULL, kullaniciadi TEXT NOT NULL, sifre TEXT NOT NULL, mail TEXT NOT NULL,
        kargoambar TEXT NOT NULL, konu TEXT NOT NULL))",
    R"(CREATE TABLE IF NOT EXISTS istek_formu (
        sirano {OTO},
        tarih TEXT NOT NULL,
        bilgisayarid TEXT NOT NULL,
        carino TEXT NOT NULL DEFAULT '',
        kullanici TEXT NOT NULL DEFAULT '',
        firma TEXT NOT NULL,
        yetkili TEXT NOT NULL,
        telefon TEXT NOT NULL,
        mail TEXT NOT NULL,
        sehir TEXT NOT NULL DEFAULT '',
        mesaj TEXT NOT NULL DEFAULT ''))",
};

} // namespace

void semaKur(Veritabani& vt)
{
    for (const char* t : kTablolar) {
        QString sql = QString::fromUtf8(t);
        sql.replace(QLatin1String("{OTO}"), vt.otomatikAnahtar());
        sql.replace(QLatin1String("{BLOB}"), vt.blobTuru());
        vt.calistir(sql);
    }
    if (vt.sqliteMi()) {
        // Contentless: the index holds only the folded words, the rows stay in stok.
        vt.calistir(QStringLiteral("CREATE VIRTUAL TABLE IF NOT EXISTS stok_ara USING fts5("
                                   "metin, content='', columnsize=0, prefix='2 3', tokenize='unicode61')"));
    } else {
        vt.calistir(QStringLiteral("CREATE TABLE IF NOT EXISTS stok_ara (stokno INTEGER PRIMARY KEY "
                                   "REFERENCES stok(stokno), belge TSVECTOR NOT NULL)"));
        vt.calistir(QStringLiteral("CREATE INDEX IF NOT EXISTS stok_ara_belge ON stok_ara USING GIN (belge)"));
    }
}

void aramaDizinineEkle(Veritabani& vt, int stokno, const QString& katliMetin)
{
    if (vt.sqliteMi())
        Sorgu(vt, QStringLiteral("INSERT INTO stok_ara(rowid, metin) VALUES(?, ?)")).calistir(stokno, katliMetin);
    else
        Sorgu(vt, QStringLiteral("INSERT INTO stok_ara(stokno, belge) VALUES(?, to_tsvector('simple', ?))"))
            .calistir(stokno, katliMetin);
}

QString aramaSorgusu(const QStringList& kelimeler, const QString& bitisikHali, bool sqlite)
{
    // Words hold only letters and digits (see kelimeler()), so they are safe inside the
    // index's own query language; each is a prefix, all must match, or the whole text run
    // together matches a code written without its separators.
    QStringList parcalar;
    for (const QString& k : kelimeler)
        parcalar << (sqlite ? QStringLiteral("\"%1\"*").arg(k) : QStringLiteral("%1:*").arg(k));
    QString sorgu = parcalar.join(sqlite ? QStringLiteral(" AND ") : QStringLiteral(" & "));
    if (kelimeler.size() > 1 && !bitisikHali.isEmpty()) {
        const QString tek =
            sqlite ? QStringLiteral("\"%1\"*").arg(bitisikHali) : QStringLiteral("%1:*").arg(bitisikHali);
        sorgu = sqlite ? QStringLiteral("(%1) OR %2").arg(sorgu, tek) : QStringLiteral("(%1) | %2").arg(sorgu, tek);
    }
    return sorgu;
}

QString aramaKaynagi(bool sqlite)
{
    // The index drives the query and yields rows in part-number order.
    return sqlite ? QStringLiteral("FROM stok_ara JOIN stok s ON s.stokno = stok_ara.rowid "
                                   "WHERE stok_ara MATCH ? ORDER BY stok_ara.rowid")
                  : QStringLiteral("FROM stok_ara a JOIN stok s ON s.stokno = a.stokno "
                                   "WHERE a.belge @@ to_tsquery('simple', ?) ORDER BY s.stokno");
}

} // namespace zelvar::veri
