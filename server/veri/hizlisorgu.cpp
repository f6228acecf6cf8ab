#include "hizlisorgu.h"

#include <QSqlDriver>

#include <stdexcept>

#if ZELVAR_HIZLI_SQLITE
#include <sqlite3.h>
#endif

namespace zelvar::veri
{

#if ZELVAR_HIZLI_SQLITE

namespace
{

struct Onbellek : Veritabani::EkDurum {
    sqlite3* db = nullptr;
    QHash<QString, sqlite3_stmt*> hazirlar;
    ~Onbellek() override
    {
        for (sqlite3_stmt* st : std::as_const(hazirlar))
            sqlite3_finalize(st);
    }
};

sqlite3* tutamac(Veritabani& vt)
{
    if (!vt.sqliteMi())
        return nullptr;
    const QVariant v = vt.db().driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

Onbellek& onbellek(Veritabani& vt)
{
    auto* o = dynamic_cast<Onbellek*>(vt.ek.get());
    if (!o) {
        auto yeni = std::make_unique<Onbellek>();
        yeni->db = tutamac(vt);
        o = yeni.get();
        vt.ek = std::move(yeni);
    }
    if (!o->db)
        throw VeritabaniHatasi("SQLite bağlantısına doğrudan erişilemiyor");
    return *o;
}

[[noreturn]] void hata(sqlite3* db, const char* ne)
{
    throw VeritabaniHatasi(std::string("Veritabanı hatası (") + ne + "): " + sqlite3_errmsg(db));
}

} // namespace

bool HizliSorgu::kullanilabilir(Veritabani& vt)
{
    return tutamac(vt) != nullptr;
}

HizliSorgu::HizliSorgu(Veritabani& vt, const QString& sql) : m_vt(vt)
{
    Onbellek& o = onbellek(vt);
    m_st = o.hazirlar.value(sql);
    if (!m_st) {
        const QByteArray u = sql.toUtf8();
        if (sqlite3_prepare_v3(o.db, u.constData(), int(u.size()), SQLITE_PREPARE_PERSISTENT, &m_st, nullptr) !=
            SQLITE_OK)
            hata(o.db, "hazırlama");
        o.hazirlar.insert(sql, m_st);
    }
}

HizliSorgu::~HizliSorgu()
{
    sqlite3_reset(m_st);
    sqlite3_clear_bindings(m_st);
}

void HizliSorgu::bagla(int i, const QString& metin)
{
    const QByteArray u = metin.toUtf8();
    if (sqlite3_bind_text(m_st, i + 1, u.constData(), int(u.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        hata(sqlite3_db_handle(m_st), "bağlama");
}

void HizliSorgu::bagla(int i, qint64 sayi)
{
    if (sqlite3_bind_int64(m_st, i + 1, sayi) != SQLITE_OK)
        hata(sqlite3_db_handle(m_st), "bağlama");
}

bool HizliSorgu::sonraki()
{
    const int r = sqlite3_step(m_st);
    if (r == SQLITE_ROW)
        return true;
    if (r == SQLITE_DONE)
        return false;
    hata(sqlite3_db_handle(m_st), "okuma");
}

qint64 HizliSorgu::tamsayi(int i) const
{
    return sqlite3_column_int64(m_st, i);
}

double HizliSorgu::ondalik(int i) const
{
    return sqlite3_column_double(m_st, i);
}

std::string_view HizliSorgu::metin(int i) const
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_st, i));
    return p ? std::string_view(p, size_t(sqlite3_column_bytes(m_st, i))) : std::string_view();
}

#else

bool HizliSorgu::kullanilabilir(Veritabani&)
{
    return false;
}

HizliSorgu::HizliSorgu(Veritabani& vt, const QString&) : m_vt(vt)
{
    throw VeritabaniHatasi("hızlı okuma bu derlemede yok");
}

HizliSorgu::~HizliSorgu() = default;
void HizliSorgu::bagla(int, const QString&) {}
void HizliSorgu::bagla(int, qint64) {}
bool HizliSorgu::sonraki()
{
    return false;
}
qint64 HizliSorgu::tamsayi(int) const
{
    return 0;
}
double HizliSorgu::ondalik(int) const
{
    return 0;
}
std::string_view HizliSorgu::metin(int) const
{
    return {};
}

#endif

} // namespace zelvar::veri
