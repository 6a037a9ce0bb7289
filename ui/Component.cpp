#include "ui/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) {
    if (owner) {
        // What is created while its owner's design is built belongs to that design.
        FState |= owner->FState & (csLoading | csReading | csDesigning);
        owner->Insert(*this);
    }
}

TComponent::~TComponent() {
    Destroying();
    DestroyComponents();
    if (FOwner) {
        FOwner->Remove(*this);
    }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    for (TComponent* component : FComponents) {
        if (SameText(component->Name(), name)) {
            return component;
        }
    }
    return nullptr;
}

void TComponent::SetDesigning(bool designing) {
    if (designing) {
        FState |= csDesigning;
    } else {
        FState &= static_cast<TComponentState>(~csDesigning);
    }
    for (TComponent* component : FComponents) {
        component->SetDesigning(designing);
    }
}

void TComponent::Destroying() {
    if (InState(csDestroying)) {
        return;
    }
    FState |= csDestroying;
    for (TComponent* component : FComponents) {
        component->Destroying();
    }
}

void TComponent::DestroyComponents() {
    // A component may free others it owns or parents while it goes; take one at a time.
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        delete last;
    }
}

void TComponent::EndLoading() {
    // Loaded may create components; visit only those present now.
    const std::vector<TComponent*> owned = FComponents;
    for (TComponent* component : owned) {
        if (std::find(FComponents.begin(), FComponents.end(), component) != FComponents.end()) {
            component->EndLoading();
        }
    }
    if (InState(csLoading | csReading)) {
        FState &= static_cast<TComponentState>(~(csLoading | csReading));
        Loaded();
    }
}

void TComponent::Notification(TComponent&, TOperation) {}

void TComponent::Insert(TComponent& component) {
    FComponents.push_back(&component);
    component.FOwner = this;
    Notification(component, TOperation::Insert);
}

void TComponent::Remove(TComponent& component) {
    const auto found = std::find(FComponents.begin(), FComponents.end(), &component);
    if (found == FComponents.end()) {
        return;
    }
    FComponents.erase(found);
    component.FOwner = nullptr;
    Notification(component, TOperation::Remove);
}
