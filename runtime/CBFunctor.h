// Callback values: an object bound to one of its member functions (or a plain function).
// Two callbacks are equal when they call the same function on the same object.
//
// The member function is kept as a pointer to a member of a placeholder class; converting a
// pointer to member function to another such type and back yields the original value.
#pragma once

namespace cbfunctor_detail {
class Placeholder;
}

template <typename R, typename A1>
class CBFunctor1wRet {
    using Member = R (cbfunctor_detail::Placeholder::*)(A1);

public:
    CBFunctor1wRet() = default;
    explicit CBFunctor1wRet(R (*fn)(A1)) : plain_(fn) {}
    template <typename C>
    CBFunctor1wRet(C* object, R (C::*fn)(A1))
        : object_(object), thunk_(&Thunk<C>), member_(reinterpret_cast<Member>(fn))
    {
    }

    R operator()(A1 a) const { return thunk_ ? thunk_(object_, member_, a) : plain_(a); }
    explicit operator bool() const { return thunk_ != nullptr || plain_ != nullptr; }
    bool operator==(const CBFunctor1wRet& o) const
    {
        return object_ == o.object_ && thunk_ == o.thunk_ && plain_ == o.plain_ && member_ == o.member_;
    }
    bool operator!=(const CBFunctor1wRet& o) const { return !(*this == o); }

private:
    template <typename C>
    static R Thunk(void* object, Member member, A1 a)
    {
        return (static_cast<C*>(object)->*reinterpret_cast<R (C::*)(A1)>(member))(a);
    }

    void* object_ = nullptr;
    R (*thunk_)(void*, Member, A1) = nullptr;
    R (*plain_)(A1) = nullptr;
    Member member_ = nullptr;
};

template <typename R, typename A1, typename A2>
class CBFunctor2wRet {
    using Member = R (cbfunctor_detail::Placeholder::*)(A1, A2);

public:
    CBFunctor2wRet() = default;
    explicit CBFunctor2wRet(R (*fn)(A1, A2)) : plain_(fn) {}
    template <typename C>
    CBFunctor2wRet(C* object, R (C::*fn)(A1, A2))
        : object_(object), thunk_(&Thunk<C>), member_(reinterpret_cast<Member>(fn))
    {
    }

    R operator()(A1 a, A2 b) const { return thunk_ ? thunk_(object_, member_, a, b) : plain_(a, b); }
    explicit operator bool() const { return thunk_ != nullptr || plain_ != nullptr; }
    bool operator==(const CBFunctor2wRet& o) const
    {
        return object_ == o.object_ && thunk_ == o.thunk_ && plain_ == o.plain_ && member_ == o.member_;
    }
    bool operator!=(const CBFunctor2wRet& o) const { return !(*this == o); }

private:
    template <typename C>
    static R Thunk(void* object, Member member, A1 a, A2 b)
    {
        return (static_cast<C*>(object)->*reinterpret_cast<R (C::*)(A1, A2)>(member))(a, b);
    }

    void* object_ = nullptr;
    R (*thunk_)(void*, Member, A1, A2) = nullptr;
    R (*plain_)(A1, A2) = nullptr;
    Member member_ = nullptr;
};
