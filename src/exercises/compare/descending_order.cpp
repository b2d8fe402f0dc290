// "Ordine decrescente": the child clicks the numbers from the greatest down.
#include "order_screen.h"

namespace compare {
namespace {

const OrderScreen kForm13{
    .number = 13,
    .caption = "vaxo - Aritmetica  cl. I    Ordinamento dei numeri entro 10",
    .height = 8535,
    .title = "METTI IN ORDINE DECRESCENTE I NUMERI DATI",
    .within20 = false,
    .ascending = false,
    .drawCount = 10,  // the digits 0 to 9
    .framedNumbers = false,
    .hideInstruction = false,
    .rightDisplay = "",
    .rightDisplayLeft = 2880,
};

// Its window caption says "entro 10", like its twin within 10.
const OrderScreen kForm36{
    .number = 36,
    .caption = "vaxo - Aritmetica  cl. I    Ordinamento dei numeri entro 10",
    .height = 8280,
    .title = "METTI IN ORDINE DECRESCENTE I NUMERI DATI",
    .within20 = true,
    .ascending = false,
    .drawCount = 20,  // ten of the numbers 0 to 19
    .framedNumbers = true,
    .hideInstruction = true,
    .rightDisplay = "0",
    .rightDisplayLeft = 3000,
};

SCREEN(13, OrderNumbers, kForm13);
SCREEN(36, OrderNumbers, kForm36);

}  // namespace
}  // namespace compare
