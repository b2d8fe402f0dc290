// "Ordine crescente": the child clicks the numbers from the smallest up.
#include "order_screen.h"

namespace compare {
namespace {

const OrderScreen kForm12{
    .number = 12,
    .caption = "vaxo - Aritmetica  cl. I    Ordinamento dei numeri entro 10",
    .height = 8505,
    .title = "METTI IN ORDINE CRESCENTE I NUMERI DATI",
    .within20 = false,
    .ascending = true,
    .drawCount = 10,  // the digits 0 to 9
    .framedNumbers = false,
    .hideInstruction = false,
    .rightDisplay = "",
    .rightDisplayLeft = 2880,
};

const OrderScreen kForm35{
    .number = 35,
    .caption = "vaxo - Aritmetica  cl. I    Ordinamento dei numeri entro 20",
    .height = 8400,
    .title = "METTI IN ORDINE CRESCENTE I NUMERI DATI",
    .within20 = true,
    .ascending = true,
    .drawCount = 20,  // ten of the numbers 0 to 19
    .framedNumbers = true,
    .hideInstruction = true,
    .rightDisplay = "0",
    .rightDisplayLeft = 2880,
};

SCREEN(12, OrderNumbers, kForm12);
SCREEN(35, OrderNumbers, kForm35);

}  // namespace
}  // namespace compare
