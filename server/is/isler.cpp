#include "isler.h"

#include "ortak.h"

namespace zelvar::is
{

void isleriKaydet(rpc::Dagitici& d)
{
    katalogIsleriniKaydet(d);
    sepetIsleriniKaydet(d);
    hesapIsleriniKaydet(d);
    personelIsleriniKaydet(d);
    tanitimIsleriniKaydet(d);
}

} // namespace zelvar::is
