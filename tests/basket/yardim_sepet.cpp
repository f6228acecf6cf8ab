#include "yardim_sepet.h"

#include "basket/sepetsayfasi.h"
#include "widgets/baglantikontrol.h"
#include "widgets/beklesin.h"
#include "widgets/mesaj.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <atomic>
#include <future>
#include <thread>
#include <QVBoxLayout>

using namespace zelvar;

namespace {

QJsonObject sutun(const char* ad, const char* tur)
{
    return QJsonObject{{QStringLiteral("name"), QString::fromLatin1(ad)}, {QStringLiteral("type"), QString::fromLatin1(tur)}};
}

QByteArray tabloJson(const QJsonArray& sutunlar, const QJsonArray& satirlar)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("columns"), sutunlar}, {QStringLiteral("rows"), satirlar}})
        .toJson(QJsonDocument::Compact);
}

QByteArray metinJson(const QString& s)
{
    QByteArray j = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return j.mid(1, j.size() - 2); // the string without the array around it
}

} // namespace

// ---------------------------------------------------------------------------------------

class SepetSunucusu::Dinleyici {
public:
    explicit Dinleyici(std::function<QByteArray(const QByteArray&)> cevap) : m_cevap(std::move(cevap))
    {
        std::promise<quint16> hazir;
        auto port = hazir.get_future();
        m_is = std::thread([this, &hazir] {
            Kabul kabul(this);
            kabul.listen(QHostAddress::LocalHost, 0);
            hazir.set_value(kabul.serverPort());
            while (!m_dur)
                kabul.waitForNewConnection(50);
        });
        m_port = port.get();
    }
    ~Dinleyici()
    {
        m_dur = true;
        m_is.join();
        for (std::thread& t : m_baglantilar)
            t.join();
    }
    quint16 port() const { return m_port; }

private:
    class Kabul : public QTcpServer {
    public:
        explicit Kabul(Dinleyici* d) : m_d(d) {}

    protected:
        void incomingConnection(qintptr tanimlayici) override
        {
            m_d->m_baglantilar.emplace_back([d = m_d, tanimlayici] { d->hizmet(tanimlayici); });
        }

    private:
        Dinleyici* m_d;
    };

    // One connection: frames in, answers out, until the client closes it.
    void hizmet(qintptr tanimlayici)
    {
        QTcpSocket s;
        s.setSocketDescriptor(tanimlayici);
        QByteArray tampon;
        while (!m_dur && s.state() == QAbstractSocket::ConnectedState) {
            if (!s.waitForReadyRead(50))
                continue;
            tampon += s.readAll();
            while (tampon.size() >= 4) {
                const auto* u = reinterpret_cast<const unsigned char*>(tampon.constData());
                const quint32 n = (quint32(u[0]) << 24) | (quint32(u[1]) << 16) | (quint32(u[2]) << 8) | u[3];
                if (quint32(tampon.size()) < 4 + n)
                    break;
                const QByteArray istek = tampon.mid(4, n);
                tampon.remove(0, 4 + n);
                s.write(m_cevap(istek));
                while (s.bytesToWrite() > 0 && s.waitForBytesWritten(1000)) {
                }
            }
        }
        s.abort();
    }

    std::function<QByteArray(const QByteArray&)> m_cevap;
    std::thread m_is;
    std::vector<std::thread> m_baglantilar; // touched only by the listening thread until the end
    std::atomic<bool> m_dur{false};
    quint16 m_port = 0;
};

SepetSunucusu::SepetSunucusu()
{
    m_dinleyici = std::make_unique<Dinleyici>([this](const QByteArray& istek) { return cevapla(istek); });
}

SepetSunucusu::~SepetSunucusu()
{
    m_dinleyici.reset();
}

quint16 SepetSunucusu::port() const
{
    return m_dinleyici->port();
}

void SepetSunucusu::setSatirlar(const QList<SepetSatiri>& satirlar)
{
    QMutexLocker k(&m_kilit);
    m_satirlar = satirlar;
}

QList<SepetSatiri> SepetSunucusu::satirlar() const
{
    QMutexLocker k(&m_kilit);
    return m_satirlar;
}

