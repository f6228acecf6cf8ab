#include "websitesi.h"

#include "is/resimler.h"

#include <QDateTime>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QThread>
#include <QUrlQuery>

namespace zelvar::web
{

namespace
{

using Yanit = QHttpServerResponse;
using Durum = QHttpServerResponse::StatusCode;

constexpr qsizetype kEnBuyukForm = 64 * 1024;

QString kacis(const QString& s)
{
    return s.toHtmlEscaped();
}

QString sayfa(const QString& baslik, const QString& govde)
{
    return QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"tr\"><head><meta charset=\"utf-8\">"
               "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
               "<title>%1 - Zelvar Otomotiv</title><style>"
               "body{font-family:'DejaVu Sans',Arial,sans-serif;margin:0;background:#f4f6f9;color:#1d2733}"
               "header{background:#004080;color:#fff;padding:18px 28px}header h1{margin:0;font-size:26px}"
               "header p{margin:4px 0 0;color:#ffc98a}main{max-width:780px;margin:24px auto;background:#fff;"
               "padding:24px 28px;border-radius:6px;box-shadow:0 1px 4px rgba(0,0,0,.12)}"
               "label{display:block;margin-top:12px;font-weight:bold}input,textarea{width:100%;box-sizing:border-box;"
               "padding:7px;border:1px solid #b8c2cc;border-radius:4px;font:inherit}"
               "button{margin-top:16px;background:#e67814;color:#fff;border:0;padding:10px 22px;border-radius:4px;"
               "font-weight:bold}table{border-collapse:collapse}td{padding:6px 12px;border-bottom:1px solid #e3e7eb}"
               ".not{color:#5d6b79;font-size:13px}.hata{color:#b00020;font-weight:bold}</style></head><body>"
               "<header><h1>ZELVAR OTOMOTİV</h1><p>Yedek parça bayi sipariş sistemi</p></header>"
               "<main><h2>%1</h2>%2</main></body></html>\n")
        .arg(kacis(baslik), govde);
}

Yanit html(const QString& icerik, Durum durum = Durum::Ok)
{
    return Yanit(QByteArrayLiteral("text/html; charset=utf-8"), icerik.toUtf8(), durum);
}

QString formDegeri(const QUrlQuery& q, const char* ad)
{
    return q.queryItemValue(QString::fromLatin1(ad), QUrl::FullyDecoded).trimmed();
}

QString anaSayfa()
{
    return sayfa(QStringLiteral("Hoş geldiniz"),
                 QStringLiteral("<p>Zelvar Otomotiv, bayilerine 40'tan fazla ürün grubunda binlerce yedek parça "
                                "sunar. Siparişlerinizi Zelvar B2B programıyla verebilir, hesabınızı ve sipariş "
                                "durumlarınızı izleyebilirsiniz.</p><ul>"
                                "<li><a href=\"formmailgonder.aspx\">Bayi kayıt ve istek formu</a></li>"
                                "<li><a href=\"exe/ZelvarB2BSetup.exe\">Zelvar B2B kurulum programı</a></li></ul>"
                                "<p class=\"not\">Sanayi Sitesi 1. Blok No:3, Kağıthane / İstanbul · "
                                "siparis@zelvar.example · 0 850 000 00 00</p>"));
}

QString istekFormu(const QUrlQuery& q, const QString& hata)
{
    auto alan = [&](const char* ad, const QString& etiket, bool cokSatir = false) {
        const QString deger = kacis(formDegeri(q, ad));
        const QString a = QString::fromLatin1(ad);
        return cokSatir ? QStringLiteral("<label for=\"%1\">%2</label><textarea id=\"%1\" name=\"%1\" rows=\"4\">%3"
                                         "</textarea>")
                              .arg(a, etiket, deger)
                        : QStringLiteral("<label for=\"%1\">%2</label><input id=\"%1\" name=\"%1\" value=\"%3\">")
                              .arg(a, etiket, deger);
    };
    QString govde;
    if (!hata.isEmpty())
        govde += QStringLiteral("<p class=\"hata\">%1</p>").arg(kacis(hata));
    govde += QStringLiteral("<p>Bu bilgisayar sistemimizde kayıtlı değil. Bayi kaydı ya da yeni bilgisayar tanımı "
                            "için formu doldurunuz; en kısa sürede size dönüş yapacağız.</p>"
                            "<form method=\"post\" action=\"formmailgonder.aspx\">"
                            "<input type=\"hidden\" name=\"id\" value=\"%1\">"
                            "<input type=\"hidden\" name=\"carino\" value=\"%2\">"
                            "<input type=\"hidden\" name=\"kullanici\" value=\"%3\">"
                            "<p class=\"not\">Bilgisayar kimliği: %1</p>")
                 .arg(kacis(formDegeri(q, "id")), kacis(formDegeri(q, "carino")), kacis(formDegeri(q, "kullanici")));
    govde += alan("firma", QStringLiteral("Firma adı"));
    govde += alan("yetkili", QStringLiteral("Yetkili"));
    govde += alan("telefon", QStringLiteral("Telefon"));
    govde += alan("mail", QStringLiteral("E-posta"));
    govde += alan("sehir", QStringLiteral("Şehir"));
    govde += alan("mesaj", QStringLiteral("Mesajınız"), true);
    govde += QStringLiteral("<button type=\"submit\">Gönder</button></form>");
    return sayfa(QStringLiteral("Bayi İstek Formu"), govde);
}

} // namespace

