// Pictorial data of a calculation kept in the results database.
#pragma once

#include <cstdint>

#include "render/pictures/pictorial_data.h"

namespace vexilor::store {
struct StoredCalculation;
}

namespace vexilor::render {

//! Pictorial data of a stored calculation, drawn with the texts of lang
//! (the language of interface, not the one it was stored in). Streams:
//! the first RquantFeeds rows are the feeds, the next RquantCatch rows the
//! takeoffs. Profiles: the first N+2 tray rows in stored order; empty
//! fields count as 0. Throws PictureError when the calculation holds more
//! than four components or fewer tray rows than its trays need.
PictorialData PictorialDataFromStored(const store::StoredCalculation& calculation,
                                      std::uint8_t lang);

}  // namespace vexilor::render
