// The program's pictures, embedded in the executable: icons, suit pips and card backs.
#pragma once

#include <span>
#include <string_view>

namespace ct {

// The bytes of an embedded file by name ("icon105_18.png", "back116.png"); empty if absent.
//   icon<id>_<pixels>.png   icons 101 (64/32/16), 105-108 suit pips (18/9),
//                           117/119/124 buttons (64/32), canvas_16.png (the padding canvas)
//   back<id>.png            card backs 116, 127, 128, 129, 135
//   <program>_64.png        the programs' own icons (velmar, zembrola, trevallo, sarvotte)
std::span<const unsigned char> resourceData(std::string_view fileName);

} // namespace ct
