#pragma once
#include <QStringList>

// Where the packing reports the files it left out: the output pane in the editor.
class IArchiveOutput {
public:
    virtual ~IArchiveOutput() = default;
    virtual void AppendOutputLines(const QStringList& lines) = 0;
};
