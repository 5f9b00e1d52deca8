// The one store of all variables: a stack of call frames, each a stack of
// block scopes. Names are looked up in the current frame only, innermost
// scope first, so a function sees nothing of its callers but BYREF targets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/Text.h"
#include "values/Variable.h"

namespace tbasic {

struct NameRef {
    std::string_view name;
    std::size_t hash;
};

// Owns its variables. Each slot is allocated once and never moves; slots
// are kept when the scope is emptied so the next declarations reuse them.
// Small scopes are searched by hash, large ones get an index.
class Scope {
public:
    static constexpr std::size_t indexThreshold = 16;

    Variable* find(const NameRef& name) {
        if (!index_.empty()) return findIndexed(name.name);
        for (std::size_t i = 0; i < size_; ++i) {
            Entry& entry = *entries_[i];
            if (entry.hash == name.hash && sameName(entry.variable.name, name.name)) return &entry.variable;
        }
        return nullptr;
    }
    // A slot for a new variable, named; the caller fills every other field.
    Variable& add(const std::string& name, std::size_t hash) {
        if (size_ == entries_.size() || size_ + 1 >= indexThreshold) return addSlowly(name, hash);
        Entry& entry = *entries_[size_++];
        entry.hash = hash;
        // A reused slot most often gets the name it had (the same call again).
        if (!sameName(entry.variable.name, name)) rename(entry, name);
        return entry.variable;
    }
    // Parameter scopes: a call of a definition whose parameter names are
    // distinct holds its parameters in the first slots of its frame's
    // outermost scope, in order. Names those slots for the definition, unless
    // they still hold its names from an earlier call, and stores their
    // addresses in slots. Renaming any slot forgets the definition.
    static constexpr std::size_t maxParameters = indexThreshold - 2;
    bool namedFor(const void* definition) const { return namedFor_ == definition; }
    void nameParameters(const void* definition, const NameRef* names, std::size_t count,
                        std::vector<Variable*>& slots);
    // Holds the parameters named for the definition (count at most maxParameters).
    void holdParameters(std::size_t count) { size_ = count; }
    void clear() {
        if (!index_.empty()) index_.clear();
        size_ = 0;
    }
    bool empty() const { return size_ == 0; }

    std::size_t depth = 0;  // the block depth, within its frame, that it belongs to

private:
    struct Entry {
        std::size_t hash;
        Variable variable;
    };
    Variable* findIndexed(std::string_view name);
    void rename(Entry& entry, const std::string& name) {
        entry.variable.name = name;
        namedFor_ = nullptr;
    }
    // add for a scope that needs a new slot or reaches the size to be indexed.
    Variable& addSlowly(const std::string& name, std::size_t hash);

    std::vector<std::unique_ptr<Entry>> entries_;  // the first size_ hold variables, the rest are spare
    std::size_t size_ = 0;
    std::unordered_map<std::string_view, Variable*, std::hash<std::string_view>> index_;
    const void* namedFor_ = nullptr;  // the definition whose parameter names the first slots hold
};

// Blocks open and close far more often than they declare anything, so a
// block's scope takes storage only when a variable is declared in it: the
// frame keeps the scopes that hold variables, innermost last, each tagged
// with the block depth it belongs to.
class CallFrame {
public:
    // Scopes are kept after they empty so a loop or call can reuse their storage.
    std::vector<std::unique_ptr<Scope>> scopes;
    std::size_t usedScopes = 0;  // the scopes holding variables
    std::size_t openScopes = 0;  // the block depth
    std::uint64_t callerGeneration = 0;  // the store's layout generation when the frame opened
    CallFrame* caller = nullptr;         // the frame open below it, nullptr for the first
    Scope* outermost = nullptr;          // scopes[0], made with the frame
    // A call bound in one pass: its parameters' slots (in scopes[0], which
    // never move), the first parameterCount of them bound for this call.
    std::vector<Variable*> parameterSlots;
    std::size_t parameterCount = 0;

    // The depth of the innermost used scope, noScope when none is used: kept
    // so closing a block compares one number.
    static constexpr std::size_t noScope = SIZE_MAX / 2;
    std::size_t innermostDepth = noScope;

