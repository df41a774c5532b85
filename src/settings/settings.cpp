#include "settings/settings.h"

#include <limits>

#include "base/text_util.h"

namespace tkv {

HalfDayValues HalfDayValuesOf(const Settings& s) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    auto read = [&](const std::string& text) {
        const double v = StrToFloatDec(text, 1, nan);
        return v == v ? v : -0.5;
    };
    return {read(s.HanDayAM), read(s.HanDayPM)};
}

StartUserCopies StartUserCopiesOf(const Settings& s) {
    return {s.Pass, s.ReOpenPassIn, s.EscKeyMin, s.WindowSize};
}

}  // namespace tkv
