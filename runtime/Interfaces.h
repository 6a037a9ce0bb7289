#pragma once

#include "runtime/Status.h"

#include <array>
#include <cstdint>
#include <utility>

// Interface id, laid out as a GUID.
struct TGUID {
    std::uint32_t D1;
    std::uint16_t D2;
    std::uint16_t D3;
    std::array<std::uint8_t, 8> D4;
    friend constexpr bool operator==(const TGUID&, const TGUID&) = default;
};

// Base of every interface. Interfaces derive from it virtually, so that an object implementing
// several of them carries one reference count.
class IInterface {
public:
    static constexpr TGUID IID{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    virtual HResult QueryInterface(const TGUID& iid, void** object) noexcept = 0;
    virtual std::int32_t AddRef() noexcept = 0;
    virtual std::int32_t Release() noexcept = 0;

protected:
    ~IInterface() = default;
};

// Counted reference to an interface (or to an object implementing interfaces).
template <class T>
class IntfPtr {
public:
    IntfPtr() noexcept = default;
    IntfPtr(std::nullptr_t) noexcept {}
    // Takes a new reference.
    explicit IntfPtr(T* object) noexcept : FObject(object) { AddRefObject(); }
    IntfPtr(const IntfPtr& other) noexcept : FObject(other.FObject) { AddRefObject(); }
    IntfPtr(IntfPtr&& other) noexcept : FObject(std::exchange(other.FObject, nullptr)) {}
    template <class U>
    IntfPtr(const IntfPtr<U>& other) noexcept : FObject(other.Get()) {
        AddRefObject();
    }
    ~IntfPtr() { ReleaseObject(); }

    IntfPtr& operator=(IntfPtr other) noexcept {
        std::swap(FObject, other.FObject);
        return *this;
    }

    // Wraps a reference the caller already holds, without counting it again.
    static IntfPtr Adopt(T* object) noexcept {
        IntfPtr result;
        result.FObject = object;
        return result;
    }

    T* Get() const noexcept { return FObject; }
    T* operator->() const noexcept { return FObject; }
    T& operator*() const noexcept { return *FObject; }
    explicit operator bool() const noexcept { return FObject != nullptr; }
    void Reset() noexcept { IntfPtr().swap(*this); }
    void swap(IntfPtr& other) noexcept { std::swap(FObject, other.FObject); }

    friend bool operator==(const IntfPtr& a, const IntfPtr& b) noexcept {
        return a.FObject == b.FObject;
    }
    friend bool operator==(const IntfPtr& a, std::nullptr_t) noexcept { return !a.FObject; }

private:
    void AddRefObject() noexcept {
        if (FObject) {
            FObject->AddRef();
        }
    }
    void ReleaseObject() noexcept {
        if (FObject) {
            std::exchange(FObject, nullptr)->Release();
        }
    }

    T* FObject = nullptr;
};

// Creates a counted object; its first reference is the one returned.
template <class T, class... Args>
IntfPtr<T> MakeIntf(Args&&... args) {
    return IntfPtr<T>(new T(std::forward<Args>(args)...));
}

// "Does this object implement I?": the QueryInterface question, answered as a counted reference.
template <class I, class From>
IntfPtr<I> Supports(From* object) noexcept {
    void* found = nullptr;
    if (object && Succeeded(object->QueryInterface(I::IID, &found)) && found) {
        return IntfPtr<I>::Adopt(static_cast<I*>(found));
    }
    return {};
}

template <class I, class From>
IntfPtr<I> Supports(const IntfPtr<From>& object) noexcept {
    return Supports<I>(object.Get());
}

// Base of reference-counted objects: the last Release frees the object.
class TInterfacedObject : public virtual IInterface {
public:
    TInterfacedObject() = default;
    TInterfacedObject(const TInterfacedObject&) = delete;
    TInterfacedObject& operator=(const TInterfacedObject&) = delete;
    virtual ~TInterfacedObject() = default;

    HResult QueryInterface(const TGUID& iid, void** object) noexcept override;
    std::int32_t AddRef() noexcept override;
    std::int32_t Release() noexcept override;
    std::int32_t RefCount() const noexcept { return FRefCount; }

private:
    std::int32_t FRefCount = 0;
};

// Implements interfaces whose reference counting does nothing: the object lives until its owner
// frees it.
class TNonRefCountedObject : public virtual IInterface {
public:
    TNonRefCountedObject() = default;
    TNonRefCountedObject(const TNonRefCountedObject&) = delete;
    TNonRefCountedObject& operator=(const TNonRefCountedObject&) = delete;
    virtual ~TNonRefCountedObject() = default;

    HResult QueryInterface(const TGUID& iid, void** object) noexcept override;
    std::int32_t AddRef() noexcept override { return -1; }
    std::int32_t Release() noexcept override { return -1; }
};

// Adds interfaces to a base object: QueryInterface answers each of Interfaces, then asks Base.
template <class Base, class... Interfaces>
class TImplements : public Base, public Interfaces... {
public:
    using Base::Base;

    HResult QueryInterface(const TGUID& iid, void** object) noexcept override {
        if (!object) {
            return kStatusNoInterface;
        }
        if ((TryInterface<Interfaces>(iid, object) || ...)) {
            return kStatusOk;
        }
        return Base::QueryInterface(iid, object);
    }
    std::int32_t AddRef() noexcept override { return Base::AddRef(); }
    std::int32_t Release() noexcept override { return Base::Release(); }

private:
    template <class I>
    bool TryInterface(const TGUID& iid, void** object) noexcept {
        if (iid != I::IID) {
            return false;
        }
        *object = static_cast<I*>(this);
        AddRef();
        return true;
    }
};