    Scope* innermostUsed() { return usedScopes ? scopes[usedScopes - 1].get() : nullptr; }
};

class VariableStore {
public:
    // A frame's own variables are new names for every token, so opening one
    // starts a new layout generation. Closing it returns to the caller's
    // generation: the caller's frame is as it was when the call began, so
    // what its tokens found before the call they find again.
    void pushFrame() {
        if (openFrames_ == frameCapacity_) addFrame();
        CallFrame* frame = frames_[openFrames_++].get();
        frame->caller = current_;
        frame->callerGeneration = generation_;
        frame->parameterCount = 0;
        generation_ = nextGeneration();
        current_ = frame;
    }
    void popFrame() {
        if (openFrames_ == 0) return;
        CallFrame& frame = *current_;
        generation_ = frame.callerGeneration;
        std::unique_ptr<Scope>* scopes = frame.scopes.data();
        for (std::size_t i = frame.usedScopes; i-- > 0;) scopes[i]->clear();
        frame.usedScopes = 0;
        frame.innermostDepth = CallFrame::noScope;
        frame.openScopes = 0;
        --openFrames_;
        current_ = frame.caller;
    }
    // Opens the outermost scope of the frame just pushed with the parameters
    // of a definition whose count (at most Scope::maxParameters) parameter
    // names are distinct, and returns their slots for the caller to bind.
    Variable* const* openParameters(const void* definition, const NameRef* names, std::size_t count) {
        CallFrame& frame = *current_;
        Scope* scope = frame.outermost;
        if (!scope->namedFor(definition)) nameParameters(frame, definition, names, count);
        scope->depth = 0;
        scope->holdParameters(count);
        frame.usedScopes = count != 0;
        frame.innermostDepth = count != 0 ? 0 : CallFrame::noScope;
        frame.openScopes = 1;
        frame.parameterCount = count;
        return frame.parameterSlots.data();
    }
    void pushScope() {
        if (current_) ++current_->openScopes;
    }
    // Closing a block that declared nothing only lowers the depth.
    __attribute__((always_inline)) void popScope() {
        CallFrame* frame = current_;
        if (!frame || frame->openScopes == 0) return;
        --frame->openScopes;
        if (innermostScopeAt(*frame, frame->openScopes)) dropInnermostScope(*frame);
    }
    // Empties the innermost block's variables, for the next pass of a loop.
    void clearScope() {
        CallFrame* frame = current_;
        if (!frame || frame->openScopes == 0) return;
        if (innermostScopeAt(*frame, frame->openScopes - 1)) dropInnermostScope(*frame);
    }

    bool isDeclared(std::string_view name) const;
    Variable& lookup(std::string_view name);
    Variable& lookup(std::string_view name, std::size_t hash);
    // Looks up a name through the cache its token keeps, which remembers
    // what it found until the layout changes: a frame opens or closes, or a
    // scope that held variables is emptied or closed. Declaring never
    // changes what an existing name finds, since a frame has no shadowing.
    Variable& lookup(std::string_view name, std::size_t hash, LookupCache& cache) {
        // Generations start at 1, so a cache that never found anything never matches.
        if (cache.generation == generation_) return *cache.variable;
        Variable& variable = lookup(name, hash);
        cache.variable = &variable;
        cache.generation = generation_;
        return variable;
    }
    bool cacheHolds(const LookupCache& cache) const { return cache.generation == generation_; }
    // Parameter i of the current call when the call was bound in one pass
    // (see openParameters), else nullptr. The slots stay bound and open for
    // the whole call, and a frame has no shadowing, so the slot is what a
    // lookup by name finds. Only the tokens of a definition's body name a
    // parameter, and they run only in the frames of its calls.
    __attribute__((always_inline)) Variable* parameterSlot(std::size_t i) {
        CallFrame* frame = current_;
        if (!frame || i >= frame->parameterCount) return nullptr;
        return frame->parameterSlots[i];
    }
    void declare(const Variable& variable);

