#include "FormatSettings.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>
#include <vector>

using namespace PeloraFormat;

namespace {

struct FormatCase {
    const char* name;
    const FormatSettings& (*settings)();
    int deviceIfCount;
    int commIfInfoCount;
    int blockParamCount;
    int reservedWords;
    int dataTypes;
    const char* qdtxCategory;  // "" when DEVICE_IF has no QDTX parameters
};

const FormatCase kCases[] = {
    {"3.0", &Format30, 35, 2, 3, 33, 31, "QDTX"},
    {"2.0", &Format20, 16, 1, 3, 32, 30, "QDTX"},
    {"1.1", &Format11, 4, 1, 2, 31, 30, ""},
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class FormatSettingsTest : public ::testing::TestWithParam<FormatCase> {
protected:
    const FormatSettings& s() const { return GetParam().settings(); }

    std::vector<std::span<const TemplateSpec>> AllTemplates() const {
        return {s().fileInfoTemplates,   s().deviceInfoTemplates, s().blockInfoTemplates,
                s().commIfInfoTemplates, s().deviceIfTemplates,   s().blockMemoryTemplates,
                s().blockParamTemplates};
    }
};

TEST_P(FormatSettingsTest, StringTableIsSortedAndUnique) {
    // The lookup is a binary search: an unsorted entry would silently read as "".
    for (size_t i = 1; i < s().strings.size(); ++i)
        EXPECT_LT(s().strings[i - 1].id, s().strings[i].id) << "at " << s().strings[i].id;
}

TEST_P(FormatSettingsTest, EveryTemplateTextResolves) {
    for (auto list : AllTemplates()) {
        for (const TemplateSpec& t : list) {
            for (int id : {t.label2Id, t.categoryId, t.nameId}) {
                if (id != 0) {
                    EXPECT_FALSE(s().String(id).isEmpty()) << t.label << " id " << id;
                }
            }
            // Japanese tables repeat the display text in LABEL2; the English one repeats the label.
            if (QString::fromLatin1(s().language) == "ja") {
                EXPECT_EQ(s().String(t.label2Id), s().String(t.nameId)) << t.label;
            } else if (t.label2Id != 0) {
                EXPECT_EQ(s().String(t.label2Id), QString::fromLatin1(t.label));
            }
            if (t.data == TemplateData::StringId) {
                EXPECT_FALSE(s().String(t.dataId).isEmpty());
            }
        }
    }
}

TEST_P(FormatSettingsTest, TemplateCounts) {
    EXPECT_EQ(s().fileInfoTemplates.size(), 7u);
    EXPECT_EQ(s().deviceInfoTemplates.size(), 10u);
    EXPECT_EQ(s().blockInfoTemplates.size(), 1u);
    EXPECT_EQ(s().blockMemoryTemplates.size(), 6u);
    EXPECT_EQ(int(s().deviceIfTemplates.size()), GetParam().deviceIfCount);
    EXPECT_EQ(int(s().commIfInfoTemplates.size()), GetParam().commIfInfoCount);
    EXPECT_EQ(int(s().blockParamTemplates.size()), GetParam().blockParamCount);
}

TEST_P(FormatSettingsTest, QdtxParametersCarryTheFormatsCategory) {
    int qdtx = 0;
    for (const TemplateSpec& t : s().deviceIfTemplates) {
        if (QString::fromLatin1(t.label).startsWith("P_QDTX_")) {
            ++qdtx;
            EXPECT_EQ(s().String(t.categoryId), QString::fromLatin1(GetParam().qdtxCategory));
        }
    }
    EXPECT_EQ(qdtx, *GetParam().qdtxCategory ? 12 : 0);
}

TEST_P(FormatSettingsTest, LanguageIsTheLanguageTemplatesData) {
    EXPECT_EQ(s().String(8038), QString::fromLatin1(s().language));
}

TEST_P(FormatSettingsTest, LabelRules) {
    EXPECT_EQ(s().prohibitedLabelChars.size(), 33u);
    EXPECT_EQ(QString(QChar(s().prohibitedLabelChars.back())), s().String(41003));
    EXPECT_EQ(s().prohibitedLabelChars[31], u' ');
    for (char16_t c : s().prohibitedLabelChars) EXPECT_NE(c, u'_');
    EXPECT_EQ(int(s().reservedLabelWords.size()), GetParam().reservedWords);
}

TEST_P(FormatSettingsTest, DataTypeList) {
    const QString list = QString::fromLatin1(s().dataTypeList);
    ASSERT_TRUE(list.startsWith('|') && list.endsWith('|'));
    const QStringList names = list.mid(1, list.size() - 2).split('|');
    EXPECT_EQ(int(names.size()), GetParam().dataTypes);
    EXPECT_EQ(names.contains("RDB_?"), s().hasRdbDataTypes);
}

TEST_P(FormatSettingsTest, ItemOrdersUseOnlyItemKindsOfTheFormat) {
    for (int part = 0; part < PartKindCount; ++part) {
        QSet<int> seen;
        for (int kind : s().ItemOrder(part)) {
            EXPECT_TRUE(s().HasItemKind(kind)) << "part " << part << " kind " << kind;
            EXPECT_NE(kind, 1) << "LABEL is written as an attribute";
            EXPECT_FALSE(s().ItemTagName(kind).isEmpty());
            EXPECT_FALSE(seen.contains(kind));
            seen.insert(kind);
        }
    }
    EXPECT_TRUE(s().ItemOrder(0).empty());
    EXPECT_TRUE(s().ItemOrder(11).empty());
    EXPECT_TRUE(s().ItemOrder(-1).empty());
    for (int kind = s().maxItemKind + 1; kind < ItemKindCount; ++kind)
        EXPECT_TRUE(s().ItemTagName(kind).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatSettingsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string("v") + info.param.name[0]; });

TEST(FormatSettingsTexts, UnknownIdIsEmpty) {
    EXPECT_EQ(Format30().String(7999), QString());
    EXPECT_EQ(Format20().String(8123), QString());  // LOG_CSV texts exist in 3.0 only
    EXPECT_EQ(Format11().String(8098), QString());  // no QDTX texts in 1.1
    EXPECT_EQ(Format20().String(41019), QString());
}

TEST(FormatSettingsTexts, WordForWord) {
    struct Row {
        const FormatSettings& (*settings)();
        int id;
        const char* text;
    };
    const Row rows[] = {
        {&Format30, 8085, "装置プロファイル仕様バージョン"},
        {&Format30, 8160, "スキーマ名（デフォルト）"},
        {&Format30, 8122, "タイムスタンプ列"},
        {&Format20, 8122, "QDTX"},
        {&Format30, 8164, "QDTX"},
        {&Format11, 8074, "Pelora for Dazeziv Specification Version"},
        {&Format11, 8087, "Export (No check) (&P)"},
        {&Format11, 8038, "en"},
        {&Format30, 41020, "DEVICE_IFの数が20480個を超えているため接続情報設定画面を表示できません。"},
    };
    for (const Row& r : rows) EXPECT_EQ(r.settings().String(r.id), QString::fromUtf8(r.text)) << r.id;
    EXPECT_TRUE(Format30().String(41019).contains("\n・処理に必要なメモリ"));
}

TEST(FormatSettingsOrders, DifferencesBetweenFormats) {
    auto vec = [](std::span<const int> s) { return std::vector<int>(s.begin(), s.end()); };
    EXPECT_EQ(vec(Format30().ItemOrder(8)), (std::vector<int>{2, 3, 4, 5, 7, 8, 9, 10, 11, 17, 15}));
    EXPECT_EQ(vec(Format20().ItemOrder(8)), (std::vector<int>{2, 3, 4, 5, 7, 8, 9, 10, 11, 15}));
    EXPECT_EQ(vec(Format20().ItemOrder(6)), (std::vector<int>{2, 3, 4, 5, 7, 8, 9, 10, 16, 13, 14, 15}));
    EXPECT_EQ(vec(Format11().ItemOrder(6)), (std::vector<int>{2, 3, 4, 5, 7, 8, 9, 10, 13, 14, 15}));
    EXPECT_EQ(QString::fromLatin1(Format20().reservedLabelWords.back()), "READ_CONDITION");
    EXPECT_EQ(QString::fromLatin1(Format11().reservedLabelWords.back()), "COMMON");
}

}  // namespace
