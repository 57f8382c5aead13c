#include "RunProfileCheck.h"

#include "CCheckContext.h"
#include "CheckMessageFormatting.h"

void RunProfileCheck(const CheckFormat& format, ICheckProgressSink* progress, CPELFM_ProfileInfo* root,
                     QList<_ST_PEL_CHECK_MESSAGE>& messages) {
    // Findings of an earlier run never survive into this one, not even when nothing can be judged.
    messages.clear();
    try {
        QList<_ST_PEL_CHECK_MESSAGE> findings;
        {
            CCheckContext context(format);
            if (!context.Build(root)) return;
            context.RunCheckGroups(progress);
            findings = context.Messages();
            context.Destroy();
        }
        FormatCheckMessages(format, findings);
        messages = std::move(findings);
    } catch (...) {
        messages.clear();
    }
}
