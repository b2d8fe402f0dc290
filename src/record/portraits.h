// The children's pictures: simple drawings easy to tell apart (animals,
// fruit, things), one for each child of the class, each with the name that
// resting on it or holding it says. The files are PORTRAIT.png among the
// program's pictures, drawn by draw-pictures.
#pragma once
#include <iterator>

namespace record {

struct Portrait {
  const char* file;  // the picture's file, without .png
  const char* said;  // what is said of it, as the voice's catalogue holds it
};

inline constexpr Portrait kPortraits[] = {
    {"portrait_gatto", "IL GATTO"},        {"portrait_cane", "IL CANE"},
    {"portrait_pesce", "IL PESCE"},        {"portrait_uccello", "L'UCCELLO"},
    {"portrait_farfalla", "LA FARFALLA"},  {"portrait_coccinella", "LA COCCINELLA"},
    {"portrait_chiocciola", "LA CHIOCCIOLA"}, {"portrait_rana", "LA RANA"},
    {"portrait_mela", "LA MELA"},          {"portrait_pera", "LA PERA"},
    {"portrait_ciliegie", "LE CILIEGIE"},  {"portrait_banana", "LA BANANA"},
    {"portrait_fragola", "LA FRAGOLA"},    {"portrait_limone", "IL LIMONE"},
    {"portrait_sole", "IL SOLE"},          {"portrait_luna", "LA LUNA"},
    {"portrait_stella", "LA STELLA"},      {"portrait_fiore", "IL FIORE"},
    {"portrait_albero", "L'ALBERO"},       {"portrait_casa", "LA CASA"},
    {"portrait_palla", "LA PALLA"},        {"portrait_ombrello", "L'OMBRELLO"},
    {"portrait_barca", "LA BARCA"},        {"portrait_chiave", "LA CHIAVE"},
    {"portrait_cuore", "IL CUORE"},        {"portrait_treno", "IL TRENO"},
};
inline constexpr int kPortraitCount = static_cast<int>(std::size(kPortraits));

}  // namespace record
