#pragma once

#include <optional>
#include <variant>
#include <vector>

#include <QColor>
#include <QFont>

class QWidget;

namespace tkv::platform {

// The system colour and font choosers. Both go through here, so tests can
// answer them without a window ever blocking.

// The chosen colour, or nothing when the chooser was cancelled.
std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial);

// The chosen font, or nothing when cancelled. With `fixedPitchOnly` only
// fixed-pitch faces are offered, and a font that does not exist is never
// returned.
std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial, bool fixedPitchOnly);

namespace testing {

// While answers are queued, the choosers show nothing and return the next
// answer: a colour or font, or std::monostate for "cancelled". The initial
// value each was called with is logged.
using ChooserAnswer = std::variant<std::monostate, QColor, QFont>;
void QueueChooserAnswer(ChooserAnswer answer);
std::vector<ChooserAnswer> TakeChooserLog();
void ResetChooserHook();

}  // namespace testing

}  // namespace tkv::platform
