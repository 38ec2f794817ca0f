// The tool's list, iterator, callback and string types.
#include <gtest/gtest.h>

#include "ZepUtil/CppStr/apstring.h"
#include "runtime/ArrayList.h"
#include "runtime/CBFunctor.h"

namespace {

int CompareBytes(const void* a, const void* b)
{
    return static_cast<int>(*static_cast<const u8*>(a)) - static_cast<int>(*static_cast<const u8*>(b));
}

TEST(ArrayList, HoldsAt255ElementsAndRefusesMore)
{
    ArrayList<u16> list(1);
    for (unsigned i = 0; i < 255; ++i)
        ASSERT_EQ(list.Add(static_cast<u16>(i * 3)), 0) << i;
    EXPECT_EQ(list.GetCount(), 255);
    EXPECT_TRUE(list.IsFull());
    EXPECT_EQ(list.Add(9999), -1);
    EXPECT_EQ(list.GetCount(), 255);
    EXPECT_EQ(list.GetAt(254), 254 * 3);
    EXPECT_EQ(list.GetAt(0), 0);
}

TEST(ArrayList, GetAtPastTheCountAnswersAnEmptyValue)
{
    int value = 5;
    ArrayList<int*> pointers;
    pointers.Add(&value);
    EXPECT_EQ(pointers.GetAt(0), &value);
    EXPECT_EQ(pointers.GetAt(1), nullptr);
    EXPECT_EQ(pointers.GetAt(255), nullptr);
    ArrayList<u8> empty;
    EXPECT_EQ(empty.GetAt(0), 0);
}

TEST(ArrayList, SortAndRemoveAt)
{
    ArrayList<u8> list;
    for (u8 v : {5, 1, 4, 1, 3})
        list.Add(v);
    list.Sort(CompareBytes);
    const u8 sorted[] = {1, 1, 3, 4, 5};
    for (u8 i = 0; i < 5; ++i)
        EXPECT_EQ(list.GetAt(i), sorted[i]);

    EXPECT_EQ(list.RemoveAt(2), 0);
    EXPECT_EQ(list.GetCount(), 4);
    const u8 rest[] = {1, 1, 4, 5};
    for (u8 i = 0; i < 4; ++i)
        EXPECT_EQ(list.GetAt(i), rest[i]);
    EXPECT_EQ(list.RemoveAt(4), -1);
    EXPECT_EQ(list.GetCount(), 4);
}

TEST(ArrayListIterator, WalksFromItsStartIndex)
{
    ArrayList<u8> list;
    for (u8 v : {10, 20, 30, 40})
        list.Add(v);
    ArrayListIterator<u8> it(&list, 2);
    EXPECT_EQ(it.GetCurrentItem(), 30);
    it.Next();
    EXPECT_EQ(it.GetIndex(), 3);
    EXPECT_EQ(it.GetCurrentItem(), 40);
    it.Next();
    EXPECT_TRUE(it.IsDone());
    EXPECT_EQ(it.GetCurrentItem(), 0);
    it.Next();  // stays done
    EXPECT_EQ(it.GetIndex(), 4);
    it.First();
    EXPECT_EQ(it.GetCurrentItem(), 30);

    ArrayListIterator<u8> pastEnd(&list, 9);
    EXPECT_TRUE(pastEnd.IsDone());
}

// Polymorphic like the parsers that register handlers.
class Handler {
public:
    virtual ~Handler() = default;
    int OnA(int x, u8 i) { return x + i + bias; }
    int OnB(int x, u8 i) { return x - i; }
    int Negate(int x) { return -x; }
    int bias = 0;
};

int PlainHandler(int x, u8 i) { return x * i; }

TEST(CBFunctor, EqualWhenTheSameFunctionIsBoundToTheSameObject)
{
    Handler one, two;
    using Callback = CBFunctor2wRet<int, int, u8>;
    EXPECT_TRUE(Callback(&one, &Handler::OnA) == Callback(&one, &Handler::OnA));
    EXPECT_TRUE(Callback(&one, &Handler::OnA) != Callback(&one, &Handler::OnB));
    EXPECT_TRUE(Callback(&one, &Handler::OnA) != Callback(&two, &Handler::OnA));
    EXPECT_TRUE(Callback(PlainHandler) == Callback(PlainHandler));
    EXPECT_TRUE(Callback(PlainHandler) != Callback(&one, &Handler::OnA));
    EXPECT_TRUE(Callback() == Callback());
    EXPECT_FALSE(static_cast<bool>(Callback()));

    one.bias = 100;
    EXPECT_EQ(Callback(&one, &Handler::OnA)(1, 2), 103);
    EXPECT_EQ(Callback(&one, &Handler::OnB)(1, 2), -1);
    EXPECT_EQ(Callback(PlainHandler)(3, 4), 12);

    using Single = CBFunctor1wRet<int, int>;
    EXPECT_EQ(Single(&one, &Handler::Negate)(5), -5);
    EXPECT_TRUE(Single(&one, &Handler::Negate) == Single(&one, &Handler::Negate));
    EXPECT_TRUE(Single(&one, &Handler::Negate) != Single(&two, &Handler::Negate));
}

TEST(Apstring, FindAndSubstrStayInsideTheText)
{
    const apstring text("AdpAllInfo");
    EXPECT_EQ(text.Find("All"), 3);
    EXPECT_EQ(text.Find("x"), -1);
    EXPECT_EQ(text.Substr(-4, 3), apstring("Adp"));
    EXPECT_EQ(text.Substr(6, 100), apstring("Info"));
    EXPECT_TRUE(text.Substr(10, 1).IsEmpty());
    EXPECT_TRUE(text.Substr(50, 1).IsEmpty());
    EXPECT_EQ(text[0], 'A');
    EXPECT_EQ(text[10], '\0');
    EXPECT_EQ(text[-1], '\0');
    EXPECT_TRUE(apstring("abc") != apstring("ABC"));
}

}  // namespace
