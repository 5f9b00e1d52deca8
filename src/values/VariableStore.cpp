#include "values/VariableStore.h"

#include <functional>

#include "diagnostics/Error.h"

namespace tbasic {

std::size_t hashName(std::string_view name) { return std::hash<std::string_view>{}(name); }

Variable* Scope::find(const NameRef& name) {
    if (!index_.empty()) {
        auto it = index_.find(name.name);
        return it == index_.end() ? nullptr : it->second;
    }
    for (Entry& entry : entries_)
        if (entry.hash == name.hash && entry.variable.name == name.name) return &entry.variable;
    return nullptr;
}

Variable& Scope::insert(Variable variable, std::size_t hash) {
    Entry& entry = entries_.emplace_back(Entry{hash, std::move(variable)});
    if (entries_.size() == indexThreshold) {
        for (Entry& e : entries_) index_.emplace(e.variable.name, &e.variable);
    } else if (entries_.size() > indexThreshold) {
        index_.emplace(entry.variable.name, &entry.variable);
    }
    return entry.variable;
}

void Scope::clear() {
    index_.clear();
    entries_.clear();
}

std::uint64_t VariableStore::nextGeneration() {
    static std::uint64_t counter = 0;
    return ++counter;
}

namespace {
VariableStore theStore;
}

VariableStore& variableStore() { return theStore; }

void VariableStore::pushFrame() {
    generation_ = nextGeneration();
    if (openFrames_ == frames_.size()) frames_.emplace_back();
    current_ = &frames_[openFrames_++];
}

void VariableStore::popFrame() {
    if (openFrames_ == 0) return;
    generation_ = nextGeneration();
    CallFrame& frame = frames_[openFrames_ - 1];
    for (std::size_t i = 0; i < frame.openScopes; ++i) frame.scopes[i]->clear();
    frame.openScopes = 0;
    --openFrames_;
    current_ = openFrames_ ? &frames_[openFrames_ - 1] : nullptr;
}

void VariableStore::pushScope() {
    CallFrame* frame = current();
    if (!frame) return;
    if (frame->openScopes == frame->scopes.size()) frame->scopes.push_back(std::make_unique<Scope>());
    ++frame->openScopes;
}

void VariableStore::popScope() {
    CallFrame* frame = current();
    if (!frame || frame->openScopes == 0) return;
    Scope& scope = *frame->scopes[--frame->openScopes];
    if (!scope.empty()) {
        generation_ = nextGeneration();
        scope.clear();
    }
}

void VariableStore::clearScope() {
    CallFrame* frame = current();
    if (!frame || frame->openScopes == 0) return;
    Scope& scope = *frame->scopes[frame->openScopes - 1];
    if (!scope.empty()) {
        generation_ = nextGeneration();
        scope.clear();
    }
}

Variable* VariableStore::find(const NameRef& name) {
    CallFrame* frame = current();
    if (!frame) return nullptr;
    for (std::size_t i = frame->openScopes; i-- > 0;)
        if (Variable* v = frame->scopes[i]->find(name)) return v;
    return nullptr;
}

bool VariableStore::isDeclared(std::string_view name) const {
    return const_cast<VariableStore*>(this)->find(NameRef{name, hashName(name)}) != nullptr;
}

Variable& VariableStore::lookup(std::string_view name) { return lookup(name, hashName(name)); }

Variable& VariableStore::lookup(std::string_view name, std::size_t hash) {
    if (Variable* v = find(NameRef{name, hash})) return *v;
    std::string text(name);
    throw SyntaxError(UndefinedVariable, formatMessage("Undefined variable [%s].", text.c_str()));
}

void VariableStore::declare(const Variable& variable) { declare(variable, hashName(variable.name)); }

void VariableStore::declare(Variable variable, std::size_t hash) {
    if (find(NameRef{variable.name, hash}))
        throw SyntaxError(DuplicateDefinition,
                          formatMessage("Variable [%s] already defined.", variable.name.c_str()));
    CallFrame* frame = current();
    if (!frame || frame->openScopes == 0) throw Error(UnexpectedError);
    frame->scopes[frame->openScopes - 1]->insert(std::move(variable), hash);
}

void VariableStore::bindParameter(const std::string& name, std::size_t hash, const Value& argument,
                                  bool byRef) {
    if (byRef && argument.origin) {
        Variable* target = argument.origin;
        if (target->isReference) target = target->referent;
        declare(Variable(name, *target), hash);
    } else {
        Variable variable(name, argument);
        variable.ownValue.origin = nullptr;
        declare(std::move(variable), hash);
    }
}

}  // namespace tbasic
