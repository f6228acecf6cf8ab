#include "platform/surec.h"
#include "platform/yapilandirma.h"
#include "remote/baglanti.h"
#include "sahtesunucu.h"
#include "shell/ayardosyasi.h"
#include "shell/formistekyeni.h"
#include "shell/girisformu.h"
#include "widgets/baglantikontrol.h"
#include "widgets/beklesin.h"
#include "widgets/mesaj.h"
#include "widgets/mesgul.h"
#include "yardim_sahteplatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

#include <memory>

using namespace zelvar;

namespace
{

struct Kutu {
    QString baslik;
    QString metin;
    QMessageBox::Icon simge = QMessageBox::NoIcon;
    QStringList dugmeler;
    QString odakli;
};

const QString kHatali = QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");
const QString kBaglantiYok = QStringLiteral("Bağlantı Kurulamadı !");

// A server record for this workstation: a known dealer with version 2 unless changed.
QJsonObject kayitAlanlari(const QJsonObject& degisen = {})
{
    QJsonObject a{{"FBILGISAYARID", "SUNUCUDAKI-ID"},
                  {"FSaticiMail", "selin@zelvar.example"},
                  {"FSirano", 7},
                  {"FCariAdi", "Demir Oto Yedek Parça"},
                  {"FSIFRE", "GİZLİ"},
                  {"FSaticiNo", 3},
                  {"FCARINO", 120},
                  {"FAKTIF", 1},
                  {"FADI", "AHMET"},
                  {"FSaticiTelefon", "0212 555 10 10"},
                  {"Fcarikod", "120.01"},
                  {"FVarmi", true},
                  {"FSaticiAdi", "Selin Kaya"},
                  {"FBilgiSayarAdi", "SUNUCU-PC"},
                  {"FDisip", "8.8.8.8"},
                  {"FIcip", "10.0.0.9"},
                  {"FBilgisayarKullanici", "baskasi"},
                  {"FMusteriTipi", 0},
                  {"FVersion", 2}};
    for (auto it = degisen.begin(); it != degisen.end(); ++it)
        a.insert(it.key(), it.value());
    return a;
}

QByteArray kayitJson(const QJsonObject& alanlar)
{
    const QJsonObject o{{"type", "baglantiu.TSonucBilgisi"}, {"id", 1}, {"fields", alanlar}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

// The sign-in window with the steps that open other windows recorded; each can still run
// the real one.
class IzlenenGiris : public Tgirisform
{
public:
    using Tgirisform::Tgirisform;

    QStringList adimlar;
    bool cariSecimi = true;
    bool gercekGuncelleme = false;
    bool gercekIstekFormu = false;

protected:
    void GuncellemeIndir() override
    {
        adimlar << QStringLiteral("guncelleme %1").arg(Bilgim->Version());
        if (gercekGuncelleme)
            Tgirisform::GuncellemeIndir();
    }
    void IstekFormuAc(const QString& taban) override
    {
        adimlar << QStringLiteral("istek ") + taban;
        if (gercekIstekFormu)
            Tgirisform::IstekFormuAc(taban);
    }
    bool CariSec() override
    {
        adimlar << QStringLiteral("carisec");
        return cariSecimi;
    }
};

// A workstation whose disk and adapters tell nothing: its identifier is empty.
class KimliksizPlatform : public SahtePlatform
{
public:
    QString ilkDiskSeriNo() override { throw std::runtime_error("disk yok"); }
};

// Typing as the keyboard does, Turkish letters included.
void yaz(QWidget* kutu, const QString& metin)
{
    for (const QChar c : metin)
        QTest::sendKeyEvent(QTest::Click, kutu, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

quint16 kapaliPort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    const quint16 p = s.serverPort();
    s.close();
    return p;
}

} // namespace

class TstGirisFormu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        setPlatform(&m_platform);
        Yapilandirma y;
        y.sunucuHost = QStringLiteral("127.0.0.1");
        y.webTaban = QStringLiteral("https://www.zelvar.example/");
        y.guncellemeHost = QStringLiteral("127.0.0.1:%1").arg(kapaliPort());
        Yapilandirma::setGecerli(y);
        setCikisYakalayici([this](int kod) { m_cikislar << kod; });
        setBaglantiBeklemesi([](int) {});
        setMesajCevaplayici([this](QMessageBox& k) {
            Kutu kutu{k.windowTitle(), k.text(), k.icon(), {}, {}};
            for (QAbstractButton* d : k.buttons()) {
                kutu.dugmeler << d->text();
                if (d == k.defaultButton())
                    kutu.odakli = d->text();
            }
            m_kutular << kutu;
            return QMessageBox::Ok;
        });
    }

    void init()
    {
        m_cikislar.clear();
        m_kutular.clear();
        m_bilgi = TSonucBilgisi();
        m_bagc = std::make_unique<Baglanti>();
        m_bagc->Params()[QStringLiteral("HostName")] = QStringLiteral("yanlis.example");
        m_bagc->Params()[QStringLiteral("Port")] = QString::number(kapaliPort());
        QFile::remove(ayarDosyasiYolu());
    }

    void cleanupTestCase()
    {
        setMesajCevaplayici({});
        setCikisYakalayici({});
        setBaglantiBeklemesi({});
        setPlatform(nullptr);
    }

    // ---- ayar.ini -------------------------------------------------------------------------

    void ayarTurkceHarflerleGidipGelir()
    {
        const QString yol = ayarDosyasiYolu();
        const GirisAyari yazilan{QStringLiteral("ŞÜKRÜ ÇAĞLAR"), QStringLiteral("  ĞİZLİ;#1 \"x\" "), false};
        QVERIFY(girisAyariYaz(yazilan, yol));
        const auto okunan = girisAyariOku(yol);
        QVERIFY(okunan);
        QCOMPARE(okunan->isim, yazilan.isim);
        QCOMPARE(okunan->sifre, yazilan.sifre);
        QCOMPARE(okunan->hatirla, false);

        // A plain UTF-8 file with the key written as it is, not escaped.
        QFile f(yol);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray ham = f.readAll();
        QVERIFY(!ham.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(ham),
                 QStringLiteral("[kullanici]\nisim=ŞÜKRÜ ÇAĞLAR\nsifre=\"  ĞİZLİ;#1 \"x\" \"\nhatırla=0\n"));

        // Another INI reader finds the same section, keys and values.
        QSettings s(yol, QSettings::IniFormat);
        QCOMPARE(s.value(QStringLiteral("kullanici/isim")).toString(), yazilan.isim);
        QCOMPARE(s.value(QStringLiteral("kullanici/hatırla")).toString(), QStringLiteral("0"));
    }

    void ayarYazarkenDigerSatirlariKorur()
    {
        const QString yol = ayarDosyasiYolu();
        {
            QFile f(yol);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("; elle yazildi\r\n[genel]\r\ntema=koyu\r\n\r\n[KULLANICI]\r\nISIM = "
                    "ESKİ\r\nbaska=1\r\n\r\n[son]\r\na=b\r\n");
        }
        QVERIFY(girisAyariYaz({QStringLiteral("YENİ"), QStringLiteral("Ş1"), true}, yol));
        IniMetni ini;
        QVERIFY(ini.oku(yol));
        QCOMPARE(ini.metin(), QStringLiteral("; elle yazildi\n[genel]\ntema=koyu\n\n[KULLANICI]\nisim=YENİ\nbaska=1\n"
                                             "sifre=Ş1\nhatırla=1\n\n[son]\na=b\n"));
        QCOMPARE(ini.deger(u"genel", u"tema"), QStringLiteral("koyu"));
    }

    void ayarOkunamayanAnahtarlarVarsayilanVerir_data()
    {
        QTest::addColumn<QByteArray>("icerik");
        QTest::addColumn<bool>("hatirla");
        QTest::addColumn<QString>("isim");
        QTest::newRow("anahtarlar yok") << QByteArray("[baska]\nisim=X\n") << true << QString();
        QTest::newRow("sayı olmayan bayrak")
            << QByteArray("[kullanici]\nisim=ALİ\nhatırla=evet\n") << true << QStringLiteral("ALİ");
        QTest::newRow("sıfır") << QByteArray("[kullanici]\nisim=ALİ\nhatırla=0\n") << false << QStringLiteral("ALİ");
        QTest::newRow("başka sayı işaretli") << QByteArray("[kullanici]\nhatırla=5\n") << true << QString();
        QTest::newRow("başka yazıcının false'u") << QByteArray("[kullanici]\nhatırla=false\n") << false << QString();
        QTest::newRow("bozuk satırlar") << QByteArray("\xff\xfe garbage\n=\n[kullanici\nisim\n") << true << QString();
        QTest::newRow("boş dosya") << QByteArray() << true << QString();
    }

    void ayarOkunamayanAnahtarlarVarsayilanVerir()
    {
        QFETCH(QByteArray, icerik);
        QFETCH(bool, hatirla);
        QFETCH(QString, isim);
        const QString yol = ayarDosyasiYolu();
        QFile f(yol);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(icerik);
        f.close();
        const auto a = girisAyariOku(yol);
        QVERIFY(a);
        QCOMPARE(a->hatirla, hatirla);
        QCOMPARE(a->isim, isim);
        QCOMPARE(a->sifre, QString());
    }

    void ayarDosyasiYoksaKutularBosVeIsaretli()
    {
        QVERIFY(!girisAyariOku());
        IzlenenGiris g;
        QVERIFY(g.benihatirla->isChecked());
        QVERIFY(g.adi->text().isEmpty());
        QVERIFY(g.sifre->text().isEmpty());
    }

    // ---- the window and its keys -------------------------------------------------------------

    void pencereDuzeni()
    {
        IzlenenGiris g;
        QCOMPARE(g.windowTitle(), QStringLiteral("Giriş"));
        QCOMPARE(g.size(), QSize(368, 550));
        QCOMPARE(g.idsi, QStringLiteral("WD-123456"));
        QCOMPARE(g.Button1->text(), QStringLiteral("Giriş"));
        QCOMPARE(g.Button2->text(), QStringLiteral("Vazgeç"));
        QCOMPARE(g.benihatirla->text(), QStringLiteral("Beni hatırla"));
        QCOMPARE(g.sifre->echoMode(), QLineEdit::Password);
        QVERIFY(!g.RxGIFAnimator1->isVisibleTo(&g));
        QCOMPARE(Tgirisform::DisIpAl(), QStringLiteral("127.0.0.1"));
    }

    void kutularBuyukHarfAlir()
    {
        IzlenenGiris g;
        goster(g);
        yaz(g.adi, QStringLiteral("ali ışık"));
        QCOMPARE(g.adi->text(), QStringLiteral("ALİ IŞIK"));
        yaz(g.sifre, QStringLiteral("gizli1"));
        QCOMPARE(g.sifre->text(), QStringLiteral("GİZLİ1"));
    }

    void bosKutudaEnter_data()
    {
        QTest::addColumn<bool>("sifreKutusu");
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("boş ad") << false << QString() << "Lütfen kullanıcı adını giriniz !";
        QTest::newRow("boşluklu ad") << false << "   "
                                     << "Lütfen kullanıcı adını giriniz !";
        QTest::newRow("boş şifre") << true << QString() << "Lütfen kullanıcı şifresini giriniz !";
        QTest::newRow("boşluklu şifre") << true << "  "
                                        << "Lütfen kullanıcı şifresini giriniz !";
    }

    void bosKutudaEnter()
    {
        QFETCH(bool, sifreKutusu);
        QFETCH(QString, metin);
        QFETCH(QString, mesaj);
        SahteSunucu sunucu(
            [](const QByteArray& istek, bool&) { return SahteSunucu::sonucCevabi(istek, kayitJson(kayitAlanlari())); });
        IzlenenGiris g;
        baglan(g, sunucu.port());
        goster(g);
        g.adi->setText(sifreKutusu ? QStringLiteral("AHMET") : metin);
        g.sifre->setText(sifreKutusu ? metin : QStringLiteral("GİZLİ"));
        QLineEdit* kutu = sifreKutusu ? g.sifre : g.adi;
        kutu->setFocus();
        QTest::keyClick(kutu, Qt::Key_Return);

        // The platform's plain warning box, not the program's Turkish dialog.
        QCOMPARE(m_kutular.size(), 1);
        QCOMPARE(m_kutular[0].metin, mesaj);
        QCOMPARE(m_kutular[0].simge, QMessageBox::Warning);
        QVERIFY(m_kutular[0].baslik != QStringLiteral("Uyarı"));
        QVERIFY(!m_kutular[0].dugmeler.contains(QStringLiteral("Tamam")));
        QVERIFY(kutu->hasFocus());
        QCOMPARE(kutu->selectedText(), metin);
        // No attempt: the button is untouched and the server never asked.
        QCOMPARE(g.Button1->text(), QStringLiteral("Giriş"));
        QVERIFY(g.Button1->isEnabled());
        QVERIFY(butunIslerBitsin(5000));
        QVERIFY(sunucu.istekler().isEmpty());
        QVERIFY(g.isVisible());
        QVERIFY(m_cikislar.isEmpty());
    }

    void doluKutulardaEnter()
    {
        SahteSunucu sunucu(
            [](const QByteArray& istek, bool&) { return SahteSunucu::sonucCevabi(istek, kayitJson(kayitAlanlari())); });
        IzlenenGiris g;
        baglan(g, sunucu.port());
        goster(g);
        g.adi->setText(QStringLiteral("AHMET"));
        g.sifre->setText(QStringLiteral("YANLIŞ"));
        g.adi->setFocus();
        QTest::keyClick(g.adi, Qt::Key_Return);
        QVERIFY(g.sifre->hasFocus());
        QCOMPARE(g.sifre->selectedText(), QStringLiteral("YANLIŞ"));
        QVERIFY(m_kutular.isEmpty());

        // Enter in the password box makes the attempt; a second Enter meanwhile does not.
        QTest::keyClick(g.sifre, Qt::Key_Return);
        QCOMPARE(g.Button1->text(), QStringLiteral("Bağlanıyor..."));
        QVERIFY(!g.Button1->isEnabled());
        QVERIFY(g.RxGIFAnimator1->calisiyor());
        QTest::keyClick(g.sifre, Qt::Key_Return);
        QVERIFY(butunIslerBitsin(10000));
        QCOMPARE(sunucu.istekler().size(), 1);
        QCOMPARE(m_kutular.size(), 1);
        QCOMPARE(m_kutular[0].metin, kHatali);
    }

    void reddedilinceDugmeGirisUnlemVeAdSecili()
    {
        SahteSunucu sunucu(
            [](const QByteArray& istek, bool&) { return SahteSunucu::sonucCevabi(istek, kayitJson(kayitAlanlari())); });
        IzlenenGiris g;
        baglan(g, sunucu.port());
        goster(g);
        g.adi->setText(QStringLiteral("AHMET"));
        g.sifre->setText(QStringLiteral("YANLIŞ"));
        QTest::mouseClick(g.Button1, Qt::LeftButton);
        QVERIFY(butunIslerBitsin(10000));

        QCOMPARE(m_kutular.size(), 1);
        QCOMPARE(m_kutular[0].baslik, QStringLiteral("Uyarı"));
        QCOMPARE(m_kutular[0].metin, kHatali);
        QCOMPARE(m_kutular[0].dugmeler, QStringList{QStringLiteral("Tamam")});
        QCOMPARE(m_kutular[0].odakli, QStringLiteral("Tamam"));
        QCOMPARE(g.Button1->text(), QStringLiteral("Giriş!"));
        QVERIFY(g.Button1->isEnabled());
        QCOMPARE(g.adi->selectedText(), QStringLiteral("AHMET"));
        QVERIFY(g.adi->hasFocus());
        QVERIFY(!g.RxGIFAnimator1->calisiyor());
        QVERIFY(g.isVisible());
        QVERIFY(m_cikislar.isEmpty());
        QVERIFY(!QFile::exists(ayarDosyasiYolu()));

        // The user tries again and gets in.
        g.sifre->setText(QStringLiteral("GİZLİ"));
        QTest::mouseClick(g.Button1, Qt::LeftButton);
        QVERIFY(butunIslerBitsin(10000));
        QCOMPARE(g.result(), int(QDialog::Accepted));
        QCOMPARE(sunucu.istekler().size(), 2);
    }

    void ikiKutuBosGirisYineDener()
    {
        SahteSunucu sunucu(
            [](const QByteArray& istek, bool&) { return SahteSunucu::sonucCevabi(istek, kayitJson(kayitAlanlari())); });
        IzlenenGiris g;
        baglan(g, sunucu.port());
        goster(g);
        QTest::mouseClick(g.Button1, Qt::LeftButton);
        QVERIFY(butunIslerBitsin(10000));
        QCOMPARE(sunucu.istekler().size(), 1);
        const QJsonObject istek = QJsonDocument::fromJson(sunucu.istekler()[0]).object();
        QCOMPARE(istek.value(QStringLiteral("method")).toString(), QStringLiteral("TServerMethods1.BuyukGetir"));
        QCOMPARE(istek.value(QStringLiteral("params")).toArray(), QJsonArray{QStringLiteral("WD-123456")});
        QCOMPARE(m_kutular.size(), 1);
        QCOMPARE(m_kutular[0].metin, kHatali);
    }

    void kucukHarfliSifreHicEslesmez()
    {
        SahteSunucu sunucu([](const QByteArray& istek, bool&) {
            return SahteSunucu::sonucCevabi(istek, kayitJson(kayitAlanlari({{"FSIFRE", "gizli"}})));
        });
        IzlenenGiris g;
        baglan(g, sunucu.port());
        goster(g);
        yaz(g.adi, QStringLiteral("AHMET"));
        yaz(g.sifre, QStringLiteral("gizli"));
        QCOMPARE(g.sifre->text(), QStringLiteral("GİZLİ"));
        QTest::mouseClick(g.Button1, Qt::LeftButton);
        QVERIFY(butunIslerBitsin(10000));
        QCOMPARE(m_kutular.size(), 1);
        QCOMPARE(m_kutular[0].metin, kHatali);
        QVERIFY(g.result() != QDialog::Accepted);
    }

    // The checks run in a fixed order: connection, version, unknown workstation, name and
    // password, active flag; staff then choose their dealer.
    void denetimSirasi_data()
    {
        QTest::addColumn<QString>("sunucu"); // "kayit", "yok", "hata", "bos"
        QTest::addColumn<QJsonObject>("alanlar");
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("sifre");
        QTest::addColumn<QStringList>("adimlar");
        QTest::addColumn<QStringList>("mesajlar");
        QTest::addColumn<bool>("girdi");
        QTest::addColumn<bool>("surecBitti");
        QTest::addColumn<bool>("ayarYazildi");

        const QString adim = QStringLiteral("AHMET");
        const QString dogru = QStringLiteral("GİZLİ");
        const QStringList yok;
        const QString istek = QStringLiteral("istek https://www.zelvar.example/");
        QTest::newRow("sunucuya ulaşılamıyor")
            << "yok" << QJsonObject() << adim << dogru << yok << QStringList{kBaglantiYok} << false << false << false;
        QTest::newRow("çağrı hata verdi")
            << "hata" << QJsonObject() << adim << dogru << yok
            << QStringList{QStringLiteral("Stok veritabanı kilitli"), kBaglantiYok} << false << false << false;
        QTest::newRow("kayıt gelmedi") << "bos" << QJsonObject() << adim << dogru << yok
                                       << QStringList{QStringLiteral("Sunucu bu bilgisayar için bir kayıt göndermedi."),
                                                      kBaglantiYok}
                                       << false << false << false;
        QTest::newRow("sürüm 3 önce gelir")
            << "kayit" << QJsonObject{{"FVersion", 3}, {"FVarmi", false}} << "X"
            << "Y" << QStringList{QStringLiteral("guncelleme 3")} << QStringList() << false << true << false;
        QTest::newRow("sürüm 1 de güncellenir")
            << "kayit" << QJsonObject{{"FVersion", 1}} << adim << dogru << QStringList{QStringLiteral("guncelleme 1")}
            << QStringList() << false << true << false;
        QTest::newRow("tanınmayan bilgisayar") << "kayit" << QJsonObject{{"FVarmi", false}} << adim << dogru
                                               << QStringList{istek} << QStringList() << false << true << false;
        QTest::newRow("yanlış şifre") << "kayit" << QJsonObject() << adim << "GIZLI" << yok << QStringList{kHatali}
                                      << false << false << false;
        QTest::newRow("yanlış ad") << "kayit" << QJsonObject() << "AHMED" << dogru << yok << QStringList{kHatali}
                                   << false << false << false;
        QTest::newRow("pasif hesap, ayar yine yazılır") << "kayit" << QJsonObject{{"FAKTIF", 0}} << adim << dogru << yok
                                                        << QStringList{kHatali} << false << false << true;
        QTest::newRow("AKTIF 2 de reddedilir") << "kayit" << QJsonObject{{"FAKTIF", 2}} << adim << dogru << yok
                                               << QStringList{kHatali} << false << false << true;
        QTest::newRow("pasif personel seçim yapmaz")
            << "kayit" << QJsonObject{{"FAKTIF", 0}, {"FMusteriTipi", 1}} << adim << dogru << yok
            << QStringList{kHatali} << false << false << true;
        QTest::newRow("bayi 0") << "kayit" << QJsonObject() << adim << dogru << yok << QStringList() << true << false
                                << true;
        QTest::newRow("bayi 3") << "kayit" << QJsonObject{{"FMusteriTipi", 3}} << adim << dogru << yok << QStringList()
                                << true << false << true;
        QTest::newRow("bayi 4") << "kayit" << QJsonObject{{"FMusteriTipi", 4}} << adim << dogru << yok << QStringList()
                                << true << false << true;
        QTest::newRow("personel 1") << "kayit" << QJsonObject{{"FMusteriTipi", 1}} << adim << dogru
                                    << QStringList{QStringLiteral("carisec")} << QStringList() << true << false << true;
        QTest::newRow("personel 2") << "kayit" << QJsonObject{{"FMusteriTipi", 2}} << adim << dogru
                                    << QStringList{QStringLiteral("carisec")} << QStringList() << true << false << true;
        QTest::newRow("boş ad ve şifreli kayıt boş kutularla eşleşir")
            << "kayit" << QJsonObject{{"FADI", ""}, {"FSIFRE", ""}} << QString() << QString() << yok << QStringList()
            << true << false << true;
    }

    void denetimSirasi()
    {
        QFETCH(QString, sunucu);
        QFETCH(QJsonObject, alanlar);
        QFETCH(QString, ad);
        QFETCH(QString, sifre);
        QFETCH(QStringList, adimlar);
        QFETCH(QStringList, mesajlar);
        QFETCH(bool, girdi);
        QFETCH(bool, surecBitti);
        QFETCH(bool, ayarYazildi);

        SahteSunucu s([&](const QByteArray& istek, bool&) -> QByteArray {
            if (sunucu == QLatin1String("hata"))
                return SahteSunucu::cerceve(
                    "{\"id\":" + QByteArray::number(SahteSunucu::istekNo(istek)) +
                    R"(,"error":{"class":"EServerError","message":"Stok veritabanı kilitli"}})");
            if (sunucu == QLatin1String("bos"))
                return SahteSunucu::sonucCevabi(istek, "null");
            return SahteSunucu::sonucCevabi(istek, kayitJson(kayitAlanlari(alanlar)));
        });
        IzlenenGiris g;
        baglan(g, sunucu == QLatin1String("yok") ? kapaliPort() : s.port());
        goster(g);
        g.adi->setText(ad);
        g.sifre->setText(sifre);
        QTest::mouseClick(g.Button1, Qt::LeftButton);
        QVERIFY(butunIslerBitsin(10000));

        QCOMPARE(g.adimlar, adimlar);
        QStringList gorulen;
        for (const Kutu& k : m_kutular)
            gorulen << k.metin;
        QCOMPARE(gorulen, mesajlar);
        if (!mesajlar.isEmpty()) {
            // Connection trouble is an error, a refused name a warning; a server's own text
            // comes first in a plain box.
            const Kutu& son = m_kutular.back();
            QCOMPARE(son.baslik, mesajlar.back() == kHatali ? QStringLiteral("Uyarı") : QStringLiteral("Hata"));
            if (mesajlar.size() == 2)
                QVERIFY(m_kutular.front().baslik != QStringLiteral("Hata"));
            QCOMPARE(g.Button1->text(), QStringLiteral("Giriş!"));
            QVERIFY(g.Button1->isEnabled());
        }
        QCOMPARE(g.result() == QDialog::Accepted, girdi);
        QCOMPARE(m_cikislar, surecBitti ? QList<int>{0} : QList<int>{});
        QCOMPARE(g.surecBitirildi(), surecBitti);
        QCOMPARE(QFile::exists(ayarDosyasiYolu()), ayarYazildi);
        if (sunucu != QLatin1String("yok"))
            QCOMPARE(m_bagc->Params().value(QStringLiteral("HostName")), QStringLiteral("127.0.0.1"));

        if (girdi) {
            // The server's record, with this workstation's own identity fields.
            QCOMPARE(m_bilgi.ADI(), alanlar.value(QStringLiteral("FADI")).toString(QStringLiteral("AHMET")));
            QCOMPARE(m_bilgi.CARINO(), 120);
            QCOMPARE(m_bilgi.CariAdi(), QStringLiteral("Demir Oto Yedek Parça"));
            QCOMPARE(m_bilgi.BILGISAYARID(), QStringLiteral("WD-123456"));
            QCOMPARE(m_bilgi.BilgiSayarAdi(), QStringLiteral("ATOLYE-PC"));
            QCOMPARE(m_bilgi.BilgisayarKullanici(), QStringLiteral("usta"));
            QCOMPARE(m_bilgi.Icip(), QStringLiteral("192.168.1.20"));
            QCOMPARE(m_bilgi.Disip(), QStringLiteral("127.0.0.1"));
        }
    }

    void personelCariSecimindenVazgecerseSurecBiter()
    {
        SahteSunucu s([](const QByteArray& istek, bool&) {
            return SahteSunucu::sonucCevabi(istek, kayitJson(kayitAlanlari({{"FMusteriTipi", 2}})));
        });
        IzlenenGiris g;
        g.cariSecimi = false;
        baglan(g, s.port());
        goster(g);
        g.adi->setText(QStringLiteral("AHMET"));
        g.sifre->setText(QStringLiteral("GİZLİ"));
        QTest::mouseClick(g.Button1, Qt::LeftButton);
        QVERIFY(butunIslerBitsin(10000));
        QCOMPARE(g.adimlar, QStringList{QStringLiteral("carisec")});
        QCOMPARE(m_cikislar, QList<int>{0});
        QVERIFY(g.result() != QDialog::Accepted);
        QVERIFY(!g.isVisible());
    }

    // "Beni hatırla" decides only what the next start fills in; the name and password are
    // written either way.
    void beniHatirla_data()
    {
        QTest::addColumn<bool>("hatirla");
        QTest::newRow("işaretsiz") << false;
        QTest::newRow("işaretli") << true;
    }

    void beniHatirla()
    {
        QFETCH(bool, hatirla);
        SahteSunucu s([](const QByteArray& istek, bool&) {
            return SahteSunucu::sonucCevabi(istek, kayitJson(kayitAlanlari({{"FADI", "ŞÜKRÜ"}, {"FSIFRE", "ÇĞ1"}})));
        });
        {
            IzlenenGiris g;
            baglan(g, s.port());
            goster(g);
            g.benihatirla->setChecked(hatirla);
            g.adi->setText(QStringLiteral("ŞÜKRÜ"));
            g.sifre->setText(QStringLiteral("ÇĞ1"));
            QTest::mouseClick(g.Button1, Qt::LeftButton);
            QVERIFY(butunIslerBitsin(10000));
            QCOMPARE(g.result(), int(QDialog::Accepted));
        }
        const auto a = girisAyariOku();
        QVERIFY(a);
        QCOMPARE(a->isim, QStringLiteral("ŞÜKRÜ"));
        QCOMPARE(a->sifre, QStringLiteral("ÇĞ1"));
        QCOMPARE(a->hatirla, hatirla);

        IzlenenGiris sonraki;
        QCOMPARE(sonraki.benihatirla->isChecked(), hatirla);
        QCOMPARE(sonraki.adi->text(), hatirla ? QStringLiteral("ŞÜKRÜ") : QString());
        QCOMPARE(sonraki.sifre->text(), hatirla ? QStringLiteral("ÇĞ1") : QString());
    }

    // ---- the ways out ------------------------------------------------------------------------

    void vazgecVeKapatmaSureciBitirir_data()
    {
        QTest::addColumn<int>("yol");
        QTest::newRow("Vazgeç") << 0;
        QTest::newRow("kapatma kutusu") << 1;
    }

    void vazgecVeKapatmaSureciBitirir()
    {
        QFETCH(int, yol);
        IzlenenGiris g;
        baglan(g, kapaliPort());
        goster(g);
        QTest::keyClick(&g, Qt::Key_Escape); // does not leave
        QVERIFY(g.isVisible());
        QVERIFY(m_cikislar.isEmpty());
        if (yol == 0)
            QTest::mouseClick(g.Button2, Qt::LeftButton);
        else
            g.close();
        QCOMPARE(m_cikislar, QList<int>{0});
        QVERIFY(!g.isVisible());
        QVERIFY(g.result() != QDialog::Accepted);
    }

    // The real update window opens; its download fails here, which reports and ends.
    void guncellemeGercekPencereyiAcar()
    {
        SahteSunucu s([](const QByteArray& istek, bool&) {
            return SahteSunucu::sonucCevabi(istek, kayitJson(kayitAlanlari({{"FVersion", 3}})));
        });
        IzlenenGiris g;
        g.gercekGuncelleme = true;
        baglan(g, s.port());
        goster(g);
        g.adi->setText(QStringLiteral("AHMET"));
        g.sifre->setText(QStringLiteral("GİZLİ"));
        QTest::mouseClick(g.Button1, Qt::LeftButton);
        QVERIFY(butunIslerBitsin(20000));
        QCOMPARE(g.adimlar, QStringList{QStringLiteral("guncelleme 3")});
        QCOMPARE(m_kutular.size(), 1);
        QCOMPARE(m_kutular[0].metin, QStringLiteral("Hata Oluştu !\nHata: Connection refused"));
        QCOMPARE(m_cikislar, QList<int>{0}); // once, by the update window
        QVERIFY(g.result() != QDialog::Accepted);
        QVERIFY(!QFile::exists(ayarDosyasiYolu()));
    }

    // A workstation without any identifier still gets the request form, with "&id=" at the
    // end of its address; closing the form ends the process.
    void kimliksizBilgisayarIstekFormuAlir()
    {
        KimliksizPlatform kimliksiz;
        setPlatform(&kimliksiz);
        SahteSunucu s([](const QByteArray& istek, bool&) {
            return SahteSunucu::sonucCevabi(istek, kayitJson(kayitAlanlari({{"FVarmi", false}})));
        });
        QString adres;
        QString baslik;
        {
            IzlenenGiris g;
            g.gercekIstekFormu = true;
            QCOMPARE(g.idsi, QString());
            baglan(g, s.port());
            goster(g);
            QTimer bekci;
            bekci.setInterval(20);
            connect(&bekci, &QTimer::timeout, this, [&] {
                auto* form = qobject_cast<Tformistekyeni*>(QApplication::activeModalWidget());
                if (!form)
                    return;
                bekci.stop();
                adres = form->sitem->url().toString(QUrl::FullyEncoded);
                baslik = form->windowTitle();
                QCOMPARE(form->size(), QSize(780, 555));
                QTest::mouseClick(form->Button1, Qt::LeftButton);
            });
            bekci.start();
            QTest::mouseClick(g.Button1, Qt::LeftButton);
            QVERIFY(butunIslerBitsin(20000));
            QCOMPARE(g.adimlar, QStringList{QStringLiteral("istek https://www.zelvar.example/")});
        }
        setPlatform(&m_platform);
        QCOMPARE(baslik, QStringLiteral("Zelvar Otomotiv B2B İstek Formu"));
        QCOMPARE(adres, QStringLiteral("https://www.zelvar.example/formmailgonder.aspx?carino=0&kullanici=%20&id="));
        QCOMPARE(m_cikislar, QList<int>{0});
    }

private:
    void baglan(Tgirisform& g, quint16 port)
    {
        m_bagc->Params()[QStringLiteral("Port")] = QString::number(port);
        g.bagim = m_bagc.get();
        g.Bilgim = &m_bilgi;
    }

    static void goster(QWidget& w)
    {
        // Without a window manager (Xvfb) the system never activates the window; the focus
        // checks need only the application's own idea of the active window.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QApplication::setActiveWindow(&w);
    }

    SahtePlatform m_platform;
    std::unique_ptr<Baglanti> m_bagc;
    TSonucBilgisi m_bilgi;
    QList<int> m_cikislar;
    QList<Kutu> m_kutular;
};

QTEST_MAIN(TstGirisFormu)
#include "tst_girisformu.moc"
