// The one store of all variables: a stack of call frames, each a stack of
// block scopes. Names are looked up in the current frame only, innermost
// scope first, so a function sees nothing of its callers but BYREF targets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lexer/Token.h"
#include "values/Variable.h"

namespace tbasic {

// The hash of a variable name; tokens keep it so lookups never re-hash.
std::size_t hashName(std::string_view name);

struct NameRef {
    std::string_view name;
    std::size_t hash;
};

// Owns its variables. They live in a deque, which never moves an element
// once added; small scopes are searched by hash, large ones get an index.
class Scope {
public:
    Variable* find(const NameRef& name);
    Variable& insert(Variable variable, std::size_t hash);
    void clear();
    bool empty() const { return entries_.empty(); }

private:
    struct Entry {
        std::size_t hash;
        Variable variable;
    };
    static constexpr std::size_t indexThreshold = 16;

    std::deque<Entry> entries_;
    std::unordered_map<std::string_view, Variable*, std::hash<std::string_view>> index_;
};

class CallFrame {
public:
    // Scopes are kept after they close so a loop or call can reuse their storage.
    std::vector<std::unique_ptr<Scope>> scopes;
    std::size_t openScopes = 0;
};

class VariableStore {
public:
    void pushFrame();
    void popFrame();
    void pushScope();
    void popScope();
    void clearScope();

    bool isDeclared(std::string_view name) const;
    Variable& lookup(std::string_view name);
    Variable& lookup(std::string_view name, std::size_t hash);
    // Looks up a variable token's name. The token remembers what it found
    // until the layout changes: a frame opens or closes, or a scope that
    // held variables is emptied or closed. Declaring never changes what an
    // existing name finds, since a frame has no shadowing.
    Variable& lookup(const Token& token) {
        if (token.cachedGeneration == generation_ && token.cachedVariable) return *token.cachedVariable;
        Variable& variable = lookup(token.text, token.nameHash);
        token.cachedVariable = &variable;
        token.cachedGeneration = generation_;
        return variable;
    }
    void declare(const Variable& variable);

    // Binds a parameter in the current frame: a BYREF parameter given a
    // variable becomes a reference to the variable that holds the value.
    void bindParameter(const std::string& name, std::size_t hash, const Value& argument, bool byRef);
    void bindParameter(const std::string& name, const Value& argument, bool byRef) {
        bindParameter(name, hashName(name), argument, byRef);
    }

    std::size_t frameCount() const { return openFrames_; }

private:
    CallFrame* current() { return current_; }
    const CallFrame* current() const { return current_; }
    Variable* find(const NameRef& name);
    void declare(Variable variable, std::size_t hash);

    // Frames are kept after they close so calls reuse their storage.
    std::deque<CallFrame> frames_;
    std::size_t openFrames_ = 0;
    CallFrame* current_ = nullptr;  // the last open frame
    // Changes whenever a found name could change; drawn from one counter for
    // all stores, so a token never mistakes one store's layout for another's.
    std::uint64_t generation_ = nextGeneration();
    static std::uint64_t nextGeneration();
};

// The process-wide store.
VariableStore& variableStore();

}  // namespace tbasic
