#include "widgets/mesaj.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

using namespace zelvar;
using SB = QMessageBox::StandardButton;

Q_DECLARE_METATYPE(zelvar::MesajTuru)

namespace {

// What the test hook saw of the built box.
struct Gorulen {
    int sayi = 0;
    QString baslik;
    QString metin;
    QMessageBox::Icon ikon = QMessageBox::NoIcon;
    Qt::TextFormat bicim = Qt::AutoText;
    int punto = 0;
    QMap<SB, QString> yazilar;
    SB varsayilan = QMessageBox::NoButton;
    SB odak = QMessageBox::NoButton;
    bool arayuzIpligi = false;
};

} // namespace

class TstMesaj : public QObject {
    Q_OBJECT

    Gorulen m_g;
    SB m_cevap = QMessageBox::NoButton;

    void cevaplayiciKur()
    {
        m_g = Gorulen();
        setMesajCevaplayici([this](QMessageBox& kutu) {
            ++m_g.sayi;
            m_g.baslik = kutu.windowTitle();
            m_g.metin = kutu.text();
            m_g.ikon = kutu.icon();
            m_g.bicim = kutu.textFormat();
            m_g.punto = kutu.font().pointSize();
            for (QAbstractButton* b : kutu.buttons())
                m_g.yazilar.insert(kutu.standardButton(b), b->text());
            m_g.varsayilan = kutu.standardButton(kutu.defaultButton());
            if (auto* b = qobject_cast<QAbstractButton*>(kutu.focusWidget()))
                m_g.odak = kutu.standardButton(b);
            m_g.arayuzIpligi = QThread::currentThread() == qApp->thread();
            return m_cevap;
        });
    }

private slots:
    void initTestCase() { QGuiApplication::setApplicationDisplayName(QStringLiteral("Zelvar Otomotiv B2B")); }
    void init()
    {
        m_cevap = QMessageBox::NoButton;
        cevaplayiciKur();
    }
    void cleanup() { setMesajCevaplayici({}); }

