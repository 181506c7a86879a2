#include "base/com_text.h"

#include <gtest/gtest.h>

#include <string>

#include "base/dispatch.h"
#include "com_session.h"

namespace hotlist {
namespace {

TEST(ComText, CodePage936TextsSurviveTheWideRoundTrip) {
    ASSERT_EQ(GetACP(), 936U) << "the tests expect the ANSI code page 936 (zh_CN locale)";
    const char* texts[] = {"", "plain ascii", "\xd6\xd0\xce\xc4", "a\xb1\xea\xcc\xe2z \r\n\t"};
    for (const char* text : texts) {
        const UniqueVariant value = variantFromText(text);
        ASSERT_EQ(value.type(), VT_BSTR) << text;
        EXPECT_EQ(textFromVariant(value.get()).view(), text);
    }
    EXPECT_EQ(SysStringLen(bstrFromText("\xd6\xd0\xce\xc4").get()), 2U) << "two characters";
}

TEST(ComText, BytesCrossAsAByteArrayWithZeroBytesIntact) {
    const std::string raw("a\0b\xff\0", 5);
    const UniqueVariant array = variantFromBytes(Bytes(std::string_view(raw)));
    ASSERT_EQ(array.type(), VT_ARRAY | VT_UI1);
    EXPECT_EQ(bytesFromVariant(array.get()).view(), raw);

    const UniqueVariant empty = variantFromBytes(Bytes());
    ASSERT_EQ(empty.type(), VT_ARRAY | VT_UI1);
    EXPECT_TRUE(bytesFromVariant(empty.get()).empty());
    EXPECT_TRUE(bytesFromVariant(variantFromText("abc").get()).empty()) << "not an array";
}

TEST(ComText, ReadsGiveEmptyValuesForWhatTheyCannotConvert) {
    const UniqueVariant nothing;
    EXPECT_EQ(textFromVariant(nothing.get()), "");
    EXPECT_EQ(numberFromVariant(nothing.get()), 0);
    EXPECT_EQ(textFromVariant(variantFromInt(42).get()), "42");
    EXPECT_EQ(numberFromVariant(variantFromInt(200).get()), 200);
    EXPECT_EQ(numberFromVariant(variantFromText("12.5").get()), 12.5);
    EXPECT_EQ(numberFromVariant(variantFromText("not a number").get()), 0);
    EXPECT_FALSE(dispatchFromVariant(variantFromInt(1).get()));
}

class Dispatch : public ComTest {};

TEST_F(Dispatch, PutsGetsAndFailsQuietly) {
    const ComPtr<IDispatch> regex = createObject(L"VBScript.RegExp");
    ASSERT_TRUE(regex);
    const UniqueVariant pattern = variantFromText("a+");
    EXPECT_TRUE(invoke(regex.get(), L"Pattern", DispatchCall::propertyPut, {&pattern}));
    const auto read = invoke(regex.get(), L"Pattern", DispatchCall::propertyGet);
    ASSERT_TRUE(read);
    EXPECT_EQ(textFromVariant(read->get()), "a+");

    const UniqueVariant subject = variantFromText("baaa");
    const auto tested = invoke(regex.get(), L"Test", DispatchCall::method, {&subject});
    ASSERT_TRUE(tested);
    EXPECT_EQ(V_VT(&tested->get()), VT_BOOL);
    EXPECT_EQ(V_BOOL(&tested->get()), VARIANT_TRUE);

    EXPECT_FALSE(invoke(regex.get(), L"NoSuchMember", DispatchCall::method));
    EXPECT_FALSE(invoke(regex.get(), L"Test", DispatchCall::method)) << "argument missing";
    EXPECT_FALSE(invoke(nullptr, L"Pattern", DispatchCall::propertyGet));
    EXPECT_FALSE(createObject(L"Hotlist.NoSuchObject"));
}

}  // namespace
}  // namespace hotlist
