#include "settings/setting_values.h"

#include <cmath>
#include <limits>

#include "base/text_util.h"

namespace tkv {

TimeText::TimeText(std::string text) : m_text(std::move(text)), m_minutes(StrToMinutes(m_text)) {}

TimePair TimePair::FromText(std::string_view stored) {
    const std::size_t comma = stored.find(',');
    if (comma == std::string_view::npos)
        return {TimeText(), TimeText(std::string(stored))};
    return {TimeText(std::string(stored.substr(0, comma))),
            TimeText(std::string(stored.substr(comma + 1)))};
}

DecimalText::DecimalText(std::string text) : m_text(std::move(text)) {
    // A read that succeeds always gives a finite number.
    const double v = StrToFloatDec(m_text, 1, std::numeric_limits<double>::quiet_NaN());
    m_readable = !std::isnan(v);
    m_value = m_readable ? v : 0;
}

double DecimalText::valueOr(double fallback) const {
    return m_readable ? m_value : fallback;
}

}  // namespace tkv
