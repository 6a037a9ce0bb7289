#pragma once

#include "runtime/Interfaces.h"
#include "runtime/Strings.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// The states a component passes through besides its normal life.
using TComponentState = std::uint8_t;
inline constexpr TComponentState csLoading = 1; // its design is being built
inline constexpr TComponentState csReading = 2; // its designed properties are being read
inline constexpr TComponentState csWriting = 4; // its properties are being stored
inline constexpr TComponentState csDestroying = 8;
inline constexpr TComponentState csUpdating = 16; // a batch of changes is under way
inline constexpr TComponentState csDesigning = 32;

class TComponent;
using TNotifyEvent = std::function<void(TComponent& sender)>;

// A component has an owner that frees it, and owns and frees the components created with it as
// their owner. It implements interfaces without reference counting: its owner governs its life.
// Deleting a component removes it from its owner first.
class TComponent : public TNonRefCountedObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return FOwner; }
    const AnsiString& Name() const { return FName; }
    void SetName(AnsiString name) { FName = std::move(name); }

    // Owned components, in the order of their creation.
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(index); }
    TComponent* FindComponent(std::string_view name) const;

    TComponentState ComponentState() const { return FState; }
    bool InState(TComponentState states) const { return (FState & states) != 0; }

    // A batch of changes: csUpdating is set until the matching Updated.
    void Updating() { FState |= csUpdating; }
    void Updated() { FState &= static_cast<TComponentState>(~csUpdating); }
    // Puts the component and everything it owns into the design state or takes it out again.
    void SetDesigning(bool designing);
    // Marks the component and everything it owns as being destroyed.
    void Destroying();
    // Frees the owned components, the last created first.
    void DestroyComponents();

protected:
    // The design is about to be built: what is created with this component as its owner from now
    // on is loading too.
    void BeginLoading() { FState |= csLoading | csReading; }
    // The design has been built: the component and everything it owns leave the loading and
    // reading states, and each is told through Loaded, an owned component before its owner.
    void EndLoading();
    virtual void Loaded() {}

    enum class TOperation { Insert, Remove };
    // Told when a component joins or leaves the components this one owns.
    virtual void Notification(TComponent& component, TOperation operation);

private:
    void Insert(TComponent& component);
    void Remove(TComponent& component);

    TComponent* FOwner = nullptr;
    AnsiString FName;
    TComponentState FState = 0;
    std::vector<TComponent*> FComponents;
};
