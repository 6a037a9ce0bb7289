#include "ui/Component.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Notes its destruction and the states it was in at that moment.
class TNoted : public TComponent {
public:
    TNoted(TComponent* owner, std::string name, std::vector<std::string>& log)
        : TComponent(owner), FLog(log) {
        SetName(name);
    }
    ~TNoted() override {
        FLog.push_back(Name() + (InState(csDestroying) ? " destroying" : " live"));
    }

private:
    std::vector<std::string>& FLog;
};

class TLoadable : public TComponent {
public:
    using TComponent::TComponent;
    void Build() { BeginLoading(); }
    void Finish() { EndLoading(); }
    int LoadedCalls = 0;

protected:
    void Loaded() override { ++LoadedCalls; }
};

TEST(Component, OwnerFreesWhatItOwnsLastCreatedFirstAndEveryOneKnowsItIsGoing) {
    // Each notes itself before the components it owns go.
    std::vector<std::string> log;
    {
        TComponent root(nullptr);
        auto* a = new TNoted(&root, "a", log);
        new TNoted(a, "a1", log);
        new TNoted(&root, "b", log);
        ASSERT_EQ(root.ComponentCount(), 2);
        EXPECT_EQ(root.FindComponent("B"), root.Components(1));
        EXPECT_EQ(root.FindComponent("a1"), nullptr); // only its own components
    }
    EXPECT_EQ(log, (std::vector<std::string>{"b destroying", "a destroying", "a1 destroying"}));
}

TEST(Component, DeletingAComponentRemovesItFromItsOwner) {
    std::vector<std::string> log;
    TComponent root(nullptr);
    auto* first = new TNoted(&root, "first", log);
    new TNoted(&root, "second", log);
    delete first;
    ASSERT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(root.Components(0)->Name(), "second");
}

TEST(Component, WhatIsCreatedWhileTheOwnerLoadsLoadsTooAndIsToldWhenItEnds) {
    TLoadable root(nullptr);
    root.Build();
    auto* child = new TLoadable(&root);
    auto* grandchild = new TLoadable(child);
    EXPECT_TRUE(grandchild->InState(csLoading | csReading));
    root.Finish();
    for (TLoadable* component : {&root, child, grandchild}) {
        EXPECT_FALSE(component->InState(csLoading | csReading));
        EXPECT_EQ(component->LoadedCalls, 1);
    }
    auto* later = new TLoadable(&root);
    EXPECT_FALSE(later->InState(csLoading));
}

TEST(Component, DesignAndUpdateStatesReachWhatTheyShould) {
    TComponent root(nullptr);
    auto* child = new TComponent(&root);
    root.SetDesigning(true);
    EXPECT_TRUE(child->InState(csDesigning));
    root.SetDesigning(false);
    EXPECT_FALSE(child->InState(csDesigning));
    root.Updating();
    EXPECT_TRUE(root.InState(csUpdating));
    EXPECT_FALSE(child->InState(csUpdating));
    root.Updated();
    EXPECT_EQ(root.ComponentState(), 0);
}

} // namespace
