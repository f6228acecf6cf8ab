#pragma once

// Putting an item into the basket from the catalogue lists, and the server picture of an
// item. Each opening fills the item dialog from the given row of its list's table, shows it
// modally and, on "Sipariş ekle", adds a basket line with SepeteEkleGonder. These run on the
// interface thread and use the main connection, as single actions do.

class QString;

namespace zelvar {

class AnaBaglam;
class ResimKutusu;
class SonucTablosu;

// Stock list: the dialog knows the stock number (for the web picture).
void StokSepeteEkle(AnaBaglam& ana, const SonucTablosu& tablo, int satir);
// New-item list and campaign list.
void YeniSepeteEkle(AnaBaglam& ana, const SonucTablosu& tablo, int satir);
void KampanyaliSepeteEkle(AnaBaglam& ana, const SonucTablosu& tablo, int satir);

// Sends a new basket line for the item in row `satir` of `tablo` with `SepetEkle2`; on the
// answer 1 the basket is reloaded. The connection guard reports an unreachable server; an
// error of the call itself is shown with its text.
void SepeteEkleGonder(AnaBaglam& ana, const SonucTablosu& tablo, int satir, int miktar, double fiyat, double ind1,
                      double ind2, double ind3, double ind4);

// Loads the item's picture stored on the server (`ResimVer5`) into `hedef`, read in 1024-byte
// pieces and shown only when the bytes add up to the announced length. A missing picture
// shows nothing; a failing call or an undecodable picture gives a plain message box with the
// error's kind and text. Returns whether a picture was shown.
bool SunucuResmiYukle(AnaBaglam& ana, int stokno, ResimKutusu* hedef);

} // namespace zelvar