    // Binds a parameter in the current frame: a BYREF parameter given a
    // variable becomes a reference to the variable that holds the value.
    // The name must be valid (definitions check it); a name already declared
    // in the frame fails as a duplicate definition.
    void bindParameter(const std::string& name, std::size_t hash, const Value& argument, bool byRef);
    void bindParameter(const std::string& name, const Value& argument, bool byRef) {
        bindParameter(name, hashName(name), argument, byRef);
    }
    // The same for a name known not to be declared in the frame yet (the
    // parameters of a definition whose parameter names are all distinct).
    void bindNewParameter(const std::string& name, std::size_t hash, const Value& argument, bool byRef);
    // The same, moving the argument's value into the parameter.
    void bindNewParameter(const std::string& name, std::size_t hash, Value&& argument, bool byRef) {
        bindArgument(addSlot(name, hash), std::move(argument), byRef);
    }
    // Binds a parameter's slot to its argument, moving the argument's value in.
    static void bindArgument(Variable& slot, Value&& argument, bool byRef) {
        if (byRef && argument.origin) {
            bindReference(slot, *argument.origin);
            return;
        }
        slot.declaredType = argument.type;
        slot.ownValue = std::move(argument);
        slot.ownValue.origin = nullptr;
        slot.isReference = false;
        slot.referent = nullptr;
    }

    std::size_t frameCount() const { return openFrames_; }

private:
    CallFrame* current() { return current_; }
    const CallFrame* current() const { return current_; }
    Variable* find(const NameRef& name) {
        CallFrame* frame = current();
        if (!frame) return nullptr;
        for (std::size_t i = frame->usedScopes; i-- > 0;)
            if (Variable* v = frame->scopes[i]->find(name)) return v;
        return nullptr;
    }
    static bool innermostScopeAt(const CallFrame& frame, std::size_t depth) { return frame.innermostDepth == depth; }
    void dropInnermostScope(CallFrame& frame);
    void addFrame();
    // The slot for a new variable in the innermost open block's scope.
    Variable& addSlot(const std::string& name, std::size_t hash) {
        CallFrame* frame = current();
        if (!frame || frame->openScopes == 0) failNoScope();
        Scope* scope = frame->innermostUsed();
        if (!scope || scope->depth != frame->openScopes - 1) scope = &addScope(*frame);
        return scope->add(name, hash);
    }
    // A new innermost scope for the innermost open block.
    Scope& addScope(CallFrame& frame);
    void nameParameters(CallFrame& frame, const void* definition, const NameRef* names, std::size_t count);
    [[noreturn]] static void failNoScope();
    // Makes a parameter slot stand for the variable a BYREF argument was read from.
    static void bindReference(Variable& slot, Variable& origin);
    void throwIfDeclared(const std::string& name, std::size_t hash);

    // Frames are kept after they close so calls reuse their storage.
    std::vector<std::unique_ptr<CallFrame>> frames_;
    std::size_t openFrames_ = 0;
    std::size_t frameCapacity_ = 0;  // frames_.size()
    CallFrame* current_ = nullptr;  // the last open frame
    // Changes whenever a found name could change; drawn from one counter for
    // all stores, so a token never mistakes one store's layout for another's.
    std::uint64_t generation_ = nextGeneration();
    static std::uint64_t nextGeneration() { return ++generationCounter; }
    static inline std::uint64_t generationCounter = 0;
};

// Closes the frame last opened when it goes out of scope.
class FrameCloser {
public:
    explicit FrameCloser(VariableStore& store) : store_(store) {}
    ~FrameCloser() { store_.popFrame(); }
    FrameCloser(const FrameCloser&) = delete;
    FrameCloser& operator=(const FrameCloser&) = delete;

private:
    VariableStore& store_;
};

// Opens a call frame with its outermost block scope, and closes the frame
// when it goes out of scope, however the call or program ends.
class CallFrameGuard {
public:
    explicit CallFrameGuard(VariableStore& store) : store_(store) {
        store.pushFrame();
        store.pushScope();
    }
    ~CallFrameGuard() { store_.popFrame(); }
    CallFrameGuard(const CallFrameGuard&) = delete;
    CallFrameGuard& operator=(const CallFrameGuard&) = delete;

private:
    VariableStore& store_;
};

}  // namespace tbasic