void SepetSunucusu::setTeslimler(const QStringList& adlar)
{
    QMutexLocker k(&m_kilit);
    m_teslimler = adlar;
}

void SepetSunucusu::setKargoTurleri(const QStringList& adlar)
{
    QMutexLocker k(&m_kilit);
    m_kargoTurleri = adlar;
}

void SepetSunucusu::setFirmalar(const QList<KargoFirmasi>& firmalar)
{
    QMutexLocker k(&m_kilit);
    m_firmalar = firmalar;
}

void SepetSunucusu::setUyari(const QString& metin)
{
    QMutexLocker k(&m_kilit);
    m_uyari = metin;
}

void SepetSunucusu::setSiparisSonucu(bool sonuc)
{
    QMutexLocker k(&m_kilit);
    m_siparisSonucu = sonuc;
}

void SepetSunucusu::setGuncellemeSonucu(int sonuc)
{
    QMutexLocker k(&m_kilit);
    m_guncellemeSonucu = sonuc;
}

void SepetSunucusu::setHatali(const QString& metot, bool hatali)
{
    QMutexLocker k(&m_kilit);
    m_hatalilar.removeAll(metot);
    if (hatali)
        m_hatalilar << metot;
}

QList<Cagri> SepetSunucusu::cagrilar() const
{
    QMutexLocker k(&m_kilit);
    return m_cagrilar;
}

QList<Cagri> SepetSunucusu::cagrilar(const QString& metot) const
{
    QList<Cagri> r;
    for (const Cagri& c : cagrilar())
        if (c.metot == metot)
            r << c;
    return r;
}

void SepetSunucusu::cagrilariSil()
{
    QMutexLocker k(&m_kilit);
    m_cagrilar.clear();
}

