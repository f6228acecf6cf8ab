#pragma once

// The server methods the client calls: name, input parameters in declared order with their
// kinds, output parameters and the result's kind. The proxy follows this table and the server
// checks requests against it before a handler runs.

#include <span>
#include <string_view>

namespace zelvar {

enum class DegerTuru {
    Yok,       // no result
    Integer,   // 32-bit
    Int64,     // output lengths of streams
    Double,
    String,
    Boolean,
    Nesne,     // a marshalled record (TSonucBilgisi as input), null for none
    Akis,      // stream: base64 text
    Tablo,     // data packet or row reader
};

struct ParametreTanimi {
    std::string_view ad;
    DegerTuru tur;
    std::string_view nesneTipi = {}; // for Nesne: "baglantiu.TSonucBilgisi" and so on
};

struct MetotTanimi {
    std::string_view ad;
    std::span<const ParametreTanimi> girdiler;
    DegerTuru sonuc;
    std::string_view sonucTipi = {};          // for Nesne results
    std::span<const ParametreTanimi> ciktilar = {}; // out parameters
};

std::span<const MetotTanimi> metotKatalogu();
const MetotTanimi* metotBul(std::string_view ad);
const char* degerTuruAdi(DegerTuru t);

} // namespace zelvar
