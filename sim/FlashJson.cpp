#include "FlashJson.h"

#include "FlashImageCheck.h"
#include "FlashRegion.h"

namespace sim {

void ReadFlash(ObjectReader& r, FlashRegion& flash)
{
    flash.boardSignature = r.Text("board_signature", kBoardSignatureSize);
    if (!flash.boardSignature.empty() && !IsKnownBoardSignature(flash.boardSignature))
        Fail(r.PathOf("board_signature"), "expected the four characters of a known board, or \"\"");
    flash.imageSize = r.Unsigned("image_size", 0xFFFFFFFF, 0);
}

Json WriteFlash(const FlashRegion& flash)
{
    return Json{{"board_signature", flash.boardSignature}, {"image_size", flash.imageSize}};
}

}  // namespace sim
