#pragma once

#include <vector>

#include <QString>

#include "platform/report_engine.h"

namespace tkv::test {

// The bands of one kind on a laid-out page, top to bottom.
inline std::vector<const platform::PlacedBand*> bandsOf(const platform::ReportPage& page,
                                                        platform::BandKind kind) {
    std::vector<const platform::PlacedBand*> found;
    for (const platform::PlacedBand& b : page.bands)
        if (b.kind == kind)
            found.push_back(&b);
    return found;
}

// The first text of a band as it printed.
inline QString textOf(const platform::PlacedBand& band) {
    return band.texts.empty() ? QString() : band.texts.front().text;
}

}  // namespace tkv::test
