#pragma once
#include "FormatSettings.h"
#include "IStringSource.h"

// The texts of the connection-information editor: the plug-in's own table first (element texts,
// category names, the failure messages), then the editor's own messages and list values.
class CConnectionInfoStringSource : public IStringSource {
public:
    explicit CConnectionInfoStringSource(const PeloraFormat::FormatSettings& settings)
        : m_settings(settings) {}

    QString LoadString(int id) const override;

private:
    const PeloraFormat::FormatSettings& m_settings;
};
