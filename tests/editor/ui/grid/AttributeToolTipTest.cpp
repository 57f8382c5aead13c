#include <gtest/gtest.h>

#include "CProfileAttributeToolTip.h"
#include "PrintQString.h"
#include "SettingsTestFakes.h"

namespace {

struct FakeDisplay : CProfileAttributeToolTip::Display {
    QStringList log;
    bool visible = false;
    void Show(const QString& text) override {
        log << "show:" + text;
        visible = true;
    }
    void Hide() override {
        log << "hide";
        visible = false;
    }
    bool IsVisible() const override { return visible; }
};

class AttributeToolTipTest : public ::testing::Test {
protected:
    AttributeToolTipTest() {
        for (int id = 62087; id <= 62101; ++id) s.strings.SetString(id, QString::number(id));
        s.strings.SetString(62106, "62106");
    }
    SettingsTest::World s;
    FakeDisplay display;
};

TEST_F(AttributeToolTipTest, DescriptionsDependOnRootValueAndFormat) {
    struct Case {
        int rootValue;
        int major;
        QString key;
        QString expected;
    };
    const QList<Case> cases = {
        {2, 3, "LABEL", "62087"},     {2, 3, "RANGE", "62100"},
        {2, 3, "COMMENT", "62101"},   {2, 2, "READ_CONDITION", "62106"},
        {2, 3, "READ_CONDITION", ""}, {2, 1, "READ_CONDITION", ""},
        {2, 3, "RELATION", ""},       {9, 3, "LABEL", ""},
        {0, 2, "DATA", ""},
    };
    for (const Case& c : cases) {
        CProfileAttributeToolTip tip(s.utility, &display, c.rootValue, c.major);
        EXPECT_EQ(tip.Description(c.key), c.expected)
            << c.rootValue << " " << c.major << " " << c.key.toStdString();
    }
}

TEST_F(AttributeToolTipTest, SameKeyKeepsTheTipWithoutFlicker) {
    CProfileAttributeToolTip tip(s.utility, &display, 2, 3);
    tip.ShowAttributeDescription("DATA");
    tip.ShowAttributeDescription("DATA");
    EXPECT_EQ(display.log, QStringList({"show:62092"}));
    tip.ShowAttributeDescription("NAME");
    tip.ShowAttributeDescription("RELATION");
    EXPECT_EQ(display.log, QStringList({"show:62092", "show:62090", "hide"}));
    EXPECT_TRUE(tip.ShownKey().isEmpty());
    // Once hidden, the same key shows the tip again.
    tip.ShowAttributeDescription("NAME");
    display.visible = false;
    tip.ShowAttributeDescription("NAME");
    EXPECT_EQ(display.log.mid(3), QStringList({"show:62090", "show:62090"}));
    tip.ShowAttributeDescription("");
    EXPECT_EQ(display.log.last(), "hide");
}

}  // namespace
