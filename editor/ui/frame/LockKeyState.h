#pragma once
#include <QStringList>
#include <optional>

// Which lock keys are on.
struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
    bool operator==(const LockKeys&) const = default;
};

// The keyboard's indicators as the platform reports them: the name of each indicator by its index
// and a bit per index that is lit.
struct KeyboardIndicators {
    QStringList names;
    quint32 lit = 0;
};

// Where the keyboard's indicators come from; nothing when the platform cannot say.
class IKeyboardIndicatorSource {
public:
    virtual ~IKeyboardIndicatorSource() = default;
    virtual std::optional<KeyboardIndicators> ReadIndicators() = 0;
};

// The lock keys that are on. Indicators are found by name, since their indexes differ between
// keyboard maps; without a source, a state or a named indicator the key counts as off, so an
// indicator is never shown lit when the key may not be.
LockKeys ReadLockKeys(IKeyboardIndicatorSource* source);