struct WebSitesi::Ic {
    veri::VeritabaniAyari vtAyari;
    QHostAddress adres;
    quint16 istenen = 0;
    quint16 verilen = 0;
    QThread thread;
    QObject* nesne = nullptr;
    QHttpServer* sunucu = nullptr;
    std::unique_ptr<veri::Veritabani> vt;
    bool calisiyor = false;

    Yanit istekKaydet(const QHttpServerRequest& r);
    Yanit resim(const QHttpServerRequest& r);
    void yollar();
};

Yanit WebSitesi::Ic::istekKaydet(const QHttpServerRequest& r)
{
    const QByteArray govde = r.body();
    if (govde.size() > kEnBuyukForm)
        return html(sayfa(QStringLiteral("Hata"), QStringLiteral("<p class=\"hata\">Form çok büyük.</p>")),
                    Durum::PayloadTooLarge);
    // Form encoding writes blanks as "+"; a real "+" arrives as %2B.
    QByteArray metin = govde;
    metin.replace('+', ' ');
    const QUrlQuery q(QString::fromUtf8(metin));
    const QString firma = formDegeri(q, "firma");
    const QString yetkili = formDegeri(q, "yetkili");
    const QString telefon = formDegeri(q, "telefon");
    const QString mail = formDegeri(q, "mail");
    QString eksik;
    if (firma.isEmpty())
        eksik = QStringLiteral("Firma adı boş olamaz.");
    else if (yetkili.isEmpty())
        eksik = QStringLiteral("Yetkili boş olamaz.");
    else if (telefon.isEmpty())
        eksik = QStringLiteral("Telefon boş olamaz.");
    else if (mail.isEmpty())
        eksik = QStringLiteral("E-posta boş olamaz.");
    if (!eksik.isEmpty())
        return html(istekFormu(q, eksik), Durum::BadRequest);
    try {
        veri::YazmaIslemi islem(*vt);
        veri::Sorgu(*vt, QStringLiteral("INSERT INTO istek_formu (tarih, bilgisayarid, carino, kullanici, firma, "
                                        "yetkili, telefon, mail, sehir, mesaj) VALUES (?,?,?,?,?,?,?,?,?,?)"))
            .calistir(QDateTime::currentDateTime().toString(Qt::ISODate), formDegeri(q, "id").left(200),
                      formDegeri(q, "carino").left(20), formDegeri(q, "kullanici").left(100), firma.left(200),
                      yetkili.left(200), telefon.left(50), mail.left(200), formDegeri(q, "sehir").left(100),
                      formDegeri(q, "mesaj").left(4000));
        islem.onayla();
    } catch (const std::exception& e) {
        return html(sayfa(QStringLiteral("Hata"), QStringLiteral("<p class=\"hata\">İsteğiniz kaydedilemedi: %1</p>")
                                                      .arg(kacis(QString::fromUtf8(e.what())))),
                    Durum::InternalServerError);
    }
    return html(
        sayfa(QStringLiteral("Teşekkürler"),
              QStringLiteral("<p>İsteğiniz alındı, %1. En kısa sürede size dönüş yapacağız.</p>").arg(kacis(yetkili))));
}

Yanit WebSitesi::Ic::resim(const QHttpServerRequest& r)
{
    bool sayi = false;
    const int id = r.query().queryItemValue(QStringLiteral("id")).toInt(&sayi);
    QByteArray bayt;
    if (sayi && id > 0) {
        try {
            bayt = is::parcaResmiVer(*vt, id);
        } catch (const std::exception&) {
            return Yanit(Durum::InternalServerError);
        }
    }
    if (bayt.isEmpty())
        return Yanit(QByteArrayLiteral("image/jpeg"), QByteArray(), Durum::NotFound);
    return Yanit(QByteArrayLiteral("image/jpeg"), bayt);
}

