#pragma once

// The values that identify this workstation to the server. None of them throws except
// DiskSeriNoAl and MacAdresiAl, whose only caller (BilgisayarIdAl) catches.

#include <QString>
#include <QStringList>

namespace zelvar {

// Short host name (up to the first dot), at most 15 characters: longer names are cut, the
// way the system's own short computer name is. Empty when the query fails.
QString BilgisayarAdiAl();
// Signed-on user's name; a name of 16 or more characters, or a failed query, gives empty text.
QString KullaniciAdiAl();
// First IPv4 address of the local host name that is not a loopback address, else the first
// address of an adapter that is up, else "127.0.0.1".
QString IcIpAl();
// Upper-cased serial of the first physical disk; throws std::runtime_error when unreadable.
QString DiskSeriNoAl();
// "AA-BB-CC-DD-EE-FF" of the first adapter with a non-zero address; empty when there is none
// or when the first adapter's status cannot be read.
QString MacAdresiAl();
// The computer identifier: disk serial, else adapter address, without blanks, then mapped
// through the known-disk table of the configuration. May be empty.
QString BilgisayarIdAl();

// The identifier rule on given inputs. `diskSeri` and `macAdresi` are empty when their query
// failed; `macAdresi` counts only when the trimmed disk serial is empty. An id equal (exactly,
// case included) to an entry of `bilinenDiskler` becomes `bilinenKimlik`; the table is
// ignored while `bilinenKimlik` is empty.
QString bilgisayarIdHesapla(const QString& diskSeri, const QString& macAdresi, const QStringList& bilinenDiskler,
                            const QString& bilinenKimlik);

} // namespace zelvar
