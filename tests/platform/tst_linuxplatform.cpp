#include "platform/linuxplatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

using namespace zelvar;

namespace {

// Builds a folder tree from lines:
//   "a/b/"            a folder
//   "a/b=text"        a file ("\n" escapes allowed); "a/b=hex:0080..." binary content
//   "a/b->c/d"        a symbolic link a/b pointing at the folder c/d (created), relative to the root
void agacKur(const QString& kok, const QStringList& satirlar)
{
    for (const QString& satir : satirlar) {
        if (const qsizetype ok = satir.indexOf(QLatin1String("->")); ok >= 0) {
            const QString bag = kok + QLatin1Char('/') + satir.left(ok);
            const QString hedef = kok + QLatin1Char('/') + satir.mid(ok + 2);
            QDir().mkpath(hedef);
            QDir().mkpath(QFileInfo(bag).path());
            QVERIFY(QFile::link(hedef, bag));
        } else if (const qsizetype esit = satir.indexOf(QLatin1Char('=')); esit >= 0) {
            const QString yol = kok + QLatin1Char('/') + satir.left(esit);
            const QString deger = satir.mid(esit + 1);
            QDir().mkpath(QFileInfo(yol).path());
            QFile f(yol);
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (deger.startsWith(QLatin1String("hex:")))
                f.write(QByteArray::fromHex(deger.mid(4).toLatin1()));
            else
                f.write(QString(deger).replace(QLatin1String("\\n"), QLatin1String("\n")).toUtf8());
        } else {
            QVERIFY(QDir().mkpath(kok + QLatin1Char('/') + satir));
        }
    }
}

} // namespace

class TstLinuxPlatform : public QObject {
    Q_OBJECT

private slots:
    void ilkDiskSeriNo_data()
    {
        QTest::addColumn<QStringList>("agac");
        QTest::addColumn<QString>("disk");
        QTest::addColumn<QString>("seri"); // "!" = throws

        QTest::newRow("udev verisi önce") << QStringList{
            "sys/block/sda/device/serial=BASKA\\n", "sys/block/sda/dev=8:0\\n",
            "udev/b8:0=S:disk/by-id/ata-WDC_WD10-WD-WCC4N1\\nE:ID_SERIAL=WDC_WD10_WD-WCC4N1\\nE:ID_SERIAL_SHORT=WD-WCC4N1\\n"}
            << "sda" << "WD-WCC4N1";
        QTest::newRow("nvme sysfs, dolgu kalır")
            << QStringList{"sys/block/nvme0n1/device/serial=S3Z9NB0K123456X     \\n", "sys/block/nvme0n1/dev=259:0\\n"}
            << "nvme0n1" << "S3Z9NB0K123456X     ";
        QTest::newRow("virtio") << QStringList{"sys/block/vda/device/", "sys/block/vda/serial=vm-disk-1\\n"} << "vda"
                                << "vm-disk-1";
        // Page 0x80: peripheral byte, page code, 16-bit length 12, then the serial.
        QTest::newRow("vpd sayfası") << QStringList{"sys/block/sda/device/vpd_pg80=hex:0080000c20205a3144324b334c344d35"}
                                     << "sda" << "  Z1D2K3L4M5";
        QTest::newRow("sanal ve çıkarılabilir atlanır")
            << QStringList{"sys/block/loop0/", "sys/block/sr0/device/serial=CDROM\\n",
                           "sys/block/sda/removable=1\\n", "sys/block/sda/device/serial=USBSTICK\\n",
                           "sys/block/sdb/removable=0\\n", "sys/block/sdb/device/serial=ICDISK\\n",
                           "sys/block/dm-0/device/serial=DM\\n"}
            << "sdb" << "ICDISK";
        QTest::newRow("USB disk sonra")
            << QStringList{"sys/block/sda->sys/devices/pci0000:00/0000:00:14.0/usb2/2-1/host6/block/sda",
                           "sys/devices/pci0000:00/0000:00:14.0/usb2/2-1/host6/block/sda/device/serial=USBHDD\\n",
                           "sys/block/sdb->sys/devices/pci0000:00/ata1/host0/block/sdb",
                           "sys/devices/pci0000:00/ata1/host0/block/sdb/device/serial=SATA1\\n"}
            << "sdb" << "SATA1";
        QTest::newRow("sayılar sayı gibi sıralanır")
            << QStringList{"sys/block/nvme0n10/device/serial=ON\\n", "sys/block/nvme0n2/device/serial=IKI\\n"}
            << "nvme0n2" << "IKI";
        QTest::newRow("seri okunamaz") << QStringList{"sys/block/sda/device/", "sys/block/sda/dev=8:0\\n"} << "sda"
                                       << "!";
        QTest::newRow("fiziksel disk yok") << QStringList{"sys/block/loop0/", "sys/block/ram0/"} << "" << "!";
    }
    void ilkDiskSeriNo()
    {
        QFETCH(QStringList, agac);
        QFETCH(QString, disk);
        QFETCH(QString, seri);
        QTemporaryDir kok;
        QVERIFY(kok.isValid());
        agacKur(kok.path(), agac);
        QVERIFY(QDir().mkpath(kok.path() + QStringLiteral("/sys/block")));
        LinuxPlatform p(kok.path() + QStringLiteral("/sys"), kok.path() + QStringLiteral("/udev"));
        QCOMPARE(p.ilkDisk(), disk);
        if (seri == QLatin1String("!"))
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, p.ilkDiskSeriNo());
        else
            QCOMPARE(p.ilkDiskSeriNo(), seri);
    }

    void programArgumanlariBolunmez()
    {
        QTemporaryDir kok;
        const QString cikti = kok.filePath(QStringLiteral("cikti.txt"));
        LinuxPlatform p;
        QVERIFY(p.programCalistir(QStringLiteral("/bin/sh"),
                                  {QStringLiteral("-c"), QStringLiteral("printf '%s|' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0\""),
                                   cikti, QStringLiteral("a b"), QStringLiteral("/silent"), QStringLiteral("çğ")}));
        QTRY_VERIFY(QFileInfo::exists(cikti));
        QFile f(cikti);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), QStringLiteral("a b|/silent|çğ|"));
        QVERIFY(!p.programCalistir(kok.filePath(QStringLiteral("olmayan-program")), {}));
    }

    void olmayanDosyaAcilmaz()
    {
        LinuxPlatform p;
        QVERIFY(!p.dosyaAc(QStringLiteral("/olmayan/klasor/rapor12.pdf")));
    }
};

QTEST_GUILESS_MAIN(TstLinuxPlatform)
#include "tst_linuxplatform.moc"