QByteArray SepetSunucusu::cevapla(const QByteArray& istek)
{
    const QJsonObject o = QJsonDocument::fromJson(istek).object();
    const QString metot = o.value(QStringLiteral("method")).toString().section(QLatin1Char('.'), 1);
    const QJsonArray p = o.value(QStringLiteral("params")).toArray();
    QMutexLocker k(&m_kilit);
    m_cagrilar << Cagri{metot, p};
    auto sonuc = [&](const QByteArray& json, const QByteArray& cikti = {}) {
        return SahteSunucu::sonucCevabi(istek, json, cikti);
    };
    if (m_hatalilar.contains(metot)) {
        const QByteArray g = "{\"id\":" + QByteArray::number(SahteSunucu::istekNo(istek)) +
                             ",\"error\":{\"class\":\"EServerError\",\"message\":" +
                             metinJson(metot + QStringLiteral(" başarısız")) + "}}";
        return SahteSunucu::cerceve(g);
    }

    if (metot == QLatin1String("SepetVer2")) {
        const QJsonArray sutunlar = {sutun("SEC", "integer"),        sutun("VERILISTARIHI", "datetime"),
                                     sutun("SIRANO", "integer"),     sutun("STOKNO", "integer"),
                                     sutun("BARKOD", "string"),      sutun("STOKADI", "string"),
                                     sutun("MIKTAR", "float"),       sutun("BIRIMFIYAT", "float"),
                                     sutun("TUTAR", "float"),        sutun("INDIRIMYAZI", "string"),
                                     sutun("INDIRIMORANI1", "float"), sutun("INDIRIMORANI2", "float"),
                                     sutun("INDIRIMORANI3", "float"), sutun("INDIRIMORANI4", "float"),
                                     sutun("INDIRIMTUTAR", "float"), sutun("NETBIRIMFIYAT", "float"),
                                     sutun("KDV", "integer"),        sutun("VERGITUTARI", "float"),
                                     sutun("NETTUTAR", "float"),     sutun("DURUM", "integer")};
        QJsonArray satirlar;
        for (const SepetSatiri& s : std::as_const(m_satirlar)) {
            satirlar.append(QJsonArray{s.sec ? QJsonValue(*s.sec) : QJsonValue(QJsonValue::Null),
                                       QStringLiteral("2024-05-02T10:15:00"),
                                       s.sirano,
                                       s.stokno,
                                       s.barkod,
                                       s.stokAdi,
                                       s.miktar,
                                       s.birimFiyat,
                                       s.tutar,
                                       QStringLiteral("%1+%2").arg(s.ind[0]).arg(s.ind[1]),
                                       s.ind[0],
                                       s.ind[1],
                                       s.ind[2],
                                       s.ind[3],
                                       s.indirim,
                                       s.miktar > 0 ? s.net / s.miktar : 0.0,
                                       s.kdv,
                                       s.vergi,
                                       s.net,
                                       1});
        }
        return sonuc(tabloJson(sutunlar, satirlar));
    }
    if (metot == QLatin1String("CariVadeGunGecmismiBul"))
        return sonuc(metinJson(m_uyari));
    if (metot == QLatin1String("SepetSecimGuncelle")) {
        for (SepetSatiri& s : m_satirlar)
            if (s.sirano == p.at(0).toInt())
                s.sec = p.at(1).toInt();
        return sonuc("null");
    }
    if (metot == QLatin1String("SepetGuncelle2")) {
        if (m_guncellemeSonucu == 1)
            for (SepetSatiri& s : m_satirlar)
                if (s.sirano == p.at(10).toInt()) {
                    s.miktar = p.at(5).toDouble();
                    s.birimFiyat = p.at(7).toDouble();
                }
        return sonuc(QByteArray::number(m_guncellemeSonucu));
    }
    if (metot == QLatin1String("SepetSatirSil")) {
        const int n = static_cast<int>(m_satirlar.removeIf([&](const SepetSatiri& s) { return s.sirano == p.at(1).toInt(); }));
        return sonuc(QByteArray::number(n));
    }
    if (metot == QLatin1String("SepetHepsiniSil")) {
        const auto n = m_satirlar.size();
        m_satirlar.clear();
        return sonuc(QByteArray::number(n));
    }
    if (metot == QLatin1String("TeslimVer") || metot == QLatin1String("KargoVer")) {
        const QStringList& adlar = metot == QLatin1String("TeslimVer") ? m_teslimler : m_kargoTurleri;
        QJsonArray satirlar;
        for (int i = 0; i < adlar.size(); ++i)
            satirlar.append(QJsonArray{i + 1, adlar[i]});
        return sonuc(tabloJson({sutun("SIRANO", "integer"), sutun("ADI", "string")}, satirlar));
    }
    if (metot == QLatin1String("KargolarVer")) {
        QJsonArray satirlar;
        for (const KargoFirmasi& f : std::as_const(m_firmalar))
            if (f.turno == p.at(0).toInt())
                satirlar.append(QJsonArray{f.sirano, f.adi, f.uyari, f.turno});
        return sonuc(tabloJson({sutun("SIRANO", "integer"), sutun("ADI", "string"), sutun("UYARI", "string"),
                                sutun("TURNO", "integer")},
                               satirlar));
    }
    if (metot == QLatin1String("SiparisKaydet")) {
        if (m_siparisSonucu)
            m_satirlar.removeIf([](const SepetSatiri& s) { return s.sec && *s.sec == 1; });
        return sonuc(m_siparisSonucu ? "true" : "false");
    }
    if (metot == QLatin1String("ResimVer5"))
        return sonuc("\"\"", "[0]");
    const QByteArray g = "{\"id\":" + QByteArray::number(SahteSunucu::istekNo(istek)) +
                         ",\"error\":{\"class\":\"EMethodNotFound\",\"message\":\"yok\"}}";
    return SahteSunucu::cerceve(g);
}

// ---------------------------------------------------------------------------------------

