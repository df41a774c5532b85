#pragma once

class QMainWindow;

namespace tkv {

// The tip of a menu item whose window is still being built.
inline constexpr const char* kPendingFeatureTip = "この機能は準備中です。";

// Greys out the main window's items for features that have not landed yet
// and says why in their tooltip and status tip. A feature that lands takes
// its items out of the list in pending_features.cpp (and out of the README's
// opening paragraph).
void MarkPendingFeatures(QMainWindow& window);

}  // namespace tkv
