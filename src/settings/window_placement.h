#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/io_result.h"

namespace tkv {

class RegistryStore;

struct WindowPoint {
    int top = 0;
    int left = 0;
    friend bool operator==(const WindowPoint&, const WindowPoint&) = default;
};

struct WindowSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowSize&, const WindowSize&) = default;
};

// Where a window goes at start: the stored place, or centred on the virtual
// desktop when nothing is stored or the stored place lies off its right or
// bottom edge (negative places are kept: a left-hand monitor).
WindowPoint RestorePosition(std::optional<int> storedTop, std::optional<int> storedLeft,
                            WindowSize screen, WindowSize window);

// The stored size, each dimension defaulting to the current one.
WindowSize RestoreSize(std::optional<int> storedHeight, std::optional<int> storedWidth,
                       WindowSize current);

// Where a window of `size` goes when it is maximised from `at`: it keeps its
// top-left corner unless it would cross the right or bottom edge of the work
// area (`workAt`, `work`); then it is moved in, never past the left or top edge.
WindowPoint MaximizedPosition(WindowPoint at, WindowSize size, WindowPoint workAt, WindowSize work);

// The "Position" values under the start user's key ("Top.TZangyoMain", ...).
class WindowPlacementStore {
public:
    WindowPlacementStore(RegistryStore& registry, std::string startUser);

    WindowPoint restorePosition(std::string_view className, WindowSize screen,
                                WindowSize window) const;
    WindowSize restoreSize(std::string_view className, WindowSize current) const;
    void savePosition(std::string_view className, WindowPoint at);
    void saveSize(std::string_view className, WindowSize size);
    IoResult flush();

    std::optional<int> read(std::string_view valueName) const;

private:
    std::string key() const;

    RegistryStore& m_registry;
    std::string m_startUser;
};

}  // namespace tkv
