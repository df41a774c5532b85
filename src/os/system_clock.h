#pragma once

#include "base/clock.h"

namespace tkv::os {

// The local wall clock.
class SystemClock final : public Clock {
public:
    DateTime now() const override;
};

}  // namespace tkv::os