    void soruOnayi()
    {
        m_cevap = QMessageBox::Yes;
        const SB sonuc = MesajGoster(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), MesajTuru::Soru,
                                     QMessageBox::Yes | QMessageBox::No, 0, QMessageBox::Yes);
        QCOMPARE(sonuc, QMessageBox::Yes);
        QCOMPARE(m_g.sayi, 1);
        QCOMPARE(m_g.baslik, QStringLiteral("Soru"));
        QCOMPARE(m_g.ikon, QMessageBox::Question);
        QCOMPARE(m_g.yazilar, (QMap<SB, QString>{{QMessageBox::Yes, "Evet"}, {QMessageBox::No, "Hayır"}}));
        QCOMPARE(m_g.varsayilan, QMessageBox::Yes);
        QCOMPARE(m_g.odak, QMessageBox::Yes);
        QCOMPARE(m_g.punto, 15);
    }

    void turler_data()
    {
        QTest::addColumn<MesajTuru>("tur");
        QTest::addColumn<QString>("baslik");
        QTest::addColumn<QMessageBox::Icon>("ikon");
        QTest::newRow("uyarı") << MesajTuru::Uyari << "Uyarı" << QMessageBox::Warning;
        QTest::newRow("hata") << MesajTuru::Hata << "Hata" << QMessageBox::Critical;
        QTest::newRow("bilgi") << MesajTuru::Bilgi << "Bilgi" << QMessageBox::Information;
        QTest::newRow("soru") << MesajTuru::Soru << "Soru" << QMessageBox::Question;
        QTest::newRow("özel") << MesajTuru::Ozel << "Zelvar Otomotiv B2B" << QMessageBox::NoIcon;
    }
    void turler()
    {
        QFETCH(MesajTuru, tur);
        QFETCH(QString, baslik);
        QFETCH(QMessageBox::Icon, ikon);
        MesajGoster(QStringLiteral("x"), tur, QMessageBox::Ok);
        QCOMPARE(m_g.baslik, baslik);
        QCOMPARE(m_g.ikon, ikon);
    }

    void turkceDugmeler()
    {
        const QMessageBox::StandardButtons hepsi = QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok |
                                                   QMessageBox::Cancel | QMessageBox::Abort | QMessageBox::Retry |
                                                   QMessageBox::Ignore | QMessageBox::YesToAll | QMessageBox::NoToAll |
                                                   QMessageBox::Help | QMessageBox::Close;
        MesajGoster(QStringLiteral("x"), MesajTuru::Bilgi, hepsi);
        QMessageBox duz;
        duz.setStandardButtons(QMessageBox::Close);
        const QMap<SB, QString> beklenen{
            {QMessageBox::Yes, "Evet"},          {QMessageBox::No, "Hayır"},
            {QMessageBox::Ok, "Tamam"},          {QMessageBox::Cancel, "Vazgeç"},
            {QMessageBox::Abort, "İptal"},       {QMessageBox::Retry, "Tekrar"},
            {QMessageBox::Ignore, "Atla"},       {QMessageBox::YesToAll, "Tümüne Evet"},
            {QMessageBox::NoToAll, "Tümüne Hayır"}, {QMessageBox::Help, "Yardım"},
            {QMessageBox::Close, duz.button(QMessageBox::Close)->text()}};
        QCOMPARE(m_g.yazilar, beklenen);
    }

    void varsayilanDugme_data()
    {
        QTest::addColumn<QMessageBox::StandardButtons>("dugmeler");
        QTest::addColumn<SB>("varsayilan");
        QTest::addColumn<SB>("odak");
        QTest::newRow("Evet") << (QMessageBox::Yes | QMessageBox::No) << QMessageBox::Yes << QMessageBox::Yes;
        QTest::newRow("silme sorusu Hayır") << (QMessageBox::Yes | QMessageBox::No) << QMessageBox::No
                                            << QMessageBox::No;
        QTest::newRow("gösterilmeyen varsayılan") << (QMessageBox::Yes | QMessageBox::No) << QMessageBox::Ok
                                                  << QMessageBox::Yes;
        QTest::newRow("varsayılan yok") << (QMessageBox::Cancel | QMessageBox::Ok) << QMessageBox::NoButton
                                        << QMessageBox::Ok;
        QTest::newRow("Vazgeç varsayılan") << (QMessageBox::Ok | QMessageBox::Cancel) << QMessageBox::Cancel
                                           << QMessageBox::Cancel;
        QTest::newRow("düğme yoksa Tamam") << QMessageBox::StandardButtons(QMessageBox::NoButton)
                                           << QMessageBox::Yes << QMessageBox::Ok;
    }
    void varsayilanDugme()
    {
        QFETCH(QMessageBox::StandardButtons, dugmeler);
        QFETCH(SB, varsayilan);
        QFETCH(SB, odak);
        MesajGoster(QStringLiteral("x"), MesajTuru::Uyari, dugmeler, 0, varsayilan);
        QCOMPARE(m_g.varsayilan, odak);
        QCOMPARE(m_g.odak, odak);
    }

    void cevapsizKapatma_data()
    {
        QTest::addColumn<QMessageBox::StandardButtons>("dugmeler");
        QTest::addColumn<SB>("sonuc");
        QTest::newRow("Evet/Hayır -> Hayır") << (QMessageBox::Yes | QMessageBox::No) << QMessageBox::No;
        QTest::newRow("Vazgeç önce") << (QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                                     << QMessageBox::Cancel;
        QTest::newRow("tek düğme") << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::Ok;
        QTest::newRow("kaçış düğmesi yok, Evet değil") << (QMessageBox::Yes | QMessageBox::YesToAll)
                                                       << QMessageBox::NoButton;
    }
    void cevapsizKapatma()
    {
        QFETCH(QMessageBox::StandardButtons, dugmeler);
        QFETCH(SB, sonuc);
        m_cevap = QMessageBox::NoButton;
        QCOMPARE(MesajGoster(QStringLiteral("x"), MesajTuru::Soru, dugmeler, 0, QMessageBox::Yes), sonuc);
    }

    void metinDuzYaziOlarak()
    {
        MesajGoster(QStringLiteral("<b>Bağlantı Hatası</b> \r\nLütfen Sonra Tekrar Deneyiniz !"), MesajTuru::Hata,
                    QMessageBox::Ok);
        QCOMPARE(m_g.bicim, Qt::PlainText);
        QCOMPARE(m_g.metin, QStringLiteral("<b>Bağlantı Hatası</b> \nLütfen Sonra Tekrar Deneyiniz !"));
    }

    void iscidenCagriArayuzIpligindeGosterilir()
    {
        m_cevap = QMessageBox::No;
        QFuture<SB> f = QtConcurrent::run([] {
            return MesajGoster(QStringLiteral("x"), MesajTuru::Soru, QMessageBox::Yes | QMessageBox::No);
        });
        QTRY_VERIFY(f.isFinished());
        QCOMPARE(f.result(), QMessageBox::No);
        QCOMPARE(m_g.sayi, 1);
        QVERIFY(m_g.arayuzIpligi);
    }

    // Without the hook: a real modal box over the active window, answered by key and click.
    void gercekKutu_data()
    {
        QTest::addColumn<QString>("eylem");
        QTest::addColumn<SB>("sonuc");
        QTest::newRow("Enter odaktaki düğme") << "enter" << QMessageBox::Yes;
        QTest::newRow("Hayır tıklanır") << "hayir" << QMessageBox::No;
        QTest::newRow("Esc") << "esc" << QMessageBox::No;
        QTest::newRow("pencere kapatılır") << "kapat" << QMessageBox::No;
    }
    void gercekKutu()
    {
        QFETCH(QString, eylem);
        QFETCH(SB, sonuc);
        setMesajCevaplayici({});
        QWidget ana;
        ana.resize(600, 400);
        ana.show();
        ana.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ana));

        QPointer<QMessageBox> gorulen;
        QWidget* sahip = nullptr;
        bool evetOdakta = false;
        QTimer zamanlayici;
        zamanlayici.setInterval(10);
        connect(&zamanlayici, &QTimer::timeout, this, [&] {
            auto* kutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!kutu || !kutu->isVisible())
                return;
            zamanlayici.stop();
            gorulen = kutu;
            sahip = kutu->parentWidget();
            evetOdakta = QApplication::focusWidget() == kutu->button(QMessageBox::Yes);
            if (eylem == QLatin1String("enter"))
                QTest::keyClick(kutu->focusWidget() ? kutu->focusWidget() : kutu, Qt::Key_Return);
            else if (eylem == QLatin1String("hayir"))
                kutu->button(QMessageBox::No)->click();
            else if (eylem == QLatin1String("esc"))
                QTest::keyClick(kutu, Qt::Key_Escape);
            else
                kutu->close();
        });
        zamanlayici.start();
        const SB cevap = MesajGoster(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), MesajTuru::Soru,
                                     QMessageBox::Yes | QMessageBox::No, 0, QMessageBox::Yes);
        QCOMPARE(cevap, sonuc);
        QCOMPARE(sahip, &ana);
        QVERIFY(evetOdakta);
        QVERIFY(!gorulen); // released after use
    }

    void duzMesaj()
    {
        DuzMesaj(QStringLiteral("Lütfen kullanıcı adını giriniz !"), QMessageBox::Warning);
        QCOMPARE(m_g.sayi, 1);
        QCOMPARE(m_g.baslik, QStringLiteral("Zelvar Otomotiv B2B"));
        QCOMPARE(m_g.ikon, QMessageBox::Warning);
        QCOMPARE(m_g.yazilar.keys(), QList<SB>{QMessageBox::Ok});
        QVERIFY(m_g.yazilar.value(QMessageBox::Ok) != QStringLiteral("Tamam")); // the platform's own caption
    }
};

QTEST_MAIN(TstMesaj)
#include "tst_mesaj.moc"
