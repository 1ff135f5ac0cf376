#include "app/errorHandler.h"

#include <gtest/gtest.h>

#include "platform/messages.h"

namespace pos {
namespace {

TEST(ErrorHandler, EndsOnlyWhenTheStoreFileIsNamed) {
    ScriptedMessages messages;
    EXPECT_FALSE(handleApplicationError(messages, "No Such Column: G_XYZ"));
    EXPECT_TRUE(
        handleApplicationError(messages, "cannot open /opt/pos/data/JXC.DB: disk I/O error"));
    ASSERT_EQ(2u, messages.shown().size());
    EXPECT_EQ("no such column: g_xyz", messages.shown()[0].text);
    EXPECT_EQ("系统提示", messages.shown()[0].caption);
    EXPECT_EQ(MessageIcon::None, messages.shown()[0].icon);
    EXPECT_EQ("数据库格式不可识别！\r\n\r\n系统将退出！", messages.shown()[1].text);
}

}  // namespace
}  // namespace pos
