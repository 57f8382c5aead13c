#pragma once
// A profile with a DEVICE section, the real plug-in object and an edit run driven by a script.
#include <gtest/gtest.h>

#include "CConnectionInfoSession.h"
#include "CConnectionInfoStringSource.h"
#include "CConnectionInfoWorkSet.h"
#include "CProfilePlugin.h"
#include "ConnInfoWidgetSupport.h"
#include "ConnectionInfoIds.h"
#include "ConnectionInfoTestData.h"
#include "FormatSettings.h"
#include "MessageBoxStyle.h"
#include "QtPrinters.h"
#include "ScriptedConnectionInfoPresenter.h"

namespace ConnInfoTest {

class SessionFixture : public ::testing::Test {
protected:
    SessionFixture() { device = AddSection(root, SECTION_DEVICE, "DEVICE"); }

    // Every scripted step was used, and every dialog was scripted and ended by its step.
    void TearDown() override {
        EXPECT_EQ(presenter.Unused(), 0);
        EXPECT_EQ(presenter.unscripted, 0);
        EXPECT_EQ(presenter.leftOpen, 0);
    }

    CConnectionInfoWorkSet& WorkSet() { return session.WorkSet(); }
    void Load() { ASSERT_EQ(WorkSet().Load(root), 0); }
    QString Str(int id) const { return strings.LoadString(id); }

    // Opens the copy of the connection at the index in its detail dialog.
    int Open(int index, int* modifiedOut = nullptr) {
        CPELFM_PartInfo* part = WorkSet().GetConnectionAt(index);
        int modified = 0;
        const int result = session.OpenConnection(nullptr, part, Param(part, "ProtocolType"),
                                                  Param(part, "ProtocolVersion"), modified);
        if (modifiedOut) *modifiedOut = modified;
        return result;
    }
    CPELFM_PartInfo* Copy(int index) { return WorkSet().GetConnectionAt(index); }

    CPELFM_ProfileInfo root;
    CPELFM_SectionInfo* device;
    CProfilePlugin plugin{PeloraFormat::Format30()};
    CConnectionInfoStringSource strings{PeloraFormat::Format30()};
    ScriptedConnectionInfoPresenter presenter;
    CConnectionInfoSession session{plugin, presenter, strings};
};

}  // namespace ConnInfoTest
