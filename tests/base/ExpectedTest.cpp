#include "base/Expected.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace vestra {
namespace {

TEST(ExpectedTest, AValueOrAnErrorIsHeldAndTold) {
    const struct {
        Expected<std::string> result;
        bool hasValue;
        std::string valueOr;
        std::string thrown; // the error value() carries, empty when it returns
    } cases[] = {
        {std::string("23.4"), true, "23.4", ""},
        {unexpected(Error{"h.sqlite: disk I/O error"}), false, "none", "h.sqlite: disk I/O error"},
        {Unexpected(Error{""}), false, "none", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.valueOr + c.thrown);
        EXPECT_EQ(c.result.has_value(), c.hasValue);
        EXPECT_EQ(static_cast<bool>(c.result), c.hasValue);
        EXPECT_EQ(c.result.value_or("none"), c.valueOr);
        if (c.hasValue) {
            EXPECT_EQ(c.result.value(), c.valueOr);
            EXPECT_EQ(*c.result, c.valueOr);
            EXPECT_EQ(c.result->size(), c.valueOr.size());
        } else {
            EXPECT_EQ(c.result.error().text, c.thrown);
            try {
                (void)c.result.value();
                ADD_FAILURE() << "value() returned without a value";
            } catch (const BadExpectedAccess<Error>& e) {
                EXPECT_EQ(e.error().text, c.thrown);
            }
        }
    }
}

TEST(ExpectedTest, VoidIsDoneOrItsError) {
    Expected<void> done;
    Expected<void> failed = unexpected(Error{"refused"});
    EXPECT_TRUE(done.has_value());
    EXPECT_NO_THROW(done.value());
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.error().text, "refused");
    EXPECT_THROW(failed.value(), BadExpectedAccess<Error>);
}

TEST(ExpectedTest, AMovedValueLeavesAMovedFromValueBehind) {
    Expected<std::unique_ptr<int>> first = std::make_unique<int>(7);
    Expected<std::unique_ptr<int>> second = std::move(first);
    EXPECT_TRUE(first.has_value());
    EXPECT_EQ(*first, nullptr);
    EXPECT_EQ(**second, 7);
    std::unique_ptr<int> taken = std::move(second).value();
    EXPECT_EQ(*taken, 7);
    EXPECT_EQ(*second, nullptr);

    Expected<std::string, int> text = std::string(40, 'x');
    EXPECT_EQ(std::move(text).value_or("none"), std::string(40, 'x'));
    EXPECT_TRUE(text->empty());
}

} // namespace
} // namespace vestra
