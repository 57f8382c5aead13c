#include "LockKeyState.h"

namespace {

bool IsLit(const KeyboardIndicators& indicators, QLatin1StringView name) {
    const int count = std::min<int>(static_cast<int>(indicators.names.size()), 32);
    for (int i = 0; i < count; ++i)
        if (indicators.names[i].compare(name, Qt::CaseInsensitive) == 0) return (indicators.lit >> i) & 1u;
    return false;
}

}  // namespace

LockKeys ReadLockKeys(IKeyboardIndicatorSource* source) {
    const std::optional<KeyboardIndicators> indicators = source ? source->ReadIndicators() : std::nullopt;
    if (!indicators) return {};
    return {IsLit(*indicators, QLatin1StringView("Caps Lock")),
            IsLit(*indicators, QLatin1StringView("Num Lock")),
            IsLit(*indicators, QLatin1StringView("Scroll Lock"))};
}
