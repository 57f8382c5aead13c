#include <gtest/gtest.h>

#include <QFileInfo>

#include "ProfileGenerator.h"

namespace {

constexpr qint64 MB = qint64(1) << 20;

TEST(ProfileGenerator, RefusesWhatItCannotWrite) {
    const struct {
        const char* name;
        qint64 targetBytes;
        qint64 largePartElements;
        qint64 available;
        const char* refusal;  // nullptr: accepted
    } cases[] = {
        {"fits", 100 * MB, 0, 10000 * MB, nullptr},
        {"large part fits", 0, 100000, 10000 * MB, nullptr},
        {"more than the disk holds", 3000000 * MB, 0, 250000 * MB, "more than"},
        {"more than is free", 100 * MB, 0, 50 * MB, "free"},
        {"large part more than is free", 0, 1000000, 500 * MB, "free"},
        {"negative", -MB, 0, 10000 * MB, "negative"},
        {"beyond any profile", kMaxGeneratedBytes + 1, 0, qint64(1) << 50, "more than"},
    };
    for (const auto& c : cases) {
        ProfileShape shape;
        shape.targetBytes = c.targetBytes;
        shape.largePartElements = c.largePartElements;
        const QString refusal = CheckGeneratedSize(shape, c.available);
        if (c.refusal)
            EXPECT_TRUE(refusal.contains(QLatin1String(c.refusal)))
                << c.name << ": " << refusal.toStdString();
        else
            EXPECT_TRUE(refusal.isEmpty()) << c.name << ": " << refusal.toStdString();
    }
}

TEST(ProfileGenerator, StopsAtAFailedWrite) {
    ProfileShape shape;
    shape.targetBytes = 4 * MB;
    const GeneratedProfile result = GenerateProfile(QStringLiteral("/dev/full"), shape);
    EXPECT_EQ(result.members, -1);
    EXPECT_TRUE(result.error.contains(QLatin1String("cannot write"))) << result.error.toStdString();
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());  // named, so left alone
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral("/dev/full")));
}

}  // namespace