void WebSitesi::Ic::yollar()
{
    sunucu->route(QStringLiteral("/"), [] { return html(anaSayfa()); });
    sunucu->route(QStringLiteral("/formmailgonder.aspx"), [this](const QHttpServerRequest& r) {
        if (r.method() == QHttpServerRequest::Method::Post)
            return istekKaydet(r);
        return html(istekFormu(r.query(), QString()));
    });
    sunucu->route(QStringLiteral("/resimgoster.ashx"), [this](const QHttpServerRequest& r) { return resim(r); });
    sunucu->route(QStringLiteral("/kelvorkart.html"), [](const QHttpServerRequest& r) {
        const QUrlQuery q = r.query();
        const QString govde =
            QStringLiteral("<table><tr><td>Cari No</td><td id=\"carino\">%1</td></tr>"
                           "<tr><td>Şube</td><td id=\"sube\">%2</td></tr>"
                           "<tr><td>Firma</td><td id=\"firmasi\">%3</td></tr>"
                           "<tr><td>Bakiye</td><td id=\"bakiye\">%4 TL</td></tr></table>"
                           "<form onsubmit=\"return false\"><label>Kart numarası</label><input disabled "
                           "placeholder=\"Deneme ortamı: kart bilgisi alınmaz\"><button disabled>Öde</button></form>"
                           "<p class=\"not\">Bu sayfa deneme ortamına aittir; ödeme alınmaz.</p>")
                .arg(kacis(formDegeri(q, "carino")), kacis(formDegeri(q, "sube")), kacis(formDegeri(q, "firmasi")),
                     kacis(formDegeri(q, "bakiye")));
        return html(sayfa(QStringLiteral("Kredi Kartı ile Ödeme"), govde));
    });
    sunucu->route(QStringLiteral("/exe/ZelvarB2BSetup.exe"), [] {
        Yanit y(QByteArrayLiteral("application/octet-stream"), kurulumProgrami());
        y.addHeader(QByteArrayLiteral("Content-Disposition"),
                    QByteArrayLiteral("attachment; filename=ZelvarB2BSetup.exe"));
        return y;
    });
}

QByteArray WebSitesi::kurulumProgrami()
{
    return QByteArrayLiteral("#!/bin/sh\n"
                             "# Zelvar B2B kurulum programi (deneme sunucusu). \"/silent\" ile calistirildiginda\n"
                             "# yaninda ZelvarB2BSetup.kuruldu dosyasini yazar.\n"
                             "dizin=$(cd \"$(dirname \"$0\")\" && pwd)\n"
                             "if [ \"$1\" = \"/silent\" ]; then\n"
                             "    printf 'ZelvarB2BSetup %s\\n' \"$*\" > \"$dizin/ZelvarB2BSetup.kuruldu\"\n"
                             "fi\n"
                             "exit 0\n");
}

WebSitesi::WebSitesi(const veri::VeritabaniAyari& vt, QHostAddress adres, quint16 port) : d(std::make_unique<Ic>())
{
    d->vtAyari = vt;
    d->adres = std::move(adres);
    d->istenen = port;
    d->thread.setObjectName(QStringLiteral("web"));
}

WebSitesi::~WebSitesi()
{
    durdur();
}

bool WebSitesi::baslat(QString* hata)
{
    d->thread.start();
    d->nesne = new QObject;
    d->nesne->moveToThread(&d->thread);
    bool tamam = false;
    QString neden;
    QMetaObject::invokeMethod(
        d->nesne,
        [&] {
            try {
                d->vt = std::make_unique<veri::Veritabani>(d->vtAyari, QStringLiteral("web"));
            } catch (const std::exception& e) {
                neden = QString::fromUtf8(e.what());
                return;
            }
            d->sunucu = new QHttpServer(d->nesne);
            d->yollar();
            d->verilen = d->sunucu->listen(d->adres, d->istenen);
            if (d->verilen == 0)
                neden = QStringLiteral("%1:%2 dinlenemiyor").arg(d->adres.toString()).arg(d->istenen);
            else
                tamam = true;
        },
        Qt::BlockingQueuedConnection);
    d->calisiyor = true;
    if (!tamam) {
        durdur();
        if (hata)
            *hata = neden;
    }
    return tamam;
}

void WebSitesi::durdur()
{
    if (!d->calisiyor)
        return;
    d->calisiyor = false;
    QMetaObject::invokeMethod(
        d->nesne,
        [this] {
            delete d->nesne; // with the server
            d->nesne = nullptr;
            d->sunucu = nullptr;
            d->vt.reset();
        },
        Qt::BlockingQueuedConnection);
    d->thread.quit();
    d->thread.wait();
}

quint16 WebSitesi::port() const
{
    return d->verilen;
}

} // namespace zelvar::web
