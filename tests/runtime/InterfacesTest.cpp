#include "runtime/Interfaces.h"

#include "runtime/Exception.h"

#include <gtest/gtest.h>

namespace {

class IFirst : public virtual IInterface {
public:
    static constexpr TGUID IID{0x11111111, 0x1111, 0x1111, {1, 1, 1, 1, 1, 1, 1, 1}};
    virtual int First() = 0;

protected:
    ~IFirst() = default;
};

class ISecond : public virtual IInterface {
public:
    static constexpr TGUID IID{0x22222222, 0x2222, 0x2222, {2, 2, 2, 2, 2, 2, 2, 2}};
    virtual int Second() = 0;

protected:
    ~ISecond() = default;
};

class TCounted : public TImplements<TInterfacedObject, IFirst, ISecond> {
public:
    explicit TCounted(int& destroyed) : FDestroyed(destroyed) {}
    ~TCounted() override { ++FDestroyed; }
    int First() override { return 1; }
    int Second() override { return 2; }

private:
    int& FDestroyed;
};

class TUncounted : public TImplements<TNonRefCountedObject, IFirst> {
public:
    int First() override { return 3; }
};

TEST(Interfaces, OneCountAcrossEveryInterfaceAndFreedWithTheLastReference) {
    int destroyed = 0;
    {
        IntfPtr<TCounted> object = MakeIntf<TCounted>(destroyed);
        EXPECT_EQ(object->RefCount(), 1);
        IntfPtr<IFirst> first = object;
        IntfPtr<ISecond> second = Supports<ISecond>(first);
        ASSERT_TRUE(second);
        EXPECT_EQ(second->Second(), 2);
        EXPECT_EQ(object->RefCount(), 3);
        EXPECT_TRUE(Supports<IInterface>(second));
        object.Reset();
        first.Reset();
        EXPECT_EQ(destroyed, 0);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST(Interfaces, QueryForAnUnknownInterfaceFails) {
    int destroyed = 0;
    auto object = MakeIntf<TCounted>(destroyed);
    void* found = &destroyed;
    EXPECT_EQ(object->QueryInterface(TGUID{9, 9, 9, {}}, &found), kStatusNoInterface);
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(object->QueryInterface(IFirst::IID, nullptr), kStatusNoInterface);
    EXPECT_EQ(object->RefCount(), 1);
}

TEST(Interfaces, NonCountedObjectLivesUntilItsOwnerFreesIt) {
    auto owned = std::make_unique<TUncounted>();
    {
        IntfPtr<IFirst> first = Supports<IFirst>(owned.get());
        ASSERT_TRUE(first);
        EXPECT_EQ(first->First(), 3);
    }
    EXPECT_EQ(owned->First(), 3);
}

TEST(Status, BoundaryTurnsAnythingRaisedIntoTheUnexpectedStatus) {
    EXPECT_EQ(GuardStatus([] {}), kStatusOk);
    EXPECT_EQ(GuardStatus([] { throw Exception("x"); }), kStatusUnexpected);
    EXPECT_EQ(GuardStatus([] { throw 42; }), kStatusUnexpected);
    EXPECT_EQ(kStatusUnexpected, static_cast<HResult>(0x8000FFFF));
}

TEST(Status, CallerRaisesOnANegativeStatusOnly) {
    EXPECT_NO_THROW(CheckStatus(kStatusOk));
    EXPECT_NO_THROW(CheckStatus(1));
    try {
        CheckStatus(kStatusUnexpected);
        FAIL();
    } catch (const EOSError& e) {
        EXPECT_EQ(e.ErrorCode(), kStatusUnexpected);
        EXPECT_NE(e.Message().find("8000FFFF"), AnsiString::npos);
    }
}

} // namespace