SahteAna::SahteAna(quint16 port) : m_pencere(std::make_unique<QWidget>())
{
    m_bagc.Params()[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
    m_bagc.Params()[QStringLiteral("Port")] = QString::number(port);
    m_bagc.setBaglanmaSuresiMs(2000);
    m_bagc.setCagriSuresiMs(10000);
    m_bilgi.setCARINO(7);
    m_bilgi.setSirano(3);
    m_bilgi.setADI(QStringLiteral("Usta Bayi"));
    m_bilgi.setCariAdi(QStringLiteral("Deneme Otomotiv"));
    m_bilgi.setMusteriTipi(0);

    auto* dikey = new QVBoxLayout(m_pencere.get());
    m_araedit = new QLineEdit(m_pencere.get());
    m_araedit->setObjectName(QStringLiteral("araedit"));
    dikey->addWidget(m_araedit);
    m_sekmeler = new QTabWidget(m_pencere.get());
    auto* stok = new QWidget(m_sekmeler);
    stok->setObjectName(QStringLiteral("sstoklistesi"));
    m_sekmeler->addTab(stok, QStringLiteral("Stok Listesi"));
    m_sepet = new SepetSayfasi(*this, m_sekmeler);
    m_sepet->setObjectName(QStringLiteral("ssepet"));
    m_sekmeler->addTab(m_sepet, QStringLiteral("Sepet"));
    dikey->addWidget(m_sekmeler);
    m_pencere->resize(1350, 652);
    m_pencere->show();
}

SahteAna::~SahteAna()
{
    islerBitsin(5000);
}

QWidget* SahteAna::sayfa(const QString& ad)
{
    return m_sekmeler->findChild<QWidget*>(ad);
}

void SahteAna::sekmeBasligiYaz(const QString& sayfaAdi, const QString& baslik)
{
    if (const int i = m_sekmeler->indexOf(sayfa(sayfaAdi)); i >= 0)
        m_sekmeler->setTabText(i, baslik);
}

void SahteAna::sepetiYenile()
{
    m_sepet->SepetGetir();
}

const SonucTablosu& SahteAna::sepetTablosu() const
{
    return m_sepet->sepet();
}

void SahteAna::sepetSatiriDuzenle(int sirano)
{
    m_sepet->SepetSatirDuzenle(sirano);
}

QString SahteAna::sekmeBasligi() const
{
    return m_sekmeler->tabText(m_sekmeler->indexOf(m_sepet));
}

bool SahteAna::sepetiGoster()
{
    m_sekmeler->setCurrentWidget(m_sepet);
    return islerBitsin();
}

bool SahteAna::yenidenGoster()
{
    m_sekmeler->setCurrentIndex(0);
    return sepetiGoster();
}

bool islerBitsin(int zamanAsimiMs)
{
    const bool a = butunIslerBitsin(zamanAsimiMs);
    const bool b = SepetSayfasi::uyariIsleriBitsin(zamanAsimiMs);
    QCoreApplication::processEvents();
    return a && b && butunIslerBitsin(zamanAsimiMs);
}

// ---------------------------------------------------------------------------------------

MesajKaydi::MesajKaydi(const SepetSunucusu* sunucu) : m_sunucu(sunucu)
{
    setMesajCevaplayici([this](QMessageBox& k) {
        Kutu kutu;
        kutu.baslik = k.windowTitle();
        kutu.metin = k.text();
        kutu.varsayilan = k.standardButton(k.defaultButton());
        kutu.istekSayisi = m_sunucu ? static_cast<int>(m_sunucu->cagrilar().size()) : 0;
        kutu.yukleniyor = m_sayfa && m_sayfa->yukleniyor();
        m_kutular << kutu;
        if (!m_cevaplar.isEmpty())
            return m_cevaplar.takeFirst();
        return kutu.varsayilan;
    });
}

MesajKaydi::~MesajKaydi()
{
    setMesajCevaplayici({});
}

QStringList MesajKaydi::metinler() const
{
    QStringList r;
    for (const Kutu& k : m_kutular)
        r << k.metin;
    return r;
}

QList<SepetSatiri> ornekSepet(int n, int isaretli)
{
    QList<SepetSatiri> r;
    for (int i = 0; i < n; ++i) {
        SepetSatiri s;
        s.sirano = 101 + i;
        s.sec = i < isaretli ? 1 : 0;
        s.miktar = i + 1;
        s.birimFiyat = 10.0 * (i + 1);
        s.tutar = s.miktar * s.birimFiyat;
        s.indirim = s.tutar / 10;
        s.net = s.tutar - s.indirim;
        s.vergi = s.net / 5;
        s.ind[0] = 10;
        s.barkod = QStringLiteral("BRK-%1").arg(s.sirano);
        s.stokAdi = QStringLiteral("PARÇA %1").arg(QChar(u'A' + i));
        s.stokno = 1000 + i;
        r << s;
    }
    return r;
}
