#include "app/settings/settingsvalues.h"

#include <cmath>

namespace settingsvalues {

std::optional<int> parseWholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

int wholeNumber(const QString& text, int min, int max, int fallback)
{
    const std::optional<int> value = parseWholeNumber(text);
    return value && *value >= min && *value <= max ? *value : fallback;
}

int roundedNumber(const QString& text, int min, int max, int fallback)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return fallback;
    const double rounded = std::nearbyint(value); // to nearest, halves to even
    return rounded >= min && rounded <= max ? static_cast<int>(rounded) : fallback;
}

} // namespace settingsvalues
