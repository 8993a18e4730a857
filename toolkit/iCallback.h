// A target object and one of its member functions taking one argument; empty until set.
#pragma once
#include <functional>

template <class Arg> class iCallback {
public:
    iCallback() = default;

    // The handler may take any parameter type the argument converts to; its result is ignored.
    template <class Target, class Result, class Param> void Set(Target* object, Result (Target::*handler)(Param))
    {
        target = object;
        if (object && handler)
            call = [object, handler](Arg arg) { (object->*handler)(arg); };
        else
            call = nullptr;
    }
    void Clear()
    {
        target = nullptr;
        call = nullptr;
    }
    bool IsSet() const { return target && call; }
    // Does nothing while the target or the handler is missing.
    void operator()(Arg arg) const
    {
        if (IsSet()) call(arg);
    }

    void* target = nullptr;

private:
    std::function<void(Arg)> call;
};
