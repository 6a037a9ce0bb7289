#include "runtime/Interfaces.h"

HResult TInterfacedObject::QueryInterface(const TGUID& iid, void** object) noexcept {
    if (!object) {
        return kStatusNoInterface;
    }
    if (iid == IInterface::IID) {
        *object = static_cast<IInterface*>(this);
        AddRef();
        return kStatusOk;
    }
    *object = nullptr;
    return kStatusNoInterface;
}

std::int32_t TInterfacedObject::AddRef() noexcept {
    return ++FRefCount;
}

std::int32_t TInterfacedObject::Release() noexcept {
    const std::int32_t remaining = --FRefCount;
    if (remaining == 0) {
        delete this;
    }
    return remaining;
}

HResult TNonRefCountedObject::QueryInterface(const TGUID& iid, void** object) noexcept {
    if (!object) {
        return kStatusNoInterface;
    }
    if (iid == IInterface::IID) {
        *object = static_cast<IInterface*>(this);
        return kStatusOk;
    }
    *object = nullptr;
    return kStatusNoInterface;
}
