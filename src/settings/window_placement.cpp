#include "settings/window_placement.h"

#include <algorithm>
#include <limits>

#include "base/cp932.h"
#include "base/paths.h"
#include "base/registry_store.h"
#include "base/text_util.h"

namespace tkv {

WindowPoint RestorePosition(std::optional<int> storedTop, std::optional<int> storedLeft,
                            WindowSize screen, WindowSize window) {
    const WindowPoint centred{(screen.height - window.height) / 2,
                              (screen.width - window.width) / 2};
    WindowPoint p{storedTop.value_or(centred.top), storedLeft.value_or(centred.left)};
    if (p.top > screen.height - 50)
        p.top = centred.top;
    if (p.left > screen.width - 50)
        p.left = centred.left;
    return p;
}

WindowPoint MaximizedPosition(WindowPoint at, WindowSize size, WindowPoint workAt,
                              WindowSize work) {
    WindowPoint p = at;
    if (p.left + size.width > workAt.left + work.width)
        p.left = workAt.left + work.width - size.width;
    if (p.top + size.height > workAt.top + work.height)
        p.top = workAt.top + work.height - size.height;
    p.left = std::max(p.left, workAt.left);
    p.top = std::max(p.top, workAt.top);
    return p;
}

WindowSize RestoreSize(std::optional<int> storedHeight, std::optional<int> storedWidth,
                       WindowSize current) {
    return {storedWidth.value_or(current.width), storedHeight.value_or(current.height)};
}

WindowPlacementStore::WindowPlacementStore(RegistryStore& registry, std::string startUser)
    : m_registry(registry), m_startUser(std::move(startUser)) {}

std::string WindowPlacementStore::key() const {
    return UserRegKey(m_startUser) + "\\Position";
}

std::optional<int> WindowPlacementStore::read(std::string_view valueName) const {
    const auto raw = m_registry.readValue(key(), valueName);
    if (!raw)
        return std::nullopt;
    constexpr int missing = std::numeric_limits<int>::min();
    const int v = StrToIntDef(cp932::toUtf8(*raw), missing);
    if (v == missing)
        return std::nullopt;
    return v;
}

WindowPoint WindowPlacementStore::restorePosition(std::string_view className, WindowSize screen,
                                                  WindowSize window) const {
    const std::string cls(className);
    return RestorePosition(read("Top." + cls), read("Left." + cls), screen, window);
}

WindowSize WindowPlacementStore::restoreSize(std::string_view className, WindowSize current) const {
    const std::string cls(className);
    return RestoreSize(read("Height." + cls), read("Width." + cls), current);
}

void WindowPlacementStore::savePosition(std::string_view className, WindowPoint at) {
    const std::string cls(className);
    m_registry.writeValue(key(), "Top." + cls, std::to_string(at.top));
    m_registry.writeValue(key(), "Left." + cls, std::to_string(at.left));
}

void WindowPlacementStore::saveSize(std::string_view className, WindowSize size) {
    const std::string cls(className);
    m_registry.writeValue(key(), "Height." + cls, std::to_string(size.height));
    m_registry.writeValue(key(), "Width." + cls, std::to_string(size.width));
}

IoResult WindowPlacementStore::flush() {
    return m_registry.flush();
}

}  // namespace tkv
