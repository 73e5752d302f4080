#pragma once
#include <initializer_list>
#include <stdexcept>

namespace kvd {

// A call from a lower layer of the program to a higher one (the board asking the turn rules,
// the end of a move running the computer's turn). The lower layer owns the interface and holds
// it in one of these; the program wires it to the higher layer when it starts. Using a call
// that was never wired throws instead of quietly doing nothing, and the program checks every
// call is wired before it starts (RequireWired).
class UpwardCallBase {
  public:
    explicit UpwardCallBase(const char* name) : name_(name) {}
    virtual ~UpwardCallBase() = default;
    const char* Name() const { return name_; }
    virtual bool Wired() const = 0;

  private:
    const char* name_;
};

class UnwiredCall : public std::logic_error {
  public:
    explicit UnwiredCall(const char* name) : std::logic_error(std::string("not wired: ") + name) {}
};

template <class Interface>
class UpwardCall : public UpwardCallBase {
  public:
    using UpwardCallBase::UpwardCallBase;
    void Wire(Interface& target) { target_ = &target; }
    bool Wired() const override { return target_ != nullptr; }
    Interface* operator->() const {
        if (!target_) throw UnwiredCall(Name());
        return target_;
    }
    Interface& operator*() const { return *operator->(); }

  private:
    Interface* target_ = nullptr;
};

// Throws UnwiredCall naming the first call that is not wired.
inline void RequireWired(std::initializer_list<const UpwardCallBase*> calls) {
    for (const UpwardCallBase* call : calls)
        if (!call->Wired()) throw UnwiredCall(call->Name());
}

}  // namespace kvd
