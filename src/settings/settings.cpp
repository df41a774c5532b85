#include "settings/settings.h"

#include <algorithm>

namespace tkv {

AutoTimeMode KnownAutoTimeMode(AutoTimeMode mode) {
    return static_cast<AutoTimeMode>(std::clamp(static_cast<int>(mode), 0, 2));
}

HalfDayValues HalfDayValuesOf(const Settings& s) {
    return {s.HanDayAM.valueOr(-0.5), s.HanDayPM.valueOr(-0.5)};
}

StartUserCopies StartUserCopiesOf(const Settings& s) {
    return {s.Pass, s.ReOpenPassIn, s.EscKeyMin, s.WindowSize};
}

}  // namespace tkv
